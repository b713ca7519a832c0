// Whole reports of representative cases, calculated as the work dialog does (Calculate, then the
// full and the short report), against the expected rows in reports/<case>.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

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

// The doubly reinforced default section under M = 1200 kN·m: αs = 1200e6/(9.6·400·765²) = 0.534 has
// no ξ; A's = (1200e6 − 9.6·400·765²·0.55·0.725)/(300·730) = 1387.69, As = 0.55·9.6·400·765/300 +
// 1387.69 = 6773.29 (ρ = 2.117 %), of which the concrete balances 5385.6: ρ1 = 1.683 % = ρmax.
TEST(FlexNormalReportLines, DoubleDesignWithoutXiCountsTheConcretesSteelAgainstTheMaximum) {
    CStlcnFlexNormalParam p;
    Set(p, kDesign, "矩形", "双筋");
    p.m_dM = 1200;
    p.Calculate();
    EXPECT_NEAR(p.m_dAreasPs, 1387.6871, 1e-3);
    EXPECT_NEAR(p.m_dAreasPl, 6773.2871, 1e-3);
    p.BuildWordC();
    const CStringArray& lines = p.GetProcessTextDesignDouble();
    std::vector<CString> texts(lines.GetData(), lines.GetData() + lines.GetSize());
    auto has = [&texts](const char* pszLine) { return std::find(texts.begin(), texts.end(), CString(pszLine)) != texts.end(); };
    EXPECT_TRUE(has("\t\tαs=0.534>0.5, 1-2αs<0, ξ=1-sqrt(1-2αs)无解\t不满足要求。"));
    EXPECT_TRUE(has("\t\t由于αs>0.5且配筋计算方式为双筋，因此应计算受压和受拉纵筋面积，取ξ=ξb=0.550。"));
    EXPECT_TRUE(has("\t\tρ=As/(b*h)=6773/(400*800)=2.117％"));
    EXPECT_TRUE(has("\t\tρ1=(As-fy'*A's/fy)/(b*h)=(6773-300*1388/300)/(400*800)=1.683％"));
    EXPECT_TRUE(has("\t\tρ1=1.683％≤ρmax=1.683％, 满足最大配筋率要求，"));
    for (const CString& line : texts) EXPECT_EQ(line.Find("1.000"), -1) << line;
}

// Given compression steel so small that M1 leaves αs1 = (1400e6 − 300·100·730)/(9.6·400·765²) = 0.613
// beyond 0.5: no ξ and no x are printed, and both steels are designed instead.
TEST(FlexNormalReportLines, GivenCompressionSteelWithoutXiPrintsNoX) {
    CStlcnFlexNormalParam p;
    Set(p, kDesign, "矩形", "双筋(已知受压钢筋)");
    p.m_dM = 1400;
    p.m_dAreasPs = 100;
    p.Calculate();
    const CStringArray& lines = p.m_arrProcessText;
    std::vector<CString> texts(lines.GetData(), lines.GetData() + lines.GetSize());
    auto has = [&texts](const char* pszLine) { return std::find(texts.begin(), texts.end(), CString(pszLine)) != texts.end(); };
    EXPECT_TRUE(has("\t\tαs=0.613>0.5, 1-2αs<0, ξ=1-sqrt(1-2αs)无解"));
    EXPECT_TRUE(has("\t\tx=ξ*ho无解"));
    EXPECT_TRUE(has("\t\tx>ξb*ho=0.550*765=421"));
    EXPECT_TRUE(has("\t\t受压钢筋A's太小，应按A's未知，重新计算A's和As。"));
}

// The ρmax line prints α1 with two decimals: 1.00 up to C50, 0.98 for C60 (1.0 − 0.06·10/30).
TEST(FlexNormalReportLines, MaxRatioLinePrintsAlpha1WithTwoDecimals) {
    const struct {
        const char* grade;
        const char* alpha1;
    } cases[] = {{"C30", "*1.00*14.3/"}, {"C60", "*0.98*27.5/"}};
    for (const auto& c : cases) {
        CStlcnFlexNormalParam p;
        Set(p, kDesign, "矩形", "双筋");
        p.m_strConcreteGrade = c.grade;
        p.m_dM = 1200;
        p.Calculate();
        const CStringArray& lines = p.GetProcessTextDesignDouble();
        int nFound = 0;
        for (int i = 0; i < lines.GetSize(); i++) {
            if (lines[i].Find("ρ~max~=") < 0) continue;
            nFound++;
            EXPECT_GE(lines[i].Find(c.alpha1), 0) << lines[i];
        }
        EXPECT_GT(nFound, 0) << c.grade;
    }
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
