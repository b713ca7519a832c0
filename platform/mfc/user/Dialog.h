// CDialog: a window built from a dialog template of the resources (mfc/user/Resources.h), with its
// controls, laid out in dialog units (mfc/user/Metrics.h).
//
// Create makes a modeless dialog: a child of the parent when the template (or PreSubclassWindow)
// says WS_CHILD, else a window owned by it. DoModal makes it owned by the parent's top-level
// window (disabled meanwhile) and runs the modal loop, in which the user script acts
// (mfc/person/UserScript.h), until EndDialog; it returns the result given to EndDialog, or -1 when the
// dialog could not be created.
//
// Creation runs PreSubclassWindow before the dialog is laid out, creates the controls in template
// order (their tab order), and sends WM_INITDIALOG, whose handler calls OnInitDialog; a popup
// dialog then gives the focus to its first tab stop when OnInitDialog returns TRUE, a child dialog
// leaves the focus where it is. A dialog given the focus hands it to its first tab stop (an
// edit box's text selected).
#pragma once

#include "mfc/user/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual INT_PTR DoModal();
    // Ends the modal loop with nResult; a modeless dialog is hidden.
    void EndDialog(int nResult);

    // Adds the template's list entries to its combo and list boxes, then loads the data
    // exchange (UpdateData(FALSE)). Returns TRUE: the focus goes to the first tab stop.
    virtual BOOL OnInitDialog();
    // Enter and the IDOK button: saves the data exchange and ends the dialog with IDOK.
    virtual void OnOK();
    // Esc, the close box and the IDCANCEL button: ends the dialog with IDCANCEL.
    virtual void OnCancel();
    // Handles the dialog keys (Tab, Enter, Esc) of messages for the dialog and its controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    UINT m_nIDHelp = 0;
    LPCTSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;

protected:
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    // WM_COMMANDHELP: the context given, or the dialog's own (HID_BASE_RESOURCE + m_nIDHelp), goes
    // to the application's help (CWinApp::WinHelp); TRUE when the dialog had a context.
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
