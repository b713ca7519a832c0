#include "mfc/gdi/GdiRegion.h"

#include <algorithm>
#include <cmath>

#include "win/WinGdi.h"

namespace qelt::gdi {

namespace {

const std::vector<Region::Span> kNoSpans;

// Polygons are scanned row by row within this many pixels of the origin.
constexpr int kPolygonLimit = 1 << 16;

bool Keep(int mode, bool inA, bool inB) {
    switch (mode) {
    case RGN_AND: return inA && inB;
    case RGN_OR: return inA || inB;
    case RGN_XOR: return inA != inB;
    case RGN_DIFF: return inA && !inB;
    default: return inA;  // RGN_COPY
    }
}

bool Inside(const std::vector<Region::Span>& spans, int x) {
    auto it = std::upper_bound(spans.begin(), spans.end(), x,
                               [](int value, const Region::Span& s) { return value < s.second; });
    return it != spans.end() && x >= it->first;
}

std::vector<Region::Span> CombineSpans(const std::vector<Region::Span>& a, const std::vector<Region::Span>& b,
                                       int mode) {
    std::vector<int> edges;
    for (const auto& s : a) edges.push_back(s.first), edges.push_back(s.second);
    for (const auto& s : b) edges.push_back(s.first), edges.push_back(s.second);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<Region::Span> out;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        if (!Keep(mode, Inside(a, edges[i]), Inside(b, edges[i]))) continue;
        if (!out.empty() && out.back().second == edges[i]) out.back().second = edges[i + 1];
        else out.push_back({edges[i], edges[i + 1]});
    }
    return out;
}

}  // namespace

void Region::Append(int top, int bottom, std::vector<Span> spans) {
    if (top >= bottom || spans.empty()) return;
    if (!m_bands.empty() && m_bands.back().bottom == top && m_bands.back().spans == spans) {
        m_bands.back().bottom = bottom;
        return;
    }
    m_bands.push_back(Band{top, bottom, std::move(spans)});
}

Region Region::FromRect(int left, int top, int right, int bottom) {
    Region r;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left < right) r.Append(top, bottom, {{left, right}});
    return r;
}

Region Region::FromRects(const std::vector<RECT>& rects) {
    Region out;
    for (const RECT& rc : rects)
        out = Combine(out, FromRect(rc.left, rc.top, rc.right, rc.bottom), RGN_OR);
    return out;
}

Region Region::FromPolygons(const POINT* points, const int* counts, int polygons, int fillMode) {
    struct Edge {
        double x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    double top = 0, bottom = 0;
    const POINT* p = points;
    for (int k = 0; k < polygons; ++k) {
        const int n = counts[k];
        for (int i = 0; i < n; ++i) {
            const POINT a = p[i], b = p[(i + 1) % n];
            if (edges.empty() && i == 0 && k == 0) top = bottom = a.y;
            top = std::min<double>(top, a.y), bottom = std::max<double>(bottom, a.y);
            if (a.y == b.y) continue;
            if (a.y < b.y) edges.push_back({double(a.x), double(a.y), double(b.x), double(b.y), 1});
            else edges.push_back({double(b.x), double(b.y), double(a.x), double(a.y), -1});
        }
        p += n;
    }
    Region r;
    if (edges.empty()) return r;
    const int first = static_cast<int>(std::max<double>(top, -kPolygonLimit));
    const int last = static_cast<int>(std::min<double>(bottom, kPolygonLimit));
    for (int y = first; y < last; ++y) {
        const double yc = y + 0.5;
        std::vector<std::pair<double, int>> crossings;
        for (const Edge& e : edges)
            if (yc >= e.y0 && yc < e.y1)
                crossings.push_back({e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
        std::sort(crossings.begin(), crossings.end());
        std::vector<Span> row;
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            const bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
            if (!inside) continue;
            // Pixel x is inside when its centre x + 0.5 lies in [xa, xb).
            const double xa = std::clamp(crossings[i].first, -double(kPolygonLimit), double(kPolygonLimit));
            const double xb = std::clamp(crossings[i + 1].first, -double(kPolygonLimit), double(kPolygonLimit));
            const int from = static_cast<int>(std::ceil(xa - 0.5)), to = static_cast<int>(std::ceil(xb - 0.5));
            if (from >= to) continue;
            if (!row.empty() && row.back().second >= from) row.back().second = std::max(row.back().second, to);
            else row.push_back({from, to});
        }
        r.Append(y, y + 1, std::move(row));
    }
    return r;
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
    if (mode == RGN_COPY) return a;
    std::vector<int> edges;
    for (const Band& band : a.m_bands) edges.push_back(band.top), edges.push_back(band.bottom);
    for (const Band& band : b.m_bands) edges.push_back(band.top), edges.push_back(band.bottom);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    Region r;
    for (size_t i = 0; i + 1 < edges.size(); ++i)
        r.Append(edges[i], edges[i + 1], CombineSpans(a.Row(edges[i]), b.Row(edges[i]), mode));
    return r;
}

const std::vector<Region::Span>& Region::Row(int y) const {
    auto it = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                               [](int value, const Band& band) { return value < band.bottom; });
    return it != m_bands.end() && y >= it->top ? it->spans : kNoSpans;
}

bool Region::Contains(int x, int y) const { return Inside(Row(y), x); }

RECT Region::Box() const {
    if (m_bands.empty()) return RECT{0, 0, 0, 0};
    int left = m_bands[0].spans.front().first, right = m_bands[0].spans.back().second;
    for (const Band& band : m_bands)
        left = std::min(left, band.spans.front().first), right = std::max(right, band.spans.back().second);
    return RECT{left, m_bands.front().top, right, m_bands.back().bottom};
}

int Region::Complexity() const {
    if (m_bands.empty()) return NULLREGION;
    return m_bands.size() == 1 && m_bands[0].spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void Region::Offset(int dx, int dy) {
    for (Band& band : m_bands) {
        band.top += dy, band.bottom += dy;
        for (Span& s : band.spans) s.first += dx, s.second += dx;
    }
}

std::vector<RECT> Region::Rects() const {
    std::vector<RECT> out;
    for (const Band& band : m_bands)
        for (const Span& s : band.spans) out.push_back(RECT{s.first, band.top, s.second, band.bottom});
    return out;
}

}  // namespace qelt::gdi
