// Cases 7–13: slabs with free edges. Every quantity is tabulated for Poisson's ratio 0, 1/6 and
// 0.3 (a group of three columns) and interpolated in ν.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "slab/rect/CoefTables.h"
#include "slab/rect/ElasticLookups.h"
#include "slab/rect/ElasticSteps.h"
#include "slab/rect/TableRows.h"

namespace {

struct FreeEdgeTable {
    const double* pTable;
    int nStride, nCount;
    int nSlots[8];  // the coefficient-row slot of each group A, B, …
    int nDeflections[3];  // the deflection groups (−1: none)
};

const FreeEdgeTable g_tables[7] = {
    {g_dElasticTable7, 16, 22, {0, 1, 5, 2, 6}, {3, 4, -1}},
    {g_dElasticTable8, 19, 22, {0, 1, 6, 5, 2, 7}, {4, 5, -1}},
    {g_dElasticTable9, 22, 22, {5, 0, 1, 6, 7, 2, 8}, {5, 6, -1}},
    {g_dElasticTable10, 25, 22, {5, 6, 0, 1, 7, 8, 2, 9}, {6, 7, -1}},
    {g_dElasticTable11, 22, 11, {0, 1, 5, 6, 2, 7, 8}, {4, 5, 6}},
    {g_dElasticTable12, 22, 11, {0, 1, 5, 6, 2, 7, 8}, {4, 5, 6}},
    {g_dElasticTable13, 22, 21, {0, 1, 5, 6, 2, 7, 8}, {4, 5, 6}},
};

const double kSixth = 1.0 / 6.0;

// A group's value at Poisson's ratio ν from its three columns (ν = 0, 1/6, 0.3).
double AtPoisson(const double* pGroup, double dPoisson) {
    if (std::fabs(dPoisson) <= 0.0001) return pGroup[0];
    if (std::fabs(dPoisson - kSixth) <= 0.0001) return pGroup[1];
    if (std::fabs(dPoisson - 0.3) <= 0.0001) return pGroup[2];
    if (dPoisson < kSixth) return InterpolateRow(0.0, pGroup[0], kSixth, pGroup[1], dPoisson);
    return InterpolateRow(kSixth, pGroup[1], 0.3, pGroup[2], dPoisson);
}

bool IsFree(const int* pEdges, int nEdge) { return pEdges[nEdge] == SLAB_FREE; }

int LookupFreeEdge(int nCase, const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,
                   SlabMomentList& list, const int* pEdges, int& nSpan, double dQ, double dPoisson) {
    if (!(dPoisson >= 0 && dPoisson <= 0.3)) return 2;  // a stored NaN too
    const FreeEdgeTable& t = g_tables[nCase - 7];
    const bool bOneFreeEdge = nCase <= 10;
    const bool bFreeTopBottom = IsFree(pEdges, EDGE_TOP) || IsFree(pEdges, EDGE_BOTTOM);
    const bool bLxShort = dLx < dLy - 0.0001;
    // One free edge: the span across it over its length; posts: the shorter span over the longer.
    const bool bLxFirst = bOneFreeEdge ? !bFreeTopBottom : bLxShort;
    const double dRatio = bLxFirst ? dLx / dLy : dLy / dLx;
    WriteRatioText(bLxFirst, dLx, dLy, dRatio);
    const double dLow = bOneFreeEdge ? 0.3 : 0.5, dHigh = bOneFreeEdge ? 2.0 : 1.0;
    if (dRatio < dLow - 0.0001 || dRatio > dHigh + 0.0001) return 0;

    int nRow, nNeighbour;
    if (nCase == 13) {
        const bool bSimpleTopBottom = pEdges[EDGE_TOP] == SLAB_SIMPLE || pEdges[EDGE_BOTTOM] == SLAB_SIMPLE;
        const double dSpanD = bSimpleTopBottom ? dLx : dLy, dSpanC = bSimpleTopBottom ? dLy : dLx;
        nRow = FindNearestRowSym(dSpanD, dSpanC, t.pTable, dRatio, t.nStride, t.nCount);
        nNeighbour = NeighbourRow(t.pTable, t.nStride, t.nCount, nRow, dRatio, !(dSpanD - dSpanC < -0.0001));
    } else {
        nRow = FindNearestRow(dLx, dLy, t.pTable, dRatio, t.nStride, t.nCount);
        nNeighbour = bOneFreeEdge ? NeighbourRowRising(t.pTable, t.nStride, t.nCount, nRow, dRatio)
                                  : NeighbourRow(t.pTable, t.nStride, t.nCount, nRow, dRatio, false);
    }
    double v[24];
    ResolveRow(t.pTable, t.nStride, nRow, nNeighbour, dRatio, v);
    const int nGroups = (t.nStride - 1) / 3;
    double g[8];
    for (int i = 0; i < nGroups; ++i) {
        g[i] = AtPoisson(v + 3 * i, dPoisson);
        pCoef[t.nSlots[i]] = g[i];
    }
    double dDeflection = 0.0;
    for (int i : t.nDeflections)
        if (i >= 0) dDeflection = std::max(dDeflection, g[i]);
    enum { A, B, C, D, E, F, G, H };

    moments = SlabMoments{};
    double dMxCoef, dMyCoef;
    double dL;
    if (bOneFreeEdge) {
        dL = bFreeTopBottom ? dLx : dLy;
        const double dScale = dQ * dL * dL;
        // Centre parallel and perpendicular to the free edge, the free-edge moment.
        const int nParallel = nCase <= 8 ? A : nCase == 9 ? B : C;
        const double dParallel = g[nParallel], dPerpendicular = g[nParallel + 1];
        const double dFreeEdge = g[nCase <= 8 ? C : nCase == 9 ? D : B];
        dMxCoef = bFreeTopBottom ? dParallel : dPerpendicular;
        dMyCoef = bFreeTopBottom ? dPerpendicular : dParallel;
        (bFreeTopBottom ? list.Mox : list.Moy) = dFreeEdge;
        // The edge opposite the free one, and the two side edges.
        const int nOpposite = bFreeTopBottom ? (IsFree(pEdges, EDGE_TOP) ? EDGE_BOTTOM : EDGE_TOP)
                                             : (IsFree(pEdges, EDGE_LEFT) ? EDGE_RIGHT : EDGE_LEFT);
        const int nSide1 = bFreeTopBottom ? EDGE_LEFT : EDGE_TOP, nSide2 = bFreeTopBottom ? EDGE_RIGHT : EDGE_BOTTOM;
        double* pEdgeMoment[4] = {&moments.dTop, &moments.dLeft, &moments.dRight, &moments.dBottom};
        double& dOppositeList = bFreeTopBottom ? list.M0y : list.M0x;
        double& dSideList = bFreeTopBottom ? list.M0x : list.M0y;
        if (nCase == 8) {
            *pEdgeMoment[nOpposite] = std::fabs(g[D] * dScale);
            dOppositeList = g[D];
        } else if (nCase >= 9) {
            *pEdgeMoment[nSide1] = *pEdgeMoment[nSide2] = std::fabs(g[E] * dScale);
            dSideList = g[E];
            (bFreeTopBottom ? list.M0xz : list.M0yz) = g[A];
            if (nCase == 10) {
                *pEdgeMoment[nOpposite] = std::fabs(g[F] * dScale);
                dOppositeList = g[F];
            }
        }
        list.Mx = dMxCoef;
        list.My = dMyCoef;
    } else {
        dL = bLxShort ? dLy : dLx;
        if (nCase == 13) {
            const bool bSimpleTopBottom = pEdges[EDGE_TOP] == SLAB_SIMPLE || pEdges[EDGE_BOTTOM] == SLAB_SIMPLE;
            const double dAcross = std::max(g[B], g[D]);
            dMxCoef = bSimpleTopBottom ? g[A] : dAcross;
            dMyCoef = bSimpleTopBottom ? dAcross : g[A];
            list.Mx = bSimpleTopBottom ? g[A] : g[B];
            list.My = bSimpleTopBottom ? g[B] : g[A];
            list.Mox = bSimpleTopBottom ? g[C] : g[D];
            list.Moy = bSimpleTopBottom ? g[D] : g[C];
        } else {
            dMxCoef = list.Mx = bLxShort ? g[A] : g[B];
            dMyCoef = list.My = bLxShort ? g[B] : g[A];
            list.Mox = bLxShort ? g[C] : g[D];
            list.Moy = bLxShort ? g[D] : g[C];
        }
    }
    const double dScale = dQ * dL * dL;
    moments.dMx = dMxCoef * dScale;
    moments.dMy = dMyCoef * dScale;
    if (nCase == 11 || nCase == 13) {
        moments.dMx = std::fabs(moments.dMx);
        moments.dMy = std::fabs(moments.dMy);
    }
    SlabTableNotes& notes = GetSlabTableNotes();
    std::snprintf(notes.szMxText, 50, "%.4lf", dMxCoef);
    std::snprintf(notes.szMyText, 50, "%.4lf", dMyCoef);
    nSpan = static_cast<int>(dL);
    pCoef[3] = dDeflection;
    pCoef[4] = dPoisson;
    return 1;
}

}  // namespace

#define SLAB_FREE_EDGE_LOOKUP_BODY(n)                                                                       \
    int GetElasticCoef##n(const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,        \
                          SlabMomentList& list, const int* pEdges, int& nSpan, const double& dQ,            \
                          double dPoisson) {                                                                \
        return LookupFreeEdge(n, dLx, dLy, pCoef, moments, list, pEdges, nSpan, dQ, dPoisson);              \
    }
SLAB_FREE_EDGE_LOOKUP_BODY(7)
SLAB_FREE_EDGE_LOOKUP_BODY(8)
SLAB_FREE_EDGE_LOOKUP_BODY(9)
SLAB_FREE_EDGE_LOOKUP_BODY(10)
SLAB_FREE_EDGE_LOOKUP_BODY(11)
SLAB_FREE_EDGE_LOOKUP_BODY(12)
SLAB_FREE_EDGE_LOOKUP_BODY(13)

int GetElasticCoef(int nCase, const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,
                   SlabMomentList& list, const int* pEdges, int& nSpan, const double& dQ, double dPoisson) {
    typedef int (*Lookup)(const double&, const double&, double*, SlabMoments&, SlabMomentList&, const int*, int&,
                          const double&, const double&);
    static const Lookup s_noFreeEdge[6] = {GetElasticCoef1, GetElasticCoef2, GetElasticCoef3,
                                           GetElasticCoef4, GetElasticCoef5, GetElasticCoef6};
    if (nCase >= 1 && nCase <= 6) return s_noFreeEdge[nCase - 1](dLx, dLy, pCoef, moments, list, pEdges, nSpan, dQ, dPoisson);
    if (nCase >= 7 && nCase <= 13) return LookupFreeEdge(nCase, dLx, dLy, pCoef, moments, list, pEdges, nSpan, dQ, dPoisson);
    return 0;
}
