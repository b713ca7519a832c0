// The numbers of a stair's input page that are taken when their field loses the focus, each with
// its range (bounds included) and its name in a refusal; one table per stair's parameter class.
#pragma once

#include <cstddef>

#include "framework/InputValidator.h"
#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

template <class TParam>
struct StairLimitField {
    UINT nID;
    double TParam::*pValue;
    double dLower, dUpper;
    const char* pszLabel;
};

// Adds "name：range message" to arrErrors for each value of p outside its field's range (a value
// that is no number among them).
template <class TParam, std::size_t N>
void CheckStairLimits(const TParam& p, const StairLimitField<TParam> (&fields)[N], CStringArray& arrErrors) {
    for (const StairLimitField<TParam>& field : fields) {
        const double dValue = p.*field.pValue;
        if (!(dValue >= field.dLower && dValue <= field.dUpper))
            arrErrors.Add(CString(field.pszLabel) + "：" + RangeMessage(field.dLower, field.dUpper));
    }
}
