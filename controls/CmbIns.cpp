#include "controls/CmbIns.h"

BEGIN_MESSAGE_MAP(CCmbIns, CComboBox)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CCmbIns::CCmbIns() : m_bChanged(0), m_bTabHandled(1) {}

void CCmbIns::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (qelt::editcmb::HandleEditorKey(*this, m_bChanged, nChar)) return;
    m_bChanged = 1;
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CCmbIns::PreTranslateMessage(MSG* pMsg) {
    if (!pMsg || pMsg->hwnd != m_hWnd) return CComboBox::PreTranslateMessage(pMsg);
    // The combo's edit field is the combo itself here, so its keys need no second dispatch.
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) && pMsg->wParam != VK_ESCAPE) m_bChanged = 1;
    if (qelt::editcmb::PreTranslateEditorKey(*this, m_bTabHandled, *pMsg)) return TRUE;
    return CComboBox::PreTranslateMessage(pMsg);
}
