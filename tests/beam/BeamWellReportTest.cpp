// The grid beam's short and full reports on their three paths: six-row tables of narrow grids
// (single beams A and B), of wider grids (A1, A2, B1, B2 with marked shears), and three-row tables.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "Printers.h"
#include "ReportRows.h"
#include "beam/BeamWellParam.h"

namespace {

CBeamWellParam* Calculated(CBeamWellParam& param, const char* pszSupport, int nNox, int nNoy) {
    param.strAbutType = pszSupport;
    param.nNox = nNox;
    param.nNoy = nNoy;
    EXPECT_TRUE(param.Calculate());
    EXPECT_TRUE(param.BuildWordS());
    EXPECT_TRUE(param.BuildWordC());
    return &param;
}

// The rows after the cited table, each cut at its first " = " (the beam and the value named).
std::vector<std::string> ValueRowHeads(const CWordObject& report) {
    std::istringstream rows(ReportRows(report));
    std::vector<std::string> heads;
    bool bValues = false;
    for (std::string row; std::getline(rows, row);) {
        if (bValues) heads.push_back(row.substr(0, row.find(" = ")));
        if (row.find(u8"表9-1得") != std::string::npos || row.find(u8"表3.8.1得") != std::string::npos) bValues = true;
    }
    return heads;
}

TEST(BeamWellReport, DefaultsWriteBothReportsOfTheNarrowGridPath) {
    CBeamWellParam param;
    Calculated(param, "周边简支", 2, 2);
    EXPECT_EQ(u8R"("井字梁计算\n"
"一、构件编号: JZL-1\n"
"二、尺寸参数\n"
"\t\t支撑条件: "
"周边简支"
"\n\t\t横向跨数: nx = 2 "
"\t跨度: a = 1000.00 mm\n"
"\t\t纵向跨数: ny = 2 "
"\t跨度: b = 1000.00 mm\n"
"三、荷载参数："
"\n\t\t荷载设计值：p = 2.500 kN/m$2$\n"
"四、计算结果：\n"
"\t查《建筑结构静力计算手册》（第二版)表9-1得\n"
"\t\t梁-A最大正弯矩: M_A(+) = 0.625 kN·m\n"
"\t\t梁-A最大负弯矩: M_A(-) = 0.000 kN·m\n"
"\t\t梁-A最大剪力: V_A = 1.250 kN\n"
"\t\t梁-B最大正弯矩: M_B(+) = 0.625 kN·m\n"
"\t\t梁-B最大负弯矩: M_B(-) = 0.000 kN·m\n"
"\t\t梁-B最大剪力: V_B = 1.250 kN\n"
)", ReportRows(param.wordS));
    EXPECT_EQ(u8R"("井字梁计算\n"
"项目名称_____________日    期_____________\n"
"设 计 者_____________校 对 者_____________\n"
"一、工程名称: JZL-1\n"
"二、示意图\n"
<picture>
"三、基本资料\n"
"1．依据规范："
"\t《建筑结构荷载规范》（GB 50009--2001)\n"
"2．几何参数："
"\t 支撑条件: "
"周边简支"
"\n\t\t 横向跨数: nx = 2 "
"\t跨度: a = 1000.00 mm\n"
"\t\t 纵向跨数: ny = 2 "
"\t跨度: b = 1000.00 mm\n"
"3．荷载设计值："
" 荷载设计值：p = 2.500 kN/m$2$\n"
"四、计算结果：\n"
"\t查《建筑结构静力计算手册》（第二版)表9-1得\n"
"\t梁-A最大正弯矩: M_A(+) = 0.2500*qab$2$ = 0.2500*2.5*1000*1000$2$ = 0.625 kN·m\n"
"\t梁-A最大负弯矩: M_A(-) = 0.0000*qab$2$ = 0.0000*2.5*1000*1000$2$ = 0.000 kN·m\n"
"\t梁-A最大剪力:   V_A = 0.5000*qab = 0.5000*2.5*1000*1000 = 1.250 kN\n"
"\t梁-B最大正弯矩: M_B(+) = 0.2500*qa$2$b = 0.2500*2.5*1000$2$*1000 = 0.625 kN·m\n"
"\t梁-B最大负弯矩: M_B(-) = 0.0000*qa$2$b = 0.0000*2.5*1000$2$*1000 = 0.000 kN·m\n"
"\t梁-B最大剪力:   V_B = 0.5000*qab = 0.5000*2.5*1000*1000 = 1.250 kN\n"
)", ReportRows(param.wordC));
}

TEST(BeamWellReport, FixedCoefficientsPrintNegative) {
    CBeamWellParam param;
    param.dDistA = 4000;
    param.dDistB = 3000;
    param.dLoad = 5;
    Calculated(param, "周边固定", 2, 2);
    const std::vector<std::string> rows = [&] {
        std::istringstream text(ReportRows(param.wordC));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }();
    ASSERT_LE(2u, rows.size());
    EXPECT_EQ(u8R"("\t梁-A最大负弯矩: M_A(-) = -0.1754*qab$2$ = -0.1754*5*4000*3000$2$ = -31.572 kN·m\n")",
              rows[rows.size() - 5]);
}

struct PathCase {
    const char* pszName;
    const char* pszSupport;
    int nNox, nNoy;
    std::vector<std::string> full;   // value rows of the full report, to their first " = "
    std::vector<std::string> brief;  // and of the short report
};

const PathCase s_paths[] = {
    {"4 x 4 fixed: A1, A2, B1, B2 with marked shears", "周边固定", 4, 4,
     {u8R"("\t梁-A1最大正弯矩: M_A1(+))", u8R"("\t梁-A1最大负弯矩: M_A1(-))", u8R"("\t梁-A1最大剪力:   V_A1(-))",
      u8R"("\t梁-A2最大正弯矩: M_A2(+))", u8R"("\t梁-A2最大负弯矩: M_A2(-))", u8R"("\t梁-A2最大剪力:   V_A2(-))",
      u8R"("\t梁-B1最大正弯矩: M_B1(+))", u8R"("\t梁-B1最大负弯矩: M_B1(-))", u8R"("\t梁-B1最大剪力:   V_B1(-))",
      u8R"("\t梁-B2最大正弯矩: M_B2(+))", u8R"("\t梁-B2最大负弯矩: M_B2(-))", u8R"("\t梁-B2最大剪力:   V_B2(-))"},
     {u8R"("\t\t梁-A1最大正弯矩: M_A1(+))", u8R"("\t\t梁-A1最大负弯矩: M_A1(-))", u8R"("\t\t梁-A1最大剪力: V_A1(-))",
      u8R"("\t\t梁-A2最大正弯矩: M_A2(+))", u8R"("\t\t梁-A2最大负弯矩: M_A2(-))", u8R"("\t\t梁-A2最大剪力: V_A2(-))",
      u8R"("\t\t梁-B1最大正弯矩: M_B1(+))", u8R"("\t\t梁-B1最大负弯矩: M_B1(-))", u8R"("\t\t梁-B1最大剪力: V_B1(-))",
      u8R"("\t\t梁-B2最大正弯矩: M_B2(+))", u8R"("\t\t梁-B2最大负弯矩: M_B2(-))", u8R"("\t\t梁-B2最大剪力: V_B2(-))"}},
    {"4 x 3 simple: A1, A2 and the single B", "周边简支", 4, 3,
     {u8R"("\t梁-A1最大正弯矩: M_A1(+))", u8R"("\t梁-A1最大负弯矩: M_A1(-))", u8R"("\t梁-A1最大剪力:   V_A1(-))",
      u8R"("\t梁-A2最大正弯矩: M_A2(+))", u8R"("\t梁-A2最大负弯矩: M_A2(-))", u8R"("\t梁-A2最大剪力:   V_A2(-))",
      u8R"("\t梁-B最大正弯矩: M_B(+))", u8R"("\t梁-B最大负弯矩: M_B(-))", u8R"("\t梁-B最大剪力:   V_B)"},
     {u8R"("\t\t梁-A1最大正弯矩: M_A1(+))", u8R"("\t\t梁-A1最大负弯矩: M_A1(-))", u8R"("\t\t梁-A1最大剪力: V_A1(-))",
      u8R"("\t\t梁-A2最大正弯矩: M_A2(+))", u8R"("\t\t梁-A2最大负弯矩: M_A2(-))", u8R"("\t\t梁-A2最大剪力: V_A2(-))",
      u8R"("\t\t梁-B最大正弯矩: M_B(+))", u8R"("\t\t梁-B最大负弯矩: M_B(-))", u8R"("\t\t梁-B最大剪力: V_B)"}},
    {"13 x 8: three-row table, A1 … A6 and B1 … B4 without negative moments", "周边简支", 13, 8,
     {u8R"("\t梁-A1最大正弯矩: M_A1(+))", u8R"("\t梁-A1最大剪力:   V_A1)", u8R"("\t梁-A2最大正弯矩: M_A2(+))",
      u8R"("\t梁-A2最大剪力:   V_A2)", u8R"("\t梁-A3最大正弯矩: M_A3(+))", u8R"("\t梁-A3最大剪力:   V_A3)",
      u8R"("\t梁-A4最大正弯矩: M_A4(+))", u8R"("\t梁-A4最大剪力:   V_A4)", u8R"("\t梁-A5最大正弯矩: M_A5(+))",
      u8R"("\t梁-A5最大剪力:   V_A5)", u8R"("\t梁-A6最大正弯矩: M_A6(+))", u8R"("\t梁-A6最大剪力:   V_A6)",
      u8R"("\t梁-B1最大正弯矩: M_B1(+))", u8R"("\t梁-B1最大剪力:   V_B1)", u8R"("\t梁-B2最大正弯矩: M_B2(+))",
      u8R"("\t梁-B2最大剪力:   V_B2)", u8R"("\t梁-B3最大正弯矩: M_B3(+))", u8R"("\t梁-B3最大剪力:   V_B3)",
      u8R"("\t梁-B4最大正弯矩: M_B4(+))", u8R"("\t梁-B4最大剪力:   V_B4)"},
     {u8R"("\t\t梁-A1最大正弯矩: M_A1(+))", u8R"("\t\t梁-A1最大剪力: V_A1)", u8R"("\t\t梁-A2最大正弯矩: M_A2(+))",
      u8R"("\t\t梁-A2最大剪力: V_A2)", u8R"("\t\t梁-A3最大正弯矩: M_A3(+))", u8R"("\t\t梁-A3最大剪力: V_A3)",
      u8R"("\t\t梁-A4最大正弯矩: M_A4(+))", u8R"("\t\t梁-A4最大剪力: V_A4)", u8R"("\t\t梁-A5最大正弯矩: M_A5(+))",
      u8R"("\t\t梁-A5最大剪力: V_A5)", u8R"("\t\t梁-A6最大正弯矩: M_A6(+))", u8R"("\t\t梁-A6最大剪力: V_A6)",
      u8R"("\t\t梁-B1最大正弯矩: M_B1(+))", u8R"("\t\t梁-B1最大剪力: V_B1)", u8R"("\t\t梁-B2最大正弯矩: M_B2(+))",
      u8R"("\t\t梁-B2最大剪力: V_B2)", u8R"("\t\t梁-B3最大正弯矩: M_B3(+))", u8R"("\t\t梁-B3最大剪力: V_B3)",
      u8R"("\t\t梁-B4最大正弯矩: M_B4(+))", u8R"("\t\t梁-B4最大剪力: V_B4)"}},
};

TEST(BeamWellReport, PathsListTheirBeamsInOrder) {
    for (const PathCase& c : s_paths) {
        SCOPED_TRACE(c.pszName);
        CBeamWellParam param;
        Calculated(param, c.pszSupport, c.nNox, c.nNoy);
        EXPECT_EQ(c.full, ValueRowHeads(param.wordC));
        EXPECT_EQ(c.brief, ValueRowHeads(param.wordS));
    }
}

TEST(BeamWellReport, ThreeRowTableIsCitedFromTheDesignHandbook) {
    CBeamWellParam param;
    Calculated(param, "周边简支", 13, 8);
    EXPECT_NE(std::string::npos, ReportRows(param.wordS).find(u8R"("\t查《建筑结构设计手册》表3.8.1得\n")"));
    EXPECT_NE(std::string::npos, ReportRows(param.wordC).find(u8R"("\t查《建筑结构设计手册》表3.8.1得\n")"));
}

// An edited result stands in both reports beside the coefficient it no longer matches.
TEST(BeamWellReport, EditedResultIsPrintedAsItStands) {
    CBeamWellParam param;
    ASSERT_TRUE(param.Calculate());
    param.beamForce[BW_A1].dPositive = 0.7;
    param.BuildWordS();
    param.BuildWordC();
    EXPECT_NE(std::string::npos, ReportRows(param.wordS).find(u8"M_A(+) = 0.700 kN·m"));
    EXPECT_NE(std::string::npos, ReportRows(param.wordC).find(u8"0.2500*2.5*1000*1000$2$ = 0.700 kN·m"));
}

TEST(BeamWellReport, GridWithoutPictureWritesNone) {
    CBeamWellParam param;
    param.nNox = 10;
    param.nNoy = 10;
    param.BuildWordC();
    EXPECT_EQ(std::string::npos, ReportRows(param.wordC).find("<picture>"));
}

}  // namespace
