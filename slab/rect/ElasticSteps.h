// Steps the elastic lookups share: the ratio text and the neighbour row to interpolate with.
#pragma once

// Writes "Lx/Ly=%d/%d=%.3lf" (bLxFirst) or "Ly/Lx=…" into the notes' ratio text.
void WriteRatioText(bool bLxFirst, double dLx, double dLy, double dRatio);

// Tables of 11 rows, and of 21 rows whose first half rises and second half falls: the row to pair
// with nRow when x is not its ratio. bFalling: the search ran in the falling half.
int NeighbourRow(const double* pTable, int nStride, int nCount, int nRow, double x, bool bFalling);

// Tables of 22 rows (free-edge cases): the previous row when nRow is the last or x lies below its
// ratio, else the next.
int NeighbourRowRising(const double* pTable, int nStride, int nCount, int nRow, double x);
