#include "controls/EditIns.h"

BEGIN_MESSAGE_MAP(CEditIns, CEdit)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CEditIns::CEditIns() : m_bChanged(0), m_bTabHandled(1) {}

void CEditIns::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (qelt::editcmb::HandleEditorKey(*this, m_bChanged, nChar)) return;
    m_bChanged = 1;
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CEditIns::PreTranslateMessage(MSG* pMsg) {
    if (pMsg && qelt::editcmb::PreTranslateEditorKey(*this, m_bTabHandled, *pMsg)) return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

namespace qelt::editcmb {

bool HandleEditorKey(CWnd& editor, int& changed, UINT key) {
    if (key != VK_RETURN && key != VK_ESCAPE && key != VK_TAB) return false;
    CWnd* list = editor.GetParent();
    if (key == VK_TAB) {
        if (list) list->SendMessage(WM_EDITCMB_TAB, 0, 0);
        return true;
    }
    if (key == VK_ESCAPE) changed = 0;
    const HWND self = editor.m_hWnd;
    // The list commits (when changed) and hides the editor as when the focus leaves it.
    editor.SendMessage(WM_KILLFOCUS, 0, 0);
    // A hidden editor keeps no focus: the keys that follow go to the list.
    if (::IsWindow(self) && ::GetFocus() == self && list && list->m_hWnd) list->SetFocus();
    return true;
}

bool PreTranslateEditorKey(CWnd& editor, int tabHandled, MSG& message) {
    if (message.hwnd != editor.m_hWnd) return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (message.wParam == VK_TAB && !tabHandled) return false;
        ::SendMessage(message.hwnd, message.message, message.wParam, message.lParam);
        return true;
    case WM_SYSCHAR:
        return true;
    default:
        return false;
    }
}

}  // namespace qelt::editcmb
