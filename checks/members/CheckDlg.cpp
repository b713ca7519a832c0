#include "checks/members/CheckDlg.h"

#include <cstdlib>

#include "checks/flexural/MemberCheckDlg.h"
#include "host/QeltConcrete.h"
#include "host/QeltPath.h"
#include "host/QeltSteelBar.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"
#include "resources/MembersResource.h"

IMPLEMENT_DYNAMIC(CStlcnCheckDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CStlcnCheckDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_PAGE_CALCULATE, OnCalculate)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CStlcnCheckDlg::CStlcnCheckDlg(UINT nIDTemplate, CWnd* pParent) : CCaltPageDlg(nIDTemplate, pParent), m_nRefused(0) {
    m_ctrlSlide.SetBeSelectable(0);
    CQeltConcrete::GetConcreteGradeString(m_arrConcreteGrade);
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGrade);
}

CStlcnCheckDlg::~CStlcnCheckDlg() = default;

void CStlcnCheckDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEMBER_SLIDE, m_ctrlSlide);
}

BOOL CStlcnCheckDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    FillLists();
    if (GetDlgMode() != 0) ShowControl(IDC_PAGE_CALCULATE, FALSE);

    CStringArray arrSlides;
    GetSlideNames(arrSlides);
    CString strLibrary = gVusk_GetQeltPath(2) + "Vusk10Dll.slb";
    m_ctrlSlide.SetItem(strLibrary, strLibrary, arrSlides, arrSlides, -1, 1, 1);
    return TRUE;
}

void CStlcnCheckDlg::FillComboBox(UINT nID, const CStringArray& arrItems) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (pCombo == NULL) return;
    pCombo->ResetContent();
    for (int i = 0; i < arrItems.GetSize(); i++) pCombo->AddString(arrItems[i]);
}

void CStlcnCheckDlg::FillComboBox(UINT nID, std::initializer_list<LPCTSTR> items) {
    CStringArray arrItems;
    for (LPCTSTR lpszItem : items) arrItems.Add(lpszItem);
    FillComboBox(nID, arrItems);
}

void CStlcnCheckDlg::FillImportanceList() { FillComboBox(IDC_CHECK_GO, {"0.9", "1.0", "1.1"}); }

void CStlcnCheckDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CStlcnCheckDlg::ShowControl(UINT nID, BOOL bShow) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

BOOL CStlcnCheckDlg::IsControlEnabled(UINT nID) const {
    CWnd* pWnd = GetDlgItem(nID);
    return pWnd != NULL && pWnd->IsWindowEnabled();
}

CString CStlcnCheckDlg::GetText(UINT nID) const {
    CString strText;
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->GetWindowText(strText);
    return strText;
}

double CStlcnCheckDlg::GetTextDouble(UINT nID) const { return std::atof(GetText(nID)); }

BOOL CStlcnCheckDlg::IsChecked(UINT nID) const { return IsDlgButtonChecked(nID) == BST_CHECKED; }

void CStlcnCheckDlg::SetChecked(UINT nID, BOOL bChecked) { CheckDlgButton(nID, bChecked ? BST_CHECKED : BST_UNCHECKED); }

BOOL CStlcnCheckDlg::CheckRange(UINT nID, double& dValue, double dUpper, double dLower) {
    if (CheckEditDouble(nID, dValue, dUpper, dLower, -1)) return TRUE;
    m_nRefused++;
    return FALSE;
}

BOOL CStlcnCheckDlg::CheckRangesBeforeCalculation(CStringArray& arrErrors) {
    m_nRefused = 0;
    OnDataChange();
    if (m_nRefused == 0) return TRUE;
    AddRangeRefusalError(arrErrors);
    return FALSE;
}

BOOL CStlcnCheckDlg::OnHelpInfo(HELPINFO*) {
    // The page has no topic of its own: F1 is answered here, so that it does not reach the work
    // dialog, and opens nothing; the work dialog's "帮助" opens the command's topic.
    return TRUE;
}
