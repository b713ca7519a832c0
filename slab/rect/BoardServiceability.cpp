#include "slab/rect/BoardServiceability.h"

#include <algorithm>
#include <cmath>

#include "host/QeltSteelBar.h"

BoardPsi CalBoardPsi(double dArea, double dThick, double dFtk, double dSigma) {
    BoardPsi psi{};
    psi.dRhoTeRaw = dArea / (500.0 * dThick);
    psi.dRhoTe = std::max(0.01, psi.dRhoTeRaw);
    psi.dPsiRaw = 1.1 - 0.65 * dFtk / (psi.dRhoTe * dSigma);
    psi.dPsi = std::min(1.0, std::max(0.2, psi.dPsiRaw));
    return psi;
}

int CalBoardCrackWidth(int nThick, int nKindSteel, double dFtk, double dEs, double dAs, int& nC,
                       const SlabMoments& moments, const BoardReinScheme* pSchemes, double* pWidths, double dLimit) {
    nC = std::min(65, std::max(20, nC));
    const double dH0 = nThick - dAs;
    const double dNu = nKindSteel ? 1.0 : 0.7;
    for (int i = 0; i < 6; ++i) pWidths[i] = 0.0;
    // Bar result (scheme index), its moment and where its width goes.
    enum { W_TOP, W_BOTTOM, W_LEFT, W_RIGHT, W_YSPAN, W_XSPAN };
    const struct {
        int nScheme;
        double dMoment;
        int nWidth;
    } results[6] = {{1, moments.dMx, W_XSPAN},     {0, moments.dMy, W_YSPAN},   {2, moments.dTop, W_TOP},
                    {3, moments.dBottom, W_BOTTOM}, {4, moments.dLeft, W_LEFT}, {5, moments.dRight, W_RIGHT}};
    for (const auto& r : results) {
        const BoardReinScheme& scheme = pSchemes[r.nScheme];
        if (r.dMoment == 0.0 || scheme.nArea <= 0 || scheme.nSpacing <= 0) continue;
        const double dArea = scheme.nArea;
        const double dSigma = std::fabs(r.dMoment) / (0.87 * dH0 * dArea);
        const BoardPsi psi = CalBoardPsi(dArea, nThick, dFtk, dSigma);
        const double dDeq = scheme.nDiameter / dNu;
        const double dBarEs = scheme.strGrade.IsEmpty() ? dEs : CQeltSteelBar::GetEs(scheme.strGrade);
        const double dWidth = 2.1 * psi.dPsi * dSigma / dBarEs * (1.9 * nC + 0.08 * dDeq / psi.dRhoTe);
        pWidths[r.nWidth] = dWidth;
        if (dWidth > dLimit) return 0;
    }
    return 1;
}

double CalBoardDeflection(int nCase, double dL0, double dThick, double dAs, double dArea, double dMk, double dMq,
                          double dFtk, double dEs, double dEc, double dQgk, double dQqk, double dCoef) {
    const double dH0 = dThick - dAs;
    const double dSigma = dMk / (0.87 * dH0 * dArea);
    const double dPsi = CalBoardPsi(dArea, dThick, dFtk, dSigma).dPsi;
    const double dAlphaE = dEs / dEc;
    const double dRho = dArea / (1000.0 * dH0);
    const double dBs = dEs * dArea * dH0 * dH0 / (1.15 * dPsi + 0.2 + 6 * dAlphaE * dRho);
    const double dB = dBs * dMk / (dMk + dMq);
    // q in N/mm per metre width: kN/m² × 1 m = N/mm.
    const double dQl4 = (dQgk + dQqk) * std::pow(dL0, 4);
    switch (nCase) {
    case DEFLECT_FIXED_FIXED: return dQl4 / (384 * dB);
    case DEFLECT_SIMPLE: return 5 * dQl4 / (384 * dB);
    case DEFLECT_FIXED_SIMPLE: return 0.00542 * dQl4 / dB;
    case DEFLECT_CANTILEVER: return dQl4 / (8 * dB);
    default: return dCoef * dQl4 / dB;
    }
}
