// CStatic and the "Static" window class: text, frames and an image (STM_SETIMAGE). A bitmap static
// (SS_BITMAP) of a dialog template shows the bitmap resource its template names.
#pragma once

#include "mfc/user/Wnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};
