// The torsion check's calculation after GB 50010-2002 7.6 for a member in pure torsion.
#include <cmath>

#include "checks/flexural/Tolerance.h"
#include "checks/members/GeneralParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

const char kNeedsDesign[] = "截面不符合构造配筋要求,需按计算配置抗扭钢筋。";
const char kConstructOnly[] = "该截面可不进行受扭承载力计算，仅需按构造要求配置抗扭钢筋。";
const char kSectionRefused[] = "截面不符合要求";

// ζ is used between 0.6 and 1.7.
double ClipZeta(double dZeta) {
    if (dZeta > 1.7) return 1.7;
    if (dZeta < 0.6) return 0.6;
    return dZeta;
}

}  // namespace

int CStlcnGeneralParam::Calculate() {
    InitMaterial();
    if (IsDesignMode()) {
        CalWt();
        CalHoHw();
        CheckSection();
        // A section too small for the torque gets no design.
        if (IsSectionRefused()) return 1;
        if (IsRectangle()) {
            if (CheckConstructRect() == 1) CalDesignRect();
        } else if (IsTSection()) {
            if (CheckConstructT() == 1) CalDesignWeb();
            if (CheckConstructFlange() == 1) CalDesignFlange();
        }
    } else if (IsCapacityMode()) {
        if (IsRectangle()) {
            CalDesignRect();
        } else if (IsTSection()) {
            CalDesignWeb();
            CalDesignFlange();
        }
        CalCapacity();
        CalHoHw();
        CheckSection();
        // No capacity above the section's limit.
        if (IsCapacityCapped()) m_dTwistMoment = CalSectionLimit();
    }
    return 1;
}

void CStlcnGeneralParam::InitMaterial() {
    m_dFc = CQeltConcrete::GetFc(m_strConcreteGrade);
    m_dFt = CQeltConcrete::GetFt(m_strConcreteGrade);
    m_dBc = CQeltConcrete::GetBetac(m_strConcreteGrade);
    m_dFy = CQeltSteelBar::GetFy(m_strVertiBarGrade);
    m_dFyv = CQeltSteelBar::GetFy_(m_strHoopBarGrade);
    // The minima of 10.2.5 (0.28·ft/fyv) and 10.2.5 with T/(Vb) = 2 (0.6·√2·ft/fy), in percent.
    if (m_bIsAutoCaltPsv == 1) m_dPsvmin = m_dFt / m_dFyv * (0.28 * 100);
    if (m_bIsAutoCaltPtl == 1) m_dPtlmin = std::sqrt(2.0) * m_dFt / m_dFy * 60;
}

void CStlcnGeneralParam::CalWt() {
    double dWeb = (3 * m_dSectionHeight - m_dSectionWidth) * m_dSectionWidth * m_dSectionWidth * (1.0 / 6);
    if (IsRectangle()) {
        m_dWt = dWeb;
    } else if (IsTSection()) {
        m_dWtw = dWeb;
        m_dWtf = (m_dTopCaltWidth - m_dSectionWidth) * m_dTopCaltHeight * m_dTopCaltHeight * 0.5;
        m_dWt = m_dWtw + m_dWtf;
    }
}

void CStlcnGeneralParam::CalHoHw() {
    if (IsRectangle()) {
        m_dHo = m_dSectionHeight - m_dDistanceToEdge;
        m_dHw = m_dHo;
    } else if (IsTSection()) {
        m_dHo = m_dSectionHeight - m_dDistanceToEdge;
        m_dHw = m_dHo - m_dTopCaltHeight;
    }
}

void CStlcnGeneralParam::CalTorqueSplit() {
    m_dTw = m_dTwistMoment * m_dWtw / m_dWt;
    m_dTf = m_dTwistMoment * m_dWtf / m_dWt;
}

void CStlcnGeneralParam::CalCoreRect() {
    m_dBcor = m_dSectionWidth - 2 * m_dGrossPly;
    m_dHcor = m_dSectionHeight - 2 * m_dGrossPly;
    m_dAcor = m_dBcor * m_dHcor;
    m_dUcor = 2 * (m_dBcor + m_dHcor);
}

void CStlcnGeneralParam::CalCoreWeb() { CalCoreRect(); }

void CStlcnGeneralParam::CalCoreFlange() {
    m_dBcor = m_dTopCaltWidth - m_dSectionWidth - 2 * m_dGrossPly;
    m_dHcor = m_dTopCaltHeight - 2 * m_dGrossPly;
    m_dAcor = m_dBcor * m_dHcor;
    m_dUcor = 2 * (m_dBcor + m_dHcor);
}

void CStlcnGeneralParam::CalAst(double dTorque, double dWt, double& dAst1, double& dAstl) {
    dAst1 = (m_dImportantCoef * dTorque * 1e6 - 0.35 * m_dFt * dWt) * m_dHoopSteelInterval /
            (1.2 * std::sqrt(m_dSteelGradeRatio) * m_dFyv * m_dAcor);
    dAstl = m_dUcor * m_dFyv * m_dSteelGradeRatio * dAst1 / (m_dFy * m_dHoopSteelInterval);
}

void CStlcnGeneralParam::CalAstRect() {
    InitMaterial();
    CalCoreRect();
    CalAst(m_dTwistMoment, m_dWt, m_dSqrtSimpleHoopAst1, m_dSqrtAllVertiAstl);
}

void CStlcnGeneralParam::CalAstWeb() {
    InitMaterial();
    CalCoreWeb();
    CalAst(m_dTw, m_dWtw, m_dBoardHoopAst1, m_dBoardAllVertiAstl);
}

void CStlcnGeneralParam::CalAstFlange() {
    InitMaterial();
    CalCoreFlange();
    CalAst(m_dTf, m_dWtf, m_dEdgeHoopAst1, m_dEdgeAllVertiAstl);
    m_dEdgeHoopAst1Used = m_dEdgeHoopAst1;
    m_dEdgeAllVertiAstlUsed = m_dEdgeAllVertiAstl;
}

double CStlcnGeneralParam::CalSectionLimit() const {
    double r = m_dHw / m_dSectionWidth;
    double k;
    if (r > 6)
        return -1;
    else if (r == 6)
        k = 0.2 * 0.8 * 1e-6;
    else if (r > 4)
        k = (0.2 - (r - 6) * 0.025) * 8e-07;  // 0.25 at hw/b = 4 to 0.2 at 6, linearly
    else
        k = 2e-07;
    return m_dWt / m_dImportantCoef * m_dBc * m_dFc * k;
}

double CStlcnGeneralParam::GetTestedTorque() const { return IsCapacityMode() ? m_dSteelTorque : m_dTwistMoment; }

// A torque equal to the limit, within the comparisons' tolerance, fits.
void CStlcnGeneralParam::CheckSection() {
    if (!IsRectangle() && !IsTSection()) return;
    double dLimit = CalSectionLimit();
    BOOL bFits = m_dHw / m_dSectionWidth <= 6 && IsLessEqual(GetTestedTorque(), dLimit);
    if (bFits)
        m_strNote1 = "截面符合要求";
    else if (IsDesignMode())
        m_strNote1 = kSectionRefused;
    else if (IsCapacityCapped())
        m_strNote1.Format("截面不符合条件,取T=%skN*m", (LPCTSTR)FormatNum(dLimit, 3));
    else if (IsCapacityMode())
        m_strNote1 = "截面不符合条件。";
}

BOOL CStlcnGeneralParam::IsCapacityCapped() const {
    if (!IsCapacityMode() || (!IsRectangle() && !IsTSection()) || m_dHw / m_dSectionWidth > 6) return FALSE;
    return !IsLessEqual(m_dSteelTorque, CalSectionLimit());
}

BOOL CStlcnGeneralParam::IsSectionRefused() const { return IsDesignMode() && m_strNote1 == kSectionRefused; }

double CStlcnGeneralParam::CalConstructLimit() const { return m_dWt / m_dImportantCoef * m_dFt * 7e-07; }

// Construction steel of a part, at the minimum ratios of 10.2.5: one stirrup leg takes its share of
// 0.28·ft/fyv·b·s over the n legs, the longitudinal bars 0.6·√2·ft/fy·b·h in all.
void CStlcnGeneralParam::SetConstructAreas(double dWidth, double dHeight, double& dAst1, double& dAstl,
                                           double& dAst1Used, double& dAstlUsed) const {
    dAstl = 0.6 * std::sqrt(2.0) * m_dFt / m_dFy * dWidth * dHeight;
    dAst1 = 0.28 * m_dFt / m_dFyv * dWidth * m_dHoopSteelInterval / m_dHoopSteelCount;
    dAst1Used = dAst1;
    dAstlUsed = dAstl;
}

int CStlcnGeneralParam::CheckConstructRect() {
    if (!IsRectangle()) return 0;
    if (CalConstructLimit() < m_dTwistMoment) {
        m_strNote2 = kNeedsDesign;
        return 1;
    }
    m_strNote2 = kConstructOnly;
    SetConstructAreas(m_dSectionWidth, m_dSectionHeight, m_dSqrtSimpleHoopAst1, m_dSqrtAllVertiAstl,
                      m_dSqrtSimpleHoopAst1Used, m_dSqrtAllVertiAstlUsed);
    return 0;
}

int CStlcnGeneralParam::CheckConstructT() {
    if (!IsTSection()) return 0;
    CalTorqueSplit();
    if (CalConstructLimit() < m_dTwistMoment) {
        m_strNote2 = kNeedsDesign;
        return 1;
    }
    m_strNote2 = kConstructOnly;
    SetConstructAreas(m_dSectionWidth, m_dSectionHeight, m_dBoardHoopAst1, m_dBoardAllVertiAstl, m_dBoardHoopAst1Used,
                      m_dBoardAllVertiAstlUsed);
    return 0;
}

int CStlcnGeneralParam::CheckConstructFlange() {
    if (!IsTSection()) return 0;
    if (CalConstructLimit() < m_dTwistMoment) return 1;
    SetConstructAreas(m_dTopCaltWidth - m_dSectionWidth, m_dTopCaltHeight, m_dEdgeHoopAst1, m_dEdgeAllVertiAstl,
                      m_dEdgeHoopAst1Used, m_dEdgeAllVertiAstlUsed);
    return 0;
}

void CStlcnGeneralParam::CheckMinRatio(double dWidth, double dHeight, double dAst1, double dAstl, double& dPsv,
                                       double& dPtl, double& dAst1Used, double& dAstlUsed, double& dMinAst1,
                                       double& dMinAstl, CString& strHoopNote, CString& strVertiNote,
                                       LPCTSTR lpszHoopLine, LPCTSTR lpszVertiLine) {
    CString strLine;
    dPsv = m_dHoopSteelCount * dAst1 / (dWidth * m_dHoopSteelInterval);
    if (dPsv >= m_dPsvmin * 0.01) {
        strHoopNote = "满足最小配箍率要求";
        dAst1Used = dAst1;
    } else {
        dMinAst1 = m_dPsvmin / m_dHoopSteelCount * dWidth * m_dHoopSteelInterval * 0.01;
        strLine.Format(lpszHoopLine, RoundHalfUp(dMinAst1));
        strHoopNote = "不满足最小配箍率要求\n" + strLine;
        dAst1Used = dMinAst1;
    }
    dPtl = dAstl / (dWidth * dHeight);
    if (dPtl >= m_dPtlmin * 0.01) {
        strVertiNote = "满足最小配筋率要求";
        dAstlUsed = dAstl;
    } else {
        dMinAstl = m_dPtlmin * dWidth * dHeight * 0.01;
        strLine.Format(lpszVertiLine, RoundHalfUp(dMinAstl));
        strVertiNote = "不满足最小配筋率要求\n" + strLine;
        dAstlUsed = dMinAstl;
    }
}

void CStlcnGeneralParam::CheckMinRatioRect() {
    CheckMinRatio(m_dSectionWidth, m_dSectionHeight, m_dSqrtSimpleHoopAst1, m_dSqrtAllVertiAstl, m_dSquarePsv,
                  m_dSquarePtl, m_dSqrtSimpleHoopAst1Used, m_dSqrtAllVertiAstlUsed, m_dMinHoopAst1, m_dMinAllVertiAstl,
                  m_strNote4, m_strNote5, "      所以，计算面积为:Ast1=ρsv*b*h=%dmm$2$",
                  "      所以，计算面积为:Astl=ρtl*b*h=%dmm$2$");
}

void CStlcnGeneralParam::CheckMinRatioWeb() {
    CheckMinRatio(m_dSectionWidth, m_dSectionHeight, m_dBoardHoopAst1, m_dBoardAllVertiAstl, m_dTBoardPsv, m_dTBoardPtl,
                  m_dBoardHoopAst1Used, m_dBoardAllVertiAstlUsed, m_dMinHoopAst1, m_dMinAllVertiAstl, m_strNote4,
                  m_strNote5, "      所以，计算面积为:Ast1=ρsv*b*h/n=%dmm$2$\n",
                  "      所以，计算面积为:Astl=ρtl*b*h=%dmm$2$\n");
}

void CStlcnGeneralParam::CheckMinRatioFlange() {
    // The flange's minimum areas show only in its verdicts.
    double dMinAst1 = 0, dMinAstl = 0;
    CheckMinRatio(m_dTopCaltWidth - m_dSectionWidth, m_dTopCaltHeight, m_dEdgeHoopAst1, m_dEdgeAllVertiAstl,
                  m_dTEdgePsv, m_dTEdgePtl, m_dEdgeHoopAst1Used, m_dEdgeAllVertiAstlUsed, dMinAst1, dMinAstl,
                  m_strNote6, m_strNote7, "      所以，计算面积为:Astl=ρsv*(bf'-b)*s/n=%dmm$2$\n",
                  "      所以，计算面积为:Astl=ρsv*(bf'-b)* hf'=%dmm$2$\n");
}

void CStlcnGeneralParam::CalDesignRect() {
    if (!IsRectangle()) return;
    if (IsDesignMode()) CalAstRect();
    CheckMinRatioRect();
}

void CStlcnGeneralParam::CalDesignWeb() {
    if (!IsTSection()) return;
    if (IsDesignMode()) CalAstWeb();
    CheckMinRatioWeb();
}

void CStlcnGeneralParam::CalDesignFlange() {
    if (!IsTSection()) return;
    if (IsDesignMode()) CalAstFlange();
    CheckMinRatioFlange();
}

void CStlcnGeneralParam::CalZetaOf(double dAst1, double dAstl, double& dZeta, double& dZetaUsed) const {
    dZeta = m_dFy * dAstl * m_dHoopSteelInterval / (m_dUcor * m_dFyv * dAst1);
    dZetaUsed = ClipZeta(dZeta);
}

void CStlcnGeneralParam::CalZeta() {
    if (IsRectangle()) {
        CalZetaOf(m_dSqrtSimpleHoopAst1, m_dSqrtAllVertiAstl, m_dZetaSquare, m_dZetaSquareUsed);
    } else if (IsTSection()) {
        CalCoreWeb();
        CalZetaOf(m_dBoardHoopAst1, m_dBoardAllVertiAstl, m_dZetaTBoard, m_dZetaTBoardUsed);
    }
}

void CStlcnGeneralParam::CalZetaFlange() {
    CalCoreFlange();
    CalZetaOf(m_dEdgeHoopAst1, m_dEdgeAllVertiAstl, m_dZetaTEdge, m_dZetaTEdgeUsed);
}

double CStlcnGeneralParam::CalPartCapacity(double dAst1, double dZetaUsed, double dWt) const {
    return (1.2 * std::sqrt(dZetaUsed) * dAst1 / m_dHoopSteelInterval * m_dAcor * m_dFyv + 0.35 * m_dFt * dWt) /
           m_dImportantCoef;
}

// The capacity takes the given areas, not the adopted ones.
void CStlcnGeneralParam::CalCapacity() {
    CalWt();
    if (IsRectangle()) {
        CalCoreRect();
        CalZeta();
        if (m_dZetaSquare < 0) m_dZetaSquare = 0;
        m_dTwistMoment = CalPartCapacity(m_dSqrtSimpleHoopAst1, m_dZetaSquareUsed, m_dWt) * 1e-06;
    } else if (IsTSection()) {
        CalCoreWeb();
        CalZeta();
        if (m_dZetaTBoard < 0) m_dZetaTBoard = 0;
        m_dTw = CalPartCapacity(m_dBoardHoopAst1, m_dZetaTBoardUsed, m_dWtw);
        CalCoreFlange();
        CalZetaFlange();
        if (m_dZetaTEdge < 0) m_dZetaTEdge = 0;
        m_dTf = CalPartCapacity(m_dEdgeHoopAst1, m_dZetaTEdgeUsed, m_dWtf);
        m_dTwistMoment = (m_dTw + m_dTf) * 1e-06;
    }
    m_dSteelTorque = m_dTwistMoment;
}
