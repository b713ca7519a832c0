#include "Supports.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace qelt::fea {

namespace {

int FindRoot(std::vector<int>& parent, int node) {
    while (parent[node] != node) node = parent[node] = parent[parent[node]];
    return node;
}

}  // namespace

std::vector<std::array<bool, 3>> HeldValues(const Slab& slab, const Mesh& mesh) {
    std::vector<std::array<bool, 3>> held(mesh.nodes.size(), {false, false, false});
    for (const MeshEdge& edge : mesh.edges) {
        EdgeSupport support = EdgeSupport::Free;
        if (edge.source == EdgeSource::Outline) support = slab.outline[edge.index].support;
        else if (edge.source == EdgeSource::Hole && edge.index < static_cast<int>(slab.holeSupports.size()))
            support = slab.holeSupports[edge.index];
        if (support == EdgeSupport::Free) continue;
        for (int node : {edge.a, edge.b}) {
            held[node][0] = true;
            if (support == EdgeSupport::Fixed) held[node][1] = held[node][2] = true;
        }
    }
    for (std::size_t v = 0; v < slab.outline.size(); ++v)
        if (slab.outline[v].column && mesh.outlineVertexNodes[v] >= 0) held[mesh.outlineVertexNodes[v]][0] = true;
    return held;
}

bool HoldsEveryPart(const Mesh& mesh, const std::vector<std::array<bool, 3>>& held, std::string& message) {
    const int count = static_cast<int>(mesh.nodes.size());
    std::vector<int> parent(count);
    std::iota(parent.begin(), parent.end(), 0);
    for (const auto& t : mesh.triangles) {
        parent[FindRoot(parent, t[1])] = FindRoot(parent, t[0]);
        parent[FindRoot(parent, t[2])] = FindRoot(parent, t[0]);
    }
    // Each node's part, the parts numbered in the order of their first node.
    std::vector<int> part(count, -1);
    int parts = 0;
    for (int n = 0; n < count; ++n) {
        const int root = FindRoot(parent, n);
        if (part[root] < 0) part[root] = parts++;
        part[n] = part[root];
    }
    // Each part's centre and size, so that the test does not depend on where the slab lies.
    std::vector<double> sumX(parts, 0.0), sumY(parts, 0.0), nodes(parts, 0.0), extent(parts, 0.0);
    for (int n = 0; n < count; ++n)
        sumX[part[n]] += mesh.nodes[n].x, sumY[part[n]] += mesh.nodes[n].y, nodes[part[n]] += 1.0;
    for (int n = 0; n < count; ++n) {
        const int p = part[n];
        extent[p] = std::max({extent[p], std::fabs(mesh.nodes[n].x - sumX[p] / nodes[p]),
                              std::fabs(mesh.nodes[n].y - sumY[p] / nodes[p])});
    }
    // Σ r·rᵀ over the held values' rows r of the rigid motion (a, b, c): w → (1, x, y),
    // θx = c → (0, 0, 1), θy = −b → (0, 1, 0).
    std::vector<Eigen::Matrix3d> normal(parts, Eigen::Matrix3d::Zero());
    for (int n = 0; n < count; ++n) {
        const int p = part[n];
        const double scale = extent[p] > 0.0 ? extent[p] : 1.0;
        Eigen::Matrix3d& m = normal[p];
        if (held[n][0]) {
            const Eigen::Vector3d r(1.0, (mesh.nodes[n].x - sumX[p] / nodes[p]) / scale,
                                    (mesh.nodes[n].y - sumY[p] / nodes[p]) / scale);
            m += r * r.transpose();
        }
        if (held[n][1]) m(2, 2) += 1.0;
        if (held[n][2]) m(1, 1) += 1.0;
    }
    for (const Eigen::Matrix3d& m : normal) {
        const Eigen::Vector3d eigenvalues = Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d>(m).eigenvalues();
        if (eigenvalues(0) <= 1e-9 * std::max(1.0, eigenvalues(2))) {
            message = "the supports do not hold the slab: it can move as a rigid body";
            return false;
        }
    }
    return true;
}

}  // namespace qelt::fea
