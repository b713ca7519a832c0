// Stirrup design of a span.
#include "beam/StirrupCfg.h"

#include <algorithm>
#include <cmath>

#include "beam/ReportAssert.h"
#include "host/QeltConcrete.h"
#include "sibling/SteelSpanLoad.h"

CStirrupCfg::CStirrupCfg(LPCTSTR lpszConcrete, const CSteelSpan* pSpan, double fyv, int nLegs, double V)
    : m_strConcrete(lpszConcrete), m_pSpan(pSpan), m_fyv(fyv), m_fc(0), m_ft(0), m_dBetaC(0), m_b(0), m_h0(0), m_h(0), m_nLegs(nLegs), m_V(V) {}

void CStirrupCfg::InitSection() {
    m_b = m_pSpan->m_dSecWidth;
    m_h = m_pSpan->m_dSecHeight;
    m_h0 = m_h - 35;
    m_fc = CQeltConcrete::GetFc(m_strConcrete);
    m_ft = CQeltConcrete::GetFt(m_strConcrete);
    m_dBetaC = CQeltConcrete::GetBetac(m_strConcrete);
    m_V = std::fabs(m_V);
}

int CStirrupCfg::Calc(StirrupOptionSet& set) {
    if (!m_pSpan) {
        ReportAssert("StirrupCfg", 62);
        return set.m_nCode;
    }
    InitSection();
    double dAsvPerS = 0;
    const int nCode = CalcAsvPerS(LoadClass(), dAsvPerS);
    return SetResult(set, dAsvPerS, nCode);
}

int CStirrupCfg::LoadClass() const {
    int nClass = LOAD_NONE;
    for (int j = 0; j < m_pSpan->m_SpanLoadArr.GetSize(); ++j) {
        const CSteelSpanLoad& load = *m_pSpan->m_SpanLoadArr[j];
        if (load.IsEmpty()) continue;
        if (load.m_TriLoadArr.GetSize() || load.m_DisLoadArr.GetSize() || load.m_TraLoadArr.GetSize())
            return LOAD_DISTRIBUTED;
        nClass = LOAD_CONCENTRATED;
    }
    return nClass;
}

int CStirrupCfg::CalcAsvPerS(int nLoadClass, double& dAsvPerS) const {
    int nCode = STIRRUP_DETAILING;
    dAsvPerS = 0;
    if (nLoadClass != LOAD_NONE) nCode = ShearAsv(nLoadClass, dAsvPerS);
    // The minimum stirrup ratio 0.24 ft/fyv.
    dAsvPerS = std::max(dAsvPerS, 0.24 * m_ft * m_b / m_fyv);
    return nCode;
}

double CStirrupCfg::SectionLimit() const {
    // 0.25 βc fc b h0 up to hw/b = 4, 0.2 βc fc b h0 from 6, straight between; hw = h0.
    const double dRatio = std::min(std::max(m_h0 / m_b, 4.0), 6.0);
    return (0.25 - 0.025 * (dRatio - 4)) * m_dBetaC * m_fc * m_b * m_h0;
}

double CStirrupCfg::ConcreteShear(int nLoadClass) const {
    // Under concentrated loads alone the shear span ratio is taken as 3, the least favourable:
    // 1.75/(λ + 1) = 0.4375.
    return (nLoadClass == LOAD_CONCENTRATED ? 0.4375 : 0.7) * m_ft * m_b * m_h0;
}

int CStirrupCfg::ShearAsv(int nLoadClass, double& dAsvPerS) const {
    const double Vn = 1000 * m_V;
    if (Vn > SectionLimit()) return STIRRUP_TOO_SMALL;
    const double Vc = ConcreteShear(nLoadClass);
    if (Vn <= Vc) return STIRRUP_DETAILING;
    dAsvPerS = (Vn - Vc) / ((nLoadClass == LOAD_DISTRIBUTED ? 1.25 : 1.0) * m_fyv * m_h0);
    return STIRRUP_CALCULATED;
}

int CStirrupCfg::SetResult(StirrupOptionSet& set, double dAsvPerS, int nCode) const {
    if (nCode == STIRRUP_TOO_SMALL) {
        set.m_nCode = STIRRUP_TOO_SMALL;
        return STIRRUP_TOO_SMALL;
    }
    set.m_dAreaPerMetre = 1000 * dAsvPerS;
    const int nOptions = EnumOptions(set, dAsvPerS);
    set.m_nCode = nCode == STIRRUP_CALCULATED ? nOptions : nCode;
    return nOptions;
}

int CStirrupCfg::EnumOptions(StirrupOptionSet& set, double dAsvPerS) const {
    const int nMaxSpacing = MaxSpacing(m_V) / 10;
    BOOL bNoSpacing = FALSE;
    for (int i = MinDiameterIndex(); i < STIRRUP_DESIGN_DIAMETERS; ++i) {
        const double d = g_StirrupDiameters[i];
        const double Asv = m_nLegs * M_PI * d * d / 4;
        const double sHi = Asv / dAsvPerS;
        const double sLo = Asv / (1.15 * dAsvPerS);
        int nLower = std::max(static_cast<int>(std::floor(sLo / 10)) + 1, 5);
        const int nUpper = std::min(static_cast<int>(std::floor(sHi / 10)), nMaxSpacing);
        // Under 10 mm is no stirrup arrangement (and a spacing of 0 would divide areas by zero):
        // that diameter is left out.
        if (nUpper <= 0) {
            bNoSpacing = TRUE;
            continue;
        }
        if (nLower > nUpper) {
            if (set.m_Options.GetCount() > 0) continue;
            nLower = nUpper;
        }
        for (int k = nLower; k <= nUpper; ++k) set.m_Options.Add(new StirrupOption{10 * k, i, CString()});
    }
    if (set.m_Options.GetCount() > 0) return STIRRUP_CALCULATED;
    return bNoSpacing ? STIRRUP_TOO_SMALL : STIRRUP_NO_OPTION;
}

int CStirrupCfg::MaxSpacing(double V) const {
    const BOOL bLow = 1000 * std::fabs(V) <= 0.7 * m_ft * m_b * m_h0;
    if (m_h <= 300) return bLow ? 200 : 150;
    if (m_h <= 500) return bLow ? 300 : 200;
    if (m_h <= 800) return bLow ? 350 : 250;
    return bLow ? 500 : 300;
}

int CStirrupCfg::MinDiameterIndex() const {
    if (m_h <= 250) return 0;
    if (m_h <= 800) return 2;
    return 3;
}
