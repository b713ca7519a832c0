// The equations numbered in a fill-reducing order of the nodes: the stiffness is the one of the
// nodes' own numbering with rows and columns renumbered, entry for entry to round-off, and the
// solver factorises it as numbered to the same solution as in its own order. The slab has a hole and a fixed, a simply
// supported and two free edges, so that nodes hold none, one or all three of their values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "SlabFixtures.h"
#include "fea/Assembly.h"
#include "fea/Ordering.h"
#include "fea/Solver.h"
#include "fea/Supports.h"

namespace {

using namespace fea_test;

struct Solved {
    Equations equations;
    Eigen::SparseMatrix<double> stiffness;
    Eigen::VectorXd values;  // by value, held ones 0
};

TEST(Ordering, RenumbersTheEquationsWithoutChangingTheStiffnessOrTheSolution) {
    Slab slab;
    slab.outline = {Vertex(0, 0, EdgeSupport::SimplySupported), Vertex(3000, 0, EdgeSupport::Fixed),
                    Vertex(3000, 2000, EdgeSupport::Free), Vertex(0, 2000, EdgeSupport::Free)};
    slab.outline[3].column = true;
    slab.holes.push_back({{1800, 800, 0}, {2400, 800, 0}, {2400, 1200, 0}, {1800, 1200, 0}});
    slab.uniformLoad[0] = 5.0;
    MeshOptions options;
    options.elementSize = 150.0;
    Mesh mesh;
    std::string message;
    ASSERT_TRUE(MeshSlab(slab, options, mesh, message)) << message;
    const auto held = HeldValues(slab, mesh);
    const NodeGraph graph = BuildNodeGraph(mesh);
    const double rigidity = FlexuralRigidity(slab);
    const Eigen::MatrixXd loads = AssembleLoads(slab, mesh);

    auto solve = [&](const std::vector<int>& order, Solver::Order solverOrder) {
        Solved s;
        s.equations = NumberEquations(held, order);
        s.stiffness = AssembleStiffness(mesh, graph, s.equations, rigidity, slab.poisson);
        Eigen::VectorXd freeLoads(s.equations.count);
        for (std::size_t v = 0; v < s.equations.free.size(); ++v)
            if (s.equations.free[v] >= 0) freeLoads(s.equations.free[v]) = loads(v, 0);
        Solver solver;
        EXPECT_TRUE(solver.Factorise(s.stiffness, solverOrder, message)) << message;
        const Eigen::VectorXd solution = solver.Solve(freeLoads);
        s.values = Eigen::VectorXd::Zero(s.equations.free.size());
        for (std::size_t v = 0; v < s.equations.free.size(); ++v)
            if (s.equations.free[v] >= 0) s.values(v) = solution(s.equations.free[v]);
        return s;
    };
    const Solved natural = solve({}, Solver::Order::MinimumDegree);

    for (Ordering method : {Ordering::Amd, Ordering::Metis, Ordering::NestedDissection}) {
        SCOPED_TRACE(static_cast<int>(method));
        std::vector<int> order;
        ASSERT_TRUE(OrderNodes(graph, held, method, order));
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int n = 0; n < static_cast<int>(sorted.size()); ++n) ASSERT_EQ(sorted[n], n);

        const Solved ordered = solve(order, Solver::Order::AsNumbered);
        ASSERT_EQ(ordered.equations.count, natural.equations.count);
        // Each node's free values have consecutive equations in the order of the nodes.
        int next = 0;
        for (int n : order)
            for (int k = 0; k < 3; ++k)
                if (!held[n][k]) {
                    ASSERT_EQ(ordered.equations.free[3 * n + k], next++);
                }
        // The same entries, renumbered; an element's block between two nodes is added from either
        // side of its matrix, whose symmetry holds to round-off.
        std::vector<int> valueOf(natural.equations.count);
        for (std::size_t v = 0; v < natural.equations.free.size(); ++v)
            if (natural.equations.free[v] >= 0) valueOf[natural.equations.free[v]] = static_cast<int>(v);
        EXPECT_EQ(ordered.stiffness.nonZeros(), natural.stiffness.nonZeros());
        const double scale = 1e-13 * natural.stiffness.coeffs().cwiseAbs().maxCoeff();
        for (int j = 0; j < natural.stiffness.outerSize(); ++j)
            for (Eigen::SparseMatrix<double>::InnerIterator entry(natural.stiffness, j); entry; ++entry) {
                const int oi = ordered.equations.free[valueOf[entry.row()]];
                const int oj = ordered.equations.free[valueOf[j]];
                ASSERT_NEAR(ordered.stiffness.coeff(std::max(oi, oj), std::min(oi, oj)), entry.value(), scale);
            }
        EXPECT_LT((ordered.values - natural.values).norm(), 1e-10 * natural.values.norm());
    }
}

}  // namespace
