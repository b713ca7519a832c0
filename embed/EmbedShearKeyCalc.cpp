#include "embed/EmbedShearKeyCalc.h"

#include <algorithm>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedCapacity.h"
#include "embed/EmbedMaterials.h"

BOOL CalcShearKeyShear(const CPreComSub6& in, double dK, double& dVu, BOOL& bShareWithin) {
    const int d = in.m_nSteelD, la = in.m_nAnchorLa;
    if (in.m_nShearBv == 0 || in.m_nSteelB == 0 || la == 0 || d == 0) return FALSE;

    const int n = in.m_nSteelN0 * in.m_nSteelN1;
    const double As1 = GetAnchorSteelArea(d);
    const double Av = static_cast<double>(in.m_nShearBv) * in.m_nShearHv;
    const double gamma = GetEmbedmentFactorExact(la, d);
    const double fy = GetAnchorSteelFy(d);
    double fc = 0, fcm = 0, ft = 0, kc = 0;
    GetConcreteStrength(in.m_nConLevel, fc, fcm, ft, kc);
    const double alphaR = GetRowFactor(in.m_nSteelN0);
    const double alphaV = GetShearFactor(d, fc, fy);
    dVu = EmbedCapacity(0.001 * dK * kc * (alphaR * alphaV * fy * n * gamma * As1 + 0.7 * Av * fc));
    bShareWithin = 0.0007 * Av * fc * dK <= 0.3 * dVu;
    return TRUE;
}
