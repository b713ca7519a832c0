// Slabs for the tests: rectangles and circles with one support on every edge.
#pragma once

#include <cmath>
#include <vector>

#include "fea/PlateModel.h"

namespace fea_test {

using namespace qelt::fea;

inline OutlineVertex Vertex(double x, double y, EdgeSupport support, double bulge = 0.0) {
    OutlineVertex v;
    v.x = x, v.y = y, v.bulge = bulge, v.support = support;
    return v;
}

// A rectangle a × b from the origin, counter-clockwise; Poisson's ratio 0.3 as in the plate tables.
inline Slab Rectangle(double a, double b, EdgeSupport support) {
    Slab slab;
    slab.outline = {Vertex(0, 0, support), Vertex(a, 0, support), Vertex(a, b, support), Vertex(0, b, support)};
    slab.poisson = 0.3;
    return slab;
}

// A circle of the radius about the origin, of four quarter arcs.
inline Slab Circle(double radius, EdgeSupport support) {
    const double bulge = std::tan(3.14159265358979323846 / 8.0);
    Slab slab;
    slab.outline = {Vertex(radius, 0, support, bulge), Vertex(0, radius, support, bulge),
                    Vertex(-radius, 0, support, bulge), Vertex(0, -radius, support, bulge)};
    slab.poisson = 0.3;
    return slab;
}

// The node nearest to the point.
template <typename MeshType>
int NearestNode(const MeshType& mesh, double x, double y) {
    int best = 0;
    for (int n = 1; n < static_cast<int>(mesh.nodes.size()); ++n)
        if (std::hypot(mesh.nodes[n].x - x, mesh.nodes[n].y - y) <
            std::hypot(mesh.nodes[best].x - x, mesh.nodes[best].y - y))
            best = n;
    return best;
}

}  // namespace fea_test
