#include "embed/EmbedBentAnchorCalc.h"

#include <algorithm>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedCapacity.h"
#include "embed/EmbedMaterials.h"

BOOL CalcBentAnchorShear(const CPreComSub5& in, double dK, double& dVu) {
    const int d = in.m_nSteelD, db = in.m_nWanSteelD1, la = in.m_nAnchorLa;
    if (la == 0 || in.m_nSlabT == 0 || in.m_nSteelCa == 0 || in.m_nSteelB == 0 || d == 0 || db == 0) return FALSE;

    const int n = in.m_nSteelN0 * in.m_nSteelN1, nb = in.m_nWanSteelN;
    const double As1 = GetAnchorSteelArea(d), Asb1 = GetAnchorSteelArea(db);
    const double fy = GetAnchorSteelFy(d), fyb = GetAnchorSteelFy(db);
    const double gamma = GetEmbedmentFactorExact(la, d);
    const int nRequiredB = GetAnchorLength(db, in.m_nConLevel);
    const double psiB = in.m_nWanAnchorLa > nRequiredB ? 1.0 : static_cast<double>(in.m_nWanAnchorLa) / nRequiredB;
    double fc = 0, fcm = 0, ft = 0, kc = 0;
    GetConcreteStrength(in.m_nConLevel, fc, fcm, ft, kc);
    const double alphaR = GetRowFactor(in.m_nSteelN0);
    const double alphaV = GetShearFactor(d, fc, fy);
    dVu = EmbedCapacity(0.001 * dK * (0.9 * alphaR * alphaV * gamma * n * As1 * fy + 0.72 * nb * psiB * Asb1 * fyb));
    return TRUE;
}
