// The plastic (yield-line) two-way slab tables of cases 14–22, from their generation rules.
#pragma once

#include <array>
#include <vector>

namespace slabtables {

// One row: n, α₁, ζ₁, C₁, α₂, ζ₂, C₂.
using PlasticRow = std::array<double, 7>;

// Johansen's span coefficient ζ of a slab of side ratio n (long over short) at the moment ratio α,
// with restraint ratios i of the two long and the two short edges; rounded to 4 decimals.
double YieldLineZeta(double n, double alpha, const double restraint[4]);

// The curtailment factor C, rounded to 2 decimals.
double CurtailmentFactor(double n, double alpha, double beta, int fixedLong, int fixedShort);

// The whole table of a case: three blocks of 21 rows for β = 2.0, 1.6, 1.2 (cases 14–21), or one
// block (case 22).
std::vector<PlasticRow> PlasticTable(int plasticCase);

}  // namespace slabtables
