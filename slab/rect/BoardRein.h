// The bars of a slab strip 1000 mm wide after GB 50010-2002: the singly reinforced section, and the
// six required areas of a slab (top, left, right, bottom support, x span, y span) with the minimum
// ratio, distribution and construction bars.
#pragma once

#include "slab/rect/SlabRecords.h"

// How the moments were found: the design kinds of CalBoardRein.
enum { REIN_ONE_WAY = 0, REIN_CANTILEVER = 1, REIN_TWO_WAY = 2, REIN_FALLBACK_STRIP = 3 };

// The area per metre for moment M (N·mm), or −1 when the section cannot take it (ξ > ξb).
double CalBoardAs(const double& dM, const double& dImpro, const double& dA1, const double& dFc, const double& dH0,
                  const double& dFy, const double& dEb);

// 1 with the six areas written (mm², not rounded), 0 as soon as one sized area is missing or not
// positive (the output is left as it was).
int CalBoardRein(int nKind, int nAs1, int nAs2, double dP, int nThick, int bThickLim, int nThickLim, double dH0,
                 double dEb, double dFc, double dFy, double dA1, double dImpro, const int* pEdges,
                 const SlabMoments& moments, double* pAreas);

// An area in whole mm² as the results, the bar choice and both reports give it: the nearest, once,
// after any amplification.
int SlabRoundedArea(double dArea);
