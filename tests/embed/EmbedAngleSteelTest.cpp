// The angle-steel table: the printed rows exactly, every row against the angle's own geometry, the
// list order and the exact lookup.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "embed/EmbedAngleSteel.h"

namespace {

struct PrintedRow {
    const char* pszStyle;
    int nT, nB, nArea;
    double dModulus;
};

TEST(EmbedAngleSteel, PrintedRowsAreExact) {
    const PrintedRow rows[] = {
        {"L30x3", 3, 30, 175, 0.68},
        {"L63x6", 6, 63, 729, 6},
        {"L90x10", 10, 90, 1717, 20.1},
        {"L200x24", 24, 200, 9066, 236},
    };
    for (const PrintedRow& row : rows) {
        SCOPED_TRACE(row.pszStyle);
        int nT = -1, nB = -1, nArea = -1;
        double dModulus = -1;
        GetAngleSteelData(row.pszStyle, nT, nB, nArea, dModulus);
        EXPECT_EQ(nT, row.nT);
        EXPECT_EQ(nB, row.nB);
        EXPECT_EQ(nArea, row.nArea);
        EXPECT_DOUBLE_EQ(dModulus, row.dModulus);
        EXPECT_EQ(GetAngleSteelThickness(row.pszStyle), row.nT);
        EXPECT_EQ(GetAngleSteelWidth(row.pszStyle), row.nB);
        EXPECT_EQ(GetAngleSteelArea(row.pszStyle), row.nArea);
        EXPECT_DOUBLE_EQ(GetAngleSteelModulus(row.pszStyle), row.dModulus);
    }
}

TEST(EmbedAngleSteel, ListHoldsTheDesignationsInOrder) {
    CStringArray arr;
    arr.Add("left over");
    FillAngleSteelList(arr);
    ASSERT_EQ(arr.GetSize(), 78);
    EXPECT_EQ(arr[0], CString("L30x3"));
    EXPECT_EQ(arr[19], CString("L56x8"));
    EXPECT_EQ(arr[44], CString("L90x12"));
    EXPECT_EQ(arr[77], CString("L200x24"));
    // Widths rise through the table, thicknesses rise within one width.
    for (int i = 1; i < arr.GetSize(); ++i) {
        SCOPED_TRACE(static_cast<LPCTSTR>(arr[i]));
        const int nPrevB = GetAngleSteelWidth(arr[i - 1]), nB = GetAngleSteelWidth(arr[i]);
        EXPECT_TRUE(nB > nPrevB || (nB == nPrevB && GetAngleSteelThickness(arr[i]) > GetAngleSteelThickness(arr[i - 1])));
    }
}

// Each row's area and modulus against the two legs as plain rectangles (no root or toe rounding):
// the rolled section has a little more area in its root, so the table lies slightly above, never far.
TEST(EmbedAngleSteel, EveryRowAgreesWithTheLegGeometry) {
    CStringArray arr;
    FillAngleSteelList(arr);
    for (int i = 0; i < arr.GetSize(); ++i) {
        SCOPED_TRACE(static_cast<LPCTSTR>(arr[i]));
        int nNameB = 0, nNameT = 0;
        ASSERT_EQ(std::sscanf(arr[i], "L%dx%d", &nNameB, &nNameT), 2);
        const double b = GetAngleSteelWidth(arr[i]), t = GetAngleSteelThickness(arr[i]);
        EXPECT_EQ(b, nNameB);
        EXPECT_EQ(t, nNameT);

        const double dArea = t * (2 * b - t);
        EXPECT_NEAR(GetAngleSteelArea(arr[i]) / dArea, 1.03, 0.035);

        // Leg along x (b by t) and leg along y (t by b − t); axis parallel to the x leg.
        const double dA1 = b * t, dY1 = t / 2;
        const double dA2 = t * (b - t), dY2 = t + (b - t) / 2;
        const double dZ0 = (dA1 * dY1 + dA2 * dY2) / dArea;
        const double dI = b * t * t * t / 12 + dA1 * (dY1 - dZ0) * (dY1 - dZ0) +
                          t * std::pow(b - t, 3) / 12 + dA2 * (dY2 - dZ0) * (dY2 - dZ0);
        const double dModulusCm3 = dI / (b - dZ0) / 1000;
        EXPECT_NEAR(GetAngleSteelModulus(arr[i]) / dModulusCm3, 1.02, 0.04);
    }
}

TEST(EmbedAngleSteel, AreaWithTheRootAndToeFillets) {
    // The rolled section: two legs, plus the root fillet of radius r and less the two toe roundings
    // of radius t/3: A = t·(2b − t) + (1 − π/4)·(r² − 2·(t/3)²), r by the leg width as rolled.
    struct Root {
        int nB;
        double dR;
    } roots[] = {{30, 4.5}, {36, 4.5}, {40, 5}, {45, 5},   {50, 5.5}, {56, 6},   {63, 7},   {70, 8},  {75, 9},
                 {80, 9},   {90, 10},  {100, 12}, {110, 12}, {125, 14}, {140, 14}, {160, 16}, {180, 16}, {200, 18}};
    CStringArray arr;
    FillAngleSteelList(arr);
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        SCOPED_TRACE(arr[i].Str());
        const double b = GetAngleSteelWidth(arr[i]), t = GetAngleSteelThickness(arr[i]);
        double r = 0;
        for (const Root& root : roots)
            if (root.nB == b) r = root.dR;
        ASSERT_GT(r, 0);
        const double dArea = t * (2 * b - t) + (1 - M_PI / 4) * (r * r - 2 * (t / 3) * (t / 3));
        EXPECT_NEAR(GetAngleSteelArea(arr[i]), dArea, 1.5);
    }
}

TEST(EmbedAngleSteel, UnknownDesignationLeavesTheOutputs) {
    const char* texts[] = {"l90x10", "L90X10", "L90x10 ", "", "L91x10"};
    for (const char* pszText : texts) {
        SCOPED_TRACE(pszText);
        int nT = -1, nB = -2, nArea = -3;
        double dModulus = -4;
        GetAngleSteelData(pszText, nT, nB, nArea, dModulus);
        EXPECT_EQ(nT, -1);
        EXPECT_EQ(nB, -2);
        EXPECT_EQ(nArea, -3);
        EXPECT_EQ(dModulus, -4);
    }
}

}  // namespace
