// The input page of the deep flexural oblique section: its control states, its input test and a
// person's session in the work dialog driven by a user script.
#include <gtest/gtest.h>

#include <functional>

#include "MemberPageFixture.h"
#include "Printers.h"
#include "checks/flexural/DeepFlexObliqueDlg.h"
#include "checks/flexural/DeepFlexObliqueParam.h"
#include "host/VuskSave.h"

namespace {

using DeepFlexObliquePage = MemberPageTest<CStlcnDeepFlexObliqueDlg, CStlcnDeepFlexObliqueParam>;
using DeepFlexObliqueSession = MemberSessionTest<CStlcnDeepFlexObliqueDlg, CStlcnDeepFlexObliqueParam>;

const char* const kModes[] = {"已知剪力、Asv求Ash", "已知剪力、Ash求Asv", "已知Asv、Ash求剪力"};
const UINT kRadios[] = {IDC_DO_FIND_ASH, IDC_DO_FIND_ASV, IDC_DO_FIND_V};

TEST_F(DeepFlexObliquePage, TheModeEnablesTheGivenQuantities) {
    struct {
        BOOL v, ash, asv;
    } states[] = {{TRUE, FALSE, TRUE}, {TRUE, TRUE, FALSE}, {FALSE, TRUE, TRUE}};
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(kModes[i]);
        m_param.m_strDeepCaltType = kModes[i];
        m_page.SetData(&m_param);
        EXPECT_EQ(Enabled(IDC_DO_V), states[i].v);
        EXPECT_EQ(Enabled(IDC_DO_AREAS_SH), states[i].ash);
        EXPECT_EQ(Enabled(IDC_DO_AREAS_SV), states[i].asv);
        EXPECT_EQ(m_page.IsDlgButtonChecked(kRadios[i]), BST_CHECKED);
        Click(kRadios[(i + 1) % 3]);
        EXPECT_EQ(Enabled(IDC_DO_V), states[(i + 1) % 3].v);
        EXPECT_EQ(Enabled(IDC_DO_AREAS_SH), states[(i + 1) % 3].ash);
        EXPECT_EQ(Enabled(IDC_DO_AREAS_SV), states[(i + 1) % 3].asv);
    }
    EXPECT_FALSE(Enabled(IDC_DO_A));
    Choose(IDC_DO_FTYPE, "集中荷载独立梁");
    EXPECT_TRUE(Enabled(IDC_DO_A));
    Choose(IDC_DO_FTYPE, "均布荷载一般梁");
    EXPECT_FALSE(Enabled(IDC_DO_A));
}

TEST_F(DeepFlexObliquePage, TakesBackWhatItShows) {
    m_param.m_strDeepCaltType = kModes[1];
    m_param.m_strDeepSectPosit = "支座截面";
    m_param.m_dAs = 400;
    m_param.m_dV = 1234567.8;
    m_param.m_bIsAutoCaltSh = 1;
    m_param.m_strSteelBarGradeHor = "HPB235";
    m_param.m_dPminSv = 0.0025;
    m_page.SetData(&m_param);
    EXPECT_EQ(Text(IDC_DO_AS), CString("0.2h"));
    EXPECT_EQ(Text(IDC_DO_V), CString("1234.568"));
    EXPECT_EQ(Text(IDC_DO_PMIN_SH), CString("自动计算"));
    EXPECT_EQ(Text(IDC_DO_PMIN_SV), CString("0.25"));
    CStlcnDeepFlexObliqueParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_strDeepCaltType, CString(kModes[1]));
    EXPECT_EQ(taken.m_strDeepSectPosit, CString("支座截面"));
    EXPECT_DOUBLE_EQ(taken.m_dAs, 400);
    EXPECT_DOUBLE_EQ(taken.m_dV, 1234568);
    EXPECT_EQ(taken.m_bIsAutoCaltSh, 1);
    EXPECT_DOUBLE_EQ(taken.m_dPminSh, 0.0025);  // a deep beam of HPB235
    EXPECT_EQ(taken.m_bIsAutoCaltSv, 0);
    EXPECT_DOUBLE_EQ(taken.m_dPminSv, 0.0025);
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnDeepFlexObliqueParam&)> setup;
    CheckFindings findings;
};

const char kSectionError[] = "受剪截面不符合条件,请加大截面尺寸或提高混凝土强度等级。";

const CheckCase kChecks[] = {
    {"defaults", [](CStlcnDeepFlexObliqueParam&) {}, {}},
    {"h below 2as", [](CStlcnDeepFlexObliqueParam& p) { p.m_dAs = 1200; },
     {{"要求2*as<h。"}, {"当lo/h≤2时，跨中截面，as应取0.1h。"}}},
    {"deep beam of C15", [](CStlcnDeepFlexObliqueParam& p) { p.m_strConcreteGrade = "C15"; },
     {{"深梁的混凝土强度等级不应低于C20。"}, {}}},
    {"horizontal minimum below the code's", [](CStlcnDeepFlexObliqueParam& p) { p.m_dPminSh = 0.001; },
     {{}, {"水平分布钢筋最小配筋率取值不宜小于0.200%。"}}},
    {"vertical minimum below the code's", [](CStlcnDeepFlexObliqueParam& p) { p.m_strSteelBarGradeVer = "HPB235"; },
     {{}, {"竖向分布钢筋最小配筋率取值不宜小于0.250%。"}}},
    {"support section at lo/h = 2",
     [](CStlcnDeepFlexObliqueParam& p) {
         p.m_dLo = 4000;
         p.m_strDeepSectPosit = "支座截面";
     },
     {{}, {"当lo/h≤2时，支座截面，as应取0.2h。"}}},
    {"lo/h of 5",
     [](CStlcnDeepFlexObliqueParam& p) {
         p.m_dLo = 10000;
         p.m_bIsAutoCaltSh = 1;
         p.m_bIsAutoCaltSv = 1;
     },
     {{}, {"lo/h≥5.0,不宜按深受弯构件进行设计。"}}},
    {"slender deep beam", [](CStlcnDeepFlexObliqueParam& p) { p.m_dB = 70; },
     {{kSectionError}, {"作为深梁，当lo/h≥1时，h/b不宜大于25。", "深梁的截面宽度不应小于140mm。"}}},
    // Vlim = 3088800 N.
    {"shear above the limit", [](CStlcnDeepFlexObliqueParam& p) { p.m_dV = 3100000; }, {{kSectionError}, {}}},
    {"shear above the limit in the capacity mode",
     [](CStlcnDeepFlexObliqueParam& p) {
         p.m_dV = 3100000;
         p.m_strDeepCaltType = kModes[2];
     },
     {}},
};

TEST_F(DeepFlexObliquePage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnDeepFlexObliqueParam p;
        c.setup(p);
        CStringArray arrWarnings, arrErrors;
        BOOL bResult = Check(p, arrWarnings, arrErrors);
        ExpectFindings(bResult, arrWarnings, arrErrors, c.findings);
    }
}

// A disabled box is not range-tested: in the capacity mode V may hold anything; the capacity then
// replaces it.
TEST_F(DeepFlexObliqueSession, FindsTheShearCapacity) {
    qelt::UserScript script;
    script.Click(IDC_DO_FIND_V).Set(IDC_DO_AREAS_SH, "50").Set(IDC_DO_AREAS_SV, "50").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_TRUE(Texts("prompt").empty());
    EXPECT_DOUBLE_EQ(m_param.m_dV, 2297160);  // 2162160 + 1/6·3·300·50·1800/100, the areas as given
    EXPECT_EQ(m_param.m_dAreasSv, 50);
    double dV = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnDeepFlexObliqueParam//dV", dV, 0.0));
    EXPECT_EQ(dV, 2297160);
    CString strMode;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnDeepFlexObliqueParam//strDeepCaltType", strMode, ""));
    EXPECT_EQ(strMode, CString(kModes[2]));
}

TEST_F(DeepFlexObliqueSession, RefusesASpacingOutOfRange) {
    qelt::UserScript script;
    script.Set(IDC_DO_SV, "1001").Click(IDC_PROMPT_ACKNOWLEDGE).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0.000001与1000之间的实数"));
    EXPECT_EQ(m_param.m_dSv, 100);
}

}  // namespace
