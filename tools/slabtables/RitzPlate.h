// A rectangular plate under a uniform load by the Ritz method over products of Legendre
// polynomials, each multiplied by the factor its edges need (w = 0 at a supported edge, and a
// zero slope at a fixed one), with point supports at chosen corners. For the support cases that
// Lévy's series does not cover. q = 1 and D = 1.
#pragma once

#include <Eigen/Core>

#include "LevySeries.h"

namespace slabtables {

struct RitzPlate {
    double lx = 1.0, ly = 1.0;  // the plate spans 0 ≤ x ≤ lx, 0 ≤ y ≤ ly
    Edge left = Edge::Simple, right = Edge::Simple, bottom = Edge::Simple, top = Edge::Simple;
    bool posts[4] = {false, false, false, false};  // at (0,0), (lx,0), (0,ly), (lx,ly)
    double poisson = 0.0;
    int order = 30;  // the highest polynomial degree in each direction
};

class RitzSolution {
public:
    explicit RitzSolution(const RitzPlate& plate);
    // w, and the moments along x (ms) and along y (mt).
    PlateValues At(double x, double y) const;

private:
    RitzPlate m_plate;
    Eigen::VectorXd m_coefficients;  // index i·(order+1) + j for X_i(x)·Y_j(y)
};

}  // namespace slabtables
