// The rows of the two-way slab tables as the handbook prints them. The generator keeps these
// values in its output; the tests compare the generator's own values with them.
#pragma once

#include <vector>

namespace slabtables {

// A printed row, or the printed start of a row: the ratio first, then the columns in order.
struct PrintedRow {
    int table;  // the case, 1–22
    int row;
    std::vector<double> values;
};

const std::vector<PrintedRow>& PrintedElasticRows();
const std::vector<PrintedRow>& PrintedPlasticRows();

}  // namespace slabtables
