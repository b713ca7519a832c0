#include "GridModel.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace gridtables {
namespace {

// One beam of n equal bays of length s (EI = 1), carried at both ends, loaded downward at its n − 1
// inner nodes. Columns are the unit loads; rows the nodes they act on.
struct BeamResponse {
    Eigen::MatrixXd deflection;  // (n − 1) × (n − 1): downward deflection at the inner nodes
    Eigen::MatrixXd moment;      // (n + 1) × (n − 1): sagging moment at every node, ends included
    Eigen::MatrixXd endShear;    // 2 × (n − 1): shear at the left and at the right end
};

// Stiffness analysis of the beam: two unknowns per node (deflection up, rotation), the ends held
// against deflection, their rotation free, held or restrained by a spring.
BeamResponse AnalyseBeam(int n, double s, EdgeKind edge) {
    const int nDof = 2 * (n + 1);
    Eigen::MatrixXd K = Eigen::MatrixXd::Zero(nDof, nDof);
    Eigen::Matrix4d k;
    k << 12, 6 * s, -12, 6 * s,
         6 * s, 4 * s * s, -6 * s, 2 * s * s,
         -12, -6 * s, 12, -6 * s,
         6 * s, 2 * s * s, -6 * s, 4 * s * s;
    k /= s * s * s;
    for (int e = 0; e < n; ++e) K.block<4, 4>(2 * e, 2 * e) += k;
    if (edge == EdgeKind::HalfFixed) {
        // A symmetric load turns both ends alike against the beam's 2EI/L; a spring of 6EI/L then
        // takes three quarters of the fixed-end moment.
        const double dSpring = 6.0 / (n * s);
        K(1, 1) += dSpring;
        K(2 * n + 1, 2 * n + 1) += dSpring;
    }

    std::vector<int> free;
    for (int d = 0; d < nDof; ++d) {
        const bool bEndDeflection = d == 0 || d == 2 * n;
        const bool bEndRotation = d == 1 || d == 2 * n + 1;
        if (bEndDeflection || (bEndRotation && edge == EdgeKind::Fixed)) continue;
        free.push_back(d);
    }
    const int nFree = static_cast<int>(free.size());
    Eigen::MatrixXd Kf(nFree, nFree);
    for (int r = 0; r < nFree; ++r)
        for (int c = 0; c < nFree; ++c) Kf(r, c) = K(free[r], free[c]);
    Eigen::MatrixXd F = Eigen::MatrixXd::Zero(nFree, n - 1);
    for (int j = 1; j < n; ++j) {
        const auto it = std::find(free.begin(), free.end(), 2 * j);
        F(it - free.begin(), j - 1) = -1.0;
    }
    const Eigen::MatrixXd Uf = Kf.ldlt().solve(F);
    Eigen::MatrixXd U = Eigen::MatrixXd::Zero(nDof, n - 1);
    for (int r = 0; r < nFree; ++r) U.row(free[r]) = Uf.row(r);

    BeamResponse response;
    response.deflection.resize(n - 1, n - 1);
    for (int i = 1; i < n; ++i) response.deflection.row(i - 1) = -U.row(2 * i);
    response.moment.resize(n + 1, n - 1);
    response.endShear.resize(2, n - 1);
    for (int e = 0; e < n; ++e) {
        const Eigen::MatrixXd endForces = k * U.block(2 * e, 0, 4, n - 1);
        // End forces on the bay: (V1, M1, V2, M2), anticlockwise moments positive; the sagging
        // moment is −M1 at its left node and M2 at its right node.
        response.moment.row(e) = -endForces.row(1);
        if (e == n - 1) response.moment.row(n) = endForces.row(3);
        if (e == 0) response.endShear.row(0) = endForces.row(0);
        if (e == n - 1) response.endShear.row(1) = -endForces.row(2);
    }
    return response;
}

BeamCoefficients Coefficients(const BeamResponse& response, const Eigen::VectorXd& loads, double dMomentUnit,
                              double dShearUnit) {
    const Eigen::VectorXd moments = response.moment * loads;
    const Eigen::VectorXd shears = response.endShear * loads;
    BeamCoefficients c;
    c.dPositive = std::max(0.0, moments.maxCoeff()) / dMomentUnit;
    c.dNegative = std::max(0.0, -moments.minCoeff()) / dMomentUnit;
    c.dShear = shears.cwiseAbs().maxCoeff() / dShearUnit + 0.25;
    return c;
}

}  // namespace

GridCoefficients SolveGrid(int nx, int ny, double dRatio, EdgeKind edge) {
    const double a = 1.0;
    const double b = dRatio;
    const double P = a * b;
    const BeamResponse beamA = AnalyseBeam(ny, b, edge);
    const BeamResponse beamB = AnalyseBeam(nx, a, edge);

    // Unknown: the share x(i, j) of the crossing of A beam i and B beam j that A beam i carries;
    // B beam j carries P − x(i, j). Both beams deflect alike at every crossing.
    const int nA = nx - 1;
    const int nB = ny - 1;
    auto index = [nB](int i, int j) { return i * nB + j; };
    Eigen::MatrixXd M = Eigen::MatrixXd::Zero(nA * nB, nA * nB);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(nA * nB);
    for (int i = 0; i < nA; ++i)
        for (int j = 0; j < nB; ++j) {
            const int row = index(i, j);
            for (int jj = 0; jj < nB; ++jj) M(row, index(i, jj)) += beamA.deflection(j, jj);
            for (int ii = 0; ii < nA; ++ii) {
                M(row, index(ii, j)) += beamB.deflection(i, ii);
                rhs(row) += P * beamB.deflection(i, ii);
            }
        }
    const Eigen::VectorXd x = M.partialPivLu().solve(rhs);

    GridCoefficients grid;
    for (int i = 0; i < nx / 2; ++i) {
        Eigen::VectorXd loads(nB);
        for (int j = 0; j < nB; ++j) loads(j) = x(index(i, j));
        grid.a.push_back(Coefficients(beamA, loads, a * b * b, a * b));
    }
    for (int j = 0; j < ny / 2; ++j) {
        Eigen::VectorXd loads(nA);
        for (int i = 0; i < nA; ++i) loads(i) = P - x(index(i, j));
        grid.b.push_back(Coefficients(beamB, loads, a * a * b, a * b));
    }
    return grid;
}

}  // namespace gridtables
