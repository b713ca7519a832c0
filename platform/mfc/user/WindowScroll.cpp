#include "mfc/user/WindowScroll.h"

#include <algorithm>
#include <array>
#include <map>

#include "mfc/base/Diagnostics.h"
#include "mfc/user/WindowRecord.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {

int ScrollState::Limit() const { return std::max(min, max - std::max(static_cast<int>(page) - 1, 0)); }

int ScrollState::Set(const SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) min = info.nMin, max = info.nMax;
    if (info.fMask & SIF_PAGE) page = std::min<UINT>(info.nPage, static_cast<UINT>(std::max(max - min + 1, 0)));
    if (info.fMask & SIF_POS) pos = info.nPos;
    pos = std::clamp(pos, min, Limit());
    return pos;
}

void ScrollState::Get(SCROLLINFO& info) const {
    if (info.fMask & SIF_RANGE) info.nMin = min, info.nMax = max;
    if (info.fMask & SIF_PAGE) info.nPage = page;
    if (info.fMask & SIF_POS) info.nPos = pos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = pos;
}

}  // namespace qelt

namespace {

// The bars of windows, by handle; entries of windows that are gone are dropped as new ones come.
std::map<HWND, std::array<qelt::ScrollState, 2>>& WindowBars() {
    static std::map<HWND, std::array<qelt::ScrollState, 2>> bars;
    return bars;
}

qelt::ScrollState* WindowBar(HWND hWnd, int nBar, const char* caller) {
    if (!qelt::RequireWindow(hWnd, caller)) return nullptr;
    if (nBar != SB_HORZ && nBar != SB_VERT) {
        qelt::ReportMisuse("%s: %d names no scroll bar of a window", caller, nBar);
        return nullptr;
    }
    auto& bars = WindowBars();
    auto found = bars.find(hWnd);
    if (found == bars.end()) {
        for (auto it = bars.begin(); it != bars.end();) it = ::IsWindow(it->first) ? std::next(it) : bars.erase(it);
        qelt::ScrollState fresh;
        fresh.max = 100;
        found = bars.emplace(hWnd, std::array<qelt::ScrollState, 2>{fresh, fresh}).first;
    }
    return &found->second[static_cast<size_t>(nBar)];
}

}  // namespace

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL) {
    if (nBar == SB_CTL) return static_cast<int>(SendMessage(hWnd, SBM_SETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
    qelt::ScrollState* bar = WindowBar(hWnd, nBar, "SetScrollInfo");
    if (!bar) return 0;
    return lpsi ? bar->Set(*lpsi) : bar->pos;
}

BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi) {
    if (nBar == SB_CTL) return static_cast<BOOL>(SendMessage(hWnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
    qelt::ScrollState* bar = WindowBar(hWnd, nBar, "GetScrollInfo");
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

