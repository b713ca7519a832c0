// Pieces the slab's reports share: formatted texts, the words of the edges, the positions of the
// reinforcement blocks and the span direction of a one-way slab.
#pragma once

#include "mfc/base/String.h"
#include "slab/rect/RectBoardCalculator.h"

// Positions of the reports: 0 x span, 1 y span, 2 top, 3 bottom, 4 left, 5 right support.
enum { POS_XSPAN, POS_YSPAN, POS_TOP, POS_BOTTOM, POS_LEFT, POS_RIGHT };
// Slab codes of the design texts.
enum { SLAB_CODE_ONE_WAY = 0, SLAB_CODE_CANTILEVER = 1, SLAB_CODE_TWO_WAY = 2, SLAB_CODE_FALLBACK = 3 };
// Span directions of a one-way slab.
enum { SPAN_NONE, SPAN_X, SPAN_Y };

CString SlabFormat(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 1, 2)));
// "固定/简支/自由/自由\n" for the top, bottom, left and right edge (a code other than 0 and 1 is free).
CString SlabEdgeWords(const RectBoardInputs& in);
// The edge code at a support position (2 to 5).
int SlabEdgeAt(const RectBoardInputs& in, int nPosition);
// The first fixed edge in the order top, bottom, left, right as a position; −1 when none is.
int SlabFirstFixedEdge(const RectBoardInputs& in);
// The direction a one-way slab of the moment calculation's step spans in: x between free top and
// bottom edges or across the shorter Lx, y between free left and right edges or across the shorter
// (or equal) Ly, as the calculators take it.
int SlabSpanDirection(const RectBoardInputs& in, int nMethod);
// The moment (N·mm), the computed area and the chosen scheme of a position.
double SlabMomentAt(const SlabMoments& moments, int nPosition);
int SlabAreaAt(const int* pAreas, int nPosition);
const BoardReinScheme& SlabSchemeAt(const BoardReinScheme* pSchemes, int nPosition);
