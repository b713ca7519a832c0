#include "framework/CaltPageDlg.h"

#include "framework/CaltWorkDlg.h"
#include "framework/CheckPromptDlg.h"
#include "host/Numbers.h"
#include "host/VuskMainInfo.h"

IMPLEMENT_DYNAMIC(CCaltPageDlg, CVuskDlg)

BEGIN_MESSAGE_MAP(CCaltPageDlg, CVuskDlg)
END_MESSAGE_MAP()

int CaltPageKindOfTitle(const CString& strTitle)
{
    if (strTitle == "基本参数")
        return CALT_PAGE_INPUT;
    if (strTitle == "计算书")
        return CALT_PAGE_REPORT;
    if (strTitle == "计算结果")
        return CALT_PAGE_RESULT;
    if (strTitle == "绘图预览")
        return CALT_PAGE_PREVIEW;
    return CALT_PAGE_INPUT;
}

CCaltPageDlg::CCaltPageDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CVuskDlg(nIDTemplate, pParentWnd)
{
    m_nHostDlgFlag = 1;
}

CCaltPageDlg::~CCaltPageDlg()
{
}

void CCaltPageDlg::GetData(CVuskParam* /*pParam*/)
{
}

void CCaltPageDlg::SetData(CVuskParam* /*pParam*/)
{
}

BOOL CCaltPageDlg::CheckData(CVuskParam* /*pParam*/, CStringArray& /*arrWarnings*/,
                             CStringArray& /*arrErrors*/)
{
    return TRUE;
}

void CCaltPageDlg::Refresh(int nLeftKind)
{
    CVuskParam* pParam = GetParam();
    const int nKind = GetPageKind();
    BOOL bCalculated = TRUE;
    if (nKind != CALT_PAGE_INPUT && nLeftKind == CALT_PAGE_INPUT)
        bCalculated = Calculate() != 0;

    if (nKind == CALT_PAGE_REPORT && pParam) {
        if (bCalculated)
            GetWorkDlg()->BuildReports();
    } else if (nKind == CALT_PAGE_PREVIEW) {
        // The preview page takes back the values it shows of its own.
        GetData(pParam);
    }
    SetData(pParam);
}

BOOL CCaltPageDlg::OnDataChange()
{
    return TRUE;
}

int CCaltPageDlg::Calculate()
{
    CCaltWorkDlg* pWorkDlg = GetWorkDlg();
    return pWorkDlg ? pWorkDlg->RunCalculate() : 0;
}

CCaltWorkDlg* CCaltPageDlg::GetWorkDlg() const
{
    CWnd* pTab = m_hWnd ? GetParent() : NULL;
    CWnd* pWorkDlg = pTab ? pTab->GetParent() : NULL;
    return dynamic_cast<CCaltWorkDlg*>(pWorkDlg);
}

CVuskParam* CCaltPageDlg::GetParam() const
{
    CCaltWorkDlg* pWorkDlg = GetWorkDlg();
    return pWorkDlg ? pWorkDlg->m_pParam : NULL;
}

int CCaltPageDlg::GetDlgMode() const
{
    CCaltWorkDlg* pWorkDlg = GetWorkDlg();
    return pWorkDlg ? pWorkDlg->m_nDlgType : 1;
}

void CCaltPageDlg::UpdateParam()
{
    if (CCaltWorkDlg* pWorkDlg = GetWorkDlg())
        GetData(pWorkDlg->m_pParam);
}

void CCaltPageDlg::UpdatePage()
{
    if (CCaltWorkDlg* pWorkDlg = GetWorkDlg())
        SetData(pWorkDlg->m_pParam);
}

BOOL CCaltPageDlg::CheckInput(BOOL bShowPrompt)
{
    CCaltWorkDlg* pWorkDlg = GetWorkDlg();
    return pWorkDlg ? pWorkDlg->CheckInput(bShowPrompt) : TRUE;
}

int CCaltPageDlg::GetPageKind() const
{
    return CaltPageKindOfTitle(m_strTitle);
}

BOOL CCaltPageDlg::CheckEditDouble(UINT nID, double& dValue, const double& dUpper,
                                   const double& dLower, const int& nDecimals)
{
    if (g_VuskMainInfo.m_bSkipEditCheck)
        return TRUE;
    CWnd* pEdit = Control(nID, "CheckEditDouble");
    if (!pEdit || !pEdit->IsWindowEnabled() || !pEdit->IsWindowVisible())
        return TRUE;

    CString strText;
    pEdit->GetWindowText(strText);
    double dParsed = 0.0;
    if (CheckDouble(strText, dParsed, dUpper, dLower)) {
        dValue = dParsed;
        return TRUE;
    }

    CString strMessage;
    strMessage.Format("请输入一个在%s与%s之间的实数", (LPCTSTR)ftos(dLower), (LPCTSTR)ftos(dUpper));

    // The old value goes back into the range; a value that is not a number at all becomes the
    // upper bound, so that the box never shows anything but a number within the bounds.
    if (!(dValue <= dUpper))
        dValue = dUpper;
    if (!(dValue >= dLower))
        dValue = dLower;

    CString strValue;
    if (nDecimals < 0) {
        strValue = ftos(dValue);
    } else {
        CString strFormat;
        strFormat.Format("%%.%df", nDecimals);
        strValue.Format(strFormat, dValue);
    }
    pEdit->SetWindowText(strValue);

    CCheckPromptDlg dlgPrompt;
    dlgPrompt.m_nMode = CHECK_PROMPT_NOTICE;
    dlgPrompt.m_strMessage = strMessage;
    dlgPrompt.DoModal();

    pEdit->SetFocus();
    pEdit->SendMessage(EM_SETSEL, 0, strValue.GetLength());
    pEdit->SendMessage(EM_SCROLLCARET);
    return FALSE;
}

void CCaltPageDlg::OnEditKillFocus()
{
    OnDataChange();
}

void CCaltPageDlg::OnCalculate()
{
    UpdateParam();
    if (CheckInput(TRUE))
        Calculate();
    UpdatePage();
}

void CCaltPageDlg::PreSubclassWindow()
{
    // A page is always a child of the tab control, whatever its template says.
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME, WS_CHILD);
    CVuskDlg::PreSubclassWindow();
}

BOOL CCaltPageDlg::OnInitDialog()
{
    CVuskDlg::OnInitDialog();
    return TRUE;
}

// Enter and Esc inside a tab never end the page.
void CCaltPageDlg::OnOK()
{
}

void CCaltPageDlg::OnCancel()
{
}
