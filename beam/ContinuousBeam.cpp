// Defaults, stored keys, calculation and list entry of the continuous beam.
#include "beam/ContinuousBeam.h"

#include <algorithm>
#include <cmath>

#include "beam/SectionBar.h"
#include "beam/StirrupCfg.h"
#include "beam/TransformCal.h"
#include "framework/ParamExchange.h"
#include "host/Help.h"
#include "host/QeltConcrete.h"
#include "mfc/user/MessageBox.h"
#include "sibling/BeamRecords.h"
#include "sibling/SteelSpanLoad.h"

IMPLEMENT_DYNAMIC(CContinuousBeam, CVuskParam)

namespace {

CString IndexedKey(LPCTSTR lpszBase, int nIndex, LPCTSTR lpszTail = "") {
    CString strKey;
    strKey.Format("%s%d%s", lpszBase, nIndex, lpszTail);
    return strKey;
}

// Bounds of the counts a store may give: a damaged store must not make the read build millions of
// spans or loads.
const int kMaxSpans = 100;
const int kMaxLoadsPerKind = 1000;

// A count under strKey, written as it is; a read count outside 0 .. nMax is refused with a message
// naming the key, and FALSE.
BOOL ExchangeBoundedCount(CParamExchange& px, LPCTSTR lpszKey, int& nCount, int nMax) {
    px.Exchange(lpszKey, nCount);
    if (px.m_bSave || (nCount >= 0 && nCount <= nMax)) return TRUE;
    CString strMessage;
    strMessage.Format("保存的连续梁参数有误：%s 为 %d，应在 0 到 %d 之间。\n已恢复默认参数。", lpszKey, nCount, nMax);
    AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
    return FALSE;
}

// The element count of an array under strKey + "_Num": written from the array, read into it
// (a read count makes that many elements, each starting at elementDefault). FALSE for a refused count.
template <class TYPE, class ARG_TYPE>
BOOL ExchangeCount(CParamExchange& px, const CString& strKey, CArray<TYPE, ARG_TYPE>& arr, TYPE elementDefault) {
    int nCount = arr.GetSize();
    if (!ExchangeBoundedCount(px, strKey + "_Num", nCount, kMaxLoadsPerKind)) return FALSE;
    if (px.m_bSave) return TRUE;
    arr.RemoveAll();
    for (int k = 0; k < nCount; ++k) arr.Add(elementDefault);
    return TRUE;
}

BOOL ExchangeNormalLoads(CParamExchange& px, const CString& strKey, CArray<NormalLoad, NormalLoad&>& arr) {
    if (!ExchangeCount(px, strKey, arr, NormalLoad{10, 0})) return FALSE;
    for (int k = 0; k < arr.GetSize(); ++k) {
        px.Exchange(IndexedKey(strKey + "_", k, "_m_dLoadValue"), arr[k].m_dLoadValue);
        px.Exchange(IndexedKey(strKey + "_", k, "_m_dPosA"), arr[k].m_dPosA);
    }
    return TRUE;
}

BOOL ExchangeLineLoads(CParamExchange& px, const CString& strKey, CArray<double, double>& arr) {
    if (!ExchangeCount(px, strKey, arr, 10.0)) return FALSE;
    for (int k = 0; k < arr.GetSize(); ++k) px.Exchange(IndexedKey(strKey + "_", k), arr[k]);
    return TRUE;
}

BOOL ExchangeAnyLoads(CParamExchange& px, const CString& strKey, CArray<AnyLoad, AnyLoad&>& arr) {
    if (!ExchangeCount(px, strKey, arr, AnyLoad{10, 0, 0, 0})) return FALSE;
    for (int k = 0; k < arr.GetSize(); ++k) {
        const CString strElement = IndexedKey(strKey + "_", k);
        px.Exchange(strElement + "_m_dLoadValue1", arr[k].m_dLoadValue1);
        px.Exchange(strElement + "_m_dLoadValue2", arr[k].m_dLoadValue2);
        px.Exchange(strElement + "_m_dPosA", arr[k].m_dPosA);
        px.Exchange(strElement + "_m_dPosC", arr[k].m_dPosC);
    }
    return TRUE;
}

void ExchangeScheme(CParamExchange& px, const CString& strKey, CBarScheme& scheme) {
    px.Exchange(strKey + "MBarKOne", scheme.m_nDiaOne);
    px.Exchange(strKey + "MBarNOne", scheme.m_nNumOne);
    px.Exchange(strKey + "MBarKTwo", scheme.m_nDiaTwo);
    px.Exchange(strKey + "MBarNTwo", scheme.m_nNumTwo);
}

LPCTSTR SupportName(int nSupport) {
    return nSupport == BEAM_END_SIMPLE ? "简支" : nSupport == BEAM_END_FIXED ? "固支" : "悬挑";
}

}  // namespace

CContinuousBeam::CContinuousBeam()
    : m_ProtectAs(35),
      m_MidModulus(1),
      m_TipModulus(1),
      m_CrackCheck(0),
      m_dCrackLimit(50),
      m_DeformCheck(0),
      m_IntensionCheck(0),
      m_StlIntension(210),
      m_CalBeamWeightCheck(0),
      m_nSelSpan(0),
      m_dScaleX(0),
      m_dScaleY(0),
      m_dScaleV(0),
      m_ptOrigin(0, 0) {
    InitDefaultParam();
}

CContinuousBeam::~CContinuousBeam() = default;

void CContinuousBeam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strTitle = "连续梁计算";
    strNumber = "LL-1";
    Reset();
    AddComStyle(BEAM_CASE_DEAD);
    SetCurrentCom(0);
    m_nLeftSupport = BEAM_END_SIMPLE;
    m_nRightSupport = BEAM_END_SIMPLE;
    m_dConLoadScale = 1.2;
    m_dVarLoadScale = 1.4;
    m_strConLevel = "C30";
    m_strMainReinLv = "HPB235";
    m_strHoopReinLv = "HPB235";
    m_ProtectAs = 35;
    m_MidModulus = 1;
    m_TipModulus = 1;
    m_CrackCheck = 0;
    m_dCrackLimit = 50;
    m_DeformCheck = 0;
    m_IntensionCheck = 0;
    m_StlIntension = 210;
    m_CalBeamWeightCheck = 0;
}

void CContinuousBeam::ExchangeSettings(CParamExchange& px) {
    px.Exchange("m_nLeftSupport", m_nLeftSupport);
    px.Exchange("m_nRightSupport", m_nRightSupport);
    px.Exchange("m_strConLevel", m_strConLevel);
    px.Exchange("m_strMainReinLv", m_strMainReinLv);
    px.Exchange("m_strHoopReinLv", m_strHoopReinLv);
    px.Exchange("m_TipModulus", m_TipModulus);
    px.Exchange("m_MidModulus", m_MidModulus);
    px.Exchange("m_ProtectAs", m_ProtectAs);
    px.Exchange("m_CalBeamWeightCheck", m_CalBeamWeightCheck);
    px.Exchange("m_CrackCheck", m_CrackCheck);
    px.Exchange("m_IntensionCheck", m_IntensionCheck);
    px.Exchange("m_StlIntension", m_StlIntension);
    px.Exchange("m_dVarLoadScale", m_dVarLoadScale);
    px.Exchange("m_dConLoadScale", m_dConLoadScale);
}

BOOL CContinuousBeam::ExchangeSpan(CParamExchange& px, const CString& strPrefix, int i, CSteelSpan& span) {
    px.Exchange(IndexedKey(strPrefix + "m_dSpanLen_", i), span.m_dSpanLen);
    px.Exchange(IndexedKey(strPrefix + "m_dSectIx0_", i), span.m_dSectIx0);
    px.Exchange(IndexedKey("m_dSecWidth", i), span.m_dSecWidth);
    px.Exchange(IndexedKey("m_dSecHeight", i), span.m_dSecHeight);
    const CString strSpan = IndexedKey("_Span", i, "_m_SpanLoadArr");
    int nRecords = span.m_SpanLoadArr.GetSize();
    // At most one record per load case.
    if (!ExchangeBoundedCount(px, strSpan + "_Num", nRecords, BEAM_MAX_CASES)) return FALSE;
    for (int j = 0; j < nRecords; ++j) {
        if (!px.m_bSave) span.m_SpanLoadArr.Add(new CSteelSpanLoad);
        CSteelSpanLoad& load = *span.m_SpanLoadArr[j];
        const CString strRecord = IndexedKey(strSpan + "_", j);
        px.Exchange(strRecord + "_m_nComIndex", load.m_nComIndex);
        if (!ExchangeNormalLoads(px, strRecord + "_m_CenLoadArr", load.m_CenLoadArr) ||
            !ExchangeNormalLoads(px, strRecord + "_m_CenMomArr", load.m_CenMomArr) ||
            !ExchangeLineLoads(px, strRecord + "_m_DisLoadArr", load.m_DisLoadArr) ||
            !ExchangeLineLoads(px, strRecord + "_m_TriLoadArr", load.m_TriLoadArr) ||
            !ExchangeNormalLoads(px, strRecord + "_m_TraLoadArr", load.m_TraLoadArr) ||
            !ExchangeAnyLoads(px, strRecord + "_m_AnyLoadArr", load.m_AnyLoadArr))
            return FALSE;
    }
    return TRUE;
}

void CContinuousBeam::ExchangeResult(CParamExchange& px, int r, SectionResult& result) {
    const CString strResult = IndexedKey("_Result_", r);
    px.Exchange(strResult + "m_bInitBotBar", result.m_bInitBotBar);
    ExchangeScheme(px, strResult + "Bot", result.BotBar);
    px.Exchange(strResult + "BotMainArea", result.BotMainArea);
    px.Exchange(strResult + "m_bInitTopBar", result.m_bInitTopBar);
    ExchangeScheme(px, strResult + "Top", result.TopBar);
    px.Exchange(strResult + "TopMainArea", result.TopMainArea);
    px.Exchange(strResult + "m_bInitStiBar", result.m_bInitStiBar);
    px.Exchange(strResult + "StiDia", result.StiDia);
    px.Exchange(strResult + "StiInt", result.StiInt);
    px.Exchange(strResult + "StiArea", result.StiArea);
    px.Exchange(strResult + "Deform", result.Deform);
    px.Exchange(strResult + "Crack", result.Crack);
}

BOOL CContinuousBeam::ExchangeParams(CParamExchange& px, const CString& strPrefix) {
    if (px.m_bSave) px.Exchange("/strNumber", strNumber);
    ExchangeSettings(px);

    int nSpans = px.m_bSave ? getSpanNum() : 0;
    if (!ExchangeBoundedCount(px, "m_nSpanNum", nSpans, kMaxSpans)) return FALSE;
    for (int i = 0; i < nSpans; ++i) {
        if (!px.m_bSave) {
            CSteelSpan* pSpan = new CSteelSpan;
            pSpan->m_dSpanLen = 6;
            pSpan->m_dSectIx0 = 1000;
            pSpan->m_dSecWidth = 300;
            pSpan->m_dSecHeight = 500;
            m_SpanArr.Add(pSpan);
        }
        if (!ExchangeSpan(px, strPrefix, i, *m_SpanArr[i])) return FALSE;
    }

    int nCases = px.m_bSave ? GetComNum() : 0;
    if (!ExchangeBoundedCount(px, "ComNum", nCases, BEAM_MAX_CASES)) return FALSE;
    for (int c = 0; c < nCases; ++c) {
        int nKind = px.m_bSave ? m_ComStyleArr[c] : BEAM_CASE_DEAD;
        px.Exchange(IndexedKey("_COM_", c), nKind);
        if (!px.m_bSave) AddComStyle(nKind);
    }

    int nResults = px.m_bSave ? m_ResultArr.GetSize() : 0;
    if (!ExchangeBoundedCount(px, "ResultNum", nResults, 2 * kMaxSpans + 1)) return FALSE;
    if (!px.m_bSave) {
        m_ResultArr.RemoveAll();
        SectionResult fresh;
        // A record read without its stirrup keys: 6 mm stirrups at 1000 mm.
        fresh.StiDia = 2;
        fresh.StiInt = 1000;
        for (int r = 0; r < nResults; ++r) m_ResultArr.Add(fresh);
    }
    for (int r = 0; r < nResults; ++r) ExchangeResult(px, r, m_ResultArr[r]);
    return TRUE;
}

BOOL CContinuousBeam::ReadParam(const CString& strPrefix) {
    const BOOL bResult = CVuskParam::ReadParam(strPrefix);
    CParamExchange px(strPrefix, FALSE);
    px.Exchange("/strNumber", strNumber);
    Reset();
    if (ExchangeParams(px, strPrefix)) return bResult;
    // A refused count: the defaults instead of a beam read in part; the store stays as it is.
    InitDefaultParam();
    m_ResultArr.RemoveAll();
    return FALSE;
}

BOOL CContinuousBeam::WriteParam(const CString& strPrefix) {
    const BOOL bResult = CVuskParam::WriteParam(strPrefix);
    CParamExchange px(strPrefix, TRUE);
    const BOOL bExchanged = ExchangeParams(px, strPrefix);
    return bResult && bExchanged && px.IsWriteOk();
}

int CContinuousBeam::Calculate() {
    if (!CheckStruct()) return 0;
    const int nSpans = getSpanNum();
    m_dElastModulus = CQeltConcrete::GetEc(m_strConLevel);
    for (int i = 0; i < nSpans; ++i) {
        CSteelSpan& span = *m_SpanArr[i];
        span.m_dSectIx0 = (span.m_dSecHeight / 1000) * (span.m_dSecHeight / 1000) * (span.m_dSecHeight / 1000) *
                          span.m_dSecWidth / 12000;
    }
    const int nWeightCase = GetComNum();
    if (m_CalBeamWeightCheck) {
        AddComStyle(BEAM_CASE_DEAD);
        SetCurrentCom(nWeightCase);
        for (int i = 0; i < nSpans; ++i) {
            CSteelSpan& span = *m_SpanArr[i];
            span.AddSpanLoad(BEAM_LOAD_UNIFORM, kConcreteWeight * 1e-6 * span.m_dSecWidth * span.m_dSecHeight);
        }
    }
    // The characteristic envelope first (every factor 1), for the crack widths and deflections;
    // then the design envelope with the load factors.
    const double dDeadFactor = m_dConLoadScale, dLiveFactor = m_dVarLoadScale;
    m_dConLoadScale = m_dVarLoadScale = 1.0;
    BOOL bAnalysed = CalBeamStruct();
    m_ServiceArr.SetSize(bAnalysed ? nSpans : 0);
    for (int i = 0; bAnalysed && i < nSpans; ++i) {
        const CSteelSpan& span = *m_SpanArr[i];
        SpanServiceMoments& service = m_ServiceArr[i];
        span.GetMaxPosMoment(service.dSagging, service.dSaggingAt);
        span.GetMaxNegMoment(service.dHogging, service.dHoggingAt);
        double dPos = 0;
        span.GetCenMaxNegMom(service.dMidHogging, dPos);
        service.dMidHogging = std::fabs(service.dMidHogging);
        for (int e = 0; e < 2; ++e) {
            const int j = e == 0 ? 0 : BEAM_ENVELOPE_POINTS - 1;
            service.dEndSagging[e] = std::max(span.getPosMoment(j), 0.0);
            service.dEndHogging[e] = std::max(-span.getNegMoment(j), 0.0);
        }
    }
    m_dConLoadScale = dDeadFactor;
    m_dVarLoadScale = dLiveFactor;
    if (!bAnalysed || !CalBeamStruct()) {
        // A load off its span: no results rather than numbers of a beam that was not analysed.
        if (m_CalBeamWeightCheck) RemoveComStyle(nWeightCase);
        m_ResultArr.RemoveAll();
        m_ServiceArr.RemoveAll();
        m_TipDesignArr.SetSize(0);
        m_MidDesignArr.SetSize(0);
        m_StirrupSetArr.SetSize(0);
        return 0;
    }
    DesignSections();
    // The serviceability checks add the self-weight themselves, as the result page's do.
    if (m_CalBeamWeightCheck) RemoveComStyle(nWeightCase);
    CheckServiceability();
    const CString strUndesigned = FindUndesignedSections();
    if (strUndesigned.IsEmpty()) return 1;
    AfxMessageBox("连续梁配筋未完成：" + strUndesigned + "无钢筋方案，请加大截面或修改荷载。", MB_OK | MB_ICONSTOP);
    return 0;
}

int CContinuousBeam::FindSpanWithLoadOutside() const {
    for (int i = 0; i < getSpanNum(); ++i) {
        const CSteelSpan& span = *m_SpanArr[i];
        const double L = span.m_dSpanLen, tolerance = 1e-9 * std::fabs(L);
        auto on = [&](double x, double upper) { return x >= -tolerance && x <= upper + tolerance; };
        for (int r = 0; r < span.m_SpanLoadArr.GetSize(); ++r) {
            const CSteelSpanLoad& loads = *span.m_SpanLoadArr[r];
            for (int k = 0; k < loads.m_CenLoadArr.GetSize(); ++k)
                if (!on(loads.m_CenLoadArr[k].m_dPosA, L)) return i;
            for (int k = 0; k < loads.m_CenMomArr.GetSize(); ++k)
                if (!on(loads.m_CenMomArr[k].m_dPosA, L)) return i;
            for (int k = 0; k < loads.m_TraLoadArr.GetSize(); ++k)
                if (!on(loads.m_TraLoadArr[k].m_dPosA, L / 2)) return i;
            for (int k = 0; k < loads.m_AnyLoadArr.GetSize(); ++k) {
                const AnyLoad& load = loads.m_AnyLoadArr[k];
                if (!on(load.m_dPosA, L) || !on(load.m_dPosC, L) || !on(load.m_dPosA + load.m_dPosC, L)) return i;
            }
        }
    }
    return -1;
}

int CContinuousBeam::FindSpanWithLoadBeyond(double dLimit) const {
    auto beyond = [dLimit](double v) { return !(std::fabs(v) <= dLimit); };
    for (int i = 0; i < getSpanNum(); ++i) {
        const CSteelSpan& span = *m_SpanArr[i];
        for (int r = 0; r < span.m_SpanLoadArr.GetSize(); ++r) {
            const CSteelSpanLoad& loads = *span.m_SpanLoadArr[r];
            for (const CArray<NormalLoad, NormalLoad&>* pArr : {&loads.m_CenLoadArr, &loads.m_CenMomArr, &loads.m_TraLoadArr})
                for (int k = 0; k < pArr->GetSize(); ++k)
                    if (beyond((*pArr)[k].m_dLoadValue)) return i;
            for (const CArray<double, double>* pArr : {&loads.m_DisLoadArr, &loads.m_TriLoadArr})
                for (int k = 0; k < pArr->GetSize(); ++k)
                    if (beyond((*pArr)[k])) return i;
            for (int k = 0; k < loads.m_AnyLoadArr.GetSize(); ++k)
                if (beyond(loads.m_AnyLoadArr[k].m_dLoadValue1) || beyond(loads.m_AnyLoadArr[k].m_dLoadValue2)) return i;
        }
    }
    return -1;
}

void CContinuousBeam::GetListData() {
    strCmdType = strTitle;
    strDimInfo.Format("跨数：%d\n总长：%.3fm\n左端支座约束：%s\n右端支座约束：%s", getSpanNum(), getBeamlength(),
                      SupportName(m_nLeftSupport), SupportName(m_nRightSupport));
    strLoadInfo.Format("工况数：%d\n恒载系数：%.2f\n活载系数：%.2f", GetComNum(), m_dConLoadScale, m_dVarLoadScale);
    strResultInfo.Empty();
    CVuskParam::GetListData();
}

BOOL CContinuousBeam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "LXLJS", 0);
    return TRUE;
}

void CContinuousBeam::DesignSections() {
    const int nSpans = getSpanNum();
    m_TipDesignArr.SetSize(nSpans > 0 ? nSpans + 1 : 0);
    m_MidDesignArr.SetSize(nSpans);
    m_StirrupSetArr.SetSize(nSpans);
    DesignSpans();
    for (int r = 0; r < m_ResultArr.GetSize(); ++r) m_ResultArr[r].StiGrade = m_strHoopReinLv;
}

void CContinuousBeam::DesignSection(double b, double h, double M1, double M2, SectionDesign*& pSlot) {
    CSectionBar bar(static_cast<int>(h), static_cast<int>(b), m_strConLevel, m_strMainReinLv, m_ProtectAs,
                    m_IntensionCheck, m_StlIntension);
    if (pSlot) {
        ReportAssert("ContinuousBeam", 155);
        delete pSlot;
    }
    pSlot = new SectionDesign;
    bar.DesignBothSigns(*pSlot, M1, M2);
}

void CContinuousBeam::DesignStirrups(const CSteelSpan& span, double V, StirrupOptionSet*& pSlot) {
    // The stirrups' strength is 210 N/mm² whatever the stirrup grade.
    CStirrupCfg cfg(m_strConLevel, &span, 210, 2, V);
    delete pSlot;
    pSlot = new StirrupOptionSet;
    cfg.Calc(*pSlot);
}

SectionResult& CContinuousBeam::AddResult(const SectionDesign& design) {
    SectionResult result;
    if (const CBarScheme* pTop = SectionDesign::FirstScheme(design.m_TopList)) {
        result.m_bInitTopBar = 1;
        result.TopBar = *pTop;
        result.TopMainArea = design.m_dTopArea;
    }
    if (const CBarScheme* pBottom = SectionDesign::FirstScheme(design.m_BotList)) {
        result.m_bInitBotBar = 1;
        result.BotBar = *pBottom;
        result.BotMainArea = design.m_dBotArea;
    }
    return m_ResultArr[m_ResultArr.Add(result)];
}

void CContinuousBeam::DesignSupport(int nSupport) {
    const int nSpans = getSpanNum();
    const CSteelSpan& span = *m_SpanArr[nSupport < nSpans ? nSupport : nSpans - 1];
    const int j = nSupport < nSpans ? 0 : BEAM_ENVELOPE_POINTS - 1;
    double b = 0, h = 0;
    GetRecordSection(2 * nSupport, b, h);
    DesignSection(b, h, span.getPosMoment(j) * m_TipModulus, span.getNegMoment(j) * m_TipModulus,
                  m_TipDesignArr[nSupport]);
    SectionResult& result = AddResult(*m_TipDesignArr[nSupport]);
    // A free end carries no moment: its bars are detailing, with no area required.
    if (IsFreeEnd(nSupport)) result.TopMainArea = result.BotMainArea = 0;
}

void CContinuousBeam::DesignSpans() {
    m_ResultArr.RemoveAll();
    const int nSpans = getSpanNum();
    for (int i = 0; i < nSpans; ++i) {
        const CSteelSpan& span = *m_SpanArr[i];
        DesignSupport(i);
        double dHogging, dPos;
        const double dSagging = GetSpanSagging(span, dPos).m_dValue;
        span.GetCenMaxNegMom(dHogging, dPos);
        DesignSection(span.m_dSecWidth, span.m_dSecHeight, dSagging * m_MidModulus, dHogging * m_MidModulus,
                      m_MidDesignArr[i]);
        double dShear;
        span.GetMaxShear(dShear, dPos);
        DesignStirrups(span, dShear, m_StirrupSetArr[i]);
        SectionResult& mid = AddResult(*m_MidDesignArr[i]);
        const StirrupOptionSet& stirrups = *m_StirrupSetArr[i];
        if (const auto* pNode = stirrups.m_Options.m_Head.m_pNext) {
            mid.m_bInitStiBar = 1;
            mid.StiInt = pNode->m_Value->m_nSpacing;
            mid.StiDia = pNode->m_Value->m_nDiaIndex;
            mid.StiArea = stirrups.m_dAreaPerMetre;
        }
    }
    if (nSpans > 0) DesignSupport(nSpans);
}

CalValue CContinuousBeam::GetSpanSagging(const CSteelSpan& span, double& dPos) {
    CalValue value{0, 0};
    span.GetMaxPosMoment(value.m_dValue, dPos);
    if (span.IsEmptyEnvelop() || !(span.m_dSpanLen > 0)) return value;
    const int nPoint = static_cast<int>(std::lround(dPos / span.m_dSpanLen * (BEAM_ENVELOPE_POINTS - 1)));
    return span.m_PosMomEnv[std::min(std::max(nPoint, 0), BEAM_ENVELOPE_POINTS - 1)];
}
