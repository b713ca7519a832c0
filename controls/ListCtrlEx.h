// CListCtrlEx: the owner-drawn report list. Every row is drawn by the list itself so that the
// selection covers the whole row; the first column shows the row's state and small images, every
// column aligns its text as its format asks and ends a text too long for it with an ellipsis,
// whose whole text the title tip shows while the mouse rests on the cell.
//
// Messages to the owner (the parent window, sent):
//   WM_LIST_LBUTTONDOWN (WM_USER+101)  0, the list's window      at the start of every left press
//   WM_NOTIFY, code LISTEX_NOTIFY      the list's id, a header    after every key the list handles,
//                                                                and after a plain left click
//   WM_LIST_CLICKED (WM_USER+100)      1 on a cell, else 0, the   at the end of a plain left click
//                                      list's window
// Alt with a left press asks for the label editing of the row under the point instead.
#pragma once

#include "controls/TitleTip.h"
#include "mfc/Afx.h"
#include "mfc/ListCtrl.h"

#define WM_LIST_CLICKED (WM_USER + 100)
#define WM_LIST_LBUTTONDOWN (WM_USER + 101)
#define LISTEX_NOTIFY 0x1000

class CListCtrlEx : public CListCtrl {
    DECLARE_DYNCREATE(CListCtrlEx)

public:
    CListCtrlEx();
    ~CListCtrlEx() override;

    using CListCtrl::InsertColumn;
    using CListCtrl::SetItem;

    // A column as wide as its heading in the list's font plus 15 pixels. With LVCF_SUBITEM in the
    // mask the column's sub-item is nSubItem, or the column's index when that is -1.
    int InsertColumn(LPCTSTR lpszHeading, int nCol, int nSubItem, UINT nMask, int nFormat);
    // Column 0 inserts a row at nRow with the text; another column sets that cell's text. An image
    // other than -1 becomes the row's image.
    BOOL SetItem(int nRow, int nCol, LPCTSTR lpszText, int nImage);
    // The first selected row, -1 when none.
    int GetSelectedItem() const;
    // Takes the selection from the selected row (from every row when none is), selects and focuses
    // nRow; returns the row selected before, -1 when none.
    int SelectItem(int nRow);
    // Owner drawing on or off; TRUE when the style changed.
    BOOL SetFullRowSel(BOOL bFullRowSel);
    BOOL IsFullRowSel() const { return m_bFullRowSel; }
    // The row under a point of the client area, -1 when none; *pCol gets the column (its place in
    // the display order), -1 when none. The horizontal scroll position counts.
    int HitTestCell(CPoint point, int* pCol) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    BOOL m_bClientWidthSel;  // highlight rows up to the client area's right edge

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSetTextColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextBkColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Shows the title tip over the cell under the point when its text is clipped, else hides it.
    void TrackTitleTip(CPoint point);
    // Repaints the focused row and, unless selections always show, the selected rows.
    void RepaintSelectedItems();
    void NotifyOwner();

    BOOL m_bFullRowSel;
    COLORREF m_clrText;
    COLORREF m_clrTextBk;
    COLORREF m_clrBkgnd;
    CTitleTip* m_pTitleTip;
};
