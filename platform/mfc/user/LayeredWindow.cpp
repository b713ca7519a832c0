// Layered windows: the opacity a snapshot blends a window with (render/Render.h).
#include "mfc/base/Diagnostics.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/WindowRecord.h"

BOOL SetLayeredWindowAttributes(HWND hWnd, COLORREF, BYTE bAlpha, DWORD dwFlags) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "SetLayeredWindowAttributes");
    if (!window) return FALSE;
    if (!(window->exStyle & WS_EX_LAYERED)) {
        qelt::ReportMisuse("SetLayeredWindowAttributes: window %p is not layered (WS_EX_LAYERED)", static_cast<void*>(hWnd));
        return FALSE;
    }
    if (dwFlags & LWA_COLORKEY) {
        qelt::ReportMisuse("SetLayeredWindowAttributes: colour keys are not drawn");
        return FALSE;
    }
    window->alpha = (dwFlags & LWA_ALPHA) ? bAlpha : 255;
    window->layeredFlags = dwFlags;
    ::InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hWnd, COLORREF* pcrKey, BYTE* pbAlpha, DWORD* pdwFlags) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "GetLayeredWindowAttributes");
    if (!window || !(window->exStyle & WS_EX_LAYERED)) return FALSE;
    if (pcrKey) *pcrKey = 0;
    if (pbAlpha) *pbAlpha = window->alpha;
    if (pdwFlags) *pdwFlags = window->layeredFlags;
    return TRUE;
}
