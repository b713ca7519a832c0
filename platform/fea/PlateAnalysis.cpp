#include "PlateAnalysis.h"

#include <cmath>

#include "Assembly.h"
#include "Geometry.h"
#include "NodeGraph.h"
#include "Ordering.h"
#include "Solver.h"
#include "Supports.h"

namespace qelt::fea {

namespace {

// The fill-reducing order of the equations (bench/plate_fe_bench compares them).
const Ordering kOrdering = Ordering::Amd;

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool FinitePolygon(const std::vector<PolygonVertex>& polygon) {
    for (const PolygonVertex& v : polygon)
        if (!Finite({v.x, v.y, v.bulge})) return false;
    return true;
}

bool AllFinite(const Slab& slab) {
    if (!FinitePolygon({slab.outline.begin(), slab.outline.end()})) return false;
    for (const auto& hole : slab.holes)
        if (!FinitePolygon(hole)) return false;
    for (const PointLoad& load : slab.pointLoads)
        if (!Finite({load.at.x, load.at.y, load.value})) return false;
    for (const AreaLoad& load : slab.areaLoads) {
        if (!FinitePolygon(load.polygon)) return false;
        for (double v : load.values)
            if (!Finite({v})) return false;
    }
    for (const LineLoad& load : slab.lineLoads)
        if (!Finite({load.start.x, load.start.y, load.end.x, load.end.y, load.value1, load.value2})) return false;
    return Finite({slab.uniformLoad[0], slab.uniformLoad[1]});
}

bool CheckInput(const Slab& slab, std::string& message) {
    if (!AllFinite(slab)) {
        message = "a coordinate or a load is not a number";
        return false;
    }
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

// The nodes the mesh would have, from the outline's area: a node for about 0.4·size² (measured).
double EstimatedNodes(const Slab& slab, const MeshOptions& options) {
    const std::vector<PolygonVertex> outline(slab.outline.begin(), slab.outline.end());
    const double area = std::fabs(SignedDoubleArea(ToChords(outline, 1e300, 1e300).points)) / 2.0;
    return area / (0.4 * options.elementSize * options.elementSize);
}

// Every load lies wholly on the slab: the mesh edges on a line load add up to its length, the
// elements inside an area load to its area.
bool LoadsOnTheSlab(const Slab& slab, const Mesh& mesh, std::string& message) {
    std::vector<double> lengths(slab.lineLoads.size(), 0.0), areas(slab.areaLoads.size(), 0.0);
    for (const MeshEdge& edge : mesh.edges)
        if (edge.source == EdgeSource::LineLoad)
            lengths[edge.index] += std::hypot(mesh.nodes[edge.b].x - mesh.nodes[edge.a].x,
                                              mesh.nodes[edge.b].y - mesh.nodes[edge.a].y);
    for (std::size_t i = 0; i < slab.lineLoads.size(); ++i) {
        const LineLoad& load = slab.lineLoads[i];
        if (std::fabs(lengths[i] - std::hypot(load.end.x - load.start.x, load.end.y - load.start.y)) > 1e-6 * lengths[i] + 1e-6) {
            message = "a line load leaves the slab";
            return false;
        }
    }
    for (const auto& t : mesh.triangles) {
        const Point2 &a = mesh.nodes[t[0]], &b = mesh.nodes[t[1]], &c = mesh.nodes[t[2]];
        const Point2 centre{(a.x + b.x + c.x) / 3.0, (a.y + b.y + c.y) / 3.0};
        for (std::size_t i = 0; i < slab.areaLoads.size(); ++i)
            if (PointInPolygon(mesh.areaLoadOutlines[i], centre))
                areas[i] += ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2.0;
    }
    for (std::size_t i = 0; i < slab.areaLoads.size(); ++i) {
        const double area = std::fabs(SignedDoubleArea(mesh.areaLoadOutlines[i])) / 2.0;
        if (std::fabs(areas[i] - area) > 1e-6 * area) {
            message = "an area load leaves the slab or lies over a hole";
            return false;
        }
    }
    return true;
}

}  // namespace

PlateAnalysis AnalysePlate(const Slab& slab, const MeshOptions& options) {
    PlateAnalysis analysis;
    if (!CheckInput(slab, analysis.message)) {
        analysis.status = AnalysisStatus::BadInput;
        return analysis;
    }
    if (options.elementSize > 0.0 && EstimatedNodes(slab, options) > kMaximumNodes) {
        analysis.status = AnalysisStatus::TooLarge;
        analysis.message = "the element size is too small for the slab";
        return analysis;
    }
    if (!MeshSlab(slab, options, analysis.mesh, analysis.message) ||
        !LoadsOnTheSlab(slab, analysis.mesh, analysis.message)) {
        analysis.status = AnalysisStatus::BadInput;
        return analysis;
    }
    const Mesh& mesh = analysis.mesh;
    const auto held = HeldValues(slab, mesh);
    if (!HoldsEveryPart(mesh, held, analysis.message)) {
        analysis.status = AnalysisStatus::Mechanism;
        return analysis;
    }
    // The equations numbered in a fill-reducing order of the nodes, or, should none be found, in
    // the nodes' own order for the solver to order.
    const NodeGraph graph = BuildNodeGraph(mesh);
    std::vector<int> order;
    const Solver::Order solverOrder =
        OrderNodes(graph, held, kOrdering, order) ? Solver::Order::AsNumbered : Solver::Order::MinimumDegree;
    const Equations equations = NumberEquations(held, order);
    const double rigidity = FlexuralRigidity(slab);
    Solver solver;
    if (!solver.Factorise(AssembleStiffness(mesh, graph, equations, rigidity, slab.poisson), solverOrder,
                          analysis.message)) {
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
