// The beam stair's calculation: loads, the slab strip's moment, the stair beam's forces over its
// span, the design of the stair beam (mid-span bars, support bars, stirrups), the candidate schemes
// and the stair beam's stiffness, deflection and crack width.
#include <cmath>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "stair/BeamStairParam.h"

namespace {

const double kFyv = 210;          // N/mm², stirrups
const double kEsStiffness = 210000;  // N/mm², the stiffness formula's modulus whatever the grade

// The candidate diameters of the stair beam's longitudinal bars.
int BeamDiameters(const CString& strGrade, double h3, int aDia[8]) {
    if (strGrade == "HPB235") {
        int n = 0;
        for (int d = h3 < 300 ? 8 : 10; d <= 20; d += 2) aDia[n++] = d;
        return n;
    }
    const int kOther[7] = {12, 14, 16, 18, 20, 22, 25};
    for (int i = 0; i < 7; i++) aDia[i] = kOther[i];
    return 7;
}

int Truncate(double dValue) {
    if (!std::isfinite(dValue) || std::fabs(dValue) > 1e9) return 0;
    return static_cast<int>(dValue);
}

}  // namespace

double BeamStairDesignLoad(double dGk, double dQk, double dRg, double dRq) {
    const double dByG = 1.35 * dGk + 0.7 * dRq * dQk;
    const double dByQ = dRg * dGk + dRq * dQk;
    return dByG > dByQ ? dByG : dByQ;
}

BeamStairLoads CBeamStairParam::Loads() const {
    BeamStairLoads r;
    const double dL1 = (nSteps - 1) * b;
    r.L = dL1 + l2 + l3;
    r.ln = w - 2 * b3;
    r.dCos = b / std::sqrt(b * b + h * h);
    r.ht = (2 * t / r.dCos + h) / 2;
    r.gk1 = lm * (b + h) / 1000 + 25 * r.ht * b / 1e6 + 0.4 * b / (1000 * r.dCos);
    r.qk1 = lv * b / 1000;
    r.p1 = BeamStairDesignLoad(r.gk1, r.qk1, m_dRg, m_dRq);
    r.gk2 = r.gk1 * w / (2 * b) + 27.5 * b3 * h3 / (1e6 * r.dCos) + lx;
    r.qk2 = lv * w / 2000;
    r.p2 = BeamStairDesignLoad(r.gk2, r.qk2, m_dRg, m_dRq);
    if (nStairType != BEAM_STAIR_A) {
        r.g3 = 0.025 * h4 + lm + 0.4;
        r.p3 = BeamStairDesignLoad(r.g3, lv, m_dRg, m_dRq);
        r.gk4 = 27.5 * b3 * h3 / 1e6 + r.g3 * w / 2000 + lx;
        r.qk4 = lv * w / 2000;
        r.p4 = BeamStairDesignLoad(r.gk4, r.qk4, m_dRg, m_dRq);
    }
    return r;
}

StairBeamForces CBeamStairParam::BeamForces(double q1, double q2) const {
    const double L = l1 + l2 + l3;
    if (nStairType == BEAM_STAIR_A) {
        StairBeamForces f;
        const double qL = q1 * L, qL2 = q1 * L * L, qL4 = q1 * L * L * L * L;
        switch (nRestrictionType) {
        case STAIR_BEAM_LOWER_FIXED:
        case STAIR_BEAM_UPPER_FIXED: {
            const BOOL bLowerFixed = nRestrictionType == STAIR_BEAM_LOWER_FIXED;
            f.Mmid = 9 * qL2 / 128;
            f.dFB = 0.00542 * qL4;
            (bLowerFixed ? f.MR : f.ML) = -qL2 / 8;
            (bLowerFixed ? f.RR : f.RL) = 5 * qL / 8;
            (bLowerFixed ? f.RL : f.RR) = 3 * qL / 8;
            break;
        }
        case STAIR_BEAM_FIXED:
            f.Mmid = qL2 / 24;
            f.dFB = qL4 / 384;
            f.ML = f.MR = -qL2 / 12;
            f.RL = f.RR = qL / 2;
            break;
        default:
            f.Mmid = qL2 / 8;
            f.dFB = 5 * qL4 / 384;
            f.RL = f.RR = qL / 2;
            break;
        }
        return f;
    }
    const StairBeamSegment segments[3] = {{0, l2, q2}, {l2, l2 + l1, q1}, {l2 + l1, L, q2}};
    return StairBeamSolve(L, segments, 3, nRestrictionType);
}

double CBeamStairParam::CalMidMoment(double q1, double q2) const {
    if (nStairType < BEAM_STAIR_A || nStairType > BEAM_STAIR_D || nRestrictionType < 0 || nRestrictionType > 3)
        return 0;
    return BeamForces(q1, q2).Mmid * 1e-6;
}

double CBeamStairParam::AlphaSMax(LPCTSTR lpszSteel) const {
    const double xib = CQeltConcrete::GetEb(lpszSteel, strConcreteLevel);
    return xib * (1 - 0.5 * xib);
}

double CBeamStairParam::Alpha1Fc() const {
    return CQeltConcrete::GetAlpha1(strConcreteLevel) * CQeltConcrete::GetFc(strConcreteLevel);
}

double CBeamStairParam::BeamDeflectionDivisor(double L) const {
    if (L < 7000) return m_dFlexibilityLim1;
    if (L < 9000) return m_dFlexibilityLim2;
    return m_dFlexibilityLim3;
}

int CBeamStairParam::Calculate() {
    if (!LimitsHold()) return 0;
    CalBeamForces(0);
    CalSlabSteel();
    CalSupportSteel();
    CalShearSteel();
    MakeMidSchemes();
    MakeSupportSchemes(0);
    MakeSupportSchemes(1);
    MakeStirrupSchemes();
    MakeSlabSchemes();
    m_bCrackOK = CalSlabCrackWidth(NULL);
    m_bFlexOK = CalSlabFlexibility(NULL);
    return 1;
}

void CBeamStairParam::SetStripAndMaterials() {
    l1 = (nSteps - 1) * b;
    const BeamStairLoads loads = Loads();
    ht = loads.ht;
    m_dGk = loads.gk1;
    m_dEs = CQeltSteelBar::GetEs(strSteelLevel);
    m_dFtk = CQeltConcrete::GetFtk(strConcreteLevel);
    m_dEc = CQeltConcrete::GetEc(strConcreteLevel);
}

void CBeamStairParam::CalBeamForces(int bSkipMidSteel) {
    SetStripAndMaterials();
    const BeamStairLoads loads = Loads();
    Mmax1 = loads.p1 * loads.ln * loads.ln / 8;
    Mmax4 = loads.p3 * loads.ln * loads.ln / 8;
    Mmax2 = CalMidMoment(loads.p2, loads.p4);
    if (!bSkipMidSteel) CalMidSteel();
    MakeMidSchemes();
    const StairBeamForces design = BeamForces(loads.p2, loads.p4);
    MmaxL = design.ML;
    MmaxR = design.MR;
    beamVmax = design.RL > design.RR ? design.RL : design.RR;
    CheckStairBeam();
}

void CBeamStairParam::CheckStairBeam() {
    const BeamStairLoads loads = Loads();
    const double dMk = CalMidMoment(loads.gk2 + loads.qk2, loads.gk4 + loads.qk4);
    const double dMq = CalMidMoment(loads.gk2 + 0.5 * loads.qk2, loads.gk4 + 0.5 * loads.qk4);
    const BeamStairBeamCheck check = EvaluateBeam(dMk, dMq);
    XLSteelAsReal = check.dA1;
    const StairBeamForces standard = BeamForces(loads.gk2 + loads.qk2, loads.gk4 + loads.qk4);
    XLKZHWY = check.bValid ? standard.dFB / check.dB : 0;
    bPassed = check.bValid && XLKZHWY / loads.L <= 1 / BeamDeflectionDivisor(loads.L) ? 1 : 0;
    m_bBeamCrackOK = check.bValid && check.dWmax <= m_dCrackWidth ? 1 : 0;
}

BeamStairBeamCheck CBeamStairParam::EvaluateBeam(double dMk, double dMq) const {
    BeamStairBeamCheck r;
    r.dA1 = M_PI / 4 * shpbar1_Dia * shpbar1_Dia * shpbar1_Int;
    r.dH0 = h3 - as2;
    if (r.dA1 <= 0 || dMk <= 0 || r.dH0 <= 0 || b3 <= 0 || h3 <= 0 || m_dEc <= 0 || m_dEs <= 0) return r;
    r.bValid = TRUE;
    r.dSigmaSk = dMk * 1e6 / (0.87 * r.dH0 * r.dA1);
    r.dRhoTeRaw = r.dA1 / (0.5 * b3 * h3);
    r.dRhoTe = r.dRhoTeRaw < 0.01 ? 0.01 : r.dRhoTeRaw;
    r.dPsiRaw = 1.1 - 0.65 * m_dFtk / (r.dRhoTe * r.dSigmaSk);
    r.dPsi = r.dPsiRaw <= 0.2 ? 0.2 : (r.dPsiRaw >= 1.0 ? 1.0 : r.dPsiRaw);
    r.dAlphaE = kEsStiffness / m_dEc;
    r.dRho = r.dA1 / (b3 * r.dH0);
    r.dBs = kEsStiffness * r.dA1 * r.dH0 * r.dH0 / (1.15 * r.dPsi + 0.2 + 6 * r.dAlphaE * r.dRho);
    r.dB = dMk * r.dBs / (dMq + dMk);
    r.dCover = StairCrackCover(m_dC);
    r.dWmax = 2.1 * r.dPsi * r.dSigmaSk / m_dEs * (1.9 * r.dCover + 0.08 * shpbar1_Dia / r.dRhoTe);
    return r;
}

void CBeamStairParam::CalMidSteel() {
    const double a1fc = Alpha1Fc();
    const double ft = CQeltConcrete::GetFt(strConcreteLevel);
    const double fy = CQeltSteelBar::GetFy(strSteelLevel);
    const double dAlphaMax = AlphaSMax(strSteelLevel);
    const double L = l1 + l2 + l3, h0 = h3 - as2;
    const double bf = L / 6 > w / 2 ? w / 2 : L / 6;
    const double M = Mmax2 * 1e6;
    const double dRhoMin = std::max(0.002, 0.45 * ft / fy);
    const BOOL bFlanged = a1fc * bf * t * (h0 - t / 2) < M;
    const double bw = bFlanged ? b3 : bf;
    const double o = bf - bw;
    const double dAlphaS = (M - a1fc * o * t * (h0 - t / 2)) / (a1fc * bw * h0 * h0);
    if (dAlphaS > dAlphaMax) {
        bXLSteelBig = 1;
        XLSteelAs = 0;
        return;
    }
    bXLSteelBig = 0;
    const double xi = 1 - std::sqrt(1 - 2 * dAlphaS);
    const double As = a1fc * (xi * bw * h0 + o * t) / fy;
    XLRho = As / ((L / 6) * h0);
    XLSteelAs = XLRho >= dRhoMin ? As : dRhoMin * h3 * L / 6;
}

void CBeamStairParam::CalSupportSteel() {
    const double a1fc = Alpha1Fc();
    const double fy = CQeltSteelBar::GetFy(strSteelLevel);
    const double dAlphaMax = AlphaSMax(strSteelLevel);
    const double h0 = h3 - as2;
    bZHZLBig = bZHZRBig = 0;
    const double dRhoMin = std::max(0.002, 0.25 * XLSteelAs / (b3 * h0));
    for (int nSide = 0; nSide < 2; nSide++) {
        const double M = std::fabs(nSide == 0 ? MmaxL : MmaxR);
        int& bBig = nSide == 0 ? bZHZLBig : bZHZRBig;
        double& dArea = nSide == 0 ? LXLZHZSteelAs : RXLZHZSteelAs;
        double& dRho = nSide == 0 ? LXLZHZRho : RXLZHZRho;
        const double dAlphaS = M / (a1fc * b3 * h0 * h0);
        if (dAlphaS > dAlphaMax) {
            bBig = 1;
            dArea = 0;
            continue;
        }
        double As = (1 - std::sqrt(1 - 2 * dAlphaS)) * b3 * h0 * a1fc / fy;
        dRho = As / (b3 * h0);
        if (dRho < dRhoMin) As = dRhoMin == 0.002 ? 0.002 * b3 * h3 : dRhoMin * b3 * h0;
        dArea = As;
    }
}

void CBeamStairParam::CalShearSteel() {
    const double fc = CQeltConcrete::GetFc(strConcreteLevel);
    const double ft = CQeltConcrete::GetFt(strConcreteLevel);
    const double bc = CQeltConcrete::GetBetac(strConcreteLevel);
    const double V = beamVmax, h0 = h3 - as2;
    bXLJMFail = 0;
    const double beta = (h0 - t) / b3;
    double dFactor = 0.25;
    if (beta > 6)
        dFactor = 0.2;
    else if (beta > 4)
        dFactor = 0.25 - 0.025 * (beta - 4);
    // The section takes a shear up to its limit, equality included.
    const double Vmax = dFactor * bc * fc * b3 * h0;
    if (Vmax < V) {
        bXLJMFail = 1;
        XLGJSteelAs = 0;
        return;
    }
    const double Vc = 0.7 * ft * b3 * h0;
    const double dMin = 0.24 * ft * b3 / kFyv;
    if (Vc >= V) {
        XLGJSteelAs = dMin;
        return;
    }
    const double dNeed = 0.8 * (V - Vc) / (kFyv * h0);
    XLGJSteelAs = dNeed > dMin ? dNeed : dMin;
}

namespace {

// Fills a table of longitudinal bars: every n·a between R and 2·R within the two bar-count limits
// (clear spacing dGap and dGapFactor·d, cover 25 mm).
int FillBarTable(const CString& strGrade, double h3, double b3, double R, double dGap, double dGapFactor,
                 BarScheme* pScheme, double* pArea) {
    for (int i = 0; i < CBeamStairParam::MaxSchemes; i++) {
        pScheme[i].Dia = pScheme[i].Int = 0;
        pArea[i] = 0;
    }
    int aDia[8];
    const int nDia = BeamDiameters(strGrade, h3, aDia);
    int nCount = 0;
    for (int i = 0; i < nDia; i++) {
        const int d = aDia[i];
        const double a = M_PI * d * d / 4;
        const int nMax1 = Truncate((b3 - 50 + dGap) / (d + dGap));
        const int nMax2 = Truncate((b3 - 50 + dGapFactor * d) / ((dGapFactor + 1) * d));
        if (nMax1 < 2) continue;
        const int nMax = nMax1 < nMax2 ? nMax1 : nMax2;
        for (int n = 2; n <= nMax && nCount < CBeamStairParam::MaxSchemes; n++) {
            if (R <= n * a && n * a <= 2 * R) {
                pScheme[nCount].Dia = d;
                pScheme[nCount].Int = n;
                pArea[nCount] = n * a;
                nCount++;
            }
        }
    }
    return nCount;
}

}  // namespace

void CBeamStairParam::MakeMidSchemes() {
    nXLSchemeNum = FillBarTable(strSteelLevel, h3, b3, XLSteelAs, 25, 1, XLScheme, XLSchemeAs);
    if (bSchemeChosen) return;
    shpbar1_Dia = shpbar4_Dia = XLScheme[0].Dia;
    shpbar1_Int = shpbar4_Int = XLScheme[0].Int;
}

void CBeamStairParam::MakeSupportSchemes(int nSide) {
    BarScheme* pScheme = nSide == 0 ? LZHZScheme : RZHZScheme;
    double* pArea = nSide == 0 ? LZHZSchemeAs : RZHZSchemeAs;
    int& nNum = nSide == 0 ? nLZHZSchemeNum : nRZHZSchemeNum;
    nNum = FillBarTable(strSteelLevel, h3, b3, nSide == 0 ? LXLZHZSteelAs : RXLZHZSteelAs, 30, 1.5, pScheme, pArea);
    if (bSchemeChosen) return;
    (nSide == 0 ? shpbar2_Dia : shpbar5_Dia) = pScheme[0].Dia;
    (nSide == 0 ? shpbar2_Int : shpbar5_Int) = pScheme[0].Int;
}

void CBeamStairParam::MakeStirrupSchemes() {
    for (int i = 0; i < MaxSchemes; i++) {
        XLGJScheme[i].Dia = XLGJScheme[i].Int = 0;
        XLGJSchemeAsv[i] = 0;
    }
    const double ft = CQeltConcrete::GetFt(strConcreteLevel);
    const BOOL bHighShear = beamVmax > 0.7 * ft * b3 * (h3 - as2);
    int sMax;
    if (h3 <= 300)
        sMax = bHighShear ? 150 : 200;
    else if (h3 <= 500)
        sMax = bHighShear ? 200 : 300;
    else if (h3 <= 800)
        sMax = bHighShear ? 250 : 350;
    else
        sMax = bHighShear ? 300 : 400;
    int nCount = 0;
    for (int d = h3 <= 800 ? 6 : 8; d <= 14; d += 2) {
        const double Asv = 2 * M_PI * d * d / 4;
        for (int s = sMax; s > 0 && nCount < MaxSchemes; s -= 50) {
            const double dPerS = Asv / s;
            if (XLGJSteelAs <= dPerS && dPerS <= 2 * XLGJSteelAs) {
                XLGJScheme[nCount].Dia = d;
                XLGJScheme[nCount].Int = s;
                XLGJSchemeAsv[nCount] = dPerS;
                nCount++;
            }
        }
    }
    nXLGJSchemeNum = nCount;
    if (bSchemeChosen) return;
    shpbar3_Dia = XLGJScheme[0].Dia;
    shpbar3_Int = XLGJScheme[0].Int;
}
