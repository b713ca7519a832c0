// The plastic lookups against the yield-line rows worked by hand.
#include <gtest/gtest.h>

#include "slab/rect/EdgeCodes.h"
#include "slab/rect/PlasticLookups.h"

namespace {

struct Result {
    int status = 0;
    double abc[3] = {};
    SlabMoments moments{};
    int span = 0;
};

Result Looked(int nCase, double lx, double ly, int top, int left, int right, int bottom, double beta, int half = 0,
           double q = 10.0) {
    const int edges[8] = {top, left, right, bottom, 0, 0, 0, 0};
    Result r;
    r.status = GetPlasticCoef(nCase, lx, ly, r.abc, r.moments, edges, r.span, q, beta, half);
    return r;
}

TEST(PlasticLookup, SquareFixedSlab) {
    const Result r = Looked(14, 4000, 4000, 0, 0, 0, 0, 2.0);
    ASSERT_EQ(r.status, 1);
    const double m = 0.0139 * 10 * 4000.0 * 4000.0;
    EXPECT_DOUBLE_EQ(r.abc[0], 1.0);
    EXPECT_NEAR(r.moments.dMx, m, 1e-6);
    EXPECT_NEAR(r.moments.dMy, m, 1e-6);
    EXPECT_NEAR(r.moments.dTop, 2 * m, 1e-6);
    EXPECT_NEAR(r.moments.dLeft, 2 * m, 1e-6);
    EXPECT_EQ(r.span, 4000);
}

TEST(PlasticLookup, BetaBlocksAndBetweenThem) {
    EXPECT_NEAR(Looked(14, 4000, 4000, 0, 0, 0, 0, 1.2).abc[1], 0.0189, 1e-12);
    EXPECT_NEAR(Looked(14, 4000, 4000, 0, 0, 0, 0, 1.4).abc[1], (0.016 + 0.0189) / 2, 1e-12);
    EXPECT_EQ(Looked(14, 4000, 4000, 0, 0, 0, 0, 1.19).status, 2);
    EXPECT_EQ(Looked(14, 4000, 4000, 0, 0, 0, 0, 2.01).status, 2);
    EXPECT_EQ(Looked(14, 4000, 8400, 0, 0, 0, 0, 2.0).status, 0);  // n = 2.1
}

TEST(PlasticLookup, CurtailmentMultipliesByC) {
    const Result r = Looked(14, 4000, 4000, 0, 0, 0, 0, 2.0, 1);
    EXPECT_NEAR(r.moments.dMx, 1.09 * 0.0139 * 10 * 16e6, 1e-6);
    EXPECT_NEAR(r.moments.dTop, 2 * 1.09 * 0.0139 * 10 * 16e6, 1e-6);
}

// n = 1.4286, α = 0.49: each row's line is taken at α, then rows 1.40 and 1.45 are interpolated.
TEST(PlasticLookup, InterpolatesInRatioAndMomentRatio) {
    const Result r = Looked(22, 6000, 4200, 1, 1, 1, 1, 1.8);
    ASSERT_EQ(r.status, 1);
    const double n = 6000.0 / 4200.0, alpha = 1 / (n * n);
    // Four simply supported edges, sequence A: rows 1.40 and 1.45 at α 0.5 and 0.7. ζ by the
    // yield-line rule, e.g. n 1.40, α 0.5: s = 1, t = 1.4/√0.5 = 1.9799, r = 0.50508,
    // ζ = (√3.2551 − 0.50508)²/24 = 0.0703.
    auto zetaAt = [&](double a1, double z1, double a2, double z2) { return z1 + (z2 - z1) / (a2 - a1) * (alpha - a1); };
    const double z140 = zetaAt(0.5, 0.0703, 0.7, 0.0635), z145 = zetaAt(0.5, 0.0717, 0.7, 0.0650);
    const double zeta = z140 + (z145 - z140) / 0.05 * (n - 1.4);
    EXPECT_NEAR(r.abc[1], zeta, 1e-9);
    EXPECT_NEAR(r.moments.dMy, zeta * 10 * 4200.0 * 4200.0, 1e-3);
    EXPECT_NEAR(r.moments.dMx, alpha * r.moments.dMy, 1e-6);
    EXPECT_DOUBLE_EQ(r.moments.dTop + r.moments.dBottom + r.moments.dLeft + r.moments.dRight, 0.0);
}

TEST(PlasticLookup, SimplySupportedEdgesCarryNothing) {
    // Top simply supported, the rest fixed.
    const Result r = Looked(16, 4000, 6000, 1, 0, 0, 0, 2.0);
    EXPECT_DOUBLE_EQ(r.moments.dTop, 0.0);
    EXPECT_NEAR(r.moments.dBottom, 2 * r.moments.dMy, 1e-9);
    EXPECT_NEAR(r.moments.dLeft, 2 * r.moments.dMx, 1e-9);
}

TEST(PlasticCase, KeyPutsTheLongEdgesFirst) {
    const int edges[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(FindPlasticCase(edges, 4000, 6000), 16);
    EXPECT_EQ(FindPlasticCase(edges, 6000, 4000), 15);
    const int freeEdge[8] = {2, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(FindPlasticCase(freeEdge, 6000, 4000), -1);
}

}  // namespace
