// The slab geometry checks and the messages of the input test, on small slabs drawn by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "slab/irregular/BoardValidation.h"

namespace {

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

struct Vertex {
    double x, y, bulge;
};

CBoardPolyline Poly(std::vector<Vertex> vertices, int kind = BOARD_OUTLINE)
{
    CBoardPolyline poly;
    for (const Vertex& v : vertices)
        poly.AddPoint(P(v.x, v.y), LOAD_DEAD, kind == BOARD_HOLE ? SEGMENT_HOLE_EDGE : 0, kind, 1.0, v.bulge);
    poly.Close(1);
    return poly;
}

CBoardPolyline Rect(double x0, double y0, double x1, double y1, int kind = BOARD_OUTLINE)
{
    return Poly({{x0, y0, 0}, {x1, y0, 0}, {x1, y1, 0}, {x0, y1, 0}}, kind);
}

// A 6000 x 4000 slab.
CBoardData Slab()
{
    CBoardData data;
    data.m_BoardPoly = Rect(0, 0, 6000, 4000);
    data.m_HasBoard = 1;
    return data;
}

TEST(BoardChecks, CoincidentPoints) {
    CBoardData data = Slab();
    EXPECT_EQ(data.HasCoincidentPoints(), 0);
    data.m_BoardPoly = Poly({{0, 0, 0}, {6000, 0, 0}, {6000, 4000, 0}, {0.05, 0, 0}});
    EXPECT_EQ(data.HasCoincidentPoints(), 1);
    data = Slab();
    data.m_PartLoadArray.Add(Poly({{100, 100, 0}, {200, 100, 0}, {200.1, 100.1, 0}, {100, 200, 0}}, BOARD_PART_LOAD));
    EXPECT_EQ(data.HasCoincidentPoints(), 1);
    data = Slab();
    data.m_LineLoadArray.Add(Poly({{100, 100, 0}, {100, 100, 0}}, BOARD_LINE_LOAD));
    EXPECT_EQ(data.HasCoincidentPoints(), 0);
    EXPECT_EQ(PolylineHasCoincidentPoints(Poly({{5, 5, 0}})), 1);
    EXPECT_EQ(PolylineHasCoincidentPoints(CBoardPolyline()), 0);
}

TEST(BoardChecks, SelfIntersection) {
    CBoardData data = Slab();
    EXPECT_EQ(data.HasSelfIntersection(), 0);
    data.m_BoardPoly = Poly({{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 10, 0}});
    EXPECT_EQ(data.HasSelfIntersection(), 1);
    // An arc that curls back across its straight neighbour: from (10, 0) to (10, 10) the long way
    // round the centre (10 / 3, 5) with radius 25 / 3 it meets the bottom edge again at (-10 / 3, 0).
    EXPECT_EQ(PolylineSelfIntersects(Poly({{-5, 0, 0}, {10, 0, -3}, {10, 10, 0}})), 1);
    EXPECT_EQ(PolylineSelfIntersects(Poly({{-5, 0, 0}, {10, 0, 0.3}, {10, 10, 0}})), 0);
}

TEST(BoardChecks, HolesInsideAndApart) {
    CBoardData data = Slab();
    EXPECT_EQ(data.HolesInsideOutline(), 1);
    data.m_HoleArray.Add(Rect(1000, 1000, 2000, 2000, BOARD_HOLE));
    EXPECT_EQ(data.HolesInsideOutline(), 1);
    data.m_HoleArray.Add(Rect(0, 3000, 500, 4000, BOARD_HOLE));  // a corner on the outline's corner
    EXPECT_EQ(data.HolesInsideOutline(), 1);
    data.m_HoleArray.Add(Rect(7000, 1000, 8000, 2000, BOARD_HOLE));
    EXPECT_EQ(data.HolesInsideOutline(), 0);
}

TEST(BoardChecks, InnerAngles) {
    CBoardData data = Slab();
    EXPECT_EQ(data.CheckInnerAngles(), 1);
    // A re-entrant corner of 300 degrees passes, one of 340 fails: a notch cut into the top edge.
    const auto notched = [](double degrees) {
        const double half = (360 - degrees) / 2 * M_PI / 180;
        const double depth = 1000;
        const double w = depth * std::tan(half);
        return Poly({{0, 0, 0}, {6000, 0, 0}, {6000, 4000, 0}, {3000 + w, 4000, 0}, {3000, 4000 - depth, 0},
                     {3000 - w, 4000, 0}, {0, 4000, 0}});
    };
    data.m_BoardPoly = notched(300);
    EXPECT_EQ(data.CheckInnerAngles(), 1);
    data.m_BoardPoly = notched(340);
    EXPECT_EQ(data.CheckInnerAngles(), 0);
    data = Slab();
    data.m_PartLoadArray.Add(Poly({{0, 0, 0}, {1000, 0, 0}, {1000 * std::cos(0.3), 1000 * std::sin(0.3), 0}}));
    EXPECT_EQ(data.CheckInnerAngles(), 0);
}

TEST(BoardChecks, LoadPlaces) {
    CBoardData data = Slab();
    data.m_HoleArray.Add(Rect(1000, 1000, 2000, 2000, BOARD_HOLE));
    data.m_MassLoadArray.Add(CMassLoad(P(6000, 2000), LOAD_DEAD, 10));  // on the outline
    EXPECT_EQ(data.LoadsInsideOutline(), 1);
    EXPECT_EQ(data.LoadsInHoles(), 0);
    data.m_MassLoadArray.Add(CMassLoad(P(2000, 1500), LOAD_LIVE, 10));  // on the hole's edge
    EXPECT_EQ(data.LoadsInHoles(), 1);
    data.m_MassLoadArray.Add(CMassLoad(P(6500, 1500), LOAD_LIVE, 10));
    EXPECT_EQ(data.LoadsInsideOutline(), 0);

    data = Slab();
    data.m_HoleArray.Add(Rect(1000, 1000, 2000, 2000, BOARD_HOLE));
    data.m_PartLoadArray.Add(Rect(2000, 1200, 2500, 1800, BOARD_PART_LOAD));  // shares the hole's edge
    EXPECT_EQ(data.LoadsInHoles(), 1);
    data.m_PartLoadArray.RemoveAll();
    data.m_LineLoadArray.Add(Poly({{3000, 500, 0}, {3000, 3500, 0}}, BOARD_LINE_LOAD));
    EXPECT_EQ(data.LoadsInHoles(), 0);
    EXPECT_EQ(data.LoadsInsideOutline(), 1);
    data.m_TrapLoadArray.Add(Poly({{5000, 500, 0}, {7000, 500, 0}}, BOARD_TRAP_LOAD));
    EXPECT_EQ(data.LoadsInsideOutline(), 0);
}

TEST(BoardChecks, HoleDistance) {
    CBoardData data = Slab();
    const CBoardSetting setting;  // mesh control length 500
    EXPECT_EQ(data.CheckHoleDistance(setting), 1);
    data.m_HoleArray.Add(Rect(500, 1000, 1000, 2000, BOARD_HOLE));  // exactly 500 from the left edge
    EXPECT_EQ(data.CheckHoleDistance(setting), 1);
    data.m_HoleArray.Add(Rect(3000, 3001 - 500, 3500, 3501, BOARD_HOLE));  // 499 from the top
    EXPECT_EQ(data.CheckHoleDistance(setting), 0);
    // The bottom edge bulges down to y = -300 (radius 15150 about (3000, 14850)): a hole 250 above the
    // chord is 550 from the arc.
    data.m_BoardPoly = Poly({{0, 0, 300.0 / 3000}, {6000, 0, 0}, {6000, 4000, 0}, {0, 4000, 0}});
    data.m_HoleArray.RemoveAll();
    data.m_HoleArray.Add(Rect(2800, 250, 3200, 650, BOARD_HOLE));
    EXPECT_EQ(data.CheckHoleDistance(setting), 1);
}

struct InputRow {
    const char* name;
    void (*spoil)(CBoardData&);
    BOOL boundaryPage;
    const char* error;
    const char* warning;
};

const InputRow kInputs[] = {
    {"Sound", [](CBoardData&) {}, TRUE, nullptr, nullptr},
    {"NoOutline", [](CBoardData& d) { d.Reset(); }, TRUE, "请输入板边信息", nullptr},
    // On a load page the missing outline is not asked for; its empty shape fails the angle test.
    {"NoOutlineOnALoadPage", [](CBoardData& d) { d.Reset(); }, FALSE, "多边形内角应在26.4~(360-26.4)度之间", nullptr},
    {"Coincident", [](CBoardData& d) { d.m_BoardPoly.MovePoint(1, P(0.05, 0)); }, TRUE, "多边形不可以有重合点",
     nullptr},
    {"BowTie", [](CBoardData& d) { d.m_BoardPoly = Poly({{0, 0, 0}, {6000, 4000, 0}, {6000, 0, 0}, {0, 4000, 0}}); },
     TRUE, "多边形不可以自交", nullptr},
    {"HoleOutside", [](CBoardData& d) { d.m_HoleArray.Add(Rect(7000, 1000, 8000, 2000, BOARD_HOLE)); }, TRUE,
     "洞口必须在板边内", nullptr},
    {"HoleOutsideOnALoadPage", [](CBoardData& d) { d.m_HoleArray.Add(Rect(7000, 1000, 8000, 2000, BOARD_HOLE)); },
     FALSE, nullptr, nullptr},
    {"HolesOverlap",
     [](CBoardData& d) {
         d.m_HoleArray.Add(Rect(1000, 1000, 2000, 2000, BOARD_HOLE));
         d.m_HoleArray.Add(Rect(1500, 1500, 2500, 2500, BOARD_HOLE));
     },
     TRUE, "洞口之间不可以有重合部分", nullptr},
    {"LoadOutside", [](CBoardData& d) { d.m_MassLoadArray.Add(CMassLoad(P(7000, 100), LOAD_DEAD, 1)); }, FALSE,
     nullptr, "荷载应在板边的范围内"},
    {"LoadInHole",
     [](CBoardData& d) {
         d.m_HoleArray.Add(Rect(1000, 1000, 2000, 2000, BOARD_HOLE));
         d.m_MassLoadArray.Add(CMassLoad(P(1500, 1500), LOAD_DEAD, 1));
     },
     TRUE, "荷载应在洞口的范围外", nullptr},
    {"HoleNearTheEdge", [](CBoardData& d) { d.m_HoleArray.Add(Rect(100, 1000, 1000, 2000, BOARD_HOLE)); }, TRUE,
     nullptr, "提示:洞口与板边的最小距离小于网格长度\n计算误差变大"},
};

void PrintTo(const InputRow& row, std::ostream* os) { *os << row.name; }
class InputTest : public testing::TestWithParam<InputRow> {};
TEST_P(InputTest, FirstFailureAndItsList) {
    const InputRow& row = GetParam();
    CBoardData data = Slab();
    row.spoil(data);
    CStringArray warnings, errors;
    const BOOL ok = CheckBoardInput(data, row.boundaryPage, CBoardSetting(), warnings, errors);
    EXPECT_EQ(ok, row.error == nullptr && row.warning == nullptr ? TRUE : FALSE);
    ASSERT_EQ(errors.GetSize(), row.error ? 1 : 0);
    ASSERT_EQ(warnings.GetSize(), row.warning ? 1 : 0);
    if (row.error) {
        EXPECT_EQ(errors[0], CString(row.error));
    }
    if (row.warning) {
        EXPECT_EQ(warnings[0], CString(row.warning));
    }
}
INSTANTIATE_TEST_SUITE_P(Table, InputTest, testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
