#include "slab/rect/RectBoardResultDlg.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/SlabPageInput.h"
#include "slab/rect/SlabRecords.h"

namespace {

const UINT WM_SLAB_INT_ERROR = WM_USER + 1021;
const UINT WM_SLAB_SPACING_CHANGED = WM_USER + 1022;

// The controls of a bar group.
struct BarGroup {
    UINT nList, nDiameter, nSpacing, nRequired, nProvided;
};

const BarGroup kGroups[CRectBoardResultDlg::GROUP_COUNT] = {
    {IDC_RBR_LIST_XBOTTOM, IDC_RBR_DIA_XBOTTOM, IDC_RBR_SPACING_XBOTTOM, IDC_RBR_REQUIRED_XBOTTOM,
     IDC_RBR_PROVIDED_XBOTTOM},
    {IDC_RBR_LIST_YBOTTOM, IDC_RBR_DIA_YBOTTOM, IDC_RBR_SPACING_YBOTTOM, IDC_RBR_REQUIRED_YBOTTOM,
     IDC_RBR_PROVIDED_YBOTTOM},
    {IDC_RBR_LIST_XSUPPORT, IDC_RBR_DIA_XSUPPORT, IDC_RBR_SPACING_XSUPPORT, IDC_RBR_REQUIRED_XSUPPORT,
     IDC_RBR_PROVIDED_XSUPPORT},
    {IDC_RBR_LIST_YSUPPORT, IDC_RBR_DIA_YSUPPORT, IDC_RBR_SPACING_YSUPPORT, IDC_RBR_REQUIRED_YSUPPORT,
     IDC_RBR_PROVIDED_YSUPPORT},
};

// The moment boxes in the order of the calculator's ten moments.
const UINT kMomentBoxes[10] = {IDC_RBR_MX,  IDC_RBR_MY,  IDC_RBR_MXMAX, IDC_RBR_MYMAX, IDC_RBR_MOX,
                               IDC_RBR_MOY, IDC_RBR_MXO, IDC_RBR_MYO,   IDC_RBR_MXZ0,  IDC_RBR_MYZ0};

const char* const kNoScheme = "无可选方案";

int GroupOf(UINT nID, UINT BarGroup::*pControl) {
    for (int g = 0; g < CRectBoardResultDlg::GROUP_COUNT; ++g)
        if (kGroups[g].*pControl == nID) return g;
    return -1;
}

CString SchemeText(int nDiameter, int nSpacing) {
    CString strText;
    strText.Format("d%d@%d", nDiameter, nSpacing);
    return strText;
}

CString IntText(int nValue) {
    CString strText;
    strText.Format("%d", nValue);
    return strText;
}

}  // namespace

IMPLEMENT_DYNAMIC(CRectBoardResultDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CRectBoardResultDlg, CCaltPageDlg)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_RBR_SPACING_XBOTTOM, IDC_RBR_SPACING_YSUPPORT, OnKillfocusSpacing)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_RBR_DIA_XBOTTOM, IDC_RBR_DIA_YSUPPORT, OnSelchangeDiameter)
    ON_CONTROL_RANGE(LBN_SELCHANGE, IDC_RBR_LIST_XBOTTOM, IDC_RBR_LIST_YSUPPORT, OnSelchangeSchemeList)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_RBR_SPACING_XBOTTOM, IDC_RBR_SPACING_YSUPPORT, OnSelchangeSpacing)
    ON_MESSAGE(WM_SLAB_INT_ERROR, OnIntError)
    ON_MESSAGE(WM_SLAB_SPACING_CHANGED, OnSpacingChanged)
END_MESSAGE_MAP()

CRectBoardResultDlg::CRectBoardResultDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent), m_dMoments{}, m_nAreas{}, m_nTop(0), m_nBottom(0), m_nLeft(0), m_nRight(0),
      m_nTopLeft(0), m_nTopRight(0), m_nBottomLeft(0), m_nBottomRight(0), m_nBoardKind(0), m_reinList(8),
      m_nMinDia(8), m_pSchemes(nullptr) {}

CRectBoardResultDlg::~CRectBoardResultDlg() = default;

void CRectBoardResultDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RBR_PREVIEW, m_wndPreview);
    DDX_Control(pDX, IDC_RBR_LIST_YSUPPORT, m_listYSupport);
    DDX_Control(pDX, IDC_RBR_LIST_XSUPPORT, m_listXSupport);
    DDX_Control(pDX, IDC_RBR_LIST_YBOTTOM, m_listYBottom);
    DDX_Control(pDX, IDC_RBR_LIST_XBOTTOM, m_listXBottom);
    for (int i = 0; i < 10; ++i) DDX_Text(pDX, kMomentBoxes[i], m_strMoments[i]);
    for (int g = 0; g < GROUP_COUNT; ++g) {
        DDX_CBString(pDX, kGroups[g].nDiameter, m_strDiameters[g]);
        DDX_CBString(pDX, kGroups[g].nSpacing, m_strSpacings[g]);
    }
}

BOOL CRectBoardResultDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    if (CWnd* pPreview = GetDlgItem(IDC_RBR_PREVIEW)) pPreview->ModifyStyle(0, SS_BITMAP);
    return TRUE;
}

void CRectBoardResultDlg::UpdatePreview() {
    m_wndPreview.SetBoard(m_nTop, m_nBottom, m_nLeft, m_nRight, m_nTopLeft, m_nTopRight, m_nBottomLeft,
                          m_nBottomRight);
}

BOOL CRectBoardResultDlg::IsFixed(int nEdge) const { return nEdge == SLAB_FIXED; }

void CRectBoardResultDlg::SetData(CVuskParam* pParam) {
    CRectBoardParam* p = static_cast<CRectBoardParam*>(pParam);
    if (!p) return;
    m_nTop = p->m_nTop;
    m_nBottom = p->m_nBottom;
    m_nLeft = p->m_nLeft;
    m_nRight = p->m_nRight;
    m_nTopLeft = p->m_nTopLeft;
    m_nTopRight = p->m_nTopRight;
    m_nBottomLeft = p->m_nBottomLeft;
    m_nBottomRight = p->m_nBottomRight;
    m_nBoardKind = p->m_nBoardKind;
    UpdatePreview();
    if (!p->m_bCalculated) return;
    CRectBoardCalculator* pCalc = p->GetCalc();
    m_pSchemes = pCalc->GetSchemes();
    SlabMomentList list;
    pCalc->GetMomentList(list);
    const double dMoments[10] = {list.Mx, list.My, list.Mxmax, list.Mymax, list.M0x,
                                 list.M0y, list.Mox, list.Moy, list.M0xz, list.M0yz};
    for (int i = 0; i < 10; ++i) m_dMoments[i] = dMoments[i];
    pCalc->GetAreas(m_nAreas);
    m_nMinDia = p->m_nSteelLimDia;
    ShowResults();
}

void CRectBoardResultDlg::ShowResults() {
    for (int i = 0; i < 10; ++i) {
        m_strMoments[i].Empty();
        if (std::fabs(m_dMoments[i]) > 0.0001) m_strMoments[i].Format("%.3lf", m_dMoments[i] * 0.000001);
    }
    UpdateData(FALSE);
    ShowBarSchemes();
}

void CRectBoardResultDlg::ShowBarSchemes() {
    const CRectBoardParam* p = static_cast<const CRectBoardParam*>(GetParam());
    if (!p || !p->m_bCalculated || !m_pSchemes) return;
    m_reinList.SetMinDia(m_nMinDia);
    const bool bElastic = m_nBoardKind == 0;
    for (int g = 0; g < GROUP_COUNT; ++g) {
        const BarGroup& controls = kGroups[g];
        bool bNeeded = true;
        int nArea = 0;
        BoardReinScheme shown{};
        switch (g) {
        case GROUP_XBOTTOM: nArea = m_nAreas[4], bNeeded = nArea > 0; break;
        case GROUP_YBOTTOM: nArea = m_nAreas[5], bNeeded = nArea > 0; break;
        case GROUP_XSUPPORT:
            bNeeded = !(bElastic && !IsFixed(m_nLeft) && !IsFixed(m_nRight));
            nArea = !IsFixed(m_nLeft) && IsFixed(m_nRight) ? m_nAreas[2] : m_nAreas[1];
            break;
        default:
            bNeeded = !(bElastic && !IsFixed(m_nTop) && !IsFixed(m_nBottom));
            nArea = !IsFixed(m_nTop) && IsFixed(m_nBottom) ? m_nAreas[3] : m_nAreas[0];
            break;
        }
        if (bNeeded && nArea <= 0 && (g == GROUP_XSUPPORT || g == GROUP_YSUPPORT)) continue;
        SlabEnable(this, controls.nDiameter, bNeeded);
        SlabEnable(this, controls.nSpacing, bNeeded);
        if (!bNeeded) {
            SetDlgItemText(controls.nRequired, "");
            SetDlgItemText(controls.nProvided, "");
            continue;
        }
        CListBox* pList = static_cast<CListBox*>(GetDlgItem(controls.nList));
        if (!pList) continue;
        pList->ResetContent();
        m_reinList.Build(nArea);
        for (POSITION pos = m_reinList.m_listScheme.GetHeadPosition(); pos;) {
            const BoardReinScheme& scheme = m_reinList.m_listScheme.GetNext(pos);
            pList->AddString(SchemeText(scheme.nDiameter, scheme.nSpacing));
        }
        if (m_reinList.m_listScheme.IsEmpty()) {
            pList->InsertString(0, kNoScheme);
            pList->SetCurSel(0);
            SetDlgItemText(controls.nProvided, "0");
            continue;
        }
        // The calculation's own choice, or the list's pick when it made none for this group.
        auto chosen = [&](int nFirst, int nSecond, bool bSecond) {
            if (m_pSchemes[nFirst].nArea == 0 && m_pSchemes[nSecond].nArea == 0) return m_reinList.Pick(nArea);
            return m_pSchemes[bSecond ? nSecond : nFirst];
        };
        switch (g) {
        case GROUP_XBOTTOM: shown = m_pSchemes[SCHEME_XSPAN].nArea ? m_pSchemes[SCHEME_XSPAN] : m_reinList.Pick(nArea); break;
        case GROUP_YBOTTOM: shown = m_pSchemes[SCHEME_YSPAN].nArea ? m_pSchemes[SCHEME_YSPAN] : m_reinList.Pick(nArea); break;
        case GROUP_XSUPPORT: shown = chosen(SCHEME_LEFT, SCHEME_RIGHT, !IsFixed(m_nLeft)); break;
        default: shown = chosen(SCHEME_TOP, SCHEME_BOTTOM, !IsFixed(m_nTop)); break;
        }
        pList->SelectString(-1, SchemeText(shown.nDiameter, shown.nSpacing));
        for (const auto& item : {std::make_pair(controls.nDiameter, shown.nDiameter),
                                 std::make_pair(controls.nSpacing, shown.nSpacing)}) {
            CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(item.first));
            const int nItem = pCombo ? pCombo->FindStringExact(-1, IntText(item.second)) : CB_ERR;
            if (nItem != CB_ERR) pCombo->SetCurSel(nItem);
        }
        SetDlgItemText(controls.nRequired, IntText(nArea));
        SetDlgItemText(controls.nProvided, IntText(shown.nArea));
    }
    UpdateData(TRUE);
}

BOOL CRectBoardResultDlg::CheckIntText(UINT nID) {
    CString strText;
    if (CWnd* pBox = GetDlgItem(nID)) pBox->GetWindowText(strText);
    // A spacing of nothing or beyond a metre is no bar scheme.
    if (SlabInputTextValid(strText, 2)) {
        const long nValue = std::atol(strText);
        if (nValue >= 1 && nValue <= 1000) return TRUE;
    }
    PostMessage(WM_SLAB_INT_ERROR, nID, 0);
    return FALSE;
}

void CRectBoardResultDlg::ShowChosenArea(int nGroup) {
    const BarGroup& controls = kGroups[nGroup];
    const int nDiameter = std::atoi(m_strDiameters[nGroup]), nSpacing = std::atoi(m_strSpacings[nGroup]);
    SetDlgItemText(controls.nProvided, IntText(m_reinList.GetArea(nDiameter, nSpacing)));
    if (CListBox* pList = static_cast<CListBox*>(GetDlgItem(controls.nList)))
        if (pList->SelectString(-1, SchemeText(nDiameter, nSpacing)) == LB_ERR) pList->SetCurSel(-1);
}

void CRectBoardResultDlg::TakeSpacing(int nGroup) {
    const UINT nID = kGroups[nGroup].nSpacing;
    if (!CheckIntText(nID)) {
        SetDlgItemText(nID, m_strSpacings[nGroup]);
        return;
    }
    UpdateData(TRUE);
    ShowChosenArea(nGroup);
}

void CRectBoardResultDlg::OnKillfocusSpacing(UINT nID) {
    const int nGroup = GroupOf(nID, &BarGroup::nSpacing);
    if (nGroup >= 0) TakeSpacing(nGroup);
}

LRESULT CRectBoardResultDlg::OnSpacingChanged(WPARAM wParam, LPARAM) {
    const int nGroup = GroupOf(static_cast<UINT>(wParam), &BarGroup::nSpacing);
    if (nGroup >= 0) TakeSpacing(nGroup);
    return 0;
}

void CRectBoardResultDlg::OnSelchangeSpacing(UINT nID) { PostMessage(WM_SLAB_SPACING_CHANGED, nID, 0); }

void CRectBoardResultDlg::OnSelchangeDiameter(UINT nID) {
    const int nGroup = GroupOf(nID, &BarGroup::nDiameter);
    if (nGroup < 0) return;
    UpdateData(TRUE);
    ShowChosenArea(nGroup);
}

void CRectBoardResultDlg::OnSelchangeSchemeList(UINT nID) {
    const int nGroup = GroupOf(nID, &BarGroup::nList);
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(nID));
    if (nGroup < 0 || !pList || pList->GetCurSel() < 0) return;
    const BarGroup& controls = kGroups[nGroup];
    CString strItem;
    pList->GetText(pList->GetCurSel(), strItem);
    const int nAt = strItem.Find('@');
    if (strItem.IsEmpty() || nAt < 0) {
        SetDlgItemText(controls.nSpacing, "0");
        return;
    }
    const CString strDiameter = strItem.Mid(1, nAt - 1), strSpacing = strItem.Mid(nAt + 1);
    if (CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(controls.nDiameter))) {
        const int nItem = pCombo->FindStringExact(-1, strDiameter);
        if (nItem != CB_ERR) pCombo->SetCurSel(nItem);
    }
    SetDlgItemText(controls.nSpacing, strSpacing);
    SetDlgItemText(controls.nProvided, IntText(m_reinList.GetArea(std::atoi(strDiameter), std::atoi(strSpacing))));
}

LRESULT CRectBoardResultDlg::OnIntError(WPARAM wParam, LPARAM) {
    SlabShowInputError(this, static_cast<UINT>(wParam), "输入应该为整数，请核查");
    return 1;
}

void CRectBoardResultDlg::GetData(CVuskParam*) {
    if (!m_pSchemes) return;
    UpdateData(TRUE);
    const bool bPlastic = m_nBoardKind == 1;
    for (int g = 0; g < GROUP_COUNT; ++g) {
        BoardReinScheme picked{std::atoi(m_strDiameters[g]), std::atoi(m_strSpacings[g]), 0, CString()};
        CString strProvided;
        GetDlgItemText(kGroups[g].nProvided, strProvided);
        if (strProvided.IsEmpty()) picked.nDiameter = picked.nSpacing = 0;
        picked.nArea = std::atoi(strProvided);
        // The group's choice goes to the results it shows; the others keep theirs (the construction
        // bars of a supported edge that an elastic slab's group does not show among them). The grade
        // text of a bar result stays.
        auto take = [&](int nScheme, bool bUsed) {
            if (!bUsed) return;
            BoardReinScheme& scheme = m_pSchemes[nScheme];
            scheme.nDiameter = picked.nDiameter;
            scheme.nSpacing = picked.nSpacing;
            scheme.nArea = picked.nArea;
        };
        switch (g) {
        case GROUP_XBOTTOM: take(SCHEME_XSPAN, true); break;
        case GROUP_YBOTTOM: take(SCHEME_YSPAN, true); break;
        case GROUP_XSUPPORT:
            take(SCHEME_LEFT, bPlastic || IsFixed(m_nLeft));
            take(SCHEME_RIGHT, bPlastic || IsFixed(m_nRight));
            break;
        default:
            take(SCHEME_TOP, bPlastic || IsFixed(m_nTop));
            take(SCHEME_BOTTOM, bPlastic || IsFixed(m_nBottom));
            break;
        }
    }
}
