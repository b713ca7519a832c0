#include "embed/EmbedEndPlateCalc.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedCapacity.h"
#include "embed/EmbedConeArea.h"
#include "embed/EmbedMaterials.h"

void CalcEndPlateAnchors(const CPreComSub7& in, int nSlabScale, double dK, CEmbedAngleResults& out) {
    const int d = in.m_nSteelD, la = in.m_nAnchorLa, be = in.m_nSlabBe;
    const int rows = in.m_nSteelN0, columns = in.m_nSteelN1, n = rows * columns;
    if (d == 0 || in.m_nSlabT == 0 || in.m_nSteelB == 0) return;

    // Beyond the required length the bar is fully anchored and the cone stops growing for shear.
    const int nRequired = GetAnchorLength(d, in.m_nConLevel);
    const double psi = la > nRequired ? 1.0 : static_cast<double>(la) / nRequired;
    const int nEffective = la > nRequired ? nRequired : la;
    double fc = 0, fcm = 0, ft = 0, kc = 0;
    GetConcreteStrength(in.m_nConLevel, fc, fcm, ft, kc);
    const double As1 = GetAnchorSteelArea(d);
    const double fy = GetAnchorSteelFy(d);

    const int h = la - 35;
    const double Ap = GetConeProjectedArea(rows, columns, in.m_nSteelB1, in.m_nSteelB, be, h);
    const double alphaB = GetPlateBendFactor(nSlabScale, in.m_nSlabT, d, in.m_nSteelB);
    const double N1 = 0.0008 * dK * n * fy * psi * alphaB * As1;
    if (nEffective <= 35) {
        out.m_dNu = 0;
        return;
    }
    const double N2 = GetConeTensionPerArea(ft, h, be) * Ap * kc * dK * psi;
    const double N3 = 0.003 * static_cast<double>(be) * be * n * dK * psi * fc;
    if (N1 == 0 || N2 == 0 || N3 == 0) return;
    const double Nu = EmbedCapacity(std::min({N1, N2, N3}));
    out.m_dNu = Nu;

    const double gamma = GetEmbedmentFactorExact(nEffective, d);
    const double alphaR = GetRowFactor(rows);
    const double alphaV = GetShearFactor(d, fc, fy);
    if (alphaR == 0 || dK == 0 || alphaV == 0 || n == 0) return;
    const double Vu = EmbedCapacity(0.001 * alphaV * alphaR * n * fy * gamma * dK * As1);
    out.m_dVu = Vu;

    const double N = in.m_dForceN, V = in.m_dForceV, M = in.m_dForceM;
    if (!(N > 0) || !(Nu > 0) || !(Vu > 0)) {
        SetCombinedResults(out, 0, 0, 0);
        return;
    }
    const double theta = std::atan2(N, V);
    const double e = M / N, e1 = 1000 * e;
    const double z = (rows - 1) * static_cast<double>(in.m_nSteelB1);
    const double V0 = 0.001 * alphaV * alphaR * n * fy * As1;
    const double Q = (1 + e1 / (1.625 * alphaR * z)) * V0 / Nu;
    const double R1 = 0.001 * n * alphaV * alphaR * dK * fy * psi * As1 / (std::cos(theta) + Q * std::sin(theta));
    double Ru = R1;
    if (e != 0 && !(0.7 * (1 - N / Nu) < V / Vu))
        Ru = std::min(R1, Nu / ((1 + 2 * e1 / (alphaR * z)) * std::sin(theta)));
    SetCombinedResults(out, Ru, theta, e);
}
