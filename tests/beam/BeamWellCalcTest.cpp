// CBeamWellParam::Calculate: table choice, interpolation over b/a, unpacking, rounding through the
// coefficient, against values worked by hand from the tables and from the mechanics of the grid.
#include <gtest/gtest.h>

#include "Printers.h"
#include "beam/BeamWellParam.h"
#include "mfc/person/InteractionLog.h"

namespace {

struct CalcCase {
    const char* pszName;
    const char* pszSupport;
    int nNox, nNoy;
    double a, b, q;
    BOOL bSpecialTable;
    BeamForce a1, b1;  // expected (M+, M−, V)
};

// Factors: KA = b²·a·q·1e-9, KB = b·a²·q·1e-9, KV = b·a·q·1e-6.
const CalcCase s_cases[] = {
    // b/a = 1: KA = KB = KV = 2.5; coefficients 0.25 / 0.5.
    {"defaults", "周边简支", 2, 2, 1000, 1000, 2.5, TRUE, {0.625, 0, 1.25}, {0.625, 0, 1.25}},
    {"fixed", "周边固定", 2, 2, 1000, 1000, 2.5, TRUE, {0.3125, -0.3125, 1.25}, {0.3125, -0.3125, 1.25}},
    // Half-fixed: 0.1563 and −0.0937.
    {"half-fixed", "周边半固定", 2, 2, 1000, 1000, 2.5, TRUE, {0.39075, -0.23425, 1.25}, {0.39075, -0.23425, 1.25}},
    // b/a = 0.75 between rows 0.6 and 0.8: KA = 180, KB = 240, KV = 60; A1 0.3508 / 0.6008,
    // B1 0.1492 / 0.3992.
    {"simple between rows", "周边简支", 2, 2, 4000, 3000, 5, TRUE, {63.144, 0, 36.048}, {35.808, 0, 23.952}},
    // Fixed at b/a = 0.75: A1 ±0.1754, B1 ±0.0746.
    {"fixed between rows", "周边固定", 2, 2, 4000, 3000, 5, TRUE, {31.572, -31.572, 36.048}, {17.904, -17.904, 23.952}},
    // b/a = 1.6 takes row 1.6 itself (0.0981, 0.3481 / 0.4019, 0.6519); a = 1000, b = 1600,
    // q = 1: KA = 2.56, KB = 1.6, KV = 1.6.
    {"last row", "周边简支", 2, 2, 1000, 1600, 1, TRUE, {0.251136, 0, 0.55696}, {0.64304, 0, 1.04304}},
    // A 3 × 3 grid at a row of its table (b/a = 0.8): four crossings alike, each shared as
    // X = P/(1 + r³) = 0.661376·P (A) and 0.338624·P (B); M_A = X·b, M_B = (P − X)·a,
    // V = the crossing's share + 0.25·q·a·b. KA = 400, KB = 500, KV = 100.
    {"3 x 3 simple", "周边简支", 3, 3, 5000, 4000, 5, TRUE, {264.56, 0, 91.14}, {169.30, 0, 58.86}},
    // Fixed: end moment 2X·b/3, span moment X·b/3 (0.2205 / 0.4409 and 0.1129 / 0.2257).
    {"3 x 3 fixed", "周边固定", 3, 3, 5000, 4000, 5, TRUE, {88.2, -176.36, 91.14}, {56.45, -112.85, 58.86}},
    // Generic 6 × 6 at b/a = 0.8, its first row: A1 1.83 / 1.38, B1 0.89 / 0.88; KA = 0.64,
    // KB = 0.8, KV = 0.8.
    {"generic first row", "周边简支", 6, 6, 1000, 800, 1, FALSE, {1.1712, 0, 1.104}, {0.712, 0, 0.704}},
};

TEST(BeamWellCalculate, WorkedGrids) {
    for (const CalcCase& c : s_cases) {
        SCOPED_TRACE(c.pszName);
        CBeamWellParam param;
        param.strAbutType = c.pszSupport;
        param.nNox = c.nNox;
        param.nNoy = c.nNoy;
        param.dDistA = c.a;
        param.dDistB = c.b;
        param.dLoad = c.q;
        param.bSpecialTable = !c.bSpecialTable;
        ASSERT_TRUE(param.Calculate());
        EXPECT_EQ(c.bSpecialTable, param.bSpecialTable);
        const BeamForce& a1 = param.beamForce[BW_A1];
        const BeamForce& b1 = param.beamForce[BW_B1];
        EXPECT_NEAR(c.a1.dPositive, a1.dPositive, 1e-9);
        EXPECT_NEAR(c.a1.dNegative, a1.dNegative, 1e-9);
        EXPECT_NEAR(c.a1.dShear, a1.dShear, 1e-9);
        EXPECT_NEAR(c.b1.dPositive, b1.dPositive, 1e-9);
        EXPECT_NEAR(c.b1.dNegative, b1.dNegative, 1e-9);
        EXPECT_NEAR(c.b1.dShear, b1.dShear, 1e-9);
    }
}

TEST(BeamWellCalculate, CoefficientsStayUnroundedAndResultsAreRoundedThroughThem) {
    CBeamWellParam param;
    param.dDistA = 4000;
    param.dDistB = 3000;
    param.dLoad = 5;
    ASSERT_TRUE(param.Calculate());
    EXPECT_NEAR(0.750, param.dRatio, 1e-12);
    EXPECT_NEAR(0.350825, param.beamCoef[BW_A1].dPositive, 1e-9);  // printed by the full report
    EXPECT_NEAR(0.3508 * 180, param.beamForce[BW_A1].dPositive, 1e-9);
}

// A generic grid has no negative moments; its third beams get values, the beams it lacks 0.
TEST(BeamWellCalculate, GenericGridHasNoNegativeMoments) {
    CBeamWellParam param;
    param.nNox = 6;
    param.nNoy = 6;
    ASSERT_TRUE(param.Calculate());
    EXPECT_FALSE(param.bSpecialTable);
    // b/a = 1, a = b = 1 m, q = 2.5 kN/m²: A3 = B3 = 2.71·q·a·b², shear 1.88·q·a·b.
    EXPECT_NEAR(2.71 * 2.5, param.beamForce[BW_A3].dPositive, 1e-9);
    EXPECT_NEAR(2.71 * 2.5, param.beamForce[BW_B3].dPositive, 1e-9);
    EXPECT_NEAR(1.88 * 2.5, param.beamForce[BW_B3].dShear, 1e-9);
    for (int i = 0; i < BW_BEAMS; ++i) EXPECT_EQ(0, param.beamForce[i].dNegative) << i;
    for (BeamWellBeam i : {BW_A4, BW_A5, BW_A6, BW_B4}) {
        EXPECT_EQ(0, param.beamForce[i].dPositive) << i;
        EXPECT_EQ(0, param.beamForce[i].dShear) << i;
    }
}

// The long B beam of a 2 × 4 simply supported grid hogs over the middle crossing at b/a = 0.6.
TEST(BeamWellCalculate, HoggingBeamOfSimplySupportedGridGetsANegativeMoment) {
    CBeamWellParam param;
    param.nNox = 4;
    param.dDistB = 600;
    param.dLoad = 1;
    ASSERT_TRUE(param.Calculate());
    // KB = 600·1000²·1e-9 = 0.6: −0.0021·0.6 and 0.0408·0.6.
    EXPECT_NEAR(-0.00126, param.beamForce[BW_B1].dNegative, 1e-12);
    EXPECT_NEAR(0.02448, param.beamForce[BW_B1].dPositive, 1e-12);
}

// Stored values can name grids that no table serves: the calculation refuses with a message and
// leaves no results.
TEST(BeamWellCalculate, GridWithoutTableIsRefusedWithoutResults) {
    struct Case {
        const char* pszSupport;
        int nNox, nNoy;
    } cases[] = {
        {"周边简支", 7, 2},   {"周边简支", 10, 10}, {"周边简支", 1, 1},  {"周边简支", 3, 5},
        {"周边固定", 6, 6},   {"周边半固定", 13, 8}, {"四边简支", 2, 2}, {"", 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nNox << " x " << c.nNoy);
        CBeamWellParam param;
        param.strAbutType = c.pszSupport;
        param.nNox = c.nNox;
        param.nNoy = c.nNoy;
        param.beamForce[BW_A1].dPositive = 12.5;
        qelt::InteractionLog::Instance().Clear();
        EXPECT_FALSE(param.Calculate());
        EXPECT_EQ(0, param.beamForce[BW_A1].dPositive);
        EXPECT_FALSE(param.bCalculated);
        EXPECT_EQ(1u, qelt::InteractionLog::Instance().Entries().size());
    }
}

// A ratio b/a beyond the rows of the grid's table has no coefficients: b/a = 2 for a six-row table
// (0.6 … 1.6), 0.7 for a three-row one (0.8 … 1.2), and a span a of 0.000001 mm (b/a = 10⁹). The
// calculation says so, leaves no results, and the reports write nothing; at a table's end it
// calculates.
TEST(BeamWellCalculate, ARatioBeyondTheTableGivesNoResults) {
    struct Case {
        int nNox;
        double a, b;
    } cases[] = {{2, 1000, 2000}, {6, 1000, 700}, {2, 0.000001, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.b / c.a);
        CBeamWellParam param;
        param.nNox = param.nNoy = c.nNox;
        param.dDistA = c.a;
        param.dDistB = c.b;
        param.beamForce[BW_A1].dPositive = 12.5;
        qelt::InteractionLog::Instance().Clear();
        EXPECT_FALSE(param.Calculate());
        ASSERT_EQ(1u, qelt::InteractionLog::Instance().Entries().size());
        EXPECT_EQ(CString("跨度比b/a不合理,查表失败!"), qelt::InteractionLog::Instance().Entries()[0].text);
        EXPECT_FALSE(param.bCalculated);
        for (const BeamForce& force : param.beamForce) {
            EXPECT_EQ(0, force.dPositive);
            EXPECT_EQ(0, force.dNegative);
            EXPECT_EQ(0, force.dShear);
        }
        EXPECT_TRUE(param.BuildWordS());
        EXPECT_TRUE(param.BuildWordC());
        EXPECT_EQ(0, param.wordS.GetRowCount());
        EXPECT_EQ(0, param.wordC.GetRowCount());
        param.dDistB = c.nNox == 2 ? 1600 : 1200;
        param.dDistA = 1000;
        EXPECT_TRUE(param.Calculate());
        EXPECT_TRUE(param.bCalculated);
    }
}

}  // namespace
