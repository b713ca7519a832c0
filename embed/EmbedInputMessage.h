// How an embedded-part page tells the person that what was typed into an edit was refused: the range
// message in the check-result prompt, then the edit selected again for retyping, as the member checks
// do. Only the edit typed into is told so; what its correction changes in other edits follows silently.
#pragma once

#include "mfc/Afx.h"

// The edit whose change or leaving is the message being handled: the edit a person typed into. 0
// while no edit's notification is being handled.
UINT GetEditedControl();

// "请输入一个在%d与%d之间的整数"; for limits that no whole number meets (nLower above nUpper)
// "没有同时不小于%d且不大于%d的整数,请修改其它参数".
CString GetIntRangeMessage(int nLower, int nUpper);
// "请输入一个在%s与%s之间的实数", the bounds in the host's number format.
CString GetDoubleRangeMessage(double dLower, double dUpper);

// When nID is the edit being typed into: the message in the check-result prompt, then the edit focused
// with its text selected. Nothing otherwise.
void TellRefusal(CWnd* pDialog, UINT nID, const CString& strMessage);
