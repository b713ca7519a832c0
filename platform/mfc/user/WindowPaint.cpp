// The invalid area of each window and its painting through WM_PAINT. The invalid area is kept as
// one rectangle (the bounding box of everything invalidated); validating a part of it that does
// not cover it leaves it as it is.
#include "mfc/base/Diagnostics.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

namespace {

CRect ClientRect(HWND hWnd) {
    CRect client;
    GetClientRect(hWnd, &client);
    return client;
}

void Redraw(HWND hWnd, LPCRECT lprcUpdate, UINT flags) {
    if (flags & RDW_INVALIDATE) InvalidateRect(hWnd, lprcUpdate, (flags & RDW_ERASE) ? TRUE : FALSE);
    if (flags & RDW_VALIDATE) ValidateRect(hWnd, lprcUpdate);
    if (flags & RDW_ALLCHILDREN) {
        for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            Redraw(child, nullptr, flags);
        }
    }
    if ((flags & (RDW_UPDATENOW | RDW_ERASENOW)) && IsWindow(hWnd)) UpdateWindow(hWnd);
}

}  // namespace

BOOL InvalidateRect(HWND hWnd, LPCRECT lpRect, BOOL bErase) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "InvalidateRect");
    if (!window) return FALSE;
    CRect area = ClientRect(hWnd);
    if (lpRect) area.IntersectRect(&area, lpRect);
    if (area.IsRectEmpty()) return TRUE;
    if (window->invalid.IsRectEmpty()) window->invalid = area;
    else window->invalid.UnionRect(&window->invalid, &area);
    if (bErase) window->eraseBackground = true;
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, LPCRECT lpRect) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "ValidateRect");
    if (!window) return FALSE;
    CRect covered = lpRect ? CRect(lpRect) : ClientRect(hWnd);
    CRect both;
    both.IntersectRect(&covered, &window->invalid);
    if (both == window->invalid) {
        window->invalid.SetRectEmpty();
        window->eraseBackground = false;
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "GetUpdateRect");
    if (!window) return FALSE;
    if (lpRect) *lpRect = window->invalid;
    return window->invalid.IsRectEmpty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "UpdateWindow");
    if (!window) return FALSE;
    if (!window->invalid.IsRectEmpty() && IsWindowVisible(hWnd)) SendMessage(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL RedrawWindow(HWND hWnd, LPCRECT lprcUpdate, HRGN hrgnUpdate, UINT flags) {
    if (!qelt::RequireWindow(hWnd, "RedrawWindow")) return FALSE;
    if (hrgnUpdate) {
        qelt::ReportMisuse("RedrawWindow with a region: regions are not kept, the whole client area is taken");
        lprcUpdate = nullptr;
    }
    Redraw(hWnd, lprcUpdate, flags);
    return TRUE;
}

namespace qelt {

bool TakeInvalidArea(HWND hWnd, RECT* area, BOOL* erase) {
    WindowRecord* window = RequireWindow(hWnd, "TakeInvalidArea");
    if (!window) return false;
    if (area) *area = window->invalid;
    if (erase) *erase = window->eraseBackground ? TRUE : FALSE;
    window->invalid.SetRectEmpty();
    window->eraseBackground = false;
    return true;
}

void PaintPendingWindows() {
    for (HWND hWnd : AllWindows()) {
        WindowRecord* window = LookupWindow(hWnd);
        if (!window || window->invalid.IsRectEmpty() || !IsWindowVisible(hWnd)) continue;
        SendMessage(hWnd, WM_PAINT, 0, 0);
        if ((window = LookupWindow(hWnd)) != nullptr) TakeInvalidArea(hWnd, nullptr, nullptr);
    }
}

}  // namespace qelt
