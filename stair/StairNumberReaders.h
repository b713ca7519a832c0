// The number readers of the stair input pages.
#pragma once

#include "win/WinTypes.h"

// 1 when the text is a number written with digits, "." and "-" alone and read completely; the
// number goes to dValue. A text that reads as zero counts only when it begins with "0", so an empty
// text and "-0" give 0; so does "1-2".
int ParseDouble(LPCTSTR lpszText, double& dValue);

// 1 when ParseDouble reads the text as a number within [dLower, dUpper]; only then does the number
// go to dValue. The limit fields of both pages take their texts so.
int ParseLimit(LPCTSTR lpszText, double dLower, double dUpper, double& dValue);

// 1 when the whole text is a finite decimal number (blanks around it aside); the number goes to
// dValue. "nan", "inf", 1e400, letters and an empty text give 0.
int ReadFiniteNumber(LPCTSTR lpszText, double& dValue);

// 1 when the whole text is a whole number of the int range; the number goes to nValue.
int ReadWholeNumber(LPCTSTR lpszText, int& nValue);
