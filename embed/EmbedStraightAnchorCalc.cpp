#include "embed/EmbedStraightAnchorCalc.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedCapacity.h"
#include "embed/EmbedMaterials.h"

void CalcStraightAnchors(const CPreComSub3& in, int nSlabScale, double dK, CEmbedStraightResults& out) {
    const int d = in.m_nSteelD, t = in.m_nSlabT, la = in.m_nAnchorLa, b = in.m_nSteelB;
    if (t == 0 || b == 0 || d == 0 || la == 0) return;

    const double psi = GetAnchorageFactor(la, GetAnchorLength(d, in.m_nConLevel));
    double fc = 0, fcm = 0, ft = 0, kc = 0;
    GetConcreteStrength(in.m_nConLevel, fc, fcm, ft, kc);
    const double As1 = GetAnchorSteelArea(d);
    const double fy = GetAnchorSteelFy(d);
    const int n = in.m_nSteelN0 * in.m_nSteelN1;
    const double alphaB = GetPlateBendFactor(nSlabScale, t, d, b);
    if (alphaB == 0 || n == 0) return;

    const double Nu = 0.0008 * fy * n * alphaB * As1 * psi * dK;
    const double gamma = GetEmbedmentFactor(la, d);
    const double alphaR = GetRowFactor(in.m_nSteelN0);
    const double alphaV = GetShearFactor(d, fc, fy);
    out.m_dNu = EmbedCapacity(Nu);
    if (alphaR == 0 || dK == 0 || alphaV == 0) return;

    const double Vu = 0.001 * fy * n * alphaV * alphaR * gamma * As1 * dK;
    const double z = (in.m_nSteelN0 - 1) * static_cast<double>(in.m_nSteelB1);
    const double e = in.m_nShearE;
    const double Ve = 0.57 * alphaB * psi / alphaV <= e / z
                          ? Nu * alphaR * z / (2 * e)
                          : 0.001 * alphaR * fy * n * As1 * psi * dK / (1 / alphaV + e / (1.3 * alphaB * psi * z));
    out.m_dVu = EmbedCapacity(Vu);
    out.m_dVe = EmbedCapacity(Ve);

    const double N = in.m_dForceN, V = in.m_dForceV, M = in.m_dForceM;
    const double e0 = N > 0 ? 1000 * M / N : 0;
    if (N > 0) {
        const double theta = V == 0 ? M_PI / 2 : std::atan(N / V);
        const double Q = alphaR * alphaV / (0.8 * alphaB * psi) * (1 + e0 / (1.625 * alphaR * z));
        const double R1 = 0.001 * fy * n * alphaV * alphaR * As1 * psi * dK / (std::cos(theta) + Q * std::sin(theta));
        double R = R1;
        if (e0 != 0 && 0.7 * (1 - N / Nu) >= V / Vu)
            R = std::min(R1, Nu / ((1 + 2 * e0 / (alphaR * z)) * std::sin(theta)));
        out.m_dR = EmbedCapacity(R);
        out.m_dRN = EmbedCapacity(out.m_dR * std::sin(theta));
        out.m_dRV = EmbedCapacity(out.m_dR * std::cos(theta));
        out.m_dRM = EmbedCapacity(out.m_dRN * M / N);
    } else {
        out.m_dR = out.m_dRN = out.m_dRV = out.m_dRM = 0;
    }

    // Compression-bending-shear takes no moment from the page (its M box stays disabled and shows 0):
    // the moment is the capacity Mc of 10.9.1-4, and the shear is taken at M = 0, so e0 = 0 in the
    // kc method and 10.9.1-3's M − 0.4Nz is nil.
    const double Mc = 0.001 * z * (0.4 * N + alphaR * Nu / 2);
    out.m_dMc = EmbedCapacity(Mc);
    double Vc = 0;
    out.m_nVcRule = EMBED_PRESS_SHEAR_KC;
    if (N > 0) {
        const double T = (V / N - 0.3) / (0.7 * kc);
        Vc = Vu / N >= T ? (0.3 * N + kc * Vu) * gamma * dK
                         : (0.3 * N + kc * Vu + kc * alphaV * N * 0.4 / (1.3 * alphaB * psi)) * gamma * dK;
        // No more than 10.9.1-3 gives for the same anchors, V ≤ 0.3N + αr·αv·fy·As; where the two
        // agree (within 1e-6 kN) the kc method is said to give it.
        const double V3 = 0.3 * N + 0.001 * alphaR * alphaV * fy * n * As1;
        if (V3 < Vc - 1e-6) {
            Vc = V3;
            out.m_nVcRule = EMBED_PRESS_SHEAR_FORMULA_3;
        }
    }
    out.m_dVc = EmbedCapacity(Vc);
}
