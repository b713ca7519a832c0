// The model behind the grid-beam coefficient tables: a rectangular field divided into nx × ny equal
// panels (width a across, height b up) by two families of crossing beams of equal section. The
// nx − 1 "A" beams run up the field (span ny·b), the ny − 1 "B" beams across it (span nx·a). Every
// crossing carries the load of one panel, P = q·a·b, shared between its two beams so that both
// deflect alike there; torsion is neglected. The edges carry every beam end alike: simply
// supported, fixed, or half-fixed (an elastic end that takes three quarters of the fixed-end moment
// of a symmetric load).
//
// Coefficients are per unit load: moments of A beams in q·a·b², of B beams in q·a²·b, shears in
// q·a·b. The shear at the support adds the quarter panel that runs straight to it from the panels
// beside the end bay (0.25 q·a·b) to the share of the crossings.
#pragma once

#include <vector>

namespace gridtables {

enum class EdgeKind { Simple, Fixed, HalfFixed };

struct BeamCoefficients {
    double dPositive = 0;  // largest sagging moment
    double dNegative = 0;  // largest hogging moment, as a magnitude (0 when there is none)
    double dShear = 0;     // largest end shear
};

struct GridCoefficients {
    std::vector<BeamCoefficients> a;  // A1 … A(nx/2), from the edge inward
    std::vector<BeamCoefficients> b;  // B1 … B(ny/2)
};

// The coefficients of the distinct beams of an nx × ny grid (nx, ny ≥ 2) at the ratio b/a.
GridCoefficients SolveGrid(int nx, int ny, double dRatio, EdgeKind edge);

}  // namespace gridtables
