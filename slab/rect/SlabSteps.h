// The decision sequence every slab calculator runs with its own load: a one-way strip between two
// free edges, a cantilever, a strip by the span ratio, the coefficient table, a fallback strip.
#pragma once

#include "slab/rect/SlabRecords.h"

enum {
    SLAB_STEP_FREE_STRIP = -2,
    SLAB_STEP_CANTILEVER = -1,
    SLAB_STEP_RATIO_STRIP = 0,
    SLAB_STEP_TABLE = 1,
    SLAB_STEP_FALLBACK_STRIP = 2,
    SLAB_STEP_NONE = -3,  // no step covers the supports (status 2)
};

// What the design calculator requires beyond the serviceability ones: the strip between free
// edges and the cantilever only for an elastic slab without posts, the ratio strip only for an
// elastic slab, and no fallback strip for a slab with posts.
struct SlabStepRules {
    bool bDesign;
    int nBoardKind;      // 0 elastic, 1 plastic
    double dRatioLimit;  // a one-way slab above this span ratio
};

// A one-way strip: its direction, the codes of its two ends (Left, Right or Bottom, Top) and l0.
struct SlabStrip {
    bool bAlongX;
    int nEnd0, nEnd1;
    int nSpan;
};

// The step that decides, with the strip (strip steps), the fixed edge (cantilever: an EDGE_ index,
// l0 in strip.nSpan) or the table case.
int ChooseSlabStep(const int* pEdges, int nLx, int nLy, const SlabStepRules& rules, SlabStrip& strip,
                   int& nFixedEdge, int& nCase);

// The strip's moments, k = q·l0²: simply–simply k/8; fixed–fixed k/24 and k/12 at both ends;
// fixed–simply k·dFixedSimple and k/8 at the fixed end. Every other moment 0.
void StripMoments(const SlabStrip& strip, double dQ, double dFixedSimple, SlabMoments& moments);

// The table lookup of an elastic (1–13) or plastic (14–22) case: the lookup's result.
int LookupSlabCase(int nCase, double dLx, double dLy, const int* pEdges, double dQ, double dPoisson, double dBeta,
                   int nHalfArea, double* pCoef, SlabMoments& moments, SlabMomentList& list, int& nSpan);
