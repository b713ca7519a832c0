// The keyboard focus.
#include "mfc/user/ScriptedValues.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

namespace {

HWND g_focus = nullptr;
// Whether g_focus has received its WM_SETFOCUS: a window that a kill-focus handler passed over
// never had the focus and gets no WM_KILLFOCUS.
bool g_focusArrived = false;
// Counts focus changes, so that a change interrupted by a handler's own change stops.
unsigned g_focusChanges = 0;
// The window whose WM_SETFOCUS SetFocusReaches waits for, and whether it came.
HWND g_watched = nullptr;
bool g_watchedReached = false;

}  // namespace

HWND GetFocus() { return g_focus && IsWindow(g_focus) ? g_focus : nullptr; }

HWND SetFocus(HWND hWnd) {
    if (hWnd && !qelt::RequireWindow(hWnd, "SetFocus")) return nullptr;
    HWND previous = GetFocus();
    if (hWnd == previous) return previous;
    const bool previousArrived = g_focusArrived;
    const unsigned change = ++g_focusChanges;
    g_focus = hWnd;
    g_focusArrived = false;
    if (previous && previousArrived) {
        const qelt::LeavingControl leaving(previous);  // a value the user script entered there is checked
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    }
    if (change != g_focusChanges) return previous;
    if (hWnd && IsWindow(hWnd)) {
        g_focusArrived = true;
        if (hWnd == g_watched) g_watchedReached = true;
        SendMessage(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

namespace qelt {

bool SetFocusReaches(HWND hWnd) {
    const HWND outerWatched = g_watched;
    const bool outerReached = g_watchedReached;
    g_watched = hWnd;
    g_watchedReached = ::GetFocus() == hWnd;
    ::SetFocus(hWnd);
    const bool reached = g_watchedReached;
    g_watched = outerWatched;
    g_watchedReached = outerReached || (reached && outerWatched == hWnd);
    return reached;
}

void ForgetFocusWithin(HWND dying) {
    if (g_focus && (g_focus == dying || ::IsChild(dying, g_focus))) {
        g_focus = nullptr;
        g_focusArrived = false;
        ++g_focusChanges;
    }
}

}  // namespace qelt
