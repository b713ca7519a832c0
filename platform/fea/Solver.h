// The sparse Cholesky solve of the plate's equations (symmetric positive definite once the
// supports hold the slab).
#pragma once

#include <Eigen/Core>
#include <Eigen/SparseCore>
#include <memory>
#include <string>

namespace qelt::fea {

class Solver {
public:
    Solver();
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Factorises the matrix of which the lower triangle is given. False with a message when it is
    // not positive definite, which for a plate means a mechanism.
    bool Factorise(const Eigen::SparseMatrix<double>& lower, std::string& message);
    // The solution for each column of the loads; after a successful Factorise only.
    Eigen::MatrixXd Solve(const Eigen::MatrixXd& loads) const;

private:
    struct Factor;
    std::unique_ptr<Factor> m_factor;
};

}  // namespace qelt::fea
