// The window manager's record of one window. A window handle (HWND) is a number that names a
// record; handles are never reused, so a stale handle is recognised as naming no window.
//
// The record holds what the platform keeps per window (class, text, styles, rectangle, relations,
// the pending repaint). The window class's behaviour and its per-window state live in the
// record's procedure; the C++ object that handles its messages, if any, is `permanent`.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mfc/base/Geometry.h"
#include "mfc/base/String.h"
#include "win/Windows.h"

class CWnd;

namespace qelt {

class WindowProcedure;

struct WindowRecord {
    WindowRecord();
    ~WindowRecord();
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    HWND handle = nullptr;
    // The parent of a child window (WS_CHILD), the owner of any other window.
    WindowRecord* parent = nullptr;
    // The windows created with this one as parent or owner, in z-order (a dialog's tab order).
    std::vector<WindowRecord*> dependents;

    std::string className;
    CString text;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT id = 0;
    LONG_PTR userData = 0;
    // In the parent's client coordinates for a child window, in screen coordinates otherwise.
    CRect rect;
    HFONT font = nullptr;
    HICON icons[2] = {nullptr, nullptr};
    HINSTANCE instance = nullptr;
    // The opacity of a layered window (WS_EX_LAYERED) and the LWA_ flags it was set with.
    BYTE alpha = 255;
    DWORD layeredFlags = 0;

    // The object whose message map sees the window's messages (set by creation or subclassing).
    CWnd* permanent = nullptr;
    // The object that stands for the window when it has no permanent one (CWnd::FromHandle).
    std::unique_ptr<CWnd> temporary;
    std::unique_ptr<WindowProcedure> procedure;

    // The part of the client area waiting for WM_PAINT, and whether its background is to be erased.
    CRect invalid;
    bool eraseBackground = false;

    bool destroying = false;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
};

// The record of a live window; null when the handle names no window (no diagnostic).
WindowRecord* LookupWindow(HWND handle);

// Keeps a record alive while a message is sent to it: a handler may destroy the window.
std::shared_ptr<WindowRecord> HoldWindow(HWND handle);

// The live record or null with a misuse diagnostic naming the caller.
WindowRecord* RequireWindow(HWND handle, const char* caller);

}  // namespace qelt
