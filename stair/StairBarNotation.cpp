#include "stair/StairBarNotation.h"

#include <cstdio>
#include <cstring>

const int g_nStairDiameters[14] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40};

CString StairBarNotation(LPCTSTR lpszGrade, int nDia, int nSpace, LPCTSTR lpszOther) {
    static const struct {
        const char* grade;
        const char* letter;
    } kLetters[] = {{"HPB235", "d"}, {"HRB335", "D"}, {"HRB400", "f"}, {"RRB400", "F"}, {"冷拉钢筋", "R"}};
    CString strGrade(lpszGrade);
    CString strLetter = lpszOther ? CString(lpszOther) : strGrade;
    for (const auto& entry : kLetters)
        if (strGrade == entry.grade) strLetter = entry.letter;
    CString strText;
    strText.Format("%s%d@%d", (LPCTSTR)strLetter, nDia, nSpace);
    return strText;
}

BOOL StairParseBarNotation(LPCTSTR lpszText, int& nDia, int& nSpace) {
    if (!lpszText) return FALSE;
    const char* p = lpszText;
    while (*p && !(*p >= '0' && *p <= '9')) ++p;
    int d = 0, s = 0;
    if (std::sscanf(p, "%d@%d", &d, &s) != 2) return FALSE;
    nDia = d;
    nSpace = s;
    return TRUE;
}

double StairBarArea(int nDia, int nSpace) {
    if (nDia <= 0 || nSpace <= 0) return 0;
    return 785.3981633974482 * nDia * nDia / nSpace;
}
