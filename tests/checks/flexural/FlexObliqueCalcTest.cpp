// The flexural oblique section: its calculation paths against values worked by hand from the code's
// formulas (C30: fc 14.3, ft 1.43, βc 1.0; HRB335: fyv 300; b 400, h 800, as 40, so ho = 760;
// s 100, unless a case says otherwise), its stored keys and its list entry.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "Printers.h"
#include "checks/flexural/FlexObliqueParam.h"
#include "host/Help.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

struct CalcCase {
    const char* name;
    std::function<void(CStlcnFlexObliqueParam&)> setup;
    double asv;    // expected Asv, mm²
    double ratio;  // expected ρsv of the design (the capacity mode leaves it as built)
    double v;      // expected V, N
};

void Capacity(CStlcnFlexObliqueParam& p, double dAsv) {
    p.m_strCaltType = "已知配筋求剪力";
    p.m_dAreasSv = dAsv;
}

void Concentrated(CStlcnFlexObliqueParam& p, double a) {
    p.m_strFType = "集中荷载独立梁";
    p.m_dA = a;
}

const CalcCase kCases[] = {
    // Vc = 0.7·1.43·400·760 = 304304; Asv = 0.8·(500000 − Vc)·100/(300·760) = 68.665 gives
    // ρ = 0.172 % < 0.2 %: Asv = 0.002·400·100.
    {"design raised to the minimum", [](CStlcnFlexObliqueParam&) {}, 80, 0.002, 500000},
    {"design by the formula", [](CStlcnFlexObliqueParam& p) { p.m_dV = 700000; }, 138.840702, 138.840702 / 40000,
     700000},
    // A ratio below ρmin by less than 1e-6 keeps its own value.
    {"design within the tolerance of the minimum",
     [](CStlcnFlexObliqueParam& p) {
         p.m_dV = 700000;
         p.m_dPmin = 138.840702 / 40000 + 5e-7;
     },
     138.840702, 138.840702 / 40000, 700000},
    // V ≤ Vc: the code's minimum area 0.24·1.43/300·100·400 = 45.76, kept above an entered 0.1 %.
    {"construction stirrups",
     [](CStlcnFlexObliqueParam& p) {
         p.m_dV = 300000;
         p.m_dPmin = 0.001;
     },
     45.76, 45.76 / 40000, 300000},
    // V equal to Vc/γo takes the construction stirrups too, raised to the entered 0.2 %.
    {"construction stirrups at Vc", [](CStlcnFlexObliqueParam& p) { p.m_dV = 304304; }, 80, 0.002, 304304},
    // Vc/1.1 < V < Vc: γo·V = 319000 exceeds Vc, so the formula gives 0.8·14696·100/228000.
    {"importance factor makes stirrups necessary",
     [](CStlcnFlexObliqueParam& p) {
         p.m_dGo = 1.1;
         p.m_dV = 290000;
         p.m_dPmin = 0.0001;
     },
     5.156491, 5.156491 / 40000, 290000},
    // λ = 2000/760; Vc = 1.75/(λ+1)·434720 = 209484.638; Asv = (500000 − Vc)·100/228000.
    {"concentrated load", [](CStlcnFlexObliqueParam& p) { Concentrated(p, 2000); }, 127.419019, 127.419019 / 40000,
     500000},
    // a/ho below 1.5: λ = 1.5, Vc = 1.75/2.5·434720 = 304304.
    {"concentrated load near the support", [](CStlcnFlexObliqueParam& p) { Concentrated(p, 1000); }, 85.831579,
     85.831579 / 40000, 500000},
    // a/ho above 3: λ = 3, Vc = 1.75/4·434720 = 190190.
    {"concentrated load far from the support", [](CStlcnFlexObliqueParam& p) { Concentrated(p, 3000); }, 135.881579,
     135.881579 / 40000, 500000},
    // V above 0.25·14.3·400·760 = 1086800: the formula's area, not raised.
    {"section too small", [](CStlcnFlexObliqueParam& p) { p.m_dV = 1200000; }, 314.279298, 314.279298 / 40000,
     1200000},
    // Vu = 304304 + 1.25·300·(500/100)·760 = 1729304 above the limit 1086800.
    {"capacity capped at the limit", [](CStlcnFlexObliqueParam& p) { Capacity(p, 500); }, 500, 0, 1086800},
    {"capacity", [](CStlcnFlexObliqueParam& p) { Capacity(p, 100); }, 100, 0, 589304},
    {"capacity with γo",
     [](CStlcnFlexObliqueParam& p) {
         Capacity(p, 100);
         p.m_dGo = 1.1;
     },
     100, 0, 589304 / 1.1},
    // hw/b = 760/152 = 5: the limit 0.225·14.3·152·760.
    {"limit between 4 and 6",
     [](CStlcnFlexObliqueParam& p) {
         Capacity(p, 500);
         p.m_dB = 152;
     },
     500, 0, 371685.6},
    // T section: hw = 760 − h'f; b = 100 with h'f = 160 gives hw/b = 6, with h'f = 360 gives 4.
    {"T section at hw/b = 6",
     [](CStlcnFlexObliqueParam& p) {
         Capacity(p, 500);
         p.m_strSectionType = "T形";
         p.m_dB = 100;
         p.m_dHf = 160;
     },
     500, 0, 217360},
    {"T section at hw/b = 4",
     [](CStlcnFlexObliqueParam& p) {
         Capacity(p, 500);
         p.m_strSectionType = "T形";
         p.m_dB = 100;
         p.m_dHf = 360;
     },
     500, 0, 271700},
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

class FlexObliqueCalc : public testing::TestWithParam<CalcCase> {};

TEST_P(FlexObliqueCalc, GivesTheWorkedValues) {
    const CalcCase& c = GetParam();
    CStlcnFlexObliqueParam p;
    c.setup(p);
    EXPECT_EQ(p.Calculate(), 1);
    EXPECT_NEAR(p.m_dAreasSv, c.asv, 1e-5);
    EXPECT_NEAR(p.m_dRatioSv, c.ratio, 1e-9);
    EXPECT_NEAR(p.m_dV, c.v, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Paths, FlexObliqueCalc, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (char ch : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
});

TEST(FlexObliqueCalcMembers, ShearSpanAndWebHeight) {
    CStlcnFlexObliqueParam p;
    struct {
        double a, lambda;
    } spans[] = {{912, 1.5}, {2660, 3}, {1520, 2}};  // a/ho = 1.2, 3.5, 2
    for (const auto& s : spans) {
        p.m_dA = s.a;
        EXPECT_DOUBLE_EQ(p.CalLambda(), s.lambda) << "a=" << s.a;
    }
    EXPECT_DOUBLE_EQ(p.CalHw(), 760);
    p.m_strSectionType = "T形";
    EXPECT_DOUBLE_EQ(p.CalHw(), 660);
    EXPECT_DOUBLE_EQ(p.GetMinSteelRatio(), 0.24 * 1.43 / 300);
    EXPECT_DOUBLE_EQ(p.GetPmin(), 0.002);
    p.m_bIsAutoCalt = 1;
    EXPECT_DOUBLE_EQ(p.GetPmin(), 0.24 * 1.43 / 300);
}

// Within 1e-6 of 4 the limit is the lower clause's; within 1e-6 of 6 the upper one's.
TEST(FlexObliqueCalcMembers, SectionLimitBoundsCountWithTheTolerance) {
    CStlcnFlexObliqueParam p;
    p.m_dB = 190 - 1e-5;  // hw/b = 4 + 2.1e-7
    EXPECT_DOUBLE_EQ(p.CalSectionLimitFactor(), 0.25);
    p.m_dB = 760.0 / 6 + 1e-5;  // hw/b = 6 − 4.7e-7
    EXPECT_DOUBLE_EQ(p.CalSectionLimitFactor(), 0.2);
    p.m_dB = 152;
    EXPECT_NEAR(p.CalSectionLimitFactor(), 0.225, 1e-12);
}

TEST(FlexObliqueParam, FreshObjectHoldsTheDefaultsAndNoResult) {
    TempStore store;
    CStlcnFlexObliqueParam p;
    EXPECT_STREQ(p.GetRuntimeClass()->m_lpszClassName, "CStlcnFlexObliqueParam");
    p.ReadParam("CStlcnFlexObliqueParam/");
    EXPECT_EQ(p.strNumber, CString("L-1"));
    EXPECT_EQ(p.m_strCaltType, CString("已知剪力求配筋"));
    EXPECT_EQ(p.m_strSectionType, CString("矩形"));
    EXPECT_EQ(p.m_strFType, CString("均布荷载一般梁"));
    EXPECT_EQ(p.m_strConcreteGrade, CString("C30"));
    EXPECT_EQ(p.m_dV, 500000);
    EXPECT_EQ(p.m_dAreasSv, 500);
    EXPECT_EQ(p.m_dRatioSv, 0);
}

TEST(FlexObliqueParam, EveryKeyRoundTrips) {
    TempStore store;
    CStlcnFlexObliqueParam written;
    written.strNumber = "KL-9";
    written.m_strCaltType = "已知配筋求剪力";
    written.m_strSectionType = "T形";
    written.m_strFType = "集中荷载独立梁";
    written.m_dB = 250.5;
    written.m_dH = 650.25;
    written.m_dBf = 900.5;
    written.m_dHf = 110.5;
    written.m_dA = 1234.5;
    written.m_strConcreteGrade = "C40";
    written.m_strSteelBarGrade = "HPB235";
    written.m_dS = 150.5;
    written.m_dPmin = 0.0031;
    written.m_dAs = 45.5;
    written.m_dGo = 1.1;
    written.m_dV = 321500.5;
    written.m_dAreasSv = 157.25;
    written.m_bIsAutoCalt = 1;
    EXPECT_TRUE(written.WriteParam("CStlcnFlexObliqueParam/"));

    CStlcnFlexObliqueParam read;
    EXPECT_TRUE(read.ReadParam("CStlcnFlexObliqueParam/"));
    EXPECT_EQ(read.strNumber, written.strNumber);
    EXPECT_EQ(read.m_strCaltType, written.m_strCaltType);
    EXPECT_EQ(read.m_strSectionType, written.m_strSectionType);
    EXPECT_EQ(read.m_strFType, written.m_strFType);
    EXPECT_EQ(read.m_dB, written.m_dB);
    EXPECT_EQ(read.m_dH, written.m_dH);
    EXPECT_EQ(read.m_dBf, written.m_dBf);
    EXPECT_EQ(read.m_dHf, written.m_dHf);
    EXPECT_EQ(read.m_dA, written.m_dA);
    EXPECT_EQ(read.m_strConcreteGrade, written.m_strConcreteGrade);
    EXPECT_EQ(read.m_strSteelBarGrade, written.m_strSteelBarGrade);
    EXPECT_EQ(read.m_dS, written.m_dS);
    EXPECT_EQ(read.m_dPmin, written.m_dPmin);
    EXPECT_EQ(read.m_dAs, written.m_dAs);
    EXPECT_EQ(read.m_dGo, written.m_dGo);
    EXPECT_EQ(read.m_dV, written.m_dV);
    EXPECT_EQ(read.m_dAreasSv, written.m_dAreasSv);
    EXPECT_EQ(read.m_bIsAutoCalt, 1);
    CString strNumber;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexObliqueParam//strNumber", strNumber, ""));
    EXPECT_EQ(strNumber, CString("KL-9"));
    double dV = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexObliqueParam//dV", dV, 0.0));
    EXPECT_EQ(dV, 321500.5);
}

struct ListCase {
    const char* mode;
    const char* section;
    const char* load;
    const char* type;
    const char* dims;
    const char* given;
    const char* result;
};

const ListCase kListCases[] = {
    {"已知剪力求配筋", "矩形", "均布荷载一般梁", "受弯构件箍筋计算", "b=400mm\nh=800mm\n", "V=500.000kN\n",
     "Asv=158mm^2\n"},
    {"已知剪力求配筋", "矩形", "集中荷载独立梁", "受弯构件箍筋计算", "b=400mm\nh=800mm\na=200mm\n", "V=500.000kN\n",
     "Asv=158mm^2\n"},
    {"已知配筋求剪力", "T形", "均布荷载一般梁", "受弯构件剪力计算", "b=400mm\nh=800mm\nb'f=1000mm\nh'f=100mm\n",
     "Asv=158mm^2\n", "V=500.000kN\n"},
    {"已知配筋求剪力", "T形", "集中荷载独立梁", "受弯构件剪力计算",
     "b=400mm\nh=800mm\na=200mm\nb'f=1000mm\nh'f=100mm\n", "Asv=158mm^2\n", "V=500.000kN\n"},
};

TEST(FlexObliqueParam, ListEntryByModeSectionAndLoad) {
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(std::string(c.mode) + c.section + c.load);
        CStlcnFlexObliqueParam p;
        p.m_strCaltType = c.mode;
        p.m_strSectionType = c.section;
        p.m_strFType = c.load;
        p.m_dAreasSv = 157.5;
        p.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(entry.strType, CString(c.type));
        EXPECT_EQ(entry.strDimInfo, CString(c.dims));
        EXPECT_EQ(entry.strLoadInfo, CString(c.given));
        EXPECT_EQ(entry.strResultInfo, CString(c.result));
        EXPECT_EQ(entry.strNumber, CString("L-1"));
        EXPECT_EQ(entry.nBPrint, 1);
    }
}

TEST(FlexObliqueParam, HelpOpensTheCommandsTopic) {
    qelt::host::ClearHelpRequests();
    CStlcnFlexObliqueParam p;
    EXPECT_TRUE(p.OnHelpInfo(nullptr));
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    EXPECT_EQ(qelt::host::HelpRequests()[0].topic, "XJMJS");
}

}  // namespace
