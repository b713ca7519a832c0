#include "embed/EmbedAngleAnchorCalc.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedAngleSteel.h"
#include "embed/EmbedCapacity.h"
#include "embed/EmbedConeArea.h"
#include "embed/EmbedMaterials.h"

void CalcAngleAnchors(const CPreComSub4& in, BOOL bSpacingB, int nSlabScale, double dK, CEmbedAngleResults& out) {
    int ta = 0, ba = 0, Aa = 0;
    double W = 0;
    GetAngleSteelData(in.m_strJGStyle, ta, ba, Aa, W);
    const int rows = in.m_nSteelN0, columns = in.m_nSteelN1, n = rows * columns;
    const int b = bSpacingB ? in.m_nSteelB : 0;
    const int la = in.m_nAnchorLa, be = in.m_nSlabBe, t = in.m_nSlabT;
    if (t == 0 || ba == 0) return;
    const int nBendWidth = bSpacingB ? b : in.m_nSteelB1;
    if (nSlabScale != 3 && nBendWidth == 0) return;

    const double psi = la <= 6 * ba ? la / (6.0 * ba) : 1.0;
    const int h = la - 35;
    const double Ap = GetConeProjectedArea(rows, columns, in.m_nSteelB1, b, be, h);
    const double alphaB = bSpacingB ? GetPlateBendFactor(nSlabScale, t, ta, b) : 1.0;
    double fc = 0, fcm = 0, ft = 0, kc = 0;
    GetConcreteStrength(in.m_nConLevel, fc, fcm, ft, kc);

    const double N1 = 0.168 * n * dK * alphaB * Aa * psi;
    if (la <= 35) {
        out.m_dNu = 0;
        return;
    }
    const double N2 = GetConeTensionPerArea(ft, h, be) * Ap * kc * dK * psi;
    const double N3 = 0.003 * (static_cast<double>(be) * be - Aa) * n * fc * dK * psi;
    if (N1 == 0 || N2 == 0 || N3 == 0) return;
    const double Nu = EmbedCapacity(std::min({N1, N2, N3}));
    out.m_dNu = Nu;

    const double alphaR = GetRowFactor(rows);
    const double z = (rows - 1) * static_cast<double>(in.m_nSteelB1);
    const double Vu = 0.003 * std::sqrt(ba * W * fc * 210000) * n * alphaR * dK;
    if (Vu == 0) return;
    out.m_dVu = EmbedCapacity(Vu);

    const double N = in.m_dForceN, V = in.m_dForceV, M = in.m_dForceM;
    if (!(N > 0) || !(Nu > 0)) {
        SetCombinedResults(out, 0, 0, 0);
        return;
    }
    const double theta = std::atan2(N, V);
    const double e = M / N, e1 = 1000 * e;
    const double dLinear = 1 / (std::sin(theta) / Nu + std::cos(theta) / Vu);
    double Ru;
    if (e == 0)
        Ru = dLinear;
    else if (0.7 * (1 - N / Nu) >= V / Vu)
        Ru = std::min(dLinear, Nu / ((1 + 2 * e1 / (alphaR * z)) * std::sin(theta)));
    else
        Ru = 1 / (std::sin(theta) / Nu + e1 * std::sin(theta) / (1.625 * alphaR * z * Nu) + std::cos(theta) / Vu);
    SetCombinedResults(out, Ru, theta, e);
}

void SetCombinedResults(CEmbedAngleResults& out, double dRu, double dTheta, double dE) {
    out.m_dRu = EmbedCapacity(dRu);
    out.m_dRuN = EmbedCapacity(out.m_dRu * std::sin(dTheta));
    out.m_dRuV = EmbedCapacity(out.m_dRu * std::cos(dTheta));
    out.m_dRuM = EmbedCapacity(out.m_dRu * std::sin(dTheta) * dE);
}
