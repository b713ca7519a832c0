// CheckEditValue (page, edit id, lower, upper, flag): the range check of an edit box of a page.
// The box's text is taken when CheckDouble (host/Numbers.h) accepts it between the bounds: TRUE.
// Otherwise the person is told "输入值应在<lower>与<upper>之间" (the bounds as ftos gives them) in a
// message box captioned "QELT构件计算提示您"; the box gets the nearest bound back for a number
// outside the range, the lower bound for a text that is no number, and the focus with its whole text
// selected; FALSE. While g_VuskMainInfo.m_bSkipEditCheck is set nothing is tested: TRUE.
// The flag is not used (callers pass 0). A page or an edit id that does not exist is a misuse: FALSE.
#pragma once

#include "mfc/user/Wnd.h"

BOOL CheckEditValue(CWnd* pPage, UINT nID, double dLower, double dUpper, int nFlag);
