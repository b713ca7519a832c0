// Slabs for the irregular slab's tests, and comparisons of the model field by field.
#pragma once

#include <gtest/gtest.h>

#include "slab/irregular/BoardData.h"

namespace board_fixtures {

inline AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

inline CBoardPolyline Polyline(int kind, int loadKind, std::initializer_list<AcGePoint3d> points, double bulge0 = 0.0)
{
    CBoardPolyline poly;
    const int segmentType = kind == BOARD_OUTLINE ? 1 : kind == BOARD_HOLE ? SEGMENT_HOLE_EDGE : loadKind;
    double bulge = bulge0;
    double value = 3.0;
    for (const AcGePoint3d& p : points) {
        poly.AddPoint(p, loadKind, segmentType, kind, value, bulge);
        bulge = 0.0;
        value += 1.5;
    }
    poly.Close(1);
    return poly;
}

// A slab that uses every stored field: an outline with an arc, a column and a free edge, two holes,
// and loads of each kind, dead and live.
inline void FillSlab(CBoardData& data)
{
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 0, {P(0, 0), P(6000, 0), P(6000, 4000), P(0, 4000)}, -0.25);
    data.m_BoardPoly.SetHasColu(2, 1);
    data.m_BoardPoly.SetLineType(3, 2);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, 0, {P(1000, 1000), P(1500, 1000), P(1500, 1500)}));
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, 0, {P(4000, 1000), P(4500, 1000), P(4500, 1500), P(4000, 1500)}, 0.5));
    data.m_MassLoadArray.Add(CMassLoad(P(3000, 2000), LOAD_DEAD, 12.5));
    data.m_MassLoadArray.Add(CMassLoad(P(3200, 2500), LOAD_LIVE, 7.25));
    data.m_PartLoadArray.Add(Polyline(BOARD_PART_LOAD, LOAD_LIVE, {P(2000, 2000), P(2500, 2000), P(2500, 2600)}));
    CBoardPolyline line = Polyline(BOARD_LINE_LOAD, LOAD_DEAD, {P(500, 3000), P(2500, 3000)});
    line.SetLoadWidth(2000.0);
    data.m_LineLoadArray.Add(line);
    CBoardPolyline trap = Polyline(BOARD_TRAP_LOAD, LOAD_LIVE, {P(1000, 500), P(5000, 500)});
    trap.m_strXorY = "X向";
    trap.m_dBottomDis = 1000.0;
    trap.m_LoadWidth = -1.0;
    trap.m_ptLeft = P(0, 500);
    trap.m_ptRight = P(6000, 500);
    data.m_TrapLoadArray.Add(trap);
}

inline void ExpectSamePolyline(const CBoardPolyline& a, const CBoardPolyline& b)
{
    ASSERT_EQ(a.GetCount(), b.GetCount());
    for (int i = 0; i < a.GetCount(); ++i) {
        EXPECT_EQ(a.m_StretchPtArray[i], b.m_StretchPtArray[i]) << i;
        EXPECT_EQ(a.m_BulgeArray[i], b.m_BulgeArray[i]) << i;
        EXPECT_EQ(a.m_DisArray[i], b.m_DisArray[i]) << i;
        EXPECT_EQ(a.m_LineDisArray[i], b.m_LineDisArray[i]) << i;
        EXPECT_EQ(a.m_LineTypeArray[i], b.m_LineTypeArray[i]) << i;
        EXPECT_EQ(a.m_HasColuArray[i], b.m_HasColuArray[i]) << i;
    }
    ASSERT_EQ(a.m_LoadValArray.GetSize(), b.m_LoadValArray.GetSize());
    for (int i = 0; i < a.m_LoadValArray.GetSize(); ++i) EXPECT_EQ(a.m_LoadValArray[i], b.m_LoadValArray[i]);
    EXPECT_EQ(a.m_BoardType, b.m_BoardType);
    EXPECT_EQ(a.m_LoadType, b.m_LoadType);
    EXPECT_EQ(a.m_strXorY, b.m_strXorY);
    EXPECT_EQ(a.m_dBottomDis, b.m_dBottomDis);
    EXPECT_EQ(a.m_LoadWidth, b.m_LoadWidth);
    EXPECT_EQ(a.m_ptLeft, b.m_ptLeft);
    EXPECT_EQ(a.m_ptRight, b.m_ptRight);
    EXPECT_EQ(a.m_IsClosed, b.m_IsClosed);
}

inline void ExpectSameGroup(const CArray<CBoardPolyline, const CBoardPolyline&>& a,
                     const CArray<CBoardPolyline, const CBoardPolyline&>& b)
{
    ASSERT_EQ(a.GetSize(), b.GetSize());
    for (int i = 0; i < a.GetSize(); ++i) ExpectSamePolyline(a[i], b[i]);
}

// The stored part of the model: outline, holes, loads.
inline void ExpectSameModel(const CBoardData& a, const CBoardData& b)
{
    ExpectSamePolyline(a.m_BoardPoly, b.m_BoardPoly);
    EXPECT_EQ(a.m_HasBoard, b.m_HasBoard);
    ExpectSameGroup(a.m_HoleArray, b.m_HoleArray);
    ExpectSameGroup(a.m_PartLoadArray, b.m_PartLoadArray);
    ExpectSameGroup(a.m_LineLoadArray, b.m_LineLoadArray);
    ExpectSameGroup(a.m_TrapLoadArray, b.m_TrapLoadArray);
    ASSERT_EQ(a.m_MassLoadArray.GetSize(), b.m_MassLoadArray.GetSize());
    for (int i = 0; i < a.m_MassLoadArray.GetSize(); ++i) {
        EXPECT_EQ(a.m_MassLoadArray[i].m_MassPt, b.m_MassLoadArray[i].m_MassPt);
        EXPECT_EQ(a.m_MassLoadArray[i].m_LaodType, b.m_MassLoadArray[i].m_LaodType);
        EXPECT_EQ(a.m_MassLoadArray[i].m_LoadVal, b.m_MassLoadArray[i].m_LoadVal);
    }
}

}  // namespace board_fixtures
