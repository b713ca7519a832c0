// CButton and the "Button" window class: push and default push buttons, check boxes (two- and
// three-state, automatic or not), radio buttons (an automatic one checks itself and unchecks the
// other radio buttons of its group, WS_GROUP to WS_GROUP), group boxes. A click sends BN_CLICKED
// to the parent, as does a press of the mouse button on the button (which takes the focus) and
// its release inside it; BN_SETFOCUS and BN_KILLFOCUS are sent with BS_NOTIFY only. Checking a
// radio button makes it a tab stop, unchecking it takes WS_TABSTOP away.
#pragma once

#include "mfc/user/Wnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};
