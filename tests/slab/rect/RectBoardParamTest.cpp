// The slab's parameter object: defaults, stored keys, the calculation driver's decision paths and
// messages, and the list entry.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "Printers.h"
#include "ReportRows.h"
#include "TempStore.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "slab/rect/RectBoardParam.h"

namespace {

// The texts of the message boxes and prompts shown since the log was last cleared.
std::vector<CString> TextsShown() {
    std::vector<CString> texts;
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries())
        if (entry.kind != "read") texts.push_back(entry.text);
    return texts;
}

TEST(RectBoardParam, Defaults) {
    CRectBoardParam p;
    EXPECT_EQ(p.m_nLength, 6000);
    EXPECT_EQ(p.m_nWidth, 4200);
    EXPECT_EQ(p.m_nThick, 100);
    EXPECT_EQ(p.m_nAs, 20);
    EXPECT_EQ(p.m_nC, 10);
    EXPECT_STREQ(p.m_szConcrete, "C20");
    EXPECT_STREQ(p.m_szSteelBar, "HRB335");
    EXPECT_DOUBLE_EQ(p.m_dFc, 9.6);
    EXPECT_DOUBLE_EQ(p.m_dFt, 1.10);
    EXPECT_DOUBLE_EQ(p.m_dFy, 300);
    EXPECT_DOUBLE_EQ(p.m_dA1, 1.0);
    // ξb = 0.8 / (1 + 300 / (2.0e5 · 0.0033)) for HRB335 and C20.
    EXPECT_NEAR(p.m_dEb, 0.8 / (1 + 300 / (2.0e5 * 0.0033)), 1e-12);
    EXPECT_DOUBLE_EQ(p.m_dP, 0.002);
    EXPECT_DOUBLE_EQ(p.m_dImpro, 1.0);
    EXPECT_DOUBLE_EQ(p.m_dRg, 1.2);
    EXPECT_DOUBLE_EQ(p.m_dRq, 1.4);
    EXPECT_DOUBLE_EQ(p.m_dQgk, 7.0);
    EXPECT_DOUBLE_EQ(p.m_dQqk, 4.0);
    EXPECT_DOUBLE_EQ(p.m_dWq, 1.0);
    EXPECT_DOUBLE_EQ(p.m_dBS, 0.2);
    EXPECT_DOUBLE_EQ(p.m_dB, 1.8);
    EXPECT_DOUBLE_EQ(p.m_dCrackWidth, 0.3);
    EXPECT_DOUBLE_EQ(p.m_dFleLim1, 200);
    EXPECT_DOUBLE_EQ(p.m_dFleLim2, 250);
    EXPECT_DOUBLE_EQ(p.m_dFleLim3, 300);
    EXPECT_DOUBLE_EQ(p.m_dUserValue, 2.0);
    EXPECT_EQ(p.m_nSteelLimDia, 8);
    EXPECT_EQ(p.m_nSteelSel, 12);
    EXPECT_EQ(p.m_bCalculated, 0);
}

// Every key written comes back to its own member; the posts are not swapped between the stored order
// (TopLeft, BottomLeft, TopRight, BottomRight) and the calculator's (top-left, top-right …).
TEST(RectBoardParam, StoredValuesComeBackToTheirOwnMembers) {
    TempStore store;
    CRectBoardParam written;
    written.m_nTop = 1;
    written.m_nRight = 2;
    written.m_nTopLeft = 0;
    written.m_nBottomLeft = 1;
    written.m_nTopRight = 0;
    written.m_nBottomRight = 1;
    written.m_nLength = 3300;
    written.m_nThick = 120;
    std::strcpy(written.m_szConcrete, "C30");
    std::strcpy(written.m_szSteelBar, "HPB235");
    written.m_dQqk = 2.5;
    written.m_nBoardKind = 1;
    written.m_dB = 1.5;
    written.m_nSteelSel = 14;
    written.m_dFleLim3 = 400;
    written.m_nSteelLimDia = 10;
    ASSERT_TRUE(written.WriteParam("CRectBoardParam/"));

    int nValue = -1;
    EXPECT_TRUE(CVuskSave::GetValue("CRectBoardParam//BottomLeft", nValue, 0));
    EXPECT_EQ(nValue, 1);
    EXPECT_TRUE(CVuskSave::GetValue("CRectBoardParam//TopRight", nValue, 0));
    EXPECT_EQ(nValue, 0);

    CRectBoardParam read;
    read.ReadParam("CRectBoardParam/");
    EXPECT_EQ(read.m_nTop, 1);
    EXPECT_EQ(read.m_nRight, 2);
    EXPECT_EQ(read.m_nBottomLeft, 1);
    EXPECT_EQ(read.m_nTopRight, 0);
    EXPECT_EQ(read.m_nBottomRight, 1);
    EXPECT_EQ(read.m_nLength, 3300);
    EXPECT_EQ(read.m_nThick, 120);
    EXPECT_STREQ(read.m_szConcrete, "C30");
    EXPECT_STREQ(read.m_szSteelBar, "HPB235");
    EXPECT_DOUBLE_EQ(read.m_dQqk, 2.5);
    EXPECT_EQ(read.m_nBoardKind, 1);
    EXPECT_DOUBLE_EQ(read.m_dB, 1.5);
    EXPECT_EQ(read.m_nSteelSel, 14);
    EXPECT_DOUBLE_EQ(read.m_dFleLim3, 400);
    EXPECT_EQ(read.m_nSteelLimDia, 10);

    const RectBoardInputs in = read.MakeInputs();
    EXPECT_EQ(in.nTopLeft, 0);
    EXPECT_EQ(in.nTopRight, 0);
    EXPECT_EQ(in.nBottomLeft, 1);
    EXPECT_EQ(in.nBottomRight, 1);
}

// An empty store keeps every member, except the switch diameter, which takes 12.
TEST(RectBoardParam, EmptyStoreKeepsTheMembersAndSetsTheSwitchDiameter) {
    TempStore store;
    CRectBoardParam p;
    p.m_nLength = 5100;
    p.m_nSteelSel = 20;
    std::strcpy(p.m_szConcrete, "C25");
    p.ReadParam("CRectBoardParam/");
    EXPECT_EQ(p.m_nLength, 5100);
    EXPECT_STREQ(p.m_szConcrete, "C25");
    EXPECT_EQ(p.m_nSteelSel, 12);
}

// A stored grade text longer than the buffer is cut, not written past it.
TEST(RectBoardParam, LongStoredGradeIsCut) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("CRectBoardParam//Concrete", CString("C20XXXXXXXXXXXXXXX")));
    CRectBoardParam p;
    p.ReadParam("CRectBoardParam/");
    EXPECT_STREQ(p.m_szConcrete, "C20XXXXXX");
}

// ρlim = max(0.2 %, 45 ft/fy %): C20 and HRB335 give 0.2 %, C30 and HPB235 45 · 1.43 / 210 = 0.306 %.
TEST(RectBoardParam, MinimumRatioPrompt) {
    const struct {
        const char* concrete;
        const char* steel;
        double dP;
        int answer;  // 0: no prompt expected
        const char* message;
        int calculated;
    } cases[] = {
        {"C20", "HRB335", 0.002, 0, "", 1},
        {"C20", "HRB335", 0.0019, IDYES, "最小配筋率的值不应小于0.200%", 0},
        {"C20", "HRB335", 0.0019, IDNO, "最小配筋率的值不应小于0.200%", 1},
        {"C30", "HPB235", 0.003, IDYES, "最小配筋率的值不应小于0.306%", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.concrete << " " << c.steel << " " << c.dP);
        CRectBoardParam p;
        std::strcpy(p.m_szConcrete, c.concrete);
        std::strcpy(p.m_szSteelBar, c.steel);
        p.m_dFt = CQeltConcrete::GetFt(c.concrete);
        p.m_dFy = CQeltSteelBar::GetFy(c.steel);
        p.m_dP = c.dP;
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        if (c.answer) script.Answer(c.answer);
        qelt::ScopedUserScript scope(script);
        p.CalBoard();
        EXPECT_FALSE(script.Failed()) << script.Error();
        const std::vector<CString> shown = TextsShown();
        if (c.answer) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0], CString(c.message) + "\r\n是否返回修改");
        } else {
            EXPECT_TRUE(shown.empty());
        }
        EXPECT_EQ(p.m_bCalculated, c.calculated);
        // Going on calculates with the ratio entered.
        if (c.calculated) {
            EXPECT_DOUBLE_EQ(p.GetCalc()->GetInputs().dP, c.dP);
        }
    }
}

// The default slab, four fixed edges, Lx 6000 and Ly 4200 (ratio 0.70), q = 1.2·7 + 1.4·4 = 14 kN/m²:
// the short-span and short-direction support moments from the handbook's row 0.70 (0.0321, 0.0113,
// −0.0735) with μ = 0.2; the bars picked cover the required areas.
TEST(RectBoardParam, DefaultSlabGetsItsMomentsAndBars) {
    CRectBoardParam p;
    p.CalBoard();
    ASSERT_EQ(p.m_bCalculated, 1);
    SlabMomentList list;
    p.GetCalc()->GetMomentList(list);
    const double dQl2 = 14.0 * 4200.0 * 4200.0;
    EXPECT_NEAR(list.My, (0.0321 + 0.2 * 0.0113) * dQl2, 0.001 * dQl2);

    int nAreas[6];
    p.GetCalc()->GetAreas(nAreas);
    const BoardReinScheme* pSchemes = p.GetCalc()->GetSchemes();
    const int nOrder[6] = {SCHEME_TOP, SCHEME_LEFT, SCHEME_RIGHT, SCHEME_BOTTOM, SCHEME_XSPAN, SCHEME_YSPAN};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const BoardReinScheme& s = pSchemes[nOrder[i]];
        EXPECT_GE(s.nDiameter, 8);
        EXPECT_GE(s.nArea, nAreas[i]);
        EXPECT_EQ(s.strGrade, CString("HRB335"));
    }
}

// Statuses that stop the calculation: their message, and no result left for the reports and the list.
TEST(RectBoardParam, StoppingStatusesShowTheirMessageAndLeaveNoResult) {
    const struct {
        const char* name;
        void (*set)(CRectBoardParam&);
        const char* message;
    } cases[] = {
        {"over-reinforced", [](CRectBoardParam& p) { p.m_nThick = 40; p.m_dQgk = 60; },
         "板超筋，请加大板厚或者提高混凝土强度"},
        {"all edges free",
         [](CRectBoardParam& p) { p.m_nTop = p.m_nBottom = p.m_nLeft = p.m_nRight = SLAB_FREE; },
         "均布荷载下四边支撑类型不符合要求"},
        {"Poisson's ratio", [](CRectBoardParam& p) { p.m_dBS = 0.5; }, "泊松比的范围值应为[0,0.3]"},
        {"beta", [](CRectBoardParam& p) { p.m_nBoardKind = 1; p.m_dB = 3.0; }, "β范围值应为[1.2,2.0]"},
        // A stored value that is no number is outside the range as well, not a report of nan.
        {"Poisson's ratio NaN", [](CRectBoardParam& p) { p.m_dBS = std::nan(""); }, "泊松比的范围值应为[0,0.3]"},
        {"beta NaN", [](CRectBoardParam& p) { p.m_nBoardKind = 1; p.m_dB = std::nan(""); }, "β范围值应为[1.2,2.0]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRectBoardParam p;
        p.CalBoard();  // a good run first: its results must not show under the new input
        ASSERT_EQ(p.m_bCalculated, 1);
        c.set(p);
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        script.Answer(IDOK);
        qelt::ScopedUserScript scope(script);
        p.CalBoard();
        const std::vector<CString> shown = TextsShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], CString(c.message));
        EXPECT_EQ(p.m_bCalculated, 0);
        p.GetListData();
        EXPECT_EQ(g_VuskMainInfo.GetCurCmdEntry().strResultInfo, CString(""));
    }
}

// The brief report: eight rows after a calculation; none before one, after a stopped one, or when a
// crack is wider than the limit (which the full report's prompt tells, built before it).
TEST(RectBoardParam, BriefReportFollowsTheCalculation) {
    const struct {
        const char* name;
        void (*set)(CRectBoardParam&);
        int rows;
        const char* prompt;
    } cases[] = {
        {"default slab", [](CRectBoardParam& p) { p.CalBoard(); }, 8, NULL},
        {"no calculation", [](CRectBoardParam&) {}, 0, NULL},
        {"stopped", [](CRectBoardParam& p) { p.CalBoard(); p.m_dBS = 0.5; p.CalBoard(); }, 0, NULL},
        {"crack too wide", [](CRectBoardParam& p) { p.m_dCrackWidth = 0.01; p.CalBoard(); }, 0, NULL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRectBoardParam p;
        qelt::UserScript script;
        if (c.prompt) script.Answer(IDOK);
        qelt::ScopedUserScript scope(script);
        c.set(p);
        qelt::InteractionLog::Instance().Clear();
        EXPECT_EQ(p.BuildWordS(), 1);
        EXPECT_EQ(p.wordS.GetRowCount(), c.rows);
        const std::vector<CString> shown = TextsShown();
        if (c.prompt) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0], CString(c.prompt));
        } else {
            EXPECT_TRUE(shown.empty());
        }
    }
}

TEST(RectBoardParam, ListEntry) {
    CRectBoardParam p;
    p.strNumber = "LB-3";
    p.GetListData();
    const CVuskCmdEntry& e = g_VuskMainInfo.GetCurCmdEntry();
    EXPECT_EQ(e.strType, CString("矩形板计算"));
    EXPECT_EQ(e.strNumber, CString("LB-3"));
    EXPECT_EQ(e.strDimInfo, CString("板计算类型:弹性板\nh=100mm Lx=6000mm\nLy=4200mm ρmin=0.200%\nμ=0.2 γo=1.0\n"
                                    "混凝土等级=C20\n钢筋等级= HRB335\n钢筋类别=光面钢筋\nas=20mm c=10mm"));
    EXPECT_EQ(e.strLoadInfo, CString("Qgk=7.0kN/m2\nQqk=4.0kN/m2\nγG=1.2\nγQ=1.4\nψq=1.0"));
    EXPECT_EQ(e.strResultInfo, CString(""));
    EXPECT_EQ(e.nBPrint, 1);

    p.m_nBoardKind = 1;
    p.m_nKindSteel = 1;
    p.CalBoard();
    p.GetListData();
    EXPECT_EQ(e.strDimInfo, CString("板计算类型:塑性板\nh=100mm Lx=6000mm\nLy=4200mm ρmin=0.200%\nβ=1.8 γo=1.0\n"
                                    "混凝土等级=C20\n钢筋等级= HRB335\n钢筋类别=带肋钢筋\nas=20mm c=10mm"));
    // Only the moments that are not zero, each on its own line, in kN·m.
    SlabMomentList list;
    p.GetCalc()->GetMomentList(list);
    CString strExpected;
    if (list.Mx != 0) strExpected.AppendFormat("Mx=%.3lfkN*m\n", list.Mx * 1e-6);
    if (list.My != 0) strExpected.AppendFormat("My=%.3lfkN*m\n", list.My * 1e-6);
    EXPECT_NE(list.Mx, 0);
    EXPECT_EQ(e.strResultInfo.Left(strExpected.GetLength()), strExpected);
}

}  // namespace

namespace {

// A strip simply supported on its top and bottom edges, free at the sides: Ly = 3000, q = 14 kN/m²,
// M = q·Ly²/8 = 15.75 kN·m per metre; h0 = 80, αs = M / (fc·b·h0²) = 0.25635, ξ = 1 − √(1 − 2αs) =
// 0.30194, As = fc·b·h0·ξ / fy = 772.9 mm².
TEST(RectBoardParam, SimplySupportedStripBriefReport) {
    CRectBoardParam p;
    p.m_nTop = p.m_nBottom = SLAB_SIMPLE;
    p.m_nLeft = p.m_nRight = SLAB_FREE;
    p.m_nWidth = 3000;
    p.CalBoard();
    ASSERT_EQ(p.m_bCalculated, 1);
    ASSERT_EQ(p.BuildWordS(), 1);
    const std::string rows = ReportRows(p.wordS);
    EXPECT_NE(rows.find(u8"   简支/简支/自由/自由\\n"), std::string::npos) << rows;
    EXPECT_NE(rows.find(u8"      弯矩            0.000          15.750\\n"), std::string::npos) << rows;
    int nAreas[6];
    p.GetCalc()->GetAreas(nAreas);
    EXPECT_NEAR(nAreas[5], 772.9, 1.0);
}

}  // namespace
