#include "mfc/stdctrl/ComboBox.h"

#include <algorithm>

#include "mfc/base/GbkText.h"
#include "mfc/stdctrl/ListItems.h"
#include "mfc/stdctrl/ListPaint.h"
#include "mfc/user/WindowClass.h"

namespace {

bool IsDropDownList(const qelt::WindowRecord& window) { return (window.style & 3) == CBS_DROPDOWNLIST; }

class ComboBoxProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        bool selectionChanged = false;
        if (qelt::HandleListMessage(m_items, qelt::kComboBoxMessages, (window.style & CBS_SORT) != 0, message, wParam,
                                    lParam, result, selectionChanged)) {
            if (selectionChanged || message == CB_SETCURSEL || (message == CB_SELECTSTRING && result >= 0) ||
                message == CB_RESETCONTENT) {
                ShowSelection(window);
            }
            return true;
        }
        switch (message) {
        case WM_SETTEXT:
            // A drop-down list shows its selection only.
            if (IsDropDownList(window)) {
                result = CB_ERR;
                return true;
            }
            return false;
        case CB_LIMITTEXT:
            m_limit = wParam ? static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)) : 0x7FFFFFFE;
            result = TRUE;
            return true;
        case CB_GETEDITSEL:
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_editStart);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_editEnd);
            result = MAKELRESULT(m_editStart, m_editEnd);
            return true;
        case CB_SETEDITSEL: {
            if (IsDropDownList(window)) {
                result = CB_ERR;
                return true;
            }
            const int length = window.text.GetLength();
            const int start = static_cast<short>(LOWORD(lParam));
            const int end = static_cast<short>(HIWORD(lParam));
            m_editStart = start < 0 ? 0 : std::min(start, length);
            m_editEnd = end < 0 ? length : std::min(end, length);
            result = TRUE;
            return true;
        }
        case CB_SHOWDROPDOWN:
            if ((wParam != 0) != m_dropped) {
                m_dropped = wParam != 0;
                qelt::NotifyParent(window, m_dropped ? CBN_DROPDOWN : CBN_CLOSEUP);
            }
            result = TRUE;
            return true;
        case CB_GETDROPPEDSTATE:
            result = m_dropped;
            return true;
        case WM_CHAR:
            if (!IsDropDownList(window)) Type(window, m_input.Take(static_cast<unsigned char>(wParam)));
            return true;
        case WM_KEYDOWN:
            if (wParam != VK_DOWN && wParam != VK_UP) return false;
            Step(window, wParam == VK_DOWN ? 1 : -1);
            result = 0;
            return true;
        case WM_GETDLGCODE:
            result = DLGC_WANTCHARS | DLGC_WANTARROWS | (IsDropDownList(window) ? 0 : DLGC_HASSETSEL);
            return true;
        case WM_PAINT:
            qelt::PaintComboBox(window.handle, m_fieldHeight);
            return true;
        case CB_SETITEMHEIGHT:
            // -1 the selection field, any other index the items of the list (all alike).
            if (static_cast<int>(lParam) <= 0 || lParam > 255) {
                result = CB_ERR;
                return true;
            }
            (static_cast<int>(wParam) == -1 ? m_fieldHeight : m_itemHeight) = static_cast<int>(lParam);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            result = 0;
            return true;
        case CB_GETITEMHEIGHT: {
            const int height = static_cast<int>(wParam) == -1 ? m_fieldHeight : m_itemHeight;
            result = height > 0 ? height : qelt::FontItemHeight(window.handle);
            return true;
        }
        case WM_SETFOCUS:
            qelt::NotifyParent(window, CBN_SETFOCUS);
            return true;
        case WM_KILLFOCUS:
            if (m_dropped) {
                m_dropped = false;
                qelt::NotifyParent(window, CBN_CLOSEUP);
            }
            if (::IsWindow(window.handle)) qelt::NotifyParent(window, CBN_KILLFOCUS);
            return true;
        default:
            return false;
        }
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        const std::string name = qelt::ControlName(window);
        if (action.kind == qelt::UserAction::Kind::Choose) {
            const int index = action.byPlace ? action.number : m_items.FindBytes(action.text.Str());
            if (action.byPlace && index >= m_items.Count()) {
                return qelt::ActionOutcome::Refused(name + " has no item #" + std::to_string(index) + " (it has " +
                                                    std::to_string(m_items.Count()) + ")");
            }
            if (index < 0) return qelt::ActionOutcome::Refused(name + " has no item with that text");
            qelt::ActionOutcome focus = qelt::TakeFocusAsClick(window);
            if (focus.kind != qelt::ActionOutcome::Kind::Applied) return focus;
            ::SendMessage(window.handle, CB_SHOWDROPDOWN, TRUE, 0);
            m_items.Select(index);
            ShowSelection(window);
            for (UINT code : {CBN_SELCHANGE, CBN_SELENDOK}) {
                if (::IsWindow(window.handle)) qelt::NotifyParent(window, code);
            }
            if (::IsWindow(window.handle)) ::SendMessage(window.handle, CB_SHOWDROPDOWN, FALSE, 0);
            return qelt::ActionOutcome::Applied();
        }
        if (action.kind == qelt::UserAction::Kind::Set) {
            if (IsDropDownList(window)) return qelt::ActionOutcome::Refused(name + " is a drop-down list: choose one of its items");
            if (action.text.GetLength() > m_limit) {
                return qelt::ActionOutcome::Refused(name + " takes at most " + std::to_string(m_limit) + " bytes");
            }
            qelt::ActionOutcome focus = qelt::TakeFocusAsClick(window);
            if (focus.kind != qelt::ActionOutcome::Kind::Applied) return focus;
            window.text = action.text;
            m_items.Select(m_items.FindExact(-1, action.text.Str()));
            m_editStart = m_editEnd = window.text.GetLength();
            ::InvalidateRect(window.handle, nullptr, TRUE);
            for (UINT code : {CBN_EDITUPDATE, CBN_EDITCHANGE}) {
                if (::IsWindow(window.handle)) qelt::NotifyParent(window, code);
            }
            if (::IsWindow(window.handle)) qelt::MoveFocusOn(window);
            return qelt::ActionOutcome::Applied();
        }
        return qelt::ActionOutcome::NotApplicable();
    }

private:
    // A character typed into the edit field (WM_CHAR), as an edit box takes it; the item whose
    // text the field then equals becomes the selection.
    void Type(qelt::WindowRecord& window, const std::string& typed) {
        if (typed.empty()) return;
        std::string text = window.text.Str();
        size_t start = static_cast<size_t>(std::min(m_editStart, m_editEnd));
        const size_t end = std::min(static_cast<size_t>(std::max(m_editStart, m_editEnd)), text.size());
        start = std::min(start, end);
        std::string inserted = typed;
        if (typed == "\b") {
            if (start == end && start > 0) start = qelt::gbk::PrefixLength(text, start - 1);
            inserted.clear();
        } else if (static_cast<unsigned char>(typed[0]) < 0x20) {
            return;
        }
        if (start == end && inserted.empty()) return;
        text = text.substr(0, start) + inserted + text.substr(end);
        if (text.size() > static_cast<size_t>(m_limit)) return;
        window.text = CString(text);
        m_editStart = m_editEnd = static_cast<int>(start + inserted.size());
        m_items.Select(m_items.FindExact(-1, text));
        ::InvalidateRect(window.handle, nullptr, TRUE);
        for (UINT code : {CBN_EDITUPDATE, CBN_EDITCHANGE}) {
            if (::IsWindow(window.handle)) qelt::NotifyParent(window, code);
        }
    }

    // An arrow key: the next (or previous) item becomes the selection, confirmed at once, as the
    // list is closed. Nothing moves past either end.
    void Step(qelt::WindowRecord& window, int direction) {
        if (m_items.Count() == 0) return;
        const int from = m_items.Selection();
        const int to = from < 0 ? 0 : std::clamp(from + direction, 0, m_items.Count() - 1);
        if (to == from) return;
        m_items.Select(to);
        ShowSelection(window);
        for (UINT code : {CBN_SELENDOK, CBN_SELCHANGE}) {
            if (::IsWindow(window.handle)) qelt::NotifyParent(window, code);
        }
    }

    // The edit field (or a drop-down list's text) shows the selected item.
    void ShowSelection(qelt::WindowRecord& window) {
        const std::string* selected = m_items.Text(m_items.Selection());
        if (selected) window.text = selected->c_str();
        else if (IsDropDownList(window) || m_items.Count() == 0) window.text.Empty();
        m_editStart = 0;
        m_editEnd = window.text.GetLength();
        ::InvalidateRect(window.handle, nullptr, TRUE);
    }

    qelt::ListItems m_items;
    int m_limit = 0x7FFFFFFE;
    int m_fieldHeight = 0;  // CB_SETITEMHEIGHT's of the selection field; 0: the font's
    int m_itemHeight = 0;   // of the list's items; 0: the font's
    int m_editStart = 0;
    int m_editEnd = 0;
    bool m_dropped = false;
    qelt::gbk::CharInput m_input;
};

const qelt::WindowClassRegistration kComboBoxClass("ComboBox", &qelt::MakeProcedure<ComboBoxProcedure>,
                                                   &qelt::MakeWrapper<CComboBox>);

}  // namespace

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ComboBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    rString.Empty();
    int length = GetLBTextLen(nIndex);
    if (length < 0) return;
    GetLBText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(length);
}
int CComboBox::GetLBTextLen(int nIndex) const { return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex))); }
int CComboBox::AddString(LPCTSTR lpszString) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString))); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszString)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszString)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
void* CComboBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
BOOL CComboBox::LimitText(int nMaxChars) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars))); }
DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
    return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
