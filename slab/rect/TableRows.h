// Row search and interpolation in the slab coefficient tables (ratio in each row's first column).
#pragma once

// The row of rows nFirst … nLast nearest x: a forward walk that stops at the first row no nearer
// than the best so far (ties keep the earlier row).
int WalkNearest(const double* pTable, double x, int nStride, int nFirst, int nLast);

// The row whose ratio is nearest x, walking from row 0; 0 for a negative span or a missing table.
int FindNearestRow(const double& dLx, const double& dLy, const double* pTable, double x, int nStride, int nCount);

// The same in a table whose first half rises to 1.00 and second half falls back from it: the first
// half when span d is the shorter (d < c), else the second; the absolute row number.
int FindNearestRowSym(const double& dSpanD, const double& dSpanC, const double* pTable, double x, int nStride,
                      int nCount);

double InterpolateRow(const double& x0, const double& y0, const double& x1, const double& y1, const double& x);

// Every column of a row after the ratio, at ratio x: the row itself when its ratio is within
// 0.0001 of x, else interpolated between it and nNeighbour. pOut receives nStride − 1 values.
void ResolveRow(const double* pTable, int nStride, int nRow, int nNeighbour, double x, double* pOut);
