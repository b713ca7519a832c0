// The discrete Kirchhoff thin-plate triangle (DKT). Each corner carries w (along the load, mm) and
// the rotations θx = ∂w/∂y and θy = −∂w/∂x, in this order, so an element has nine degrees of
// freedom: corner 0's three, then corner 1's, then corner 2's.
//
// The normal's rotations are interpolated quadratically over the six corner and mid-side points;
// at a mid-side point the slope along the side is that of the cubic w along the side, and the
// slope across it the mean of the corners'. Curvatures (w,xx, w,yy, 2·w,xy) are therefore linear,
// and the moments M = (Mx, My, Mxy) = −D·[[1, ν, 0], [ν, 1, 0], [0, 0, (1 − ν)/2]]·κ, sagging
// positive, in N·mm/mm for D in N·mm.
//
// Loads use the incomplete cubic w of the same nine values (exact along each side), so area,
// side and point loads go to nodal forces and moments that are consistent with the element.
#pragma once

#include <Eigen/Core>

#include "PlateModel.h"

namespace qelt::fea {

using ElementMatrix = Eigen::Matrix<double, 9, 9>;
using ElementVector = Eigen::Matrix<double, 9, 1>;
using CurvatureMatrix = Eigen::Matrix<double, 3, 9>;

class DktElement {
public:
    // Corners counter-clockwise; D = E·h³/(12(1 − ν²)).
    DktElement(const Point2& p0, const Point2& p1, const Point2& p2, double rigidity, double poisson);

    double Area() const { return m_area; }
    ElementMatrix Stiffness() const;

    // B with κ = B·u at the point of area coordinates (l0, l1, l2).
    CurvatureMatrix Curvature(double l0, double l1, double l2) const;
    // (Mx, My, Mxy) at each corner (columns) for the element's nine values.
    Eigen::Matrix3d CornerMoments(const ElementVector& u) const;

    // The nodal loads of a uniform load of 1 N/mm².
    ElementVector UniformLoad() const;
    // The nodal loads of an area load whose value (N/mm²) at a point of area coordinates (l0, l1,
    // l2) is load(l0, l1, l2); integrated exactly for a load linear over the element.
    template <typename Load>
    ElementVector AreaLoad(Load load) const {
        Eigen::Matrix<double, 9, 1> integral = Eigen::Matrix<double, 9, 1>::Zero();
        for (const auto& q : kQuadrature) integral += (q[3] * m_area * load(q[0], q[1], q[2])) * CubicBasis(q);
        return ToNodalValues(integral);
    }

private:
    // Area coordinates and weight of a rule exact for quartics.
    static const double kQuadrature[6][4];
    // The cubic basis of w at the area coordinates l[0 … 2].
    static Eigen::Matrix<double, 9, 1> CubicBasis(const double* l);
    // From a vector over the cubic basis to the same over the nine nodal values (the transposed
    // inverse of the basis's nodal values).
    ElementVector ToNodalValues(const Eigen::Matrix<double, 9, 1>& overBasis) const;

    // The weights of a node's slope G = (w,x, w,y) in the curvatures: κ = Σ_a C_a·G_a over the
    // six nodes of the rotations' interpolation (corners 0–2, mid-sides 01, 12, 20).
    using SlopeWeights = Eigen::Matrix<double, 3, 2>;
    // C_a at the area coordinates l[0 … 2].
    void CurvatureWeights(const double* l, SlopeWeights c[6]) const;
    // The node slopes G (columns) for the element's nine values, and the transposed map: B with
    // κ = B·u = Σ_a C_a·G_a.
    Eigen::Matrix<double, 2, 6> NodeSlopes(const ElementVector& u) const;
    CurvatureMatrix SlopesToValues(const SlopeWeights c[6]) const;

    double m_area;
    Eigen::Matrix3d m_elasticity;       // D·[[1, ν, 0], [ν, 1, 0], [0, 0, (1 − ν)/2]]
    Eigen::Matrix<double, 2, 3> m_dl;   // ∂L_i/∂x (row 0) and ∂L_i/∂y (row 1)
    // The slope at the mid-side of side s (from corner i = s to j = s + 1) is
    // m_sideW[s]·(w_j − w_i) + m_sideG[s]·(G_i + G_j), G being the corners' slopes.
    Eigen::Vector2d m_sideW[3];
    Eigen::Matrix2d m_sideG[3];         // symmetric
};

// Nodal loads of a load along a side of length l, linear from p1 at its first node to p2 at its
// second, in N/mm: the forces and moments of the side's cubic for the nodes' (w, θx, θy), node
// a's three first. (dx, dy) is the side from a to b.
Eigen::Matrix<double, 6, 1> SideLoad(double dx, double dy, double p1, double p2);

}  // namespace qelt::fea
