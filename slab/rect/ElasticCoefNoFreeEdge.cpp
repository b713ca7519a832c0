// Cases 1–6: slabs without a free edge. The tables are for Poisson's ratio 0; the moments are
// corrected for ν as (k_own + ν·k_other).
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "slab/rect/CoefTables.h"
#include "slab/rect/ElasticLookups.h"
#include "slab/rect/ElasticSteps.h"
#include "slab/rect/TableRows.h"

namespace {

// Where a case's columns are (1-based within a row; 0: the case has no such column).
struct CaseColumns {
    const double* pTable;
    int nStride, nCount;
    bool bSymmetric;  // 21 rows rising, then falling
    int mx, mxMax, my, myMax, sx, sy, f, fMax;
};

const CaseColumns g_cases[6] = {
    {g_dElasticTable1, 4, 11, false, 1, 0, 2, 0, 0, 0, 3, 0},
    {g_dElasticTable2, 8, 21, true, 1, 2, 3, 4, 5, 0, 6, 7},
    {g_dElasticTable3, 5, 21, true, 1, 0, 2, 0, 3, 0, 4, 0},
    {g_dElasticTable4, 6, 11, false, 1, 0, 2, 0, 3, 4, 5, 0},
    {g_dElasticTable5, 9, 11, false, 1, 2, 3, 4, 5, 6, 7, 8},
    {g_dElasticTable6, 9, 21, true, 1, 2, 3, 4, 5, 6, 7, 8},
};

// Whether the table's x axis runs along the slab's x (horizontal).
bool IsHorizontal(int nCase, double dLx, double dLy, const int* pEdges) {
    switch (nCase) {
    case 2:
    case 3: return pEdges[EDGE_LEFT] == SLAB_FIXED || pEdges[EDGE_RIGHT] == SLAB_FIXED;
    case 6: return pEdges[EDGE_TOP] == SLAB_SIMPLE || pEdges[EDGE_BOTTOM] == SLAB_SIMPLE;
    default: return dLx < dLy - 0.0001;
    }
}

int LookupNoFreeEdge(int nCase, const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,
                     SlabMomentList& list, const int* pEdges, int& nSpan, double dQ, double dPoisson) {
    if (!(dPoisson >= 0 && dPoisson <= 0.3)) return 2;  // a stored NaN too
    const CaseColumns& c = g_cases[nCase - 1];
    const bool bLxShort = dLx < dLy - 0.0001;
    const double dRatio = bLxShort ? dLx / dLy : dLy / dLx;
    WriteRatioText(bLxShort, dLx, dLy, dRatio);
    if (dRatio < 0.5 - 0.0001 || dRatio > 1.0 + 0.0001) return 0;

    const bool bHorizontal = IsHorizontal(nCase, dLx, dLy, pEdges);
    int nRow, nNeighbour;
    if (c.bSymmetric) {
        const double dSpanD = bHorizontal ? dLx : dLy, dSpanC = bHorizontal ? dLy : dLx;
        nRow = FindNearestRowSym(dSpanD, dSpanC, c.pTable, dRatio, c.nStride, c.nCount);
        nNeighbour = NeighbourRow(c.pTable, c.nStride, c.nCount, nRow, dRatio, !(dSpanD - dSpanC < -0.0001));
    } else {
        nRow = FindNearestRow(dLx, dLy, c.pTable, dRatio, c.nStride, c.nCount);
        nNeighbour = NeighbourRow(c.pTable, c.nStride, c.nCount, nRow, dRatio, false);
    }
    double v[10];
    ResolveRow(c.pTable, c.nStride, nRow, nNeighbour, dRatio, v);
    auto at = [&](int column) { return column ? v[column - 1] : 0.0; };

    // The coefficient row: m_x, m_y, f, the deflection coefficient, then the case's other columns.
    pCoef[0] = at(c.mx);
    pCoef[1] = at(c.my);
    pCoef[2] = at(c.f);
    int nSlot = 4;
    for (int column = 1; column < c.nStride; ++column)
        if (column != c.mx && column != c.my && column != c.f) pCoef[nSlot++] = at(column);

    const double kx = c.mxMax ? std::max(at(c.mx), at(c.mxMax)) : at(c.mx);
    const double ky = c.myMax ? std::max(at(c.my), at(c.myMax)) : at(c.my);
    const double dTableX = kx + dPoisson * ky, dTableY = ky + dPoisson * kx;
    const double dPlainX = at(c.mx) + dPoisson * at(c.my), dPlainY = at(c.my) + dPoisson * at(c.mx);
    const double dL = bLxShort ? dLx : dLy;
    const double dScale = dQ * dL * dL;

    // Own direction first: the table's x values go to x when it lies horizontally.
    const double dMxCoef = bHorizontal ? dTableX : dTableY, dMyCoef = bHorizontal ? dTableY : dTableX;
    moments.dMx = dMxCoef * dScale;
    moments.dMy = dMyCoef * dScale;
    list.Mx = bHorizontal ? dPlainX : dPlainY;
    list.My = bHorizontal ? dPlainY : dPlainX;
    if (c.mxMax) {
        list.Mxmax = dMxCoef;
        list.Mymax = dMyCoef;
    }
    SlabTableNotes& notes = GetSlabTableNotes();
    std::snprintf(notes.szMxText, 50, "(%.4lf+%.4lf*%.3lf)", bHorizontal ? kx : ky, bHorizontal ? ky : kx, dPoisson);
    std::snprintf(notes.szMyText, 50, "(%.4lf+%.4lf*%.3lf)", bHorizontal ? ky : kx, bHorizontal ? kx : ky, dPoisson);

    // Supports: a fixed edge across the table's x axis takes m'_x, one along it m'_y.
    const double sx = at(c.sx), sy = at(c.sy);
    auto support = [&](int nEdge, bool bAcrossX) {
        if (pEdges[nEdge] != SLAB_FIXED) return 0.0;
        return std::fabs((bAcrossX ? sx : sy) * dScale);
    };
    moments.dLeft = support(EDGE_LEFT, bHorizontal);
    moments.dRight = support(EDGE_RIGHT, bHorizontal);
    moments.dTop = support(EDGE_TOP, !bHorizontal);
    moments.dBottom = support(EDGE_BOTTOM, !bHorizontal);
    if (c.sx) (bHorizontal ? list.M0x : list.M0y) = sx;
    if (c.sy) (bHorizontal ? list.M0y : list.M0x) = sy;

    nSpan = static_cast<int>(dL);
    pCoef[3] = c.fMax ? std::max(at(c.f), at(c.fMax)) : at(c.f);
    return 1;
}

}  // namespace

#define SLAB_ELASTIC_LOOKUP_BODY(n)                                                                         \
    int GetElasticCoef##n(const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,        \
                          SlabMomentList& list, const int* pEdges, int& nSpan, const double& dQ,            \
                          const double& dPoisson) {                                                         \
        return LookupNoFreeEdge(n, dLx, dLy, pCoef, moments, list, pEdges, nSpan, dQ, dPoisson);            \
    }
SLAB_ELASTIC_LOOKUP_BODY(1)
SLAB_ELASTIC_LOOKUP_BODY(2)
SLAB_ELASTIC_LOOKUP_BODY(3)
SLAB_ELASTIC_LOOKUP_BODY(4)
SLAB_ELASTIC_LOOKUP_BODY(5)
SLAB_ELASTIC_LOOKUP_BODY(6)
