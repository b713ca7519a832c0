// Shape editing through the slab view: what each finish stores, the segment types and load values the
// vertices take, and the shapes that bound no area.
#include <gtest/gtest.h>

#include "SlabDrawingFixture.h"
#include "slab/irregular/BoardDraw.h"

namespace {

using slabtest::P;

class BoardEditingTest : public testing::Test {
protected:
    BoardEditingTest()
    {
        param.SetDefaultData();
        param.m_dDefaultLoad = 1.0;
        param.m_dLocalLoad = 3.0;
        param.m_dLineLoad = 4.0;
        param.m_dTrapLoadP1 = 5.0;
        param.m_dTrapLoadP2 = 6.0;
        view.Setup(CRect(0, 0, 200, 200), &param);
        view.SetPicture(-1);
    }

    void Target(int kind, int segmentType)
    {
        param.m_nBoardType = kind;
        param.m_nBoardLineType = segmentType;
    }

    CBoardData& Data() { return param.m_BoardData; }

    CAtypicalBoardParam param;
    CBoardDraw view;
};

TEST_F(BoardEditingTest, SegmentTypesFollowTheClicks)
{
    Target(BOARD_OUTLINE, 0);
    view.StartPolyline(P(0, 0));
    param.m_nBoardLineType = 1;
    view.AddVertex(P(4000, 0));  // completes segment 0 with the type chosen before this click
    param.m_nBoardLineType = 2;
    view.AddVertex(P(4000, 3000));
    param.m_nBoardLineType = 0;
    view.FinishPolyline();  // the closing segment takes the type current at the finish
    const CBoardPolyline& outline = Data().m_BoardPoly;
    ASSERT_EQ(outline.GetCount(), 3);
    EXPECT_EQ(outline.GetLineType(0), 1);
    EXPECT_EQ(outline.GetLineType(1), 2);
    EXPECT_EQ(outline.GetLineType(2), 0);
    EXPECT_EQ(Data().m_HasBoard, 1);
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 0);
    EXPECT_DOUBLE_EQ(outline.GetLineDis(2), 5000.0);
}

// Two straight clicks bound nothing: a hole is stored empty (for its panel to remove), an outline
// leaves the previous outline in place.
TEST_F(BoardEditingTest, TwoStraightClicksBoundNothing)
{
    Target(BOARD_OUTLINE, 1);
    view.StartPolyline(P(0, 0));
    view.AddVertex(P(1000, 0));
    view.AddVertex(P(1000, 1000));
    view.FinishPolyline();
    view.StartPolyline(P(5000, 5000));
    view.AddVertex(P(6000, 5000));
    view.FinishPolyline();
    EXPECT_EQ(Data().m_BoardPoly.GetCount(), 3);

    Target(BOARD_HOLE, SEGMENT_HOLE_EDGE);
    view.StartPolyline(P(100, 100));
    view.AddVertex(P(300, 100));
    view.FinishPolyline();
    ASSERT_EQ(Data().m_HoleArray.GetSize(), 1);
    EXPECT_EQ(Data().m_HoleArray[0].GetCount(), 0);

    // The same for a line load ended after its first point.
    Target(BOARD_LINE_LOAD, LOAD_DEAD);
    view.StartPolyline(P(100, 100));
    view.FinishPolyline();
    ASSERT_EQ(Data().m_LineLoadArray.GetSize(), 1);
    EXPECT_EQ(Data().m_LineLoadArray[0].GetCount(), 0);
}

// Two vertices bound an area when their bulges do not cancel: an arc and its chord is a hole.
TEST_F(BoardEditingTest, TwoVertexHolesByTheirBulges)
{
    const struct {
        double first, closing;
        int stored;
    } rows[] = {{0.5, 0.0, 2}, {0.5, -0.5, 0}, {0.5, 0.25, 2}};
    Target(BOARD_HOLE, SEGMENT_HOLE_EDGE);
    for (const auto& row : rows) {
        view.StartPolyline(P(100, 100));
        Data().m_WorkPoly.AddPoint(P(300, 100), LOAD_DEAD, SEGMENT_HOLE_EDGE, BOARD_HOLE, 1.0, row.closing);
        Data().m_WorkPoly.SetBulge(0, row.first);
        view.FinishPolyline();
        EXPECT_EQ(Data().m_HoleArray[Data().m_HoleArray.GetSize() - 1].GetCount(), row.stored) << row.closing;
    }
}

// An arc click through a point: from (0, 0) over (500, 500) to (1000, 0) is a clockwise half circle.
TEST_F(BoardEditingTest, ArcPointGivesTheBulgeThroughThePoint)
{
    Target(BOARD_HOLE, SEGMENT_HOLE_EDGE);
    view.StartPolyline(P(0, 0));
    view.AddArcPoint(P(1000, 0), P(500, 500));
    ASSERT_EQ(Data().m_WorkPoly.GetCount(), 2);
    EXPECT_NEAR(Data().m_WorkPoly.GetBulge(0), -1.0, 1e-12);
    EXPECT_EQ(Data().m_WorkPoly.GetBulge(1), 0.0);
    view.FinishPolyline();
    EXPECT_EQ(Data().m_HoleArray[0].GetCount(), 2);
}

TEST_F(BoardEditingTest, RectangleAndCircleBecomeOutlineOrHole)
{
    Target(BOARD_OUTLINE, 1);
    view.StartPolyline(P(0, 0));
    view.FinishRectangle(P(1000, 500));
    const CBoardPolyline& outline = Data().m_BoardPoly;
    ASSERT_EQ(outline.GetCount(), 4);
    EXPECT_EQ(outline.GetPoint(1), P(0, 500));
    EXPECT_EQ(outline.GetPoint(2), P(1000, 500));
    EXPECT_EQ(outline.GetPoint(3), P(1000, 0));
    EXPECT_DOUBLE_EQ(outline.GetLineDis(3), 1000.0);
    EXPECT_EQ(Data().m_HasBoard, 1);

    // While a load is the target, a circle or a rectangle is a hole.
    Target(BOARD_PART_LOAD, LOAD_DEAD);
    view.StartPolyline(P(200, 200));
    view.FinishCircle(P(400, 200));
    view.StartPolyline(P(600, 100));
    view.FinishRectangle(P(800, 300));
    ASSERT_EQ(Data().m_HoleArray.GetSize(), 2);
    const CBoardPolyline& circle = Data().m_HoleArray[0];
    ASSERT_EQ(circle.GetCount(), 2);
    EXPECT_EQ(circle.GetBulge(0), 1.0);
    EXPECT_EQ(circle.GetBulge(1), 1.0);
    EXPECT_EQ(Data().m_HoleArray[1].GetCount(), 4);
    EXPECT_EQ(Data().m_PartLoadArray.GetSize(), 0);
    EXPECT_EQ(Data().m_WorkPoly.GetCount(), 0);
}

// Load values by vertex: a local load carries the local value at every vertex, a trapezoid load P1
// then P2, a line load its value at both ends, a concentrated load the value given.
TEST_F(BoardEditingTest, LoadValuesOfDrawnLoads)
{
    Target(BOARD_PART_LOAD, LOAD_LIVE);
    param.m_nLoadType = LOAD_LIVE;
    view.StartPolyline(P(0, 0));
    view.AddVertex(P(1000, 0));
    view.AddArcPoint(P(1000, 1000), P(1300, 500));
    view.AddVertex(P(0, 1000));
    view.FinishPolyline();
    const CBoardPolyline& local = Data().m_PartLoadArray[0];
    ASSERT_EQ(local.GetCount(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(local.GetLoadVal(i), 3.0) << i;
    EXPECT_EQ(local.GetLoadType(), LOAD_LIVE);

    Target(BOARD_TRAP_LOAD, LOAD_LIVE);
    view.StartPolyline(P(0, 500));
    view.FinishTwoPointLoad(P(1000, 500));
    Target(BOARD_LINE_LOAD, LOAD_LIVE);
    view.StartPolyline(P(0, 700));
    view.FinishTwoPointLoad(P(1000, 700));
    ASSERT_EQ(Data().m_TrapLoadArray.GetSize(), 1);
    ASSERT_EQ(Data().m_LineLoadArray.GetSize(), 1);
    EXPECT_EQ(Data().m_TrapLoadArray[0].GetLoadVal(0), 5.0);
    EXPECT_EQ(Data().m_TrapLoadArray[0].GetLoadVal(1), 6.0);
    EXPECT_EQ(Data().m_LineLoadArray[0].GetLoadVal(0), 4.0);
    EXPECT_EQ(Data().m_LineLoadArray[0].GetLoadVal(1), 4.0);

    view.AddMassLoad(P(300, 300), 12.5);
    ASSERT_EQ(Data().m_MassLoadArray.GetSize(), 1);
    EXPECT_EQ(Data().m_MassLoadArray[0].GetLoadVal(), 12.5);
    EXPECT_EQ(Data().m_MassLoadArray[0].GetLoadType(), LOAD_LIVE);
}

}  // namespace
