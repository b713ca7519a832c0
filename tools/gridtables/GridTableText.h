// The grid-beam coefficient tables as the program keeps them: texts of numbers, one row per ratio
// b/a, 20 numbers a row: (moment, shear) of A1 … A6, then B1 … B4; a beam the grid lacks is 0.
//
// Six-row tables (b/a = 0.6 … 1.6, four decimals) are kept per edge kind for the small grids;
// three-row tables (b/a = 0.8 … 1.2, two decimals) for the larger grids with simply supported
// edges. In the six-row tables of fixed and half-fixed edges every moment of A1, A2, B1 and B2 is
// packed: 100000·c1 + c2 with c1 the hogging and c2 the sagging coefficient. In the simply
// supported ones only the B1 moment is packed, and only where B1 hogs.
#pragma once

#include <string>
#include <vector>

#include "GridModel.h"

namespace gridtables {

using TableRows = std::vector<std::vector<std::string>>;

struct GridPair {
    int nSmall;  // the smaller panel count (vertical)
    int nLarge;  // the larger one (horizontal)
};

const std::vector<GridPair>& SixRowPairs();
const std::vector<GridPair>& ThreeRowPairs();
const std::vector<double>& SixRowRatios();
const std::vector<double>& ThreeRowRatios();

// The tables as the model gives them.
TableRows SixRowTable(GridPair pair, EdgeKind edge);
TableRows ThreeRowTable(GridPair pair);

// A value printed in the handbook that the tables keep although the model gives another.
struct PrintedValue {
    bool bSixRow;
    GridPair pair;
    EdgeKind edge;  // six-row tables only
    int nRow;
    int nColumn;
    const char* pszToken;
    const char* pszNote;
};
const std::vector<PrintedValue>& PrintedValues();

// n rounded to the given decimals, halves upward (−0.09375 → −0.0937), as fixed-point text.
long RoundHalfUp(double dValue, int nDecimals);
std::string FixedText(long nScaled, int nDecimals);

}  // namespace gridtables
