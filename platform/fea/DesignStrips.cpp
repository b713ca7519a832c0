#include "DesignStrips.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "Design.h"

namespace qelt::fea {

namespace {

const double kPi = 3.14159265358979323846;
// At most this many sections across the bars, so that a large slab at a fine mesh stays quick.
const double kMaximumSections = 4000.0;
// The width of the band across a corner's bisector over which its lines are averaged: the
// moment's peak at the corner's node is integrable along the bisector, but the elements next to it
// overstate it; a band of this width gives the same mean at 250 mm elements as at 125 mm.
const double kCornerBand = 400.0;

StripValues Blend(const StripValues& a, double wa, const StripValues& b, double wb) {
    return {wa * a.design + wb * b.design, wa * a.characteristic + wb * b.characteristic,
            wa * a.quasiPermanent + wb * b.quasiPermanent};
}

// A stretch of a line on which the values run linearly from `start` at `from` to `end` at `to`
// (positions along the line, mm).
struct Piece {
    double from, to;
    StripValues start, end;
    Point2 a, b;  // its ends in the plane
};

// A run of touching pieces in order: the integral of the values up to any position, exactly, as
// the values are linear on each piece.
class Run {
public:
    explicit Run(std::vector<Piece> pieces) : m_pieces(std::move(pieces)) {
        m_before.push_back({});
        for (const Piece& p : m_pieces)
            m_before.push_back(Blend(m_before.back(), 1.0, Blend(p.start, 0.5, p.end, 0.5), p.to - p.from));
    }
    double Begin() const { return m_pieces.front().from; }
    double End() const { return m_pieces.back().to; }

    // The integral from the run's beginning to t.
    StripValues Integral(double t) const {
        const std::size_t k = PieceAt(t);
        const Piece& p = m_pieces[k];
        const double length = p.to - p.from;
        const double f = length > 0.0 ? std::clamp((t - p.from) / length, 0.0, 1.0) : 0.0;
        const StripValues at = Blend(p.start, 1.0 - f, p.end, f);
        return Blend(m_before[k], 1.0, Blend(p.start, 0.5, at, 0.5), f * length);
    }
    // The design value at t (at a piece's end, that of the piece ending there).
    double DesignAt(double t) const {
        const Piece& p = m_pieces[PieceAt(t)];
        const double length = p.to - p.from;
        const double f = length > 0.0 ? std::clamp((t - p.from) / length, 0.0, 1.0) : 0.0;
        return (1.0 - f) * p.start.design + f * p.end.design;
    }
    Point2 PointAt(double t) const {
        const Piece& p = m_pieces[PieceAt(t)];
        const double length = p.to - p.from;
        const double f = length > 0.0 ? std::clamp((t - p.from) / length, 0.0, 1.0) : 0.0;
        return {p.a.x + f * (p.b.x - p.a.x), p.a.y + f * (p.b.y - p.a.y)};
    }
    const std::vector<Piece>& Pieces() const { return m_pieces; }

private:
    std::size_t PieceAt(double t) const {
        std::size_t low = 0, high = m_pieces.size() - 1;
        while (low < high) {
            const std::size_t middle = (low + high) / 2;
            if (m_pieces[middle].to < t) low = middle + 1;
            else high = middle;
        }
        return low;
    }

    std::vector<Piece> m_pieces;
    std::vector<StripValues> m_before;  // the integral up to each piece's start
};

// Over the windows of the strip's width on the run (the whole run where it is shorter), the one of
// the largest mean design value, when larger than the best so far. The mean of a window starting at
// t is smooth between the positions where a window's start or end meets a piece's end, and its
// derivative there, f(t + b) − f(t), is linear: so the largest mean lies at one of those positions
// or where that derivative is zero.
void LargestWindow(const Run& run, StripMean& best) {
    const double length = run.End() - run.Begin();
    const double width = std::min(kStripWidth, length);
    if (!(width > 0.0)) return;
    const double first = run.Begin(), last = run.End() - width;
    std::vector<double> starts{first, last};
    for (const Piece& p : run.Pieces())
        for (double t : {p.from, p.to, p.from - width, p.to - width})
            if (t > first && t < last) starts.push_back(t);
    std::sort(starts.begin(), starts.end());
    const std::size_t breaks = starts.size();
    for (std::size_t k = 0; k + 1 < breaks; ++k) {
        const double t0 = starts[k], t1 = starts[k + 1];
        if (t1 - t0 <= 0.0) continue;
        // The derivative from two points inside the interval, where it is one line.
        const double ta = t0 + 0.25 * (t1 - t0), tb = t0 + 0.75 * (t1 - t0);
        const double da = run.DesignAt(ta + width) - run.DesignAt(ta), db = run.DesignAt(tb + width) - run.DesignAt(tb);
        if (da != db) {
            const double root = ta - da * (tb - ta) / (db - da);
            if (root > t0 && root < t1) starts.push_back(root);
        }
    }
    for (double t : starts) {
        const StripValues mean = Blend(run.Integral(t + width), 1.0 / width, run.Integral(t), -1.0 / width);
        if (!best.found || mean.design > best.mean.design) {
            best.mean = mean, best.found = true;
            best.centre = run.PointAt(t + width / 2.0);
        }
    }
}

// The runs of a line's pieces: sorted, overlaps clipped, split where they do not touch.
void ForEachRun(std::vector<Piece>& pieces, double tolerance, StripMean& best) {
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.from < b.from; });
    std::vector<Piece> run;
    for (Piece p : pieces) {
        if (!run.empty() && p.from < run.back().to) {
            if (p.to <= run.back().to) continue;  // within one already there (a line along an element edge)
            const double f = (run.back().to - p.from) / (p.to - p.from);
            p.start = Blend(p.start, 1.0 - f, p.end, f);
            p.a = {p.a.x + f * (p.b.x - p.a.x), p.a.y + f * (p.b.y - p.a.y)};
            p.from = run.back().to;
        }
        if (!run.empty() && p.from > run.back().to + tolerance) {
            LargestWindow(Run(std::move(run)), best);
            run.clear();
        }
        run.push_back(p);
    }
    if (!run.empty()) LargestWindow(Run(std::move(run)), best);
}

// Where the line u = constant of the (u, v) frame crosses an element: the piece between its two
// crossings in order of v, with the values there and its ends in the plane (x = c·u − s·v,
// y = s·u + c·v). False when the line misses the element or only touches a corner.
bool CrossElement(const std::array<int, 3>& t, const std::vector<Point2>& uv, const std::vector<StripValues>& nodal,
                  double u, double c, double s, Piece& piece) {
    double v[2] = {0.0, 0.0};
    StripValues value[2];
    int found = 0;
    for (int k = 0; k < 3 && found < 2; ++k) {
        const int p = t[k], q = t[(k + 1) % 3];
        const double up = uv[p].x, uq = uv[q].x;
        if ((up - u) * (uq - u) > 0.0 || up == uq) continue;
        const double f = (u - up) / (uq - up);
        const double at = uv[p].y + f * (uv[q].y - uv[p].y);
        if (found == 1 && at == v[0]) continue;  // through a node: met by both its edges
        v[found] = at;
        value[found++] = Blend(nodal[p], 1.0 - f, nodal[q], f);
    }
    if (found < 2) return false;
    const int lo = v[0] <= v[1] ? 0 : 1, hi = 1 - lo;
    piece = {v[lo], v[hi], value[lo], value[hi], {c * u - s * v[lo], s * u + c * v[lo]}, {c * u - s * v[hi], s * u + c * v[hi]}};
    return true;
}

double MeanEdgeLength(const Mesh& mesh) {
    double length = 0.0;
    for (const auto& t : mesh.triangles)
        for (int k = 0; k < 3; ++k)
            length += std::hypot(mesh.nodes[t[(k + 1) % 3]].x - mesh.nodes[t[k]].x,
                                 mesh.nodes[t[(k + 1) % 3]].y - mesh.nodes[t[k]].y);
    return mesh.triangles.empty() ? kStripWidth : length / (3.0 * mesh.triangles.size());
}

}  // namespace

StripMean LargestBottomStrip(const Mesh& mesh, const std::vector<StripValues>& nodal, double barAngle) {
    StripMean best;
    if (mesh.triangles.empty()) return best;
    // u along the bars, v across them: the sections across the bars are the lines u = constant.
    const double c = std::cos(barAngle * kPi / 180.0), s = std::sin(barAngle * kPi / 180.0);
    std::vector<Point2> uv(mesh.nodes.size());
    double uMin = 1e300, uMax = -1e300;
    for (std::size_t n = 0; n < mesh.nodes.size(); ++n) {
        uv[n] = {c * mesh.nodes[n].x + s * mesh.nodes[n].y, -s * mesh.nodes[n].x + c * mesh.nodes[n].y};
        uMin = std::min(uMin, uv[n].x), uMax = std::max(uMax, uv[n].x);
    }
    // Sections a twentieth of the strip apart, and at most half an element's mean edge, midway
    // between multiples of the spacing so that they seldom run through a node.
    const double step = std::max(std::min(kStripWidth / 20.0, MeanEdgeLength(mesh) / 2.0), (uMax - uMin) / kMaximumSections);
    const int sections = static_cast<int>((uMax - uMin) / step) + 1;
    std::vector<std::vector<Piece>> pieces(sections);
    for (const auto& t : mesh.triangles) {
        const double low = std::min({uv[t[0]].x, uv[t[1]].x, uv[t[2]].x});
        const double high = std::max({uv[t[0]].x, uv[t[1]].x, uv[t[2]].x});
        for (int i = std::max(0, static_cast<int>(std::ceil((low - uMin) / step - 0.5))); i < sections; ++i) {
            const double u = uMin + (i + 0.5) * step;
            if (u > high) break;
            Piece piece;
            if (CrossElement(t, uv, nodal, u, c, s, piece)) pieces[i].push_back(piece);
        }
    }
    for (std::vector<Piece>& line : pieces) ForEachRun(line, 1e-9 * kStripWidth, best);
    return best;
}

StripMean CornerStrip(const Mesh& mesh, const std::vector<StripValues>& nodal, Point2 corner, Point2 direction) {
    StripMean best;
    // v along the bisector, u across it; the band's lines are u = constant, midway between
    // multiples of the spacing so that none runs through the corner's node.
    const double c = direction.y, s = -direction.x;
    std::vector<Point2> uv(mesh.nodes.size());
    for (std::size_t n = 0; n < mesh.nodes.size(); ++n)
        uv[n] = {c * mesh.nodes[n].x + s * mesh.nodes[n].y, -s * mesh.nodes[n].x + c * mesh.nodes[n].y};
    const double u0 = c * corner.x + s * corner.y, start = -s * corner.x + c * corner.y;
    const double tolerance = 1e-9 * kStripWidth;
    const int lines = static_cast<int>(std::ceil(kCornerBand / std::min(kStripWidth / 20.0, MeanEdgeLength(mesh) / 2.0)));
    const double step = kCornerBand / lines;
    StripValues sum;
    double length = 0.0;
    for (int i = 0; i < lines; ++i) {
        const double u = u0 - kCornerBand / 2.0 + (i + 0.5) * step;
        std::vector<Piece> pieces;
        for (const auto& t : mesh.triangles) {
            Piece piece;
            if (CrossElement(t, uv, nodal, u, c, s, piece) && piece.to > start) pieces.push_back(piece);
        }
        std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.from < b.from; });
        // The first run of touching pieces beyond the corner's section: the slab's part of the line
        // there, its first metre taken.
        std::vector<Piece> run;
        for (Piece p : pieces) {
            if (!run.empty() && p.from > run.back().to + tolerance) break;
            const double reached = run.empty() ? std::max(start, p.from) : run.back().to;
            if (p.to <= reached) continue;
            if (p.from < reached) {
                const double f = (reached - p.from) / (p.to - p.from);
                p.start = Blend(p.start, 1.0 - f, p.end, f);
                p.a = {p.a.x + f * (p.b.x - p.a.x), p.a.y + f * (p.b.y - p.a.y)};
                p.from = reached;
            }
            run.push_back(p);
        }
        if (run.empty()) continue;
        const Run line(std::move(run));
        const double width = std::min(kStripWidth, line.End() - line.Begin());
        sum = Blend(sum, 1.0, Blend(line.Integral(line.Begin() + width), 1.0, line.Integral(line.Begin()), -1.0), step);
        length += width * step;
    }
    if (!(length > 0.0)) return best;
    best.mean = Blend(sum, 1.0 / length, sum, 0.0);
    best.centre = {corner.x + direction.x * kStripWidth / 2.0, corner.y + direction.y * kStripWidth / 2.0};
    best.found = true;
    return best;
}

StripMean LargestEdgeStrip(const Mesh& mesh, const std::vector<MeshEdge>& edges,
                           const std::vector<std::pair<StripValues, StripValues>>& ends) {
    StripMean best;
    if (edges.empty()) return best;
    // The edges form a chain from one end of the segment to the other: start at an end.
    std::multimap<int, int> at;
    for (std::size_t e = 0; e < edges.size(); ++e) at.emplace(edges[e].a, int(e)), at.emplace(edges[e].b, int(e));
    int node = edges[0].a;
    for (const auto& [n, e] : at)
        if (at.count(n) == 1) {
            node = n;
            break;
        }
    std::vector<Piece> pieces;
    std::vector<char> used(edges.size(), 0);
    double along = 0.0;
    for (bool moved = true; moved;) {
        moved = false;
        const auto range = at.equal_range(node);
        for (auto it = range.first; it != range.second; ++it) {
            const int e = it->second;
            if (used[e]) continue;
            used[e] = 1;
            const bool forward = edges[e].a == node;
            const int next = forward ? edges[e].b : edges[e].a;
            const Point2 &p = mesh.nodes[node], &q = mesh.nodes[next];
            const double length = std::hypot(q.x - p.x, q.y - p.y);
            pieces.push_back({along, along + length, forward ? ends[e].first : ends[e].second,
                              forward ? ends[e].second : ends[e].first, p, q});
            along += length;
            node = next;
            moved = true;
            break;
        }
    }
    LargestWindow(Run(std::move(pieces)), best);
    return best;
}

}  // namespace qelt::fea
