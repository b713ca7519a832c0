// The local compression page: its control states and input test on a page of its own, and a session
// in the work dialog driven by a user script.
#include <gtest/gtest.h>

#include <vector>

#include "Printers.h"
#include "checks/members/LocalPressDlg.h"
#include "checks/members/LocalPressParam.h"
#include "MemberPageFixture.h"

namespace {

class LocalPressPage : public MemberPageTest<CStlcnLocalPressDlg, CStlcnLocalPressParam> {
protected:
    CStlcnLocalPressParam m_param;
};

TEST_F(LocalPressPage, FormAndShapeSwitchTheirBoxes) {
    m_param.m_strSteelType = "螺旋式";
    m_param.m_strPressedAreaType = "四边圆形";
    m_page.SetData(&m_param);
    EXPECT_TRUE(Visible(IDC_LP_DCOR));
    EXPECT_TRUE(Visible(IDC_LP_SPIRAL_D));
    EXPECT_FALSE(Visible(IDC_LP_L1));
    EXPECT_FALSE(Visible(IDC_LP_N1));
    EXPECT_EQ(Text(IDC_LP_L1_LABEL), CString("螺旋式钢筋截面直径dcor(mm)"));
    EXPECT_EQ(Text(IDC_LP_N1_LABEL), CString("螺旋式钢筋单根直径d1(mm)"));
    for (UINT nID : {IDC_LP_D1, IDC_LP_L2, IDC_LP_N2, IDC_LP_D2, IDC_LP_A, IDC_LP_B}) EXPECT_FALSE(Enabled(nID)) << nID;
    EXPECT_TRUE(Enabled(IDC_LP_D));
    EXPECT_EQ(Slide(), 5);
    EXPECT_EQ(Text(IDC_LP_ALN), CString("Al"));

    Choose(IDC_LP_STEEL_TYPE, "方格网式");
    Choose(IDC_LP_AREA_TYPE, "对边临空");
    EXPECT_FALSE(Visible(IDC_LP_DCOR));
    EXPECT_TRUE(Visible(IDC_LP_L1));
    EXPECT_EQ(Text(IDC_LP_L1_LABEL), CString("焊接网片长度L1(mm)"));
    EXPECT_TRUE(Enabled(IDC_LP_D2));
    EXPECT_TRUE(Enabled(IDC_LP_A));
    EXPECT_FALSE(Enabled(IDC_LP_D));
    EXPECT_EQ(Slide(), 2);
}

// Aln "Al" sets the flag and keeps the number; a number clears it; the verdicts come back.
TEST_F(LocalPressPage, TakesBackWhatItShows) {
    m_param.Calculate();
    m_page.SetData(&m_param);
    CStlcnLocalPressParam taken;
    taken.m_dAln = 1234;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_bIsAutoCaltAln, 1);
    EXPECT_EQ(taken.m_dAln, 1234);
    EXPECT_EQ(taken.m_strResult, m_param.m_strResult);
    EXPECT_EQ(taken.m_dSteelInterval, 50);

    m_param.m_bIsAutoCaltAln = 0;
    m_param.m_dAln = 60000;
    m_page.SetData(&m_param);
    EXPECT_EQ(Text(IDC_LP_ALN), CString("60000"));
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_bIsAutoCaltAln, 0);
    EXPECT_EQ(taken.m_dAln, 60000);
}

TEST_F(LocalPressPage, TestsTheMeshCore) {
    const struct {
        const char* form;
        double l1, d2;
        BOOL ok;
    } cases[] = {{"方格网式", 500, 8, TRUE}, {"方格网式", 8, 8, FALSE}, {"螺旋式", 8, 8, TRUE}};
    for (const auto& c : cases) {
        CStlcnLocalPressParam p;
        p.m_strSteelType = c.form;
        p.m_dLengthL1 = c.l1;
        p.m_dSteelDiameterToL2 = c.d2;
        CStringArray arrWarnings, arrErrors;
        EXPECT_EQ(m_page.CheckData(&p, arrWarnings, arrErrors), c.ok) << c.form << c.l1;
        if (!c.ok) {
            ASSERT_EQ(arrErrors.GetSize(), 1);
            EXPECT_EQ(arrErrors[0], CString("焊接网片长度L1、L2应大于钢筋直径d2、d1,请返回修改!"));
        }
    }
}

class LocalPressSession : public MemberSessionTest<CStlcnLocalPressDlg, CStlcnLocalPressParam> {};

// Aln beyond its bounds is refused; "Al" is taken without a test; Fl is tested when it is left.
TEST_F(LocalPressSession, RangeChecks) {
    qelt::UserScript script;
    script.Set(IDC_LP_ALN, "1200000")
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Set(IDC_LP_ALN, "Al")
        .Set(IDC_LP_FL, "20000")
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Set(IDC_LP_N1, "0")
        .Set(IDC_LP_A, "250")
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0.000001与1000000之间的实数"));
    EXPECT_EQ(prompts[1], CString("请输入一个在0.000001与10000之间的实数"));
    EXPECT_EQ(m_param.m_bIsAutoCaltAln, 1);
    EXPECT_EQ(m_param.m_dPressForce, 2000);
    EXPECT_EQ(m_param.m_dSteelCountToL1, 0);
    EXPECT_EQ(m_param.m_dAln, 75000);  // Al of 250 × 300 at the calculation
}

}  // namespace
