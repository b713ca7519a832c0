// Fields, defaults, stored keys, short report and list entry of the flexural oblique section.
#include "checks/flexural/FlexObliqueParam.h"

#include "framework/ParamExchange.h"
#include "host/Numbers.h"

IMPLEMENT_DYNAMIC(CStlcnFlexObliqueParam, CVuskParam)

CStlcnFlexObliqueParam::CStlcnFlexObliqueParam() : m_dRatioSv(0) { InitDefaultParam(); }

CStlcnFlexObliqueParam::~CStlcnFlexObliqueParam() = default;

void CStlcnFlexObliqueParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strNumber = "L-1";
    m_strCaltType = "已知剪力求配筋";
    m_strSectionType = "矩形";
    m_strFType = "均布荷载一般梁";
    m_dB = 400;
    m_dH = 800;
    m_dBf = 1000;
    m_dHf = 100;
    m_dA = 200;
    m_strConcreteGrade = "C30";
    m_strSteelBarGrade = "HRB335";
    m_dS = 100;
    m_dPmin = 0.002;
    m_dAs = 40;
    m_dGo = 1.0;
    m_dV = 500000;
    m_dAreasSv = 500;
    m_bIsAutoCalt = 0;
}

void CStlcnFlexObliqueParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strCaltType", m_strCaltType);
    px.Exchange("/strSectionType", m_strSectionType);
    px.Exchange("/strFType", m_strFType);
    px.Exchange("/dB", m_dB);
    px.Exchange("/dH", m_dH);
    px.Exchange("/dBf", m_dBf);
    px.Exchange("/dHf", m_dHf);
    px.Exchange("/dA", m_dA);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strSteelBarGrade", m_strSteelBarGrade);
    px.Exchange("/dS", m_dS);
    px.Exchange("/dPmin", m_dPmin);
    px.Exchange("/dAs", m_dAs);
    px.Exchange("/dGo", m_dGo);
    px.Exchange("/dV", m_dV);
    px.Exchange("/dAreasSv", m_dAreasSv);
    px.Exchange("/bIsAutoCalt", m_bIsAutoCalt);
}

BOOL CStlcnFlexObliqueParam::IsDesignMode() const { return m_strCaltType == "已知剪力求配筋"; }

BOOL CStlcnFlexObliqueParam::IsRectangle() const { return m_strSectionType == "矩形"; }

BOOL CStlcnFlexObliqueParam::IsUniformLoad() const { return m_strFType == "均布荷载一般梁"; }

CString CStlcnFlexObliqueParam::GetReportTitle() {
    return IsDesignMode() ? "受弯构件箍筋面积计算\n" : "受弯构件的剪力计算\n";
}

void CStlcnFlexObliqueParam::FillReportText() {
    if (IsDesignMode()) {
        GetInfoTextDesign();
        GetProcessTextDesign();
    } else {
        GetInfoTextCapacity();
        GetProcessTextCapacity();
    }
}

void CStlcnFlexObliqueParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    CString strV = FormatNum(m_dV / N_PER_KN, 3);
    CString strAsv = FormatNum(m_dAreasSv, 0);
    if (IsDesignMode()) {
        AddLine(arrLoads, "\tV=%skN\n", strV);
        AddLine(arrResults, "\tAsv=%smm$2$\n", strAsv);
    } else {
        AddLine(arrLoads, "\tAsv=%smm$2$\n", strAsv);
        AddLine(arrResults, "\tV=%skN\n", strV);
    }
}

void CStlcnFlexObliqueParam::FillListText() {
    BOOL bDesign = IsDesignMode();
    strCmdType = bDesign ? "受弯构件箍筋计算" : "受弯构件剪力计算";
    CString strDim;
    strDim.Format("b=%smm\nh=%smm\n", (LPCTSTR)ftos(m_dB), (LPCTSTR)ftos(m_dH));
    CString strLine;
    if (!IsUniformLoad()) {
        strLine.Format("a=%smm\n", (LPCTSTR)ftos(m_dA));
        strDim += strLine;
    }
    if (!IsRectangle()) {
        strLine.Format("b'f=%smm\nh'f=%smm\n", (LPCTSTR)ftos(m_dBf), (LPCTSTR)ftos(m_dHf));
        strDim += strLine;
    }
    strDimInfo = strDim;
    CString strV;
    strV.Format("V=%skN\n", (LPCTSTR)ftosp(m_dV / N_PER_KN, 3, 0, 0));
    CString strAsv;
    strAsv.Format("Asv=%smm^2\n", (LPCTSTR)ftosp(m_dAreasSv, 0, 0, 0));
    strLoadInfo = bDesign ? strV : strAsv;
    strResultInfo = bDesign ? strAsv : strV;
}
