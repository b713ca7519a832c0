// Fields, defaults, stored keys and calculation of the local compression check.
#include "checks/members/LocalPressParam.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/ParamExchange.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

const double kQuarterPi = M_PI / 4;

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnLocalPressParam, CVuskParam)

// The derived values start at 0 in a fresh object: the calculation sets them before anything reads them.
CStlcnLocalPressParam::CStlcnLocalPressParam()
    : m_dAb(0), m_dAl(0), m_dBl(0), m_dBc(0), m_dPv(0), m_dAs1(0), m_dAs2(0), m_dAss1(0), m_dAcor(0), m_dBcor(0),
      m_dAlpha(0) {
    InitDefaultParam();
}

CStlcnLocalPressParam::~CStlcnLocalPressParam() = default;

void CStlcnLocalPressParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strTitle = "局部受压承载力验算";
    strNumber = "B-1";
    m_strSteelType = "方格网式";
    m_strPressedAreaType = "四边矩形";
    m_dImportantCoefV = 1.0;
    m_strConcreteGrade = "C30";
    m_strSteelBarGrade = "HPB235";
    m_dSteelInterval = 50;
    m_dSectionHeight = 300;
    m_dSectionWidth = 300;
    m_dSectionDiameter = 300;
    m_dAln = 90000;
    m_dLengthL1 = 500;
    m_dLengthL2 = 500;
    m_dSteelCountToL1 = 8;
    m_dSteelCountToL2 = 8;
    m_dSteelDiameterToL1 = 8;
    m_dSteelDiameterToL2 = 8;
    m_dCoreDiameter = 450;
    m_dSteelDiameter = 8;
    m_dPressForce = 2000;
    m_dFc = 0;
    m_dFy = 0;
    m_strResult.Empty();
    m_bIsAutoCaltAln = 1;
}

void CStlcnLocalPressParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strSteelType", m_strSteelType);
    px.Exchange("/strPressedAreaType", m_strPressedAreaType);
    px.Exchange("/dImportantCoefV", m_dImportantCoefV);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strSteelBarGrade", m_strSteelBarGrade);
    px.Exchange("/dSteelInterval", m_dSteelInterval);
    px.Exchange("/dSectionHeight", m_dSectionHeight);
    px.Exchange("/dSectionWidth", m_dSectionWidth);
    px.Exchange("/dSectionDiameter", m_dSectionDiameter);
    px.Exchange("/dAln", m_dAln);
    px.Exchange("/dLengthL1", m_dLengthL1);
    px.Exchange("/dLengthL2", m_dLengthL2);
    px.Exchange("/dSteelCountToL1", m_dSteelCountToL1);
    px.Exchange("/dSteelCountToL2", m_dSteelCountToL2);
    px.Exchange("/dSteelDiameterToL1", m_dSteelDiameterToL1);
    px.Exchange("/dSteelDiameterToL2", m_dSteelDiameterToL2);
    px.Exchange("/dCoreDiameter", m_dCoreDiameter);
    px.Exchange("/dSteelDiameter", m_dSteelDiameter);
    px.Exchange("/dPressForce", m_dPressForce);
    px.Exchange("/dFc", m_dFc);
    px.Exchange("/dFy", m_dFy);
    px.Exchange("/Ab", m_dAb);
    px.Exchange("/Al", m_dAl);
    px.Exchange("/Bl", m_dBl);
    px.Exchange("/Bc", m_dBc);
    px.Exchange("/trWordNoteA", m_strWordNoteA);
    px.Exchange("/trWordNoteF", m_strWordNoteF);
    px.Exchange("/Pv", m_dPv);
    px.Exchange("/As1", m_dAs1);
    px.Exchange("/As2", m_dAs2);
    px.Exchange("/Ass1", m_dAss1);
    px.Exchange("/Acor", m_dAcor);
    px.Exchange("/Bcor", m_dBcor);
    px.Exchange("/A", m_dAlpha);
    px.Exchange("/bIsAutoCaltAln", m_bIsAutoCaltAln);
}

BOOL CStlcnLocalPressParam::IsMesh() const { return m_strSteelType == "方格网式"; }
BOOL CStlcnLocalPressParam::IsSpiral() const { return m_strSteelType == "螺旋式"; }
BOOL CStlcnLocalPressParam::IsCircle() const { return m_strPressedAreaType == "四边圆形"; }

int CStlcnLocalPressParam::Calculate() {
    CalAb();
    CheckSection();
    CheckCapacity();
    m_strResult = m_strWordNoteA + "\r\n" + m_strWordNoteF;
    return 1;
}

void CStlcnLocalPressParam::InitMaterial() {
    m_dFc = CQeltConcrete::GetFc(m_strConcreteGrade);
    m_dFy = CQeltSteelBar::GetFy(m_strSteelBarGrade);
    m_dBc = CQeltConcrete::GetBetac(m_strConcreteGrade);
    m_dAs1 = kQuarterPi * m_dSteelDiameterToL1 * m_dSteelDiameterToL1;
    m_dAs2 = kQuarterPi * m_dSteelDiameterToL2 * m_dSteelDiameterToL2;
    m_dAss1 = kQuarterPi * m_dSteelDiameter * m_dSteelDiameter;
}

double CStlcnLocalPressParam::GetLongSide() const { return std::max(m_dSectionHeight, m_dSectionWidth); }

double CStlcnLocalPressParam::GetShortSide() const { return std::min(m_dSectionHeight, m_dSectionWidth); }

void CStlcnLocalPressParam::CalAb() {
    const CString& strShape = m_strPressedAreaType;
    double dRect = m_dSectionHeight * m_dSectionWidth;
    if (strShape == "三边临空" || strShape == "两边临空") {
        m_dAl = dRect;
        m_dAb = m_dAl;
    } else if (strShape == "对边临空" || strShape == "一边临空") {
        m_dAl = dRect;
        m_dAb = 3 * m_dAl;
    } else if (strShape == "四边矩形") {
        m_dAl = dRect;
        m_dAb = 3 * GetShortSide() * (GetLongSide() + 2 * GetShortSide());
    } else if (strShape == "四边圆形") {
        m_dAl = kQuarterPi * m_dSectionDiameter * m_dSectionDiameter;
        m_dAb = kQuarterPi * (3 * m_dSectionDiameter) * (3 * m_dSectionDiameter);
    }
    if (m_bIsAutoCaltAln == 1) m_dAln = m_dAl;
}

void CStlcnLocalPressParam::CalBetaL() { m_dBl = std::sqrt(m_dAb / m_dAl); }

double CStlcnLocalPressParam::MeshCoreArea() const {
    return (m_dLengthL1 - m_dSteelDiameterToL2) * (m_dLengthL2 - m_dSteelDiameterToL1);
}

double CStlcnLocalPressParam::SpiralCoreArea() const { return kQuarterPi * m_dCoreDiameter * m_dCoreDiameter; }

void CStlcnLocalPressParam::CalRhoV() {
    InitMaterial();
    if (IsSpiral()) {
        m_dAcor = SpiralCoreArea();
        m_dPv = 4 * m_dAss1 / (m_dCoreDiameter * m_dSteelInterval);
    } else if (IsMesh()) {
        m_dAcor = MeshCoreArea();
        m_dPv = (m_dSteelCountToL1 * m_dAs1 * m_dLengthL1 + m_dSteelCountToL2 * m_dAs2 * m_dLengthL2) /
                (m_dAcor * m_dSteelInterval);
    }
}

void CStlcnLocalPressParam::CalBetaCor() {
    if (m_dAcor >= m_dAb) m_dAcor = m_dAb;
    m_dBcor = std::sqrt(m_dAcor / m_dAl);
}

void CStlcnLocalPressParam::GetLocalPressAlpha() {
    CString strGrade = m_strConcreteGrade;
    strGrade.TrimLeft('C');
    double dGrade = std::atof(strGrade);
    if (dGrade <= 50)
        m_dAlpha = 1.0;
    else if (dGrade >= 80)
        m_dAlpha = 0.85;
    else
        m_dAlpha = 1 - (dGrade - 50) * 0.005;
}

double CStlcnLocalPressParam::CalSectionLimit() const { return 1.35 * m_dBc * m_dBl * m_dFc * m_dAln / 1000; }

double CStlcnLocalPressParam::CalCapacity() const {
    return 0.9 * (m_dBc * m_dBl * m_dFc + 2 * m_dAlpha * m_dPv * m_dBcor * m_dFy) * m_dAln / 1000;
}

void CStlcnLocalPressParam::CheckSection() {
    InitMaterial();
    CalBetaL();
    m_strWordNoteA = m_dImportantCoefV * m_dPressForce <= CalSectionLimit() ? "局部受压区的截面尺寸符合规范要求"
                                                                            : "局部受压区的截面尺寸不符合规范要求";
}

void CStlcnLocalPressParam::CheckCapacity() {
    CalRhoV();
    CalBetaCor();
    GetLocalPressAlpha();
    m_strWordNoteF = m_dImportantCoefV * m_dPressForce <= CalCapacity() ? "局部受压承载力满足规范要求"
                                                                        : "局部受压承载力不满足规范要求";
}
