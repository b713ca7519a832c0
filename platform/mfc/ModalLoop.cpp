// The modal loop: posted messages first, then pending repaints, then the person at the screen
// (mfc/UserScript.h).
#include "mfc/WindowManager.h"
#include "mfc/Wnd.h"

namespace qelt {
namespace {

std::vector<CWnd*>& Stack() {
    static std::vector<CWnd*> stack;
    return stack;
}

class ModalScope {
public:
    explicit ModalScope(CWnd* window) { Stack().push_back(window); }
    ~ModalScope() { Stack().pop_back(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

}  // namespace

bool PreTranslate(MSG& message, HWND stop) {
    for (HWND at = message.hwnd; at; at = ::GetParent(at)) {
        CWnd* object = CWnd::FromHandlePermanent(at);
        if (object && object->PreTranslateMessage(&message)) return true;
        if (at == stop) break;
    }
    return false;
}

CWnd* TopModalWindow() { return Stack().empty() ? nullptr : Stack().back(); }

const std::vector<CWnd*>& ModalWindows() { return Stack(); }

}  // namespace qelt

int CWnd::RunModalLoop() {
    if (!HasWindow("RunModalLoop")) return -1;
    m_bContinueModal = TRUE;
    qelt::ModalScope scope(this);
    if (!(GetStyle() & WS_VISIBLE)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    while (m_bContinueModal && m_hWnd) {
        if (std::optional<MSG> message = qelt::TakePostedMessage()) {
            if (!qelt::PreTranslate(*message, m_hWnd)) qelt::DispatchMessage(*message);
            continue;
        }
        qelt::PaintPendingWindows();
        if (!m_bContinueModal || !m_hWnd) break;
        qelt::TakeUserTurn(*this);
    }
    return m_nModalResult;
}
