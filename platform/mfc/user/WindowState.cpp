// Window text, visibility and the enabled state.
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString) {
    if (!qelt::RequireWindow(hWnd, "SetWindowText")) return FALSE;
    return SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount) {
    if (!qelt::RequireWindow(hWnd, "GetWindowText")) return 0;
    if (!lpString || nMaxCount <= 0) return 0;
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd) {
    if (!qelt::RequireWindow(hWnd, "GetWindowTextLength")) return 0;
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "ShowWindow");
    if (!window) return FALSE;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = nCmdShow != SW_HIDE;
    if (show == wasVisible) return wasVisible ? TRUE : FALSE;
    SendMessage(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    window = qelt::LookupWindow(hWnd);
    if (!window) return wasVisible ? TRUE : FALSE;
    if (show) {
        window->style |= WS_VISIBLE;
        InvalidateRect(hWnd, nullptr, TRUE);
    } else {
        window->style &= ~WS_VISIBLE;
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
    qelt::WindowRecord* window = qelt::LookupWindow(hWnd);
    if (!window) return FALSE;
    for (; window; window = window->IsChild() ? window->parent : nullptr) {
        if (!(window->style & WS_VISIBLE)) return FALSE;
    }
    return TRUE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "EnableWindow");
    if (!window) return FALSE;
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (wasDisabled == !bEnable) return wasDisabled ? TRUE : FALSE;
    if (bEnable) window->style &= ~WS_DISABLED;
    else window->style |= WS_DISABLED;
    SendMessage(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    if (IsWindow(hWnd)) InvalidateRect(hWnd, nullptr, TRUE);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
    qelt::WindowRecord* window = qelt::LookupWindow(hWnd);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}
