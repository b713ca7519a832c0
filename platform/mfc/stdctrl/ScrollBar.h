// The "ScrollBar" control (SB_CTL) with CScrollBar: its range, page and position (the window
// scroll functions of mfc/user/WindowScroll.h reach it through SB_CTL), drawn as arrow boxes at
// its ends and a thumb on the track between them. A control starts with the empty range 0 .. 0.
#pragma once

#include "mfc/user/WindowScroll.h"
#include "mfc/user/Wnd.h"
#include "win/WinScroll.h"

class CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit();  // the largest position the range and page allow
};
