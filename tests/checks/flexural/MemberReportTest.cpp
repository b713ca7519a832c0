// Whole reports of representative cases of the oblique section and the two deep sections,
// calculated as the work dialog does (Calculate, then the full and the short report), against the
// expected rows in reports/<case>.txt.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MemberReports.h"
#include "Printers.h"
#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/FlexObliqueParam.h"

namespace {

template <class TParam>
std::function<BuiltReports()> Case(std::function<void(TParam&)> setup) {
    return [setup]() { return MemberReports(setup); };
}

struct ReportCase {
    const char* file;
    std::function<BuiltReports()> run;
};

using Oblique = CStlcnFlexObliqueParam;

void Concentrated(Oblique& p) {
    p.m_strFType = "集中荷载独立梁";
    p.m_dA = 1000;
}
using DeepNormal = CStlcnDeepFlexNormalParam;
using DeepOblique = CStlcnDeepFlexObliqueParam;

const ReportCase kCases[] = {
    // Stirrups by the formula, raised to the minimum.
    {"oblique_design", Case<Oblique>([](Oblique&) {})},
    // V ≤ Vc/γo: construction stirrups, γo with its decimal.
    {"oblique_construction", Case<Oblique>([](Oblique& p) {
         p.m_dV = 250000;
         p.m_dGo = 1.1;
     })},
    // hw/b = 5: the interpolated factor 0.225 in the limit's lines.
    {"oblique_interpolated", Case<Oblique>([](Oblique& p) {
         p.m_dB = 152;
         p.m_dV = 300000;
     })},
    // T section under a concentrated load near the support (λ = 1.5), the code's minimum.
    {"oblique_t_concentrated", Case<Oblique>([](Oblique& p) {
         p.m_strSectionType = "T形";
         Concentrated(p);
         p.m_bIsAutoCalt = 1;
     })},
    // hw/b = 6 with the capacity capped at the limit, in a T section.
    {"oblique_capacity_capped", Case<Oblique>([](Oblique& p) {
         p.m_strCaltType = "已知配筋求剪力";
         p.m_strSectionType = "T形";
         p.m_dB = 100;
         p.m_dHf = 160;
     })},
    {"oblique_capacity", Case<Oblique>([](Oblique& p) {
         p.m_strCaltType = "已知配筋求剪力";
         p.m_dAreasSv = 60;
     })},
    // A deep beam whose x lies below 0.2·ho, raised to the minimum steel.
    {"deep_normal_design", Case<DeepNormal>([](DeepNormal&) {})},
    {"deep_normal_no_root", Case<DeepNormal>([](DeepNormal& p) { p.m_dM = 30000; })},
    // 200 × 2000, lo 3000, C20, M 2200: x0 = 1041.5 > ξb·ho = 990, no design.
    {"deep_normal_over", Case<DeepNormal>([](DeepNormal& p) {
         p.m_dB = 200;
         p.m_dLo = 3000;
         p.m_strConcreteGrade = "C20";
         p.m_dM = 2200;
     })},
    // The same beam's capacity with As 8000: x = ξb·ho = 990, M = 9.6·200·990·1122.3/1e6 = 2133.268.
    {"deep_normal_capacity_capped", Case<DeepNormal>([](DeepNormal& p) {
         p.m_strCalType = "已知配筋求弯矩";
         p.m_dB = 200;
         p.m_dLo = 3000;
         p.m_strConcreteGrade = "C20";
         p.m_dAreas = 8000;
     })},
    {"deep_normal_short_span", Case<DeepNormal>([](DeepNormal& p) {
         p.m_dLo = 1500;
         p.m_bIsAutoCalt = 1;
         p.m_dGo = 1.1;
     })},
    // A general deep member (lo/h = 3) with the code's minimum and much steel.
    {"deep_normal_capacity", Case<DeepNormal>([](DeepNormal& p) {
         p.m_strCalType = "已知配筋求弯矩";
         p.m_dLo = 6000;
         p.m_dAreas = 20000;
         p.m_bIsAutoCalt = 1;
     })},
    {"deep_oblique_ash_constructional", Case<DeepOblique>([](DeepOblique&) {})},
    // lo/h = 3 under a concentrated load beyond the upper bound of λ.
    {"deep_oblique_ash_concentrated", Case<DeepOblique>([](DeepOblique& p) {
         p.m_dLo = 6000;
         p.m_strDeepFType = "集中荷载独立梁";
         p.m_dA = 3000;
         p.m_dV = 2500000;
     })},
    // hw/b = 1800/360 = 5: the coefficient 8.5 of the interpolated limit in its formula.
    {"deep_oblique_ash_interpolated", Case<DeepOblique>([](DeepOblique& p) {
         p.m_dB = 360;
         p.m_dV = 1000000;
     })},
    {"deep_oblique_asv_span_two", Case<DeepOblique>([](DeepOblique& p) {
         p.m_strDeepCaltType = "已知剪力、Ash求Asv";
         p.m_dV = 3000000;
     })},
    {"deep_oblique_asv_formula", Case<DeepOblique>([](DeepOblique& p) {
         p.m_strDeepCaltType = "已知剪力、Ash求Asv";
         p.m_dLo = 6000;
         p.m_dV = 3000000;
         p.m_bIsAutoCaltSv = 1;
     })},
    {"deep_oblique_capacity_capped", Case<DeepOblique>([](DeepOblique& p) {
         p.m_strDeepCaltType = "已知Asv、Ash求剪力";
     })},
    // Both steels below their minimum, told as such: the capacity takes the areas given. λ = 3000/1800
    // above 0.92·3 − 1.58 = 1.18: Vc = 1.75/2.18·1.43·600·1800 = 1239771.0, Vsv = 1/3·1·300·50·18 = 90000,
    // Vsh = 1/6·2·300·50·18 = 90000: V = 1419.771 kN.
    {"deep_oblique_capacity_below_minimum", Case<DeepOblique>([](DeepOblique& p) {
         p.m_strDeepCaltType = "已知Asv、Ash求剪力";
         p.m_strDeepFType = "集中荷载独立梁";
         p.m_dLo = 6000;
         p.m_dA = 3000;
         p.m_dAreasSh = 50;
         p.m_dAreasSv = 50;
     })},
    // lo/h = 5 under a concentrated load: no result, the text ends with the member class.
    {"deep_oblique_no_result", Case<DeepOblique>([](DeepOblique& p) {
         p.m_strDeepFType = "集中荷载独立梁";
         p.m_dLo = 10000;
     })},
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.file; }

class MemberReport : public testing::TestWithParam<ReportCase> {};

TEST_P(MemberReport, MatchesTheExpectedRows) {
    const ReportCase& c = GetParam();
    const BuiltReports reports = c.run();
    EXPECT_EQ(reports.full, ExpectedReportRows(c.file, "full report"));
    EXPECT_EQ(reports.brief, ExpectedReportRows(c.file, "short report"));
    EXPECT_EQ(reports.full.find("nan"), std::string::npos);
    EXPECT_EQ(reports.full.find("inf"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemberReport, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.file); });

}  // namespace
