#include "slab/rect/RectBoardDlg.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/SlabInputRanges.h"
#include "slab/rect/SlabPageInput.h"
#include "slab/rect/SlabRecords.h"

namespace {

const UINT WM_SLAB_INPUT_ERROR = WM_USER + 1011;
const UINT WM_SLAB_REFRESH_PREVIEW = WM_USER + 2000;
const int kAutoRatioItem = 1;
const char* const kAutoRatio = "自动计算";

// The boxes tested when they lose the focus: the member whose value comes back, its format, the
// index the refusal is posted with, and the range the value must lie in (SlabInputRanges.h; the
// value box's depends on the slab type).
struct CheckedBox {
    UINT nID;
    int nIndex;
    int CRectBoardDlg::*pInt;
    double CRectBoardDlg::*pDouble;
    const char* pszFormat;
    int nInput;
};

const CheckedBox kBoxes[] = {
    {IDC_RB_THICK, 0, &CRectBoardDlg::m_nThick, nullptr, "%d", SLAB_IN_THICK},
    {IDC_RB_RQ, 1, nullptr, &CRectBoardDlg::m_dRq, "%.1lf", SLAB_IN_RQ},
    {IDC_RB_RG, 2, nullptr, &CRectBoardDlg::m_dRg, "%.1lf", SLAB_IN_RG},
    {IDC_RB_QQK, 3, nullptr, &CRectBoardDlg::m_dQqk, "%.2lf", SLAB_IN_QQK},
    {IDC_RB_QGK, 4, nullptr, &CRectBoardDlg::m_dQgk, "%.2lf", SLAB_IN_QGK},
    {IDC_RB_WIDTH, 5, &CRectBoardDlg::m_nWidth, nullptr, "%d", SLAB_IN_WIDTH},
    {IDC_RB_LENGTH, 6, &CRectBoardDlg::m_nLength, nullptr, "%d", SLAB_IN_LENGTH},
    {IDC_RB_WQ, 7, nullptr, &CRectBoardDlg::m_dWq, "%.1lf", SLAB_IN_WQ},
    {IDC_RB_C, 8, &CRectBoardDlg::m_nC, nullptr, "%d", SLAB_IN_C},
    {IDC_RB_BOARDVALUE, 9, nullptr, &CRectBoardDlg::m_dBoardValue, "%.1lf", SLAB_IN_MU},
    {IDC_RB_P, 11, nullptr, nullptr, nullptr, SLAB_IN_P},
    {IDC_RB_IMPRO, 12, nullptr, nullptr, nullptr, SLAB_IN_IMPRO},
    {IDC_RB_AS, 13, &CRectBoardDlg::m_nAs, nullptr, "%d", SLAB_IN_AS},
};

// A typed text that its input takes: a number of the input's kind within its range.
BOOL TakesText(const CString& strText, int nInput) {
    const SlabInputRange& range = GetSlabInputRange(nInput);
    return SlabInputTextValid(strText, range.bWhole ? 2 : 0) && IsInSlabRange(nInput, std::atof(strText));
}

// The two corners of an edge: the post box there and the other edge that meets it.
struct Corner {
    UINT nPost;
    UINT nOtherEdge;
};

void CornersOf(UINT nEdge, Corner (&corners)[2]) {
    switch (nEdge) {
    case IDC_RB_TOP: corners[0] = {IDC_RB_TOPLEFT, IDC_RB_LEFT}, corners[1] = {IDC_RB_TOPRIGHT, IDC_RB_RIGHT}; break;
    case IDC_RB_BOTTOM:
        corners[0] = {IDC_RB_BOTTOMLEFT, IDC_RB_LEFT}, corners[1] = {IDC_RB_BOTTOMRIGHT, IDC_RB_RIGHT};
        break;
    case IDC_RB_LEFT: corners[0] = {IDC_RB_TOPLEFT, IDC_RB_TOP}, corners[1] = {IDC_RB_BOTTOMLEFT, IDC_RB_BOTTOM}; break;
    default: corners[0] = {IDC_RB_TOPRIGHT, IDC_RB_TOP}, corners[1] = {IDC_RB_BOTTOMRIGHT, IDC_RB_BOTTOM}; break;
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(CRectBoardDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CRectBoardDlg, CCaltPageDlg)
    ON_CBN_SELCHANGE(IDC_RB_TOP, OnSelchangeTop)
    ON_CBN_SELCHANGE(IDC_RB_BOTTOM, OnSelchangeBottom)
    ON_CBN_SELCHANGE(IDC_RB_LEFT, OnSelchangeLeft)
    ON_CBN_SELCHANGE(IDC_RB_RIGHT, OnSelchangeRight)
    ON_BN_CLICKED(IDC_RB_BOTTOMLEFT, OnCornerPost)
    ON_BN_CLICKED(IDC_RB_BOTTOMRIGHT, OnCornerPost)
    ON_BN_CLICKED(IDC_RB_TOPLEFT, OnCornerPost)
    ON_BN_CLICKED(IDC_RB_TOPRIGHT, OnCornerPost)
    ON_CBN_SELCHANGE(IDC_RB_BOARDKIND, OnSelchangeBoardKind)
    ON_CBN_KILLFOCUS(IDC_RB_P, OnKillfocusRhoMin)
    ON_CBN_KILLFOCUS(IDC_RB_IMPRO, OnKillfocusImpro)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_RB_AS, IDC_RB_THICK, OnKillfocusBox)
    ON_MESSAGE(WM_SLAB_INPUT_ERROR, OnInputError)
    ON_MESSAGE(WM_SLAB_REFRESH_PREVIEW, OnRefreshPreview)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CRectBoardDlg::CRectBoardDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent), m_nBottomLeft(0), m_nBottomRight(0), m_nTopLeft(0), m_nTopRight(0), m_nAs(0),
      m_nLength(0), m_nWidth(0), m_dQgk(0), m_dQqk(0), m_dRg(0), m_dRq(0), m_nC(0), m_dBoardValue(0), m_dWq(0),
      m_nThick(0), m_strNumber("LB-1"), m_bPlastic(0) {
    CQeltConcrete::GetConcreteGradeString(m_arrConcrete);
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelBar);
}

CRectBoardDlg::~CRectBoardDlg() = default;

void CRectBoardDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RB_PREVIEW, m_wndPreview);
    DDX_Check(pDX, IDC_RB_BOTTOMLEFT, m_nBottomLeft);
    DDX_Check(pDX, IDC_RB_BOTTOMRIGHT, m_nBottomRight);
    DDX_Check(pDX, IDC_RB_TOPLEFT, m_nTopLeft);
    DDX_Check(pDX, IDC_RB_TOPRIGHT, m_nTopRight);
    DDX_Text(pDX, IDC_RB_AS, m_nAs);
    DDX_Text(pDX, IDC_RB_LENGTH, m_nLength);
    DDX_Text(pDX, IDC_RB_WIDTH, m_nWidth);
    DDX_Text(pDX, IDC_RB_C, m_nC);
    DDX_Text(pDX, IDC_RB_THICK, m_nThick);
    DDX_Text(pDX, IDC_RB_QGK, m_dQgk);
    DDX_Text(pDX, IDC_RB_QQK, m_dQqk);
    DDX_Text(pDX, IDC_RB_RG, m_dRg);
    DDX_Text(pDX, IDC_RB_RQ, m_dRq);
    DDX_Text(pDX, IDC_RB_BOARDVALUE, m_dBoardValue);
    DDX_Text(pDX, IDC_RB_WQ, m_dWq);
    DDX_CBString(pDX, IDC_RB_IMPRO, m_strImpro);
    DDX_CBString(pDX, IDC_RB_P, m_strP);
    DDX_CBString(pDX, IDC_RB_CONCRETE, m_strConcrete);
    DDV_MaxChars(pDX, m_strConcrete, 9);
    DDX_CBString(pDX, IDC_RB_STEELBAR, m_strSteelBar);
    DDV_MaxChars(pDX, m_strSteelBar, 9);
    DDX_Text(pDX, IDC_RB_NUMBER, m_strNumber);
}

BOOL CRectBoardDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    for (UINT nID : {IDC_RB_TOP, IDC_RB_BOTTOM, IDC_RB_LEFT, IDC_RB_RIGHT, IDC_RB_BOARDKIND}) SetSelection(nID, 0);
    const struct {
        UINT nID;
        const CStringArray& arrGrades;
    } grades[] = {{IDC_RB_CONCRETE, m_arrConcrete}, {IDC_RB_STEELBAR, m_arrSteelBar}};
    for (const auto& g : grades) {
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(g.nID));
        if (!pCombo) continue;
        pCombo->ResetContent();
        for (int i = 0; i < g.arrGrades.GetSize(); ++i) pCombo->AddString(g.arrGrades[i]);
        pCombo->SetCurSel(0);
    }
    if (CWnd* pPreview = GetDlgItem(IDC_RB_PREVIEW)) pPreview->ModifyStyle(0, SS_BITMAP);
    return TRUE;
}

int CRectBoardDlg::GetSelection(UINT nID) const {
    const CComboBox* pCombo = static_cast<const CComboBox*>(GetDlgItem(nID));
    return pCombo ? pCombo->GetCurSel() : 0;
}

void CRectBoardDlg::SetSelection(UINT nID, int nIndex) {
    if (CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID))) pCombo->SetCurSel(nIndex);
}

void CRectBoardDlg::UpdatePreview() {
    UpdateData(TRUE);
    if (!m_wndPreview.GetSafeHwnd()) return;
    m_wndPreview.SetBoard(GetSelection(IDC_RB_TOP), GetSelection(IDC_RB_BOTTOM), GetSelection(IDC_RB_LEFT),
                          GetSelection(IDC_RB_RIGHT), m_nTopLeft, m_nTopRight, m_nBottomLeft, m_nBottomRight);
}

void CRectBoardDlg::ApplyEdgeChange(UINT nEdge) {
    UpdatePreview();
    Corner corners[2];
    CornersOf(nEdge, corners);
    const bool bFree = GetSelection(nEdge) == SLAB_FREE;
    for (const Corner& corner : corners) {
        if (bFree) {
            SlabEnable(this, corner.nPost, TRUE);
        } else if (GetSelection(corner.nOtherEdge) != SLAB_FREE) {
            int& nFlag = corner.nPost == IDC_RB_TOPLEFT    ? m_nTopLeft
                         : corner.nPost == IDC_RB_TOPRIGHT ? m_nTopRight
                         : corner.nPost == IDC_RB_BOTTOMLEFT ? m_nBottomLeft
                                                             : m_nBottomRight;
            nFlag = 0;
            SlabEnable(this, corner.nPost, FALSE);
        }
    }
    UpdateData(FALSE);
}

void CRectBoardDlg::OnSelchangeTop() { ApplyEdgeChange(IDC_RB_TOP); }
void CRectBoardDlg::OnSelchangeBottom() { ApplyEdgeChange(IDC_RB_BOTTOM); }
void CRectBoardDlg::OnSelchangeLeft() { ApplyEdgeChange(IDC_RB_LEFT); }
void CRectBoardDlg::OnSelchangeRight() { ApplyEdgeChange(IDC_RB_RIGHT); }
void CRectBoardDlg::OnCornerPost() { UpdatePreview(); }

void CRectBoardDlg::OnSelchangeBoardKind() {
    CRectBoardParam* p = static_cast<CRectBoardParam*>(GetParam());
    const int nKind = GetSelection(IDC_RB_BOARDKIND);
    if (nKind == 0 && m_bPlastic == 1) {
        m_bPlastic = 0;
        SetDlgItemText(IDC_RB_BOARDVALUE_LABEL, "泊松比μ");
        if (p) {
            p->m_dB = m_dBoardValue;
            m_dBoardValue = p->m_dBS;
        }
    } else if (nKind == 1 && m_bPlastic == 0) {
        m_bPlastic = 1;
        SetDlgItemText(IDC_RB_BOARDVALUE_LABEL, "塑性板β");
        if (p) {
            p->m_dBS = m_dBoardValue;
            m_dBoardValue = p->m_dB;
        }
    }
    UpdateData(FALSE);
}

void CRectBoardDlg::RefuseBox(UINT nID, const CString& strRestore, int nIndex) {
    SetDlgItemText(nID, strRestore);
    PostMessage(WM_SLAB_INPUT_ERROR, 0, nIndex);
}

void CRectBoardDlg::OnKillfocusBox(UINT nID) {
    const CheckedBox* pBox = nullptr;
    for (const CheckedBox& box : kBoxes)
        if (box.nID == nID && (box.pInt || box.pDouble)) pBox = &box;
    CWnd* pEdit = GetDlgItem(nID);
    if (!pBox || !pEdit) return;
    CString strText;
    pEdit->GetWindowText(strText);
    // μ lies in [0, 0.3], β in [1.2, 2.0]: a value outside is refused like any other.
    const int nInput = nID == IDC_RB_BOARDVALUE && GetSelection(IDC_RB_BOARDKIND) == 1 ? SLAB_IN_BETA : pBox->nInput;
    if (!TakesText(strText, nInput)) {
        CString strRestore;
        if (pBox->pInt) strRestore.Format(pBox->pszFormat, this->*(pBox->pInt));
        else strRestore.Format(pBox->pszFormat, this->*(pBox->pDouble));
        RefuseBox(nID, strRestore, pBox->nIndex);
        return;
    }
    UpdateData(TRUE);
}

void CRectBoardDlg::OnKillfocusRhoMin() {
    CWnd* pCombo = GetDlgItem(IDC_RB_P);
    if (!pCombo || GetSelection(IDC_RB_P) == kAutoRatioItem) return;
    CString strText;
    pCombo->GetWindowText(strText);
    if (strText == kAutoRatio) return;
    if (!TakesText(strText, SLAB_IN_P)) {
        RefuseBox(IDC_RB_P, m_strP, 11);
        return;
    }
    UpdateData(TRUE);
}

void CRectBoardDlg::OnKillfocusImpro() {
    CWnd* pCombo = GetDlgItem(IDC_RB_IMPRO);
    if (!pCombo) return;
    CString strText;
    pCombo->GetWindowText(strText);
    if (!TakesText(strText, SLAB_IN_IMPRO)) {
        RefuseBox(IDC_RB_IMPRO, m_strImpro, 12);
        return;
    }
    UpdateData(TRUE);
}

LRESULT CRectBoardDlg::OnInputError(WPARAM, LPARAM lParam) {
    for (const CheckedBox& box : kBoxes)
        if (box.nIndex == static_cast<int>(lParam)) return SlabShowInputError(this, box.nID, SLAB_INPUT_ERROR);
    return 1;
}

LRESULT CRectBoardDlg::OnRefreshPreview(WPARAM, LPARAM) {
    UpdatePreview();
    return 1;
}

BOOL CRectBoardDlg::OnHelpInfo(HELPINFO*) { return TRUE; }

void CRectBoardDlg::GetData(CVuskParam* pParam) {
    CRectBoardParam* p = static_cast<CRectBoardParam*>(pParam);
    if (!p) return;
    UpdateData(TRUE);
    p->m_nTopLeft = m_nTopLeft;
    p->m_nTopRight = m_nTopRight;
    p->m_nBottomLeft = m_nBottomLeft;
    p->m_nBottomRight = m_nBottomRight;
    p->m_nLength = m_nLength;
    p->m_nWidth = m_nWidth;
    p->m_nThick = m_nThick;
    p->m_nAs = m_nAs;
    p->m_nC = m_nC;
    p->m_dQgk = m_dQgk;
    p->m_dQqk = m_dQqk;
    p->m_dRg = m_dRg;
    p->m_dRq = m_dRq;
    p->m_dWq = m_dWq;
    p->strNumber = m_strNumber;
    p->m_nBoardKind = GetSelection(IDC_RB_BOARDKIND);
    (p->m_nBoardKind == 0 ? p->m_dBS : p->m_dB) = m_dBoardValue;
    p->m_nTop = GetSelection(IDC_RB_TOP);
    p->m_nBottom = GetSelection(IDC_RB_BOTTOM);
    p->m_nLeft = GetSelection(IDC_RB_LEFT);
    p->m_nRight = GetSelection(IDC_RB_RIGHT);
    p->m_nKindSteel = GetSelection(IDC_RB_KINDSTEEL);
    p->m_dImpro = std::atof(m_strImpro);
    std::strncpy(p->m_szSteelBar, m_strSteelBar, sizeof(p->m_szSteelBar) - 1);
    p->m_szSteelBar[sizeof(p->m_szSteelBar) - 1] = '\0';
    std::strncpy(p->m_szConcrete, m_strConcrete, sizeof(p->m_szConcrete) - 1);
    p->m_szConcrete[sizeof(p->m_szConcrete) - 1] = '\0';
    p->m_dFt = CQeltConcrete::GetFt(m_strConcrete);
    p->m_dFy = CQeltSteelBar::GetFy(m_strSteelBar);
    double dPercent;
    if (GetSelection(IDC_RB_P) == kAutoRatioItem) {
        dPercent = std::max(0.2, 45 * p->m_dFt / p->m_dFy);
        p->m_bAutoP = 1;
    } else {
        dPercent = std::atof(m_strP);
        p->m_bAutoP = 0;
    }
    p->m_dP = dPercent * 0.01;
}

void CRectBoardDlg::SetData(CVuskParam* pParam) {
    CRectBoardParam* p = static_cast<CRectBoardParam*>(pParam);
    if (!p) return;
    m_nTopLeft = p->m_nTopLeft;
    m_nTopRight = p->m_nTopRight;
    m_nBottomLeft = p->m_nBottomLeft;
    m_nBottomRight = p->m_nBottomRight;
    m_nLength = p->m_nLength;
    m_nWidth = p->m_nWidth;
    m_nThick = p->m_nThick;
    m_nAs = p->m_nAs;
    m_nC = p->m_nC;
    m_dQgk = p->m_dQgk;
    m_dQqk = p->m_dQqk;
    m_dRg = p->m_dRg;
    m_dRq = p->m_dRq;
    m_dWq = p->m_dWq;
    // The stored member number comes back, so that the next calculation keeps it.
    m_strNumber = p->strNumber;

    SetSelection(IDC_RB_BOARDKIND, p->m_nBoardKind);
    if (GetSelection(IDC_RB_BOARDKIND) != 0) {
        m_bPlastic = 1;
        SetDlgItemText(IDC_RB_BOARDVALUE_LABEL, "塑性板β");
        m_dBoardValue = p->m_dB;
    } else {
        m_bPlastic = 0;
        SetDlgItemText(IDC_RB_BOARDVALUE_LABEL, "泊松比μ");
        m_dBoardValue = p->m_dBS;
    }

    SetSelection(IDC_RB_TOP, p->m_nTop);
    SetSelection(IDC_RB_BOTTOM, p->m_nBottom);
    SetSelection(IDC_RB_LEFT, p->m_nLeft);
    SetSelection(IDC_RB_RIGHT, p->m_nRight);
    const bool bTop = p->m_nTop == SLAB_FREE, bBottom = p->m_nBottom == SLAB_FREE;
    const bool bLeft = p->m_nLeft == SLAB_FREE, bRight = p->m_nRight == SLAB_FREE;
    SlabEnable(this, IDC_RB_TOPLEFT, bTop || bLeft);
    SlabEnable(this, IDC_RB_TOPRIGHT, bTop || bRight);
    SlabEnable(this, IDC_RB_BOTTOMLEFT, bBottom || bLeft);
    SlabEnable(this, IDC_RB_BOTTOMRIGHT, bBottom || bRight);
    SetSelection(IDC_RB_KINDSTEEL, p->m_nKindSteel);

    m_strConcrete = p->m_szConcrete;
    m_strSteelBar = p->m_szSteelBar;
    SlabSelectPrefix(this, IDC_RB_CONCRETE, m_strConcrete);
    SlabSelectPrefix(this, IDC_RB_STEELBAR, m_strSteelBar);
    if (p->m_bAutoP) m_strP = kAutoRatio;
    else m_strP.Format("%.3lf", p->m_dP * 100);
    m_strImpro.Format("%.3lf", p->m_dImpro);
    UpdateData(FALSE);
    UpdatePreview();
}

BOOL CRectBoardDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    // What the boxes hold came from the store as well: each value within its range.
    const int nErrors = arrErrors.GetSize();
    if (pParam) static_cast<CRectBoardParam*>(pParam)->CheckInputs(arrErrors);
    if (arrErrors.GetSize() > nErrors) return FALSE;
    if (m_nAs >= m_nC) return TRUE;
    arrWarnings.Add("纵筋合力点至近边距离as应大于保护层厚度c");
    return FALSE;
}
