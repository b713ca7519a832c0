// The triangle mesh of a slab: a conforming constrained Delaunay triangulation of the outline less
// its holes, refined until no edge is longer than the element size and no angle is smaller than
// about 20.7° (where the outline's own angles allow). Outline and hole edges, line loads and the
// edges of local area loads are edges of the mesh; columns, point loads and the ends of line loads
// are nodes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "PlateModel.h"

namespace qelt::fea {

// What a constrained mesh edge lies on.
enum class EdgeSource { Outline, Hole, LineLoad, AreaLoad };

struct MeshEdge {
    int a = 0, b = 0;  // nodes
    EdgeSource source = EdgeSource::Outline;
    int index = 0;     // outline segment, hole, line load or area load
};

struct Mesh {
    std::vector<Point2> nodes;
    std::vector<std::array<int, 3>> triangles;  // counter-clockwise
    std::vector<MeshEdge> edges;                 // one entry per edge and what it lies on
    std::vector<int> outlineVertexNodes;         // the node at each outline vertex
    std::vector<int> pointLoadNodes;             // the node of each point load
    std::vector<std::vector<Point2>> areaLoadOutlines;  // each area load's polygon as meshed
    double minimumAngle = 0.0;                   // degrees, over all triangles
};

// Meshes the slab. False with a message when the geometry cannot be meshed (an outline that
// encloses no area, an element size that is not a positive number, a rule other than 1 to 3, a
// point load off the slab, nothing left to mesh).
bool MeshSlab(const Slab& slab, const MeshOptions& options, Mesh& mesh, std::string& message);

}  // namespace qelt::fea
