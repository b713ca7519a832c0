// The sparse Cholesky solve of the plate's equations (symmetric positive definite once the
// supports hold the slab): CHOLMOD's supernodal LLᵀ.
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

    // How the equations are eliminated: as they are numbered, when their numbering is a
    // fill-reducing order already (OrderNodes, NumberEquations), which spares CHOLMOD permuting the
    // matrix; or in CHOLMOD's minimum-degree order of the equations.
    enum class Order { AsNumbered, MinimumDegree };

    // Factorises the matrix of which the lower triangle is given. False with a message when it is
    // not positive definite, which for a plate means a mechanism.
    bool Factorise(const Eigen::SparseMatrix<double>& lower, Order order, std::string& message);
    // The solution for each column of the loads; none (0 × 0) without a factor.
    Eigen::MatrixXd Solve(const Eigen::MatrixXd& loads) const;
    // The non-zeros of the factor, which hold most of the solve's memory.
    double FactorNonZeros() const;

private:
    struct Factor;
    std::unique_ptr<Factor> m_factor;
};

}  // namespace qelt::fea
