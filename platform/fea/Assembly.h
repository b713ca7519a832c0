// The plate's equations: the stiffness of the free nodal values and the nodal loads of both load
// cases. Values are numbered 3·node + k with k = 0 (w), 1 (θx), 2 (θy); units N and mm.
#pragma once

#include <Eigen/Core>
#include <Eigen/SparseCore>
#include <array>
#include <vector>

#include "Mesher.h"
#include "NodeGraph.h"
#include "PlateModel.h"

namespace qelt::fea {

// D = E·h³/(12(1 − ν²)), N·mm.
double FlexuralRigidity(const Slab& slab);

// The numbering of the free values: free[v] is the equation of value v, −1 for a held value.
struct Equations {
    std::vector<int> free;
    int count = 0;
};

// Numbers the free values node by node in the order given (every node once, OrderNodes), or in the
// nodes' own order when it is empty; a node's free values get consecutive equations.
Equations NumberEquations(const std::vector<std::array<bool, 3>>& held, const std::vector<int>& order = {});

// The lower triangle of the stiffness of the free values in the equations' order, its pattern
// from the node graph.
Eigen::SparseMatrix<double> AssembleStiffness(const Mesh& mesh, const NodeGraph& graph, const Equations& equations,
                                              double rigidity, double poisson);

// The nodal loads of every value (held ones included), one column per load case, in N and N·mm:
// the uniform loads over every element, area loads over the elements inside them, line loads
// along the mesh edges that lie on them, point loads at their nodes.
Eigen::MatrixXd AssembleLoads(const Slab& slab, const Mesh& mesh);

}  // namespace qelt::fea
