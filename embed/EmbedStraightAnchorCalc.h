// The capacities of an anchor plate with straight anchor bars in a rectangular layout, for the five
// load cases of the embedded-part dialog.
#pragma once

#include "embed/PreComParam.h"

// What gives the shear under compression-bending-shear: the kc method, or GB 50010-2002 10.9.1-3 for
// the same anchors where that is smaller.
enum EmbedPressShearRule {
    EMBED_PRESS_SHEAR_KC = 0,
    EMBED_PRESS_SHEAR_FORMULA_3 = 1
};

// kN and kN·m.
struct CEmbedStraightResults {
    double m_dNu = 0;   // tension
    double m_dVu = 0;   // shear
    double m_dVe = 0;   // shear with the lever arm e
    double m_dR = 0;    // tension-bending-shear along the load direction
    double m_dRN = 0, m_dRV = 0, m_dRM = 0;  // its tension, shear and moment parts
    double m_dVc = 0;   // shear under compression-bending-shear, with no moment
    double m_dMc = 0;   // moment under compression-bending-shear (10.9.1-4)
    int m_nVcRule = EMBED_PRESS_SHEAR_KC;  // which rule gives m_dVc
};

// Computes the results from the page's group, the plate-bending width selection (0..3) and the
// reduction factor K. Inputs that give nothing to compute (t, b, d or la of 0) leave the results as
// they were; a result that comes out not finite or negative is 0, as is every combined result when N
// is not above 0. The group's M enters only the tension-bending-shear results: compression-bending-shear
// takes none.
void CalcStraightAnchors(const CPreComSub3& in, int nSlabScale, double dK, CEmbedStraightResults& out);
