// CCaltWorkDlg: the buttons, the host's messages, the stored parameters, the input test and
// closing.
#include "framework/CaltPageDlg.h"
#include "framework/CaltWorkDlg.h"
#include "framework/CheckPromptDlg.h"
#include "host/CommandReports.h"
#include "host/Store.h"
#include "host/VuskMainInfo.h"
#include "host/YorWord.h"

CString CCaltWorkDlg::GetKeyPrefix() const
{
    return CString(m_pParam->GetRuntimeClass()->m_lpszClassName) + "/";
}

void CCaltWorkDlg::LoadParams()
{
    if (m_pParam)
        m_pParam->ReadParam(GetKeyPrefix());
}

void CCaltWorkDlg::SaveParams()
{
    if (!m_pParam || !m_pCurPage || !m_pCurPage->m_hWnd)
        return;
    m_pCurPage->GetData(m_pParam);
    qelt::host::StoreBatch batch;  // the whole walk in one transaction
    m_pParam->WriteParam(GetKeyPrefix());
}

int CCaltWorkDlg::RunCalculate()
{
    if (!m_pParam)
        return 0;
    qelt::host::CalculationStepScope step;
    const int nResult = m_pParam->Calculate();
    step.Note(nResult ? qelt::host::CalculationStep::Calculated : qelt::host::CalculationStep::CalculationRefused);
    // The reports of an earlier calculation do not stand beside input that it refused.
    if (!nResult) {
        m_pParam->wordC.InitData();
        m_pParam->wordS.InitData();
    }
    return nResult;
}

void CCaltWorkDlg::BuildReports()
{
    m_pParam->wordC.InitData();
    m_pParam->BuildWordC();
    m_pParam->wordS.InitData();
    m_pParam->BuildWordS();
}

BOOL CCaltWorkDlg::CheckPageData(CStringArray& arrWarnings, CStringArray& arrErrors)
{
    if (!m_pParam || !m_pCurPage)
        return TRUE;
    return m_pCurPage->CheckData(m_pParam, arrWarnings, arrErrors);
}

// One numbered line per text; the continuation lines of a text are indented by four blanks.
static CString NumberedLines(const CStringArray& arrTexts)
{
    CString strMessage;
    for (int i = 0; i < arrTexts.GetSize(); i++) {
        CString strText = arrTexts[i];
        strText.Replace("\r", "\n");
        strText.Replace("\n\n", "\n");
        strText.Replace("\n", "\r\n    ");
        strMessage.AppendFormat("%d.  ", i + 1);
        strMessage += strText + "\r\n";
    }
    return strMessage;
}

BOOL CCaltWorkDlg::CheckInput(BOOL bShowPrompt)
{
    qelt::host::CalculationStepScope step;
    CStringArray arrWarnings;
    CStringArray arrErrors;
    const BOOL bResult = CheckPageData(arrWarnings, arrErrors);
    const BOOL bErrors = arrErrors.GetSize() > 0;
    BOOL bPassed = bResult;
    if (bErrors || (!bResult && bShowPrompt)) {
        CCheckPromptDlg dlgPrompt;
        dlgPrompt.m_nMode = bErrors ? CHECK_PROMPT_ERRORS : CHECK_PROMPT_ASK;
        dlgPrompt.m_strMessage = NumberedLines(bErrors ? arrErrors : arrWarnings);
        const INT_PTR nAnswer = dlgPrompt.DoModal();
        bPassed = !bErrors && nAnswer != IDOK;
    }
    if (!bPassed)
        step.Note(qelt::host::CalculationStep::InputRefused);
    return bPassed;
}

void CCaltWorkDlg::OnCalculate()
{
    if (!m_pParam)
        return;
    SaveParams();
    if (!CheckInput(TRUE))
        return;
    if (RunCalculate()) {
        if (m_pCurPage && m_pCurPage->m_strTitle == "绘图预览")
            m_pCurPage->GetData(m_pParam);
        BuildReports();
    }
    if (m_pCurPage)
        m_pCurPage->SetData(m_pParam);
}

int CCaltWorkDlg::CalculateAll()
{
    if (!m_pParam)
        return 0;
    SaveParams();
    if (!CheckInput(TRUE))
        return 0;

    // Outside modes 0 and 1 only an input page calculates; elsewhere the passed test is enough.
    int nCalculated = 1;
    if (m_nDlgType == 0 || m_nDlgType == 1 || (m_pCurPage && m_pCurPage->GetPageKind() == CALT_PAGE_INPUT))
        nCalculated = RunCalculate();
    if (nCalculated == 0)
        return 0;

    BuildReports();
    m_pParam->GetListData();
    return 1;
}

LRESULT CCaltWorkDlg::OnCalculateAll(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return CalculateAll();
}

void CCaltWorkDlg::OnAddToList()
{
    if (g_VuskMainInfo.CommandInFrame()) {
        g_VuskMainInfo.AddCommandToList();
        return;
    }
    if (CalculateAll() != 1)
        return;
    CYorWord word(1, 1);
    if (!word.BIsEmpty())
        m_pParam->wordC.WriteToWord(&word);
}

int CCaltWorkDlg::RestoreDefault()
{
    if (!m_pParam)
        return 0;
    m_pParam->InitDefaultParam();
    if (m_arrPages.GetSize() == 0)
        return 1;
    if (m_ctrlTab.GetCurSel() != 0)
        SwitchToPage(0);
    if (m_pCurPage)
        m_pCurPage->SetData(m_pParam);
    LayoutPage(0, FALSE);
    m_ctrlTab.SetCurSel(0);
    return 1;
}

void CCaltWorkDlg::OnRestoreDefault()
{
    RestoreDefault();
}

LRESULT CCaltWorkDlg::OnHostRestoreDefault(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return RestoreDefault();
}

void CCaltWorkDlg::OnRefreshList()
{
    g_VuskMainInfo.RefreshCurCommand();
}

// A page that does not answer WM_HELP passes it on to its parent and so back here; the guard
// keeps that from going round for ever.
BOOL CCaltWorkDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (m_bInHelp)
        return FALSE;
    if (m_pParam) {
        if (m_arrPages.GetSize() == 0)
            return FALSE;
        m_pParam->OnHelpInfo(pHelpInfo);
        return TRUE;
    }
    if (m_arrPages.GetSize() != 1 || !m_pCurPage || !m_pCurPage->m_hWnd)
        return FALSE;
    m_bInHelp = TRUE;
    m_pCurPage->SendMessage(WM_HELP, 0, (LPARAM)pHelpInfo);
    m_bInHelp = FALSE;
    return TRUE;
}

void CCaltWorkDlg::OnHelp()
{
    HELPINFO info = {};
    info.cbSize = sizeof(HELPINFO);
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = m_hWnd;
    info.dwContextId = 0;
    OnHelpInfo(&info);
}

void CCaltWorkDlg::ClearPages()
{
    SaveParams();
    m_arrPages.RemoveAll();
    if (m_ctrlTab.m_hWnd)
        m_ctrlTab.DeleteAllItems();
}

// "关闭", Esc and the close box. The parameters are stored unless the dialog sits in the host's
// frame, which then stores them when it destroys the dialog.
void CCaltWorkDlg::OnCancel()
{
    const BOOL bStaysInFrame = g_VuskMainInfo.GetCaltDlgType() == 0 && m_nWorkDlgFlag == 0 &&
                               g_VuskMainInfo.CommandInFrame();
    if (!bStaysInFrame)
        ClearPages();
    CVuskWorkDlg::OnCancel();
}

BOOL CCaltWorkDlg::DestroyWindow()
{
    if (m_nDlgType == 0)
        ClearPages();
    if (m_pCurPage && m_pCurPage->m_hWnd)
        m_pCurPage->DestroyWindow();
    return CVuskWorkDlg::DestroyWindow();
}
