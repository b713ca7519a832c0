// Crack width and deflection of a continuous-beam span.
#include "beam/TransformCal.h"

#include <algorithm>
#include <cmath>

#include "beam/ContinuousBeam.h"
#include "beam/ReportAssert.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "sibling/SteelSpanLoad.h"

CTransformCal::CTransformCal(CSteelSpan* pSpan, double b, double h, double M, double As, double AsPrime,
                             CContinuousBeam* pBeam)
    : m_dBs(0),
      m_dTheta(2),
      m_dB(0),
      m_dSigmaSk(0),
      m_dRhoTe(0),
      m_dPsi(0),
      m_dAlphaE(0),
      m_dRho(0),
      m_pSpan(pSpan),
      m_pBeam(pBeam),
      m_dWidth(0),
      m_dHeight(0),
      m_dH0(0),
      m_dAs(As),
      m_dAsPrime(AsPrime),
      m_dFtk(0),
      m_dEc(0),
      m_dEs(0),
      m_dMk(M),
      m_dLength(0) {
    SetSection(b, h);
    CalcStiffness();
}

void CTransformCal::SetSection(double b, double h) {
    if (!m_pSpan) {
        ReportAssert("TransformCal", 240);
        return;
    }
    m_dWidth = b;
    m_dHeight = h;
    m_dH0 = m_dHeight - m_pBeam->m_ProtectAs;
    m_dLength = m_pSpan->m_dSpanLen;
    m_dMk = std::fabs(m_dMk) * 1e6;
    m_dFtk = CQeltConcrete::GetFtk(m_pBeam->m_strConLevel);
    m_dEc = CQeltConcrete::GetEc(m_pBeam->m_strConLevel);
    m_dEs = CQeltSteelBar::GetEs(m_pBeam->m_strMainReinLv);
}

void CTransformCal::CalcStiffness() {
    m_dSigmaSk = m_dMk / (0.87 * m_dH0 * m_dAs);
    m_dRhoTe = std::max(m_dAs / (0.5 * m_dWidth * m_dHeight), 0.01);
    m_dPsi = m_dSigmaSk > 0 ? 1.1 - 0.65 * m_dFtk / (m_dRhoTe * m_dSigmaSk) : 0.2;
    m_dPsi = std::min(std::max(m_dPsi, 0.2), 1.0);
    m_dAlphaE = m_dEs / m_dEc;
    m_dRho = m_dAs / (m_dWidth * m_dH0);
    m_dBs = m_dEs * m_dAs * m_dH0 * m_dH0 / (1.15 * m_dPsi + 0.2 + 6 * m_dAlphaE * m_dRho);
    // θ = 2.0 − 0.4 ρ′/ρ (2.0 without compression bars, 1.6 from ρ′ = ρ on). The quasi-permanent
    // moment is taken as the characteristic one (ψq = 1 for every live case: the beam records no
    // quasi-permanent factor), so that B = Mk/(Mq(θ − 1) + Mk)·Bs = Bs/θ.
    m_dTheta = 2.0 - 0.4 * std::min(m_dAsPrime / m_dAs, 1.0);
    m_dB = m_dBs / m_dTheta;
}

double CTransformCal::CalcCrackWidth(double deq, double c) const {
    const double dCover = std::min(std::max(c, 20.0), 65.0);
    return 2.1 * m_dPsi * m_dSigmaSk / m_dEs * (1.9 * dCover + 0.08 * deq / m_dRhoTe);
}

double CTransformCal::UnitForceDeflection(int nMode, double x) const {
    const double L = m_dLength;
    if (nMode == DEFLECT_FREE_LEFT) return (L - x) * (L - x) * (2 * L + x) / 6;
    if (nMode == DEFLECT_FREE_RIGHT) return x * x * (3 * L - x) / 6;
    // Both ends fixed, deflection at mid-span; symmetric about it.
    const double u = std::min(x, L - x);
    return u * u * (3 * L - 4 * u) / 48;
}

double CTransformCal::PartialLoadDeflection(int nMode, double q1, double q2, double a, double c) const {
    if (c <= 0) return 0;
    // The load times a piecewise cubic influence line: three Gauss points per piece are exact.
    auto integrate = [&](double x0, double x1) {
        static const double s_points[3] = {-std::sqrt(0.6), 0, std::sqrt(0.6)};
        static const double s_weights[3] = {5.0 / 9, 8.0 / 9, 5.0 / 9};
        double dSum = 0;
        for (int k = 0; k < 3; ++k) {
            const double x = 0.5 * (x0 + x1) + 0.5 * (x1 - x0) * s_points[k];
            dSum += s_weights[k] * (q1 + (q2 - q1) * (x - a) / c) * UnitForceDeflection(nMode, x);
        }
        return 0.5 * (x1 - x0) * dSum;
    };
    const double dMid = 0.5 * m_dLength;
    if (nMode == DEFLECT_MID_SPAN && a < dMid && dMid < a + c) return integrate(a, dMid) + integrate(dMid, a + c);
    return integrate(a, a + c);
}

double CTransformCal::UniformLoadDeflection(int nMode, double q) const {
    const double L = m_dLength;
    return q * L * L * L * L / (nMode == DEFLECT_MID_SPAN ? 384 : 8);
}

double CTransformCal::CalcDeflection(int nMode) {
    const double B = m_dB * 1e-9;  // kN·m²
    const double L = m_dLength;
    const double L4 = L * L * L * L;
    // The solver's end rotations (µrad) are of the uncracked span, Ec·I: they take the stiffness B
    // as the loads' deflections do.
    const double dUncracked = m_dEc * m_pSpan->m_dSecWidth * std::pow(m_pSpan->m_dSecHeight, 3) / 12;
    const double dRotationFactor = dUncracked / m_dB;
    double f = dRotationFactor * (nMode == DEFLECT_FREE_LEFT    ? 1e-6 * m_pSpan->m_dRotRight * L
                                  : nMode == DEFLECT_FREE_RIGHT ? 1e-6 * m_pSpan->m_dRotLeft * L
                                                                : 1.25e-7 * (m_pSpan->m_dRotLeft + m_pSpan->m_dRotRight) * L);
    const BOOL bCantilever = nMode != DEFLECT_MID_SPAN;
    // The self-weight is no case of the beam outside its calculation.
    if (m_pBeam->m_CalBeamWeightCheck)
        f += UniformLoadDeflection(nMode, kConcreteWeight * 1e-6 * m_pSpan->m_dSecWidth * m_pSpan->m_dSecHeight) / B;
    for (int k = 0; k < m_pBeam->GetComNum(); ++k) {
        m_pBeam->SetCurrentCom(k);
        const CSteelSpanLoad* pLoad = m_pSpan->GetCurComLoad();
        if (!pLoad) continue;
        double dSum = 0;
        for (int j = 0; j < pLoad->m_DisLoadArr.GetSize(); ++j) dSum += UniformLoadDeflection(nMode, pLoad->m_DisLoadArr[j]);
        for (int j = 0; j < pLoad->m_CenLoadArr.GetSize(); ++j)
            dSum += pLoad->m_CenLoadArr[j].m_dLoadValue * UnitForceDeflection(nMode, pLoad->m_CenLoadArr[j].m_dPosA);
        for (int j = 0; j < pLoad->m_TriLoadArr.GetSize(); ++j)
            dSum += pLoad->m_TriLoadArr[j] * L4 * (bCantilever ? 11.0 / 192 : 7.0 / 3840);
        for (int j = 0; j < pLoad->m_TraLoadArr.GetSize(); ++j) {
            const double q = pLoad->m_TraLoadArr[j].m_dLoadValue;
            const double g = pLoad->m_TraLoadArr[j].m_dPosA / L;
            dSum += bCantilever ? q * L4 * (3 - 4 * g + 2 * g * g - g * g * g) / 24
                                : q * L4 * (1.25 - 5 * g * g * g + 4 * g * g * g * g) / 480;
        }
        // Concentrated moments, clockwise positive.
        for (int j = 0; j < pLoad->m_CenMomArr.GetSize(); ++j) {
            const double M0 = pLoad->m_CenMomArr[j].m_dLoadValue;
            const double a = pLoad->m_CenMomArr[j].m_dPosA;
            const double b = L - a;
            if (nMode == DEFLECT_FREE_LEFT)
                dSum += -M0 * b * (2 * L - b) / 2;
            else if (nMode == DEFLECT_FREE_RIGHT)
                dSum += M0 * a * (2 * L - a) / 2;
            else
                dSum += a >= b ? -M0 * b * (L - 2 * b) / 8 : M0 * a * (L - 2 * a) / 8;
        }
        for (int j = 0; j < pLoad->m_AnyLoadArr.GetSize(); ++j) {
            const AnyLoad& load = pLoad->m_AnyLoadArr[j];
            dSum += PartialLoadDeflection(nMode, load.m_dLoadValue1, load.m_dLoadValue2, load.m_dPosA, load.m_dPosC);
        }
        f += dSum / B;
    }
    m_pBeam->SetCurrentCom(0);
    return f;
}
