#include "Geometry.h"

#include <algorithm>
#include <cmath>

namespace qelt::fea {

namespace {

double Distance(Point2 a, Point2 b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Appends the chords of one arc from a to b (a itself included, b left to the next segment).
void AppendArc(Point2 a, Point2 b, double bulge, double maxChord, double tolerance,
               std::vector<Point2>& points) {
    const double chord = Distance(a, b);
    const double theta = 4.0 * std::atan(bulge);  // included angle, signed
    const double radius = chord / (2.0 * std::sin(std::fabs(theta) / 2.0));
    // Centre: from the chord's midpoint along its left normal (for a positive bulge) by
    // d = radius·cos(θ/2), which is negative past a half circle.
    const double d = radius * std::cos(theta / 2.0) * (theta > 0 ? 1.0 : -1.0);
    const Point2 mid{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
    const Point2 normal{-(b.y - a.y) / chord, (b.x - a.x) / chord};
    const Point2 centre{mid.x + d * normal.x, mid.y + d * normal.y};

    // Largest piece angle φ with chord 2R·sin(φ/2) ≤ maxChord and sagitta R(1 − cos(φ/2)) ≤ tolerance.
    double phi = std::fabs(theta);
    if (maxChord < 2.0 * radius) phi = std::min(phi, 2.0 * std::asin(maxChord / (2.0 * radius)));
    if (tolerance < radius) phi = std::min(phi, 2.0 * std::acos(1.0 - tolerance / radius));
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(theta) / phi - 1e-9)));
    const double start = std::atan2(a.y - centre.y, a.x - centre.x);
    points.push_back(a);
    for (int k = 1; k < pieces; ++k) {
        const double angle = start + theta * k / pieces;
        points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
}

}  // namespace

ChordPolygon ToChords(const std::vector<PolygonVertex>& polygon, double maxChord, double tolerance) {
    ChordPolygon result;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point2 a{polygon[i].x, polygon[i].y};
        const Point2 b{polygon[(i + 1) % n].x, polygon[(i + 1) % n].y};
        std::vector<Point2> piece;
        if (polygon[i].bulge != 0.0 && Distance(a, b) > 1e-9)
            AppendArc(a, b, polygon[i].bulge, maxChord, tolerance, piece);
        else
            piece.push_back(a);
        for (const Point2& p : piece) {
            if (!result.points.empty() && Distance(result.points.back(), p) <= 1e-9) continue;
            result.points.push_back(p);
            result.source.push_back(static_cast<int>(i));
        }
    }
    while (result.points.size() > 1 && Distance(result.points.back(), result.points.front()) <= 1e-9) {
        result.points.pop_back();
        result.source.pop_back();
    }
    return result;
}

double SignedDoubleArea(const std::vector<Point2>& polygon) {
    double sum = 0.0;
    for (std::size_t i = 0, n = polygon.size(); i < n; ++i) {
        const Point2& a = polygon[i];
        const Point2& b = polygon[(i + 1) % n];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

bool PointInPolygon(const std::vector<Point2>& polygon, Point2 p) {
    bool inside = false;
    for (std::size_t i = 0, n = polygon.size(), j = n - 1; i < n; j = i++) {
        const Point2& a = polygon[i];
        const Point2& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double DistanceToSegment(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return Distance(p, {a.x + t * dx, a.y + t * dy});
}

std::vector<double> InterpolationWeights(const std::vector<Point2>& polygon, Point2 p) {
    const std::size_t n = polygon.size();
    std::vector<double> weights(n, 0.0);
    std::vector<double> r(n), tanHalf(n);
    for (std::size_t i = 0; i < n; ++i) {
        r[i] = Distance(p, polygon[i]);
        if (r[i] < 1e-12) {  // at a vertex
            weights[i] = 1.0;
            return weights;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double ax = polygon[i].x - p.x, ay = polygon[i].y - p.y;
        const double bx = polygon[j].x - p.x, by = polygon[j].y - p.y;
        const double cross = ax * by - ay * bx, dot = ax * bx + ay * by;
        if (std::fabs(cross) < 1e-12 * r[i] * r[j] && dot < 0.0) {  // on the edge i–j
            weights[i] = r[j] / (r[i] + r[j]);
            weights[j] = r[i] / (r[i] + r[j]);
            return weights;
        }
        // tan(α/2) of the angle α the edge subtends at p.
        tanHalf[i] = cross / (r[i] * r[j] + dot);
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t before = (i + n - 1) % n;
        weights[i] = (tanHalf[before] + tanHalf[i]) / r[i];
        sum += weights[i];
    }
    for (double& w : weights) w /= sum;
    return weights;
}

}  // namespace qelt::fea
