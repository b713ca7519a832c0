#include "Combinations.h"

namespace qelt::fea {

namespace {

std::vector<double> Linear(const std::vector<double>& a, const std::vector<double>& b, double g, double q) {
    std::vector<double> result(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) result[i] = g * a[i] + q * b[i];
    return result;
}

}  // namespace

NodalResults Combine(const NodalResults& dead, const NodalResults& live, double g, double q) {
    return {Linear(dead.w, live.w, g, q), Linear(dead.mx, live.mx, g, q), Linear(dead.my, live.my, g, q),
            Linear(dead.mxy, live.mxy, g, q)};
}

Combinations CombineCases(const NodalResults& dead, const NodalResults& live, const LoadFactors& factors) {
    Combinations c;
    c.liveGoverned = Combine(dead, live, factors.importance * factors.dead, factors.importance * factors.live);
    c.deadGoverned = Combine(dead, live, factors.importance * 1.35, factors.importance * 1.4 * factors.combination);
    c.characteristic = Combine(dead, live, 1.0, 1.0);
    c.quasiPermanent = Combine(dead, live, 1.0, factors.quasiPermanent);
    return c;
}

}  // namespace qelt::fea
