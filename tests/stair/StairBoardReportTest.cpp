// The plate stair's reports and list entry: the rows that each type, the switches and the grades
// decide, the schematic, the red verdicts and the bar notation.
#include <gtest/gtest.h>

#include <functional>

#include "Printers.h"
#include "StairRows.h"
#include "host/VuskMainInfo.h"
#include "stair/StairBarNotation.h"
#include "stair/StairBoardParam.h"

namespace {

// Calculates and builds both reports as the work dialog does.
void Build(CStairBoardParam& p) {
    p.Calculate();
    p.wordC.InitData();
    p.BuildWordC();
    p.wordS.InitData();
    p.BuildWordS();
}

struct TypeCase {
    int kind;
    bool b2Row;
    const char* landingRow;  // NULL: none
    bool bar5, bar6;
};

const TypeCase kTypes[] = {
    {1, true, NULL, false, false},
    {2, false, NULL, false, false},
    {3, true, "\t\t下平台宽: L~2~ = 300 mm\n", true, false},
    {4, true, "\t\t上平台宽: L~3~ = 300 mm\n", true, false},
    {5, true, "\t\t下平台宽: L~2~ = 300 mm\t\t\t\t上平台宽: L~3~ = 300 mm\n", true, true},
};

TEST(StairBoardReport, RowsOfEveryType) {
    for (const TypeCase& c : kTypes) {
        SCOPED_TRACE(c.kind);
        CStairBoardParam p;
        p.M_STAIR_KIND = c.kind;
        Build(p);
        for (const CWordObject* report : {&p.wordC, &p.wordS}) {
            std::vector<StairRow> rows = StairRows(*report);
            EXPECT_EQ(FindRow(rows, "\t4.5号钢筋计算结果\n") >= 0, c.bar5);
            EXPECT_EQ(FindRow(rows, "\t5.6号钢筋计算结果\n") >= 0, c.bar6);
        }
        std::vector<StairRow> rows = StairRows(p.wordC);
        EXPECT_EQ(FindRow(rows, "下平台楼梯梁宽度: b~2~ = 200 mm") >= 0, c.b2Row);
        EXPECT_EQ(FindRow(rows, "平台宽:") >= 0, c.landingRow != NULL);
        if (c.landingRow) {
            EXPECT_GE(FindRow(rows, c.landingRow), 0);
        }
        // The landing loads are printed for the types with a landing.
        EXPECT_EQ(FindRow(rows, "\t(2) 平台板：") >= 0, c.kind >= 3);
    }
}

// Type A with the defaults: the schematic after its section, the chosen bars with their areas, and
// the passing verdicts in black.
TEST(StairBoardReport, FullReportOfTheDefaultStair) {
    CStairBoardParam p;
    Build(p);
    std::vector<StairRow> rows = StairRows(p.wordC);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(rows[0].strText, CString("板式楼梯计算书\n"));
    EXPECT_EQ(rows[3].strText, CString("一、构件编号:LT-1\n"));
    const int nPicture = FindRow(rows, "二、示意图：");
    ASSERT_GE(nPicture, 0);
    EXPECT_EQ(rows[static_cast<size_t>(nPicture + 1)].nKind, CWordRow::kindPicture);
    const CWordRow* picture = p.wordC.GetRow(nPicture + 1);
    EXPECT_EQ(picture->GetPictureWidth(), 500);
    EXPECT_FALSE(picture->GetPng().empty());

    const int nBar1 = FindRow(rows, "\t1.1号钢筋计算结果(跨中)\n");
    ASSERT_GE(nBar1, 0);
    EXPECT_EQ(rows[static_cast<size_t>(nBar1 + 1)].strText, CString("\t\t计算面积A~s~：579.85 mm$2$\n"));
    EXPECT_EQ(rows[static_cast<size_t>(nBar1 + 3)].strText, CString("d10@100\n"));
    EXPECT_EQ(rows[static_cast<size_t>(nBar1 + 4)].strText, CString("\t\t实配面积： 785 mm$2$\n"));
    EXPECT_GE(FindRow(rows, "\t\t计算面积A~s~'：144.96 mm$2$\n"), 0);
    EXPECT_GE(FindRow(rows, "\t\t支座负筋系数：α = 0.25\n"), 0);
    EXPECT_GE(FindRow(rows, " \t\tE~s~ = 2.10×10$5$ N/mm$2$\n"), 0);
    EXPECT_GE(FindRow(rows, "\t\tM~max~ = R~l~*L~max~－P~n~*x$2$/2\n\t\t\t = 15.20*1.10－13.82*1.10$2$/2\n"), 0);
    EXPECT_GE(FindRow(rows, "\t\tf~max~=9.574mm≤f~0~=11.000mm，满足规范要求!\n"), 0);
    EXPECT_GE(FindRow(rows, "\t\t     ≤ 0.30 mm,满足规范要求\n"), 0);
    for (const StairRow& row : rows) EXPECT_EQ(row.nColor, 0) << row.strText.Str();
}

TEST(StairBoardReport, ShortReportAndItsRedVerdicts) {
    CStairBoardParam p;
    p.strNumber = "LT-7";
    p.m_dCrackWidth = 0.05;
    p.m_dFlexibilityLim1 = 400;
    Build(p);
    std::vector<StairRow> rows = StairRows(p.wordS);
    EXPECT_GE(FindRow(rows, "一. 构件编号: LT-7\n"), 0);
    // Lengths in mm, the steps as a count, surface loads in kN/m² and the railing in kN/m.
    EXPECT_GE(FindRow(rows, "    H = 1500.00mm\n    t = 100.00mm\n    n = 10(阶)\n"), 0);
    EXPECT_GE(FindRow(rows, "    可变荷载：q = 2.50kN/m$2$\n"), 0);
    EXPECT_GE(FindRow(rows, "    面层荷载：qm = 1.70kN/m$2$\n"), 0);
    EXPECT_GE(FindRow(rows, "    栏杆荷载：qf = 0.20kN/m\n"), 0);
    EXPECT_LT(FindRow(rows, "mm2"), 0);
    const int nDeflection = FindRow(rows, "\t\t挠度计算不满足规范要求!\n");
    const int nCrack = FindRow(rows, "\t\t裂缝宽度验算不满足规范要求!\n");
    ASSERT_GE(nDeflection, 0);
    ASSERT_GE(nCrack, 0);
    int nRed = 0;
    for (const StairRow& row : rows) nRed += row.nColor == 6;
    EXPECT_EQ(nRed, 2);
    EXPECT_EQ(rows[static_cast<size_t>(nDeflection)].nColor, 6);
    EXPECT_EQ(rows[static_cast<size_t>(nCrack)].nColor, 6);

    std::vector<StairRow> full = StairRows(p.wordC);
    nRed = 0;
    for (const StairRow& row : full) nRed += row.nColor == 6;
    EXPECT_EQ(nRed, 2);
}

TEST(StairBoardReport, SwitchesDecideTheSections) {
    CStairBoardParam p;
    p.m_bIsCalRAL = 0;
    p.M_BUILDING = 1;
    Build(p);
    for (const CWordObject* report : {&p.wordC, &p.wordS}) {
        std::vector<StairRow> rows = StairRows(*report);
        EXPECT_LT(FindRow(rows, "六、跨中挠度计算"), 0);
        EXPECT_LT(FindRow(rows, "七、裂缝宽度验算"), 0);
    }
    std::vector<StairRow> rows = StairRows(p.wordC);
    EXPECT_GE(FindRow(rows, "\t\t考虑支座嵌固作用\n"), 0);
    EXPECT_LT(FindRow(rows, "支座负筋系数"), 0);
    EXPECT_GE(FindRow(rows, "\t\tM~max~' = 0.8*M~max~ = 0.80*8.36 = 6.69 kN·m\n"), 0);
}

struct NotationCase {
    const char* grade;
    const char* report;    // the full report, and the pages
    const char* page;
    const char* support;   // the short report's bars 2/3
};

const NotationCase kNotations[] = {
    {"HPB235", "d10@150", "d10@150", "d10@150"},  {"HRB335", "D10@150", "D10@150", "D10@150"},
    {"HRB400", "f10@150", "f10@150", "f10@150"},  {"RRB400", "F10@150", "F10@150", "F10@150"},
    {"冷拉钢筋", "R10@150", "R10@150", "R10@150"}, {"HRB500", "HRB50010@150", "D10@150", "R10@150"},
};

TEST(StairBoardReport, BarNotationByGrade) {
    for (const NotationCase& c : kNotations) {
        SCOPED_TRACE(c.grade);
        EXPECT_EQ(StairBarNotation(c.grade, 10, 150, NULL), CString(c.report));
        EXPECT_EQ(StairBarNotation(c.grade, 10, 150, "D"), CString(c.page));
        CStairBoardParam p;
        p.M_STRSTEEL = c.grade;
        p.m_nBarDia[1] = 10;
        p.m_nBarSpace[1] = 150;
        EXPECT_EQ(p.BarText(2, TRUE), CString(c.support));
        EXPECT_EQ(p.BarText(2, FALSE), CString(c.report));
    }
    int nDia = 0, nSpace = 0;
    EXPECT_TRUE(StairParseBarNotation("R12@180", nDia, nSpace));
    EXPECT_EQ(nDia, 12);
    EXPECT_EQ(nSpace, 180);
    EXPECT_FALSE(StairParseBarNotation("d12", nDia, nSpace));
    EXPECT_NEAR(StairBarArea(10, 150), 523.60, 0.005);
}

// A bar without a diameter or a spacing prints a placeholder and an area of 0; without bar 1 both
// checks fail.
TEST(StairBoardReport, AnEmptyBarPrintsAPlaceholder) {
    CStairBoardParam p;
    p.Calculate();
    p.m_nBarSpace[1] = 0;
    p.wordS.InitData();
    p.BuildWordS();
    std::vector<StairRow> rows = StairRows(p.wordS);
    EXPECT_GE(FindRow(rows, "未选定\n"), 0);
    EXPECT_GE(FindRow(rows, "\t\t实配面积：   0 mm$2$\n"), 0);
    p.m_nBarDia[0] = 0;
    EXPECT_EQ(p.CalCrackWidth(NULL), 0);
    EXPECT_EQ(p.CalFlexibility(NULL), 0);
}

TEST(StairBoardReport, ListEntry) {
    CStairBoardParam p;
    p.M_STAIR_KIND = 5;
    p.Calculate();
    p.GetListData();
    const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
    EXPECT_EQ(entry.strType, CString("板式楼梯计算"));
    EXPECT_EQ(entry.strNumber, CString("LT-1"));
    EXPECT_EQ(entry.strDimInfo, CString("n=10阶, L1=2000.0mm\nH=1500.0mm, L2=300.0mm\nt=100.0mm, L3=300.0mm"));
    EXPECT_EQ(entry.strLoadInfo, CString("q=2.5kN/m*m\nqm=1.7kN/m*m\nqf=0.2kN/m"));
    CString strExpected;
    strExpected.Format("钢筋1实配面积:%4.0f mm2\n钢筋2/3实配面积:%4.0f mm2\n钢筋4实配面积: 141 mm2\n"
                       "钢筋5实配面积:%4.0f mm2\n钢筋6实配面积:%4.0f mm2\n",
                       StairBarArea(p.m_nBarDia[0], p.m_nBarSpace[0]), StairBarArea(p.m_nBarDia[1], p.m_nBarSpace[1]),
                       StairBarArea(p.m_nBarDia[0], p.m_nBarSpace[0]), StairBarArea(p.m_nBarDia[1], p.m_nBarSpace[1]));
    EXPECT_EQ(entry.strResultInfo, strExpected);
    EXPECT_EQ(entry.nBPrint, 1);
}

}  // namespace
