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

DktElement::DktElement(const Point2& p0, const Point2& p1, const Point2& p2, double rigidity, double poisson) {
    const Point2 p[3] = {p0, p1, p2};
    m_area = 0.5 * ((p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y));
    m_elasticity << 1.0, poisson, 0.0, poisson, 1.0, 0.0, 0.0, 0.0, (1.0 - poisson) / 2.0;
    m_elasticity *= rigidity;
    for (int i = 0; i < 3; ++i) {
        const Point2& pj = p[(i + 1) % 3];
        const Point2& pk = p[(i + 2) % 3];
        m_dl(0, i) = (pj.y - pk.y) / (2.0 * m_area);
        m_dl(1, i) = (pk.x - pj.x) / (2.0 * m_area);
    }
    // Mid-side slopes: along the side (unit s, length l) the slope of the side's cubic,
    // 1.5·(w_j − w_i)/l − s·(G_i + G_j)/4; across it (unit n) the corners' mean n·(G_i + G_j)/2.
    // So the slope there is 1.5·s/l·(w_j − w_i) + (n·nᵀ/2 − s·sᵀ/4)·(G_i + G_j).
    for (int side = 0; side < 3; ++side) {
        const Point2& a = p[side];
        const Point2& b = p[(side + 1) % 3];
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        m_sideW[side] << 1.5 * dx / length2, 1.5 * dy / length2;
        m_sideG[side] << (2.0 * dy * dy - dx * dx) / (4.0 * length2), -3.0 * dx * dy / (4.0 * length2),
            -3.0 * dx * dy / (4.0 * length2), (2.0 * dx * dx - dy * dy) / (4.0 * length2);
    }
}

ElementVector DktElement::UniformLoad() const {
    // Over the triangle, each L_i integrates to A/3 and each L_i²·L_j + L0·L1·L2/2 to
    // A/30 + A/120 = A/24.
    Eigen::Matrix<double, 9, 1> integral;
    integral << Eigen::Vector3d::Constant(m_area / 3.0), Eigen::Matrix<double, 6, 1>::Constant(m_area / 24.0);
    return ToNodalValues(integral);
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

Eigen::Matrix<double, 2, 6> DktElement::NodeSlopes(const ElementVector& u) const {
    Eigen::Matrix<double, 2, 6> g;
    for (int k = 0; k < 3; ++k) g.col(k) << -u(3 * k + 2), u(3 * k + 1);  // w,x = −θy, w,y = θx
    for (int side = 0; side < 3; ++side) {
        const int i = side, j = (side + 1) % 3;
        g.col(3 + side) = m_sideW[side] * (u(3 * j) - u(3 * i)) + m_sideG[side] * (g.col(i) + g.col(j));
    }
    return g;
}

CurvatureMatrix DktElement::SlopesToValues(const SlopeWeights c[6]) const {
    // Each mid-side's weights go to its corners' slopes and w; m_sideG is symmetric.
    SlopeWeights g[3] = {c[0], c[1], c[2]};
    Eigen::Vector3d w[3] = {Eigen::Vector3d::Zero(), Eigen::Vector3d::Zero(), Eigen::Vector3d::Zero()};
    for (int side = 0; side < 3; ++side) {
        const int i = side, j = (side + 1) % 3;
        const Eigen::Vector3d along = c[3 + side] * m_sideW[side];
        w[j] += along, w[i] -= along;
        const SlopeWeights slopes = c[3 + side] * m_sideG[side];
        g[i] += slopes, g[j] += slopes;
    }
    CurvatureMatrix b;
    for (int k = 0; k < 3; ++k) b.col(3 * k) = w[k], b.col(3 * k + 1) = g[k].col(1), b.col(3 * k + 2) = -g[k].col(0);
    return b;
}

void DktElement::CurvatureWeights(const double* l, SlopeWeights c[6]) const {
    // The gradients of the six quadratic shape functions.
    Eigen::Matrix<double, 2, 6> dn;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        dn.col(i) = (4.0 * l[i] - 1.0) * m_dl.col(i);
        dn.col(3 + i) = 4.0 * (l[j] * m_dl.col(i) + l[i] * m_dl.col(j));
    }
    // κ = (∂(w,x)/∂x, ∂(w,y)/∂y, ∂(w,x)/∂y + ∂(w,y)/∂x).
    for (int a = 0; a < 6; ++a) c[a] << dn(0, a), 0.0, 0.0, dn(1, a), dn(1, a), dn(0, a);
}

CurvatureMatrix DktElement::Curvature(double l0, double l1, double l2) const {
    const double l[3] = {l0, l1, l2};
    SlopeWeights c[6];
    CurvatureWeights(l, c);
    return SlopesToValues(c);
}

ElementMatrix DktElement::Stiffness() const {
    // Mid-side points integrate the quadratic integrand exactly: K = Σ (A/3)·Bᵀ·E·B over them,
    // with B stacked over the points; K is symmetric, so only its lower triangle is formed.
    const double points[3][3] = {{0.5, 0.5, 0.0}, {0.0, 0.5, 0.5}, {0.5, 0.0, 0.5}};
    ElementMatrix b, eb;
    for (int p = 0; p < 3; ++p) {
        b.middleRows<3>(3 * p) = Curvature(points[p][0], points[p][1], points[p][2]);
        eb.middleRows<3>(3 * p) = (m_area / 3.0) * m_elasticity * b.middleRows<3>(3 * p);
    }
    ElementMatrix k;
    for (int j = 0; j < 9; ++j)
        for (int i = j; i < 9; ++i) k(i, j) = k(j, i) = b.col(i).dot(eb.col(j));
    return k;
}

Eigen::Matrix3d DktElement::CornerMoments(const ElementVector& u) const {
    const Eigen::Matrix<double, 2, 6> g = NodeSlopes(u);
    Eigen::Matrix3d curvatures = Eigen::Matrix3d::Zero();
    for (int corner = 0; corner < 3; ++corner) {
        double l[3] = {0.0, 0.0, 0.0};
        l[corner] = 1.0;
        SlopeWeights c[6];
        CurvatureWeights(l, c);
        for (int a = 0; a < 6; ++a) curvatures.col(corner) += c[a] * g.col(a);
    }
    return -(m_elasticity * curvatures);
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
