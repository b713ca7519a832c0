// Fields, defaults, stored keys and help of the plate stair.
#include "stair/StairBoardParam.h"

#include "framework/InputValidator.h"
#include "framework/ParamExchange.h"
#include "host/Help.h"
#include "host/QeltPath.h"
#include "mfc/base/Array.h"
#include "resources/StairResource.h"
#include "stair/StairBarNotation.h"

const char* const g_szStairKindNames[5] = {"A型楼梯(\\)", "B型楼梯(\\.)", "C型楼梯(\\＿)", "D型楼梯(￣\\)",
                                           "E型楼梯(￣\\＿)"};

const StairBoardLimitField g_StairBoardLimits[8] = {
    {IDC_SB_LIM1, &CStairBoardParam::m_dFlexibilityLim1, 1, 1000, "挠度限值(Lo<7m)Lo/"},
    {IDC_SB_LIM2, &CStairBoardParam::m_dFlexibilityLim2, 1, 1000, "挠度限值(7m≤Lo≤9m)Lo/"},
    {IDC_SB_LIM3, &CStairBoardParam::m_dFlexibilityLim3, 1, 1000, "挠度限值(Lo>9m)Lo/"},
    {IDC_SB_RG, &CStairBoardParam::m_dRg, 0.01, 10, "永久荷载分项系数γG"},
    {IDC_SB_RQ, &CStairBoardParam::m_dRq, 0.01, 10, "可变荷载分项系数γQ"},
    {IDC_SB_WQ, &CStairBoardParam::m_dWq, 0.01, 10, "准永久值系数ψq"},
    {IDC_SB_CRACK, &CStairBoardParam::m_dCrackWidth, 0.01, 100, "裂缝限值(mm)"},
    {IDC_SB_COVER, &CStairBoardParam::m_dC, 0, 200, "保护层厚度c(mm)"},
};

void CStairBoardParam::CheckLimits(CStringArray& arrErrors) const { CheckStairLimits(*this, g_StairBoardLimits, arrErrors); }

BOOL CStairBoardParam::LimitsHold() const {
    CStringArray arrErrors;
    CheckLimits(arrErrors);
    return arrErrors.GetSize() == 0;
}

CString StairBoardSlideName(int nKind, LPCTSTR lpszSuffix, BOOL bMirror) {
    if (nKind < STAIR_KIND_A || nKind > STAIR_KIND_E) nKind = STAIR_KIND_A;
    CString strName;
    strName.Format("BOARDSTAIR%s%c_%s", bMirror ? "R" : "", 'A' + nKind - 1, lpszSuffix);
    return strName;
}

CString StairSlideLibrary() { return gVusk_GetQeltPath(2) + "Vusk10Dll.slb"; }

CStairBoardParam::CStairBoardParam() {
    m_bOverReinforced = 0;
    m_dMmax = m_dAs1 = m_dAs23 = 0;
    m_dFc = m_dAlpha1Fc = m_dFt = m_dFy = 0;
    m_dFtk = m_dEc = m_dGk = m_dL0 = m_dEs5 = 0;
    InitDefaultParam();
    for (int i = 0; i < 6; i++) m_nBarDia[i] = m_nBarSpace[i] = 0;
    m_bSchemeChanged = 0;
}

CStairBoardParam::~CStairBoardParam() = default;

void CStairBoardParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strNumber = "LT-1";
    M_STAIR_KIND = STAIR_KIND_A;
    M_N = 10;
    M_P = 2.5;
    M_PM = 1.7;
    M_PF = 0.2;
    M_LN = 2000;
    M_LL = 300;
    M_LR = 300;
    M_B = 1000;
    M_H = 1500;
    M_T = 100;
    M_AS = 25;
    M_BUILDING = 0;
    M_FB1 = 200;
    M_FB2 = 200;
    M_DSACLE = 0.25;
    M_STRCONCRETE = "C20";
    M_STRSTEEL = "HPB235";
    m_dRg = 1.2;
    m_dRq = 1.4;
    m_dWq = 0.5;
    m_dC = 20;
    m_dCrackWidth = 0.3;
    m_dFlexibilityLim1 = 200;
    m_dFlexibilityLim2 = 250;
    m_dFlexibilityLim3 = 300;
    m_strSteelStypeVor = "光面钢筋";
    m_bIsCalRAL = 1;
}

// "/M_H" and "/M_T" are exchanged twice, which stores the same value again.
void CStairBoardParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/M_N", M_N);
    px.Exchange("/M_H", M_H);
    px.Exchange("/M_T", M_T);
    px.Exchange("/M_LN", M_LN);
    px.Exchange("/M_LL", M_LL);
    px.Exchange("/M_LR", M_LR);
    px.Exchange("/M_B", M_B);
    px.Exchange("/M_H", M_H);
    px.Exchange("/M_P", M_P);
    px.Exchange("/M_PM", M_PM);
    px.Exchange("/M_PF", M_PF);
    px.Exchange("/M_T", M_T);
    px.Exchange("/M_AS", M_AS);
    px.Exchange("/M_FB1", M_FB1);
    px.Exchange("/M_FB2", M_FB2);
    px.Exchange("/M_STRCONCRETE", M_STRCONCRETE);
    px.Exchange("/M_STRSTEEL", M_STRSTEEL);
    px.Exchange("/M_BUILDING", M_BUILDING);
    px.Exchange("/M_DSACLE", M_DSACLE);
    px.Exchange("/M_STAIR_KIND", M_STAIR_KIND);
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/m_dRg", m_dRg);
    px.Exchange("/m_dRq", m_dRq);
    px.Exchange("/m_dWq", m_dWq);
    px.Exchange("/m_dC", m_dC);
    px.Exchange("/m_dCrackWidth", m_dCrackWidth);
    px.Exchange("/m_dFlexibilityLim1", m_dFlexibilityLim1);
    px.Exchange("/m_dFlexibilityLim2", m_dFlexibilityLim2);
    px.Exchange("/m_dFlexibilityLim3", m_dFlexibilityLim3);
    px.Exchange("/m_strSteelStypeVor", m_strSteelStypeVor);
    px.Exchange("/m_bIsCalRAL", m_bIsCalRAL);
}

BOOL CStairBoardParam::ReadParam(const CString& strPrefix) {
    CVuskParam::ReadParam(strPrefix);
    CParamExchange px(strPrefix, FALSE);
    ExchangeParams(px);
    return TRUE;
}

BOOL CStairBoardParam::WriteParam(const CString& strPrefix) {
    CVuskParam::WriteParam(strPrefix);
    CParamExchange px(strPrefix, TRUE);
    ExchangeParams(px);
    return TRUE;
}

BOOL CStairBoardParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "BSHLTJS", 0);
    return TRUE;
}

void CStairBoardParam::ClearMissingLandings() {
    if (M_STAIR_KIND == STAIR_KIND_A || M_STAIR_KIND == STAIR_KIND_B) {
        M_LR = 0;
        M_LL = 0;
    } else if (M_STAIR_KIND == STAIR_KIND_C) {
        M_LL = 0;
    } else if (M_STAIR_KIND == STAIR_KIND_D) {
        M_LR = 0;
    }
}

double CStairBoardParam::BarArea(int nBar) const {
    return StairBarArea(m_nBarDia[nBar - 1], m_nBarSpace[nBar - 1]);
}

BOOL CStairBoardParam::IsBarShort(int nBar) const {
    if ((nBar == 5 && M_STAIR_KIND < STAIR_KIND_C) || (nBar == 6 && M_STAIR_KIND != STAIR_KIND_E)) return FALSE;
    switch (nBar) {
    case 1:
    case 5: return BarArea(nBar) < m_dAs1;
    case 2:
    case 3:
    case 6: return BarArea(nBar) < m_dAs23;
    default: return FALSE;
    }
}

BOOL CStairBoardParam::HasShortBars() const {
    for (int nBar = 1; nBar <= 6; nBar++)
        if (IsBarShort(nBar)) return TRUE;
    return FALSE;
}

CString CStairBoardParam::BarText(int nBar, BOOL bShortSupport) const {
    const int i = nBar - 1;
    if (m_nBarDia[i] <= 0 || m_nBarSpace[i] <= 0) return "未选定";
    if (nBar == 4) return StairBarNotation("HPB235", m_nBarDia[i], m_nBarSpace[i], NULL);
    return StairBarNotation(M_STRSTEEL, m_nBarDia[i], m_nBarSpace[i], bShortSupport ? "R" : NULL);
}

StairSlabCase CStairBoardParam::GetSlabCase() const {
    StairSlabCase slab;
    slab.dGk = m_dGk;
    slab.dQk = M_P;
    slab.dL0 = m_dL0;
    slab.dPsiQ = m_dWq;
    slab.dB = M_B;
    slab.dH = M_T;
    slab.dAs = M_AS;
    slab.nDia = m_nBarDia[0];
    slab.nSpace = m_nBarSpace[0];
    slab.dFtk = m_dFtk;
    slab.dEc = m_dEc;
    slab.dEs5 = m_dEs5;
    slab.dCover = m_dC;
    slab.strSurface = m_strSteelStypeVor;
    slab.dCrackLimit = m_dCrackWidth;
    slab.dLim1 = m_dFlexibilityLim1;
    slab.dLim2 = m_dFlexibilityLim2;
    slab.dLim3 = m_dFlexibilityLim3;
    return slab;
}

int CStairBoardParam::CalCrackWidth(CWordObject* pReport) { return StairCrackWidthCheck(GetSlabCase(), pReport); }

int CStairBoardParam::CalFlexibility(CWordObject* pReport) { return StairDeflectionCheck(GetSlabCase(), pReport); }
