#include "stair/BeamStairResultDlg.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/Numbers.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "stair/StairBarNotation.h"
#include "stair/StairBoardParam.h"

// The controls of one bar: its candidate list, its two scheme lists and its actual-area static.
struct BeamStairBarControls {
    enum Kind { Beam, Stirrup, Slab };
    UINT nList, nDia, nSecond, nHave;
    Kind kind;
    int nScheme;  // 1 to 6: the copy's scheme it sets (only 1 and 6 are re-checked)
};

namespace {

const UINT kVerdictIDs[4] = {IDC_BS_BEAM_DEFLECTION, IDC_BS_BEAM_CRACK, IDC_BS_SLAB_DEFLECTION, IDC_BS_SLAB_CRACK};
const char kNotCalculated[] = "不计算";

const char* BeamLetter(const CString& strGrade) {
    return strGrade == "HPB235" ? "d" : (strGrade == "HRB335" ? "D" : "f");
}

// A row's first column read back: count and diameter of a beam bar, diameter and spacing otherwise.
BOOL ParseRow(const CString& strText, int nKind, int& nFirst, int& nSecond) {
    int a = 0, c = 0;
    char letter[8] = {};
    if (nKind == 0) {
        if (std::sscanf(strText, "%d%7[a-zA-Z]%d", &a, letter, &c) != 3) return FALSE;
        nFirst = c;   // diameter
        nSecond = a;  // count
        return TRUE;
    }
    const char* p = strText;
    if (nKind == 1 && std::strncmp(p, "2d", 2) == 0) p += 2;
    if (nKind == 2 && *p == 'd') p += 1;
    if (std::sscanf(p, "%d@%d", &a, &c) != 2) return FALSE;
    nFirst = a;
    nSecond = c;
    return TRUE;
}

}  // namespace

static const BeamStairBarControls kBars[] = {
    {IDC_BS_LIST1, IDC_BS_DIA1, IDC_BS_NUM1, IDC_BS_HAVE1, BeamStairBarControls::Beam, 1},
    {IDC_BS_LIST2, IDC_BS_DIA2, IDC_BS_NUM2, IDC_BS_HAVE2, BeamStairBarControls::Beam, 2},
    {IDC_BS_LIST3, IDC_BS_DIA3, IDC_BS_SPACE3, IDC_BS_HAVE3, BeamStairBarControls::Stirrup, 3},
    {IDC_BS_LIST1, IDC_BS_DIA4, IDC_BS_NUM4, IDC_BS_HAVE1, BeamStairBarControls::Beam, 4},
    {IDC_BS_LIST5, IDC_BS_DIA5, IDC_BS_NUM5, IDC_BS_HAVE5, BeamStairBarControls::Beam, 5},
    {IDC_BS_LIST67, IDC_BS_DIA67, IDC_BS_SPACE67, IDC_BS_HAVE67, BeamStairBarControls::Slab, 6},
};

IMPLEMENT_DYNAMIC(CBeamStairResultDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamStairResultDlg, CCaltPageDlg)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_BS_DIA1, IDC_BS_SPACE67, OnSelChangeScheme)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_BS_LIST67, IDC_BS_LIST5, OnListChanged)
    ON_NOTIFY_RANGE(NM_CLICK, IDC_BS_LIST67, IDC_BS_LIST5, OnListChanged)
    ON_WM_CTLCOLOR()
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CBeamStairResultDlg::CBeamStairResultDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent), m_bSchemeChosen(0), m_dSlope(0) {
    for (int& bPass : m_bPass) bPass = 1;
    m_ctrlSlide.SetBeSelectable(FALSE);
}

CBeamStairResultDlg::~CBeamStairResultDlg() = default;

void CBeamStairResultDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    for (int i = 0; i < VerdictCount; i++) DDX_Control(pDX, kVerdictIDs[i], m_ctrlVerdicts[i]);
    DDX_Control(pDX, IDC_BS_LIST2, m_list2);
    DDX_Control(pDX, IDC_BS_LIST5, m_list5);
    DDX_Control(pDX, IDC_BS_LIST3, m_list3);
    DDX_Control(pDX, IDC_BS_LIST1, m_list1);
    DDX_Control(pDX, IDC_BS_LIST67, m_list67);
    DDX_Control(pDX, IDC_BS_SLIDE, m_ctrlSlide);
}

BOOL CBeamStairResultDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    for (const BarControls& bar : kBars) {
        CComboBox* pDia = static_cast<CComboBox*>(GetDlgItem(bar.nDia));
        CComboBox* pSecond = static_cast<CComboBox*>(GetDlgItem(bar.nSecond));
        if (!pDia || !pSecond || pDia->GetCount() > 0) continue;
        CString strItem;
        for (int d : g_nStairDiameters) {
            strItem.Format("%d", d);
            pDia->AddString(strItem);
        }
        const BOOL bCount = bar.kind == BarControls::Beam;
        for (int v = bCount ? 2 : 40; v <= (bCount ? 8 : 300); v += bCount ? 1 : 10) {
            strItem.Format("%d", v);
            pSecond->AddString(strItem);
        }
    }
    for (CListCtrlEx* pList : {&m_list1, &m_list2, &m_list5, &m_list3, &m_list67}) {
        pList->SetFullRowSel(TRUE);
        pList->InsertColumn(" 方案 ", 0, -1, 15, 0);
        pList->InsertColumn(pList == &m_list3 ? "实配Asv/s" : "实际面积", 1, -1, 15, 0);
    }
    return TRUE;
}

CListCtrlEx* CBeamStairResultDlg::List(UINT nListID) {
    switch (nListID) {
    case IDC_BS_LIST1: return &m_list1;
    case IDC_BS_LIST2: return &m_list2;
    case IDC_BS_LIST5: return &m_list5;
    case IDC_BS_LIST3: return &m_list3;
    case IDC_BS_LIST67: return &m_list67;
    default: return NULL;
    }
}

const CBeamStairResultDlg::BarControls* CBeamStairResultDlg::BarOfList(UINT nListID, int nNth) {
    for (const BarControls& bar : kBars)
        if (bar.nList == nListID && nNth-- == 0) return &bar;
    return NULL;
}

void CBeamStairResultDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CBeamStairResultDlg::SelectNumber(UINT nID, int nValue) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    for (int i = 0; i < pCombo->GetCount(); i++) {
        CString strItem;
        pCombo->GetLBText(i, strItem);
        if (std::atoi(strItem) == nValue) {
            pCombo->SetCurSel(i);
            return;
        }
    }
}

int CBeamStairResultDlg::ComboNumber(UINT nID) const { return std::atoi(GetComboBoxText(nID)); }

void CBeamStairResultDlg::ShowScheme(UINT nDiaID, UINT nSecondID, int nDia, int nSecond) {
    SetComboBoxText(nDiaID, nDia);
    SetComboBoxText(nSecondID, nSecond);
}

void CBeamStairResultDlg::FillLists(const CBeamStairParam& p) {
    const struct {
        CListCtrlEx* pList;
        const BarScheme* pSchemes;
        const double* pAreas;
        int nCount;
        int nKind;
    } lists[] = {
        {&m_list67, p.TDBScheme, p.TDBSchemeAs, p.nTDBSchemeNum, BarControls::Slab},
        {&m_list1, p.XLScheme, p.XLSchemeAs, p.nXLSchemeNum, BarControls::Beam},
        {&m_list2, p.LZHZScheme, p.LZHZSchemeAs, p.nLZHZSchemeNum, BarControls::Beam},
        {&m_list5, p.RZHZScheme, p.RZHZSchemeAs, p.nRZHZSchemeNum, BarControls::Beam},
        {&m_list3, p.XLGJScheme, p.XLGJSchemeAsv, p.nXLGJSchemeNum, BarControls::Stirrup},
    };
    for (const auto& l : lists) {
        l.pList->DeleteAllItems();
        for (int i = 0; i < l.nCount && i < CBeamStairParam::MaxSchemes; i++) {
            CString strScheme, strArea;
            const BarScheme& s = l.pSchemes[i];
            if (l.nKind == BarControls::Beam)
                strScheme.Format("%d%s%d", s.Int, BeamLetter(p.strSteelLevel), s.Dia);
            else if (l.nKind == BarControls::Stirrup)
                strScheme.Format("2d%d@%d", s.Dia, s.Int);
            else
                strScheme.Format("d%d@%d", s.Dia, s.Int);
            strArea.Format("%.2f", l.pAreas[i]);
            l.pList->SetItem(i, 0, strScheme, -1);
            l.pList->SetItem(i, 1, strArea, -1);
        }
    }
}

void CBeamStairResultDlg::SetData(CVuskParam* pParam) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p) return;
    m_dSlope = std::sqrt(p->b * p->b + p->h * p->h);
    if (p->bSchemeChosen) {
        ShowScheme(IDC_BS_DIA1, IDC_BS_NUM1, p->shpbar1_Dia, p->shpbar1_Int);
        ShowScheme(IDC_BS_DIA2, IDC_BS_NUM2, p->shpbar2_Dia, p->shpbar2_Int);
        ShowScheme(IDC_BS_DIA3, IDC_BS_SPACE3, p->shpbar3_Dia, p->shpbar3_Int);
        ShowScheme(IDC_BS_DIA4, IDC_BS_NUM4, p->shpbar4_Dia, p->shpbar4_Int);
        ShowScheme(IDC_BS_DIA5, IDC_BS_NUM5, p->shpbar5_Dia, p->shpbar5_Int);
        ShowScheme(IDC_BS_DIA67, IDC_BS_SPACE67, p->shpbar7_Dia, p->shpbar7_Int);
    } else {
        p->MakeMidSchemes();
        p->MakeSupportSchemes(0);
        p->MakeSupportSchemes(1);
        p->MakeStirrupSchemes();
        p->MakeSlabSchemes();
    }
    m_copy = *p;
    m_bSchemeChosen = p->bSchemeChosen;
    FillLists(*p);

    if (p->m_bIsCalRAL) {
        UpdateVerdicts();
    } else {
        for (int i = 0; i < VerdictCount; i++) SetDlgItemText(kVerdictIDs[i], kNotCalculated);
    }

    // Bars ④ lie on the upper platform of shapes C and D; bars ⑤ over the lower support of every
    // shape, as the reports and the drawing print them.
    const int nShape = p->nStairType;
    const BOOL bBar4 = nShape == BEAM_STAIR_C || nShape == BEAM_STAIR_D;
    EnableControl(IDC_BS_DIA4, bBar4);
    EnableControl(IDC_BS_NUM4, bBar4);
    EnableControl(IDC_BS_DIA5, TRUE);
    EnableControl(IDC_BS_NUM5, TRUE);
    EnableControl(IDC_BS_LIST5, TRUE);
    m_ctrlSlide.ShowSlide(StairSlideLibrary(), BeamStairSlideName(nShape, "X"));

    SetDlgItemText(IDC_BS_NEED1, ftosp(p->XLSteelAs, 2, 0, 0));
    SetDlgItemText(IDC_BS_NEED2, ftosp(p->LXLZHZSteelAs, 2, 0, 0));
    SetDlgItemText(IDC_BS_NEED3, ftosp(p->XLGJSteelAs, 2, 0, 0));
    SetDlgItemText(IDC_BS_NEED5, ftosp(p->RXLZHZSteelAs, 2, 0, 0));
    SetDlgItemText(IDC_BS_NEED67, ftosp(p->TDBSteelAs, 2, 0, 0));

    if (!p->bSchemeChosen) {
        for (const BarControls& bar : kBars) ApplyRow(bar, 0);
        if (p->shpbar1_Dia != 0) {
            ShowScheme(IDC_BS_DIA1, IDC_BS_NUM1, p->XLScheme[0].Dia, p->XLScheme[0].Int);
            ShowScheme(IDC_BS_DIA4, IDC_BS_NUM4, p->XLScheme[0].Dia, p->XLScheme[0].Int);
            ShowScheme(IDC_BS_DIA2, IDC_BS_NUM2, p->LZHZScheme[0].Dia, p->LZHZScheme[0].Int);
            ShowScheme(IDC_BS_DIA3, IDC_BS_SPACE3, p->XLGJScheme[0].Dia, p->XLGJScheme[0].Int);
            ShowScheme(IDC_BS_DIA5, IDC_BS_NUM5, p->RZHZScheme[0].Dia, p->RZHZScheme[0].Int);
            ShowScheme(IDC_BS_DIA67, IDC_BS_SPACE67, p->TDBScheme[0].Dia, p->TDBScheme[0].Int);
        }
    } else {
        CString strText;
        strText.Format("%.0f", p->SchemeArea(1));
        SetDlgItemText(IDC_BS_HAVE1, strText);
        strText.Format("%.0f", p->SchemeArea(2));
        SetDlgItemText(IDC_BS_HAVE2, strText);
        strText.Format("%.2f", p->SchemeArea(3));
        SetDlgItemText(IDC_BS_HAVE3, strText);
        strText.Format("%.0f", p->SchemeArea(5));
        SetDlgItemText(IDC_BS_HAVE5, strText);
        const double d7 = p->shpbar7_Dia;
        strText.Format("%.0f", p->shpbar7_Int > 0 ? M_PI / 4 * d7 * d7 * m_dSlope / p->shpbar7_Int : 0.0);
        SetDlgItemText(IDC_BS_HAVE67, strText);
    }
}

void CBeamStairResultDlg::GetData(CVuskParam* pParam) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p || !m_hWnd) return;
    int* const pTargets[6][2] = {{&p->shpbar1_Dia, &p->shpbar1_Int}, {&p->shpbar2_Dia, &p->shpbar2_Int},
                                 {&p->shpbar3_Dia, &p->shpbar3_Int}, {&p->shpbar4_Dia, &p->shpbar4_Int},
                                 {&p->shpbar5_Dia, &p->shpbar5_Int}, {&p->shpbar6_Dia, &p->shpbar6_Int}};
    for (int i = 0; i < 6; i++) {
        *pTargets[i][0] = ComboNumber(kBars[i].nDia);
        *pTargets[i][1] = ComboNumber(kBars[i].nSecond);
    }
    p->shpbar7_Dia = p->shpbar6_Dia;
    p->shpbar7_Int = p->shpbar6_Int;
    p->bSchemeChosen = m_bSchemeChosen;
    // The re-checked deflection goes back with its verdict, so that the reports agree.
    p->XLKZHWY = m_copy.XLKZHWY;
    p->bPassed = m_copy.bPassed;
}

void CBeamStairResultDlg::UpdateVerdicts() {
    m_copy.SetStripAndMaterials();
    m_copy.CheckStairBeam();
    m_bPass[BeamDeflection] = m_copy.bPassed;
    m_bPass[BeamCrack] = m_copy.m_bBeamCrackOK;
    m_bPass[SlabDeflection] = m_copy.CalSlabFlexibility(NULL);
    m_bPass[SlabCrack] = m_copy.CalSlabCrackWidth(NULL);
    for (int i = 0; i < VerdictCount; i++) {
        EnableControl(kVerdictIDs[i], TRUE);
        SetDlgItemText(kVerdictIDs[i], m_bPass[i] ? "通过" : "未通过");
        if (CWnd* pWnd = GetDlgItem(kVerdictIDs[i])) pWnd->Invalidate();
    }
}

void CBeamStairResultDlg::ApplyRow(const BarControls& bar, int nRow) {
    CListCtrlEx* pList = List(bar.nList);
    if (!pList || nRow < 0 || nRow >= pList->GetItemCount()) return;
    const int nKind = bar.kind == BarControls::Beam ? 0 : (bar.kind == BarControls::Stirrup ? 1 : 2);
    int nDia = 0, nSecond = 0;
    if (!ParseRow(pList->GetItemText(nRow, 0), nKind, nDia, nSecond)) return;
    SelectNumber(bar.nDia, nDia);
    SelectNumber(bar.nSecond, nSecond);
    const CString strArea = pList->GetItemText(nRow, 1);
    CString strShown = strArea;
    if (bar.kind != BarControls::Stirrup) strShown.Format("%.0f", std::atof(strArea));
    SetDlgItemText(bar.nHave, strShown);
    if (!m_copy.m_bIsCalRAL) return;
    if (bar.nScheme == 1) {
        m_copy.shpbar1_Dia = nDia;
        m_copy.shpbar1_Int = nSecond;
        UpdateVerdicts();
    } else if (bar.nScheme == 6) {
        m_copy.shpbar6_Dia = nDia;
        m_copy.shpbar6_Int = nSecond;
        UpdateVerdicts();
    }
}

void CBeamStairResultDlg::SelectMatchingRow(UINT nListID, int nDia, int nSecond) {
    CListCtrlEx* pList = List(nListID);
    const BarControls* pBar = BarOfList(nListID, 0);
    if (!pList || !pBar) return;
    const int nKind = pBar->kind == BarControls::Beam ? 0 : (pBar->kind == BarControls::Stirrup ? 1 : 2);
    for (int i = 0; i < pList->GetItemCount(); i++) {
        int d = 0, s = 0;
        if (ParseRow(pList->GetItemText(i, 0), nKind, d, s) && d == nDia && s == nSecond) {
            pList->SelectItem(i);
            return;
        }
    }
    const int nSelected = pList->GetSelectedItem();
    if (nSelected >= 0) pList->SetItemState(nSelected, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CBeamStairResultDlg::OnSelChangeScheme(UINT nID) {
    const BarControls* pBar = NULL;
    for (const BarControls& bar : kBars)
        if (bar.nDia == nID || bar.nSecond == nID) pBar = &bar;
    // Bar ④ takes what the engineer selects without further effect.
    if (!pBar || pBar->nScheme == 4) return;
    const int nDia = ComboNumber(pBar->nDia), nSecond = ComboNumber(pBar->nSecond);
    m_bSchemeChosen = 1;
    CString strText;
    switch (pBar->kind) {
    case BarControls::Beam:
        strText.Format("%.0f", M_PI / 4 * nDia * nDia * nSecond);
        break;
    case BarControls::Stirrup:
        strText.Format("%.2f", nSecond > 0 ? M_PI / 2 * nDia * nDia / nSecond : 0.0);
        break;
    case BarControls::Slab:
        strText.Format("%.0f", nSecond > 0 ? M_PI / 4 * nDia * nDia * m_dSlope / nSecond : 0.0);
        break;
    }
    SetDlgItemText(pBar->nHave, strText);
    // The list's selection follows without applying its row again.
    const int bChosen = m_bSchemeChosen;
    SelectMatchingRow(pBar->nList, nDia, nSecond);
    m_bSchemeChosen = bChosen;
    SetDlgItemText(pBar->nHave, strText);
    if (!m_copy.m_bIsCalRAL) return;
    if (pBar->nScheme == 1) {
        m_copy.shpbar1_Dia = nDia;
        m_copy.shpbar1_Int = nSecond;
        UpdateVerdicts();
    } else if (pBar->nScheme == 6) {
        m_copy.shpbar6_Dia = nDia;
        m_copy.shpbar6_Int = nSecond;
        UpdateVerdicts();
    }
}

void CBeamStairResultDlg::OnListChanged(UINT nID, NMHDR*, LRESULT* pResult) {
    if (pResult) *pResult = 0;
    CListCtrlEx* pList = List(nID);
    if (!pList) return;
    const int nRow = pList->GetSelectedItem();
    if (nRow < 0) return;
    for (int n = 0; const BarControls* pBar = BarOfList(nID, n); n++) ApplyRow(*pBar, nRow);
}

HBRUSH CBeamStairResultDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const UINT nID = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (nCtlColor == CTLCOLOR_STATIC) {
        for (int i = 0; i < VerdictCount; i++) {
            if (kVerdictIDs[i] == nID && !m_bPass[i]) {
                pDC->SetTextColor(RGB(255, 0, 0));
                pDC->SetBkMode(TRANSPARENT);
                return static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
            }
        }
    }
    return CCaltPageDlg::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CBeamStairResultDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray&) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p || !m_hWnd) return TRUE;
    // The clear spacing of n bars of d in the stair beam's width; a single bar has none to keep.
    auto spacing = [p](int d, int n) { return n > 1 ? (p->b3 - 50 - n * d) / (n - 1) : -1.0; };
    const int d1 = ComboNumber(IDC_BS_DIA1), n1 = ComboNumber(IDC_BS_NUM1);
    const int d2 = ComboNumber(IDC_BS_DIA2), n2 = ComboNumber(IDC_BS_NUM2);
    const int d4 = ComboNumber(IDC_BS_DIA4), n4 = ComboNumber(IDC_BS_NUM4);
    const int d5 = ComboNumber(IDC_BS_DIA5), n5 = ComboNumber(IDC_BS_NUM5);
    const CWnd* pDia4 = GetDlgItem(IDC_BS_DIA4);
    const CWnd* pDia5 = GetDlgItem(IDC_BS_DIA5);
    const double s1 = spacing(d1, n1), s2 = spacing(d2, n2), s4 = spacing(d4, n4), s5 = spacing(d5, n5);
    const struct {
        bool bFails;
        const char* pszMessage;
    } tests[] = {
        {M_PI / 4 * d1 * d1 * n1 == 0, "钢筋1无配筋!"},
        {s1 < 25 || s1 < d1, "钢筋1间距应大于25及d, 请增加b3或减少钢筋根数。"},
        {pDia4 && pDia4->IsWindowEnabled() && (s4 < 25 || s4 < d4), "钢筋4间距应大于25及d, 请增加b3或减少钢筋根数。"},
        {s2 < 30 || s2 < 1.5 * d2, "钢筋2间距应大于30及1.5*d, 请增加b3或减少钢筋根数。"},
        {pDia5 && pDia5->IsWindowEnabled() && (s5 < 30 || s5 < 1.5 * d5),
         "钢筋5间距应大于30及1.5*d, 请增加b3或减少钢筋根数。"},
    };
    for (const auto& test : tests) {
        if (test.bFails) {
            arrWarnings.Add(test.pszMessage);
            return FALSE;
        }
    }
    if (p->HasShortSchemes()) {
        arrWarnings.Add("实配面积小于计算面积");
        return FALSE;
    }
    return TRUE;
}

BOOL CBeamStairResultDlg::OnHelpInfo(HELPINFO*) { return TRUE; }
