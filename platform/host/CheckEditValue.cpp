#include "host/CheckEditValue.h"

#include "host/Numbers.h"
#include "host/VuskMainInfo.h"
#include "mfc/base/Diagnostics.h"

BOOL CheckEditValue(CWnd* pPage, UINT nID, double dLower, double dUpper, int) {
    if (g_VuskMainInfo.m_bSkipEditCheck) return TRUE;
    CWnd* pEdit = pPage && pPage->m_hWnd ? pPage->GetDlgItem(static_cast<int>(nID)) : NULL;
    if (!pEdit) {
        qelt::ReportMisuse("CheckEditValue: %s %u", pPage && pPage->m_hWnd ? "the page has no control" : "no page for control", nID);
        return FALSE;
    }
    CString text;
    pEdit->GetWindowText(text);
    double dValue = 0.0;
    if (CheckDouble(text, dValue, dUpper, dLower)) return TRUE;

    // A number outside the range comes back as the nearest bound; anything else as the lower bound.
    double dRestored = dLower;
    if (CheckDouble(text, dValue, 1e308, -1e308) && dValue > dUpper) dRestored = dUpper;
    CString message;
    message.Format("输入值应在%s与%s之间", static_cast<LPCTSTR>(ftos(dLower)), static_cast<LPCTSTR>(ftos(dUpper)));
    pPage->MessageBox(message, "QELT构件计算提示您", MB_OK | MB_ICONWARNING);
    pEdit->SetWindowText(ftos(dRestored));
    pEdit->SetFocus();
    pEdit->SendMessage(EM_SETSEL, 0, -1);
    return FALSE;
}
