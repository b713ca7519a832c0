#include "slab/rect/SlabReportParts.h"

#include <cstdarg>

#include "slab/rect/SlabSteps.h"

CString SlabFormat(LPCTSTR lpszFormat, ...) {
    CString strText;
    va_list args;
    va_start(args, lpszFormat);
    strText.FormatV(lpszFormat, args);
    va_end(args);
    return strText;
}

namespace {

LPCTSTR EdgeWord(int nCode) { return nCode == SLAB_FIXED ? "固定" : nCode == SLAB_SIMPLE ? "简支" : "自由"; }

}  // namespace

CString SlabEdgeWords(const RectBoardInputs& in) {
    return SlabFormat("%s/%s/%s/%s\n", EdgeWord(in.nTop), EdgeWord(in.nBottom), EdgeWord(in.nLeft),
                      EdgeWord(in.nRight));
}

int SlabEdgeAt(const RectBoardInputs& in, int nPosition) {
    switch (nPosition) {
    case POS_TOP: return in.nTop;
    case POS_BOTTOM: return in.nBottom;
    case POS_LEFT: return in.nLeft;
    default: return in.nRight;
    }
}

int SlabFirstFixedEdge(const RectBoardInputs& in) {
    for (int nPosition : {POS_TOP, POS_BOTTOM, POS_LEFT, POS_RIGHT})
        if (SlabEdgeAt(in, nPosition) == SLAB_FIXED) return nPosition;
    return -1;
}

int SlabSpanDirection(const RectBoardInputs& in, int nMethod) {
    const bool bByRatio = nMethod == SLAB_STEP_RATIO_STRIP || nMethod == SLAB_STEP_FALLBACK_STRIP;
    const bool bTopBottomFree = in.nTop == SLAB_FREE && in.nBottom == SLAB_FREE;
    const bool bLeftRightFree = in.nLeft == SLAB_FREE && in.nRight == SLAB_FREE;
    if ((bTopBottomFree && in.nLeft != SLAB_FREE && in.nRight != SLAB_FREE) || (bByRatio && in.nLength < in.nWidth))
        return SPAN_X;
    if ((in.nTop != SLAB_FREE && in.nBottom != SLAB_FREE && bLeftRightFree) || bByRatio) return SPAN_Y;
    return SPAN_NONE;
}

double SlabMomentAt(const SlabMoments& moments, int nPosition) {
    const double dValues[6] = {moments.dMx, moments.dMy, moments.dTop, moments.dBottom, moments.dLeft, moments.dRight};
    return dValues[nPosition];
}

int SlabAreaAt(const int* pAreas, int nPosition) {
    // Areas are held as top, left, right, bottom support, x span, y span.
    const int nIndex[6] = {4, 5, 0, 3, 1, 2};
    return pAreas[nIndex[nPosition]];
}

const BoardReinScheme& SlabSchemeAt(const BoardReinScheme* pSchemes, int nPosition) {
    const int nIndex[6] = {SCHEME_XSPAN, SCHEME_YSPAN, SCHEME_TOP, SCHEME_BOTTOM, SCHEME_LEFT, SCHEME_RIGHT};
    return pSchemes[nIndex[nPosition]];
}
