// Whole reports of the torsion check, calculated as the work dialog does (Calculate, then the full
// and the short report), against the rows in reports/<case>.txt.
#include <gtest/gtest.h>

#include <functional>

#include "Printers.h"
#include "BadNumbers.h"
#include "MemberReports.h"
#include "checks/members/GeneralParam.h"

namespace {

using ReportCase = MemberReportCase<CStlcnGeneralParam>;

const char kCapacity[] = "已知配筋求扭矩";

const ReportCase kCases[] = {
    {"torsion_design", [](CStlcnGeneralParam&) {}},
    {"torsion_design_construct", [](CStlcnGeneralParam& p) { p.m_dTwistMoment = 11; }},
    {"torsion_design_t", [](CStlcnGeneralParam& p) { p.m_strSectionType = "T形"; }},
    {"torsion_design_t_construct",
     [](CStlcnGeneralParam& p) {
         p.m_strSectionType = "T形";
         p.m_dTwistMoment = 5;
     }},
    {"torsion_design_hw5",
     [](CStlcnGeneralParam& p) {
         p.m_dSectionWidth = 100;
         p.m_dSectionHeight = 540;
         p.m_dGrossPly = 20;
         p.m_dTwistMoment = 8;
     }},
    {"torsion_design_hw6",
     [](CStlcnGeneralParam& p) {
         p.m_dSectionWidth = 100;
         p.m_dSectionHeight = 640;
         p.m_dGrossPly = 20;
         p.m_dTwistMoment = 3;
     }},
    // T = 40 above the section limit 28.000: the process ends at the section condition, no areas.
    {"torsion_design_section_fails", [](CStlcnGeneralParam& p) { p.m_dTwistMoment = 40; }},
    {"torsion_capacity",
     [](CStlcnGeneralParam& p) {
         p.m_strCaltType = kCapacity;
         p.m_bIsAutoCaltPsv = 1;
         p.m_bIsAutoCaltPtl = 1;
         p.m_dImportantCoef = 1.1;
     }},
    {"torsion_capacity_clip",
     [](CStlcnGeneralParam& p) {
         p.m_strCaltType = kCapacity;
         p.m_dSqrtSimpleHoopAst1 = 20;
     }},
    // Tw + Tf = 31.457 above the limit 0.2·9.6·15.583e6 = 29.920, which both reports give as T.
    {"torsion_capacity_t",
     [](CStlcnGeneralParam& p) {
         p.m_strCaltType = kCapacity;
         p.m_strSectionType = "T形";
         p.m_dBoardAllVertiAstl = 1500;
     }},
    // Astl 2000, Ast1 200: 53.705 by the steel, 28.000 by the section.
    {"torsion_capacity_capped",
     [](CStlcnGeneralParam& p) {
         p.m_strCaltType = kCapacity;
         p.m_dSqrtAllVertiAstl = 2000;
         p.m_dSqrtSimpleHoopAst1 = 200;
     }},
};

class GeneralReport : public testing::TestWithParam<ReportCase> {};

TEST_P(GeneralReport, MatchesTheExpectedRows) {
    ExpectReportsAsIn("checks/members", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneralReport, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.file); });

// The largest section in C80 with the least γo: the section limit Wt/γo·βc·fc·0.2·10⁻⁶ =
// 3.333e11/1e-6·0.8·35.9·2e-7 = 1914666666666.667 kN·m has 13 whole digits, so it gives up one of its
// three decimals to stay within 15 significant digits; the reports read as numbers throughout.
TEST(GeneralReportLines, ExtremeInputsKeepFifteenSignificantDigits) {
    CStlcnGeneralParam p;
    p.m_strConcreteGrade = "C80";
    p.m_dImportantCoef = 0.000001;
    p.m_dSectionWidth = 10000;
    p.m_dSectionHeight = 10000;
    p.m_dTwistMoment = 1;
    p.Calculate();
    p.BuildWordC();
    p.BuildWordS();
    const std::string full = ReportRows(p.wordC);
    EXPECT_NE(full.find("=1914666666666.67kN*m"), std::string::npos) << full;
    EXPECT_TRUE(ReadsAsNumbers(full));
    EXPECT_TRUE(ReadsAsNumbers(ReportRows(p.wordS)));
}

}  // namespace
