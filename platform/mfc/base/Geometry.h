// CPoint, CSize and CRect: the class library's wrappers of POINT, SIZE and RECT, in device units.
#pragma once

#include <algorithm>

#include "win/WinTypes.h"

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int x, int y) : SIZE{x, y} {}
    CSize(SIZE size) : SIZE(size) {}

    BOOL operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
    BOOL operator!=(SIZE other) const { return !(*this == other); }
    CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    void operator+=(SIZE other) { cx += other.cx, cy += other.cy; }
    void operator-=(SIZE other) { cx -= other.cx, cy -= other.cy; }
};

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x, int y) : POINT{x, y} {}
    CPoint(POINT point) : POINT(point) {}
    CPoint(SIZE size) : POINT{size.cx, size.cy} {}

    void Offset(int dx, int dy) { x += dx, y += dy; }
    void Offset(POINT by) { Offset(by.x, by.y); }
    void Offset(SIZE by) { Offset(by.cx, by.cy); }
    void SetPoint(int newX, int newY) { x = newX, y = newY; }

    BOOL operator==(POINT other) const { return x == other.x && y == other.y; }
    BOOL operator!=(POINT other) const { return !(*this == other); }
    void operator+=(SIZE by) { Offset(by); }
    void operator-=(SIZE by) { Offset(-by.cx, -by.cy); }
    void operator+=(POINT by) { Offset(by); }
    void operator-=(POINT by) { Offset(-by.x, -by.y); }
    CPoint operator+(SIZE by) const { return CPoint(x + by.cx, y + by.cy); }
    CPoint operator-(SIZE by) const { return CPoint(x - by.cx, y - by.cy); }
    CPoint operator+(POINT by) const { return CPoint(x + by.x, y + by.y); }
    CSize operator-(POINT other) const { return CSize(x - other.x, y - other.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}
    CRect(LPCRECT rect) : RECT(*rect) {}
    CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Right and bottom edges are outside, as on the platform.
    BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT source) { *static_cast<RECT*>(this) = *source; }
    BOOL EqualRect(LPCRECT other) const {
        return left == other->left && top == other->top && right == other->right && bottom == other->bottom;
    }

    void InflateRect(int dx, int dy) { left -= dx, top -= dy, right += dx, bottom += dy; }
    void InflateRect(SIZE by) { InflateRect(by.cx, by.cy); }
    void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    void InflateRect(LPCRECT by) { InflateRect(by->left, by->top, by->right, by->bottom); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE by) { InflateRect(-by.cx, -by.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(LPCRECT by) { DeflateRect(by->left, by->top, by->right, by->bottom); }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    void OffsetRect(POINT by) { OffsetRect(by.x, by.y); }
    void OffsetRect(SIZE by) { OffsetRect(by.cx, by.cy); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    void MoveToX(int x) { OffsetRect(x - left, 0); }
    void MoveToY(int y) { OffsetRect(0, y - top); }

    void NormalizeRect() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }

    // Both return FALSE and leave an empty rectangle when the result is empty.
    BOOL IntersectRect(LPCRECT a, LPCRECT b) {
        SetRect(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        return TRUE;
    }
    BOOL UnionRect(LPCRECT a, LPCRECT b) {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty()) *this = rb;
        else if (rb.IsRectEmpty()) *this = ra;
        else SetRect(std::min(ra.left, rb.left), std::min(ra.top, rb.top), std::max(ra.right, rb.right),
                     std::max(ra.bottom, rb.bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        return TRUE;
    }

    BOOL operator==(const RECT& other) const { return EqualRect(&other); }
    BOOL operator!=(const RECT& other) const { return !EqualRect(&other); }
    void operator+=(POINT by) { OffsetRect(by); }
    void operator-=(POINT by) { OffsetRect(-by.x, -by.y); }
    CRect operator+(POINT by) const { CRect r(*this); r.OffsetRect(by); return r; }
    CRect operator-(POINT by) const { CRect r(*this); r.OffsetRect(-by.x, -by.y); return r; }
    CRect operator&(const RECT& other) const { CRect r; r.IntersectRect(this, &other); return r; }
    CRect operator|(const RECT& other) const { CRect r; r.UnionRect(this, &other); return r; }
};
