// CTransformCal: the serviceability of one section of a continuous-beam span under its
// characteristic moment: the crack width of its tension bars and, for the span, the deflection
// (mid-span, or the free end of a cantilever span) with the long-term stiffness, every load case
// counted once with factor 1. The section is rectangular with h0 = h − as.
#pragma once

#include "sibling/SteelBeam.h"
#include "sibling/SteelSpan.h"

class CContinuousBeam;

// Where the deflection is taken.
enum {
    DEFLECT_FREE_LEFT = 0,   // a cantilever whose free end is its left end
    DEFLECT_FREE_RIGHT = 1,  // a cantilever whose free end is its right end
    DEFLECT_MID_SPAN = 2,    // every other span
};

class CTransformCal {
public:
    // b and h of the section (mm); M in kN·m (either sign); As the tension bars and AsPrime the
    // compression bars (mm²).
    CTransformCal(CSteelSpan* pSpan, double b, double h, double M, double As, double AsPrime, CContinuousBeam* pBeam);
    virtual ~CTransformCal() = default;

    // Maximum crack width (mm) for the equivalent bar diameter deq and the cover c of the outer
    // tension bars (mm, taken within 20 … 65).
    double CalcCrackWidth(double deq, double c) const;
    // Deflection (m, downwards positive) with the long-term stiffness B; the beam's self-weight is
    // added when the beam computes it. Leaves the beam's current load case at 0.
    double CalcDeflection(int nMode);

    double m_dBs;     // short-term stiffness (N·mm²)
    double m_dTheta;  // the long-term factor θ
    double m_dB;      // long-term stiffness (N·mm²)
    double m_dSigmaSk, m_dRhoTe, m_dPsi, m_dAlphaE, m_dRho;

private:
    void SetSection(double b, double h);
    void CalcStiffness();
    // Deflection × B at the checked point under a unit force at x (m from the left end).
    double UnitForceDeflection(int nMode, double x) const;
    // Deflection × B of a load q1 at a rising linearly to q2 at a + c.
    double PartialLoadDeflection(int nMode, double q1, double q2, double a, double c) const;
    // Deflection × B of a uniform load q over the span.
    double UniformLoadDeflection(int nMode, double q) const;

    CSteelSpan* m_pSpan;
    CContinuousBeam* m_pBeam;
    double m_dWidth, m_dHeight, m_dH0;
    double m_dAs, m_dAsPrime;
    double m_dFtk, m_dEc, m_dEs;
    double m_dMk;
    double m_dLength;
};
