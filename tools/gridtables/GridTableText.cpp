#include "GridTableText.h"

#include <cmath>
#include <cstdio>

namespace gridtables {

const std::vector<GridPair>& SixRowPairs() {
    static const std::vector<GridPair> pairs = {{2, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 3},
                                                {3, 4}, {3, 5}, {4, 4}, {5, 5}};
    return pairs;
}

const std::vector<GridPair>& ThreeRowPairs() {
    static const std::vector<GridPair> pairs = [] {
        std::vector<GridPair> list;
        const int nLast[] = {0, 0, 0, 0, 7, 9, 10, 12, 13, 11};  // by the smaller count
        for (int u = 4; u <= 9; ++u)
            for (int v = u; v <= nLast[u]; ++v)
                if (v > 5 || (u == 4 && v == 5)) list.push_back({u, v});
        return list;
    }();
    return pairs;
}

const std::vector<double>& SixRowRatios() {
    static const std::vector<double> ratios = {0.6, 0.8, 1.0, 1.2, 1.4, 1.6};
    return ratios;
}

const std::vector<double>& ThreeRowRatios() {
    static const std::vector<double> ratios = {0.8, 1.0, 1.2};
    return ratios;
}

long RoundHalfUp(double dValue, int nDecimals) {
    // The margin keeps an exact half that the solve misses by rounding noise a half.
    return static_cast<long>(std::floor(dValue * std::pow(10.0, nDecimals) + 0.5 + 1e-6));
}

std::string FixedText(long nScaled, int nDecimals) {
    long nUnit = 1;
    for (int i = 0; i < nDecimals; ++i) nUnit *= 10;
    char sz[64];
    std::snprintf(sz, sizeof sz, "%s%ld.%0*ld", nScaled < 0 ? "-" : "", std::labs(nScaled) / nUnit,
                  nDecimals, std::labs(nScaled) % nUnit);
    return sz;
}

namespace {

constexpr int kColumns = 20;

// The packed moment token 100000·c1 + c2, both coefficients to four decimals.
std::string PackedText(const BeamCoefficients& c) {
    const long nHogging = -RoundHalfUp(-c.dNegative, 4);
    const long nSagging = RoundHalfUp(c.dPositive, 4);
    return FixedText(nHogging * 100000 + nSagging, 4);
}

std::vector<std::string> Row(int nx, int ny, double dRatio, EdgeKind edge, int nDecimals) {
    const GridCoefficients grid = SolveGrid(nx, ny, dRatio, edge);
    std::vector<std::string> row(kColumns, FixedText(0, nDecimals));
    auto put = [&](int nBeam, const BeamCoefficients& c, bool bPacked) {
        row[2 * nBeam] = bPacked ? PackedText(c) : FixedText(RoundHalfUp(c.dPositive, nDecimals), nDecimals);
        row[2 * nBeam + 1] = FixedText(RoundHalfUp(c.dShear, nDecimals), nDecimals);
    };
    const bool bSixRow = nDecimals == 4;
    for (size_t i = 0; i < grid.a.size(); ++i)
        put(static_cast<int>(i), grid.a[i], bSixRow && edge != EdgeKind::Simple && i < 2);
    for (size_t j = 0; j < grid.b.size(); ++j) {
        bool bPacked = bSixRow && edge != EdgeKind::Simple && j < 2;
        if (bSixRow && edge == EdgeKind::Simple && j == 0) bPacked = RoundHalfUp(grid.b[0].dNegative, 4) > 0;
        put(6 + static_cast<int>(j), grid.b[j], bPacked);
    }
    return row;
}

}  // namespace

TableRows SixRowTable(GridPair pair, EdgeKind edge) {
    TableRows rows;
    for (double dRatio : SixRowRatios()) rows.push_back(Row(pair.nLarge, pair.nSmall, dRatio, edge, 4));
    return rows;
}

TableRows ThreeRowTable(GridPair pair) {
    TableRows rows;
    for (double dRatio : ThreeRowRatios())
        rows.push_back(Row(pair.nLarge, pair.nSmall, dRatio, EdgeKind::Simple, 2));
    return rows;
}

const std::vector<PrintedValue>& PrintedValues() {
    static const std::vector<PrintedValue> values = {
        {true, {2, 5}, EdgeKind::Simple, 0, 12, "280.2302", "B1 sagging: printed 0.2302; the model gives 0.0427"},
        {false, {6, 6}, EdgeKind::Simple, 2, 17, "2.55", "B3 shear: printed 2.55; the model gives 2.25"},
    };
    return values;
}

}  // namespace gridtables
