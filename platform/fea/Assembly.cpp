#include "Assembly.h"

#include <algorithm>
#include <cmath>

#include "DktElement.h"
#include "Geometry.h"

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

Equations NumberEquations(const std::vector<std::array<bool, 3>>& held) {
    Equations equations;
    equations.free.assign(3 * held.size(), -1);
    for (std::size_t n = 0; n < held.size(); ++n)
        for (int k = 0; k < 3; ++k)
            if (!held[n][k]) equations.free[3 * n + k] = equations.count++;
    return equations;
}

Eigen::SparseMatrix<double> AssembleStiffness(const Mesh& mesh, const Equations& equations, double rigidity,
                                              double poisson) {
    // The pattern from the nodes' neighbours: column j holds the equations j and above of the
    // values of its node and of the nodes that share an element with it.
    const std::size_t nodeCount = mesh.nodes.size();
    std::vector<std::vector<int>> neighbours(nodeCount);
    for (const auto& t : mesh.triangles)
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) neighbours[t[a]].push_back(t[b]);
    std::vector<int> starts(equations.count + 1, 0), rows;
    std::size_t estimate = 0;
    for (std::size_t n = 0; n < nodeCount; ++n) {
        std::sort(neighbours[n].begin(), neighbours[n].end());
        neighbours[n].erase(std::unique(neighbours[n].begin(), neighbours[n].end()), neighbours[n].end());
        estimate += 9 * neighbours[n].size();
    }
    rows.reserve(estimate / 2 + equations.count);
    for (std::size_t n = 0; n < nodeCount; ++n)
        for (int d = 0; d < 3; ++d) {
            const int column = equations.free[3 * n + d];
            if (column < 0) continue;
            const std::size_t first = rows.size();
            for (int m : neighbours[n])
                for (int e = 0; e < 3; ++e) {
                    const int row = equations.free[3 * m + e];
                    if (row >= column) rows.push_back(row);
                }
            std::sort(rows.begin() + first, rows.end());
            starts[column + 1] = static_cast<int>(rows.size() - first);
        }
    // Columns were made in node order, which is the equations' order.
    for (int j = 0; j < equations.count; ++j) starts[j + 1] += starts[j];
    Eigen::SparseMatrix<double> stiffness(equations.count, equations.count);
    stiffness.resizeNonZeros(static_cast<Eigen::Index>(rows.size()));
    std::copy(starts.begin(), starts.end(), stiffness.outerIndexPtr());
    std::copy(rows.begin(), rows.end(), stiffness.innerIndexPtr());
    double* entries = stiffness.valuePtr();
    std::fill(entries, entries + rows.size(), 0.0);

    for (const auto& t : mesh.triangles) {
        const ElementMatrix k = ElementOf(mesh, t, rigidity, poisson).Stiffness();
        int index[9];
        for (int a = 0; a < 3; ++a)
            for (int d = 0; d < 3; ++d) index[3 * a + d] = equations.free[3 * t[a] + d];
        for (int j = 0; j < 9; ++j) {
            if (index[j] < 0) continue;
            const auto begin = rows.begin() + starts[index[j]], end = rows.begin() + starts[index[j] + 1];
            for (int i = 0; i < 9; ++i)
                if (index[i] >= index[j]) entries[std::lower_bound(begin, end, index[i]) - rows.begin()] += k(i, j);
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
            const ElementVector unit = element.AreaLoad([](double, double, double) { return kAreaLoadUnit; });
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
