// The projected area of the concrete cones of a grid of anchors (tension pulled out of the concrete).
#pragma once

// Area of the part of a circle of radius r beyond a chord at distance c from its centre; 0 when the
// chord misses the circle (c ≥ r).
double GetSegmentArea(int nRadius, int nChord);

// Ap of rows × columns anchors, rows b1 apart and columns b apart, each anchor with a cone of radius
// R = be/2 + h on the face. A grid with interior anchors (three or more rows and columns) takes the
// area of the union of the cone circles; smaller grids the overlapping-cones formula of the pages,
// but the union wherever the formula exceeds it (a single column, anchors close together).
double GetConeProjectedArea(int nRows, int nColumns, int nSpacingB1, int nSpacingB, int nSlabBe, int nDepthH);

// The area of the union of rows × columns circles of radius R on a grid b1 (between rows) by b
// (between columns).
double GetConeUnionArea(int nRows, int nColumns, double dSpacingB1, double dSpacingB, double dRadius);

// The tension of one anchor's cone per unit of projected area, Nc/A0 (kN/mm²), for concrete of tensile
// strength ft, depth h and end plate be: Nc = 0.6·π·ft·h·(h + be)/1000 over A0 = π·(h + be/2)².
double GetConeTensionPerArea(double dFt, int nDepthH, int nSlabBe);
