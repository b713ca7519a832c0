// CTabCtrl and the "SysTabControl32" window class: one row of tabs, each with a text, an image of
// the control's image list and a value of its own (lParam), and the selected tab.
//
// Geometry, in the font of the headless screen (宋体 9 pt): the row of tabs lies at the top of the
// client area. Tab i is kRowHeight (18) pixels high from y = 2 and begins at x = 2 for the first
// tab, right after the previous tab for the others; it is as wide as its text (6 pixels a byte,
// mfc/comctl/CommonControl.h) plus 12, plus the image's width and 3 when it shows an image. Asked for a
// tab that does not exist (as a dialog is before it inserts its tabs), GetItemRect answers FALSE
// but still gives a rectangle of the row's height, empty, at the end of the row. The display area
// (AdjustRect) is the control's rectangle less 4 pixels at the left, right and bottom and less
// 2 + kRowHeight + 2 at the top.
//
// The first tab inserted becomes the selected one. SetCurSel notifies nobody; a negative index
// leaves no tab selected (it returns the previous selection). TCM_SETCURFOCUS chooses a tab as
// a click does, with the notifications below. A person's click on
// a tab other than the selected one (and the user script's "tab TITLE") gives the control the
// focus, sends TCN_SELCHANGING — a nonzero answer keeps the selected tab — and then, with the new
// tab selected, TCN_SELCHANGE.
#pragma once

#include "mfc/comctl/ImageList.h"
#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

namespace qelt::tab {
constexpr int kRowHeight = 18;
constexpr int kRowTop = 2;
constexpr int kRowLeft = 2;
constexpr int kTextPadding = 12;
constexpr int kImageGap = 3;
constexpr int kFrame = 4;
}  // namespace qelt::tab

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int GetCurSel() const;
    int SetCurSel(int nItem);  // returns the tab selected before, -1 for an index out of range

    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();

    void AdjustRect(BOOL bLarger, LPRECT lpRect);
    int HitTest(TCHITTESTINFO* pHitTestInfo) const;
};
