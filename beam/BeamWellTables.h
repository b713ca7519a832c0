// The grid-beam coefficient tables (BeamWellTables.cpp, written by tools/gridtables). Each table is
// a text of numbers separated by blanks and tabs, 20 a row: (moment, shear) of the beams A1 … A6,
// B1 … B4, 0 for a beam the grid lacks.
// - Six-row tables, b/a = 0.6, 0.8 … 1.6, one per support for the small grids. In the fixed and
//   half-fixed ones the moment of A1, A2, B1 and B2 is packed as 100000·c1 + c2 (c1 the negative,
//   c2 the positive moment coefficient); in the simply supported ones only a B1 moment above 10 is.
// - Three-row tables, b/a = 0.8, 1.0, 1.2, for the larger grids whatever the support.
// Panel counts are given as (smaller, larger).
#pragma once

#include "win/WinTypes.h"

#define BEAMWELL_SIXROW_COUNT 9
#define BEAMWELL_THREEROW_COUNT 27

struct BEAMWELLSIXROWTABLE {
    int nSmall;
    int nLarge;
    LPCTSTR lpszTables[3];  // "周边简支", "周边固定", "周边半固定"
};

struct BEAMWELLTHREEROWTABLE {
    int nSmall;
    int nLarge;
    LPCTSTR lpszTable;
};

extern const BEAMWELLSIXROWTABLE g_beamWellSixRowTables[BEAMWELL_SIXROW_COUNT];
extern const BEAMWELLTHREEROWTABLE g_beamWellThreeRowTables[BEAMWELL_THREEROW_COUNT];
