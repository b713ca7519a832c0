#include "NodeGraph.h"

#include <algorithm>

namespace qelt::fea {

NodeGraph BuildNodeGraph(const Mesh& mesh) {
    const int count = static_cast<int>(mesh.nodes.size());
    // The elements of each node, counted then placed.
    std::vector<int> elementStart(count + 1, 0), elements(3 * mesh.triangles.size());
    for (const auto& t : mesh.triangles)
        for (int node : t) ++elementStart[node + 1];
    for (int n = 0; n < count; ++n) elementStart[n + 1] += elementStart[n];
    std::vector<int> next(elementStart.begin(), elementStart.end() - 1);
    for (std::size_t e = 0; e < mesh.triangles.size(); ++e)
        for (int node : mesh.triangles[e]) elements[next[node]++] = static_cast<int>(e);

    NodeGraph graph;
    graph.start.assign(count + 1, 0);
    graph.neighbours.reserve(2 * elements.size());
    std::vector<int> seenBy(count, -1);
    for (int n = 0; n < count; ++n) {
        seenBy[n] = n;
        const std::size_t first = graph.neighbours.size();
        for (int k = elementStart[n]; k < elementStart[n + 1]; ++k)
            for (int m : mesh.triangles[elements[k]])
                if (seenBy[m] != n) {
                    seenBy[m] = n;
                    graph.neighbours.push_back(m);
                }
        std::sort(graph.neighbours.begin() + first, graph.neighbours.end());
        graph.start[n + 1] = static_cast<int>(graph.neighbours.size());
    }
    return graph;
}

}  // namespace qelt::fea
