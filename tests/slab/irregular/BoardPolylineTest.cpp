// The slab polyline's vertex operations and lengths, against lengths worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "slab/irregular/BoardData.h"
#include "slab/irregular/PlaneGeometry.h"

namespace {

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

// An outline drawn as the editor draws it: vertices one by one, then closed.
CBoardPolyline Outline(std::initializer_list<AcGePoint3d> points, std::initializer_list<double> bulges = {})
{
    CBoardPolyline poly;
    auto bulge = bulges.begin();
    for (const AcGePoint3d& p : points) {
        poly.AddPoint(p, 0, 0, BOARD_OUTLINE, 0.0, bulge != bulges.end() ? *bulge++ : 0.0);
    }
    poly.Close(1);
    return poly;
}

TEST(BoardPolyline, IndexesWrapAndEmptyGivesOrigin) {
    const CBoardPolyline empty;
    EXPECT_EQ(empty.GetPoint(0), P(0, 0));
    EXPECT_EQ(empty.GetPoint(-1), P(0, 0));
    EXPECT_EQ(empty.GetFirstPoint(), P(0, 0));
    EXPECT_EQ(empty.GetLastPoint(), P(0, 0));
    EXPECT_EQ(empty.GetBulge(-1), 0.0);
    EXPECT_EQ(empty.GetChordLength(-1), 0.0);
    AcGePoint3d untouched(7, 7, 0);
    EXPECT_EQ(empty.GetPointAtDistance(0.0, untouched), 0);

    const CBoardPolyline square = Outline({P(0, 0), P(10, 0), P(10, 10), P(0, 10)});
    EXPECT_EQ(square.GetPoint(4), P(0, 0));
    EXPECT_EQ(square.GetPoint(-1), P(0, 10));
    EXPECT_EQ(square.GetPoint(5), P(0, 0));
    EXPECT_EQ(square.GetPoint(-2), P(0, 0));
    EXPECT_EQ(square.GetLineDis(4), 10.0);
    EXPECT_EQ(square.GetLineDis(9), 0.0);
    EXPECT_EQ(square.GetLineType(7), 0);
    EXPECT_EQ(square.GetHasColu(4), 0);
    EXPECT_EQ(square.GetLoadVal(4), 0.0);
    EXPECT_EQ(square.GetChordLength(9), 0.0);
}

TEST(BoardPolyline, AddPointKeepsOneEntryPerVertexAndTheLengthsOfFinishedSegments) {
    CBoardPolyline hole;
    hole.AddPoint(P(0, 0), 5, SEGMENT_HOLE_EDGE, BOARD_HOLE, 0.0, 0.0);
    EXPECT_EQ(hole.m_DisArray.GetSize(), 1);
    EXPECT_EQ(hole.m_DisArray[0], 0.0);
    EXPECT_EQ(hole.GetBoardType(), BOARD_HOLE);
    EXPECT_EQ(hole.GetLoadType(), -1);
    // A drawn hole is a free opening until the engineer gives it a support.
    EXPECT_EQ(hole.m_nHoleSupport, EDGE_FREE);
    hole.AddPoint(P(3, 4), 5, SEGMENT_HOLE_EDGE, BOARD_HOLE, 0.0, 0.0);
    EXPECT_EQ(hole.m_DisArray[0], 5.0);
    EXPECT_EQ(hole.m_LineDisArray[0], 5.0);
    EXPECT_EQ(hole.m_DisArray[1], 0.0);
    for (int size : {hole.m_BulgeArray.GetSize(), hole.m_LineTypeArray.GetSize(), hole.m_HasColuArray.GetSize(),
                     hole.m_LineDisArray.GetSize(), hole.m_LoadValArray.GetSize()})
        EXPECT_EQ(size, 2);

    CBoardPolyline load;
    load.AddPoint(P(0, 0), LOAD_LIVE, LOAD_LIVE, BOARD_PART_LOAD, 2.5, 0.0);
    EXPECT_EQ(load.GetLoadType(), LOAD_LIVE);
    EXPECT_EQ(load.GetLoadVal(0), 2.5);
    load.AddPoint(P(0, 1), LOAD_LIVE, LOAD_LIVE, BOARD_PART_LOAD, 2.5, 0.0);
    load.SetLoadType(LOAD_DEAD);
    EXPECT_EQ(load.GetLineType(0), LOAD_DEAD);
    EXPECT_EQ(load.GetLineType(-1), LOAD_DEAD);
}

TEST(BoardPolyline, ArcLengthsAreSignedByTheBulge) {
    // Half circles of radius 1 over the chord (0, 0)-(2, 0), closed by a straight segment.
    CBoardPolyline poly;
    poly.AddPoint(P(0, 0), 0, 0, BOARD_OUTLINE, 0.0, -1.0);
    poly.AddPoint(P(2, 0), 0, 0, BOARD_OUTLINE, 0.0, 0.0);
    EXPECT_NEAR(poly.m_DisArray[0], -M_PI, 1e-12);
    EXPECT_NEAR(poly.m_LineDisArray[0], 2.0, 1e-12);
    EXPECT_NEAR(poly.GetSegLength(0), -M_PI, 1e-12);
    poly.SetBulge(0, 1.0);
    EXPECT_NEAR(poly.m_DisArray[0], M_PI, 1e-12);
    poly.SetBulge(-1, 0.5);
    EXPECT_NEAR(poly.m_DisArray[1], 4 * std::atan(0.5) * 1.25, 1e-12);
    EXPECT_EQ(poly.GetArcLength(5), 0.0);
}

TEST(BoardPolyline, PointAtDistanceWalksForwardOverSignedArcs) {
    // Upper half circle (bulge -1) from (0, 0) to (2, 0), then the straight closing segment.
    CBoardPolyline poly;
    poly.AddPoint(P(0, 0), 0, 0, BOARD_OUTLINE, 0.0, -1.0);
    poly.AddPoint(P(2, 0), 0, 0, BOARD_OUTLINE, 0.0, 0.0);
    AcGePoint3d p;
    ASSERT_EQ(poly.GetPointAtDistance(M_PI / 2, p), 1);
    EXPECT_NEAR(p.x, 1.0, 1e-12);
    EXPECT_NEAR(p.y, 1.0, 1e-12);
    // The open polyline ends at pi: no point there or on the undrawn closing segment.
    EXPECT_EQ(poly.GetPointAtDistance(M_PI, p), 0);
    EXPECT_EQ(poly.GetPointAtDistance(M_PI + 0.5, p), 0);
    poly.Close(1);
    ASSERT_EQ(poly.GetPointAtDistance(M_PI + 0.5, p), 1);
    EXPECT_NEAR(p.x, 1.5, 1e-12);
    EXPECT_NEAR(p.y, 0.0, 1e-12);
    EXPECT_EQ(poly.GetPointAtDistance(M_PI + 2.0, p), 0);
}

TEST(BoardPolyline, InsertThenMoveRecomputesBothSegments) {
    CBoardPolyline square = Outline({P(0, 0), P(10, 0), P(10, 10), P(0, 10)});
    square.SetLineType(1, 2);
    ASSERT_EQ(square.InsertPoint(1), 1);
    EXPECT_EQ(square.GetCount(), 5);
    EXPECT_EQ(square.GetLineType(1), 2);
    EXPECT_EQ(square.GetLineType(2), 2);
    square.MovePoint(2, P(10, 4));
    EXPECT_DOUBLE_EQ(square.m_DisArray[1], 4.0);
    EXPECT_DOUBLE_EQ(square.m_DisArray[2], 6.0);

    // Vertex 0's copy goes to the end, with the new closing segment measured.
    CBoardPolyline other = Outline({P(0, 0), P(10, 0), P(10, 10), P(0, 10)});
    other.InsertPoint(0);
    EXPECT_EQ(other.GetCount(), 5);
    EXPECT_EQ(other.GetLastPoint(), P(0, 0));
    EXPECT_DOUBLE_EQ(other.m_DisArray[4], 0.0);
    other.MovePoint(4, P(0, 5));
    EXPECT_DOUBLE_EQ(other.m_DisArray[3], 5.0);
    EXPECT_DOUBLE_EQ(other.m_DisArray[4], 5.0);
    EXPECT_EQ(other.InsertPoint(5), 0);
}

TEST(BoardPolyline, RemovePointKeepsTheFollowingSegmentsValues) {
    CBoardPolyline poly = Outline({P(0, 0), P(10, 0), P(10, 10), P(0, 10)}, {0.0, 0.5, 0.0, 0.0});
    poly.SetLineType(1, 1);
    poly.SetHasColu(2, 1);
    ASSERT_EQ(poly.RemovePoint(1), 1);
    EXPECT_EQ(poly.GetCount(), 3);
    EXPECT_EQ(poly.GetBulge(0), 0.5);
    EXPECT_EQ(poly.GetLineType(0), 1);
    EXPECT_EQ(poly.GetHasColu(1), 1);
    // Vertex 0: every array loses one entry, so each keeps one entry per vertex.
    ASSERT_EQ(poly.RemovePoint(0), 1);
    EXPECT_EQ(poly.GetCount(), 2);
    for (int size : {poly.m_BulgeArray.GetSize(), poly.m_LineTypeArray.GetSize(), poly.m_HasColuArray.GetSize(),
                     poly.m_DisArray.GetSize(), poly.m_LineDisArray.GetSize()})
        EXPECT_EQ(size, 2);
    EXPECT_EQ(poly.RemovePoint(2), 0);
}

TEST(BoardData, ResetEmptiesTheModelAndKeepsOtherScalars) {
    CBoardData data;
    data.m_BoardPoly = Outline({P(0, 0), P(10, 0), P(10, 10)});
    data.m_BoardPoly.SetLoadWidth(350.0);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Outline({P(1, 1), P(2, 1), P(2, 2)}));
    data.m_MassLoadArray.Add(CMassLoad(P(5, 5), LOAD_DEAD, 10.0));
    data.m_ResultLines.Add(CBoardResultLine());
    data.m_ResultTexts.Add(CBoardResultText("x", 1.0, 0, P(0, 0), P(1, 1), 3, 4, 5));
    const CBoardData copy(data);
    ASSERT_EQ(data.Reset(), 1);
    EXPECT_EQ(data.m_HasBoard, 0);
    EXPECT_EQ(data.m_BoardPoly.GetCount(), 0);
    EXPECT_EQ(data.m_BoardPoly.GetBoardType(), -1);
    EXPECT_EQ(data.m_BoardPoly.GetLoadType(), -1);
    EXPECT_EQ(data.m_BoardPoly.m_nHoleSupport, -1);
    EXPECT_EQ(data.m_BoardPoly.GetLoadWidth(), 350.0);
    EXPECT_EQ(data.m_BoardPoly.m_IsClosed, 1);
    EXPECT_EQ(data.m_HoleArray.GetSize() + data.m_MassLoadArray.GetSize() + data.m_ResultLines.GetSize() +
                  data.m_ResultTexts.GetSize(), 0);
    // The copy made before is whole and independent.
    EXPECT_EQ(copy.m_HasBoard, 1);
    EXPECT_EQ(copy.m_BoardPoly.GetCount(), 3);
    EXPECT_EQ(copy.m_HoleArray[0].GetPoint(2), P(2, 2));
    EXPECT_EQ(copy.m_MassLoadArray[0].m_LoadVal, 10.0);
    EXPECT_EQ(copy.m_ResultTexts[0].GetTextMode(), 3);
    EXPECT_EQ(copy.m_ResultTexts[0].GetFirstOption(), 4);
    EXPECT_EQ(copy.m_ResultTexts[0].GetPicture(), 5);
}

}  // namespace
