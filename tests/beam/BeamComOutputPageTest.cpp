// The continuous beam's result page: the section rows with stirrups and serviceability, the forces
// with their load combinations, editing bars and stirrups into the beam's results, and the section
// drawing's parameters.
#include <gtest/gtest.h>

#include <cmath>

#include "Printers.h"
#include "ReportRows.h"
#include "TempStore.h"
#include "beam/BeamComOutputDlg.h"
#include "host/VuskMainInfo.h"
#include "host/YorFile.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/stdctrl/ComboBox.h"
#include "sibling/BeamRecords.h"

namespace {

// Two spans of 6 m, 250 × 500, 10 kN/m dead and 10 kN/m live on both: support 1 −117 kN·m from
// cases 1 and 2, the spans 65.81 kN·m at 2.25 m and 3.75 m, shears ±97.5 kN at support 1.
class BeamComOutputPage : public testing::Test {
protected:
    void SetUp() override {
        qelt::InteractionLog::Instance().Clear();
        MakeBeam();
        ASSERT_EQ(CalculationResult(), m_beam.Calculate());
        // The first span's stirrups: 8 mm (index 3) at 200; its serviceability set.
        SectionResult& mid = m_beam.m_ResultArr[1];
        mid.StiDia = 3;
        mid.StiInt = 200;
        mid.Deform = 0.0123;
        mid.Crack = 0.18;
        m_beam.m_ResultArr[3].Deform = -0.002;
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        m_page.m_pBeam = &m_beam;
        ASSERT_TRUE(m_page.Create(CBeamComOutputDlg::IDD, &m_frame));
        m_page.ShowWindow(SW_SHOW);
        m_page.SetData(&m_beam);
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }
    // What the calculation of the beam returns: 0 when a section is left without a design.
    virtual int CalculationResult() const { return 1; }
    virtual void MakeBeam() {
        for (int i = 0; i < 2; ++i) AddSpan(250, 500);
        m_beam.AddComStyle(BEAM_CASE_LIVE);
        for (int c = 0; c < 2; ++c) {
            m_beam.SetCurrentCom(c);
            for (int i = 0; i < 2; ++i) m_beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
        }
    }
    void AddSpan(double b, double h) {
        CSteelSpan* pSpan = new CSteelSpan;
        pSpan->m_dSpanLen = 6;
        pSpan->m_dSecWidth = b;
        pSpan->m_dSecHeight = h;
        m_beam.AddSpan(pSpan);
    }
    CString Cell(int nRow, int nCol) { return m_page.m_lstSection.GetItemText(nRow, nCol); }
    void Choose(UINT nID, const char* pszText) {
        CComboBox* pCombo = static_cast<CComboBox*>(m_page.GetDlgItem(nID));
        pCombo->SetCurSel(pCombo->FindStringExact(-1, pszText));
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(pCombo->GetSafeHwnd()));
    }

    TempStore m_store;
    CWnd m_frame;
    CContinuousBeam m_beam;
    CBeamComOutputDlg m_page;
};

TEST_F(BeamComOutputPage, RowsShowBarsStirrupsAndServiceability) {
    ASSERT_EQ(5, m_page.m_lstSection.GetItemCount());
    const char* labels[] = {"0支座", "1跨中", "1支座", "2跨中", "2支座"};
    for (int r = 0; r < 5; ++r) EXPECT_EQ(CString(labels[r]), Cell(r, 0));
    // The support's top bars as the design chose them (As = 1294.36: 4d22 = 1520.53).
    EXPECT_EQ(CString("4d22"), Cell(2, 2));
    // A stirrup index of 3 is 8 mm.
    EXPECT_EQ(CString("d8@200"), Cell(1, 3));
    EXPECT_EQ(CString("12.30↓"), Cell(1, 4));
    EXPECT_EQ(CString("0.18"), Cell(1, 5));
    EXPECT_EQ(CString("2.00↑"), Cell(3, 4));
    EXPECT_EQ(CString(""), Cell(2, 3));
    // The supports show their crack widths: support 1 under Mk = 20 · 6²/8 = 90 kN·m on 4d22,
    // σsk = 146.3, ψ = 0.733, c = 24: 0.126 mm; the simply supported ends have no moment.
    EXPECT_EQ(CString(""), Cell(2, 4));
    EXPECT_EQ(CString("0.13"), Cell(2, 5));
    EXPECT_EQ(CString("0.00"), Cell(0, 5));
    // Beyond the limits (6000/200 = 30 mm, 0.3 mm) a figure says so.
    m_beam.m_ResultArr[3].Deform = 0.031;
    m_beam.m_ResultArr[3].Crack = 0.35;
    m_page.SetData(&m_beam);
    EXPECT_EQ(CString("31.00↓ 不满足"), Cell(3, 4));
    EXPECT_EQ(CString("0.35 不满足"), Cell(3, 5));
    EXPECT_EQ(CString("12.30↓"), Cell(1, 4));
}

TEST_F(BeamComOutputPage, ForcesCarryTheirCombinations) {
    m_page.m_lstSection.SelectItem(2);
    EXPECT_EQ(CString("-117.00"), m_page.m_strMomVal1);
    EXPECT_EQ(CString("1+2"), m_page.m_strMomCombo1);
    EXPECT_EQ(CString("0.00"), m_page.m_strMomVal2);
    EXPECT_EQ(CString(""), m_page.m_strShearVal);
    EXPECT_EQ(CString(""), m_page.m_strMomPos1);
    EXPECT_EQ(CString("截面配筋结果:1支座"), m_page.m_strResultCaption);
    EXPECT_EQ(CString("截面内力:1支座"), m_page.m_strForceCaption);
    m_page.m_lstSection.SelectItem(1);
    EXPECT_EQ(CString("65.81"), m_page.m_strMomVal1);
    EXPECT_EQ(CString("2.25"), m_page.m_strMomPos1);
    EXPECT_EQ(CString("1+2"), m_page.m_strMomCombo1);
    EXPECT_EQ(CString("97.50"), m_page.m_strShearVal);
    EXPECT_EQ(CString("6.00"), m_page.m_strShearPos);
    EXPECT_EQ(CString("1+2"), m_page.m_strShearCombo);
    EXPECT_EQ(CString("截面配筋结果:1跨"), m_page.m_strResultCaption);
}

// Only the beam's own cases are named: a case beyond them (the self-weight the calculation adds
// for itself) is no case the report lists.
TEST(ForceValue, CombinationTextListsTheCases) {
    struct Case {
        DWORD dwMask;
        int nCases;
        const char* pszCombo;
    } cases[] = {{0, 32, ""}, {1, 32, "1"}, {0xB, 32, "1+2+4"}, {0x80000001u, 32, "1+32"},
                 {0xB, 3, "1+2"}, {0x7, 2, "1+2"}, {0x4, 2, ""}};
    for (const Case& c : cases) {
        CString strValue, strPos, strCombo;
        CalValue value;
        value.m_dValue = -3.456;
        value.m_dwComMask = c.dwMask;
        CBeamComOutputDlg::ShowForceValue(value, 1.5, c.nCases, strValue, strPos, strCombo);
        EXPECT_EQ(CString("-3.46"), strValue);
        EXPECT_EQ(CString("1.50"), strPos);
        EXPECT_EQ(CString(c.pszCombo), strCombo);
    }
}

// A stirrup composed in the boxes goes into the list and into the results as an index into the
// stirrup table, which holds 4 to 16 mm: 8 mm at 100 (1005.31 mm²/m) is index 3, 12 mm at 100
// (2 · π/4 · 12² / 100 · 1000 = 2261.95 mm²/m) index 5, and the report reads them back.
TEST_F(BeamComOutputPage, AComposedStirrupIsStoredAsItsIndex) {
    // The diameter box offers 6 to 16 mm, every one the results can hold.
    CComboBox* pCombo = static_cast<CComboBox*>(m_page.GetDlgItem(IDC_CO_STIR_DIA));
    EXPECT_EQ(6, pCombo->GetCount());
    const struct {
        const char* pszDiameter;
        int nIndex;
        const char* pszText;
        const char* pszArea;
    } cases[] = {{"8", 3, "d8@100", "1005.31"}, {"12", 5, "d12@100", "2261.95"}, {"16", 7, "d16@100", "4021.24"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        m_page.m_lstSection.SelectItem(3);
        m_page.m_lstSection.SelectItem(1);
        Choose(IDC_CO_STIR_DIA, c.pszDiameter);
        m_page.SetDlgItemText(IDC_CO_STIR_SPACING, "100");
        const SectionResult& mid = m_beam.m_ResultArr[1];
        EXPECT_EQ(1, mid.m_bInitStiBar);
        EXPECT_EQ(c.nIndex, mid.StiDia);
        EXPECT_EQ(100, mid.StiInt);
        EXPECT_EQ(CString(c.pszText), Cell(1, 3));
        const int nLast = m_page.m_lstStirrup.GetItemCount() - 1;
        EXPECT_EQ(CString(c.pszArea), m_page.m_lstStirrup.GetItemText(nLast, 1));
        m_beam.wordC.InitData();
        m_beam.BuildWordC();
        bool bFound = false;
        const CString strRow = CString(c.pszText) + ",\t 实际面积: " + c.pszArea + " mm$2$/m";
        for (int r = 0; r < m_beam.wordC.GetRowCount(); ++r)
            bFound = bFound || m_beam.wordC.GetRow(r)->GetText().Find(strRow) >= 0;
        EXPECT_TRUE(bFound);
    }
}

// Picking a stirrup from the candidates stores its index, never its millimetres.
TEST_F(BeamComOutputPage, APickedStirrupIsStoredAsItsIndex) {
    m_page.m_lstSection.SelectItem(1);
    ASSERT_GT(m_page.m_lstStirrup.GetItemCount(), 0);
    const int nLast = m_page.m_lstStirrup.GetItemCount() - 1;
    const CString strText = m_page.m_lstStirrup.GetItemText(nLast, 0);
    m_page.m_lstStirrup.SelectItem(nLast);
    int d = 0, s = 0;
    ASSERT_EQ(2, std::sscanf(strText, "d%d@%d", &d, &s));
    const SectionResult& mid = m_beam.m_ResultArr[1];
    ASSERT_GE(mid.StiDia, 0);
    ASSERT_LE(mid.StiDia, 4);
    EXPECT_EQ(d, g_StirrupDiameters[mid.StiDia]);
    EXPECT_EQ(s, mid.StiInt);
}

// Bottom bars composed as 3 × 20 mm (942.48 mm² against the required 702.28) fit the 250 mm
// width (200 − 2·25 ≥ 60) and become the section's bars. Refused: 3 × 12 (339.29) and 6 × 12
// (678.58) are too little, 6 × 25 do not fit (200 − 5·25 < 150).
TEST_F(BeamComOutputPage, ComposedBarsAreTakenWhenTheyFitAndSuffice) {
    m_page.m_lstSection.SelectItem(1);
    Choose(IDC_CO_BOT_COUNT1, "3根");
    Choose(IDC_CO_BOT_DIA1, "20");
    EXPECT_EQ(CString("3d20"), Cell(1, 1));
    const SectionResult& mid = m_beam.m_ResultArr[1];
    EXPECT_EQ(1, mid.m_bInitBotBar);
    EXPECT_EQ(3, mid.BotBar.m_nNumOne);
    EXPECT_EQ(20, g_BarDiameters[mid.BotBar.m_nDiaOne]);
    EXPECT_EQ(0, mid.BotBar.m_nNumTwo);
    EXPECT_NE(CString(""), Cell(1, 4));
    Choose(IDC_CO_BOT_DIA1, "12");
    Choose(IDC_CO_BOT_COUNT1, "6根");
    Choose(IDC_CO_BOT_DIA1, "25");
    EXPECT_EQ(CString("3d20"), Cell(1, 1));
    EXPECT_EQ(3, mid.BotBar.m_nNumOne);
}

// The first support draws with the first span's stirrup; h = 500 gives A1 = 100.
TEST_F(BeamComOutputPage, SectionDrawingWritesItsParameters) {
    m_page.m_lstSection.SelectItem(0);
    const size_t nBefore = g_VuskMainInfo.GetAcadCommands().size();
    m_page.DrawSection();
    ASSERT_EQ(nBefore + 1, g_VuskMainInfo.GetAcadCommands().size());
    EXPECT_EQ(CString("Ljm\n"), g_VuskMainInfo.GetAcadCommands().back().strCommand);
    double dValue = 0;
    int nValue = 0;
    CString strValue;
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_dSizeA1", dValue, 0.0));
    EXPECT_EQ(100, dValue);
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_nHookD0", nValue, 0));
    EXPECT_EQ(8, nValue);
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_dHookJJ", nValue, 0));
    EXPECT_EQ(200, nValue);
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_aryBotReinGroup/Count", nValue, 0));
    EXPECT_EQ(1, nValue);
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_aryBotReinGroup/0", strValue, ""));
    EXPECT_EQ(CString("4,12,0,0,0,0"), strValue);
    // A section without top bars is refused with a message and writes nothing.
    m_page.m_lstSection.SetItemText(0, 2, "");
    m_page.DrawSection();
    EXPECT_EQ(nBefore + 1, g_VuskMainInfo.GetAcadCommands().size());
    ASSERT_FALSE(qelt::InteractionLog::Instance().Entries().empty());
    EXPECT_EQ(CString("配筋不正确,不能绘图!"), qelt::InteractionLog::Instance().Entries().back().text);
}

// Two rows of bottom bars at the inner support: the section is designed anew for them, the new
// design takes the support's slot (and the page keeps the old one as its spare), and the radio
// choice stays with the row.
TEST_F(BeamComOutputPage, ChoosingTwoRowsRedesignsTheSection) {
    m_page.m_lstSection.SelectItem(2);
    const SectionDesign* pBefore = m_beam.m_TipDesignArr[1];
    m_page.CheckRadioButton(IDC_CO_BOT_ONE_ROW, IDC_CO_BOT_TWO_ROWS, IDC_CO_BOT_TWO_ROWS);
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CO_BOT_TWO_ROWS, BN_CLICKED),
                       reinterpret_cast<LPARAM>(m_page.GetDlgItem(IDC_CO_BOT_TWO_ROWS)->GetSafeHwnd()));
    const SectionDesign* pAfter = m_beam.m_TipDesignArr[1];
    ASSERT_NE(nullptr, pAfter);
    EXPECT_NE(pBefore, pAfter);
    EXPECT_EQ(pBefore, m_page.m_pSpareDesign);
    EXPECT_EQ(1, m_page.m_RowChoices[2].m_nBotLayer);
    EXPECT_EQ(1, m_page.m_nBotLayer);
    EXPECT_TRUE(m_page.GetDlgItem(IDC_CO_BOT_COUNT2)->IsWindowEnabled());
    // The bottom required area of the support is 0.3 × 1294.36 (two rows move the bars' centroid
    // in, so it is no smaller) and every listed two-row scheme supplies it.
    EXPECT_GE(pAfter->m_dBotArea, 388.30);
    for (auto* pNode = pAfter->m_BotList.m_Head.m_pNext; pNode; pNode = pNode->m_pNext) {
        EXPECT_GT(pNode->m_Value->m_nNumTwo, 0);
        EXPECT_GE(pNode->m_Value->GetArea(), pAfter->m_dBotArea);
    }
    // Another row and back: the row keeps its two rows.
    m_page.m_lstSection.SelectItem(1);
    m_page.m_lstSection.SelectItem(2);
    EXPECT_EQ(CString("截面配筋结果:1支座"), m_page.m_strResultCaption);
}

// Two spans of different sections, 250 × 500 and 400 × 700, under 10 kN/m dead. Support 1 is
// designed with the less favourable of the two (250 × 500), so its bars are fitted to that section
// and its drawing takes it.
class BeamComOutputPageOfTwoSections : public BeamComOutputPage {
protected:
    void MakeBeam() override {
        AddSpan(250, 500);
        AddSpan(400, 700);
        m_beam.SetCurrentCom(0);
        for (int i = 0; i < 2; ++i) m_beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    }
};

// Five top bars of 25 mm would fit the second span's 400 − 50 = 350 (350 − 4 · 25 ≥ 5 · 25), not
// the support's 250 − 50 = 200 (200 − 100 = 100 < 125); four do (200 − 75 ≥ 100).
TEST_F(BeamComOutputPageOfTwoSections, AnInnerSupportTakesTheSectionItWasDesignedFor) {
    m_page.m_lstSection.SelectItem(2);
    Choose(IDC_CO_TOP_DIA1, "25");
    Choose(IDC_CO_TOP_COUNT1, "5根");
    EXPECT_NE(CString("5d25"), Cell(2, 2));
    Choose(IDC_CO_TOP_COUNT1, "4根");
    EXPECT_EQ(CString("4d25"), Cell(2, 2));
    EXPECT_EQ(4, m_beam.m_ResultArr[2].TopBar.m_nNumOne);
    m_page.DrawSection();
    double b = 0, h = 0, A1 = 0;
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_dSizeB0", b, 0.0));
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_dSizeH0", h, 0.0));
    EXPECT_TRUE(CYorFile::GetValue("CBeamSectionDlg/m_dSizeA1", A1, 0.0));
    EXPECT_EQ(250, b);
    EXPECT_EQ(500, h);
    EXPECT_EQ(100, A1);
}

// The beam of the page with its self-weight (25 · 0.25 · 0.5 = 3.125 kN/m) added by the
// calculation as a third, dead case.
class BeamComOutputPageWithSelfWeight : public BeamComOutputPage {
protected:
    void MakeBeam() override {
        BeamComOutputPage::MakeBeam();
        m_beam.m_CalBeamWeightCheck = 1;
    }
};

// Bars chosen on the page give the deflection and crack width the report prints for them (the
// self-weight counted in both), and the combinations name only the beam's own two cases.
TEST_F(BeamComOutputPageWithSelfWeight, ThePageChecksWhatTheReportPrints) {
    m_page.m_lstSection.SelectItem(1);
    EXPECT_EQ(CString("1+2"), m_page.m_strMomCombo1);
    EXPECT_EQ(CString("1+2"), m_page.m_strShearCombo);
    Choose(IDC_CO_BOT_COUNT1, "3根");
    Choose(IDC_CO_BOT_DIA1, "20");
    ASSERT_EQ(CString("3d20"), Cell(1, 1));
    const SectionResult& mid = m_beam.m_ResultArr[1];
    CString strDeform, strCrack;
    strDeform.Format("%.2f↓", mid.Deform * 1000);
    strCrack.Format("%1.2f", mid.Crack);
    EXPECT_EQ(strDeform, Cell(1, 4));
    EXPECT_EQ(strCrack, Cell(1, 5));
    // The report's figures for the same bars.
    const double dPage = mid.Deform, dCrack = mid.Crack;
    m_beam.CheckServiceability();
    EXPECT_EQ(dPage, mid.Deform);
    EXPECT_EQ(dCrack, mid.Crack);
    m_beam.BuildWordC();
    CString strRow;
    strRow.Format(u8R"("\t\t\t\t 挠度 %.2fmm(↓),\t\t位置： 跨中\n")", dPage * 1000);
    EXPECT_NE(std::string::npos, ReportRows(m_beam.wordC).find(static_cast<LPCTSTR>(strRow)));
    // Without the self-weight the figure is smaller: it is counted.
    m_beam.m_CalBeamWeightCheck = 0;
    m_beam.CheckServiceability();
    EXPECT_LT(mid.Deform, dPage);
}

// Two spans of 200 × 300 under 100 kN/m dead: the governing shears (1.2 · 100 · 6 · 5/8 = 450 kN at
// the inner support) exceed 0.25 βc fc b h0 = 0.25 · 14.3 · 200 · 265 = 189.48 kN. No stirrup fits,
// the calculation refuses the run, and the page and the report say why.
class BeamComOutputPageOfASmallSection : public BeamComOutputPage {
protected:
    int CalculationResult() const override { return 0; }
    void MakeBeam() override {
        AddSpan(200, 300);
        AddSpan(200, 300);
        m_beam.SetCurrentCom(0);
        for (int i = 0; i < 2; ++i) m_beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 100.0);
    }
};

TEST_F(BeamComOutputPageOfASmallSection, ASectionTooSmallForItsShearSaysSo) {
    EXPECT_EQ(STIRRUP_TOO_SMALL, m_beam.m_StirrupSetArr[0]->m_nCode);
    EXPECT_EQ(0, m_beam.m_ResultArr[1].m_bInitStiBar);
    m_page.m_lstSection.SelectItem(1);
    EXPECT_EQ(CString("箍筋方案:*截面尺寸不足*"), m_page.m_strStirCaption);
    EXPECT_EQ(0, m_page.m_lstStirrup.GetItemCount());
    m_beam.BuildWordC();
    EXPECT_NE(std::string::npos,
              ReportRows(m_beam.wordC).find(u8R"("\t\t\t\t 箍筋:   无钢筋方案(截面尺寸不足，请加大截面)\n")"));
}

}  // namespace
