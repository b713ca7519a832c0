// The beam stair's result page under a user script: the schemes chosen there reach the reports and
// survive "加入列表", the areas shown for a choice, the spacing warnings, the switch, and the re-check
// that keeps the given cover and hands its deflection back with its verdict.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "BeamStairSession.h"
#include "Printers.h"
#include "StairRows.h"

namespace {

using BeamStairResultSession = BeamStairSession;

TEST_F(BeamStairResultSession, ChosenSchemeSurvivesAddingToTheList) {
    qelt::UserScript script;
    script.Tab("计算结果").Choose(IDC_BS_DIA1, "16").Choose(IDC_BS_SPACE67, "90").Click(IDC_WORK_ADDLIST).Close();
    Run(script);
    EXPECT_EQ(m_param.bSchemeChosen, 1);
    EXPECT_EQ(m_param.shpbar1_Dia, 16);
    EXPECT_EQ(m_param.shpbar1_Int, 4);
    EXPECT_EQ(m_param.shpbar6_Dia, 6);
    EXPECT_EQ(m_param.shpbar6_Int, 90);
    const std::vector<StairRow> full = StairRows(m_param.wordC);
    EXPECT_GE(FindRow(full, "\t\t采用方案：4d16\n\t\t实配面积：A~g~ = 804mm$2$\n"), 0);
    EXPECT_GE(FindRow(full, "\t\t采用方案：d6@90\n"), 0);
    EXPECT_NE(m_param.strResultInfo.Find("钢筋1实配面积:804mm2\n"), -1);
}

TEST_F(BeamStairResultSession, AreasShownForAChoice) {
    qelt::UserScript script;
    script.Tab("计算结果")
        .Choose(IDC_BS_DIA1, "14")
        .Choose(IDC_BS_NUM1, "3")
        .Choose(IDC_BS_DIA3, "8")
        .Choose(IDC_BS_SPACE3, "200")
        .Tab("计算书")
        .Close();
    // The page's window is gone after the tab change; what it showed went to the parameters.
    Run(script);
    EXPECT_EQ(m_param.shpbar1_Int, 3);
    EXPECT_EQ(m_param.shpbar3_Dia, 8);
    EXPECT_EQ(m_param.shpbar3_Int, 200);
    // π/4·14²·3 = 461.8 and π/2·8²/200 = 0.503, as the page shows them ("%.0f", "%.2f").
    CString text;
    text.Format("%.0f", m_param.SchemeArea(1));
    EXPECT_EQ(text, "462");
    text.Format("%.2f", m_param.SchemeArea(3));
    EXPECT_EQ(text, "0.50");
}

TEST_F(BeamStairResultSession, SpacingOfTheChosenBarsIsWarned) {
    struct Case {
        const char* count;
        bool warned;
    } cases[] = {{"4", false}, {"5", true}};  // 4d14: s = 31.3; 5d14: s = 20 (b3 = 200)
    for (const Case& c : cases) {
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        script.Tab("计算结果").Choose(IDC_BS_DIA1, "14").Choose(IDC_BS_NUM1, c.count).Tab("计算书");
        if (c.warned) script.Answer(IDYES);
        script.Close();
        Run(script);
        const std::vector<CString> prompts = Texts("prompt");
        EXPECT_EQ(!prompts.empty(), c.warned) << c.count;
        if (c.warned) {
            EXPECT_GE(prompts[0].Find("1.  钢筋1间距应大于25及d, 请增加b3或减少钢筋根数。"), 0);
        }
    }
}

// Schemes below their required area (the defaults need 505.61 mm² of ①, 0.3269 mm²/mm of stirrups
// ③ and 89.50 mm² of ⑥ over a tread strip 335.41 wide): the page's check asks, and both reports put
// the red verdict under the scheme, the short one closing on it. 2d12 = 226.19 (ρ 226.19/(550·270) =
// 0.1523 % below 0.2145 %), 2d6@200 = π/2·36/200 = 0.2827, d6@200 = π/4·36·335.41/200 = 47.42.
TEST_F(BeamStairResultSession, ShortSchemesAreToldOnThePageAndInTheReports) {
    const struct {
        UINT nDia, nSecond;
        const char *dia, *second;
        const char* anchor;  // the row the verdict follows; nullptr: nothing is short
    } kCases[] = {
        {IDC_BS_DIA1, IDC_BS_NUM1, "12", "2", "\t\t实际配筋率：ρ = 0.1523%\n"},
        {IDC_BS_DIA3, IDC_BS_SPACE3, "6", "200", "\t\t采用方案：2d6@200\n"},
        {IDC_BS_DIA67, IDC_BS_SPACE67, "6", "200", "\t\t采用方案：d6@200\n\t\t实配面积：A~g~ = 47mm$2$\n"},
        {IDC_BS_DIA1, IDC_BS_NUM1, "14", "4", nullptr},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.dia) + "/" + c.second);
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        script.Tab("计算结果").Choose(c.nDia, c.dia).Choose(c.nSecond, c.second).Click(IDC_WORK_CALCULATE);
        if (c.anchor) script.Answer(IDNO);
        script.Close();
        Run(script);
        const std::vector<CString> prompts = Texts("prompt");
        ASSERT_EQ(prompts.size(), c.anchor ? 1u : 0u);
        for (const CWordObject* report : {&m_param.wordC, &m_param.wordS}) {
            const std::vector<StairRow> rows = StairRows(*report);
            ASSERT_FALSE(rows.empty());
            if (!c.anchor) {
                EXPECT_LT(FindRow(rows, "实配面积小于计算面积"), 0);
                continue;
            }
            EXPECT_GE(prompts[0].Find("实配面积小于计算面积"), 0);
            const int nAnchor = FindRow(rows, c.anchor);
            ASSERT_GE(nAnchor, 0);
            ASSERT_LT(static_cast<size_t>(nAnchor + 1), rows.size());
            EXPECT_EQ(rows[nAnchor + 1].strText, CString("\t\t实配面积小于计算面积\n"));
            EXPECT_EQ(rows[nAnchor + 1].nColor, 6);
        }
        if (c.anchor) {
            EXPECT_EQ(StairRows(m_param.wordS).back().strText, CString("\t\t实配面积小于计算面积，不满足规范要求!\n"));
        }
    }
}

TEST_F(BeamStairResultSession, SwitchOffShowsNoVerdicts) {
    m_param.m_bIsCalRAL = 0;
    CBeamStairParam stored = m_param;
    stored.l2 = stored.l3 = 0;
    stored.WriteParam("CBeamStairParam/");
    qelt::UserScript script;
    script.Tab("计算结果").Close();
    Run(script);
    EXPECT_EQ(m_result.m_copy.m_bIsCalRAL, 0);
    for (int i = 0; i < CBeamStairResultDlg::VerdictCount; i++) EXPECT_EQ(m_result.m_bPass[i], 1);
}

// Bars ④ lie on the upper platform of shapes C and D; bars ⑤ over the lower support of every shape,
// as the reports print them.
TEST(BeamStairResultPage, BarsFourAndFiveFollowTheShape) {
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
    CBeamStairResultDlg page;
    ASSERT_TRUE(page.Create(CBeamStairResultDlg::IDD, &frame));
    const struct {
        int shape;
        double l2, l3;
        BOOL bar4;
    } kShapes[] = {{0, 0, 0, FALSE}, {1, 0, 800, FALSE}, {2, 800, 0, TRUE}, {3, 800, 900, TRUE}};
    for (const auto& c : kShapes) {
        CBeamStairParam p;
        p.nStairType = c.shape;
        p.l2 = c.l2;
        p.l3 = c.l3;
        p.Calculate();
        page.SetData(&p);
        for (UINT nID : {IDC_BS_DIA4, IDC_BS_NUM4}) EXPECT_EQ(page.GetDlgItem(nID)->IsWindowEnabled(), c.bar4) << c.shape;
        for (UINT nID : {IDC_BS_DIA5, IDC_BS_NUM5, IDC_BS_LIST5})
            EXPECT_TRUE(page.GetDlgItem(nID)->IsWindowEnabled()) << c.shape << " " << nID;
        EXPECT_GT(page.GetDlgItem(IDC_BS_LIST5)->SendMessage(LVM_GETITEMCOUNT), 0) << c.shape;
    }
    page.DestroyWindow();
    frame.DestroyWindow();
}

// The re-check on a page of its own: the copy keeps a cover of 10 mm, which the crack widths take as
// 20 mm, and GetData hands the re-checked deflection back with its verdict.
TEST(BeamStairResultPage, RecheckKeepsTheCoverAndHandsBackItsVerdict) {
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
    CBeamStairResultDlg page;
    ASSERT_TRUE(page.Create(CBeamStairResultDlg::IDD, &frame));
    CBeamStairParam p;
    p.l2 = p.l3 = 0;
    p.m_dC = 10;
    p.Calculate();
    page.SetData(&p);
    EXPECT_EQ(page.m_copy.m_dC, 10);
    page.UpdateVerdicts();
    EXPECT_EQ(page.m_copy.m_dC, 10);
    // Both crack widths take the cover as 20 mm, on the page as in the calculation and the reports.
    EXPECT_EQ(StairSlabEvaluate(p.GetSlabCase()).dCover, 20);
    EXPECT_EQ(p.EvaluateBeam(13.18504, 11.65416).dCover, 20);
    // The full report says why, for the stair beam and for the slab.
    p.BuildWordC();
    const std::vector<StairRow> rows = StairRows(p.wordC);
    EXPECT_GE(FindRow(rows, "\t2.因为C < 20，所以取C = 20 mm\n"), 0);
    EXPECT_GE(FindRow(rows, "\t3.因为C < 20，所以取C = 20\n"), 0);
    EXPECT_EQ(page.m_bPass[CBeamStairResultDlg::SlabCrack], p.m_bCrackOK);
    EXPECT_EQ(page.m_bPass[CBeamStairResultDlg::BeamCrack], p.m_bBeamCrackOK);

    // One bar of 8 leaves the stair beam far too soft: the deflection fails and both go back.
    page.m_copy.shpbar1_Dia = 8;
    page.m_copy.shpbar1_Int = 2;
    page.UpdateVerdicts();
    EXPECT_EQ(page.m_bPass[CBeamStairResultDlg::BeamDeflection], 0);
    p.bPassed = 1;
    page.GetData(&p);
    EXPECT_EQ(p.bPassed, 0);
    EXPECT_DOUBLE_EQ(p.XLKZHWY, page.m_copy.XLKZHWY);
    EXPECT_GT(p.XLKZHWY, 3300.0 / 200);
    page.DestroyWindow();
    frame.DestroyWindow();
}

}  // namespace
