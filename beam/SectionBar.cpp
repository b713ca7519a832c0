// Required areas and bar schemes of a rectangular beam section.
#include "beam/SectionBar.h"

#include <algorithm>
#include <cmath>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

double BarArea(int d) { return M_PI * d * d / 4; }

}  // namespace

CSectionBar::CSectionBar(int h, int b, LPCTSTR lpszConcrete, LPCTSTR lpszSteel, double dAs,
                         int bOwnStrength, double dOwnStrength)
    : m_h(h),
      m_b(b),
      m_strConcrete(lpszConcrete),
      m_strSteel(lpszSteel),
      m_bOwnStrength(bOwnStrength),
      m_dOwnStrength(dOwnStrength),
      m_as(dAs),
      m_fy(0),
      m_dAlpha1Fc(0),
      m_dAlphaMax(0),
      m_dXiB(0),
      m_dB(0),
      m_dH(0),
      m_bFirstSagging(TRUE),
      m_bSecondHogging(TRUE),
      m_M1(0),
      m_M2(0) {
    InitMaterial();
}

void CSectionBar::InitMaterial() {
    m_dB = m_b;
    m_dH = m_h;
    m_dAlpha1Fc = CQeltConcrete::GetAlpha1(m_strConcrete) * CQeltConcrete::GetFc(m_strConcrete);
    m_fy = m_bOwnStrength ? m_dOwnStrength : CQeltSteelBar::GetFy(m_strSteel);
    // The balanced depth ratio of the bars' own strength.
    m_dXiB = CQeltConcrete::GetEb(m_strSteel, m_strConcrete, m_fy);
    m_dAlphaMax = m_dXiB * (1 - 0.5 * m_dXiB);
}

void CSectionBar::CalcAs(double M, BOOL bTensionOneRow, BOOL bCompressionOneRow, double& dAs,
                         double& dAsPrime) const {
    const double h0 = m_dH - m_as - (bTensionOneRow ? 0 : 25);
    const double asPrime = m_as + (bCompressionOneRow ? 0 : 25);
    const double alphaS = M / (m_dAlpha1Fc * m_dB * h0 * h0);
    const double ft = CQeltConcrete::GetFt(m_strConcrete);
    const double fyGrade = CQeltSteelBar::GetFy(m_strSteel);
    const double rhoMin = std::max(0.45 * ft / fyGrade, 0.002);
    const double AsMin = rhoMin * m_dB * m_dH;
    if (alphaS < m_dAlphaMax) {
        const double gammaS = 0.5 * (1 + std::sqrt(1 - 2 * alphaS));
        dAs = std::max(M / (m_fy * h0 * gammaS), AsMin);
        dAsPrime = 0;
    } else {
        // The compression bars at f′y, never above the tension bars' strength.
        const double fyPrime = std::min(CQeltSteelBar::GetFy_(m_strSteel), m_fy);
        dAsPrime = (M - m_dAlphaMax * m_dAlpha1Fc * m_dB * h0 * h0) / (fyPrime * (h0 - asPrime));
        dAs = (m_dXiB * m_dAlpha1Fc * m_dB * h0 + fyPrime * dAsPrime) / m_fy;
    }
    dAsPrime = std::max({dAsPrime, 0.3 * dAs, AsMin});
}

int CSectionBar::BarsPerRow(int d, int s) const {
    int n = static_cast<int>(std::floor((m_dB - 2 * m_as) / (d + std::max(d, s)))) + 1;
    n = std::min(n, m_dB >= 300 ? 6 : 5);
    if (d <= 16) n = std::min(n, 4);
    return n;
}

int CSectionBar::ListSingleRow(int s, double As, PtrVectorList<CBarScheme*>& list) const {
    int nCode = SECTION_TOO_SMALL;
    for (int i = 0; i < 12; ++i) {
        const double a1 = BarArea(g_BarDiameters[i]);
        const int n = BarsPerRow(g_BarDiameters[i], s);
        if (n * a1 < As) continue;
        nCode = SECTION_NO_SCHEME;
        const int kMax = static_cast<int>(std::floor(1.25 * As / a1));
        int nUpper = std::min(n, kMax);
        if (kMax < 2 && list.GetCount() == 0) nUpper = std::min(n, 2);
        const int kMin = std::max(static_cast<int>(std::floor(As / a1)) + 1, 2);
        for (int k = kMin; k <= nUpper; ++k) list.Add(new CBarScheme{i, 0, k, 0});
    }
    return list.GetCount() > 0 ? SECTION_ONE_ROW : nCode;
}

int CSectionBar::EnumSchemes(int s, double As, int i, int j, PtrVectorList<CBarScheme*>& list) const {
    const int d1 = g_BarDiameters[i];
    const int d2 = g_BarDiameters[j];
    const double a1 = CQeltSteelBar::GetSteelBarArea(d1, 1);
    const double a2 = CQeltSteelBar::GetSteelBarArea(d2, 1);
    const int n1 = BarsPerRow(d1, s);
    const int n2 = BarsPerRow(d2, s);
    if (n1 * a1 + n2 * a2 < As) return SECTION_TOO_SMALL;
    const int nUpper1 = std::min(n1, static_cast<int>(std::floor(1.25 * As / a1)));
    if (nUpper1 < 2) return SECTION_NO_SCHEME;
    for (int k1 = 2; k1 <= nUpper1; ++k1) {
        const int kMin2 = std::max(static_cast<int>(std::floor((As - k1 * a1) / a2)) + 1, 2);
        const int kMax2 = std::min({static_cast<int>(std::floor((1.25 * As - k1 * a1) / a2)), 9, n2, k1});
        for (int k2 = kMin2; k2 <= kMax2; ++k2) list.Add(new CBarScheme{i, j, k1, k2});
    }
    return SECTION_NO_SCHEME;
}

int CSectionBar::ListTwoRows(int s, double As, PtrVectorList<CBarScheme*>& list) const {
    int nCode = SECTION_NO_SCHEME;
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j <= i; ++j) nCode = EnumSchemes(s, As, i, j, list);
    return list.GetCount() > 0 ? SECTION_TWO_ROWS : nCode;
}

BOOL CSectionBar::FillDesign(SectionDesign& design, double dBottom, double dTop, BOOL bBottomOneRow,
                             BOOL bTopOneRow) const {
    design.m_BotList.RemoveAll();
    design.m_TopList.RemoveAll();
    design.m_nBotCode = bBottomOneRow ? ListSingleRow(25, dBottom, design.m_BotList)
                                      : ListTwoRows(25, dBottom, design.m_BotList);
    design.m_nTopCode = bTopOneRow ? ListSingleRow(30, dTop, design.m_TopList) : ListTwoRows(30, dTop, design.m_TopList);
    design.m_dBotArea = dBottom;
    design.m_dTopArea = dTop;
    return design.m_nBotCode >= 0 && design.m_nTopCode >= 0;
}

BOOL CSectionBar::DesignTwoMoments(SectionDesign& design, BOOL bBottomOneRow, BOOL bTopOneRow) const {
    double X, Y, Z, W;
    if (m_bFirstSagging)
        CalcAs(m_M1, bBottomOneRow, bTopOneRow, X, Y);
    else
        CalcAs(m_M1, bTopOneRow, bBottomOneRow, Y, X);
    if (m_bSecondHogging)
        CalcAs(m_M2, bTopOneRow, bBottomOneRow, W, Z);
    else
        CalcAs(m_M2, bBottomOneRow, bTopOneRow, Z, W);
    return FillDesign(design, std::max(X, Z), std::max(Y, W), bBottomOneRow, bTopOneRow);
}

void CSectionBar::SetMoments(double M1, double M2) {
    m_bFirstSagging = M1 >= 0;
    m_bSecondHogging = M2 <= 0;
    m_M1 = std::fabs(M1) * 1e6;
    m_M2 = std::fabs(M2) * 1e6;
}

void CSectionBar::DesignWithRows(SectionDesign& design, double M1, double M2, BOOL bBottomOneRow, BOOL bTopOneRow) {
    SetMoments(M1, M2);
    DesignTwoMoments(design, bBottomOneRow, bTopOneRow);
}

void CSectionBar::DesignBothSigns(SectionDesign& design, double M1, double M2) {
    SetMoments(M1, M2);
    static const BOOL s_rows[4][2] = {{TRUE, TRUE}, {FALSE, TRUE}, {TRUE, FALSE}, {FALSE, FALSE}};
    for (const auto& rows : s_rows)
        if (DesignTwoMoments(design, rows[0], rows[1])) return;
}
