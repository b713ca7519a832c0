// The input page of the flexural normal section: its control states, its input test and its
// questions on a page of its own, and a person's session in the work dialog driven by a user script.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "MemberPageFixture.h"
#include "Printers.h"
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "host/Numbers.h"
#include "host/VuskSave.h"

namespace {

using FlexNormalPage = MemberPageTest<CStlcnFlexNormalDlg, CStlcnFlexNormalParam>;
using FlexNormalSession = MemberSessionTest<CStlcnFlexNormalDlg, CStlcnFlexNormalParam>;

struct StateCase {
    const char* section;
    const char* rein;
    int mode;
    BOOL mEnabled, asEnabled, asPsShown, asPsEnabled, flangeEnabled, compressionEnabled, reinEnabled;
    int slide;
};

const StateCase kStates[] = {
    {"矩形", "单筋", 0, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, 0},
    {"矩形", "单筋", 1, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, TRUE, 0},
    // Both steels sought: A's shown as a result in the design mode, an input in the capacity mode.
    {"矩形", "双筋", 0, TRUE, FALSE, TRUE, FALSE, FALSE, TRUE, TRUE, 0},
    {"矩形", "双筋", 1, FALSE, TRUE, TRUE, TRUE, FALSE, TRUE, TRUE, 0},
    {"矩形", "双筋(已知受压钢筋)", 0, TRUE, FALSE, TRUE, TRUE, FALSE, TRUE, TRUE, 0},
    {"矩形", "双筋(已知受压钢筋)", 1, FALSE, TRUE, TRUE, TRUE, FALSE, TRUE, TRUE, 0},
    // A T section is calculated with tension steel only, whatever was stored.
    {"T形", "双筋", 0, TRUE, FALSE, FALSE, FALSE, TRUE, FALSE, FALSE, 1},
};

TEST_F(FlexNormalPage, ShowsTheControlsThatTheChoiceNeeds) {
    for (const StateCase& c : kStates) {
        SCOPED_TRACE(std::string(c.section) + c.rein + (c.mode ? " capacity" : " design"));
        m_param.m_strSectionType = c.section;
        m_param.m_strMatchBarType = c.rein;
        m_param.m_strCaltType = c.mode ? "已知配筋求弯矩" : "已知弯矩求配筋";
        m_page.SetData(&m_param);
        EXPECT_EQ(Enabled(IDC_FN_M), c.mEnabled);
        EXPECT_EQ(Enabled(IDC_FN_AREAS_PL), c.asEnabled);
        EXPECT_EQ(Visible(IDC_FN_AREAS_PS), c.asPsShown);
        EXPECT_EQ(Visible(IDC_FN_AREAS_PS_LABEL), c.asPsShown);
        if (c.asPsShown) {
            EXPECT_EQ(Enabled(IDC_FN_AREAS_PS), c.asPsEnabled);
        }
        EXPECT_EQ(Enabled(IDC_FN_BF), c.flangeEnabled);
        EXPECT_EQ(Enabled(IDC_FN_HF), c.flangeEnabled);
        EXPECT_EQ(Enabled(IDC_FN_PMIN_PS), c.compressionEnabled);
        EXPECT_EQ(Enabled(IDC_FN_AS_PS), c.compressionEnabled);
        EXPECT_EQ(Enabled(IDC_FN_STEEL_PS), c.compressionEnabled);
        EXPECT_EQ(Enabled(IDC_FN_MATCHBAR), c.reinEnabled);
        EXPECT_TRUE(Enabled(IDC_FN_PMIN_PL));
        EXPECT_EQ(Slide(), c.slide);
        EXPECT_EQ(m_page.IsDlgButtonChecked(c.mode ? IDC_FN_CAPACITY : IDC_FN_DESIGN), BST_CHECKED);
    }
}

TEST_F(FlexNormalPage, ChoosingTheSectionSwitchesReinforcementFlangeAndSlide) {
    m_param.m_strMatchBarType = "双筋";
    m_page.SetData(&m_param);
    Choose(IDC_FN_SECTION, "T形");
    EXPECT_EQ(Text(IDC_FN_MATCHBAR), CString("单筋"));
    EXPECT_FALSE(Enabled(IDC_FN_MATCHBAR));
    EXPECT_FALSE(Visible(IDC_FN_AREAS_PS));
    EXPECT_TRUE(Enabled(IDC_FN_BF));
    EXPECT_EQ(Slide(), 1);

    Choose(IDC_FN_SECTION, "矩形");
    EXPECT_TRUE(Enabled(IDC_FN_MATCHBAR));
    EXPECT_FALSE(Enabled(IDC_FN_BF));
    EXPECT_FALSE(Enabled(IDC_FN_HF));
    EXPECT_EQ(Slide(), 0);

    Choose(IDC_FN_MATCHBAR, "双筋");
    Click(IDC_FN_CAPACITY);
    EXPECT_TRUE(Enabled(IDC_FN_AREAS_PS));
    EXPECT_FALSE(Enabled(IDC_FN_M));
    Click(IDC_FN_DESIGN);
    EXPECT_FALSE(Enabled(IDC_FN_AREAS_PS));
    EXPECT_TRUE(Enabled(IDC_FN_M));
}

// The page shows the object and takes it back unchanged; a ratio box reading "自动计算" gives its
// flag and the code's minimum, a number its percent as a fraction.
TEST_F(FlexNormalPage, TakesBackWhatItShows) {
    m_param.strNumber = "KL-7";
    m_param.m_strMatchBarType = "双筋(已知受压钢筋)";
    m_param.m_strSteelBarGradePl = "HPB235";
    m_param.m_dB = 250;
    m_param.m_dGo = 1.1;
    m_param.m_dM = 123.456;
    m_param.m_dAreasPs = 780;
    m_param.m_bIsAutoCalt = 1;
    m_param.m_dPminPs = 0.0025;
    m_page.SetData(&m_param);
    EXPECT_EQ(Text(IDC_FN_PMIN_PL), CString("自动计算"));
    EXPECT_EQ(Text(IDC_FN_PMIN_PS), CString("0.25"));
    EXPECT_EQ(Text(IDC_FN_M), CString("123.456"));
    EXPECT_EQ(Text(IDC_FN_GO), CString("1.1"));

    CStlcnFlexNormalParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.strNumber, CString("KL-7"));
    EXPECT_EQ(taken.m_strMatchBarType, CString("双筋(已知受压钢筋)"));
    EXPECT_EQ(taken.m_strSteelBarGradePl, CString("HPB235"));
    EXPECT_EQ(taken.m_dB, 250);
    EXPECT_DOUBLE_EQ(taken.m_dGo, 1.1);
    EXPECT_DOUBLE_EQ(taken.m_dM, 123.456);
    EXPECT_EQ(taken.m_dAreasPs, 780);
    EXPECT_EQ(taken.m_bIsAutoCalt, 1);
    EXPECT_DOUBLE_EQ(taken.m_dPminPl, 0.45 * 1.10 / 210);  // C20 with HPB235
    EXPECT_EQ(taken.m_bIsAutoCaltPs, 0);
    EXPECT_DOUBLE_EQ(taken.m_dPminPs, 0.0025);
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnFlexNormalParam&)> setup;
    std::vector<const char*> errors;
    std::vector<const char*> warnings;
};

void Rect(CStlcnFlexNormalParam& p, const char* rein, BOOL bCapacity) {
    p.m_strMatchBarType = rein;
    p.m_strCaltType = bCapacity ? "已知配筋求弯矩" : "已知弯矩求配筋";
}

const char kXiError[] = "相对受压区高度不满足要求，请加大截面尺寸或提高混凝土\r\n强度等级。";

const CheckCase kChecks[] = {
    {"defaults", [](CStlcnFlexNormalParam&) {}, {}, {}},
    // The code minimum 0.45·1.10/210 = 0.2357 % lies above the 0.2 % in the box.
    {"minimum below the code's", [](CStlcnFlexNormalParam& p) { p.m_strSteelBarGradePl = "HPB235"; }, {},
     {"最小配筋率取值不宜小于0.236%。"}},
    {"h below 2as",
     [](CStlcnFlexNormalParam& p) {
         p.m_dH = 60;
         p.m_dM = 0.5;
     },
     {"要求2*as<h。"}, {}},
    {"h at 2as", [](CStlcnFlexNormalParam& p) {
         p.m_dH = 70;
         p.m_dM = 1;
     },
     {}, {}},
    {"h below 2as'",
     [](CStlcnFlexNormalParam& p) {
         Rect(p, "双筋", TRUE);
         p.m_dAsPl = 20;
         p.m_dAsPs = 50;
         p.m_dH = 90;
     },
     {"要求2*as'<h。"}, {}},
    // as = as' = h/2 leaves the compression steel no lever arm.
    {"no lever arm for A's",
     [](CStlcnFlexNormalParam& p) {
         Rect(p, "双筋", TRUE);
         p.m_dH = 70;
     },
     {"要求as+as'<h。"}, {}},
    // αs = 2000e6/(9.6·400·765²) ≥ 0.5: ξ = 1 > ξb.
    {"design beyond ξb", [](CStlcnFlexNormalParam& p) { p.m_dM = 2000; }, {kXiError}, {}},
    // αs = 1200e6/(9.6·400·765²) = 0.534: no ξ, refused as single reinforcement.
    {"design without ξ", [](CStlcnFlexNormalParam& p) { p.m_dM = 1200; }, {kXiError}, {}},
    // ξ = 300·8000/(9.6·400·765) > ξb; largest area 0.55·9.6·400·765/300 = 5385.6.
    {"capacity beyond ξb",
     [](CStlcnFlexNormalParam& p) {
         Rect(p, "单筋", TRUE);
         p.m_dAreasPl = 8000;
     },
     {"已超筋，相对受压区高度不满足要求，请加大截面尺寸或\r\n提高混凝土强度等级或减少受拉纵筋面积。\r\n最大受拉纵筋面积为5386mm^2"},
     {}},
    {"double with both minima low",
     [](CStlcnFlexNormalParam& p) {
         Rect(p, "双筋", TRUE);
         p.m_strSteelBarGradePl = "HPB235";
         p.m_strSteelBarGradePs = "HPB235";
     },
     {}, {"受拉钢筋最小配筋率取值不宜小于0.236%。", "受压钢筋最小配筋率取值不宜小于0.236%。"}},
    {"flange above the section",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dHf = 801;
     },
     {"要求h'f≤h。"}, {}},
    {"flange as high as the section",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dHf = 800;
     },
     {}, {}},
    // The T design is tested with its own ξ (0.093), not with the area left by an earlier run.
    {"T design with a large earlier area",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dAreasPl = 20000;
     },
     {}, {}},
    // Second class: αs = (2000e6 - 9.6·600·100·715)/(9.6·400·765²) ≥ 0.5.
    {"T design beyond ξb",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dM = 2000;
     },
     {kXiError}, {}},
    {"unknown grade", [](CStlcnFlexNormalParam& p) { p.m_strConcreteGrade = "C99"; }, {"请选择混凝土等级和钢筋种类。"},
     {}},
};

TEST_F(FlexNormalPage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnFlexNormalParam p;
        c.setup(p);
        m_page.SetData(&p);
        CStringArray arrWarnings, arrErrors;
        BOOL bResult = m_page.CheckData(&p, arrWarnings, arrErrors);
        EXPECT_EQ(bResult, c.errors.empty() && c.warnings.empty());
        ASSERT_EQ(arrErrors.GetSize(), static_cast<int>(c.errors.size()));
        for (int i = 0; i < arrErrors.GetSize(); i++) EXPECT_EQ(arrErrors[i], CString(c.errors[i]));
        ASSERT_EQ(arrWarnings.GetSize(), static_cast<int>(c.warnings.size()));
        for (int i = 0; i < arrWarnings.GetSize(); i++) EXPECT_EQ(arrWarnings[i], CString(c.warnings[i]));
        // A refused design shows no result in its greyed As box; a capacity keeps its given As.
        BOOL bRefusedDesign = !c.errors.empty() && p.m_strCaltType == "已知弯矩求配筋";
        EXPECT_EQ(Text(IDC_FN_AREAS_PL), bRefusedDesign ? CString() : ftosp(p.m_dAreasPl, 0, 0, 0));
    }
    EXPECT_TRUE(qelt::InteractionLog::Instance().Entries().empty());
}

// A double design that needs no compression steel asks whether to calculate it as single; the answer
// is kept in the object. The test itself adds nothing to the lists.
TEST_F(FlexNormalPage, AsksWhetherADoubleDesignWithoutCompressionSteelIsSingle) {
    for (int nAnswer : {IDNO, IDYES}) {
        CStlcnFlexNormalParam p;
        p.m_strMatchBarType = "双筋";
        p.m_bIsSingleRein = nAnswer == IDYES ? 0 : 1;
        m_page.SetData(&p);
        qelt::UserScript script;
        script.Answer(nAnswer);
        qelt::ScopedUserScript installed(script);
        CStringArray arrWarnings, arrErrors;
        EXPECT_TRUE(m_page.CheckData(&p, arrWarnings, arrErrors));
        EXPECT_EQ(p.m_bIsSingleRein, nAnswer == IDYES ? 1 : 0);
    }
    const auto& entries = qelt::InteractionLog::Instance().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].caption, CString("QELT构件计算提示您"));
    EXPECT_EQ(entries[0].text, CString("不需配置受压钢筋，是否按单筋矩形构件进行计算?"));
    EXPECT_TRUE(entries[0].byScript);
}

// Given compression steel that is too small: the engineer is told that it will be designed instead.
TEST_F(FlexNormalPage, TellsThatGivenCompressionSteelIsRecomputed) {
    CStlcnFlexNormalParam p;
    p.m_strMatchBarType = "双筋(已知受压钢筋)";
    p.m_dM = 1100;
    p.m_dAreasPs = 200;
    m_page.SetData(&p);
    CStringArray arrWarnings, arrErrors;
    EXPECT_TRUE(m_page.CheckData(&p, arrWarnings, arrErrors));
    const auto& entries = qelt::InteractionLog::Instance().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, CString("受压钢筋A's太小，按A's未知，重新计算A's和As。"));
    EXPECT_EQ(entries[0].buttons.size(), 1u);
}

// A session in the work dialog: the engineer's edits, the range check, the input test and "计算".
TEST_F(FlexNormalSession, DesignsATSectionAndStoresTheInput) {
    qelt::UserScript script;
    script.Choose(IDC_FN_SECTION, "T形").Set(IDC_FN_M, "900").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(m_param.m_strSectionType, CString("T形"));
    // The second class of the worked cases, 4348.105, as the page shows it and takes it back at closing.
    EXPECT_EQ(m_param.m_dAreasPl, 4348);
    double dM = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexNormalParam//dM", dM, 0.0));
    EXPECT_EQ(dM, 900);
    CString strSection;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexNormalParam//strSectionType", strSection, ""));
    EXPECT_EQ(strSection, CString("T形"));
    EXPECT_GT(m_param.wordC.GetRowCount(), 0);
    EXPECT_GT(m_param.wordS.GetRowCount(), 0);
}

// Leaving a box with a text that is no number in its range: the message names the bounds, the box
// gets the old value back, and the object keeps it.
TEST_F(FlexNormalSession, RefusesANumberOutOfRange) {
    qelt::UserScript script;
    script.Set(IDC_FN_B, "abc")
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Set(IDC_FN_PMIN_PL, "12")
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0.000001与10000之间的实数"));
    EXPECT_EQ(prompts[1], CString("请输入一个在0与10之间的实数"));
    EXPECT_EQ(m_param.m_dB, 400);
    EXPECT_DOUBLE_EQ(m_param.m_dPminPl, 0.002);  // the ratio box got its 0.2 (%) back
}

// Errors stop "计算": nothing is calculated, the input is stored.
TEST_F(FlexNormalSession, ErrorsStopTheCalculation) {
    qelt::UserScript script;
    script.Set(IDC_FN_H, "60").Set(IDC_FN_M, "0.5").Click(IDC_WORK_CALCULATE).Click(IDC_PROMPT_ACKNOWLEDGE).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("1.  要求2*as<h。\r\n\r\n请返回修改!"));
    // The refused design left its result box empty, and the page gave that back at closing.
    EXPECT_EQ(m_param.m_dAreasPl, 0);
    double dH = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexNormalParam//dH", dH, 0.0));
    EXPECT_EQ(dH, 60);
}

// The answer to the question decides the compression steel of a double design that needs none.
TEST_F(FlexNormalSession, DoubleDesignKeepsTheMinimumWhenAskedTo) {
    qelt::UserScript script;
    script.Choose(IDC_FN_MATCHBAR, "双筋").Click(IDC_WORK_CALCULATE).Answer(IDNO).Close();
    Run(script);
    EXPECT_EQ(m_param.m_bIsSingleRein, 0);
    EXPECT_EQ(m_param.m_dAreasPs, 640);
    EXPECT_EQ(m_param.m_dAreasPl, 2497);
}

// Inside the host's frame the page has a "计  算" button of its own: it calculates, and shows the result.
TEST_F(FlexNormalSession, PageCalculatesInTheHostsFrame) {
    qelt::UserScript script;
    script.Set(IDC_FN_M, "80").Click(IDC_PAGE_CALCULATE).Close();
    Run(script, 0);
    EXPECT_EQ(m_param.m_dAreasPl, 640);
}

}  // namespace
