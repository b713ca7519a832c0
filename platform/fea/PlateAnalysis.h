// The plate-bending analysis of a slab: mesh, DKT elements, sparse solve, and the nodal results of
// the dead and the live load case.
//
//   Slab slab;                    // outline, holes, loads, thickness, Ec, ν (PlateModel.h)
//   MeshOptions options;          // element size, meshing rule
//   PlateAnalysis analysis = AnalysePlate(slab, options);
//   if (analysis.status != AnalysisStatus::Solved) … analysis.message …
//   analysis.cases[int(LoadCase::Dead)].w[node] …
//
// What follows from the two cases (combinations, design, crack width, deflection, contours) lives
// in Combinations.h, Design.h, Serviceability.h, SlabDesign.h and Contours.h. The steps are public
// too (Mesher.h, Supports.h, Assembly.h, Solver.h, Recovery.h), for callers that time or reuse them.
#pragma once

#include <string>
#include <vector>

#include "Mesher.h"
#include "PlateModel.h"
#include "Recovery.h"

namespace qelt::fea {

enum class AnalysisStatus {
    Solved,
    BadInput,   // the slab cannot be meshed or its loads do not lie on it
    Mechanism,  // the supports do not hold the slab
    TooLarge,   // the mesh would pass kMaximumNodes
};

// About 2 GB of memory and a minute or two of one core (bench/plate_fe_bench).
constexpr double kMaximumNodes = 5e5;

struct PlateAnalysis {
    AnalysisStatus status = AnalysisStatus::BadInput;
    std::string message;  // why, when not solved
    Mesh mesh;
    NodalResults cases[kLoadCaseCount];             // by LoadCase
    std::vector<double> reactions[kLoadCaseCount];  // kN at each node, against the load
};

PlateAnalysis AnalysePlate(const Slab& slab, const MeshOptions& options);

}  // namespace qelt::fea
