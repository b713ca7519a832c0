// The plate stair's input page: its number readers, the type rule, the prefix search, the input test
// on a page of its own, and sessions in the work dialog under a user script (the selector, a refused
// entry, the silent restore of the limit fields).
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "Printers.h"
#include "StairBoardSession.h"
#include "StairRows.h"
#include "host/Store.h"
#include "mfc/stdctrl/ComboBox.h"
#include "stair/StairNumberReaders.h"

namespace {

TEST(StairNumberReaders, ParseDouble) {
    const struct {
        const char* text;
        int result;
        double value;
    } kCases[] = {{"12.5", 1, 12.5}, {"0", 1, 0}, {"0.0", 1, 0}, {"-3", 1, -3}, {"", 0, 0},
                  {"-0", 0, 0},      {"1-2", 0, 0}, {"1e1", 0, 0}, {" 5", 0, 0}, {"abc", 0, 0}};
    for (const auto& c : kCases) {
        double dValue = 0;
        EXPECT_EQ(ParseDouble(c.text, dValue), c.result) << c.text;
        if (c.result) {
            EXPECT_EQ(dValue, c.value) << c.text;
        }
    }
}

// A limit field takes a ParseDouble number within its bounds, both included, and nothing else: not
// a number that overflows to infinity either.
TEST(StairNumberReaders, ParseLimit) {
    const std::string kHuge = "1" + std::string(400, '0');
    const struct {
        std::string text;
        int result;
    } kCases[] = {{"0.01", 1}, {"10", 1}, {"5", 1}, {"0.009", 0}, {"10.001", 0}, {"-1", 0},
                  {"nan", 0},  {"inf", 0}, {"1e400", 0}, {"", 0}, {kHuge, 0}};
    for (const auto& c : kCases) {
        double dValue = 7;
        EXPECT_EQ(ParseLimit(c.text.c_str(), 0.01, 10, dValue), c.result) << c.text;
        EXPECT_EQ(dValue, c.result ? std::atof(c.text.c_str()) : 7) << c.text;
    }
}

// The number fields take a finite decimal number, the step count a whole one; nothing else.
TEST(StairNumberReaders, FiniteAndWholeNumbers) {
    const struct {
        const char* text;
        int finite, whole;
        double value;
    } kCases[] = {{"12.5", 1, 0, 12.5}, {" 12 ", 1, 1, 12},   {"-1", 1, 1, -1},   {"1e-300", 1, 0, 1e-300},
                  {"1e5", 1, 1, 1e5},   {"nan", 0, 0, 0},     {"inf", 0, 0, 0},   {"1e400", 0, 0, 0},
                  {"abc", 0, 0, 0},     {"", 0, 0, 0},        {"12abc", 0, 0, 0}, {"3e9", 1, 0, 3e9}};
    for (const auto& c : kCases) {
        double dValue = 7;
        EXPECT_EQ(ReadFiniteNumber(c.text, dValue), c.finite) << c.text;
        EXPECT_EQ(dValue, c.finite ? c.value : 7) << c.text;
        int nValue = 7;
        EXPECT_EQ(ReadWholeNumber(c.text, nValue), c.whole) << c.text;
        EXPECT_EQ(nValue, c.whole ? static_cast<int>(c.value) : 7) << c.text;
    }
}

// The page on a window of its own, outside a work dialog.
class StairBoardInputPage : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        ASSERT_TRUE(m_page.Create(CStairBoardInputDlg::IDD, &m_frame));
        m_page.ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }

    BOOL Enabled(UINT nID) { return m_page.GetDlgItem(nID)->IsWindowEnabled(); }
    CString Text(UINT nID) {
        CString strText;
        m_page.GetDlgItem(nID)->GetWindowText(strText);
        return strText;
    }
    void Click(UINT nID) {
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_page.GetDlgItem(nID)->GetSafeHwnd()));
    }

    CWnd m_frame;
    CStairBoardParam m_param;
    CStairBoardInputDlg m_page;
};

struct KindCase {
    int kind;
    double L2, L3;
    BOOL b2, l2, l3;
    const char* l2Text;
    const char* l3Text;
};

const KindCase kKinds[] = {
    {1, 0, 0, TRUE, FALSE, FALSE, "0", "0"},
    {2, 0, 0, FALSE, FALSE, FALSE, "0", "0"},
    {3, 0, 0, TRUE, TRUE, FALSE, "1000", "0"},
    {3, 300, 0, TRUE, TRUE, FALSE, "300", "0"},
    {4, 0, 0, TRUE, FALSE, TRUE, "0", "1000"},
    {5, 0, 0, TRUE, TRUE, TRUE, "500", "500"},
    {5, 0, 700, TRUE, TRUE, TRUE, "500", "700"},
};

TEST_F(StairBoardInputPage, TypeRuleEnablesTheLandingsAndOffersDefaults) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + std::to_string(c.L2) + " " + std::to_string(c.L3));
        m_param.M_STAIR_KIND = c.kind;
        m_param.M_LR = c.L2;
        m_param.M_LL = c.L3;
        m_page.SetData(&m_param);
        EXPECT_EQ(Enabled(IDC_SB_B2), c.b2);
        EXPECT_EQ(Enabled(IDC_SB_L2), c.l2);
        EXPECT_EQ(Enabled(IDC_SB_L3), c.l3);
        EXPECT_EQ(Text(IDC_SB_L2), CString(c.l2Text));
        EXPECT_EQ(Text(IDC_SB_L3), CString(c.l3Text));
    }
}

// A choice on the selector switches the type and applies the rule at once.
TEST_F(StairBoardInputPage, SelectorNotificationSetsTheType) {
    m_param.M_LR = 0;
    m_param.M_LL = 0;
    m_page.SetData(&m_param);
    m_page.SendMessage(WM_USER + 100, 2, 0);
    EXPECT_EQ(m_page.m_nKind, 3);
    EXPECT_EQ(Text(IDC_SB_L2), CString("1000"));
    CStairBoardParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.M_STAIR_KIND, 3);
    EXPECT_EQ(taken.M_LR, 1000);
    EXPECT_EQ(taken.M_LL, 0);
}

// The grades and the bar surface come back by the prefix search; the support-bar ratio as it is
// stored (its item when one reads so, else the number), and a save keeps it.
TEST_F(StairBoardInputPage, PrefixSearchShowsTheStoredChoices) {
    const struct {
        double ratio;
        const char* shown;
        int item;
    } kRatios[] = {{0.25, "0.25", 0}, {0.45, "0.45", 4}, {0.3, "0.3", 1}, {0, "0", -1}, {0.28, "0.28", -1}};
    for (const auto& c : kRatios) {
        m_param.M_DSACLE = c.ratio;
        m_param.M_STRCONCRETE = "C30";
        m_param.M_STRSTEEL = "hrb400";
        m_param.m_strSteelStypeVor = "带肋钢筋";
        m_page.SetData(&m_param);
        EXPECT_EQ(Text(IDC_SB_RATIO), CString(c.shown)) << c.ratio;
        EXPECT_EQ(static_cast<CComboBox*>(m_page.GetDlgItem(IDC_SB_RATIO))->GetCurSel(), c.item) << c.ratio;
        CStairBoardParam taken;
        m_page.GetData(&taken);
        EXPECT_EQ(taken.M_DSACLE, c.ratio);
        EXPECT_EQ(Text(IDC_SB_CONCRETE), CString("C30"));
        EXPECT_EQ(Text(IDC_SB_STEEL), CString("HRB400"));
        EXPECT_EQ(Text(IDC_SB_SURFACE), CString("带肋钢筋"));
    }
}

TEST_F(StairBoardInputPage, FixityDisablesTheSupportRatio) {
    m_page.SetData(&m_param);
    EXPECT_TRUE(Enabled(IDC_SB_RATIO));
    m_page.CheckDlgButton(IDC_SB_FIXITY, BST_CHECKED);
    Click(IDC_SB_FIXITY);
    EXPECT_FALSE(Enabled(IDC_SB_RATIO));
    m_page.CheckDlgButton(IDC_SB_FIXITY, BST_UNCHECKED);
    Click(IDC_SB_FIXITY);
    EXPECT_TRUE(Enabled(IDC_SB_RATIO));
}

// GetData hands over the page, clears the landings the type lacks, fixes the strip width and drops
// the result page's saved choice.
TEST_F(StairBoardInputPage, GetDataHandsOverThePage) {
    m_param.strNumber = "LT-3";
    m_param.M_LR = 300;
    m_param.M_LL = 300;
    m_param.M_DSACLE = 0.4;
    m_param.m_dWq = 0.6;
    m_page.SetData(&m_param);
    CStairBoardParam taken;
    taken.M_B = 1200;
    taken.m_strScheme1 = "d10@100";
    taken.m_strScheme23 = "d6@140";
    taken.m_bSchemeChanged = 1;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.strNumber, CString("LT-3"));
    EXPECT_EQ(taken.M_LR, 0);
    EXPECT_EQ(taken.M_LL, 0);
    EXPECT_EQ(taken.M_B, 1000);
    EXPECT_EQ(taken.M_DSACLE, 0.4);
    EXPECT_EQ(taken.m_dWq, 0.6);
    EXPECT_EQ(taken.M_STRCONCRETE, CString("C20"));
    EXPECT_TRUE(taken.m_strScheme1.IsEmpty());
    EXPECT_TRUE(taken.m_strScheme23.IsEmpty());
    EXPECT_EQ(taken.m_bSchemeChanged, 0);
}

struct CheckCase {
    const char* name;
    std::function<void(CStairBoardParam&)> setup;
    std::vector<const char*> errors;
};

const CheckCase kChecks[] = {
    {"defaults", [](CStairBoardParam&) {}, {}},
    // A flight needs a length; the page's own message names the bound.
    {"L1 = 0", [](CStairBoardParam& p) { p.M_LN = 0; }, {"参数0<L1<=10000"}},
    // A flight shorter than a millimetre is none.
    {"L1 = 0.5", [](CStairBoardParam& p) { p.M_LN = 0.5; }, {"参数0<L1<=10000"}},
    {"L1 = 1e-300", [](CStairBoardParam& p) { p.M_LN = 1e-300; }, {"参数0<L1<=10000"}},
    // A flight a millimetre long is as steep as a wall: its own weight over-reinforces it.
    {"L1 = 1", [](CStairBoardParam& p) { p.M_LN = 1; }, {"计算结果截面超筋"}},
    {"L1 = -1", [](CStairBoardParam& p) { p.M_LN = -1; }, {"参数0<L1<=10000"}},
    {"L1 = 10000 with t 400",
     [](CStairBoardParam& p) {
         p.M_LN = 10000;
         p.M_T = 400;
     },
     {}},
    // The default flight with HRB400: Pk 8.421, Pn = 1.2·8.421 + 1.4·q, M = Pn·2.2²/8 on 1 m × 75 mm
    // under 9.6 N/mm²; q 17.6: M 21.021 kN·m, αs 0.38928, ξ 0.529 > ξb 0.8/(1 + 360/660) = 0.518;
    // q 16.5: M 20.089, ξ 0.494.
    {"HRB400, q 17.6",
     [](CStairBoardParam& p) {
         p.M_STRSTEEL = "HRB400";
         p.M_P = 17.6;
     },
     {"计算结果截面超筋"}},
    {"HRB400, q 16.5",
     [](CStairBoardParam& p) {
         p.M_STRSTEEL = "HRB400";
         p.M_P = 16.5;
     },
     {}},
    {"type D with L3 = 0.5",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 4;
         p.M_LL = 0.5;
     },
     {"参数0<L3<=10000"}},
    // Type A does not test its landings, type B not its b2.
    {"type A without landings",
     [](CStairBoardParam& p) {
         p.M_LR = 0;
         p.M_LL = 0;
     },
     {}},
    {"type B with b2 = -5",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 2;
         p.M_FB2 = -5;
     },
     {}},
    {"type A with b2 = -5", [](CStairBoardParam& p) { p.M_FB2 = -5; }, {"参数0<b2<=10000"}},
    {"type C with L2 = 0.5",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 3;
         p.M_LR = 0.5;
     },
     {"参数0<L2<=10000"}},
    {"negative loads",
     [](CStairBoardParam& p) {
         p.M_P = -1;
         p.M_PF = -1;
         p.M_PM = 10001;
     },
     {"参数0<可变荷载<=10000", "参数0<栏杆线荷<=10000", "参数0<面层荷载<=10000"}},
    {"ratio 1.2", [](CStairBoardParam& p) { p.M_DSACLE = 1.2; }, {"参数0<支座筋取跨中<=10000"}},
    {"ratio 0", [](CStairBoardParam& p) { p.M_DSACLE = 0; }, {}},
    {"n = 1", [](CStairBoardParam& p) { p.M_N = 1; }, {"参数1<n<=10000"}},
    {"n = 2", [](CStairBoardParam& p) { p.M_N = 2; }, {}},
    // Type B ends its flight one tread short: with two steps its span is b1/2, which must come to a
    // millimetre at least.
    {"type B with n = 2 and b1 = 0",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 2;
         p.M_N = 2;
         p.M_FB1 = 0;
     },
     {"计算跨度L0必须大于0，请加大b1或踏步数n"}},
    {"type B with n = 2 and b1 = 1",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 2;
         p.M_N = 2;
         p.M_FB1 = 1;
     },
     {"计算跨度L0必须大于0，请加大b1或踏步数n"}},
    {"type B with n = 2 and b1 = 4",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 2;
         p.M_N = 2;
         p.M_FB1 = 4;
     },
     {}},
    {"type B with n = 3 and b1 = 0",
     [](CStairBoardParam& p) {
         p.M_STAIR_KIND = 2;
         p.M_N = 3;
         p.M_FB1 = 0;
     },
     {}},
    {"type A with n = 2 and b1 = b2 = 0",
     [](CStairBoardParam& p) {
         p.M_N = 2;
         p.M_FB1 = 0;
         p.M_FB2 = 0;
     },
     {}},
    // The section needs a lever arm h0 = t - as of a millimetre at least.
    {"t = as", [](CStairBoardParam& p) { p.M_T = 25; }, {"梯板厚度t必须大于as"}},
    {"t = as + 0.5", [](CStairBoardParam& p) { p.M_T = 25.5; }, {"梯板厚度t必须大于as"}},
    // A lever arm of 1 mm passes that test, and cannot take the flight's moment.
    {"t = as + 1", [](CStairBoardParam& p) { p.M_T = 26; }, {"计算结果截面超筋"}},
    {"t = 1e-300 with as = 0",
     [](CStairBoardParam& p) {
         p.M_T = 1e-300;
         p.M_AS = 0;
     },
     {"梯板厚度t必须大于as"}},
    {"t below as", [](CStairBoardParam& p) { p.M_T = 20; }, {"梯板厚度t必须大于as"}},
    {"t and n wrong", [](CStairBoardParam& p) {
         p.M_T = -1;
         p.M_N = 0;
     },
     {"参数0<t<=10000", "参数1<n<=10000", "梯板厚度t必须大于as"}},
};

TEST_F(StairBoardInputPage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStairBoardParam p;
        c.setup(p);
        m_page.SetData(&p);
        m_page.m_dRatio = p.M_DSACLE;
        CStringArray arrWarnings, arrErrors;
        EXPECT_EQ(m_page.CheckData(&p, arrWarnings, arrErrors), c.errors.empty());
        EXPECT_EQ(arrWarnings.GetSize(), 0);
        ASSERT_EQ(arrErrors.GetSize(), static_cast<int>(c.errors.size()));
        for (int i = 0; i < arrErrors.GetSize(); i++) EXPECT_EQ(arrErrors[i], CString(c.errors[i]));
    }
}

using StairBoardInputSession = StairBoardSession;

// The engineer picks type E on the selector, gives the lower landing and calculates.
TEST_F(StairBoardInputSession, SelectorChoosesTheTypeThatIsCalculated) {
    qelt::UserScript script;
    script.Row(IDC_SB_SELECTOR, 4).Set(IDC_SB_L2, "600").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(m_param.M_STAIR_KIND, 5);
    EXPECT_EQ(m_param.M_LR, 600);
    EXPECT_EQ(m_param.M_LL, 300);
    EXPECT_NEAR(m_param.m_dL0, 2.0 + 0.6 + 0.3 + 0.2, 1e-9);
    EXPECT_TRUE(Texts("prompt").empty());
}

TEST_F(StairBoardInputSession, ChoosingATypeByItsName) {
    qelt::UserScript script;
    script.Choose(IDC_SB_SELECTOR, "B型楼梯(\\.)").Close();
    Run(script);
    EXPECT_EQ(m_param.M_STAIR_KIND, 2);
}

// L1 = 0 and t below as are refused with the page's messages; nothing is calculated.
TEST_F(StairBoardInputSession, RefusesAFlightWithoutLengthOrLeverArm) {
    qelt::UserScript script;
    script.Set(IDC_SB_L1, "0").Set(IDC_SB_T, "20").Click(IDC_WORK_CALCULATE).Answer(IDOK).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_GE(prompts[0].Find("1.  参数0<L1<=10000"), 0);
    EXPECT_GE(prompts[0].Find("2.  梯板厚度t必须大于as"), 0);
    EXPECT_GE(prompts[0].Find("请返回修改!"), 0);
    EXPECT_EQ(m_param.m_dL0, 0);
    EXPECT_EQ(m_param.m_Options1.nCount, 0);
}

// What the page does with a bad value in one of its number fields.
enum BadValueOutcome {
    kRefused,   // the page says so (a message box, the check-result prompt); nothing is calculated
    kTaken,     // a finite value within its range: calculated, every report number reads
    kRestored,  // a limit field: its value comes back without a word, the calculation keeps it
};

const char* const kBadValues[] = {"nan", "inf", "1e400", "-1", "1e-300", "abc", ""};

// Every bad value in every number field, typed as a person types it before "计算". 1e-300 is refused
// where it makes no length (L1, the landings, the lever arm t − as) and taken as the tiny value it
// is elsewhere.
TEST_F(StairBoardInputSession, BadValuesInTheNumberFields) {
    const struct {
        UINT nID;
        int kind;            // the type that enables the field
        BadValueOutcome tiny;  // of 1e-300; every other bad value is refused or restored
        double CStairBoardParam::*pLimit;  // a limit field's value, else NULL
    } kFields[] = {
        {IDC_SB_L1, 1, kRefused, nullptr},  {IDC_SB_H, 1, kTaken, nullptr},   {IDC_SB_T, 1, kRefused, nullptr},
        {IDC_SB_B1, 1, kTaken, nullptr},    {IDC_SB_B2, 1, kTaken, nullptr},  {IDC_SB_Q, 1, kTaken, nullptr},
        {IDC_SB_QM, 1, kTaken, nullptr},    {IDC_SB_QF, 1, kTaken, nullptr},  {IDC_SB_AS, 1, kTaken, nullptr},
        {IDC_SB_N, 1, kRefused, nullptr},   {IDC_SB_L2, 3, kRefused, nullptr}, {IDC_SB_L3, 4, kRefused, nullptr},
        {IDC_SB_RATIO, 1, kTaken, nullptr},
        {IDC_SB_RG, 1, kRestored, &CStairBoardParam::m_dRg},
        {IDC_SB_RQ, 1, kRestored, &CStairBoardParam::m_dRq},
        {IDC_SB_WQ, 1, kRestored, &CStairBoardParam::m_dWq},
        {IDC_SB_COVER, 1, kRestored, &CStairBoardParam::m_dC},
        {IDC_SB_CRACK, 1, kRestored, &CStairBoardParam::m_dCrackWidth},
        {IDC_SB_LIM1, 1, kRestored, &CStairBoardParam::m_dFlexibilityLim1},
        {IDC_SB_LIM2, 1, kRestored, &CStairBoardParam::m_dFlexibilityLim2},
        {IDC_SB_LIM3, 1, kRestored, &CStairBoardParam::m_dFlexibilityLim3},
    };
    for (const auto& field : kFields) {
        for (const char* value : kBadValues) {
            SCOPED_TRACE(std::to_string(field.nID) + " \"" + value + "\"");
            qelt::InteractionLog::Instance().Clear();
            CStairBoardParam fresh;
            {
                qelt::host::StoreBatch batch;
                fresh.WriteParam("CVuskParam/");
            }
            m_param.wordC.InitData();
            qelt::UserScript script;
            if (field.kind != 1) script.Row(IDC_SB_SELECTOR, field.kind - 1);
            script.Set(field.nID, value).Click(IDC_WORK_CALCULATE).Close();
            Run(script);
            const BadValueOutcome outcome =
                field.pLimit ? kRestored : (std::string(value) == "1e-300" ? field.tiny : kRefused);
            const std::vector<CString> prompts = Texts("prompt");
            if (outcome == kRefused) {
                ASSERT_EQ(prompts.size(), 1u);
                EXPECT_GE(prompts[0].Find("请返回修改!"), 0) << prompts[0];
                EXPECT_EQ(m_param.wordC.GetRowCount(), 0);
                continue;
            }
            EXPECT_TRUE(prompts.empty());
            EXPECT_TRUE(Texts("message box").empty());
            ASSERT_GT(m_param.wordC.GetRowCount(), 0);
            EXPECT_EQ(UnreadableNumber(m_param.wordC), "");
            EXPECT_EQ(UnreadableNumber(m_param.wordS), "");
            if (outcome == kRestored) {
                EXPECT_EQ(m_param.*field.pLimit, fresh.*field.pLimit);
            }
        }
    }
}

// "计算" with a text that the data exchange refuses: the class library's message once, then the input
// check's prompt naming the field; the page and the parameters keep the value they had.
TEST_F(StairBoardInputSession, RefusedTextIsToldOnceAndNamed) {
    qelt::UserScript script;
    script.Set(IDC_SB_H, "nan").Click(IDC_WORK_CALCULATE).Answer(IDOK).Answer(IDOK).Close();
    Run(script);
    const auto& entries = qelt::InteractionLog::Instance().Entries();
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, "message box");
    EXPECT_EQ(entries[0].text, CString("请输入一个数字。"));
    EXPECT_EQ(entries[1].kind, "prompt");
    EXPECT_GE(entries[1].text.Find("1.  参数0<H<=10000"), 0) << entries[1].text;
    EXPECT_EQ(m_input.m_dH, 1500);
    EXPECT_EQ(m_param.M_H, 1500);
    EXPECT_EQ(m_param.wordC.GetRowCount(), 0);
}

// A limit field out of range or unreadable gets the stored value back without a word; a value within
// the range is stored at once.
TEST_F(StairBoardInputSession, LimitFieldsRestoreSilently) {
    qelt::UserScript script;
    script.Set(IDC_SB_RG, "0")
        .Set(IDC_SB_RQ, "1e1")
        .Set(IDC_SB_WQ, "0.01")
        .Set(IDC_SB_CRACK, "100.5")
        .Set(IDC_SB_COVER, "0")
        .Set(IDC_SB_LIM1, "1000")
        .Set(IDC_SB_LIM2, "1001")
        .Close();
    Run(script);
    EXPECT_EQ(m_param.m_dRg, 1.2);
    EXPECT_EQ(m_param.m_dRq, 1.4);
    EXPECT_EQ(m_param.m_dWq, 0.01);
    EXPECT_EQ(m_param.m_dCrackWidth, 0.3);
    EXPECT_EQ(m_param.m_dC, 0);
    EXPECT_EQ(m_param.m_dFlexibilityLim1, 1000);
    EXPECT_EQ(m_param.m_dFlexibilityLim2, 250);
    EXPECT_TRUE(qelt::InteractionLog::Instance().Entries().size() <= 1u);  // the closing only
    EXPECT_TRUE(Texts("prompt").empty());
    EXPECT_TRUE(Texts("message box").empty());
}

}  // namespace
