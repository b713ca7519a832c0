// CLogRect: a rectangle in the logical units of a device context (pixels of a window or a bitmap).
#pragma once

#include "mfc/base/Geometry.h"

class CLogRect : public CRect {
public:
    CLogRect() = default;
    CLogRect(int l, int t, int r, int b) : CRect(l, t, r, b) {}
    CLogRect(const RECT& rect) : CRect(rect) {}
};
