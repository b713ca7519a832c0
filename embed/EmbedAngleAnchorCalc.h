// The capacities of an anchor plate with angle-steel anchors, each ending in a square end plate.
#pragma once

#include "embed/PreComParam.h"

// kN and kN·m.
struct CEmbedAngleResults {
    double m_dNu = 0;  // tension
    double m_dVu = 0;  // shear
    double m_dRu = 0;  // combined tension, moment and shear along the load ratio
    double m_dRuN = 0, m_dRuV = 0, m_dRuM = 0;  // its tension, shear and moment parts
};

// Computes the results from the page's group; bSpacingB says the anchors of a row have a spacing b
// (a layout with more than one column), nSlabScale is the plate-bending width selection (0..3) and dK
// the reduction factor. Inputs that give nothing to compute leave the results as they were; a result
// that comes out not finite or negative is 0.
void CalcAngleAnchors(const CPreComSub4& in, BOOL bSpacingB, int nSlabScale, double dK, CEmbedAngleResults& out);

// Keeps the combined capacity Ru along the load direction θ (radians) with the eccentricity e = M/N
// (m), with its tension, shear and moment parts; 0 for all when Ru is no capacity.
void SetCombinedResults(CEmbedAngleResults& out, double dRu, double dTheta, double dE);
