// CQeltSteelBar: reinforcing steel after GB 50010-2002, by grade text, in N/mm²:
//
//   grade      fy   f'y   Es
//   HPB235     210  210   2.1·10⁵
//   HRB335     300  300   2.0·10⁵
//   HRB400     360  360   2.0·10⁵
//   RRB400     360  360   2.0·10⁵
//   冷拉钢筋   250  210   2.1·10⁵
//
// 冷拉钢筋 (cold-drawn bars) left the code in 2002; the values are those of cold-drawn grade I bars
// (d ≤ 12 mm) in the code of 1989, the cold-drawn bars used for slabs and stirrups: cold drawing
// raised fy from 210 to 250 but not the compressive strength, and Es is that of grade I bars.
// A grade text that is not in the table (the match is exact) gives 0, with a diagnostic.
// The class holds nothing: copying it copies nothing.
#pragma once

#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CQeltSteelBar {
public:
    CQeltSteelBar() = default;
    CQeltSteelBar(const CQeltSteelBar&) {}
    CQeltSteelBar& operator=(const CQeltSteelBar&) { return *this; }
    virtual ~CQeltSteelBar() = default;

    static double GetFy(LPCTSTR lpszGrade);
    static double GetFy_(LPCTSTR lpszGrade);
    static double GetEs(LPCTSTR lpszGrade);

    // The area of nCount bars of the diameter (mm): nCount·π·d²/4 in mm². A negative diameter or
    // count gives 0, with a diagnostic.
    static double GetSteelBarArea(double dDiameter, int nCount);

    // Replaces the list's contents with the grades in display order: "HPB235", "HRB335", "HRB400",
    // "RRB400", "冷拉钢筋".
    static void GetSteelBarGradeString(CStringArray& arrGrades);
};
