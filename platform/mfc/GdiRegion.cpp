#include "mfc/GdiRegion.h"

#include <algorithm>
#include <cmath>

#include "win/WinGdi.h"

namespace qelt::gdi {

namespace {

const std::vector<Region::Span> kNoSpans;

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
    for (const Region::Span& s : spans)
        if (x >= s.first && x < s.second) return true;
    return false;
}

std::vector<Region::Span> CombineRow(const std::vector<Region::Span>& a, const std::vector<Region::Span>& b,
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

Region Region::FromRect(int left, int top, int right, int bottom) {
    Region r;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return r;
    r.m_top = top;
    r.m_rows.assign(bottom - top, {{left, right}});
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
    bool any = false;
    const POINT* p = points;
    for (int k = 0; k < polygons; ++k) {
        const int n = counts[k];
        for (int i = 0; i < n; ++i) {
            const POINT a = p[i], b = p[(i + 1) % n];
            if (!any) top = bottom = a.y, any = true;
            top = std::min<double>(top, a.y), bottom = std::max<double>(bottom, a.y);
            if (a.y == b.y) continue;
            if (a.y < b.y) edges.push_back({double(a.x), double(a.y), double(b.x), double(b.y), 1});
            else edges.push_back({double(b.x), double(b.y), double(a.x), double(a.y), -1});
        }
        p += n;
    }
    Region r;
    if (edges.empty()) return r;
    r.m_top = static_cast<int>(top);
    for (int y = r.m_top; y < static_cast<int>(bottom); ++y) {
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
            const int first = static_cast<int>(std::ceil(crossings[i].first - 0.5));
            const int last = static_cast<int>(std::ceil(crossings[i + 1].first - 0.5));
            if (first >= last) continue;
            if (!row.empty() && row.back().second >= first) row.back().second = std::max(row.back().second, last);
            else row.push_back({first, last});
        }
        r.m_rows.push_back(row);
    }
    r.Trim();
    return r;
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
    if (mode == RGN_COPY) return a;
    Region r;
    if (a.IsEmpty() && b.IsEmpty()) return r;
    const int top = a.IsEmpty() ? b.m_top : b.IsEmpty() ? a.m_top : std::min(a.m_top, b.m_top);
    const int bottom = std::max(a.IsEmpty() ? top : a.m_top + int(a.m_rows.size()),
                                b.IsEmpty() ? top : b.m_top + int(b.m_rows.size()));
    r.m_top = top;
    for (int y = top; y < bottom; ++y) r.m_rows.push_back(CombineRow(a.Row(y), b.Row(y), mode));
    r.Trim();
    return r;
}

void Region::Trim() {
    size_t first = 0;
    while (first < m_rows.size() && m_rows[first].empty()) ++first;
    size_t last = m_rows.size();
    while (last > first && m_rows[last - 1].empty()) --last;
    m_rows = std::vector<std::vector<Span>>(m_rows.begin() + first, m_rows.begin() + last);
    m_top = m_rows.empty() ? 0 : m_top + static_cast<int>(first);
}

const std::vector<Region::Span>& Region::Row(int y) const {
    if (y < m_top || y >= m_top + static_cast<int>(m_rows.size())) return kNoSpans;
    return m_rows[y - m_top];
}

bool Region::Contains(int x, int y) const { return Inside(Row(y), x); }

RECT Region::Box() const {
    if (m_rows.empty()) return RECT{0, 0, 0, 0};
    int left = m_rows[0].front().first, right = m_rows[0].back().second;
    for (const auto& row : m_rows)
        if (!row.empty()) left = std::min(left, row.front().first), right = std::max(right, row.back().second);
    return RECT{left, m_top, right, m_top + static_cast<long>(m_rows.size())};
}

int Region::Complexity() const {
    if (m_rows.empty()) return NULLREGION;
    for (const auto& row : m_rows)
        if (row != m_rows.front() || row.size() != 1) return COMPLEXREGION;
    return SIMPLEREGION;
}

void Region::Offset(int dx, int dy) {
    if (m_rows.empty()) return;
    m_top += dy;
    for (auto& row : m_rows)
        for (Span& s : row) s.first += dx, s.second += dx;
}

std::vector<RECT> Region::Rects() const {
    std::vector<RECT> out;
    size_t i = 0;
    while (i < m_rows.size()) {
        size_t j = i + 1;
        while (j < m_rows.size() && m_rows[j] == m_rows[i]) ++j;
        for (const Span& s : m_rows[i])
            out.push_back(RECT{s.first, m_top + static_cast<long>(i), s.second, m_top + static_cast<long>(j)});
        i = j;
    }
    return out;
}

}  // namespace qelt::gdi
