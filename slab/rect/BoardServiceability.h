// Crack width (GB 50010-2002 8.1.2, αcr = 2.1) and long-term deflection (8.2, θ = 2) of a slab
// strip 1000 mm wide.
#pragma once

#include "slab/rect/BoardReinList.h"
#include "slab/rect/SlabRecords.h"

// ψ of GB 50010-2002 8.1.2-2 for a strip 1000 mm wide: ρte = As/Ate over Ate = 0.5·b·h, taken
// as 0.01 when smaller (8.1.2), and ψ = 1.1 − 0.65·ftk/(ρte·σsk) held to [0.2, 1.0]. The crack
// width and the short-term stiffness Bs take the same ψ.
struct BoardPsi {
    double dRhoTeRaw, dRhoTe;  // As/Ate, and as taken
    double dPsiRaw, dPsi;      // before and after the bounds
};
BoardPsi CalBoardPsi(double dArea, double dThick, double dFtk, double dSigma);

// Deflection formulas: fixed–fixed, simply–simply, fixed–simply strip, cantilever, table.
enum { DEFLECT_FIXED_FIXED = 0, DEFLECT_SIMPLE = 1, DEFLECT_FIXED_SIMPLE = 2, DEFLECT_CANTILEVER = 3, DEFLECT_TABLE = 4 };

// The widths of the bar results in the order x span, y span, top, bottom, left, right, written to
// pWidths in the order top, bottom, left, right, y span, x span. The cover is held to [20, 65] and
// written back. 0 as soon as a width passes the limit (later widths stay 0), else 1.
// Schemes: y span, x span, top, bottom, left, right.
int CalBoardCrackWidth(int nThick, int nKindSteel, double dFtk, double dEs, double dAs, int& nC,
                       const SlabMoments& moments, const BoardReinScheme* pSchemes, double* pWidths, double dLimit);

// The deflection in mm.
double CalBoardDeflection(int nCase, double dL0, double dThick, double dAs, double dArea, double dMk, double dMq,
                          double dFtk, double dEs, double dEc, double dQgk, double dQqk, double dCoef);
