#pragma once

// One result row of the irregular slab: row 0 and 1 the bottom bars in X and Y, row 2 + k the top
// bars at outline edge k, then the top bars at each re-entrant corner of the outline. The server's m_nFlag says whether the row was designed, and when the
// slab is refused, why (plateserver/PlateSolver.h).

#include "mfc/base/String.h"

struct BoardReinResult {
    double m_dMoment = 0.0;      // kN·m per metre
    double m_dCalArea = 0.0;     // required bar area, mm² per metre
    double m_dRealArea = 0.0;    // area of the chosen bars, mm² per metre
    double m_dDiameter = 0.0;    // mm
    double m_dSpace = 0.0;       // mm
    int m_nFlag = 0;
    double m_dDeflection = 0.0;  // mm
    double m_dCrack = 0.0;       // mm
    int m_nRowId = 0;            // the server's id of the row, sent back for a crack width
    int m_nCorner = -1;          // the outline vertex of a re-entrant corner's row, -1 for the others
};

// The name of row nRow of a slab whose outline has nEdges edges: "X向正筋", "Y向正筋", then the
// edge's two vertex numbers ("1-2" … "n-1"), then the re-entrant corners' rows by their vertex
// numbers ("阴角4").
CString BoardRowName(int nRow, int nEdges, const BoardReinResult& row);

// Whether the row holds bars (a diameter and a spacing); a row without them has no scheme.
inline bool HasBars(const BoardReinResult& row)
{
    return row.m_dDiameter > 0.0 && row.m_dSpace > 0.0;
}
