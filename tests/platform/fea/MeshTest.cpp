// The mesh of a slab with a hole, a line load and a point load under each meshing rule: it covers
// the slab less the hole exactly, keeps to the element size and the angle bound, has nodes where
// the loads and supports need them, and follows the rule's grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "SlabFixtures.h"
#include "fea/Contours.h"
#include "fea/Mesher.h"

namespace {

using namespace fea_test;

const double kSize = 250.0;

// 3 m × 2 m less a 1 m × 0.5 m hole: 5.5 m².
Slab Holed() {
    Slab slab = Rectangle(3000, 2000, EdgeSupport::SimplySupported);
    slab.holes.push_back({{1800, 500, 0}, {2800, 500, 0}, {2800, 1000, 0}, {1800, 1000, 0}});
    slab.lineLoads.push_back({{300, 1500}, {1300, 1700}, 1.0, 1.0, LoadCase::Dead});
    slab.pointLoads.push_back({{600, 400}, 1.0, LoadCase::Dead});
    return slab;
}

struct RuleRow {
    const char* name;
    int rule;
    double angle;
    Point2 gridPoint;  // a point of the rule's grid far from every edge
};

const double kCos30 = std::cos(3.14159265358979323846 / 6.0), kSin30 = 0.5;

const RuleRow kRules[] = {
    {"Free", 1, 0.0, {}},
    {"GridAlongXY", 2, 0.0, {4 * kSize, 3 * kSize}},
    // The grid point (u, v) = (5, 1)·size turned by 30°.
    {"GridAlongBars", 3, 30.0, {kCos30 * 5 * kSize - kSin30 * kSize, kSin30 * 5 * kSize + kCos30 * kSize}},
};

void PrintTo(const RuleRow& row, std::ostream* os) { *os << row.name; }

class MeshRules : public testing::TestWithParam<RuleRow> {};

bool HasNodeAt(const Mesh& mesh, Point2 p) {
    return std::any_of(mesh.nodes.begin(), mesh.nodes.end(),
                       [&](const Point2& n) { return std::hypot(n.x - p.x, n.y - p.y) < 1e-6; });
}

TEST_P(MeshRules, CoverTheSlabWithGoodTriangles) {
    const Slab slab = Holed();
    MeshOptions options;
    options.elementSize = kSize;
    options.rule = GetParam().rule;
    options.barAngle = GetParam().angle;
    Mesh mesh;
    std::string message;
    ASSERT_TRUE(MeshSlab(slab, options, mesh, message)) << message;

    double area = 0.0;
    for (const auto& t : mesh.triangles) {
        const Point2 &a = mesh.nodes[t[0]], &b = mesh.nodes[t[1]], &c = mesh.nodes[t[2]];
        const double doubled = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        EXPECT_GT(doubled, 0.0);  // counter-clockwise
        area += doubled / 2.0;
    }
    EXPECT_NEAR(area, 5.5e6, 1e-3);
    for (const auto& [a, b] : UniqueEdges(mesh))
        EXPECT_LE(std::hypot(mesh.nodes[a].x - mesh.nodes[b].x, mesh.nodes[a].y - mesh.nodes[b].y), kSize * (1 + 1e-9));
    EXPECT_GE(mesh.minimumAngle, 20.0);

    for (const OutlineVertex& v : slab.outline) EXPECT_TRUE(HasNodeAt(mesh, {v.x, v.y}));
    EXPECT_TRUE(HasNodeAt(mesh, slab.pointLoads[0].at));
    EXPECT_EQ(mesh.nodes[mesh.pointLoadNodes[0]].x, 600.0);
    EXPECT_TRUE(HasNodeAt(mesh, slab.lineLoads[0].start));
    EXPECT_TRUE(HasNodeAt(mesh, slab.lineLoads[0].end));
    double loaded = 0.0, outline = 0.0, hole = 0.0;
    for (const MeshEdge& e : mesh.edges) {
        const double length = std::hypot(mesh.nodes[e.a].x - mesh.nodes[e.b].x, mesh.nodes[e.a].y - mesh.nodes[e.b].y);
        (e.source == EdgeSource::LineLoad ? loaded : e.source == EdgeSource::Outline ? outline : hole) += length;
    }
    EXPECT_NEAR(loaded, std::hypot(1000.0, 200.0), 1e-6);
    EXPECT_NEAR(outline, 10000.0, 1e-6);
    EXPECT_NEAR(hole, 3000.0, 1e-6);
    if (GetParam().rule != 1) EXPECT_TRUE(HasNodeAt(mesh, GetParam().gridPoint));
}

INSTANTIATE_TEST_SUITE_P(Rules, MeshRules, testing::ValuesIn(kRules),
                         [](const auto& info) { return std::string(info.param.name); });

// Contours of w = x over a 1 m square: the levels 250, 500, 750 and, at each, straight pieces on
// x = level that add up to the square's height.
TEST(Contours, OfALinearFieldAreStraightLines) {
    Mesh mesh;
    std::string message;
    MeshOptions options;
    options.elementSize = 200.0;
    ASSERT_TRUE(MeshSlab(Rectangle(1000, 1000, EdgeSupport::Free), options, mesh, message)) << message;
    std::vector<double> values;
    for (const Point2& n : mesh.nodes) values.push_back(n.x);
    EXPECT_EQ(ContourLevels(values, 3), (std::vector<double>{250.0, 500.0, 750.0}));
    double lengths[3] = {0.0, 0.0, 0.0};
    for (const ContourSegment& s : ContourLines(mesh, values, 3)) {
        EXPECT_NEAR(s.a.x, s.value, 1e-9);
        EXPECT_NEAR(s.b.x, s.value, 1e-9);
        lengths[s.level] += std::fabs(s.b.y - s.a.y);
    }
    for (double length : lengths) EXPECT_NEAR(length, 1000.0, 1e-6);
    EXPECT_TRUE(ContourLines(mesh, std::vector<double>(values.size(), 1.0), 3).empty());
    EXPECT_TRUE(ContourLines(mesh, values, 0).empty());
}

}  // namespace
