// Reports and list entry of the axial compression check.
#include <cmath>

#include "checks/members/PillarParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"

CString CStlcnPillarParam::GetReportTitle() {
    if (IsDesignMode())
        strTitle = "轴心受压构件纵向受压钢筋计算";
    else if (IsCapacityMode())
        strTitle = "轴心受压构件轴向力设计值计算";
    return strTitle;
}

void CStlcnPillarParam::FillReportText() {
    GetInfoText();
    GetProcessText();
}

CString CStlcnPillarParam::FcText() const {
    return FormatNum(CQeltConcrete::GetFc(m_strGrade), 1);
}

void CStlcnPillarParam::GetInfoText() {
    CStringArray& lines = m_arrInfoText;
    lines.RemoveAll();
    AddLine(lines, "    1.几何参数:");
    if (IsRectangle())
        AddLine(lines, "      截面形状: %s\n      截面宽度: b=%smm\n      截面高度: h=%smm\n      构件的计算长度: lo=%smm",
                m_strSectionType, FormatNum(m_dSectionWidth, 0), FormatNum(m_dSectionHeight, 0),
                FormatNum(m_dCaltLength, 0));
    else if (IsCircle())
        AddLine(lines,
                "      截面形状: %s\n                          圆柱直径: d=%smm\n                          构件的计算长度: lo=%smm",
                m_strSectionType, FormatNum(m_dSectionDiameter, 0), FormatNum(m_dCaltLength, 0));
    AddLine(lines, "    2.材料信息:");
    AddLine(lines, "      混凝土强度等级: %s      fc =%sN/mm$2$\n      钢筋类型:      %s    fy'=%sN/mm$2$", m_strGrade,
            FcText(), m_strSteelType, FormatNum(m_dFy, 0));
    AddLine(lines, "    3.设计参数:");
    AddLine(lines, "      结构重要性系数: γo=%s", FormatNum(m_dImportantModulus, 1));
    AddLine(lines, "      纵筋最小配筋率: ρmin=%s%%", FormatNum(m_dPgMin, 3));
    if (IsDesignMode())
        AddLine(lines, "    4.荷载信息:\n      轴向力设计值: N=%skN", FormatNum(m_dAxialForce, 3));
    else if (IsCapacityMode())
        AddLine(lines, "    4.配筋信息:\n      纵向钢筋截面面积: A's=%smm$2$", FormatNum(m_dPressedSteelArea, 0));
}

void CStlcnPillarParam::AddAreaLine() {
    if (IsRectangle())
        AddLine(m_arrProcessText, "      截面面积A=bh=%s*%s=%smm$2$", FormatNum(m_dSectionWidth, 0),
                FormatNum(m_dSectionHeight, 0), FormatNum(m_dOldA, 0));
    else if (IsCircle())
        AddLine(m_arrProcessText, "      截面面积A=π*d*d/4=π*%s*%s/4=%smm$2$", FormatNum(m_dSectionDiameter, 0),
                FormatNum(m_dSectionDiameter, 0), FormatNum(m_dOldA, 0));
}

void CStlcnPillarParam::GetProcessText() {
    CStringArray& lines = m_arrProcessText;
    lines.RemoveAll();
    double dRho = m_dSteelArea / m_dOldA;
    BOOL bSmall = m_bIsMultCoef == 1;
    CString strLo = FormatNum(m_dCaltLength, 0);
    CString strPhi = FormatNum(m_dQ, 3);
    CString strGo = FormatNum(m_dImportantModulus, 1);
    CString strN = FormatNum(m_dAxialForce, 3);
    CString strFc = FcText();
    CString strFy = FormatNum(m_dFy, 0);
    CString strA = FormatNum(m_dOldA, 0);
    CString strAUsed = FormatNum(m_dA, 0);
    CString strAs1 = FormatNum(m_dSteelArea, 0);
    CString strAs = FormatNum(m_dPressedSteelArea, 0);
    CString strRho = FormatNum(dRho * 100, 3);
    CString strPgMin = FormatNum(m_dPgMin, 3);

    AddLine(lines, "    1.确定稳定系数Φ:");
    if (IsRectangle())
        AddLine(lines, "      lo/b=%s/%s=%s\n      查《混凝土结构设计规范》(GB 50010-2002)表7.3.1得,\n      Φ= %s", strLo,
                FormatNum(GetShortSide(), 0), FormatNum(GetSlenderness(), 3), strPhi);
    else if (IsCircle())
        AddLine(lines, "      lo/d=%s/%s=%s\n      查《混凝土结构设计规范》(GB 50010-2002)表7.3.1得,\n      Φ= %s", strLo,
                FormatNum(m_dSectionDiameter, 0), FormatNum(m_dCaltLength / m_dSectionDiameter, 3), strPhi);

    if (IsDesignMode()) {
        AddLine(lines, "    2.计算纵筋面积A's:");
        AddAreaLine();
        AddLine(lines,
                bSmall ? "      A's= (γo*N/0.9Φ-fc*A)/fy'\n         = (%s*%s*1000/(0.9*%s)-0.8*%s*%s)/%s=%smm$2$"
                       : "      A's= (γo*N/0.9Φ-fc*A)/fy'\n         = (%s*%s*1000/(0.9*%s)-%s*%s)/%s=%smm$2$",
                strGo, strN, strPhi, strFc, strA, strFy, strAs1);
        if (m_dSteelArea <= 0) {
            AddLine(lines, "      因为A's≤0,应按构造要求配筋。A's=A's,min=ρmin*A=%s%%*%s=%smm$2$ 。", strPgMin, strAUsed, strAs);
            return;
        }
        if (dRho <= 0.03)
            AddLine(lines, "      纵筋配筋率ρ=A's/A=(%s/%s)%%=%s%%≤3%%,结果符合标准。", strAs1, strA, strRho);
        else
            AddLine(lines,
                    bSmall ? "      纵筋配筋率ρ=A's/A=(%s/%s)%%=%s%%>3%%,A用(A-A's)代替，重新计算\n"
                             "      A's= (γo*N*1000/0.9Φ-fc*(A-A's))/fy'\n"
                             "         = (%s*%s*1000/(0.9*%s)-0.8*%s*%s)/%s=%smm$2$"
                           : "      纵筋配筋率ρ=A's/A=(%s/%s)%%=%s%%>3%%,A用(A-A's)代替，重新计算\n"
                             "      A's= (γo*N*1000/0.9Φ-fc*(A-A's))/fy'\n"
                             "         = (%s*%s*1000/(0.9*%s)-%s*%s)/%s=%smm$2$",
                    strAs1, FormatNum(m_dOldA, 3), strRho, strGo, strN, strPhi, strFc, strAUsed, strFy, strAs);
        // The ratio of the steel the formulas require, after the 3 % rule where it applied.
        double dRhoReq = m_dRequiredArea / m_dOldA;
        AddLine(lines, "    3.验算纵筋配筋率:");
        AddLine(lines, "      ρ=A's/A=(%s/%s)%%=%s%%\n      ρmin=%s%%", FormatNum(m_dRequiredArea, 0), strA,
                FormatNum(dRhoReq * 100, 3), strPgMin);
        if (dRhoReq < m_dPgMin / 100) {
            AddLine(lines, "      ρ＜ρmin    纵筋配筋率不满足要求");
            AddLine(lines, "      所以满足最小配筋面积A's=A*ρmin=%d*%.3lf%%=%dmm$2$", RoundHalfUp(m_dOldA), m_dPgMin,
                    RoundHalfUp(m_dPressedSteelArea));
        } else if (dRhoReq > kMaxSteelRatio) {
            AddLine(lines, "      ρ＞5%    纵筋配筋率不满足要求");
        } else {
            AddLine(lines, "      ρ≥ρmin    纵筋配筋率满足要求");
        }
    } else if (IsCapacityMode()) {
        AddLine(lines, "    2.验算纵筋配筋率:");
        AddAreaLine();
        if (dRho < m_dPgMin / 100) {
            AddLine(lines, "      ρ=A's/A=(%s/%s)%%=%s%%＜ρmin=%s%%\t\t纵筋配筋率不满足要求", strAs1, strA, strRho, strPgMin);
        } else if (dRho > kMaxSteelRatio) {
            AddLine(lines, "      ρ=A's/A=(%s/%s)%%=%s%%＞5%%\t\t纵筋配筋率不满足要求", strAs1, strA, strRho);
        } else {
            AddLine(lines, "      ρ=A's/A=(%s/%s)%%=%s%%≥ρmin=%s%%\t\t纵筋配筋率满足要求", strAs1, strA, strRho, strPgMin);
        }
        AddLine(lines, "    3.计算轴向力设计值:");
        if (dRho > 0.03)
            AddLine(lines,
                    bSmall ? "      纵筋配筋率ρ=A's/A=%s%%＞3%%,A用(A-A's)代替\n      N=0.9*Φ*(fc*(A-A's)+fy'*A's)/γo\n"
                             "      =0.9*%s*(0.8*%s*(%s-%s)+%s*%s)/%s=%skN"
                           : "      纵筋配筋率ρ=A's/A=%s%%＞3%%,A用(A-A's)代替\n      N=0.9*Φ*(fc*(A-A's)+fy'*A's)/γo\n"
                             "      =0.9*%s*(%s*(%s-%s)+%s*%s)/%s=%skN",
                    strRho, strPhi, strFc, strA, strAs, FormatNum(m_dFy, 1), strAs, strGo, strN);
        else
            AddLine(lines,
                    bSmall ? "      纵筋配筋率ρ=A's/A=%s%%≤3%%,\n      N=0.9*Φ*(fc*A+fy'*A's)/γo\n"
                             "      =0.9*%s*(0.8*%s*%s+%s*%s)/%s=%skN"
                           : "      纵筋配筋率ρ=A's/A=%s%%≤3%%,\n      N=0.9*Φ*(fc*A+fy'*A's)/γo\n"
                             "      =0.9*%s*(%s*%s+%s*%s)/%s=%skN",
                    strRho, strPhi, strFc, strA, strFy, strAs, strGo, strN);
    }
}

void CStlcnPillarParam::GetShortDimensionText(CStringArray& arrDims) {
    if (IsRectangle())
        AddLine(arrDims, "    h=%smm\n    b=%smm\n", FormatNum(m_dSectionHeight, 0), FormatNum(m_dSectionWidth, 0));
    else
        AddLine(arrDims, "    d=%smm\n", FormatNum(m_dSectionDiameter, 0));
    AddLine(arrDims, "    lo=%smm\n", FormatNum(m_dCaltLength, 0));
}

LPCTSTR CStlcnPillarParam::GetShortLoadTitle() const { return IsDesignMode() ? "三、荷载参数" : "三、配筋信息"; }

void CStlcnPillarParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    CString strN = FormatNum(m_dAxialForce, 3);
    CString strAs = FormatNum(m_dPressedSteelArea, 0);
    if (IsDesignMode()) {
        AddLine(arrLoads, "    N=%skN\n", strN);
        AddLine(arrResults, "    A's=%smm$2$\n", strAs);
    } else {
        AddLine(arrLoads, "    A's=%smm$2$\n", strAs);
        AddLine(arrResults, "    N=%skN", strN);
    }
    // Below the minimum ratio, or beyond 5 % of the section, the steel is not what the code asks,
    // whatever N it gives.
    if (IsBelowMinimum())
        AddLine(arrResults, "\n    ρ=A's/A=%s%%＜ρmin=%s%%    纵筋配筋率不满足要求\n", FormatNum(GetAdoptedRatio() * 100, 3),
                FormatNum(m_dPgMin, 3));
    if (GetAdoptedRatio() > kMaxSteelRatio)
        AddLine(arrResults, "%s    ρ=A's/A=%s%%＞5%%    纵筋配筋率不满足要求\n", IsDesignMode() ? "" : "\n",
                FormatNum(GetAdoptedRatio() * 100, 3));
}

void CStlcnPillarParam::FillListText() {
    GetReportTitle();
    if (IsRectangle())
        strDimInfo.Format("b=%smm\nh=%smm\nlo=%smm\n", (LPCTSTR)ftos(m_dSectionWidth), (LPCTSTR)ftos(m_dSectionHeight),
                          (LPCTSTR)ftos(m_dCaltLength));
    else if (IsCircle())
        strDimInfo.Format("d=%smm\nlo=%smm\n", (LPCTSTR)ftos(m_dSectionDiameter), (LPCTSTR)ftos(m_dCaltLength));
    CString strN = "N=" + FormatNum(m_dAxialForce, 3) + "kN";
    CString strAs = "A's=" + FormatNum(m_dPressedSteelArea, 0) + "mm^2";
    if (IsDesignMode()) {
        strLoadInfo = strN;
        strResultInfo = strAs;
    } else if (IsCapacityMode()) {
        strLoadInfo = strAs;
        strResultInfo = strN;
    }
    // The calculation type of this check is its mode.
    strCmdType = m_strCaltType;
}
