#include "Solver.h"

#include <cholmod.h>

#include "LargePages.h"

#include <algorithm>

namespace qelt::fea {

struct Solver::Factor {
    Factor() {
        UseLargePagesForCholmod();
        cholmod_start(&common);
        common.supernodal = CHOLMOD_SUPERNODAL;
        common.final_asis = 1;
        common.nmethods = 1;
    }
    ~Factor() {
        Free();
        cholmod_finish(&common);
    }
    void Free() {
        if (factor) cholmod_free_factor(&factor, &common);
    }

    cholmod_common common;
    cholmod_factor* factor = nullptr;
};

Solver::Solver() : m_factor(std::make_unique<Factor>()) {}
Solver::~Solver() = default;

bool Solver::Factorise(const Eigen::SparseMatrix<double>& lower, Order order, std::string& message) {
    m_factor->Free();
    cholmod_common& common = m_factor->common;
    // A view of the lower triangle, which CHOLMOD reads and does not change.
    cholmod_sparse matrix{};
    matrix.nrow = static_cast<size_t>(lower.rows());
    matrix.ncol = static_cast<size_t>(lower.cols());
    matrix.nzmax = static_cast<size_t>(lower.nonZeros());
    matrix.p = const_cast<int*>(lower.outerIndexPtr());
    matrix.i = const_cast<int*>(lower.innerIndexPtr());
    matrix.x = const_cast<double*>(lower.valuePtr());
    matrix.stype = -1;
    matrix.itype = CHOLMOD_INT;
    matrix.xtype = CHOLMOD_REAL;
    matrix.dtype = CHOLMOD_DOUBLE;
    matrix.sorted = 1;
    matrix.packed = 1;

    // In the natural order, without a postorder, CHOLMOD factorises the lower triangle as it is.
    const bool asNumbered = order == Order::AsNumbered;
    common.method[0].ordering = asNumbered ? CHOLMOD_NATURAL : CHOLMOD_AMD;
    common.postorder = !asNumbered;
    m_factor->factor = cholmod_analyze(&matrix, &common);
    if (m_factor->factor) cholmod_factorize(&matrix, m_factor->factor, &common);
    if (!m_factor->factor || common.status < CHOLMOD_OK || m_factor->factor->minor < m_factor->factor->n) {
        m_factor->Free();
        message = "the plate's equations are singular: the supports do not hold the slab";
        return false;
    }
    return true;
}

Eigen::MatrixXd Solver::Solve(const Eigen::MatrixXd& loads) const {
    cholmod_dense right{};
    right.nrow = static_cast<size_t>(loads.rows());
    right.ncol = static_cast<size_t>(loads.cols());
    right.nzmax = right.nrow * right.ncol;
    right.d = right.nrow;
    right.x = const_cast<double*>(loads.data());
    right.xtype = CHOLMOD_REAL;
    right.dtype = CHOLMOD_DOUBLE;
    cholmod_dense* solution =
        m_factor->factor ? cholmod_solve(CHOLMOD_A, m_factor->factor, &right, &m_factor->common) : nullptr;
    if (!solution) return Eigen::MatrixXd();
    Eigen::MatrixXd values(loads.rows(), loads.cols());
    const double* x = static_cast<const double*>(solution->x);
    for (Eigen::Index c = 0; c < values.cols(); ++c)
        std::copy_n(x + c * solution->d, values.rows(), values.col(c).data());
    cholmod_free_dense(&solution, &m_factor->common);
    return values;
}

double Solver::FactorNonZeros() const { return m_factor->common.lnz; }

}  // namespace qelt::fea
