// CBarScheme: one choice of longitudinal bars for a section: a first group of n1 bars of one
// diameter forming the first row, and optionally a second group of n2 bars forming the second row.
// Diameters are indexes into g_BarDiameters.
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

// The main-bar diameters (mm) by index 0 .. 11.
extern const int g_BarDiameters[12];

// The mark of a grade in bar and stirrup texts: d HPB235, D HRB335, f HRB400, F RRB400, R 冷拉钢筋,
// any other grade its own text.
LPCTSTR GradeMark(LPCTSTR lpszGrade);

struct CBarScheme {
    int m_nDiaOne;    // first diameter index
    int m_nDiaTwo;    // second diameter index (0 with one group)
    int m_nNumOne;    // n1
    int m_nNumTwo;    // n2 (0 with one group)

    // (n1 d1² + n2 d2²) π/4 in mm²; 0 when either index lies outside 0 .. 11.
    double GetArea() const;
    // "2d20", "3D22+2D20", … with the grade's bar symbol; empty when an index lies outside 0 .. 11.
    CString GetText(LPCTSTR lpszGrade) const;
};
