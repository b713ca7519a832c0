// Fill-reducing orders of the plate's equations for their sparse Cholesky factor. The order is
// found on the graph of the nodes that have free values, a third of the equations' graph with the
// same structure (a node's values couple with the same neighbours); the equations are then
// numbered node by node in that order (NumberEquations), so that the stiffness is assembled
// straight into the order in which it is factorised.
#pragma once

#include <array>
#include <vector>

#include "NodeGraph.h"

namespace qelt::fea {

enum class Ordering {
    Amd,               // approximate minimum degree
    Metis,             // METIS's nested dissection (METIS_NodeND)
    NestedDissection,  // CHOLMOD's nested dissection: METIS's bisector, then constrained minimum degree
};

// Every node once: the nodes with free values in the order of elimination (a postorder of their
// elimination tree), then the nodes whose values are all held. False, with the nodes in their
// own order, when the method is not available (a CHOLMOD without METIS) or fails.
bool OrderNodes(const NodeGraph& graph, const std::vector<std::array<bool, 3>>& held, Ordering method,
                std::vector<int>& order);

}  // namespace qelt::fea
