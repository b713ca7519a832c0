#include "ElasticTables.h"

#include "ElasticCases.h"

namespace slabtables {

namespace {

std::vector<double> Steps(double first, double last, int count) {
    std::vector<double> ratios;
    for (int k = 0; k < count; ++k) ratios.push_back(first + (last - first) * k / (count - 1));
    return ratios;
}

// Every column of a group of three (one per Poisson's ratio) takes the group's decimals.
std::vector<int> Grouped(std::vector<int> groups) {
    std::vector<int> columns;
    for (int d : groups) columns.insert(columns.end(), 3, d);
    return columns;
}

}  // namespace

TableShape ElasticShape(int elasticCase) {
    TableShape shape;
    std::vector<double> rising = Steps(0.5, 1.0, 11);
    std::vector<double> both = rising;
    for (int k = 9; k >= 0; --k) both.push_back(rising[k]);
    std::vector<double> freeEdge = Steps(0.3, 1.0, 15);
    freeEdge.insert(freeEdge.end(), {1.1, 1.2, 1.3, 1.4, 1.5, 1.75, 2.0});
    switch (elasticCase) {
    case 1: return {rising, {4, 4, 5}};
    case 2: return {both, {4, 4, 4, 4, 4, 5, 5}};
    case 3: return {both, {4, 4, 4, 5}};
    case 4: return {rising, {4, 4, 4, 4, 5}};
    case 5: return {rising, {4, 4, 4, 4, 4, 4, 5, 5}};
    case 6: return {both, {4, 4, 4, 4, 4, 4, 5, 5}};
    case 7: return {freeEdge, Grouped({4, 4, 4, 5, 5})};
    case 8: return {freeEdge, Grouped({4, 4, 4, 4, 5, 5})};
    case 9: return {freeEdge, Grouped({4, 4, 4, 4, 4, 5, 5})};
    case 10: return {freeEdge, Grouped({4, 4, 4, 4, 4, 4, 5, 5})};
    case 11:
    case 12: return {rising, Grouped({4, 4, 4, 4, 5, 5, 5})};
    case 13: return {both, Grouped({4, 4, 4, 4, 5, 5, 5})};
    }
    return shape;
}

bool IsGenerated(int elasticCase) { return elasticCase >= 1 && elasticCase <= 13; }

std::vector<double> ElasticRow(int elasticCase, int row) {
    const double ratio = ElasticShape(elasticCase).ratios.at(row);
    if (elasticCase <= 3) return NoFreeEdgeRow(elasticCase, ratio, row > 10);
    if (elasticCase == 7 || elasticCase == 8) return FreeEdgeRow(elasticCase, ratio);
    return RitzRow(elasticCase, ratio, row > 10);
}

}  // namespace slabtables
