// The calculation paths of the flexural normal section against values worked by hand from the
// formulas (C20: fc 9.6, ft 1.10, α1 1.0; HRB335: fy 300, ξb = 0.8/(1+300/(2e5·0.0033)) = 0.55;
// b 400, h 800, as = as' = 35, so ho = 765, unless a case says otherwise).
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "Printers.h"
#include "checks/flexural/FlexNormalParam.h"

namespace {

struct CalcCase {
    const char* name;
    std::function<void(CStlcnFlexNormalParam&)> setup;
    double as;    // expected As, mm²
    double asPs;  // expected A's, mm²
    double m;     // expected M, kN·m
};

void Design(CStlcnFlexNormalParam& p, const char* rein, double m) {
    p.m_strMatchBarType = rein;
    p.m_dM = m;
}

void Capacity(CStlcnFlexNormalParam& p, const char* section, const char* rein, double as, double asPs) {
    p.m_strCaltType = "已知配筋求弯矩";
    p.m_strSectionType = section;
    p.m_strMatchBarType = rein;
    p.m_dAreasPl = as;
    p.m_dAreasPs = asPs;
}

void KnownAsPs(CStlcnFlexNormalParam& p, double m, double asPs) {
    Design(p, "双筋(已知受压钢筋)", m);
    p.m_dAreasPs = asPs;
}

const CalcCase kCases[] = {
    // αs = 500e6/(9.6·400·765²) = 0.222493, ξ = 1-√(1-2αs) = 0.255007, As = 9.6·400·765·ξ/300.
    {"single design", [](CStlcnFlexNormalParam&) {}, 2497.029312, 500, 500},
    // As = 355.02 < ρmin·b·h = 0.002·400·800.
    {"single design below the minimum", [](CStlcnFlexNormalParam& p) { p.m_dM = 80; }, 640, 500, 80},
    // C30 (ft 1.43) with HPB235 (fy 210): ρmin = 0.45·1.43/210 = 0.0030643 > 0.002, As = ρmin·b·h.
    {"single design with the code minimum",
     [](CStlcnFlexNormalParam& p) {
         p.m_dM = 80;
         p.m_strConcreteGrade = "C30";
         p.m_strSteelBarGradePl = "HPB235";
         p.m_bIsAutoCalt = 1;
     },
     980.571429, 500, 80},
    // A's = (1100e6 - 9.6·400·765²·0.55·0.725)/(300·730) = 931.0661,
    // As = (9.6·400·0.55·765 + 300·A's)/300.
    {"double design", [](CStlcnFlexNormalParam& p) { Design(p, "双筋", 1100); }, 6316.666119, 931.066119, 1100},
    // A's = 474.45 < 0.002·b·h = 640 is raised to 640; As = (1615680 + 300·640)/300.
    {"double design with minimum compression steel", [](CStlcnFlexNormalParam& p) { Design(p, "双筋", 1000); },
     6025.6, 640, 1000},
    // A's < 0: none when the engineer chose single reinforcement, else ρ'min·b·h; As of the single design.
    {"double design needing no compression steel", [](CStlcnFlexNormalParam& p) { Design(p, "双筋", 500); },
     2497.029312, 0, 500},
    {"double design needing no compression steel, minimum kept",
     [](CStlcnFlexNormalParam& p) {
         Design(p, "双筋", 500);
         p.m_bIsSingleRein = 0;
     },
     2497.029312, 640, 500},
    // M1 = 300e6 - 300·2000·730 < 0: As = ρmin·b·h.
    {"given A's carrying more than M", [](CStlcnFlexNormalParam& p) { KnownAsPs(p, 300, 2000); }, 640, 2000, 300},
    // γo = 1.1: M1 = 352e6 - 300·1500·730 = 23.5e6, x1 = 8.04 < 2as' = 70:
    // As = γo·M·1e6/(fy·(ho-as')) = 1.1·320e6/(300·730) = 1607.3, rounded.
    {"given A's with x below 2as'",
     [](CStlcnFlexNormalParam& p) {
         KnownAsPs(p, 320, 1500);
         p.m_dGo = 1.1;
     },
     1607, 1500, 320},
    // M1 = 500e6 - 300·500·730 = 390.5e6, αs1 = 0.173773, x1 = 147.068 ≤ ξb·ho = 420.75:
    // As = (9.6·400·x1 + 300·500)/300 = 2382.47, rounded.
    {"given A's within the limits", [](CStlcnFlexNormalParam& p) { KnownAsPs(p, 500, 500); }, 2382, 500, 500},
    // x1 = 578 > 420.75 with A's = 200: the compression steel is designed instead (931.0661) and As
    // with it, rounded.
    {"given A's too small", [](CStlcnFlexNormalParam& p) { KnownAsPs(p, 1100, 200); }, 6317, 931.066119, 1100},
    // γo·M = 500 ≤ Mf = 9.6·1000·100·(765-50) = 686.4 kN·m: first class, αs = 500e6/(9.6·1000·765²),
    // As = 9.6·1000·765·ξ/300.
    {"T design, first class", [](CStlcnFlexNormalParam& p) { p.m_strSectionType = "T形"; }, 2285.321959, 500, 500},
    // γo·M = Mf exactly: first class with x = h'f, As = 9.6·1000·100/300.
    {"T design at the flange capacity",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dM = 686.4;
     },
     3200, 500, 686.4},
    // Second class: αs = (900e6 - 9.6·600·100·715)/(9.6·400·765²) = 0.217224,
    // As = 9.6·(400·ξ·765 + 600·100)/300.
    {"T design, second class",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dM = 900;
     },
     4348.105378, 500, 900},
    // The minimum of a T section is taken with the web: 0.002·400·800.
    {"T design below the minimum",
     [](CStlcnFlexNormalParam& p) {
         p.m_strSectionType = "T形";
         p.m_dM = 50;
     },
     640, 500, 50},
    // ξ = 300·2000/(9.6·400·765) = 0.204248 ≤ ξb: M = 9.6·400·765²·ξ·(1-0.5ξ)·1e-6.
    {"single capacity", [](CStlcnFlexNormalParam& p) { Capacity(p, "矩形", "单筋", 2000, 500); }, 2000, 500,
     412.125},
    // ξ = 0.81699 > ξb: M = 9.6·400·765²·0.55·0.725·1e-6.
    {"single capacity beyond the balanced depth", [](CStlcnFlexNormalParam& p) { Capacity(p, "矩形", "单筋", 8000, 500); }, 8000, 500,
     896.09652},
    // x = (300·600 - 300·600)/(9.6·400) = 0 < 70: M = 300·600·730·1e-6; the concrete takes nothing.
    {"double capacity, x below 2as'", [](CStlcnFlexNormalParam& p) { Capacity(p, "矩形", "双筋", 600, 600); }, 600,
     600, 131.4},
    // x = 187.5 between 70 and 420.75: M = (9.6·400·x·(765-x/2) + 300·600·730)·1e-6.
    {"double capacity", [](CStlcnFlexNormalParam& p) { Capacity(p, "矩形", "双筋", 3000, 600); }, 3000, 600, 614.7},
    // x = 578.125 > 420.75: M = (9.6·400·765²·0.55·0.725 + 300·600·730)·1e-6; the same member serves
    // the given compression steel.
    {"double capacity beyond the balanced depth",
     [](CStlcnFlexNormalParam& p) { Capacity(p, "矩形", "双筋(已知受压钢筋)", 8000, 600); }, 8000, 600,
     1027.49652},
    // fy·As = 600 kN ≤ 9.6·1000·100 = 960 kN: ξ = 600000/(9.6·1000·765), M = 9.6·1000·765²·ξ(1-ξ/2)·1e-6.
    {"T capacity, first class", [](CStlcnFlexNormalParam& p) { Capacity(p, "T形", "单筋", 2000, 500); }, 2000, 500,
     440.25},
    // fy·As = 960 kN exactly: first class, x = h'f, M = 960000·(765-50)·1e-6.
    {"T capacity at the flange force", [](CStlcnFlexNormalParam& p) { Capacity(p, "T形", "单筋", 3200, 500); }, 3200,
     500, 686.4},
    // Second class: ξ = (1200000 - 9.6·600·100)/(9.6·400·765) = 0.212418,
    // M = (9.6·600·100·715 + 9.6·400·765²·ξ(1-ξ/2))·1e-6.
    {"T capacity, second class", [](CStlcnFlexNormalParam& p) { Capacity(p, "T形", "单筋", 4000, 500); }, 4000, 500,
     838.5},
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

class FlexNormalCalc : public testing::TestWithParam<CalcCase> {};

TEST_P(FlexNormalCalc, GivesTheWorkedValues) {
    const CalcCase& c = GetParam();
    CStlcnFlexNormalParam p;
    c.setup(p);
    EXPECT_EQ(p.Calculate(), 1);
    EXPECT_NEAR(p.m_dAreasPl, c.as, 1e-5) << c.name;
    EXPECT_NEAR(p.m_dAreasPs, c.asPs, 1e-5) << c.name;
    EXPECT_NEAR(p.m_dM, c.m, 1e-6) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Paths, FlexNormalCalc, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* ch = info.param.name; *ch; ch++)
        name += (std::isalnum(static_cast<unsigned char>(*ch)) ? *ch : '_');
    return name;
});

}  // namespace
