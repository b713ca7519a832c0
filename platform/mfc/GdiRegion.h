// A region: a set of device pixels kept as rows of half-open spans, so that combining, testing and
// clipping are exact whatever the shapes that made it.
#pragma once

#include <utility>
#include <vector>

#include "win/WinTypes.h"

namespace qelt::gdi {

class Region {
public:
    using Span = std::pair<int, int>;  // [first, last) pixels of one row

    static Region FromRect(int left, int top, int right, int bottom);  // normalised
    // Pixels whose centres lie inside the polygons (fill mode ALTERNATE or WINDING).
    static Region FromPolygons(const POINT* points, const int* counts, int polygons, int fillMode);
    static Region FromRects(const std::vector<RECT>& rects);
    static Region Combine(const Region& a, const Region& b, int mode);  // RGN_AND … RGN_COPY

    bool IsEmpty() const { return m_rows.empty(); }
    bool Contains(int x, int y) const;
    RECT Box() const;                // all zero when empty
    int Complexity() const;          // NULLREGION, SIMPLEREGION or COMPLEXREGION
    void Offset(int dx, int dy);
    // Bands of identical rows as rectangles, top to bottom, left to right.
    std::vector<RECT> Rects() const;
    // The spans of row y (empty outside the region).
    const std::vector<Span>& Row(int y) const;
    bool operator==(const Region& other) const { return m_top == other.m_top && m_rows == other.m_rows; }

private:
    void Trim();

    int m_top = 0;
    std::vector<std::vector<Span>> m_rows;  // row m_top + i; no empty first or last row
};

}  // namespace qelt::gdi
