// CQeltConcrete: concrete strength classes after GB 50010-2002, by grade text ("C15" … "C80").
// Every value is in N/mm² (one unit everywhere) or dimensionless:
// - fcu,k: the number of the grade; fc, ft, fck, ftk and Ec: the code's tables of 4.1.3 to 4.1.5.
// - α1 = 1.0 up to C50 and 0.94 at C80, β1 = 0.8 up to C50 and 0.74 at C80, βc = 1.0 up to C50 and
//   0.8 at C80, linear in fcu,k between; εcu = 0.0033 − (fcu,k − 50)·10⁻⁵, at most 0.0033.
// - ξb (GetEb, steel grade first) = β1 / (1 + fy / (Es·εcu)), with the grade's fy or a design
//   strength of the bars' own (a strength the engineer sets), Es always the grade's.
// - The text forms of α1 and βc have two decimals with a trailing zero dropped, keeping one: "1.0",
//   "0.98", "0.9", "0.97".
// A grade text that is not in the table (the match is exact, byte for byte) gives 0 (an empty text for
// the text forms), with a diagnostic.
// The class holds nothing: copying it copies nothing.
#pragma once

#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CQeltConcrete {
public:
    CQeltConcrete() = default;
    CQeltConcrete(const CQeltConcrete&) {}
    CQeltConcrete& operator=(const CQeltConcrete&) { return *this; }
    virtual ~CQeltConcrete() = default;

    static double GetFcuk(LPCTSTR lpszGrade);
    static double GetFc(LPCTSTR lpszGrade);
    static double GetFt(LPCTSTR lpszGrade);
    static double GetFck(LPCTSTR lpszGrade);
    static double GetFtk(LPCTSTR lpszGrade);
    static double GetEc(LPCTSTR lpszGrade);
    static double GetAlpha1(LPCTSTR lpszGrade);
    static double GetBeta1(LPCTSTR lpszGrade);
    static double GetBetac(LPCTSTR lpszGrade);
    static double GetEcu(LPCTSTR lpszGrade);
    static double GetEb(LPCTSTR lpszSteelGrade, LPCTSTR lpszConcreteGrade);
    static double GetEb(LPCTSTR lpszSteelGrade, LPCTSTR lpszConcreteGrade, double dFy);
    static CString GetAlpha1Str(LPCTSTR lpszGrade);
    static CString GetBetacStr(LPCTSTR lpszGrade);

    // Replaces the list's contents with the grades in display order, "C15" to "C80".
    static void GetConcreteGradeString(CStringArray& arrGrades);
};
