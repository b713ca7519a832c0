// What the result pictures draw of the mesh: its edges, and contour lines of a nodal value by
// marching triangles.
#pragma once

#include <utility>
#include <vector>

#include "Mesher.h"

namespace qelt::fea {

// Each edge of the mesh once, as a pair of nodes (smaller first).
std::vector<std::pair<int, int>> UniqueEdges(const Mesh& mesh);

struct ContourSegment {
    Point2 a, b;
    int level = 0;  // 0 … count − 1
    double value = 0.0;
};

// The levels min + (i + 1)·(max − min)/(count + 1), i = 0 … count − 1, strictly between the
// smallest and largest value, and the straight pieces where the linear interpolation of the values
// over each triangle meets them. None when count < 1 or the values are all equal.
std::vector<double> ContourLevels(const std::vector<double>& values, int count);
std::vector<ContourSegment> ContourLines(const Mesh& mesh, const std::vector<double>& values, int count);

}  // namespace qelt::fea
