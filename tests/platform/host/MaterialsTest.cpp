#include <gtest/gtest.h>

#include "Printers.h"
#include "host/Problem.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

TEST(Materials, ConcreteOfTheCode) {
    struct Case {
        const char* grade;
        double fcuk, fc, ft, fck, ftk, ec, alpha1, beta1, betac, ecu;
        const char *alpha1Text, *betacText;
    } cases[] = {
        {"C20", 20, 9.6, 1.10, 13.4, 1.54, 2.55e4, 1.0, 0.8, 1.0, 0.0033, "1.0", "1.0"},
        {"C30", 30, 14.3, 1.43, 20.1, 2.01, 3.00e4, 1.0, 0.8, 1.0, 0.0033, "1.0", "1.0"},
        {"C50", 50, 23.1, 1.89, 32.4, 2.64, 3.45e4, 1.0, 0.8, 1.0, 0.0033, "1.0", "1.0"},
        {"C60", 60, 27.5, 2.04, 38.5, 2.85, 3.60e4, 0.98, 0.78, 0.8 + 0.2 * 2 / 3, 0.0032, "0.98", "0.93"},
        {"C80", 80, 35.9, 2.22, 50.2, 3.11, 3.80e4, 0.94, 0.74, 0.8, 0.0030, "0.94", "0.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        EXPECT_EQ(CQeltConcrete::GetFcuk(c.grade), c.fcuk);
        EXPECT_EQ(CQeltConcrete::GetFc(c.grade), c.fc);
        EXPECT_EQ(CQeltConcrete::GetFt(c.grade), c.ft);
        EXPECT_EQ(CQeltConcrete::GetFck(c.grade), c.fck);
        EXPECT_EQ(CQeltConcrete::GetFtk(c.grade), c.ftk);
        EXPECT_EQ(CQeltConcrete::GetEc(c.grade), c.ec);
        EXPECT_DOUBLE_EQ(CQeltConcrete::GetAlpha1(c.grade), c.alpha1);
        EXPECT_DOUBLE_EQ(CQeltConcrete::GetBeta1(c.grade), c.beta1);
        EXPECT_DOUBLE_EQ(CQeltConcrete::GetBetac(c.grade), c.betac);
        EXPECT_DOUBLE_EQ(CQeltConcrete::GetEcu(c.grade), c.ecu);
        EXPECT_EQ(CQeltConcrete::GetAlpha1Str(c.grade), c.alpha1Text);
        EXPECT_EQ(CQeltConcrete::GetBetacStr(c.grade), c.betacText);
    }
}

TEST(Materials, SteelOfTheCode) {
    struct Case {
        const char* grade;
        double fy, fyCompression, es;
    } cases[] = {
        {"HPB235", 210, 210, 2.1e5}, {"HRB335", 300, 300, 2.0e5}, {"HRB400", 360, 360, 2.0e5},
        {"RRB400", 360, 360, 2.0e5}, {"冷拉钢筋", 250, 210, 2.1e5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        EXPECT_EQ(CQeltSteelBar::GetFy(c.grade), c.fy);
        EXPECT_EQ(CQeltSteelBar::GetFy_(c.grade), c.fyCompression);
        EXPECT_EQ(CQeltSteelBar::GetEs(c.grade), c.es);
    }
}

TEST(Materials, RelativeDepthOfTheCompressionZone) {
    EXPECT_NEAR(CQeltConcrete::GetEb("HPB235", "C30"), 0.614, 0.0005);
    EXPECT_NEAR(CQeltConcrete::GetEb("HRB335", "C30"), 0.550, 0.0005);
    EXPECT_NEAR(CQeltConcrete::GetEb("HRB400", "C30"), 0.518, 0.0005);
    // Above C50 β1 and εcu fall: 0.74 / (1 + 360 / (2e5 · 0.0030)) at C80.
    EXPECT_NEAR(CQeltConcrete::GetEb("HRB400", "C80"), 0.74 / 1.6, 1e-12);
}

TEST(Materials, UnknownGradeGivesZero) {
    int problems = qelt::host::ProblemCount();
    for (const char* grade : {"C33", "c30", " C30", "", "HRB500"}) {
        EXPECT_EQ(CQeltConcrete::GetFc(grade), 0.0) << grade;
        EXPECT_EQ(CQeltSteelBar::GetFy(grade), 0.0) << grade;
    }
    EXPECT_EQ(CQeltConcrete::GetFc(nullptr), 0.0);
    EXPECT_EQ(CQeltConcrete::GetAlpha1Str("C33"), "");
    EXPECT_EQ(CQeltConcrete::GetEb("HRB335", "C33"), 0.0);
    EXPECT_EQ(CQeltConcrete::GetEb("HRB500", "C30"), 0.0);
    EXPECT_GT(qelt::host::ProblemCount(), problems);
}

TEST(Materials, GradeListsInDisplayOrder) {
    CStringArray grades;
    grades.Add("left over");
    CQeltConcrete::GetConcreteGradeString(grades);
    ASSERT_EQ(grades.GetSize(), 14);
    EXPECT_EQ(grades[0], "C15");
    EXPECT_EQ(grades[13], "C80");

    CQeltSteelBar::GetSteelBarGradeString(grades);
    ASSERT_EQ(grades.GetSize(), 5);
    const char* steel[] = {"HPB235", "HRB335", "HRB400", "RRB400", "冷拉钢筋"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(grades[i], steel[i]);
}

TEST(Materials, BarArea) {
    EXPECT_NEAR(CQeltSteelBar::GetSteelBarArea(20, 1), 314.159, 0.001);
    EXPECT_NEAR(CQeltSteelBar::GetSteelBarArea(12, 4), 452.389, 0.001);
    EXPECT_EQ(CQeltSteelBar::GetSteelBarArea(12, 0), 0.0);
    EXPECT_EQ(CQeltSteelBar::GetSteelBarArea(-12, 2), 0.0);
    EXPECT_EQ(CQeltSteelBar::GetSteelBarArea(12, -2), 0.0);
}

}  // namespace
