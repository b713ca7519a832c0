// The axial compression page: its control states and the 0.8 factor's check box on a page of its
// own, and a person's session in the work dialog driven by a user script.
#include <gtest/gtest.h>

#include <vector>

#include "Printers.h"
#include "checks/members/PillarDlg.h"
#include "checks/members/PillarParam.h"
#include "framework/CaltWorkDlg.h"
#include "host/Help.h"
#include "host/SubStatic.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"
#include "MemberPageFixture.h"
#include "TempStore.h"

namespace {

class PillarPage : public MemberPageTest<CStlcnPillarDlg, CStlcnPillarParam> {
protected:
    void Show() { m_page.SetData(&m_param); }
    BOOL FactorOffered() { return Enabled(IDC_PL_MULTCOEF); }
    BOOL FactorChecked() { return m_page.IsDlgButtonChecked(IDC_PL_MULTCOEF) == BST_CHECKED; }

    CStlcnPillarParam m_param;
};

TEST_F(PillarPage, ModeAndSectionEnableTheirBoxes) {
    Show();
    EXPECT_TRUE(Enabled(IDC_PL_N));
    EXPECT_FALSE(Enabled(IDC_PL_AS));
    EXPECT_TRUE(Enabled(IDC_PL_B));
    EXPECT_FALSE(Enabled(IDC_PL_D));
    EXPECT_EQ(Slide(), 1);
    EXPECT_EQ(Text(IDC_PL_N), CString("2000.000"));
    EXPECT_EQ(Text(IDC_CHECK_GO), CString("1.0"));

    m_param.m_strCaltType = "已知配筋求压力";
    m_param.m_strSectionType = "圆形";
    Show();
    EXPECT_FALSE(Enabled(IDC_PL_N));
    EXPECT_TRUE(Enabled(IDC_PL_AS));
    EXPECT_FALSE(Enabled(IDC_PL_B));
    EXPECT_FALSE(Enabled(IDC_PL_H));
    EXPECT_TRUE(Enabled(IDC_PL_D));
    EXPECT_EQ(Slide(), 0);
    EXPECT_EQ(Text(IDC_PL_MULTCOEF), CString("当截面直径小于300mm时,考虑混凝土的强度设计值乘0.8"));

    Choose(IDC_PL_SECTION, "矩形");
    EXPECT_EQ(Text(IDC_PL_MULTCOEF), CString("当截面长边小于300mm时,考虑混凝土的强度设计值乘0.8"));
    EXPECT_EQ(Slide(), 1);
    m_page.CheckDlgButton(IDC_PL_DESIGN, BST_CHECKED);
    m_page.CheckDlgButton(IDC_PL_CAPACITY, BST_UNCHECKED);
    Click(IDC_PL_DESIGN);
    EXPECT_TRUE(Enabled(IDC_PL_N));
    EXPECT_FALSE(Enabled(IDC_PL_AS));
}

struct FactorCase {
    const char* name;
    const char* section;
    double b, h, d;
    int storedFlag;
    BOOL offered, checked;
    int takenFlag;
};

const FactorCase kFactorCases[] = {
    {"larger side 400", "矩形", 250, 400, 400, 0, FALSE, FALSE, 0},
    {"both sides below 300", "矩形", 250, 280, 400, 0, TRUE, FALSE, 0},  // the stored 0 wins
    {"both sides below 300, stored 1", "矩形", 250, 280, 400, 1, TRUE, TRUE, 1},
    {"larger side exactly 300", "矩形", 200, 300, 400, 1, FALSE, TRUE, 0},  // shown checked but disabled
    {"stored 1 with sides of 400", "矩形", 400, 400, 200, 1, FALSE, TRUE, 0},
    {"circle 280", "圆形", 400, 400, 280, 1, TRUE, TRUE, 1},
    {"circle 300", "圆形", 100, 100, 300, 1, FALSE, TRUE, 0},
};

TEST_F(PillarPage, SmallSectionFactorFollowsTheSize) {
    for (const FactorCase& c : kFactorCases) {
        SCOPED_TRACE(c.name);
        m_param.m_strSectionType = c.section;
        m_param.m_dSectionWidth = c.b;
        m_param.m_dSectionHeight = c.h;
        m_param.m_dSectionDiameter = c.d;
        m_param.m_bIsMultCoef = c.storedFlag;
        Show();
        EXPECT_EQ(FactorOffered(), c.offered);
        EXPECT_EQ(FactorChecked(), c.checked);
        CStlcnPillarParam taken;
        m_page.GetData(&taken);
        EXPECT_EQ(taken.m_bIsMultCoef, c.takenFlag);
    }
}

// Leaving a side below 300 offers the factor checked; the engineer may uncheck it.
TEST_F(PillarPage, LeavingASideOffersTheFactor) {
    Show();
    EXPECT_FALSE(FactorOffered());
    Type(IDC_PL_B, "250");
    Type(IDC_PL_H, "280");
    EXPECT_TRUE(FactorOffered());
    EXPECT_TRUE(FactorChecked());
    m_page.CheckDlgButton(IDC_PL_MULTCOEF, BST_UNCHECKED);
    CStlcnPillarParam taken;
    m_page.GetData(&taken);
    EXPECT_EQ(taken.m_bIsMultCoef, 0);
    Type(IDC_PL_H, "260");
    EXPECT_TRUE(FactorChecked());
}

// Outside the host's frame the page's own "计  算" is hidden; F1 on the page opens nothing and is
// answered as handled.
TEST_F(PillarPage, HidesItsButtonAndAnswersHelp) {
    EXPECT_FALSE(Visible(IDC_PAGE_CALCULATE));
    qelt::host::ClearHelpRequests();
    HELPINFO info = {};
    EXPECT_TRUE(m_page.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_TRUE(qelt::host::HelpRequests().empty());
}

struct CheckCase {
    const char* name;
    const char* mode;
    const char* section;
    double b, h, lo, n, as;
    const char* grade;
    const char* error;  // empty: accepted
};

// 100 × 100 with N = 9000: A's1 = (9e6/(0.9·0.19) − 14.3·1e4)/300 > 3 % of A, and A − A's1 < 0;
// given steel of 10000 mm² fills the section. The stability table ends at lo/b = 50 and lo/d = 43.5
// (a circle takes b for its diameter here).
const CheckCase kChecks[] = {
    {"defaults", "已知压力求配筋", "矩形", 400, 400, 5000, 2000, 500, "C30", ""},
    {"design, steel filling the section", "已知压力求配筋", "矩形", 100, 100, 5000, 9000, 500, "C30",
     "轴向力过大,所需纵筋面积超过截面面积,请加大截面尺寸或提高混凝土强度等级!"},
    {"capacity, steel filling the section", "已知配筋求压力", "矩形", 100, 100, 5000, 2000, 10000, "C30",
     "受压纵筋面积不应大于截面面积,请返回修改!"},
    {"capacity, steel within 3 %", "已知配筋求压力", "矩形", 400, 400, 5000, 2000, 4800, "C30", ""},
    {"unknown grade", "已知压力求配筋", "矩形", 400, 400, 5000, 2000, 500, "", "请选择混凝土等级和钢筋种类。"},
    {"lo/b at the table's end", "已知压力求配筋", "矩形", 400, 400, 20000, 2000, 500, "C30", ""},
    {"lo/b 30000/400 beyond the table", "已知压力求配筋", "矩形", 400, 400, 30000, 2000, 500, "C30",
     "构件长细比lo/b=75.000>50,超出规范表7.3.1的范围,请返回修改!"},
    // The limit goes by the shorter side, whichever field holds it: 30000/400 = 75 > 50 as h = 400
    // under b = 1000.
    {"lo/b 30000/400 with the short side in h", "已知压力求配筋", "矩形", 1000, 400, 30000, 2000, 500, "C30",
     "构件长细比lo/b=75.000>50,超出规范表7.3.1的范围,请返回修改!"},
    {"lo/b 20000/400 with the short side in h", "已知压力求配筋", "矩形", 1000, 400, 20000, 2000, 500, "C30", ""},
    {"lo/d at the table's end", "已知配筋求压力", "圆形", 400, 400, 17400, 2000, 500, "C30", ""},
    {"lo/d 17500/400 beyond the table", "已知配筋求压力", "圆形", 400, 400, 17500, 2000, 500, "C30",
     "构件长细比lo/d=43.750>43.5,超出规范表7.3.1的范围,请返回修改!"},
};

TEST_F(PillarPage, TestsTheInput) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnPillarParam p;
        p.m_strCaltType = c.mode;
        p.m_strSectionType = c.section;
        p.m_dCaltLength = c.lo;
        p.m_dSectionDiameter = c.b;
        p.m_dSectionWidth = c.b;
        p.m_dSectionHeight = c.h;
        p.m_dAxialForce = c.n;
        p.m_dPressedSteelArea = c.as;
        p.m_strGrade = c.grade;
        CStringArray arrWarnings, arrErrors;
        EXPECT_EQ(m_page.CheckData(&p, arrWarnings, arrErrors), *c.error == '\0');
        ASSERT_EQ(arrErrors.GetSize(), *c.error == '\0' ? 0 : 1);
        if (*c.error != '\0') {
            EXPECT_EQ(arrErrors[0], CString(c.error));
        }
        // The test gives N and A's back as they were.
        EXPECT_EQ(p.m_dAxialForce, c.n);
        EXPECT_EQ(p.m_dPressedSteelArea, c.as);
    }
}

class PillarSession : public MemberSessionTest<CStlcnPillarDlg, CStlcnPillarParam> {};

// The capacity of the defaults with the given steel, below the minimum, as the page shows it:
// 0.9·0.943·(14.3·160000 + 300·500)/1000 = 2069.131 kN, and A's stays 500.
TEST_F(PillarSession, CalculatesTheCapacityAndStoresTheInput) {
    qelt::UserScript script;
    script.Click(IDC_PL_CAPACITY).Set(IDC_PL_AS, "500").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(m_param.m_strCaltType, CString("已知配筋求压力"));
    EXPECT_EQ(m_param.m_dPressedSteelArea, 500);
    EXPECT_NEAR(m_param.m_dAxialForce, 2069.131, 1e-9);  // the page's three decimals taken back
    CString strMode;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnPillarParam//strCaltType", strMode, ""));
    EXPECT_EQ(strMode, CString("已知配筋求压力"));
    EXPECT_GT(m_param.wordC.GetRowCount(), 0);
}

// N beyond its bounds: the message with the bounds, and the box gets the old N back.
TEST_F(PillarSession, RefusesAForceOutOfRange) {
    qelt::UserScript script;
    script.Set(IDC_PL_N, "600000").Click(IDC_PROMPT_ACKNOWLEDGE).Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], CString("请输入一个在0.000001与500000之间的实数"));
    EXPECT_EQ(m_param.m_dAxialForce, 2000);
}

// Steel that would fill the section stops the calculation with an error; nothing is lost.
TEST_F(PillarSession, SteelFillingTheSectionIsRefused) {
    qelt::UserScript script;
    script.Set(IDC_PL_B, "100")
        .Set(IDC_PL_H, "100")
        .Set(IDC_PL_N, "9000")
        .Click(IDC_WORK_CALCULATE)
        .Click(IDC_PROMPT_ACKNOWLEDGE)
        .Close();
    Run(script);
    std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0],
              CString("1.  轴向力过大,所需纵筋面积超过截面面积,请加大截面尺寸或提高混凝土强度等级!\r\n\r\n请返回修改!"));
    EXPECT_EQ(m_param.m_dAxialForce, 9000);
    EXPECT_EQ(m_param.m_dPressedSteelArea, 500);
}

// In mode 0 the page's own "计  算" shows and calculates without storing.
TEST_F(PillarSession, PageButtonCalculatesInTheHostFrame) {
    qelt::UserScript script;
    script.Click(IDC_PAGE_CALCULATE).Close();
    Run(script, 0);
    EXPECT_EQ(m_param.m_dPressedSteelArea, 960);
}

}  // namespace
