// Area and text of a bar scheme.
#include "beam/BarScheme.h"

#include <cmath>
#include <cstring>

const int g_BarDiameters[12] = {12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

namespace {

BOOL IsBarIndex(int nIndex) { return nIndex >= 0 && nIndex < 12; }

}  // namespace

LPCTSTR GradeMark(LPCTSTR lpszGrade) {
    static const struct {
        LPCTSTR lpszGrade;
        LPCTSTR lpszSymbol;
    } s_symbols[] = {{"HPB235", "d"}, {"HRB335", "D"}, {"HRB400", "f"}, {"RRB400", "F"}, {"冷拉钢筋", "R"}};
    for (const auto& symbol : s_symbols)
        if (std::strcmp(lpszGrade, symbol.lpszGrade) == 0) return symbol.lpszSymbol;
    return lpszGrade;
}

double CBarScheme::GetArea() const {
    if (!IsBarIndex(m_nDiaOne) || !IsBarIndex(m_nDiaTwo)) return 0;
    const double d1 = g_BarDiameters[m_nDiaOne];
    const double d2 = g_BarDiameters[m_nDiaTwo];
    return (m_nNumOne * d1 * d1 + m_nNumTwo * d2 * d2) * M_PI / 4;
}

CString CBarScheme::GetText(LPCTSTR lpszGrade) const {
    CString strText;
    if (!IsBarIndex(m_nDiaOne) || !IsBarIndex(m_nDiaTwo)) return strText;
    const LPCTSTR lpszMark = GradeMark(lpszGrade);
    strText.Format("%d%s%d", m_nNumOne, lpszMark, g_BarDiameters[m_nDiaOne]);
    if (m_nNumTwo != 0) {
        CString strSecond;
        strSecond.Format("+%d%s%d", m_nNumTwo, lpszMark, g_BarDiameters[m_nDiaTwo]);
        strText += strSecond;
    }
    return strText;
}
