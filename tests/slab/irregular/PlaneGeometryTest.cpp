// Plane geometry of straight and arc segments, against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "slab/irregular/PlaneGeometry.h"

namespace {

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }


struct SlopeRow {
    const char* name;
    AcGePoint3d p1, p2;
    double slope;
};

const SlopeRow kSlopes[] = {
    {"NearlyVertical", P(0, 0), P(0.0005, 50), 1e6},
    {"NearlyFlat", P(0, 0), P(50, 0.0005), 0},
    {"BothTinyVerticalFirst", P(0, 0), P(0.0005, 0.0005), 1e6},
    {"Diagonal", P(1, 1), P(3, -3), -2},
};

void PrintTo(const SlopeRow& row, std::ostream* os) { *os << row.name; }
class Slope : public testing::TestWithParam<SlopeRow> {};
TEST_P(Slope, OfTwoPoints) { EXPECT_DOUBLE_EQ(GetSlope(GetParam().p1, GetParam().p2), GetParam().slope); }
INSTANTIATE_TEST_SUITE_P(Table, Slope, testing::ValuesIn(kSlopes),
                         [](const auto& info) { return std::string(info.param.name); });

struct PointTestRow {
    const char* name;
    int (*test)(AcGePoint3d, AcGePoint3d, AcGePoint3d);
    AcGePoint3d p, a, b;
    int expected;
};

int SamePoint(AcGePoint3d p, AcGePoint3d a, AcGePoint3d) { return IsSamePoint(p, a); }
int NearWithFive(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b) { return IsPointNearSegment(p, a, b, 5.0); }

const PointTestRow kPointTests[] = {
    {"SameWithinTenthBoth", SamePoint, P(0, 0), P(0.1, 0.1), P(0, 0), 1},
    {"NotSameJustOverTenth", SamePoint, P(0, 0), P(0.1001, 0), P(0, 0), 0},
    {"OnSegmentSmallArea", IsPointOnSegment, P(500, 0.009), P(0, 0), P(1000, 0), 1},
    {"OffSegmentAreaOverTen", IsPointOnSegment, P(500, 0.011), P(0, 0), P(1000, 0), 0},
    {"OnSegmentBeyondEndWithinBox", IsPointOnSegment, P(1000.09, 0), P(0, 0), P(1000, 0), 1},
    {"OffSegmentBeyondBox", IsPointOnSegment, P(1000.11, 0), P(0, 0), P(1000, 0), 0},
    {"NearSegmentToleranceCappedAtTwo", NearWithFive, P(50, 1.99), P(0, 0), P(100, 0), 1},
    {"NotNearAtThreeThoughFiveAsked", NearWithFive, P(50, 3), P(0, 0), P(100, 0), 0},
    {"NearEndPointPastTheSegment", NearWithFive, P(101.5, 0.5), P(0, 0), P(100, 0), 1},
    {"NotNearPastEnd", NearWithFive, P(102.5, 0), P(0, 0), P(100, 0), 0},
    {"LeftTurn", GetTurnDirection, P(0, 0), P(10, 0), P(10, 10), 1},
    {"RightTurn", GetTurnDirection, P(0, 0), P(10, 0), P(10, -10), -1},
    {"Straight", GetTurnDirection, P(0, 0), P(10, 0), P(20, 0.00001), 0},
    {"BoxesApart", [](AcGePoint3d p, AcGePoint3d a, AcGePoint3d b) {
         return BoundingBoxesOverlap(p, a, b, P(30, 30)); }, P(0, 0), P(10, 10), P(10.2, 10.2), 0},
    {"BoxesWithinTenth", [](AcGePoint3d p, AcGePoint3d a, AcGePoint3d b) {
         return BoundingBoxesOverlap(p, a, b, P(30, 30)); }, P(0, 0), P(10, 10), P(10.09, 10.09), 1},
};

void PrintTo(const PointTestRow& row, std::ostream* os) { *os << row.name; }
class PointTests : public testing::TestWithParam<PointTestRow> {};
TEST_P(PointTests, Decide) {
    const PointTestRow& row = GetParam();
    EXPECT_EQ(row.test(row.p, row.a, row.b), row.expected);
}
INSTANTIATE_TEST_SUITE_P(Table, PointTests, testing::ValuesIn(kPointTests),
                         [](const auto& info) { return std::string(info.param.name); });

struct ArcRow {
    const char* name;
    double bulge;
    AcGePoint3d center;
    double radius, start, end, length;
};

// Chord (0, 0) to (2, 0).
const ArcRow kArcs[] = {
    {"HalfCircleCounterClockwise", 1.0, P(1, 0), 1.0, M_PI, 2 * M_PI, M_PI},
    {"HalfCircleClockwise", -1.0, P(1, 0), 1.0, 2 * M_PI, M_PI, -M_PI},
    // R = (1/0.5 + 0.5)/2 = 1.25, sagitta 0.5: centre 0.75 above the chord.
    {"ShallowCounterClockwise", 0.5, P(1, 0.75), 1.25, std::atan2(-0.75, -1), 2 * M_PI + std::atan2(-0.75, 1),
     4 * std::atan(0.5) * 1.25},
    {"ShallowClockwise", -0.5, P(1, -0.75), 1.25, std::atan2(0.75, 1), std::atan2(0.75, -1),
     -4 * std::atan(0.5) * 1.25},
    // |b| > 1: the centre lies on the far side of the chord; b = 2 gives R = 1.25, centre (1, -0.75).
    {"LongerThanHalf", 2.0, P(1, -0.75), 1.25, std::atan2(0.75, -1), std::atan2(0.75, 1),
     4 * std::atan(2.0) * 1.25},
};

void PrintTo(const ArcRow& row, std::ostream* os) { *os << row.name; }
class Arcs : public testing::TestWithParam<ArcRow> {};
TEST_P(Arcs, CentreRadiusAnglesAndLength) {
    const ArcRow& row = GetParam();
    const AcGePoint3d center = GetArcCenter(P(0, 0), P(2, 0), row.bulge);
    EXPECT_NEAR(center.x, row.center.x, 1e-12);
    EXPECT_NEAR(center.y, row.center.y, 1e-12);
    AcGePoint3d c;
    double a1 = 0, a2 = 0, r = 0;
    EXPECT_EQ(GetArcParameters(P(0, 0), P(2, 0), row.bulge, c, a1, a2, r), 1);
    EXPECT_NEAR(r, row.radius, 1e-12);
    EXPECT_NEAR(a1 <= 0 ? a1 + 2 * M_PI : a1, row.start <= 0 ? row.start + 2 * M_PI : row.start, 1e-12);
    EXPECT_NEAR(a2 <= 0 ? a2 + 2 * M_PI : a2, row.end <= 0 ? row.end + 2 * M_PI : row.end, 1e-12);
    EXPECT_NEAR(GetSegmentLength(P(0, 0), P(2, 0), row.bulge), row.length, 1e-12);
    EXPECT_NEAR(GetArcLength(P(0, 0), P(2, 0), row.bulge), row.length, 1e-12);
}
INSTANTIATE_TEST_SUITE_P(Table, Arcs, testing::ValuesIn(kArcs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Arcs, PlusXGetsTwoPiAndStraightSegmentsHaveNoArcLength) {
    EXPECT_DOUBLE_EQ(GetPolarAngle(P(5, 0), P(0, 0)), 2 * M_PI);
    EXPECT_DOUBLE_EQ(GetSegmentLength(P(0, 0), P(2, 0), 0.0), 2.0);
    EXPECT_EQ(GetArcLength(P(0, 0), P(2, 0), 0.0), 0.0);
}

struct OnArcRow {
    const char* name;
    AcGePoint3d p;
    int expected;
};

// The upper half circle about (1, 0), radius 1, from (2, 0) to (0, 0): bulge -1 runs from 2pi to pi
// through +x.
const OnArcRow kOnArc[] = {
    {"Top", P(1, 1), 1},
    {"Bottom", P(1, -1), 0},
    {"RadiallyInside009", P(1, 1.09), 1},
    {"RadiallyOutside011", P(1, 1.11), 0},
    {"EndOnPlusX", P(2, 0), 1},
    {"EndOnMinusX", P(0, 0), 1},
    {"JustPastEnd", P(1 - std::cos(0.001), -std::sin(0.001)), 0},
};

void PrintTo(const OnArcRow& row, std::ostream* os) { *os << row.name; }
class OnArc : public testing::TestWithParam<OnArcRow> {};
TEST_P(OnArc, ThroughPlusX) {
    AcGePoint3d c;
    double a1 = 0, a2 = 0, r = 0;
    GetArcParameters(P(0, 0), P(2, 0), -1.0, c, a1, a2, r);
    EXPECT_EQ(IsPointOnArc(GetParam().p, a1, a2, c, r), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Table, OnArc, testing::ValuesIn(kOnArc),
                         [](const auto& info) { return std::string(info.param.name); });

struct ExtentRow {
    const char* name;
    AcGePoint3d p1, p2;
    double bulge;
    double left, bottom, right, top;
};

const ExtentRow kExtents[] = {
    // Lower half circle about (1, 0): reaches y = -1 only.
    {"LowerHalf", P(0, 0), P(2, 0), 1.0, 0, -1, 2, 0},
    {"UpperHalf", P(0, 0), P(2, 0), -1.0, 0, 0, 2, 1},
    // Three quarters of the circle about (0, 0) from (1, 0) counter-clockwise to (0, -1): passes the
    // top and the left; b = tan(270deg/4).
    {"ThreeQuarters", P(1, 0), P(0, -1), std::tan(3 * M_PI / 8), -1, -1, 1, 1},
    // The quarter from (0, -1) to (1, 0) counter-clockwise passes no extreme point but its ends.
    {"QuarterThroughNone", P(0, -1), P(1, 0), std::tan(M_PI / 8), 0, -1, 1, 0},
};

void PrintTo(const ExtentRow& row, std::ostream* os) { *os << row.name; }
class ArcExtents : public testing::TestWithParam<ExtentRow> {};
TEST_P(ArcExtents, Box) {
    const ExtentRow& row = GetParam();
    AcGePoint3d upper, lower;
    EXPECT_EQ(GetArcExtents(row.p1, row.p2, row.bulge, upper, lower), 1);
    EXPECT_NEAR(lower.x, row.left, 1e-9);
    EXPECT_NEAR(lower.y, row.bottom, 1e-9);
    EXPECT_NEAR(upper.x, row.right, 1e-9);
    EXPECT_NEAR(upper.y, row.top, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Table, ArcExtents, testing::ValuesIn(kExtents),
                         [](const auto& info) { return std::string(info.param.name); });

struct FootRow {
    const char* name;
    AcGePoint3d p, a, b, foot;
};

const FootRow kFeet[] = {
    {"NearlyVerticalTakenAsVertical", P(5, 5), P(0, 0), P(0.05, 10), P(0, 5)},
    {"NearlyFlatTakenAsFlat", P(5, 5), P(0, 0), P(10, 0.05), P(5, 0)},
    // Line y = x: the foot of (4, 0) is (2, 2).
    {"Diagonal", P(4, 0), P(0, 0), P(10, 10), P(2, 2)},
};

void PrintTo(const FootRow& row, std::ostream* os) { *os << row.name; }
class Foot : public testing::TestWithParam<FootRow> {};
TEST_P(Foot, OnTheLine) {
    const FootRow& row = GetParam();
    const AcGePoint3d f = GetPerpendicularFoot(row.p, row.a, row.b);
    EXPECT_NEAR(f.x, row.foot.x, 1e-12);
    EXPECT_NEAR(f.y, row.foot.y, 1e-12);
}
INSTANTIATE_TEST_SUITE_P(Table, Foot, testing::ValuesIn(kFeet),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Distances, PointAndSegments) {
    EXPECT_DOUBLE_EQ(GetPointSegmentDistance(P(5, 3), P(0, 0), P(10, 0)), 3.0);
    EXPECT_DOUBLE_EQ(GetPointSegmentDistance(P(13, 4), P(0, 0), P(10, 0)), 5.0);
    // Parallel segments 5 apart, and skew ones whose nearest pair is an end and a foot.
    EXPECT_DOUBLE_EQ(GetSegmentDistance(P(0, 0), P(10, 0), P(0, 5), P(10, 5)), 5.0);
    EXPECT_DOUBLE_EQ(GetSegmentDistance(P(0, 0), P(10, 0), P(12, 1), P(20, 9)), std::sqrt(5.0));
    // Crossing segments give the least of the four end candidates, not 0.
    EXPECT_DOUBLE_EQ(GetSegmentDistance(P(0, 0), P(10, 0), P(5, -1), P(5, 4)), 1.0);
}

TEST(Distances, PointAndArc) {
    // Upper half circle about (1, 0), radius 1.
    AcGePoint3d c;
    double a1 = 0, a2 = 0, r = 0;
    GetArcParameters(P(0, 0), P(2, 0), -1.0, c, a1, a2, r);
    EXPECT_NEAR(GetPointArcDistance(P(1, 3), P(0, 0), P(2, 0), a1, a2, c, r), 2.0, 1e-12);
    // Below the chord the nearest circle point is off the arc: the nearer end counts.
    EXPECT_NEAR(GetPointArcDistance(P(1.6, -0.8), P(0, 0), P(2, 0), a1, a2, c, r), std::hypot(0.4, 0.8), 1e-12);
    // The centre itself: the nearer end point.
    EXPECT_NEAR(GetPointArcDistance(P(1, 0), P(0, 0), P(2, 0), a1, a2, c, r), 1.0, 1e-12);
    EXPECT_NEAR(GetPointArcDistance(P(1.05, 0), P(0, 0.5), P(2, 0), a1, a2, c, r), 0.95, 1e-12);
}

struct BulgeRow {
    const char* name;
    AcGePoint3d p0, p1, p2;
    double bulge;
};

const BulgeRow kBulges[] = {
    {"HalfCounterClockwise", P(1, 0), P(0, 1), P(-1, 0), 1.0},
    {"HalfClockwise", P(-1, 0), P(0, 1), P(1, 0), -1.0},
    {"CollinearMiddleBetween", P(0, 0), P(5, 0), P(10, 0), 0.0},
    // Quarter circle about the origin from (1, 0) through 45deg to (0, 1): tan(pi/8).
    {"Quarter", P(1, 0), P(std::sqrt(0.5), std::sqrt(0.5)), P(0, 1), std::tan(M_PI / 8)},
};

void PrintTo(const BulgeRow& row, std::ostream* os) { *os << row.name; }
class BulgeFrom3Points : public testing::TestWithParam<BulgeRow> {};
TEST_P(BulgeFrom3Points, Arc) {
    const BulgeRow& row = GetParam();
    EXPECT_NEAR(GetBulgeFrom3Points(row.p0, row.p1, row.p2), row.bulge, 1e-12);
}
INSTANTIATE_TEST_SUITE_P(Table, BulgeFrom3Points, testing::ValuesIn(kBulges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Segments, HeightBulgeAndNormalPoint) {
    EXPECT_DOUBLE_EQ(GetArcHeight(10, -0.4), -2.0);
    EXPECT_DOUBLE_EQ(GetBulgeFromHeight(10, -2.0), -0.4);
    // A chord of 0 gives a straight segment, not an infinite bulge.
    EXPECT_EQ(GetBulgeFromHeight(0, 3.0), 0.0);
    // Walking from (0, 0) to (10, 0), the right-hand side is -y.
    const AcGePoint3d n = GetNormalPoint(P(0, 0), P(10, 0));
    EXPECT_NEAR(n.x, 0, 1e-12);
    EXPECT_NEAR(n.y, -200, 1e-12);
    const AcGePoint3d m = GetMidPoint(AcGePoint3d(0, 0, 5), AcGePoint3d(4, 2, 7));
    EXPECT_EQ(m, AcGePoint3d(2, 1, 0));
    EXPECT_EQ(IsPointInRect(5, 5, 0, 10, 0, 10), 1);
    EXPECT_EQ(IsPointInRect(10, 10, 0, 10, 0, 10), 1);
    EXPECT_EQ(IsPointInRect(10.0001, 5, 0, 10, 0, 10), 0);
}

TEST(PolygonArea, SignedByOrientation) {
    PointArray square;
    square.append(P(0, 0)).append(P(1, 0)).append(P(1, 1)).append(P(0, 1));
    EXPECT_DOUBLE_EQ(GetPolygonArea(square), 1.0);
    PointArray reversed;
    reversed.append(P(0, 1)).append(P(1, 1)).append(P(1, 0)).append(P(0, 0));
    EXPECT_DOUBLE_EQ(GetPolygonArea(reversed), -1.0);
    // An L of area 3 away from the origin.
    PointArray ell;
    ell.append(P(10, 10)).append(P(12, 10)).append(P(12, 11)).append(P(11, 11)).append(P(11, 12)).append(P(10, 12));
    EXPECT_DOUBLE_EQ(GetPolygonArea(ell), 3.0);
}

}  // namespace
