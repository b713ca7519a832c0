// The plate-bending analysis of a 12 m × 8 m slab with a 2 m × 1.5 m hole, simply supported all
// round with a fixed edge and a column, meshed at 100 mm and 50 mm (about 10⁵ nodes): mesh,
// node graph, fill-reducing orders of the nodes, assembly, factorisation (Eigen's SimplicialLDLT
// against the engine's Solver, CHOLMOD's supernodal LLT, in CHOLMOD's own minimum-degree order of
// the equations and in each order of the node graph), solve and recovery timed apart, then the
// whole analysis. Counters: nodes, equations, non-zeros of the
// stiffness (lower triangle) and of the factor; the whole analysis's peak resident memory (MB) is
// the process's, so it is the analysis's own when run alone (--benchmark_filter=WholeAnalysis/50).
//
// For one core: OMP_THREAD_LIMIT=1 bench/plate_fe_bench. CHOLMOD runs parts of its supernodal
// factorisation on four OpenMP threads, which spin on a busy machine; the BLAS under it
// (libopenblas0-serial) has one thread.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <Eigen/SparseCholesky>
#include <map>
#include <memory>

#include "fea/Assembly.h"
#include "fea/NodeGraph.h"
#include "fea/Ordering.h"
#include "fea/PlateAnalysis.h"
#include "fea/Recovery.h"
#include "fea/Solver.h"
#include "fea/Supports.h"

namespace {

using namespace qelt::fea;
using SparseMatrix = Eigen::SparseMatrix<double>;

Slab BenchSlab() {
    Slab slab;
    const double corners[4][2] = {{0, 0}, {12000, 0}, {12000, 8000}, {0, 8000}};
    for (const auto& c : corners) {
        OutlineVertex v;
        v.x = c[0], v.y = c[1];
        slab.outline.push_back(v);
    }
    slab.outline[1].support = EdgeSupport::Fixed;
    slab.outline[2].support = EdgeSupport::Free;
    slab.outline[2].column = true;
    slab.holes.push_back({{7000, 3000, 0}, {9000, 3000, 0}, {9000, 4500, 0}, {7000, 4500, 0}});
    slab.thickness = 150.0;
    slab.uniformLoad[0] = 6.0, slab.uniformLoad[1] = 2.5;
    return slab;
}

// The orders compared, by a benchmark's second argument: 0 the equations numbered in node order,
// which CHOLMOD then orders by minimum degree itself; 1 to 3 the equations numbered in an order of
// the node graph: AMD, METIS, CHOLMOD's nested dissection.
const Ordering kNodeOrderings[] = {Ordering::Amd, Ordering::Amd, Ordering::Metis, Ordering::NestedDissection};

Solver::Order SolverOrder(int method) { return method == 0 ? Solver::Order::MinimumDegree : Solver::Order::AsNumbered; }

// The equations numbered in one order, their stiffness and loads.
struct Numbered {
    std::vector<int> order;
    Equations equations;
    SparseMatrix stiffness;
    Eigen::MatrixXd freeLoads;
};

// Everything up to the factorisation, made once per element size (and order).
struct Prepared {
    Slab slab = BenchSlab();
    MeshOptions options;
    Mesh mesh;
    NodeGraph graph;
    std::vector<std::array<bool, 3>> held;
    Eigen::MatrixXd loads;
    double rigidity = 0.0;
    std::map<int, Numbered> numbered;

    const Numbered& In(int method) {
        Numbered& n = numbered[method];
        if (n.equations.free.empty()) {
            if (method > 0) OrderNodes(graph, held, kNodeOrderings[method], n.order);
            n.equations = NumberEquations(held, n.order);
            n.stiffness = AssembleStiffness(mesh, graph, n.equations, rigidity, slab.poisson);
            n.freeLoads.resize(n.equations.count, kLoadCaseCount);
            for (std::size_t v = 0; v < n.equations.free.size(); ++v)
                if (n.equations.free[v] >= 0) n.freeLoads.row(n.equations.free[v]) = loads.row(v);
        }
        return n;
    }
};

Prepared& Prepare(double size) {
    static std::map<double, std::unique_ptr<Prepared>> cache;
    auto& p = cache[size];
    if (!p) {
        p = std::make_unique<Prepared>();
        p->options.elementSize = size;
        std::string message;
        MeshSlab(p->slab, p->options, p->mesh, message);
        p->graph = BuildNodeGraph(p->mesh);
        p->held = HeldValues(p->slab, p->mesh);
        p->rigidity = FlexuralRigidity(p->slab);
        p->loads = AssembleLoads(p->slab, p->mesh);
    }
    return *p;
}

void Count(benchmark::State& state, Prepared& p, int method = 0) {
    const Numbered& n = p.In(method);
    state.counters["nodes"] = static_cast<double>(p.mesh.nodes.size());
    state.counters["equations"] = n.equations.count;
    state.counters["nnzK"] = static_cast<double>(n.stiffness.nonZeros());
}

void Mesh_(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        Mesh mesh;
        std::string message;
        benchmark::DoNotOptimize(MeshSlab(p.slab, p.options, mesh, message));
    }
    Count(state, p);
    state.counters["minAngle"] = p.mesh.minimumAngle;
}

void NodeGraph_(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(BuildNodeGraph(p.mesh));
    Count(state, p);
}

void OrderOfNodes(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    std::vector<int> order;
    for (auto _ : state)
        if (!OrderNodes(p.graph, p.held, kNodeOrderings[state.range(1)], order)) state.SkipWithError("no order");
    Count(state, p);
}

void AssemblyOfStiffness(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    const Numbered& n = p.In(static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(AssembleStiffness(p.mesh, p.graph, n.equations, p.rigidity, p.slab.poisson));
    Count(state, p);
}

void AssemblyOfLoads(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(AssembleLoads(p.slab, p.mesh));
    Count(state, p);
}

void FactoriseSimplicialLdlt(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::SimplicialLDLT<SparseMatrix, Eigen::Lower> ldlt;
    for (auto _ : state) ldlt.compute(p.In(0).stiffness);
    Count(state, p);
    state.counters["nnzL"] = static_cast<double>(ldlt.matrixL().nestedExpression().nonZeros());
}

// Analysis (symbolic) and numeric factorisation.
void FactoriseCholmodSupernodal(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    const int method = static_cast<int>(state.range(1));
    const Numbered& n = p.In(method);
    Solver solver;
    std::string message;
    for (auto _ : state)
        if (!solver.Factorise(n.stiffness, SolverOrder(method), message)) state.SkipWithError("not factorised");
    Count(state, p, method);
    state.counters["nnzL"] = solver.FactorNonZeros();
}

void SolveSimplicialLdlt(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::SimplicialLDLT<SparseMatrix, Eigen::Lower> ldlt(p.In(0).stiffness);
    for (auto _ : state) benchmark::DoNotOptimize(Eigen::MatrixXd(ldlt.solve(p.In(0).freeLoads)));
    Count(state, p);
}

void SolveCholmodSupernodal(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    const int method = static_cast<int>(state.range(1));
    const Numbered& n = p.In(method);
    Solver solver;
    std::string message;
    solver.Factorise(n.stiffness, SolverOrder(method), message);
    for (auto _ : state) benchmark::DoNotOptimize(solver.Solve(n.freeLoads));
    Count(state, p, method);
}

void Recovery(benchmark::State& state) {
    Prepared& p = Prepare(static_cast<double>(state.range(0)));
    const Numbered& n = p.In(0);
    Solver solver;
    std::string message;
    solver.Factorise(n.stiffness, SolverOrder(0), message);
    const Eigen::MatrixXd solution = solver.Solve(n.freeLoads);
    for (auto _ : state)
        for (int c = 0; c < kLoadCaseCount; ++c) {
            const Eigen::VectorXd values = ExpandSolution(n.equations, solution.col(c));
            benchmark::DoNotOptimize(RecoverResults(p.mesh, values, p.rigidity, p.slab.poisson));
            benchmark::DoNotOptimize(Reactions(p.mesh, n.equations, values, p.loads.col(c), p.rigidity, p.slab.poisson));
        }
    Count(state, p);
}

// Without the prepared steps, so that the peak memory is the analysis's own.
void WholeAnalysis(benchmark::State& state) {
    const Slab slab = BenchSlab();
    MeshOptions options;
    options.elementSize = static_cast<double>(state.range(0));
    std::size_t nodes = 0;
    for (auto _ : state) {
        const PlateAnalysis analysis = AnalysePlate(slab, options);
        if (analysis.status != AnalysisStatus::Solved) state.SkipWithError("the slab was refused");
        nodes = analysis.mesh.nodes.size();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["peakMB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

#define PLATE_BENCHMARK(name) BENCHMARK(name)->Arg(100)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime()
#define ORDERED_BENCHMARK(name, first)                                       \
    BENCHMARK(name)                                                          \
        ->ArgsProduct({{100, 50}, benchmark::CreateDenseRange(first, 3, 1)}) \
        ->Unit(benchmark::kMillisecond)                                      \
        ->UseRealTime()
PLATE_BENCHMARK(Mesh_);
PLATE_BENCHMARK(NodeGraph_);
ORDERED_BENCHMARK(OrderOfNodes, 1);
ORDERED_BENCHMARK(AssemblyOfStiffness, 0);
PLATE_BENCHMARK(AssemblyOfLoads);
PLATE_BENCHMARK(FactoriseSimplicialLdlt);
ORDERED_BENCHMARK(FactoriseCholmodSupernodal, 0);
PLATE_BENCHMARK(SolveSimplicialLdlt);
ORDERED_BENCHMARK(SolveCholmodSupernodal, 0);
PLATE_BENCHMARK(Recovery);
PLATE_BENCHMARK(WholeAnalysis);

}  // namespace
