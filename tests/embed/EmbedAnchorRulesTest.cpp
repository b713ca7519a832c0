// The anchor-bar factors and the least plate thickness, worked by hand from their formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "embed/EmbedAnchorRules.h"

namespace {

// ⌊0.6·d⌋ + 1: above 0.6·d always, by a whole millimetre where 0.6·d is whole (d 10, 20, 25).
TEST(EmbedAnchorRules, LeastPlateThicknessIsTheWholeMillimetreAboveSixTenthsOfTheDiameter) {
    struct Row {
        int nD, nT;
    } rows[] = {{6, 4}, {8, 5}, {10, 7}, {12, 8}, {14, 9}, {16, 10}, {18, 11}, {20, 13}, {22, 14}, {25, 16}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nD);
        EXPECT_EQ(GetMinPlateThickness(row.nD), row.nT);
        EXPECT_GT(GetMinPlateThickness(row.nD), 0.6 * row.nD);
    }
}

TEST(EmbedAnchorRules, ShearFactor) {
    // d 8, C20, grade I: (4 − 0.64)·√(9.6/210) = 3.36·0.213809 = 0.7184 → 0.7.
    EXPECT_DOUBLE_EQ(GetShearFactor(8, 9.6, 210), 0.7);
    // d 20, C20, grade II: 2.4·√(0.032) = 0.429325.
    EXPECT_NEAR(GetShearFactor(20, 9.6, 300), 0.429325, 1e-6);
    // d 25, C30: 2.0·√(14.3/300) = 0.436654.
    EXPECT_NEAR(GetShearFactor(25, 14.3, 300), 0.436654, 1e-6);
}

TEST(EmbedAnchorRules, PlateBendFactorByWidthSelection) {
    struct Row {
        int nScale, nT, nD, nB;
        double dExpected;
    } rows[] = {
        // Below y/t = 8 the reduction is 1, never a raise: t 8, d 8, b 45 (y/t 5.6) gives 0.6 + 0.25 = 0.85,
        // and 1.2b = 54 (y/t 6.75) too.
        {0, 8, 8, 45, 0.85},
        {1, 8, 8, 45, 0.85},
        // y/t = 8 exactly: 0.85.
        {0, 8, 8, 64, 0.85},
        // 1.5b = 67.5: 0.85/(1 + 0.055·(8.4375 − 8)) = 0.85/1.0240625.
        {2, 8, 8, 45, 0.85 / 1.0240625},
        // t 6, d 20, b 100: (0.6 + 0.075)/(1 + 0.055·(16.6667 − 8)) = 0.675/1.476667.
        {0, 6, 20, 100, 0.675 / (1 + 0.055 * (100.0 / 6 - 8))},
        // 2x2 II-20, t 13, b 60 (y/t 4.6): 0.6 + 0.25·13/20 = 0.7625, not 0.7625/0.8038 = 0.949.
        {0, 13, 20, 60, 0.7625},
        // A thick plate is capped at 1.0.
        {0, 20, 8, 45, 1.0},
        {3, 8, 8, 45, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "s " << row.nScale << " t " << row.nT << " d " << row.nD);
        EXPECT_NEAR(GetPlateBendFactor(row.nScale, row.nT, row.nD, row.nB), row.dExpected, 1e-9);
    }
}

TEST(EmbedAnchorRules, RowAnchorageAndEmbedmentFactors) {
    EXPECT_EQ(GetRowFactor(2), 1.0);
    EXPECT_EQ(GetRowFactor(3), 0.9);
    EXPECT_EQ(GetRowFactor(4), 0.85);

    EXPECT_DOUBLE_EQ(GetAnchorageFactor(200, 250), 0.8);
    EXPECT_DOUBLE_EQ(GetAnchorageFactor(250, 250), 1.0);
    EXPECT_DOUBLE_EQ(GetAnchorageFactor(300, 250), 1.0);

    struct Row {
        int nLa, nD;
        double dGamma;
    } rows[] = {
        {250, 16, 1.0},                // 250 > 240
        {240, 16, 1.0},                // 15·d exactly: q 15
        {200, 16, 1 - 0.027 * 3},      // q 12 (12.5 truncated)
        {100, 20, 1 - 0.027 * 10},     // q 5
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "la " << row.nLa << " d " << row.nD);
        EXPECT_NEAR(GetEmbedmentFactor(row.nLa, row.nD), row.dGamma, 1e-12);
    }
}

}  // namespace
