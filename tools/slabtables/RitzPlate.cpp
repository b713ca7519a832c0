#include "RitzPlate.h"

#include <Eigen/Dense>
#include <Eigen/Eigenvalues>
#include <cmath>
#include <vector>

namespace slabtables {

namespace {

int Power(Edge edge) {
    switch (edge) {
    case Edge::Simple: return 1;
    case Edge::Fixed: return 2;
    case Edge::Free: return 0;
    }
    return 0;
}

// The basis functions of one direction on ξ ∈ [−1, 1]: (1+ξ)^p0·(1−ξ)^p1·P_i(ξ), i = 0…order,
// with their first and second derivatives in ξ.
struct Basis1D {
    int p0 = 0, p1 = 0, order = 0;

    void Evaluate(double xi, double* f, double* d1, double* d2) const {
        std::vector<double> p(order + 1), dp(order + 1), ddp(order + 1);
        p[0] = 1, dp[0] = 0, ddp[0] = 0;
        if (order > 0) p[1] = xi, dp[1] = 1, ddp[1] = 0;
        for (int n = 1; n < order; ++n) {
            p[n + 1] = ((2 * n + 1) * xi * p[n] - n * p[n - 1]) / (n + 1);
            dp[n + 1] = ((2 * n + 1) * (p[n] + xi * dp[n]) - n * dp[n - 1]) / (n + 1);
            ddp[n + 1] = ((2 * n + 1) * (2 * dp[n] + xi * ddp[n]) - n * ddp[n - 1]) / (n + 1);
        }
        // g = a·b with a = (1+ξ)^p0, b = (1−ξ)^p1.
        const double a = std::pow(1 + xi, p0), da = p0 ? p0 * std::pow(1 + xi, p0 - 1) : 0.0;
        const double dda = p0 > 1 ? p0 * (p0 - 1) * std::pow(1 + xi, p0 - 2) : 0.0;
        const double b = std::pow(1 - xi, p1), db = p1 ? -p1 * std::pow(1 - xi, p1 - 1) : 0.0;
        const double ddb = p1 > 1 ? p1 * (p1 - 1) * std::pow(1 - xi, p1 - 2) : 0.0;
        const double g = a * b, dg = da * b + a * db, ddg = dda * b + 2 * da * db + a * ddb;
        for (int i = 0; i <= order; ++i) {
            f[i] = g * p[i];
            d1[i] = dg * p[i] + g * dp[i];
            d2[i] = ddg * p[i] + 2 * dg * dp[i] + g * ddp[i];
        }
    }
};

void GaussLegendre(int count, std::vector<double>& nodes, std::vector<double>& weights) {
    Eigen::MatrixXd jacobi = Eigen::MatrixXd::Zero(count, count);
    for (int k = 1; k < count; ++k) jacobi(k, k - 1) = jacobi(k - 1, k) = k / std::sqrt(4.0 * k * k - 1);
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(jacobi);
    nodes.resize(count);
    weights.resize(count);
    for (int k = 0; k < count; ++k) {
        nodes[k] = solver.eigenvalues()(k);
        weights[k] = 2.0 * solver.eigenvectors()(0, k) * solver.eigenvectors()(0, k);
    }
}

// The 1-D integrals of products of basis functions and their derivatives over a span of length
// L (derivatives in the physical coordinate): m[r][s](i,k) = ∫ φ_i⁽ʳ⁾ φ_k⁽ˢ⁾ dx, and the load ∫ φ_i.
struct Integrals {
    Eigen::MatrixXd m00, m11, m22, m20;
    Eigen::VectorXd load;
};

Integrals Integrate(const Basis1D& basis, double length) {
    const int n = basis.order + 1;
    std::vector<double> nodes, weights;
    GaussLegendre(n + 8, nodes, weights);
    Integrals in{Eigen::MatrixXd::Zero(n, n), Eigen::MatrixXd::Zero(n, n), Eigen::MatrixXd::Zero(n, n),
                 Eigen::MatrixXd::Zero(n, n), Eigen::VectorXd::Zero(n)};
    const double scale = 2.0 / length, jacobian = length / 2.0;
    std::vector<double> f(n), d1(n), d2(n);
    for (size_t q = 0; q < nodes.size(); ++q) {
        basis.Evaluate(nodes[q], f.data(), d1.data(), d2.data());
        const Eigen::Map<Eigen::VectorXd> vf(f.data(), n), v1(d1.data(), n), v2(d2.data(), n);
        const double w = weights[q] * jacobian;
        in.m00 += w * vf * vf.transpose();
        in.m11 += w * scale * scale * v1 * v1.transpose();
        in.m22 += w * std::pow(scale, 4) * v2 * v2.transpose();
        in.m20 += w * scale * scale * v2 * vf.transpose();
        in.load += w * vf;
    }
    return in;
}

Basis1D MakeBasis(Edge start, Edge end, int order) {
    Basis1D b;
    b.p0 = Power(start);
    b.p1 = Power(end);
    b.order = order;
    return b;
}

}  // namespace

RitzSolution::RitzSolution(const RitzPlate& plate) : m_plate(plate) {
    const int n = plate.order + 1;
    const Basis1D bx = MakeBasis(plate.left, plate.right, plate.order);
    const Basis1D by = MakeBasis(plate.bottom, plate.top, plate.order);
    const Integrals ix = Integrate(bx, plate.lx), iy = Integrate(by, plate.ly);
    const double nu = plate.poisson;
    // Strain energy: w_xx² + w_yy² + 2ν·w_xx·w_yy + 2(1−ν)·w_xy².
    std::vector<Eigen::Vector2d> posts;
    const Eigen::Vector2d corners[4] = {{0, 0}, {plate.lx, 0}, {0, plate.ly}, {plate.lx, plate.ly}};
    for (int c = 0; c < 4; ++c)
        if (plate.posts[c]) posts.push_back(corners[c]);
    const int unknowns = n * n, size = unknowns + static_cast<int>(posts.size());
    Eigen::MatrixXd k = Eigen::MatrixXd::Zero(size, size);
    Eigen::VectorXd f = Eigen::VectorXd::Zero(size);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int row = i * n + j;
            f(row) = ix.load(i) * iy.load(j);
            for (int a = 0; a < n; ++a)
                for (int b = 0; b < n; ++b)
                    k(row, a * n + b) = ix.m22(i, a) * iy.m00(j, b) + ix.m00(i, a) * iy.m22(j, b) +
                                        nu * (ix.m20(i, a) * iy.m20(b, j) + ix.m20(a, i) * iy.m20(j, b)) +
                                        2 * (1 - nu) * ix.m11(i, a) * iy.m11(j, b);
        }
    // Each post holds w = 0 at its corner (a Lagrange multiplier).
    std::vector<double> fx(n), dx(n), ddx(n), fy(n), dy(n), ddy(n);
    for (size_t p = 0; p < posts.size(); ++p) {
        bx.Evaluate(2 * posts[p].x() / plate.lx - 1, fx.data(), dx.data(), ddx.data());
        by.Evaluate(2 * posts[p].y() / plate.ly - 1, fy.data(), dy.data(), ddy.data());
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) k(unknowns + p, i * n + j) = k(i * n + j, unknowns + p) = fx[i] * fy[j];
    }
    m_coefficients = k.partialPivLu().solve(f).head(unknowns);
}

PlateValues RitzSolution::At(double x, double y) const {
    const int n = m_plate.order + 1;
    const Basis1D bx = MakeBasis(m_plate.left, m_plate.right, m_plate.order);
    const Basis1D by = MakeBasis(m_plate.bottom, m_plate.top, m_plate.order);
    std::vector<double> fx(n), dx(n), ddx(n), fy(n), dy(n), ddy(n);
    bx.Evaluate(2 * x / m_plate.lx - 1, fx.data(), dx.data(), ddx.data());
    by.Evaluate(2 * y / m_plate.ly - 1, fy.data(), dy.data(), ddy.data());
    const double sx = 4.0 / (m_plate.lx * m_plate.lx), sy = 4.0 / (m_plate.ly * m_plate.ly);
    double w = 0, wxx = 0, wyy = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double c = m_coefficients(i * n + j);
            w += c * fx[i] * fy[j];
            wxx += c * sx * ddx[i] * fy[j];
            wyy += c * sy * fx[i] * ddy[j];
        }
    PlateValues v;
    v.w = w;
    v.ms = -(wxx + m_plate.poisson * wyy);
    v.mt = -(wyy + m_plate.poisson * wxx);
    return v;
}

}  // namespace slabtables
