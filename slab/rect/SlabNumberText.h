// The number formats of the slab reports.
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

// Six decimals without trailing zeros or a bare trailing point ("6", "4.25"); TRUE.
BOOL NumToTrimStr(double dValue, CString& strText);
// The value × 10⁻⁶ with 1 to 5 decimals (6 for any other count), then "×10$6$".
CString NumToStrE6(const double& dValue, int nDecimals);
// The value as mantissa × 10^exponent with 1 to 5 decimals (6 otherwise): "2.55×10$4$". The exponent
// is written without sign or leading zeros, whatever width the C library gives it.
CString NumToStrExp(const double& dValue, int nDecimals);
