#include "ControlsTestDlg.h"

#include "mfc/Menu.h"
#include "mfc/TreeCtrl.h"
#include "mfc/WindowManager.h"
#include "resources/ControlsTestResource.h"

BEGIN_MESSAGE_MAP(CControlsTestDlg, CDialog)
    ON_MESSAGE(WM_LIST_CLICKED, OnReportClicked)
    ON_MESSAGE(WM_LIST_LBUTTONDOWN, OnReportButtonDown)
    ON_NOTIFY(LISTEX_NOTIFY, IDC_TEST_REPORT, OnReportNotify)
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnGridCommit)
    ON_MESSAGE(WM_EDITCMB_CURRENT, OnGridCurrent)
    ON_MESSAGE(WM_EDITCMB_DBLCLK, OnGridDoubleClick)
    ON_MESSAGE(WM_EDITCMB_BUTTON, OnGridButton)
    ON_NOTIFY(NM_SETFOCUS, IDC_TEST_REPORT, OnReportFocus)
    ON_WM_CONTEXTMENU()
    ON_COMMAND_RANGE(ID_TEST_INSERT, ID_TEST_CLEAR, OnMenuCommand)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TEST_TREE, OnTreeSelected)
    ON_CBN_SELCHANGE(IDC_TEST_KIND, OnKindChosen)
END_MESSAGE_MAP()

CControlsTestDlg::CControlsTestDlg() : CDialog(IDD_CONTROLS_TEST) {}

void CControlsTestDlg::PumpPosted() {
    while (std::optional<MSG> message = qelt::TakePostedMessage()) {
        if (!qelt::PreTranslate(*message, nullptr)) qelt::DispatchMessage(*message);
    }
}

BOOL CControlsTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_report.SubclassDlgItem(IDC_TEST_REPORT, this);
    m_report.InsertColumn(0, "截面", LVCFMT_LEFT, 40);
    m_report.InsertColumn(1, "下钢筋方案", LVCFMT_RIGHT, 60);
    m_report.InsertColumn(2, "上钢筋", LVCFMT_CENTER, 50);
    for (int row = 0; row < m_reportRows; ++row) {
        CString label;
        label.Format("%d跨", row + 1);
        m_report.SetItem(row, 0, label, -1);
        m_report.SetItem(row, 1, "2d16", -1);
        m_report.SetItem(row, 2, "3d20", -1);
    }
    m_grid.SubclassDlgItem(IDC_TEST_GRID, this);
    m_grid.InsertColumn(0, "编号", LVCFMT_LEFT, 60);
    m_grid.InsertColumn(1, "跨度(m)", LVCFMT_LEFT, 80);
    m_grid.InsertColumn(2, "荷载", LVCFMT_LEFT, 80);
    for (int row = 0; row < m_gridRows; ++row) {
        CString label;
        label.Format("%d", row + 1);
        m_grid.InsertItem(row, label);
        m_grid.SetItemText(row, 1, "6.0");
        m_grid.SetItemText(row, 2, "均布");
    }
    auto* tree = static_cast<CTreeCtrl*>(GetDlgItem(IDC_TEST_TREE));
    HTREEITEM stairs = tree->InsertItem("楼梯");
    tree->InsertItem("板式楼梯", stairs);
    tree->InsertItem("梁式楼梯", stairs);
    tree->InsertItem("连续梁");
    auto* kind = static_cast<CComboBox*>(GetDlgItem(IDC_TEST_KIND));
    for (const char* load : {"均布", "集中", "三角形"}) kind->AddString(load);
    m_events.clear();
    GetDlgItem(IDC_TEST_VALUE)->SetFocus();
    return FALSE;
}

LRESULT CControlsTestDlg::OnReportClicked(WPARAM wParam, LPARAM lParam) {
    m_reportSelection = m_report.GetSelectedItem();
    m_events.push_back("report clicked " + std::to_string(wParam) +
                       (reinterpret_cast<HWND>(lParam) == m_report.m_hWnd ? "" : " (not the list)"));
    return 0;
}

LRESULT CControlsTestDlg::OnReportButtonDown(WPARAM wParam, LPARAM lParam) {
    m_events.push_back("report button down " + std::to_string(wParam) +
                       (reinterpret_cast<HWND>(lParam) == m_report.m_hWnd ? "" : " (not the list)"));
    return 0;
}

void CControlsTestDlg::OnReportNotify(NMHDR* header, LRESULT*) {
    m_events.push_back(std::string("report notify") + (header->hwndFrom == m_report.m_hWnd ? "" : " (not the list)"));
}

std::string CControlsTestDlg::GridEvent(const char* what, LPARAM lParam) const {
    (void)lParam;
    return std::string("grid ") + what + " " + std::to_string(m_grid.GetCurCol()) + "," +
           std::to_string(m_grid.GetCurRow());
}

LRESULT CControlsTestDlg::OnGridCommit(WPARAM wParam, LPARAM lParam) {
    m_events.push_back(GridEvent("commit", lParam) + (reinterpret_cast<HWND>(wParam) == m_grid.m_hWnd && lParam == 0 ? "" : " (bad parameters)"));
    return 0;
}

LRESULT CControlsTestDlg::OnGridCurrent(WPARAM wParam, LPARAM lParam) {
    m_events.push_back(GridEvent("current", lParam) + (reinterpret_cast<HWND>(wParam) == m_grid.m_hWnd && lParam == 0 ? "" : " (bad parameters)"));
    return 0;
}

LRESULT CControlsTestDlg::OnGridDoubleClick(WPARAM wParam, LPARAM lParam) {
    m_events.push_back(GridEvent("double-click", lParam) + (reinterpret_cast<HWND>(wParam) == m_grid.m_hWnd && lParam == 0 ? "" : " (bad parameters)"));
    return 0;
}

LRESULT CControlsTestDlg::OnGridButton(WPARAM wParam, LPARAM lParam) {
    m_events.push_back(GridEvent("button", lParam) + (reinterpret_cast<HWND>(wParam) == m_grid.m_hWnd && lParam == 0 ? "" : " (bad parameters)"));
    return 0;
}

void CControlsTestDlg::OnReportFocus(NMHDR*, LRESULT*) {
    if (m_handFocusToTree) GetDlgItem(IDC_TEST_TREE)->SetFocus();
}

void CControlsTestDlg::OnContextMenu(CWnd* pWnd, CPoint pos) {
    if (pWnd != &m_report) return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_TEST_MENU)) return;
    m_events.push_back("menu shown");
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

void CControlsTestDlg::OnMenuCommand(UINT nID) { m_events.push_back("menu command " + std::to_string(nID)); }

void CControlsTestDlg::OnTreeSelected(NMHDR*, LRESULT*) {
    auto* tree = static_cast<CTreeCtrl*>(GetDlgItem(IDC_TEST_TREE));
    m_events.push_back("tree " + std::string(tree->GetItemText(tree->GetSelectedItem()).Str()));
}

void CControlsTestDlg::OnKindChosen() {
    m_events.push_back("kind " + std::to_string(static_cast<CComboBox*>(GetDlgItem(IDC_TEST_KIND))->GetCurSel()));
}
