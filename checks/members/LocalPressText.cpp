// Reports and list entry of the local compression check.
#include "checks/members/LocalPressParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"

CString CStlcnLocalPressParam::GetReportTitle() { return strTitle; }

void CStlcnLocalPressParam::FillReportText() {
    GetInfoText();
    GetProcessText();
}

void CStlcnLocalPressParam::GetInfoText() {
    CStringArray& lines = m_arrInfoText;
    lines.RemoveAll();
    AddLine(lines, "    1.几何参数:");
    AddLine(lines, "      计算底面积分布形状: %s", m_strPressedAreaType);
    if (IsCircle())
        AddLine(lines, "      局部受压区直径: d=%smm", FormatNum(m_dSectionDiameter, 0));
    else
        AddLine(lines, "      局部受压区长度: a=%smm\n      局部受压区宽度: b=%smm", FormatNum(GetLongSide(), 0),
                FormatNum(GetShortSide(), 0));
    if (m_bIsAutoCaltAln == 1)
        AddLine(lines, "      混凝土局部受压净面积: Aln=Al");
    else
        AddLine(lines, "      混凝土局部受压净面积: Aln=%smm$2$", FormatNum(m_dAln, 0));
    AddLine(lines, "    2.材料信息:");
    AddLine(lines,
            "      混凝土强度等级:    %s       fc=%sN/mm$2$\n      间接钢筋种类:      %s    fy=%sN/mm$2$\n"
            "      间接钢筋间距:      s=%smm",
            m_strConcreteGrade, FormatNum(m_dFc, 1), m_strSteelBarGrade, FormatNum(m_dFy, 0),
            FormatNum(m_dSteelInterval, 0));
    AddLine(lines, "    3.配筋信息:");
    if (IsSpiral())
        AddLine(lines,
                "      螺旋式间接钢筋内表面范围内的混凝土截面直径: dcor=%smm\n      螺旋式间接钢筋的单根直径: d1=%smm"
                "  Ass1=%smm$2$",
                FormatNum(m_dCoreDiameter, 0), FormatNum(m_dSteelDiameter, 0), FormatNum(m_dAss1, 1));
    else
        AddLine(lines,
                "      焊接网片长度: L1=%smm\n      方格网沿L1方向的钢筋根数: n1=%s\n      方格网沿L1方向的单根直径: d1=%smm"
                "  As1=%smm$2$\n      焊接网片长度: L2=%smm\n      方格网沿L2方向的钢筋根数: n2=%s\n"
                "      方格网沿L2方向的单根直径: d2=%smm  As2=%smm$2$",
                FormatNum(m_dLengthL1, 0), FormatNum(m_dSteelCountToL1, 0), FormatNum(m_dSteelDiameterToL1, 0),
                FormatNum(m_dAs1, 1), FormatNum(m_dLengthL2, 0), FormatNum(m_dSteelCountToL2, 0),
                FormatNum(m_dSteelDiameterToL2, 0), FormatNum(m_dAs2, 1));
    AddLine(lines, "    4.荷载信息:");
    AddLine(lines, "      局部压力设计值: Fl=%skN", FormatNum(m_dPressForce, 3));
    AddLine(lines, "    5.设计参数:");
    AddLine(lines, "      结构重要性系数: γo=%s", FormatNum(m_dImportantCoefV, 1));
}

void CStlcnLocalPressParam::GetProcessText() {
    CStringArray& lines = m_arrProcessText;
    lines.RemoveAll();
    const CString& strShape = m_strPressedAreaType;
    CString strA = FormatNum(GetLongSide(), 0);
    CString strB = FormatNum(GetShortSide(), 0);
    CString strAl = FormatNum(m_dAl, 0);
    CString strAb = FormatNum(m_dAb, 0);
    CString strBetac = CQeltConcrete::GetBetacStr(m_strConcreteGrade);
    CString strBl = FormatNum(m_dBl, 3);
    CString strFc = FormatNum(m_dFc, 1);
    CString strAln = FormatNum(m_dAln, 0);
    CString strGo = FormatNum(m_dImportantCoefV, 1);
    CString strFl = FormatNum(m_dPressForce, 3);
    double dGoFl = m_dImportantCoefV * m_dPressForce;
    CString strGoFl = FormatNum(dGoFl, 3);

    AddLine(lines, "    1.计算局部受压的计算底面积");
    if (strShape == "三边临空" || strShape == "两边临空")
        AddLine(lines, "      Al=a*b=%s*%s=%smm$2$\n      Ab=Al=%smm$2$", strA, strB, strAl, strAl);
    else if (strShape == "对边临空" || strShape == "一边临空")
        AddLine(lines, "      Al=a*b=%s*%s=%smm$2$\n      Ab=a*3b=%s*3*%s=%smm$2$", strA, strB, strAl, strA, strB, strAb);
    else if (strShape == "四边矩形")
        AddLine(lines, "      Al=a*b=%s*%s=%smm$2$\n      Ab=(a+2b)*3b=(%s+2*%s)*3*%s=%smm$2$", strA, strB, strAl, strA, strB,
                strB, strAb);
    else if (IsCircle())
        AddLine(lines, "      Al=πd$2$/4=π*(%s)$2$/4=%smm$2$\n      Ab=π(3d)$2$/4=π*(3*%s)$2$/4=%smm$2$",
                FormatNum(m_dSectionDiameter, 0), strAl, FormatNum(m_dSectionDiameter, 0), strAb);
    if (m_bIsAutoCaltAln == 1) AddLine(lines, "      Aln=Al=%smm$2$", strAl);

    AddLine(lines, "    2.计算混凝土局部受压时的强度提高系数");
    AddLine(lines, "      βl=sqrt(Ab/Al)=Sqrt(%s/%s)=%s", strAb, strAl, strBl);

    AddLine(lines, "    3.验算局部受压区的截面尺寸\t【7.8.1-1】");
    double dLimit = CalSectionLimit();
    CString strLimit = FormatNum(dLimit, 3);
    AddLine(lines, "      1.35*βc*βl*fc*Aln=1.35*%s*%s*%s*%s/1000=%skN", strBetac, strBl, strFc, strAln, strLimit);
    AddLine(lines,
            dGoFl <= dLimit ? "      γo*Fl=%s*%s=%skN≤1.35*βc*βl*fc*Aln=%skN\n      局部受压区的截面尺寸符合规范要求"
                            : "      γo*Fl=%s*%s=%skN>1.35*βc*βl*fc*Aln=%skN\n      局部受压区的截面尺寸不符合规范要求",
            strGo, strFl, strGoFl, strLimit);

    AddLine(lines, "    4.计算间接钢筋体积配筋率");
    CString strS = FormatNum(m_dSteelInterval, 0);
    CString strPv = FormatNum(m_dPv * 100, 3);
    double dCore = m_dAcor;
    if (IsMesh()) {
        dCore = MeshCoreArea();
        CString strAs1 = FormatNum(m_dAs1, 1);
        CString strAs2 = FormatNum(m_dAs2, 1);
        CString strL1 = FormatNum(m_dLengthL1, 0);
        CString strL2 = FormatNum(m_dLengthL2, 0);
        CString strCore = FormatNum(dCore, 0);
        AddLine(lines,
                "    Acor=(L1-sqrt(4*As2/π))*(L2-sqrt(4*As1/π))\n        =(%s-sqrt(4*%s/π))*(%s-sqrt(4*%s/π))\n"
                "        =%smm$2$",
                strL1, strAs2, strL2, strAs1, strCore);
        AddLine(lines, "    ρv=(n1*As1*L1+n2*As2*L2)/(Acor*s)=(%s*%s*%s+%s*%s*%s)/(%s*%s)%%=%s%%",
                FormatNum(m_dSteelCountToL1, 0), strAs1, strL1, FormatNum(m_dSteelCountToL2, 0), strAs2, strL2, strCore,
                strS, strPv);
    } else if (IsSpiral()) {
        AddLine(lines, "      ρv=4*Ass1/(dcor*s)=4*%s/(%s*%s)%%=%s%%", FormatNum(m_dAss1, 1),
                FormatNum(m_dCoreDiameter, 0), strS, strPv);
    }

    AddLine(lines, "    5.计算配置间接钢筋的局部受压承载力提高系数");
    if (IsSpiral()) {
        dCore = SpiralCoreArea();
        AddLine(lines, "      Acor=πdcor$2$/4=π*(%s)$2$/4=%smm$2$", FormatNum(m_dCoreDiameter, 3), FormatNum(dCore, 0));
    }
    CString strBcor = FormatNum(m_dBcor, 3);
    if (dCore > m_dAb)
        AddLine(lines, "      Acor=%smm$2$>Ab=%smm$2$,取Acor=Ab=%smm$2$\n      βcor=sqrt(Acor/Al)=sqrt(%s/%s)=%s",
                FormatNum(dCore, 0), strAb, strAb, FormatNum(m_dAcor, 0), strAl, strBcor);
    else
        AddLine(lines, "      βcor=sqrt(Acor/Al)=sqrt(%s/%s)=%s", FormatNum(m_dAcor, 0), strAl, strBcor);

    AddLine(lines, "    6.验算局部受压承载力\t【7.8.3-1】");
    double dCapacity = CalCapacity();
    CString strCapacity = FormatNum(dCapacity, 3);
    AddLine(lines, "      0.9*(βc*βl*fc+2*α*ρv*βcor*fy)*Aln\n      =0.9*(%s*%s*%s+2*%s*%s%%*%s*%s)*%s/1000\n      =%skN",
            strBetac, strBl, strFc, FormatNum(m_dAlpha, 2), strPv, strBcor, FormatNum(m_dFy, 0), strAln, strCapacity);
    AddLine(lines,
            dGoFl <= dCapacity
                ? "      γo*Fl=%s*%s=%skN≤0.9*(βc*βl*fc+2*α*ρv*βcor*fy)*Aln=%skN\n      局部受压承载力满足规范要求"
                : "      γo*Fl=%s*%s=%skN>0.9*(βc*βl*fc+2*α*ρv*βcor*fy)*Aln=%skN\n      局部受压承载力不满足规范要求",
            strGo, strFl, strGoFl, strCapacity);
}

// The dimension rows go by the shape of the local area (a and b, or d), then the meshes' lengths.
void CStlcnLocalPressParam::GetShortDimensionText(CStringArray& arrDims) {
    CString strDims;
    if (IsCircle())
        strDims.Format("    d=%smm\n", (LPCTSTR)FormatNum(m_dSectionDiameter, 0));
    else
        strDims.Format("    a=%smm\n    b=%smm\n", (LPCTSTR)FormatNum(GetLongSide(), 0),
                       (LPCTSTR)FormatNum(GetShortSide(), 0));
    if (IsMesh()) {
        CString strMesh;
        strMesh.Format("    L1=%smm\n    L2=%smm\n", (LPCTSTR)FormatNum(m_dLengthL1, 0), (LPCTSTR)FormatNum(m_dLengthL2, 0));
        strDims += strMesh;
    }
    arrDims.Add(strDims);
    if (m_bIsAutoCaltAln == 1)
        AddLine(arrDims, "    Aln=Al\n");
    else
        AddLine(arrDims, "    Aln=%smm$2$\n", FormatNum(m_dAln, 0));
}

void CStlcnLocalPressParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    AddLine(arrLoads, "    Fl=%skN\n", FormatNum(m_dPressForce, 3));
    AddLine(arrResults, "    %s", m_strResult);
}

void CStlcnLocalPressParam::FillListText() {
    strCmdType = strTitle;
    CString strArea = IsCircle() ? "d=" + ftos(m_dSectionDiameter) + "mm\n"
                                 : "a=" + ftos(GetLongSide()) + "mm\nb=" + ftos(GetShortSide()) + "mm\n";
    strArea += "Aln=" + ftos(m_dAln) + "mm^2\n";
    if (IsMesh())
        strDimInfo.Format("%sL1=%smm\nn1=%s\nd1=%smm\nL2=%smm\nn2=%s\nd2=%smm\n", (LPCTSTR)strArea,
                          (LPCTSTR)ftos(m_dLengthL1), (LPCTSTR)ftos(m_dSteelCountToL1), (LPCTSTR)ftos(m_dSteelDiameterToL1),
                          (LPCTSTR)ftos(m_dLengthL2), (LPCTSTR)ftos(m_dSteelCountToL2),
                          (LPCTSTR)ftos(m_dSteelDiameterToL2));
    else if (IsSpiral())
        strDimInfo.Format("%sdcor=%smm\nd1=%smm\n", (LPCTSTR)strArea, (LPCTSTR)ftos(m_dCoreDiameter),
                          (LPCTSTR)ftos(m_dSteelDiameter));
    strLoadInfo.Format("Fl=%skN", (LPCTSTR)FormatNum(m_dPressForce, 3));
    strResultInfo = m_strResult;
}
