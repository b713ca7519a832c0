#include "DktElement.h"

#include <cmath>

namespace qelt::fea {

const double DktElement::kQuadrature[6][4] = {
    {0.445948490915965, 0.445948490915965, 0.108103018168070, 0.223381589678011},
    {0.445948490915965, 0.108103018168070, 0.445948490915965, 0.223381589678011},
    {0.108103018168070, 0.445948490915965, 0.445948490915965, 0.223381589678011},
    {0.091576213509771, 0.091576213509771, 0.816847572980459, 0.109951743655322},
    {0.091576213509771, 0.816847572980459, 0.091576213509771, 0.109951743655322},
    {0.816847572980459, 0.091576213509771, 0.091576213509771, 0.109951743655322},
};

namespace {

// The cubic basis of w: L0, L1, L2, then L_i²·L_j + L0·L1·L2/2 for the six ordered pairs (i, j).
const int kPairs[6][2] = {{0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}};

}  // namespace

Eigen::Matrix<double, 9, 1> DktElement::CubicBasis(const double* l) {
    Eigen::Matrix<double, 9, 1> phi;
    const double bubble = l[0] * l[1] * l[2] / 2.0;
    for (int i = 0; i < 3; ++i) phi(i) = l[i];
    for (int k = 0; k < 6; ++k) phi(3 + k) = l[kPairs[k][0]] * l[kPairs[k][0]] * l[kPairs[k][1]] + bubble;
    return phi;
}

DktElement::DktElement(const Point2& p0, const Point2& p1, const Point2& p2, double rigidity, double poisson)
    : m_p{p0, p1, p2} {
    m_area = 0.5 * ((p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y));
    m_elasticity << 1.0, poisson, 0.0, poisson, 1.0, 0.0, 0.0, 0.0, (1.0 - poisson) / 2.0;
    m_elasticity *= rigidity;
    for (int i = 0; i < 3; ++i) {
        const Point2& pj = m_p[(i + 1) % 3];
        const Point2& pk = m_p[(i + 2) % 3];
        m_dl(0, i) = (pj.y - pk.y) / (2.0 * m_area);
        m_dl(1, i) = (pk.x - pj.x) / (2.0 * m_area);
    }

    // Corner slopes: w,x = −θy, w,y = θx.
    for (int i = 0; i < 3; ++i) {
        m_slope[i].setZero();
        m_slope[i](0, 3 * i + 2) = -1.0;
        m_slope[i](1, 3 * i + 1) = 1.0;
    }
    // Mid-side slopes from the side's cubic (along it) and the corners' mean (across it).
    for (int side = 0; side < 3; ++side) {
        const int i = side, j = (side + 1) % 3;
        const double dx = m_p[j].x - m_p[i].x, dy = m_p[j].y - m_p[i].y;
        const double length = std::hypot(dx, dy);
        const Eigen::RowVector2d s(dx / length, dy / length), n(-dy / length, dx / length);
        Eigen::Matrix<double, 1, 9> along = -(s * m_slope[i] + s * m_slope[j]) / 4.0;
        along(3 * j) += 1.5 / length;
        along(3 * i) -= 1.5 / length;
        const Eigen::Matrix<double, 1, 9> across = (n * m_slope[i] + n * m_slope[j]) / 2.0;
        m_slope[3 + side] = s.transpose() * along + n.transpose() * across;
    }
}

ElementVector DktElement::ToNodalValues(const Eigen::Matrix<double, 9, 1>& overBasis) const {
    // The basis's nodal values V (u = V·c for the basis coefficients c) are sparse: at corner i
    // every cubic function is 0 and only the two of pairs (i, j) have a slope, ∂/∂L_j = 1; the
    // linear ones give w = L_i and the same slopes at every corner. So Vᵀ·f = overBasis falls apart
    // into a 2 × 2 system for each corner's rotations, then the forces.
    ElementVector f;
    double sumX = 0.0, sumY = 0.0;  // Σ of the rotations θx and θy over the corners
    for (int i = 0; i < 3; ++i) {
        const int j1 = kPairs[2 * i][1], j2 = kPairs[2 * i + 1][1];
        // dl(1, j)·θx_i − dl(0, j)·θy_i = overBasis(pair (i, j)) for j = j1, j2.
        const double a11 = m_dl(1, j1), a12 = -m_dl(0, j1), a21 = m_dl(1, j2), a22 = -m_dl(0, j2);
        const double b1 = overBasis(3 + 2 * i), b2 = overBasis(4 + 2 * i);
        const double det = a11 * a22 - a12 * a21;
        f(3 * i + 1) = (b1 * a22 - a12 * b2) / det;
        f(3 * i + 2) = (a11 * b2 - a21 * b1) / det;
        sumX += f(3 * i + 1), sumY += f(3 * i + 2);
    }
    for (int m = 0; m < 3; ++m) f(3 * m) = overBasis(m) - m_dl(1, m) * sumX + m_dl(0, m) * sumY;
    return f;
}

CurvatureMatrix DktElement::Curvature(double l0, double l1, double l2) const {
    const double l[3] = {l0, l1, l2};
    // Gradients of the six quadratic shape functions: corners, then mid-sides 01, 12, 20.
    Eigen::Matrix<double, 2, 6> dn;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        dn.col(i) = (4.0 * l[i] - 1.0) * m_dl.col(i);
        dn.col(3 + i) = 4.0 * (l[j] * m_dl.col(i) + l[i] * m_dl.col(j));
    }
    CurvatureMatrix b = CurvatureMatrix::Zero();
    for (int a = 0; a < 6; ++a) {
        b.row(0) += dn(0, a) * m_slope[a].row(0);
        b.row(1) += dn(1, a) * m_slope[a].row(1);
        b.row(2) += dn(1, a) * m_slope[a].row(0) + dn(0, a) * m_slope[a].row(1);
    }
    return b;
}

ElementMatrix DktElement::Stiffness() const {
    // Mid-side points integrate the quadratic integrand exactly.
    ElementMatrix k = ElementMatrix::Zero();
    const double points[3][3] = {{0.5, 0.5, 0.0}, {0.0, 0.5, 0.5}, {0.5, 0.0, 0.5}};
    for (const auto& p : points) {
        const CurvatureMatrix b = Curvature(p[0], p[1], p[2]);
        const CurvatureMatrix eb = m_elasticity * b;
        k.noalias() += (m_area / 3.0) * b.transpose().lazyProduct(eb);  // fixed sizes: no general product
    }
    return k;
}

Eigen::Vector3d DktElement::Moments(const ElementVector& u, double l0, double l1, double l2) const {
    return -(m_elasticity * (Curvature(l0, l1, l2) * u));
}

Eigen::Matrix<double, 6, 1> SideLoad(double dx, double dy, double p1, double p2) {
    const double length = std::hypot(dx, dy);
    const double sx = dx / length, sy = dy / length;
    // Forces and moments (about the slope along the side) of the cubic Hermite shapes.
    const double fa = length * (7.0 * p1 + 3.0 * p2) / 20.0, fb = length * (3.0 * p1 + 7.0 * p2) / 20.0;
    const double ma = length * length * (3.0 * p1 + 2.0 * p2) / 60.0;
    const double mb = -length * length * (2.0 * p1 + 3.0 * p2) / 60.0;
    // The slope along the side is sx·w,x + sy·w,y = sy·θx − sx·θy.
    Eigen::Matrix<double, 6, 1> f;
    f << fa, ma * sy, -ma * sx, fb, mb * sy, -mb * sx;
    return f;
}

}  // namespace qelt::fea
