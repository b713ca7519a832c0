#include "framework/CheckPromptDlg.h"

#include "mfc/user/DataExchange.h"
#include "mfc/person/InteractionLog.h"
#include "resources/FrameworkResource.h"

IMPLEMENT_DYNAMIC(CCheckPromptDlg, CDialog)

BEGIN_MESSAGE_MAP(CCheckPromptDlg, CDialog)
    ON_BN_CLICKED(IDC_PROMPT_ACKNOWLEDGE, OnCancel)
END_MESSAGE_MAP()

CCheckPromptDlg::CCheckPromptDlg(CWnd* pParentWnd)
    : CDialog(IDD_CHECK_PROMPT, pParentWnd), m_nMode(CHECK_PROMPT_ASK)
{
}

void CCheckPromptDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROMPT_ACKNOWLEDGE, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnNo);
    DDX_Control(pDX, IDOK, m_btnYes);
    DDX_Control(pDX, IDC_PROMPT_MESSAGE, m_editMessage);
    DDX_Text(pDX, IDC_PROMPT_QUESTION, m_strPrompt);
}

BOOL CCheckPromptDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const BOOL bAsk = m_nMode == CHECK_PROMPT_ASK;
    m_btnOK.ShowWindow(bAsk ? SW_HIDE : SW_SHOW);
    m_btnNo.ShowWindow(bAsk ? SW_SHOW : SW_HIDE);
    m_btnYes.ShowWindow(bAsk ? SW_SHOW : SW_HIDE);
    if (m_nMode == CHECK_PROMPT_ERRORS)
        m_strPrompt = "请返回修改!";
    else if (bAsk)
        m_strPrompt = "是否返回修改";
    else
        m_strPrompt.Empty();

    // With "确定" alone, Enter presses it.
    if (!bAsk)
        SetDefID(IDC_PROMPT_ACKNOWLEDGE);

    m_editMessage.SetWindowText(m_strMessage);
    UpdateData(FALSE);
    GetWindowText(m_strCaption);
    return TRUE;
}

// Runs the dialog and adds what the engineer saw and answered to the interaction log. A prompt that
// the user script left unanswered has its default logged by the script as well.
INT_PTR CCheckPromptDlg::DoModal()
{
    qelt::InteractionLog& log = qelt::InteractionLog::Instance();
    const size_t nBefore = log.Entries().size();
    const INT_PTR nResult = CDialog::DoModal();
    if (nResult == -1)
        return nResult;  // never shown

    qelt::InteractionEntry entry;
    entry.kind = "prompt";
    entry.caption = m_strCaption;
    entry.text = m_strMessage;
    if (!m_strPrompt.IsEmpty())
        entry.text += "\r\n" + m_strPrompt;
    if (m_nMode == CHECK_PROMPT_ASK) {
        entry.buttons = {"是(&Y)", "否(&N)"};
        entry.answer = nResult == IDOK ? "是(&Y)" : "否(&N)";
    } else {
        entry.buttons = {"确定(&O)"};
        entry.answer = "确定(&O)";
    }
    entry.result = static_cast<int>(nResult);
    entry.byScript = true;
    for (size_t i = nBefore; i < log.Entries().size(); i++) {
        const qelt::InteractionEntry& other = log.Entries()[i];
        if (other.kind == "dialog" && other.caption == entry.caption) {
            entry.byScript = false;
            entry.note = other.note;
        }
    }
    log.Add(entry);
    return nResult;
}
