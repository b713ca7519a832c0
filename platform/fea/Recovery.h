// Results at the nodes from the solved nodal values: deflections, moments recovered by averaging
// the elements' moments at each node (weighted by element area), and reactions.
#pragma once

#include <Eigen/Core>
#include <vector>

#include "Assembly.h"
#include "Mesher.h"

namespace qelt::fea {

// One load case's (or combination's) results at the nodes: w in mm along the load, moments in
// kN·m per metre, sagging positive (Mx bends about the y axis, stressing fibres along x).
struct NodalResults {
    std::vector<double> w, mx, my, mxy;
};

// Every nodal value (held ones 0) from the solution of the free ones.
Eigen::VectorXd ExpandSolution(const Equations& equations, const Eigen::VectorXd& freeValues);

NodalResults RecoverResults(const Mesh& mesh, const Eigen::VectorXd& values, double rigidity, double poisson);

// The vertical reaction (kN, against the load) at each node: f − K·u at the w values of held
// nodes, 0 elsewhere; the reactions of a solved plate add up to its load.
std::vector<double> Reactions(const Mesh& mesh, const Equations& equations, const Eigen::VectorXd& values,
                              const Eigen::VectorXd& loads, double rigidity, double poisson);

}  // namespace qelt::fea
