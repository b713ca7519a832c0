// Lévy's series for a uniformly loaded rectangular plate with two opposite edges simply supported:
// the plate spans 0 ≤ s ≤ a between the simply supported edges and 0 ≤ t ≤ b between two edges
// of any support. Values are for q = 1 and D = 1, so w is in q·L⁴/D and moments in q·L² for
// spans measured in L.
#pragma once

namespace slabtables {

enum class Edge { Simple, Fixed, Free };

struct LevyPlate {
    double a = 1.0, b = 1.0;  // spans along s and t
    Edge edge0 = Edge::Simple;  // the edge t = 0
    Edge edge1 = Edge::Simple;  // the edge t = b
    double poisson = 0.0;
};

// Deflection and bending moments (sagging positive) at a point.
struct PlateValues {
    double w = 0.0, ms = 0.0, mt = 0.0;
};

PlateValues LevyAt(const LevyPlate& plate, double s, double t);

}  // namespace slabtables
