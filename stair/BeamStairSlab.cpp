// The beam stair's stepped slab: bars of one tread strip, their candidate schemes and the strip's
// crack width and deflection. The strip's bars are designed as HPB235 bars.
#include <cmath>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "stair/BeamStairParam.h"

namespace {

// The bar area of the strip for the moment M (N·mm), without the over-reinforcement test; 0 when
// the strip cannot take the moment at all.
double StripArea(double M, double a1fc, double fy, double ft, double bw, double hs) {
    const double dAlphaS = M / (a1fc * bw * hs * hs);
    if (1 - 2 * dAlphaS < 0) return 0;
    const double dGammaS = (1 + std::sqrt(1 - 2 * dAlphaS)) / 2;
    const double As = M / (dGammaS * hs * fy);
    const double dRhoMin = std::max(0.002, 0.45 * ft / fy);
    return As / (bw * hs) > dRhoMin ? As : dRhoMin * bw * hs;
}

}  // namespace

void CBeamStairParam::CalSlabSteel() {
    const double fy = CQeltSteelBar::GetFy("HPB235");
    const double ft = CQeltConcrete::GetFt(strConcreteLevel);
    const double a1fc = Alpha1Fc();
    const double bw = TreadStripWidth(), hs = TreadStripDepth();
    if (AlphaSMax("HPB235") * a1fc * hs * hs * bw <= Mmax1) {
        bTDBSteelBig = 1;
        TDBSteelAs = 0;
        return;
    }
    bTDBSteelBig = 0;
    TDBSteelAs = StripArea(Mmax1, a1fc, fy, ft, bw, hs);
}

void CBeamStairParam::MakeSlabSchemes() {
    for (int i = 0; i < MaxSchemes; i++) {
        TDBScheme[i].Dia = TDBScheme[i].Int = 0;
        TDBSchemeAs[i] = 0;
    }
    // The candidates cover the strip's required area, worked with the HPB235 bars it is designed with.
    const double bw = TreadStripWidth();
    const double R = TDBSteelAs;
    int nCount = 0;
    if (R > 0) {
        for (int d = 6; d <= 20; d += 2) {
            for (int s = 80; s <= 200 && nCount < MaxSchemes; s += 10) {
                const double A = M_PI * d * d / 4 * bw / s;
                if (R <= A && A <= 1.5 * R) {
                    TDBScheme[nCount].Dia = d;
                    TDBScheme[nCount].Int = s;
                    TDBSchemeAs[nCount] = A;
                    nCount++;
                }
            }
        }
    }
    nTDBSchemeNum = nCount;
    if (bSchemeChosen) return;
    shpbar6_Dia = shpbar7_Dia = TDBScheme[0].Dia;
    shpbar6_Int = shpbar7_Int = TDBScheme[0].Int;
}

StairSlabCase CBeamStairParam::GetSlabCase() const {
    // One tread strip throughout: its loads (kN/m), and the bars, Ate and ρ over its width.
    StairSlabCase slab;
    slab.dGk = m_dGk;
    slab.dQk = lv * b / 1000;
    slab.dL0 = (w - 2 * b3) / 1000;
    slab.dPsiQ = m_dWq;
    slab.dB = TreadStripWidth();
    slab.dH = TreadStripDepth();
    slab.dAs = as1;
    slab.nDia = shpbar6_Dia;
    slab.nSpace = shpbar6_Int;
    slab.dFtk = m_dFtk;
    slab.dEc = m_dEc;
    slab.dEs5 = m_dEs * 1e-5;
    slab.dCover = m_dC;
    slab.strSurface = m_strSteelStypeVor;
    slab.dCrackLimit = m_dCrackWidth;
    slab.dLim1 = m_dFlexibilityLim1;
    slab.dLim2 = m_dFlexibilityLim2;
    slab.dLim3 = m_dFlexibilityLim3;
    slab.nWording = STAIR_WORDING_BEAM;
    return slab;
}

int CBeamStairParam::CalSlabCrackWidth(CWordObject* pReport) {
    m_dL0 = (w - 2 * b3) / 1000;
    return StairCrackWidthCheck(GetSlabCase(), pReport);
}

int CBeamStairParam::CalSlabFlexibility(CWordObject* pReport) {
    m_dL0 = (w - 2 * b3) / 1000;
    return StairDeflectionCheck(GetSlabCase(), pReport);
}
