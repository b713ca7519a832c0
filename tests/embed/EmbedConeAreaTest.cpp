// The projected cone area of anchor grids: the overlapping-cones formula for grids without interior
// anchors where it stays within the union of the cone circles, the union otherwise and for grids with
// interior anchors, checked against closed forms of circles and their lenses.
#include <gtest/gtest.h>

#include <cmath>

#include "embed/EmbedConeArea.h"

namespace {

// Area shared by two circles of radius R whose centres are s apart.
double Lens(double R, double s) {
    return s >= 2 * R ? 0 : 2 * R * R * std::acos(s / (2 * R)) - s / 2 * std::sqrt(4 * R * R - s * s);
}

TEST(EmbedConeArea, SegmentBeyondAChord) {
    // Half a circle at the centre; a quarter-turn chord (c = r·cos 45°) cuts (π/2 − 1)·r²/2.
    EXPECT_NEAR(GetSegmentArea(100, 0), M_PI * 1e4 / 2, 1e-9);
    EXPECT_NEAR(GetSegmentArea(100, 75), Lens(100, 150) / 2, 1e-9);
    EXPECT_EQ(GetSegmentArea(100, 100), 0);
    EXPECT_EQ(GetSegmentArea(100, 150), 0);
}

TEST(EmbedConeArea, GridsByTheirClosedForms) {
    // R = be/2 + h = 20 + 80 = 100 throughout.
    const double dCircle = M_PI * 1e4;
    struct Row {
        int nRows, nColumns, nB1, nB;
        double dExpected;
    } rows[] = {
        // Two rows 150 apart: the formula takes one lens off per side pair, An − 2·(S1 + S2) −
        // 4·(columns − 2)·S2, where each of the four (seven) pairs overlaps: the union is taken.
        {2, 2, 150, 150, 4 * dCircle - 4 * Lens(100, 150)},
        {2, 3, 150, 150, 6 * dCircle - 7 * Lens(100, 150)},
        // Interior anchors: the union of nine circles, twelve side lenses, no triple overlap.
        {3, 3, 150, 150, 9 * dCircle - 12 * Lens(100, 150)},
        {3, 4, 150, 180, 12 * dCircle - 8 * Lens(100, 150) - 9 * Lens(100, 180)},
        {4, 4, 250, 250, 16 * dCircle},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nRows << "x" << row.nColumns);
        EXPECT_NEAR(GetConeProjectedArea(row.nRows, row.nColumns, row.nB1, row.nB, 40, 80), row.dExpected,
                    2e-6 * row.dExpected);
    }
}

// The cones of the angle page's defaults: be 40, la 250, so h = 215 and R = 235. Where the pages'
// formula stays within the union of the cone circles it stands, as the page's formula gives it; where it
// exceeds the union (one column, or anchors close together) the union is taken. Anchors in one column
// overlap only their neighbours' cones (a third cone's share of the first lies inside the second), so
// n of them cover πR² + (n − 1)·(πR² − lens).
TEST(EmbedConeArea, TheFormulaStandsWithinTheUnionOfTheCones) {
    const double R = 235;
    const double dCircle = M_PI * R * R;
    auto chord = [R](double s) { return 2 * R * std::sqrt(1 - s * s / (4 * R * R)); };
    struct Row {
        int nRows, nColumns, nB1, nB;
        double dExpected;
    } rows[] = {
        // The formula's rectangle (b1 + 2R)·chord(b1) = 214698 lies within the union 335289.
        {2, 1, 400, 0, (400 + 2 * R) * chord(400)},
        // (b + chord(b1))·(b1 + chord(b)) = 437981 within 524961.
        {2, 2, 300, 300, (300 + chord(300)) * (300 + chord(300))},
        // b1 = 45: the formula's 240938, 261991 and 283044 exceed the unions.
        {2, 1, 45, 0, dCircle + (dCircle - Lens(R, 45))},
        {3, 1, 45, 0, dCircle + 2 * (dCircle - Lens(R, 45))},
        {4, 1, 45, 0, dCircle + 3 * (dCircle - Lens(R, 45))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nRows << "x" << row.nColumns << " b1 " << row.nB1);
        EXPECT_NEAR(GetConeProjectedArea(row.nRows, row.nColumns, row.nB1, row.nB, 40, 215), row.dExpected,
                    2e-6 * row.dExpected);
    }
}

TEST(EmbedConeArea, DenseGridWithInteriorAnchorsIsTheBoundingShape) {
    // Spacing 10 with R = 100: the union of a 3×3 grid is a 20 × 20 square rounded by R, its area
    // 20·20 + 4·20·100 + π·100² (the square grown by R).
    const double dExpected = 400 + 4 * 20 * 100 + M_PI * 1e4;
    const double dArea = GetConeProjectedArea(3, 3, 10, 10, 40, 80);
    EXPECT_NEAR(dArea, dExpected, 1e-3 * dExpected);
    EXPECT_GT(dArea, 0);
}

}  // namespace
