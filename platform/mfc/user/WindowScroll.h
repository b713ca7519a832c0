// The two scroll bars of a window (SB_HORZ, SB_VERT), whose range, page and position the window
// sets (a list view keeps its rows and its horizontal offset there, a rich edit its text's
// height); SB_CTL passes the call on to a "ScrollBar" control (mfc/stdctrl/ScrollBar.h). The
// position always lies within min .. max − (page − 1) (max without a page); a window's bars start
// with the range 0 .. 100.
#pragma once

#include "win/Windows.h"

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw);  // the new position
BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi);
int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw);              // the previous position
int GetScrollPos(HWND hWnd, int nBar);
BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw);
BOOL GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos);

namespace qelt {

// The state of one scroll bar.
struct ScrollState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;

    int Limit() const;                 // the largest position the range and page allow
    int Set(const SCROLLINFO& info);   // the fields the mask names; the position kept in range
    void Get(SCROLLINFO& info) const;  // the fields the mask names
};

}  // namespace qelt
