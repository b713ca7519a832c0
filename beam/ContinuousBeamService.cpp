// Serviceability of the continuous beam: the crack width of every support and mid-span with its own
// characteristic moments and bars, the deflection of every span with the long-term stiffness of its
// governing section, the limits they are held to, and the sections left without a design.
#include <algorithm>
#include <cmath>

#include "beam/ContinuousBeam.h"
#include "beam/TransformCal.h"

namespace {

// The equivalent diameter (whole mm) of a bar scheme.
int EquivalentDiameter(const CBarScheme& bars) {
    if (bars.m_nNumTwo == 0) return g_BarDiameters[bars.m_nDiaOne];
    const int d1 = g_BarDiameters[bars.m_nDiaOne];
    if (bars.m_nDiaOne == bars.m_nDiaTwo) return d1;
    const int d2 = g_BarDiameters[bars.m_nDiaTwo];
    return (bars.m_nNumOne * d1 * d1 + bars.m_nNumTwo * d2 * d2) / (bars.m_nNumOne * d1 + bars.m_nNumTwo * d2);
}

// The record a cantilever span's deflection is governed by: its root support's.
int RootRecord(const CContinuousBeam& beam, int i) { return i == 0 && beam.m_nLeftSupport == BEAM_END_FREE ? 2 : 2 * i; }

}  // namespace

BOOL CContinuousBeam::IsCantileverSpan(int i) const {
    return (i == 0 && m_nLeftSupport == BEAM_END_FREE) || (i == getSpanNum() - 1 && m_nRightSupport == BEAM_END_FREE);
}

BOOL CContinuousBeam::IsFreeEnd(int nSupport) const {
    return (nSupport == 0 && m_nLeftSupport == BEAM_END_FREE) ||
           (nSupport == getSpanNum() && m_nRightSupport == BEAM_END_FREE);
}

BOOL CContinuousBeam::GetRecordSection(int r, double& b, double& h) const {
    b = h = 0;
    const int nSpans = getSpanNum();
    if (r < 0 || r > 2 * nSpans || nSpans == 0) return FALSE;
    const int nLeft = r % 2 ? r / 2 : std::max(r / 2 - 1, 0);
    const int nRight = r % 2 ? r / 2 : std::min(r / 2, nSpans - 1);
    b = std::min(m_SpanArr[nLeft]->m_dSecWidth, m_SpanArr[nRight]->m_dSecWidth);
    h = std::min(m_SpanArr[nLeft]->m_dSecHeight, m_SpanArr[nRight]->m_dSecHeight);
    return TRUE;
}

void CContinuousBeam::GetRecordServiceMoments(int r, double& dSagging, double& dHogging) const {
    dSagging = dHogging = 0;
    const int nSpans = m_ServiceArr.GetSize();
    if (r < 0 || r > 2 * nSpans || nSpans != getSpanNum()) return;
    if (r % 2) {
        dSagging = m_ServiceArr[r / 2].dSagging;
        dHogging = m_ServiceArr[r / 2].dMidHogging;
        return;
    }
    // A support: the ends of the spans that meet there.
    const int k = r / 2;
    if (k > 0) {
        dSagging = m_ServiceArr[k - 1].dEndSagging[1];
        dHogging = m_ServiceArr[k - 1].dEndHogging[1];
    }
    if (k < nSpans) {
        dSagging = std::max(dSagging, m_ServiceArr[k].dEndSagging[0]);
        dHogging = std::max(dHogging, m_ServiceArr[k].dEndHogging[0]);
    }
}

BOOL CContinuousBeam::GetServiceMoment(int i, double& dMoment) const {
    dMoment = 0;
    const CSteelSpan* pSpan = getSpan(i);
    if (!pSpan || i >= m_ServiceArr.GetSize()) return FALSE;
    const SpanServiceMoments& service = m_ServiceArr[i];
    const double L = pSpan->m_dSpanLen, xn = service.dHoggingAt;
    const BOOL bHogging = service.dSagging < service.dHogging &&
                          ((L / 3 <= xn && xn <= 2 * L / 3) || service.dSagging == 0);
    dMoment = bHogging ? service.dHogging : service.dSagging;
    return bHogging;
}

BOOL CContinuousBeam::HasServiceBars(int r) const {
    auto both = [this](int k) {
        return k >= 0 && k < m_ResultArr.GetSize() && m_ResultArr[k].m_bInitTopBar && m_ResultArr[k].m_bInitBotBar &&
               m_ResultArr[k].TopBar.GetArea() > 0 && m_ResultArr[k].BotBar.GetArea() > 0;
    };
    if (!both(r)) return FALSE;
    return r % 2 == 0 || !IsCantileverSpan(r / 2) || both(RootRecord(*this, r / 2));
}

double CContinuousBeam::CalcRecordCrack(int r) {
    if (r < 0 || r >= m_ResultArr.GetSize()) return 0;
    SectionResult& result = m_ResultArr[r];
    result.Crack = 0;
    double b = 0, h = 0, dSagging = 0, dHogging = 0;
    if (!HasServiceBars(r) || !GetRecordSection(r, b, h)) return 0;
    GetRecordServiceMoments(r, dSagging, dHogging);
    CSteelSpan* pSpan = m_SpanArr[std::min(r / 2, getSpanNum() - 1)];
    const struct {
        double M;
        const CBarScheme &tension, &compression;
    } sides[2] = {{dSagging, result.BotBar, result.TopBar}, {dHogging, result.TopBar, result.BotBar}};
    for (const auto& side : sides) {
        if (!(side.M > 0)) continue;
        const CTransformCal cal(pSpan, b, h, side.M, side.tension.GetArea(), side.compression.GetArea(), this);
        // The cover of the outer row: as less half its bar.
        const double c = m_ProtectAs - 0.5 * g_BarDiameters[side.tension.m_nDiaOne];
        result.Crack = std::max(result.Crack, cal.CalcCrackWidth(EquivalentDiameter(side.tension), c));
    }
    return result.Crack;
}

double CContinuousBeam::CalcSpanDeflection(int i) {
    const int r = 2 * i + 1;
    CSteelSpan* pSpan = getSpan(i);
    if (!pSpan || r >= m_ResultArr.GetSize()) return 0;
    SectionResult& result = m_ResultArr[r];
    result.Deform = 0;
    if (!HasServiceBars(r)) return 0;
    // The stiffness of the section of the largest moment: a cantilever's root, otherwise the
    // governing moment's mid-span section.
    const BOOL bCantilever = IsCantileverSpan(i);
    const int nGoverning = bCantilever ? RootRecord(*this, i) : r;
    double M = 0, b = 0, h = 0, dSagging = 0;
    const BOOL bHogging = bCantilever || GetServiceMoment(i, M);
    if (bCantilever) GetRecordServiceMoments(nGoverning, dSagging, M);
    GetRecordSection(nGoverning, b, h);
    const SectionResult& governing = m_ResultArr[nGoverning];
    const CBarScheme& tension = bHogging ? governing.TopBar : governing.BotBar;
    const CBarScheme& compression = bHogging ? governing.BotBar : governing.TopBar;
    CTransformCal cal(pSpan, b, h, M, tension.GetArea(), compression.GetArea(), this);
    const int nMode = !bCantilever ? DEFLECT_MID_SPAN : i == 0 && m_nLeftSupport == BEAM_END_FREE ? DEFLECT_FREE_LEFT
                                                                                                 : DEFLECT_FREE_RIGHT;
    result.Deform = cal.CalcDeflection(nMode);
    return result.Deform;
}

void CContinuousBeam::CheckServiceability() {
    // Without an analysis of this run (results read from the store) there are no characteristic
    // moments: the stored figures stay.
    if (m_ServiceArr.GetSize() != getSpanNum() || getSpanNum() == 0) return;
    for (int r = 0; r < m_ResultArr.GetSize(); ++r) CalcRecordCrack(r);
    for (int i = 0; i < getSpanNum(); ++i) CalcSpanDeflection(i);
}

void CContinuousBeam::GetDeflectionLimit(int i, double& l0, int& nDivisor) const {
    const CSteelSpan* pSpan = getSpan(i);
    l0 = pSpan ? pSpan->m_dSpanLen * (IsCantileverSpan(i) ? 2 : 1) : 0;
    nDivisor = l0 < 7 ? 200 : l0 <= 9 ? 250 : 300;
}

BOOL CContinuousBeam::IsDeflectionWithinLimit(int i) const {
    double l0 = 0;
    int nDivisor = 0;
    GetDeflectionLimit(i, l0, nDivisor);
    const int r = 2 * i + 1;
    return r < m_ResultArr.GetSize() && std::fabs(m_ResultArr[r].Deform) <= l0 / nDivisor;
}

BOOL CContinuousBeam::IsCrackWithinLimit(int r) const {
    return r >= 0 && r < m_ResultArr.GetSize() && m_ResultArr[r].Crack <= kCrackLimit;
}

CString CContinuousBeam::FindUndesignedSections() const {
    CString strSections;
    auto add = [&strSections](int r, LPCTSTR lpszWhat) {
        CString strSection;
        strSection.Format(r % 2 ? "%d跨中%s" : "%d支座%s", r % 2 ? r / 2 + 1 : r / 2, lpszWhat);
        strSections += (strSections.IsEmpty() ? "" : "、") + strSection;
    };
    for (int r = 0; r < m_ResultArr.GetSize(); ++r) {
        const SectionResult& result = m_ResultArr[r];
        if (!result.m_bInitTopBar) add(r, "上钢筋");
        if (!result.m_bInitBotBar) add(r, "下钢筋");
        if (r % 2 && !result.m_bInitStiBar) add(r, "箍筋");
    }
    return strSections;
}
