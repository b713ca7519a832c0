#include "mfc/stdctrl/ScrollBar.h"

#include <algorithm>
#include <array>
#include <map>

#include "mfc/base/Diagnostics.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WindowClass.h"

namespace {

struct ScrollState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;

    int Limit() const { return std::max(min, max - std::max(static_cast<int>(page) - 1, 0)); }

    int Set(const SCROLLINFO& info) {
        if (info.fMask & SIF_RANGE) min = info.nMin, max = info.nMax;
        if (info.fMask & SIF_PAGE) page = std::min<UINT>(info.nPage, static_cast<UINT>(std::max(max - min + 1, 0)));
        if (info.fMask & SIF_POS) pos = info.nPos;
        pos = std::clamp(pos, min, Limit());
        return pos;
    }

    void Get(SCROLLINFO& info) const {
        if (info.fMask & SIF_RANGE) info.nMin = min, info.nMax = max;
        if (info.fMask & SIF_PAGE) info.nPage = page;
        if (info.fMask & SIF_POS) info.nPos = pos;
        if (info.fMask & SIF_TRACKPOS) info.nTrackPos = pos;
    }
};

// The bars of windows, by handle; entries of windows that are gone are dropped as new ones come.
std::map<HWND, std::array<ScrollState, 2>>& WindowBars() {
    static std::map<HWND, std::array<ScrollState, 2>> bars;
    return bars;
}

ScrollState* WindowBar(HWND hWnd, int nBar, const char* caller) {
    if (!qelt::RequireWindow(hWnd, caller)) return nullptr;
    if (nBar != SB_HORZ && nBar != SB_VERT) {
        qelt::ReportMisuse("%s: %d names no scroll bar of a window", caller, nBar);
        return nullptr;
    }
    auto& bars = WindowBars();
    auto found = bars.find(hWnd);
    if (found == bars.end()) {
        for (auto it = bars.begin(); it != bars.end();) it = ::IsWindow(it->first) ? std::next(it) : bars.erase(it);
        ScrollState fresh;
        fresh.max = 100;
        found = bars.emplace(hWnd, std::array<ScrollState, 2>{fresh, fresh}).first;
    }
    return &found->second[static_cast<size_t>(nBar)];
}

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
    // An arrow box at each end, the track between them and the thumb on it: as long as the page is
    // to the range (a square without a page), placed as the position is between its limits.
    void Paint(qelt::WindowRecord& window) {
        qelt::ControlPaintScope scope(window.handle);
        if (!scope.dc) return;
        const bool vertical = (window.style & SBS_VERT) != 0;
        const bool enabled = ::IsWindowEnabled(window.handle) != FALSE;
        const CRect client(scope.client);
        const int thickness = vertical ? client.Width() : client.Height();
        const int length = vertical ? client.Height() : client.Width();
        const int arrow = std::min(thickness, length / 2);
        // A stretch [from, to) along the bar, across its whole thickness.
        auto along = [&](int from, int to) {
            return vertical ? CRect(client.left, client.top + from, client.right, client.top + to)
                            : CRect(client.left + from, client.top, client.left + to, client.bottom);
        };
        qelt::DrawArrowBox(scope.dc, along(0, arrow), vertical ? 1 : 2, enabled);
        qelt::DrawArrowBox(scope.dc, along(length - arrow, length), vertical ? 0 : 3, enabled);
        const int track = length - 2 * arrow;
        if (track <= 0) return;
        qelt::FillSysColor(scope.dc, along(arrow, length - arrow), COLOR_SCROLLBAR);
        const int range = m_state.max - m_state.min + 1;
        if (!enabled || range <= 1) return;
        const int thumb = m_state.page > 0
                              ? std::clamp(static_cast<int>(static_cast<long long>(track) * m_state.page / range), 8, track)
                              : std::min(thickness, track);
        const int travel = m_state.Limit() - m_state.min;
        const int offset = travel > 0
                               ? static_cast<int>(static_cast<long long>(track - thumb) * (m_state.pos - m_state.min) / travel)
                               : 0;
        CRect face = along(arrow + offset, arrow + offset + thumb);
        qelt::FillSysColor(scope.dc, face, COLOR_3DFACE);
        qelt::DrawEdge3D(scope.dc, &face, false);
    }

    ScrollState m_state;
};

const qelt::WindowClassRegistration kScrollBarClass("ScrollBar", &qelt::MakeProcedure<ScrollBarProcedure>,
                                                    &qelt::MakeWrapper<CScrollBar>);

}  // namespace

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL) {
    if (nBar == SB_CTL) return static_cast<int>(SendMessage(hWnd, SBM_SETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
    ScrollState* bar = WindowBar(hWnd, nBar, "SetScrollInfo");
    if (!bar) return 0;
    return lpsi ? bar->Set(*lpsi) : bar->pos;
}

BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi) {
    if (nBar == SB_CTL) return static_cast<BOOL>(SendMessage(hWnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
    ScrollState* bar = WindowBar(hWnd, nBar, "GetScrollInfo");
    if (!bar || !lpsi) return FALSE;
    bar->Get(*lpsi);
    return TRUE;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    const int previous = GetScrollPos(hWnd, nBar);
    info.nPos = nPos;
    SetScrollInfo(hWnd, nBar, &info, bRedraw);
    return previous;
}

int GetScrollPos(HWND hWnd, int nBar) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(hWnd, nBar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    if (!::IsWindow(hWnd)) {
        qelt::ReportMisuse("SetScrollRange on window handle %p, which names no window", static_cast<void*>(hWnd));
        return FALSE;
    }
    SetScrollInfo(hWnd, nBar, &info, bRedraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(hWnd, nBar, &info)) return FALSE;
    if (lpMinPos) *lpMinPos = info.nMin;
    if (lpMaxPos) *lpMaxPos = info.nMax;
    return TRUE;
}

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
