#include "Mesher.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <algorithm>
#include <cmath>

#include "Geometry.h"

namespace qelt::fea {

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase = CGAL::Triangulation_vertex_base_with_info_2<int, Kernel>;
using FaceBase = CGAL::Delaunay_mesh_face_base_2<Kernel>;
using Tds = CGAL::Triangulation_data_structure_2<VertexBase, FaceBase>;
using Cdt = CGAL::Constrained_Delaunay_triangulation_2<Kernel, Tds, CGAL::Exact_predicates_tag>;
using Criteria = CGAL::Delaunay_mesh_size_criteria_2<Cdt>;
using Mesher = CGAL::Delaunay_mesher_2<Cdt, Criteria>;
using CgalPoint = Kernel::Point_2;

const double kPi = 3.14159265358979323846;

// A chord of the input that mesh edges may lie on.
struct SourceChord {
    Point2 a, b;
    EdgeSource source;
    int index;
};

struct Domain {
    std::vector<Point2> outline;
    std::vector<std::vector<Point2>> holes;

    bool Contains(Point2 p) const {
        if (!PointInPolygon(outline, p)) return false;
        for (const auto& hole : holes)
            if (PointInPolygon(hole, p)) return false;
        return true;
    }
};

void AddPolygon(Cdt& cdt, const ChordPolygon& polygon, EdgeSource source, int index,
                std::vector<SourceChord>& chords) {
    const std::size_t n = polygon.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point2 a = polygon.points[i], b = polygon.points[(i + 1) % n];
        cdt.insert_constraint(CgalPoint(a.x, a.y), CgalPoint(b.x, b.y));
        const int segment = source == EdgeSource::Outline ? polygon.source[i] : index;
        chords.push_back({a, b, source, segment});
    }
}

// The polygon with each chord split into equal pieces no longer than the length.
ChordPolygon SplitChords(const ChordPolygon& polygon, double length) {
    ChordPolygon split;
    const std::size_t n = polygon.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point2 a = polygon.points[i], b = polygon.points[(i + 1) % n];
        const int pieces = std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / length)));
        for (int k = 0; k < pieces; ++k) {
            split.points.push_back({a.x + (b.x - a.x) * k / pieces, a.y + (b.y - a.y) * k / pieces});
            split.source.push_back(polygon.source[i]);
        }
    }
    return split;
}

// The smaller side of the polygon's bounding box.
double Width(const std::vector<Point2>& polygon) {
    double xMin = 1e300, xMax = -1e300, yMin = 1e300, yMax = -1e300;
    for (const Point2& p : polygon)
        xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x), yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
    return std::min(xMax - xMin, yMax - yMin);
}

// Grid points inside the domain, at least half a spacing from every chord, for rules 2 and 3.
void AddGrid(Cdt& cdt, const Domain& domain, const std::vector<SourceChord>& chords, double spacing,
             double angleDegrees) {
    const double c = std::cos(angleDegrees * kPi / 180.0), s = std::sin(angleDegrees * kPi / 180.0);
    // Bounds of the outline in the grid's axes.
    double uMin = 1e300, uMax = -1e300, vMin = 1e300, vMax = -1e300;
    for (const Point2& p : domain.outline) {
        const double u = c * p.x + s * p.y, v = -s * p.x + c * p.y;
        uMin = std::min(uMin, u), uMax = std::max(uMax, u);
        vMin = std::min(vMin, v), vMax = std::max(vMax, v);
    }
    std::vector<CgalPoint> points;
    for (double u = std::floor(uMin / spacing) * spacing; u <= uMax; u += spacing)
        for (double v = std::floor(vMin / spacing) * spacing; v <= vMax; v += spacing) {
            const Point2 p{c * u - s * v, s * u + c * v};
            if (!domain.Contains(p)) continue;
            const bool nearChord = std::any_of(chords.begin(), chords.end(), [&](const SourceChord& chord) {
                return DistanceToSegment(p, chord.a, chord.b) < 0.5 * spacing;
            });
            if (!nearChord) points.emplace_back(p.x, p.y);
        }
    cdt.insert(points.begin(), points.end());
}

// The smallest angle is the one opposite the shortest side.
double MinimumAngle(const Point2& a, const Point2& b, const Point2& c) {
    auto squared = [](const Point2& p, const Point2& q) { return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y); };
    const Point2* corners[3] = {&a, &b, &c};
    const double opposite[3] = {squared(b, c), squared(c, a), squared(a, b)};
    const int k = static_cast<int>(std::min_element(opposite, opposite + 3) - opposite);
    const Point2 &p = *corners[k], &q = *corners[(k + 1) % 3], &r = *corners[(k + 2) % 3];
    const double ux = q.x - p.x, uy = q.y - p.y, vx = r.x - p.x, vy = r.y - p.y;
    return std::atan2(std::fabs(ux * vy - uy * vx), ux * vx + uy * vy) * 180.0 / kPi;
}

}  // namespace

bool MeshSlab(const Slab& slab, const MeshOptions& options, Mesh& mesh, std::string& message) {
    mesh = Mesh();
    if (slab.outline.size() < 2) {
        message = "the outline has fewer than two vertices";
        return false;
    }
    if (!(options.elementSize > 0.0) || !std::isfinite(options.elementSize)) {
        message = "the element size is not a positive number";
        return false;
    }
    if (options.rule < 1 || options.rule > 3 || !std::isfinite(options.barAngle)) {
        message = "the meshing rule is not 1, 2 or 3, or the bar angle is not a number";
        return false;
    }
    const double size = options.elementSize;
    const double tolerance = size / 100.0;  // sagitta of an arc's chords

    Cdt cdt;
    std::vector<SourceChord> chords;
    Domain domain;

    const std::vector<PolygonVertex> outlinePolygon(slab.outline.begin(), slab.outline.end());
    const ChordPolygon outline = ToChords(outlinePolygon, size, tolerance);
    if (outline.points.size() < 3) {  // two vertices and no arc between them
        message = "the outline encloses no area";
        return false;
    }
    domain.outline = outline.points;
    AddPolygon(cdt, outline, EdgeSource::Outline, 0, chords);
    for (std::size_t h = 0; h < slab.holes.size(); ++h) {
        // Pieces of at most an eighth of the hole's width along its edges, so that the field beside
        // a hole of a few elements is resolved.
        const ChordPolygon arcs = ToChords(slab.holes[h], size, tolerance);
        const ChordPolygon hole = SplitChords(arcs, std::min(size, Width(arcs.points) / 8.0));
        domain.holes.push_back(hole.points);
        AddPolygon(cdt, hole, EdgeSource::Hole, static_cast<int>(h), chords);
    }
    std::vector<std::vector<Point2>> areaLoadOutlines;
    for (std::size_t i = 0; i < slab.areaLoads.size(); ++i) {
        const ChordPolygon polygon = ToChords(slab.areaLoads[i].polygon, size, tolerance);
        areaLoadOutlines.push_back(polygon.points);
        AddPolygon(cdt, polygon, EdgeSource::AreaLoad, static_cast<int>(i), chords);
    }
    for (std::size_t i = 0; i < slab.lineLoads.size(); ++i) {
        const LineLoad& load = slab.lineLoads[i];
        cdt.insert_constraint(CgalPoint(load.start.x, load.start.y), CgalPoint(load.end.x, load.end.y));
        chords.push_back({load.start, load.end, EdgeSource::LineLoad, static_cast<int>(i)});
    }
    std::vector<Cdt::Vertex_handle> outlineVertices, pointLoadVertices;
    for (const OutlineVertex& v : slab.outline) outlineVertices.push_back(cdt.insert(CgalPoint(v.x, v.y)));
    for (const PointLoad& load : slab.pointLoads)
        pointLoadVertices.push_back(cdt.insert(CgalPoint(load.at.x, load.at.y)));
    if (options.rule == 2 || options.rule == 3)
        AddGrid(cdt, domain, chords, size, options.rule == 3 ? options.barAngle : 0.0);

    for (auto face = cdt.finite_faces_begin(); face != cdt.finite_faces_end(); ++face) {
        const CgalPoint centre = CGAL::centroid(face->vertex(0)->point(), face->vertex(1)->point(),
                                                face->vertex(2)->point());
        face->set_in_domain(domain.Contains({centre.x(), centre.y()}));
    }
    Mesher mesher(cdt, Criteria(0.125, size));
    mesher.init(true);
    mesher.refine_mesh();

    // Nodes: the vertices of faces in the domain.
    for (auto vertex = cdt.all_vertices_begin(); vertex != cdt.all_vertices_end(); ++vertex) vertex->info() = -1;
    mesh.nodes.reserve(cdt.number_of_vertices());
    mesh.triangles.reserve(cdt.number_of_faces());
    double minimumAngle = 180.0;
    for (auto face = cdt.finite_faces_begin(); face != cdt.finite_faces_end(); ++face) {
        if (!face->is_in_domain()) continue;
        std::array<int, 3> triangle;
        for (int k = 0; k < 3; ++k) {
            auto vertex = face->vertex(k);
            if (vertex->info() < 0) {
                vertex->info() = static_cast<int>(mesh.nodes.size());
                mesh.nodes.push_back({vertex->point().x(), vertex->point().y()});
            }
            triangle[k] = vertex->info();
        }
        mesh.triangles.push_back(triangle);  // CGAL's faces are counter-clockwise
        minimumAngle = std::min(minimumAngle, MinimumAngle(mesh.nodes[triangle[0]], mesh.nodes[triangle[1]],
                                                           mesh.nodes[triangle[2]]));
    }
    if (mesh.triangles.empty()) {
        message = "nothing of the slab is left to mesh";
        return false;
    }
    mesh.minimumAngle = minimumAngle;
    mesh.areaLoadOutlines = std::move(areaLoadOutlines);
    for (const auto& vertex : outlineVertices) mesh.outlineVertexNodes.push_back(vertex->info());
    for (std::size_t i = 0; i < pointLoadVertices.size(); ++i) {
        const int node = pointLoadVertices[i]->info();
        if (node < 0) {
            message = "a point load lies off the slab";
            return false;
        }
        mesh.pointLoadNodes.push_back(node);
    }

    // Constrained edges of the domain and the input chords they lie on.
    const double near = 1e-6 * size;
    for (auto edge = cdt.finite_edges_begin(); edge != cdt.finite_edges_end(); ++edge) {
        const auto face = edge->first;
        const int i = edge->second;
        if (!face->is_constrained(i)) continue;
        const auto other = face->neighbor(i);
        if (!face->is_in_domain() && (cdt.is_infinite(other) || !other->is_in_domain())) continue;
        const int a = face->vertex(Cdt::cw(i))->info(), b = face->vertex(Cdt::ccw(i))->info();
        for (const SourceChord& chord : chords)
            if (DistanceToSegment(mesh.nodes[a], chord.a, chord.b) <= near &&
                DistanceToSegment(mesh.nodes[b], chord.a, chord.b) <= near)
                mesh.edges.push_back({a, b, chord.source, chord.index});
    }
    return true;
}

}  // namespace qelt::fea
