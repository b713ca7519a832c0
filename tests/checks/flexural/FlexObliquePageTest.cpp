// The input page of the flexural oblique section: its control states, its input test, its help,
// and a person's session in the work dialog driven by a user script.
#include <gtest/gtest.h>

#include <functional>

#include "MemberPageFixture.h"
#include "Printers.h"
#include "checks/flexural/FlexObliqueDlg.h"
#include "checks/flexural/FlexObliqueParam.h"
#include "host/Help.h"
#include "host/VuskSave.h"

namespace {

using FlexObliquePage = MemberPageTest<CStlcnFlexObliqueDlg, CStlcnFlexObliqueParam>;
using FlexObliqueSession = MemberSessionTest<CStlcnFlexObliqueDlg, CStlcnFlexObliqueParam>;

struct StateCase {
    const char* section;
    const char* load;
    int mode;
    BOOL flange, a, v, asv;
    int slide;
};

const StateCase kStates[] = {
    {"矩形", "均布荷载一般梁", 0, FALSE, FALSE, TRUE, FALSE, 0},
    {"矩形", "集中荷载独立梁", 1, FALSE, TRUE, FALSE, TRUE, 0},
    {"T形", "均布荷载一般梁", 1, TRUE, FALSE, FALSE, TRUE, 1},
    {"T形", "集中荷载独立梁", 0, TRUE, TRUE, TRUE, FALSE, 1},
};

TEST_F(FlexObliquePage, ShowsTheControlsThatTheChoiceNeeds) {
    for (const StateCase& c : kStates) {
        SCOPED_TRACE(std::string(c.section) + c.load + (c.mode ? " capacity" : " design"));
        m_param.m_strSectionType = c.section;
        m_param.m_strFType = c.load;
        m_param.m_strCaltType = c.mode ? "已知配筋求剪力" : "已知剪力求配筋";
        m_page.SetData(&m_param);
        EXPECT_EQ(Enabled(IDC_FO_BF), c.flange);
        EXPECT_EQ(Enabled(IDC_FO_HF), c.flange);
        EXPECT_EQ(Enabled(IDC_FO_A), c.a);
        EXPECT_EQ(Enabled(IDC_FO_V), c.v);
        EXPECT_EQ(Enabled(IDC_FO_AREAS_SV), c.asv);
        EXPECT_EQ(Slide(), c.slide);
        EXPECT_EQ(m_page.IsDlgButtonChecked(c.mode ? IDC_FO_CAPACITY : IDC_FO_DESIGN), BST_CHECKED);
    }
}

TEST_F(FlexObliquePage, ChoicesAndRadiosSwitchTheBoxes) {
    m_page.SetData(&m_param);
    Choose(IDC_FO_SECTION, "T形");
    EXPECT_TRUE(Enabled(IDC_FO_BF));
    EXPECT_TRUE(Enabled(IDC_FO_HF));
    EXPECT_EQ(Slide(), 1);
    Choose(IDC_FO_SECTION, "矩形");
    EXPECT_FALSE(Enabled(IDC_FO_BF));
    EXPECT_EQ(Slide(), 0);
    Choose(IDC_FO_FTYPE, "集中荷载独立梁");
    EXPECT_TRUE(Enabled(IDC_FO_A));
    Choose(IDC_FO_FTYPE, "均布荷载一般梁");
    EXPECT_FALSE(Enabled(IDC_FO_A));
    Click(IDC_FO_CAPACITY);
    EXPECT_FALSE(Enabled(IDC_FO_V));
    EXPECT_TRUE(Enabled(IDC_FO_AREAS_SV));
    Click(IDC_FO_DESIGN);
    EXPECT_TRUE(Enabled(IDC_FO_V));
    EXPECT_FALSE(Enabled(IDC_FO_AREAS_SV));
}

// V is shown in kN and taken back in N; the ratio box gives the code's minimum or a percent.
TEST_F(FlexObliquePage, TakesBackWhatItShows) {
    m_param.m_dV = 123456.7;
    m_param.m_dAreasSv = 157.4;
    m_param.m_bIsAutoCalt = 1;
    m_param.m_strSteelBarGrade = "HPB235";
    m_page.SetData(&m_param);
    EXPECT_EQ(Text(IDC_FO_V), CString("123.457"));
    EXPECT_EQ(Text(IDC_FO_AREAS_SV), CString("157"));
    EXPECT_EQ(Text(IDC_FO_PMIN), CString("自动计算"));
    CStlcnFlexObliqueParam taken;
    m_page.GetData(&taken);
    EXPECT_DOUBLE_EQ(taken.m_dV, 123457);
    EXPECT_EQ(taken.m_strSteelBarGrade, CString("HPB235"));
    EXPECT_EQ(taken.m_bIsAutoCalt, 1);
    EXPECT_DOUBLE_EQ(taken.m_dPmin, 0.24 * 1.43 / 210);
    CComboBox* pRatio = static_cast<CComboBox*>(m_page.GetDlgItem(IDC_FO_PMIN));
    pRatio->SetWindowText("0.3");
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_bIsAutoCalt, 0);
    EXPECT_DOUBLE_EQ(taken.m_dPmin, 0.003);
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnFlexObliqueParam&)> setup;
    CheckFindings findings;
};

const char kSectionError[] = "受剪截面不符合条件,请加大截面尺寸或提高混凝土强度等级。";

const CheckCase kChecks[] = {
    {"defaults", [](CStlcnFlexObliqueParam&) {}, {}},
    // A low section with a shear that its limit 0.25·14.3·400·ho still carries.
    {"h below 2as",
     [](CStlcnFlexObliqueParam& p) {
         p.m_dH = 79;
         p.m_dV = 10000;
     },
     {{"要求2*as<h。"}, {}}},
    {"h at 2as",
     [](CStlcnFlexObliqueParam& p) {
         p.m_dH = 80;
         p.m_dV = 10000;
     },
     {}},
    // The limit 0.25·14.3·400·760 = 1086800 N.
    {"shear above the limit", [](CStlcnFlexObliqueParam& p) { p.m_dV = 1086801; }, {{kSectionError}, {}}},
    {"shear above the limit in the capacity mode",
     [](CStlcnFlexObliqueParam& p) {
         p.m_dV = 1086801;
         p.m_strCaltType = "已知配筋求剪力";
     },
     {}},
    {"flange above the section",
     [](CStlcnFlexObliqueParam& p) {
         p.m_strSectionType = "T形";
         p.m_dHf = 801;
     },
     {{"要求上翼缘高度h'f≤截面高度h。"}, {}}},
    {"rectangle with a high flange", [](CStlcnFlexObliqueParam& p) { p.m_dHf = 801; }, {}},
    {"unknown grade", [](CStlcnFlexObliqueParam& p) { p.m_strSteelBarGrade = "X"; }, {{"请选择混凝土等级和钢筋种类。"}, {}}},
};

TEST_F(FlexObliquePage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnFlexObliqueParam p;
        c.setup(p);
        CStringArray arrWarnings, arrErrors;
        BOOL bResult = Check(p, arrWarnings, arrErrors);
        ExpectFindings(bResult, arrWarnings, arrErrors, c.findings);
    }
}

TEST_F(FlexObliquePage, F1OpensTheCommandsHelpTopic) {
    qelt::host::ClearHelpRequests();
    HELPINFO info = {};
    EXPECT_TRUE(m_page.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)));
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    const qelt::host::HelpRequest& request = qelt::host::HelpRequests()[0];
    EXPECT_EQ(request.flag, HH_DISPLAY_TOPIC);
    EXPECT_EQ(CString(request.topic.c_str()), CString("1/受弯构件斜截面承载力计算.htm"));
    CString strFile = request.product.c_str();
    EXPECT_EQ(strFile.Right(10), CString("VUSK20.chm"));
}

// A shear beyond the box's bound is refused with the bounds in kN, and the stored 500 kN put back;
// "计算" then designs the stirrups, which the page shows and the store keeps.
TEST_F(FlexObliqueSession, RefusesAShearOutOfRangeAndDesigns) {
    qelt::UserScript script;
    script.Set(IDC_FO_V, "600000").Click(IDC_PROMPT_ACKNOWLEDGE).Set(IDC_FO_V, "700").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0.000001与500000之间的实数"));
    EXPECT_EQ(m_param.m_dV, 700000);
    EXPECT_NEAR(m_param.m_dAreasSv, 139, 1e-9);  // 138.84 as the page shows it
    double dAsv = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexObliqueParam//dAreasSv", dAsv, 0.0));
    EXPECT_EQ(dAsv, 139);
}

// The capacity of the given stirrups in the box V, in kN with three decimals.
TEST_F(FlexObliqueSession, FindsTheCapacity) {
    qelt::UserScript script;
    script.Click(IDC_FO_CAPACITY).Set(IDC_FO_AREAS_SV, "100").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(m_param.m_strCaltType, CString("已知配筋求剪力"));
    EXPECT_DOUBLE_EQ(m_param.m_dV, 589304);
}

// Errors stop "计算": the section too small for the shear.
TEST_F(FlexObliqueSession, ErrorsStopTheCalculation) {
    qelt::UserScript script;
    script.Set(IDC_FO_V, "1100").Click(IDC_WORK_CALCULATE).Click(IDC_PROMPT_ACKNOWLEDGE).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("1.  ") + kSectionError + "\r\n\r\n请返回修改!");
    EXPECT_EQ(m_param.m_dAreasSv, 500);
}

}  // namespace
