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
    int areas[6];
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
    EXPECT_EQ(without.areas[YSPAN], 900);
    EXPECT_EQ(without.areas[TOP], 200);
    EXPECT_EQ(without.areas[LEFT], 400);
    EXPECT_EQ(Designed(REIN_TWO_WAY, edges, m, 100, 0, 1).areas[TOP], 300);  // 900/3
    m.dMy = MomentFor(420.5);
    EXPECT_EQ(Designed(REIN_TWO_WAY, edges, m, 100, 0, 1).areas[TOP], 200);  // max(200, 140)
}

TEST(BoardRein, OneWayDistributionBars) {
    const int edges[8] = {2, 1, 1, 2, 0, 0, 0, 0};  // top and bottom free: nothing across
    SlabMoments m{};
    m.dMx = MomentFor(400.5);
    const Design between = Designed(REIN_ONE_WAY, edges, m);
    EXPECT_EQ(between.areas[XSPAN], 400);
    EXPECT_EQ(between.areas[YSPAN], 0);
    EXPECT_EQ(between.areas[TOP], 0);
    EXPECT_EQ(between.areas[LEFT], 200);
    const int supported[8] = {1, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(Designed(REIN_ONE_WAY, supported, m).areas[YSPAN], 150);  // max(60, 150)
    EXPECT_EQ(Designed(REIN_FALLBACK_STRIP, supported, m).areas[YSPAN], 200);
    m.dMx = MomentFor(1200.5);
    EXPECT_EQ(Designed(REIN_ONE_WAY, supported, m).areas[YSPAN], 180);  // 0.15·1200
    EXPECT_EQ(Designed(REIN_ONE_WAY, supported, m, 100, 1).areas[LEFT], 400);  // 1200/3
}

TEST(BoardRein, CantileverBottomBars) {
    const int edges[8] = {2, 0, 2, 2, 0, 0, 0, 0};  // fixed at the left
    SlabMoments m{};
    m.dLeft = MomentFor(500.5, 180);
    const Design thick = Designed(REIN_CANTILEVER, edges, m, 200, 0, 0, 1, 200);
    ASSERT_EQ(thick.result, 1);
    EXPECT_EQ(thick.areas[LEFT], 500);
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

TEST(BoardRein, AmplificationTruncates) {
    CRectBoardMomentCal cal;
    cal.m_nMagnify2 = 1;
    cal.m_dMagnifyValue2 = 1.1;
    const int areas[6] = {333, 333, 0, 200, 500, 500};
    for (int i = 0; i < 6; ++i) cal.m_nAreas[i] = areas[i];
    cal.ApplyMagnify();
    EXPECT_EQ(cal.m_nAreas[TOP], 366);
    EXPECT_EQ(cal.m_nAreas[BOTTOM], 220);
    EXPECT_EQ(cal.m_nAreas[XSPAN], 500);
}

}  // namespace
