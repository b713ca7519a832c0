// A drawing's outline in device space: the moves, lines and cubic curves that GDI shapes turn into.
// Coordinates are GDI pixel coordinates (pixel x covers x .. x + 1); the painter decides how they meet
// the pixel grid.
#pragma once

#include <vector>

namespace qelt::gdi {

// Scale then translate: what maps one device space onto another (metafile playback).
struct Affine {
    double sx = 1, sy = 1, tx = 0, ty = 0;
    double X(double x) const { return x * sx + tx; }
    double Y(double y) const { return y * sy + ty; }
};

struct Bounds {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
    void Add(double x, double y);
    void Add(const Bounds& other);
};

class Path {
public:
    enum class Op { Move, Line, Curve, Close };
    struct Segment {
        Op op;
        double x[3];
        double y[3];
    };

    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    void Close();

    // A counter-clockwise (as seen on the screen, y down) arc of the ellipse centred at (cx, cy) from
    // the parameter angle start through sweep radians; joins the path with a line unless it is empty
    // or connect is false (then it begins a new figure).
    void Arc(double cx, double cy, double rx, double ry, double start, double sweep, bool connect);

    void Polygon(const double* xy, int count, bool closed);

    const std::vector<Segment>& Segments() const { return m_segments; }
    bool IsEmpty() const { return m_segments.empty(); }
    Bounds Extent() const;
    Path Transformed(const Affine& affine) const;

private:
    std::vector<Segment> m_segments;
};

// The parameter angle of the point where the ray from the ellipse's centre through (px, py) meets it.
double EllipseAngle(double cx, double cy, double rx, double ry, double px, double py);

}  // namespace qelt::gdi
