#include "PlateAnalysis.h"

#include "Assembly.h"
#include "Solver.h"
#include "Supports.h"

namespace qelt::fea {

namespace {

bool CheckInput(const Slab& slab, std::string& message) {
    if (!(slab.thickness > 0.0) || !(slab.elasticModulus > 0.0) || !(slab.poisson >= 0.0 && slab.poisson < 0.5)) {
        message = "the thickness, the elastic modulus or Poisson's ratio is out of range";
        return false;
    }
    for (const AreaLoad& load : slab.areaLoads)
        if (load.polygon.size() < 3 || load.values.size() != load.polygon.size()) {
            message = "an area load needs at least three vertices and one value at each";
            return false;
        }
    for (const LineLoad& load : slab.lineLoads)
        if (load.start.x == load.end.x && load.start.y == load.end.y) {
            message = "a line load has no length";
            return false;
        }
    return true;
}

}  // namespace

PlateAnalysis AnalysePlate(const Slab& slab, const MeshOptions& options) {
    PlateAnalysis analysis;
    if (!CheckInput(slab, analysis.message) || !MeshSlab(slab, options, analysis.mesh, analysis.message)) {
        analysis.status = AnalysisStatus::BadInput;
        return analysis;
    }
    const Mesh& mesh = analysis.mesh;
    const auto held = HeldValues(slab, mesh);
    if (!HoldsEveryPart(mesh, held, analysis.message)) {
        analysis.status = AnalysisStatus::Mechanism;
        return analysis;
    }
    const Equations equations = NumberEquations(held);
    const double rigidity = FlexuralRigidity(slab);
    Solver solver;
    if (!solver.Factorise(AssembleStiffness(mesh, equations, rigidity, slab.poisson), analysis.message)) {
        analysis.status = AnalysisStatus::Mechanism;
        return analysis;
    }
    const Eigen::MatrixXd loads = AssembleLoads(slab, mesh);
    Eigen::MatrixXd freeLoads(equations.count, kLoadCaseCount);
    for (std::size_t v = 0; v < equations.free.size(); ++v)
        if (equations.free[v] >= 0) freeLoads.row(equations.free[v]) = loads.row(v);
    const Eigen::MatrixXd solution = solver.Solve(freeLoads);
    for (int c = 0; c < kLoadCaseCount; ++c) {
        const Eigen::VectorXd values = ExpandSolution(equations, solution.col(c));
        analysis.cases[c] = RecoverResults(mesh, values, rigidity, slab.poisson);
        analysis.reactions[c] = Reactions(mesh, equations, values, loads.col(c), rigidity, slab.poisson);
    }
    analysis.status = AnalysisStatus::Solved;
    return analysis;
}

}  // namespace qelt::fea
