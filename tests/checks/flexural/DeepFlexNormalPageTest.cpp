// The input page of the deep flexural normal section: its control states, the as and ratio boxes,
// its input test and a person's session in the work dialog driven by a user script.
#include <gtest/gtest.h>

#include <functional>

#include "MemberPageFixture.h"
#include "Printers.h"
#include "checks/flexural/DeepFlexNormalDlg.h"
#include "checks/flexural/DeepFlexNormalParam.h"
#include "host/VuskSave.h"

namespace {

using DeepFlexNormalPage = MemberPageTest<CStlcnDeepFlexNormalDlg, CStlcnDeepFlexNormalParam>;
using DeepFlexNormalSession = MemberSessionTest<CStlcnDeepFlexNormalDlg, CStlcnDeepFlexNormalParam>;

TEST_F(DeepFlexNormalPage, TheModeEnablesTheGivenQuantity) {
    m_page.SetData(&m_param);
    EXPECT_TRUE(Enabled(IDC_DN_M));
    EXPECT_FALSE(Enabled(IDC_DN_AREAS));
    EXPECT_EQ(Text(IDC_DN_AS), CString("0.1h"));
    EXPECT_EQ(Slide(), -1);  // the deep members select no slide
    Click(IDC_DN_CAPACITY);
    EXPECT_FALSE(Enabled(IDC_DN_M));
    EXPECT_TRUE(Enabled(IDC_DN_AREAS));
    Click(IDC_DN_DESIGN);
    EXPECT_TRUE(Enabled(IDC_DN_M));
    m_param.m_strCalType = "已知配筋求弯矩";
    m_page.SetData(&m_param);
    EXPECT_TRUE(Enabled(IDC_DN_AREAS));
    EXPECT_EQ(m_page.IsDlgButtonChecked(IDC_DN_CAPACITY), BST_CHECKED);
}

// as: "0.1h" and "0.2h" are shares of the height in the box h, shown so when as is exactly that.
TEST_F(DeepFlexNormalPage, AsBoxTakesSharesOfTheHeight) {
    struct {
        double as;
        const char* shown;
    } cases[] = {{200, "0.1h"}, {400, "0.2h"}, {250, "250"}};
    for (const auto& c : cases) {
        m_param.m_dAs = c.as;
        m_page.SetData(&m_param);
        EXPECT_EQ(Text(IDC_DN_AS), CString(c.shown));
        CStlcnDeepFlexNormalParam taken;
        m_page.GetData(&taken);
        EXPECT_DOUBLE_EQ(taken.m_dAs, c.as);
    }
    m_page.GetDlgItem(IDC_DN_H)->SetWindowText("1500");
    m_page.GetDlgItem(IDC_DN_AS)->SetWindowText("0.2h");
    CStlcnDeepFlexNormalParam taken;
    m_page.GetData(&taken);
    EXPECT_DOUBLE_EQ(taken.m_dAs, 300);
}

TEST_F(DeepFlexNormalPage, AutomaticRatioIsTheCodeMinimumOfTheValuesTaken) {
    m_param.m_strSteelBarGrade = "HPB235";
    m_param.m_bIsAutoCalt = 1;
    m_page.SetData(&m_param);
    EXPECT_EQ(Text(IDC_DN_PMIN), CString("自动计算"));
    CStlcnDeepFlexNormalParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_bIsAutoCalt, 1);
    EXPECT_DOUBLE_EQ(taken.m_dPmin, 0.0025);  // a deep beam of HPB235
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnDeepFlexNormalParam&)> setup;
    CheckFindings findings;
};

const CheckCase kChecks[] = {
    {"defaults", [](CStlcnDeepFlexNormalParam&) {}, {}},
    {"support section with 0.1h", [](CStlcnDeepFlexNormalParam& p) { p.m_strSectPosit = "支座截面"; },
     {{}, {"当lo/h≤2时，支座截面，as应取0.2h。"}}},
    {"mid-span section with 0.2h", [](CStlcnDeepFlexNormalParam& p) { p.m_dAs = 400; },
     {{}, {"当lo/h≤2时，跨中截面，as应取0.1h。"}}},
    {"minimum below the code's", [](CStlcnDeepFlexNormalParam& p) { p.m_strSteelBarGrade = "HPB235"; },
     {{}, {"最小配筋率取值不宜小于0.250%。"}}},
    {"h below 2as", [](CStlcnDeepFlexNormalParam& p) { p.m_dAs = 1200; },
     {{"要求2*as<h。"}, {"当lo/h≤2时，跨中截面，as应取0.1h。"}}},
    {"lo/h of 5",
     [](CStlcnDeepFlexNormalParam& p) {
         p.m_dLo = 10000;
         p.m_bIsAutoCalt = 1;
     },
     {{}, {"lo/h≥5.0,不宜按深受弯构件进行设计。"}}},
    {"deep beam of C15", [](CStlcnDeepFlexNormalParam& p) { p.m_strConcreteGrade = "C15"; },
     {{"深梁的混凝土强度等级不应低于C20。"}, {}}},
    // h/b = 2000/70 > 25.
    {"slender deep beam", [](CStlcnDeepFlexNormalParam& p) { p.m_dB = 70; },
     {{}, {"作为深梁，当lo/h≥1时，h/b不宜大于25。", "深梁的截面宽度不应小于140mm。"}}},
    // lo/h = 0.75, lo/b = 30.
    {"short slender deep beam",
     [](CStlcnDeepFlexNormalParam& p) {
         p.m_dLo = 1500;
         p.m_dB = 50;
     },
     {{}, {"作为深梁，当lo/h<1时，lo/b不宜大于25。", "深梁的截面宽度不应小于140mm。"}}},
    {"no root for the compression zone", [](CStlcnDeepFlexNormalParam& p) { p.m_dM = 30000; },
     {{"受压区高度无解，修改梁高或弯矩设计值等参数重新计算。"}, {}}},
    // 200 × 2000, lo 3000, C20, M 2200: x0 = 1041.5 > ξb·ho = 990.
    {"over-reinforced design",
     [](CStlcnDeepFlexNormalParam& p) {
         p.m_dB = 200;
         p.m_dLo = 3000;
         p.m_strConcreteGrade = "C20";
         p.m_dM = 2200;
     },
     {{"相对受压区高度不满足要求，请加大截面尺寸或提高混凝土\r\n强度等级。"}, {}}},
    // The same beam's capacity with As 8000 (x0 = 1250 > 990) is calculated with x = ξb·ho.
    {"over-reinforced capacity",
     [](CStlcnDeepFlexNormalParam& p) {
         p.m_dB = 200;
         p.m_dLo = 3000;
         p.m_strConcreteGrade = "C20";
         p.m_strCalType = "已知配筋求弯矩";
         p.m_dAreas = 8000;
     },
     {}},
};

TEST_F(DeepFlexNormalPage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnDeepFlexNormalParam p;
        c.setup(p);
        CStringArray arrWarnings, arrErrors;
        BOOL bResult = Check(p, arrWarnings, arrErrors);
        ExpectFindings(bResult, arrWarnings, arrErrors, c.findings);
    }
}

// "0" in b is refused with the bounds of b and the old width put back; the capacity is calculated
// and shown in the moment box.
TEST_F(DeepFlexNormalSession, RefusesAWidthAndFindsTheMoment) {
    qelt::UserScript script;
    script.Set(IDC_DN_B, "0")
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Click(IDC_DN_CAPACITY)
        .Set(IDC_DN_AREAS, "2500")
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0.000001与10000之间的实数"));
    EXPECT_EQ(m_param.m_dB, 600);
    EXPECT_DOUBLE_EQ(m_param.m_dM, 1059.48);  // 300·1412.64·2500/1e6
    double dM = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnDeepFlexNormalParam//dM", dM, 0.0));
    EXPECT_EQ(dM, 1059.48);
}

// A warning lets the engineer go on: "否" to going back calculates.
TEST_F(DeepFlexNormalSession, AWarningAsksAndGoesOn) {
    qelt::UserScript script;
    script.Choose(IDC_DN_SECTPOSIT, "支座截面").Click(IDC_WORK_CALCULATE).Answer(IDNO).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_NE(prompts[0].Find("当lo/h≤2时，支座截面，as应取0.2h。"), -1);
    EXPECT_EQ(m_param.m_dAreas, 2400);
}

}  // namespace
