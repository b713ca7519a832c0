// Line pieces that the process texts of the flexural normal section share, and the information
// lines of its full report.
#include <cmath>

#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

CString CStlcnFlexNormalParam::Percent(double dRatio) { return FormatNum(dRatio * 100, 3); }

// The lines show the whole millimetres of ho; the values are computed with the exact ho.
CString CStlcnFlexNormalParam::HoText() const { return FormatNum(std::trunc(CalHo()), 0); }

CString CStlcnFlexNormalParam::XibText() const { return FormatNum(GetXib(), 3); }

void CStlcnFlexNormalParam::AddHoLine(CStringArray& arrLines) const {
    AddLine(arrLines, "\t\tho=h-as=%s-%s=%smm", FormatNum(m_dH, 0), FormatNum(m_dAsPl, 0), HoText());
}

void CStlcnFlexNormalParam::AddXibLine(CStringArray& arrLines, int nEsPower) const {
    double dEs = CQeltSteelBar::GetEs(m_strSteelBarGradePl);
    AddLine(arrLines, "\t\tξb=β1/(1+fy/(Es*εcu))=%s/(1+%s/(%s*%s))=%s",
            FormatNum(CQeltConcrete::GetBeta1(m_strConcreteGrade), 2), FormatNum(Fy(), 0),
            ftosp(dEs, 1, 1, nEsPower), FormatNum(CQeltConcrete::GetEcu(m_strConcreteGrade), 4), XibText());
}

void CStlcnFlexNormalParam::AddAlphaSLine(CStringArray& arrLines) const {
    AddLine(arrLines, "\t\tαs=γo*M/(α1*fc*b*ho*ho)=%s*%s*10$6$/(%s*%s*%s*%s*%s)=%s", FormatNum(m_dGo, 1),
            FormatNum(m_dM, 3), Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText(), HoText(),
            FormatNum(CalAlphaS(), 3));
}

BOOL CStlcnFlexNormalParam::HasXi(double dAlphaS) { return IsLessEqual(dAlphaS, 0.5); }

void CStlcnFlexNormalParam::AddNoXiLine(CStringArray& arrLines, double dAlphaS, LPCTSTR lpszVerdict) {
    AddLine(arrLines, CString("\t\tαs=%s>0.5, 1-2αs<0, ξ=1-sqrt(1-2αs)无解") + lpszVerdict, FormatNum(dAlphaS, 3));
}

BOOL CStlcnFlexNormalParam::AddXiLine(CStringArray& arrLines, double dAlphaS, double dXi, LPCTSTR lpszPassTabs,
                                      LPCTSTR lpszFailTabs) const {
    if (!HasXi(dAlphaS)) {
        AddNoXiLine(arrLines, dAlphaS, CString(lpszFailTabs) + "不满足要求。");
        return FALSE;
    }
    BOOL bPass = IsLessEqual(dXi, GetXib());
    CString strFormat = bPass ? "\t\tξ=1-sqrt(1-2αs)=1-sqrt(1-2*%s)=%s≤ξb=%s" : "\t\tξ=1-sqrt(1-2αs)=1-sqrt(1-2*%s)=%s>ξb=%s";
    strFormat += bPass ? lpszPassTabs : lpszFailTabs;
    strFormat += bPass ? "满足要求。" : "不满足要求。";
    AddLine(arrLines, strFormat, FormatNum(dAlphaS, 3), FormatNum(dXi, 3), XibText());
    return bPass;
}

void CStlcnFlexNormalParam::AddRatioLine(CStringArray& arrLines, BOOL bCompression, double dArea) const {
    AddLine(arrLines, bCompression ? "\t\tρ'=A's/(b*h)=%s/(%s*%s)=%s％" : "\t\tρ=As/(b*h)=%s/(%s*%s)=%s％",
            FormatNum(dArea, 0), FormatNum(m_dB, 0), FormatNum(m_dH, 0), Percent(dArea / (m_dB * m_dH)));
}

BOOL CStlcnFlexNormalParam::AddMinVerdict(CStringArray& arrLines, BOOL bCompression, double dRatio) const {
    double dMin = bCompression ? GetPminPs() : GetPminPl();
    BOOL bPass = IsGreaterEqual(dRatio, dMin);
    LPCTSTR lpszFormat;
    if (bCompression)
        lpszFormat = bPass ? "\t\tρ'=%s％≥ρ'min=%s％, 满足最小配筋率要求。" : "\t\tρ'=%s％<ρ'min=%s％, 不满足最小配筋率要求，";
    else
        lpszFormat = bPass ? "\t\tρ=%s％≥ρmin=%s％, 满足最小配筋率要求。" : "\t\tρ=%s％<ρmin=%s％, 不满足最小配筋率要求，";
    AddLine(arrLines, lpszFormat, Percent(dRatio), Percent(dMin));
    return bPass;
}

void CStlcnFlexNormalParam::AddTakeMinAsLine(CStringArray& arrLines, double dAs) const {
    AddLine(arrLines, "\t\t取As=ρmin*b*h=%s％*%s*%s=%smm$2$", Percent(GetPminPl()), FormatNum(m_dB, 0),
            FormatNum(m_dH, 0), FormatNum(dAs, 0));
}

void CStlcnFlexNormalParam::AddMaxRatioLine(CStringArray& arrLines) const {
    AddLine(arrLines, "\t\tρ~max~=ξ~b~*α1*Fc/Fy*ho/h=%s*%s*%s/%s*%s/%s=%s％", XibText(), FormatNum(Alpha1(), 2),
            FormatNum(Fc(), 1), FormatNum(Fy(), 1), HoText(), FormatNum(m_dH, 0), Percent(GetMaxSteelRatio()));
}

void CStlcnFlexNormalParam::AddMaxVerdict(CStringArray& arrLines, double dRatio, BOOL bFullWidth,
                                          LPCTSTR lpszSymbol, BOOL bEqualPasses) const {
    double dMax = GetMaxSteelRatio();
    BOOL bPass = bEqualPasses ? IsLessEqual(dRatio, dMax) : !IsGreaterEqual(dRatio, dMax);
    CString strFormat = CString("\t\t") + lpszSymbol;
    if (bPass)
        strFormat += "=%s％≤ρmax=%s％, 满足最大配筋率要求，";
    else if (bFullWidth)
        strFormat += "=%s％＞ρmax=%s％, 不满足最大配筋率要求。";
    else
        strFormat += "=%s％>ρmax=%s％, 不满足最大配筋率要求。";
    AddLine(arrLines, strFormat, Percent(dRatio), Percent(dMax));
}

void CStlcnFlexNormalParam::AddTensionMinCheck(CStringArray& arrLines, double dAs) const {
    AddRatioLine(arrLines, FALSE, dAs);
    AddMaxRatioLine(arrLines);
    if (!AddMinVerdict(arrLines, FALSE, dAs / (m_dB * m_dH))) AddTakeMinAsLine(arrLines, GetPminPl() * m_dB * m_dH);
}

void CStlcnFlexNormalParam::AddTensionCheck(CStringArray& arrLines, double dAs, BOOL bFullWidth) const {
    AddTensionMinCheck(arrLines, dAs);
    AddMaxVerdict(arrLines, dAs / (m_dB * m_dH), bFullWidth, "ρ", FALSE);
}

void CStlcnFlexNormalParam::AddDoubleTensionCheck(CStringArray& arrLines, double dAs, double dAsPs,
                                                  BOOL bFullWidth) const {
    AddTensionMinCheck(arrLines, dAs);
    // The part of As that balances the compression steel takes no part in the maximum: what is
    // left is the concrete's, at most ξb·α1·fc·b·ho/fy, ρmax·b·h, by the design itself.
    double dRatio = (dAs - FyPs() * dAsPs / Fy()) / (m_dB * m_dH);
    // Within the tolerance it is ρmax itself, and is printed so.
    if (std::fabs(dRatio - GetMaxSteelRatio()) < 1e-6) dRatio = GetMaxSteelRatio();
    AddLine(arrLines, "\t\tρ1=(As-fy'*A's/fy)/(b*h)=(%s-%s*%s/%s)/(%s*%s)=%s％", FormatNum(dAs, 0),
            FormatNum(FyPs(), 0), FormatNum(dAsPs, 0), FormatNum(Fy(), 0), FormatNum(m_dB, 0), FormatNum(m_dH, 0),
            Percent(dRatio));
    AddMaxVerdict(arrLines, dRatio, bFullWidth, "ρ1", TRUE);
}

void CStlcnFlexNormalParam::AddCompressionCheck(CStringArray& arrLines, double dAsPs, BOOL bTakeMin,
                                                double dAsPsTaken) const {
    double dRatio = dAsPs / (m_dB * m_dH);
    AddRatioLine(arrLines, TRUE, dAsPs);
    AddMaxRatioLine(arrLines);
    if (!AddMinVerdict(arrLines, TRUE, dRatio) && bTakeMin)
        AddLine(arrLines, "\t\t取A's=ρmin*b*h=%s％*%s*%s=%smm$2$", Percent(GetPminPs()), FormatNum(m_dB, 0),
                FormatNum(m_dH, 0), FormatNum(dAsPsTaken, 0));
    AddMaxVerdict(arrLines, dRatio, TRUE, "ρ", FALSE);
}

// One of the ratio lines of the materials: the code's formula when the minimum is computed,
// otherwise the user's ratio.
void CStlcnFlexNormalParam::AddInfoRatioLine(BOOL bCompression, LPCTSTR lpszAutoFormat, LPCTSTR lpszManualFormat) {
    BOOL bAuto = (bCompression ? m_bIsAutoCaltPs : m_bIsAutoCalt) == 1;
    double dMin = bCompression ? GetPminPs() : GetPminPl();
    if (bAuto) {
        double dFy = bCompression ? FyPs() : Fy();
        AddLine(m_arrInfoText, lpszAutoFormat, FormatNum(Ft(), 2), FormatNum(dFy, 0), FormatNum(45 * Ft() / dFy, 3),
                Percent(dMin));
    } else {
        AddLine(m_arrInfoText, lpszManualFormat, Percent(dMin));
    }
}

void CStlcnFlexNormalParam::GetInfoText() {
    m_arrInfoText.RemoveAll();
    BOOL bRectangle = IsRectangle();
    BOOL bTSection = m_strSectionType == "T形";
    if (bRectangle || bTSection) {
        AddLine(m_arrInfoText, "\t1. 几何参数");
        AddLine(m_arrInfoText, "\t\t截面类型: %s", m_strSectionType);
        AddLine(m_arrInfoText, "\t\t截面宽度: b=%smm", FormatNum(m_dB, 0));
        AddLine(m_arrInfoText, "\t\t截面高度: h=%smm", FormatNum(m_dH, 0));
        if (bTSection) {
            AddLine(m_arrInfoText, "\t\t上翼缘计算宽度: b'f=%smm", FormatNum(m_dBf, 0));
            AddLine(m_arrInfoText, "\t\t上翼缘计算高度: h'f=%smm", FormatNum(m_dHf, 0));
        }
    }

    AddLine(m_arrInfoText, "\t2. 材料信息");
    AddLine(m_arrInfoText, "\t\t混凝土等级:\t%s\tfc=%sN/mm$2$\tft=%sN/mm$2$ ", m_strConcreteGrade, FormatNum(Fc(), 1),
            FormatNum(Ft(), 2));
    const LPCTSTR lpszAutoRatio =
        "\t\t最小配筋率:\tρmin=max(0.200,45*ft/fy)=max(0.200,45*%s/%s)=max(0.200,%s)=%s％\t(自动计算)";
    BOOL bSingle = m_strMatchBarType == "单筋";
    BOOL bDouble = m_strMatchBarType == "双筋";
    BOOL bKnownPs = m_strMatchBarType == "双筋(已知受压钢筋)";
    if (bSingle && bRectangle) {
        AddLine(m_arrInfoText, "\t\t钢筋种类:\t%s\tfy=%sN/mm$2$", m_strSteelBarGradePl, FormatNum(Fy(), 0));
        AddInfoRatioLine(FALSE, lpszAutoRatio, "\t\t最小配筋率:\tρmin=%s％ ");
        AddLine(m_arrInfoText, "\t\t纵筋合力点至近边距离: as=%smm ", FormatNum(m_dAsPl, 0));
    } else if ((bDouble || bKnownPs) && bRectangle) {
        AddLine(m_arrInfoText, "\t\t受拉纵筋种类: %s\tfy=%sN/mm$2$", m_strSteelBarGradePl, FormatNum(Fy(), 0));
        AddLine(m_arrInfoText, "\t\t受压纵筋种类: %s\tfy=%sN/mm$2$", m_strSteelBarGradePs, FormatNum(FyPs(), 0));
        AddInfoRatioLine(FALSE,
                         bDouble ? "\t\t受拉纵筋最小配筋率:\tρmin=max(0.2,45*ft/fy)=max(0.2,45*%s/%s)=max(0.2,%s)=%s％\t(自动计算)"
                                 : "\t\t受拉纵筋最小配筋率:\tρmin=max(0.200,45*ft/fy)=max(0.200,45*%s/%s)=max(0.200,%s)=%s％\t(自动计算)",
                         "\t\t受拉纵筋最小配筋率:\tρmin=%s％ ");
        AddInfoRatioLine(TRUE,
                         "\t\t受压纵筋最小配筋率:\tρ'min=max(0.200,45*ft/fy)=max(0.200,45*%s/%s)=max(0.200,%s)=%s％\t(自动计算)",
                         "\t\t受压纵筋最小配筋率:\tρ'min=%s％ ");
        AddLine(m_arrInfoText, "\t\t受拉纵筋合力点至近边距离: as=%smm ", FormatNum(m_dAsPl, 0));
        AddLine(m_arrInfoText, "\t\t受压纵筋合力点至近边距离: as'=%smm ", FormatNum(m_dAsPs, 0));
    } else if (bTSection) {
        AddLine(m_arrInfoText, "\t\t受拉纵筋种类: %s\tfy=%sN/mm$2$", m_strSteelBarGradePl, FormatNum(Fy(), 0));
        AddInfoRatioLine(FALSE, lpszAutoRatio, "\t\t最小配筋率:\tρmin=%s％ ");
        AddLine(m_arrInfoText, "\t\t受拉纵筋合力点至近边距离: as=%smm ", FormatNum(m_dAsPl, 0));
    }

    if (IsDesignMode()) {
        AddLine(m_arrInfoText, "\t3. 受力信息");
        AddLine(m_arrInfoText, "\t\tM=%skN*m", FormatNum(m_dM, 3));
        if (bKnownPs) {
            AddLine(m_arrInfoText, "\t4. 配筋信息");
            AddLine(m_arrInfoText, "\t\tA's=%smm$2$", FormatNum(m_dAreasPs, 0));
            AddLine(m_arrInfoText, "\t5. 设计参数");
        } else {
            AddLine(m_arrInfoText, "\t4. 设计参数");
        }
    } else {
        AddLine(m_arrInfoText, "\t3. 配筋信息");
        AddLine(m_arrInfoText, "\t\tAs=%smm$2$", FormatNum(m_dAreasPl, 0));
        if (bDouble || bKnownPs) AddLine(m_arrInfoText, "\t\tA's=%smm$2$", FormatNum(m_dAreasPs, 0));
        AddLine(m_arrInfoText, "\t4. 设计参数");
    }
    AddLine(m_arrInfoText, "\t\t结构重要性系数: γo=%s", FormatNum(m_dGo, 1));
}
