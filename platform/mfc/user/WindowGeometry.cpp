// Window rectangles, client areas and the mapping between screen and client coordinates.
#include <algorithm>

#include "mfc/base/Diagnostics.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

namespace {

using qelt::WindowRecord;

CPoint ClientOrigin(const WindowRecord& window);

CRect ScreenRect(const WindowRecord& window) {
    CRect rect = window.rect;
    if (window.IsChild() && window.parent) rect.OffsetRect(ClientOrigin(*window.parent));
    return rect;
}

CPoint ClientOrigin(const WindowRecord& window) {
    RECT insets = qelt::metrics::FrameInsets(window.style, window.exStyle);
    return ScreenRect(window).TopLeft() + CPoint(insets.left, insets.top);
}

CSize ClientSize(const WindowRecord& window) {
    RECT insets = qelt::metrics::FrameInsets(window.style, window.exStyle);
    return CSize(std::max<LONG>(0, window.rect.Width() - insets.left - insets.right),
                 std::max<LONG>(0, window.rect.Height() - insets.top - insets.bottom));
}

void Restack(WindowRecord& window, HWND insertAfter) {
    if (!window.parent) return;
    auto& siblings = window.parent->dependents;
    siblings.erase(std::find(siblings.begin(), siblings.end(), &window));
    if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(&window);
        return;
    }
    auto at = siblings.begin();
    if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        at = std::find_if(siblings.begin(), siblings.end(), [&](WindowRecord* r) { return r->handle == insertAfter; });
        if (at == siblings.end()) {
            qelt::ReportMisuse("SetWindowPos after window %p, which is not a sibling", static_cast<void*>(insertAfter));
            at = siblings.begin();
        } else {
            ++at;
        }
    }
    siblings.insert(at, &window);
}

}  // namespace

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    WindowRecord* window = qelt::RequireWindow(hWnd, "GetWindowRect");
    if (!window || !lpRect) return FALSE;
    *lpRect = ScreenRect(*window);
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    WindowRecord* window = qelt::RequireWindow(hWnd, "GetClientRect");
    if (!window || !lpRect) return FALSE;
    *lpRect = CRect(CPoint(0, 0), ClientSize(*window));
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    WindowRecord* window = qelt::RequireWindow(hWnd, "ScreenToClient");
    if (!window || !lpPoint) return FALSE;
    CPoint origin = ClientOrigin(*window);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    WindowRecord* window = qelt::RequireWindow(hWnd, "ClientToScreen");
    if (!window || !lpPoint) return FALSE;
    CPoint origin = ClientOrigin(*window);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags) {
    WindowRecord* window = qelt::RequireWindow(hWnd, "SetWindowPos");
    if (!window) return FALSE;
    const CSize oldClient = ClientSize(*window);
    CRect rect = window->rect;
    if (!(uFlags & SWP_NOMOVE)) rect.MoveToXY(x, y);
    if (!(uFlags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(0, cx);
        rect.bottom = rect.top + std::max(0, cy);
    }
    const bool changed = rect != window->rect;
    window->rect = rect;
    if (!(uFlags & SWP_NOZORDER)) Restack(*window, hWndInsertAfter);
    if (uFlags & SWP_SHOWWINDOW) ShowWindow(hWnd, SW_SHOWNA);
    if (uFlags & SWP_HIDEWINDOW) ShowWindow(hWnd, SW_HIDE);
    if (!IsWindow(hWnd)) return TRUE;
    const CSize newClient = ClientSize(*window);
    if (newClient != oldClient) {
        SendMessage(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(newClient.cx, newClient.cy));
    }
    if (changed && !(uFlags & SWP_NOREDRAW) && IsWindow(hWnd)) InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}
