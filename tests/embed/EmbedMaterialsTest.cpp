// Concrete strengths by class, the required anchorage length and the bar strength and area.
#include <gtest/gtest.h>

#include "embed/EmbedMaterials.h"

namespace {

TEST(EmbedMaterials, ConcreteStrengthByClass) {
    struct Row {
        int nIndex;
        double dFc, dFcm, dFt, dKc;
    } rows[] = {
        {0, 9.6, 11.0, 1.10, 1.0},
        {1, 11.9, 13.5, 1.27, 1.182},
        {2, 14.3, 16.5, 1.43, 1.364},
        // Outside the list: nothing is written.
        {3, -1, -1, -1, -1},
        {-1, -1, -1, -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nIndex);
        double dFc = -1, dFcm = -1, dFt = -1, dKc = -1;
        GetConcreteStrength(row.nIndex, dFc, dFcm, dFt, dKc);
        EXPECT_DOUBLE_EQ(dFc, row.dFc);
        EXPECT_DOUBLE_EQ(dFcm, row.dFcm);
        EXPECT_DOUBLE_EQ(dFt, row.dFt);
        EXPECT_DOUBLE_EQ(dKc, row.dKc);
    }
}

TEST(EmbedMaterials, AnchorLengthIsFactorTimesDiameterNeverBelow250) {
    struct Row {
        int nD, nClass, nExpected;
    } rows[] = {
        {8, 0, 250},    // 248
        {8, 1, 250},    // 216
        {10, 1, 270},
        {11, 0, 341},   // last thin diameter
        {12, 0, 468},   // first thick diameter
        {20, 0, 780},
        {25, 2, 750},
        {300, 5, 300},  // unknown class: the diameter itself
        {20, 5, 250},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "d " << row.nD << " class " << row.nClass);
        EXPECT_EQ(GetAnchorLength(row.nD, row.nClass), row.nExpected);
    }
}

TEST(EmbedMaterials, BarStrengthAndArea) {
    EXPECT_EQ(GetAnchorSteelFy(10), 210);
    EXPECT_EQ(GetAnchorSteelFy(12), 300);
    EXPECT_NEAR(GetAnchorSteelArea(8), 50.27, 0.01);
    EXPECT_NEAR(GetAnchorSteelArea(25), 490.87, 0.01);
}

}  // namespace
