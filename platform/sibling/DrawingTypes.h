// The value types of the sibling library's drawing interface: world points and rectangles in
// doubles, device points in ints. Their members are the module's (controls/DrawingValueTypes.cpp),
// as in the original, where the module compiled and exported them.
#pragma once

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
