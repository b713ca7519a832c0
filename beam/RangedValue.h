// A number typed into a page's box with a range: taken when it is a number within the range,
// otherwise refused with the range's message (RangeMessage, "输入值应在1与2之间") while the box gets
// back the value it held before.
#pragma once

#include "host/VuskDlg.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

// TRUE, with the number in dValue, when box nID of the page holds a number within [dLower, dUpper];
// otherwise FALSE after the message, with dValue (unchanged) written back into the box.
BOOL TakeRangedValue(CVuskDlg& page, UINT nID, double& dValue, double dLower, double dUpper);
