// The punching page: its control states and input test on a page of its own, and a session in the
// work dialog driven by a user script.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Printers.h"
#include "checks/members/DiecuttingDlg.h"
#include "checks/members/DiecuttingParam.h"
#include "MemberPageFixture.h"

namespace {

class DiecuttingPage : public MemberPageTest<CStlcnDiecuttingDlg, CStlcnDiecuttingParam> {
protected:
    CStlcnDiecuttingParam m_param;
};

TEST_F(DiecuttingPage, TheCaseEnablesItsBoxes) {
    m_param.m_strSectionType = "圆形";
    m_param.m_strBoardForceType = "集中反力作用";
    m_page.SetData(&m_param);
    for (UINT nID : {IDC_DC_A, IDC_DC_B, IDC_DC_FL, IDC_DC_STEEL, IDC_DC_STYLE, IDC_DC_ASVU, IDC_DC_ALPHA, IDC_DC_ASBU})
        EXPECT_FALSE(Enabled(nID)) << nID;
    for (UINT nID : {IDC_DC_D, IDC_DC_N, IDC_DC_Q}) EXPECT_TRUE(Enabled(nID)) << nID;
    EXPECT_EQ(Slide(), 1);

    Choose(IDC_DC_STYLE, "弯起钢筋");
    Choose(IDC_DC_TYPE, "配筋");
    EXPECT_TRUE(Visible(IDC_DC_ALPHA));
    EXPECT_FALSE(Visible(IDC_DC_ASVU));
    EXPECT_TRUE(Enabled(IDC_DC_ASBU));
    EXPECT_TRUE(Enabled(IDC_DC_STEEL));
    EXPECT_EQ(Text(IDC_DC_ASVU_LABEL), CString("弯起钢筋与底板面的夹角α(°)"));

    Choose(IDC_DC_STYLE, "箍筋");
    EXPECT_FALSE(Visible(IDC_DC_ALPHA));
    EXPECT_TRUE(Visible(IDC_DC_ASVU));
    EXPECT_FALSE(Enabled(IDC_DC_ASBU));
    EXPECT_EQ(Text(IDC_DC_ASVU_LABEL), CString("全部箍筋截面面积Asvu(mm^2)"));

    Choose(IDC_DC_BOARD_FORCE, "局部荷载作用");
    Choose(IDC_DC_SECTION, "矩形");
    EXPECT_TRUE(Enabled(IDC_DC_FL));
    EXPECT_FALSE(Enabled(IDC_DC_Q));
    EXPECT_TRUE(Enabled(IDC_DC_A));
    EXPECT_FALSE(Enabled(IDC_DC_D));
    EXPECT_EQ(Slide(), 0);
}

// The verdict box shows the last verdict and gives it back.
TEST_F(DiecuttingPage, TakesBackWhatItShows) {
    m_param.m_dImportantCoefV = 1.05;
    m_param.Calculate();
    m_page.SetData(&m_param);
    EXPECT_EQ(Text(IDC_DC_RESULT), CString("未配筋的板冲切承载力满足规范要求。"));
    EXPECT_EQ(Text(IDC_CHECK_GO), CString("1.05"));
    CStlcnDiecuttingParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_strResult, CString("未配筋的板冲切承载力满足规范要求。"));
    EXPECT_EQ(taken.m_dImportantCoefV, 1.05);
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnDiecuttingParam&)> setup;
    std::vector<const char*> errors;
};

const CheckCase kChecks[] = {
    {"defaults", [](CStlcnDiecuttingParam&) {}, {}},
    {"ho above h",
     [](CStlcnDiecuttingParam& p) {
         p.m_dBoardHeight = 180;
         p.m_dBoardValidHeight = 200;
     },
     {"要求ho<h。"}},
    {"reinforced, h 150",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_dBoardHeight = 150;
         p.m_dBoardValidHeight = 130;
     },
     {}},
    {"reinforced, h 149.9",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_dBoardHeight = 149.9;
         p.m_dBoardValidHeight = 130;
     },
     {"板的截面高度不应小于150mm。"}},
    {"unreinforced, h 149.9",
     [](CStlcnDiecuttingParam& p) {
         p.m_dBoardHeight = 149.9;
         p.m_dBoardValidHeight = 130;
     },
     {}},
    {"unknown grade", [](CStlcnDiecuttingParam& p) { p.m_strConcreteGrade = ""; }, {"请选择混凝土等级和钢筋种类。"}},
};

TEST_F(DiecuttingPage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnDiecuttingParam p;
        c.setup(p);
        CStringArray arrWarnings, arrErrors;
        EXPECT_EQ(m_page.CheckData(&p, arrWarnings, arrErrors), c.errors.empty());
        EXPECT_EQ(arrWarnings.GetSize(), 0);
        ASSERT_EQ(arrErrors.GetSize(), static_cast<int>(c.errors.size()));
        for (int i = 0; i < arrErrors.GetSize(); i++) EXPECT_EQ(arrErrors[i], CString(c.errors[i]));
    }
}

class DiecuttingSession : public MemberSessionTest<CStlcnDiecuttingDlg, CStlcnDiecuttingParam> {};

// An angle of 361 is refused and 45 comes back; an angle of 0 is taken; the check runs.
TEST_F(DiecuttingSession, RefusesAnAngleBeyondAFullTurn) {
    qelt::UserScript script;
    script.Choose(IDC_DC_TYPE, "配筋")
        .Choose(IDC_DC_STYLE, "弯起钢筋")
        .Set(IDC_DC_ALPHA, "361")
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0与360之间的实数"));
    EXPECT_EQ(m_param.m_dA, 45);
    EXPECT_EQ(m_param.m_strResult, CString("受冲切截面符合条件; 配筋的板冲切承载力满足规范要求。"));

    qelt::InteractionLog::Instance().Clear();
    qelt::UserScript again;
    again.Set(IDC_DC_ALPHA, "0").Click(IDC_WORK_CALCULATE).Close();
    Run(again);
    EXPECT_TRUE(Texts("prompt").empty());
    EXPECT_EQ(m_param.m_dA, 0);
}

// A reinforced slab thinner than 150 mm stops "计算" with its error.
TEST_F(DiecuttingSession, AThinReinforcedSlabIsRefused) {
    qelt::UserScript script;
    script.Choose(IDC_DC_TYPE, "配筋")
        .Set(IDC_DC_HO, "120")
        .Set(IDC_DC_H, "149.9")
        .Click(IDC_WORK_CALCULATE)
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("1.  板的截面高度不应小于150mm。\r\n\r\n请返回修改!"));
    EXPECT_EQ(m_param.m_strResult, CString(""));
}

}  // namespace
