// The window manager's own operations beyond the platform's functions: creating a window for a
// C++ object, the posted-message queue, pending repaints, and what happens to the focus when a
// window goes away. Used by the class library's windows, dialogs and modal loop.
#pragma once

#include <optional>

#include "mfc/WindowClass.h"

namespace qelt {

// Creates a window of class cs.lpszClass from the creation record (the rectangle in the parent's
// client coordinates for a child, in screen coordinates otherwise). When object is given it
// becomes the window's permanent object and its PreSubclassWindow runs before WM_CREATE. Sends
// WM_CREATE (a result of -1 destroys the window again) and WM_SIZE. Null, with a diagnostic, when
// the class is unknown or a child window has no parent.
HWND CreateWindowFor(CREATESTRUCT& cs, CWnd* object);

// The same up to the window's existence only: the record and its procedure, the object attached,
// no message sent. The dialog manager uses it to run PreSubclassWindow before it lays out.
HWND NewWindow(const CREATESTRUCT& cs, CWnd* object);

// The oldest posted message, removed from the queue; messages for windows that no longer exist
// are dropped.
std::optional<MSG> TakePostedMessage();
// Offers a posted message to the PreTranslateMessage of its window's object and of each parent's
// up to `stop`; true when one of them took it (the modal loop then dispatches nothing).
bool PreTranslate(MSG& message, HWND stop);
// Hands a message to its window (SendMessage with the message's parameters).
LRESULT DispatchMessage(const MSG& message);

// What BeginPaint takes: the invalid area and whether its background is to be erased; the
// window is valid afterwards. False for a handle that names no window.
bool TakeInvalidArea(HWND hWnd, RECT* area, BOOL* erase);

// Sends WM_PAINT to every visible window with an invalid area, parents before children, once;
// what a handler left invalid is validated so that painting never repeats without end.
void PaintPendingWindows();

// The windows in creation order (for searches over all windows).
std::vector<HWND> AllWindows();

// Gives the window the focus; true when it received it (WM_SETFOCUS), even if one of its handlers
// then moved the focus on; false when a kill-focus handler of the window losing it kept it away.
bool SetFocusReaches(HWND hWnd);

// Clears the focus without messages when it lies in a window being destroyed.
void ForgetFocusWithin(HWND dying);

// The innermost window running a modal loop; null when none runs.
CWnd* TopModalWindow();
// The windows running modal loops, outermost first.
const std::vector<CWnd*>& ModalWindows();

// The person's turn in the modal loop of `top` (mfc/UserScript.h): one action of the installed
// script, or the close box when none is left; a failed script ends the loop with IDCANCEL.
void TakeUserTurn(CWnd& top);

// Holds a key down (GetKeyState) or lets it go: the user script's modifier keys.
void HoldKey(int virtualKey, bool down);

// The messages being handled, innermost last (CWnd::Default and GetCurrentMessage read it).
const MSG* CurrentMessage();

}  // namespace qelt
