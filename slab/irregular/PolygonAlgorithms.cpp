#include "slab/irregular/PolygonAlgorithms.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "slab/irregular/PlaneGeometry.h"

namespace {

const double kTol = 0.1;               // same point, near a segment, contact of circles
const double kVertical = 999999.0;     // a slope above it marks a vertical line
const double kParallel = 1e-5;         // slopes closer than this are parallel
const double kFlatTriangle = 1e-5;     // twice a triangle's area below it is no triangle
const double kMinAngle = 0.460766922526503;   // 26.4 degrees
const double kMaxAngle = 5.8224183846530835;  // 333.6 degrees
const double kMostSamples = 100000.0;  // the most points a walk along a polyline takes

struct Arc {
    AcGePoint3d c;
    double a1 = 0.0, a2 = 0.0, r = 0.0;
};

Arc ArcOf(AcGePoint3d p1, AcGePoint3d p2, double bulge)
{
    Arc arc;
    GetArcParameters(p1, p2, bulge, arc.c, arc.a1, arc.a2, arc.r);
    return arc;
}

AcGeVector3d Unit(AcGeVector3d v)
{
    v.z = 0.0;
    return v.normalize();
}

AcGeVector3d Turned(AcGeVector3d v, double angle)
{
    return v.rotateBy(angle, AcGeVector3d::kZAxis);
}

AcGePoint3d Flat(AcGePoint3d p)
{
    p.z = 0.0;
    return p;
}

// ((a - c) x (d - c)) . ((d - c) x (b - c)): not negative when a and b lie on different sides of the
// line cd, or on it.
double Straddle(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d)
{
    return (a - c).crossProduct(d - c).dotProduct((d - c).crossProduct(b - c));
}

bool OnArc(AcGePoint3d p, const Arc& arc)
{
    return IsPointOnArc(p, arc.a1, arc.a2, arc.c, arc.r) != 0;
}

bool HasPointOtherThan(const PointArray& points, AcGePoint3d e1, AcGePoint3d e2)
{
    for (int i = 0; i < points.length(); ++i) {
        if (!IsSamePoint(points[i], e1) && !IsSamePoint(points[i], e2))
            return true;
    }
    return false;
}

bool SegmentsOfCross(const CBoardPolyline& a, int i, const CBoardPolyline& b, int j)
{
    return SegmentsCross(a.GetPoint(i), a.GetPoint(i + 1), a.GetBulge(i), b.GetPoint(j), b.GetPoint(j + 1),
                         b.GetBulge(j)) != 0;
}

// The crossings, left of p, of the horizontal line through p with the arc segment a-b, counted by
// the half-open rule: a piece of the arc is crossed when exactly one of its ends lies strictly above
// the line. The arc is cut into pieces monotone in y at the circle's top and bottom.
int ArcCrossingsLeftOf(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b, double bulge)
{
    const Arc arc = ArcOf(a, b, bulge);
    double span = arc.a2 - arc.a1;
    if (span <= 0.0)
        span += 2.0 * M_PI;
    // The arc runs counter-clockwise from its start (a for a positive bulge, else b) to its end.
    const AcGePoint3d start = bulge > 0.0 ? a : b;
    const AcGePoint3d end = bulge > 0.0 ? b : a;
    double cuts[6];
    int count = 0;
    cuts[count++] = arc.a1;
    for (double extreme : {M_PI / 2.0, 3.0 * M_PI / 2.0, 5.0 * M_PI / 2.0, 7.0 * M_PI / 2.0}) {
        if (extreme > arc.a1 && extreme < arc.a1 + span)
            cuts[count++] = extreme;
    }
    std::sort(cuts + 1, cuts + count);
    cuts[count++] = arc.a1 + span;
    int crossings = 0;
    for (int k = 0; k + 1 < count; ++k) {
        const auto at = [&](int n) {
            if (n == 0)
                return start;
            if (n == count - 1)
                return end;
            return AcGePoint3d(arc.c.x + arc.r * std::cos(cuts[n]), arc.c.y + arc.r * std::sin(cuts[n]), 0.0);
        };
        const AcGePoint3d u = at(k), v = at(k + 1);
        if ((u.y > p.y) == (v.y > p.y))
            continue;
        const double dy = p.y - arc.c.y;
        const double half = std::sqrt(std::max(0.0, arc.r * arc.r - dy * dy));
        const double x = std::cos((cuts[k] + cuts[k + 1]) / 2.0) >= 0.0 ? arc.c.x + half : arc.c.x - half;
        if (x < p.x)
            ++crossings;
    }
    return crossings;
}

}  // namespace

PointArray GetLineLineIntersection(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d p4, int mode)
{
    PointArray result;
    const double k1 = GetSlope(p1, p2);
    const double k2 = GetSlope(p3, p4);
    const bool vertical1 = k1 > kVertical, vertical2 = k2 > kVertical;
    if ((vertical1 && vertical2) || std::fabs(k1 - k2) < kParallel)
        return result;
    double x, y;
    if (vertical1) {
        x = (p1.x + p2.x) / 2.0;
        y = k2 * (x - p3.x) + p3.y;
    } else if (vertical2) {
        x = (p3.x + p4.x) / 2.0;
        y = k1 * (x - p1.x) + p1.y;
    } else {
        x = (k1 * p1.x - p1.y - k2 * p3.x + p3.y) / (k1 - k2);
        y = k2 * (x - p3.x) + p3.y;
    }
    const AcGePoint3d point(x, y, 0.0);
    const double s1 = Straddle(p1, p2, p3, p4);
    const double s2 = Straddle(p3, p4, p1, p2);
    bool keep = false;
    switch (mode) {
    case 3: keep = true; break;
    case 0: keep = BoundingBoxesOverlap(p1, p2, p3, p4) && s1 >= 0.0 && s2 >= 0.0; break;
    case 1: keep = s2 >= 0.0; break;
    case 2: keep = s1 >= 0.0; break;
    default: break;
    }
    if (keep)
        result.append(point);
    return result;
}

int SegmentsIntersect(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d)
{
    return BoundingBoxesOverlap(a, b, c, d) && Straddle(a, b, c, d) >= 0.0 && Straddle(c, d, a, b) >= 0.0 ? 1 : 0;
}

PointArray GetLineArcIntersections(AcGePoint3d p1, AcGePoint3d p2, double a1, double a2, double r,
                                   AcGePoint3d c, int mode)
{
    PointArray result;
    if (IsSamePoint(p1, p2))
        return result;
    const AcGePoint3d foot = GetPerpendicularFoot(c, p1, p2);
    const double d = GetDistance(foot, c);
    if (d > r + kTol)
        return result;
    AcGePoint3d x1, x2;
    if (d < kTol) {
        x1 = Flat(c + Unit(p1 - p2) * r);
        x2 = Flat(c + Unit(p2 - p1) * r);
    } else {
        const double h = std::sqrt(std::fabs(r * r - d * d));
        const AcGeVector3d u = Unit(c - foot);
        x1 = Flat(foot + Turned(u, M_PI / 2.0) * h);
        x2 = Flat(foot + Turned(u, -M_PI / 2.0) * h);
    }
    const bool distinct = GetDistance(x1, x2) >= kTol;
    if (mode == 3) {
        result.append(x1);
        if (distinct)
            result.append(x2);
        return result;
    }
    const auto keep = [&](AcGePoint3d x) {
        switch (mode) {
        case 1: return IsPointOnArc(x, a1, a2, c, r) != 0;
        case 2: return IsPointOnSegment(x, p1, p2) != 0;
        default:
            return IsPointNearSegment(x, p1, p2, kTol) && IsPointOnArc(x, a1, a2, c, r);
        }
    };
    if (mode != 1 && mode != 2 && !IsPointOnSegment(x1, p1, p2) && !IsPointOnSegment(x2, p1, p2))
        return result;
    const bool keep1 = keep(x1), keep2 = keep(x2);
    if (keep1)
        result.append(x1);
    if (keep2 && !(keep1 && !distinct))
        result.append(x2);
    return result;
}

PointArray GetArcArcIntersections(const AcGePoint3d& c1, const double& a1, const double& a2, const double& r1,
                                  const AcGePoint3d& c2, const double& b1, const double& b2, const double& r2,
                                  int mode)
{
    PointArray result;
    const double d = GetDistance(c1, c2);
    if (d < kTol || d - kTol < std::fabs(r1 - r2) || d + kTol > r1 + r2)
        return result;
    const double a = (d * d + r1 * r1 - r2 * r2) / (2.0 * d);
    const double h2 = r1 * r1 - a * a;
    const AcGeVector3d w = Unit(c2 - c1);
    const AcGePoint3d m = Flat(c1 + w * a);
    const auto keep = [&](AcGePoint3d x) {
        const bool onFirst = IsPointOnArc(x, a1, a2, c1, r1) != 0;
        const bool onSecond = IsPointOnArc(x, b1, b2, c2, r2) != 0;
        switch (mode) {
        case 3: return true;
        case 0: return onFirst && onSecond;
        case 1: return onSecond;
        case 2: return onFirst;
        default: return false;
        }
    };
    if (std::fabs(h2) < kTol) {
        if (keep(m))
            result.append(m);
        return result;
    }
    const double h = std::sqrt(h2);
    for (const AcGePoint3d x : {Flat(m + Turned(w, M_PI / 2.0) * h), Flat(m + Turned(w, -M_PI / 2.0) * h)}) {
        if (keep(x))
            result.append(x);
    }
    return result;
}

int SegmentCrossesArc(AcGePoint3d p1, AcGePoint3d p2, double a1, double a2, double r, AcGePoint3d c)
{
    const double dA = GetDistance(c, p1), dB = GetDistance(c, p2);
    const AcGePoint3d foot = GetPerpendicularFoot(c, p1, p2);
    const double far = std::max(dA, dB);
    const double nearest = IsPointNearSegment(foot, p1, p2, kTol) ? GetDistance(foot, c) : std::min(dA, dB);
    if (far < r - kTol || nearest > r + kTol)
        return 0;
    return HasPointOtherThan(GetLineArcIntersections(p1, p2, a1, a2, r, c, 0), p1, p2) ? 1 : 0;
}

int ArcsCross(const AcGePoint3d& c1, const double& a1, const double& a2, const double& r1, const AcGePoint3d& c2,
              const double& b1, const double& b2, const double& r2, AcGePoint3d e1, AcGePoint3d e2)
{
    return HasPointOtherThan(GetArcArcIntersections(c1, a1, a2, r1, c2, b1, b2, r2, 0), e1, e2) ? 1 : 0;
}

int SegmentsCross(AcGePoint3d p1, AcGePoint3d p2, double bulge1, AcGePoint3d p3, AcGePoint3d p4, double bulge2)
{
    if (bulge1 == 0.0 && bulge2 == 0.0)
        return SegmentsIntersect(p1, p2, p3, p4);
    if (bulge1 != 0.0 && bulge2 != 0.0) {
        const Arc arc1 = ArcOf(p1, p2, bulge1), arc2 = ArcOf(p3, p4, bulge2);
        return ArcsCross(arc1.c, arc1.a1, arc1.a2, arc1.r, arc2.c, arc2.a1, arc2.a2, arc2.r, p1, p2);
    }
    if (bulge1 != 0.0) {
        const Arc arc = ArcOf(p1, p2, bulge1);
        return SegmentCrossesArc(p3, p4, arc.a1, arc.a2, arc.r, arc.c);
    }
    const Arc arc = ArcOf(p3, p4, bulge2);
    return SegmentCrossesArc(p1, p2, arc.a1, arc.a2, arc.r, arc.c);
}

double GetSegmentArcDistance(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d, double bulge)
{
    const Arc arc = ArcOf(c, d, bulge);
    const AcGePoint3d foot = GetPerpendicularFoot(arc.c, a, b);
    if (!IsSamePoint(foot, arc.c)) {
        const AcGePoint3d q = Flat(arc.c + Unit(foot - arc.c) * arc.r);
        // The circle's nearest point counts when it lies on the arc and the foot on the segment.
        if (OnArc(q, arc) && IsPointOnSegment(foot, a, b))
            return std::min({GetDistance(q, foot), GetPointSegmentDistance(c, a, b), GetPointSegmentDistance(d, a, b)});
    }
    return std::min(GetPointArcDistance(a, c, d, arc.a1, arc.a2, arc.c, arc.r),
                    GetPointArcDistance(b, c, d, arc.a1, arc.a2, arc.c, arc.r));
}

double GetArcArcCenterLineDistance(const AcGePoint3d& c1, const double& a1, const double& a2, const double& r1,
                                   const AcGePoint3d& c2, const double& b1, const double& b2,
                                   const double& r2)
{
    const PointArray l1 = GetLineArcIntersections(c1, c2, a1, a2, r1, c1, 1);
    const PointArray l2 = GetLineArcIntersections(c1, c2, b1, b2, r2, c2, 1);
    if (l1.isEmpty() || l2.isEmpty())
        return -1.0;
    double least = GetDistance(l1[0], l2[0]);
    for (int i = 0; i < l1.length(); ++i) {
        for (int j = 0; j < l2.length(); ++j)
            least = std::min(least, GetDistance(l1[i], l2[j]));
    }
    return least;
}

double GetArcArcDistance(AcGePoint3d p1, AcGePoint3d p2, double bulge1, AcGePoint3d p3, AcGePoint3d p4,
                         double bulge2)
{
    const Arc arc1 = ArcOf(p1, p2, bulge1), arc2 = ArcOf(p3, p4, bulge2);
    const double m = std::min({GetPointArcDistance(p1, p3, p4, arc2.a1, arc2.a2, arc2.c, arc2.r),
                               GetPointArcDistance(p2, p3, p4, arc2.a1, arc2.a2, arc2.c, arc2.r),
                               GetPointArcDistance(p3, p1, p2, arc1.a1, arc1.a2, arc1.c, arc1.r),
                               GetPointArcDistance(p4, p1, p2, arc1.a1, arc1.a2, arc1.c, arc1.r)});
    const double dc =
        GetArcArcCenterLineDistance(arc1.c, arc1.a1, arc1.a2, arc1.r, arc2.c, arc2.a1, arc2.a2, arc2.r);
    return dc > 0.0 && dc < m ? dc : m;
}

int GetPolylineExtents(const CBoardPolyline& poly, AcGePoint3d& lower, AcGePoint3d& upper)
{
    lower = upper = AcGePoint3d();
    const auto extend = [&](AcGePoint3d lo, AcGePoint3d hi) {
        lower.x = std::min(lower.x, lo.x);
        lower.y = std::min(lower.y, lo.y);
        upper.x = std::max(upper.x, hi.x);
        upper.y = std::max(upper.y, hi.y);
    };
    for (int i = 0; i < poly.GetCount(); ++i) {
        const AcGePoint3d p = Flat(poly.GetPoint(i));
        if (i == 0)
            lower = upper = p;
        else
            extend(p, p);
    }
    for (int i = 0; i < poly.GetCount(); ++i) {
        const double bulge = poly.GetBulge(i);
        if (bulge == 0.0)
            continue;
        AcGePoint3d hi, lo;
        GetArcExtents(poly.GetPoint(i), poly.GetPoint(i + 1), bulge, hi, lo);
        extend(lo, hi);
    }
    return 1;
}

PointArray SamplePolyline(const CBoardPolyline& poly, double step)
{
    PointArray points;
    AcGePoint3d p;
    // A far vertex makes the walk coarser, not longer; a length that is no number gives the
    // vertices alone.
    double length = 0.0;
    for (int i = 0; i < poly.GetCount(); ++i)
        length += std::fabs(poly.GetSegLength(i));
    if (!std::isfinite(length)) {
        for (int i = 0; i < poly.GetCount(); ++i)
            points.append(poly.GetPoint(i));
        return points;
    }
    step = std::max(step, length / kMostSamples);
    // A step that does not advance would never end the walk.
    if (step > 0.0) {
        for (int k = 0; poly.GetPointAtDistance(k * step, p); ++k)
            points.append(p);
    }
    if (poly.GetCount() > 0)
        points.append(poly.GetLastPoint());
    return points;
}

int GetPolygonOrientation(const CBoardPolyline& poly, int& orientation)
{
    if (poly.GetCount() < 2) {
        orientation = 0;
        return 0;
    }
    double step = poly.GetChordLength(0) / 3.0;
    if (step < 1.0)
        step = 1.0;
    orientation = GetPolygonArea(SamplePolyline(poly, step)) > 0.0 ? 1 : -1;
    return 1;
}

int GetPolygonCentroid(const CBoardPolyline& poly, AcGePoint3d& point)
{
    const int count = poly.GetCount();
    if (count < 2)
        return 0;
    const AcGePoint3d p0 = poly.GetPoint(0);
    double area = 0.0, mx = 0.0, my = 0.0;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        const AcGePoint3d pi = poly.GetPoint(i), pj = poly.GetPoint(i + 1);
        const double d = p0.x * pi.y - p0.y * pi.x + pi.x * pj.y - pi.y * pj.x + p0.y * pj.x - p0.x * pj.y;
        if (std::fabs(d) < kFlatTriangle)
            continue;
        any = true;
        area += d / 2.0;
        mx += d / 2.0 * (p0.x + pi.x + pj.x) / 3.0;
        my += d / 2.0 * (p0.y + pi.y + pj.y) / 3.0;
    }
    if (!any && count == 2) {
        point = GetMidPoint(poly.GetFirstPoint(), poly.GetLastPoint());
        return 1;
    }
    if (std::fabs(area) < kFlatTriangle) {
        point = Flat(p0);
        return 0;
    }
    point = AcGePoint3d(mx / area, my / area, 0.0);
    return 1;
}

int CheckPolylineAngles(const CBoardPolyline& poly)
{
    int orientation = 0;
    GetPolygonOrientation(poly, orientation);
    if (orientation == 0)
        return 0;
    const int count = poly.GetCount();
    for (int i = 0; i < count; ++i) {
        if (poly.GetBulge(i == 0 ? -1 : i - 1) != 0.0 || poly.GetBulge(i) != 0.0)
            continue;
        const AcGePoint3d before = poly.GetPoint(i == 0 ? -1 : i - 1);
        const AcGePoint3d after = poly.GetPoint(i + 1);
        const AcGePoint3d b = poly.GetPoint(i);
        const AcGePoint3d a = orientation == -1 ? before : after;
        const AcGePoint3d c = orientation == -1 ? after : before;
        AcGeVector3d ba = a - b, bc = c - b;
        ba.z = bc.z = 0.0;
        const double angle = ba.angleTo(bc, AcGeVector3d::kZAxis);
        if (angle < kMinAngle || angle > kMaxAngle)
            return 0;
    }
    return 1;
}

int PointInPolyline(AcGePoint3d p, const CBoardPolyline& poly)
{
    AcGePoint3d lower, upper;
    GetPolylineExtents(poly, lower, upper);
    if (p.x >= upper.x + kTol || p.x <= lower.x - kTol || p.y >= upper.y + kTol || p.y <= lower.y - kTol)
        return -1;
    const int count = poly.GetCount();
    int crossings = 0;
    for (int i = 0; i < count; ++i) {
        const AcGePoint3d a = poly.GetPoint(i), b = poly.GetPoint(i + 1);
        const double bulge = poly.GetBulge(i);
        if (bulge == 0.0) {
            if (IsPointNearSegment(p, a, b, kTol))
                return 1;
            // Half-open rule: the edge counts when exactly one end lies strictly above the ray, so a
            // ray through a vertex is counted once whatever the vertex's index.
            if ((a.y > p.y) != (b.y > p.y)) {
                const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
                if (x < p.x)
                    ++crossings;
            }
            continue;
        }
        const Arc arc = ArcOf(a, b, bulge);
        if (OnArc(p, arc))
            return 1;
        crossings += ArcCrossingsLeftOf(p, a, b, bulge);
    }
    return crossings % 2 == 1 ? 1 : -1;
}

int PolylineInsidePolyline(CBoardPolyline outer, CBoardPolyline inner)
{
    for (int i = 0; i < inner.GetCount(); ++i) {
        if (PointInPolyline(inner.GetPoint(i), outer) != 1)
            return 0;
    }
    for (int i = 0; i < inner.GetCount(); ++i) {
        if (inner.GetBulge(i) == 0.0)
            continue;
        for (int j = 0; j < outer.GetCount(); ++j) {
            if (SegmentsOfCross(inner, i, outer, j))
                return 0;
        }
    }
    return 1;
}

int PolylinesOverlap(const CBoardPolyline& a, const CBoardPolyline& b)
{
    for (int i = 0; i < b.GetCount(); ++i) {
        if (PointInPolyline(b.GetPoint(i), a) == 1)
            return 1;
    }
    for (int i = 0; i < a.GetCount(); ++i) {
        if (PointInPolyline(a.GetPoint(i), b) == 1)
            return 1;
    }
    for (int i = 0; i < a.GetCount(); ++i) {
        for (int j = 0; j < b.GetCount(); ++j) {
            if (SegmentsOfCross(a, i, b, j))
                return 1;
        }
    }
    return 0;
}

double GetPolylineDistance(const CBoardPolyline& a, const CBoardPolyline& b)
{
    if (a.GetCount() == 0 || b.GetCount() == 0)
        return 0.0;
    double least = 0.0;
    bool first = true;
    for (int i = 0; i < b.GetCount(); ++i) {
        const AcGePoint3d bi = b.GetPoint(i), bi1 = b.GetPoint(i + 1);
        const double bb = b.GetBulge(i);
        for (int j = 0; j < a.GetCount(); ++j) {
            const AcGePoint3d aj = a.GetPoint(j), aj1 = a.GetPoint(j + 1);
            const double ab = a.GetBulge(j);
            double d;
            if (bb != 0.0 && ab != 0.0)
                d = GetArcArcDistance(bi, bi1, bb, aj, aj1, ab);
            else if (bb == 0.0 && ab == 0.0)
                d = GetSegmentDistance(bi, bi1, aj, aj1);
            else if (bb != 0.0)
                d = GetSegmentArcDistance(aj, aj1, bi, bi1, bb);
            else
                d = GetSegmentArcDistance(bi, bi1, aj, aj1, ab);
            least = first ? d : std::min(least, d);
            first = false;
        }
    }
    return least;
}

int HolesOverlap(const CArray<CBoardPolyline, const CBoardPolyline&>& holes)
{
    for (int i = 0; i < holes.GetSize(); ++i) {
        for (int j = i + 1; j < holes.GetSize(); ++j) {
            if (PolylinesOverlap(holes[i], holes[j]))
                return 1;
        }
    }
    return 0;
}
