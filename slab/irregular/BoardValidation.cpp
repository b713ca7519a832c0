#include "slab/irregular/BoardValidation.h"

#include <functional>

#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

// The shapes the shape checks run over: the outline, the holes, the local loads.
bool AnyShape(const CBoardData& data, const std::function<bool(const CBoardPolyline&)>& test)
{
    if (test(data.m_BoardPoly))
        return true;
    for (int i = 0; i < data.m_HoleArray.GetSize(); ++i) {
        if (test(data.m_HoleArray[i]))
            return true;
    }
    for (int i = 0; i < data.m_PartLoadArray.GetSize(); ++i) {
        if (test(data.m_PartLoadArray[i]))
            return true;
    }
    return false;
}

// The local, line and trapezoid loads in that order.
bool AnyLoadPolyline(const CBoardData& data, const std::function<bool(const CBoardPolyline&)>& test)
{
    for (const auto* loads : {&data.m_PartLoadArray, &data.m_LineLoadArray, &data.m_TrapLoadArray}) {
        for (int i = 0; i < loads->GetSize(); ++i) {
            if (test((*loads)[i]))
                return true;
        }
    }
    return false;
}

}  // namespace

int PolylineHasCoincidentPoints(const CBoardPolyline& poly)
{
    for (int i = 0; i < poly.GetCount(); ++i) {
        if (IsSamePoint(poly.GetPoint(i), poly.GetPoint(i + 1)))
            return 1;
    }
    return 0;
}

int PolylineSelfIntersects(const CBoardPolyline& poly)
{
    const int count = poly.GetCount();
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const bool neighbours = j == i + 1 || (i == 0 && j == count - 1);
            if (neighbours && poly.GetBulge(i) == 0.0 && poly.GetBulge(j) == 0.0)
                continue;
            if (SegmentsCross(poly.GetPoint(i), poly.GetPoint(i + 1), poly.GetBulge(i), poly.GetPoint(j),
                              poly.GetPoint(j + 1), poly.GetBulge(j)))
                return 1;
        }
    }
    return 0;
}

int MassLoadsInsidePolyline(const CArray<CMassLoad, const CMassLoad&>& loads, const CBoardPolyline& poly)
{
    for (int i = 0; i < loads.GetSize(); ++i) {
        if (PointInPolyline(loads[i].m_MassPt, poly) == -1)
            return 0;
    }
    return 1;
}

int MassLoadInPolyline(const CArray<CMassLoad, const CMassLoad&>& loads, const CBoardPolyline& poly)
{
    for (int i = 0; i < loads.GetSize(); ++i) {
        if (PointInPolyline(loads[i].m_MassPt, poly) == 1)
            return 1;
    }
    return 0;
}

int CBoardData::HasCoincidentPoints() const
{
    return AnyShape(*this, [](const CBoardPolyline& p) { return PolylineHasCoincidentPoints(p) != 0; }) ? 1 : 0;
}

int CBoardData::HasSelfIntersection() const
{
    return AnyShape(*this, [](const CBoardPolyline& p) { return PolylineSelfIntersects(p) != 0; }) ? 1 : 0;
}

int CBoardData::HolesInsideOutline() const
{
    for (int i = 0; i < m_HoleArray.GetSize(); ++i) {
        if (!PolylineInsidePolyline(m_BoardPoly, m_HoleArray[i]))
            return 0;
    }
    return 1;
}

int CBoardData::CheckInnerAngles() const
{
    return AnyShape(*this, [](const CBoardPolyline& p) { return CheckPolylineAngles(p) == 0; }) ? 0 : 1;
}

int CBoardData::LoadsInsideOutline() const
{
    if (!MassLoadsInsidePolyline(m_MassLoadArray, m_BoardPoly))
        return 0;
    const CBoardPolyline& outline = m_BoardPoly;
    return AnyLoadPolyline(*this, [&](const CBoardPolyline& load) { return !PolylineInsidePolyline(outline, load); })
               ? 0
               : 1;
}

int CBoardData::LoadsInHoles() const
{
    for (int i = 0; i < m_HoleArray.GetSize(); ++i) {
        const CBoardPolyline& hole = m_HoleArray[i];
        if (MassLoadInPolyline(m_MassLoadArray, hole))
            return 1;
        if (AnyLoadPolyline(*this, [&](const CBoardPolyline& load) {
                return PolylineInsidePolyline(hole, load) || PolylinesOverlap(load, hole);
            }))
            return 1;
    }
    return 0;
}

int CBoardData::CheckHoleDistance(const CBoardSetting& setting) const
{
    for (int i = 0; i < m_HoleArray.GetSize(); ++i) {
        if (GetPolylineDistance(m_BoardPoly, m_HoleArray[i]) < setting.m_dBoxLength)
            return 0;
    }
    return 1;
}

BOOL CheckBoardInput(const CBoardData& data, BOOL bBoundaryPage, const CBoardSetting& setting, CStringArray& warnings,
                     CStringArray& errors)
{
    struct Step {
        bool run;
        std::function<bool()> failed;
        const char* message;
        CStringArray* list;
    };
    const Step steps[] = {
        {bBoundaryPage != FALSE, [&] { return data.m_HasBoard == 0; }, "请输入板边信息", &errors},
        {true, [&] { return data.HasCoincidentPoints() != 0; }, "多边形不可以有重合点", &errors},
        {true, [&] { return data.HasSelfIntersection() != 0; }, "多边形不可以自交", &errors},
        {bBoundaryPage != FALSE, [&] { return data.HolesInsideOutline() == 0; }, "洞口必须在板边内", &errors},
        {bBoundaryPage != FALSE, [&] { return HolesOverlap(data.m_HoleArray) != 0; }, "洞口之间不可以有重合部分",
         &errors},
        {true, [&] { return data.CheckInnerAngles() == 0; }, "多边形内角应在26.4~(360-26.4)度之间", &errors},
        {true, [&] { return data.LoadsInsideOutline() == 0; }, "荷载应在板边的范围内", &warnings},
        {true, [&] { return data.LoadsInHoles() != 0; }, "荷载应在洞口的范围外", &errors},
        {bBoundaryPage != FALSE, [&] { return data.CheckHoleDistance(setting) == 0; },
         "提示:洞口与板边的最小距离小于网格长度\n计算误差变大", &warnings},
    };
    for (const Step& step : steps) {
        if (step.run && step.failed()) {
            step.list->Add(step.message);
            return FALSE;
        }
    }
    return TRUE;
}
