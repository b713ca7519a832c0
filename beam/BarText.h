// Bar and stirrup texts of the continuous beam's result page, written and read with the grade's
// mark (GradeMark): bars "3d20" or "2d20+2d18" (count, mark, diameter in mm per group), a stirrup
// "d8@200" (mark, diameter in mm, spacing in mm).
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

// One group when n2 < 1, else two.
CString MakeBarText(LPCTSTR lpszGrade, int n1, int d1, int n2, int d2);
CString MakeStirrupText(LPCTSTR lpszGrade, int d, int s);

// Reads the groups of a bar text into the numbers, leaving those it does not reach as they are;
// the number of groups read whole (0, 1 or 2).
int ReadBarText(LPCTSTR lpszText, LPCTSTR lpszGrade, int& n1, int& d1, int& n2, int& d2);
// Reads a stirrup text; FALSE, leaving d and s, when it is not one of the grade.
BOOL ReadStirrupText(LPCTSTR lpszText, LPCTSTR lpszGrade, int& d, int& s);

// The index of a main-bar diameter (mm) in g_BarDiameters, of a stirrup diameter in
// g_StirrupDiameters; -1 when it has none.
int BarDiameterIndex(int d);
int StirrupDiameterIndex(int d);
