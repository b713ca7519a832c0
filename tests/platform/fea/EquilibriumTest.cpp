// The reactions of a solved slab add up to its load, for every kind of load and in the load case
// the load belongs to. The slab has a hole, a simply supported, a fixed and two free edges and a
// column at the free corner, so that every kind of support takes a share.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>

#include "SlabFixtures.h"
#include "fea/PlateAnalysis.h"

namespace {

using namespace fea_test;

// 4 m × 3 m less a 1 m × 0.5 m hole: 11.5 m².
Slab Supported() {
    Slab slab;
    slab.outline = {Vertex(0, 0, EdgeSupport::SimplySupported), Vertex(4000, 0, EdgeSupport::Fixed),
                    Vertex(4000, 3000, EdgeSupport::Free), Vertex(0, 3000, EdgeSupport::Free)};
    slab.outline[3].column = true;
    slab.holes.push_back({{2500, 1000}, {3500, 1000}, {3500, 1500}, {2500, 1500}});
    return slab;
}

struct LoadCaseRow {
    const char* name;
    std::function<void(Slab&)> load;
    LoadCase loadCase;
    double total;  // kN, by hand
};

PolygonVertex At(double x, double y) { return {x, y, 0.0}; }

const LoadCaseRow kLoads[] = {
    {"UniformDead", [](Slab& s) { s.uniformLoad[0] = 5.0; }, LoadCase::Dead, 5.0 * 11.5},
    {"UniformLive", [](Slab& s) { s.uniformLoad[1] = 2.0; }, LoadCase::Live, 2.0 * 11.5},
    // A triangle with values 3, 6, 9 kN/m²: 0.6 m² × their mean 6.
    {"AreaLoadLinear", [](Slab& s) { s.areaLoads.push_back({{At(500, 500), At(1700, 500), At(500, 1500)}, {3, 6, 9}, LoadCase::Dead}); },
     LoadCase::Dead, 0.6 * 6.0},
    // A 1 m × 1 m square with values of the plane 2 + x/1000 (kN/m², x in mm from 500): mean 2.5.
    {"AreaLoadPlane", [](Slab& s) { s.areaLoads.push_back({{At(500, 500), At(1500, 500), At(1500, 1500), At(500, 1500)}, {2, 3, 3, 2}, LoadCase::Live}); },
     LoadCase::Live, 2.5},
    // 2 m at 4 kN/m.
    {"LineLoad", [](Slab& s) { s.lineLoads.push_back({{1000, 2000}, {3000, 2000}, 4.0, 4.0, LoadCase::Dead}); }, LoadCase::Dead, 8.0},
    // A trapezoid load from 2 to 6 kN/m over a slanted 2.5 m.
    {"TrapezoidLoad", [](Slab& s) { s.lineLoads.push_back({{500, 500}, {2000, 2500}, 2.0, 6.0, LoadCase::Live}); }, LoadCase::Live, 2.5 * 4.0},
    {"PointLoad", [](Slab& s) { s.pointLoads.push_back({{1800, 2200}, 12.0, LoadCase::Dead}); }, LoadCase::Dead, 12.0},
    {"PointLoadOnTheFreeEdge", [](Slab& s) { s.pointLoads.push_back({{2000, 3000}, 7.0, LoadCase::Live}); }, LoadCase::Live, 7.0},
};

void PrintTo(const LoadCaseRow& row, std::ostream* os) { *os << row.name; }

class Equilibrium : public testing::TestWithParam<LoadCaseRow> {};

TEST_P(Equilibrium, ReactionsAddUpToTheLoad) {
    Slab slab = Supported();
    GetParam().load(slab);
    MeshOptions options;
    options.elementSize = 400.0;
    const PlateAnalysis analysis = AnalysePlate(slab, options);
    ASSERT_EQ(analysis.status, AnalysisStatus::Solved) << analysis.message;
    const int loaded = static_cast<int>(GetParam().loadCase), other = 1 - loaded;
    const auto& reactions = analysis.reactions[loaded];
    EXPECT_NEAR(std::accumulate(reactions.begin(), reactions.end(), 0.0), GetParam().total, 1e-6 * GetParam().total);
    const auto& none = analysis.reactions[other];
    EXPECT_NEAR(std::accumulate(none.begin(), none.end(), 0.0), 0.0, 1e-9);
    // The column carries a share.
    EXPECT_GT(reactions[analysis.mesh.outlineVertexNodes[3]], 0.0);
}

INSTANTIATE_TEST_SUITE_P(Loads, Equilibrium, testing::ValuesIn(kLoads),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
