// The deep flexural normal section: its calculation paths against values worked by hand from the
// code's formulas (C30: fc 14.3, ft 1.43, α1 1.0; HRB335: fy 300, ξb 0.55; b 600, h 2000, lo 3600,
// as 200, so ho = 1800, αd = 0.8 + 0.04·1.8 = 0.872 and A = 14.3·600·0.872 = 7481.76, unless a case
// says otherwise), its member classes, its stored keys and its list entry.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "Printers.h"
#include "checks/flexural/DeepFlexNormalParam.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

struct CalcCase {
    const char* name;
    std::function<void(CStlcnDeepFlexNormalParam&)> setup;
    double as;   // expected As, mm²
    double m;    // expected M, kN·m
    int root;    // expected root flag
    double z;    // expected lever arm, mm
};

void Capacity(CStlcnDeepFlexNormalParam& p, double dAs) {
    p.m_strCalType = "已知配筋求弯矩";
    p.m_dAreas = dAs;
}

void DeepC20(CStlcnDeepFlexNormalParam& p, double dM) {
    p.m_dB = 200;
    p.m_dLo = 3000;
    p.m_strConcreteGrade = "C20";
    p.m_dM = dM;
}

const CalcCase kCases[] = {
    // x0 = 1800 − √(1800² − 2e6·500/A) = 37.52 < 0.2·ho: x = 360, z = 0.872·1620 = 1412.64,
    // As = 500e6/(300·z) = 1179.8 < 0.002·600·2000 = 2400.
    {"design raised to the minimum", [](CStlcnDeepFlexNormalParam&) {}, 2400, 500, 1, 1412.64},
    // x0 = 420.357, z = 0.872·(1800 − x0/2) = 1386.325, As = 5000e6/(300·z).
    {"design", [](CStlcnDeepFlexNormalParam& p) { p.m_dM = 5000; }, 12022.196859, 5000, 1, 1386.324551},
    // γo enters the root as it enters As: x0 = 1800 − √(1800² − 2e6·1.1·5000/A) = 469.678.
    {"design with γo",
     [](CStlcnDeepFlexNormalParam& p) {
         p.m_dM = 5000;
         p.m_dGo = 1.1;
     },
     13432.779187, 5000, 1, 1364.820569},
    // 2e6·30000/A > ho²: no root, no design: As stays as it was, no lever arm.
    {"design without a root", [](CStlcnDeepFlexNormalParam& p) { p.m_dM = 30000; }, 2500, 30000, 0, 0},
    // 200 × 2000, lo 3000, C20 (fc 9.6, α1 1.0), HRB335 (ξb 0.55): ho 1800, αd = 0.8 + 0.04·1.5 = 0.86,
    // A = 9.6·200·0.86 = 1651.2. M 2200: x0 = 1800 − √(1800² − 2e6·2200/1651.2) = 1041.53 > ξb·ho = 990:
    // over-reinforced, no design.
    {"design over-reinforced", [](CStlcnDeepFlexNormalParam& p) { DeepC20(p, 2200); }, 2500, 2200, 1, 0},
    // M 3000: 1800² − 2e6·3000/1651.2 = −393720.9 < 0: no root.
    {"design of a C20 beam without a root", [](CStlcnDeepFlexNormalParam& p) { DeepC20(p, 3000); }, 2500, 3000, 0, 0},
    // lo < h: z = 0.6·lo = 900, As = 500e6/(300·900) = 1851.85, above an entered 0.05 %.
    {"short span",
     [](CStlcnDeepFlexNormalParam& p) {
         p.m_dLo = 1500;
         p.m_dPmin = 0.0005;
     },
     500e6 / 270000, 500, 1, 900},
    // x0 = 300·2500/(14.3·600) = 87.4 < 0.2·ho: x = 360, M = 300·1412.64·2500/1e6.
    {"capacity", [](CStlcnDeepFlexNormalParam& p) { Capacity(p, 2500); }, 2500, 1059.48, 1, 1412.64},
    // x0 = 699.3 ≤ ξb·ho = 990: z = 0.872·(1800 − x0/2) = 1264.705.
    {"capacity with much steel", [](CStlcnDeepFlexNormalParam& p) { Capacity(p, 20000); }, 20000, 7588.229371, 1,
     1264.704895},
    // The C20 beam with As 8000: x0 = 300·8000/(9.6·200) = 1250 > ξb·ho = 990, so x = 990,
    // z = 0.86·(1800 − 495) = 1122.3 and M = 9.6·200·990·1122.3/1e6 = 2133.268 (not 300·8000·1010.5).
    {"capacity over-reinforced, x capped at ξb·ho",
     [](CStlcnDeepFlexNormalParam& p) {
         DeepC20(p, 500);
         Capacity(p, 8000);
     },
     8000, 2133.26784, 1, 1122.3},
    // As 6336 = 9.6·200·990/300 reaches ξb·ho exactly: z = 1122.3, M = 300·6336·1122.3/1e6, as the cap.
    {"capacity at ξb·ho",
     [](CStlcnDeepFlexNormalParam& p) {
         DeepC20(p, 500);
         Capacity(p, 6336);
     },
     6336, 2133.26784, 1, 1122.3},
    {"capacity of a short span with γo",
     [](CStlcnDeepFlexNormalParam& p) {
         Capacity(p, 2500);
         p.m_dLo = 1500;
         p.m_dGo = 1.1;
     },
     2500, 675 / 1.1, 1, 900},
    // A mode text that is neither choice calculates nothing.
    {"unknown mode", [](CStlcnDeepFlexNormalParam& p) { p.m_strCalType = "?"; }, 2500, 500, 1, 0},
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

class DeepFlexNormalCalc : public testing::TestWithParam<CalcCase> {};

TEST_P(DeepFlexNormalCalc, GivesTheWorkedValues) {
    const CalcCase& c = GetParam();
    CStlcnDeepFlexNormalParam p;
    c.setup(p);
    EXPECT_EQ(p.Calculate(), 1);
    EXPECT_NEAR(p.m_dAreas, c.as, 1e-5);
    EXPECT_NEAR(p.m_dM, c.m, 1e-5);
    EXPECT_EQ(p.m_bHasRoot, c.root);
    EXPECT_NEAR(p.m_dZ, c.z, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Paths, DeepFlexNormalCalc, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (char ch : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
});

struct ClassCase {
    double lo;  // with h = 1000
    int simple;
    int continuous;
};

const ClassCase kClasses[] = {
    {2000, 0, 0}, {2000.0005, 0, 0}, {2300, 1, 0}, {2500, 1, 0}, {2600, 1, 1}, {4999, 1, 1}, {5000, 2, 2}, {0, -1, -1},
};

TEST(DeepFlexNormalClass, BySpanToDepthRatio) {
    for (const ClassCase& c : kClasses) {
        EXPECT_EQ(CStlcnDeepFlexNormalParam::GetDeepTypeSimple(1000, c.lo), c.simple) << "lo=" << c.lo;
        EXPECT_EQ(CStlcnDeepFlexNormalParam::GetDeepTypeContinuous(1000, c.lo), c.continuous) << "lo=" << c.lo;
    }
    EXPECT_EQ(CStlcnDeepFlexNormalParam::GetBeamTypeIndex("单跨简支梁"), 0);
    EXPECT_EQ(CStlcnDeepFlexNormalParam::GetBeamTypeIndex("多跨连续梁"), 1);
    EXPECT_EQ(CStlcnDeepFlexNormalParam::GetBeamTypeIndex("?"), -1);
}

TEST(DeepFlexNormalClass, CodeMinimumRatio) {
    struct {
        const char* type;
        double lo;
        const char* steel;
        double ratio;
    } cases[] = {
        {"单跨简支梁", 3600, "HPB235", 0.0025},               // a deep beam
        {"单跨简支梁", 3600, "HRB335", 0.002},
        {"单跨简支梁", 6000, "HRB335", 0.45 * 1.43 / 300},   // general: 0.2145 % above 0.2 %
        {"多跨连续梁", 6000, "HPB235", 0.45 * 1.43 / 210},
        {"?", 3600, "HRB335", -1},
    };
    for (const auto& c : cases) {
        CStlcnDeepFlexNormalParam p;
        p.m_strGenType = c.type;
        p.m_dLo = c.lo;
        p.m_strSteelBarGrade = c.steel;
        EXPECT_DOUBLE_EQ(p.GetMinSteelRatio(), c.ratio) << c.type << " " << c.lo << " " << c.steel;
    }
}

// The design keeps a ratio that lies below ρmin by less than 1e-6.
TEST(DeepFlexNormalClass, DesignComparesTheRatioWithTheTolerance) {
    CStlcnDeepFlexNormalParam p;
    p.m_dPmin = 500e6 / (300 * 1412.64) / 1.2e6 + 5e-7;
    p.Calculate();
    EXPECT_NEAR(p.m_dAreas, 500e6 / (300 * 1412.64), 1e-6);
}

TEST(DeepFlexNormalParam, EveryKeyRoundTripsUnderTheClassName) {
    TempStore store;
    CStlcnDeepFlexNormalParam written;
    written.strNumber = "SL-2";
    written.m_strGenType = "多跨连续梁";
    written.m_strCalType = "已知配筋求弯矩";
    written.m_strSectPosit = "支座截面";
    written.m_dB = 500.5;
    written.m_dH = 2500.5;
    written.m_dLo = 4000.25;
    written.m_strConcreteGrade = "C40";
    written.m_strSteelBarGrade = "HRB400";
    written.m_dAs = 500.1;
    written.m_dPmin = 0.0025;
    written.m_dGo = 1.1;
    written.m_dM = 1234.567;
    written.m_dAreas = 3456.5;
    written.m_bIsAutoCalt = 1;
    EXPECT_TRUE(written.WriteParam("CStlcnDeepFlexNormalParam/"));
    CStlcnDeepFlexNormalParam read;
    EXPECT_TRUE(read.ReadParam("CStlcnDeepFlexNormalParam/"));
    EXPECT_EQ(read.strNumber, written.strNumber);
    EXPECT_EQ(read.m_strGenType, written.m_strGenType);
    EXPECT_EQ(read.m_strCalType, written.m_strCalType);
    EXPECT_EQ(read.m_strSectPosit, written.m_strSectPosit);
    EXPECT_EQ(read.m_dB, written.m_dB);
    EXPECT_EQ(read.m_dH, written.m_dH);
    EXPECT_EQ(read.m_dLo, written.m_dLo);
    EXPECT_EQ(read.m_strConcreteGrade, written.m_strConcreteGrade);
    EXPECT_EQ(read.m_strSteelBarGrade, written.m_strSteelBarGrade);
    EXPECT_EQ(read.m_dAs, written.m_dAs);
    EXPECT_EQ(read.m_dPmin, written.m_dPmin);
    EXPECT_EQ(read.m_dGo, written.m_dGo);
    EXPECT_EQ(read.m_dM, written.m_dM);
    EXPECT_EQ(read.m_dAreas, written.m_dAreas);
    EXPECT_EQ(read.m_bIsAutoCalt, 1);
    double dLo = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnDeepFlexNormalParam//dLo", dLo, 0.0));
    EXPECT_EQ(dLo, 4000.25);

    // An empty store leaves the defaults.
    TempStore empty;
    CStlcnDeepFlexNormalParam fresh;
    fresh.ReadParam("CStlcnDeepFlexNormalParam/");
    EXPECT_EQ(fresh.strNumber, CString("L-1"));
    EXPECT_EQ(fresh.m_strGenType, CString("单跨简支梁"));
    EXPECT_EQ(fresh.m_strSectPosit, CString("跨中截面"));
    EXPECT_EQ(fresh.m_dAs, 200);
    EXPECT_EQ(fresh.m_dAreas, 2500);
}

TEST(DeepFlexNormalParam, ListEntryByMode) {
    struct {
        const char* mode;
        const char* type;
        const char* given;
        const char* result;
    } cases[] = {
        {"已知弯矩求配筋", "深受弯构件纵向受拉钢筋计算", "M=500.000kN*m\n", "As=2500mm^2\n"},
        {"已知配筋求弯矩", "深受弯构件弯矩计算", "As=2500mm^2\n", "M=500.000kN*m\n"},
        {"?", "深受弯构件弯矩计算", "As=2500mm^2\n", "M=500.000kN*m\n"},
    };
    for (const auto& c : cases) {
        CStlcnDeepFlexNormalParam p;
        p.m_strCalType = c.mode;
        p.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(entry.strType, CString(c.type));
        EXPECT_EQ(entry.strDimInfo, CString("b=600mm\nh=2000mm\nlo=3600mm\n"));
        EXPECT_EQ(entry.strLoadInfo, CString(c.given));
        EXPECT_EQ(entry.strResultInfo, CString(c.result));
    }
}

}  // namespace
