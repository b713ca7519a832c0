// The readers of the embedded-part pages' edits: a number written plainly, inside its range.
#pragma once

#include "mfc/base/String.h"

// Whole number: blanks around it and leading zeros are allowed, nothing else; nValue is written only
// when the text reads completely and lies in nMin..nMax.
BOOL GetCtrlInt(CString strText, int& nValue, int nMax, int nMin);

// Decimal number of at most six decimals, no exponent, no unit; dValue is written only when the text
// reads and lies in dMin..dMax.
BOOL GetCtrlDouble(CString strText, double& dValue, double dMax, double dMin);
