// The shape of the thirteen elastic tables and their rows as the generator computes them.
#pragma once

#include <vector>

namespace slabtables {

struct TableShape {
    std::vector<double> ratios;  // the first column, row by row
    std::vector<int> decimals;   // of every other column: 4 for moments, 5 for deflections
};

TableShape ElasticShape(int elasticCase);

// Whether plate theory gives this case's table here.
bool IsGenerated(int elasticCase);

// The row's columns after the ratio, unrounded.
std::vector<double> ElasticRow(int elasticCase, int row);

}  // namespace slabtables
