#include "mfc/stdctrl/ListBox.h"

#include <algorithm>

#include "mfc/stdctrl/ListItems.h"
#include "mfc/stdctrl/ListPaint.h"
#include "mfc/user/WindowClass.h"

namespace {

class ListBoxProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        bool selectionChanged = false;
        if (qelt::HandleListMessage(m_items, qelt::kListBoxMessages, (window.style & LBS_SORT) != 0, message, wParam,
                                    lParam, result, selectionChanged)) {
            if (selectionChanged) ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        }
        switch (message) {
        case LB_GETSEL:
            result = static_cast<int>(wParam) == m_items.Selection() && m_items.Selection() >= 0;
            return true;
        case LB_GETSELCOUNT:
            // Only a list that takes several selections counts them.
            result = (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) ? (m_items.Selection() >= 0 ? 1 : 0) : LB_ERR;
            return true;
        case LB_GETTOPINDEX:
            result = m_top;
            return true;
        case LB_SETTOPINDEX:
            if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= std::max(1, m_items.Count())) {
                result = LB_ERR;
                return true;
            }
            m_top = static_cast<int>(wParam);
            result = 0;
            return true;
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_PAINT:
            qelt::PaintListBox(window.handle, m_items, m_top);
            return true;
        case WM_SETFOCUS:
            qelt::NotifyParent(window, LBN_SETFOCUS);
            return true;
        case WM_KILLFOCUS:
            qelt::NotifyParent(window, LBN_KILLFOCUS);
            return true;
        default:
            return false;
        }
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        if (action.kind != qelt::UserAction::Kind::Choose) return qelt::ActionOutcome::NotApplicable();
        const int index = action.byPlace ? (action.number < m_items.Count() ? action.number : -1)
                                         : m_items.FindBytes(action.text.Str());
        if (index < 0) return qelt::ActionOutcome::Refused(qelt::ControlName(window) + " has no such item");
        qelt::ActionOutcome focus = qelt::TakeFocusAsClick(window);
        if (focus.kind != qelt::ActionOutcome::Kind::Applied) return focus;
        m_items.Select(index);
        ::InvalidateRect(window.handle, nullptr, TRUE);
        if (window.style & LBS_NOTIFY) qelt::NotifyParent(window, LBN_SELCHANGE);
        return qelt::ActionOutcome::Applied();
    }

private:
    qelt::ListItems m_items;
    int m_top = 0;
};

const qelt::WindowClassRegistration kListBoxClass("ListBox", &qelt::MakeProcedure<ListBoxProcedure>,
                                                  &qelt::MakeWrapper<CListBox>);

}  // namespace

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ListBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int nSelect) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const {
    return static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}
void CListBox::GetText(int nIndex, CString& rString) const {
    rString.Empty();
    int length = GetTextLen(nIndex);
    if (length < 0) return;
    GetText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(length);
}
int CListBox::GetTextLen(int nIndex) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex))); }
int CListBox::AddString(LPCTSTR lpszItem) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem))); }
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
}
int CListBox::DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex)); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const {
    return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}
DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CListBox::GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
int CListBox::SetTopIndex(int nIndex) { return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex))); }
