#include "mfc/stdctrl/ScrollBar.h"

#include <algorithm>

#include "mfc/user/ControlPaint.h"
#include "mfc/user/WindowClass.h"

namespace {

class ScrollBarProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        SCROLLINFO info{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
        switch (message) {
        case WM_PAINT:
            Paint(window);
            return true;
        case SBM_SETPOS:
            result = m_state.pos;
            info.fMask = SIF_POS, info.nPos = static_cast<int>(wParam);
            m_state.Set(info);
            return true;
        case SBM_GETPOS:
            result = m_state.pos;
            return true;
        case SBM_SETRANGE:
        case SBM_SETRANGEREDRAW:
            result = m_state.pos;
            info.fMask = SIF_RANGE, info.nMin = static_cast<int>(wParam), info.nMax = static_cast<int>(lParam);
            m_state.Set(info);
            return true;
        case SBM_GETRANGE:
            if (wParam) *reinterpret_cast<int*>(wParam) = m_state.min;
            if (lParam) *reinterpret_cast<int*>(lParam) = m_state.max;
            return true;
        case SBM_SETSCROLLINFO:
            result = lParam ? m_state.Set(*reinterpret_cast<const SCROLLINFO*>(lParam)) : m_state.pos;
            return true;
        case SBM_GETSCROLLINFO:
            if (lParam) m_state.Get(*reinterpret_cast<SCROLLINFO*>(lParam));
            result = lParam ? TRUE : FALSE;
            return true;
        default:
            return false;
        }
    }

private:
    void Paint(qelt::WindowRecord& window) {
        qelt::ControlPaintScope scope(window.handle);
        if (!scope.dc) return;
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        m_state.Get(info);
        qelt::DrawScrollBar(scope.dc, scope.client, (window.style & SBS_VERT) != 0, info,
                            ::IsWindowEnabled(window.handle) != FALSE);
    }

    qelt::ScrollState m_state;
};

const qelt::WindowClassRegistration kScrollBarClass("ScrollBar", &qelt::MakeProcedure<ScrollBarProcedure>,
                                                    &qelt::MakeWrapper<CScrollBar>);

}  // namespace

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ScrollBar", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
    ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
    ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    if (!lpScrollInfo) return FALSE;
    ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    return TRUE;
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
    if (!lpScrollInfo) return FALSE;
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}
int CScrollBar::GetScrollLimit() {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE)) return 0;
    return std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
}
