#include "mfc/stdctrl/Edit.h"

#include <algorithm>

#include "mfc/base/GbkText.h"
#include "mfc/stdctrl/EditPaint.h"
#include "mfc/user/DialogManager.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/WindowClass.h"

namespace {

constexpr DWORD kInitialLimit = 30000;
// What EM_LIMITTEXT(0) lifts the limit to: the largest a line can take, or all of memory.
constexpr DWORD kLargestSingleLineLimit = 0x7FFFFFFE;
constexpr DWORD kLargestMultiLineLimit = 0xFFFFFFFF;

class EditProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SETTEXT:
            window.text = reinterpret_cast<LPCTSTR>(lParam);
            m_start = m_end = 0;
            m_modified = false;
            m_canUndo = false;
            result = TRUE;
            if (!(window.style & ES_MULTILINE)) NotifyChange(window);
            else ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case EM_SETSEL:
            SetSelection(window, static_cast<int>(wParam), static_cast<int>(lParam));
            result = 1;  // documented as no value, answered as 1 by the platform
            return true;
        case EM_GETSEL:
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_start);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_end);
            result = m_end > 0xFFFF ? -1 : MAKELRESULT(m_start, m_end);
            return true;
        case EM_REPLACESEL:
            Replace(window, reinterpret_cast<LPCTSTR>(lParam), wParam != 0);
            return true;
        case WM_CLEAR:
            Replace(window, "", true);
            return true;
        case EM_LIMITTEXT: {
            const DWORD largest = (window.style & ES_MULTILINE) ? kLargestMultiLineLimit : kLargestSingleLineLimit;
            m_limit = wParam ? static_cast<DWORD>(std::min<WPARAM>(wParam, largest)) : largest;
            return true;
        }
        case EM_GETLIMITTEXT:
            result = m_limit;
            return true;
        case EM_SETREADONLY:
            if (wParam) window.style |= ES_READONLY;
            else window.style &= ~static_cast<DWORD>(ES_READONLY);
            result = TRUE;
            return true;
        case EM_CANUNDO:
            result = m_canUndo;
            return true;
        case EM_UNDO:
            if (m_canUndo) {
                std::swap(m_undoText, window.text);
                m_start = m_end = window.text.GetLength();
                NotifyChange(window);
            }
            result = TRUE;
            return true;
        case EM_EMPTYUNDOBUFFER:
            m_canUndo = false;
            m_undoText.Empty();
            return true;
        case EM_GETMODIFY:
            result = m_modified;
            return true;
        case EM_SETMODIFY:
            m_modified = wParam != 0;
            return true;
        case EM_SCROLLCARET:
            result = TRUE;
            return true;
        case WM_CHAR:
            Type(window, m_input.Take(static_cast<unsigned char>(wParam)));
            return true;
        case WM_KEYDOWN:
            return MoveCaret(window, static_cast<int>(wParam)) || DialogKey(window, static_cast<int>(wParam));
        case WM_GETDLGCODE:
            result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
            if (window.style & ES_MULTILINE) result |= DLGC_WANTALLKEYS;
            return true;
        case WM_PAINT:
            qelt::PaintEdit(window.handle);
            return true;
        case WM_SETFOCUS:
            qelt::NotifyParent(window, EN_SETFOCUS);
            return true;
        case WM_KILLFOCUS:
            qelt::NotifyParent(window, EN_KILLFOCUS);
            return true;
        default:
            return false;
        }
    }

    // Typing: the person clicks into the box, replaces its text and moves on with Tab. Refused for a
    // read-only box, for a non-digit in an ES_NUMBER box, for a text longer than the limit, and for
    // a text wider than a single-line box without ES_AUTOHSCROLL (6 pixels a byte, within the
    // client area less a pixel of margin on each side): the platform would drop what does not
    // fit, and a silently shortened number is worse than a refusal.
    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        if (action.kind != qelt::UserAction::Kind::Set) return qelt::ActionOutcome::NotApplicable();
        const std::string& typed = action.text.Str();
        const std::string name = qelt::ControlName(window);
        if (window.style & ES_READONLY) return qelt::ActionOutcome::Refused(name + " is read-only");
        if ((window.style & ES_NUMBER) && typed.find_first_not_of("0123456789") != std::string::npos) {
            return qelt::ActionOutcome::Refused(name + " takes digits only");
        }
        if (typed.size() > static_cast<size_t>(m_limit)) {
            return qelt::ActionOutcome::Refused(name + " takes at most " + std::to_string(m_limit) + " bytes");
        }
        if (!(window.style & (ES_MULTILINE | ES_AUTOHSCROLL))) {
            CRect client;
            ::GetClientRect(window.handle, &client);
            if (static_cast<int>(typed.size()) * qelt::metrics::kBaseUnitX > client.Width() - 2) {
                return qelt::ActionOutcome::Refused("the text does not fit " + name + ", which does not scroll");
            }
        }
        qelt::ActionOutcome focus = qelt::TakeFocusAsClick(window);
        if (focus.kind != qelt::ActionOutcome::Kind::Applied) return focus;
        m_start = 0;
        m_end = window.text.GetLength();
        Replace(window, typed.c_str(), true);
        if (::IsWindow(window.handle)) qelt::MoveFocusOn(window);
        return qelt::ActionOutcome::Applied();
    }

private:
    void SetSelection(const qelt::WindowRecord& window, int start, int end) {
        const int length = window.text.GetLength();
        if (start == -1) {
            m_start = m_end;
            return;
        }
        if (end < 0 || end > length) end = length;
        start = std::clamp(start, 0, length);
        m_start = std::min(start, end);
        m_end = std::max(start, end);
    }

    // Replaces the selection, keeping within the limit (what does not fit is cut off at a
    // character boundary and the parent hears EN_MAXTEXT); the caret ends after the new text.
    void Replace(qelt::WindowRecord& window, LPCTSTR text, bool canUndo) {
        std::string inserted = text ? text : "";
        const std::string& old = window.text.Str();
        const size_t start = static_cast<size_t>(std::min(m_start, window.text.GetLength()));
        const size_t end = static_cast<size_t>(std::min(m_end, window.text.GetLength()));
        const size_t room = static_cast<size_t>(m_limit) - std::min<size_t>(old.size() - (end - start), m_limit);
        bool truncated = false;
        if (inserted.size() > room) {
            inserted.resize(qelt::gbk::PrefixLength(inserted, room));
            truncated = true;
        }
        if (canUndo) {
            m_undoText = window.text;
            m_canUndo = true;
        }
        window.text = CString(old.substr(0, start) + inserted + old.substr(end));
        m_start = m_end = static_cast<int>(start + inserted.size());
        m_modified = true;
        HWND self = window.handle;
        if (truncated) qelt::NotifyParent(window, EN_MAXTEXT);
        if (::IsWindow(self)) NotifyChange(window);
    }

    // A character typed (WM_CHAR): it replaces the selection; backspace takes the selection, or the
    // character before the caret. A read-only box takes nothing, an ES_NUMBER box digits only.
    void Type(qelt::WindowRecord& window, const std::string& typed) {
        if (typed.empty() || (window.style & ES_READONLY)) return;
        if (typed == "\b") {
            if (m_start == m_end && m_start > 0) {
                m_start = static_cast<int>(qelt::gbk::PrefixLength(window.text.Str(), static_cast<size_t>(m_start - 1)));
            }
            if (m_start != m_end) Replace(window, "", true);
            return;
        }
        if (static_cast<unsigned char>(typed[0]) < 0x20) return;
        if ((window.style & ES_NUMBER) && (typed.size() != 1 || typed[0] < '0' || typed[0] > '9')) return;
        Replace(window, typed.c_str(), true);
    }

    // The caret keys of a single line: Home, End, the arrows (a selection collapses to its side)
    // and Delete (the selection, or the character after the caret). False for other keys.
    bool MoveCaret(qelt::WindowRecord& window, int key) {
        const std::string& text = window.text.Str();
        const int length = window.text.GetLength();
        switch (key) {
        case VK_HOME: m_start = m_end = 0; return true;
        case VK_END: m_start = m_end = length; return true;
        case VK_LEFT:
            if (m_start == m_end && m_start > 0) m_start = static_cast<int>(qelt::gbk::PrefixLength(text, static_cast<size_t>(m_start - 1)));
            m_end = m_start;
            return true;
        case VK_RIGHT:
            if (m_start == m_end && m_end < length) {
                const size_t next = qelt::gbk::PrefixLength(text, static_cast<size_t>(m_end) + 1);
                m_end = static_cast<int>(next > static_cast<size_t>(m_end) ? next : std::min<size_t>(m_end + 2, length));
            }
            m_start = m_end;
            return true;
        case VK_DELETE:
            if (window.style & ES_READONLY) return true;
            if (m_start == m_end && m_end < length) {
                const size_t next = qelt::gbk::PrefixLength(text, static_cast<size_t>(m_end) + 1);
                m_end = static_cast<int>(next > static_cast<size_t>(m_end) ? next : std::min<size_t>(m_end + 2, length));
            }
            if (m_start != m_end) Replace(window, "", true);
            return true;
        default:
            return false;
        }
    }

    // A multi-line box in a dialog wants every key, and does the dialog's part for the keys it has
    // no use of: Tab moves on (back with Shift), Return without ES_WANTRETURN presses the default
    // button, Escape closes the dialog. False for other keys and other boxes.
    static bool DialogKey(const qelt::WindowRecord& window, int key) {
        const HWND dialog = ::GetParent(window.handle);
        if (!(window.style & ES_MULTILINE) || !dialog || !qelt::IsDialogWindow(dialog)) return false;
        switch (key) {
        case VK_TAB:
            ::SendMessage(dialog, WM_NEXTDLGCTL, (::GetKeyState(VK_SHIFT) & 0x8000) != 0, 0);
            return true;
        case VK_RETURN:
            if (window.style & ES_WANTRETURN) return false;
            qelt::PressDefaultButton(dialog);
            return true;
        case VK_ESCAPE:
            ::SendMessage(dialog, WM_CLOSE, 0, 0);
            return true;
        default:
            return false;
        }
    }

    static void NotifyChange(qelt::WindowRecord& window) {
        HWND self = window.handle;
        ::InvalidateRect(self, nullptr, TRUE);
        qelt::NotifyParent(window, EN_UPDATE);
        if (::IsWindow(self)) qelt::NotifyParent(window, EN_CHANGE);
    }

    int m_start = 0;
    int m_end = 0;
    DWORD m_limit = kInitialLimit;
    bool m_modified = false;
    bool m_canUndo = false;
    CString m_undoText;
    qelt::gbk::CharInput m_input;
};

const qelt::WindowClassRegistration kEditClass("Edit", &qelt::MakeProcedure<EditProcedure>, &qelt::MakeWrapper<CEdit>);

}  // namespace

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Edit", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(DWORD dwSelection, BOOL) {
    SendMessage(EM_SETSEL, LOWORD(dwSelection), static_cast<short>(HIWORD(dwSelection)));
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
}
DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0, end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
void CEdit::SetLimitText(UINT nMax) { SendMessage(EM_LIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly))); }
BOOL CEdit::CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CEdit::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(bModified)); }
