#include "beam/RangedValue.h"

#include "host/CheckEditValue.h"
#include "host/Numbers.h"

BOOL TakeRangedValue(CVuskDlg& page, UINT nID, double& dValue, double dLower, double dUpper) {
    double dTyped = 0;
    // The host's range check tells the person why and puts a bound in the box; the box then gets
    // its own last value back instead, which is no value of the person's.
    if (CheckEditValue(&page, nID, dLower, dUpper, 0) && CheckDouble(page.GetEditText(nID), dTyped, dUpper, dLower)) {
        dValue = dTyped;
        return TRUE;
    }
    page.SetEditText(nID, dValue);
    return FALSE;
}
