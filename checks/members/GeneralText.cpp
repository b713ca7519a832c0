// Reports, calculation-process lines and list entry of the torsion check.
#include "checks/flexural/Tolerance.h"
#include "checks/members/GeneralParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"

namespace {

// Plastic moduli print as a mantissa times 10⁶ ("14.583×10$6$").
CString ModulusText(double dValue) { return ftosp(dValue, 3, 1, 6); }

}  // namespace

CString CStlcnGeneralParam::GetReportTitle() {
    if (IsDesignMode())
        strTitle = "受扭构件配筋计算";
    else if (IsCapacityMode())
        strTitle = "受扭构件扭矩计算";
    return strTitle;
}

void CStlcnGeneralParam::FillReportText() {
    GetInfoText();
    if (IsDesignMode())
        GetProcessTextDesign();
    else if (IsCapacityMode())
        GetProcessTextCapacity();
}

void CStlcnGeneralParam::GetInfoText() {
    CStringArray& lines = m_arrInfoText;
    lines.RemoveAll();
    AddLine(lines, "    1.几何参数:");
    AddLine(lines, "      截面类型: %s", m_strSectionType);
    AddLine(lines, "      截面宽度: b=%smm\n      截面高度: h=%smm", FormatNum(m_dSectionWidth, 0),
            FormatNum(m_dSectionHeight, 0));
    if (IsTSection())
        AddLine(lines, "      上翼缘计算高度: h'f=%smm\n      上翼缘计算宽度: b'f=%smm", FormatNum(m_dTopCaltHeight, 0),
                FormatNum(m_dTopCaltWidth, 0));
    AddLine(lines, "    2.材料信息:");
    AddLine(lines, "      混凝土强度等级: %s\t\tfc=%sN/mm$2$\tft=%sN/mm$2$", m_strConcreteGrade, FormatNum(m_dFc, 1),
            FormatNum(m_dFt, 2));
    if (IsDesignMode())
        AddLine(lines, "      受扭纵筋与箍筋的配筋强度比值: ζ=%s", FormatNum(m_dSteelGradeRatio, 2));
    AddLine(lines,
            "      纵筋种类: %s\tfy=%sN/mm$2$\n      箍筋种类: %s\tfyv=%sN/mm$2$\n      箍筋肢数: n=%s\n      箍筋间距: s=%smm",
            m_strVertiBarGrade, FormatNum(m_dFy, 0), m_strHoopBarGrade, FormatNum(m_dFyv, 0),
            FormatNum(m_dHoopSteelCount, 0), FormatNum(m_dHoopSteelInterval, 0));
    AddLine(lines,
            m_bIsAutoCaltPtl == 1 ? "      最小配筋率: ρtl,min=%s%% (自动计算ρtl,min=0.6*sqrt(2.0)*ft/fy)"
                                  : "      最小配筋率: ρtl,min=%s%%",
            FormatNum(m_dPtlmin, 3));
    AddLine(lines,
            m_bIsAutoCaltPsv == 1 ? "      最小配箍率: ρsv,min=%s%% (自动计算ρsv,min=0.28*ft/fyv)"
                                  : "      最小配箍率: ρsv,min=%s%%",
            FormatNum(m_dPsvmin, 3));
    AddLine(lines, "      纵筋合力点至近边距离: as=%smm\n      混凝土保护层厚度: c=%smm", FormatNum(m_dDistanceToEdge, 0),
            FormatNum(m_dGrossPly, 0));
    if (IsDesignMode()) {
        AddLine(lines, "    3.荷载信息:\n      扭矩设计值: T=%skN*m", FormatNum(m_dTwistMoment, 3));
    } else {
        AddLine(lines, "    3.配筋信息:");
        if (IsRectangle())
            AddLine(lines, "      单肢受扭箍筋面积: Asv1=%smm$2$\n      全部受扭纵筋面积: Astl=%smm$2$",
                    FormatNum(m_dSqrtSimpleHoopAst1, 2), FormatNum(m_dSqrtAllVertiAstl, 0));
        else if (IsTSection())
            AddLine(lines,
                    "      腹板截面单肢受扭箍筋面积: Asv1=%smm$2$\n      腹板截面全部受扭纵筋面积: Astl=%smm$2$\n"
                    "      翼缘截面单肢受扭箍筋面积: Asv1=%smm$2$\n      翼缘截面全部受扭纵筋面积: Astl=%smm$2$",
                    FormatNum(m_dBoardHoopAst1, 2), FormatNum(m_dBoardAllVertiAstl, 0), FormatNum(m_dEdgeHoopAst1, 2),
                    FormatNum(m_dEdgeAllVertiAstl, 0));
    }
    AddLine(lines, "    4.其它信息:");
    AddLine(lines, "      结构重要性系数: γo=%s", FormatNum(m_dImportantCoef, 1));
}

void CStlcnGeneralParam::AddWtLines(LPCTSTR lpszBreak) {
    CStringArray& lines = m_arrProcessText;
    CString strB = FormatNum(m_dSectionWidth, 0);
    CString strH = FormatNum(m_dSectionHeight, 0);
    if (IsRectangle()) {
        AddLine(lines, "      Wt=b$2$*(3*h-b)/6=%s$2$*(3*%s-%s)/6=%smm$3$", strB, strH, strB, ModulusText(m_dWt));
    } else if (IsTSection()) {
        CString strFormat;
        strFormat.Format("      Wtw=b$2$*(3*h-b)/6\n%s=%%s$2$*(3*%%s-%%s)/6\n%s=%%smm$3$", lpszBreak, lpszBreak);
        AddLine(lines, strFormat, strB, strH, strB, ModulusText(m_dWtw));
        strFormat.Format("      Wtf=h'f$2$*(b'f-b)/2\n%s=%%s$2$*(%%s-%%s)/2\n%s=%%smm$3$", lpszBreak, lpszBreak);
        AddLine(lines, strFormat, FormatNum(m_dTopCaltHeight, 0), FormatNum(m_dTopCaltWidth, 0), strB,
                ModulusText(m_dWtf));
        AddLine(lines, "      Wt=Wtw+Wtf\n        =%s+%s\n        =%smm$3$", ModulusText(m_dWtw), ModulusText(m_dWtf),
                ModulusText(m_dWt));
    }
}

void CStlcnGeneralParam::AddDepthLines() {
    if (IsRectangle())
        AddLine(m_arrProcessText, "      ho=h-as=%s-%s=%smm\n      hw=ho=%smm", FormatNum(m_dSectionHeight, 0),
                FormatNum(m_dDistanceToEdge, 0), FormatNum(m_dHo, 0), FormatNum(m_dHw, 0));
    else if (IsTSection())
        AddLine(m_arrProcessText, "      ho=h-as=%s-%s=%smm\n      hw=ho-h'f=%s-%s=%smm", FormatNum(m_dSectionHeight, 0),
                FormatNum(m_dDistanceToEdge, 0), FormatNum(m_dHo, 0), FormatNum(m_dHo, 0),
                FormatNum(m_dTopCaltHeight, 0), FormatNum(m_dHw, 0));
}

void CStlcnGeneralParam::AddSectionLines() {
    CStringArray& lines = m_arrProcessText;
    double r = m_dHw / m_dSectionWidth;
    CString strHw = FormatNum(m_dHw, 0);
    CString strB = FormatNum(m_dSectionWidth, 0);
    CString strR = FormatNum(r, 3);
    if (r > 6) {
        AddLine(lines, "      当hw/b=%s/%s=%s>6时\n          %s", strHw, strB, strR, m_strNote1);
        return;
    }
    double dLimit = CalSectionLimit();
    BOOL bOver = !IsLessEqual(GetTestedTorque(), dLimit);
    LPCTSTR lpszLine;
    if (r == 6) {
        AddLine(lines, "      当hw/b=%s/%s=%s=6时", strHw, strB, strR);
        lpszLine = bOver ? "      T=%skN*m＞(0.2*βc*fc*0.8*Wt)/γo=(0.2*%s*%s*0.8*%s)/%s=%skN*m\n          %s"
                         : "      T=%skN*m≤(0.2*βc*fc*0.8*Wt)/γo=(0.2*%s*%s*0.8*%s)/%s=%skN*m\n          %s";
    } else if (r > 4) {
        AddLine(lines, "      当4<hw/b=%s/%s=%s<6时", strHw, strB, strR);
        lpszLine = bOver ? "      T=%skN*m＞(Yo*βc*fc*0.8*Wt)/γo=(0.25*%s*%s*0.8*%s)/%s=%skN*m  (Yo按线性内查法确定)\n          %s"
                         : "      T=%skN*m≤(Yo*βc*fc*0.8*Wt)/γo=(0.25*%s*%s*0.8*%s)/%s=%skN*m  (Yo按线性内查法确定)\n          %s";
    } else {
        AddLine(lines, "      当hw/b=%s/%s=%s≤4时", strHw, strB, strR);
        lpszLine = bOver ? "      T=%skN*m＞(0.25*βc*fc*0.8*Wt)/γo=(0.25*%s*%s*0.8*%s)/%s=%skN*m\n          %s"
                         : "      T=%skN*m≤(0.25*βc*fc*0.8*Wt)/γo=(0.25*%s*%s*0.8*%s)/%s=%skN*m\n          %s";
    }
    AddLine(lines, lpszLine, FormatNum(GetTestedTorque(), 3), CQeltConcrete::GetBetacStr(m_strConcreteGrade),
            FormatNum(m_dFc, 1), ModulusText(m_dWt), FormatNum(m_dImportantCoef, 1), FormatNum(dLimit, 3), m_strNote1);
}

void CStlcnGeneralParam::AddCoreLines(BOOL bFlange) {
    CStringArray& lines = m_arrProcessText;
    CString strC = FormatNum(m_dGrossPly, 0);
    CString strBcor = FormatNum(m_dBcor, 0);
    CString strHcor = FormatNum(m_dHcor, 0);
    if (bFlange)
        AddLine(lines,
                "      bcor=b'f-b-2c=%s-%s-2*%s=%smm\n      hcor=h'f-2c=%s-2*%s=%smm\n"
                "      Acor=bcor*hcor=%s*%s=%smm$2$\n      Ucor=2*(bcor+hcor)=2*(%s+%s)=%smm",
                FormatNum(m_dTopCaltWidth, 0), FormatNum(m_dSectionWidth, 0), strC, strBcor,
                FormatNum(m_dTopCaltHeight, 0), strC, strHcor, strBcor, strHcor, FormatNum(m_dAcor, 0), strBcor,
                strHcor, FormatNum(m_dUcor, 0));
    else
        AddLine(lines,
                "      bcor=b-2c=%s-2*%s=%smm\n      hcor=h-2c=%s-2*%s=%smm\n"
                "      Acor=bcor*hcor=%s*%s=%smm$2$\n      Ucor=2*(bcor+hcor)=2*(%s+%s)=%smm",
                FormatNum(m_dSectionWidth, 0), strC, strBcor, FormatNum(m_dSectionHeight, 0), strC, strHcor, strBcor,
                strHcor, FormatNum(m_dAcor, 0), strBcor, strHcor, FormatNum(m_dUcor, 0));
}

// The required areas of one part; lpszPart is "" for the rectangle, "腹板" or "翼缘" for a T section.
void CStlcnGeneralParam::AddAreaLines(LPCTSTR lpszPart, LPCTSTR lpszTorque, LPCTSTR lpszModulus, double dTorque,
                                      double dWt, double dAst1, double dAstl) {
    CString strFormat;
    if (*lpszPart == '\0')
        strFormat =
            "      单肢受扭箍筋面积:\n      Asv1=(T-0.35*ft*Wt)*s/(1.2*sqrt(ζ)*fyv*Acor)\n"
            "          =(%s*10$6$-0.35*%s*%s)*%s/(1.2*sqrt(%s)*%s*%s)\n          =%smm$2$\n"
            "      全部受扭纵筋面积:\n      Astl=ζ*fyv*Ast1*Ucor/(fy*s)\n          =%s*%s*%s*%s/(%s*%s)\n"
            "          =%smm$2$";
    else
        strFormat.Format(
            "      %s单肢受扭箍筋面积:\n      Asv1=(%s-0.35*ft*%s)*s/(1.2*sqrt(ζ)*fyv*Acor)\n"
            "      \t     =(%%s*10$6$-0.35*%%s*%%s)*%%s/(1.2*sqrt(%%s)*%%s*%%s)\n          =%%smm$2$\n"
            "      %s全部受扭纵筋面积:\n      Astl=ζ*fyv*Ast1*Ucor/(fy*s)\n      \t     =%%s*%%s*%%s*%%s/(%%s*%%s)\n"
            "                  =%%smm$2$",
            lpszPart, lpszTorque, lpszModulus, lpszPart);
    CString strS = FormatNum(m_dHoopSteelInterval, 0);
    CString strZeta = FormatNum(m_dSteelGradeRatio, 2);
    CString strFyv = FormatNum(m_dFyv, 0);
    CString strAst1 = FormatNum(dAst1, 2);
    AddLine(m_arrProcessText, strFormat, FormatNum(dTorque, 3), FormatNum(m_dFt, 2), ModulusText(dWt), strS, strZeta,
            strFyv, FormatNum(m_dAcor, 0), strAst1, strZeta, strFyv, strAst1, FormatNum(m_dUcor, 0),
            FormatNum(m_dFy, 0), strS, FormatNum(dAstl, 0));
}

// The minimum ratios of one part, each after its heading; lpszPart is "", "腹板" or "翼缘".
void CStlcnGeneralParam::AddMinRatioLines(LPCTSTR lpszPart, BOOL bFlange) {
    CStringArray& lines = m_arrProcessText;
    BOOL bRect = *lpszPart == '\0';
    double dAst1 = bRect ? m_dSqrtSimpleHoopAst1 : bFlange ? m_dEdgeHoopAst1 : m_dBoardHoopAst1;
    double dAstl = bRect ? m_dSqrtAllVertiAstl : bFlange ? m_dEdgeAllVertiAstl : m_dBoardAllVertiAstl;
    double dPsv = bRect ? m_dSquarePsv : bFlange ? m_dTEdgePsv : m_dTBoardPsv;
    double dPtl = bRect ? m_dSquarePtl : bFlange ? m_dTEdgePtl : m_dTBoardPtl;
    BOOL bHoopMet = dPsv >= m_dPsvmin * 0.01;
    BOOL bVertiMet = dPtl >= m_dPtlmin * 0.01;
    CString strN = FormatNum(m_dHoopSteelCount, 0);
    CString strAst1 = FormatNum(dAst1, 2);
    CString strB = FormatNum(m_dSectionWidth, 0);
    CString strS = FormatNum(m_dHoopSteelInterval, 0);
    CString strPsv = FormatNum(dPsv * 100, 3);
    CString strPsvMin = FormatNum(m_dPsvmin, 3);
    CString strPtl = FormatNum(dPtl * 100, 3);
    CString strPtlMin = FormatNum(m_dPtlmin, 3);
    CString strHeading;
    strHeading.Format("      %s最小配箍率:", lpszPart);
    AddLine(lines, strHeading);
    if (bFlange)
        AddLine(lines,
                bHoopMet ? "      ρsv=n*Asv1/((b'f-b)*s)=%s*%s/((%s-%s)*%s)=%s%%≥ρsv,min=%s%%    %s"
                         : "      ρsv=n*Asv1/((b'f-b)*s)=%s*%s/((%s-%s)*%s)=%s%%＜ρsv,min=%s%%    %s",
                strN, strAst1, FormatNum(m_dTopCaltWidth, 0), strB, strS, strPsv, strPsvMin, m_strNote6);
    else
        AddLine(lines,
                bHoopMet ? "      ρsv=n*Asv1/(b*s)=%s*%s/(%s*%s)=%s%%≥ρsv,min=%s%%    %s"
                         : "      ρsv=n*Asv1/(b*s)=%s*%s/(%s*%s)=%s%%＜ρsv,min=%s%%    %s",
                strN, strAst1, strB, strS, strPsv, strPsvMin, m_strNote4);
    strHeading.Format("      %s最小配筋率:", lpszPart);
    AddLine(lines, strHeading);
    if (bFlange)
        AddLine(lines,
                bVertiMet ? "      ρtl=Astl/((b'f-b)*h'f)=%s/((%s-%s)*%s)=%s%%≥ρtl,min=%s%%    %s"
                          : "      ρtl=Astl/((b'f-b)*h'f)=%s/((%s-%s)*%s)=%s%%＜ρtl,min=%s%%    %s",
                FormatNum(dAstl, 0), FormatNum(m_dTopCaltWidth, 0), strB, FormatNum(m_dTopCaltHeight, 0), strPtl,
                strPtlMin, m_strNote7);
    else
        AddLine(lines,
                bVertiMet ? "      ρtl=Astl/(b*h)=%s/(%s*%s)=%s%%≥ρtl,min=%s%%    %s"
                          : "      ρtl=Astl/(b*h)=%s/(%s*%s)=%s%%＜ρtl,min=%s%%    %s",
                FormatNum(dAstl, 0), strB, FormatNum(m_dSectionHeight, 0), strPtl, strPtlMin, m_strNote5);
}

CStringArray& CStlcnGeneralParam::GetProcessTextDesign() {
    CStringArray& lines = m_arrProcessText;
    lines.RemoveAll();
    BOOL bT = IsTSection();
    AddLine(lines, "    1.计算受扭构件的截面受扭塑性抵抗矩:");
    AddWtLines("        ");
    AddLine(lines, "    2.计算截面有效高度和腹板高度:");
    AddDepthLines();
    AddLine(lines, "    3.确定受扭截面是否符合条件:");
    AddSectionLines();
    if (IsSectionRefused()) {
        AddLine(lines, "      受扭截面不符合条件,不进行配筋计算,请加大截面尺寸或提高混凝土强度等级。");
        return lines;
    }
    if (bT) {
        AddLine(lines, "    4.确定T形截面的扭矩分配:");
        AddLine(lines,
                "      Tw=Wtw/Wt*T=%s/%s*%s=%skN*m             【7.6.5-1】\n"
                "      Tf'=Wtf'/Wt*T=%s/%s*%s=%skN*m             【7.6.5-2】",
                ModulusText(m_dWtw), ModulusText(m_dWt), FormatNum(m_dTwistMoment, 3), FormatNum(m_dTw, 3),
                ModulusText(m_dWtf), ModulusText(m_dWt), FormatNum(m_dTwistMoment, 3), FormatNum(m_dTf, 3));
    }
    AddLine(lines, bT ? "    5.确定是否需要按构造配筋:" : "    4.确定是否需要按构造配筋:");
    double dConstruct = CalConstructLimit();
    AddLine(lines,
            m_dTwistMoment > dConstruct ? "      T=%skN*m＞(0.7*ft*Wt)/γo=(0.7*%s*%s)/%s=%skN*m\n      %s"
                                        : "      T=%skN*m≤(0.7*ft*Wt)/γo=(0.7*%s*%s)/%s=%skN*m\n      %s",
            FormatNum(m_dTwistMoment, 3), FormatNum(m_dFt, 2), ModulusText(m_dWt), FormatNum(m_dImportantCoef, 1),
            FormatNum(dConstruct, 3), m_strNote2);

    if (IsRectangle()) {
        if (CheckConstructRect() == 0) {
            AddLine(lines,
                    "      受扭纵筋:Astl=(0.6*sqrt(2.0)*ft/fy)*b*h=%smm$2$\n      受扭箍筋:Asv1=(0.28*ft/fyv)*b*s/n=%smm$2$",
                    FormatNum(m_dSqrtAllVertiAstl, 0), FormatNum(m_dSqrtSimpleHoopAst1, 2));
            return lines;
        }
        AddLine(lines, "    5.计算截面核心部分的面积和周长:");
        CalCoreRect();
        AddCoreLines(FALSE);
        AddLine(lines, "    6.计算受扭配筋面积:");
        AddAreaLines("", "T", "Wt", m_dTwistMoment, m_dWt, m_dSqrtSimpleHoopAst1, m_dSqrtAllVertiAstl);
        AddLine(lines, "    7.验算最小配筋(箍)率:");
        AddMinRatioLines("", FALSE);
    } else if (bT) {
        int nWeb = CheckConstructT();
        int nFlange = CheckConstructFlange();
        if (nWeb == 0 && nFlange == 0) {
            AddLine(lines,
                    "      腹板受扭纵筋:Astl=(0.6*sqrt(2.0)*ft/fy)*b*h=%smm$2$\n"
                    "      腹板受扭箍筋:Ast1=(0.28*ft/fyv)*b*s/n=%smm$2$\n"
                    "      翼缘受扭纵筋:Asvl=(0.6*sqrt(2.0)*ft/fy)*b*h=%smm$2$\n"
                    "      翼缘受扭箍筋:Asv1=(0.28*ft/fyv)*b*s/n=%smm$2$ ",
                    FormatNum(m_dBoardAllVertiAstl, 0), FormatNum(m_dBoardHoopAst1, 2), FormatNum(m_dEdgeAllVertiAstl, 0),
                    FormatNum(m_dEdgeHoopAst1, 2));
            return lines;
        }
        AddLine(lines, "    6.计算截面核心部分的面积和周长:");
        AddLine(lines, "      腹板截面核心部分的面积和周长:");
        CalCoreWeb();
        AddCoreLines(FALSE);
        AddLine(lines, "      翼缘截面核心部分的面积和周长:");
        CalCoreFlange();
        AddCoreLines(TRUE);
        AddLine(lines, "    7.计算受扭配筋面积:");
        CalCoreWeb();
        AddAreaLines("腹板", "Tw", "Wtw", m_dTw, m_dWtw, m_dBoardHoopAst1, m_dBoardAllVertiAstl);
        CalCoreFlange();
        AddAreaLines("翼缘", "Tf", "Wtf", m_dTf, m_dWtf, m_dEdgeHoopAst1, m_dEdgeAllVertiAstl);
        AddLine(lines, "    8.验算最小配筋(箍)率:");
        AddMinRatioLines("腹板", FALSE);
        AddMinRatioLines("翼缘", TRUE);
    }
    return lines;
}

void CStlcnGeneralParam::AddZetaLines(LPCTSTR lpszHeading, double dAst1, double dAstl, double dZeta) {
    CString strFormat;
    strFormat.Format("%s=fy*Astl*s/(fyv*%s*Ucor)=%%s*%%s*%%s/(%%s*%%s*%%s)=%%s", lpszHeading,
                     IsRectangle() ? "Ast1" : "Asv1");
    AddLine(m_arrProcessText, strFormat, FormatNum(m_dFy, 0), FormatNum(dAstl, 0), FormatNum(m_dHoopSteelInterval, 0),
            FormatNum(m_dFyv, 0), FormatNum(dAst1, 2), FormatNum(m_dUcor, 0), FormatNum(dZeta, 2));
    if (dZeta > 1.7)
        AddLine(m_arrProcessText, "      根据规范要求，因为ζ=%s>1.7,故ζ=1.7", FormatNum(dZeta, 2));
    else if (dZeta < 0.6)
        AddLine(m_arrProcessText, "      根据规范要求，因为ζ=%s<0.6,故ζ=0.6", FormatNum(dZeta, 2));
}

CStringArray& CStlcnGeneralParam::GetProcessTextCapacity() {
    CStringArray& lines = m_arrProcessText;
    lines.RemoveAll();
    BOOL bRect = IsRectangle();
    BOOL bT = IsTSection();
    CString strFt = FormatNum(m_dFt, 2);
    CString strFyv = FormatNum(m_dFyv, 0);
    CString strS = FormatNum(m_dHoopSteelInterval, 0);
    CString strGo = FormatNum(m_dImportantCoef, 1);

    AddLine(lines, "    1.验算最小配筋(箍)率:");
    if (bRect) {
        AddMinRatioLines("", FALSE);
    } else if (bT) {
        AddMinRatioLines("腹板", FALSE);
        AddMinRatioLines("翼缘", TRUE);
    }
    AddLine(lines, "    2.计算受扭构件的截面受扭塑性抵抗矩:");
    AddWtLines("         ");
    AddLine(lines, "    3.计算截面核心部分的面积和周长:");
    if (bRect) {
        CalCoreRect();
        AddCoreLines(FALSE);
    } else if (bT) {
        AddLine(lines, "      腹板截面核心部分的面积和周长:");
        CalCoreWeb();
        AddCoreLines(FALSE);
        AddLine(lines, "      翼缘截面核心部分的面积和周长:");
        CalCoreFlange();
        AddCoreLines(TRUE);
    }
    AddLine(lines, "    4.计算受扭纵筋与箍筋的配筋强度比值:");
    if (bRect) {
        CalCoreRect();
        AddZetaLines("      ζ", m_dSqrtSimpleHoopAst1, m_dSqrtAllVertiAstl, m_dZetaSquare);
    } else if (bT) {
        CalCoreWeb();
        AddZetaLines("      T形腹板受扭纵筋与箍筋的配筋强度比:\n      ζ1", m_dBoardHoopAst1, m_dBoardAllVertiAstl,
                     m_dZetaTBoard);
        CalCoreFlange();
        AddZetaLines("      T形翼缘受扭纵筋与箍筋的配筋强度比:\n      ζ2", m_dEdgeHoopAst1, m_dEdgeAllVertiAstl,
                     m_dZetaTEdge);
    }
    AddLine(lines, "    5.计算扭矩设计值:");
    if (bRect) {
        CalCoreRect();
        AddLine(lines,
                "      T=(0.35*ft*Wt+1.2*sqrt(ζ)*fyv*Ast1*Acor/s)/γo\n       =(0.35*%s*%s+1.2*sqrt(%s)*%s*%s*%s/%s)/%s\n"
                "       =%skN*m",
                strFt, ModulusText(m_dWt), FormatNum(m_dZetaSquareUsed, 2), strFyv, FormatNum(m_dSqrtSimpleHoopAst1, 2),
                FormatNum(m_dAcor, 0), strS, strGo, FormatNum(m_dSteelTorque, 3));
    } else if (bT) {
        CalCoreWeb();
        AddLine(lines,
                "      Tw=(0.35*ft*Wtw+1.2*sqrt(ζ)*fyv*Asv1*Acor/s)/γo\n      \t  =(0.35*%s*%s+1.2*sqrt(%s)*%s*%s*%s/%s)/%s\n"
                "      \t =%skN*m",
                strFt, ModulusText(m_dWtw), FormatNum(m_dZetaTBoardUsed, 2), strFyv, FormatNum(m_dBoardHoopAst1, 2),
                FormatNum(m_dAcor, 0), strS, strGo, FormatNum(m_dTw * 1e-06, 3));
        CalCoreFlange();
        AddLine(lines,
                "      Tf=(0.35*ft*Wtf+1.2*sqrt(ζ)*fyv*Asv1*Acor/s)/γo\n      \t  =(0.35*%s*%s+1.2*sqrt(%s)*%s*%s*%s/%s)/%s\n"
                "      \t =%skN*m",
                strFt, ModulusText(m_dWtf), FormatNum(m_dZetaTEdgeUsed, 2), strFyv, FormatNum(m_dEdgeHoopAst1, 2),
                FormatNum(m_dAcor, 0), strS, strGo, FormatNum(m_dTf * 1e-06, 3));
        AddLine(lines, "      T=Tw+Tf=%s+%s=%skN*m", FormatNum(m_dTw * 1e-06, 3), FormatNum(m_dTf * 1e-06, 3),
                FormatNum(m_dSteelTorque, 3));
    }
    AddLine(lines, "    6.计算截面有效高度和腹板高度:");
    AddDepthLines();
    AddLine(lines, "    7.确定受扭截面是否符合条件:");
    AddSectionLines();
    return lines;
}

// The areas of the short report (bReport, with the report's superscript) or of the list entry.
CString CStlcnGeneralParam::AreaText(BOOL bReport) const {
    CString strText;
    if (bReport && IsRectangle())
        strText.Format("    Asv1=%smm$2$\n    Astl=%smm$2$\n", (LPCTSTR)FormatNum(m_dSqrtSimpleHoopAst1, 2),
                       (LPCTSTR)FormatNum(m_dSqrtAllVertiAstl, 0));
    else if (bReport)
        strText.Format("    腹板Asv1=%smm$2$\n    腹板Astl=%smm$2$\n    翼缘Asv1=%smm$2$\n    翼缘Astl=%smm$2$\n",
                       (LPCTSTR)FormatNum(m_dBoardHoopAst1, 2), (LPCTSTR)FormatNum(m_dBoardAllVertiAstl, 0),
                       (LPCTSTR)FormatNum(m_dEdgeHoopAst1, 2), (LPCTSTR)FormatNum(m_dEdgeAllVertiAstl, 0));
    else if (IsRectangle())
        strText.Format("Asv1=%smm^2\nAstl=%smm^2\n", (LPCTSTR)FormatNum(m_dSqrtSimpleHoopAst1, 2),
                       (LPCTSTR)FormatNum(m_dSqrtAllVertiAstl, 0));
    else
        strText.Format("腹板截面Asv1=%smm^2\n腹板截面Astl=%smm^2\n翼缘截面Asv1=%smm^2\n翼缘截面Astl=%smm^2",
                       (LPCTSTR)FormatNum(m_dBoardHoopAst1, 2), (LPCTSTR)FormatNum(m_dBoardAllVertiAstl, 0),
                       (LPCTSTR)FormatNum(m_dEdgeHoopAst1, 2), (LPCTSTR)FormatNum(m_dEdgeAllVertiAstl, 0));
    return strText;
}

void CStlcnGeneralParam::GetShortDimensionText(CStringArray& arrDims) {
    AddLine(arrDims, "    h=%smm\n    b=%smm\n", FormatNum(m_dSectionHeight, 0), FormatNum(m_dSectionWidth, 0));
    if (IsTSection())
        AddLine(arrDims, "    h'f=%smm\n    b'f=%smm\n", FormatNum(m_dTopCaltHeight, 0), FormatNum(m_dTopCaltWidth, 0));
}

LPCTSTR CStlcnGeneralParam::GetShortLoadTitle() const { return IsDesignMode() ? "三、荷载参数" : "三、配筋信息"; }

// The process builders run first: they bring the recomputed values up to date.
void CStlcnGeneralParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    if (IsDesignMode())
        GetProcessTextDesign();
    else if (IsCapacityMode())
        GetProcessTextCapacity();
    CString strT;
    strT.Format("    T=%skN*m\n", (LPCTSTR)FormatNum(m_dTwistMoment, 3));
    if (IsDesignMode()) {
        arrLoads.Add(strT);
        arrResults.Add(IsSectionRefused() ? CString("    截面不符合要求,未配筋\n") : AreaText(TRUE));
    } else {
        arrLoads.Add(AreaText(TRUE));
        arrResults.Add(strT);
        if (IsCapacityCapped()) arrResults.Add("    " + m_strNote1 + "\n");
    }
}

void CStlcnGeneralParam::FillListText() {
    GetReportTitle();
    strCmdType = strTitle;
    if (IsRectangle())
        strDimInfo.Format("h=%smm\nb=%smm\n", (LPCTSTR)ftos(m_dSectionHeight), (LPCTSTR)ftos(m_dSectionWidth));
    else if (IsTSection())
        strDimInfo.Format("h=%smm\nb=%smm\nh'f=%smm\nb'f=%smm\n", (LPCTSTR)ftos(m_dSectionHeight),
                          (LPCTSTR)ftos(m_dSectionWidth), (LPCTSTR)ftos(m_dTopCaltHeight), (LPCTSTR)ftos(m_dTopCaltWidth));
    if (IsDesignMode()) {
        strLoadInfo.Format("T=%skN*m", (LPCTSTR)FormatNum(m_dTwistMoment, 3));
        strResultInfo = IsSectionRefused() ? CString("截面不符合要求,未配筋") : AreaText(FALSE);
    } else {
        strResultInfo.Format("T=%.3fkN*m", m_dTwistMoment);
        strLoadInfo = AreaText(FALSE);
    }
}
