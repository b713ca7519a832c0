#include "mfc/gdi/GdiPath.h"

#include <algorithm>
#include <cmath>

namespace qelt::gdi {

void Bounds::Add(double x, double y) {
    if (empty) {
        left = right = x;
        top = bottom = y;
        empty = false;
        return;
    }
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
}

void Bounds::Add(const Bounds& other) {
    if (other.empty) return;
    Add(other.left, other.top);
    Add(other.right, other.bottom);
}

void Path::MoveTo(double x, double y) { m_segments.push_back({Op::Move, {x, 0, 0}, {y, 0, 0}}); }
void Path::LineTo(double x, double y) { m_segments.push_back({Op::Line, {x, 0, 0}, {y, 0, 0}}); }
void Path::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
    m_segments.push_back({Op::Curve, {x1, x2, x3}, {y1, y2, y3}});
}
void Path::Close() { m_segments.push_back({Op::Close, {0, 0, 0}, {0, 0, 0}}); }

void Path::Arc(double cx, double cy, double rx, double ry, double start, double sweep, bool connect) {
    // On the screen y grows downwards, so the counter-clockwise point at angle a is (cos a, -sin a).
    auto px = [&](double a) { return cx + rx * std::cos(a); };
    auto py = [&](double a) { return cy - ry * std::sin(a); };
    if (connect && !m_segments.empty()) LineTo(px(start), py(start));
    else MoveTo(px(start), py(start));
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (M_PI / 2) - 1e-9)));
    const double step = sweep / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < pieces; ++i) {
        const double a0 = start + i * step, a1 = a0 + step;
        // Derivative of the point with respect to the angle: (-rx sin a, -ry cos a).
        CurveTo(px(a0) - k * rx * std::sin(a0), py(a0) - k * ry * std::cos(a0),
                px(a1) + k * rx * std::sin(a1), py(a1) + k * ry * std::cos(a1), px(a1), py(a1));
    }
}

void Path::Polygon(const double* xy, int count, bool closed) {
    for (int i = 0; i < count; ++i) {
        if (i == 0) MoveTo(xy[0], xy[1]);
        else LineTo(xy[2 * i], xy[2 * i + 1]);
    }
    if (closed && count > 0) Close();
}

Bounds Path::Extent() const {
    Bounds bounds;
    for (const Segment& s : m_segments) {
        const int n = s.op == Op::Curve ? 3 : s.op == Op::Close ? 0 : 1;
        for (int i = 0; i < n; ++i) bounds.Add(s.x[i], s.y[i]);  // control points bound the curve
    }
    return bounds;
}

Path Path::Transformed(const Affine& affine) const {
    Path out;
    out.m_segments = m_segments;
    for (Segment& s : out.m_segments)
        for (int i = 0; i < 3; ++i) s.x[i] = affine.X(s.x[i]), s.y[i] = affine.Y(s.y[i]);
    return out;
}

double EllipseAngle(double cx, double cy, double rx, double ry, double px, double py) {
    if (rx <= 0 || ry <= 0) return std::atan2(cy - py, px - cx);
    return std::atan2((cy - py) / ry, (px - cx) / rx);
}

}  // namespace qelt::gdi
