// CListBox and the "ListBox" window class: a single-selection list, sorted with LBS_SORT.
// SetCurSel notifies nobody; the person's choice sends LBN_SELCHANGE (with LBS_NOTIFY); the focus
// sends LBN_SETFOCUS and LBN_KILLFOCUS. Counting the selected items (LB_GETSELCOUNT) is LB_ERR
// unless the style takes several selections (LBS_MULTIPLESEL, LBS_EXTENDEDSEL).
#pragma once

#include "mfc/user/Wnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetText(int nIndex, LPTSTR lpszBuffer) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    int AddString(LPCTSTR lpszItem);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int FindString(int nStartAfter, LPCTSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszItem);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
};
