// Real comparisons of the member checks: two values closer than 1e-6 count as equal.
#pragma once

#include <cmath>

#include "win/WinTypes.h"

// a ≤ b, with a within 1e-6 of b counting as equal.
inline BOOL IsLessEqual(double a, double b) { return a < b || std::fabs(a - b) < 1e-6; }

// a ≥ b, with a within 1e-6 of b counting as equal.
inline BOOL IsGreaterEqual(double a, double b) { return a > b || std::fabs(a - b) < 1e-6; }
