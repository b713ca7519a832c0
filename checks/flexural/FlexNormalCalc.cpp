// The formula members and the calculation paths of the flexural normal section.
#include <cmath>

#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

double CStlcnFlexNormalParam::Fc() const { return CQeltConcrete::GetFc(m_strConcreteGrade); }

double CStlcnFlexNormalParam::Ft() const { return CQeltConcrete::GetFt(m_strConcreteGrade); }

double CStlcnFlexNormalParam::Alpha1() const { return CQeltConcrete::GetAlpha1(m_strConcreteGrade); }

CString CStlcnFlexNormalParam::Alpha1Text() const { return CQeltConcrete::GetAlpha1Str(m_strConcreteGrade); }

double CStlcnFlexNormalParam::Fy() const { return CQeltSteelBar::GetFy(m_strSteelBarGradePl); }

double CStlcnFlexNormalParam::FyPs() const { return CQeltSteelBar::GetFy(m_strSteelBarGradePs); }

double CStlcnFlexNormalParam::XiOfAlphaS(double dAlphaS) {
    if (IsGreaterEqual(dAlphaS, 0.5)) return 1.0;
    return 1.0 - std::sqrt(1.0 - 2.0 * dAlphaS);
}

double CStlcnFlexNormalParam::CalHo() const { return m_dH - m_dAsPl; }

double CStlcnFlexNormalParam::CalAlphaS() const {
    double ho = CalHo();
    return m_dGo * m_dM * NMM_PER_KNM / (Alpha1() * Fc() * m_dB * ho * ho);
}

double CStlcnFlexNormalParam::CalXi() const { return XiOfAlphaS(CalAlphaS()); }

double CStlcnFlexNormalParam::CalAsSingle() const { return Alpha1() * Fc() * m_dB * CalHo() * CalXi() / Fy(); }

double CStlcnFlexNormalParam::CalRatioSingle() const { return CalAsSingle() / (m_dB * m_dH); }

double CStlcnFlexNormalParam::GetMinSteelRatio() const { return GetCodeMinRatio(Ft(), Fy()); }

double CStlcnFlexNormalParam::GetMinSteelRatioPs() const { return GetCodeMinRatio(Ft(), FyPs()); }

double CStlcnFlexNormalParam::GetPminPl() const { return m_bIsAutoCalt == 1 ? GetMinSteelRatio() : m_dPminPl; }

double CStlcnFlexNormalParam::GetPminPs() const { return m_bIsAutoCaltPs == 1 ? GetMinSteelRatioPs() : m_dPminPs; }

double CStlcnFlexNormalParam::GetXib() const { return CQeltConcrete::GetEb(m_strSteelBarGradePl, m_strConcreteGrade); }

double CStlcnFlexNormalParam::GetMaxSteelRatio() const { return GetXib() * Alpha1() * Fc() / Fy() * CalHo() / m_dH; }

double CStlcnFlexNormalParam::CalXiCapacity() const { return Fy() * m_dAreasPl / (Alpha1() * Fc() * m_dB * CalHo()); }

double CStlcnFlexNormalParam::CalMPs() const { return FyPs() * m_dAreasPs * (CalHo() - m_dAsPs); }

double CStlcnFlexNormalParam::CalM1() const { return m_dGo * m_dM * NMM_PER_KNM - CalMPs(); }

double CStlcnFlexNormalParam::CalAlphaS1() const {
    double ho = CalHo();
    return CalM1() / (Alpha1() * Fc() * m_dB * ho * ho);
}

double CStlcnFlexNormalParam::CalXi1() const { return XiOfAlphaS(CalAlphaS1()); }

double CStlcnFlexNormalParam::CalX1() const { return CalXi1() * CalHo(); }

double CStlcnFlexNormalParam::CalAsPsDouble() const {
    double ho = CalHo();
    double xib = GetXib();
    return (m_dGo * m_dM * NMM_PER_KNM - Alpha1() * Fc() * m_dB * ho * ho * xib * (1 - 0.5 * xib)) /
           (FyPs() * (ho - m_dAsPs));
}

double CStlcnFlexNormalParam::CalAsPsOver() const {
    if (CalX1() > GetXib() * CalHo()) return CalAsPsDouble();
    return 1.0;
}

double CStlcnFlexNormalParam::CalXCapacityDouble() const {
    return (Fy() * m_dAreasPl - FyPs() * m_dAreasPs) / (Alpha1() * Fc() * m_dB);
}

int CStlcnFlexNormalParam::IsFlangeClassDesign() const {
    double ho = CalHo();
    double dFlange = Alpha1() * Fc() * m_dBf * m_dHf * (ho - m_dHf / 2) / m_dGo;
    return IsLessEqual(m_dM * NMM_PER_KNM, dFlange) ? 1 : 0;
}

double CStlcnFlexNormalParam::CalAlphaST() const {
    double ho = CalHo();
    double dConcrete = Alpha1() * Fc();
    if (IsFlangeClassDesign() == 1) return m_dGo * m_dM * NMM_PER_KNM / (dConcrete * m_dBf * ho * ho);
    return (m_dGo * m_dM * NMM_PER_KNM - dConcrete * (m_dBf - m_dB) * m_dHf * (ho - m_dHf / 2)) / (dConcrete * m_dB * ho * ho);
}

double CStlcnFlexNormalParam::CalXiT() const { return XiOfAlphaS(CalAlphaST()); }

int CStlcnFlexNormalParam::IsFlangeClassCapacity() const {
    return IsLessEqual(Fy() * m_dAreasPl, Alpha1() * Fc() * m_dBf * m_dHf) ? 1 : 0;
}

double CStlcnFlexNormalParam::CalXiTCapacity() const {
    double dConcrete = Alpha1() * Fc();
    if (IsFlangeClassCapacity() == 1) return Fy() * m_dAreasPl / (dConcrete * m_dBf * CalHo());
    return (Fy() * m_dAreasPl - dConcrete * (m_dBf - m_dB) * m_dHf) / (dConcrete * m_dB * CalHo());
}

double CStlcnFlexNormalParam::CalXiTFlange() const { return Fy() * m_dAreasPl / (Alpha1() * Fc() * m_dBf * CalHo()); }

int CStlcnFlexNormalParam::Calculate() {
    m_bRebuildProcess = 1;
    BOOL bDesign = IsDesignMode();
    if (!IsRectangle()) {
        if (bDesign)
            CalDesignT();
        else
            CalCapacityT();
    } else if (m_strMatchBarType == "单筋") {
        if (bDesign)
            CalDesignSingle();
        else
            CalCapacitySingle();
    } else if (m_strMatchBarType == "双筋" || !bDesign) {
        if (bDesign)
            CalDesignDouble();
        else
            CalCapacityDouble();
    } else {
        // Given compression steel: the process text decides whether the given A's stands or is
        // replaced by a design in which it is sought, so it is built here and kept for the report.
        GetProcessTextDesignDouble();
        CalDesignKnownAs_();
        m_bRebuildProcess = 0;
    }
    return 1;
}

void CStlcnFlexNormalParam::CalDesignSingle() {
    double dPmin = GetPminPl();
    if (IsGreaterEqual(CalRatioSingle(), dPmin))
        m_dAreasPl = CalAsSingle();
    else
        m_dAreasPl = dPmin * m_dB * m_dH;
}

void CStlcnFlexNormalParam::CalCapacitySingle() {
    double ho = CalHo();
    double xib = GetXib();
    double xi = CalXiCapacity();
    if (!IsLessEqual(xi, xib)) xi = xib;
    m_dM = Alpha1() * Fc() * m_dB * ho * ho * xi * (1 - 0.5 * xi) / m_dGo / NMM_PER_KNM;
}

void CStlcnFlexNormalParam::CalDesignDouble() {
    double dArea = m_dB * m_dH;
    double dPmin = GetPminPl();
    double dPminPs = GetPminPs();
    m_dAreasPs = CalAsPsDouble();
    if (IsLessEqual(m_dAreasPs, 0.0)) {
        m_dAreasPs = m_bIsSingleRein != 0 ? 0.0 : dPminPs * dArea;
        m_dAreasPl = CalAsSingle();
    } else {
        if (m_dAreasPs / dArea < dPminPs) m_dAreasPs = dPminPs * dArea;
        double xib = GetXib();
        m_dAreasPl = (Alpha1() * Fc() * m_dB * xib * CalHo() + FyPs() * m_dAreasPs) / Fy();
    }
    if (m_dAreasPl / dArea < dPmin) m_dAreasPl = dPmin * dArea;
}

void CStlcnFlexNormalParam::CalCapacityDouble() {
    double ho = CalHo();
    double xib = GetXib();
    double dConcrete = Alpha1() * Fc();
    double dSteelPs = FyPs() * m_dAreasPs * (ho - m_dAsPs);
    double x = CalXCapacityDouble();
    double dMoment;
    if (x < 2 * m_dAsPs)
        dMoment = Fy() * m_dAreasPl * (ho - m_dAsPs);
    else if (x <= xib * ho)
        dMoment = dConcrete * m_dB * x * (ho - x / 2) + dSteelPs;
    else
        dMoment = dConcrete * m_dB * ho * ho * xib * (1 - 0.5 * xib) + dSteelPs;
    m_dM = dMoment / m_dGo / NMM_PER_KNM;
}

void CStlcnFlexNormalParam::CalDesignKnownAs_() {
    double ho = CalHo();
    double dM1 = CalM1();
    double x1 = CalX1();
    double dPmin = GetPminPl();
    if (dM1 < 0) {
        m_dAreasPl = dPmin * m_dB * m_dH;
    } else {
        if (2 * m_dAsPs > x1)
            // The compression steel takes the whole moment about its centroid.
            m_dAreasPl = m_dGo * m_dM * NMM_PER_KNM / (Fy() * (ho - m_dAsPs));
        else if (IsLessEqual(x1, GetXib() * ho))
            m_dAreasPl = (Alpha1() * Fc() * m_dB * x1 + FyPs() * m_dAreasPs) / Fy();
        // Otherwise As holds the area of the design in which the compression steel was sought.
        if (m_dAreasPl / (m_dB * m_dH) < dPmin) m_dAreasPl = dPmin * m_dB * m_dH;
    }
    m_dAreasPl = ftoi(m_dAreasPl);
}

void CStlcnFlexNormalParam::CalDesignT() {
    double ho = CalHo();
    double dConcrete = Alpha1() * Fc();
    double xi = CalXiT();
    if (IsFlangeClassDesign() == 1)
        m_dAreasPl = dConcrete * m_dBf * ho * xi / Fy();
    else
        m_dAreasPl = dConcrete * (m_dB * xi * ho + (m_dBf - m_dB) * m_dHf) / Fy();
    double dPmin = GetPminPl();
    if (m_dAreasPl / (m_dB * m_dH) < dPmin) m_dAreasPl = dPmin * m_dB * m_dH;
}

void CStlcnFlexNormalParam::CalCapacityT() {
    double ho = CalHo();
    double dConcrete = Alpha1() * Fc();
    double xib = GetXib();
    double xi = CalXiTCapacity();
    if (!IsLessEqual(xi, xib)) xi = xib;
    double dMoment = IsFlangeClassCapacity() == 1
                         ? dConcrete * m_dBf * ho * ho * xi * (1 - 0.5 * xi)
                         : dConcrete * (m_dBf - m_dB) * m_dHf * (ho - m_dHf / 2) + dConcrete * m_dB * ho * ho * xi * (1 - 0.5 * xi);
    m_dM = dMoment / m_dGo / NMM_PER_KNM;
}
