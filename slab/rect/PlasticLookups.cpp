#include "slab/rect/PlasticLookups.h"

#include <cmath>

#include "slab/rect/CoefTables.h"
#include "slab/rect/TableRows.h"

namespace {

const int kStride = 7;
const int kBlockRows = 21;

const double* PlasticTable(int nCase) {
    static const double* const s_tables[7] = {g_dPlasticTable14, g_dPlasticTable15, g_dPlasticTable16,
                                              g_dPlasticTable17, g_dPlasticTable18, g_dPlasticTable19,
                                              g_dPlasticTable20};
    return nCase >= 14 && nCase <= 20 ? s_tables[nCase - 14] : g_dPlasticTable21;
}

// ζ and C of one row at the moment ratio α: the straight line through the row's two points,
// extended beyond them when α lies outside.
void RowAt(const double* pTable, int nRow, double dAlpha, double& dZeta, double& dC) {
    const double* r = pTable + nRow * kStride;
    dZeta = InterpolateRow(r[1], r[2], r[4], r[5], dAlpha);
    dC = InterpolateRow(r[1], r[3], r[4], r[6], dAlpha);
}

// ζ and C of one 21-row block (first row nFirst) at n, from the nearest row nRow.
void BlockAt(const double* pTable, int nFirst, int nRow, double n, double dAlpha, double& dZeta, double& dC) {
    RowAt(pTable, nRow, dAlpha, dZeta, dC);
    const double dRowN = pTable[nRow * kStride];
    if (std::fabs(n - dRowN) <= 0.0001) return;
    int nLow = n > dRowN ? nRow : nRow - 1;
    if (nLow < nFirst) nLow = nFirst;
    if (nLow > nFirst + kBlockRows - 2) nLow = nFirst + kBlockRows - 2;
    double dZeta0, dC0, dZeta1, dC1;
    RowAt(pTable, nLow, dAlpha, dZeta0, dC0);
    RowAt(pTable, nLow + 1, dAlpha, dZeta1, dC1);
    const double n0 = pTable[nLow * kStride], n1 = pTable[(nLow + 1) * kStride];
    dZeta = InterpolateRow(n0, dZeta0, n1, dZeta1, n);
    dC = InterpolateRow(n0, dC0, n1, dC1, n);
}

// The moments from the short-span coefficient: l the shorter span, supports β times the span
// moment across them where the edge is not simply supported.
void WriteMoments(const double& dLx, const double& dLy, double dCoef, double dAlpha, double dBeta, const int* pEdges,
                  double dQ, bool bSupports, SlabMoments& moments, int& nSpan) {
    const bool bLyShort = dLx - dLy >= -0.0001;
    const double dL = bLyShort ? dLy : dLx;
    nSpan = static_cast<int>(dL);
    const double dShort = dCoef * dQ * dL * dL;
    moments.dMy = bLyShort ? dShort : dAlpha * dShort;
    moments.dMx = bLyShort ? dAlpha * dShort : dShort;
    auto support = [&](int nEdge, double dSpan) {
        return bSupports && pEdges[nEdge] != SLAB_SIMPLE ? dBeta * dSpan : 0.0;
    };
    moments.dTop = support(EDGE_TOP, moments.dMy);
    moments.dBottom = support(EDGE_BOTTOM, moments.dMy);
    moments.dLeft = support(EDGE_LEFT, moments.dMx);
    moments.dRight = support(EDGE_RIGHT, moments.dMx);
}

int LookupFourSimple(const double& dLx, const double& dLy, double* pResult, SlabMoments& moments, const int* pEdges,
                     int& nSpan, double dQ, double dBeta, int nHalfArea) {
    if (!(dBeta >= 1.2 && dBeta <= 2.0)) return 2;  // a stored NaN too
    const double n = dLx - dLy >= -0.0001 ? dLx / dLy : dLy / dLx;
    if (n < 1 - 0.0001 || n > 2 + 0.0001) return 0;
    const double dAlpha = 1.0 / (n * n);
    double dZeta, dC;
    BlockAt(g_dPlasticTable22, 0, WalkNearest(g_dPlasticTable22, n, kStride, 0, kBlockRows - 1), n, dAlpha, dZeta, dC);
    WriteMoments(dLx, dLy, nHalfArea ? dC * dZeta : dZeta, dAlpha, dBeta, pEdges, dQ, false, moments, nSpan);
    pResult[0] = dAlpha;
    pResult[1] = dZeta;
    pResult[2] = dC;
    return 1;
}

int LookupRestrained(int nCase, const double& dLx, const double& dLy, double* pResult, SlabMoments& moments,
                     const int* pEdges, int& nSpan, double dQ, double dBeta, int nHalfArea) {
    if (!(dBeta >= 1.2 && dBeta <= 2.0)) return 2;  // a stored NaN too
    if (!LookupPlasticTable(dLx, dLy, pResult, moments, pEdges, dBeta, nCase)) return 0;
    const double dAlpha = pResult[0], dZeta = pResult[1], dC = pResult[2];
    WriteMoments(dLx, dLy, nHalfArea ? dC * dZeta : dZeta, dAlpha, dBeta, pEdges, dQ, true, moments, nSpan);
    return 1;
}

}  // namespace

int FindPlasticRow(const double& dLx, const double& dLy, const double* pTable, double n, double dBeta, int nStride,
                   int nCount) {
    if (dLx < 0 || dLy < 0 || !pTable || nCount <= 0) return 0;
    int nFirst = 2 * nCount / 3;
    if (std::fabs(dBeta - 2.0) <= 0.0001)
        nFirst = 0;
    else if (std::fabs(dBeta - 1.6) <= 0.0001)
        nFirst = nCount / 3;
    return WalkNearest(pTable, n, nStride, nFirst, nFirst + nCount / 3 - 1);
}

int LookupPlasticTable(const double& dLx, const double& dLy, double* pResult, SlabMoments&, const int*, double dBeta,
                       int nCase) {
    if (nCase < 0) return 0;
    const double* pTable = PlasticTable(nCase);
    const double n = dLx > dLy ? dLx / dLy : dLy / dLx;
    if (n < 1 || n > 2) return 0;
    const double dAlpha = 1.0 / (n * n);
    // The value of each β block, then β between the blocks.
    auto block = [&](double dBlockBeta, double& dZeta, double& dC) {
        const int nRow = FindPlasticRow(dLx, dLy, pTable, n, dBlockBeta, kStride, 3 * kBlockRows);
        BlockAt(pTable, nRow - (nRow % kBlockRows), nRow, n, dAlpha, dZeta, dC);
    };
    double dZeta, dC;
    if (std::fabs(dBeta - 2.0) <= 0.0001 || std::fabs(dBeta - 1.6) <= 0.0001 || std::fabs(dBeta - 1.2) <= 0.0001) {
        block(dBeta, dZeta, dC);
    } else {
        const double dHigh = dBeta > 1.6 ? 2.0 : 1.6, dLow = dBeta > 1.6 ? 1.6 : 1.2;
        double dZetaHigh, dCHigh, dZetaLow, dCLow;
        block(dHigh, dZetaHigh, dCHigh);
        block(dLow, dZetaLow, dCLow);
        dZeta = InterpolateRow(dLow, dZetaLow, dHigh, dZetaHigh, dBeta);
        dC = InterpolateRow(dLow, dCLow, dHigh, dCHigh, dBeta);
    }
    pResult[0] = dAlpha;
    pResult[1] = dZeta;
    pResult[2] = dC;
    return 1;
}

int GetPlasticCoef(int nCase, const double& dLx, const double& dLy, double* pResult, SlabMoments& moments,
                   const int* pEdges, int& nSpan, const double& dQ, const double& dBeta, const int& nHalfArea) {
    if (nCase == 22) return LookupFourSimple(dLx, dLy, pResult, moments, pEdges, nSpan, dQ, dBeta, nHalfArea);
    if (nCase >= 14 && nCase <= 21)
        return LookupRestrained(nCase, dLx, dLy, pResult, moments, pEdges, nSpan, dQ, dBeta, nHalfArea);
    return 0;
}

#define SLAB_PLASTIC_LOOKUP_BODY(n)                                                                         \
    int GetPlasticCoef##n(const double& dLx, const double& dLy, double* pResult, SlabMoments& moments,      \
                          const int* pEdges, int& nSpan, const double& dQ, const double& dBeta,             \
                          const int& nHalfArea) {                                                           \
        return GetPlasticCoef(n, dLx, dLy, pResult, moments, pEdges, nSpan, dQ, dBeta, nHalfArea);          \
    }
SLAB_PLASTIC_LOOKUP_BODY(14)
SLAB_PLASTIC_LOOKUP_BODY(15)
SLAB_PLASTIC_LOOKUP_BODY(16)
SLAB_PLASTIC_LOOKUP_BODY(17)
SLAB_PLASTIC_LOOKUP_BODY(18)
SLAB_PLASTIC_LOOKUP_BODY(19)
SLAB_PLASTIC_LOOKUP_BODY(20)
SLAB_PLASTIC_LOOKUP_BODY(21)
SLAB_PLASTIC_LOOKUP_BODY(22)
