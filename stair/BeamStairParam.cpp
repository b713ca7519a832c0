// Fields, defaults, stored keys and help of the beam stair.
#include "stair/BeamStairParam.h"

#include <cmath>
#include <cstring>

#include "framework/InputValidator.h"
#include "framework/ParamExchange.h"
#include "host/Help.h"
#include "mfc/base/Array.h"
#include "mfc/user/Resources.h"
#include "resources/BeamStairResource.h"

IMPLEMENT_DYNAMIC(CBeamStairParam, CVuskParam)

const char* const g_szBeamStairShapeNames[4] = {"A型楼梯(\\)", "B型楼梯(\\＿)", "C型楼梯(￣\\)", "D型楼梯(￣\\＿)"};
const char* const g_szBeamStairRestraintNames[4] = {"两端简支", "上端简支下端固定", "上端固定下端简支", "两端固定"};

const BeamStairLimitField g_BeamStairLimits[10] = {
    {IDC_BS_AS1, &CBeamStairParam::as1, 0.01, 200, "as1"},
    {IDC_BS_AS2, &CBeamStairParam::as2, 0.01, 200, "as2"},
    {IDC_BS_RG, &CBeamStairParam::m_dRg, 0.01, 10, "永久荷载分项系数γG"},
    {IDC_BS_RQ, &CBeamStairParam::m_dRq, 0.01, 10, "可变荷载分项系数γQ"},
    {IDC_BS_WQ, &CBeamStairParam::m_dWq, 0.01, 10, "准永久值系数ψq"},
    {IDC_BS_COVER, &CBeamStairParam::m_dC, 0, 200, "保护层厚度c"},
    {IDC_BS_CRACK, &CBeamStairParam::m_dCrackWidth, 0.01, 100, "裂缝限值(mm)"},
    {IDC_BS_LIM1, &CBeamStairParam::m_dFlexibilityLim1, 1, 1000, "挠度限值(Lo<7m)Lo/"},
    {IDC_BS_LIM2, &CBeamStairParam::m_dFlexibilityLim2, 1, 1000, "挠度限值(7m≤Lo≤9m)Lo/"},
    {IDC_BS_LIM3, &CBeamStairParam::m_dFlexibilityLim3, 1, 1000, "挠度限值(Lo>9m)Lo/"},
};

void CBeamStairParam::CheckLimits(CStringArray& arrErrors) const { CheckStairLimits(*this, g_BeamStairLimits, arrErrors); }

BOOL CBeamStairParam::LimitsHold() const {
    CStringArray arrErrors;
    CheckLimits(arrErrors);
    return arrErrors.GetSize() == 0;
}

CString BeamStairSlideName(int nShape, LPCTSTR lpszSuffix) {
    if (nShape < BEAM_STAIR_A || nShape > BEAM_STAIR_D) nShape = BEAM_STAIR_A;
    CString strName;
    strName.Format("BEAMSTAIR%c_%s", 'A' + nShape, lpszSuffix);
    return strName;
}

CBeamStairParam::CBeamStairParam() {
    bXLJMFail = bTDBSteelBig = bXLSteelBig = bZHZLBig = bZHZRBig = 0;
    l1 = 0;
    XLSteelAsReal = 0;
    bSchemeChosen = 0;
    nXLSchemeNum = nLZHZSchemeNum = nRZHZSchemeNum = nXLGJSchemeNum = nTDBSchemeNum = 0;
    std::memset(XLScheme, 0, sizeof XLScheme);
    std::memset(LZHZScheme, 0, sizeof LZHZScheme);
    std::memset(RZHZScheme, 0, sizeof RZHZScheme);
    std::memset(TDBScheme, 0, sizeof TDBScheme);
    std::memset(XLGJScheme, 0, sizeof XLGJScheme);
    for (int i = 0; i < MaxSchemes; i++)
        XLSchemeAs[i] = LZHZSchemeAs[i] = RZHZSchemeAs[i] = TDBSchemeAs[i] = XLGJSchemeAsv[i] = 0;
    m_dFtk = m_dEc = m_dGk = m_dL0 = m_dEs = 0;
    InitDefaultParam();
}

CBeamStairParam::~CBeamStairParam() = default;

void CBeamStairParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strTitle = "梁式楼梯计算";
    strNumber = "LT-1";
    nStairType = BEAM_STAIR_A;
    strSteelLevel = "HPB235";
    strConcreteLevel = "C30";
    nRestrictionType = 0;
    nSteps = 12;
    lv = 2.5;
    lm = 1.7;
    lx = 0.2;
    l2 = 500;
    l3 = 500;
    w = 1800;
    h = 150;
    t = 40;
    as1 = 25;
    as2 = 30;
    b = 300;
    h1 = h2 = 500;
    h3 = 300;
    h4 = 70;
    b1 = b2 = b3 = 200;
    Mmax1 = Mmax2 = MmaxL = MmaxR = Mmax4 = 0;
    beamVmax = ht = 0;
    TDBSteelAs = XLSteelAs = LXLZHZSteelAs = RXLZHZSteelAs = XLGJSteelAs = 0;
    XLKZHWY = 0;
    bPassed = 1;
    XLRho = LXLZHZRho = RXLZHZRho = 0;
    shpbar1_Dia = shpbar1_Int = shpbar2_Dia = shpbar2_Int = shpbar3_Dia = shpbar3_Int = 0;
    shpbar4_Dia = shpbar4_Int = shpbar5_Dia = shpbar5_Int = shpbar6_Dia = shpbar6_Int = 0;
    shpbar7_Dia = shpbar7_Int = 0;
    nXLSchemeNum = nLZHZSchemeNum = nRZHZSchemeNum = nXLGJSchemeNum = nTDBSchemeNum = 0;
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
    m_bFlexOK = m_bBeamCrackOK = m_bCrackOK = 1;
}

// The keys in the order they are written; "/bPassed" is only read, and the stair beam's
// over-reinforcement flag is read into the slab's flag too (the slab's has no key of its own).
void CBeamStairParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strConcreteLevel", strConcreteLevel);
    px.Exchange("/strSteelLevel", strSteelLevel);
    px.Exchange("/b", b);
    px.Exchange("/as1", as1);
    px.Exchange("/as2", as2);
    px.Exchange("/b1", b1);
    px.Exchange("/b2", b2);
    px.Exchange("/b3", b3);
    px.Exchange("/h", h);
    px.Exchange("/h1", h1);
    px.Exchange("/h2", h2);
    px.Exchange("/h3", h3);
    px.Exchange("/h4", h4);
    px.Exchange("/ht", ht);
    px.Exchange("/l1", l1);
    px.Exchange("/l2", l2);
    px.Exchange("/l3", l3);
    px.Exchange("/lm", lm);
    px.Exchange("/lv", lv);
    px.Exchange("/lx", lx);
    px.Exchange("/nSteps", nSteps);
    px.Exchange("/nStairType", nStairType);
    px.Exchange("/nRestrictionType", nRestrictionType);
    px.Exchange("/t", t);
    px.Exchange("/w", w);
    if (!px.m_bSave) px.Exchange("/bPassed", bPassed);
    px.Exchange("/TDBSteelAs", TDBSteelAs);
    px.Exchange("/XLSteelAs", XLSteelAs);
    px.Exchange("/LXLZHZSteelAs", LXLZHZSteelAs);
    px.Exchange("/RXLZHZSteelAs", RXLZHZSteelAs);
    px.Exchange("/XLGJSteelAs", XLGJSteelAs);
    px.Exchange("/beamVmax", beamVmax);
    px.Exchange("/XLKZHWY", XLKZHWY);
    px.Exchange("/Mmax1", Mmax1);
    px.Exchange("/Mmax2", Mmax2);
    px.Exchange("/MmaxL", MmaxL);
    px.Exchange("/MmaxR", MmaxR);
    px.Exchange("/Mmax4", Mmax4);
    int* const pSchemes[14] = {&shpbar1_Dia, &shpbar1_Int, &shpbar2_Dia, &shpbar2_Int, &shpbar3_Dia,
                               &shpbar3_Int, &shpbar4_Dia, &shpbar4_Int, &shpbar5_Dia, &shpbar5_Int,
                               &shpbar6_Dia, &shpbar6_Int, &shpbar7_Dia, &shpbar7_Int};
    for (int i = 0; i < 14; i++) {
        CString strKey;
        strKey.Format("/shpbar%d_%s", i / 2 + 1, i % 2 ? "Int" : "Dia");
        px.Exchange(strKey, *pSchemes[i]);
    }
    px.Exchange("/bXLSteelBig", bXLSteelBig);
    if (!px.m_bSave) bTDBSteelBig = bXLSteelBig;
    px.Exchange("/bXLJMFail", bXLJMFail);
    px.Exchange("/bZHZLBig", bZHZLBig);
    px.Exchange("/bZHZRBig", bZHZRBig);
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

BOOL CBeamStairParam::ReadParam(const CString& strPrefix) {
    const BOOL bResult = CVuskParam::ReadParam(strPrefix) & 1;
    CParamExchange px(strPrefix, FALSE);
    ExchangeParams(px);
    return bResult;
}

BOOL CBeamStairParam::WriteParam(const CString& strPrefix) {
    const BOOL bResult = CVuskParam::WriteParam(strPrefix) & 1;
    CParamExchange px(strPrefix, TRUE);
    ExchangeParams(px);
    return bResult;
}

BOOL CBeamStairParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "LSHLTJS", 0);
    return TRUE;
}

HINSTANCE CBeamStairParam::GetResHandle() { return AfxGetResourceHandle(); }

double CBeamStairParam::TreadStripWidth() const {
    const double dCos = b / std::sqrt(b * b + h * h);
    return b / dCos;
}

double CBeamStairParam::TreadStripDepth() const {
    const double dCos = b / std::sqrt(b * b + h * h);
    return (h * dCos + t) / 2;
}

double CBeamStairParam::SchemeArea(int nScheme) const {
    const int aDia[7] = {shpbar1_Dia, shpbar2_Dia, shpbar3_Dia, shpbar4_Dia, shpbar5_Dia, shpbar6_Dia, shpbar7_Dia};
    const int aInt[7] = {shpbar1_Int, shpbar2_Int, shpbar3_Int, shpbar4_Int, shpbar5_Int, shpbar6_Int, shpbar7_Int};
    if (nScheme < 1 || nScheme > 7) return 0;
    const double d = aDia[nScheme - 1];
    const int n = aInt[nScheme - 1];
    if (nScheme == 3) return n > 0 ? M_PI / 2 * d * d / n : 0;
    if (nScheme >= 6) return n > 0 ? M_PI / 4 * d * d * TreadStripWidth() / n : 0;
    return M_PI / 4 * d * d * n;
}

double CBeamStairParam::RequiredArea(int nScheme) const {
    switch (nScheme) {
    case 1: return XLSteelAs;
    case 2: return LXLZHZSteelAs;
    case 3: return XLGJSteelAs;
    case 5: return RXLZHZSteelAs;
    case 6: return TDBSteelAs;
    default: return 0;
    }
}

BOOL CBeamStairParam::IsSchemeShort(int nScheme) const { return SchemeArea(nScheme) < RequiredArea(nScheme); }

BOOL CBeamStairParam::HasShortSchemes() const {
    for (int nScheme = 1; nScheme <= 7; nScheme++)
        if (IsSchemeShort(nScheme)) return TRUE;
    return FALSE;
}
