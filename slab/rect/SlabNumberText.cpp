#include "slab/rect/SlabNumberText.h"

#include <cstdlib>

namespace {

int ClampDecimals(int nDecimals) { return nDecimals >= 1 && nDecimals <= 5 ? nDecimals : 6; }

}  // namespace

BOOL NumToTrimStr(double dValue, CString& strText) {
    strText.Format("%lf", dValue);
    strText.TrimRight("0");
    strText.TrimRight(".");
    return TRUE;
}

CString NumToStrE6(const double& dValue, int nDecimals) {
    CString strText;
    strText.Format("%.*lf×10$6$", ClampDecimals(nDecimals), dValue * 0.000001);
    return strText;
}

CString NumToStrExp(const double& dValue, int nDecimals) {
    CString strText;
    strText.Format("%.*e", ClampDecimals(nDecimals), dValue);
    const int nE = strText.Find('e');
    if (nE < 0) return strText;  // not a finite number: as the conversion writes it
    const int nExponent = std::atoi(static_cast<LPCTSTR>(strText) + nE + 1);
    CString strResult;
    strResult.Format("%s×10$%d$", static_cast<LPCTSTR>(strText.Left(nE)), nExponent);
    return strResult;
}
