#include "Serviceability.h"

#include <algorithm>

namespace qelt::fea {

namespace {

struct Strain {
    double sigma;  // σsk, N/mm²
    double rhoTe;
    double psi;
};

Strain SteelStrain(double mk, double area, const SlabSection& section) {
    const double h0 = section.thickness - section.barCentroid;
    Strain s;
    s.sigma = std::max(mk, 0.0) * 1e6 / (0.87 * h0 * area);
    s.rhoTe = std::max(area / (0.5 * kStripWidth * section.thickness), 0.01);
    s.psi = s.sigma > 0.0 ? std::clamp(1.1 - 0.65 * section.ftk / (s.rhoTe * s.sigma), 0.2, 1.0) : 0.2;
    return s;
}

}  // namespace

double CrackWidth(double mk, double diameter, double area, const SlabSection& section) {
    if (mk <= 0.0 || area <= 0.0) return 0.0;
    const Strain s = SteelStrain(mk, area, section);
    const double cover = std::clamp(section.cover, 20.0, 65.0);
    const double equivalentDiameter = diameter / (section.ribbed ? 1.0 : 0.7);
    return 2.1 * s.psi * s.sigma / section.es * (1.9 * cover + 0.08 * equivalentDiameter / s.rhoTe);
}

double ShortTermStiffness(double mk, double area, const SlabSection& section) {
    const double h0 = section.thickness - section.barCentroid;
    const Strain s = SteelStrain(mk, area, section);
    const double ratio = area / (kStripWidth * h0);
    return section.es * area * h0 * h0 / (1.15 * s.psi + 0.2 + 6.0 * section.es / section.ec * ratio);
}

double LongTermStiffness(double mk, double mq, double shortTerm, double theta) {
    if (mk <= 0.0) return shortTerm;
    return mk / (mq * (theta - 1.0) + mk) * shortTerm;
}

}  // namespace qelt::fea
