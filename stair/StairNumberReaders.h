// The number readers of the stair input pages.
#pragma once

#include "win/WinTypes.h"

// 1 when the text is a number written with digits, "." and "-" alone and read completely; the
// number goes to dValue. A text that reads as zero counts only when it begins with "0", so an empty
// text and "-0" give 0; so does "1-2".
int ParseDouble(LPCTSTR lpszText, double& dValue);

// atof of the text when that is above zero, else the default.
double GetPositiveDouble(LPCTSTR lpszText, double dDefault);
