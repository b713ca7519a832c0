// Stirrup diameters and option texts.
#include "beam/StirrupOption.h"

#include <cstring>

const int g_StirrupDiameters[STIRRUP_DIAMETERS] = {4, 5, 6, 8, 10, 12, 14, 16};

int StirrupDiameter(int nIndex) {
    return nIndex >= 0 && nIndex < STIRRUP_DIAMETERS ? g_StirrupDiameters[nIndex] : nIndex;
}

CString StirrupOption::GetText() const {
    static const struct {
        LPCTSTR lpszGrade;
        LPCTSTR lpszSymbol;
    } s_symbols[] = {{"", "#"},       {"HPB235", "d"}, {"HRB335", "D"},
                     {"HRB400", "f"}, {"RRB400", "F"}, {"冷拉钢筋", "R"}};
    LPCTSTR lpszMark = m_strGrade;
    for (const auto& symbol : s_symbols)
        if (m_strGrade == symbol.lpszGrade) lpszMark = symbol.lpszSymbol;
    CString strText;
    strText.Format("%s%d@%d", lpszMark, StirrupDiameter(m_nDiaIndex), m_nSpacing);
    return strText;
}
