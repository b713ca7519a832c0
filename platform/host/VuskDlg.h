// CVuskDlg: the host's dialog base, with its controls read and written by id.
//
// - Numbers are shown as ftos gives them (host/Numbers.h): SetEditText(id, 2.50) shows "2.5";
//   ints in decimal.
// - GetComboBoxText gives the combo box's text: a drop-down list's selected item, an editable
//   combo box's edit text.
// - SetComboBoxText selects the item whose text is the given text, byte for byte; given a number, the
//   first item whose text is that number (1.0 selects "1.0", 12 selects "12"). An editable combo box
//   takes a value that no item holds as its edit text (a number as ftos gives it). A drop-down list
//   that holds no such item is left with no selection and an empty text, and the call returns
//   FALSE: a stored choice that the list no longer offers shows as missing, not as another choice.
// - GetCheckData and SetCheckData read and set a check box's or radio button's state
//   (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
// A control id that the dialog does not have, or a dialog without a window, is a misuse: a
// diagnostic, nothing changed, an empty text or 0.
// m_nHostDlgFlag marks a page of a work dialog (the page base sets 1); the host does not act on it.
#pragma once

#include "mfc/user/Dialog.h"
#include "mfc/base/String.h"

class CVuskDlg : public CDialog {
    DECLARE_DYNAMIC(CVuskDlg)

public:
    explicit CVuskDlg(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    CString GetEditText(UINT nID) const;
    void SetEditText(UINT nID, LPCTSTR lpszText);
    void SetEditText(UINT nID, double dValue);
    void SetEditText(UINT nID, int nValue);

    CString GetComboBoxText(UINT nID) const;
    BOOL SetComboBoxText(UINT nID, LPCTSTR lpszText);
    BOOL SetComboBoxText(UINT nID, double dValue);
    BOOL SetComboBoxText(UINT nID, int nValue);

    void SetStaticText(UINT nID, LPCTSTR lpszText);
    void SetStaticText(UINT nID, double dValue);
    void SetStaticText(UINT nID, int nValue);

    int GetCheckData(UINT nID) const;
    void SetCheckData(UINT nID, int nCheck);

    // The dialog's caption.
    void SetWindowTextA(LPCTSTR lpszText);

    int m_nHostDlgFlag = 0;

protected:
    // The control of that id; NULL, with a diagnostic naming the caller, when there is none.
    CWnd* Control(UINT nID, const char* pszCaller) const;

private:
    // Selects the item whose text is lpszText, or when pValue is given, whose number is *pValue.
    BOOL SelectComboItem(UINT nID, LPCTSTR lpszText, const double* pValue);
};
