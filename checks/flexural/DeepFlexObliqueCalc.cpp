// The formula members and the three modes of the deep flexural oblique section (GB 50010-2002
// 10.7.4, 10.7.5, 10.7.13).
#include <cmath>

#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

double CStlcnDeepFlexObliqueParam::Ft() const { return CQeltConcrete::GetFt(m_strConcreteGrade); }

double CStlcnDeepFlexObliqueParam::Fc() const { return CQeltConcrete::GetFc(m_strConcreteGrade); }

double CStlcnDeepFlexObliqueParam::Fyh() const { return CQeltSteelBar::GetFy(m_strSteelBarGradeHor); }

double CStlcnDeepFlexObliqueParam::Fyv() const { return CQeltSteelBar::GetFy(m_strSteelBarGradeVer); }

BOOL CStlcnDeepFlexObliqueParam::IsUniformLoad() const { return m_strDeepFType == "均布荷载一般梁"; }

double CStlcnDeepFlexObliqueParam::SpanRatio() const { return m_dLo / m_dH; }

BOOL CStlcnDeepFlexObliqueParam::HasResult() const {
    double r = SpanRatio();
    return r > 0 && !IsGreaterEqual(r, 5);
}

double CStlcnDeepFlexObliqueParam::CalHo() const { return m_dH - m_dAs; }

double CStlcnDeepFlexObliqueParam::CalLoH() const {
    double r = SpanRatio();
    if (r <= 0) return -1;
    return r < 2 ? 2 : r;
}

int CStlcnDeepFlexObliqueParam::GetDeepType() const {
    double dBound;
    if (m_strDeepType == "单跨简支梁")
        dBound = 2;
    else if (m_strDeepType == "多跨连续梁")
        dBound = 2.5;
    else
        return -1;
    double r = SpanRatio();
    if (r > 0 && IsLessEqual(r, dBound)) return 0;
    if (r > dBound && r < 5) return 1;
    return 2;
}

double CStlcnDeepFlexObliqueParam::CalLambda() const {
    double r = SpanRatio();
    if (IsLessEqual(r, 2)) return 0.25;
    if (r >= 5) return -1;
    double dLambda = m_dA / CalHo();
    double dUpper = 0.92 * r - 1.58;
    double dLower = 0.42 * r - 0.58;
    if (dLambda > dUpper) return dUpper;
    if (dLambda < dLower) return dLower;
    return dLambda;
}

double CStlcnDeepFlexObliqueParam::CalSectionLimitFactor() const {
    double r = CalHo() / m_dB;
    if (IsLessEqual(r, 4)) return 10;
    if (IsGreaterEqual(r, 6)) return 7;
    return GetInterNum(4, 10, 6, 7, r);
}

double CStlcnDeepFlexObliqueParam::CalSectionLimit() const {
    return (CalSectionLimitFactor() + CalLoH()) * CQeltConcrete::GetBetac(m_strConcreteGrade) * Fc() * m_dB * CalHo() /
           m_dGo / 60;
}

double CStlcnDeepFlexObliqueParam::GetMinSteelRatioSh() const {
    if (GetDeepType() != 0) return 0.24 * Ft() / Fyh();
    return m_strSteelBarGradeHor == "HPB235" ? 0.0025 : 0.002;
}

double CStlcnDeepFlexObliqueParam::GetMinSteelRatioSv() const {
    if (GetDeepType() != 0) return 0.24 * Ft() / Fyv();
    return m_strSteelBarGradeVer == "HPB235" ? 0.0025 : 0.002;
}

double CStlcnDeepFlexObliqueParam::GetPminSh() const { return m_bIsAutoCaltSh == 1 ? GetMinSteelRatioSh() : m_dPminSh; }

double CStlcnDeepFlexObliqueParam::GetPminSv() const { return m_bIsAutoCaltSv == 1 ? GetMinSteelRatioSv() : m_dPminSv; }

double CStlcnDeepFlexObliqueParam::CalMinAsh() const { return GetPminSh() * m_dSv * m_dB; }

double CStlcnDeepFlexObliqueParam::CalMinAsv() const { return GetPminSv() * m_dSh * m_dB; }

double CStlcnDeepFlexObliqueParam::CalVc() const {
    double dConcrete = Ft() * m_dB * CalHo();
    if (IsUniformLoad()) return 0.7 / 3 * (8 - CalLoH()) * dConcrete;
    double dDivisor = CalLambda() + 1;
    if (dDivisor < 1e-6) return -1;
    return 1.75 / dDivisor * dConcrete;
}

double CStlcnDeepFlexObliqueParam::CalVsv(double dAsv) const {
    double c = IsUniformLoad() ? 1.25 / 3 : 1.0 / 3;
    return c * (CalLoH() - 2) * Fyv() * dAsv * CalHo() / m_dSh;
}

double CStlcnDeepFlexObliqueParam::CalVsh(double dAsh) const {
    return (5 - CalLoH()) * Fyh() * dAsh * CalHo() / m_dSv / 6;
}

double CStlcnDeepFlexObliqueParam::CalShearByAsv() const { return (CalVc() + CalVsv(m_dAreasSv)) / m_dGo; }

double CStlcnDeepFlexObliqueParam::CalAsh() const {
    double dFactor = 5 - CalLoH();
    if (dFactor < 1e-6) return -1;
    return 6 * (m_dGo * m_dV - (CalVc() + CalVsv(m_dAreasSv))) * m_dSv / (dFactor * Fyh() * CalHo());
}

double CStlcnDeepFlexObliqueParam::CalShearByAsh() const { return (CalVc() + CalVsh(m_dAreasSh)) / m_dGo; }

double CStlcnDeepFlexObliqueParam::CalAsv() const {
    double m = IsUniformLoad() ? 1.25 : 1.0;
    double dFactor = CalLoH() - 2;
    if (dFactor < 1e-6) return -1;
    return 3 * (m_dGo * m_dV - (CalVc() + CalVsh(m_dAreasSh))) * m_dSh / (m * dFactor * Fyv() * CalHo());
}

double CStlcnDeepFlexObliqueParam::RaisedRatio(double dRatio, double dMin) {
    return IsGreaterEqual(dRatio, dMin) ? dRatio : dMin;
}

double CStlcnDeepFlexObliqueParam::CalShearCapacity() {
    m_dRatioSh = m_dAreasSh / (m_dB * m_dSv);
    m_dRatioSv = m_dAreasSv / (m_dB * m_dSh);
    return (CalVc() + CalVsv(m_dAreasSv) + CalVsh(m_dAreasSh)) / m_dGo;
}

int CStlcnDeepFlexObliqueParam::Calculate() {
    m_dRatioSh = 0;
    m_dRatioSv = 0;
    // From lo/h = 5 on the formulas divide by zero or worse: nothing is calculated.
    if (!HasResult()) return 1;
    int nMode = GetModeIndex();
    if (nMode == 0)
        CalDesignAsh();
    else if (nMode == 1)
        CalDesignAsv();
    else
        CalCapacity();
    return 1;
}

void CStlcnDeepFlexObliqueParam::CalDesignAsh() {
    if (!HasResult()) return;
    double dAsh;
    if (IsLessEqual(m_dV, CalSectionLimit()) && IsLessEqual(m_dV, CalShearByAsv()))
        dAsh = CalMinAsh();
    else
        dAsh = CalAsh();
    m_dRatioSh = RaisedRatio(dAsh / (m_dB * m_dSv), GetPminSh());
    m_dAreasSh = m_dB * m_dRatioSh * m_dSv;
}

void CStlcnDeepFlexObliqueParam::CalDesignAsv() {
    if (!HasResult()) return;
    double dAsv;
    if (CalLoH() == 2 || (IsLessEqual(m_dV, CalSectionLimit()) && IsLessEqual(m_dV, CalShearByAsh())))
        dAsv = CalMinAsv();
    else
        dAsv = CalAsv();
    m_dRatioSv = RaisedRatio(dAsv / (m_dB * m_dSh), GetPminSv());
    m_dAreasSv = m_dB * m_dRatioSv * m_dSh;
}

void CStlcnDeepFlexObliqueParam::CalCapacity() {
    if (!HasResult()) return;
    double dVu = CalShearCapacity();
    double dLimit = CalSectionLimit();
    m_dV = dVu <= dLimit ? dVu : dLimit;
}
