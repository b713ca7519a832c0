#include "embed/EmbedInputMessage.h"

#include "framework/CheckPromptDlg.h"
#include "host/Numbers.h"

UINT GetEditedControl() {
    const MSG* pMsg = CWnd::GetCurrentMessage();
    if (!pMsg || pMsg->message != WM_COMMAND) return 0;
    const UINT nCode = HIWORD(pMsg->wParam);
    return nCode == EN_KILLFOCUS || nCode == EN_CHANGE ? LOWORD(pMsg->wParam) : 0;
}

CString GetIntRangeMessage(int nLower, int nUpper) {
    CString strMessage;
    strMessage.Format(nLower <= nUpper ? "请输入一个在%d与%d之间的整数" : "没有同时不小于%d且不大于%d的整数,请修改其它参数",
                      nLower, nUpper);
    return strMessage;
}

CString GetDoubleRangeMessage(double dLower, double dUpper) {
    CString strMessage;
    strMessage.Format("请输入一个在%s与%s之间的实数", (LPCTSTR)ftos(dLower), (LPCTSTR)ftos(dUpper));
    return strMessage;
}

void TellRefusal(CWnd* pDialog, UINT nID, const CString& strMessage) {
    if (nID == 0 || nID != GetEditedControl()) return;
    CCheckPromptDlg dlgPrompt;
    dlgPrompt.m_nMode = CHECK_PROMPT_NOTICE;
    dlgPrompt.m_strMessage = strMessage;
    dlgPrompt.DoModal();
    if (CWnd* pEdit = pDialog->GetDlgItem(nID)) {
        pEdit->SetFocus();
        pEdit->SendMessage(EM_SETSEL, 0, -1);
    }
}
