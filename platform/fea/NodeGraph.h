// The graph of the mesh's nodes: two nodes are neighbours when an element has both. The stiffness
// couples exactly the values of neighbouring nodes, so the graph gives both the stiffness's
// pattern and, a third of the size of the equations' graph, their fill-reducing order.
#pragma once

#include <vector>

#include "Mesher.h"

namespace qelt::fea {

struct NodeGraph {
    // The neighbours of node n, ascending and without n: neighbours[start[n] … start[n + 1]).
    std::vector<int> start;
    std::vector<int> neighbours;
};

NodeGraph BuildNodeGraph(const Mesh& mesh);

}  // namespace qelt::fea
