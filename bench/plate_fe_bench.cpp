// The plate-bending analysis of a 12 m × 8 m slab with a 2 m × 1.5 m hole, simply supported all
// round with a fixed edge and a column, meshed at 100 mm and 50 mm (about 10⁵ nodes): mesh,
// assembly, factorisation (Eigen's SimplicialLDLT against CHOLMOD's supernodal LLT), solve and
// recovery timed apart, then the whole analysis. Run with one thread (the BLAS here is the
// reference one). Counters: nodes, equations, non-zeros of the stiffness (lower triangle) and of
// the factor.
#include <benchmark/benchmark.h>

#include <Eigen/CholmodSupport>
#include <Eigen/SparseCholesky>
#include <map>
#include <memory>

#include "fea/Assembly.h"
#include "fea/PlateAnalysis.h"
#include "fea/Recovery.h"
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

// Everything up to the factorisation, made once per element size.
struct Prepared {
    Slab slab = BenchSlab();
    MeshOptions options;
    Mesh mesh;
    Equations equations;
    SparseMatrix stiffness;
    Eigen::MatrixXd freeLoads;
    double rigidity = 0.0;
};

const Prepared& Prepare(double size) {
    static std::map<double, std::unique_ptr<Prepared>> cache;
    auto& p = cache[size];
    if (!p) {
        p = std::make_unique<Prepared>();
        p->options.elementSize = size;
        std::string message;
        MeshSlab(p->slab, p->options, p->mesh, message);
        p->equations = NumberEquations(HeldValues(p->slab, p->mesh));
        p->rigidity = FlexuralRigidity(p->slab);
        p->stiffness = AssembleStiffness(p->mesh, p->equations, p->rigidity, p->slab.poisson);
        const Eigen::MatrixXd loads = AssembleLoads(p->slab, p->mesh);
        p->freeLoads.resize(p->equations.count, kLoadCaseCount);
        for (std::size_t v = 0; v < p->equations.free.size(); ++v)
            if (p->equations.free[v] >= 0) p->freeLoads.row(p->equations.free[v]) = loads.row(v);
    }
    return *p;
}

void Count(benchmark::State& state, const Prepared& p) {
    state.counters["nodes"] = static_cast<double>(p.mesh.nodes.size());
    state.counters["equations"] = p.equations.count;
    state.counters["nnzK"] = static_cast<double>(p.stiffness.nonZeros());
}

void Mesh_(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        Mesh mesh;
        std::string message;
        benchmark::DoNotOptimize(MeshSlab(p.slab, p.options, mesh, message));
    }
    Count(state, p);
    state.counters["minAngle"] = p.mesh.minimumAngle;
}

void AssemblyOfStiffness(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(AssembleStiffness(p.mesh, p.equations, p.rigidity, p.slab.poisson));
    Count(state, p);
}

void AssemblyOfLoads(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(AssembleLoads(p.slab, p.mesh));
    Count(state, p);
}

void FactoriseSimplicialLdlt(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::SimplicialLDLT<SparseMatrix, Eigen::Lower> ldlt;
    for (auto _ : state) ldlt.compute(p.stiffness);
    Count(state, p);
    state.counters["nnzL"] = static_cast<double>(ldlt.matrixL().nestedExpression().nonZeros());
}

void FactoriseCholmodSupernodal(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::CholmodSupernodalLLT<SparseMatrix, Eigen::Lower> llt;
    for (auto _ : state) llt.compute(p.stiffness);
    Count(state, p);
    state.counters["nnzL"] = llt.cholmod().lnz;
}

void SolveSimplicialLdlt(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::SimplicialLDLT<SparseMatrix, Eigen::Lower> ldlt(p.stiffness);
    for (auto _ : state) benchmark::DoNotOptimize(Eigen::MatrixXd(ldlt.solve(p.freeLoads)));
    Count(state, p);
}

void SolveCholmodSupernodal(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::CholmodSupernodalLLT<SparseMatrix, Eigen::Lower> llt(p.stiffness);
    for (auto _ : state) benchmark::DoNotOptimize(Eigen::MatrixXd(llt.solve(p.freeLoads)));
    Count(state, p);
}

void Recovery(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    Eigen::SimplicialLDLT<SparseMatrix, Eigen::Lower> ldlt(p.stiffness);
    const Eigen::MatrixXd solution = ldlt.solve(p.freeLoads);
    const Eigen::MatrixXd loads = AssembleLoads(p.slab, p.mesh);
    for (auto _ : state)
        for (int c = 0; c < kLoadCaseCount; ++c) {
            const Eigen::VectorXd values = ExpandSolution(p.equations, solution.col(c));
            benchmark::DoNotOptimize(RecoverResults(p.mesh, values, p.rigidity, p.slab.poisson));
            benchmark::DoNotOptimize(Reactions(p.mesh, p.equations, values, loads.col(c), p.rigidity, p.slab.poisson));
        }
    Count(state, p);
}

void WholeAnalysis(benchmark::State& state) {
    const Prepared& p = Prepare(static_cast<double>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(AnalysePlate(p.slab, p.options));
    Count(state, p);
}

#define PLATE_BENCHMARK(name) BENCHMARK(name)->Arg(100)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime()
PLATE_BENCHMARK(Mesh_);
PLATE_BENCHMARK(AssemblyOfStiffness);
PLATE_BENCHMARK(AssemblyOfLoads);
PLATE_BENCHMARK(FactoriseSimplicialLdlt);
PLATE_BENCHMARK(FactoriseCholmodSupernodal);
PLATE_BENCHMARK(SolveSimplicialLdlt);
PLATE_BENCHMARK(SolveCholmodSupernodal);
PLATE_BENCHMARK(Recovery);
PLATE_BENCHMARK(WholeAnalysis);

}  // namespace
