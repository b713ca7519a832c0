#include "mfc/stdctrl/Button.h"

#include "mfc/stdctrl/ButtonPaint.h"

#include "mfc/user/DialogManager.h"
#include "mfc/user/WindowClass.h"

namespace {

UINT TypeOf(const qelt::WindowRecord& window) { return window.style & BS_TYPEMASK; }

bool IsCheckBox(UINT type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}
bool IsRadio(UINT type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }
bool IsPush(UINT type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW; }

class ButtonProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        const UINT type = TypeOf(window);
        result = 0;
        switch (message) {
        case BM_GETCHECK:
            result = IsCheckBox(type) || IsRadio(type) ? m_check : BST_UNCHECKED;
            return true;
        case BM_SETCHECK:
            if (IsCheckBox(type) || IsRadio(type)) {
                const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
                m_check = wParam == BST_INDETERMINATE && !threeState ? BST_CHECKED : static_cast<UINT>(wParam) & 3;
                // The checked radio button of a group is the one Tab stops at.
                if (IsRadio(type)) {
                    if (m_check) window.style |= WS_TABSTOP;
                    else window.style &= ~static_cast<DWORD>(WS_TABSTOP);
                }
                ::InvalidateRect(window.handle, nullptr, TRUE);
            }
            return true;
        case BM_GETSTATE:
            result = m_check | (m_pushed ? BST_PUSHED : 0) | (::GetFocus() == window.handle ? BST_FOCUS : 0);
            return true;
        case BM_SETSTATE:
            m_pushed = wParam != 0;
            ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case BM_SETSTYLE:
            window.style = (window.style & 0xFFFF0000u) | LOWORD(wParam);
            if (lParam) ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case BM_CLICK:
            if (::IsWindowEnabled(window.handle)) {
                ::SetFocus(window.handle);
                if (::IsWindow(window.handle)) Activate(window);
            }
            return true;
        case WM_LBUTTONDOWN:
            // Pressed: the button takes the focus and shows itself pushed until the release.
            m_pushed = true;
            ::SetFocus(window.handle);
            return true;
        case WM_LBUTTONUP: {
            // Released over the button after a press on it: a click, even for a disabled button
            // (only the person's mouse never reaches one; messages sent to it still act).
            const bool wasPushed = m_pushed;
            m_pushed = false;
            CRect client;
            ::GetClientRect(window.handle, &client);
            if (wasPushed && client.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) Activate(window);
            return true;
        }
        case BM_SETIMAGE: {
            HANDLE& slot = wParam == IMAGE_ICON ? m_icon : m_bitmap;
            result = reinterpret_cast<LRESULT>(slot);
            slot = reinterpret_cast<HANDLE>(lParam);
            return true;
        }
        case BM_GETIMAGE:
            result = reinterpret_cast<LRESULT>(wParam == IMAGE_ICON ? m_icon : m_bitmap);
            return true;
        case WM_GETDLGCODE:
            result = type == BS_DEFPUSHBUTTON  ? DLGC_BUTTON | DLGC_DEFPUSHBUTTON
                     : IsPush(type)            ? DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON
                     : IsRadio(type)           ? DLGC_BUTTON | DLGC_RADIOBUTTON
                     : type == BS_GROUPBOX     ? DLGC_STATIC
                                               : DLGC_BUTTON;
            return true;
        case WM_PAINT:
            qelt::PaintButton(window.handle);
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(window.handle, nullptr, TRUE);
            if (window.style & BS_NOTIFY) qelt::NotifyParent(window, message == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
            return true;
        default:
            return false;
        }
    }

    // What a click does after the button has the focus: automatic buttons change their state,
    // then the parent hears BN_CLICKED.
    void Activate(qelt::WindowRecord& window) {
        HWND self = window.handle;
        switch (TypeOf(window)) {
        case BS_AUTOCHECKBOX:
            m_check = m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
            break;
        case BS_AUTO3STATE:
            m_check = (m_check + 1) % 3;
            break;
        case BS_AUTORADIOBUTTON:
            for (HWND member : qelt::GroupOf(self)) {
                qelt::WindowRecord* other = qelt::LookupWindow(member);
                if (member != self && other && other->className == window.className && IsRadio(TypeOf(*other))) {
                    ::SendMessage(member, BM_SETCHECK, BST_UNCHECKED, 0);
                }
            }
            m_check = BST_CHECKED;
            break;
        default:
            break;
        }
        if (::IsWindow(self)) ::InvalidateRect(self, nullptr, TRUE);
        if (::IsWindow(self)) qelt::NotifyParent(window, BN_CLICKED);
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        const UINT type = TypeOf(window);
        const std::string name = qelt::ControlName(window);
        if (action.kind == qelt::UserAction::Kind::Check) {
            if (!IsCheckBox(type) && !IsRadio(type)) return qelt::ActionOutcome::Refused(name + " is not a check box");
            const bool wanted = action.number != 0;
            if (IsRadio(type) && !wanted && m_check == BST_CHECKED) {
                return qelt::ActionOutcome::Refused(name + " is unchecked by choosing another radio button of its group");
            }
            if ((m_check == BST_CHECKED) == wanted) return qelt::ActionOutcome::Applied();
        } else if (action.kind != qelt::UserAction::Kind::Click) {
            return qelt::ActionOutcome::NotApplicable();
        }
        if (type == BS_GROUPBOX) return qelt::ActionOutcome::Refused(name + " is a group box");
        qelt::ActionOutcome focus = qelt::TakeFocusAsClick(window);
        if (focus.kind != qelt::ActionOutcome::Kind::Applied) return focus;
        Activate(window);
        return qelt::ActionOutcome::Applied();
    }

private:
    UINT m_check = BST_UNCHECKED;
    bool m_pushed = false;
    HANDLE m_bitmap = nullptr;
    HANDLE m_icon = nullptr;
};

const qelt::WindowClassRegistration kButtonClass("Button", &qelt::MakeProcedure<ButtonProcedure>,
                                                 &qelt::MakeWrapper<CButton>);

}  // namespace

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }

HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}
HBITMAP CButton::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP)); }
HICON CButton::SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}
HICON CButton::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON)); }
