// Test fixture: a memory DC drawing into a colour bitmap filled with a background colour, and the
// box of the pixels that differ from it.
#pragma once

#include <ostream>

#include "mfc/gdi/DC.h"

// Failure messages show rectangles, points and sizes by their values.
static inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
static inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
static inline void PrintTo(const CSize& s, std::ostream* os) { *os << "(" << s.cx << " x " << s.cy << ")"; }

class GdiCanvas {
public:
    GdiCanvas(int width, int height, COLORREF background = RGB(255, 255, 255))
        : m_width(width), m_height(height), m_background(background) {
        CDC screen;
        screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
        m_bitmap.CreateCompatibleBitmap(&screen, width, height);
        dc.CreateCompatibleDC(&screen);
        m_old = dc.SelectObject(&m_bitmap);
        dc.FillSolidRect(0, 0, width, height, background);
        dc.SetBkColor(RGB(255, 255, 255));
    }
    ~GdiCanvas() { dc.SelectObject(m_old); }

    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    CBitmap& Bitmap() { return m_bitmap; }

    // The smallest rectangle holding every pixel that is not the background (empty when none).
    CRect Ink() const {
        CRect box(m_width, m_height, 0, 0);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) != m_background) {
                    box.left = std::min<long>(box.left, x), box.top = std::min<long>(box.top, y);
                    box.right = std::max<long>(box.right, x + 1), box.bottom = std::max<long>(box.bottom, y + 1);
                }
        return box.IsRectEmpty() ? CRect() : box;
    }

    CDC dc;

private:
    int m_width, m_height;
    COLORREF m_background;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};
