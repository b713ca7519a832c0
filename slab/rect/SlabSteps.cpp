#include "slab/rect/SlabSteps.h"

#include "slab/rect/EdgeCodes.h"
#include "slab/rect/ElasticLookups.h"
#include "slab/rect/PlasticLookups.h"

namespace {

bool IsFree(int nCode) { return nCode == SLAB_FREE; }

SlabStrip ShortStrip(const int* pEdges, int nLx, int nLy) {
    if (nLx < nLy) return {true, pEdges[EDGE_LEFT], pEdges[EDGE_RIGHT], nLx};
    return {false, pEdges[EDGE_BOTTOM], pEdges[EDGE_TOP], nLy};
}

}  // namespace

int ChooseSlabStep(const int* pEdges, int nLx, int nLy, const SlabStepRules& rules, SlabStrip& strip,
                   int& nFixedEdge, int& nCase) {
    int nPosts = 0;
    for (int i = POST_TOPLEFT; i <= POST_BOTTOMRIGHT; ++i) nPosts += pEdges[i] != 0;
    const bool bElastic = rules.nBoardKind == 0;
    const bool bPlainElastic = !rules.bDesign || (nPosts == 0 && bElastic);
    const bool bTopBottomFree = IsFree(pEdges[EDGE_TOP]) && IsFree(pEdges[EDGE_BOTTOM]);
    const bool bLeftRightFree = IsFree(pEdges[EDGE_LEFT]) && IsFree(pEdges[EDGE_RIGHT]);

    // 1. A strip between two free edges.
    if (bPlainElastic && bTopBottomFree && !IsFree(pEdges[EDGE_LEFT]) && !IsFree(pEdges[EDGE_RIGHT])) {
        strip = {true, pEdges[EDGE_LEFT], pEdges[EDGE_RIGHT], nLx};
        return SLAB_STEP_FREE_STRIP;
    }
    if (bPlainElastic && bLeftRightFree && !IsFree(pEdges[EDGE_TOP]) && !IsFree(pEdges[EDGE_BOTTOM])) {
        strip = {false, pEdges[EDGE_BOTTOM], pEdges[EDGE_TOP], nLy};
        return SLAB_STEP_FREE_STRIP;
    }
    // 2. A cantilever: three free edges, the fourth fixed.
    const int nEdges[4] = {EDGE_TOP, EDGE_BOTTOM, EDGE_LEFT, EDGE_RIGHT};
    int nFree = 0, nFixed = -1;
    for (int nEdge : nEdges) {
        if (IsFree(pEdges[nEdge])) ++nFree;
        if (pEdges[nEdge] == SLAB_FIXED) nFixed = nEdge;
    }
    if (bPlainElastic && nFree == 3 && nFixed >= 0) {
        nFixedEdge = nFixed;
        strip = {nFixed == EDGE_LEFT || nFixed == EDGE_RIGHT, 0, 0,
                 (nFixed == EDGE_TOP || nFixed == EDGE_BOTTOM) ? nLy : nLx};
        return SLAB_STEP_CANTILEVER;
    }
    // 3. A one-way slab by the span ratio (strictly above the limit).
    const double dRatio = nLx > nLy ? static_cast<double>(nLx) / nLy : static_cast<double>(nLy) / nLx;
    if ((!rules.bDesign || bElastic) && dRatio > rules.dRatioLimit) {
        strip = ShortStrip(pEdges, nLx, nLy);
        return IsFree(strip.nEnd0) || IsFree(strip.nEnd1) ? SLAB_STEP_NONE : SLAB_STEP_RATIO_STRIP;
    }
    // 4. The coefficient table.
    nCase = bElastic ? FindElasticCase(pEdges) : FindPlasticCase(pEdges, nLx, nLy);
    if (nCase > 0) return SLAB_STEP_TABLE;
    // 5. A strip across the shorter span.
    if (rules.bDesign && nPosts > 0) return SLAB_STEP_NONE;
    strip = ShortStrip(pEdges, nLx, nLy);
    return IsFree(strip.nEnd0) || IsFree(strip.nEnd1) ? SLAB_STEP_NONE : SLAB_STEP_FALLBACK_STRIP;
}

void StripMoments(const SlabStrip& strip, double dQ, double dFixedSimple, SlabMoments& moments) {
    moments = SlabMoments{};
    const double k = dQ * strip.nSpan * static_cast<double>(strip.nSpan);
    const bool bFixed0 = strip.nEnd0 == SLAB_FIXED, bFixed1 = strip.nEnd1 == SLAB_FIXED;
    double dSpan, dEnd0 = 0.0, dEnd1 = 0.0;
    if (bFixed0 && bFixed1) {
        dSpan = k / 24;
        dEnd0 = dEnd1 = k / 12;
    } else if (bFixed0 || bFixed1) {
        dSpan = k * dFixedSimple;
        (bFixed0 ? dEnd0 : dEnd1) = k / 8;
    } else {
        dSpan = k / 8;
    }
    if (strip.bAlongX) {
        moments.dMx = dSpan;
        moments.dLeft = dEnd0;
        moments.dRight = dEnd1;
    } else {
        moments.dMy = dSpan;
        moments.dBottom = dEnd0;
        moments.dTop = dEnd1;
    }
}

int LookupSlabCase(int nCase, double dLx, double dLy, const int* pEdges, double dQ, double dPoisson, double dBeta,
                   int nHalfArea, double* pCoef, SlabMoments& moments, SlabMomentList& list, int& nSpan) {
    if (nCase >= 14) return GetPlasticCoef(nCase, dLx, dLy, pCoef, moments, pEdges, nSpan, dQ, dBeta, nHalfArea);
    return GetElasticCoef(nCase, dLx, dLy, pCoef, moments, list, pEdges, nSpan, dQ, dPoisson);
}
