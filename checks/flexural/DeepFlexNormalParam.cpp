// Fields, defaults, stored keys, short report and list entry of the deep flexural normal section.
#include "checks/flexural/DeepFlexNormalParam.h"

#include "framework/ParamExchange.h"
#include "host/Numbers.h"

IMPLEMENT_DYNAMIC(CStlcnDeepFlexNormalParam, CVuskParam)

CStlcnDeepFlexNormalParam::CStlcnDeepFlexNormalParam()
    : m_bHasRoot(1), m_dRatio(0), m_dMinAs(0), m_dHo(0), m_dAlphaD(0), m_dA(0), m_dX(0), m_dZ(0), m_dXib(0) {
    InitDefaultParam();
}

CStlcnDeepFlexNormalParam::~CStlcnDeepFlexNormalParam() = default;

void CStlcnDeepFlexNormalParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strNumber = "L-1";
    m_strGenType = "单跨简支梁";
    m_strCalType = "已知弯矩求配筋";
    m_strSectPosit = "跨中截面";
    m_dB = 600;
    m_dH = 2000;
    m_dLo = 3600;
    m_strSteelBarGrade = "HRB335";
    m_strConcreteGrade = "C30";
    m_dAs = 200;
    m_dPmin = 0.002;
    m_dGo = 1.0;
    m_dM = 500;
    m_dAreas = 2500;
    m_bIsAutoCalt = 0;
}

void CStlcnDeepFlexNormalParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strGenType", m_strGenType);
    px.Exchange("/strSectPosit", m_strSectPosit);
    px.Exchange("/strCalType", m_strCalType);
    px.Exchange("/dB", m_dB);
    px.Exchange("/dH", m_dH);
    px.Exchange("/dLo", m_dLo);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strSteelBarGrade", m_strSteelBarGrade);
    px.Exchange("/dAs", m_dAs);
    px.Exchange("/dPmin", m_dPmin);
    px.Exchange("/dGo", m_dGo);
    px.Exchange("/dM", m_dM);
    px.Exchange("/dAreas", m_dAreas);
    px.Exchange("/bIsAutoCalt", m_bIsAutoCalt);
}

BOOL CStlcnDeepFlexNormalParam::IsDesignMode() const { return m_strCalType == "已知弯矩求配筋"; }

CString CStlcnDeepFlexNormalParam::GetReportTitle() {
    return IsDesignMode() ? "深受弯构件纵向受拉钢筋面积计算\n" : "深受弯构件的弯矩计算\n";
}

void CStlcnDeepFlexNormalParam::FillReportText() {
    if (IsDesignMode()) {
        GetInfoTextDesign();
        GetProcessTextDesign();
    } else {
        GetInfoTextCapacity();
        GetProcessTextCapacity();
    }
}

CString CStlcnDeepFlexNormalParam::NoDesignText() const {
    return IsOverReinforced() ? "属于超筋情况,未配筋" : "受压区高度无解,未配筋";
}

void CStlcnDeepFlexNormalParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    CString strM = FormatNum(m_dM, 3);
    CString strAs = FormatNum(m_dAreas, 0);
    if (IsDesignMode()) {
        AddLine(arrLoads, "\tM=%skN*m\n", strM);
        if (HasDesign())
            AddLine(arrResults, "\tAs=%smm$2$\n", strAs);
        else
            AddLine(arrResults, "\t%s\n", NoDesignText());
    } else {
        AddLine(arrLoads, "\tAs=%smm$2$\n", strAs);
        AddLine(arrResults, "\tM=%skN*m\n", strM);
        if (IsCapacityCapped()) AddLine(arrResults, "\tx＞ξb*ho,取x=ξb*ho=%smm\n", FormatNum(GetXByAs(), 0));
    }
}

void CStlcnDeepFlexNormalParam::FillListText() {
    BOOL bDesign = IsDesignMode();
    strCmdType = bDesign ? "深受弯构件纵向受拉钢筋计算" : "深受弯构件弯矩计算";
    strDimInfo.Format("b=%smm\nh=%smm\nlo=%smm\n", (LPCTSTR)ftos(m_dB), (LPCTSTR)ftos(m_dH), (LPCTSTR)ftos(m_dLo));
    CString strM;
    strM.Format("M=%skN*m\n", (LPCTSTR)ftosp(m_dM, 3, 0, 0));
    CString strAs;
    strAs.Format("As=%smm^2\n", (LPCTSTR)ftosp(m_dAreas, 0, 0, 0));
    strLoadInfo = bDesign ? strM : strAs;
    strResultInfo = bDesign ? (HasDesign() ? strAs : NoDesignText()) : strM;
}
