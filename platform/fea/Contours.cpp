#include "Contours.h"

#include <algorithm>

namespace qelt::fea {

std::vector<std::pair<int, int>> UniqueEdges(const Mesh& mesh) {
    std::vector<std::pair<int, int>> edges;
    edges.reserve(mesh.triangles.size() * 3);
    for (const auto& t : mesh.triangles)
        for (int k = 0; k < 3; ++k) edges.emplace_back(std::minmax(t[k], t[(k + 1) % 3]));
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

std::vector<double> ContourLevels(const std::vector<double>& values, int count) {
    std::vector<double> levels;
    if (values.empty() || count < 1) return levels;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (!(*high > *low)) return levels;
    for (int i = 0; i < count; ++i) levels.push_back(*low + (i + 1) * (*high - *low) / (count + 1));
    return levels;
}

std::vector<ContourSegment> ContourLines(const Mesh& mesh, const std::vector<double>& values, int count) {
    const std::vector<double> levels = ContourLevels(values, count);
    std::vector<ContourSegment> segments;
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const double level = levels[l];
        for (const auto& t : mesh.triangles) {
            // A value at the level counts as above it, so that a line through a node is drawn once.
            Point2 ends[2];
            int found = 0;
            for (int k = 0; k < 3 && found < 2; ++k) {
                const int i = t[k], j = t[(k + 1) % 3];
                const bool aboveI = values[i] >= level, aboveJ = values[j] >= level;
                if (aboveI == aboveJ) continue;
                const double s = (level - values[i]) / (values[j] - values[i]);
                ends[found++] = {mesh.nodes[i].x + s * (mesh.nodes[j].x - mesh.nodes[i].x),
                                 mesh.nodes[i].y + s * (mesh.nodes[j].y - mesh.nodes[i].y)};
            }
            if (found == 2) segments.push_back({ends[0], ends[1], static_cast<int>(l), level});
        }
    }
    return segments;
}

}  // namespace qelt::fea
