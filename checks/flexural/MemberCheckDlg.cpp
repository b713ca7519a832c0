#include "checks/flexural/MemberCheckDlg.h"

#include <cstdlib>

#include "checks/flexural/MemberUnits.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltPath.h"
#include "host/QeltSteelBar.h"
#include "mfc/user/DataExchange.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"

namespace {

const char kAutoRatio[] = "自动计算";
const char kAsTenth[] = "0.1h";
const char kAsFifth[] = "0.2h";

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnMemberDlg, CCaltPageDlg)

const char CStlcnMemberDlg::kXiError[] = "相对受压区高度不满足要求，请加大截面尺寸或提高混凝土\r\n强度等级。";

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

double CStlcnMemberDlg::GetAsCombo(UINT nID, UINT nIDHeight) const {
    CString strText = GetComboBoxText(nID);
    if (strText == kAsTenth) return 0.1 * GetEditDouble(nIDHeight);
    if (strText == kAsFifth) return 0.2 * GetEditDouble(nIDHeight);
    return std::atof(strText);
}

void CStlcnMemberDlg::SetAsCombo(UINT nID, double dAs, double dH) {
    if (dAs == 0.1 * dH)
        SetComboBoxText(nID, kAsTenth);
    else if (dAs == 0.2 * dH)
        SetComboBoxText(nID, kAsFifth);
    else
        SetComboBoxText(nID, ftos(dAs));
}

double CStlcnMemberDlg::GetForceEdit(UINT nID) const { return GetEditDouble(nID) * N_PER_KN; }

void CStlcnMemberDlg::SetForceEdit(UINT nID, double dForce) { SetEditText(nID, ftosp(dForce / N_PER_KN, 3, 0, 0)); }

BOOL CStlcnMemberDlg::CheckRanges(const MEMBERRANGE* pRanges, int nCount) {
    BOOL bOk = TRUE;
    for (int i = 0; i < nCount; i++) {
        const MEMBERRANGE& range = pRanges[i];
        switch (range.nKind) {
        case MEMBER_RANGE_PERCENT:
            bOk &= CheckRatioCombo(range.nID, *range.pValue);
            break;
        case MEMBER_RANGE_KN: {
            // The box holds kN: the check works on the field in kN and gives a new value back in N;
            // a box that was skipped leaves the field exactly as it was.
            double dShown = *range.pValue / N_PER_KN;
            double dForce = dShown;
            bOk &= CheckEditDouble(range.nID, dForce, range.dUpper, range.dLower, -1);
            if (dForce != dShown) *range.pValue = dForce * N_PER_KN;
            break;
        }
        case MEMBER_RANGE_AS: {
            CString strText = GetComboBoxText(range.nID);
            if (strText != kAsTenth && strText != kAsFifth)
                bOk &= CheckEditDouble(range.nID, *range.pValue, range.dUpper, range.dLower, -1);
            break;
        }
        default:
            bOk &= CheckEditDouble(range.nID, *range.pValue, range.dUpper, range.dLower, -1);
            break;
        }
    }
    return bOk;
}

void AddRangeRefusalError(CStringArray& arrErrors) { arrErrors.Add("输入数据超出允许范围。"); }

BOOL CStlcnMemberDlg::CheckRangesBeforeCalculation(CStringArray& arrErrors) {
    if (OnDataChange()) return TRUE;
    AddRangeRefusalError(arrErrors);
    return FALSE;
}

BOOL CStlcnMemberDlg::CheckGrades(CStringArray& arrErrors, LPCTSTR lpszConcrete, LPCTSTR lpszSteel,
                                  LPCTSTR lpszSteel2) {
    if (CQeltConcrete::GetFc(lpszConcrete) > 0 && CQeltSteelBar::GetFy(lpszSteel) > 0 &&
        (lpszSteel2 == NULL || CQeltSteelBar::GetFy(lpszSteel2) > 0))
        return TRUE;
    arrErrors.Add("请选择混凝土等级和钢筋种类。");
    return FALSE;
}

void CStlcnMemberDlg::OpenPageHelp() {
    if (CVuskParam* pParam = GetParam()) pParam->OnHelpInfo(NULL);
}

BOOL CStlcnMemberDlg::OnHelpInfo(HELPINFO*) {
    OpenPageHelp();
    return TRUE;
}
