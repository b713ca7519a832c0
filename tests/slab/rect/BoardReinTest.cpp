// Slab bars of a 1000 mm strip, worked by hand (C20: fc 9.6, α1 1.0; HRB335: fy 300; ξb 0.55).
#include <gtest/gtest.h>

#include "slab/rect/BoardRein.h"
#include "slab/rect/RectBoardMomentCal.h"

namespace {

const double kFc = 9.6, kFy = 300, kA1 = 1.0, kEb = 0.55, kImpro = 1.0;

enum { TOP, LEFT, RIGHT, BOTTOM, XSPAN, YSPAN };

TEST(BoardAs, SinglyReinforcedSection) {
    // αs = 1e7/(9.6·80²·1000) = 0.162760, ξ = 1 − √(1 − 2αs) = 0.178734, As = ξ·9.6·1000·80/300.
    EXPECT_NEAR(CalBoardAs(1e7, kImpro, kA1, kFc, 80, kFy, kEb), 457.56, 0.005);
    EXPECT_NEAR(CalBoardAs(-1e7, kImpro, kA1, kFc, 80, kFy, kEb), 457.56, 0.005);
    // ξ = ξb exactly is accepted: M = ξb(1 − ξb/2)·fc·b·h0².
    const double dAtLimit = kEb * (1 - kEb / 2) * kFc * 1000 * 80 * 80;
    EXPECT_NEAR(CalBoardAs(dAtLimit * (1 - 1e-12), kImpro, kA1, kFc, 80, kFy, kEb), kEb * kFc * 1000 * 80 / kFy, 1e-3);
    EXPECT_EQ(CalBoardAs(dAtLimit * 1.01, kImpro, kA1, kFc, 80, kFy, kEb), -1);
    EXPECT_EQ(CalBoardAs(1e9, kImpro, kA1, kFc, 80, kFy, kEb), -1);  // 1 − 2αs < 0
}

struct Design {
    int result;
    double areas[6];
};

Design Designed(int kind, const int* edges, SlabMoments m, int h = 100, int as1 = 0, int as2 = 0, int thickSwitch = 0,
           int thickLimit = 0) {
    Design d{0, {-1, -1, -1, -1, -1, -1}};
    d.result = CalBoardRein(kind, as1, as2, 0.002, h, thickSwitch, thickLimit, h - 20, kEb, kFc, kFy, kA1, kImpro,
                            edges, m, d.areas);
    return d;
}

// The moment whose area is exactly As (h0 = 80): M = fy·As·(h0 − fy·As/(2·fc·1000)).
double MomentFor(double as, double h0 = 80) { return kFy * as * (h0 - kFy * as / (2 * kFc * 1000)); }

TEST(BoardRein, TwoWayMinimumAndThirdRule) {
    const int edges[8] = {1, 0, 0, 0, 0, 0, 0, 0};  // top simply supported
    SlabMoments m{};
    m.dMx = MomentFor(150.5);  // below Amin = 200
    m.dMy = MomentFor(900.5);
    m.dLeft = m.dRight = m.dBottom = MomentFor(400.5);
    const Design without = Designed(REIN_TWO_WAY, edges, m);
    ASSERT_EQ(without.result, 1);
    EXPECT_EQ(without.areas[XSPAN], 200);
    EXPECT_NEAR(without.areas[YSPAN], 900.5, 1e-6);
    EXPECT_EQ(without.areas[TOP], 200);
    EXPECT_NEAR(without.areas[LEFT], 400.5, 1e-6);
    EXPECT_NEAR(Designed(REIN_TWO_WAY, edges, m, 100, 0, 1).areas[TOP], 900.5 / 3, 1e-6);
    m.dMy = MomentFor(420.5);
    EXPECT_EQ(Designed(REIN_TWO_WAY, edges, m, 100, 0, 1).areas[TOP], 200);  // max(200, 140.2)
}

TEST(BoardRein, OneWayDistributionBars) {
    const int edges[8] = {2, 1, 1, 2, 0, 0, 0, 0};  // top and bottom free: nothing across
    SlabMoments m{};
    m.dMx = MomentFor(400.5);
    const Design between = Designed(REIN_ONE_WAY, edges, m);
    EXPECT_NEAR(between.areas[XSPAN], 400.5, 1e-6);
    EXPECT_EQ(between.areas[YSPAN], 0);
    EXPECT_EQ(between.areas[TOP], 0);
    EXPECT_EQ(between.areas[LEFT], 200);
    const int supported[8] = {1, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(Designed(REIN_ONE_WAY, supported, m).areas[YSPAN], 150);  // max(60, 150)
    EXPECT_EQ(Designed(REIN_FALLBACK_STRIP, supported, m).areas[YSPAN], 200);
    m.dMx = MomentFor(1200.5);
    EXPECT_NEAR(Designed(REIN_ONE_WAY, supported, m).areas[YSPAN], 0.15 * 1200.5, 1e-6);
    EXPECT_NEAR(Designed(REIN_ONE_WAY, supported, m, 100, 1).areas[LEFT], 1200.5 / 3, 1e-6);
}

TEST(BoardRein, CantileverBottomBars) {
    const int edges[8] = {2, 0, 2, 2, 0, 0, 0, 0};  // fixed at the left
    SlabMoments m{};
    m.dLeft = MomentFor(500.5, 180);
    const Design thick = Designed(REIN_CANTILEVER, edges, m, 200, 0, 0, 1, 200);
    ASSERT_EQ(thick.result, 1);
    EXPECT_NEAR(thick.areas[LEFT], 500.5, 1e-6);
    EXPECT_EQ(thick.areas[XSPAN], 400);
    EXPECT_EQ(thick.areas[YSPAN], 0);
    EXPECT_EQ(thick.areas[TOP] + thick.areas[RIGHT] + thick.areas[BOTTOM], 0);
    EXPECT_EQ(Designed(REIN_CANTILEVER, edges, m, 180, 0, 0, 1, 200).areas[XSPAN], 0);
}

TEST(BoardRein, FailedDesignLeavesTheAreas) {
    const int edges[8] = {1, 1, 1, 1, 0, 0, 0, 0};
    SlabMoments m{};
    m.dMx = 1e9;
    m.dMy = MomentFor(300.5);
    const Design over = Designed(REIN_TWO_WAY, edges, m);
    EXPECT_EQ(over.result, 0);
    EXPECT_EQ(over.areas[XSPAN], -1);
    // A two-way slab under no load has nothing to size: a failed design too.
    EXPECT_EQ(Designed(REIN_TWO_WAY, edges, SlabMoments{}).result, 0);
}

TEST(BoardRein, AmplificationBeforeTheOneRounding) {
    CRectBoardMomentCal cal;
    cal.m_nMagnify2 = 1;
    cal.m_dMagnifyValue2 = 1.1;
    double areas[6] = {333.4, 333, 0, 200, 500.4, 500};
    cal.ApplyMagnify(areas);
    EXPECT_NEAR(areas[TOP], 366.74, 1e-9);
    EXPECT_NEAR(areas[BOTTOM], 220, 1e-9);
    EXPECT_EQ(areas[XSPAN], 500.4);  // the span factor is off
}

// Whole mm², the nearest: the results, the bar choice and both reports take the same figure.
TEST(BoardRein, AreaRounding) {
    const struct {
        double area;
        int rounded;
    } cases[] = {{312.4, 312}, {312.5, 313}, {312.6, 313}, {0.0, 0}, {240.0, 240}, {513.5000001, 514}};
    for (const auto& c : cases) EXPECT_EQ(SlabRoundedArea(c.area), c.rounded) << c.area;
}

}  // namespace
