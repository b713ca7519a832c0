#pragma once

// One result row of the irregular slab: row 0 and 1 the bottom bars in X and Y, row 2 + k the top
// bars at outline edge k. The server fills m_nFlag; nothing here reads it.

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
};
