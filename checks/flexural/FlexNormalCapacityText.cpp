// Process lines of the capacity mode ("已知配筋求弯矩"): the moment that the given steel carries, for
// the rectangular section (single or double steel) and the T section.
#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/Tolerance.h"

void CStlcnFlexNormalParam::GetProcessTextCapacityRect() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    double ho = CalHo();
    double xib = GetXib();

    if (m_strMatchBarType == "单筋") {
        CalCapacitySingle();
        double xi = CalXiCapacity();
        BOOL bWithinXib = IsLessEqual(xi, xib);
        AddLine(arr, "\t1. 验算最小配筋率");
        AddRatioLine(arr, FALSE, m_dAreasPl);
        AddMinVerdict(arr, FALSE, m_dAreasPl / (m_dB * m_dH));
        AddLine(arr, "\t2. 计算截面有效高度");
        AddHoLine(arr);
        AddLine(arr, "\t3. 确定相对界限受压区高度");
        AddXibLine(arr, 5);
        AddLine(arr, "\t4. 计算相对受压区高度");
        AddLine(arr,
                bWithinXib ? "\t\tξ=fy*As/(α1*fc*b*ho)=%s*%s/(%s*%s*%s*%s)=%s≤ξb=%s"
                           : "\t\tξ=fy*As/(α1*fc*b*ho)=%s*%s/(%s*%s*%s*%s)=%s>ξb=%s",
                FormatNum(Fy(), 0), FormatNum(m_dAreasPl, 0), Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dB, 0),
                HoText(), FormatNum(xi, 3), XibText());
        AddLine(arr, "\t5. 计算弯矩设计值");
        AddLine(arr,
                bWithinXib ? "\t\tM=ξ*(1-0.5*ξ)*α1*fc*b*ho*ho/γo=%s*(1-0.5*%s)*%s*%s*%s*%s*%s/%s"
                           : "\t\tM=ξb*(1-0.5*ξb)*α1*fc*b*ho*ho/γo=%s*(1-0.5*%s)*%s*%s*%s*%s*%s/%s",
                FormatNum(bWithinXib ? xi : xib, 3), FormatNum(bWithinXib ? xi : xib, 3), Alpha1Text(),
                FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText(), HoText(), FormatNum(m_dGo, 1));
        AddLine(arr, "\t\t =%skN*m", FormatNum(m_dM, 3));
        return;
    }

    CalCapacityDouble();
    double x = CalXCapacityDouble();
    AddLine(arr, "\t1. 验算受拉钢筋最小配筋率");
    AddRatioLine(arr, FALSE, m_dAreasPl);
    AddMinVerdict(arr, FALSE, m_dAreasPl / (m_dB * m_dH));
    AddLine(arr, "\t2. 验算受压钢筋最小配筋率");
    AddRatioLine(arr, TRUE, m_dAreasPs);
    AddMinVerdict(arr, TRUE, m_dAreasPs / (m_dB * m_dH));
    AddLine(arr, "\t3. 计算截面有效高度");
    AddHoLine(arr);
    AddLine(arr, "\t4. 计算混凝土受压区高度");
    AddLine(arr, "\t\tx=(fy*As-f'y*A's)/(α1*fc*b)=(%s*%s-%s*%s)/(%s*%s*%s)=%smm", FormatNum(Fy(), 0),
            FormatNum(m_dAreasPl, 0), FormatNum(FyPs(), 0), FormatNum(m_dAreasPs, 0), Alpha1Text(), FormatNum(Fc(), 1),
            FormatNum(m_dB, 0), FormatNum(x, 0));
    AddLine(arr, "\t5. 计算弯矩设计值");
    if (2 * m_dAsPs > x) {
        AddLine(arr, "\t\t2a's=2*%s=%s>x=%s", FormatNum(m_dAsPs, 0), FormatNum(2 * m_dAsPs, 0), FormatNum(x, 0));
        AddLine(arr, "\t\tM=fy*As*(ho-a's)/γo");
        AddLine(arr, "\t\t =%s*%s*(%s-%s)/%s", FormatNum(Fy(), 0), FormatNum(m_dAreasPl, 0), HoText(),
                FormatNum(m_dAsPs, 0), FormatNum(m_dGo, 1));
    } else if (x > xib * ho) {
        AddLine(arr, "\t\tξb*ho=%s*%s=%s<x=%s", XibText(), HoText(), FormatNum(xib * ho, 3), FormatNum(x, 0));
        AddLine(arr, "\t\tM=[ξb*(1-0.5*ξb)*α1*fc*b*ho*ho+f'y*A's*(ho-a's)]/γo");
        AddLine(arr, "\t\t =[%s*(1-0.5*%s)*%s*%s*%s*%s*%s+%s*%s(%s-%s)]/%s", XibText(), XibText(), Alpha1Text(),
                FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText(), HoText(), FormatNum(FyPs(), 0),
                FormatNum(m_dAreasPs, 0), HoText(), FormatNum(m_dAsPs, 0), FormatNum(m_dGo, 1));
    } else {
        AddLine(arr, "\t\t2a's=2*%s=%s≤x≤ξb*ho=%s*%s=%s", FormatNum(m_dAsPs, 0), FormatNum(2 * m_dAsPs, 0), XibText(),
                HoText(), FormatNum(xib * ho, 3));
        AddLine(arr, "\t\tM=[(ho-x/2)*α1*fc*b*x+f'y*A's*(ho-a's)]/γo");
        AddLine(arr, "\t\t =[(%s-%s/2)*%s*%s*%s*%s+%s*%s(%s-%s)]/%s", HoText(), FormatNum(x, 0), Alpha1Text(),
                FormatNum(Fc(), 1), FormatNum(m_dB, 0), FormatNum(x, 0), FormatNum(FyPs(), 0), FormatNum(m_dAreasPs, 0),
                HoText(), FormatNum(m_dAsPs, 0), FormatNum(m_dGo, 1));
    }
    AddLine(arr, "\t\t =%skN*m", FormatNum(m_dM, 3));
}

void CStlcnFlexNormalParam::GetProcessTextCapacityT() {
    CStringArray& arr = m_arrProcessText;
    arr.RemoveAll();
    CalCapacityT();
    double xib = GetXib();
    double xi = CalXiTCapacity();
    BOOL bWithinXib = IsLessEqual(xi, xib);
    BOOL bFirstClass = IsFlangeClassCapacity() == 1;
    double dConcrete = Alpha1() * Fc();

    AddLine(arr, "\t1. 验算最小配筋率");
    AddRatioLine(arr, FALSE, m_dAreasPl);
    AddMinVerdict(arr, FALSE, m_dAreasPl / (m_dB * m_dH));
    AddLine(arr, "\t2. 计算截面有效高度");
    AddHoLine(arr);
    AddLine(arr, "\t3. 判断截面类型");
    AddLine(arr,
            bFirstClass ? "\t\tfyAs=%s*%s=%skN≤α1*fc*b'f*h'f=%s*%s*%s*%s=%skN, 属于第一类T形截面。"
                        : "\t\tfyAs=%s*%s=%skN>α1*fc*b'f*h'f=%s*%s*%s*%s=%skN, 属于第二类T形截面。",
            FormatNum(Fy(), 0), FormatNum(m_dAreasPl, 0), FormatNum(Fy() * m_dAreasPl * 1e-3, 3), Alpha1Text(),
            FormatNum(Fc(), 1), FormatNum(m_dBf, 0), FormatNum(m_dHf, 0),
            FormatNum(dConcrete * m_dBf * m_dHf * 1e-3, 3));
    AddLine(arr, "\t4. 确定相对界限受压区高度");
    AddXibLine(arr, 5);
    AddLine(arr, "\t5. 计算相对受压区高度");
    CString strXi = FormatNum(bWithinXib ? xi : xib, 3);
    if (bFirstClass) {
        AddLine(arr, "\t\tξ=fy*As/(α1*fc*b'f*ho)=%s*%s/(%s*%s*%s*%s)=%s", FormatNum(Fy(), 0), FormatNum(m_dAreasPl, 0),
                Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dBf, 0), HoText(), FormatNum(xi, 3));
        AddLine(arr, "\t6. 计算弯矩设计值");
        AddLine(arr,
                bWithinXib ? "\t\tM=ξ*(1-0.5*ξ)*α1*fc*b'f*ho*ho/γo=%s*(1-0.5*%s)*%s*%s*%s*%s*%s/%s"
                           : "\t\tM=ξb*(1-0.5*ξb)*α1*fc*b'f*ho*ho/γo=%s*(1-0.5*%s)*%s*%s*%s*%s*%s/%s",
                strXi, strXi, Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dBf, 0), HoText(), HoText(),
                FormatNum(m_dGo, 1));
        AddLine(arr, "\t\t =%skN*m", FormatNum(m_dM, 3));
        return;
    }
    AddLine(arr, "\t\tξ=(fy*As-α1*fc*(b'f-b)*h'f)/(α1*fc*b*ho)");
    AddLine(arr, "\t\t  =(%s*%s-%s*%s*(%s-%s)*%s)/(%s*%s*%s*%s)", FormatNum(Fy(), 0), FormatNum(m_dAreasPl, 0),
            Alpha1Text(), FormatNum(Fc(), 1), FormatNum(m_dBf, 0), FormatNum(m_dB, 0), FormatNum(m_dHf, 0),
            FormatNum(Alpha1(), 2), FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText());
    AddLine(arr, bWithinXib ? "\t\t  =%s≤ξb=%s" : "\t\t  =%s>ξb=%s", FormatNum(xi, 3), XibText());
    AddLine(arr, "\t6. 计算弯矩设计值");
    AddLine(arr, bWithinXib ? "\t\t M=[ξ*(1-0.5*ξ)*α1*fc*b*ho*ho+α1*fc*(b'f-b)*h'f*(ho-h'f/2)]/γo"
                            : "\t\t M=[ξb*(1-0.5*ξb)*α1*fc*b*ho*ho+α1*fc*(b'f-b)*h'f*(ho-h'f/2)]/γo");
    AddLine(arr, "\t\t  =[%s*(1-0.5*%s)*%s*%s*%s*%s*%s+%s*%s*(%s-%s)*%s*(%s-%s/2)]/%s", strXi, strXi, Alpha1Text(),
            FormatNum(Fc(), 1), FormatNum(m_dB, 0), HoText(), HoText(), FormatNum(Alpha1(), 2), FormatNum(Fc(), 1),
            FormatNum(m_dBf, 0), FormatNum(m_dB, 0), FormatNum(m_dHf, 0), HoText(), FormatNum(m_dHf, 0),
            FormatNum(m_dGo, 1));
    AddLine(arr, "\t\t  =%skN*m", FormatNum(m_dM, 3));
}
