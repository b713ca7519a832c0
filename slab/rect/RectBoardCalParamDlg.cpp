#include "slab/rect/RectBoardCalParamDlg.h"

#include <cstdlib>

#include "mfc/user/DataExchange.h"
#include "mfc/user/MessageBox.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/SlabInputRanges.h"
#include "slab/rect/SlabPageInput.h"

namespace {

const UINT WM_SLAB_PARAM_ERROR = WM_USER + 1010;

// The fields tested when they lose the focus, by index: the box, the member whose value comes back
// and its format, and the range its value must lie in (SlabInputRanges.h): a crack width or a
// deflection divisor of 0 would pass every other check. A whole number takes digits only.
struct CheckedField {
    UINT nID;
    double CRectBoardCalParamDlg::*pDouble;
    int CRectBoardCalParamDlg::*pInt;
    int nInput;
};

const CheckedField kFields[] = {
    {IDC_RBC_CRACKWIDTH, &CRectBoardCalParamDlg::m_dCrackWidth, nullptr, SLAB_IN_CRACK},
    {IDC_RBC_MAGNIFYVALUE1, &CRectBoardCalParamDlg::m_dMagnifyValue1, nullptr, SLAB_IN_MAGNIFY1},
    {IDC_RBC_FLELIM1, &CRectBoardCalParamDlg::m_dFleLim1, nullptr, SLAB_IN_FLELIM1},
    {IDC_RBC_FLELIM2, &CRectBoardCalParamDlg::m_dFleLim2, nullptr, SLAB_IN_FLELIM2},
    {IDC_RBC_FLELIM3, &CRectBoardCalParamDlg::m_dFleLim3, nullptr, SLAB_IN_FLELIM3},
    {IDC_RBC_USERVALUE, &CRectBoardCalParamDlg::m_dUserValue, nullptr, SLAB_IN_USERVALUE},
    {IDC_RBC_NTHICKLIM, nullptr, &CRectBoardCalParamDlg::m_nThickLim, SLAB_IN_THICKLIM},
    {IDC_RBC_MAGNIFYVALUE2, &CRectBoardCalParamDlg::m_dMagnifyValue2, nullptr, SLAB_IN_MAGNIFY2},
    {IDC_RBC_NSTEELSEL, nullptr, &CRectBoardCalParamDlg::m_nSteelSel, SLAB_IN_STEELSEL},
    {IDC_RBC_STEELLIMDIA, nullptr, nullptr, SLAB_IN_STEELLIMDIA},
};
const int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

}  // namespace

IMPLEMENT_DYNAMIC(CRectBoardCalParamDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CRectBoardCalParamDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_RBC_MAGNIFY1, OnMagnify1)
    ON_BN_CLICKED(IDC_RBC_BTHICKLIM, OnThickLim)
    ON_BN_CLICKED(IDC_RBC_MAGNIFY2, OnMagnify2)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_RBC_CRACKWIDTH, IDC_RBC_MAGNIFYVALUE2, OnKillfocusField)
    ON_CBN_KILLFOCUS(IDC_RBC_STEELLIMDIA, OnKillfocusSteelLimDia)
    ON_MESSAGE(WM_SLAB_PARAM_ERROR, OnInputError)
END_MESSAGE_MAP()

CRectBoardCalParamDlg::CRectBoardCalParamDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent), m_nHalfArea(0), m_bThickLim(0), m_nAs2(0), m_nMagnify2(0), m_dCrackWidth(0),
      m_dMagnifyValue1(0), m_dFleLim1(0), m_dFleLim2(0), m_dFleLim3(0), m_dUserValue(0), m_nThickLim(0),
      m_dMagnifyValue2(0), m_nMagnify1(0), m_nAs1(0), m_bSteelSel(0), m_nSteelSel(12) {}

CRectBoardCalParamDlg::~CRectBoardCalParamDlg() = default;

void CRectBoardCalParamDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RBC_PREVIEW, m_wndPreview);
    DDX_Check(pDX, IDC_RBC_HALFAREA, m_nHalfArea);
    DDX_Check(pDX, IDC_RBC_BTHICKLIM, m_bThickLim);
    DDX_Check(pDX, IDC_RBC_AS2, m_nAs2);
    DDX_Check(pDX, IDC_RBC_MAGNIFY2, m_nMagnify2);
    DDX_Text(pDX, IDC_RBC_CRACKWIDTH, m_dCrackWidth);
    DDX_Text(pDX, IDC_RBC_MAGNIFYVALUE1, m_dMagnifyValue1);
    DDX_Text(pDX, IDC_RBC_FLELIM1, m_dFleLim1);
    DDX_Text(pDX, IDC_RBC_FLELIM2, m_dFleLim2);
    DDX_Text(pDX, IDC_RBC_NSTEELSEL, m_nSteelSel);
    DDX_Text(pDX, IDC_RBC_FLELIM3, m_dFleLim3);
    DDX_Text(pDX, IDC_RBC_USERVALUE, m_dUserValue);
    DDX_Text(pDX, IDC_RBC_NTHICKLIM, m_nThickLim);
    DDX_Text(pDX, IDC_RBC_MAGNIFYVALUE2, m_dMagnifyValue2);
    DDX_Check(pDX, IDC_RBC_MAGNIFY1, m_nMagnify1);
    DDX_Check(pDX, IDC_RBC_AS1, m_nAs1);
    DDX_Check(pDX, IDC_RBC_BSTEELSEL, m_bSteelSel);
    DDX_CBString(pDX, IDC_RBC_STEELLIMDIA, m_strSteelLimDia);
}

void CRectBoardCalParamDlg::EnableSwitchedEdits() {
    SlabEnable(this, IDC_RBC_MAGNIFYVALUE1, m_nMagnify1 != 0);
    SlabEnable(this, IDC_RBC_MAGNIFYVALUE2, m_nMagnify2 != 0);
    SlabEnable(this, IDC_RBC_NTHICKLIM, m_bThickLim != 0);
}

BOOL CRectBoardCalParamDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    EnableSwitchedEdits();
    if (CWnd* pPreview = GetDlgItem(IDC_RBC_PREVIEW)) pPreview->ModifyStyle(0, SS_BITMAP);
    return TRUE;
}

void CRectBoardCalParamDlg::OnMagnify1() {
    UpdateData(TRUE);
    SlabEnable(this, IDC_RBC_MAGNIFYVALUE1, m_nMagnify1 != 0);
}

void CRectBoardCalParamDlg::OnThickLim() {
    UpdateData(TRUE);
    SlabEnable(this, IDC_RBC_NTHICKLIM, m_bThickLim != 0);
}

void CRectBoardCalParamDlg::OnMagnify2() {
    UpdateData(TRUE);
    SlabEnable(this, IDC_RBC_MAGNIFYVALUE2, m_nMagnify2 != 0);
}

void CRectBoardCalParamDlg::OnKillfocusField(UINT nID) {
    for (int i = 0; i < kFieldCount; ++i)
        if (kFields[i].nID == nID) CheckField(i);
}

void CRectBoardCalParamDlg::OnKillfocusSteelLimDia() { CheckField(kFieldCount - 1); }

void CRectBoardCalParamDlg::CheckField(int nIndex) {
    const CheckedField& field = kFields[nIndex];
    CWnd* pBox = GetDlgItem(field.nID);
    if (!pBox) return;
    CString strText;
    pBox->GetWindowText(strText);
    const bool bValid = SlabInputTextValid(strText, GetSlabInputRange(field.nInput).bWhole ? 2 : 0) &&
                        IsInSlabRange(field.nInput, std::atof(strText));
    if (bValid) {
        UpdateData(TRUE);
        return;
    }
    CString strRestore;
    if (field.pDouble) strRestore.Format("%.2lf", this->*(field.pDouble));
    else if (field.pInt) strRestore.Format("%d", this->*(field.pInt));
    else strRestore = m_strSteelLimDia;
    pBox->SetWindowText(strRestore);
    PostMessage(WM_SLAB_PARAM_ERROR, 0, nIndex);
}

LRESULT CRectBoardCalParamDlg::OnInputError(WPARAM, LPARAM lParam) {
    if (lParam < 0 || lParam >= kFieldCount) {
        AfxMessageBox(SLAB_INPUT_ERROR, MB_OK);
        return 1;
    }
    return SlabShowInputError(this, kFields[lParam].nID, SLAB_INPUT_ERROR);
}

void CRectBoardCalParamDlg::GetData(CVuskParam* pParam) {
    CRectBoardParam* p = static_cast<CRectBoardParam*>(pParam);
    if (!p) return;
    UpdateData(TRUE);
    p->m_nMagnify1 = m_nMagnify1;
    p->m_nMagnify2 = m_nMagnify2;
    p->m_nHalfArea = m_nHalfArea;
    p->m_nAs1 = m_nAs1;
    p->m_nAs2 = m_nAs2;
    p->m_dCrackWidth = m_dCrackWidth;
    p->m_dMagnifyValue1 = m_dMagnifyValue1;
    p->m_dMagnifyValue2 = m_dMagnifyValue2;
    p->m_dFleLim1 = m_dFleLim1;
    p->m_dFleLim2 = m_dFleLim2;
    p->m_dFleLim3 = m_dFleLim3;
    p->m_dUserValue = m_dUserValue;
    p->m_nThickLim = m_nThickLim;
    p->m_bThickLim = m_bThickLim;
    p->m_bSteelSel = m_bSteelSel;
    p->m_nSteelSel = m_nSteelSel;
    p->m_nSteelLimDia = std::atoi(m_strSteelLimDia);
}

void CRectBoardCalParamDlg::SetData(CVuskParam* pParam) {
    CRectBoardParam* p = static_cast<CRectBoardParam*>(pParam);
    if (!p) return;
    m_nMagnify1 = p->m_nMagnify1;
    m_nMagnify2 = p->m_nMagnify2;
    m_nHalfArea = p->m_nHalfArea;
    m_nAs1 = p->m_nAs1;
    m_nAs2 = p->m_nAs2;
    m_dCrackWidth = p->m_dCrackWidth;
    m_dMagnifyValue1 = p->m_dMagnifyValue1;
    m_dMagnifyValue2 = p->m_dMagnifyValue2;
    m_dFleLim1 = p->m_dFleLim1;
    m_dFleLim2 = p->m_dFleLim2;
    m_dFleLim3 = p->m_dFleLim3;
    m_dUserValue = p->m_dUserValue;
    m_nThickLim = p->m_nThickLim;
    m_bThickLim = p->m_bThickLim;
    m_bSteelSel = p->m_bSteelSel;
    m_nSteelSel = p->m_nSteelSel;
    m_strSteelLimDia.Format("%d", p->m_nSteelLimDia);
    EnableSwitchedEdits();
    UpdateData(FALSE);
    SetPreviewBoard(p->m_nTop, p->m_nBottom, p->m_nLeft, p->m_nRight, p->m_nTopLeft, p->m_nTopRight,
                    p->m_nBottomLeft, p->m_nBottomRight);
}

void CRectBoardCalParamDlg::SetPreviewBoard(int nTop, int nBottom, int nLeft, int nRight, int nTopLeft,
                                            int nTopRight, int nBottomLeft, int nBottomRight) {
    m_wndPreview.SetBoard(nTop, nBottom, nLeft, nRight, nTopLeft, nTopRight, nBottomLeft, nBottomRight);
}
