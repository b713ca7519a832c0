// The supports of a meshed slab: which nodal values are held at zero, and whether they hold the
// plate at all.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Mesher.h"
#include "PlateModel.h"

namespace qelt::fea {

// Per node: whether w, θx and θy are held. A simply supported outline or hole edge holds w at its
// nodes, a fixed one all three values, a free one nothing; a column holds w at its vertex. Where
// edges of different kinds meet, the node takes the stronger support.
std::vector<std::array<bool, 3>> HeldValues(const Slab& slab, const Mesh& mesh);

// False with a message when a connected part of the mesh can still move as a rigid body
// (w = a + b·x + c·y) under the held values: too few supports, or supports on one line.
bool HoldsEveryPart(const Mesh& mesh, const std::vector<std::array<bool, 3>>& held, std::string& message);

}  // namespace qelt::fea
