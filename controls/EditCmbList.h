// CEditCmbList: the editable grid list. A report list whose cells are edited in place by an edit
// box (id 17101) or a combo box (id 17100), with an optional button in the cell (id 17102), and
// whose cells, columns or rows carry a background colour, a bitmap, a check box and an editor kind
// (CEditCmbArray).
//
// Every cell operation takes the column first: (col, row). An attribute is stored under one key:
// cell (c, r) c × 100000 + r, a whole column c × 100000 − 1, a whole row r − 100000; to read a
// cell's attribute the list tries the cell, then its column, then its row. Columns and rows are
// below 100000.
//
// The owner (the parent window) hears, with the list's window as the first parameter and 0:
//   WM_EDITCMB_COMMIT  (WM_USER+200)  an editor's text went into a cell, or a check was toggled
//   WM_EDITCMB_CURRENT (WM_USER+201)  a cell became the current one (a click, SetCellAtModify)
//   WM_EDITCMB_DBLCLK  (WM_USER+202)  the list was double-clicked
//   WM_EDITCMB_BUTTON  (WM_USER+203)  the in-cell button was pressed
// and then reads the current cell (GetCurCol, GetCurRow) and the texts.
#pragma once

#include "controls/CmbIns.h"
#include "controls/EditCmbArray.h"
#include "controls/EditIns.h"
#include "mfc/Button.h"
#include "mfc/GdiObjects.h"
#include "mfc/ListCtrl.h"
#include "mfc/Map.h"

#define WM_EDITCMB_COMMIT (WM_USER + 200)
#define WM_EDITCMB_CURRENT (WM_USER + 201)
#define WM_EDITCMB_DBLCLK (WM_USER + 202)
#define WM_EDITCMB_BUTTON (WM_USER + 203)

#define IDC_EDITCMB_COMBO 17100
#define IDC_EDITCMB_EDIT 17101
#define IDC_EDITCMB_BUTTON 17102

class CEditCmbList : public CListCtrl {
public:
    CEditCmbList();
    ~CEditCmbList() override;

    // Editor kinds.
    void SetCellModifyType(int nCol, int nRow, UINT nType, CStringArray* pChoices, CString strCaption);
    void setColModifyType(int nCol, UINT nType, CStringArray* pChoices, CString strCaption);
    void setRowModifyType(int nRow, UINT nType, CStringArray* pChoices, CString strCaption);
    int GetCellModifyType(int nCol, int nRow) const;
    // Empties the array, then fills it with the choices when the kind found is above 0.
    int GetCellModifyType(int nCol, int nRow, CStringArray& choices) const;
    int GetColModifyType(int nCol) const { return GetCellModifyType(nCol, -1); }
    int GetRowModifyType(int nRow) const { return GetCellModifyType(-1, nRow); }
    CEditCmbArray GetCellModifyState(int nCol, int nRow) const;

    // Background colours; white is no colour.
    void SetCellBKColor(int nCol, int nRow, COLORREF color);
    void SetColBKColor(int nCol, COLORREF color) { SetCellBKColor(nCol, -1, color); }
    void SetRowBKColor(int nRow, COLORREF color) { SetCellBKColor(-1, nRow, color); }
    COLORREF GetCellBKColor(int nCol, int nRow) const;
    COLORREF GetColBKColor(int nCol) const { return GetCellBKColor(nCol, -1); }
    COLORREF GetRowBKColor(int nRow) const { return GetCellBKColor(-1, nRow); }

    // Bitmaps: the list keeps a copy of the caller's bitmap.
    void SetCellBitmap(int nCol, int nRow, HBITMAP hBitmap);
    void SetColBitmap(int nCol, HBITMAP hBitmap) { SetCellBitmap(nCol, -1, hBitmap); }
    void SetRowBitmap(int nRow, HBITMAP hBitmap) { SetCellBitmap(-1, nRow, hBitmap); }
    CBitmap* GetCellBitmap(int nCol, int nRow) const;  // the list's own copy; null when none

    // Check boxes: 0 unchecked, 1 checked, anything else none.
    void SetCellCheck(int nCol, int nRow, int nCheck);
    void SetColCheck(int nCol, int nCheck) { SetCellCheck(nCol, -1, nCheck); }
    void SetRowCheck(int nRow, int nCheck) { SetCellCheck(-1, nRow, nCheck); }
    int GetCellCheck(int nCol, int nRow) const;

    // Settings and state.
    void SetTabOrder(int nOrder);  // 0 along the row, 1 down the column, -1 Tab to the dialog
    int GetTabOrder() const { return m_nTabOrder; }
    void SetBtnLen(int nLen) { m_nBtnLen = nLen; }        // 0 or less: 30 % of the cell
    void SetClkBtnHide(int bHide) { m_bClkBtnHide = bHide; }
    int GetCurRow() const;
    int GetCurCol() const { return m_nEditCol; }
    void SetCurSel(int nRow);
    int GetColCount() const;
    void ReDraw();

    // Editing.
    void SetEditView(int nCol, int nRow);
    void SetComboView(int nCol, int nRow);
    void InitComboBox(CRect rect);
    int SetCellAtModify(int nCol, int nRow);

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocusEdit();
    afx_msg void OnKillFocusCombo();
    afx_msg void OnSelChangeCombo();
    afx_msg void OnButtonClicked();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnInsertItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnTabKey(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static int CellKey(int nCol, int nRow) { return nCol * 100000 + nRow; }
    template <class VALUE>
    static BOOL LookupCell(const CMap<int, int, VALUE, VALUE>& map, int nCol, int nRow, VALUE& value);

    BOOL IsCell(int nCol, int nRow) const;
    // The editors of the current cell's kind; explicit kinds only while m_bExplicit is set.
    void OpenEdit();
    void OpenCombo();
    void CommitEditors();
    // Places the in-cell button at the right of rect (its top and bottom given) and narrows rect.
    void PlaceButton(CRect& rect, int nTop, int nBottom, const CString& strCaption);
    void HideButton();
    void ScrollCellIntoView(int nCol, int nRow);
    void NotifyOwner(UINT message);
    void PaintAttributes();

    int m_nEditRow;
    int m_nEditCol;
    int m_nTabOrder;
    int m_nBtnLen;
    int m_bClkBtnHide;
    CEditIns* m_pEdit;
    CCmbIns* m_pCombo;
    CButton* m_pButton;
    CString m_strBuffer;
    int m_bAttrSet;
    CMap<int, int, CEditCmbArray, CEditCmbArray> m_mapModify;
    CMap<int, int, COLORREF, COLORREF> m_mapColor;
    CMap<int, int, CBitmap*, CBitmap*> m_mapBitmap;
    CMap<int, int, int, int> m_mapCheck;
    int m_nComboStyle;
    int m_bExplicit;
};
