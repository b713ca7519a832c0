#include "acge/Tolerance.h"

AcGeTol AcGeContext::gTol;
