#include "stair/StairNumberReaders.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "host/Numbers.h"

int ParseDouble(LPCTSTR lpszText, double& dValue) {
    if (!lpszText) return 0;
    for (const char* p = lpszText; *p; ++p)
        if (!((*p >= '0' && *p <= '9') || *p == '.' || *p == '-')) return 0;
    const char* pStart = lpszText;
    while (*pStart == ' ' || *pStart == '\t') ++pStart;
    char* pEnd = NULL;
    const double dRead = std::strtod(pStart, &pEnd);
    if (pEnd == pStart) return 0;
    dValue = dRead;
    for (const char* p = pEnd; *p; ++p)
        if (*p != ' ' && *p != '\t') return 0;
    return dRead != 0 || lpszText[0] == '0' ? 1 : 0;
}

int ParseLimit(LPCTSTR lpszText, double dLower, double dUpper, double& dValue) {
    double dRead = 0;
    if (!ParseDouble(lpszText, dRead) || !(dRead >= dLower && dRead <= dUpper)) return 0;
    dValue = dRead;
    return 1;
}

int ReadFiniteNumber(LPCTSTR lpszText, double& dValue) { return CheckDouble(lpszText, dValue, DBL_MAX, -DBL_MAX) ? 1 : 0; }

int ReadWholeNumber(LPCTSTR lpszText, int& nValue) {
    double dValue = 0;
    if (!CheckDouble(lpszText, dValue, INT_MAX, INT_MIN) || dValue != std::floor(dValue)) return 0;
    nValue = static_cast<int>(dValue);
    return 1;
}
