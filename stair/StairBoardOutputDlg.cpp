#include "stair/StairBoardOutputDlg.h"

#include <cstdlib>
#include <vector>

#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "mfc/gdi/GdiApi.h"
#include "stair/StairBarNotation.h"

namespace {

// The combo boxes of bars 1 to 6: diameter and spacing.
const UINT kDiaIDs[6] = {IDC_SB_DIA1, IDC_SB_DIA2, IDC_SB_DIA3, IDC_SB_DIA4, IDC_SB_DIA5, IDC_SB_DIA6};
const UINT kSpaceIDs[6] = {IDC_SB_SPACE1, IDC_SB_SPACE2, IDC_SB_SPACE3, IDC_SB_SPACE4, IDC_SB_SPACE5, IDC_SB_SPACE6};

const char kNotCalculated[] = "不进行计算!";
const char kPass[] = "满足规范要求!  ";
const char kFail[] = "不满足规范要求!";

// The bar whose combo box nID is (0 to 5), and whether it is the diameter's; -1 for another control.
int BarOfCombo(UINT nID, BOOL& bDiameter) {
    for (int i = 0; i < 6; i++) {
        if (kDiaIDs[i] == nID || kSpaceIDs[i] == nID) {
            bDiameter = kDiaIDs[i] == nID;
            return i;
        }
    }
    return -1;
}

// The series value at a position of a bar's combo box: diameters, spacings 10 to 200, or bar 4's
// spacings 100 to 400.
int SeriesValue(int nBar, BOOL bDiameter, int nPos) {
    if (nPos < 0) return 0;
    if (bDiameter) return nPos < 14 ? g_nStairDiameters[nPos] : 0;
    return nBar == 3 ? 100 + 50 * nPos : 10 + 10 * nPos;
}

}  // namespace

IMPLEMENT_DYNAMIC(CStairBoardOutputDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CStairBoardOutputDlg, CCaltPageDlg)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_SB_DIA1, IDC_SB_SPACE6, OnSelChangeBar)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_SB_LIST1, IDC_SB_LIST23, OnListChanged)
    ON_NOTIFY_RANGE(NM_CLICK, IDC_SB_LIST1, IDC_SB_LIST23, OnListChanged)
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CStairBoardOutputDlg::CStairBoardOutputDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent),
      m_nKind(STAIR_KIND_A), m_nSteps(0), m_dL1(0), m_dAs1(0), m_dAs23(0), m_bIsCalRAL(0), m_bSchemeChanged(0),
      m_nChosenDia(0), m_nChosenSpace(0), m_bDeflectionOk(0), m_bCrackOk(0) {
    for (int i = 0; i < 6; i++) m_nSavedDia[i] = m_nSavedSpace[i] = 0;
}

CStairBoardOutputDlg::~CStairBoardOutputDlg() = default;

void CStairBoardOutputDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SB_LIST23, m_list23);
    DDX_Control(pDX, IDC_SB_LIST1, m_list1);
    DDX_Control(pDX, IDC_SB_NEED23, m_ctrlNeed23);
    DDX_Control(pDX, IDC_SB_NEED1, m_ctrlNeed1);
    DDX_Control(pDX, IDC_SB_DEFLECTION, m_ctrlDeflection);
    DDX_Control(pDX, IDC_SB_CRACKING, m_ctrlCracking);
}

BOOL CStairBoardOutputDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    for (int i = 0; i < 6; i++) {
        CComboBox* pDia = static_cast<CComboBox*>(GetDlgItem(kDiaIDs[i]));
        CComboBox* pSpace = static_cast<CComboBox*>(GetDlgItem(kSpaceIDs[i]));
        CString strItem;
        for (int k = 0; pDia && k < 14; k++) {
            strItem.Format("%d", g_nStairDiameters[k]);
            pDia->AddString(strItem);
        }
        const int nSpacings = i == 3 ? 7 : 20;
        for (int k = 0; pSpace && k < nSpacings; k++) {
            strItem.Format("%d", SeriesValue(i, FALSE, k));
            pSpace->AddString(strItem);
        }
    }
    m_list1.SetFullRowSel(TRUE);
    m_list23.SetFullRowSel(TRUE);
    PaintSchematic();
    return TRUE;
}

BOOL CStairBoardOutputDlg::DestroyWindow() {
    m_wndSlide.SetDC(NULL);
    m_pFrameDC.reset();
    return CCaltPageDlg::DestroyWindow();
}

void CStairBoardOutputDlg::SetData(CVuskParam* pParam) {
    CStairBoardParam* p = static_cast<CStairBoardParam*>(pParam);
    if (!p) return;
    m_nKind = p->M_STAIR_KIND;
    m_nSteps = p->M_N;
    m_dL1 = p->M_LN;
    m_Options1 = p->m_Options1;
    m_Options23 = p->m_Options23;
    m_dAs1 = p->m_dAs1;
    m_dAs23 = p->m_dAs23;
    m_strSteel = p->M_STRSTEEL;
    const int nDia = m_slab.nDia, nSpace = m_slab.nSpace;
    m_slab = p->GetSlabCase();
    m_slab.nDia = nDia;
    m_slab.nSpace = nSpace;
    m_bIsCalRAL = p->m_bIsCalRAL;
    m_bSchemeChanged = p->m_bSchemeChanged;
    m_strScheme1 = p->m_strScheme1;
    m_strScheme23 = p->m_strScheme23;
    for (int i = 0; i < 6; i++) {
        m_nSavedDia[i] = p->m_nBarDia[i];
        m_nSavedSpace[i] = p->m_nBarSpace[i];
    }
    if (m_Options1.nCount > 0 || m_Options23.nCount > 0) FillPage();
}

void CStairBoardOutputDlg::GetData(CVuskParam* pParam) {
    CStairBoardParam* p = static_cast<CStairBoardParam*>(pParam);
    if (!p || !m_hWnd) return;
    for (int i = 0; i < 6; i++) {
        p->m_nBarDia[i] = ComboNumber(kDiaIDs[i]);
        p->m_nBarSpace[i] = ComboNumber(kSpaceIDs[i]);
    }
    const int nRow1 = m_list1.GetSelectedItem(), nRow23 = m_list23.GetSelectedItem();
    p->m_strScheme1 = nRow1 >= 0 ? m_list1.GetItemText(nRow1, 0) : CString();
    p->m_strScheme23 = nRow23 >= 0 ? m_list23.GetItemText(nRow23, 0) : CString();
    p->m_bSchemeChanged = m_bSchemeChanged;
}

BOOL CStairBoardOutputDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray&) {
    const CStairBoardParam* p = static_cast<const CStairBoardParam*>(pParam);
    if (!p || !m_hWnd || !p->HasShortBars()) return TRUE;
    arrWarnings.Add("实配面积小于计算面积");
    return FALSE;
}

void CStairBoardOutputDlg::FillList(CListCtrlEx& list, const StairBarOptionList& options) {
    if (list.GetHeaderCtrl() == NULL || list.GetHeaderCtrl()->GetItemCount() == 0) {
        list.InsertColumn(" 方案 ", 0, -1, 15, 0);
        list.InsertColumn("实际面积", 1, -1, 15, 0);
    }
    list.DeleteAllItems();
    CString strArea;
    for (int i = 0; i < options.nCount; i++) {
        list.SetItem(i, 0, StairBarNotation(m_strSteel, options.aDiaSpace[i][0], options.aDiaSpace[i][1], "D"), -1);
        strArea.Format("%.2f", options.aArea[i]);
        list.SetItem(i, 1, strArea, -1);
    }
}

void CStairBoardOutputDlg::FillPage() {
    if (!m_hWnd) return;
    if (m_bIsCalRAL) {
        Recheck();
    } else {
        m_ctrlDeflection.SetWindowText(kNotCalculated);
        m_ctrlCracking.SetWindowText(kNotCalculated);
        m_bDeflectionOk = m_bCrackOk = 0;
    }
    ShowArea(IDC_SB_NEED1, m_dAs1);
    ShowArea(IDC_SB_NEED23, m_dAs23);
    EnableControl(IDC_SB_NEED1, TRUE);
    EnableControl(IDC_SB_NEED23, TRUE);

    FillList(m_list1, m_Options1);
    FillList(m_list23, m_Options23);

    if (m_strScheme1.IsEmpty() && m_strScheme23.IsEmpty() && m_bSchemeChanged == 0) {
        m_list1.SelectItem(0);
        m_list23.SelectItem(0);
        ApplyRow(IDC_SB_LIST1, 0, TRUE);
        ApplyRow(IDC_SB_LIST23, 0, TRUE);
    } else {
        SelectMatchingRow(m_list1, m_nSavedDia[0], m_nSavedSpace[0]);
        SelectMatchingRow(m_list23, m_nSavedDia[1], m_nSavedSpace[1]);
        for (int i : {0, 1, 2, 4, 5}) {
            SelectNumber(kDiaIDs[i], m_nSavedDia[i]);
            SelectNumber(kSpaceIDs[i], m_nSavedSpace[i]);
        }
        ShowArea(IDC_SB_HAVE23, StairBarArea(m_nSavedDia[1], m_nSavedSpace[1]));
        ShowArea(IDC_SB_HAVE1, StairBarArea(m_nSavedDia[0], m_nSavedSpace[0]));
    }

    const BOOL bBar5 = m_nKind >= STAIR_KIND_C, bBar6 = m_nKind == STAIR_KIND_E;
    EnableControl(IDC_SB_DIA5, bBar5);
    EnableControl(IDC_SB_SPACE5, bBar5);
    EnableControl(IDC_SB_DIA6, bBar6);
    EnableControl(IDC_SB_SPACE6, bBar6);

    SelectNumber(IDC_SB_DIA4, 6);
    SelectNumber(IDC_SB_SPACE4, StairDistributionSpacing(m_dL1, m_nSteps));
}

void CStairBoardOutputDlg::Recheck() {
    StairSlabCase slab = m_slab;
    slab.nDia = m_nChosenDia;
    slab.nSpace = m_nChosenSpace;
    m_bDeflectionOk = StairDeflectionCheck(slab, NULL);
    m_bCrackOk = StairCrackWidthCheck(slab, NULL);
    EnableControl(IDC_SB_DEFLECTION, TRUE);
    EnableControl(IDC_SB_CRACKING, TRUE);
    m_ctrlDeflection.SetWindowText(m_bDeflectionOk ? kPass : kFail);
    m_ctrlCracking.SetWindowText(m_bCrackOk ? kPass : kFail);
    m_ctrlDeflection.Invalidate();
    m_ctrlCracking.Invalidate();
}

void CStairBoardOutputDlg::ApplyRow(UINT nListID, int nRow, BOOL bAllBars) {
    CListCtrlEx& list = nListID == IDC_SB_LIST1 ? m_list1 : m_list23;
    int nDia = 0, nSpace = 0;
    if (nRow < 0 || !StairParseBarNotation(list.GetItemText(nRow, 0), nDia, nSpace)) return;
    std::vector<int> bars;
    if (nListID == IDC_SB_LIST1) {
        bars = {0};
        if (bAllBars || m_nKind >= STAIR_KIND_C) bars.push_back(4);
    } else {
        bars = {1, 2};
        if (bAllBars || m_nKind == STAIR_KIND_E) bars.push_back(5);
    }
    for (int i : bars) {
        SelectNumber(kDiaIDs[i], nDia);
        SelectNumber(kSpaceIDs[i], nSpace);
    }
    SetDlgItemText(nListID == IDC_SB_LIST1 ? IDC_SB_HAVE1 : IDC_SB_HAVE23, list.GetItemText(nRow, 1));
    if (nListID == IDC_SB_LIST1 && m_bIsCalRAL) {
        m_nChosenDia = nDia;
        m_nChosenSpace = nSpace;
        Recheck();
    }
}

void CStairBoardOutputDlg::SelectMatchingRow(CListCtrlEx& list, int nDia, int nSpace) {
    for (int i = 0; i < list.GetItemCount(); i++) {
        int d = 0, s = 0;
        if (StairParseBarNotation(list.GetItemText(i, 0), d, s) && d == nDia && s == nSpace) {
            list.SelectItem(i);
            return;
        }
    }
    const int nSelected = list.GetSelectedItem();
    if (nSelected >= 0) list.SetItemState(nSelected, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CStairBoardOutputDlg::SelectNumber(UINT nID, int nValue) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    CString strValue;
    strValue.Format("%d", nValue);
    const int nIndex = pCombo->FindStringExact(-1, strValue);
    if (nIndex >= 0) pCombo->SetCurSel(nIndex);
}

int CStairBoardOutputDlg::ComboNumber(UINT nID) const {
    CString strText;
    GetDlgItemText(nID, strText);
    return std::atoi(strText);
}

void CStairBoardOutputDlg::ShowArea(UINT nID, double dArea) {
    CString strText;
    strText.Format("%.2f", dArea);
    SetDlgItemText(nID, strText);
}

void CStairBoardOutputDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CStairBoardOutputDlg::OnSelChangeBar(UINT nID) {
    BOOL bDiameter = FALSE;
    const int nBar = BarOfCombo(nID, bDiameter);
    if (nBar < 0 || nBar == 3) return;
    m_bSchemeChanged = 1;
    if (nBar > 2) return;  // bars 5 and 6 reach the parameters through GetData

    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    const int nPos = pCombo ? pCombo->GetCurSel() : -1;
    if (nBar == 1) {
        // Bar 3 follows bar 2.
        if (CComboBox* pBar3 = static_cast<CComboBox*>(GetDlgItem(bDiameter ? kDiaIDs[2] : kSpaceIDs[2])))
            pBar3->SetCurSel(nPos);
    }
    const int nChanged = SeriesValue(nBar, bDiameter, nPos);
    const int nDia = bDiameter ? nChanged : ComboNumber(kDiaIDs[nBar]);
    const int nSpace = bDiameter ? ComboNumber(kSpaceIDs[nBar]) : nChanged;
    const BOOL bSpan = nBar == 0;
    ShowArea(bSpan ? IDC_SB_HAVE1 : IDC_SB_HAVE23, StairBarArea(nDia, nSpace));
    SelectMatchingRow(bSpan ? m_list1 : m_list23, nDia, nSpace);
    if (bSpan) {
        m_nChosenDia = nDia;
        m_nChosenSpace = nSpace;
        if (m_bIsCalRAL) Recheck();
    }
}

void CStairBoardOutputDlg::OnListChanged(UINT nID, NMHDR*, LRESULT* pResult) {
    CListCtrlEx& list = nID == IDC_SB_LIST1 ? m_list1 : m_list23;
    const int nRow = list.GetSelectedItem();
    if (nRow >= 0) ApplyRow(nID, nRow, FALSE);
    if (pResult) *pResult = 0;
}

HBRUSH CStairBoardOutputDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const UINT nID = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (nCtlColor == CTLCOLOR_STATIC &&
        ((nID == IDC_SB_DEFLECTION && !m_bDeflectionOk) || (nID == IDC_SB_CRACKING && !m_bCrackOk))) {
        pDC->SetTextColor(RGB(255, 0, 0));
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    }
    return CCaltPageDlg::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CStairBoardOutputDlg::OnPaint() {
    CPaintDC dc(this);
    PaintSchematic();
}

void CStairBoardOutputDlg::PaintSchematic() {
    CWnd* pFrame = GetDlgItem(IDC_SB_SCHEMATIC);
    if (!pFrame) return;
    m_pFrameDC = std::make_unique<CClientDC>(pFrame);
    m_wndSlide.SetDC(m_pFrameDC.get());
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    m_wndSlide.SetLogicBorder(CLogRect(rcClient));
    pFrame->Invalidate();
    pFrame->UpdateWindow();
    m_wndSlide.SetDC(m_pFrameDC.get());
    m_wndSlide.m_bDrawToPicture = 0;
    m_wndSlide.ShowSlideWnd(StairSlideLibrary(), StairBoardSlideName(m_nKind, "X"), rcClient);
}

BOOL CStairBoardOutputDlg::OnHelpInfo(HELPINFO*) { return TRUE; }
