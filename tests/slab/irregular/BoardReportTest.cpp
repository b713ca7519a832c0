// The irregular slab's two reports: the rows of two slabs, the short report's sections and the
// full report's loads, edge rows and units, against texts worked from the slabs' data. The rows
// come as UTF-8, so the texts looked for are UTF-8 too.
#include <gtest/gtest.h>

#include <string>

#include "ReportRows.h"
#include "SlabDrawingFixture.h"

namespace {

using slabtest::P;
using slabtest::Polyline;

int Count(const std::string& rows, const std::string& what)
{
    int count = 0;
    for (size_t at = rows.find(what); at != std::string::npos; at = rows.find(what, at + 1)) ++count;
    return count;
}

class BoardReportTest : public testing::Test {
protected:
    BoardReportTest() { param.SetDefaultData(); }
    std::string Full()
    {
        param.wordC.InitData();
        param.BuildWordC();
        return ReportRows(param.wordC);
    }
    std::string Short()
    {
        param.wordS.InitData();
        param.BuildWordS();
        return ReportRows(param.wordS);
    }
    CAtypicalBoardParam param;
};

// A rectangle with a corner column at vertex 3, a hole, one load of each kind and six result rows
// (two bottom rows, one per edge).
void FillSlab(CAtypicalBoardParam& param)
{
    CBoardData& data = param.m_BoardData;
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(4000, 0), P(4000, 3000), P(0, 3000)});
    data.m_BoardPoly.SetHasColu(2, 1);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(500, 500), P(1000, 500), P(1000, 1000)}));
    data.m_MassLoadArray.Add(CMassLoad(P(2000, 1500), LOAD_LIVE, 50.0));
    // A local load whose first side is an arc of chord 1000 and bulge 0.5: chord height 250.
    CBoardPolyline part = Polyline(BOARD_PART_LOAD, LOAD_DEAD, {P(2000, 500), P(3000, 500), P(3000, 1000)}, 0.5);
    for (int i = 0; i < 3; ++i) part.SetLoadVal(i, 3.0);
    data.m_PartLoadArray.Add(part);
    data.m_LineLoadArray.Add(Polyline(BOARD_LINE_LOAD, LOAD_DEAD, {P(500, 2500), P(1500, 2500)}));
    CBoardPolyline full = Polyline(BOARD_TRAP_LOAD, LOAD_LIVE, {P(0, 2000), P(4000, 2000)});
    full.SetLoadWidth(-1.0);
    CBoardPolyline part2 = Polyline(BOARD_TRAP_LOAD, LOAD_LIVE, {P(500, 1800), P(2000, 1800)});
    part2.SetLoadWidth(1500.0);
    data.m_TrapLoadArray.Add(full);
    data.m_TrapLoadArray.Add(part2);
    for (int i = 0; i < 6; ++i) {
        BoardReinResult row;
        row.m_dMoment = 10.0 + i;
        row.m_dCalArea = 300.0;
        row.m_dDiameter = 10.0;
        row.m_dSpace = 200.0;
        row.m_dRealArea = 393.0;
        row.m_dCrack = 0.1 + 0.01 * i;
        row.m_dDeflection = 5.5;
        param.m_ReinResults.Add(row);
    }
}

// Before any calculation both reports end after the units row, with all nine pictures.
TEST_F(BoardReportTest, WithoutResultsTheReportsEndAfterTheUnits)
{
    param.m_BoardData.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(4000, 0), P(4000, 3000), P(0, 3000)});
    param.m_BoardData.m_HasBoard = 1;
    param.m_BoardData.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(500, 500), P(1000, 500), P(1000, 1000)}));
    const std::string full = Full(), brief = Short();
    for (const std::string* rows : {&full, &brief}) {
        EXPECT_EQ(Count(*rows, "<picture>"), 9);
        const std::string units = u8"\"\\t\\t弯矩:  kN·m/m\\t\\t钢筋面积:  mm$2$/m\\n\"\n";
        ASSERT_GE(rows->size(), units.size());
        EXPECT_EQ(rows->substr(rows->size() - units.size()), units);
        EXPECT_NE(rows->find(u8"\"\\t\\t  洞口1\\n\"\n\"\\t\\t\\t洞边支座:自由\\n\"\n\"\\t\\t\\t点编号\\t\\tX向坐标\\t\\tY向坐标\\n\"\n\"\\t\\t\\t 1 \\t\\t500.000 \\t\\t500.000\\n\""),
                  std::string::npos);
    }
    EXPECT_EQ(full.find(u8"集中荷载"), std::string::npos);
    EXPECT_NE(brief.find(u8"\"一、计算简图与几何条件:\\n\"\n\"\\t1.1 计算简图:\\n\""), std::string::npos);
    EXPECT_NE(full.find(u8"\"一、构件编号:YX-1\\n\"\n\"二、计算简图与几何条件:\\n\"\n\"\\t2.1 计算简图:\\n\""), std::string::npos);
    EXPECT_EQ(brief.find(u8"构件编号"), std::string::npos);
}

// The full report of a slab with every kind of load and six result rows: a concentrated load in kN,
// a local load in kN/m² with its chord heights, the load kinds, 满布 or a width in mm, the corner
// column, and the edge rows 1-2 .. 4-1 that the short report leaves out.
TEST_F(BoardReportTest, FullReportOfASlabWithEveryLoad)
{
    FillSlab(param);
    const std::string full = Full(), brief = Short();
    const char* const expected[] = {
        u8"\"\\t\\t\\t 3 \\t\\t4000.000 \\t\\t3000.000  \\t\\t是\\n\"",
        u8"\"\\t\\t\\t 2 \\t\\t4000.000 \\t\\t0.000  \\t\\t否\\n\"",
        u8"\"\\t\\t  集中荷载1\\n\"\n\"\\t\\t\\t类型:活载\\n\"\n\"\\t\\t\\tX向坐标\\t\\t\\tY向坐标\\n\"\n\"\\t\\t\\t2000.000 \\t\\t\\t1500.000\\n\"\n"
        u8"\"\\t\\t\\t荷载值:\"\n\"\\t\\t\\t50.000kN\\n\"",
        u8"\"\\t\\t\\t弦高\\n\"\n\"\\t\\t\\t 1 \\t\\t250.000\\n\"\n\"\\t\\t\\t 2 \\t\\t0.000\\n\"",
        u8"\"\\t\\t\\t荷载值\\n\"\n\"\\t\\t\\t 1 \\t\\t3.000kN/m$2$\\n\"",
        u8"\"\\t\\t  线荷载1\\n\"\n\"\\t\\t\\t类型:恒载\\n\"",
        u8"\"\\t\\t  梯形荷载1\\n\"\n\"\\t\\t\\t类型:活载\\n\"",
        u8"\"\\t\\t\\t分布宽度 \\t\\t满布\\n\"",
        u8"\"\\t\\t\\t分布宽度 \\t\\t1500.000mm\\n\"",
        u8"\"\\t   1     10.000     300       10@200       393      板底配筋方向\\n\"\n"
        u8"\"\\t   1     11.000     300       10@200       393      板底垂直配筋方向\\n\"\n"
        "\"\\t  1-2     12.000     300       10@200       393      \\n\"",
        u8"\"\\t  4-1     15.000     300       10@200       393      \\n\"\n\"\\t4.3 挠度裂缝:\\n\"",
        u8"\"\\t\\t3-4方向裂缝的宽度为:\\t\\t    0.1400 mm\\n\"",
        u8"\"\\t\\t挠度为:    5.5000 mm\\n\"",
        // The allowed crack width, with the bar conditions and against the widths; the rule of the
        // moments before the table.
        u8"\"\\t\\t允许裂缝宽度:            \\t\\t0.30   mm\\n\"",
        u8"\"\\t    ==========　裂缝计算结果 ==========\\n\"\n\"\\t\\t允许裂缝宽度为:    0.30 mm\\n\"",
        u8"\"\\t4.2 弯矩及配筋:\\n\"\n\"\\t\\t弯矩取1000mm宽板带内的平均值:板底钢筋的板带垂直于钢筋,板边钢筋的板带沿板边\\n\"",
    };
    for (const char* text : expected) EXPECT_NE(full.find(text), std::string::npos) << text;
    EXPECT_EQ(full.find("kN/m\\n\"\n\"\\t\\t\\t 2 \\t\\t3.000"), std::string::npos) << "a local load is no line load";
    EXPECT_EQ(brief.find("1-2"), std::string::npos);
    EXPECT_EQ(brief.find(u8"集中荷载"), std::string::npos);
    EXPECT_NE(brief.find(u8"\"\\t3.2 弯矩及配筋:\\n\""), std::string::npos);
    // A row without bars says so in place of its scheme.
    param.m_ReinResults[3].m_dSpace = 0.0;
    EXPECT_NE(Full().find(u8"\"\\t  2-3     13.000     300       无配筋方案       393      \\n\""), std::string::npos);
    EXPECT_NE(brief.find(u8"\"\\t\\t板底垂直配筋方向裂缝的宽度为:    0.1100 mm\\n\"\n\"\\t    ==========　挠度计算结果 ==========\\n\""),
              std::string::npos);
}

// The report gives the larger long-term deflection of the two bottom rows against the limit of
// GB 50010-2002 table 3.3.2 on the outline's shorter side, with the verdict:
//   3000 → l0/200 = 15.00 mm; 8000 → l0/250 = 32.00 mm; 9500 → l0/300 = 31.67 mm.
TEST_F(BoardReportTest, TheLargerDeflectionAgainstItsLimit)
{
    const struct {
        double width, height, row0, row1;
        const char* rows;
    } cases[] = {
        {4000, 3000, 5.5, 12.0,
         u8"\"\\t\\t挠度为:    12.0000 mm\\n\"\n"
         u8"\"\\t\\t挠度限值(混凝土规范表3.3.2,l0取板的短向尺寸):    l0/200 = 3000/200 = 15.00 mm\\n\"\n"
         u8"\"\\t\\tf = 12.0000 mm ≤ 15.00 mm, 满足规范要求\\n\""},
        {4000, 3000, 16.0, 5.5,
         u8"\"\\t\\t挠度为:    16.0000 mm\\n\"\n"
         u8"\"\\t\\t挠度限值(混凝土规范表3.3.2,l0取板的短向尺寸):    l0/200 = 3000/200 = 15.00 mm\\n\"\n"
         u8"\"\\t\\tf = 16.0000 mm > 15.00 mm, 不满足规范要求\\n\""},
        {12000, 8000, 30.0, 31.0, u8"l0/250 = 8000/250 = 32.00 mm\\n\"\n\"\\t\\tf = 31.0000 mm ≤ 32.00 mm, 满足规范要求"},
        {9500, 12000, 32.0, 31.0, u8"l0/300 = 9500/300 = 31.67 mm\\n\"\n\"\\t\\tf = 32.0000 mm > 31.67 mm, 不满足规范要求"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        param.m_BoardData.Reset();
        param.m_ReinResults.RemoveAll();
        FillSlab(param);
        param.m_BoardData.m_BoardPoly =
            Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(c.width, 0), P(c.width, c.height), P(0, c.height)});
        param.m_ReinResults[0].m_dDeflection = c.row0;
        param.m_ReinResults[1].m_dDeflection = c.row1;
        for (const std::string& rows : {Full(), Short()}) EXPECT_NE(rows.find(c.rows), std::string::npos);
    }
}

// The report states the loads the calculation took: the dead load with the self weight when the
// slab adds it (120 mm · 25 kN/m³ = 3.00 kN/m², 4.00 + 3.00 = 7.00), and θ = 2.0 times the grid's
// adjustment factor (1.0 → 2.00, 0.75 → 1.50).
TEST_F(BoardReportTest, TheInputsAsTheCalculationTookThem)
{
    const struct {
        int selfWeight;
        double adjustment;
        const char* dead;
        const char* theta;
    } cases[] = {
        {1, 1.0, u8"\"\\t\\t均布恒载:        \\t\\t7.00  kN/m$2$ (含板自重3.00 kN/m$2$)\\n\"",
         u8"\"\\t\\t荷载长期作用挠度增大系数θ:\\t\\t2.00\\n\""},
        {0, 0.75, u8"\"\\t\\t均布恒载:        \\t\\t4.00  kN/m$2$ (不含板自重)\\n\"",
         u8"\"\\t\\t荷载长期作用挠度增大系数θ:\\t\\t1.50\\n\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dead);
        param.m_BoardData.Reset();
        param.m_ReinResults.RemoveAll();
        FillSlab(param);
        param.m_param.m_nBoardWidth = 120.0;
        param.m_param.m_EverLoadVal = 4.0;
        param.m_bIsAutoCalSelfH = c.selfWeight;
        param.m_param.m_dNaoDu = c.adjustment;
        for (const std::string& rows : {Full(), Short()}) {
            EXPECT_NE(rows.find(c.dead), std::string::npos);
            EXPECT_NE(rows.find(c.theta), std::string::npos);
        }
    }
}

// A re-entrant corner's row is in both reports (the short one leaves out only the edges' rows),
// named by its vertex, with its crack width and the rule of its moment; without one, no such rule.
TEST_F(BoardReportTest, AReentrantCornerRowInBothReports)
{
    FillSlab(param);
    EXPECT_EQ(Full().find(u8"阴角"), std::string::npos);
    BoardReinResult corner = param.m_ReinResults[2];
    corner.m_nCorner = 3;
    corner.m_dMoment = 12.345;
    corner.m_dCrack = 0.2127;
    param.m_ReinResults.Add(corner);
    for (const std::string& rows : {Full(), Short()}) {
        EXPECT_NE(rows.find(u8"\"\\t  阴角4     12.345     300       10@200       393      阴角板面配筋(垂直于角平分线)\\n\""),
                  std::string::npos);
        EXPECT_NE(rows.find(u8"\"\\t\\t阴角4处裂缝的宽度为:\\t\\t    0.2127 mm\\n\""), std::string::npos);
        EXPECT_NE(rows.find(u8"\"\\t\\t阴角板面钢筋垂直于角平分线,弯矩取角平分线上自阴角起1000mm内的平均值\\n\""),
                  std::string::npos);
    }
    EXPECT_EQ(Short().find("1-2"), std::string::npos);
}

}  // namespace
