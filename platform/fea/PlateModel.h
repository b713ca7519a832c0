// The plate to analyse and the options of its analysis: plain values, lengths in mm.
//
// A polygon is closed: vertex i starts segment i, which runs to vertex i+1 (the last one back to
// vertex 0). A segment's bulge is tan(θ/4) of its arc's included angle θ, 0 for a straight segment,
// positive for an arc counter-clockwise from its start to its end.
#pragma once

#include <vector>

namespace qelt::fea {

enum class EdgeSupport { SimplySupported = 0, Fixed = 1, Free = 2 };

// The two load cases; a load belongs to one of them.
enum class LoadCase { Dead = 0, Live = 1 };
constexpr int kLoadCaseCount = 2;

struct Point2 {
    double x = 0.0, y = 0.0;
};

struct PolygonVertex {
    double x = 0.0, y = 0.0;
    double bulge = 0.0;  // of the segment that starts here
};

// A vertex of the slab's outline: the support of the segment that starts here, and whether a
// column (a point support) stands at the vertex.
struct OutlineVertex : PolygonVertex {
    EdgeSupport support = EdgeSupport::SimplySupported;
    bool column = false;
};

struct PointLoad {
    Point2 at;
    double value = 0.0;  // kN, along +w
    LoadCase loadCase = LoadCase::Dead;
};

// A local area load: a polygon with a value (kN/m²) at each vertex, interpolated between them
// (exactly linear when the vertex values lie in a plane).
struct AreaLoad {
    std::vector<PolygonVertex> polygon;
    std::vector<double> values;
    LoadCase loadCase = LoadCase::Dead;
};

// A line or trapezoid load along a straight segment, linear from value1 at start to value2 at
// end (kN/m).
struct LineLoad {
    Point2 start, end;
    double value1 = 0.0, value2 = 0.0;
    LoadCase loadCase = LoadCase::Dead;
};

struct Slab {
    std::vector<OutlineVertex> outline;           // counter-clockwise or clockwise
    std::vector<std::vector<PolygonVertex>> holes;
    std::vector<EdgeSupport> holeSupports;          // of every edge of hole h; free without an entry
    std::vector<PointLoad> pointLoads;
    std::vector<AreaLoad> areaLoads;
    std::vector<LineLoad> lineLoads;
    double uniformLoad[kLoadCaseCount] = {0.0, 0.0};  // kN/m² over the whole slab, per case
    double thickness = 100.0;                       // mm
    double elasticModulus = 2.80e4;                 // Ec, N/mm²
    double poisson = 0.2;
};

// How the mesh is made. rule 1: a free triangulation; 2: refined along a grid aligned with X and
// Y; 3: along a grid aligned with the bar direction.
struct MeshOptions {
    double elementSize = 500.0;  // mm, the target edge length
    int rule = 1;
    double barAngle = 0.0;       // degrees, for rule 3
};

}  // namespace qelt::fea
