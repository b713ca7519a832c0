// A small slab for the drawing tests: polylines built vertex by vertex as the editor builds them.
#pragma once

#include <initializer_list>

#include "slab/irregular/AtypicalBoardParam.h"

namespace slabtest {

inline AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

// A closed polyline of one kind whose every segment has the given type; bulge0 on its first segment.
inline CBoardPolyline Polyline(int kind, int segmentType, std::initializer_list<AcGePoint3d> points,
                               double bulge0 = 0.0)
{
    CBoardPolyline poly;
    double bulge = bulge0;
    const int loadKind = segmentType == LOAD_LIVE ? LOAD_LIVE : LOAD_DEAD;
    for (const AcGePoint3d& p : points) {
        poly.AddPoint(p, loadKind, segmentType, kind, 2.0, bulge);
        bulge = 0.0;
    }
    poly.Close(1);
    return poly;
}

// An L-shaped slab 12000 x 8000 mm: fixed edges, a simply supported and a free one, an arc on the
// inner corner's edge, a column at vertex 3, a rectangular hole, and one load of each kind.
inline void FillLShapedSlab(CBoardData& data)
{
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 1,
                                {P(0, 0), P(12000, 0), P(12000, 4000), P(6000, 4000), P(6000, 8000), P(0, 8000)});
    data.m_BoardPoly.SetLineType(1, 0);
    data.m_BoardPoly.SetLineType(4, 2);
    data.m_BoardPoly.SetBulge(2, 0.3);
    data.m_BoardPoly.SetHasColu(2, 1);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(2000, 2000), P(4000, 2000), P(4000, 3000), P(2000, 3000)}));
    data.m_MassLoadArray.Add(CMassLoad(P(9000, 2000), LOAD_DEAD, 10.0));
    data.m_PartLoadArray.Add(Polyline(BOARD_PART_LOAD, LOAD_LIVE, {P(1000, 5000), P(3000, 5000), P(3000, 7000), P(1000, 7000)}));
    data.m_LineLoadArray.Add(Polyline(BOARD_LINE_LOAD, LOAD_DEAD, {P(7000, 1000), P(11000, 1000)}));
    data.m_TrapLoadArray.Add(Polyline(BOARD_TRAP_LOAD, LOAD_LIVE, {P(500, 500), P(11500, 500)}));
}

}  // namespace slabtest
