// The capacities of an anchor plate with straight anchor bars, each ending in a square end plate.
#pragma once

#include "embed/EmbedAngleAnchorCalc.h"
#include "embed/PreComParam.h"

// Computes tension, shear and the combined case (the same six results as the angle anchors) from the
// page's group, the plate-bending width selection (0..3) and the reduction factor K. Inputs that give
// nothing to compute leave the results as they were; a result that comes out not finite or negative
// is 0.
void CalcEndPlateAnchors(const CPreComSub7& in, int nSlabScale, double dK, CEmbedAngleResults& out);
