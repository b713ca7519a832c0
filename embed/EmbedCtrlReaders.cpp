#include "embed/EmbedCtrlReaders.h"

#include <cmath>
#include <cstdlib>

BOOL GetCtrlInt(CString strText, int& nValue, int nMax, int nMin) {
    strText.Trim();
    if (strText.IsEmpty()) return FALSE;
    strText.TrimLeft('0');
    const int nRead = std::atoi(strText);
    CString strRendered;
    strRendered.Format("%d", nRead);
    if (!strText.IsEmpty() && strRendered != strText) return FALSE;
    if (nRead < nMin || nRead > nMax) return FALSE;
    nValue = nRead;
    return TRUE;
}

BOOL GetCtrlDouble(CString strText, double& dValue, double dMax, double dMin) {
    strText.Trim();
    if (strText.IsEmpty()) return FALSE;
    const double dRead = std::atof(strText);
    // A text such as "1e999" or "nan" reads as a non-finite value: no page can use it.
    if (!std::isfinite(dRead)) return FALSE;
    CString strRendered;
    strRendered.Format("%lf", dRead);
    strText.TrimLeft('0');
    if (strRendered.Find(strText) < 0) return FALSE;
    if (dRead < dMin || dRead > dMax) return FALSE;
    dValue = dRead;
    return TRUE;
}
