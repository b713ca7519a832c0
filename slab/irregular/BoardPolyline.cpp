#include "slab/irregular/BoardPolyline.h"

#include <cmath>

#include "slab/irregular/PlaneGeometry.h"

CBoardPolyline::CBoardPolyline()
    : m_BoardType(BOARD_OUTLINE),
      m_LoadType(0),
      m_dBottomDis(0.0),
      m_LoadWidth(200.0),
      m_IsClosed(0),
      m_nHoleSupport(0)
{
}

CBoardPolyline::CBoardPolyline(const CBoardPolyline& other) : CBoardPolyline()
{
    *this = other;
}

CBoardPolyline& CBoardPolyline::operator=(const CBoardPolyline& other)
{
    if (this == &other)
        return *this;
    m_StretchPtArray = other.m_StretchPtArray;
    m_BulgeArray.Copy(other.m_BulgeArray);
    m_DisArray.Copy(other.m_DisArray);
    m_LineDisArray.Copy(other.m_LineDisArray);
    m_LineTypeArray.Copy(other.m_LineTypeArray);
    m_HasColuArray.Copy(other.m_HasColuArray);
    m_BoardType = other.m_BoardType;
    m_LoadType = other.m_LoadType;
    m_strXorY = other.m_strXorY;
    m_dBottomDis = other.m_dBottomDis;
    m_LoadValArray.Copy(other.m_LoadValArray);
    m_LoadWidth = other.m_LoadWidth;
    m_ptLeft = other.m_ptLeft;
    m_ptRight = other.m_ptRight;
    m_IsClosed = other.m_IsClosed;
    m_nHoleSupport = other.m_nHoleSupport;
    return *this;
}

int CBoardPolyline::GetCount() const
{
    return m_StretchPtArray.length();
}

AcGePoint3d CBoardPolyline::GetPoint(int index) const
{
    const int count = GetCount();
    if (count == 0)
        return AcGePoint3d();
    if (index == count)
        return m_StretchPtArray[0];
    index = Resolve(index);
    if (index < 0 || index >= count)
        return AcGePoint3d();
    return m_StretchPtArray[index];
}

AcGePoint3d CBoardPolyline::GetFirstPoint() const
{
    return GetPoint(0);
}

AcGePoint3d CBoardPolyline::GetLastPoint() const
{
    return GetPoint(-1);
}

int CBoardPolyline::GetPoints(PointArray& points) const
{
    points = m_StretchPtArray;
    return 1;
}

double CBoardPolyline::GetBulge(int index) const
{
    index = Resolve(index);
    if (index < 0 || index >= GetCount() || index >= m_BulgeArray.GetSize())
        return 0.0;
    return m_BulgeArray[index];
}

double CBoardPolyline::GetLineDis(int index) const
{
    if (index == GetCount())
        index = 0;
    index = Resolve(index);
    if (index < 0 || index >= GetCount() || index >= m_LineDisArray.GetSize())
        return 0.0;
    return m_LineDisArray[index];
}

int CBoardPolyline::GetLineType(int index) const
{
    index = index == -1 ? m_LineTypeArray.GetSize() - 1 : index;
    if (index < 0 || index >= m_LineTypeArray.GetSize())
        return 0;
    return m_LineTypeArray[index];
}

int CBoardPolyline::GetHasColu(int index) const
{
    if (index < 0 || index >= GetCount() || index >= m_HasColuArray.GetSize())
        return 0;
    return m_HasColuArray[index];
}

double CBoardPolyline::GetLoadVal(int index) const
{
    if (index < 0 || index >= m_LoadValArray.GetSize())
        return 0.0;
    return m_LoadValArray[index];
}

int CBoardPolyline::GetSupport(int index) const
{
    return m_BoardType == BOARD_HOLE ? m_nHoleSupport : GetLineType(index);
}

int CBoardPolyline::SetLineType(int index, int type)
{
    m_LineTypeArray.SetAt(index, type);
    return 1;
}

int CBoardPolyline::SetHasColu(int index, int hasColumn)
{
    m_HasColuArray.SetAt(index, hasColumn);
    return 1;
}

int CBoardPolyline::SetLoadVal(int index, double value)
{
    m_LoadValArray.SetAt(index, value);
    return 1;
}

int CBoardPolyline::SetLoadType(int kind)
{
    m_LoadType = kind;
    for (int i = 0; i < m_LineTypeArray.GetSize(); ++i)
        m_LineTypeArray[i] = kind;
    return 1;
}

int CBoardPolyline::SetLoadWidth(double width)
{
    m_LoadWidth = width;
    return 1;
}

int CBoardPolyline::AddPoint(AcGePoint3d point, int loadKind, int segmentType, int polylineKind,
                             double loadValue, double bulge)
{
    if (GetCount() == 0) {
        m_BoardType = polylineKind;
        if (polylineKind == BOARD_HOLE) {
            m_nHoleSupport = EDGE_FREE;
            m_LoadType = -1;
        } else if (polylineKind == BOARD_OUTLINE) {
            m_LoadType = -1;
        } else if (polylineKind >= BOARD_MASS_LOAD) {
            m_LoadType = loadKind;
        }
    }
    m_DisArray.Add(0.0);
    m_LineDisArray.Add(0.0);
    m_BulgeArray.Add(bulge);
    m_LineTypeArray.Add(segmentType);
    m_LoadValArray.Add(loadValue);
    m_StretchPtArray.append(point);
    m_HasColuArray.Add(0);
    if (GetCount() >= 2)
        UpdateLengths(GetCount() - 2);
    return 1;
}

int CBoardPolyline::InsertPoint(int index)
{
    const int count = GetCount();
    if (index < 0 || index >= count)
        return 0;
    const AcGePoint3d point = m_StretchPtArray[index];
    const double bulge = GetBulge(index);
    const int type = GetLineType(index);
    const int column = GetHasColu(index);
    if (index > 0) {
        m_StretchPtArray.insertAt(index, point);
        m_BulgeArray.InsertAt(index, bulge);
        m_LineTypeArray.InsertAt(index, type);
        m_HasColuArray.InsertAt(index, column);
        m_DisArray.InsertAt(index, 0.0);
        m_LineDisArray.InsertAt(index, 0.0);
        return 1;
    }
    m_StretchPtArray.append(point);
    m_BulgeArray.Add(bulge);
    m_LineTypeArray.Add(type);
    m_HasColuArray.Add(column);
    m_DisArray.Add(0.0);
    m_LineDisArray.Add(0.0);
    UpdateLengths(GetCount() - 1);
    return 1;
}

int CBoardPolyline::RemovePoint(int index)
{
    const int count = GetCount();
    if (index < 0 || index >= count)
        return 0;
    m_StretchPtArray.removeAt(index);
    m_HasColuArray.RemoveAt(index);
    // Vertex 0: the last entries go, so each remaining segment keeps its own values shifted by one.
    const int segment = index > 0 ? index - 1 : count - 1;
    m_BulgeArray.RemoveAt(segment);
    m_LineTypeArray.RemoveAt(segment);
    const int length = index > 0 ? index : count - 1;
    m_DisArray.RemoveAt(length);
    m_LineDisArray.RemoveAt(length);
    return 1;
}

int CBoardPolyline::MovePoint(int index, AcGePoint3d point)
{
    const int count = GetCount();
    if (index < 0 || index >= count)
        return 0;
    m_StretchPtArray[index] = point;
    UpdateLengths(index > 0 ? index - 1 : count - 1);
    UpdateLengths(index);
    return 1;
}

int CBoardPolyline::SetBulge(int index, double bulge)
{
    int segment = Resolve(index);
    if (segment < 0)
        return 0;
    if (segment >= m_BulgeArray.GetSize()) {
        segment = m_BulgeArray.Add(bulge);
    } else {
        m_BulgeArray[segment] = bulge;
    }
    if (segment < m_DisArray.GetSize())
        m_DisArray[segment] = GetSegLength(segment);
    return 1;
}

int CBoardPolyline::Close(int closed)
{
    m_IsClosed = closed;
    if (GetCount() > 0)
        UpdateLengths(GetCount() - 1);
    return 1;
}

int CBoardPolyline::Reset()
{
    m_StretchPtArray.removeAll();
    m_BulgeArray.RemoveAll();
    m_DisArray.RemoveAll();
    m_LineDisArray.RemoveAll();
    m_LineTypeArray.RemoveAll();
    m_HasColuArray.RemoveAll();
    m_LoadValArray.RemoveAll();
    m_BoardType = -1;
    m_LoadType = -1;
    m_nHoleSupport = -1;
    return 1;
}

double CBoardPolyline::GetChordLength(int index) const
{
    const int count = GetCount();
    index = Resolve(index);
    if (index < 0 || index > count - 1)
        return 0.0;
    return GetDistance(GetPoint(index), GetPoint(index + 1));
}

double CBoardPolyline::GetArcLength(int index) const
{
    const int count = GetCount();
    index = Resolve(index);
    if (index < 0 || index > count - 1)
        return 0.0;
    const double bulge = GetBulge(index);
    if (bulge == 0.0)
        return 0.0;
    return ::GetArcLength(GetPoint(index), GetPoint(index + 1), bulge);
}

double CBoardPolyline::GetSegLength(int index) const
{
    return GetBulge(index) != 0.0 ? GetArcLength(index) : GetChordLength(index);
}

int CBoardPolyline::GetPointAtDistance(double distance, AcGePoint3d& point) const
{
    const int count = GetCount();
    double before = 0.0;
    int i = 0;
    for (; i < count; ++i) {
        const double sum = before + std::fabs(GetSegLength(i));
        if (sum > distance)
            break;
        before = sum;
    }
    if (i == count || i >= m_BulgeArray.GetSize())
        return 0;
    if (i == count - 1 && !m_IsClosed)
        return 0;
    const double rest = distance - before;
    const AcGePoint3d start = GetPoint(i);
    const AcGePoint3d end = GetPoint(i + 1);
    const double bulge = m_BulgeArray[i];
    if (bulge == 0.0) {
        point = start + (end - start).normalize() * rest;
        return 1;
    }
    const AcGePoint3d center = GetArcCenter(start, end, bulge);
    const double radius = GetDistance(center, start);
    AcGeVector3d toStart = (start - center).normalize();
    toStart.rotateBy(bulge > 0.0 ? rest / radius : -rest / radius, AcGeVector3d::kZAxis);
    point = center + toStart * radius;
    return 1;
}

void CBoardPolyline::UpdateLengths(int i)
{
    if (i < 0 || i >= m_DisArray.GetSize() || i >= m_LineDisArray.GetSize())
        return;
    m_DisArray[i] = GetSegLength(i);
    m_LineDisArray[i] = GetChordLength(i);
}
