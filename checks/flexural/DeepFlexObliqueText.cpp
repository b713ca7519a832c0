// Information and process lines of the deep flexural oblique section's full report, in its three
// modes: find Ash, find Asv and the shear capacity.
#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"

// One minimum-ratio line of the materials: the code's formula for a general deep member when the
// minimum is computed, the computed value for a deep beam, or the user's ratio.
CString CStlcnDeepFlexObliqueParam::MinRatioLine(BOOL bHorizontal) const {
    int bAuto = bHorizontal ? m_bIsAutoCaltSh : m_bIsAutoCaltSv;
    CString strMin = FormatNum((bHorizontal ? GetPminSh() : GetPminSv()) * 100, 3);
    CString strLine;
    if (bAuto == 1 && GetDeepType() == 1) {
        strLine.Format(bHorizontal ? "\t\t水平分布钢筋最小配筋率:\tρsh,min=0.24ft/fyh=0.24*%s/%s=%s％\t(自动计算)"
                                   : "\t\t竖向分布钢筋最小配筋率:\tρsv,min=0.24ft/fyv=0.24*%s/%s=%s％\t(自动计算)",
                       (LPCTSTR)FormatNum(Ft(), 2), (LPCTSTR)FormatNum(bHorizontal ? Fyh() : Fyv(), 0), (LPCTSTR)strMin);
    } else if (bAuto == 1) {
        strLine.Format(bHorizontal ? "\t\t水平分布钢筋最小配筋率:\tρsh,min=%s％\t(自动计算)"
                                   : "\t\t竖向分布钢筋最小配筋率:\tρsv,min=%s％\t(自动计算)",
                       (LPCTSTR)strMin);
    } else {
        strLine.Format(bHorizontal ? "\t\t水平分布钢筋最小配筋率:\tρsh,min=%s％ " : "\t\t竖向分布钢筋最小配筋率:\tρsv,min=%s％ ",
                       (LPCTSTR)strMin);
    }
    return strLine;
}

void CStlcnDeepFlexObliqueParam::GetInfoText(int nMode) {
    CStringArray& arr = m_arrInfoText;
    arr.RemoveAll();
    AddLine(arr, "\t1. 几何参数");
    AddLine(arr, "\t\t梁宽: b=%smm", FormatNum(m_dB, 0));
    AddLine(arr, "\t\t梁高: h=%smm", FormatNum(m_dH, 0));
    AddLine(arr, "\t\t梁的计算跨度: lo=%smm", FormatNum(m_dLo, 0));
    if (nMode != 2 && m_strDeepFType == "集中荷载独立梁")
        AddLine(arr, "\t\t集中荷载作用点至支座或节点边缘的距离：a=%smm", FormatNum(m_dA, 0));
    AddLine(arr, "\t2. 材料信息");
    AddLine(arr, "\t\t混凝土等级:\t\t%s\tfc=%sN/mm$2$\tft=%sN/mm$2$ ", m_strConcreteGrade, FormatNum(Fc(), 1),
            FormatNum(Ft(), 2));
    AddLine(arr, "\t\t水平分布钢筋种类:\t%s\tfyh=%sN/mm$2$", m_strSteelBarGradeHor, FormatNum(Fyh(), 0));
    AddLine(arr, "\t\t水平分布钢筋间距:\tSv=%smm", FormatNum(m_dSv, 0));
    AddLine(arr, "\t\t竖向分布钢筋种类:\t%s\tfyv=%sN/mm$2$", m_strSteelBarGradeVer, FormatNum(Fyv(), 0));
    AddLine(arr, "\t\t竖向分布钢筋间距:\tSh=%smm", FormatNum(m_dSh, 0));
    arr.Add(MinRatioLine(TRUE));
    arr.Add(MinRatioLine(FALSE));
    arr.Add(AsInfoLine(m_dAs, m_dH));
    CString strAsh = FormatNum(m_dAreasSh, 0);
    CString strAsv = FormatNum(m_dAreasSv, 0);
    if (nMode == 2) {
        AddLine(arr, "\t3. 配筋信息");
        AddLine(arr, "\t\tAsh=%smm$2$", strAsh);
        AddLine(arr, "\t\tAsv=%smm$2$", strAsv);
        AddLine(arr, "\t4. 设计参数");
    } else {
        AddLine(arr, "\t3. 荷载信息");
        AddLine(arr, "\t\tV=%skN", FormatNum(m_dV / N_PER_KN, 3));
        AddLine(arr, "\t4. 配筋信息");
        if (nMode == 0)
            AddLine(arr, "\t\tAsv=%smm$2$", strAsv);
        else
            AddLine(arr, "\t\tAsh=%smm$2$", strAsh);
        AddLine(arr, "\t5. 设计参数");
    }
    AddLine(arr, "\t\t结构重要性系数: γo=%s", FormatNum(m_dGo, 1));
}

CStringArray& CStlcnDeepFlexObliqueParam::GetInfoTextDesignAsh() {
    GetInfoText(0);
    return m_arrInfoText;
}

CStringArray& CStlcnDeepFlexObliqueParam::GetInfoTextDesignAsv() {
    GetInfoText(1);
    return m_arrInfoText;
}

CStringArray& CStlcnDeepFlexObliqueParam::GetInfoTextCapacity() {
    GetInfoText(2);
    return m_arrInfoText;
}

CString CStlcnDeepFlexObliqueParam::ClassLine() const {
    BOOL bSimple = m_strDeepType == "单跨简支梁";
    double r = SpanRatio();
    LPCTSTR lpszFormat;
    if (IsLessEqual(r, bSimple ? 2 : 2.5))
        lpszFormat = bSimple ? "\t\tlo/h=%s/%s=%s≤2, 属于深梁。" : "\t\tlo/h=%s/%s=%s≤2.5, 属于深梁。";
    else if (HasResult())
        lpszFormat = bSimple ? "\t\tlo/h=%s/%s=%s, 2<lo/h<5, 属于一般深受弯构件。" : "\t\tlo/h=%s/%s=%s, 2.5<lo/h<5, 属于一般深受弯构件。";
    else
        lpszFormat = "\t\tlo/h=%s/%s=%s≥5, 不宜按深受弯构件进行设计。";
    CString strLine;
    strLine.Format(lpszFormat, (LPCTSTR)FormatNum(m_dLo, 0), (LPCTSTR)FormatNum(m_dH, 0), (LPCTSTR)FormatNum(r, 3));
    return strLine;
}

void CStlcnDeepFlexObliqueParam::AddClassLines(CStringArray& arr) const {
    AddLine(arr, "\t1. 判断深受弯构件类型");
    arr.Add(ClassLine());
}

void CStlcnDeepFlexObliqueParam::AddHoHwLines(CStringArray& arr, LPCTSTR lpszHeading) const {
    AddLine(arr, lpszHeading);
    AddLine(arr, "\t\tho=h-as=%s-%s=%smm", FormatNum(m_dH, 0), FormatNum(m_dAs, 0), FormatNum(CalHo(), 0));
    AddLine(arr, "\t\thw=ho=%smm", FormatNum(CalHo(), 0));
}

void CStlcnDeepFlexObliqueParam::AddSpanRatioLines(CStringArray& arr, LPCTSTR lpszHeading, LPCTSTR lpszBelowTwo) const {
    AddLine(arr, lpszHeading);
    double r = SpanRatio();
    AddLine(arr, r < 2 ? lpszBelowTwo : "\t\tlo/h=%s/%s=%s", FormatNum(m_dLo, 0), FormatNum(m_dH, 0), FormatNum(r, 3));
}

CString CStlcnDeepFlexObliqueParam::LimitFigures() const {
    CString strFigures;
    strFigures.Format("%s)*(%s*%s*%s*%s)/%s=%skN", (LPCTSTR)FormatNum(CalLoH(), 3),
                      (LPCTSTR)CQeltConcrete::GetBetacStr(m_strConcreteGrade), (LPCTSTR)FormatNum(Fc(), 1),
                      (LPCTSTR)FormatNum(m_dB, 0), (LPCTSTR)FormatNum(CalHo(), 0), (LPCTSTR)FormatNum(m_dGo, 1),
                      (LPCTSTR)FormatNum(CalSectionLimit() / N_PER_KN, 3));
    return strFigures;
}

void CStlcnDeepFlexObliqueParam::AddDesignLimitLines(CStringArray& arr, BOOL bInterpolatedFormula) const {
    double r = CalHo() / m_dB;
    double dLimit = CalSectionLimit();
    BOOL bPass = IsLessEqual(m_dV, dLimit);
    CString strHo = FormatNum(CalHo(), 0);
    CString strB = FormatNum(m_dB, 0);
    CString strR = FormatNum(r, 3);
    AddLine(arr, "\t4. 确定受剪面是否符合条件");
    if (IsLessEqual(r, 4) || IsGreaterEqual(r, 6)) {
        BOOL bLow = IsLessEqual(r, 4);
        LPCTSTR lpszK = bLow ? "10" : "7";
        AddLine(arr, bLow ? "\t\t当hw/b=%s/%s=%s≤4 时" : "\t\t当hw/b=%s/%s=%s≥6 时", strHo, strB, strR);
        if (bPass)
            AddLine(arr, "\t\tV≤(1/60)*(%s+lo/h)*(βc*fc*b*ho)/γo\t\t%s", lpszK, bLow ? "【10.7.4-1】" : "【10.7.4-2】");
        else
            AddLine(arr, "\t\tV>(1/60)*(%s+lo/h)*(βc*fc*b*ho)/γo\t", lpszK);
        AddLine(arr, bPass ? "\t\t =(1/60)*(%s+%s\t\t截面符合条件。" : "\t\t =(1/60)*(%s+%s\t\t截面不符合条件。", lpszK,
                LimitFigures());
        return;
    }
    AddLine(arr, "\t\t当hw/b=%s/%s=%s, 4<hw/b<6 时,按线形内插法取值", strHo, strB, strR);
    CString strLimit = FormatNum(dLimit / N_PER_KN, 3);
    if (!bInterpolatedFormula) {
        AddLine(arr, bPass ? "\t\tV≤%skN\t\t截面符合条件。" : "\t\tV>%skN\t\t截面不符合条件。", strLimit);
        return;
    }
    CString strK = FormatNum(CalSectionLimitFactor(), 3);
    if (bPass)
        AddLine(arr,
                "\t\tV≤(1/60)*(%s+lo/h)*(βc*fc*b*ho)/γo\t\t             【10.7.4-1】\n\t       ≤(1/60)*(%s+%s\t\t截面符合条件。",
                strK, strK, LimitFigures());
    else
        AddLine(arr,
                "\t\tV>(1/60)*(%s+lo/h)*(βc*fc*b*ho)/γo\t\t             【10.7.4-1】\n\t       =(1/60)*(%s+%s\t\t截面不符合条件。",
                strK, strK, LimitFigures());
}

void CStlcnDeepFlexObliqueParam::AddCapacityLimitLines(CStringArray& arr, double dVu) const {
    double r = CalHo() / m_dB;
    double dLimit = CalSectionLimit();
    BOOL bPass = IsLessEqual(dVu, dLimit);
    CString strHo = FormatNum(CalHo(), 0);
    CString strB = FormatNum(m_dB, 0);
    CString strR = FormatNum(r, 3);
    CString strLimit = FormatNum(dLimit / N_PER_KN, 3);
    AddLine(arr, "\t6. 确定受剪面是否符合条件");
    if (IsLessEqual(r, 4) || IsGreaterEqual(r, 6)) {
        BOOL bLow = IsLessEqual(r, 4);
        LPCTSTR lpszK = bLow ? "10" : "7";
        AddLine(arr, bLow ? "\t\t当hw/b=%s/%s=%s≤4 时" : "\t\t当hw/b=%s/%s=%s≥6 时", strHo, strB, strR);
        if (bPass) {
            AddLine(arr, "\t\tV≤(1/60)*(%s+lo/h)*(βc*fc*b*ho)/γo\t\t%s", lpszK, bLow ? "【10.7.4-1】" : "【10.7.4-2】");
            AddLine(arr, "\t\t =(1/60)*(%s+%s\t\t截面符合条件。", lpszK, LimitFigures());
        } else {
            AddLine(arr, "\t\tV>(1/60)*(%s+lo/h)*(βc*fc*b*ho)/γo\t", lpszK);
            AddLine(arr, "\t\t =(1/60)*(%s+%s\t\t截面不符合条件,", lpszK, LimitFigures());
            AddLine(arr, bLow ? "\t\t取V=(1/60)*(10+lo/h)*(βc*fc*b*ho))=%skN" : "\t\t取V=(1/60)*(7+lo/h)*(βc*fc*b*ho)=%skN",
                    strLimit);
        }
        return;
    }
    AddLine(arr, "\t\t当hw/b=%s/%s=%s, 4<hw/b<6 时,按线形内插法取值", strHo, strB, strR);
    if (bPass) {
        AddLine(arr, "\t\tV≤%skN\t\t截面符合条件。", strLimit);
    } else {
        AddLine(arr, "\t\tV>%skN\t\t截面不符合条件。", strLimit);
        AddLine(arr, "\t\t取V=%skN", strLimit);
    }
}

void CStlcnDeepFlexObliqueParam::AddLambdaLines(CStringArray& arr, BOOL bByRatio) const {
    double r = SpanRatio();
    CString strLo = FormatNum(m_dLo, 0);
    CString strH = FormatNum(m_dH, 0);
    CString strR = FormatNum(r, 3);
    if (IsLessEqual(r, 2)) {
        AddLine(arr, "\t\tlo/h=%s/%s=%s≤2，取λ=0.25", strLo, strH, strR);
        return;
    }
    if (r >= 5) return;
    double dRatio = m_dA / CalHo();
    AddLine(arr, "\t\tlo/h=%s/%s=%s，2<lo/h<5，取λ=a/ho=%s/%s=%s", strLo, strH, strR, FormatNum(m_dA, 0),
            FormatNum(CalHo(), 0), FormatNum(dRatio, 3));
    double dUpper = 0.92 * r - 1.58;
    double dLower = 0.42 * r - 0.58;
    if (dRatio > dUpper) {
        CString strUpper = FormatNum(dUpper, 3);
        if (bByRatio)
            AddLine(arr, "\t\tλ的上限值:\t0.92lo/h-1.58=0.92*%s-1.58=%s，取λ=%s", strR, strUpper, strUpper);
        else
            AddLine(arr, "\t\tλ的上限值:\t0.92lo/h-1.58=0.92*%s/%s-1.58=%s，取λ=%s", strLo, strH, strUpper, strUpper);
    } else if (dRatio < dLower) {
        CString strLower = FormatNum(dLower, 3);
        if (bByRatio)
            AddLine(arr, "\t\tλ的下限值:\t0.42lo/h-0.58=0.42*%s-0.58=%s，取λ=%s", strR, strLower, strLower);
        else
            AddLine(arr, "\t\tλ的下限值:\t0.42lo/h-0.58=0.42*%s/%s-0.58=%s，取λ=%s", strLo, strH, strLower, strLower);
    }
}

// Step 7 of the design modes: the required area against the minimum ratio; a failed check names
// the area that the design took.
void CStlcnDeepFlexObliqueParam::AddMinRatioCheck(CStringArray& arr, BOOL bHorizontal, double dRequired,
                                                  double dTaken) const {
    double dSpacing = bHorizontal ? m_dSv : m_dSh;
    double dRatio = dRequired / (m_dB * dSpacing);
    double dMin = bHorizontal ? GetPminSh() : GetPminSv();
    CString strRequired = FormatNum(dRequired, 0);
    CString strB = FormatNum(m_dB, 0);
    CString strSpacing = FormatNum(dSpacing, 0);
    CString strRatio = FormatNum(dRatio * 100, 3);
    CString strMin = FormatNum(dMin * 100, 3);
    AddLine(arr, "\t7. 验算最小配筋率");
    if (IsGreaterEqual(dRatio, dMin)) {
        AddLine(arr,
                bHorizontal ? "\t\tρsh=Ash/(b*Sv)=%s/(%s*%s)=%s％≥ρsh,min=%s％\t\t\t【10.7.13】 "
                            : "\t\tρsv=Asv/(b*Sh)=%s/(%s*%s)=%s％≥ρsv,min=%s％\t\t\t【10.7.13】 ",
                strRequired, strB, strSpacing, strRatio, strMin);
        AddLine(arr, "\t\t满足最小配筋率要求");
    } else {
        AddLine(arr,
                bHorizontal ? "\t\tρsh=Ash/(b*Sv)=%s/(%s*%s)=%s％\t\t\t【10.7.13】 "
                            : "\t\tρsv=Asv/(b*Sh)=%s/(%s*%s)=%s％\t\t\t【10.7.13】 ",
                strRequired, strB, strSpacing, strRatio);
        AddLine(arr,
                bHorizontal ? "\t\tρsh=%s％<ρsh,min=%s％，不满足最小配筋率要求，" : "\t\tρsv=%s％<ρsv,min=%s％，不满足最小配筋率要求，",
                strRatio, strMin);
        AddLine(arr,
                bHorizontal ? "\t\t取Ash=ρsh,min*b*Sv=%s％*%s*%s=%smm$2$ 。" : "\t\t取Asv=ρsv,min*b*Sh=%s％*%s*%s=%smm$2$ 。",
                strMin, strB, strSpacing, FormatNum(dTaken, 0));
    }
}

CStringArray& CStlcnDeepFlexObliqueParam::GetProcessTextDesignAsh() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    AddClassLines(arr);
    if (!HasResult()) return arr;
    CalDesignAsh();
    double dVcs = CalShearByAsv();
    CString strLoH = FormatNum(CalLoH(), 3);
    CString strFt = FormatNum(Ft(), 2);
    CString strB = FormatNum(m_dB, 0);
    CString strHo = FormatNum(CalHo(), 0);
    CString strFyv = FormatNum(Fyv(), 0);
    CString strAsv = FormatNum(m_dAreasSv, 0);
    CString strSh = FormatNum(m_dSh, 0);
    CString strGo = FormatNum(m_dGo, 1);
    CString strV = FormatNum(m_dV / N_PER_KN, 3);
    CString strLambda = FormatNum(CalLambda(), 3);
    BOOL bUniform = IsUniformLoad();

    AddHoHwLines(arr, "\t2. 计算梁截面有效高度和腹板高度");
    AddSpanRatioLines(arr, "\t3. 确定跨高比", "\t\tlo/h=%s/%s=%s<2.0, 取lo/h=2.000。");
    AddDesignLimitLines(arr, TRUE);
    AddLine(arr, "\t5. 确定是否需按构造配筋");
    if (bUniform) {
        AddLine(arr, "\t\t [0.7*(8-lo/h)*ft*b*ho/(3*1000)+1.25*(lo/h-2)*fyv*Asv*ho/(3*Sh*1000)]/γo");
        AddLine(arr, "\t\t=[0.7*(8-%s)*%s*%s*%s/(3*1000)+1.25*(%s-2)*%s*%s*%s/(3*%s*1000)]/%s", strLoH, strFt, strB, strHo,
                strLoH, strFyv, strAsv, strHo, strSh, strGo);
    } else {
        AddLambdaLines(arr, FALSE);
        AddLine(arr, "\t\t [1.75/(λ+1)*ft*b*ho/1000+(lo/h-2)*fyv*Asv*ho/(3*Sh*1000)]/γo");
        AddLine(arr, "\t\t=[1.75/(%s+1)*%s*%s*%s/1000+(%s-2)*%s*%s*%s/(3*%s*1000)]/%s", strLambda, strFt, strB, strHo,
                strLoH, strFyv, strAsv, strHo, strSh, strGo);
    }
    if (IsLessEqual(m_dV, dVcs)) {
        AddLine(arr, "\t\t=%s≥V=%skN", FormatNum(dVcs / N_PER_KN, 3), strV);
        AddLine(arr, "\t\t不需进行配筋计算，仅需按构造要求配箍。");
        AddLine(arr, "\t\tAsh=ρsh,min*b*Sv=%s％*%s*%s=%smm$2$", FormatNum(GetPminSh() * 100, 3), strB,
                FormatNum(m_dSv, 0), FormatNum(m_dAreasSh, 0));
        return arr;
    }
    AddLine(arr, "\t\t=%s<V=%skN", FormatNum(dVcs / N_PER_KN, 3), strV);
    AddLine(arr, "\t\t不符合构造要求，需计算水平分布钢筋。");

    double x = (m_dV - dVcs) * m_dGo / N_PER_KN;
    CString strX = FormatNum(x, 3);
    double dRequired = CalAsh();
    AddLine(arr, "\t6. 计算水平分布钢筋");
    if (bUniform) {
        AddLine(arr, "\t\t令x=V*γo-0.7*(8-lo/h)*ft*b*ho/3-1.25*(lo/h-2)*fyv*Asv*ho/(3*Sh)");
        AddLine(arr, "\t\t   =%s*%s-0.7*(8-%s)*%s*%s*%s/3/1000", strV, strGo, strLoH, strFt, strB, strHo);
        AddLine(arr, "\t\t\t-1.25*(%s-2)*%s*%s*%s/(3*%s*1000)", strLoH, strFyv, strAsv, strHo, strSh);
    } else {
        AddLine(arr, "\t\t令x=V*γo-1.75/(λ+1)*ft*b*ho-(lo/h-2)*fyv*Asv*ho/(3*Sh)");
        AddLine(arr, "\t\t   =%s*%s-1.75/(%s+1)*%s*%s*%s/1000", strV, strGo, strLambda, strFt, strB, strHo);
        AddLine(arr, "\t\t\t-(%s-2)*%s*%s*%s/(3*%s*1000)", strLoH, strFyv, strAsv, strHo, strSh);
    }
    AddLine(arr, "\t\t   =%skN", strX);
    AddLine(arr, "\t\tAsh=6*x*1000*Sv/((5-lo/h)*fyh*ho)");
    AddLine(arr, "\t\t   =6*%s*1000*%s/((5-%s)*%s*%s)", strX, FormatNum(m_dSv, 0), strLoH, FormatNum(Fyh(), 0), strHo);
    AddLine(arr, "\t\t   =%smm$2$", FormatNum(dRequired, 0));
    AddMinRatioCheck(arr, TRUE, dRequired, m_dAreasSh);
    return arr;
}

CStringArray& CStlcnDeepFlexObliqueParam::GetProcessTextDesignAsv() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    AddClassLines(arr);
    if (!HasResult()) return arr;
    CalDesignAsv();
    double dVcs = CalShearByAsh();
    CString strLoH = FormatNum(CalLoH(), 3);
    CString strFt = FormatNum(Ft(), 2);
    CString strB = FormatNum(m_dB, 0);
    CString strHo = FormatNum(CalHo(), 0);
    CString strFyh = FormatNum(Fyh(), 0);
    CString strAsh = FormatNum(m_dAreasSh, 0);
    CString strSv = FormatNum(m_dSv, 0);
    CString strSh = FormatNum(m_dSh, 0);
    CString strGo = FormatNum(m_dGo, 1);
    CString strV = FormatNum(m_dV / N_PER_KN, 3);
    CString strLambda = FormatNum(CalLambda(), 3);
    CString strMin = FormatNum(GetPminSv() * 100, 3);
    BOOL bUniform = IsUniformLoad();

    AddHoHwLines(arr, "\t2. 计算梁截面有效高度和腹板高度");
    AddSpanRatioLines(arr, "\t3. 确定跨高比", "\t\tlo/h=%s/%s=%s<2.0, 取lo/h=2.000。");
    AddDesignLimitLines(arr, FALSE);
    AddLine(arr, "\t5. 确定是否需按构造配筋");
    CString strMinArea;
    strMinArea.Format("\t\tAsv=ρsv,min*b*Sh=%s％*%s*%s=%smm$2$", (LPCTSTR)strMin, (LPCTSTR)strB, (LPCTSTR)strSh,
                      (LPCTSTR)FormatNum(m_dAreasSv, 0));
    if (CalLoH() == 2) {
        AddLine(arr, "\t\t由于lo/h=2.000，Asv仍取构造配筋。");
        AddLine(arr, "\t\tρsv,min=%s％", strMin);
        arr.Add(strMinArea);
        return arr;
    }
    BOOL bCalculated = !IsLessEqual(m_dV, dVcs);
    if (bUniform) {
        AddLine(arr, "\t\t [0.7*(8-lo/h)*ft*b*ho/(3*1000)+(5-lo/h)*fyh*Ash*ho/(6*Sv*1000)]/γo");
        AddLine(arr, "\t\t=[0.7*(8-%s)*%s*%s*%s/(3*1000)+(5-%s)*%s*%s*%s/(6*%s*1000)]/%s", strLoH, strFt,
                FormatNum(m_dB, bCalculated ? 2 : 0), strHo, strLoH, strFyh, strAsh, strHo, strSv, strGo);
    } else {
        AddLambdaLines(arr, FALSE);
        AddLine(arr, "\t\t [1.75/(λ+1)*ft*b*ho/1000+(5-lo/h)*fyh*Ash*ho/(6*Sv*1000)]/γo");
        AddLine(arr, "\t\t=[1.75/(%s+1)*%s*%s*%s/1000+(5-%s)*%s*%s*%s/(6*%s*1000)]/%s", strLambda, strFt, strB, strHo,
                strLoH, strFyh, strAsh, strHo, strSv, strGo);
    }
    if (!bCalculated) {
        AddLine(arr, "\t\t=%s≥V=%skN", FormatNum(dVcs / N_PER_KN, 3), strV);
        AddLine(arr, "\t\t不需进行配筋计算，仅需按构造要求配箍。");
        arr.Add(strMinArea);
        return arr;
    }
    AddLine(arr, "\t\t=%s<V=%skN", FormatNum(dVcs / N_PER_KN, 3), strV);
    AddLine(arr, "\t\t不符合构造要求，需计算竖向分布钢筋。");

    double x = (m_dV - dVcs) * m_dGo / N_PER_KN;
    CString strX = FormatNum(x, 3);
    CString strFyv = FormatNum(Fyv(), 0);
    double dRequired = CalAsv();
    AddLine(arr, "\t6. 计算竖向分布钢筋");
    if (bUniform) {
        AddLine(arr, "\t\t令x=V*γo-0.7*(8-lo/h)*ft*b*ho/3-(5-lo/h)*fyh*Ash*ho/(6*Sv)");
        AddLine(arr, "\t\t   =%s*%s-0.7*(8-%s)*%s*%s*%s/(3*1000)", strV, strGo, strLoH, strFt, strB, strHo);
    } else {
        AddLine(arr, "\t\t令x=V*γo-1.75/(λ+1)*ft*b*ho-(5-lo/h)*fyh*Ash*ho/(6*Sv)");
        AddLine(arr, "\t\t   =%s*%s-1.75/(%s+1)*%s*%s*%s/1000", strV, strGo, strLambda, strFt, strB, strHo);
    }
    AddLine(arr, "\t\t\t-(5-%s)*%s*%s*%s/(6*%s*1000)", strLoH, strFyh, strAsh, strHo, strSv);
    AddLine(arr, "\t\t   =%skN", strX);
    if (bUniform) {
        AddLine(arr, "\t\tAsv=3*x*1000*Sh/(1.25*(lo/h-2)*fyv*ho)");
        AddLine(arr, "\t\t   =3*%s*1000*%s/(1.25*(%s-2)*%s*%s)", strX, strSh, strLoH, strFyv, strHo);
    } else {
        AddLine(arr, "\t\tAsv=3*x*1000*Sh/((lo/h-2)*fyv*ho)");
        AddLine(arr, "\t\t   =3*%s*1000*%s/((%s-2)*%s*%s)", strX, strSh, strLoH, strFyv, strHo);
    }
    AddLine(arr, "\t\t   =%smm$2$", FormatNum(dRequired, 0));
    AddMinRatioCheck(arr, FALSE, dRequired, m_dAreasSv);
    return arr;
}

CStringArray& CStlcnDeepFlexObliqueParam::GetProcessTextCapacity() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    AddClassLines(arr);
    if (!HasResult()) return arr;
    CalCapacity();
    double dVu = CalShearCapacity();
    CString strB = FormatNum(m_dB, 0);
    CString strSv = FormatNum(m_dSv, 0);
    CString strSh = FormatNum(m_dSh, 0);
    double dRatioSh = m_dAreasSh / (m_dB * m_dSv);
    double dRatioSv = m_dAreasSv / (m_dB * m_dSh);
    double dMinSh = GetPminSh();
    double dMinSv = GetPminSv();

    AddLine(arr, "\t2. 验算最小配筋率");
    AddLine(arr, "\t\t2.1 验算水平分布钢筋最小配筋率");
    AddLine(arr,
            IsGreaterEqual(dRatioSh, dMinSh) ? "\t\tρsh=Ash/(b*Sv)=%s/(%s*%s)=%s％≥ρsh,min=%s％\t满足最小配筋率要求。"
                                             : "\t\tρsh=Ash/(b*Sv)=%s/(%s*%s)=%s％<ρsh,min=%s％\t不满足最小配筋率要求。",
            FormatNum(m_dAreasSh, 0), strB, strSv, FormatNum(dRatioSh * 100, 3), FormatNum(dMinSh * 100, 3));
    AddLine(arr, "\t\t2.2 验算竖向分布钢筋最小配筋率");
    AddLine(arr,
            IsGreaterEqual(dRatioSv, dMinSv) ? "\t\tρsv=Asv/(b*Sh)=%s/(%s*%s)=%s％≥ρsv,min=%s％\t满足最小配筋率要求。"
                                             : "\t\tρsv=Asv/(b*Sh)=%s/(%s*%s)=%s％<ρsv,min=%s％\t不满足最小配筋率要求。",
            FormatNum(m_dAreasSv, 0), strB, strSh, FormatNum(dRatioSv * 100, 3), FormatNum(dMinSv * 100, 3));
    AddHoHwLines(arr, "\t3. 计算梁截面有效高度和腹板高度");
    AddSpanRatioLines(arr, "\t4. 确定跨高比", "\t\tlo/h=%s/%s=%s<2.0, 取lo/h=2");

    CString strLoH = FormatNum(CalLoH(), 3);
    CString strFt = FormatNum(Ft(), 2);
    CString strHo = FormatNum(CalHo(), 0);
    CString strFyv = FormatNum(Fyv(), 0);
    CString strAsv = FormatNum(m_dAreasSv, 0);
    AddLine(arr, "\t5. 计算斜截面受剪承载力");
    if (IsUniformLoad()) {
        AddLine(arr, "\t\tV=[(0.7/3)(8-lo/h)(ft*b*ho)+(1.25/3)(lo/h-2)(fyv*Asv*ho/Sh)");
        AddLine(arr, "\t\t\t+1/6*(5-lo/h)(fyh*Ash*ho/Sv)]/γo\t\t【10.7.5-1】");
        AddLine(arr, "\t\t =[(0.7/3)(8-%s)(%s*%s*%s/1000)+(1.25/3)(%s-2)(%s*%s*%s/(%s*1000))", strLoH, strFt, strB, strHo,
                strLoH, strFyv, strAsv, strHo, strSh);
    } else {
        AddLambdaLines(arr, TRUE);
        AddLine(arr, "\t\tV=[(1.75/(λ+1))(ft*b*ho)+(1/3)(lo/h-2)(fyv*Asv*ho/Sh)");
        AddLine(arr, "\t\t\t+1/6*(5-lo/h)(fyh*Ash*ho/Sv)]/γo\t\t【10.7.5-2】");
        AddLine(arr, "\t\t =[(1.75/(%s+1))(%s*%s*%s/1000)+(1/3)(%s-2)(%s*%s*%s/(%s*1000))", FormatNum(CalLambda(), 3),
                strFt, strB, strHo, strLoH, strFyv, strAsv, strHo, strSh);
    }
    AddLine(arr, "\t\t\t+1/6*(5-%s)(%s*%s*%s/(%s*1000))]/%s", strLoH, FormatNum(Fyh(), 0), FormatNum(m_dAreasSh, 0),
            strHo, strSv, FormatNum(m_dGo, 1));
    AddLine(arr, "\t\t =%skN", FormatNum(dVu / N_PER_KN, 3));
    AddCapacityLimitLines(arr, dVu);
    return arr;
}
