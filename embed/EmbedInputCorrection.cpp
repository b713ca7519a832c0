#include "embed/EmbedInputCorrection.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedCtrlReaders.h"

int CorrectIntInput(const CString& strText, int nStored, const std::vector<EmbedIntLimit>& limits,
                    BOOL& bRewrite) {
    int nValue = nStored;
    bRewrite = !GetCtrlInt(strText, nValue, 32767, -32768);
    if (bRewrite) nValue = nStored;
    for (const EmbedIntLimit& limit : limits) {
        const BOOL bBelow = limit.bTrigger ? nValue < limit.dTrigger : nValue < limit.nBound;
        if (limit.bLower && bBelow) {
            nValue = std::max(nStored, limit.nBound);
        } else if (!limit.bLower && nValue > limit.nBound) {
            nValue = std::min(nStored, limit.nBound);
        } else {
            continue;
        }
        nStored = nValue;
        bRewrite = TRUE;
    }
    return nValue;
}

double CorrectDoubleInput(const CString& strText, double dStored, double dMin, double dMax, BOOL& bRewrite) {
    double dValue = dStored;
    bRewrite = !GetCtrlDouble(strText, dValue, dMax, dMin);
    if (!bRewrite) return dValue;
    // A stored value that is not a number is replaced by the lower end, never passed on.
    if (!std::isfinite(dStored)) return dMin;
    return std::clamp(dStored, dMin, dMax);
}
