// Fields, defaults, stored keys and calculation of the punching check.
#include "checks/members/DiecuttingParam.h"

#include <cmath>

#include "framework/ParamExchange.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

const double kPi = 3.141592653589793;

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnDiecuttingParam, CVuskParam)

// The derived values start at 0 in a fresh object: the calculation sets them before anything reads them.
CStlcnDiecuttingParam::CStlcnDiecuttingParam()
    : m_dFt(0), m_dFyv(0), m_dFy(0), m_dBs(0), m_dAs(0), m_dUm(0), m_dG(0), m_dBh(0) {
    SetDefaults();
}

CStlcnDiecuttingParam::~CStlcnDiecuttingParam() = default;

void CStlcnDiecuttingParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strTitle = "板的冲切承载力验算";
    SetDefaults();
}

void CStlcnDiecuttingParam::SetDefaults() {
    strNumber = "B-1";
    m_strDieCuttingType = "不配筋";
    m_strSteelStyle = "箍筋";
    m_strPillarForceType = "中柱";
    m_strBoardForceType = "局部荷载作用";
    m_dImportantCoefV = 1.0;
    m_strSectionType = "矩形";
    m_dSectionHeight = 400;
    m_dSectionWidth = 400;
    m_dSectionDiameter = 400;
    m_dBoardHeight = 200;
    m_dBoardValidHeight = 180;
    m_strConcreteGrade = "C30";
    m_strSteelBarGrade = "HPB235";
    m_dAsvu = 1500;
    m_dAsbu = 1500;
    m_dA = 45;
    m_dFl = 200;
    m_dBoardQ = 10;
    m_dForceN = 200;
    m_strResult.Empty();
}

void CStlcnDiecuttingParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strDieCuttingType", m_strDieCuttingType);
    px.Exchange("/strSteelStyle", m_strSteelStyle);
    px.Exchange("/strPillarForceType", m_strPillarForceType);
    px.Exchange("/strBoardForceType", m_strBoardForceType);
    px.Exchange("/dImportantCoefV", m_dImportantCoefV);
    px.Exchange("/strSectionType", m_strSectionType);
    px.Exchange("/dSectionHeight", m_dSectionHeight);
    px.Exchange("/dSectionWidth", m_dSectionWidth);
    px.Exchange("/dSectionDiameter", m_dSectionDiameter);
    px.Exchange("/dBoardHeight", m_dBoardHeight);
    px.Exchange("/dBoardValidHeight", m_dBoardValidHeight);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strSteelBarGrade", m_strSteelBarGrade);
    px.Exchange("/dAsvu", m_dAsvu);
    px.Exchange("/dAsbu", m_dAsbu);
    px.Exchange("/dA", m_dA);
    px.Exchange("/dFl", m_dFl);
    px.Exchange("/dBoardQ", m_dBoardQ);
    px.Exchange("/dForceN", m_dForceN);
    px.Exchange("/dFt", m_dFt);
    px.Exchange("/dFyv", m_dFyv);
    px.Exchange("/dFy", m_dFy);
    px.Exchange("/dBs", m_dBs);
    px.Exchange("/dAs", m_dAs);
    px.Exchange("/dUm", m_dUm);
    px.Exchange("/dG", m_dG);
    px.Exchange("/dBh", m_dBh);
}

BOOL CStlcnDiecuttingParam::IsReinforced() const { return m_strDieCuttingType == "配筋"; }
BOOL CStlcnDiecuttingParam::IsUnreinforced() const { return m_strDieCuttingType == "不配筋"; }
BOOL CStlcnDiecuttingParam::IsRectangle() const { return m_strSectionType == "矩形"; }
BOOL CStlcnDiecuttingParam::IsCircle() const { return m_strSectionType == "圆形"; }
BOOL CStlcnDiecuttingParam::IsLocalLoad() const { return m_strBoardForceType == "局部荷载作用"; }
BOOL CStlcnDiecuttingParam::IsReaction() const { return m_strBoardForceType == "集中反力作用"; }
BOOL CStlcnDiecuttingParam::IsStirrup() const { return m_strSteelStyle == "箍筋"; }
BOOL CStlcnDiecuttingParam::IsBentUp() const { return m_strSteelStyle == "弯起钢筋"; }
BOOL CStlcnDiecuttingParam::IsEdgeColumn() const { return m_strPillarForceType == "边柱"; }
BOOL CStlcnDiecuttingParam::IsCornerColumn() const { return m_strPillarForceType == "角柱"; }

double CStlcnDiecuttingParam::GetLongSide() const {
    return m_dSectionHeight < m_dSectionWidth ? m_dSectionWidth : m_dSectionHeight;
}

double CStlcnDiecuttingParam::GetShortSide() const {
    return m_dSectionHeight < m_dSectionWidth ? m_dSectionHeight : m_dSectionWidth;
}

int CStlcnDiecuttingParam::Calculate() {
    CheckPunching();
    return 1;
}

void CStlcnDiecuttingParam::InitMaterial() {
    m_dFt = CQeltConcrete::GetFt(m_strConcreteGrade);
    if (IsStirrup())
        m_dFyv = CQeltSteelBar::GetFy_(m_strSteelBarGrade);
    else if (IsBentUp())
        m_dFy = CQeltSteelBar::GetFy(m_strSteelBarGrade);
}

void CStlcnDiecuttingParam::CalBetaS() {
    if (IsRectangle()) {
        m_dBs = GetLongSide() / GetShortSide();
        if (m_dBs < 2) m_dBs = 2;
    } else if (IsCircle()) {
        m_dBs = 2;
    }
}

void CStlcnDiecuttingParam::CalAlphaS() {
    if (m_strPillarForceType == "中柱")
        m_dAs = 40;
    else if (m_strPillarForceType == "边柱")
        m_dAs = 30;
    else if (m_strPillarForceType == "角柱")
        m_dAs = 20;
}

double CStlcnDiecuttingParam::CalEdgeAngle(double dDiameter) const {
    return std::acos(m_dSectionDiameter / dDiameter);
}

// The critical section lies at ho/2 from the column (7.7.1). At an edge or a corner the slab ends at
// the column's outer face(s): the section runs from free edge to free edge. An edge column's free
// edge may lie along either side; the long side along it gives the smaller a + 2b + 2ho.
void CStlcnDiecuttingParam::CalUm() {
    double ho = m_dBoardValidHeight;
    if (IsRectangle()) {
        double a = GetLongSide(), b = GetShortSide();
        if (IsEdgeColumn())
            m_dUm = a + 2 * b + 2 * ho;
        else if (IsCornerColumn())
            m_dUm = a + b + ho;
        else
            m_dUm = 2 * (a + ho) + 2 * (b + ho);
    } else if (IsCircle()) {
        // The circle of diameter d + ho without its arcs beyond the free edges, each 2θ wide; at a
        // corner the two arcs overlap once θ passes π/4.
        double dTheta = CalEdgeAngle(m_dSectionDiameter + ho);
        double dCut = 0;
        if (IsEdgeColumn())
            dCut = 2 * dTheta;
        else if (IsCornerColumn())
            dCut = dTheta <= kPi / 4 ? 4 * dTheta : kPi / 2 + 2 * dTheta;
        m_dUm = (2 * kPi - dCut) * (m_dSectionDiameter + ho) / 2;
    }
}

double CStlcnDiecuttingParam::Eta1() const { return 0.4 + 1.2 / m_dBs; }

double CStlcnDiecuttingParam::Eta2() const { return 0.5 + m_dAs * m_dBoardValidHeight / (4 * m_dUm); }

void CStlcnDiecuttingParam::CalEta() {
    CalBetaS();
    CalAlphaS();
    CalUm();
    double dEta1 = Eta1();
    double dEta2 = Eta2();
    m_dG = dEta1 >= dEta2 ? dEta2 : dEta1;
}

void CStlcnDiecuttingParam::CalBetaH() {
    if (m_dBoardHeight <= 800)
        m_dBh = 1.0;
    else if (m_dBoardHeight >= 2000)
        m_dBh = 0.9;
    else
        m_dBh = 1 - (m_dBoardHeight - 800) * (1.0 / 12000);
}

// The cone's base reaches ho beyond the column's faces. At an edge or a corner the slab, and so the
// load on it, stops at the free edge(s) at the column's outer face(s), placed as for Um: an edge
// column's long side lies along its edge.
double CStlcnDiecuttingParam::CalConeArea() const {
    double ho = m_dBoardValidHeight * 0.001;
    if (IsRectangle()) {
        double a = GetLongSide() * 0.001, b = GetShortSide() * 0.001;
        if (IsEdgeColumn()) return (a + 2 * ho) * (b + ho);
        if (IsCornerColumn()) return (a + ho) * (b + ho);
        return (a + 2 * ho) * (b + 2 * ho);
    }
    if (!IsCircle()) return 0;
    double dBase = m_dSectionDiameter * 0.001 + 2 * ho;
    return CalConeCircleFactor() * dBase * dBase / 4;
}

// The circle of radius R = (d + 2ho)/2 less, for each free edge at c = d/2 from the centre, its
// segment R²(φ − sinφ·cosφ), φ = arccos(c/R). At a corner the two segments overlap once φ passes π/4,
// by R²(φ − π/4) − c(R·sinφ − c); added back, the area is R²(3π/4 − φ + sinφ·cosφ + cos²φ).
double CStlcnDiecuttingParam::CalConeCircleFactor() const {
    if (!IsEdgeColumn() && !IsCornerColumn()) return kPi;
    double dPhi = CalEdgeAngle(m_dSectionDiameter + 2 * m_dBoardValidHeight);
    double dSinCos = std::sin(dPhi) * std::cos(dPhi);
    if (IsEdgeColumn()) return kPi - dPhi + dSinCos;
    if (dPhi <= kPi / 4) return kPi - 2 * dPhi + 2 * dSinCos;
    return 3 * kPi / 4 - dPhi + dSinCos + std::pow(std::cos(dPhi), 2);
}

void CStlcnDiecuttingParam::CalFl() {
    if (!IsReaction()) return;
    m_dFl = m_dForceN - m_dBoardQ * CalConeArea();
}

double CStlcnDiecuttingParam::CalSectionLimit() const {
    return m_dG * m_dUm * m_dFt * m_dBoardValidHeight * 0.00105;
}

double CStlcnDiecuttingParam::CalCapacity() const {
    double dConcrete = 0.35 * m_dFt * m_dG * m_dUm * m_dBoardValidHeight;
    if (IsUnreinforced()) return 0.0007 * m_dBh * m_dFt * m_dG * m_dUm * m_dBoardValidHeight;
    if (IsStirrup()) return (dConcrete + 0.8 * m_dFyv * m_dAsvu) * 0.001;
    if (IsBentUp()) return (dConcrete + 0.8 * m_dFy * m_dAsbu * std::sin(m_dA * 0.017453292519943295)) * 0.001;
    return 0;
}

BOOL CStlcnDiecuttingParam::IsSectionFit() const { return m_dImportantCoefV * m_dFl <= CalSectionLimit(); }

void CStlcnDiecuttingParam::CheckSection() {
    InitMaterial();
    CalEta();
    CalFl();
    if (!IsReinforced()) return;
    m_strResult = IsSectionFit() ? "受冲切截面符合条件;" : "受冲切截面不符合条件，请加大板厚;";
}

void CStlcnDiecuttingParam::CheckPunching() {
    InitMaterial();
    CalEta();
    CalBetaH();
    CalFl();
    BOOL bPasses;
    if (IsUnreinforced()) {
        bPasses = m_dImportantCoefV * m_dFl <= CalCapacity();
        m_strResult = bPasses ? "未配筋的板冲切承载力满足规范要求。" : "未配筋的板冲切承载力不满足规范要求。";
        return;
    }
    CheckSection();
    if (!IsStirrup() && !IsBentUp()) return;
    // However much steel it has, a section beyond its limit has no capacity.
    bPasses = IsSectionFit() && m_dImportantCoefV * m_dFl <= CalCapacity();
    m_strResult += bPasses ? " 配筋的板冲切承载力满足规范要求。" : " 配筋的板冲切承载力不满足规范要求。";
}
