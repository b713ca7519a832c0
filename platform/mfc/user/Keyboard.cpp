// The person's keyboard: keys and typed characters delivered as the message loop delivers them.
#include "mfc/user/WindowClass.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {
namespace {

constexpr int kProcessKey = 0xE5;  // the key code of a character that comes through the input method

void Deliver(UINT message, WPARAM wParam) {
    HWND focus = ::GetFocus();
    if (!focus) return;
    MSG msg{focus, message, wParam, 0, 0, {0, 0}};
    if (!PreTranslate(msg, nullptr)) DispatchMessage(msg);
}

// The key that types a character: its letter or digit key, the space bar, else the input method's.
int KeyOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
    return kProcessKey;
}

// F1 asks the window with the focus for help (WM_HELP); a window that does not answer passes it on
// to its parent.
void AskForHelp() {
    HWND focus = ::GetFocus();
    if (!focus) return;
    HELPINFO info = {};
    info.cbSize = sizeof(HELPINFO);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = ::GetDlgCtrlID(focus);
    info.hItemHandle = focus;
    ::SendMessage(focus, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void PressKey(int virtualKey) {
    Deliver(WM_KEYDOWN, static_cast<WPARAM>(virtualKey));
    if (virtualKey == VK_BACK) Deliver(WM_CHAR, '\b');
    if (virtualKey == VK_F1) AskForHelp();
    Deliver(WM_KEYUP, static_cast<WPARAM>(virtualKey));
}

void TypeText(const CString& text) {
    const std::string& bytes = text.Str();
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char first = static_cast<unsigned char>(bytes[i]);
        const bool twoBytes = first >= 0x81 && first <= 0xFE && i + 1 < bytes.size();
        const int key = KeyOf(first);
        Deliver(WM_KEYDOWN, static_cast<WPARAM>(key));
        Deliver(WM_CHAR, first);
        if (twoBytes) Deliver(WM_CHAR, static_cast<unsigned char>(bytes[++i]));
        Deliver(WM_KEYUP, static_cast<WPARAM>(key));
    }
}

}  // namespace qelt
