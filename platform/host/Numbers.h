// The host's number texts and checks. The reports and the pages print every number through these, so
// their rules are fixed here:
//
// ftos (v): v with at most six decimals ("%.6f"), then trailing zeros and a trailing point dropped:
//   2.5 → "2.5", 3.0 → "3", 0.0000004 → "0", 1234567.25 → "1234567.25". A result of zero never
//   shows a sign: -0.0000001 → "0". Not-a-number is "nan", infinities "inf" and "-inf".
// ftosp (v, decimals, a, b): with a other than 1, v rounded to that many decimals as printf's
//   "%.*f" rounds the double (b is not used): (2.345, 2, 0, 0) → "2.35", (7, 0, 0, 0) → "7"; a value
//   exactly halfway goes to the even digit: (2.125, 2, 0, 0) → "2.12", (0.5, 0, 0, 0) → "0".
//   With a = 1, v as mantissa × 10 to the power b in the
//   report markup: (2.0e5, 1, 1, 5) → "2.0×10$5$"; b = 0 picks the power that puts the rounded
//   mantissa in [1, 10): (31500, 2, 1, 0) → "3.15×10$4$", 0 → "0.0×10$0$" (with one decimal).
//   A zero result shows no sign ("-0.00" is "0.00"). decimals is taken between 0 and 20.
// ftoi (v): v rounded to the nearest int, halves away from zero: 2.5 → 3, -2.5 → -3. A value beyond
//   the int range gives the nearest end of the range and not-a-number gives 0, with a diagnostic.
// CheckDouble (text, value, upper, lower): nonzero when the text is a decimal number lying between
//   the bounds, bounds included; only then is value set. The text may have blanks (spaces, tabs)
//   before and after the number; the number is an optional sign, digits with an optional decimal
//   point ("5.", ".5"), and an optional exponent ("1e5", "2.5E-3"). Anything else is refused: an
//   empty text, "1,5", "0x10", "inf", "nan", "1e999" (beyond a double), full-width digits.
// GetInterNum (x1, y1, x2, y2, x): the value at x of the straight line through (x1, y1) and
//   (x2, y2), also outside the two points; with x1 == x2 it is y1.
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

CString ftos(double dValue);
CString ftosp(double dValue, int nDecimals, int a, int b);
int ftoi(double dValue);
BOOL CheckDouble(LPCTSTR lpszText, double& dValue, double dUpper, double dLower);
double GetInterNum(double x1, double y1, double x2, double y2, double x);
