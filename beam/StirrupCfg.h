// CStirrupCfg: the stirrups of one span of the continuous beam for its governing shear: the
// required Asv/s by the formula for distributed loads or the one for concentrated loads, raised to
// the minimum stirrup ratio, and the admissible diameters and spacings (two legs).
#pragma once

#include "beam/StirrupOption.h"
#include "mfc/base/String.h"
#include "sibling/SteelSpan.h"
#include "win/WinTypes.h"

class CStirrupCfg {
public:
    // V: the span's governing shear (kN); fyv: the stirrups' design strength (N/mm²).
    CStirrupCfg(LPCTSTR lpszConcrete, const CSteelSpan* pSpan, double fyv, int nLegs, double V);
    virtual ~CStirrupCfg() = default;

    // Fills the set: required area, options and code; returns the options' result.
    int Calc(StirrupOptionSet& set);

    // Largest spacing (mm) and smallest diameter index allowed for the section height.
    int MaxSpacing(double V) const;
    int MinDiameterIndex() const;

private:
    enum { LOAD_NONE = 0, LOAD_DISTRIBUTED = 1, LOAD_CONCENTRATED = 2 };
    void InitSection();
    int LoadClass() const;
    int CalcAsvPerS(int nLoadClass, double& dAsvPerS) const;
    int ShearAsv(int nLoadClass, double& dAsvPerS) const;
    // The largest shear the section may carry (N) and the concrete's share without stirrups (N).
    double SectionLimit() const;
    double ConcreteShear(int nLoadClass) const;
    int SetResult(StirrupOptionSet& set, double dAsvPerS, int nCode) const;
    int EnumOptions(StirrupOptionSet& set, double dAsvPerS) const;

    CString m_strConcrete;
    const CSteelSpan* m_pSpan;
    double m_fyv;
    double m_fc, m_ft;  // N/mm²
    double m_dBetaC;
    double m_b, m_h0, m_h;
    int m_nLegs;
    double m_V;  // magnitude, kN
};
