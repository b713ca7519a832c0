// Process lines of the design mode ("已知弯矩求配筋"): the rectangular section with single, double
// and given compression steel, and the T section. The texts with compression steel decide at each
// step between the regular course and a fall-back, and two fall-backs run the designs that write
// As and A's, so these texts are part of the calculation of the given compression steel.
#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/Tolerance.h"

CStringArray& CStlcnFlexNormalParam::GetProcessTextDesignDouble() {
    m_arrProcessText.RemoveAll();
    if (m_strMatchBarType == "双筋(已知受压钢筋)") {
        AddProcessTextKnownAsPs();
    } else if (m_strMatchBarType == "单筋" && IsRectangle()) {
        m_arrProcessText.Append(GetProcessTextDesignSingle(1));
    } else if (m_strMatchBarType == "双筋" && IsRectangle()) {
        AddProcessTextDouble();
    }
    return m_arrProcessText;
}

void CStlcnFlexNormalParam::AddAsPsDoubleLines(CStringArray& arrLines, LPCTSTR lpszClosing) const {
    CString strFormula = "\t\tA's=(γo*M-α1*fc*b*ho*ho*ξb*(1-0.5*ξb))/(fy'*(ho-as')";
    AddLine(arrLines, strFormula + lpszClosing);
    CString strNumbers = "\t\t   =(%s*%s*10$6$-%s*%s*%s*%s*%s*%s*(1-0.5*%s))/(%s*(%s-%s)";
    AddLine(arrLines, strNumbers + lpszClosing, FormatNum(m_dGo, 1), FormatNum(m_dM, 3), Alpha1Text(),
            FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText(), HoText(), XibText(), XibText(), FormatNum(FyPs(), 0),
            HoText(), FormatNum(m_dAsPs, 0));
    AddLine(arrLines, "\t\t   =%smm$2$", FormatNum(CalAsPsDouble(), 0));
}

// As = ξb·α1·fc·b·ho/fy + A's·fy'/fy with the compression steel in force; returns that As.
double CStlcnFlexNormalParam::AddAsBalancedLines(CStringArray& arrLines, int nFcDecimals) const {
    double ho = CalHo();
    double xib = GetXib();
    double dAs = (xib * Alpha1() * Fc() * m_dB * ho + FyPs() * m_dAreasPs) / Fy();
    AddLine(arrLines, "\t\tAs=ξb*α1*fc*b*ho/fy+A's*fy'/fy");
    AddLine(arrLines, "\t\t  =%s*%s*%s*%s*%s/%s+%s*%s/%s", XibText(), Alpha1Text(), FormatNum(Fc(), nFcDecimals),
            FormatNum(m_dB, 0), HoText(), FormatNum(Fy(), 0), FormatNum(m_dAreasPs, 0), FormatNum(FyPs(), 0),
            FormatNum(Fy(), 0));
    AddLine(arrLines, "\t\t  =%smm$2$", FormatNum(dAs, 0));
    return dAs;
}

// As = α1·fc·b·ho·ξ/fy of the single design.
void CStlcnFlexNormalParam::AddAsSingleLine(CStringArray& arrLines, int nFcDecimals) const {
    AddLine(arrLines, "\t\tAs＝α1*fc*b*ho*ξ/fy=%s*%s*%s*%s*%s/%s=%smm$2$", Alpha1Text(), FormatNum(Fc(), nFcDecimals),
            FormatNum(m_dB, 0), HoText(), FormatNum(CalXi(), 3), FormatNum(Fy(), 0), FormatNum(CalAsSingle(), 0));
}

// A's < 0 in a double design: no compression steel, or the minimum when the engineer asked for it.
void CStlcnFlexNormalParam::AddNoCompressionLines(LPCTSTR lpszReason) {
    CString strLine = lpszReason;
    if (m_bIsSingleRein != 0) {
        AddLine(m_arrProcessText, strLine + "因此不需配置受压钢筋，按单筋梁计算");
    } else {
        AddLine(m_arrProcessText, strLine + "因此按构造配筋");
        AddLine(m_arrProcessText, "\t\tA's=ρ'min*b*h=%s％*%s*%s=%smm$2$", Percent(GetPminPs()), FormatNum(m_dB, 0),
                FormatNum(m_dH, 0), FormatNum(m_dAreasPs, 0));
    }
}

// Compression steel given.
void CStlcnFlexNormalParam::AddProcessTextKnownAsPs() {
    CStringArray& arr = m_arrProcessText;
    // Values of the given compression steel, taken before a fall-back replaces it.
    double ho = CalHo();
    double dMPs = CalMPs();
    double dM1 = CalM1();
    double dAlphaS1 = CalAlphaS1();
    double dXi1 = CalXi1();
    double x1 = CalX1();
    double dXibHo = GetXib() * ho;

    AddLine(arr, "\t1. 验算受压钢筋最大、最小配筋率");
    AddCompressionCheck(arr, m_dAreasPs, FALSE, 0);
    AddLine(arr, "\t2. 计算截面有效高度");
    AddHoLine(arr);
    AddLine(arr, "\t3. 确定由A's所负担的弯矩设计值");
    AddLine(arr, "\t\tM'=fy'*A's*(ho-as')=%s*%s*(%s-%s)=%skN*m", FormatNum(FyPs(), 0), FormatNum(m_dAreasPs, 0),
            HoText(), FormatNum(m_dAsPs, 0), FormatNum(dMPs / NMM_PER_KNM, 3));
    AddLine(arr, "\t4. 确定由混凝土和As所负担的弯矩设计值");
    AddLine(arr, "\t\tM1=γo*M-M'=%s*%s-%s=%skN*m", FormatNum(m_dGo, 1), FormatNum(m_dM, 3), FormatNum(dMPs / NMM_PER_KNM, 3),
            FormatNum(dM1 / NMM_PER_KNM, 3));
    if (dM1 < 0) {
        AddLine(arr, "\t\t由于M1<0，因此按构造进行配筋。");
        AddLine(arr, "\t5. 计算纵向受拉钢筋面积");
        AddLine(arr, "\t\tAs=ρmin*b*h=%s％*%s*%s=%smm$2$", Percent(GetPminPl()), FormatNum(m_dB, 0),
                FormatNum(m_dH, 0), FormatNum(GetPminPl() * m_dB * m_dH, 0));
        return;
    }
    AddLine(arr, "\t5. 确定计算系数");
    AddLine(arr, "\t\tαs=M1/(α1*fc*b*ho*ho)=%s*10$6$/(%s*%s*%s*%s*%s)=%s", FormatNum(dM1 / NMM_PER_KNM, 3), Alpha1Text(),
            FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText(), HoText(), FormatNum(dAlphaS1, 3));
    // Beyond αs = 0.5 the concrete cannot take M1: there is no ξ, and x lies beyond ξb·ho.
    BOOL bHasXi = HasXi(dAlphaS1);
    AddLine(arr, "\t6. 计算相对受压区高度");
    if (bHasXi)
        AddLine(arr, "\t\tξ=1-sqrt(1-2αs)=1-sqrt(1-2*%s)=%s", FormatNum(dAlphaS1, 3), FormatNum(dXi1, 3));
    else
        AddNoXiLine(arr, dAlphaS1, "");
    AddLine(arr, "\t7. 计算受压区高度");
    if (bHasXi)
        AddLine(arr, "\t\tx=ξ*ho=%s*%s=%smm", FormatNum(dXi1, 3), HoText(), FormatNum(x1, 0));
    else
        AddLine(arr, "\t\tx=ξ*ho无解");
    AddLine(arr, "\t8. 计算纵向受拉钢筋面积");
    if (x1 < 2 * m_dAsPs) {
        // The compression steel takes the whole moment about its centroid.
        double dAs = m_dGo * m_dM * NMM_PER_KNM / (Fy() * (ho - m_dAsPs));
        AddLine(arr, "\t\t2*as'=2*%s=%s>x=%s", FormatNum(m_dAsPs, 0), FormatNum(2 * m_dAsPs, 0), FormatNum(x1, 0));
        AddLine(arr, "\t\tAs=γo*M/(fy*(ho-as'))=%s*%s*10$6$/(%s*(%s-%s))=%smm$2$", FormatNum(m_dGo, 1),
                FormatNum(m_dM, 3), FormatNum(Fy(), 0), HoText(), FormatNum(m_dAsPs, 0), FormatNum(dAs, 0));
        AddLine(arr, "\t9. 验算受拉钢筋最大、最小配筋率");
        AddDoubleTensionCheck(arr, dAs, m_dAreasPs, FALSE);
        return;
    }
    if (IsLessEqual(x1, dXibHo)) {
        double dAs = (Alpha1() * Fc() * m_dB * x1 + FyPs() * m_dAreasPs) / Fy();
        AddLine(arr, "\t\t2as'=2*%s=%s≤x≤ξb*ho=%s*%s=%s", FormatNum(m_dAsPs, 0), FormatNum(2 * m_dAsPs, 0), XibText(),
                HoText(), FormatNum(dXibHo, 0));
        AddLine(arr, "\t\tAs=(α1*fc*b*x+f'y*A's)/fy=(%s*%s*%s*%s+%s*%s)/%s=%smm$2$", Alpha1Text(), FormatNum(Fc(), 1),
                FormatNum(m_dB, 0), FormatNum(x1, 0), FormatNum(FyPs(), 0), FormatNum(m_dAreasPs, 0),
                FormatNum(Fy(), 0), FormatNum(dAs, 0));
        AddLine(arr, "\t9. 验算受拉钢筋最大、最小配筋率");
        AddDoubleTensionCheck(arr, dAs, m_dAreasPs, FALSE);
        return;
    }

    // x > ξb·ho: the given compression steel is too small; design both steels instead.
    if (bHasXi)
        AddLine(arr, "\t\tx=%s>ξb*ho=%s*%s=%s", FormatNum(x1, 0), XibText(), HoText(), FormatNum(dXibHo, 0));
    else
        AddLine(arr, "\t\tx>ξb*ho=%s*%s=%s", XibText(), HoText(), FormatNum(dXibHo, 0));
    AddLine(arr, "\t\t受压钢筋A's太小，应按A's未知，重新计算A's和As。");
    CalDesignDouble();
    double dAsPsReq = CalAsPsDouble();
    AddLine(arr, "\t10. 确定计算系数");
    AddAlphaSLine(arr);
    AddLine(arr, "\t11. 计算相对受压区高度");
    AddXiLine(arr, CalAlphaS(), CalXi(), "\t", "\t");
    AddLine(arr, "\t\t为充分发挥混凝土材料的受压能力，取ξ=ξb=%s。", XibText());
    AddLine(arr, "\t12. 计算纵向受压钢筋面积");
    AddAsPsDoubleLines(arr, "))");
    if (!IsLessEqual(dAsPsReq, 0)) {
        AddLine(arr, "\t 13.验算受压钢筋最大、最小配筋率");
        AddCompressionCheck(arr, dAsPsReq, TRUE, m_dAreasPs);
        AddLine(arr, "\t14. 计算纵向受拉筋面积");
        double dAs = AddAsBalancedLines(arr, 2);
        AddLine(arr, "\t15. 验算受拉钢筋最大、最小配筋率");
        AddDoubleTensionCheck(arr, dAs, m_dAreasPs, TRUE);
    } else {
        AddNoCompressionLines("\t\t由于A's≤0，");
        CalDesignSingle();
        AddLine(arr, "\t13. 计算纵向受拉刚筋面积");
        AddAsSingleLine(arr, 2);
        AddLine(arr, "\t14. 验算受拉钢筋最大、最小配筋率");
        AddTensionCheck(arr, CalAsSingle(), FALSE);
    }
}

// Both steels sought.
void CStlcnFlexNormalParam::AddProcessTextDouble() {
    CStringArray& arr = m_arrProcessText;
    double dAsPsReq = CalAsPsDouble();

    AddLine(arr, "\t1. 计算截面有效高度");
    AddHoLine(arr);
    AddLine(arr, "\t2. 计算相对界限受压区高度");
    AddXibLine(arr, 5);
    CalDesignDouble();
    AddLine(arr, "\t3. 确定计算系数");
    AddAlphaSLine(arr);
    AddLine(arr, "\t4. 计算相对受压区高度");
    int nStep = 5;
    if (!AddXiLine(arr, CalAlphaS(), CalXi(), "\t", "\t")) {
        AddLine(arr,
                HasXi(CalAlphaS()) ? "\t\t由于ξ > ξb且配筋计算方式为双筋，因此应计算受压和受拉纵筋面积，取ξ=ξb=%s。"
                                   : "\t\t由于αs>0.5且配筋计算方式为双筋，因此应计算受压和受拉纵筋面积，取ξ=ξb=%s。",
                XibText());
        AddLine(arr, "\t%d. 计算纵向受压钢筋面积", nStep);
        AddAsPsDoubleLines(arr, ")");
        nStep = 6;
        if (dAsPsReq / (m_dB * m_dH) < GetPminPs()) {
            AddLine(arr, "\t\tρ=%s％<ρ'min=%s％, 不满足最小配筋率要求，", Percent(dAsPsReq / (m_dB * m_dH)),
                    Percent(GetPminPs()));
            AddLine(arr, "\t\t取A's=ρ'min*b*h=%s％*%s*%s=%smm$2$", Percent(GetPminPs()), FormatNum(m_dB, 0),
                    FormatNum(m_dH, 0), FormatNum(m_dAreasPs, 0));
        }
    }
    if (!IsLessEqual(dAsPsReq, 0)) {
        AddLine(arr, "\t6. 计算纵向受拉筋面积");
        double dAs = AddAsBalancedLines(arr, 1);
        AddLine(arr, "\t7. 验算受拉钢筋最大、最小配筋率");
        AddDoubleTensionCheck(arr, dAs, m_dAreasPs, FALSE);
    } else {
        AddNoCompressionLines("\t\t由于ξ<=ξb，");
        AddLine(arr, "\t%d. 计算纵向受拉筋面积", nStep);
        AddAsSingleLine(arr, 1);
        AddLine(arr, "\t%d. 验算受拉钢筋最大、最小配筋率", nStep + 1);
        AddTensionCheck(arr, CalAsSingle(), FALSE);
    }
}

CStringArray& CStlcnFlexNormalParam::GetProcessTextDesignSingle(int nFirstStep) {
    CStringArray& arr = m_arrSingleText;
    arr.RemoveAll();
    int n = nFirstStep;
    AddLine(arr, "\t%d. 计算截面有效高度", n);
    AddHoLine(arr);
    AddLine(arr, "\t%d. 计算相对界限受压区高度", n + 1);
    AddXibLine(arr, 5);
    CalDesignSingle();
    AddLine(arr, "\t%d. 确定计算系数", n + 2);
    AddAlphaSLine(arr);
    AddLine(arr, "\t%d. 计算相对受压区高度", n + 3);
    if (!AddXiLine(arr, CalAlphaS(), CalXi(), "\t", "\t\t")) AddLine(arr, "\t\t超筋，不满足最大配筋率要求");
    AddLine(arr, "\t%d. 计算纵向受拉筋面积", n + 4);
    AddAsSingleLine(arr, 1);
    AddLine(arr, "\t%d. 验算最小配筋率", n + 5);
    AddMinRatioCheck(arr, CalAsSingle());
    return arr;
}

// The ratio of the designed area and, below the minimum, the area the design took.
void CStlcnFlexNormalParam::AddMinRatioCheck(CStringArray& arrLines, double dAs) const {
    AddRatioLine(arrLines, FALSE, dAs);
    if (!AddMinVerdict(arrLines, FALSE, dAs / (m_dB * m_dH))) AddTakeMinAsLine(arrLines, m_dAreasPl);
}

void CStlcnFlexNormalParam::GetProcessTextDesignT() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    CalDesignT();
    double ho = CalHo();
    double dConcrete = Alpha1() * Fc();
    double dAlphaS = CalAlphaST();
    double dXi = CalXiT();
    double dMf = dConcrete * m_dBf * m_dHf * (ho - m_dHf / 2) / NMM_PER_KNM;
    BOOL bFirstClass = IsFlangeClassDesign() == 1;

    AddLine(arr, "\t1. 计算截面有效高度");
    AddHoLine(arr);
    AddLine(arr, "\t2. 判断截面类型");
    AddLine(arr,
            bFirstClass ? "\t\tα1*fc*b'f*h'f*(ho-h'f/2)\n\t\t=%s*%s*%s*%s*(%s-%s/2)=%skN*m≥M*γo=%s*10$6$*%s=%skN*m"
                        : "\t\tα1*fc*b'f*h'f*(ho-h'f/2)=%s*%s*%s*%s*(%s-%s/2)=%skN*m<M*γo=%s*10$6$*%s=%skN*m",
            Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dBf, 0), FormatNum(m_dHf, 0), HoText(), FormatNum(m_dHf, 0),
            FormatNum(dMf, 3), FormatNum(m_dM, 3), FormatNum(m_dGo, 1), FormatNum(m_dGo * m_dM, 3));
    AddLine(arr, bFirstClass ? "\t\t属于第一类T形截面,可按b'f*h的单筋矩形截面进行计算。" : "\t\t属于第二类T形截面。");
    AddLine(arr, "\t3. 确定相对界限受压区高度");
    AddXibLine(arr, bFirstClass ? 5 : 0);
    AddLine(arr, "\t4. 确定计算系数");
    double dAs;
    if (bFirstClass) {
        AddLine(arr, "\t\tαs=γo*M/(α1*fc*b'f*ho*ho)=%s*%s*10$6$/(%s*%s*%s*%s*%s)=%s", FormatNum(m_dGo, 1),
                FormatNum(m_dM, 3), Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dBf, 0), HoText(), HoText(),
                FormatNum(dAlphaS, 3));
        AddLine(arr, "\t5. 计算相对受压区高度");
        AddXiLine(arr, dAlphaS, dXi, "\t", "\t\t");
        dAs = dConcrete * m_dBf * ho * dXi / Fy();
        AddLine(arr, "\t6. 计算纵向受拉钢筋面积 ");
        AddLine(arr, "\t\tAs=α1*fc*b'f*ho*ξ/fy=%s*%s*%s*%s*%s/%s=%smm$2$", Alpha1Text(), FormatNum(Fc(), 1),
                FormatNum(m_dBf, 0), HoText(), FormatNum(dXi, 3), FormatNum(Fy(), 0), FormatNum(dAs, 0));
    } else {
        AddLine(arr, "\t\tαs=(γo*M-(b'f-b)*h'f*α1*fc *(ho-h'f/2))/(α1*fc*b*ho$2$)");
        AddLine(arr, "\t\t   =(%s*%s*10$6$-(%s-%s)*%s*%s*%s*(%s-%s/2))/(%s*%s*%s*%s*%s)", FormatNum(m_dGo, 1),
                FormatNum(m_dM, 3), FormatNum(m_dBf, 0), FormatNum(m_dB, 0), FormatNum(m_dHf, 0), Alpha1Text(),
                FormatNum(Fc(), 1), HoText(), FormatNum(m_dHf, 0), FormatNum(Alpha1(), 2), FormatNum(Fc(), 1),
                FormatNum(m_dB, 0), HoText(), HoText());
        AddLine(arr, "\t\t   =%s", FormatNum(dAlphaS, 3));
        AddLine(arr, "\t5. 计算相对受压区高度");
        AddXiLine(arr, dAlphaS, dXi, "\t\t", "\t\t");
        dAs = ((m_dBf - m_dB) * m_dHf + dXi * m_dB * ho) * dConcrete / Fy();
        AddLine(arr, "\t6. 计算纵向受拉钢筋面积 ");
        AddLine(arr, "\t\tAs=(α1*fc*b*ho*ξ+(b'f-b)*h'f*α1*fc)/fy");
        AddLine(arr, "\t\t  =(%s*%s*%s*%s*%s+(%s-%s)*%s*%s*%s)/%s", Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dB, 0),
                HoText(), FormatNum(dXi, 3), FormatNum(m_dBf, 0), FormatNum(m_dB, 0), FormatNum(m_dHf, 0),
                FormatNum(Alpha1(), 2), FormatNum(Fc(), 1), FormatNum(Fy(), 0));
        AddLine(arr, "\t\t  =%smm$2$", FormatNum(dAs, 0));
    }
    AddLine(arr, "\t7. 验算最小配筋率");
    AddMinRatioCheck(arr, dAs);
}
