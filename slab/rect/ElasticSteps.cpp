#include "slab/rect/ElasticSteps.h"

#include <cstdio>

#include "slab/rect/SlabRecords.h"

void WriteRatioText(bool bLxFirst, double dLx, double dLy, double dRatio) {
    const int nLx = static_cast<int>(dLx + 0.5), nLy = static_cast<int>(dLy + 0.5);
    char* pszText = GetSlabTableNotes().szRatioText;
    if (bLxFirst)
        std::snprintf(pszText, 50, "Lx/Ly=%d/%d=%.3lf", nLx, nLy, dRatio);
    else
        std::snprintf(pszText, 50, "Ly/Lx=%d/%d=%.3lf", nLy, nLx, dRatio);
}

int NeighbourRow(const double* pTable, int nStride, int nCount, int nRow, double x, bool bFalling) {
    if (nRow == nCount - 1) return nCount - 2;
    if (nRow == 0) return 1;
    const bool bLarger = x > pTable[nRow * nStride];
    return (bLarger != bFalling) ? nRow + 1 : nRow - 1;
}

int NeighbourRowRising(const double* pTable, int nStride, int nCount, int nRow, double x) {
    if (nRow == 0) return 1;
    if (nRow == nCount - 1 || x < pTable[nRow * nStride]) return nRow - 1;
    return nRow + 1;
}
