// The shear capacity of an anchor plate with straight anchor bars and bent-up anchor bars.
#pragma once

#include "embed/PreComParam.h"

// Vu (kN) from the page's group and the reduction factor K; the bent bars count with their own
// diameter's anchorage length and strength. Returns FALSE and leaves dVu as it was when la, t, ca or
// b is 0; a value that comes out not finite or negative is 0.
BOOL CalcBentAnchorShear(const CPreComSub5& in, double dK, double& dVu);
