// The shear capacity of an anchor plate with straight anchor bars and a steel shear key.
#pragma once

#include "embed/PreComParam.h"

// Vu (kN) and whether the shear key's own share stays within 30 % of it, from the page's group and
// the reduction factor K. Returns FALSE and leaves both as they were when bv, b or la is 0; a value
// that comes out not finite or negative is 0.
BOOL CalcShearKeyShear(const CPreComSub6& in, double dK, double& dVu, BOOL& bShareWithin);
