// Sending and posting messages, and the default processing of every window class.
#include <cstring>
#include <deque>

#include "mfc/Diagnostics.h"
#include "mfc/GbkText.h"
#include "mfc/GdiApi.h"
#include "mfc/WindowManager.h"
#include "mfc/Wnd.h"

namespace qelt {
namespace {

std::vector<MSG>& CurrentMessages() {
    static std::vector<MSG> messages;
    return messages;
}

std::deque<MSG>& PostedMessages() {
    static std::deque<MSG> queue;
    return queue;
}

class MessageScope {
public:
    explicit MessageScope(const MSG& message) { CurrentMessages().push_back(message); }
    ~MessageScope() { CurrentMessages().pop_back(); }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
};

}  // namespace

const MSG* CurrentMessage() { return CurrentMessages().empty() ? nullptr : &CurrentMessages().back(); }

std::optional<MSG> TakePostedMessage() {
    auto& queue = PostedMessages();
    while (!queue.empty()) {
        MSG message = queue.front();
        queue.pop_front();
        if (::IsWindow(message.hwnd)) return message;
    }
    return std::nullopt;
}

LRESULT DispatchMessage(const MSG& message) {
    if (!::IsWindow(message.hwnd)) return 0;
    return ::SendMessage(message.hwnd, message.message, message.wParam, message.lParam);
}

}  // namespace qelt

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<qelt::WindowRecord> hold = qelt::HoldWindow(hWnd);
    if (!hold) {
        qelt::ReportMisuse("SendMessage(0x%04X) to window handle %p, which names no window", message,
                           static_cast<void*>(hWnd));
        return 0;
    }
    qelt::MessageScope scope(MSG{hWnd, message, wParam, lParam, 0, {0, 0}});
    if (hold->permanent) return hold->permanent->WindowProc(message, wParam, lParam);
    return CallWindowClass(hWnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!qelt::RequireWindow(hWnd, "PostMessage")) return FALSE;
    qelt::PostedMessages().push_back(MSG{hWnd, message, wParam, lParam, 0, {0, 0}});
    return TRUE;
}

LRESULT CallWindowClass(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<qelt::WindowRecord> hold = qelt::HoldWindow(hWnd);
    if (!hold) {
        qelt::ReportMisuse("default processing of message 0x%04X for window handle %p, which names no window",
                           message, static_cast<void*>(hWnd));
        return 0;
    }
    LRESULT result = 0;
    if (hold->procedure && hold->procedure->Handle(*hold, message, wParam, lParam, result)) return result;
    return DefWindowProc(hWnd, message, wParam, lParam);
}

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "DefWindowProc");
    if (!window) return 0;
    switch (message) {
    case WM_SETTEXT:
        window->text = reinterpret_cast<LPCTSTR>(lParam);
        return TRUE;
    case WM_GETTEXT: {
        char* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || wParam == 0) return 0;
        const std::string& text = window->text.Str();
        size_t length = qelt::gbk::PrefixLength(text, static_cast<size_t>(wParam) - 1);
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
        return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
        return window->text.GetLength();
    case WM_CLOSE:
        ::DestroyWindow(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) ::SendMessage(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_PAINT:
        ::ValidateRect(hWnd, nullptr);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) ::InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    case WM_SETICON: {
        HICON& slot = window->icons[wParam == ICON_BIG ? 1 : 0];
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(window->icons[wParam == ICON_BIG ? 1 : 0]);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        // The system's colours: window colours for edit and list boxes, the face colour otherwise.
        const bool windowColours = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkColor(dc, ::GetSysColor(windowColours ? COLOR_WINDOW : COLOR_3DFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(windowColours ? COLOR_WINDOW : COLOR_3DFACE));
    }
    case WM_RBUTTONUP: {
        // Releasing the right button asks for the window's context menu, at the point on the screen.
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hWnd, &point);
        return ::SendMessage(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(point.x, point.y));
    }
    case WM_HELP:
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        // A child passes these on to its parent.
        if (window->IsChild() && window->parent) return ::SendMessage(window->parent->handle, message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}
