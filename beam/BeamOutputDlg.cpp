// The continuous beam's result page base: sections, candidate schemes and stirrups, the picks.
#include "beam/BeamOutputDlg.h"

#include "beam/BarText.h"
#include "resources/ContinuousBeamResource.h"

IMPLEMENT_DYNAMIC(CBeamOutputDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamOutputDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_CO_SELECT, OnApply)
    ON_NOTIFY(NM_DBLCLK, IDC_CO_BOT_SCHEMES, OnCandidateDblClk)
    ON_NOTIFY(NM_DBLCLK, IDC_CO_TOP_SCHEMES, OnCandidateDblClk)
    ON_NOTIFY(NM_DBLCLK, IDC_CO_STIRRUPS, OnCandidateDblClk)
    ON_MESSAGE(WM_LIST_CLICKED, OnListClick)
END_MESSAGE_MAP()

CBeamOutputDlg::CBeamOutputDlg(UINT nIDTemplate, CWnd* pParent)
    : CCaltPageDlg(nIDTemplate, pParent),
      m_bBusy(false),
      m_nTopLayer(-1),
      m_nBotLayer(-1),
      m_pBeam(nullptr),
      m_nCurRow(-1000),
      m_bRedesigned(0),
      m_bSectionHit(0),
      m_bBotHit(0),
      m_bTopHit(0),
      m_bStirHit(0),
      m_pSpareDesign(nullptr) {}

CBeamOutputDlg::~CBeamOutputDlg() { delete m_pSpareDesign; }

void CBeamOutputDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CO_SELECT, m_btnSelect);
    DDX_Text(pDX, IDC_CO_TOP_AREA, m_strTopArea);
    DDX_Text(pDX, IDC_CO_BOT_AREA, m_strBotArea);
    DDX_Text(pDX, IDC_CO_STIR_AREA, m_strStirArea);
    DDX_Radio(pDX, IDC_CO_TOP_ONE_ROW, m_nTopLayer);
    DDX_Radio(pDX, IDC_CO_BOT_ONE_ROW, m_nBotLayer);
}

BOOL CBeamOutputDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_lstSection.SubclassDlgItem(IDC_CO_SECTIONS, this);
    m_lstSection.SetFullRowSel(TRUE);
    InsertSectionColumns();
    const int n = SpanCount();
    for (int r = 0; r < 2 * n + 1 && n > 0; ++r) {
        CString strLabel;
        if (r % 2 == 0)
            strLabel.Format("%d支座", r / 2);
        else
            strLabel.Format("%d跨中", r / 2 + 1);
        m_lstSection.SetItem(r, 0, strLabel, -1);
    }
    m_RowChoices.SetSize(n > 0 ? 2 * n + 1 : 0);
    for (int r = 0; r < m_RowChoices.GetSize(); ++r) m_RowChoices[r] = RowChoice{-1, -1, -1, -1, -1};
    const struct {
        CListCtrlEx* pList;
        UINT nID;
        LPCTSTR lpszHeading;
    } lists[] = {{&m_lstBotScheme, IDC_CO_BOT_SCHEMES, "下钢筋方案"},
                 {&m_lstTopScheme, IDC_CO_TOP_SCHEMES, "上钢筋方案"},
                 {&m_lstStirrup, IDC_CO_STIRRUPS, "箍筋方案"}};
    for (const auto& list : lists) {
        list.pList->SubclassDlgItem(list.nID, this);
        list.pList->SetFullRowSel(TRUE);
        list.pList->InsertColumn(list.lpszHeading, 0, -1, LVCF_TEXT | LVCF_WIDTH, LVCFMT_LEFT);
        list.pList->InsertColumn("实际面积", 1, -1, LVCF_TEXT | LVCF_WIDTH, LVCFMT_LEFT);
    }
    EnableLayerRadios(false);
    return TRUE;
}

void CBeamOutputDlg::InsertSectionColumns() {
    const LPCTSTR columns[] = {"截面", "下钢筋方案", "上钢筋方案", " 箍筋方案 "};
    for (int c = 0; c < 4; ++c) m_lstSection.InsertColumn(columns[c], c, -1, LVCF_TEXT | LVCF_WIDTH, LVCFMT_LEFT);
}

void CBeamOutputDlg::ShowSectionForces(int, int) {}

void CBeamOutputDlg::UpdateGroupCaptions(int) {
    SetDlgItemText(IDC_CO_RESULT_GROUP, m_strResultCaption);
    SetDlgItemText(IDC_CO_OUTER_GROUP, m_strResultCaption);
    SetDlgItemText(IDC_CO_BOT_GROUP, m_strBotCaption);
    SetDlgItemText(IDC_CO_TOP_GROUP, m_strTopCaption);
    SetDlgItemText(IDC_CO_FORCE_GROUP, m_strForceCaption);
    SetDlgItemText(IDC_CO_STIR_GROUP, m_strStirCaption);
    Invalidate();
    UpdateWindow();
}

void CBeamOutputDlg::RedesignSection() {}

void CBeamOutputDlg::FillSpanRow(int, int nRow) {
    if (!HasRecord(nRow)) return;
    const SectionResult& result = m_pBeam->m_ResultArr[nRow];
    if (result.m_bInitStiBar)
        SetStirrupText(result, nRow, 3);
    else
        m_lstSection.SetItemText(nRow, 3, "");
}

void CBeamOutputDlg::EnableLayerRadios(bool bEnable) {
    for (UINT nID : {IDC_CO_TOP_ONE_ROW, IDC_CO_BOT_ONE_ROW, IDC_CO_TOP_TWO_ROWS, IDC_CO_BOT_TWO_ROWS})
        if (CWnd* pRadio = GetDlgItem(nID)) pRadio->EnableWindow(bEnable);
}

CString CBeamOutputDlg::DesignStateText(int nCode) {
    if (nCode == SECTION_TOO_SMALL) return "*超过截面上限*";
    if (nCode == SECTION_NO_SCHEME) return "*无配筋方案*";
    return "*正常*";
}

CString CBeamOutputDlg::StirrupStateText(int nCode) {
    if (nCode == STIRRUP_TOO_SMALL) return "*截面尺寸不足*";
    if (nCode == STIRRUP_NO_OPTION) return "*无配筋方案*";
    return "*正常*";
}

void CBeamOutputDlg::SetStirrupText(const SectionResult& result, int nRow, int nColumn) {
    if (result.StiInt < 0 || !m_pBeam) return;
    m_lstSection.SetItemText(nRow, nColumn,
                             MakeStirrupText(m_pBeam->m_strHoopReinLv, StirrupDiameter(result.StiDia), result.StiInt));
}

SectionDesign*& CBeamOutputDlg::DesignSlot(int nRow) {
    static SectionDesign* s_pNone = nullptr;
    s_pNone = nullptr;
    const int i = nRow / 2;
    PtrVector<SectionDesign*>& designs = nRow % 2 ? m_pBeam->m_MidDesignArr : m_pBeam->m_TipDesignArr;
    return i >= 0 && i < designs.GetSize() ? designs[i] : s_pNone;
}

void CBeamOutputDlg::SetData(CVuskParam*) {
    FillSectionRows();
    if (!m_pSpareDesign) m_pSpareDesign = new SectionDesign;
}

void CBeamOutputDlg::FillSectionRows() {
    if (!m_pBeam || !m_lstSection.GetSafeHwnd() || m_lstSection.GetItemCount() == 0) return;
    for (int r = 0; r < m_lstSection.GetItemCount() && r < m_RowChoices.GetSize(); ++r) {
        const SectionDesign* pDesign = DesignSlot(r);
        if (!pDesign) {
            ReportAssert("BeamOutput", 546);
            continue;
        }
        m_RowChoices[r].m_nBotLayer = pDesign->m_nBotCode;
        m_RowChoices[r].m_nTopLayer = pDesign->m_nTopCode;
        if (!HasRecord(r)) continue;
        const SectionResult& result = m_pBeam->m_ResultArr[r];
        m_lstSection.SetItemText(r, 1, result.m_bInitBotBar ? result.BotBar.GetText(m_pBeam->m_strMainReinLv) : CString());
        m_lstSection.SetItemText(r, 2, result.m_bInitTopBar ? result.TopBar.GetText(m_pBeam->m_strMainReinLv) : CString());
        if (r % 2) FillSpanRow(r / 2, r);
    }
}

void CBeamOutputDlg::ClearSectionDisplay() {
    m_lstBotScheme.DeleteAllItems();
    m_lstTopScheme.DeleteAllItems();
    m_lstStirrup.DeleteAllItems();
    m_strStirArea.Empty();
    m_strTopArea.Empty();
    m_strBotArea.Empty();
    m_strResultCaption = "截面配筋结果:";
    m_strBotCaption = "下钢筋方案:";
    m_strTopCaption = "上钢筋方案:";
    m_strForceCaption = "截面内力:";
    m_strStirCaption = "箍筋方案:";
}

void CBeamOutputDlg::ShowSectionRow(int nRow, const CString& strStirrupText) {
    if (!m_pBeam || nRow < 0 || nRow >= m_RowChoices.GetSize()) return;
    ClearSectionDisplay();
    m_nTopLayer = m_RowChoices[nRow].m_nTopLayer;
    m_nBotLayer = m_RowChoices[nRow].m_nBotLayer;
    if (nRow % 2)
        ShowSpan(nRow / 2, strStirrupText);
    else
        ShowSupport(nRow / 2);
    UpdateGroupCaptions(nRow);
    m_bRedesigned = 0;
    UpdateData(FALSE);
    SelectRowChoice(nRow);
    m_bSectionHit = m_bBotHit = m_bTopHit = m_bStirHit = 1;
    m_btnSelect.EnableWindow(TRUE);
}

void CBeamOutputDlg::ShowSupport(int i) {
    CString strName;
    strName.Format("%d支座", i);
    m_strResultCaption += strName;
    m_strForceCaption += strName;
    ShowSectionForces(0, i);
    ShowSectionDesign(DesignSlot(2 * i));
    m_lstStirrup.EnableWindow(FALSE);
}

void CBeamOutputDlg::ShowSpan(int i, const CString& strStirrupText) {
    CString strName;
    strName.Format("%d跨", i + 1);
    m_strResultCaption += strName;
    m_strForceCaption += strName;
    ShowSectionForces(1, i);
    ShowSectionDesign(DesignSlot(2 * i + 1));
    m_lstStirrup.EnableWindow(TRUE);
    FillStirrupList(i < m_pBeam->m_StirrupSetArr.GetSize() ? m_pBeam->m_StirrupSetArr[i] : nullptr, strStirrupText);
}

void CBeamOutputDlg::ShowSectionDesign(const SectionDesign* pDesign) {
    if (!pDesign) return;
    m_strBotArea.Format("%1.2f", pDesign->m_dBotArea);
    m_strTopArea.Format("%1.2f", pDesign->m_dTopArea);
    FillSchemeList(m_lstBotScheme, pDesign->m_BotList, 1);
    FillSchemeList(m_lstTopScheme, pDesign->m_TopList, 2);
    m_strBotCaption += DesignStateText(pDesign->m_nBotCode);
    m_strTopCaption += DesignStateText(pDesign->m_nTopCode);
}

void CBeamOutputDlg::FillSchemeList(CListCtrlEx& list, const PtrVectorList<CBarScheme*>& schemes, int nColumn) {
    const CString strCurrent = m_nCurRow >= 0 ? m_lstSection.GetItemText(m_nCurRow, nColumn) : CString();
    int nMatch = -1, k = 0;
    for (auto* pNode = schemes.m_Head.m_pNext; pNode; pNode = pNode->m_pNext, ++k) {
        const CBarScheme* pScheme = pNode->m_Value;
        if (!pScheme) {
            ReportAssert("BeamOutput", 530);
            continue;
        }
        const CString strText = pScheme->GetText(m_pBeam->m_strMainReinLv);
        list.SetItem(k, 0, strText, -1);
        CString strArea;
        strArea.Format("%1.2f", pScheme->GetArea());
        list.SetItem(k, 1, strArea, -1);
        if (strText == strCurrent) nMatch = k;
    }
    list.SelectItem(nMatch);
}

void CBeamOutputDlg::FillStirrupList(const StirrupOptionSet* pSet, const CString& strCurrent) {
    if (!pSet) {
        ReportAssert("BeamOutput", 338);
        return;
    }
    if (pSet->m_dAreaPerMetre != 0) m_strStirArea.Format("%1.2f", pSet->m_dAreaPerMetre);
    m_strStirCaption += StirrupStateText(pSet->m_nCode);
    int nMatch = -1, k = 0;
    for (auto* pNode = pSet->m_Options.m_Head.m_pNext; pNode; pNode = pNode->m_pNext, ++k) {
        const StirrupOption* pOption = pNode->m_Value;
        if (!pOption) {
            ReportAssert("BeamOutput", 354);
            continue;
        }
        const int d = StirrupDiameter(pOption->m_nDiaIndex), s = pOption->m_nSpacing;
        const CString strText = MakeStirrupText(m_pBeam->m_strHoopReinLv, d, s);
        m_lstStirrup.SetItem(k, 0, strText, -1);
        CString strArea;
        strArea.Format("%1.2f", s > 0 ? d * d * 1.5707963267948966 / s * 1000 : 0.0);
        m_lstStirrup.SetItem(k, 1, strArea, -1);
        if (strText == strCurrent) nMatch = k;
    }
    m_lstStirrup.SelectItem(nMatch >= 0 ? nMatch : 0);
}

void CBeamOutputDlg::SelectRowChoice(int nRow) {
    const RowChoice& choice = m_RowChoices[nRow];
    const struct {
        CListCtrlEx* pList;
        int nPick;
    } picks[] = {{&m_lstTopScheme, choice.m_nTopScheme}, {&m_lstBotScheme, choice.m_nBotScheme},
                 {&m_lstStirrup, choice.m_nStirrup}};
    for (const auto& pick : picks)
        if (pick.nPick >= 0) {
            pick.pList->SelectItem(pick.nPick);
            pick.pList->EnsureVisible(pick.nPick, FALSE);
        }
    m_nTopLayer = choice.m_nTopLayer;
    m_nBotLayer = choice.m_nBotLayer;
    UpdateData(FALSE);
}

LRESULT CBeamOutputDlg::OnListClick(WPARAM wParam, LPARAM lParam) {
    const int bHit = wParam == 1;
    const HWND hList = reinterpret_cast<HWND>(lParam);
    if (hList == m_lstSection.GetSafeHwnd()) {
        m_bSectionHit = bHit;
        if (!bHit) {
            m_nCurRow = -1000;
            ClearSectionDisplay();
            UpdateGroupCaptions(0);
            UpdateData(FALSE);
        }
        EnableLayerRadios(bHit);
    } else if (hList == m_lstBotScheme.GetSafeHwnd()) {
        m_bBotHit = bHit;
    } else if (hList == m_lstTopScheme.GetSafeHwnd()) {
        m_bTopHit = bHit;
    } else if (hList == m_lstStirrup.GetSafeHwnd()) {
        m_bStirHit = bHit;
    }
    m_btnSelect.EnableWindow(m_bSectionHit && m_bBotHit && m_bTopHit && m_bStirHit);
    return 0;
}

void CBeamOutputDlg::OnApply() { ApplySelection(); }

void CBeamOutputDlg::OnCandidateDblClk(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    CListCtrl* pList = static_cast<CListCtrl*>(GetDlgItem(static_cast<int>(pNMHDR->idFrom)));
    if (pList && pList->GetItemCount() > 0) ApplySelection();
}

void CBeamOutputDlg::ApplySelection() {
    const int b = m_lstBotScheme.GetSelectedItem(), t = m_lstTopScheme.GetSelectedItem(),
              s = m_lstStirrup.GetSelectedItem();
    const int r = m_lstSection.GetSelectedItem();
    if (r < 0 || r >= m_RowChoices.GetSize()) return;
    m_lstSection.SetItemText(r, 1, b >= 0 ? m_lstBotScheme.GetItemText(b, 0) : CString());
    m_lstSection.SetItemText(r, 2, t >= 0 ? m_lstTopScheme.GetItemText(t, 0) : CString());
    m_lstSection.SetItemText(r, 3, s >= 0 ? m_lstStirrup.GetItemText(s, 0) : CString());
    m_RowChoices[r] = RowChoice{b, t, s, m_nBotLayer, m_nTopLayer};
    if (m_bRedesigned == 1) CommitSectionDesign();
}

void CBeamOutputDlg::CommitSectionDesign() {
    if (!m_pSpareDesign) {
        ReportAssert("BeamOutput", 499);
        return;
    }
    const PtrVector<SectionDesign*>& designs = m_nCurRow % 2 ? m_pBeam->m_MidDesignArr : m_pBeam->m_TipDesignArr;
    if (m_nCurRow < 0 || m_nCurRow / 2 >= designs.GetSize()) return;
    SectionDesign*& pSlot = DesignSlot(m_nCurRow);
    SectionDesign* pOld = pSlot;
    pSlot = m_pSpareDesign;
    m_pSpareDesign = pOld ? pOld : new SectionDesign;
    m_pSpareDesign->m_BotList.RemoveAll();
    m_pSpareDesign->m_TopList.RemoveAll();
    m_bRedesigned = 0;
}
