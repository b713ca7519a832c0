// CWorRect: a rectangle in world units (doubles), y upwards: top lies above bottom.
#pragma once

class CWorRect {
public:
    CWorRect() = default;
    CWorRect(double dLeft, double dBottom, double dRight, double dTop)
        : left(dLeft), bottom(dBottom), right(dRight), top(dTop) {}

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }

    double left = 0, bottom = 0, right = 0, top = 0;
};
