// Information and process lines of the flexural oblique section's full report.
#include "checks/flexural/FlexObliqueParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"

void CStlcnFlexObliqueParam::GetInfoText(BOOL bDesign) {
    CStringArray& arr = m_arrInfoText;
    arr.RemoveAll();
    BOOL bTSection = m_strSectionType == "T形";
    if (IsRectangle() || bTSection) {
        AddLine(arr, "\t1. 几何参数");
        AddLine(arr, "\t\t截面类型: %s", m_strSectionType);
        AddLine(arr, "\t\t截面宽度: b=%smm", FormatNum(m_dB, 0));
        AddLine(arr, "\t\t截面高度: h=%smm", FormatNum(m_dH, 0));
        if (bTSection) {
            AddLine(arr, "\t\t上翼缘计算宽度:\tb'f=%smm", FormatNum(m_dBf, 0));
            AddLine(arr, "\t\t上翼缘计算高度:\th'f=%smm", FormatNum(m_dHf, 0));
        }
        if (m_strFType == "集中荷载独立梁")
            AddLine(arr, "\t\t集中荷载作用点至支座或节点边缘的距离：a=%smm", FormatNum(m_dA, 0));
    }
    AddLine(arr, "\t2. 材料信息");
    AddLine(arr, "\t\t混凝土等级:\t%s\tfc=%sN/mm$2$\tft=%sN/mm$2$ ", m_strConcreteGrade, FormatNum(Fc(), 1),
            FormatNum(Ft(), 2));
    AddLine(arr, "\t\t箍筋种类:\t%s\tfyv=%sN/mm$2$", m_strSteelBarGrade, FormatNum(Fyv(), 0));
    AddLine(arr, "\t\t箍筋间距:\ts=%smm", FormatNum(m_dS, 0));
    if (m_bIsAutoCalt == 1)
        AddLine(arr, "\t\t最小配箍率:\tρmin=0.24*ft/fyv=0.24*%s/%s=%s％ (自动计算)", FormatNum(Ft(), 2),
                FormatNum(Fyv(), 0), FormatNum(GetPmin() * 100, 3));
    else
        AddLine(arr, "\t\t最小配箍率:\tρmin=%s％", FormatNum(m_dPmin * 100, 3));
    AddLine(arr, "\t\t纵筋合力点至近边距离: as=%smm ", FormatNum(m_dAs, 0));
    if (bDesign) {
        AddLine(arr, "\t3. 荷载信息");
        AddLine(arr, "\t\tV=%skN", FormatNum(m_dV / N_PER_KN, 3));
    } else {
        AddLine(arr, "\t3. 配筋信息");
        AddLine(arr, "\t\tAsv=%smm$2$", FormatNum(m_dAreasSv, 0));
    }
    AddLine(arr, "\t4. 设计参数");
    AddLine(arr, "\t\t结构重要性系数: γo=%s", FormatNum(m_dGo, 1));
}

CStringArray& CStlcnFlexObliqueParam::GetInfoTextDesign() {
    GetInfoText(TRUE);
    return m_arrInfoText;
}

CStringArray& CStlcnFlexObliqueParam::GetInfoTextCapacity() {
    GetInfoText(FALSE);
    return m_arrInfoText;
}

void CStlcnFlexObliqueParam::AddHoHwLines(CStringArray& arrLines) const {
    CString strHo = FormatNum(CalHo(), 0);
    AddLine(arrLines, "\t\tho=h-as=%s-%s=%smm", FormatNum(m_dH, 0), FormatNum(m_dAs, 0), strHo);
    if (IsRectangle())
        AddLine(arrLines, "\t\thw=ho=%smm", FormatNum(CalHw(), 0));
    else
        AddLine(arrLines, "\t\thw=ho-h'f=%s-%s=%smm", strHo, FormatNum(m_dHf, 0), FormatNum(CalHw(), 0));
}

void CStlcnFlexObliqueParam::AddLambdaLine(CStringArray& arrLines) const {
    double dRatio = m_dA / CalHo();
    LPCTSTR lpszFormat = "\t\tλ=a/ho=%s/%s=%s";
    if (dRatio < 1.5)
        lpszFormat = "\t\tλ=a/ho=%s/%s=%s<1.5， 取λ=1.5";
    else if (dRatio > 3)
        lpszFormat = "\t\tλ=a/ho=%s/%s=%s>3， 取λ=3";
    AddLine(arrLines, lpszFormat, FormatNum(m_dA, 0), FormatNum(CalHo(), 0), FormatNum(dRatio, 3));
}

CString CStlcnFlexObliqueParam::LimitFigures(int nGoDecimals) const {
    CString strFigures;
    strFigures.Format("%s*%s*%s*%s/%s=%s", (LPCTSTR)CQeltConcrete::GetBetacStr(m_strConcreteGrade),
                      (LPCTSTR)FormatNum(Fc(), 1), (LPCTSTR)FormatNum(m_dB, 0), (LPCTSTR)FormatNum(CalHo(), 0),
                      (LPCTSTR)FormatNum(m_dGo, nGoDecimals), (LPCTSTR)FormatNum(CalSectionLimit() / N_PER_KN, 3));
    return strFigures;
}

void CStlcnFlexObliqueParam::AddDesignLimitLines(CStringArray& arr) const {
    double dHw = CalHw();
    double r = dHw / m_dB;
    double dLimit = CalSectionLimit();
    BOOL bPass = IsLessEqual(m_dV, dLimit);
    CString strHw = FormatNum(dHw, 0);
    CString strB = FormatNum(m_dB, 0);
    CString strR = FormatNum(r, 3);
    if (IsLessEqual(r, 4) || IsGreaterEqual(r, 6)) {
        BOOL bLow = IsLessEqual(r, 4);
        AddLine(arr, bLow ? "\t\t当hw/b=%s/%s=%s≤4 时" : "\t\t当hw/b=%s/%s=%s≥6 时", strHw, strB, strR);
        LPCTSTR lpszFactor = bLow ? "0.25" : "0.2";
        if (bPass) {
            AddLine(arr, "\t\tV≤%s*βc*fc*b*ho/γo\t\t%s", lpszFactor, bLow ? "【7.5.1-1】" : "【7.5.1-2】");
            AddLine(arr, "\t\t =%s*%s\t\t截面符合条件。", lpszFactor, LimitFigures(1) + "kN");
        } else {
            AddLine(arr, "\t\tV>%s*βc*fc*b*ho/γo", lpszFactor);
            AddLine(arr, "\t\t =%s*%s\t\t截面不符合条件。", lpszFactor, LimitFigures(1) + "kN");
        }
        return;
    }
    // Between the two limits the factor is interpolated; the lines print the factor that was used.
    CString strFactor = ftos(CalSectionLimitFactor());
    CString strBetac = CQeltConcrete::GetBetacStr(m_strConcreteGrade);
    double dFc = Fc();
    double dHo = CalHo();
    AddLine(arr, "\t\t当hw/b=%s/%s=%s,4<hw/b<6 时,", strHw, strB, strR);
    if (bPass) {
        AddLine(arr, "\t\tV≤%s*βc*fc*b*ho/γo", strFactor);
        AddLine(arr, "\t\t= %s*%s*%.2lf*%.2lf*%.2lf/%.3lf", strFactor, strBetac, dFc, m_dB, dHo, m_dGo);
        AddLine(arr, "\t\t= %.3lfkN  截面符合条件", dLimit / N_PER_KN);
    } else {
        AddLine(arr, "\t\tV>%s*βc*fc*b*ho/γo", strFactor);
        AddLine(arr, "\t= %s*%s*%.2lf*%.2lf*%.2lf/%.3lf", strFactor, strBetac, dFc, m_dB, dHo, m_dGo);
        AddLine(arr, "\t= %.3lfkN  截面不符合条件", dLimit / N_PER_KN);
        AddLine(arr, "\t取V=%skN", FormatNum(dLimit / N_PER_KN, 3));
    }
}

// The ratio check of an area of stirrups; a failed check names the area of the minimum ratio that
// the design took.
void CStlcnFlexObliqueParam::AddRatioLines(CStringArray& arr, double dArea, BOOL bTolerant,
                                           LPCTSTR lpszPassFormat) const {
    double dRatio = dArea / (m_dB * m_dS);
    double dPmin = GetPmin();
    CString strRatio = FormatNum(dRatio * 100, 3);
    CString strPmin = FormatNum(dPmin * 100, 3);
    AddLine(arr, "\t\tρ=Asv/(b*s)=%s/(%s*%s)=%s％", FormatNum(dArea, 0), FormatNum(m_dB, 0), FormatNum(m_dS, 0),
            strRatio);
    BOOL bPass = bTolerant ? IsGreaterEqual(dRatio, dPmin) : dRatio >= dPmin;
    if (bPass) {
        AddLine(arr, lpszPassFormat, strRatio, strPmin);
    } else {
        AddLine(arr, "\t\tρ=%s％<ρmin=%s％,不满足最小配箍率要求。", strRatio, strPmin);
        AddLine(arr, "\t\t取Asv=ρmin*b*s=%s％*%s*%s=%smm$2$ 。", strPmin, FormatNum(m_dB, 0), FormatNum(m_dS, 0),
                FormatNum(m_dAreasSv, 0));
    }
}

CStringArray& CStlcnFlexObliqueParam::GetProcessTextDesign() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    CalDesign();
    const LPCTSTR lpszPass = "\t\tρ=%s％≥ρmin=%s％,满足最小配箍率要求。";
    double dVcGo = CalVc() / m_dGo;
    double dAsvCalc = CalAsv();
    double dAsvMin = 0.24 * (Ft() / Fyv()) * m_dS * m_dB;
    BOOL bCalculated = !IsLessEqual(m_dV, dVcGo);
    CString strFt = FormatNum(Ft(), 2);
    CString strFyv = FormatNum(Fyv(), 0);
    CString strB = FormatNum(m_dB, 0);
    CString strHo = FormatNum(CalHo(), 0);
    CString strS = FormatNum(m_dS, 0);
    CString strGo = FormatNum(m_dGo, 1);
    CString strV = FormatNum(m_dV / N_PER_KN, 3);
    CString strVcGo = FormatNum(dVcGo / N_PER_KN, 3);
    CString strLambda = FormatNum(CalLambda(), 3);

    AddLine(arr, "\t%d. 计算截面有效高度和腹板高度", 1);
    AddHoHwLines(arr);
    AddLine(arr, "\t%d. 确定受剪面是否符合条件", 2);
    AddDesignLimitLines(arr);
    AddLine(arr, "\t%d. 确定是否需要按构造箍筋", 3);
    const LPCTSTR lpszMinArea = "\t\tAsv=(0.24*ft/fyv)*b*s=(0.24*%s/%s)*%s*%s=%smm$2$";
    const LPCTSTR lpszConstruction = "\t\t不进行斜截面的承载力计算，仅需按构造要求配置箍筋。";
    if (IsUniformLoad()) {
        if (bCalculated) {
            AddLine(arr, "\t\t0.7*ft*b*ho/γo=0.7*%s*%s*%s/%s=%skN<V=%skN\t\t需进行计算配置箍筋。", strFt, strB, strHo,
                    strGo, strVcGo, strV);
            AddLine(arr, "\t%d.计算箍筋面积", 4);
            AddLine(arr, "\t\tγo*V≤0.7*ft*b*ho+1.25*fyv*(Asv/s)*ho\t\t【7.5.4-2】");
            AddLine(arr, "\t\tAsv=(γo*V-0.7*ft*b*ho)*s/(1.25*fyv*ho)");
            AddLine(arr, "\t\t   =(%s*%s*10$3$-0.7*%s*%s*%s)*%s/(1.25*%s*%s)", strGo, strV, strFt, strB, strHo, strS,
                    strFyv, strHo);
            AddLine(arr, "\t\t   =%smm$2$", FormatNum(dAsvCalc, 0));
            AddLine(arr, "\t%d. 验算最小配箍率", 5);
            AddRatioLines(arr, dAsvCalc, TRUE, lpszPass);
        } else {
            AddLine(arr, "\t\t0.7*ft*b*ho/γo=0.7*%s*%s*%s/%s=%skN≥V=%skN", strFt, strB, strHo, strGo, strVcGo, strV);
            AddLine(arr, lpszConstruction);
            AddLine(arr, "\t%d. 计算箍筋面积", 4);
            AddLine(arr, lpszMinArea, strFt, strFyv, strB, strS, FormatNum(dAsvMin, 0));
            AddLine(arr, "\t%d. 验算最小配箍率", 5);
            AddRatioLines(arr, dAsvMin, TRUE, lpszPass);
        }
        return arr;
    }

    AddLambdaLine(arr);
    if (bCalculated) {
        AddLine(arr, "\t\t1.75/(λ+1)*ft*b*ho/γo=1.75/(%s+1)*%s*%s*%s/%s=%skN<V=%skN", strLambda, strFt, strB, strHo,
                strGo, strVcGo, strV);
        AddLine(arr, "\t\t需进行计算配置箍筋。");
        AddLine(arr, "\t4.计算箍筋面积");
        AddLine(arr, "\t\tγo*V≤1.75/(λ+1)*ft*b*ho+fyv*(Asv/s)*ho\t\t【7.5.4-4】");
        AddLine(arr, "\t\tAsv=(γo*V-1.75*ft*b*ho/(λ+1))*s/(fyv*ho)");
        AddLine(arr, "\t\t   =(%s*%s*10$3$-1.75*%s*%s*%s/(%s+1))*%s/(%s*%s)", strGo, strV, strFt, strB, strHo, strLambda,
                strS, strFyv, strHo);
        AddLine(arr, "\t\t   =%smm$2$", FormatNum(dAsvCalc, 0));
        AddLine(arr, "\t5. 验算最小配箍率");
        AddRatioLines(arr, dAsvCalc, FALSE, "\t    ρ=%s％≥ρmin=%s％,满足最小配箍率要求。");
    } else {
        AddLine(arr, "\t\t1.75/(λ+1)*ft*b*ho/γo=1.75/(%s+1)*%s*%s*%s/%s=%skN≥V=%skN", strLambda, strFt, strB, strHo,
                strGo, strVcGo, strV);
        AddLine(arr, lpszConstruction);
        AddLine(arr, "\t4. 计算箍筋面积");
        AddLine(arr, lpszMinArea, strFt, strFyv, strB, strS, FormatNum(dAsvMin, 0));
        AddLine(arr, "\t5. 验算最小配箍率");
        AddRatioLines(arr, dAsvMin, TRUE, lpszPass);
    }
    return arr;
}

void CStlcnFlexObliqueParam::AddCapacityLimitLines(CStringArray& arr, double dVu) const {
    double dHw = CalHw();
    double r = dHw / m_dB;
    double dLimit = CalSectionLimit();
    BOOL bOver = !IsLessEqual(dVu, dLimit);
    CString strHw = FormatNum(dHw, 0);
    CString strB = FormatNum(m_dB, 0);
    CString strR = FormatNum(r, 3);
    CString strVu = FormatNum(dVu / N_PER_KN, 3);
    CString strV = FormatNum(m_dV / N_PER_KN, 3);
    if (IsLessEqual(r, 4) || IsGreaterEqual(r, 6)) {
        BOOL bLow = IsLessEqual(r, 4);
        AddLine(arr, bLow ? "\t\t当hw/b=%s/%s=%s≤4 时\t【7.5.1-1】" : "\t\t当hw/b=%s/%s=%s≥6 时\t【7.5.1-2】", strHw, strB,
                strR);
        CString strFactor = bLow ? "0.25" : "0.2";
        if (bOver) {
            AddLine(arr, "\t\t%s*βc*fc*b*ho/γo=%s*%skN<V=%skN", strFactor, strFactor, LimitFigures(1), strVu);
            AddLine(arr, "\t\t截面不符合条件,取V=%skN", strV);
        } else {
            AddLine(arr, "\t\t%s*βc*fc*b*ho/γo=%s*%skN≥V=%skN", strFactor, strFactor, LimitFigures(1), strVu);
            AddLine(arr, "\t\t截面符合条件。");
        }
        return;
    }
    AddLine(arr, "\t\t当hw/b=%s/%s=%s,4<hw/b<6 时,", strHw, strB, strR);
    CString strLimit = FormatNum(dLimit / N_PER_KN, 3);
    if (bOver)
        AddLine(arr, "\t\tV>%skN\t\t截面不符合条件,取V=%skN 。", strLimit, strV);
    else
        AddLine(arr, "\t\tV≤%skN\t\t截面符合条件。", strLimit);
}

CStringArray& CStlcnFlexObliqueParam::GetProcessTextCapacity() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    CalCapacity();
    double dRatio = m_dAreasSv / (m_dB * m_dS);
    double dPmin = GetPmin();
    double dVu = CalShearCapacity();
    CString strFt = FormatNum(Ft(), 2);
    CString strFyv = FormatNum(Fyv(), 0);
    CString strB = FormatNum(m_dB, 0);
    CString strHo = FormatNum(CalHo(), 0);
    CString strS = FormatNum(m_dS, 0);
    CString strAsv = FormatNum(m_dAreasSv, 0);
    CString strGo = FormatNum(m_dGo, 1);

    AddLine(arr, "\t1. 验算最小配箍率");
    AddLine(arr, "\t\tρ=Asv/(b*s)=%s/(%s*%s)=%s％", strAsv, strB, strS, FormatNum(dRatio * 100, 3));
    AddLine(arr,
            IsGreaterEqual(dRatio, dPmin) ? "\t\tρ=%s％≥ρmin=%s％,满足最小配箍率要求。"
                                          : "\t\tρ=%s％<ρmin=%s％,不满足最小配箍率要求。",
            FormatNum(dRatio * 100, 3), FormatNum(dPmin * 100, 3));
    AddLine(arr, "\t2. 计算截面有效高度和腹板高度");
    AddHoHwLines(arr);
    AddLine(arr, "\t3. 计算斜截面受剪承载力");
    if (IsUniformLoad()) {
        AddLine(arr, "\t\tV=(0.7*ft*b*ho+1.25*fyv*(Asv/s)*ho)/γo\t\t【7.5.4-2】");
        AddLine(arr, "\t\t =(0.7*%s*%s*%s+1.25*%s*(%s/%s)*%s)/%s", strFt, strB, strHo, strFyv, strAsv, strS, strHo,
                strGo);
    } else {
        AddLambdaLine(arr);
        AddLine(arr, "\t\tV=(1.75/(λ+1)*ft*b*ho+fyv*(Asv/s)*ho)/γo\t\t【7.5.4-4】");
        AddLine(arr, "\t\t =(1.75/(%s+1)*%s*%s*%s+%s*(%s/%s)*%s)/%s", FormatNum(CalLambda(), 3), strFt, strB, strHo,
                strFyv, strAsv, strS, strHo, strGo);
    }
    AddLine(arr, "\t\t =%skN", FormatNum(dVu / N_PER_KN, 3));
    AddLine(arr, "\t4. 确定受剪面是否符合条件");
    AddCapacityLimitLines(arr, dVu);
    return arr;
}
