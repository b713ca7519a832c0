// A region: a set of device pixels kept as bands of rows that share the same half-open spans, so
// that combining, testing and clipping are exact whatever the shapes that made it, and a huge
// rectangle costs no more than a small one.
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

    bool IsEmpty() const { return m_bands.empty(); }
    bool Contains(int x, int y) const;
    RECT Box() const;                // all zero when empty
    int Complexity() const;          // NULLREGION, SIMPLEREGION or COMPLEXREGION
    void Offset(int dx, int dy);
    // Bands of identical rows as rectangles, top to bottom, left to right.
    std::vector<RECT> Rects() const;
    // The spans of row y (empty outside the region).
    const std::vector<Span>& Row(int y) const;
    bool operator==(const Region& other) const { return m_bands == other.m_bands; }

private:
    struct Band {
        int top, bottom;  // rows [top, bottom)
        std::vector<Span> spans;
        bool operator==(const Band& other) const {
            return top == other.top && bottom == other.bottom && spans == other.spans;
        }
    };
    // Appends rows [top, bottom) with these spans, joining the band above when it is the same.
    void Append(int top, int bottom, std::vector<Span> spans);

    std::vector<Band> m_bands;  // top to bottom, none empty, neighbours differ or have a gap
};

}  // namespace qelt::gdi
