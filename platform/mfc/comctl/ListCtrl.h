// CListCtrl and the "SysListView32" window class: a list of items in rows, each with a text per
// column (column 0 is the item's own text, the others its sub-items), an image, a state and a
// value of its own (lParam). Every view is laid out as the report view, the one the module uses.
//
// Columns live in the list's header control (mfc/comctl/HeaderCtrl.h): width, heading, format and display
// order. Cells are numbered by column index: inserting or deleting a column moves the texts of the
// columns after it with it. A column inserted without a width is 0 pixels wide.
//
// Geometry, in the font of the headless screen (宋体 9 pt), in client coordinates:
//   - the header is kHeaderHeight (20) pixels high at the top (none with LVS_NOCOLUMNHEADER);
//   - each row is kRowHeight (18) pixels high, or the height of the small or state images plus 2
//     when that is more; row i begins at header + (i − top index) × row height;
//   - columns lie side by side in display order from x = −(horizontal scroll position);
//   - in column 0 come, from the left, the state image (its image list's width, or 16 with
//     LVS_EX_CHECKBOXES and no state image list), the small image (the small image list's width)
//     and the label, to the column's right edge;
//   - LVIR_BOUNDS of an item, and of sub-item 0, is the whole row over all columns; LVIR_ICON and
//     LVIR_LABEL of a sub-item are its column less, and up to, a small image's width when the list
//     has LVS_EX_SUBITEMIMAGES and a small image list (an empty icon rectangle otherwise);
//   - texts are 6 pixels a byte wide (GetStringWidth, LVSCW_AUTOSIZE adds 12).
// A point hits an item on its state image, image or label; with LVS_EX_FULLROWSELECT or
// LVS_OWNERDRAWFIXED it hits the item anywhere in the row's columns. SubItemHitTest names the row
// and the column of any cell. GetCountPerPage is the number of whole rows below the header.
// Scroll moves whole rows: a vertical distance scrolls by as many rows as it reaches into.
//
// Scroll bars (16 pixels across, inside the list's edge; none with LVS_NOSCROLL): one across the
// bottom while the columns are wider than the client area, one down the right side while it holds
// fewer whole rows than the list has; each narrows the area for the other, and what they leave is
// the area the geometry above, the hits and GetCountPerPage go by. A press on an arrow scrolls a
// line (a row, or kHorizontalLine pixels), one on the track beside the thumb a page, as
// WM_VSCROLL / WM_HSCROLL with that request and SB_ENDSCROLL; it selects nothing.
//
// Notifications to the parent (WM_NOTIFY): LVN_ITEMCHANGING (a nonzero answer vetoes the change)
// and LVN_ITEMCHANGED for each change of an item's state, text, image or lParam (sub-items notify
// nobody; a state set to what it is sends LVN_ITEMCHANGING alone); LVN_INSERTITEM after an
// insertion; LVN_DELETEITEM before a deletion; LVN_DELETEALLITEMS before DeleteAllItems (a
// nonzero answer spares the LVN_DELETEITEM of each item); NM_CLICK and NM_DBLCLK (NMITEMACTIVATE)
// for clicks; LVN_COLUMNCLICK for a click on a heading; NM_SETFOCUS and NM_KILLFOCUS;
// LVN_BEGINLABELEDIT (nonzero: no editing) and LVN_ENDLABELEDIT (nonzero: the new text is taken).
// A click (and the user script's "row ID N", which first scrolls the row into view and clicks its
// label) gives the list the focus and makes the item hit the only selected one and the focused
// one; a click on no item clears the selection; a click on the state image of a list with
// LVS_EX_CHECKBOXES toggles the check (state images 1 and 2) instead. Deleting the focused item
// passes the focus to the next item (or the new last one). SetItemState(-1) sets the state of
// every item; it fails, changing nothing, when it would select all of an LVS_SINGLESEL list.
//
// Destroying the list notifies nobody: its parent may be going too.
//
// Painting: an LVS_OWNERDRAWFIXED list sends its parent WM_DRAWITEM for each row in the area being
// painted (ODT_LISTVIEW, ODA_DRAWENTIRE, ODS_SELECTED, ODS_FOCUS while the list has the focus, the
// row's bounds, the item's lParam); CListCtrl hands it to DrawItem. Other lists paint their rows'
// texts in their columns, the selection where it shows and LVS_EX_GRIDLINES (no images). Every
// list then paints its scroll bars and, with WS_BORDER or WS_EX_CLIENTEDGE, its edge.
#pragma once

#include "mfc/stdctrl/Edit.h"
#include "mfc/comctl/HeaderCtrl.h"
#include "mfc/comctl/ImageList.h"
#include "mfc/base/Position.h"
#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

namespace qelt::listview {
constexpr int kHeaderHeight = 20;
constexpr int kRowHeight = 18;
constexpr int kCheckBoxWidth = 16;
constexpr int kAutoSizePadding = 12;
constexpr int kWheelRows = 3;          // rows a wheel notch (WHEEL_DELTA) scrolls
constexpr int kHorizontalLine = 6;     // pixels SB_LINELEFT / SB_LINERIGHT scroll
}  // namespace qelt::listview

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetColumnOrderArray(int iCount, LPINT piArray);
    CHeaderCtrl* GetHeaderCtrl() const;
    int GetStringWidth(LPCTSTR lpsz) const;

    // Items.
    int GetItemCount() const;
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);

    // States and selection.
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, LVITEM* pItem);  // nItem -1: every item
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);

    // Images and styles.
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);

    // Geometry and scrolling.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);

    // Label editing: the edit box over the item's label, or null when LVN_BEGINLABELEDIT refused.
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    BOOL CancelEditLabel();

    // Owner drawing (LVS_OWNERDRAWFIXED): called for each row to paint; a class that draws its own
    // rows overrides it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
