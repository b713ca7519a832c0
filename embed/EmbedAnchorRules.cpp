#include "embed/EmbedAnchorRules.h"

#include <algorithm>
#include <cmath>

int GetMinPlateThickness(int nSteelD) {
    // 0.6·d in tenths, its whole part, and one more.
    return 6 * nSteelD / 10 + 1;
}

double GetShearFactor(int nSteelD, double dFc, double dFy) {
    const double dAlpha = (4 - 0.08 * nSteelD) * std::sqrt(dFc / dFy);
    return std::min(dAlpha, 0.7);
}

double GetPlateBendFactor(int nSlabScale, int nSlabT, int nSteelD, int nSteelB) {
    if (nSlabScale == 3) return 1.0;
    static const double kWidthFactor[] = {1.0, 1.2, 1.5};
    const double dWidth = kWidthFactor[std::clamp(nSlabScale, 0, 2)] * nSteelB;
    const double dT = nSlabT;
    const double dReduction = std::max(1 + 0.055 * (dWidth / dT - 8), 1.0);
    const double dAlpha = (0.6 + 0.25 * dT / nSteelD) / dReduction;
    return std::min(dAlpha, 1.0);
}

double GetRowFactor(int nSteelN0) {
    if (nSteelN0 >= 4) return 0.85;
    if (nSteelN0 == 3) return 0.9;
    return 1.0;
}

double GetAnchorageFactor(int nAnchorLa, int nRequiredLa) {
    return nAnchorLa <= nRequiredLa ? static_cast<double>(nAnchorLa) / nRequiredLa : 1.0;
}

double GetEmbedmentFactor(int nAnchorLa, int nSteelD) {
    if (nAnchorLa > 15 * nSteelD) return 1.0;
    const int nQuotient = nAnchorLa / nSteelD;
    return std::min(1 - 0.027 * (15 - nQuotient), 1.0);
}

double GetEmbedmentFactorExact(int nAnchorLa, int nSteelD) {
    if (nAnchorLa > 15 * nSteelD) return 1.0;
    return std::min(1 - 0.027 * (15 - static_cast<double>(nAnchorLa) / nSteelD), 1.0);
}
