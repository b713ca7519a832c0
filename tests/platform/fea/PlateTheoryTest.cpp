// Deflections and moments against the series solutions of thin-plate theory (Timoshenko and
// Woinowsky-Krieger, ν = 0.3) and the closed form of the circular plate.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "SlabFixtures.h"
#include "fea/Assembly.h"
#include "fea/PlateAnalysis.h"

namespace {

using namespace fea_test;

const double kA = 1000.0;  // mm: the side (the shorter side), or the radius
const double kQ = 1.0;     // kN/m²
const double kP = 10.0;    // kN

enum class Quantity { W, Mx, My };

struct TheoryCase {
    const char* name;
    std::function<Slab()> slab;
    double size;      // element size, mm
    double x, y;      // where
    Quantity quantity;
    double expected;  // in units of q·a⁴/D, q·a², P·a²/D
};

Slab Loaded(Slab slab) {
    slab.uniformLoad[0] = kQ;
    return slab;
}

Slab CentralPoint(Slab slab) {
    PointLoad load;
    load.at = {kA / 2, kA / 2};
    load.value = kP;
    slab.pointLoads.push_back(load);
    return slab;
}

const double kCircleW = (5.0 + 0.3) / (64.0 * 1.3);
const double kCircleM = (3.0 + 0.3) / 16.0;

const TheoryCase kCases[] = {
    {"SimpleSquareW", [] { return Loaded(Rectangle(kA, kA, EdgeSupport::SimplySupported)); }, 100, kA / 2, kA / 2, Quantity::W, 0.00406},
    {"SimpleSquareMx", [] { return Loaded(Rectangle(kA, kA, EdgeSupport::SimplySupported)); }, 50, kA / 2, kA / 2, Quantity::Mx, 0.0479},
    {"FixedSquareW", [] { return Loaded(Rectangle(kA, kA, EdgeSupport::Fixed)); }, 50, kA / 2, kA / 2, Quantity::W, 0.00126},
    {"FixedSquareCentreMx", [] { return Loaded(Rectangle(kA, kA, EdgeSupport::Fixed)); }, 50, kA / 2, kA / 2, Quantity::Mx, 0.0231},
    {"FixedSquareEdgeMy", [] { return Loaded(Rectangle(kA, kA, EdgeSupport::Fixed)); }, 50, kA / 2, 0, Quantity::My, -0.0513},
    {"SimpleRectangleW", [] { return Loaded(Rectangle(kA, 2 * kA, EdgeSupport::SimplySupported)); }, 100, kA / 2, kA, Quantity::W, 0.01013},
    {"SimpleRectangleMx", [] { return Loaded(Rectangle(kA, 2 * kA, EdgeSupport::SimplySupported)); }, 100, kA / 2, kA, Quantity::Mx, 0.1017},
    {"SimpleCircleW", [] { return Loaded(Circle(kA, EdgeSupport::SimplySupported)); }, 200, 0, 0, Quantity::W, kCircleW},
    {"SimpleCircleMx", [] { return Loaded(Circle(kA, EdgeSupport::SimplySupported)); }, 200, 0, 0, Quantity::Mx, kCircleM},
    {"PointLoadSquareW", [] { return CentralPoint(Rectangle(kA, kA, EdgeSupport::SimplySupported)); }, 100, kA / 2, kA / 2, Quantity::W, 0.01160},
};

void PrintTo(const TheoryCase& c, std::ostream* os) { *os << c.name; }

// A load of nothing at the point, so that the mesh has a node there.
Slab WithNodeAt(Slab slab, double x, double y) {
    PointLoad probe;
    probe.at = {x, y};
    slab.pointLoads.push_back(probe);
    return slab;
}

class PlateTheory : public testing::TestWithParam<TheoryCase> {};

// The quantity at the node nearest the point, in the units of its table.
double Coefficient(const TheoryCase& c, const Slab& slab, const PlateAnalysis& analysis) {
    const int node = NearestNode(analysis.mesh, c.x, c.y);
    const NodalResults& r = analysis.cases[0];
    const double d = FlexuralRigidity(slab);  // N·mm
    const bool point = !slab.pointLoads.empty() && slab.pointLoads.front().value != 0.0;
    const double load = point ? kP * 1e3 : kQ * 1e-3;  // N or N/mm²
    switch (c.quantity) {
    case Quantity::W: return r.w[node] * d / (load * (point ? kA * kA : kA * kA * kA * kA));
    case Quantity::Mx: return r.mx[node] * 1e3 / (load * kA * kA);
    case Quantity::My: return r.my[node] * 1e3 / (load * kA * kA);
    }
    return 0.0;
}

TEST_P(PlateTheory, IsWithinOnePercent) {
    const TheoryCase& c = GetParam();
    const Slab slab = WithNodeAt(c.slab(), c.x, c.y);
    MeshOptions options;
    options.elementSize = c.size;
    const PlateAnalysis analysis = AnalysePlate(slab, options);
    ASSERT_EQ(analysis.status, AnalysisStatus::Solved) << analysis.message;
    const int node = NearestNode(analysis.mesh, c.x, c.y);
    ASSERT_LT(std::hypot(analysis.mesh.nodes[node].x - c.x, analysis.mesh.nodes[node].y - c.y), 1e-6);
    EXPECT_NEAR(Coefficient(c, slab, analysis), c.expected, 0.01 * std::fabs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Plates, PlateTheory, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The clamped square's central deflection comes closer to the series value with each halving of
// the element size, by at least half each time.
TEST(PlateConvergence, ErrorFallsAsTheMeshIsRefined) {
    const Slab slab = WithNodeAt(Loaded(Rectangle(kA, kA, EdgeSupport::Fixed)), kA / 2, kA / 2);
    double previous = 0.0;
    for (double size : {250.0, 125.0, 62.5}) {
        MeshOptions options;
        options.elementSize = size;
        const PlateAnalysis analysis = AnalysePlate(slab, options);
        ASSERT_EQ(analysis.status, AnalysisStatus::Solved);
        const TheoryCase c{"", nullptr, size, kA / 2, kA / 2, Quantity::W, 0.00126532};
        const double error = std::fabs(Coefficient(c, slab, analysis) - c.expected);
        if (previous > 0.0) {
            EXPECT_LT(error, 0.5 * previous) << "at " << size << " mm";
        }
        previous = error;
    }
}

}  // namespace
