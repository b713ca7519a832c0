#include "checks/flexural/MemberCheckDlg.h"

#include <cstdlib>

#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltPath.h"
#include "mfc/user/DataExchange.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"

namespace {

const char kAutoRatio[] = "自动计算";

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnMemberDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CStlcnMemberDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_PAGE_CALCULATE, OnCalculate)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CStlcnMemberDlg::CStlcnMemberDlg(UINT nIDTemplate, UINT nIDFirstModeRadio, CWnd* pParent)
    : CCaltPageDlg(nIDTemplate, pParent),
      m_nCaltType(0),
      m_nSlideCols(1),
      m_nSlideRows(1),
      m_nIDFirstModeRadio(nIDFirstModeRadio) {
    m_ctrlSlide.SetBeSelectable(0);
    CQeltConcrete::GetConcreteGradeString(m_arrConcreteGrade);
}

CStlcnMemberDlg::~CStlcnMemberDlg() = default;

void CStlcnMemberDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEMBER_SLIDE, m_ctrlSlide);
    DDX_Radio(pDX, m_nIDFirstModeRadio, m_nCaltType);
}

BOOL CStlcnMemberDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    InitControlState();
    FillGradeLists();
    if (GetDlgMode() != 0) ShowControl(IDC_PAGE_CALCULATE, FALSE);

    CStringArray arrSlides;
    arrSlides.Add("STLCNFLEXNORMAL_RECT");
    arrSlides.Add("STLCNFLEXNORMAL_T");
    CString strLibrary = gVusk_GetQeltPath(2) + "Vusk10Dll.slb";
    m_ctrlSlide.SetItem(strLibrary, strLibrary, arrSlides, arrSlides, -1, m_nSlideCols, m_nSlideRows);
    return TRUE;
}

void CStlcnMemberDlg::FillComboBox(UINT nID, const CStringArray& arrItems) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (pCombo == NULL) return;
    for (int i = 0; i < arrItems.GetSize(); i++) pCombo->InsertString(i, arrItems[i]);
}

void CStlcnMemberDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CStlcnMemberDlg::ShowControl(UINT nID, BOOL bShow) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

double CStlcnMemberDlg::GetEditDouble(UINT nID) const { return std::atof(GetEditText(nID)); }

void CStlcnMemberDlg::GetRatioCombo(UINT nID, int& bAuto, double& dRatio, double dCodeMinimum) const {
    CString strText = GetComboBoxText(nID);
    if (strText == kAutoRatio) {
        bAuto = 1;
        dRatio = dCodeMinimum;
    } else {
        bAuto = 0;
        dRatio = std::atof(strText) * 0.01;
    }
}

void CStlcnMemberDlg::SetRatioCombo(UINT nID, int bAuto, double dRatio) {
    if (bAuto == 1)
        SetComboBoxText(nID, kAutoRatio);
    else
        SetComboBoxText(nID, ftos(dRatio * 100));
}

BOOL CStlcnMemberDlg::CheckRatioCombo(UINT nID, double dRatio) {
    if (GetComboBoxText(nID) == kAutoRatio) return TRUE;
    double dPercent = dRatio * 100;
    return CheckEditDouble(nID, dPercent, 10, 0, -1);
}

BOOL CStlcnMemberDlg::OnHelpInfo(HELPINFO* pHelpInfo) {
    if (CVuskParam* pParam = GetParam()) pParam->OnHelpInfo(pHelpInfo);
    return TRUE;
}
