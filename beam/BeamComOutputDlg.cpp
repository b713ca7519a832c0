// The continuous beam's result page: forces, serviceability, bar and stirrup editing, redesign.
#include "beam/BeamComOutputDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "beam/BarText.h"
#include "beam/SectionBar.h"
#include "mfc/gdi/DC.h"
#include "mfc/stdctrl/ComboBox.h"

IMPLEMENT_DYNAMIC(CBeamComOutputDlg, CBeamOutputDlg)

BEGIN_MESSAGE_MAP(CBeamComOutputDlg, CBeamOutputDlg)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_CO_SELECT, OnApply)
    ON_BN_CLICKED(IDC_CO_DRAW, OnDrawSection)
    ON_WM_HELPINFO()
    ON_CBN_SELCHANGE(IDC_CO_BOT_COUNT1, OnBotBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_BOT_DIA1, OnBotBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_BOT_COUNT2, OnBotBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_BOT_DIA2, OnBotBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_TOP_COUNT1, OnTopBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_TOP_DIA1, OnTopBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_TOP_COUNT2, OnTopBarsChanged)
    ON_CBN_SELCHANGE(IDC_CO_TOP_DIA2, OnTopBarsChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CO_SECTIONS, OnSectionChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CO_BOT_SCHEMES, OnBotSchemeChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CO_TOP_SCHEMES, OnTopSchemeChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CO_STIRRUPS, OnStirrupChanged)
    ON_CBN_SELCHANGE(IDC_CO_STIR_DIA, OnStirrupEdited)
    ON_EN_CHANGE(IDC_CO_STIR_SPACING, OnStirrupEdited)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CO_BOT_TWO_ROWS, IDC_CO_BOT_ONE_ROW, OnBotLayer)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CO_TOP_TWO_ROWS, IDC_CO_TOP_ONE_ROW, OnTopLayer)
END_MESSAGE_MAP()

namespace {

// The stirrup diameters the diameter box offers: the stirrup table's from 6 mm on.
const int kStirrupChoices[6] = {6, 8, 10, 12, 14, 16};
const int kStirrupChoiceCount = 6;

int PositionOf(const int* values, int nCount, int d) {
    for (int k = 0; k < nCount; ++k)
        if (values[k] == d) return k;
    return -1;
}

int NumberIn(const CString& strText) { return std::atoi(strText); }

}  // namespace

CBeamComOutputDlg::CBeamComOutputDlg(CWnd* pParent)
    : CBeamOutputDlg(IDD, pParent), m_nStirDiaIndex(-1), m_nStirSpacing(0) {
    m_nCurRow = -1;
}

CBeamComOutputDlg::~CBeamComOutputDlg() = default;

void CBeamComOutputDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CO_MOM_VAL1, m_strMomVal1);
    DDX_Text(pDX, IDC_CO_MOM_POS1, m_strMomPos1);
    DDX_Text(pDX, IDC_CO_MOM_COMBO1, m_strMomCombo1);
    DDX_Text(pDX, IDC_CO_MOM_VAL2, m_strMomVal2);
    DDX_Text(pDX, IDC_CO_SHEAR_VAL, m_strShearVal);
    DDX_Text(pDX, IDC_CO_SHEAR_COMBO, m_strShearCombo);
    DDX_Text(pDX, IDC_CO_SHEAR_POS, m_strShearPos);
    DDX_CBIndex(pDX, IDC_CO_STIR_DIA, m_nStirDiaIndex);
    DDX_Text(pDX, IDC_CO_STIR_SPACING, m_nStirSpacing);
    DDX_Text(pDX, IDC_CO_MOM_COMBO2, m_strMomCombo2);
    DDX_Control(pDX, IDC_CO_SELECT, m_btnSelect);
    DDX_Text(pDX, IDC_CO_TOP_AREA, m_strTopArea);
    DDX_Text(pDX, IDC_CO_BOT_AREA, m_strBotArea);
    DDX_Text(pDX, IDC_CO_STIR_AREA, m_strStirArea);
    DDX_Radio(pDX, IDC_CO_TOP_ONE_ROW, m_nTopLayer);
    DDX_Radio(pDX, IDC_CO_BOT_ONE_ROW, m_nBotLayer);
}

BOOL CBeamComOutputDlg::OnInitDialog() {
    CBeamOutputDlg::OnInitDialog();
    for (UINT nID : {IDC_CO_BOT_COUNT1, IDC_CO_BOT_COUNT2, IDC_CO_TOP_COUNT1, IDC_CO_TOP_COUNT2}) {
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
        for (int n = 1; n <= 9; ++n) {
            CString strCount;
            strCount.Format("%d根", n);
            pCombo->AddString(strCount);
        }
    }
    for (UINT nID : {IDC_CO_BOT_DIA1, IDC_CO_BOT_DIA2, IDC_CO_TOP_DIA1, IDC_CO_TOP_DIA2}) {
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
        for (int d : g_BarDiameters) {
            CString strDiameter;
            strDiameter.Format("%d", d);
            pCombo->AddString(strDiameter);
        }
    }
    CComboBox* pStirrup = static_cast<CComboBox*>(GetDlgItem(IDC_CO_STIR_DIA));
    for (int d : kStirrupChoices) {
        CString strDiameter;
        strDiameter.Format("%d", d);
        pStirrup->AddString(strDiameter);
    }
    if (m_pBeam) m_pBeam->m_Graph.SetGraph(GetDlgItem(IDC_CO_PICTURE));
    m_nCurRow = -1;
    return TRUE;
}

void CBeamComOutputDlg::OnPaint() {
    CPaintDC dc(this);
    if (!m_pBeam) return;
    m_pBeam->DrawBeam(0);
    if (!m_pBeam->m_Graph.isEmpty()) m_pBeam->m_Graph.ViewBitMap();
}

BOOL CBeamComOutputDlg::OnHelpInfo(HELPINFO*) { return TRUE; }

void CBeamComOutputDlg::InsertSectionColumns() {
    CBeamOutputDlg::InsertSectionColumns();
    m_lstSection.InsertColumn(" 挠度 ", 4, -1, LVCF_TEXT | LVCF_WIDTH, LVCFMT_LEFT);
    m_lstSection.InsertColumn("裂缝", 5, -1, LVCF_TEXT | LVCF_WIDTH, LVCFMT_LEFT);
}

void CBeamComOutputDlg::ShowForceValue(const CalValue& value, double dPos, int nCases, CString& strValue,
                                       CString& strPos, CString& strCombo) {
    strValue.Format("%1.2f", value.m_dValue);
    strPos.Format("%1.2f", dPos);
    strCombo.Empty();
    for (int k = 1; k <= std::min(nCases, 32); ++k) {
        if (!(value.m_dwComMask & (static_cast<DWORD>(1) << (k - 1)))) continue;
        CString strCase;
        strCase.Format(strCombo.IsEmpty() ? "%d" : "+%d", k);
        strCombo += strCase;
    }
}

const CSteelSpan* CBeamComOutputDlg::SpanOfRow(int nRow) const {
    const int n = SpanCount();
    if (n == 0 || nRow < 0) return nullptr;
    const int i = nRow / 2;
    return m_pBeam->getSpan(i < n ? i : n - 1);
}

void CBeamComOutputDlg::ShowSectionForces(int bMidSpan, int nIndex) {
    const int n = SpanCount();
    const CSteelSpan* pSpan = n ? m_pBeam->getSpan(nIndex < n ? nIndex : n - 1) : nullptr;
    if (!pSpan || pSpan->IsEmptyEnvelop()) return;
    const int nCases = m_pBeam->GetComNum();
    CalValue shear;
    double x = 0;
    pSpan->GetMaxShear(shear, x);
    ShowForceValue(shear, x, nCases, m_strShearVal, m_strShearPos, m_strShearCombo);
    if (!bMidSpan) {
        const int j = nIndex < n ? 0 : BEAM_ENVELOPE_POINTS - 1;
        ShowForceValue(pSpan->m_NegMomEnv[j], 0, nCases, m_strMomVal1, m_strMomPos1, m_strMomCombo1);
        ShowForceValue(pSpan->m_PosMomEnv[j], 0, nCases, m_strMomVal2, m_strMomPos2, m_strMomCombo2);
        m_strMomPos1.Empty();
        m_strMomPos2.Empty();
        m_strShearVal.Empty();
        m_strShearPos.Empty();
        m_strShearCombo.Empty();
        return;
    }
    CalValue sagging, hogging;
    double xs = 0, xh = 0;
    pSpan->GetCenMaxNegMom(hogging, xh);
    ShowForceValue(hogging, xh, nCases, m_strMomVal2, m_strMomPos2, m_strMomCombo2);
    sagging = CContinuousBeam::GetSpanSagging(*pSpan, xs);
    ShowForceValue(sagging, xs, nCases, m_strMomVal1, m_strMomPos1, m_strMomCombo1);
    if (std::fabs(shear.m_dValue) < 1e-6) m_strShearPos = "无危险截面";
}

void CBeamComOutputDlg::FillSpanRow(int, int nRow) {
    if (!HasRecord(nRow)) return;
    const SectionResult& result = m_pBeam->m_ResultArr[nRow];
    if (result.m_bInitStiBar) SetStirrupText(result, nRow, 3);
}

void CBeamComOutputDlg::SetData(CVuskParam* pParam) {
    CBeamOutputDlg::SetData(pParam);
    if (!m_pBeam || !m_lstSection.GetSafeHwnd()) return;
    for (int r = 0; r < m_lstSection.GetItemCount(); ++r) ShowServiceability(r);
}

void CBeamComOutputDlg::ShowServiceability(int nRow) {
    if (!HasRecord(nRow)) return;
    const SectionResult& result = m_pBeam->m_ResultArr[nRow];
    const BOOL bChecked = m_pBeam->HasServiceBars(nRow);
    CString strDeform, strCrack = "—";
    if (nRow % 2) {
        strDeform = "—";
        if (bChecked) {
            strDeform.Format(result.Deform < 0 ? "%.2f↑" : "%.2f↓", std::fabs(result.Deform) * 1000);
            if (!m_pBeam->IsDeflectionWithinLimit(nRow / 2)) strDeform += " 不满足";
        }
    }
    // A free end has no moment to crack it.
    if (m_pBeam->IsFreeEnd(nRow / 2) && nRow % 2 == 0)
        strCrack.Empty();
    else if (bChecked) {
        strCrack.Format("%1.2f", result.Crack);
        if (!m_pBeam->IsCrackWithinLimit(nRow)) strCrack += " 不满足";
    }
    m_lstSection.SetItemText(nRow, 4, strDeform);
    m_lstSection.SetItemText(nRow, 5, strCrack);
}

SectionResult* CBeamComOutputDlg::CurrentRecord() {
    return HasRecord(m_nCurRow) ? &m_pBeam->m_ResultArr[m_nCurRow] : nullptr;
}

void CBeamComOutputDlg::ShowBarBoxes(BOOL bTop, int n1, int d1, int n2, int d2) {
    const int ids[4] = {bTop ? IDC_CO_TOP_COUNT1 : IDC_CO_BOT_COUNT1, bTop ? IDC_CO_TOP_COUNT2 : IDC_CO_BOT_COUNT2,
                        bTop ? IDC_CO_TOP_DIA1 : IDC_CO_BOT_DIA1, bTop ? IDC_CO_TOP_DIA2 : IDC_CO_BOT_DIA2};
    static_cast<CComboBox*>(GetDlgItem(ids[0]))->SetCurSel(n1 - 1);
    static_cast<CComboBox*>(GetDlgItem(ids[1]))->SetCurSel(n2 - 1);
    static_cast<CComboBox*>(GetDlgItem(ids[2]))->SetCurSel(BarDiameterIndex(d1));
    static_cast<CComboBox*>(GetDlgItem(ids[3]))->SetCurSel(BarDiameterIndex(d2));
}

void CBeamComOutputDlg::OnSectionChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int f = m_lstSection.GetSelectedItem();
    if (m_bBusy || f < 0 || f == m_nCurRow || !m_pBeam || f >= m_RowChoices.GetSize()) return;
    m_bBusy = true;
    m_nCurRow = f;
    const CString B = m_lstSection.GetItemText(f, 1), T = m_lstSection.GetItemText(f, 2),
                  S = m_lstSection.GetItemText(f, 3);
    m_RowChoices[f].m_nBotLayer = B.Find('+') >= 0 ? 1 : 0;
    m_RowChoices[f].m_nTopLayer = T.Find('+') >= 0 ? 1 : 0;
    ShowSectionRow(f, S);
    int n1b = 0, d1b = 0, n2b = 0, d2b = 0, n1t = 0, d1t = 0, n2t = 0, d2t = 0, d = 0, s = 0;
    ReadBarText(B, m_pBeam->m_strMainReinLv, n1b, d1b, n2b, d2b);
    ReadBarText(T, m_pBeam->m_strMainReinLv, n1t, d1t, n2t, d2t);
    ReadStirrupText(S, m_pBeam->m_strHoopReinLv, d, s);
    ShowBarBoxes(FALSE, n1b, d1b, n2b, d2b);
    ShowBarBoxes(TRUE, n1t, d1t, n2t, d2t);
    const int nStirPos = PositionOf(kStirrupChoices, kStirrupChoiceCount, d);
    static_cast<CComboBox*>(GetDlgItem(IDC_CO_STIR_DIA))->SetCurSel(nStirPos);
    if (nStirPos >= 0) m_nStirDiaIndex = nStirPos;
    for (UINT nID : {IDC_CO_BOT_COUNT1, IDC_CO_BOT_DIA1, IDC_CO_TOP_COUNT1, IDC_CO_TOP_DIA1})
        GetDlgItem(nID)->EnableWindow(TRUE);
    GetDlgItem(IDC_CO_BOT_COUNT2)->EnableWindow(n2b >= 1);
    GetDlgItem(IDC_CO_BOT_DIA2)->EnableWindow(n2b >= 1);
    GetDlgItem(IDC_CO_TOP_COUNT2)->EnableWindow(n2t >= 1);
    GetDlgItem(IDC_CO_TOP_DIA2)->EnableWindow(n2t >= 1);
    GetDlgItem(IDC_CO_STIR_SPACING)->EnableWindow(d >= 1);
    GetDlgItem(IDC_CO_STIR_DIA)->EnableWindow(d >= 1);
    m_nStirSpacing = s;
    AddUserScheme(m_lstBotScheme, n1b, d1b, n2b, d2b);
    AddUserScheme(m_lstTopScheme, n1t, d1t, n2t, d2t);
    UpdateData(FALSE);
    m_bBusy = false;
}

CBarScheme CBeamComOutputDlg::ParseBarIndexes(const CString& strBars) const {
    int n1 = 0, d1 = 0, n2 = 0, d2 = 0;
    ReadBarText(strBars, m_pBeam->m_strMainReinLv, n1, d1, n2, d2);
    const int k1 = BarDiameterIndex(d1), k2 = BarDiameterIndex(d2);
    return CBarScheme{k1 >= 0 ? k1 : 0, k2 >= 0 ? k2 : 0, n1, n2};
}

void CBeamComOutputDlg::SchemeChanged(BOOL bTop) {
    if (m_bBusy) return;
    SectionResult* pRecord = CurrentRecord();
    if (!pRecord) return;
    ApplySelection();
    (bTop ? pRecord->m_bInitTopBar : pRecord->m_bInitBotBar) = 0;
    CListCtrlEx& list = bTop ? m_lstTopScheme : m_lstBotScheme;
    const int nSelected = list.GetSelectedItem();
    if (nSelected < 0) return;
    const CString X = list.GetItemText(nSelected, 0);
    int n1 = 0, d1 = 0, n2 = 0, d2 = 0;
    ReadBarText(X, m_pBeam->m_strMainReinLv, n1, d1, n2, d2);
    ShowBarBoxes(bTop, n1, d1, n2, d2);
    (bTop ? pRecord->TopBar : pRecord->BotBar) = ParseBarIndexes(X);
    (bTop ? pRecord->m_bInitTopBar : pRecord->m_bInitBotBar) = 1;
}

void CBeamComOutputDlg::OnBotSchemeChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    SchemeChanged(FALSE);
}

void CBeamComOutputDlg::OnTopSchemeChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    SchemeChanged(TRUE);
}

void CBeamComOutputDlg::OnStirrupChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    if (m_bBusy) return;
    SectionResult* pRecord = CurrentRecord();
    if (!pRecord) return;
    pRecord->m_bInitStiBar = 0;
    ApplySelection();
    const int nSelected = m_lstStirrup.GetSelectedItem();
    if (nSelected < 0) return;
    int d = 0, s = 0;
    if (!ReadStirrupText(m_lstStirrup.GetItemText(nSelected, 0), m_pBeam->m_strHoopReinLv, d, s)) return;
    // The record keeps the diameter's index, as every reader of the results takes it.
    const int nIndex = StirrupDiameterIndex(d);
    if (nIndex < 0) return;
    pRecord->m_bInitStiBar = 1;
    pRecord->StiInt = s;
    pRecord->StiDia = nIndex;
    pRecord->StiGrade = m_pBeam->m_strHoopReinLv;
    const int nPos = PositionOf(kStirrupChoices, kStirrupChoiceCount, d);
    static_cast<CComboBox*>(GetDlgItem(IDC_CO_STIR_DIA))->SetCurSel(nPos);
    if (nPos >= 0) m_nStirDiaIndex = nPos;
    m_nStirSpacing = s;
    // Writing the spacing box is the page's own change, not the engineer's edit.
    m_bBusy = true;
    UpdateData(FALSE);
    m_bBusy = false;
}

void CBeamComOutputDlg::AddUserScheme(CListCtrlEx& list, int n1, int d1, int n2, int d2) {
    double b = 0, h = 0;
    if (!m_pBeam->GetRecordSection(m_nCurRow, b, h) || n1 < 1) return;
    // The section the design used.
    const int W = static_cast<int>(b) - 50;
    auto fits = [W](int n, int d) { return W - (n - 1) * std::max(d, 25) >= n * d; };
    if (!fits(n1, d1) || !fits(n2, d2)) return;
    const CString X = n2 < 1 ? MakeBarText(m_pBeam->m_strMainReinLv, n1, d1, 0, 0)
                             : MakeBarText(m_pBeam->m_strMainReinLv, n1, d1, n2, d2);
    const CString Y = n2 >= 1 ? MakeBarText(m_pBeam->m_strMainReinLv, n2, d2, n1, d1) : CString("ABC1D3E5F");
    int nFound = -1;
    for (int r = 0; r < list.GetItemCount() && nFound < 0; ++r) {
        const CString strText = list.GetItemText(r, 0);
        if (strText == X || strText == Y) nFound = r;
    }
    if (nFound >= 0) {
        list.SelectItem(nFound);
        list.EnsureVisible(nFound, FALSE);
    }
    const double C = M_PI / 4 * (n1 * d1 * d1 + (n2 >= 1 ? n2 * d2 * d2 : 0));
    const double A = std::atof(GetEditText(&list == &m_lstBotScheme ? IDC_CO_BOT_AREA : IDC_CO_TOP_AREA));
    if (C < A) return;
    if (nFound < 0) {
        const int nLast = list.GetItemCount() - 1;
        const double F = nLast >= 0 ? std::atof(list.GetItemText(nLast, 1)) : 0;
        CString strArea;
        strArea.Format("%.2f", C);
        const int nRow = F < 1.25 * A || nLast < 0 ? nLast + 1 : nLast;
        if (nRow > nLast)
            list.SetItem(nRow, 0, X, -1);
        else
            list.SetItemText(nRow, 0, X);
        list.SetItemText(nRow, 1, strArea);
        list.SelectItem(nRow);
        list.EnsureVisible(nRow, FALSE);
    }
    CBeamOutputDlg::ApplySelection();
    UpdateServiceability(m_lstSection.GetSelectedItem());
}

void CBeamComOutputDlg::BarsChanged(BOOL bTop) {
    SectionResult* pRecord = CurrentRecord();
    if (!pRecord) return;
    CComboBox* pCount1 = static_cast<CComboBox*>(GetDlgItem(bTop ? IDC_CO_TOP_COUNT1 : IDC_CO_BOT_COUNT1));
    CComboBox* pCount2 = static_cast<CComboBox*>(GetDlgItem(bTop ? IDC_CO_TOP_COUNT2 : IDC_CO_BOT_COUNT2));
    if (pCount1->GetCurSel() < 0) return;
    const int n1 = pCount1->GetCurSel() + 1;
    const int d1 = NumberIn(GetComboBoxText(bTop ? IDC_CO_TOP_DIA1 : IDC_CO_BOT_DIA1));
    if (d1 < 6) return;
    double C = M_PI / 4 * n1 * d1 * d1;
    int n2 = 0, d2 = 0;
    if ((bTop ? m_nTopLayer : m_nBotLayer) != 0) {
        if (pCount2->GetCurSel() < 0) return;
        n2 = pCount2->GetCurSel() + 1;
        d2 = NumberIn(GetComboBoxText(bTop ? IDC_CO_TOP_DIA2 : IDC_CO_BOT_DIA2));
        if (d2 < 6) return;
        C += M_PI / 4 * n2 * d2 * d2;
    }
    const double A = std::atof(GetEditText(bTop ? IDC_CO_TOP_AREA : IDC_CO_BOT_AREA));
    if (!(C > A)) return;
    AddUserScheme(bTop ? m_lstTopScheme : m_lstBotScheme, n1, d1, n2, d2);
    (bTop ? pRecord->TopBar : pRecord->BotBar) = ParseBarIndexes(m_lstSection.GetItemText(m_nCurRow, bTop ? 2 : 1));
    (bTop ? pRecord->m_bInitTopBar : pRecord->m_bInitBotBar) = 1;
}

void CBeamComOutputDlg::OnBotBarsChanged() { BarsChanged(FALSE); }

void CBeamComOutputDlg::OnTopBarsChanged() { BarsChanged(TRUE); }

void CBeamComOutputDlg::OnStirrupEdited() {
    if (m_bBusy || !m_pBeam) return;
    CComboBox* pDiameter = static_cast<CComboBox*>(GetDlgItem(IDC_CO_STIR_DIA));
    if (pDiameter->GetCurSel() < 0) return;
    const int d = NumberIn(GetComboBoxText(IDC_CO_STIR_DIA));
    const int s = NumberIn(GetEditText(IDC_CO_STIR_SPACING));
    if (d < 6 || s < 50 || s > 500) return;
    const double A = d * d * 1.5707963267948966 / s * 1000;
    const int Q = static_cast<int>(std::atof(GetEditText(IDC_CO_STIR_AREA)));
    const CString X = MakeStirrupText(m_pBeam->m_strHoopReinLv, d, s);
    for (int r = 0; r < m_lstStirrup.GetItemCount(); ++r)
        if (m_lstStirrup.GetItemText(r, 0) == X) {
            m_lstStirrup.SelectItem(r);
            m_lstStirrup.EnsureVisible(r, FALSE);
            UpdateServiceability(m_lstSection.GetSelectedItem());
            return;
        }
    if (A < 1.15 * Q) return;
    const int nLast = m_lstStirrup.GetItemCount() - 1;
    const double F = nLast >= 0 ? std::atof(m_lstStirrup.GetItemText(nLast, 1)) : 0;
    CString strArea;
    strArea.Format("%.2f", A);
    const int nRow = F < 1.15 * Q || nLast < 0 ? nLast + 1 : nLast;
    if (nRow > nLast)
        m_lstStirrup.SetItem(nRow, 0, X, -1);
    else
        m_lstStirrup.SetItemText(nRow, 0, X);
    m_lstStirrup.SetItemText(nRow, 1, strArea);
    m_lstStirrup.SelectItem(nRow);
    m_lstStirrup.EnsureVisible(nRow, FALSE);
    CBeamOutputDlg::ApplySelection();
    UpdateServiceability(m_lstSection.GetSelectedItem());
}

void CBeamComOutputDlg::LayerChanged(BOOL bTop, int nLayer) {
    if (m_bBusy) return;
    m_bBusy = true;
    int& nCurrent = bTop ? m_nTopLayer : m_nBotLayer;
    if (nLayer == nCurrent || m_nCurRow < 0 || m_nCurRow >= m_RowChoices.GetSize()) {
        if (m_nCurRow < 0) ReportAssert("BeamComOutput", bTop ? 1743 : 1583);
        m_bBusy = false;
        return;
    }
    nCurrent = nLayer;
    (bTop ? m_RowChoices[m_nCurRow].m_nTopLayer : m_RowChoices[m_nCurRow].m_nBotLayer) = nLayer;
    GetDlgItem(bTop ? IDC_CO_TOP_COUNT2 : IDC_CO_BOT_COUNT2)->EnableWindow(nLayer == 1);
    GetDlgItem(bTop ? IDC_CO_TOP_DIA2 : IDC_CO_BOT_DIA2)->EnableWindow(nLayer == 1);
    RedesignSection();
    const CString X = m_lstSection.GetItemText(m_nCurRow, bTop ? 2 : 1);
    const BOOL bTwoGroups = X.Find('+') >= 0;
    if (bTwoGroups == (nLayer == 1)) {
        int n1 = 0, d1 = 0, n2 = 0, d2 = 0;
        ReadBarText(X, m_pBeam->m_strMainReinLv, n1, d1, n2, d2);
        ShowBarBoxes(bTop, n1, d1, n2, d2);
        GetDlgItem(bTop ? IDC_CO_TOP_COUNT1 : IDC_CO_BOT_COUNT1)->EnableWindow(TRUE);
        GetDlgItem(bTop ? IDC_CO_TOP_DIA1 : IDC_CO_BOT_DIA1)->EnableWindow(TRUE);
        GetDlgItem(bTop ? IDC_CO_TOP_COUNT2 : IDC_CO_BOT_COUNT2)->EnableWindow(n2 >= 1);
        GetDlgItem(bTop ? IDC_CO_TOP_DIA2 : IDC_CO_BOT_DIA2)->EnableWindow(n2 >= 1);
        AddUserScheme(bTop ? m_lstTopScheme : m_lstBotScheme, n1, d1, n2, d2);
        UpdateData(FALSE);
    }
    m_bBusy = false;
}

void CBeamComOutputDlg::OnBotLayer(UINT nID) { LayerChanged(FALSE, nID == IDC_CO_BOT_TWO_ROWS ? 1 : 0); }

void CBeamComOutputDlg::OnTopLayer(UINT nID) { LayerChanged(TRUE, nID == IDC_CO_TOP_TWO_ROWS ? 1 : 0); }

void CBeamComOutputDlg::RedesignSection() {
    if (!m_pSpareDesign) {
        ReportAssert("BeamComOutput", 241);
        return;
    }
    const CSteelSpan* pSpan = SpanOfRow(m_nCurRow);
    if (!pSpan) return;
    m_pSpareDesign->m_BotList.RemoveAll();
    m_pSpareDesign->m_TopList.RemoveAll();
    m_bRedesigned = 1;
    const int n = SpanCount(), i = m_nCurRow / 2;
    double M1 = 0, M2 = 0, x = 0;
    if (m_nCurRow % 2 == 0) {
        const int j = i < n ? 0 : BEAM_ENVELOPE_POINTS - 1;
        M1 = pSpan->getPosMoment(j);
        M2 = pSpan->getNegMoment(j);
    } else {
        M1 = CContinuousBeam::GetSpanSagging(*pSpan, x).m_dValue;
        pSpan->GetCenMaxNegMom(M2, x);
    }
    double b = 0, h = 0;
    m_pBeam->GetRecordSection(m_nCurRow, b, h);
    CSectionBar bar(static_cast<int>(h), static_cast<int>(b), m_pBeam->m_strConLevel, m_pBeam->m_strMainReinLv,
                    m_pBeam->m_ProtectAs, m_pBeam->m_IntensionCheck, m_pBeam->m_StlIntension);
    bar.DesignWithRows(*m_pSpareDesign, M1, M2, m_nBotLayer == 0, m_nTopLayer == 0);
    m_lstBotScheme.DeleteAllItems();
    m_lstTopScheme.DeleteAllItems();
    m_strBotCaption = "下钢筋方案:";
    m_strTopCaption = "上钢筋方案:";
    ShowSectionDesign(m_pSpareDesign);
    UpdateGroupCaptions(m_nCurRow);
    CommitSectionDesign();
    UpdateData(FALSE);
}

void CBeamComOutputDlg::ApplySelection() {
    CBeamOutputDlg::ApplySelection();
    UpdateServiceability(m_lstSection.GetSelectedItem());
}

void CBeamComOutputDlg::OnApply() { ApplySelection(); }

void CBeamComOutputDlg::UpdateServiceability(int nRow) {
    if (!HasRecord(nRow)) return;
    SectionResult& record = m_pBeam->m_ResultArr[nRow];
    for (BOOL bTop : {FALSE, TRUE}) {
        const CString strBars = m_lstSection.GetItemText(nRow, bTop ? 2 : 1);
        (bTop ? record.m_bInitTopBar : record.m_bInitBotBar) = !strBars.IsEmpty();
        if (!strBars.IsEmpty()) (bTop ? record.TopBar : record.BotBar) = ParseBarIndexes(strBars);
    }
    m_pBeam->CheckServiceability();
    for (int r = 0; r < m_lstSection.GetItemCount(); ++r) ShowServiceability(r);
}

void CBeamComOutputDlg::OnDrawSection() { DrawSection(); }
