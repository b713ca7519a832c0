// Fields, defaults, stored keys, short report and list entry of the deep flexural oblique section.
#include "checks/flexural/DeepFlexObliqueParam.h"

#include "framework/ParamExchange.h"
#include "host/Numbers.h"

IMPLEMENT_DYNAMIC(CStlcnDeepFlexObliqueParam, CVuskParam)

CStlcnDeepFlexObliqueParam::CStlcnDeepFlexObliqueParam() : m_dRatioSh(0), m_dRatioSv(0) { InitDefaultParam(); }

CStlcnDeepFlexObliqueParam::~CStlcnDeepFlexObliqueParam() = default;

void CStlcnDeepFlexObliqueParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strNumber = "L-1";
    m_strDeepType = "单跨简支梁";
    m_strDeepFType = "均布荷载一般梁";
    m_strDeepSectPosit = "跨中截面";
    m_strDeepCaltType = "已知剪力、Asv求Ash";
    m_dB = 600;
    m_dH = 2000;
    m_dLo = 3600;
    m_dA = 200;
    m_strConcreteGrade = "C30";
    m_strSteelBarGradeHor = "HRB335";
    m_strSteelBarGradeVer = "HRB335";
    m_dSv = 100;
    m_dSh = 100;
    m_dPminSh = 0.002;
    m_dPminSv = 0.002;
    m_dAs = 200;
    m_dGo = 1.0;
    m_dV = 500000;
    m_dAreasSh = 500;
    m_dAreasSv = 500;
    m_bIsAutoCaltSh = 0;
    m_bIsAutoCaltSv = 0;
}

void CStlcnDeepFlexObliqueParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strDeepType", m_strDeepType);
    px.Exchange("/strDeepFType", m_strDeepFType);
    px.Exchange("/strDeepSectPosit", m_strDeepSectPosit);
    px.Exchange("/strDeepCaltType", m_strDeepCaltType);
    px.Exchange("/dB", m_dB);
    px.Exchange("/dH", m_dH);
    px.Exchange("/dLo", m_dLo);
    px.Exchange("/dA", m_dA);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strSteelBarGradeHor", m_strSteelBarGradeHor);
    px.Exchange("/strSteelBarGradeVer", m_strSteelBarGradeVer);
    px.Exchange("/dSv", m_dSv);
    px.Exchange("/dSh", m_dSh);
    px.Exchange("/dPminSh", m_dPminSh);
    px.Exchange("/dPminSv", m_dPminSv);
    px.Exchange("/dAs", m_dAs);
    px.Exchange("/dGo", m_dGo);
    px.Exchange("/dV", m_dV);
    px.Exchange("/dAreasSh", m_dAreasSh);
    px.Exchange("/dAreasSv", m_dAreasSv);
    px.Exchange("/bIsAutoCaltSh", m_bIsAutoCaltSh);
    px.Exchange("/bIsAutoCaltSv", m_bIsAutoCaltSv);
}

int CStlcnDeepFlexObliqueParam::GetModeIndex() const {
    if (m_strDeepCaltType == "已知剪力、Asv求Ash") return 0;
    if (m_strDeepCaltType == "已知剪力、Ash求Asv") return 1;
    return 2;
}

CString CStlcnDeepFlexObliqueParam::GetReportTitle() {
    switch (GetModeIndex()) {
    case 0:
        return "深受弯构件水平分布钢筋面积计算\n";
    case 1:
        return "深受弯构件竖向分布钢筋面积计算\n";
    default:
        return "深受弯构件的剪力计算\n";
    }
}

void CStlcnDeepFlexObliqueParam::FillReportText() {
    switch (GetModeIndex()) {
    case 0:
        GetInfoTextDesignAsh();
        GetProcessTextDesignAsh();
        break;
    case 1:
        GetInfoTextDesignAsv();
        GetProcessTextDesignAsv();
        break;
    default:
        GetInfoTextCapacity();
        GetProcessTextCapacity();
        break;
    }
}

void CStlcnDeepFlexObliqueParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    CString strV;
    strV.Format("\tV=%skN\n", (LPCTSTR)FormatNum(m_dV / N_PER_KN, 3));
    CString strAsh;
    strAsh.Format("\tAsh=%smm$2$\n", (LPCTSTR)FormatNum(m_dAreasSh, 0));
    CString strAsv;
    strAsv.Format("\tAsv=%smm$2$\n", (LPCTSTR)FormatNum(m_dAreasSv, 0));
    int nMode = GetModeIndex();
    if (nMode == 0) {
        arrLoads.Add(strV);
        arrLoads.Add(strAsv);
        arrResults.Add(strAsh);
    } else if (nMode == 1) {
        arrLoads.Add(strV);
        arrLoads.Add(strAsh);
        arrResults.Add(strAsv);
    } else {
        arrLoads.Add(strAsv);
        arrLoads.Add(strAsh);
        arrResults.Add(strV);
    }
    if (!HasResult()) {
        // The sought field holds no result of these inputs: the verdict stands in its place.
        arrResults.RemoveAll();
        arrResults.Add(ClassLine().Mid(1) + "\n");
    }
}

void CStlcnDeepFlexObliqueParam::FillListText() {
    int nMode = GetModeIndex();
    strCmdType = nMode == 0 ? "深受弯构件水平分布钢筋计算" : nMode == 1 ? "深受弯构件竖向分布钢筋计算" : "深受弯构件剪力计算";
    if (IsUniformLoad())
        strDimInfo.Format("b=%smm\nh=%smm\nlo=%smm\n", (LPCTSTR)ftos(m_dB), (LPCTSTR)ftos(m_dH), (LPCTSTR)ftos(m_dLo));
    else
        strDimInfo.Format("b=%smm\nh=%smm\nlo=%smm\na=%smm\n", (LPCTSTR)ftos(m_dB), (LPCTSTR)ftos(m_dH),
                          (LPCTSTR)ftos(m_dLo), (LPCTSTR)ftos(m_dA));
    CString strV = ftosp(m_dV / N_PER_KN, 3, 0, 0);
    CString strAsh = ftosp(m_dAreasSh, 0, 0, 0);
    CString strAsv = ftosp(m_dAreasSv, 0, 0, 0);
    if (nMode == 0) {
        strLoadInfo.Format("V=%skN\nAsv=%smm^2\n", (LPCTSTR)strV, (LPCTSTR)strAsv);
        strResultInfo.Format("Ash=%smm^2\n", (LPCTSTR)strAsh);
    } else if (nMode == 1) {
        strLoadInfo.Format("V=%skN\nAsh=%smm^2\n", (LPCTSTR)strV, (LPCTSTR)strAsh);
        strResultInfo.Format("Asv=%smm^2\n", (LPCTSTR)strAsv);
    } else {
        strLoadInfo.Format("Ash=%smm^2\nAsv=%smm^2\n", (LPCTSTR)strAsh, (LPCTSTR)strAsv);
        strResultInfo.Format("V=%skN\n", (LPCTSTR)strV);
    }
    if (!HasResult()) strResultInfo = "不宜按深受弯构件进行设计\n";
}
