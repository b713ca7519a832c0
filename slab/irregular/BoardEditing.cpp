// Shape editing in the slab view: the working polyline, the finished shapes stored in the model and
// the rubber-band previews of the next click.
#include <cmath>

#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardDraw.h"
#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

// A finished polyline bounds an area: three vertices, or two joined by an arc and its chord or by two arcs.
BOOL BoundsAnArea(const CBoardPolyline& poly)
{
    if (poly.GetCount() >= 3)
        return TRUE;
    return poly.GetCount() == 2 && std::fabs(poly.GetBulge(0) + poly.GetBulge(1)) > 0.0;
}

}  // namespace

void CBoardDraw::AddWorkVertex(AcGePoint3d p, double loadValue, double bulge)
{
    m_pBoardData->m_WorkPoly.AddPoint(p, m_pParam->m_nLoadType, m_pParam->m_nBoardLineType, m_pParam->m_nBoardType,
                                      loadValue, bulge);
}

double CBoardDraw::NextVertexLoad() const
{
    return m_pParam->m_nBoardType == BOARD_PART_LOAD ? m_pParam->m_dLocalLoad : m_pParam->m_dDefaultLoad;
}

double CBoardDraw::PreviewSize(AcGePoint3d a, AcGePoint3d b) const
{
    return GetDistance(WorldToDevice(a), WorldToDevice(GetNormalPoint(a, b)));
}

int CBoardDraw::StartPolyline(AcGePoint3d p)
{
    m_pBoardData->m_WorkPoly.Reset();
    double value = m_pParam->m_dDefaultLoad;
    switch (m_pParam->m_nBoardType) {
    case BOARD_PART_LOAD: value = m_pParam->m_dLocalLoad; break;
    case BOARD_LINE_LOAD: value = m_pParam->m_dLineLoad; break;
    case BOARD_TRAP_LOAD: value = m_pParam->m_dTrapLoadP1; break;
    }
    AddWorkVertex(p, value, 0.0);
    return 1;
}

int CBoardDraw::AddVertex(AcGePoint3d p)
{
    CBoardPolyline& work = m_pBoardData->m_WorkPoly;
    // The segment this click completes takes the segment type current at the click.
    work.SetLineType(work.GetCount() - 1, m_pParam->m_nBoardLineType);
    AddWorkVertex(p, NextVertexLoad(), 0.0);
    DrawAll();
    CBoardPolyline closed = work;
    closed.Close(1);
    int o = 0;
    GetPolygonOrientation(closed, o);
    return RubberSegment(p, work.GetFirstPoint(), m_pParam->m_nBoardLineType, o);
}

int CBoardDraw::AddArcPoint(AcGePoint3d end, AcGePoint3d through)
{
    CBoardPolyline& work = m_pBoardData->m_WorkPoly;
    const double bulge = GetBulgeFrom3Points(work.GetLastPoint(), through, end);
    AddWorkVertex(end, NextVertexLoad(), 0.0);
    work.SetBulge(work.GetCount() - 2, bulge);
    return Blit();
}

int CBoardDraw::FinishPolyline()
{
    CBoardData& data = *m_pBoardData;
    CBoardPolyline& work = data.m_WorkPoly;
    work.Close(1);
    work.SetLineType(work.GetCount() - 1, m_pParam->m_nBoardLineType);
    const int kind = work.GetBoardType();
    const BOOL valid = BoundsAnArea(work);
    if (kind == BOARD_OUTLINE) {
        // An outline that bounds nothing leaves the previous outline in place.
        if (valid) {
            data.m_BoardPoly = work;
            data.m_HasBoard = 1;
        }
    } else {
        // A hole or load that bounds nothing is stored empty; its panel removes it on the finish code.
        if (!valid)
            work.Reset();
        switch (kind) {
        case BOARD_HOLE: data.m_HoleArray.Add(work); break;
        case BOARD_PART_LOAD: data.m_PartLoadArray.Add(work); break;
        case BOARD_LINE_LOAD: data.m_LineLoadArray.Add(work); break;
        case BOARD_TRAP_LOAD: data.m_TrapLoadArray.Add(work); break;
        }
    }
    work.Reset();
    return 1;
}

void CBoardDraw::StoreOutlineOrHole()
{
    CBoardData& data = *m_pBoardData;
    if (data.m_WorkPoly.GetBoardType() == BOARD_OUTLINE) {
        data.m_BoardPoly = data.m_WorkPoly;
        data.m_HasBoard = 1;
    } else {
        data.m_HoleArray.Add(data.m_WorkPoly);
    }
    data.m_WorkPoly.Reset();
    DrawAll();
}

int CBoardDraw::FinishCircle(AcGePoint3d p)
{
    CBoardPolyline& work = m_pBoardData->m_WorkPoly;
    AddWorkVertex(p, NextVertexLoad(), 1.0);
    work.SetBulge(0, 1.0);
    work.Close(1);
    StoreOutlineOrHole();
    return 1;
}

int CBoardDraw::FinishRectangle(AcGePoint3d p)
{
    CBoardPolyline& work = m_pBoardData->m_WorkPoly;
    const AcGePoint3d c = work.GetLastPoint();
    AddWorkVertex(AcGePoint3d(c.x, p.y, 0.0), NextVertexLoad(), 0.0);
    AddWorkVertex(p, NextVertexLoad(), 0.0);
    AddWorkVertex(AcGePoint3d(p.x, c.y, 0.0), NextVertexLoad(), 0.0);
    work.Close(1);
    StoreOutlineOrHole();
    return 1;
}

int CBoardDraw::FinishTwoPointLoad(AcGePoint3d p)
{
    CBoardData& data = *m_pBoardData;
    CBoardPolyline& work = data.m_WorkPoly;
    const BOOL trapezoid = m_pParam->m_nBoardType == BOARD_TRAP_LOAD;
    AddWorkVertex(p, trapezoid ? m_pParam->m_dTrapLoadP2 : m_pParam->m_dLineLoad, 0.0);
    work.Close(1);
    work.SetBulge(1, 0.0);
    if (trapezoid)
        data.m_TrapLoadArray.Add(work);
    else
        data.m_LineLoadArray.Add(work);
    work.Reset();
    return DrawAll();
}

int CBoardDraw::AddMassLoad(AcGePoint3d p, double value)
{
    m_pBoardData->m_MassLoadArray.Add(CMassLoad(p, m_pParam->m_nLoadType, value));
    return DrawAll();
}

int CBoardDraw::RubberLine(AcGePoint3d a, AcGePoint3d b, COLORREF color)
{
    m_canvas.DrawLine(WorldToDevice(a), WorldToDevice(b), color);
    return Blit();
}

int CBoardDraw::RubberSegment(AcGePoint3d a, AcGePoint3d b, int type, int side)
{
    m_canvas.DrawMeasuredSegment(WorldToDevice(a), WorldToDevice(b), type, PreviewSize(a, b), -side, GetDistance(a, b));
    return Blit();
}

int CBoardDraw::RubberArc(AcGePoint3d a, AcGePoint3d e, AcGePoint3d t, int type, int side)
{
    m_canvas.DrawThreePointArc(WorldToDevice(a), WorldToDevice(e), WorldToDevice(t), type, PreviewSize(a, e), side);
    return Blit();
}

int CBoardDraw::RubberCircle(AcGePoint3d a, AcGePoint3d b, int type)
{
    m_canvas.DrawCircle(WorldToDevice(a), WorldToDevice(b), type, PreviewSize(a, b));
    return Blit();
}

int CBoardDraw::RubberRectangle(AcGePoint3d a, AcGePoint3d b, int type)
{
    m_canvas.DrawRectangle(WorldToDevice(a), WorldToDevice(b), type, PreviewSize(a, b));
    return Blit();
}
