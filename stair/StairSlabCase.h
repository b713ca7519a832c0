// The serviceability checks of a stair slab strip after GB 50010-2002: the largest crack width
// (8.1.2-1, 8.1.2-2, 8.1.2-4, 8.1.3-3) and the mid-span deflection from the long-term stiffness
// (8.2.3-1, 8.2.2, 8.2.5), over the inputs of one strip (the slab case).
//
// A strip without bars (a diameter or a spacing of 0) cannot be checked: both checks fail and a
// report gets a placeholder row in place of the derivation.
#pragma once

#include "mfc/base/String.h"

class CWordObject;

// The report wording of the checks: the plate stair's or the beam stair's.
enum StairSlabWording { STAIR_WORDING_BOARD, STAIR_WORDING_BEAM };

struct StairSlabCase {
    double dGk = 0;          // characteristic permanent line load, kN/m
    double dQk = 0;          // characteristic variable line load, kN/m
    double dL0 = 0;          // calculated span, m
    double dPsiQ = 0;        // quasi-permanent coefficient ψq
    double dB = 0;           // strip width, mm: the loads, As, Ate and ρ are all of this strip
    double dH = 0;           // slab thickness, mm
    double dAs = 0;          // bar centroid to the near face, mm
    int nDia = 0;            // bar diameter, mm
    int nSpace = 0;          // bar spacing, mm
    double dFtk = 0;         // N/mm²
    double dEc = 0;          // N/mm²
    double dEs5 = 0;         // Es / 10⁵, Es in N/mm²
    double dCover = 0;       // c, mm, as given
    CString strSurface;      // "光面钢筋" or "带肋钢筋"
    double dCrackLimit = 0;  // ωlim, mm
    double dLim1 = 0;        // deflection divisors: L0 < 7 m, 7 m to 9 m, L0 > 9 m
    double dLim2 = 0;
    double dLim3 = 0;
    StairSlabWording nWording = STAIR_WORDING_BOARD;
};

// The working values of both checks, for the report and for tests.
struct StairSlabCheck {
    BOOL bHasBars = FALSE;  // a diameter and a spacing above 0
    double dAreaS = 0;      // As over the strip width, mm²
    double dH0 = 0;
    double dMk = 0, dMq = 0;
    double dSigmaSk = 0;
    double dAte = 0;
    double dRhoTe = 0;      // unbounded
    double dRhoTeUsed = 0;  // at least 0.01 (GB 50010-2002 8.1.2), in ψ and in the crack width
    double dPsiRaw = 0, dPsi = 0;  // ψ of both checks, unbounded and within 0.2 … 1
    double dNuI = 0;
    // crack width
    double dCover = 0;      // c within 20 … 65 mm
    int nBars = 0;          // bars per metre, 1000/s truncated
    int nDeq = 0;
    double dWmax = 0;
    // deflection
    double dAlphaE = 0;
    double dRho = 0;
    double dBs = 0, dBl = 0;  // kN·m²
    double dFmax = 0;         // mm
    double dDivisor = 0;
    double dF0 = 0;           // mm
};

// Works both checks out.
StairSlabCheck StairSlabEvaluate(const StairSlabCase& slab);

// The cover that the crack width takes: c below 20 mm counts as 20, above 65 mm as 65
// (GB 50010-2002 8.1.2), on the result pages and in the reports alike.
double StairCrackCover(double dCover);
// The cover as the crack width's derivation states it: "C = 25", or with the reason where the given
// c was bounded, "因为C < 20，所以取C = 20".
CString StairCrackCoverText(double dCover);

// 1 when ωmax ≤ ωlim; with a report, the derivation and the verdict (red when it fails).
int StairCrackWidthCheck(const StairSlabCase& slab, CWordObject* pReport);
// 1 when fmax ≤ f0; with a report, the derivation and the verdict (red when it fails).
int StairDeflectionCheck(const StairSlabCase& slab, CWordObject* pReport);

// Writes a stair report row in "宋体" 10.5 with the colour index (0 black, 6 red).
void StairWriteRow(CWordObject* pReport, LPCTSTR lpszText, int nColor = 0);
