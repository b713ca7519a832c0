// Whole reports of representative cases, calculated as the work dialog does (Calculate, then the
// full and the short report), against the expected rows in reports/<case>.txt.
#include <gtest/gtest.h>

#include <functional>

#include "Printers.h"
#include "MemberReports.h"
#include "checks/flexural/FlexNormalParam.h"

namespace {

using ReportCase = MemberReportCase<CStlcnFlexNormalParam>;

void Set(CStlcnFlexNormalParam& p, const char* mode, const char* section, const char* rein) {
    p.m_strCaltType = mode;
    p.m_strSectionType = section;
    p.m_strMatchBarType = rein;
}

const char kDesign[] = "已知弯矩求配筋";
const char kCapacity[] = "已知配筋求弯矩";

const ReportCase kCases[] = {
    {"design_single", [](CStlcnFlexNormalParam&) {}},
    // ξ > ξb: both steels from ξb; ho = 762.5 is shown as 762.
    {"design_double",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "矩形", "双筋");
         p.m_dM = 1000;
         p.m_dAsPl = 37.5;
     }},
    // ξ ≤ ξb, and the engineer keeps the minimum compression steel.
    {"design_double_none",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "矩形", "双筋");
         p.m_bIsSingleRein = 0;
     }},
    // Given compression steel: each course of the text.
    {"known_m1_negative",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "矩形", "双筋(已知受压钢筋)");
         p.m_dM = 300;
         p.m_dAreasPs = 2000;
     }},
    {"known_below_2as",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "矩形", "双筋(已知受压钢筋)");
         p.m_dGo = 1.1;
         p.m_dM = 320;
         p.m_dAreasPs = 1500;
     }},
    {"known_within",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "矩形", "双筋(已知受压钢筋)");
         p.m_dM = 500;
         p.m_dAreasPs = 500;
     }},
    {"known_too_small",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "矩形", "双筋(已知受压钢筋)");
         p.m_dM = 1100;
         p.m_dAreasPs = 200;
     }},
    {"design_t_first", [](CStlcnFlexNormalParam& p) { Set(p, kDesign, "T形", "单筋"); }},
    {"design_t_second",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kDesign, "T形", "单筋");
         p.m_dM = 900;
     }},
    {"capacity_single_over",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kCapacity, "矩形", "单筋");
         p.m_dAreasPl = 8000;
     }},
    {"capacity_double",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kCapacity, "矩形", "双筋");
         p.m_dAreasPl = 3000;
         p.m_dAreasPs = 600;
     }},
    // With the code minimum (flag set), the ratio line shows the formula.
    {"capacity_t_second",
     [](CStlcnFlexNormalParam& p) {
         Set(p, kCapacity, "T形", "单筋");
         p.m_dAreasPl = 4000;
         p.m_bIsAutoCalt = 1;
     }},
};

class FlexNormalReport : public testing::TestWithParam<ReportCase> {};

TEST_P(FlexNormalReport, MatchesTheExpectedRows) {
    ExpectReportsAsIn("checks/flexural", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, FlexNormalReport, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.file); });

// The process lines of the given compression steel are built by Calculate, which may replace A's;
// rebuilding the report must show them again, not a text made from the replaced A's.
TEST(FlexNormalReportLines, GivenCompressionSteelKeepsTheCalculatedProcess) {
    CStlcnFlexNormalParam p;
    Set(p, kDesign, "矩形", "双筋(已知受压钢筋)");
    p.m_dM = 1100;
    p.m_dAreasPs = 200;
    p.Calculate();
    p.BuildWordC();
    std::string first = ReportRows(p.wordC);
    p.wordC.InitData();
    p.BuildWordC();
    EXPECT_EQ(ReportRows(p.wordC), first);
}

// The single-reinforcement text: 13 lines when it passes, one more after each failed check.
TEST(FlexNormalReportLines, SingleDesignTextLineCounts) {
    struct {
        double m;
        int lines;
    } cases[] = {{500, 13}, {80, 14}, {1100, 14}};
    for (const auto& c : cases) {
        CStlcnFlexNormalParam p;
        p.m_dM = c.m;
        EXPECT_EQ(p.GetProcessTextDesignSingle(1).GetSize(), c.lines) << "M=" << c.m;
    }
}

}  // namespace
