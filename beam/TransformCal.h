// CTransformCal: the serviceability check of one continuous-beam span: crack width of its governing
// section and short-term deflection (mid-span, or the free end of a cantilever span), every load
// case counted once with factor 1. The section is rectangular with h0 = h − 30.
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
    // M in kN·m (either sign), As in mm².
    CTransformCal(CSteelSpan* pSpan, double M, double As, CContinuousBeam* pBeam);
    virtual ~CTransformCal() = default;

    // Maximum crack width (mm) for the equivalent bar diameter deq (mm).
    double CalcCrackWidth(double deq) const;
    // Deflection (m, downwards positive); leaves the beam's current load case at 0.
    double CalcDeflection(int nMode);

    double m_dBs;  // short-term stiffness (N·mm²)
    double m_dSigmaSk, m_dRhoTe, m_dPsi, m_dAlphaE, m_dRho;

private:
    void SetSection();
    void CalcStiffness();
    // Deflection × B at the checked point under a unit force at x (m from the left end).
    double UnitForceDeflection(int nMode, double x) const;
    // Deflection × B of a load q1 at a rising linearly to q2 at a + c.
    double PartialLoadDeflection(int nMode, double q1, double q2, double a, double c) const;

    CSteelSpan* m_pSpan;
    CContinuousBeam* m_pBeam;
    double m_dWidth, m_dHeight, m_dH0;
    double m_dAs;
    double m_dFtk, m_dEc, m_dEs;
    double m_dMk;
    double m_dLength;
};
