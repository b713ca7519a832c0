#include "embed/EmbedInputCorrection.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedCtrlReaders.h"

int CorrectIntInput(const CString& strText, int nStored, const std::vector<EmbedIntLimit>& limits,
                    BOOL& bRewrite) {
    int nRead = nStored;
    const BOOL bRead = GetCtrlInt(strText, nRead, 32767, -32768);
    int nValue = bRead ? nRead : nStored;
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
    }
    // Limits that contradict each other may bring a value back to the one typed: it stands as typed.
    bRewrite = !bRead || nValue != nRead;
    return nValue;
}

void GetIntRange(const std::vector<EmbedIntLimit>& limits, int& nLower, int& nUpper) {
    nLower = -32768;
    nUpper = 32767;
    for (const EmbedIntLimit& limit : limits) {
        if (!limit.bLower)
            nUpper = std::min(nUpper, limit.nBound);
        else if (limit.bTrigger)
            nLower = std::max(nLower, static_cast<int>(std::ceil(limit.dTrigger)));  // below it the bound applies
        else
            nLower = std::max(nLower, limit.nBound);
    }
}

double CorrectDoubleInput(const CString& strText, double dStored, double dMin, double dMax, BOOL& bRewrite) {
    double dValue = dStored;
    bRewrite = !GetCtrlDouble(strText, dValue, dMax, dMin);
    if (!bRewrite) return dValue;
    // A stored value that is not a number is replaced by the lower end, never passed on.
    if (!std::isfinite(dStored)) return dMin;
    return std::clamp(dStored, dMin, dMax);
}
