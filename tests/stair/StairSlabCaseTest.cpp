// Crack width and deflection of a stair slab strip against the worked example, the bounds of ρte, ψ
// and the deflection divisor, and a strip without bars.
#include <gtest/gtest.h>

#include "Printers.h"
#include "StairRows.h"
#include "stair/StairBoardParam.h"
#include "stair/StairSlabCase.h"

namespace {

// The plate stair's example: gk 8.42, q 2.5, L0 2.2, C20 (ftk 1.54, Ec 2.55·10⁴), HPB235 (Es 2.1·10⁵),
// t 100, as 25, c 20, plain bars 10 mm at 100 mm.
StairSlabCase Example() {
    StairSlabCase s;
    s.dGk = 8.42;
    s.dQk = 2.5;
    s.dL0 = 2.2;
    s.dPsiQ = 0.5;
    s.dB = 1000;
    s.dH = 100;
    s.dAs = 25;
    s.nDia = 10;
    s.nSpace = 100;
    s.dFtk = 1.54;
    s.dEc = 2.55e4;
    s.dEs5 = 2.1;
    s.dCover = 20;
    s.strSurface = "光面钢筋";
    s.dCrackLimit = 0.3;
    s.dLim1 = 200;
    s.dLim2 = 250;
    s.dLim3 = 300;
    return s;
}

TEST(StairSlabCase, WorkedExample) {
    const StairSlabCheck r = StairSlabEvaluate(Example());
    EXPECT_NEAR(r.dAreaS, 785.4, 0.05);
    EXPECT_NEAR(r.dMk, 6.61, 0.005);
    EXPECT_NEAR(r.dSigmaSk, 128.9, 0.05);
    EXPECT_NEAR(r.dAte, 50000, 1e-9);
    EXPECT_NEAR(r.dRhoTe, 0.01571, 0.000005);
    EXPECT_NEAR(r.dPsi, 0.606, 0.0005);
    EXPECT_EQ(r.nDeq, 14);
    EXPECT_EQ(r.nBars, 10);
    EXPECT_NEAR(r.dWmax, 0.085, 0.0005);
    EXPECT_NEAR(r.dMq, 5.85, 0.005);
    EXPECT_NEAR(r.dAlphaE, 8.235, 0.0005);
    EXPECT_NEAR(r.dRho, 0.01047, 0.000005);
    EXPECT_NEAR(r.dBs, 656.1, 0.1);
    EXPECT_NEAR(r.dBl, 348.0, 0.1);
    EXPECT_NEAR(r.dFmax, 9.57, 0.005);
    EXPECT_NEAR(r.dF0, 11.0, 1e-9);
    EXPECT_EQ(StairCrackWidthCheck(Example(), NULL), 1);
    EXPECT_EQ(StairDeflectionCheck(Example(), NULL), 1);
}

// The same example through the plate stair's own fields after its calculation.
TEST(StairSlabCase, PlateStairFillsTheCaseFromItsCalculation) {
    CStairBoardParam p;
    p.Calculate();
    const StairSlabCheck r = StairSlabEvaluate(p.GetSlabCase());
    EXPECT_NEAR(r.dWmax, 0.085, 0.0005);
    EXPECT_NEAR(r.dFmax, 9.57, 0.01);
    EXPECT_EQ(p.CalCrackWidth(NULL), 1);
    EXPECT_EQ(p.CalFlexibility(NULL), 1);
}

TEST(StairSlabCase, EquivalentDiameterAndBarsPerMetre) {
    StairSlabCase s = Example();
    s.nSpace = 150;
    EXPECT_EQ(StairSlabEvaluate(s).nBars, 6);
    EXPECT_EQ(StairSlabEvaluate(s).nDeq, 14);
    s.strSurface = "带肋钢筋";
    EXPECT_EQ(StairSlabEvaluate(s).nDeq, 10);
}

// 6 mm at 200 (141.37 mm²): ρte = 0.28 % counts as 1 % in ψ for the crack width and the stiffness
// alike, and both derivations say so: σsk = 6.6066e6/(0.87·75·141.37) = 716.20, ψ = 1.1 − 0.65·1.54/
// (1 %·716.20) = 0.960 (0.606 on the raw ρte); Bs = 2.1e5·141.37·75²/(1.15·0.960 + 0.2 + 6·8.235·
// 0.18850 %) = 119.50 kN·m², B = 6.6066/(5.8503 + 6.6066)·Bs = 63.38, f = 5·10.92·2.2⁴/(384·B) = 52.55 mm.
TEST(StairSlabCase, SmallRhoTeIsRaisedForBothChecks) {
    StairSlabCase s = Example();
    s.nDia = 6;
    s.nSpace = 200;
    const StairSlabCheck r = StairSlabEvaluate(s);
    EXPECT_NEAR(r.dRhoTe, 141.37 / 50000, 1e-6);
    EXPECT_EQ(r.dRhoTeUsed, 0.01);
    EXPECT_NEAR(r.dPsi, 0.9602, 1e-4);
    EXPECT_NEAR(r.dBs, 119.50, 0.01);
    EXPECT_NEAR(r.dFmax, 52.55, 0.01);

    CWordObject crack, deflection;
    StairCrackWidthCheck(s, &crack);
    StairDeflectionCheck(s, &deflection);
    EXPECT_GE(FindRow(StairRows(crack), "因为ρ~te~ < 1.000%，所以取ρ~te~ = 1.000%\n"), 0);
    EXPECT_GE(FindRow(StairRows(deflection), "因为ρ~te~ < 1.000%，所以取ρ~te~ = 1.000%\n"), 0);
    EXPECT_GE(FindRow(StairRows(deflection), "= 1.1-0.65*1.54/(1.000%*716.201)\n"), 0);
}

// ψ below 0.2 (a light load) and above 1 (a heavy one) is bounded; the report shows the raw value
// and the bounding line.
TEST(StairSlabCase, PsiIsBoundedAndTheRawValueShown) {
    const struct {
        double gk;
        double bounded;
        const char* line;
    } kCases[] = {{0.5, 0.2, "因为ψ < 0.2，所以取ψ = 0.2\n"}, {200, 1.0, "因为ψ > 1，所以取ψ = 1\n"}};
    for (const auto& c : kCases) {
        StairSlabCase s = Example();
        s.dGk = c.gk;
        const StairSlabCheck r = StairSlabEvaluate(s);
        EXPECT_EQ(r.dPsi, c.bounded) << c.gk;
        CWordObject report;
        StairCrackWidthCheck(s, &report);
        std::vector<StairRow> rows = StairRows(report);
        CString strRaw;
        strRaw.Format("   = %.3lf\n", r.dPsiRaw);
        EXPECT_GE(FindRow(rows, strRaw), 0) << c.gk;
        EXPECT_GE(FindRow(rows, c.line), 0) << c.gk;
    }
}

TEST(StairSlabCase, DeflectionDivisorBySpan) {
    const struct {
        double L0;
        double divisor;
    } kCases[] = {{6.99, 200}, {7.0, 250}, {9.0, 250}, {9.01, 300}};
    for (const auto& c : kCases) {
        StairSlabCase s = Example();
        s.dL0 = c.L0;
        const StairSlabCheck r = StairSlabEvaluate(s);
        EXPECT_EQ(r.dDivisor, c.divisor) << c.L0;
        EXPECT_DOUBLE_EQ(r.dF0, c.L0 * 1000 / c.divisor) << c.L0;
    }
}

// A limit equal to the value passes; one just below fails with a red verdict.
TEST(StairSlabCase, VerdictsAtTheLimits) {
    StairSlabCase s = Example();
    const StairSlabCheck r = StairSlabEvaluate(s);
    s.dCrackLimit = r.dWmax;
    EXPECT_EQ(StairCrackWidthCheck(s, NULL), 1);
    s.dLim1 = s.dL0 * 1000 / r.dFmax;
    EXPECT_EQ(StairSlabEvaluate(s).dF0, r.dFmax);
    EXPECT_EQ(StairDeflectionCheck(s, NULL), 1);

    s.dCrackLimit = 0.08;
    s.dLim1 = 300;
    CWordObject crack, deflection;
    EXPECT_EQ(StairCrackWidthCheck(s, &crack), 0);
    EXPECT_EQ(StairDeflectionCheck(s, &deflection), 0);
    std::vector<StairRow> crackRows = StairRows(crack), deflRows = StairRows(deflection);
    ASSERT_EQ(crackRows.size(), 2u);
    EXPECT_EQ(crackRows[1].strText, CString("\t\t     ＞ 0.08 mm,不满足规范要求\n"));
    EXPECT_EQ(crackRows[1].nColor, 6);
    EXPECT_EQ(crackRows[0].nColor, 0);
    ASSERT_EQ(deflRows.size(), 2u);
    EXPECT_EQ(deflRows[1].strText, CString("\t\tf~max~=9.572mm＞f~0~=7.333mm，不满足规范要求!\n"));
    EXPECT_EQ(deflRows[1].nColor, 6);
}

// A strip without bars divides by nothing: both checks fail and the report holds one red placeholder.
TEST(StairSlabCase, AStripWithoutBarsFailsWithAPlaceholder) {
    const struct {
        int dia, space;
    } kCases[] = {{0, 100}, {10, 0}, {0, 0}};
    for (const auto& c : kCases) {
        StairSlabCase s = Example();
        s.nDia = c.dia;
        s.nSpace = c.space;
        for (auto check : {&StairCrackWidthCheck, &StairDeflectionCheck}) {
            CWordObject report;
            EXPECT_EQ(check(s, &report), 0);
            std::vector<StairRow> rows = StairRows(report);
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows[0].strText, CString("\t\t未选定钢筋(直径或间距为0)，无法验算\n"));
            EXPECT_EQ(rows[0].nColor, 6);
        }
    }
}

}  // namespace
