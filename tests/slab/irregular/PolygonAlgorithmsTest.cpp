// Intersections, containment, distances and shape measures of polylines with arcs, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

struct Vertex {
    double x, y, bulge;
};

CBoardPolyline Poly(std::vector<Vertex> vertices)
{
    CBoardPolyline poly;
    for (const Vertex& v : vertices)
        poly.AddPoint(P(v.x, v.y), 0, 0, BOARD_OUTLINE, 0.0, v.bulge);
    poly.Close(1);
    return poly;
}

CBoardPolyline Square(double x0, double y0, double side)
{
    return Poly({{x0, y0, 0}, {x0 + side, y0, 0}, {x0 + side, y0 + side, 0}, {x0, y0 + side, 0}});
}

struct LineLineRow {
    const char* name;
    AcGePoint3d p1, p2, p3, p4;
    bool found[4];  // by mode 0..3
    AcGePoint3d point;
};

const LineLineRow kLineLine[] = {
    {"BothVertical", P(0, 0), P(0, 10), P(5, 0), P(5, 10), {false, false, false, false}, P(0, 0)},
    {"NearlyParallel", P(0, 0), P(10, 1), P(0, 5), P(10, 1.000001 + 5), {false, false, false, false}, P(0, 0)},
    {"Crossing", P(0, 0), P(10, 0), P(5, -5), P(5, 5), {true, true, true, true}, P(5, 0)},
    // The second segment ends short of the first line's reach: only modes that take line 1 whole.
    {"BeyondTheFirstSegment", P(0, 0), P(10, 0), P(20, -5), P(20, 5), {false, true, false, true}, P(20, 0)},
    {"Sloped", P(0, 0), P(4, 4), P(0, 4), P(4, 0), {true, true, true, true}, P(2, 2)},
};

void PrintTo(const LineLineRow& row, std::ostream* os) { *os << row.name; }
class LineLine : public testing::TestWithParam<LineLineRow> {};
TEST_P(LineLine, ByMode) {
    const LineLineRow& row = GetParam();
    for (int mode = 0; mode < 4; ++mode) {
        const PointArray x = GetLineLineIntersection(row.p1, row.p2, row.p3, row.p4, mode);
        ASSERT_EQ(x.length(), row.found[mode] ? 1 : 0) << "mode " << mode;
        if (row.found[mode]) {
            EXPECT_NEAR(x[0].x, row.point.x, 1e-9);
            EXPECT_NEAR(x[0].y, row.point.y, 1e-9);
        }
    }
    EXPECT_EQ(GetLineLineIntersection(row.p1, row.p2, row.p3, row.p4, 7).length(), 0);
}
INSTANTIATE_TEST_SUITE_P(Table, LineLine, testing::ValuesIn(kLineLine),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineArc, ThroughTheCentreGivesPointsAlongTheLine) {
    // A line 0.05 from the centre of the circle of radius 10 about (0, 0).
    const PointArray x = GetLineArcIntersections(P(-20, 0.05), P(20, 0.05), M_PI, 2 * M_PI, 10, P(0, 0), 3);
    ASSERT_EQ(x.length(), 2);
    EXPECT_NEAR(x[0].x, -10, 1e-9);
    EXPECT_NEAR(x[0].y, 0, 1e-9);
    EXPECT_NEAR(x[1].x, 10, 1e-9);
    // Mode 1 keeps the arc's points: the lower half from pi to 2pi holds both ends.
    EXPECT_EQ(GetLineArcIntersections(P(-20, 0.05), P(20, 0.05), M_PI, 2 * M_PI, 10, P(0, 0), 1).length(), 2);
    // A segment that ends inside the circle meets it once in mode 0.
    const PointArray inside = GetLineArcIntersections(P(0, -20), P(0, 0), M_PI, 2 * M_PI, 10, P(3, 0), 0);
    ASSERT_EQ(inside.length(), 1);
    EXPECT_NEAR(inside[0].y, -std::sqrt(91.0), 1e-9);
    EXPECT_EQ(GetLineArcIntersections(P(0, 0), P(0.05, 0), 0.1, 1, 10, P(0, 0), 3).length(), 0);
    EXPECT_EQ(GetLineArcIntersections(P(-20, 11), P(20, 11), 0.1, 6, 10, P(0, 0), 3).length(), 0);
}

struct CirclesRow {
    const char* name;
    double distance;
    int points;
};

const CirclesRow kCircles[] = {
    {"ExternalContactWithinTenth", 19.95, 0},
    {"Apart", 25, 0},
    {"Crossing", 15, 2},
    {"Concentric", 0.05, 0},
};

void PrintTo(const CirclesRow& row, std::ostream* os) { *os << row.name; }
class Circles : public testing::TestWithParam<CirclesRow> {};
TEST_P(Circles, Mode3) {
    const double full1 = 1e-9, full2 = 2 * M_PI;
    const PointArray x = GetArcArcIntersections(P(0, 0), full1, full2, 10, P(GetParam().distance, 0), full1, full2, 10, 3);
    EXPECT_EQ(x.length(), GetParam().points);
}
INSTANTIATE_TEST_SUITE_P(Table, Circles, testing::ValuesIn(kCircles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArcArc, CrossingPointsAndOneInsideTheOther) {
    // Radii 10, centres 12 apart: a = 6, h = 8.
    const PointArray x = GetArcArcIntersections(P(0, 0), 1e-9, 2 * M_PI, 10, P(12, 0), 1e-9, 2 * M_PI, 10, 3);
    ASSERT_EQ(x.length(), 2);
    EXPECT_NEAR(x[0].x, 6, 1e-9);
    EXPECT_NEAR(std::fabs(x[0].y), 8, 1e-9);
    // Mode 0 keeps only the point on both upper half arcs (0..pi).
    const PointArray upper = GetArcArcIntersections(P(0, 0), 1e-9, M_PI, 10, P(12, 0), 1e-9, M_PI, 10, 0);
    ASSERT_EQ(upper.length(), 1);
    EXPECT_NEAR(upper[0].y, 8, 1e-9);
    EXPECT_EQ(GetArcArcIntersections(P(0, 0), 1e-9, 2 * M_PI, 10, P(1, 0), 1e-9, 2 * M_PI, 3, 3).length(), 0);
}

struct CrossRow {
    const char* name;
    AcGePoint3d p1, p2;
    double b1;
    AcGePoint3d p3, p4;
    double b2;
    int expected;
};

const CrossRow kCrosses[] = {
    {"StraightSharingAnEnd", P(0, 0), P(10, 0), 0, P(10, 0), P(10, 10), 0, 1},
    {"StraightApart", P(0, 0), P(10, 0), 0, P(0, 1), P(10, 1), 0, 0},
    {"StraightCrossing", P(0, 0), P(10, 10), 0, P(0, 10), P(10, 0), 0, 1},
    // The lower half circle from (0, 0) to (10, 0) and the straight segment back to (0, 0).
    {"ArcAndChordSharingEnds", P(0, 0), P(10, 0), 1, P(10, 0), P(0, 0), 0, 0},
    {"ArcCrossedByASegment", P(0, 0), P(10, 0), 1, P(5, 2), P(5, -8), 0, 1},
    {"SegmentThenArc", P(5, 2), P(5, -8), 0, P(0, 0), P(10, 0), 1, 1},
    {"SegmentInsideTheCircle", P(4, -1), P(6, -1), 0, P(0, 0), P(10, 0), 1, 0},
    // Two half circles over the same chord meet only at the chord's ends.
    {"ArcsSharingEnds", P(0, 0), P(10, 0), 1, P(10, 0), P(0, 0), 1, 0},
        // Lower half about (5, 0) and upper half about (5, -6), both of radius 5: they meet at (1, -3), (9, -3).
    {"ArcsCrossing", P(0, 0), P(10, 0), 1, P(0, -6), P(10, -6), -1, 1},
};

void PrintTo(const CrossRow& row, std::ostream* os) { *os << row.name; }
class Cross : public testing::TestWithParam<CrossRow> {};
TEST_P(Cross, Segments) {
    const CrossRow& r = GetParam();
    EXPECT_EQ(SegmentsCross(r.p1, r.p2, r.b1, r.p3, r.p4, r.b2), r.expected);
}
INSTANTIATE_TEST_SUITE_P(Table, Cross, testing::ValuesIn(kCrosses),
                         [](const auto& info) { return std::string(info.param.name); });

struct InsideRow {
    const char* name;
    std::vector<Vertex> poly;
    AcGePoint3d p;
    int expected;
};

const std::vector<Vertex> kSquare = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};
// A triangle with an odd vertex count whose vertex 0 lies left of the test points, on their ray.
const std::vector<Vertex> kTriangle = {{0, 5, 0}, {10, 0, 0}, {10, 10, 0}};
// A diamond: the ray from (15, 5) passes through the vertices (10, 5) and (0, 5).
const std::vector<Vertex> kDiamond = {{5, 0, 0}, {10, 5, 0}, {5, 10, 0}, {0, 5, 0}};
// The square with its top edge bulged up into a half circle about (5, 10).
const std::vector<Vertex> kArched = {{0, 0, 0}, {10, 0, 0}, {10, 10, 1}, {0, 10, 0}};

const InsideRow kInside[] = {
    {"SquareCentre", kSquare, P(5, 5), 1},
    {"SquareRight", kSquare, P(15, 5), -1},
    {"OnEdge", kSquare, P(10, 5), 1},
    {"WithinTenthOfEdge", kSquare, P(10.05, 5), 1},
    {"OutsideTheBox", kSquare, P(10.2, 5), -1},
    {"RayThroughVertex0OfTriangleInside", kTriangle, P(8, 5), 1},
    {"RayThroughVertex0OfTriangleOutside", kTriangle, P(12, 5), -1},
    {"RayThroughTwoDiamondVerticesInside", kDiamond, P(6, 5), 1},
    {"RayThroughTwoDiamondVerticesOutside", kDiamond, P(10.5, 5), -1},
    {"InTheArch", kArched, P(5, 14), 1},
    {"AboveTheArch", kArched, P(5, 15.2), -1},
    {"BesideTheArch", kArched, P(9.5, 14), -1},
    {"OnTheArch", kArched, P(5, 15), 1},
    {"RayAlongTheArchEnds", kArched, P(5, 10), 1},
};

void PrintTo(const InsideRow& row, std::ostream* os) { *os << row.name; }
class Inside : public testing::TestWithParam<InsideRow> {};
TEST_P(Inside, PointInPolyline) {
    EXPECT_EQ(PointInPolyline(GetParam().p, Poly(GetParam().poly)), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Table, Inside, testing::ValuesIn(kInside),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Polylines, InsideAndOverlap) {
    EXPECT_EQ(PolylineInsidePolyline(Square(0, 0, 10), Square(2, 2, 3)), 1);
    EXPECT_EQ(PolylineInsidePolyline(Square(0, 0, 10), Square(7, 2, 3)), 1);  // a vertex on the boundary
    EXPECT_EQ(PolylineInsidePolyline(Square(0, 0, 10), Square(8, 2, 3)), 0);
    // An arc edge bulging out of the outline between inside vertices.
    EXPECT_EQ(PolylineInsidePolyline(Square(0, 0, 10), Poly({{2, 2, 0}, {8, 2, 0}, {8, 8, 1}, {2, 8, 0}})), 0);
    EXPECT_EQ(PolylinesOverlap(Square(0, 0, 10), Square(10, 0, 5)), 1);  // a shared edge
    EXPECT_EQ(PolylinesOverlap(Square(0, 0, 10), Square(11, 0, 5)), 0);
    // Crossing without any vertex inside the other: a plus sign.
    EXPECT_EQ(PolylinesOverlap(Poly({{0, 4, 0}, {10, 4, 0}, {10, 6, 0}, {0, 6, 0}}),
                               Poly({{4, -2, 0}, {6, -2, 0}, {6, 12, 0}, {4, 12, 0}})), 1);
    CArray<CBoardPolyline, const CBoardPolyline&> holes;
    EXPECT_EQ(HolesOverlap(holes), 0);
    holes.Add(Square(0, 0, 2));
    holes.Add(Square(5, 5, 2));
    EXPECT_EQ(HolesOverlap(holes), 0);
    holes.Add(Square(6, 6, 2));
    EXPECT_EQ(HolesOverlap(holes), 1);
}

TEST(Polylines, Distances) {
    EXPECT_DOUBLE_EQ(GetPolylineDistance(Square(0, 0, 10), Square(15, 0, 10)), 5.0);
    EXPECT_EQ(GetPolylineDistance(CBoardPolyline(), Square(15, 0, 10)), 0.0);
    // A segment at y = -8 below the lower half circle of radius 5 about (5, 0): 3 apart.
    EXPECT_NEAR(GetSegmentArcDistance(P(0, -8), P(10, -8), P(0, 0), P(10, 0), 1.0), 3.0, 1e-9);
    // The same segment beside the upper half: the nearest are the arc's ends, 8 away.
    EXPECT_NEAR(GetSegmentArcDistance(P(0, -8), P(10, -8), P(0, 0), P(10, 0), -1.0), 8.0, 1e-9);
    // Two half circles facing each other: radius 5 about (5, 0) lower, about (5, -14) upper: 4 apart.
    EXPECT_NEAR(GetArcArcDistance(P(0, 0), P(10, 0), 1.0, P(0, -14), P(10, -14), -1.0), 4.0, 1e-9);
    // An outline whose bottom edge bulges down to y = -5, and a square under it from y = -8 to -6.
    EXPECT_NEAR(GetPolylineDistance(Poly({{0, 0, 1}, {10, 0, 0}, {10, 20, 0}, {0, 20, 0}}), Square(4, -8, 2)), 1.0,
                1e-9);
}

TEST(Polylines, OrientationCentroidAndExtents) {
    int o = 5;
    EXPECT_EQ(GetPolygonOrientation(Square(0, 0, 10), o), 1);
    EXPECT_EQ(o, 1);
    EXPECT_EQ(GetPolygonOrientation(Poly({{0, 10, 0}, {10, 10, 0}, {10, 0, 0}, {0, 0, 0}}), o), 1);
    EXPECT_EQ(o, -1);
    EXPECT_EQ(GetPolygonOrientation(Poly({{0, 0, 0}}), o), 0);
    EXPECT_EQ(o, 0);
    AcGePoint3d c;
    EXPECT_EQ(GetPolygonCentroid(Square(0, 0, 2), c), 1);
    EXPECT_NEAR(c.x, 1, 1e-12);
    EXPECT_NEAR(c.y, 1, 1e-12);
    EXPECT_EQ(GetPolygonCentroid(Poly({{0, 0, 0}, {4, 2, 0}}), c), 1);
    EXPECT_EQ(c, P(2, 1));
    EXPECT_EQ(GetPolygonCentroid(Poly({{1, 1, 0}, {2, 2, 0}, {3, 3, 0}}), c), 0);
    EXPECT_EQ(c, P(1, 1));
    // An L of two squares: (3 x 1 at x 0..3) and (1 x 2 at x 0..1, y 1..3): centroid ((3*1.5 + 2*0.5)/5, (3*0.5 + 2*2)/5).
    EXPECT_EQ(GetPolygonCentroid(Poly({{0, 0, 0}, {3, 0, 0}, {3, 1, 0}, {1, 1, 0}, {1, 3, 0}, {0, 3, 0}}), c), 1);
    EXPECT_NEAR(c.x, 1.1, 1e-12);
    EXPECT_NEAR(c.y, 1.1, 1e-12);
    AcGePoint3d lower, upper;
    GetPolylineExtents(Poly(kArched), lower, upper);
    EXPECT_EQ(lower, P(0, 0));
    EXPECT_NEAR(upper.x, 10, 1e-12);
    EXPECT_NEAR(upper.y, 15, 1e-12);
}

CBoardPolyline TriangleWithApex(double degrees)
{
    const double t = degrees * M_PI / 180.0;
    return Poly({{0, 0, 0}, {1000, 0, 0}, {1000 * std::cos(t), 1000 * std::sin(t), 0}});
}

TEST(Polylines, InteriorAngles) {
    EXPECT_EQ(CheckPolylineAngles(TriangleWithApex(20)), 0);
    EXPECT_EQ(CheckPolylineAngles(TriangleWithApex(26.3)), 0);
    EXPECT_EQ(CheckPolylineAngles(TriangleWithApex(26.5)), 1);
    EXPECT_EQ(CheckPolylineAngles(Square(0, 0, 10)), 1);
    EXPECT_EQ(CheckPolylineAngles(Poly({{0, 10, 0}, {10, 10, 0}, {10, 0, 0}, {0, 0, 0}})), 1);
    EXPECT_EQ(CheckPolylineAngles(Poly({{0, 0, 0}})), 0);
    // The sharp corner at the origin is left untested when one of its edges is an arc.
    EXPECT_EQ(CheckPolylineAngles(Poly({{0, 0, 0.3}, {1000, 0, 0}, {1000 * std::cos(0.2), 1000 * std::sin(0.2), 0}})), 1);
    EXPECT_EQ(CheckPolylineAngles(Poly({{0, 0, 0}, {1000, 0, 0}, {1000 * std::cos(0.2), 1000 * std::sin(0.2), 0}})), 0);
}

}  // namespace
