#include "slab/rect/TableRows.h"

#include <cmath>

int WalkNearest(const double* pTable, double x, int nStride, int nFirst, int nLast) {
    int nBest = nFirst;
    double dBest = std::fabs(x - pTable[nFirst * nStride]);
    for (int i = nFirst + 1; i <= nLast; ++i) {
        const double d = std::fabs(x - pTable[i * nStride]);
        if (d >= dBest) break;
        dBest = d;
        nBest = i;
    }
    return nBest;
}

int FindNearestRow(const double& dLx, const double& dLy, const double* pTable, double x, int nStride, int nCount) {
    if (dLx < 0 || dLy < 0 || !pTable || nCount <= 0) return 0;
    return WalkNearest(pTable, x, nStride, 0, nCount - 1);
}

int FindNearestRowSym(const double& dSpanD, const double& dSpanC, const double* pTable, double x, int nStride,
                      int nCount) {
    if (dSpanD < 0 || dSpanC < 0 || !pTable || nCount <= 0) return 0;
    const int nHalf = (nCount + 1) / 2;
    if (dSpanD - dSpanC < -0.0001) return WalkNearest(pTable, x, nStride, 0, nHalf - 1);
    return WalkNearest(pTable, x, nStride, nHalf - 1, nCount - 1);
}

double InterpolateRow(const double& x0, const double& y0, const double& x1, const double& y1, const double& x) {
    return y0 + (y1 - y0) / (x1 - x0) * (x - x0);
}

void ResolveRow(const double* pTable, int nStride, int nRow, int nNeighbour, double x, double* pOut) {
    const double* pRow = pTable + nRow * nStride;
    const double* pOther = pTable + nNeighbour * nStride;
    const bool bExact = std::fabs(x - pRow[0]) <= 0.0001;
    for (int c = 1; c < nStride; ++c)
        pOut[c - 1] = bExact ? pRow[c] : InterpolateRow(pRow[0], pRow[c], pOther[0], pOther[c], x);
}
