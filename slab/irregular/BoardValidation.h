#pragma once

// The input checks of the slab geometry on single polylines and load arrays, and the sequence that
// the slab page runs before it lets the user go on.

#include "mfc/base/Array.h"
#include "slab/irregular/BoardData.h"

int PolylineHasCoincidentPoints(const CBoardPolyline& poly);
int PolylineSelfIntersects(const CBoardPolyline& poly);
int MassLoadsInsidePolyline(const CArray<CMassLoad, const CMassLoad&>& loads, const CBoardPolyline& poly);
int MassLoadInPolyline(const CArray<CMassLoad, const CMassLoad&>& loads, const CBoardPolyline& poly);

// Runs the checks in order and stops at the first failure, whose message goes to warnings or errors;
// the outline, hole-placement and hole-distance checks run only on the boundary page. Returns FALSE
// on a failure, TRUE otherwise.
BOOL CheckBoardInput(const CBoardData& data, BOOL bBoundaryPage, const CBoardSetting& setting,
                     CStringArray& warnings, CStringArray& errors);
