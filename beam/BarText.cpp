// Writing and reading bar and stirrup texts.
#include "beam/BarText.h"

#include <cctype>
#include <cstring>

#include "beam/BarScheme.h"
#include "beam/StirrupOption.h"

namespace {

// A whole unsigned number at p; advances p. FALSE when no digit is there.
BOOL ReadNumber(const char*& p, int& n) {
    if (!std::isdigit(static_cast<unsigned char>(*p))) return FALSE;
    int value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p)) && value < 100000) value = value * 10 + (*p++ - '0');
    if (std::isdigit(static_cast<unsigned char>(*p))) return FALSE;
    n = value;
    return TRUE;
}

BOOL ReadLiteral(const char*& p, LPCTSTR lpszLiteral) {
    const size_t n = std::strlen(lpszLiteral);
    if (n == 0 || std::strncmp(p, lpszLiteral, n) != 0) return FALSE;
    p += n;
    return TRUE;
}

// One group "count mark diameter" at p.
BOOL ReadGroup(const char*& p, LPCTSTR lpszMark, int& n, int& d) {
    int count = 0, diameter = 0;
    if (!ReadNumber(p, count)) return FALSE;
    n = count;
    if (!ReadLiteral(p, lpszMark) || !ReadNumber(p, diameter)) return FALSE;
    d = diameter;
    return TRUE;
}

}  // namespace

CString MakeBarText(LPCTSTR lpszGrade, int n1, int d1, int n2, int d2) {
    const LPCTSTR lpszMark = GradeMark(lpszGrade);
    CString strText;
    if (n2 < 1)
        strText.Format("%d%s%d", n1, lpszMark, d1);
    else
        strText.Format("%d%s%d+%d%s%d", n1, lpszMark, d1, n2, lpszMark, d2);
    return strText;
}

CString MakeStirrupText(LPCTSTR lpszGrade, int d, int s) {
    CString strText;
    strText.Format("%s%d@%d", GradeMark(lpszGrade), d, s);
    return strText;
}

int ReadBarText(LPCTSTR lpszText, LPCTSTR lpszGrade, int& n1, int& d1, int& n2, int& d2) {
    const LPCTSTR lpszMark = GradeMark(lpszGrade);
    const char* p = lpszText;
    if (!ReadGroup(p, lpszMark, n1, d1)) return 0;
    if (*p != '+') return 1;
    ++p;
    return ReadGroup(p, lpszMark, n2, d2) ? 2 : 1;
}

BOOL ReadStirrupText(LPCTSTR lpszText, LPCTSTR lpszGrade, int& d, int& s) {
    const char* p = lpszText;
    int diameter = 0, spacing = 0;
    if (!ReadLiteral(p, GradeMark(lpszGrade)) || !ReadNumber(p, diameter) || *p++ != '@' || !ReadNumber(p, spacing))
        return FALSE;
    d = diameter;
    s = spacing;
    return TRUE;
}

int BarDiameterIndex(int d) {
    for (int k = 0; k < 12; ++k)
        if (g_BarDiameters[k] == d) return k;
    return -1;
}

int StirrupDiameterIndex(int d) {
    for (int k = 0; k < STIRRUP_DIAMETERS; ++k)
        if (g_StirrupDiameters[k] == d) return k;
    return -1;
}
