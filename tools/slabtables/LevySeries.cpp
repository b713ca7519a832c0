#include "LevySeries.h"

#include <Eigen/Dense>
#include <cmath>

namespace slabtables {

namespace {

const double kPi = 3.14159265358979323846;
// Odd terms up to this order: the moment series at a clamped edge converge like 1/m³.
const int kLastTerm = 401;

// The four homogeneous solutions of W'''' − 2α²W'' + α⁴W = 0, each decaying away from one edge so
// that no term overflows: e^(−αt), αt·e^(−αt) and their mirror images about t = b. Row k holds
// the k-th derivative at t.
Eigen::Matrix<double, 4, 4> Basis(double alpha, double b, double t) {
    Eigen::Matrix<double, 4, 4> d;
    const double u = b - t;
    const double e0 = std::exp(-alpha * t), e1 = std::exp(-alpha * u);
    const double at = alpha * t, au = alpha * u;
    const double g[4] = {at * e0, alpha * e0 * (1 - at), alpha * alpha * e0 * (at - 2),
                         alpha * alpha * alpha * e0 * (3 - at)};
    const double h[4] = {au * e1, alpha * e1 * (1 - au), alpha * alpha * e1 * (au - 2),
                         alpha * alpha * alpha * e1 * (3 - au)};
    for (int k = 0; k < 4; ++k) {
        const double sign = (k % 2) ? -1.0 : 1.0;
        d(k, 0) = sign * std::pow(alpha, k) * e0;
        d(k, 1) = g[k];
        d(k, 2) = std::pow(alpha, k) * e1;
        d(k, 3) = sign * h[k];
    }
    return d;
}

// The two conditions of an edge on W (value and derivatives, row k the k-th): rows of the form
// Σ coef_k·W⁽ᵏ⁾ = 0.
void EdgeConditions(Edge edge, double alpha, double poisson, double rows[2][4]) {
    for (int i = 0; i < 2; ++i)
        for (int k = 0; k < 4; ++k) rows[i][k] = 0.0;
    const double a2 = alpha * alpha;
    switch (edge) {
    case Edge::Simple:  // w = 0, M = 0
        rows[0][0] = 1.0;
        rows[1][2] = 1.0;
        break;
    case Edge::Fixed:  // w = 0, slope 0
        rows[0][0] = 1.0;
        rows[1][1] = 1.0;
        break;
    case Edge::Free:  // M = 0, Kirchhoff shear 0
        rows[0][2] = 1.0;
        rows[0][0] = -poisson * a2;
        rows[1][3] = 1.0;
        rows[1][1] = -(2.0 - poisson) * a2;
        break;
    }
}

}  // namespace

PlateValues LevyAt(const LevyPlate& plate, double s, double t) {
    double w = 0.0, wss = 0.0, wtt = 0.0;
    for (int m = 1; m <= kLastTerm; m += 2) {
        const double alpha = m * kPi / plate.a;
        const double particular = 4.0 / (m * kPi) / std::pow(alpha, 4);
        Eigen::Matrix4d system;
        Eigen::Vector4d rhs;
        const Edge edges[2] = {plate.edge0, plate.edge1};
        for (int e = 0; e < 2; ++e) {
            const auto basis = Basis(alpha, plate.b, e == 0 ? 0.0 : plate.b);
            double rows[2][4];
            EdgeConditions(edges[e], alpha, plate.poisson, rows);
            for (int i = 0; i < 2; ++i) {
                const int r = 2 * e + i;
                rhs(r) = -rows[i][0] * particular;
                for (int c = 0; c < 4; ++c) {
                    system(r, c) = 0.0;
                    for (int k = 0; k < 4; ++k) system(r, c) += rows[i][k] * basis(k, c);
                }
            }
        }
        const Eigen::Vector4d c = system.fullPivLu().solve(rhs);
        const auto basis = Basis(alpha, plate.b, t);
        const double value = particular + basis.row(0).dot(c);
        const double second = basis.row(2).dot(c);
        const double sine = std::sin(alpha * s);
        w += sine * value;
        wss -= sine * alpha * alpha * value;
        wtt += sine * second;
    }
    PlateValues v;
    v.w = w;
    v.ms = -(wss + plate.poisson * wtt);
    v.mt = -(wtt + plate.poisson * wss);
    return v;
}

}  // namespace slabtables
