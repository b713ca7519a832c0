// The beam stair's reports and list entry: the rows that the shapes, restraints, grades and the
// serviceability switch decide, the picture of each shape, the red verdicts, the placeholders of
// empty schemes, and the stored keys.
#include <gtest/gtest.h>

#include <cmath>

#include "Printers.h"
#include "StairRows.h"
#include "TempStore.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "stair/BeamStairParam.h"

namespace {

CBeamStairParam Stair(int nShape, int nRestraint) {
    CBeamStairParam p;
    p.nStairType = nShape;
    p.nRestrictionType = nRestraint;
    if (nShape == BEAM_STAIR_A || nShape == BEAM_STAIR_C) p.l3 = 0;
    if (nShape == BEAM_STAIR_A || nShape == BEAM_STAIR_B) p.l2 = 0;
    return p;
}

void Build(CBeamStairParam& p) {
    p.Calculate();
    p.wordC.InitData();
    p.BuildWordC();
    p.wordS.InitData();
    p.BuildWordS();
}

bool AnyRowHasNoNumber(const std::vector<StairRow>& rows) {
    for (const StairRow& r : rows)
        if (r.strText.Find("inf") >= 0 || r.strText.Find("nan") >= 0) return true;
    return false;
}

TEST(BeamStairReport, BarHeadingsAndPictureFollowTheShape) {
    struct Case {
        int shape;
        bool bar4, h4Row, platformLoads;
        const char* heading5;
        const char* heading67;
    } cases[] = {
        {0, false, false, false, "4．钢筋⑤计算结果：\n", "5．纵筋⑥/⑦计算结果：\n"},
        {1, false, true, true, "4．钢筋⑤计算结果：\n", "5．纵筋⑥/⑦计算结果：\n"},
        {2, true, true, true, "5．钢筋⑤计算结果：\n", "6．纵筋⑥/⑦计算结果：\n"},
        {3, true, true, true, "5．钢筋⑤计算结果：\n", "6．纵筋⑥/⑦计算结果：\n"},
    };
    for (const Case& c : cases) {
        CBeamStairParam p = Stair(c.shape, 0);
        Build(p);
        for (const CWordObject* report : {&p.wordS, &p.wordC}) {
            const std::vector<StairRow> rows = StairRows(*report);
            EXPECT_EQ(FindRow(rows, "．钢筋④计算结果：\n") >= 0, c.bar4) << c.shape;
            EXPECT_GE(FindRow(rows, c.heading5), 0) << c.shape;
            EXPECT_GE(FindRow(rows, c.heading67), 0) << c.shape;
        }
        const std::vector<StairRow> full = StairRows(p.wordC);
        EXPECT_EQ(FindRow(full, "水平段楼板厚度") >= 0, c.h4Row) << c.shape;
        EXPECT_EQ(FindRow(full, "平台板荷载设计值") >= 0, c.platformLoads) << c.shape;
        EXPECT_EQ(FindRow(full, "平台梯梁标准荷载") >= 0, c.platformLoads) << c.shape;
        int nPictures = 0;
        for (const StairRow& r : full) nPictures += r.nKind == CWordRow::kindPicture;
        EXPECT_EQ(nPictures, 1) << c.shape;
        EXPECT_FALSE(AnyRowHasNoNumber(full));
    }
}

TEST(BeamStairReport, WorkedRowsOfTheDefaults) {
    CBeamStairParam p = Stair(0, 0);
    Build(p);
    const std::vector<StairRow> full = StairRows(p.wordC);
    // cosα 0.894, L0 3300, B0 1400, ht 119.72; the strip's loads as worked in the calculation test.
    const char* rows[] = {
        "\t\t楼梯类型： 梁式楼梯（ ╱ 型）\t\t支座条件： 两端铰支\n",
        "\t\t斜梯段水平长度： L~1~ = 3300 mm\n\t\t梯段净跨： L~n~ = L~1~ = 3300 mm\n",
        "=0.89\n\t\t梯梁计算跨度:\tL~0~ = L~n~ = 3300 mm\n",
        "\t\t梯段板计算跨度:\tB~0~ = W－2*b~3~ = 1800－2*200 =1400 mm\n",
        "= (150.00＋2*40.00/0.89)/2 = 119.72 mm\n",
        "\t\t荷载设计值：P~b~ = max{ P~b~(G) , P~b~(L) } = 3.21 kN/m\n",
        "\t\t荷载设计值：P~l~ = max{ P~l~(G) , P~l~(L) } = 12.24 kN/m\n",
        "\t\tV~max~ = 20.20 kN\n",
        "\t\t按构造配置箍筋。\n",
        "\t\tM~中~ =  16.67 kN·m    ρ = 0.2009%\n",
        "\t\t纵筋①计算面积：A~s~ = 505.61 mm$2$\n",
        "\t\t采用方案：4d14\n\t\t实配面积：A~g~ = 616mm$2$\n",
        "\t\t采用方案：2d6@150\n",
        "\t\t梯梁纵筋强度等级: HPB235\t\t\t\t\tE~S~ = 210000 N/mm$2$\n",
        "\t(3)  跨中挠度：f = 3.41 mm\n",
        " ≤ 1/200，满足要求。\n",
        "\t\t     ≤ 0.30 mm满足规范要求\n",
    };
    for (const char* row : rows) EXPECT_GE(FindRow(full, row), 0) << row;
    // Pinned ends: both supports print the construction row continued by their area.
    const int nLeft = FindRow(full, "\t\t左支座：\n");
    ASSERT_GE(nLeft, 0);
    EXPECT_EQ(full[nLeft + 1].strText, "\t\t按构造配筋。");
    EXPECT_EQ(full[nLeft + 2].strText, "钢筋②计算面积：A~s~ = 126.40 mm$2$\n");
    // Sections 八 and 九 hand over to the slab checks: the span printed in mm.
    EXPECT_GE(FindRow(full, "\t\t挠度限值f~0~=L~0~/200=1400.00/200=7.000 mm\n"), 0);
}

// Shape D, 10 steps, platforms 800 and 900, both ends fixed: the platform loads by hand, g3 = 0.025·70 +
// 1.7 + 0.4 = 3.85, p3 = 1.2·3.85 + 1.4·2.5 = 8.12, gk4 = 27.5·0.2·0.3 + 3.85·0.9 + 0.2 = 5.315,
// p4 = 1.2·5.315 + 1.4·2.25 = 9.53; L0 = 2700 + 800 + 900.
TEST(BeamStairReport, WorkedRowsOfShapeD) {
    CBeamStairParam p = Stair(3, 3);
    p.nSteps = 10;
    p.l2 = 800;
    p.l3 = 900;
    Build(p);
    const std::vector<StairRow> full = StairRows(p.wordC);
    const char* rows[] = {
        "\t\t楼梯类型： 梁式楼梯（ __╱￣ 型）\t\t支座条件： 两端固定\n",
        "\t\t梯段净跨：\tL~n~ = L~1~＋L~2~＋L~3~ = 2700＋800＋900 = 4400 mm\n",
        "\t\t水平段楼板厚度： h~4~ = 70 mm\n",
        "= 1.75＋1.70＋0.40 = 3.85 kN/m\n",
        "\t\t荷载设计值：P~b~' = max{ P~b~(G)' , P~b~(L)' } = 8.12 kN/m\n",
        "= 3.85/1.0*1.80/2＋1.65＋0.20 = 5.32 kN/m\n",
        "\t\t荷载设计值：P~l~' = max{ P~l~(G)' , P~l~(L)' } = 9.53 kN/m\n",
        "\t\t平台梯梁标准荷载：Q~k~' =P~kl~'＋q*W/2=5.32＋2.50*1.80/2=7.57 kN/m\n",
        "6．纵筋⑥/⑦计算结果：\n",
    };
    for (const char* row : rows) EXPECT_GE(FindRow(full, row), 0) << row;
    CString moment;
    moment.Format("\t\tM~左~ = %.2f kN·m    ρ = %.4f%%\n", p.MmaxL / 1e6, 100 * p.LXLZHZRho);
    EXPECT_GE(FindRow(full, moment), 0);
}

TEST(BeamStairReport, FixedSupportsPrintTheirMoments) {
    struct Case {
        int restraint;
        bool upperFixed, lowerFixed;
    } cases[] = {{0, false, false}, {1, false, true}, {2, true, false}, {3, true, true}};
    for (const Case& c : cases) {
        CBeamStairParam p = Stair(3, c.restraint);
        Build(p);
        const std::vector<StairRow> full = StairRows(p.wordC);
        const int nLeft = FindRow(full, "\t\t左支座：\n"), nRight = FindRow(full, "\t\t右支座：\n");
        ASSERT_GE(nLeft, 0);
        ASSERT_GE(nRight, 0);
        EXPECT_EQ(full[nLeft + 1].strText.Find("\t\tM~左~ = -") == 0, c.upperFixed) << c.restraint;
        EXPECT_EQ(full[nRight + 1].strText.Find("\t\tM~右~ = -") == 0, c.lowerFixed) << c.restraint;
        EXPECT_EQ(full[nRight + 1].strText == "\t\t按构造配筋。", !c.lowerFixed) << c.restraint;
    }
}

TEST(BeamStairReport, GradeLettersAndTheServiceabilitySwitch) {
    struct Case {
        const char* grade;
        const char* bar1;
        const char* bar2;
    } cases[] = {
        {"HPB235", "\t\t采用方案：%dd%d\n", "\t\t采用方案：%dd%d\n"},
        {"HRB335", "\t\t采用方案：%dD%d\n", "\t\t采用方案：%dD%d\n"},
        {"HRB400", "\t\t采用方案：%df%d\n", "\t\t采用方案： %df%d\n"},
    };
    for (const Case& c : cases) {
        CBeamStairParam p = Stair(2, 0);
        p.strSteelLevel = c.grade;
        Build(p);
        CString bar1, bar2;
        bar1.Format(c.bar1, p.shpbar1_Int, p.shpbar1_Dia);
        bar2.Format(c.bar2, p.shpbar2_Int, p.shpbar2_Dia);
        const std::vector<StairRow> rows = StairRows(p.wordS);
        EXPECT_GE(FindRow(rows, bar1), 0) << c.grade;
        EXPECT_GE(FindRow(rows, bar2), 0) << c.grade;
        EXPECT_GE(FindRow(rows, "\t\t采用方案：d"), 0) << c.grade;  // slab bars keep "d"
    }
    CBeamStairParam p = Stair(0, 0);
    p.m_bIsCalRAL = 0;
    Build(p);
    const std::vector<StairRow> s = StairRows(p.wordS), f = StairRows(p.wordC);
    EXPECT_EQ(s.back().strText.Find("\t\t采用方案：d"), 0);
    EXPECT_EQ(FindRow(f, "跨中挠度"), -1);
    EXPECT_EQ(f.back().strText.Find("\t\t采用方案：d"), 0);
}

TEST(BeamStairReport, EmptySchemesFailWithPlaceholders) {
    CBeamStairParam p = Stair(0, 0);
    p.Calculate();
    p.bSchemeChosen = 1;
    p.shpbar1_Dia = p.shpbar1_Int = 0;
    p.shpbar6_Dia = p.shpbar6_Int = 0;
    Build(p);
    EXPECT_EQ(p.bPassed, 0);
    EXPECT_EQ(p.m_bBeamCrackOK, 0);
    EXPECT_EQ(p.m_bFlexOK, 0);
    EXPECT_EQ(p.m_bCrackOK, 0);
    const std::vector<StairRow> full = StairRows(p.wordC), brief = StairRows(p.wordS);
    EXPECT_FALSE(AnyRowHasNoNumber(full));
    EXPECT_FALSE(AnyRowHasNoNumber(brief));
    const int nBeam = FindRow(full, "未选定钢筋①");
    ASSERT_GE(nBeam, 0);
    EXPECT_EQ(full[nBeam].nColor, 6);
    EXPECT_GE(FindRow(full, "未选定钢筋(直径或间距为0)"), 0);
    const int nVerdict = FindRow(brief, "\t\t1.梯梁挠度计算不满足规范要求!\n");
    ASSERT_GE(nVerdict, 0);
    EXPECT_EQ(brief[nVerdict].nColor, 6);
}

// The rows whose units and names an engineer checks: the load code of 2001, the steps as a count,
// the surface loads in kN/m² and the railing in kN/m, the quasi-permanent moment by its formula, and
// the slab's strip one tread wide in Ate (0.5·335·87) as in its loads.
TEST(BeamStairReport, UnitsAndNamesOfTheRows) {
    CBeamStairParam p = Stair(0, 0);
    Build(p);
    p.GetListData();
    const std::vector<StairRow> full = StairRows(p.wordC), brief = StairRows(p.wordS);
    EXPECT_GE(FindRow(full, "《建筑结构荷载规范》（GB 50009－2001）"), 0);
    EXPECT_LT(FindRow(full, "GB 50009－2002"), 0);
    const int nDeflection = FindRow(full, "\t2.计算永久组合弯距值Mq:\n");
    ASSERT_GE(nDeflection, 0);
    EXPECT_GE(full[nDeflection].strText.Find("\t\tMq = M~g~~k~+ψ~q~*M~q~~k~\n"), 0);
    EXPECT_GE(full[nDeflection].strText.Find("\t\t   = (1.80 + 0.50*0.750)*1.40$2$/8\n"), 0);
    EXPECT_GE(FindRow(full, "A~t~~e~ = 0.5*b*h = 0.5*335*87= 14604 mm$2$\n"), 0);
    EXPECT_GE(FindRow(brief, "\t\tn=12(阶)\n"), 0);
    EXPECT_GE(FindRow(brief, "\t\t面层荷载：qm = 1.700kN/m$2$"), 0);
    EXPECT_GE(FindRow(brief, "\t\t栏杆荷载：qf = 0.200kN/m\n"), 0);
    EXPECT_EQ(g_VuskMainInfo.GetCurCmdEntry().strDimInfo.Find("n=12阶, t=40.0mm"), 0);
}

TEST(BeamStairReport, ListEntryByShape) {
    for (int nShape : {0, 3}) {
        CBeamStairParam p = Stair(nShape, 0);
        p.Calculate();
        p.GetListData();
        const CString info = p.strResultInfo;
        EXPECT_EQ(info.Find("钢筋4采用方案：") >= 0, nShape == 3);
        EXPECT_EQ(info.Find("钢筋5实配面积:") >= 0, nShape == 3);
        EXPECT_EQ(info.Find("钢筋3采用方案：2d6@150\n") >= 0 || nShape != 0, true);
    }
}

TEST(BeamStairReport, StoredKeys) {
    TempStore store;
    CBeamStairParam p = Stair(3, 3);
    p.Calculate();
    p.bXLSteelBig = 1;
    p.bTDBSteelBig = 0;
    p.bPassed = 0;
    p.nSteps = 15;
    EXPECT_TRUE(p.WriteParam("CBeamStairParam/"));
    int nSteps = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CBeamStairParam//nSteps", nSteps, 0));
    EXPECT_EQ(nSteps, 15);
    int nPassed = 7;
    EXPECT_FALSE(CVuskSave::GetValue("CBeamStairParam//bPassed", nPassed, 7));

    CBeamStairParam back;
    back.bPassed = 1;
    back.ReadParam("CBeamStairParam/");
    EXPECT_EQ(back.nSteps, 15);
    EXPECT_EQ(back.nStairType, 3);
    EXPECT_EQ(back.nRestrictionType, 3);
    EXPECT_EQ(back.bXLSteelBig, 1);
    EXPECT_EQ(back.bTDBSteelBig, 1);
    EXPECT_EQ(back.bPassed, 1);
    EXPECT_EQ(back.shpbar1_Dia, p.shpbar1_Dia);
    EXPECT_DOUBLE_EQ(back.MmaxL, p.MmaxL);
    EXPECT_EQ(back.strNumber, "LT-1");

    // The defaults keep l1 and the candidates but clear the chosen schemes.
    p.InitDefaultParam();
    EXPECT_DOUBLE_EQ(p.l1, 3300);
    EXPECT_GT(p.nXLSchemeNum + p.XLScheme[0].Dia, 0);
    EXPECT_EQ(p.shpbar1_Dia, 0);
    EXPECT_EQ(p.shpbar7_Int, 0);
}

}  // namespace
