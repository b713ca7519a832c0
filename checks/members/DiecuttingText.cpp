// Reports and list entry of the punching check.
#include <cmath>

#include "checks/members/DiecuttingParam.h"
#include "host/Numbers.h"

CString CStlcnDiecuttingParam::GetReportTitle() { return "板的冲切承载力验算\n"; }

void CStlcnDiecuttingParam::FillReportText() {
    GetInfoText();
    GetProcessText();
}

void CStlcnDiecuttingParam::GetInfoText() {
    CStringArray& lines = m_arrInfoText;
    lines.RemoveAll();
    AddLine(lines, "    1.几何参数:");
    if (IsRectangle())
        AddLine(lines, "      柱的长边尺寸: a=%smm\n      柱的短边尺寸: b=%smm", FormatNum(GetLongSide(), 0),
                FormatNum(GetShortSide(), 0));
    else if (IsCircle())
        AddLine(lines, "      柱的截面直径: d=%smm", FormatNum(m_dSectionDiameter, 0));
    AddLine(lines, "      板的截面高度: h=%smm\n      板的截面有效高度: ho=%smm", FormatNum(m_dBoardHeight, 0),
            FormatNum(m_dBoardValidHeight, 0));
    AddLine(lines, "    2.材料信息:");
    AddLine(lines, "      混凝土强度等级:    %s    ft=%sN/mm$2$", m_strConcreteGrade, FormatNum(m_dFt, 2));
    if (IsReinforced()) {
        if (IsStirrup())
            AddLine(lines, "      箍筋种类:         %s    fyv=%sN/mm$2$\n      全部箍筋截面面积: Asvu=%smm$2$",
                    m_strSteelBarGrade, FormatNum(m_dFyv, 0), FormatNum(m_dAsvu, 0));
        else if (IsBentUp())
            AddLine(lines,
                    "      弯起钢筋种类:     %s    fy=%sN/mm$2$\n      弯起钢筋与底板面的夹角: α=%s°\n"
                    "      全部弯起钢筋截面面积: Asbu=%smm$2$",
                    m_strSteelBarGrade, FormatNum(m_dFy, 0), FormatNum(m_dA, 2), FormatNum(m_dAsbu, 0));
    }
    AddLine(lines, "    3.荷载信息:");
    if (IsLocalLoad())
        AddLine(lines, "      局部荷载设计值: Fl=%skN", FormatNum(m_dFl, 3));
    else if (IsReaction())
        AddLine(lines, "      集中反力设计值: N=%skN\n      面荷载设计值: q=%skN/m$2$", FormatNum(m_dForceN, 3),
                FormatNum(m_dBoardQ, 3));
    AddLine(lines, "    4.其他信息:");
    AddLine(lines, "      结构重要性系数: γo=%s", FormatNum(m_dImportantCoefV, 1));
}

void CStlcnDiecuttingParam::AddFlLines() {
    if (!IsReaction()) return;
    CStringArray& lines = m_arrProcessText;
    CString strN = FormatNum(m_dForceN, 3);
    CString strHo = FormatNum(m_dBoardValidHeight * 0.001, 3);
    CString strQ = FormatNum(m_dBoardQ, 3);
    CString strGoFl = FormatNum(m_dImportantCoefV * m_dFl, 3);
    if (IsEdgeColumn())
        AddLine(lines, "      边柱,冲切破坏锥体内的板止于柱外侧面处的自由边(同Um,a边沿自由边):");
    else if (IsCornerColumn())
        AddLine(lines, "      角柱,冲切破坏锥体内的板止于柱外侧面处的两条自由边:");
    // The area as a formula and with its figures; the inner circle's second line writes π( for π*(.
    CString strShape, strArea, strFigures, strFigures2;
    if (IsRectangle()) {
        strShape = "矩形";
        CString strA = FormatNum(GetLongSide() * 0.001, 3);
        CString strB = FormatNum(GetShortSide() * 0.001, 3);
        if (IsEdgeColumn()) {
            strArea = "(a+2*ho)*(b+ho)";
            strFigures.Format("(%s+2*%s)*(%s+%s)", (LPCTSTR)strA, (LPCTSTR)strHo, (LPCTSTR)strB, (LPCTSTR)strHo);
        } else if (IsCornerColumn()) {
            strArea = "(a+ho)*(b+ho)";
            strFigures.Format("(%s+%s)*(%s+%s)", (LPCTSTR)strA, (LPCTSTR)strHo, (LPCTSTR)strB, (LPCTSTR)strHo);
        } else {
            strArea = "(a+2*ho)*(b+2*ho)";
            strFigures.Format("(%s+2*%s)*(%s+2*%s)", (LPCTSTR)strA, (LPCTSTR)strHo, (LPCTSTR)strB, (LPCTSTR)strHo);
        }
        strFigures2 = strFigures;
    } else if (IsCircle()) {
        strShape = "圆形";
        CString strD = FormatNum(m_dSectionDiameter * 0.001, 3);
        CString strBase;
        strBase.Format("(%s+2*%s)$2$/4", (LPCTSTR)strD, (LPCTSTR)strHo);
        if (!IsEdgeColumn() && !IsCornerColumn()) {
            strArea = "π(d+2*ho)$2$/4";
            strFigures = "π*" + strBase;
            strFigures2 = "π" + strBase;
        } else {
            double dPhi = CalEdgeAngle(m_dSectionDiameter + 2 * m_dBoardValidHeight);
            CString strPhi = FormatNum(dPhi, 3);
            // At a corner the two cut segments overlap once φ passes π/4.
            const char* pszSide = IsEdgeColumn() ? "" : dPhi <= M_PI / 4 ? "≤π/4" : "＞π/4";
            AddLine(lines, "      φ=arccos(d/(d+2*ho))=arccos(%s/%s)=%s%s", FormatNum(m_dSectionDiameter, 0),
                    FormatNum(m_dSectionDiameter + 2 * m_dBoardValidHeight, 0), strPhi, pszSide);
            CString strFactor;
            if (IsEdgeColumn()) {
                strArea = "(π-φ+sinφ*cosφ)";
                strFactor.Format("(π-%s+sin%s*cos%s)", (LPCTSTR)strPhi, (LPCTSTR)strPhi, (LPCTSTR)strPhi);
            } else if (dPhi <= M_PI / 4) {
                strArea = "(π-2φ+2*sinφ*cosφ)";
                strFactor.Format("(π-2*%s+2*sin%s*cos%s)", (LPCTSTR)strPhi, (LPCTSTR)strPhi, (LPCTSTR)strPhi);
            } else {
                strArea = "(3π/4-φ+sinφ*cosφ+cos$2$φ)";
                strFactor.Format("(3π/4-%s+sin%s*cos%s+cos$2$%s)", (LPCTSTR)strPhi, (LPCTSTR)strPhi, (LPCTSTR)strPhi,
                                 (LPCTSTR)strPhi);
            }
            strArea += "*(d+2*ho)$2$/4";
            strFigures = strFactor + "*" + strBase;
            strFigures2 = strFigures;
        }
    }
    if (strShape.IsEmpty()) return;
    AddLine(lines,
            "      集中反力作用下的%s截面 Fl=N-%s*q=%s-%s*%s=%skN\n"
            "      γo*Fl=γo*[N-%s*q]\n            =%s*[%s-%s*%s]\n            =%skN",
            strShape, strArea, strN, strFigures, strQ, FormatNum(m_dFl, 3), strArea, FormatNum(m_dImportantCoefV, 1),
            strN, strFigures2, strQ, strGoFl);
}

CString CStlcnDiecuttingParam::BetaHText() const {
    return m_dBoardHeight <= 800 || m_dBoardHeight >= 2000 ? FormatNum(m_dBh, 1) : FormatNum(m_dBh, 3);
}

void CStlcnDiecuttingParam::AddUmLines() {
    CStringArray& lines = m_arrProcessText;
    CString strHo = FormatNum(m_dBoardValidHeight, 0);
    CString strUm = FormatNum(m_dUm, 0);
    if (IsRectangle()) {
        CString strA = FormatNum(GetLongSide(), 0);
        CString strB = FormatNum(GetShortSide(), 0);
        if (IsEdgeColumn())
            AddLine(lines,
                    "      边柱,板的自由边位于柱的外侧面,取两个方向中较小者:\n"
                    "      Um=min(a+2*b,2*a+b)+2*ho=a+2*b+2*ho=%s+2*%s+2*%s=%smm",
                    strA, strB, strHo, strUm);
        else if (IsCornerColumn())
            AddLine(lines, "      角柱,板的两条自由边位于柱的外侧面:\n      Um=a+b+ho=%s+%s+%s=%smm", strA, strB, strHo, strUm);
        else
            AddLine(lines, "      Um=(a+ho)*2+(b+ho)*2=(%s+%s)*2+(%s+%s)*2=%smm", strA, strHo, strB, strHo, strUm);
        return;
    }
    if (!IsCircle()) return;
    CString strD = FormatNum(m_dSectionDiameter, 0);
    if (!IsEdgeColumn() && !IsCornerColumn()) {
        AddLine(lines, "      Um=π(d+ho)=π(%s+%s)=%smm", strD, strHo, strUm);
        return;
    }
    double dTheta = CalEdgeAngle(m_dSectionDiameter + m_dBoardValidHeight);
    CString strTheta = FormatNum(dTheta, 3);
    CString strDHo = FormatNum(m_dSectionDiameter + m_dBoardValidHeight, 0);
    AddLine(lines,
            IsEdgeColumn() ? "      边柱,板的自由边位于柱的外侧面:" : "      角柱,板的两条自由边位于柱的外侧面:");
    AddLine(lines, "      θ=arccos(d/(d+ho))=arccos(%s/%s)=%s", strD, strDHo, strTheta);
    if (IsEdgeColumn())
        AddLine(lines, "      Um=(2π-2θ)*(d+ho)/2=(2π-2*%s)*%s/2=%smm", strTheta, strDHo, strUm);
    else if (dTheta <= M_PI / 4)
        AddLine(lines, "      θ≤π/4, Um=(2π-4θ)*(d+ho)/2=(2π-4*%s)*%s/2=%smm", strTheta, strDHo, strUm);
    else
        AddLine(lines, "      θ＞π/4, Um=(3π/2-2θ)*(d+ho)/2=(3π/2-2*%s)*%s/2=%smm", strTheta, strDHo, strUm);
}

void CStlcnDiecuttingParam::GetProcessText() {
    CStringArray& lines = m_arrProcessText;
    lines.RemoveAll();
    CString strHo = FormatNum(m_dBoardValidHeight, 0);
    CString strUm = FormatNum(m_dUm, 0);
    CString strFt = FormatNum(m_dFt, 2);
    CString strEta = FormatNum(m_dG, 3);
    double dGoFl = m_dImportantCoefV * m_dFl;
    CString strGoFl = FormatNum(dGoFl, 3);

    AddLine(lines, "    1.计算βs:");
    if (IsCircle()) {
        AddLine(lines, "      βs=2.000");
    } else if (IsRectangle()) {
        double r = GetLongSide() / GetShortSide();
        AddLine(lines, r < 2 ? "      βs=a/b=%s/%s=%s<2,取βs=2.000。" : "      βs=a/b=%s/%s=%s",
                FormatNum(GetLongSide(), 0), FormatNum(GetShortSide(), 0), FormatNum(r, 3));
    }
    AddLine(lines, "    2.确定板柱结构中柱类型的影响系数αs:");
    if (m_strPillarForceType == "中柱")
        AddLine(lines, "      对于中柱 αs=40。");
    else if (m_strPillarForceType == "边柱")
        AddLine(lines, "      对于边柱 αs=30。");
    else if (m_strPillarForceType == "角柱")
        AddLine(lines, "      对于角柱 αs=20。");
    AddLine(lines, "    3.计算临界截面的周长Um:");
    AddUmLines();
    AddLine(lines, "    4.计算影响系数η:");
    CString strEta1 = FormatNum(Eta1(), 3);
    CString strEta2 = FormatNum(Eta2(), 3);
    AddLine(lines,
            "      η1=0.4+1.2/βs=0.4+1.2/%s=%s\n          η2=0.5+αs*ho/(4*Um)=0.5+%s*%s/(4*%s)=%s\n"
            "          η=min(η1, η2)=min(%s,%s)=%s",
            FormatNum(m_dBs, 3), strEta1, FormatNum(m_dAs, 0), strHo, strUm, strEta2, strEta1, strEta2, strEta);
    AddLine(lines, "    5.计算截面高度影响系数βh:");
    CString strH = FormatNum(m_dBoardHeight, 0);
    if (m_dBoardHeight <= 800)
        AddLine(lines, "      h=%s≤800,取βh=1.0。", strH);
    else if (m_dBoardHeight >= 2000)
        AddLine(lines, "      h=%s≥2000,取βh=0.9。", strH);
    else
        AddLine(lines, "      800＜h=%s＜2000,βh在1.0,0.9间线性内插得 βh=%s。", strH, BetaHText());

    double dCapacity = CalCapacity();
    CString strCapacity = FormatNum(dCapacity, 3);
    BOOL bPasses = dGoFl <= dCapacity;
    if (IsReinforced()) {
        bPasses = bPasses && IsSectionFit();
        AddLine(lines, "    6.确定受冲切截面是否符合条件:");
        AddFlLines();
        double dLimit = CalSectionLimit();
        CString strLimit = FormatNum(dLimit, 3);
        AddLine(lines, "      1.05*ft*η*Um*ho=1.05*%s*%s*%s*%s=%skN", strFt, strEta, strUm, strHo, strLimit);
        AddLine(lines,
                IsSectionFit() ? "      γo*Fl=%skN≤1.05*ft*η*Um*ho=%skN，受冲切截面符合条件。"
                               : "      γo*Fl=%skN＞1.05*ft*η*Um*ho=%skN，受冲切截面不符合条件，请加大板厚。",
                strGoFl, strLimit);
        AddLine(lines, "    7.验算冲切承载力:");
        if (!IsSectionFit()) {
            AddLine(lines, "      受冲切截面不符合条件,配筋不能提高其承载力,冲切承载力不满足规范要求。");
        } else if (IsStirrup()) {
            AddLine(lines, "      0.35*ft*η*Um*ho+0.8*fyv*Asvu=0.35*%s*%s*%s*%s+0.8*%s*%s=%skN", strFt, strEta, strUm,
                    strHo, FormatNum(m_dFyv, 0), FormatNum(m_dAsvu, 0), strCapacity);
            AddLine(lines,
                    bPasses ? "      γo*Fl=%skN≤0.35*ft*η*Um*ho+0.8*fyv*Asvu=%skN，冲切承载力满足规范要求。"
                            : "      γo*Fl=%skN＞0.35*ft*η*Um*ho+0.8*fyv*Asvu=%skN，冲切承载力不满足规范要求。",
                    strGoFl, strCapacity);
        } else if (IsBentUp()) {
            AddLine(lines, "      0.35*ft*η*Um*ho+0.8*fy*Asbu*sinα°=0.35*%s*%s*%s*%s+0.8*%s*%s*sin%s°=%skN", strFt,
                    strEta, strUm, strHo, FormatNum(m_dFy, 0), FormatNum(m_dAsbu, 0), FormatNum(m_dA, 2), strCapacity);
            AddLine(lines,
                    bPasses ? "      γo*Fl=%skN≤0.35*ft*η*Um*ho+0.8*fy*Asbu*sinα°=%skN，冲切承载力满足规范要求。"
                            : "      γo*Fl=%skN＞0.35*ft*η*Um*ho+0.8*fy*Asbu*sinα°=%skN，冲切承载力不满足规范要求。",
                    strGoFl, strCapacity);
        }
    } else if (IsUnreinforced()) {
        AddLine(lines, "    6.验算冲切承载力(不配筋):");
        AddFlLines();
        if (m_dFl <= 0) {
            AddLine(lines, "      因为Fl <= 0, 所以冲切承载力满足规范要求\n");
            return;
        }
        AddLine(lines, "      0.7*βh*ft*η*Um*ho=0.7*%s*%s*%s*%s*%s=%skN", BetaHText(), strFt, strEta, strUm,
                strHo, strCapacity);
        AddLine(lines,
                bPasses ? "      γo*Fl=%skN≤0.7*βh*ft*η*Um*ho=%skN，冲切承载力满足规范要求。"
                        : "      γo*Fl=%skN＞0.7*βh*ft*η*Um*ho=%skN，冲切承载力不满足规范要求。",
                strGoFl, strCapacity);
    }
}

void CStlcnDiecuttingParam::GetShortDimensionText(CStringArray& arrDims) {
    if (IsRectangle())
        AddLine(arrDims, "    a=%smm\n    b=%smm\n    h=%smm\n    ho=%smm\n", FormatNum(GetLongSide(), 0),
                FormatNum(GetShortSide(), 0), FormatNum(m_dBoardHeight, 0), FormatNum(m_dBoardValidHeight, 0));
    else
        AddLine(arrDims, "    d=%smm\n    h=%smm\n    ho=%smm\n", FormatNum(m_dSectionDiameter, 0),
                FormatNum(m_dBoardHeight, 0), FormatNum(m_dBoardValidHeight, 0));
}

void CStlcnDiecuttingParam::GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) {
    if (IsLocalLoad())
        AddLine(arrLoads, "    Fl=%skN\n", FormatNum(m_dFl, 3));
    else
        AddLine(arrLoads, "    N=%skN\n    q=%skN/m$2$\n", FormatNum(m_dForceN, 3), FormatNum(m_dBoardQ, 3));
    AddLine(arrResults, "    %s", m_strResult);
}

void CStlcnDiecuttingParam::FillListText() {
    strTitle = "冲切承载力计算";
    strCmdType = strTitle;
    if (IsRectangle())
        strDimInfo.Format("a=%smm\nb=%smm\nh=%smm\nho=%smm\n", (LPCTSTR)ftos(GetLongSide()),
                          (LPCTSTR)ftos(GetShortSide()), (LPCTSTR)ftos(m_dBoardHeight), (LPCTSTR)ftos(m_dBoardValidHeight));
    else if (IsCircle())
        strDimInfo.Format("d=%smm\nh=%smm\nho=%smm\n", (LPCTSTR)ftos(m_dSectionDiameter), (LPCTSTR)ftos(m_dBoardHeight),
                          (LPCTSTR)ftos(m_dBoardValidHeight));
    if (IsLocalLoad())
        strLoadInfo.Format("Fl=%skN", (LPCTSTR)FormatNum(m_dFl, 3));
    else if (IsReaction())
        strLoadInfo.Format("N=%skN\nq=%skN/m^2", (LPCTSTR)FormatNum(m_dForceN, 3), (LPCTSTR)FormatNum(m_dBoardQ, 3));
    strResultInfo = m_strResult;
}
