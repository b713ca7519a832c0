// Information and process lines of the deep flexural normal section's full report.
#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/QeltConcrete.h"

void CStlcnDeepFlexNormalParam::GetInfoText(BOOL bDesign) {
    CStringArray& arr = m_arrInfoText;
    arr.RemoveAll();
    AddLine(arr, "\t1. 几何参数");
    AddLine(arr, "\t\t梁宽: b=%smm", FormatNum(m_dB, 0));
    AddLine(arr, "\t\t梁高: h=%smm", FormatNum(m_dH, 0));
    AddLine(arr, "\t\t梁的计算跨度: lo=%smm", FormatNum(m_dLo, 0));
    AddLine(arr, "\t2. 材料信息");
    AddLine(arr, "\t\t混凝土等级:\t%s\tfc=%sN/mm$2$\tft=%sN/mm$2$ ", m_strConcreteGrade, FormatNum(Fc(), 1),
            FormatNum(Ft(), 2));
    AddLine(arr, "\t\t钢筋种类:\t%s\tfy=%sN/mm$2$", m_strSteelBarGrade, FormatNum(Fy(), 0));
    if (m_bIsAutoCalt == 1 && GetDeepTypeText() == "一般深受弯构件") {
        double v = 45 * Ft() / Fy();
        AddLine(arr, "\t\t最小配筋率: ρmin=max(0.200,45ft/fy)％=max(0.200,45*%s/%s)％=%s％\t(自动计算)", FormatNum(Ft(), 2),
                FormatNum(Fy(), 0), FormatNum(0.2 > v ? 0.2 : v, 3));
    } else if (m_bIsAutoCalt == 1) {
        AddLine(arr, "\t\t最小配筋率:\tρmin=%s％\t\t(自动计算)", FormatNum(GetPmin() * 100, 3));
    } else {
        AddLine(arr, "\t\t最小配筋率:\tρmin=%s％", FormatNum(m_dPmin * 100, 3));
    }
    arr.Add(AsInfoLine(m_dAs, m_dH));
    AddLine(arr, "\t3. 荷载信息");
    if (bDesign)
        AddLine(arr, "\t\tM=%skN*m", FormatNum(m_dM, 3));
    else
        AddLine(arr, "\t\tAs=%smm$2$", FormatNum(m_dAreas, 0));
    AddLine(arr, "\t4. 设计参数");
    AddLine(arr, "\t\t结构重要性系数: γo=%s", FormatNum(m_dGo, 1));
}

CStringArray& CStlcnDeepFlexNormalParam::GetInfoTextDesign() {
    GetInfoText(TRUE);
    return m_arrInfoText;
}

CStringArray& CStlcnDeepFlexNormalParam::GetInfoTextCapacity() {
    GetInfoText(FALSE);
    return m_arrInfoText;
}

// Step 1: the member class by lo/h; the design names lo/h in the general class by its value, the
// capacity by its symbol.
void CStlcnDeepFlexNormalParam::AddClassLines(CStringArray& arr, BOOL bDesign) const {
    BOOL bSimple = m_strGenType == "单跨简支梁";
    int nClass = bSimple ? GetDeepTypeSimple(m_dH, m_dLo) : GetDeepTypeContinuous(m_dH, m_dLo);
    CString strLo = FormatNum(m_dLo, 0);
    CString strH = FormatNum(m_dH, 0);
    CString strK = FormatNum(m_dLo / m_dH, 3);
    AddLine(arr, "\t1. 判断深受弯构件类型： ");
    if (nClass == DEEP_CLASS_DEEP_BEAM) {
        AddLine(arr, bSimple ? "\t\tlo/h=%s/%s=%s≤2, 属于深梁。" : "\t\tlo/h=%s/%s=%s≤2.5, 属于深梁。", strLo, strH, strK);
    } else if (nClass == DEEP_CLASS_GENERAL && bDesign) {
        AddLine(arr, bSimple ? "\t\tlo/h=%s/%s=%s, 2<%s<5, 属于一般深受弯构件。" : "\t\tlo/h=%s/%s=%s, 2.5<%s<5, 属于一般深受弯构件。",
                strLo, strH, strK, strK);
    } else if (nClass == DEEP_CLASS_GENERAL) {
        AddLine(arr,
                bSimple ? "\t\tlo/h=%s/%s=%s, 2<lo/h<5, 属于一般深受弯构件。" : "\t\tlo/h=%s/%s=%s, 2.5<lo/h<5, 属于一般深受弯构件。",
                strLo, strH, strK);
    } else {
        AddLine(arr, "\t\tlo/h=%s/%s=%s≥5, 不宜按深受弯构件进行设计。", strLo, strH, strK);
    }
}

void CStlcnDeepFlexNormalParam::AddHoLines(CStringArray& arr, LPCTSTR lpszHeading) const {
    AddLine(arr, lpszHeading);
    AddLine(arr, "\t\tho=h-as=%s-%s=%smm ", FormatNum(m_dH, 0), FormatNum(m_dAs, 0), FormatNum(CalHo(), 0));
}

CStringArray& CStlcnDeepFlexNormalParam::GetProcessTextDesign() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    double ho = CalHo();
    double dFy = Fy();
    double z;
    double dAs;
    AddClassLines(arr, TRUE);
    AddHoLines(arr, "\t2. 计算梁截面有效高度： ");
    if (IsShortSpan()) {
        z = CalZShort();
        dAs = CalAsShort();
        AddLine(arr, "\t3. 计算内力臂长度   ");
        AddLine(arr, "\t\tz=0.6*lo=0.6*%s=%smm\t\t\t\t【10.7.3-2】 ", FormatNum(m_dLo, 0), FormatNum(z, 2));
    } else {
        double dAlphaD = CalAlphaD();
        double A = CalA();
        double x0 = CalX();
        CString strAlphaD = FormatNum(dAlphaD, 3);
        CString strA = FormatNum(A, 2);
        CString strHo = FormatNum(ho, 0);
        AddLine(arr, "\t3. 计算内力臂长度 (lo≥h)");
        AddLine(arr, "\t\t3.1 计算截面受压区高度");
        AddLine(arr, "\t\t\tαd=0.8+0.04*lo/h=0.8+0.04*%s/%s=%s\t\t\t【10.7.3-3】 ", FormatNum(m_dLo, 0),
                FormatNum(m_dH, 0), strAlphaD);
        AddLine(arr, "\t\t\tz=αd*(ho-0.5x)\t\t\t\t\t\t\t【10.7.3-2】");
        AddLine(arr, "\t\t\ta1*fc*b*x=fy*As;\t\t\t\t\t\t【7.2.1-2】");
        AddLine(arr, "\t\t\tM=fy*As*z\t\t\t\t\t\t\t【10.7.3-1】");
        AddLine(arr, "\t\t\t =fy*As*ad*(ho-x/2);                          ");
        AddLine(arr, "\t\t\t =a1*fc*b*x*ad*(ho-x/2);                       ");
        AddLine(arr, "\t\t\t令A=a1*fc*b*ad=%s*%s*%s*%s=%smm$2$", FormatNum(Alpha1(), 2), FormatNum(Fc(), 1),
                FormatNum(m_dB, 0), strAlphaD, strA);
        AddLine(arr, "\t\t\tx=(A*ho±sqrt(A$2$*ho$2$-2*A*γo*M))/A ");
        AddLine(arr, "\t\t\t=(%s*%s±sqrt(%s$2$*%s$2$-2*%s*%s*%s*10$6$))/%s  ", strA, strHo, strA, strHo, strA,
                FormatNum(m_dGo, 1), FormatNum(m_dM, 3), strA);
        if (IsLessEqual(x0, 0)) {
            AddLine(arr, "\t\t\t受压区高度无解，修改参数重新计算。");
            return arr;
        }
        AddLine(arr, "\t\t\t=%smm", FormatNum(x0, 3));
        double xib = GetXib();
        double x = x0;
        AddLine(arr, "\t\t\tξb＝β1/(1+fy/Es/εcu)=%s ", FormatNum(xib, 3));
        if (x0 > xib * ho + 1e-6) {
            AddLine(arr, "\t\t\tx>ξb*ho＝%s*%s=%smm 属于超筋情况，受压区高度不满足要求。", FormatNum(xib, 3),
                    FormatNum(ho, 3), FormatNum(xib * ho, 3));
            return arr;
        } else {
            AddLine(arr, "\t\t\tx<=ξb*ho＝%s*%s=%smm 属于适筋情况，受压区高度满足要求。", FormatNum(xib, 3),
                    FormatNum(ho, 3), FormatNum(xib * ho, 3));
            if (x0 < 0.2 * ho) {
                x = 0.2 * ho;
                AddLine(arr, "\t\t\t因为x＜0.2ho=0.2*%s=%smm, 所以取 x=%smm。", strHo, FormatNum(x, 0), FormatNum(x, 0));
            }
        }
        z = dAlphaD * (ho - 0.5 * x);
        dAs = SteelArea(m_dGo * m_dM, dFy, z);
        AddLine(arr, "\t\t3.2 计算内力臂长度   ");
        AddLine(arr, "\t\t\tz=αd*(ho-0.5x)=%s*(%s-0.5*%s)=%smm\t\t【10.7.3-2】 ", strAlphaD, strHo, FormatNum(x, 0),
                FormatNum(z, 2));
    }
    AddLine(arr, "\t4. 计算纵向受拉钢筋");
    AddLine(arr, "\t\tAs=M/(fy*z)*γo=%s*10$6$/(%s*%s)*%s=%smm$2$\t\t【10.7.3-1】", FormatNum(m_dM, 3), FormatNum(dFy, 0),
            FormatNum(z, 2), FormatNum(m_dGo, 1), FormatNum(dAs, 0));
    AddLine(arr, "\t5. 验算配筋率");
    double dRatio = dAs / (m_dH * m_dB);
    double dPmin = GetPmin();
    CString strB = FormatNum(m_dB, 0);
    CString strH = FormatNum(m_dH, 0);
    if (IsGreaterEqual(dRatio, dPmin)) {
        AddLine(arr, "\t\tρ=As/(b*h)=%s/(%s*%s)=%s％≥ρmin=%s％\t\t\t【10.7.13】 ", FormatNum(m_dAreas, 0), strB, strH,
                FormatNum(m_dAreas / (m_dH * m_dB) * 100, 3), FormatNum(dPmin * 100, 3));
        AddLine(arr, "\t\t满足要求");
    } else {
        AddLine(arr, "\t\tρ=As/(b*h)=%s/(%s*%s)=%s％\t\t\t【10.7.13】 ", FormatNum(dAs, 0), strB, strH,
                FormatNum(dRatio * 100, 3));
        AddLine(arr, "\t\tρ=%s％<ρmin=%s％，不满足最小配筋率要求，", FormatNum(dRatio * 100, 3), FormatNum(dPmin * 100, 3));
        AddLine(arr, "\t\t取As=ρmin*b*h=%s％*%s*%s=%smm$2$ 。", FormatNum(dPmin * 100, 3), strB, strH,
                FormatNum(m_dAreas, 0));
    }
    return arr;
}

CStringArray& CStlcnDeepFlexNormalParam::GetProcessTextCapacity() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    double ho = CalHo();
    double dFy = Fy();
    double dRatio = m_dAreas / (m_dH * m_dB);
    double dPmin = GetPmin();
    CString strRatio = FormatNum(dRatio * 100, 3);
    CString strAs = FormatNum(m_dAreas, 0);
    AddClassLines(arr, FALSE);
    AddLine(arr, "\t2. 验算最小配筋率");
    AddLine(arr, "\t\tρ=As/(b*h)=%s/(%s*%s)=%s％\t\t\t【10.7.13】 ", strAs, FormatNum(m_dB, 0), FormatNum(m_dH, 0),
            strRatio);
    AddLine(arr,
            IsGreaterEqual(dRatio, dPmin) ? "\t\tρ=%s％≥ρmin=%s％，满足最小配筋率要求。"
                                          : "\t\tρ=%s％<ρmin=%s％，不满足最小配筋率要求，",
            strRatio, FormatNum(dPmin * 100, 3));
    AddHoLines(arr, "\t3. 计算梁截面有效高度： ");
    double z;
    if (IsShortSpan()) {
        z = CalZShort();
        AddLine(arr, "\t4. 计算内力臂长度 (lo＜h)");
        AddLine(arr, "\t\tz＝0.6*lo＝0.6*%s＝%smm     【10.7.3-2】 ", FormatNum(m_dLo, 0), FormatNum(z, 2));
    } else {
        double xib = GetXib();
        double x0 = CalXByAs();
        double x = x0;
        CString strHo = FormatNum(ho, 0);
        AddLine(arr, "\t4. 计算内力臂长度 (lo≥h)");
        AddLine(arr, "\t\t4.1 确定相对界限受压区高度");
        AddLine(arr, "\t\t\tξb＝β1/(1+fy/Es/εcu)＝%s　", FormatNum(xib, 3));
        AddLine(arr, "\t\t4.2 计算相对受压区高度");
        AddLine(arr, "\t\t\ta1*fc*b*x=fy*As;\t\t\t\t\t\t【7.2.1-2】");
        AddLine(arr, "\t\t\tx＝fy*As/(α1*fc*b)＝%s*%s/(%s*%s*%s)=%smm", FormatNum(dFy, 0), strAs,
                CQeltConcrete::GetAlpha1Str(m_strConcreteGrade), FormatNum(Fc(), 1), FormatNum(m_dB, 0),
                FormatNum(x0, 3));
        if (IsCapacityCapped()) {
            x = xib * ho;
            AddLine(arr, "\t\t\tx＞ξb*ho=%s*%s=%smm   属于超筋情况，取x=ξb*ho=%smm", FormatNum(xib, 3), strHo,
                    FormatNum(x, 0), FormatNum(x, 3));
        } else {
            AddLine(arr, "\t\t\tx≤ξb*ho=%s*%s=%smm   属于适筋情况，相对受压区高度满足", FormatNum(xib, 3), strHo,
                    FormatNum(xib * ho, 0));
            if (IsLessEqual(x0, 0.2 * ho)) {
                x = 0.2 * ho;
                AddLine(arr, "\t\t\t因为x≤0.2ho=0.2*%s=%smm，所以取 x=%smm", strHo, FormatNum(x, 0), FormatNum(x, 0));
            }
        }
        double dAlphaD = CalAlphaD();
        z = dAlphaD * (ho - 0.5 * x);
        AddLine(arr, "\t\t4.3 计算内力臂长度");
        AddLine(arr, "\t\t\tαd＝0.8+0.04lo/h＝0.8+0.04*%s/%s=%s     【10.7.3-3】 ", FormatNum(m_dLo, 0), FormatNum(m_dH, 0),
                FormatNum(dAlphaD, 3));
        AddLine(arr, "\t\t\tz＝αd*(ho-0.5x)＝%s*(%s-0.5*%s)＝%smm     【10.7.3-2】 ", FormatNum(dAlphaD, 3), strHo,
                FormatNum(x, 3), FormatNum(z, 2));
    }
    AddLine(arr, "\t5. 计算弯矩设计值");
    if (IsCapacityCapped())
        AddLine(arr, "\t\tM＝α1*fc*b*x*z/γo＝%s*%s*%s*%s*%s/%s=%skN*m      【10.7.3-1】",
                CQeltConcrete::GetAlpha1Str(m_strConcreteGrade), FormatNum(Fc(), 1), FormatNum(m_dB, 0),
                FormatNum(GetXByAs(), 3), FormatNum(z, 2), FormatNum(m_dGo, 1), FormatNum(m_dM, 3));
    else
        AddLine(arr, "\t\tM＝fy*z*As/γo＝%s*%s*%s/%s=%skN*m      【10.7.3-1】", FormatNum(dFy, 0), FormatNum(z, 2), strAs,
                FormatNum(m_dGo, 1), FormatNum(m_dM, 3));
    return arr;
}
