#include "slab/irregular/PlaneGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

const double kSlopeZero = 0.001;       // a coordinate difference below it counts as zero
const double kVerticalSlope = 1e6;     // slope of a vertical segment
const double kSamePoint = 0.1;         // per coordinate; box widening; radial tolerance of arcs
const double kOnSegmentArea = 10.0;    // largest |(P - A) x (B - A)| still on the segment
const double kArcAngle = 0.0001;       // angular tolerance on an arc (radians)
const double kNearSegmentLimit = 2.0;  // largest tolerance IsPointNearSegment accepts
const double kNormalOffset = 200.0;    // offset of GetNormalPoint
const double kFlatAngle = 1e-6;        // GetBulgeFrom3Points: an angle below it is straight

AcGeVector3d Unit(AcGeVector3d v)
{
    return v.normalize();
}

double CrossLength(AcGeVector3d u, AcGeVector3d v)
{
    return u.crossProduct(v).length();
}

// The distance from p to segment ab along its foot when the foot lies on it, else to the nearer end.
double FootOrEndDistance(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b)
{
    const AcGePoint3d foot = GetPerpendicularFoot(p, a, b);
    if (IsPointOnSegment(foot, a, b))
        return GetDistance(foot, p);
    return std::min(GetDistance(p, a), GetDistance(p, b));
}

}  // namespace

double GetSlope(AcGePoint3d p1, AcGePoint3d p2)
{
    const double dx = p1.x - p2.x;
    const double dy = p1.y - p2.y;
    if (std::fabs(dx) < kSlopeZero)
        return kVerticalSlope;
    if (std::fabs(dy) < kSlopeZero)
        return 0.0;
    return dy / dx;
}

double GetDistance(AcGePoint3d p1, AcGePoint3d p2)
{
    return std::hypot(p1.x - p2.x, p1.y - p2.y);
}

AcGePoint3d GetMidPoint(AcGePoint3d p1, AcGePoint3d p2)
{
    return AcGePoint3d((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0, 0.0);
}

int IsPointInRect(double x, double y, double left, double right, double top, double bottom)
{
    return left <= x && x <= right && top <= y && y <= bottom ? 1 : 0;
}

int IsSamePoint(AcGePoint3d p1, AcGePoint3d p2)
{
    return std::fabs(p1.x - p2.x) <= kSamePoint && std::fabs(p1.y - p2.y) <= kSamePoint ? 1 : 0;
}

int GetTurnDirection(AcGePoint3d p0, AcGePoint3d p1, AcGePoint3d p2)
{
    // (p0 - p1) x (p2 - p1) points down (-z) for a left turn at p1.
    const AcGeVector3d cross = (p0 - p1).crossProduct(p2 - p1);
    if (cross.length() < kSlopeZero)
        return 0;
    return cross.z < 0.0 ? 1 : -1;
}

AcGePoint3d GetNormalPoint(AcGePoint3d p1, AcGePoint3d p2)
{
    AcGeVector3d u = Unit(p1 - p2);
    u.rotateBy(M_PI / 2.0, AcGeVector3d::kZAxis);
    AcGePoint3d p = p1 + u * kNormalOffset;
    p.z = 0.0;
    return p;
}

double GetArcHeight(double chord, double bulge)
{
    return chord * bulge / 2.0;
}

double GetBulgeFromHeight(double chord, double height)
{
    if (chord == 0.0)
        return 0.0;
    return 2.0 * height / chord;
}

double GetArcLength(AcGePoint3d p1, AcGePoint3d p2, double bulge)
{
    if (bulge == 0.0)
        return 0.0;
    return 4.0 * std::atan(bulge) * GetDistance(p1, GetArcCenter(p1, p2, bulge));
}

double GetSegmentLength(AcGePoint3d p1, AcGePoint3d p2, double bulge)
{
    if (bulge == 0.0)
        return GetDistance(p1, p2);
    return GetArcLength(p1, p2, bulge);
}

AcGePoint3d GetArcCenter(AcGePoint3d p1, AcGePoint3d p2, double bulge)
{
    const AcGePoint3d mid = GetMidPoint(p1, p2);
    if (bulge == 0.0)
        return mid;
    const double c = GetDistance(p1, p2) / 2.0;
    const double radius = std::fabs(c / bulge + c * bulge) / 2.0;
    const double height = std::fabs(bulge) * c;
    AcGeVector3d u = Unit(p1 - p2);
    u.rotateBy(bulge >= 0.0 ? -M_PI / 2.0 : M_PI / 2.0, AcGeVector3d::kZAxis);
    AcGePoint3d center = mid + u * (radius - height);
    center.z = 0.0;
    return center;
}

double GetPolarAngle(AcGePoint3d p, AcGePoint3d center)
{
    AcGeVector3d v = p - center;
    v.z = 0.0;
    return 2.0 * M_PI - v.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
}

int GetArcParameters(AcGePoint3d p1, AcGePoint3d p2, double bulge, AcGePoint3d& center,
                     double& startAngle, double& endAngle, double& radius)
{
    center = GetArcCenter(p1, p2, bulge);
    const double c = GetDistance(p1, p2) / 2.0;
    radius = bulge == 0.0 ? 0.0 : std::fabs((c / bulge + c * bulge) / 2.0);
    const double a1 = GetPolarAngle(p1, center);
    const double a2 = GetPolarAngle(p2, center);
    startAngle = bulge >= 0.0 ? a1 : a2;
    endAngle = bulge >= 0.0 ? a2 : a1;
    return 1;
}

int IsPointOnArc(AcGePoint3d p, double a1, double a2, AcGePoint3d center, double radius)
{
    if (std::fabs(GetDistance(center, p) - radius) > kSamePoint)
        return 0;
    const double angle = GetPolarAngle(p, center);
    if (a1 <= a2)
        return a1 - kArcAngle < angle && angle < a2 + kArcAngle ? 1 : 0;
    return angle > a1 - kArcAngle || (angle >= 0.0 && angle < a2 + kArcAngle) ? 1 : 0;
}

int GetArcExtents(AcGePoint3d p1, AcGePoint3d p2, double bulge, AcGePoint3d& upper,
                  AcGePoint3d& lower)
{
    AcGePoint3d c;
    double a1 = 0.0, a2 = 0.0, r = 0.0;
    GetArcParameters(p1, p2, bulge, c, a1, a2, r);
    const auto onArc = [&](double x, double y) {
        return IsPointOnArc(AcGePoint3d(x, y, 0.0), a1, a2, c, r) != 0;
    };
    upper.y = onArc(c.x, c.y + r) ? c.y + r : std::max(p1.y, p2.y);
    lower.y = onArc(c.x, c.y - r) ? c.y - r : std::min(p1.y, p2.y);
    lower.x = onArc(c.x - r, c.y) ? c.x - r : std::min(p1.x, p2.x);
    upper.x = onArc(c.x + r, c.y) ? c.x + r : std::max(p1.x, p2.x);
    upper.z = lower.z = 0.0;
    return 1;
}

int BoundingBoxesOverlap(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d p4)
{
    const double minX1 = std::min(p1.x, p2.x), maxX1 = std::max(p1.x, p2.x);
    const double minY1 = std::min(p1.y, p2.y), maxY1 = std::max(p1.y, p2.y);
    const double minX2 = std::min(p3.x, p4.x), maxX2 = std::max(p3.x, p4.x);
    const double minY2 = std::min(p3.y, p4.y), maxY2 = std::max(p3.y, p4.y);
    if (minX2 > maxX1 + kSamePoint || maxX2 < minX1 - kSamePoint || maxY1 + kSamePoint < minY2 ||
        minY1 - kSamePoint > maxY2)
        return 0;
    return 1;
}

AcGePoint3d GetPerpendicularFoot(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b)
{
    if (std::fabs(a.x - b.x) < kSamePoint)
        return AcGePoint3d(a.x, p.y, 0.0);
    if (std::fabs(a.y - b.y) < kSamePoint)
        return AcGePoint3d(p.x, a.y, 0.0);
    const double k = GetSlope(a, b);
    const double x = (p.x + k * (p.y - a.y) + k * k * a.x) / (1.0 + k * k);
    return AcGePoint3d(x, k * (x - a.x) + a.y, 0.0);
}

int IsPointOnSegment(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b)
{
    if (std::max(a.x, b.x) + kSamePoint < p.x || std::min(a.x, b.x) - kSamePoint > p.x ||
        std::max(a.y, b.y) + kSamePoint < p.y || std::min(a.y, b.y) - kSamePoint > p.y)
        return 0;
    return CrossLength(p - a, b - a) < kOnSegmentArea ? 1 : 0;
}

int IsPointNearSegment(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b, double tolerance)
{
    return FootOrEndDistance(p, a, b) <= std::min(tolerance, kNearSegmentLimit) ? 1 : 0;
}

double GetPointSegmentDistance(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b)
{
    return FootOrEndDistance(p, a, b);
}

double GetSegmentDistance(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d)
{
    return std::min({FootOrEndDistance(a, c, d), FootOrEndDistance(b, c, d),
                     FootOrEndDistance(c, a, b), FootOrEndDistance(d, a, b)});
}

double GetPointArcDistance(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b, double a1, double a2,
                           AcGePoint3d center, double radius)
{
    const double m = std::min(GetDistance(p, a), GetDistance(p, b));
    if (IsSamePoint(p, center))
        return m;
    AcGeVector3d toP = p - center;
    toP.z = 0.0;
    AcGePoint3d nearest = center + Unit(toP) * radius;
    nearest.z = 0.0;
    if (IsPointOnArc(nearest, a1, a2, center, radius))
        return std::min(m, GetDistance(nearest, p));
    return m;
}

double GetBulgeFrom3Points(AcGePoint3d p0, AcGePoint3d p1, AcGePoint3d p2)
{
    const double angle = Unit(p0 - p1).angleTo(Unit(p2 - p1));
    if (std::fabs(angle) < kFlatAngle)
        return 0.0;
    const double bulge = std::tan((M_PI - angle) / 2.0);
    return GetTurnDirection(p0, p1, p2) == -1 ? -bulge : bulge;
}

double GetPolygonArea(const PointArray& points)
{
    if (points.isEmpty())
        return 0.0;
    double sum = 0.0;
    AcGePoint3d prev = points[points.length() - 1];
    for (int i = 0; i < points.length(); ++i) {
        const AcGePoint3d& cur = points[i];
        sum += prev.x * cur.y - prev.y * cur.x;
        prev = cur;
    }
    return sum / 2.0;
}
