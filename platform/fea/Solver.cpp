#include "Solver.h"

#include <Eigen/SparseCholesky>

namespace qelt::fea {

struct Solver::Factor {
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower> ldlt;
};

Solver::Solver() : m_factor(std::make_unique<Factor>()) {}
Solver::~Solver() = default;

bool Solver::Factorise(const Eigen::SparseMatrix<double>& lower, std::string& message) {
    m_factor->ldlt.compute(lower);
    if (m_factor->ldlt.info() != Eigen::Success) {
        message = "the plate's equations cannot be factorised";
        return false;
    }
    // A pivot that is not clearly positive against its diagonal entry is a rigid-body motion
    // that rounding hid.
    const Eigen::VectorXd pivots = m_factor->ldlt.vectorD();
    const Eigen::VectorXd diagonal = m_factor->ldlt.permutationP() * Eigen::VectorXd(lower.diagonal());
    for (Eigen::Index i = 0; i < pivots.size(); ++i)
        if (!(pivots(i) > 1e-13 * diagonal(i))) {
            message = "the supports do not hold the slab: its equations are singular";
            return false;
        }
    return true;
}

Eigen::MatrixXd Solver::Solve(const Eigen::MatrixXd& loads) const { return m_factor->ldlt.solve(loads); }

}  // namespace qelt::fea
