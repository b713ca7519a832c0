#include "Assembly.h"

#include <algorithm>
#include <cmath>

#include "DktElement.h"
#include "Geometry.h"
#include "LargePages.h"

namespace qelt::fea {

namespace {

const double kAreaLoadUnit = 1e-3;   // kN/m² in N/mm²
const double kPointLoadUnit = 1e3;   // kN in N; kN/m is N/mm already

DktElement ElementOf(const Mesh& mesh, const std::array<int, 3>& t, double rigidity, double poisson) {
    return DktElement(mesh.nodes[t[0]], mesh.nodes[t[1]], mesh.nodes[t[2]], rigidity, poisson);
}

Point2 At(const Mesh& mesh, const std::array<int, 3>& t, double l0, double l1, double l2) {
    const Point2 &a = mesh.nodes[t[0]], &b = mesh.nodes[t[1]], &c = mesh.nodes[t[2]];
    return {l0 * a.x + l1 * b.x + l2 * c.x, l0 * a.y + l1 * b.y + l2 * c.y};
}

void Scatter(Eigen::MatrixXd& loads, int column, const std::array<int, 3>& t, const ElementVector& f) {
    for (int a = 0; a < 3; ++a)
        for (int k = 0; k < 3; ++k) loads(3 * t[a] + k, column) += f(3 * a + k);
}

}  // namespace

double FlexuralRigidity(const Slab& slab) {
    const double h = slab.thickness;
    return slab.elasticModulus * h * h * h / (12.0 * (1.0 - slab.poisson * slab.poisson));
}

Equations NumberEquations(const std::vector<std::array<bool, 3>>& held, const std::vector<int>& order) {
    Equations equations;
    equations.free.assign(3 * held.size(), -1);
    auto number = [&](std::size_t n) {
        for (int k = 0; k < 3; ++k)
            if (!held[n][k]) equations.free[3 * n + k] = equations.count++;
    };
    if (order.empty()) {
        for (std::size_t n = 0; n < held.size(); ++n) number(n);
    } else {
        for (int n : order) number(static_cast<std::size_t>(n));
    }
    return equations;
}

Eigen::SparseMatrix<double> AssembleStiffness(const Mesh& mesh, const NodeGraph& graph, const Equations& equations,
                                              double rigidity, double poisson) {
    // A node's free values have consecutive equations, so nodes compare by their first one. The
    // column of value (n, d) holds the free values e >= d of node n, then all free values of each
    // later neighbour in turn (a neighbour whose equations follow n's), ascending.
    const int nodeCount = static_cast<int>(mesh.nodes.size());
    auto isFree = [&](int node, int k) { return equations.free[3 * node + k] >= 0; };
    auto freeFrom = [&](int node, int first) {  // the node's free values first … 2
        int count = 0;
        for (int k = first; k < 3; ++k) count += isFree(node, k);
        return count;
    };
    std::vector<int> firstEquation(nodeCount, -1);
    for (int n = 0; n < nodeCount; ++n)
        for (int k = 2; k >= 0; --k)
            if (isFree(n, k)) firstEquation[n] = equations.free[3 * n + k];
    // The later neighbours of each node in the equations' order, and where each one's values
    // start among them.
    std::vector<int> laterStart(nodeCount + 1, 0), later, laterOffset;
    later.reserve(graph.neighbours.size() / 2);
    for (int n = 0; n < nodeCount; ++n) {
        const std::size_t first = later.size();
        if (firstEquation[n] >= 0)
            for (int k = graph.start[n]; k < graph.start[n + 1]; ++k)
                if (firstEquation[graph.neighbours[k]] > firstEquation[n]) later.push_back(graph.neighbours[k]);
        std::sort(later.begin() + first, later.end(),
                  [&](int a, int b) { return firstEquation[a] < firstEquation[b]; });
        laterStart[n + 1] = static_cast<int>(later.size());
    }
    laterOffset.resize(later.size());
    std::vector<int> laterValues(nodeCount, 0);
    for (int n = 0; n < nodeCount; ++n)
        for (int k = laterStart[n]; k < laterStart[n + 1]; ++k) {
            laterOffset[k] = laterValues[n];
            laterValues[n] += freeFrom(later[k], 0);
        }

    std::size_t entries = 0;
    for (int n = 0; n < nodeCount; ++n)
        for (int d = 0; d < 3; ++d)
            if (isFree(n, d)) entries += freeFrom(n, d) + laterValues[n];
    Eigen::SparseMatrix<double> stiffness(equations.count, equations.count);
    stiffness.resizeNonZeros(static_cast<Eigen::Index>(entries));
    int* starts = stiffness.outerIndexPtr();
    int* rows = stiffness.innerIndexPtr();
    double* values = stiffness.valuePtr();
    AdviseLargePages(rows, entries * sizeof(int));
    AdviseLargePages(values, entries * sizeof(double));
    // The columns in the equations' order: node by node, each node's free values in turn.
    std::vector<int> nodeAt(equations.count, -1);
    for (int n = 0; n < nodeCount; ++n)
        if (firstEquation[n] >= 0) nodeAt[firstEquation[n]] = n;
    int position = 0;
    for (int n : nodeAt) {
        if (n < 0) continue;
        for (int d = 0; d < 3; ++d) {
            if (!isFree(n, d)) continue;
            starts[equations.free[3 * n + d]] = position;
            for (int e = d; e < 3; ++e)
                if (isFree(n, e)) rows[position++] = equations.free[3 * n + e];
            for (int k = laterStart[n]; k < laterStart[n + 1]; ++k)
                for (int e = 0; e < 3; ++e)
                    if (isFree(later[k], e)) rows[position++] = equations.free[3 * later[k] + e];
        }
    }
    starts[equations.count] = position;
    std::fill(values, values + entries, 0.0);

    // Each element adds the block of each pair of its nodes to the columns of the earlier node.
    // Elements are taken in the order of their earliest equation, so that those that add to nearby
    // columns come one after the other (the mesh's own order scatters them over the matrix).
    // (An element whose values are all held adds nothing.)
    auto earliest = [&](const std::array<int, 3>& t) {
        int first = equations.count;
        for (int node : t)
            if (firstEquation[node] >= 0) first = std::min(first, firstEquation[node]);
        return first;
    };
    std::vector<int> elementStart(equations.count + 1, 0);
    for (const auto& t : mesh.triangles)
        if (earliest(t) < equations.count) ++elementStart[earliest(t) + 1];
    for (int j = 0; j < equations.count; ++j) elementStart[j + 1] += elementStart[j];
    std::vector<int> elements(elementStart[equations.count]);
    for (std::size_t e = 0; e < mesh.triangles.size(); ++e)
        if (earliest(mesh.triangles[e]) < equations.count)
            elements[elementStart[earliest(mesh.triangles[e])]++] = static_cast<int>(e);
    for (int e : elements) {
        const std::array<int, 3>& t = mesh.triangles[e];
        const ElementMatrix k = ElementOf(mesh, t, rigidity, poisson).Stiffness();
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) {
                const int column = t[a], row = t[b];
                if (firstEquation[column] < 0 || firstEquation[row] < firstEquation[column]) continue;
                int offset = 0;  // of the row node's values after the column node's own
                if (row != column) {
                    int j = laterStart[column];
                    while (later[j] != row) ++j;
                    offset = laterOffset[j];
                }
                for (int d = 0; d < 3; ++d) {
                    const int j = equations.free[3 * column + d];
                    if (j < 0) continue;
                    double* entry = values + starts[j] + (row == column ? 0 : freeFrom(column, d) + offset);
                    for (int e = row == column ? d : 0; e < 3; ++e)
                        if (isFree(row, e)) *entry++ += k(3 * b + e, 3 * a + d);
                }
            }
    }
    return stiffness;
}

Eigen::MatrixXd AssembleLoads(const Slab& slab, const Mesh& mesh) {
    Eigen::MatrixXd loads = Eigen::MatrixXd::Zero(3 * mesh.nodes.size(), kLoadCaseCount);
    // Values are interpolated between an area load's vertices.
    std::vector<std::vector<Point2>> vertices;
    for (const AreaLoad& load : slab.areaLoads) {
        vertices.emplace_back();
        for (const PolygonVertex& v : load.polygon) vertices.back().push_back({v.x, v.y});
    }

    for (const auto& t : mesh.triangles) {
        const DktElement element = ElementOf(mesh, t, 1.0, 0.0);
        if (slab.uniformLoad[0] != 0.0 || slab.uniformLoad[1] != 0.0) {
            const ElementVector unit = kAreaLoadUnit * element.UniformLoad();
            for (int c = 0; c < kLoadCaseCount; ++c) Scatter(loads, c, t, slab.uniformLoad[c] * unit);
        }
        // An area load's edges are mesh edges, so an element lies inside or outside it whole.
        const Point2 centre = At(mesh, t, 1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0);
        for (std::size_t i = 0; i < slab.areaLoads.size(); ++i) {
            const AreaLoad& load = slab.areaLoads[i];
            if (!PointInPolygon(mesh.areaLoadOutlines[i], centre)) continue;
            Scatter(loads, static_cast<int>(load.loadCase), t, element.AreaLoad([&](double l0, double l1, double l2) {
                const std::vector<double> weights = InterpolationWeights(vertices[i], At(mesh, t, l0, l1, l2));
                double value = 0.0;
                for (std::size_t v = 0; v < weights.size(); ++v) value += weights[v] * load.values[v];
                return value * kAreaLoadUnit;
            }));
        }
    }
    for (const MeshEdge& edge : mesh.edges) {
        if (edge.source != EdgeSource::LineLoad) continue;
        const LineLoad& load = slab.lineLoads[edge.index];
        const double dx = load.end.x - load.start.x, dy = load.end.y - load.start.y;
        const double length2 = dx * dx + dy * dy;
        auto valueAt = [&](const Point2& p) {
            const double t = ((p.x - load.start.x) * dx + (p.y - load.start.y) * dy) / length2;
            return load.value1 + (load.value2 - load.value1) * t;
        };
        const Point2 &a = mesh.nodes[edge.a], &b = mesh.nodes[edge.b];
        const Eigen::Matrix<double, 6, 1> f = SideLoad(b.x - a.x, b.y - a.y, valueAt(a), valueAt(b));
        for (int k = 0; k < 3; ++k) {
            loads(3 * edge.a + k, static_cast<int>(load.loadCase)) += f(k);
            loads(3 * edge.b + k, static_cast<int>(load.loadCase)) += f(3 + k);
        }
    }
    for (std::size_t i = 0; i < slab.pointLoads.size(); ++i)
        loads(3 * mesh.pointLoadNodes[i], static_cast<int>(slab.pointLoads[i].loadCase)) +=
            slab.pointLoads[i].value * kPointLoadUnit;
    return loads;
}

}  // namespace qelt::fea
