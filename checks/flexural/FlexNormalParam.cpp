// Fields, defaults, stored keys, reports and list entry of the flexural normal section.
#include "checks/flexural/FlexNormalParam.h"

#include "framework/ParamExchange.h"
#include "host/Numbers.h"

IMPLEMENT_DYNAMIC(CStlcnFlexNormalParam, CVuskParam)

CStlcnFlexNormalParam::CStlcnFlexNormalParam() { InitDefaultParam(); }

CStlcnFlexNormalParam::~CStlcnFlexNormalParam() = default;

void CStlcnFlexNormalParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strNumber = "L-1";
    m_strCaltType = "已知弯矩求配筋";
    m_strSectionType = "矩形";
    m_strMatchBarType = "单筋";
    m_dB = 400;
    m_dH = 800;
    m_dBf = 1000;
    m_dHf = 100;
    m_strConcreteGrade = "C20";
    m_strSteelBarGradePl = "HRB335";
    m_strSteelBarGradePs = "HRB335";
    m_dPminPl = 0.002;
    m_dPminPs = 0.002;
    m_dAsPl = 35;
    m_dAsPs = 35;
    m_dGo = 1.0;
    m_dM = 500;
    m_dAreasPl = 500;
    m_dAreasPs = 500;
    m_bIsAutoCalt = 0;
    m_bIsAutoCaltPs = 0;
    m_bIsSingleRein = 1;
    m_bRebuildProcess = 1;
}

void CStlcnFlexNormalParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strCaltType", m_strCaltType);
    px.Exchange("/strSectionType", m_strSectionType);
    px.Exchange("/strMatchBarType", m_strMatchBarType);
    px.Exchange("/dB", m_dB);
    px.Exchange("/dH", m_dH);
    px.Exchange("/dBf", m_dBf);
    px.Exchange("/dHf", m_dHf);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strSteelBarGradePl", m_strSteelBarGradePl);
    px.Exchange("/strSteelBarGradePs", m_strSteelBarGradePs);
    px.Exchange("/dPminPl", m_dPminPl);
    px.Exchange("/dPminPs", m_dPminPs);
    px.Exchange("/dAsPl", m_dAsPl);
    px.Exchange("/dAsPs", m_dAsPs);
    px.Exchange("/dGo", m_dGo);
    px.Exchange("/dM", m_dM);
    px.Exchange("/dAreasPl", m_dAreasPl);
    px.Exchange("/dAreasPs", m_dAreasPs);
    px.Exchange("/bIsAutoCalt", m_bIsAutoCalt);
    px.Exchange("/bIsAutoCaltPs", m_bIsAutoCaltPs);
    px.Exchange("/bIsSingleRein", m_bIsSingleRein);
}

BOOL CStlcnFlexNormalParam::IsDesignMode() const { return m_strCaltType == "已知弯矩求配筋"; }

BOOL CStlcnFlexNormalParam::IsRectangle() const { return m_strSectionType == "矩形"; }

CString CStlcnFlexNormalParam::GetReportTitle() {
    return IsDesignMode() ? "受弯构件纵向受拉钢筋面积计算\n" : "受弯构件的弯矩计算\n";
}

void CStlcnFlexNormalParam::FillReportText() {
    GetInfoText();
    if (!IsDesignMode()) {
        if (IsRectangle())
            GetProcessTextCapacityRect();
        else
            GetProcessTextCapacityT();
    } else if (!IsRectangle()) {
        GetProcessTextDesignT();
    } else if (m_bRebuildProcess != 0) {
        GetProcessTextDesignDouble();
    }
}

void CStlcnFlexNormalParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    CString strM = FormatNum(m_dM, 3);
    CString strAs = FormatNum(m_dAreasPl, 0);
    CString strAsPs = FormatNum(m_dAreasPs, 0);
    if (IsDesignMode()) {
        AddLine(arrLoads, "\tM=%skN*m\n", strM);
        if (m_strMatchBarType == "单筋") {
            AddLine(arrResults, "\tAs=%smm$2$\n", strAs);
        } else if (m_strMatchBarType == "双筋") {
            AddLine(arrResults, "\tAs=%smm$2$\n", strAs);
            AddLine(arrResults, "\tA's=%smm$2$\n", strAsPs);
        } else if (m_strMatchBarType == "双筋(已知受压钢筋)") {
            AddLine(arrLoads, "\tA's=%smm$2$\n", strAsPs);
            AddLine(arrResults, "\tAs=%smm$2$\n", strAs);
        }
    } else {
        AddLine(arrLoads, "\tAs=%smm$2$\n", strAs);
        if (m_strMatchBarType != "单筋") AddLine(arrLoads, "\tA's=%smm$2$\n", strAsPs);
        AddLine(arrResults, "\tM=%skN*m\n", strM);
    }
}

void CStlcnFlexNormalParam::FillListText() {
    BOOL bDesign = IsDesignMode();
    strCmdType = bDesign ? "受弯构件纵向受拉钢筋计算" : "受弯构件弯矩计算";
    if (IsRectangle())
        strDimInfo.Format("b=%smm\nh=%smm\n", (LPCTSTR)ftos(m_dB), (LPCTSTR)ftos(m_dH));
    else
        strDimInfo.Format("b=%smm\nh=%smm\nb'f=%smm\nh'f=%smm\n", (LPCTSTR)ftos(m_dB), (LPCTSTR)ftos(m_dH),
                          (LPCTSTR)ftos(m_dBf), (LPCTSTR)ftos(m_dHf));

    CString strM = ftosp(m_dM, 3, 0, 0);
    CString strAs = ftosp(m_dAreasPl, 0, 0, 0);
    CString strAsPs = ftosp(m_dAreasPs, 0, 0, 0);
    CString strMoment;
    strMoment.Format("M=%skN*m\n", (LPCTSTR)strM);
    CString strTension;
    strTension.Format("As =%smm^2\n", (LPCTSTR)strAs);
    CString strBoth;
    strBoth.Format("As =%smm^2\nA's=%smm^2\n", (LPCTSTR)strAs, (LPCTSTR)strAsPs);
    if (bDesign) {
        if (m_strMatchBarType == "单筋") {
            strLoadInfo = strMoment;
            strResultInfo = strTension;
        } else if (m_strMatchBarType == "双筋") {
            strLoadInfo = strMoment;
            strResultInfo = strBoth;
        } else {
            strLoadInfo.Format("M=%skN*m\nA's=%smm^2\n", (LPCTSTR)strM, (LPCTSTR)strAsPs);
            strResultInfo = strTension;
        }
    } else {
        BOOL bDouble = m_strMatchBarType == "双筋" || m_strMatchBarType == "双筋(已知受压钢筋)";
        strLoadInfo = bDouble ? strBoth : strTension;
        strResultInfo = strMoment;
    }
}
