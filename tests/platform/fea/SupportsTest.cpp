// Slabs that the supports cannot hold are refused as mechanisms; the least supports that hold
// one are accepted. Input that cannot be analysed is refused with a reason.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "SlabFixtures.h"
#include "fea/PlateAnalysis.h"

namespace {

using namespace fea_test;

// A 2 m square with a vertex in the middle of its lower edge; every edge free.
Slab Free() {
    const EdgeSupport f = EdgeSupport::Free;
    Slab slab;
    slab.outline = {Vertex(0, 0, f), Vertex(1000, 0, f), Vertex(2000, 0, f), Vertex(2000, 2000, f), Vertex(0, 2000, f)};
    slab.uniformLoad[0] = 3.0;
    return slab;
}

struct SupportRow {
    const char* name;
    std::function<void(Slab&)> support;
    AnalysisStatus expected;
    double size = 400.0;  // element size, mm
};

const SupportRow kSupports[] = {
    {"EveryEdgeFree", [](Slab&) {}, AnalysisStatus::Mechanism},
    {"OneColumn", [](Slab& s) { s.outline[0].column = true; }, AnalysisStatus::Mechanism},
    {"TwoColumns", [](Slab& s) { s.outline[0].column = s.outline[3].column = true; }, AnalysisStatus::Mechanism},
    {"ThreeColumnsInALine", [](Slab& s) { s.outline[0].column = s.outline[1].column = s.outline[2].column = true; },
     AnalysisStatus::Mechanism},
    {"OneSimplySupportedEdge", [](Slab& s) { s.outline[3].support = EdgeSupport::SimplySupported; }, AnalysisStatus::Mechanism},
    {"ThreeColumns", [](Slab& s) { s.outline[0].column = s.outline[2].column = s.outline[3].column = true; },
     AnalysisStatus::Solved},
    {"OneFixedEdge", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; }, AnalysisStatus::Solved},
    {"SimplySupportedEdgeAndAColumn", [](Slab& s) { s.outline[3].support = EdgeSupport::SimplySupported; s.outline[1].column = true; },
     AnalysisStatus::Solved},
    // A hole that cuts the slab in two leaves the right part on two columns.
    {"PartCutOffByAHole", [](Slab& s) {
         s.outline[4].support = EdgeSupport::SimplySupported;
         s.outline[2].column = s.outline[3].column = true;
         s.holes.push_back({{1200, -10, 0}, {1400, -10, 0}, {1400, 2010, 0}, {1200, 2010, 0}});
     }, AnalysisStatus::Mechanism},
    {"TooFewVertices", [](Slab& s) { s.outline.resize(2); }, AnalysisStatus::BadInput},
    {"PointLoadOffTheSlab", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; s.pointLoads.push_back({{3000, 500}, 1.0, LoadCase::Dead}); },
     AnalysisStatus::BadInput},
    {"AreaLoadWithoutValues", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; s.areaLoads.push_back({{{100, 100, 0}, {500, 100, 0}, {100, 500, 0}}, {}, LoadCase::Dead}); },
     AnalysisStatus::BadInput},
    {"LineLoadLeavingTheSlab", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; s.lineLoads.push_back({{1000, 1000}, {2500, 1000}, 2.0, 2.0, LoadCase::Live}); },
     AnalysisStatus::BadInput},
    {"LineLoadOverAHole", [](Slab& s) {
         s.outline[3].support = EdgeSupport::Fixed;
         s.holes.push_back({{800, 800, 0}, {1200, 800, 0}, {1200, 1200, 0}, {800, 1200, 0}});
         s.lineLoads.push_back({{500, 1000}, {1500, 1000}, 2.0, 2.0, LoadCase::Live});
     }, AnalysisStatus::BadInput},
    {"AreaLoadOverAHole", [](Slab& s) {
         s.outline[3].support = EdgeSupport::Fixed;
         s.holes.push_back({{800, 800, 0}, {1200, 800, 0}, {1200, 1200, 0}, {800, 1200, 0}});
         s.areaLoads.push_back({{{500, 500, 0}, {1500, 500, 0}, {1500, 1500, 0}, {500, 1500, 0}}, {1, 1, 1, 1}, LoadCase::Dead});
     }, AnalysisStatus::BadInput},
    {"CoordinateNotANumber", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; s.outline[1].y = std::nan(""); },
     AnalysisStatus::BadInput},
    // 1 mm elements on 4 m²: about 10⁷ nodes.
    {"ElementsTooSmall", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; }, AnalysisStatus::TooLarge, 1.0},
    {"ZeroThickness", [](Slab& s) { s.outline[3].support = EdgeSupport::Fixed; s.thickness = 0.0; }, AnalysisStatus::BadInput},
};

void PrintTo(const SupportRow& row, std::ostream* os) { *os << row.name; }

class Supports : public testing::TestWithParam<SupportRow> {};

TEST_P(Supports, AreJudged) {
    Slab slab = Free();
    GetParam().support(slab);
    MeshOptions options;
    options.elementSize = GetParam().size;
    const PlateAnalysis analysis = AnalysePlate(slab, options);
    EXPECT_EQ(analysis.status, GetParam().expected) << analysis.message;
    EXPECT_EQ(analysis.message.empty(), GetParam().expected == AnalysisStatus::Solved) << analysis.message;
}

INSTANTIATE_TEST_SUITE_P(Slabs, Supports, testing::ValuesIn(kSupports),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
