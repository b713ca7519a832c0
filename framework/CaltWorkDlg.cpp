// CCaltWorkDlg: construction, the page list, the layout and the change of tab.
#include "framework/CaltWorkDlg.h"

#include <algorithm>

#include "framework/CaltPageDlg.h"
#include "host/VuskMainInfo.h"
#include "mfc/user/DataExchange.h"
#include "resources/FrameworkResource.h"

IMPLEMENT_DYNAMIC(CCaltWorkDlg, CVuskWorkDlg)

BEGIN_MESSAGE_MAP(CCaltWorkDlg, CVuskWorkDlg)
    ON_WM_SIZE()
    ON_NOTIFY(TCN_SELCHANGE, IDC_WORK_TAB, OnSelChangeTab)
    ON_NOTIFY(TCN_SELCHANGING, IDC_WORK_TAB, OnSelChangingTab)
    ON_BN_CLICKED(IDC_WORK_CALCULATE, OnCalculate)
    ON_BN_CLICKED(IDC_WORK_HELP, OnHelp)
    ON_BN_CLICKED(IDC_WORK_ADDLIST, OnAddToList)
    ON_BN_CLICKED(IDC_WORK_DEFAULT, OnRestoreDefault)
    ON_BN_CLICKED(IDC_WORK_REFRESH, OnRefreshList)
    ON_WM_HELPINFO()
    ON_MESSAGE(WM_VUSK_CALCULATEALL, OnCalculateAll)
    ON_MESSAGE(WM_VUSK_ONCALCULATEALL, OnCalculateAll)
    ON_MESSAGE(WM_VUSK_RESTOREDEFAULT, OnHostRestoreDefault)
END_MESSAGE_MAP()

// The smallest page area, in pixels.
static const int MIN_PAGE_WIDTH = 300;
static const int MIN_PAGE_HEIGHT = 200;
// Space to the right of each button of the row, in pixels.
static const int BUTTON_SPACE = 2;
// Where a resize puts the current page inside the tab control, in pixels: its margins to the tab
// control's window, the top one below the tab row.
static const int PAGE_MARGIN_SIDE = 3;
static const int PAGE_MARGIN_TOP = 7;
static const int PAGE_MARGIN_BOTTOM = 4;
// The size a resize tells the page: the tab control's less its frame, and less a tab row in height.
static const int PAGE_SIZE_FRAME = 4;
static const int PAGE_SIZE_TAB_ROW = 25;

CCaltWorkDlg::CCaltWorkDlg(CWnd* pParentWnd)
    : CVuskWorkDlg(IDD_CALT_WORK, pParentWnd),
      m_pCurPage(NULL),
      m_pParam(NULL),
      m_nDlgType(1),
      m_bEnableList(1),
      m_strCaption("VUSK"),
      m_nOldTab(0),
      m_bLaidOut(0),
      m_bCanLeave(0),
      m_nPageWidth(MIN_PAGE_WIDTH),
      m_nPageHeight(MIN_PAGE_HEIGHT),
      m_nTabRowHeight(0),
      m_bInHelp(FALSE)
{
}

CCaltWorkDlg::~CCaltWorkDlg()
{
}

void CCaltWorkDlg::SetParam(CVuskParam* pParam)
{
    m_pParam = pParam;
}

void CCaltWorkDlg::AddPage(CCaltPageDlg* pPage, const CString& strTitle, UINT nIDTemplate)
{
    if (!pPage) {
        qelt::ReportMisuse("CCaltWorkDlg::AddPage without a page");
        return;
    }
    pPage->m_strTitle = strTitle;
    _tagCaltPage page = {pPage, strTitle, nIDTemplate};
    m_arrPages.Add(page);
}

_tagCaltPage CCaltWorkDlg::GetPageAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_arrPages.GetSize()) {
        qelt::ReportMisuse("CCaltWorkDlg::GetPageAt(%d) of %d pages", nIndex, (int)m_arrPages.GetSize());
        return _tagCaltPage{NULL, CString(), 0};
    }
    return m_arrPages[nIndex];
}

void CCaltWorkDlg::DoDataExchange(CDataExchange* pDX)
{
    CVuskWorkDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WORK_TAB, m_ctrlTab);
    DDX_Control(pDX, IDC_WORK_ADDLIST, m_btnAddList);
    DDX_Control(pDX, IDC_WORK_CALCULATE, m_btnCalculate);
    DDX_Control(pDX, IDCANCEL, m_btnClose);
    DDX_Control(pDX, IDC_WORK_HELP, m_btnHelp);
    DDX_Control(pDX, IDC_WORK_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_WORK_REFRESH, m_btnRefresh);
}

BOOL CCaltWorkDlg::OnInitDialog()
{
    CVuskWorkDlg::OnInitDialog();
    LoadParams();
    if (m_nDlgType == 0) {
        m_btnAddList.ShowWindow(SW_HIDE);
        m_btnCalculate.ShowWindow(SW_HIDE);
        m_btnClose.ShowWindow(SW_HIDE);
        m_btnHelp.ShowWindow(SW_HIDE);
        m_btnDefault.ShowWindow(SW_HIDE);
        m_btnRefresh.ShowWindow(SW_HIDE);
    }
    CreatePages();
    LayoutPage(0, FALSE);
    return TRUE;
}

// Enter never ends the work dialog.
void CCaltWorkDlg::OnOK()
{
}

int CCaltWorkDlg::TabRowHeight()
{
    CRect rcItem(0, 0, 0, 0);
    m_ctrlTab.GetItemRect(0, &rcItem);
    return rcItem.Height();
}

BOOL CCaltWorkDlg::CreatePageWindow(const _tagCaltPage& page)
{
    return page.pPage->Create(page.nIDTemplate, &m_ctrlTab);
}

void CCaltWorkDlg::CreatePages()
{
    // The page area fits the largest page.
    for (int i = 0; i < m_arrPages.GetSize(); i++) {
        const _tagCaltPage& page = m_arrPages[i];
        if (!CreatePageWindow(page))
            continue;
        CRect rcPage;
        page.pPage->GetWindowRect(&rcPage);
        if (rcPage.Width() > m_nPageWidth)
            m_nPageWidth = rcPage.Width();
        if (rcPage.Height() > m_nPageHeight)
            m_nPageHeight = rcPage.Height();
        page.pPage->DestroyWindow();
    }

    // Asked before the items exist, while item 0 still reports the row height.
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    ScreenToClient(&rcDlg);
    const int h = m_nTabRowHeight = TabRowHeight();

    if (m_nDlgType == 0 && g_VuskMainInfo.m_hMainWnd) {
        CRect rcMain;
        CWnd::FromHandle(g_VuskMainInfo.m_hMainWnd)->GetWindowRect(&rcMain);
        m_nPageWidth = std::max(m_nPageWidth, (int)rcMain.Width() - 3 * h);
        m_nPageHeight = std::max(m_nPageHeight, (int)rcMain.Height() - 2 * h + 1);
    }
    MoveWindow(0, 0, m_nPageWidth + 2 * h, m_nPageHeight + 6 * h);
    m_ctrlTab.MoveWindow(h / 2, 0, m_nPageWidth + h, m_nPageHeight + 2 * h);

    for (int i = 0; i < m_arrPages.GetSize(); i++)
        m_ctrlTab.InsertItem(i, m_arrPages[i].strTitle);

    if (m_nDlgType != 0) {
        m_btnAddList.SetWindowText(m_nDlgType == 1 ? "加入列表" : "计算书");
        m_btnAddList.EnableWindow(m_bEnableList);
        if (m_nDlgType == 1)
            m_btnRefresh.EnableWindow(m_bEnableList);
        else
            m_btnRefresh.ShowWindow(SW_HIDE);

        CButton* arrRow[] = {&m_btnHelp, &m_btnClose, &m_btnAddList, &m_btnRefresh, &m_btnCalculate,
                             &m_btnDefault};
        PlaceButtonRow(arrRow, sizeof(arrRow) / sizeof(arrRow[0]), m_nPageWidth + 2 * h + rcDlg.left,
                       m_nPageHeight + 3 * h);
        SetWindowTextA(m_strCaption);
        CenterWindow();
        m_bLaidOut = 1;
    }

    if (m_arrPages.GetSize() > 0) {
        m_pCurPage = m_arrPages[0].pPage;
        if (CreatePageWindow(m_arrPages[0]))
            m_pCurPage->SetData(m_pParam);
    }
}

void CCaltWorkDlg::PlaceButtonRow(CButton* const* ppButtons, int nCount, int nRight, int nTop)
{
    for (int i = 0; i < nCount; i++) {
        CButton* pButton = ppButtons[i];
        if (!pButton->m_hWnd || !(pButton->GetStyle() & WS_VISIBLE))
            continue;
        CRect rcButton;
        pButton->GetWindowRect(&rcButton);
        nRight -= BUTTON_SPACE;
        pButton->MoveWindow(nRight - rcButton.Width(), nTop, rcButton.Width(), rcButton.Height());
        nRight -= rcButton.Width();
    }
}

void CCaltWorkDlg::LayoutPage(int /*nIndex*/, BOOL bFocus)
{
    if (m_arrPages.GetSize() == 0)
        return;
    if (bFocus)
        m_ctrlTab.SetFocus();
    if (!m_pCurPage || !m_pCurPage->m_hWnd)
        return;
    const int h = m_nTabRowHeight;
    CRect rcTab;
    m_ctrlTab.GetClientRect(&rcTab);
    m_pCurPage->MoveWindow(h / 2, (int)(1.5 * h), rcTab.Width() - h, rcTab.Height() - 2 * h);
    m_pCurPage->ShowWindow(SW_SHOW);
}

void CCaltWorkDlg::OnSize(UINT nType, int cx, int cy)
{
    CVuskWorkDlg::OnSize(nType, cx, cy);
    if (!m_ctrlTab.m_hWnd || cx <= 0 || cy <= 0 || !m_bLaidOut)
        return;

    const int h = m_nTabRowHeight;
    m_ctrlTab.MoveWindow(h / 2, h / 2, cx - h, (int)(cy - 2.5 * h));

    if (m_pCurPage && m_pCurPage->m_hWnd) {
        CRect rcTab;
        m_ctrlTab.GetWindowRect(&rcTab);
        m_pCurPage->MoveWindow(PAGE_MARGIN_SIDE, h + PAGE_MARGIN_TOP, rcTab.Width() - 2 * PAGE_MARGIN_SIDE,
                               rcTab.Height() - h - PAGE_MARGIN_TOP - PAGE_MARGIN_BOTTOM);
        m_pCurPage->SendMessage(WM_SIZE, nType, MAKELPARAM(rcTab.Width() - PAGE_SIZE_FRAME,
                                                           rcTab.Height() - PAGE_SIZE_FRAME - PAGE_SIZE_TAB_ROW));
    }

    // The template's order, which puts "刷新列表" to the right of button 110.
    m_btnAddList.SetWindowText(m_nDlgType == 1 ? "加入列表" : "计算书");
    CButton* arrRow[] = {&m_btnHelp, &m_btnClose, &m_btnRefresh, &m_btnAddList, &m_btnCalculate,
                         &m_btnDefault};
    PlaceButtonRow(arrRow, sizeof(arrRow) / sizeof(arrRow[0]), cx - h / 2, (int)(cy - 1.5 * h));
}

void CCaltWorkDlg::OnSelChangingTab(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    m_nOldTab = m_ctrlTab.GetCurSel();
    m_bCanLeave = m_pCurPage ? m_pCurPage->OnDataChange() : FALSE;
    *pResult = 0;
}

void CCaltWorkDlg::OnSelChangeTab(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    const int nNewTab = m_ctrlTab.GetCurSel();
    if (nNewTab < 0)
        return;

    if (m_pCurPage && m_pCurPage->m_hWnd && m_bCanLeave && nNewTab < m_arrPages.GetSize()) {
        m_pCurPage->GetData(m_pParam);
        const int nLeftKind = m_pCurPage->GetPageKind();
        if (CheckInput(TRUE) == 1) {
            SwitchToPage(nNewTab);
            m_pCurPage->Refresh(nLeftKind);
            LayoutPage(nNewTab, TRUE);
            return;
        }
    }
    // The page left stays.
    m_ctrlTab.SetCurSel(m_nOldTab);
    LayoutPage(nNewTab, TRUE);
}

void CCaltWorkDlg::SwitchToPage(int nIndex)
{
    if (m_pCurPage && m_pCurPage->m_hWnd)
        m_pCurPage->DestroyWindow();
    m_pCurPage = m_arrPages[nIndex].pPage;
    CreatePageWindow(m_arrPages[nIndex]);
}
