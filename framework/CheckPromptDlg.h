// CCheckPromptDlg: the small modal dialog that shows the result of an input test: a read-only
// message, a question or instruction under it, and either "是" and "否" or "确定" alone.
//
//   mode                       line under the message   buttons      result
//   CHECK_PROMPT_ASK (0)       "是否返回修改"            是, 否        IDOK for 是; IDCANCEL for 否, Esc, close box
//   CHECK_PROMPT_ERRORS (1)    "请返回修改!"             确定          IDCANCEL
//   any other (-1: a notice)   (empty)                  确定          IDCANCEL
//
// Every showing is added to the interaction log with what the engineer saw and answered.
#pragma once

#include "mfc/Afx.h"
#include "mfc/stdctrl/Button.h"
#include "mfc/user/Dialog.h"
#include "mfc/stdctrl/Edit.h"

enum {
    CHECK_PROMPT_NOTICE = -1,
    CHECK_PROMPT_ASK = 0,
    CHECK_PROMPT_ERRORS = 1
};

class CCheckPromptDlg : public CDialog {
    DECLARE_DYNAMIC(CCheckPromptDlg)

public:
    explicit CCheckPromptDlg(CWnd* pParentWnd = NULL);

    INT_PTR DoModal() override;

    CButton m_btnOK;
    CButton m_btnYes;
    CButton m_btnNo;
    CEdit m_editMessage;
    CString m_strPrompt;   // the line under the message
    int m_nMode;           // set before the dialog runs
    CString m_strMessage;  // set before the dialog runs

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strCaption;  // as shown, for the log
};
