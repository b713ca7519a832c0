// The value types of the sibling library's drawing interface: world points and rectangles in
// doubles, device points in ints. Their members are inline, defined below the classes.
#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

#include "mfc/base/Diagnostics.h"

class CIntPoint;

class CFloatPoint {
public:
    CFloatPoint();
    CFloatPoint(double dx, double dy);
    CFloatPoint(const CFloatPoint& other);
    CFloatPoint(const CIntPoint& point);
    CFloatPoint operator=(const CFloatPoint& other);  // returns a copy, as the original
    void Set(double dx, double dy);
    CFloatPoint operator+(const CFloatPoint& other) const;
    CFloatPoint operator-(const CFloatPoint& other) const;
    CFloatPoint& operator+=(const CFloatPoint& other);
    CFloatPoint& operator-=(const CFloatPoint& other);
    int operator!=(const CFloatPoint& other) const;  // exact comparison

    double x;
    double y;
};

class CIntPoint {
public:
    CIntPoint();  // leaves x and y unset
    CIntPoint(int nx, int ny);
    CIntPoint(const CIntPoint& other) = default;
    CIntPoint(const CFloatPoint& point);  // truncated toward zero
    CIntPoint operator+(CIntPoint other) const;
    CIntPoint operator-(CIntPoint other) const;
    CIntPoint operator*(int n) const;
    CIntPoint operator/(int n) const;  // toward zero; n = 0 gives (0, 0) and a misuse report
    CIntPoint& operator=(const CIntPoint& other);

    int x;
    int y;
};

// Width and height are absolute differences, so a rectangle need not be normalised.
class CFloatRect {
public:
    CFloatRect();
    CFloatRect(double l, double t, double r, double b);
    CFloatRect(const CFloatRect& other);
    CFloatRect(const CFloatPoint& a, const CFloatPoint& b);  // normalised: top is the smaller y
    void operator=(const CFloatRect& other);
    void SetRect(double l, double t, double r, double b);
    double Width() const;
    double Height() const;
    // Widens the rectangle to the point, taking top as the larger y (a y-up world rectangle).
    void Union(const CFloatPoint& point);

    double left;
    double top;
    double right;
    double bottom;
};

namespace qelt::sibling {

// A double truncated toward zero into an int; values beyond the range of int stop at its ends.
inline int Truncate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace qelt::sibling

// CFloatPoint

inline CFloatPoint::CFloatPoint() : x(0), y(0) {}
inline CFloatPoint::CFloatPoint(double dx, double dy) : x(dx), y(dy) {}
inline CFloatPoint::CFloatPoint(const CFloatPoint& other) : x(other.x), y(other.y) {}
inline CFloatPoint::CFloatPoint(const CIntPoint& point) : x(point.x), y(point.y) {}

inline CFloatPoint CFloatPoint::operator=(const CFloatPoint& other)
{
    x = other.x;
    y = other.y;
    return *this;
}

inline void CFloatPoint::Set(double dx, double dy)
{
    x = dx;
    y = dy;
}

inline CFloatPoint CFloatPoint::operator+(const CFloatPoint& other) const { return CFloatPoint(x + other.x, y + other.y); }
inline CFloatPoint CFloatPoint::operator-(const CFloatPoint& other) const { return CFloatPoint(x - other.x, y - other.y); }

inline CFloatPoint& CFloatPoint::operator+=(const CFloatPoint& other)
{
    x += other.x;
    y += other.y;
    return *this;
}

inline CFloatPoint& CFloatPoint::operator-=(const CFloatPoint& other)
{
    x -= other.x;
    y -= other.y;
    return *this;
}

inline int CFloatPoint::operator!=(const CFloatPoint& other) const { return x != other.x || y != other.y; }

// CIntPoint

inline CIntPoint::CIntPoint() {}
inline CIntPoint::CIntPoint(int nx, int ny) : x(nx), y(ny) {}
inline CIntPoint::CIntPoint(const CFloatPoint& point)
    : x(qelt::sibling::Truncate(point.x)), y(qelt::sibling::Truncate(point.y))
{
}

inline CIntPoint CIntPoint::operator+(CIntPoint other) const { return CIntPoint(x + other.x, y + other.y); }
inline CIntPoint CIntPoint::operator-(CIntPoint other) const { return CIntPoint(x - other.x, y - other.y); }
inline CIntPoint CIntPoint::operator*(int n) const { return CIntPoint(x * n, y * n); }

inline CIntPoint CIntPoint::operator/(int n) const
{
    if (n == 0) {
        qelt::ReportMisuse("CIntPoint: division by zero");
        return CIntPoint(0, 0);
    }
    return CIntPoint(x / n, y / n);
}

inline CIntPoint& CIntPoint::operator=(const CIntPoint& other)
{
    x = other.x;
    y = other.y;
    return *this;
}

// CFloatRect

inline CFloatRect::CFloatRect() : left(0), top(0), right(0), bottom(0) {}
inline CFloatRect::CFloatRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) {}
inline CFloatRect::CFloatRect(const CFloatRect& other)
    : left(other.left), top(other.top), right(other.right), bottom(other.bottom) {}

inline CFloatRect::CFloatRect(const CFloatPoint& a, const CFloatPoint& b)
    : left(std::min(a.x, b.x)), top(std::min(a.y, b.y)), right(std::max(a.x, b.x)), bottom(std::max(a.y, b.y))
{
}

inline void CFloatRect::operator=(const CFloatRect& other) { SetRect(other.left, other.top, other.right, other.bottom); }

inline void CFloatRect::SetRect(double l, double t, double r, double b)
{
    left = l;
    top = t;
    right = r;
    bottom = b;
}

inline double CFloatRect::Width() const { return std::fabs(right - left); }
inline double CFloatRect::Height() const { return std::fabs(bottom - top); }

inline void CFloatRect::Union(const CFloatPoint& point)
{
    left = std::min(left, point.x);
    right = std::max(right, point.x);
    top = std::max(top, point.y);
    bottom = std::min(bottom, point.y);
}
