// The rectangular slab's three pages: the posts that follow the edges, refused entries and their
// messages, the minimum-ratio question, the slab type's value box, and the bar schemes chosen on the
// result page going back into the calculation.
#include <gtest/gtest.h>

#include "Printers.h"
#include "RectBoardSession.h"
#include "mfc/stdctrl/ComboBox.h"

namespace {

// The script's "read" of a control: its id and text go to the interaction log.
qelt::UserAction ReadOf(int controlId) {
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Read;
    action.controlId = controlId;
    return action;
}

// The basic page on a window of its own, outside a work dialog, driven by its notifications.
class RectBoardBasicPage : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        ASSERT_TRUE(m_page.Create(CRectBoardDlg::IDD, &m_frame));
        m_page.SetData(&m_param);
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }
    void ChooseEdge(UINT nID, int nIndex) {
        static_cast<CComboBox*>(m_page.GetDlgItem(nID))->SetCurSel(nIndex);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(m_page.GetDlgItem(nID)->GetSafeHwnd()));
    }
    void Tick(UINT nID) {
        m_page.CheckDlgButton(nID, BST_CHECKED);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_page.GetDlgItem(nID)->GetSafeHwnd()));
    }
    // "E" enabled and ticked, "e" enabled and clear, "-" disabled and clear, "x" disabled and ticked.
    std::string Post(UINT nID) {
        const BOOL bEnabled = m_page.GetDlgItem(nID)->IsWindowEnabled();
        const BOOL bTicked = m_page.IsDlgButtonChecked(nID) == BST_CHECKED;
        return bEnabled ? (bTicked ? "E" : "e") : (bTicked ? "x" : "-");
    }
    // Top-left, top-right, bottom-left, bottom-right.
    std::string Posts() {
        return Post(IDC_RB_TOPLEFT) + Post(IDC_RB_TOPRIGHT) + Post(IDC_RB_BOTTOMLEFT) + Post(IDC_RB_BOTTOMRIGHT);
    }

    CWnd m_frame;
    CRectBoardParam m_param;
    CRectBoardDlg m_page;
};

// A post box is enabled exactly where a free edge meets its corner; closing the last free edge at a
// corner clears its post.
TEST_F(RectBoardBasicPage, PostsFollowTheEdges) {
    EXPECT_EQ(Posts(), "----");  // all four edges fixed
    ChooseEdge(IDC_RB_TOP, SLAB_FREE);
    EXPECT_EQ(Posts(), "ee--");
    Tick(IDC_RB_TOPLEFT);
    Tick(IDC_RB_TOPRIGHT);
    ChooseEdge(IDC_RB_TOP, SLAB_FIXED);
    EXPECT_EQ(Posts(), "----");

    ChooseEdge(IDC_RB_LEFT, SLAB_FREE);
    ChooseEdge(IDC_RB_TOP, SLAB_FREE);
    Tick(IDC_RB_TOPLEFT);
    Tick(IDC_RB_TOPRIGHT);
    ChooseEdge(IDC_RB_TOP, SLAB_SIMPLE);
    EXPECT_EQ(Posts(), "E-e-");  // the left edge keeps the top-left post

    ChooseEdge(IDC_RB_BOTTOM, SLAB_FREE);
    Tick(IDC_RB_BOTTOMLEFT);
    Tick(IDC_RB_BOTTOMRIGHT);
    ChooseEdge(IDC_RB_BOTTOM, SLAB_FIXED);
    EXPECT_EQ(Posts(), "E-E-");
    EXPECT_EQ(m_page.m_wndPreview.m_nBottom, SLAB_FIXED);
    EXPECT_EQ(m_page.m_wndPreview.m_nLeft, SLAB_FREE);
    EXPECT_EQ(m_page.m_wndPreview.m_nBottomLeft, 1);
}

// The value box holds μ for an elastic slab and β for a plastic one; the value of the other kind is
// kept in the parameters. A typed value outside its range is refused and the box keeps its value.
TEST_F(RectBoardBasicPage, SlabTypeSwitchesTheValueBox) {
    CString strLabel;
    ChooseEdge(IDC_RB_BOARDKIND, 1);
    EXPECT_EQ(m_page.m_dBoardValue, 0.2);  // outside a work dialog the page has no parameters to ask
    m_page.GetDlgItemText(IDC_RB_BOARDVALUE_LABEL, strLabel);
    EXPECT_EQ(strLabel, CString("塑性板β"));
    m_page.SetDlgItemText(IDC_RB_BOARDVALUE, "2.5");
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RB_BOARDVALUE, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(m_page.GetDlgItem(IDC_RB_BOARDVALUE)->GetSafeHwnd()));
    EXPECT_EQ(m_page.m_dBoardValue, 0.2);
    EXPECT_EQ(m_page.GetEditText(IDC_RB_BOARDVALUE), CString("0.2"));
    m_page.SetDlgItemText(IDC_RB_BOARDVALUE, "1.5");
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RB_BOARDVALUE, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(m_page.GetDlgItem(IDC_RB_BOARDVALUE)->GetSafeHwnd()));
    EXPECT_EQ(m_page.m_dBoardValue, 1.5);
    ChooseEdge(IDC_RB_BOARDKIND, 0);
    m_page.SetDlgItemText(IDC_RB_BOARDVALUE, "0.35");
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RB_BOARDVALUE, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(m_page.GetDlgItem(IDC_RB_BOARDVALUE)->GetSafeHwnd()));
    EXPECT_EQ(m_page.m_dBoardValue, 1.5);
}

TEST(RectBoardBasicPageCheck, CoverAgainstAs) {
    const struct {
        int nAs, nC;
        BOOL bPasses;
    } cases[] = {{15, 15, TRUE}, {20, 10, TRUE}, {15, 20, FALSE}};
    for (const auto& c : cases) {
        CRectBoardDlg page;
        page.m_nAs = c.nAs;
        page.m_nC = c.nC;
        CStringArray arrWarnings, arrErrors;
        EXPECT_EQ(page.CheckData(nullptr, arrWarnings, arrErrors), c.bPasses) << c.nAs << " " << c.nC;
        EXPECT_EQ(arrWarnings.GetSize(), c.bPasses ? 0 : 1);
        EXPECT_EQ(arrErrors.GetSize(), 0);
    }
}

using RectBoardPages = RectBoardSession;

// The engineer sets edges, spans, thickness, loads and grades and calculates: the parameters hold
// the page's values and the reports are written.
TEST_F(RectBoardPages, CalculatesWhatThePageHolds) {
    qelt::UserScript script;
    script.Choose(IDC_RB_TOP, "简支")
        .Choose(IDC_RB_BOTTOM, "简支")
        .Set(IDC_RB_LENGTH, "4500")
        .Set(IDC_RB_WIDTH, "5000")
        .Set(IDC_RB_THICK, "120")
        .Set(IDC_RB_QGK, "6.5")
        .Set(IDC_RB_QQK, "2.5")
        .Choose(IDC_RB_CONCRETE, "C30")
        .Choose(IDC_RB_STEELBAR, "HRB335")
        .Choose(IDC_RB_KINDSTEEL, "带肋钢筋")
        .Set(IDC_RB_P, "0.25")
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    EXPECT_EQ(m_param.m_nTop, SLAB_SIMPLE);
    EXPECT_EQ(m_param.m_nBottom, SLAB_SIMPLE);
    EXPECT_EQ(m_param.m_nLength, 4500);
    EXPECT_EQ(m_param.m_nWidth, 5000);
    EXPECT_EQ(m_param.m_nThick, 120);
    EXPECT_EQ(m_param.m_dQgk, 6.5);
    EXPECT_EQ(m_param.m_dQqk, 2.5);
    EXPECT_STREQ(m_param.m_szConcrete, "C30");
    EXPECT_STREQ(m_param.m_szSteelBar, "HRB335");
    EXPECT_EQ(m_param.m_nKindSteel, 1);
    EXPECT_EQ(m_param.m_bCalculated, 1);
    EXPECT_GT(m_param.wordC.GetRowCount(), 10);
    EXPECT_GT(m_param.wordS.GetRowCount(), 5);
    EXPECT_TRUE(Texts("message box").empty());
    EXPECT_TRUE(Texts("prompt").empty());
}

// A length that is no number, a span or thickness of 0 and an empty γo come back as they were, with
// the page's message; the stored values stay.
TEST_F(RectBoardPages, RefusedEntriesComeBack) {
    qelt::UserScript script;
    script.Set(IDC_RB_LENGTH, "12a")
        .Answer(IDOK)
        .Set(IDC_RB_WIDTH, "0")
        .Answer(IDOK)
        .Set(IDC_RB_THICK, "0")
        .Answer(IDOK)
        .Set(IDC_RB_IMPRO, "")
        .Answer(IDOK)
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    EXPECT_EQ(Texts("message box"), std::vector<CString>(4, "输入错误，请核查"));
    EXPECT_EQ(m_basic.m_nLength, 6000);
    EXPECT_EQ(m_param.m_nLength, 6000);
    EXPECT_EQ(m_param.m_nWidth, 4200);
    EXPECT_EQ(m_param.m_nThick, 100);
    EXPECT_DOUBLE_EQ(m_param.m_dImpro, 1.0);
}

// Switching to the plastic slab shows the stored β and keeps the typed μ, which comes back on the way
// back; the value box's label follows.
TEST_F(RectBoardPages, SlabTypeKeepsBothValues) {
    const qelt::UserAction readValue = ReadOf(IDC_RB_BOARDVALUE);
    const qelt::UserAction readLabel = ReadOf(IDC_RB_BOARDVALUE_LABEL);
    qelt::UserScript script;
    script.Set(IDC_RB_BOARDVALUE, "0.25")
        .Choose(IDC_RB_BOARDKIND, "塑性板")
        .Add(readValue)
        .Add(readLabel)
        .Choose(IDC_RB_BOARDKIND, "弹性板")
        .Add(readValue)
        .Add(readLabel)
        .Close();
    Run(script);
    EXPECT_EQ(Texts("read"), (std::vector<CString>{"1.8", "塑性板β", "0.25", "泊松比μ"}));
    EXPECT_EQ(m_param.m_dBS, 0.25);
    EXPECT_EQ(m_param.m_dB, 1.8);
    EXPECT_EQ(m_param.m_nBoardKind, 0);
}

// A minimum ratio below the code's asks; "是" goes back without a result, "否" calculates with it.
TEST_F(RectBoardPages, MinimumRatioQuestion) {
    const struct {
        int nAnswer;
        int bCalculated;
    } cases[] = {{IDOK, 0}, {IDCANCEL, 1}};
    for (const auto& c : cases) {
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        script.Set(IDC_RB_P, "0.15").Click(IDC_WORK_CALCULATE).Answer(c.nAnswer).Close();
        Run(script);
        const std::vector<CString> prompts = Texts("prompt");
        ASSERT_EQ(prompts.size(), 1u);
        EXPECT_GE(prompts[0].Find("最小配筋率的值不应小于0.200%"), 0);
        EXPECT_DOUBLE_EQ(m_param.m_dP, 0.0015);
        EXPECT_EQ(m_param.m_bCalculated, c.bCalculated);
    }
}

// "自动计算" takes the larger of 0.2 % and 45 ft/fy %: C30 with HPB235 gives 45·1.43/210 = 0.3064 %.
TEST_F(RectBoardPages, AutomaticMinimumRatio) {
    qelt::UserScript script;
    script.Choose(IDC_RB_CONCRETE, "C30").Choose(IDC_RB_STEELBAR, "HPB235").Choose(IDC_RB_P, "自动计算").Close();
    Run(script);
    EXPECT_NEAR(m_param.m_dP, 45 * 1.43 / 210 * 0.01, 1e-12);
    EXPECT_EQ(m_param.m_bAutoP, 1);
}

// The member number stored by an earlier run is shown and kept, not replaced by "LB-1".
TEST_F(RectBoardPages, StoredMemberNumberIsShownBack) {
    m_param.strNumber = "LB-9";
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(m_basic.m_strNumber, CString("LB-9"));
    EXPECT_EQ(m_param.strNumber, CString("LB-9"));
}

// Limits of the calculation-parameter page: text that is no number, a crack width of 0 or above the
// 0.4 mm of GB 50010-2002 table 3.3.4, and a deflection divisor of 0 or one below table 3.3.2
// (l0/200 for l0 < 7 m) come back with the page's message.
TEST_F(RectBoardPages, CalculationParameterLimitsRefused) {
    qelt::UserScript script;
    script.Tab("计算参数")
        .Set(IDC_RBC_CRACKWIDTH, "0")
        .Answer(IDOK)
        .Set(IDC_RBC_CRACKWIDTH, "0.5")
        .Answer(IDOK)
        .Set(IDC_RBC_FLELIM1, "0.0")
        .Answer(IDOK)
        .Set(IDC_RBC_FLELIM1, "150")
        .Answer(IDOK)
        .Set(IDC_RBC_FLELIM3, "abc")
        .Answer(IDOK)
        .Set(IDC_RBC_USERVALUE, ".5")
        .Answer(IDOK)
        .Set(IDC_RBC_FLELIM2, "260")
        .Set(IDC_RBC_STEELLIMDIA, "15")
        .Tab("基本参数")
        .Close();
    Run(script);
    EXPECT_EQ(Texts("message box").size(), 6u);
    EXPECT_EQ(m_param.m_dCrackWidth, 0.3);
    EXPECT_EQ(m_param.m_dFleLim1, 200);
    EXPECT_EQ(m_param.m_dFleLim3, 300);
    EXPECT_EQ(m_param.m_dUserValue, 2.0);
    EXPECT_EQ(m_param.m_dFleLim2, 260);
    EXPECT_EQ(m_param.m_nSteelLimDia, 15);
}

// The result page: a typed spacing of 0 or above a metre is refused with the page's integer
// message; a spacing of 135 with d8 provides 50.3·1000/135 = 372 mm² and goes back into the x-span
// result that the reports print.
TEST_F(RectBoardPages, ResultPageSpacing) {
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE)
        .Tab("计算结果")
        .Set(IDC_RBR_SPACING_XBOTTOM, "0")
        .Answer(IDOK)
        .Set(IDC_RBR_SPACING_XBOTTOM, "1200")
        .Answer(IDOK)
        .Set(IDC_RBR_SPACING_XBOTTOM, "135")
        .Tab("计算书")
        .Close();
    Run(script);
    EXPECT_EQ(Texts("message box"), (std::vector<CString>{"输入应该为整数，请核查", "输入应该为整数，请核查"}));
    const BoardReinScheme& x = m_param.GetCalc()->m_schemes[SCHEME_XSPAN];
    EXPECT_EQ(x.nDiameter, 8);
    EXPECT_EQ(x.nSpacing, 135);
    EXPECT_EQ(x.nArea, 372);
}

// Choosing a listed scheme shows its diameter, spacing and area: d10@200 gives 78.5·5 = 392 mm².
TEST_F(RectBoardPages, ResultPageSchemeFromTheList) {
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE).Tab("计算结果").Choose(IDC_RBR_LIST_XBOTTOM, "d10@200").Tab("基本参数").Close();
    Run(script);
    const BoardReinScheme& x = m_param.GetCalc()->m_schemes[SCHEME_XSPAN];
    EXPECT_EQ(x.nDiameter, 10);
    EXPECT_EQ(x.nSpacing, 200);
    EXPECT_EQ(x.nArea, 392);
}

// The support groups: not needed for an elastic slab without a fixed edge across them (their boxes
// disabled), shown for a plastic slab whatever its edges. (Each run stores its input, which the next
// run reads back: one run per test.)
class RectBoardSupportGroups : public RectBoardSession, public testing::WithParamInterface<int> {};

TEST_P(RectBoardSupportGroups, ByEdgesAndMethod) {
    m_param.m_nTop = m_param.m_nBottom = m_param.m_nLeft = m_param.m_nRight = SLAB_SIMPLE;
    m_param.m_nBoardKind = GetParam();
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE).Tab("计算结果").Set(IDC_RBR_SPACING_XSUPPORT, "150").Close();
    Run(script, GetParam() == 0);
}

INSTANTIATE_TEST_SUITE_P(ElasticAndPlastic, RectBoardSupportGroups, testing::Values(0, 1));

// With the left edge simply supported and the right edge fixed, the X-support group shows the right
// support's area and scheme.
TEST_F(RectBoardPages, XSupportGroupTakesTheFixedRightEdge) {
    m_param.m_nLeft = SLAB_SIMPLE;
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE)
        .Tab("计算结果")
        .Add(ReadOf(IDC_RBR_REQUIRED_XSUPPORT))
        .Add(ReadOf(IDC_RBR_PROVIDED_XSUPPORT))
        .Close();
    Run(script);
    int nAreas[6];  // top, left, right, bottom support, x span, y span
    m_param.GetCalc()->GetAreas(nAreas);
    ASSERT_NE(nAreas[1], nAreas[2]);
    const std::vector<CString> reads = Texts("read");
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(atoi(reads[0]), nAreas[2]);
    EXPECT_EQ(atoi(reads[1]), m_param.GetCalc()->m_schemes[SCHEME_RIGHT].nArea);
}

}  // namespace
