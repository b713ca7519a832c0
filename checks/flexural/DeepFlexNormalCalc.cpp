// The formula members and the two modes of the deep flexural normal section (GB 50010-2002 10.7.3,
// 10.7.13).
#include <cmath>

#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

double CStlcnDeepFlexNormalParam::Fc() const { return CQeltConcrete::GetFc(m_strConcreteGrade); }

double CStlcnDeepFlexNormalParam::Ft() const { return CQeltConcrete::GetFt(m_strConcreteGrade); }

double CStlcnDeepFlexNormalParam::Alpha1() const { return CQeltConcrete::GetAlpha1(m_strConcreteGrade); }

double CStlcnDeepFlexNormalParam::Fy() const { return CQeltSteelBar::GetFy(m_strSteelBarGrade); }

BOOL CStlcnDeepFlexNormalParam::IsShortSpan() const { return m_dLo < m_dH; }

double CStlcnDeepFlexNormalParam::CalHo() const { return m_dH - m_dAs; }

double CStlcnDeepFlexNormalParam::CalAlphaD() const { return 0.8 + 0.04 * m_dLo / m_dH; }

double CStlcnDeepFlexNormalParam::CalA() const { return Alpha1() * Fc() * m_dB * CalAlphaD(); }

double CStlcnDeepFlexNormalParam::CalX() const {
    double ho = CalHo();
    // γo·M = A·x·(ho − x/2): the design moment enters with its importance factor, as in As.
    double D = ho * ho - 2 * NMM_PER_KNM * m_dGo * m_dM / CalA();
    if (IsLessEqual(D, 0)) return -1;
    return ho - std::sqrt(D);
}

double CStlcnDeepFlexNormalParam::GetX() {
    double x0 = CalX();
    if (IsLessEqual(x0, 0)) m_bHasRoot = 0;
    double dMinX = 0.2 * CalHo();
    return x0 < dMinX - 1e-6 ? dMinX : x0;
}

double CStlcnDeepFlexNormalParam::CalZShort() const { return 0.6 * m_dLo; }

double CStlcnDeepFlexNormalParam::CalZ() { return CalAlphaD() * (CalHo() - 0.5 * GetX()); }

// As = γo·M/(fy·z); -1 when fy·z cannot divide.
double CStlcnDeepFlexNormalParam::SteelArea(double dMoment, double dFy, double dZ) {
    double dDivisor = dFy * dZ;
    if (dDivisor < 0 || std::fabs(dDivisor) < 1e-6) return -1;
    return dMoment * NMM_PER_KNM / dDivisor;
}

double CStlcnDeepFlexNormalParam::CalAsShort() const { return SteelArea(m_dGo * m_dM, Fy(), CalZShort()); }

double CStlcnDeepFlexNormalParam::CalAs() { return SteelArea(m_dGo * m_dM, Fy(), CalZ()); }

double CStlcnDeepFlexNormalParam::CalRatioShort() const { return CalAsShort() / (m_dH * m_dB); }

double CStlcnDeepFlexNormalParam::CalRatio() { return CalAs() / (m_dH * m_dB); }

double CStlcnDeepFlexNormalParam::GetXib() const { return CQeltConcrete::GetEb(m_strSteelBarGrade, m_strConcreteGrade); }

BOOL CStlcnDeepFlexNormalParam::IsOverReinforced() const {
    return !IsShortSpan() && CalX() > GetXib() * CalHo() + 1e-6;
}

BOOL CStlcnDeepFlexNormalParam::HasDesign() const {
    return IsShortSpan() || (!IsLessEqual(CalX(), 0) && !IsOverReinforced());
}

double CStlcnDeepFlexNormalParam::CalXByAs() const { return Fy() * m_dAreas / (Alpha1() * Fc() * m_dB); }

BOOL CStlcnDeepFlexNormalParam::IsCapacityCapped() const {
    return !IsShortSpan() && CalXByAs() > GetXib() * CalHo() + 1e-6;
}

double CStlcnDeepFlexNormalParam::GetXByAs() const {
    double x0 = CalXByAs();
    double ho = CalHo();
    if (IsCapacityCapped()) return GetXib() * ho;
    return x0 < 0.2 * ho - 1e-6 ? 0.2 * ho : x0;
}

double CStlcnDeepFlexNormalParam::CalZByAs() const { return CalAlphaD() * (CalHo() - 0.5 * GetXByAs()); }

double CStlcnDeepFlexNormalParam::CalMShort() const { return Fy() * CalZShort() * m_dAreas / m_dGo / NMM_PER_KNM; }

// M = fy·As·z, with the steel's force no more than the compression zone's α1·fc·b·ξb·ho carries.
double CStlcnDeepFlexNormalParam::CalM() const {
    double dForce = IsCapacityCapped() ? Alpha1() * Fc() * m_dB * GetXByAs() : Fy() * m_dAreas;
    return dForce * CalZByAs() / m_dGo / NMM_PER_KNM;
}

int CStlcnDeepFlexNormalParam::GetBeamTypeIndex(const CString& strType) {
    if (strType == "单跨简支梁") return 0;
    if (strType == "多跨连续梁") return 1;
    return -1;
}

int CStlcnDeepFlexNormalParam::GetDeepTypeSimple(const double& dH, const double& dLo) {
    double k = dLo / dH;
    if (k > 0 && IsLessEqual(k, 2)) return DEEP_CLASS_DEEP_BEAM;
    if (k > 2 && k < 5) return DEEP_CLASS_GENERAL;
    if (IsGreaterEqual(k, 5)) return DEEP_CLASS_NOT_DEEP;
    return DEEP_CLASS_NONE;
}

int CStlcnDeepFlexNormalParam::GetDeepTypeContinuous(const double& dH, const double& dLo) {
    double k = dLo / dH;
    if (k > 0 && IsLessEqual(k, 2.5)) return DEEP_CLASS_DEEP_BEAM;
    if (IsGreaterEqual(k, 2) && k < 5) return DEEP_CLASS_GENERAL;
    if (IsGreaterEqual(k, 5)) return DEEP_CLASS_NOT_DEEP;
    return DEEP_CLASS_NONE;
}

int CStlcnDeepFlexNormalParam::GetDeepType() const {
    return m_strGenType == "单跨简支梁" ? GetDeepTypeSimple(m_dH, m_dLo) : GetDeepTypeContinuous(m_dH, m_dLo);
}

CString CStlcnDeepFlexNormalParam::GetDeepTypeText() const {
    return GetDeepType() == DEEP_CLASS_DEEP_BEAM ? "深梁" : "一般深受弯构件";
}

double CStlcnDeepFlexNormalParam::GetMinSteelRatio() const {
    int nClass;
    switch (GetBeamTypeIndex(m_strGenType)) {
    case 0:
        nClass = GetDeepTypeSimple(m_dH, m_dLo);
        break;
    case 1:
        nClass = GetDeepTypeContinuous(m_dH, m_dLo);
        break;
    default:
        return -1;
    }
    if (nClass == DEEP_CLASS_DEEP_BEAM) return m_strSteelBarGrade == "HPB235" ? 0.0025 : 0.002;
    return GetCodeMinRatio(Ft(), Fy());
}

double CStlcnDeepFlexNormalParam::GetPmin() const { return m_bIsAutoCalt == 1 ? GetMinSteelRatio() : m_dPmin; }

double CStlcnDeepFlexNormalParam::CalMinAs() const { return GetPmin() * m_dH * m_dB; }

int CStlcnDeepFlexNormalParam::Calculate() {
    m_bHasRoot = 1;
    if (IsDesignMode())
        CalDesign();
    else if (m_strCalType == "已知配筋求弯矩")
        CalCapacity();
    return 1;
}

void CStlcnDeepFlexNormalParam::CalDesign() {
    if (IsShortSpan()) {
        m_dZ = CalZShort();
        m_dRatio = CalRatioShort();
    } else {
        m_dHo = CalHo();
        m_dAlphaD = CalAlphaD();
        m_dA = CalA();
        m_dX = GetX();
        // Without a compression zone within ξb·ho there is no design: As is left as it was.
        if (!HasDesign()) return;
        m_dZ = CalZ();
        m_dRatio = CalRatio();
    }
    m_dMinAs = CalMinAs();
    double dPmin = GetPmin();
    if (!IsGreaterEqual(m_dRatio, dPmin)) m_dRatio = dPmin;
    m_dAreas = m_dB * m_dRatio * m_dH;
}

void CStlcnDeepFlexNormalParam::CalCapacity() {
    m_dMinAs = CalMinAs();
    m_dRatio = m_dAreas / (m_dB * m_dH);
    if (m_bIsAutoCalt == 1) m_dPmin = GetMinSteelRatio();
    if (IsShortSpan()) {
        m_dZ = CalZShort();
        m_dM = CalMShort();
    } else {
        m_dXib = GetXib();
        m_dX = GetXByAs();
        m_dAlphaD = CalAlphaD();
        m_dZ = CalZByAs();
        m_dM = CalM();
    }
}
