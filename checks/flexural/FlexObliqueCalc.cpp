// The formula members and the two modes of the flexural oblique section (GB 50010-2002 7.5.1, 7.5.4).
#include "checks/flexural/FlexObliqueParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

double CStlcnFlexObliqueParam::Ft() const { return CQeltConcrete::GetFt(m_strConcreteGrade); }

double CStlcnFlexObliqueParam::Fc() const { return CQeltConcrete::GetFc(m_strConcreteGrade); }

double CStlcnFlexObliqueParam::Fyv() const { return CQeltSteelBar::GetFy(m_strSteelBarGrade); }

double CStlcnFlexObliqueParam::CalHo() const { return m_dH - m_dAs; }

double CStlcnFlexObliqueParam::CalHw() const { return IsRectangle() ? CalHo() : CalHo() - m_dHf; }

double CStlcnFlexObliqueParam::CalLambda() const {
    double dLambda = m_dA / CalHo();
    if (dLambda < 1.5) return 1.5;
    if (dLambda > 3) return 3;
    return dLambda;
}

double CStlcnFlexObliqueParam::GetMinSteelRatio() const { return 0.24 * Ft() / Fyv(); }

double CStlcnFlexObliqueParam::GetPmin() const { return m_bIsAutoCalt == 1 ? GetMinSteelRatio() : m_dPmin; }

double CStlcnFlexObliqueParam::CalSectionLimitFactor() const {
    double r = CalHw() / m_dB;
    if (IsLessEqual(r, 4)) return 0.25;
    if (IsGreaterEqual(r, 6)) return 0.2;
    return GetInterNum(6, 0.2, 4, 0.25, r);
}

double CStlcnFlexObliqueParam::CalSectionLimit() const {
    double K = CQeltConcrete::GetBetac(m_strConcreteGrade) * Fc() * m_dB * CalHo() / m_dGo;
    double r = CalHw() / m_dB;
    if (IsLessEqual(r, 4)) return 0.25 * K;
    if (IsGreaterEqual(r, 6)) return 0.2 * K;
    return GetInterNum(6, 0.2 * K, 4, 0.25 * K, r);
}

double CStlcnFlexObliqueParam::CalVc() const {
    double dConcrete = Ft() * m_dB * CalHo();
    if (IsUniformLoad()) return 0.7 * dConcrete;
    return 1.75 / (CalLambda() + 1) * dConcrete;
}

double CStlcnFlexObliqueParam::CalAsv() const {
    double dAsv = (m_dGo * m_dV - CalVc()) * m_dS / (Fyv() * CalHo());
    return IsUniformLoad() ? 0.8 * dAsv : dAsv;
}

double CStlcnFlexObliqueParam::CalShearCapacity() const {
    double dStirrups = Fyv() * (m_dAreasSv / m_dS) * CalHo();
    if (IsUniformLoad()) return (CalVc() + 1.25 * dStirrups) / m_dGo;
    return (CalVc() + dStirrups) / m_dGo;
}

int CStlcnFlexObliqueParam::Calculate() {
    if (IsDesignMode())
        CalDesign();
    else
        CalCapacity();
    return 1;
}

void CStlcnFlexObliqueParam::CalDesign() {
    double dLimit = CalSectionLimit();
    double dVc = CalVc();
    double dPmin = GetPmin();
    double dAsvCalc = CalAsv();
    if (!IsLessEqual(m_dV, dLimit)) {
        // The section is too small: the formula's area, unraised, with its own ratio.
        m_dAreasSv = dAsvCalc;
        m_dRatioSv = dAsvCalc / (m_dS * m_dB);
        return;
    }
    double dAsv = IsLessEqual(m_dV, dVc / m_dGo) ? 0.24 * (Ft() / Fyv()) * m_dS * m_dB : dAsvCalc;
    double dRatio = dAsv / (m_dS * m_dB);
    m_dRatioSv = IsGreaterEqual(dRatio, dPmin) ? dRatio : dPmin;
    m_dAreasSv = m_dS * m_dB * m_dRatioSv;
}

void CStlcnFlexObliqueParam::CalCapacity() {
    double dVu = CalShearCapacity();
    double dLimit = CalSectionLimit();
    m_dV = dVu <= dLimit ? dVu : dLimit;
}
