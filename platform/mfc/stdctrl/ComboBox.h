// CComboBox and the "ComboBox" window class: a simple box (CBS_SIMPLE) or a drop-down box
// (CBS_DROPDOWN) with an edit field, or a drop-down list (CBS_DROPDOWNLIST) whose text is its
// selected item; CBS_SORT keeps AddString's items sorted. The edit field is the combo box's own
// window text (there is no separate edit window). SetCurSel, SelectString and SetWindowText
// notify nobody; the person's choices send CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK and
// CBN_CLOSEUP, typing sends CBN_EDITUPDATE and CBN_EDITCHANGE (and selects the item whose text
// equals the typed text, if any), and the focus sends CBN_SETFOCUS and CBN_KILLFOCUS. The Down
// and Up keys select the next or previous item (the first when none is selected), sending
// CBN_SELENDOK and CBN_SELCHANGE; at either end they do nothing.
#pragma once

#include "mfc/user/Wnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    void* GetItemDataPtr(int nIndex) const;
    BOOL LimitText(int nMaxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
};
