// The plate stair's calculation against worked values: the example with the defaults, the span and
// largest moment of every type (the moment against the strip's moment line sampled along the span),
// the bar areas and the scheme options, and the stored parameters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Printers.h"
#include "StairRows.h"
#include "host/VuskSave.h"
#include "mfc/person/InteractionLog.h"
#include "stair/StairBoardParam.h"
#include "TempStore.h"

namespace {

// Default example: C20 (fc 9.6), HPB235 (fy 210), type A, n 10, H 1500, L1 2000, t 100, b1 = b2 = 200.
TEST(StairBoardCalc, WorkedExampleWithTheDefaults) {
    CStairBoardParam p;
    p.Calculate();
    EXPECT_NEAR(p.m_dL0, 2.20, 1e-9);
    EXPECT_NEAR(p.m_dGk, 8.42, 0.005);
    EXPECT_NEAR(p.m_dMmax, 8.36, 0.005);
    EXPECT_NEAR(p.m_dAs1, 579.85, 0.01);
    EXPECT_NEAR(p.m_dAs23, 144.96, 0.01);
    EXPECT_EQ(p.m_bOverReinforced, 0);
    EXPECT_DOUBLE_EQ(p.m_dFc, 9600);
    EXPECT_DOUBLE_EQ(p.m_dFy, 210000);
    EXPECT_DOUBLE_EQ(p.m_dEs5, 2.1);

    ASSERT_EQ(p.m_Options1.nCount, 13);
    const int kFirst1[][2] = {{10, 100}, {10, 110}, {10, 120}, {10, 130}, {12, 140}};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(p.m_Options1.aDiaSpace[i][0], kFirst1[i][0]) << i;
        EXPECT_EQ(p.m_Options1.aDiaSpace[i][1], kFirst1[i][1]) << i;
    }
    EXPECT_NEAR(p.m_Options1.aArea[0], 785.4, 0.05);
    ASSERT_EQ(p.m_Options23.nCount, 6);
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(p.m_Options23.aDiaSpace[i][0], 6);
        EXPECT_EQ(p.m_Options23.aDiaSpace[i][1], 140 + 10 * i);
    }
    // The first choice: bars 1 and 5 the first bar-1 option, 2, 3 and 6 the first support option,
    // bar 4 6 mm at the tread width 200.
    const int kDia[6] = {10, 6, 6, 6, 10, 6};
    const int kSpace[6] = {100, 140, 140, 200, 100, 140};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(p.m_nBarDia[i], kDia[i]) << "bar " << i + 1;
        EXPECT_EQ(p.m_nBarSpace[i], kSpace[i]) << "bar " << i + 1;
    }
    // Lengths stay in mm.
    EXPECT_EQ(p.M_LN, 2000);
    EXPECT_EQ(p.M_T, 100);
}

// The strip's moment at x (m from the upper support) from statics alone, for the segment loads.
struct Strip {
    double a3, Lf, a2, Pl, Pn;
    double Load(double x) const { return x < a3 || x > a3 + Lf ? Pl : Pn; }
    double L0() const { return a3 + Lf + a2; }
    // The largest moment, sampled at a millimetre.
    double MaxMoment() const {
        const double L = L0();
        // The left reaction from the moment about the right support.
        const double first = Pl * a3 * (L - a3 / 2), flight = Pn * Lf * (a2 + Lf / 2), last = Pl * a2 * a2 / 2;
        const double Rl = (first + flight + last) / L;
        double best = 0, shear = Rl, moment = 0;
        const double dx = 1e-4;
        for (double x = 0; x < L; x += dx) {
            moment += shear * dx - Load(x) * dx * dx / 2;
            shear -= Load(x) * dx;
            best = std::max(best, moment);
        }
        return best;
    }
};

// Design loads of the example's materials: flight from the slope, landing flat (t = 0.1 m).
double FlightLoad(const CStairBoardParam& p) {
    const double h = p.M_H / p.M_N / 1000, b = p.M_LN / (p.M_N - 1) / 1000;
    const double cosA = b / std::hypot(b, h);
    const double Pk = (1 + h / b) * p.M_PM + 25 * (p.M_T / 1000 / cosA + h / 2) + 0.4 / cosA + p.M_PF;
    return std::max(1.35 * Pk + 0.98 * p.M_P, 1.2 * Pk + 1.4 * p.M_P);
}
double LandingLoad(const CStairBoardParam& p) {
    const double Pk = p.M_PM + 25 * p.M_T / 1000 + 0.4 + p.M_PF;
    return std::max(1.35 * Pk + 0.98 * p.M_P, 1.2 * Pk + 1.4 * p.M_P);
}

struct SpanCase {
    const char* name;
    int kind;
    double L1, L2, L3;
    double a3, Lf, a2;  // m
};

const SpanCase kSpans[] = {
    {"A", 1, 2000, 300, 300, 0, 2.2, 0},
    // B: no lower beam, one tread (0.2222 m) short of L1 + b1/2.
    {"B", 2, 2000, 300, 300, 0, 2.0 + 0.1 - 2.0 / 9, 0},
    {"C", 3, 2000, 300, 300, 0, 2.1, 0.4},
    {"D", 4, 2000, 300, 300, 0.4, 2.1, 0},
    {"E", 5, 2000, 300, 300, 0.4, 2.0, 0.4},
    // Zero shear on the long upper landing, then on the long lower landing.
    {"D, long landing", 4, 1000, 0, 4000, 4.1, 1.1, 0},
    {"C, long landing", 3, 1000, 4000, 0, 0, 1.1, 4.1},
};

TEST(StairBoardCalc, SpanAndLargestMomentOfEveryType) {
    for (const SpanCase& c : kSpans) {
        SCOPED_TRACE(c.name);
        CStairBoardParam p;
        p.M_STAIR_KIND = c.kind;
        p.M_LN = c.L1;
        p.M_LR = c.L2;
        p.M_LL = c.L3;
        p.Calculate();
        Strip strip{c.a3, c.Lf, c.a2, LandingLoad(p), FlightLoad(p)};
        EXPECT_NEAR(p.m_dL0, strip.L0(), 1e-9);
        EXPECT_NEAR(p.m_dMmax, strip.MaxMoment(), 2e-3);
    }
}

TEST(StairBoardCalc, MissingLandingsAreClearedByTheCalculation) {
    const struct {
        int kind;
        double L2, L3;
    } kCases[] = {{1, 0, 0}, {2, 0, 0}, {3, 300, 0}, {4, 0, 300}, {5, 300, 300}};
    for (const auto& c : kCases) {
        CStairBoardParam p;
        p.M_STAIR_KIND = c.kind;
        p.Calculate();
        EXPECT_EQ(p.M_LR, c.L2) << c.kind;
        EXPECT_EQ(p.M_LL, c.L3) << c.kind;
    }
}

TEST(StairBoardCalc, FixityReducesTheMomentAndTakesTheSpanAreaForTheSupports) {
    CStairBoardParam p;
    p.M_BUILDING = 1;
    p.Calculate();
    EXPECT_NEAR(p.m_dMmax, 0.8 * 8.36, 0.005);
    EXPECT_DOUBLE_EQ(p.m_dAs23, p.m_dAs1);
}

// A thin, long flight: M beyond α1fc·b·h0²·ξb(1 − ξb/2) gives no area and the calculation fails,
// without a message of its own (the input check tells it); there is nothing to report.
TEST(StairBoardCalc, OverReinforcedSectionFailsWithoutReports) {
    qelt::InteractionLog::Instance().Clear();
    CStairBoardParam p;
    p.M_LN = 6000;
    p.M_T = 60;
    EXPECT_FALSE(p.Calculate());
    EXPECT_EQ(p.m_bOverReinforced, 1);
    EXPECT_EQ(p.m_dAs1, 0);
    EXPECT_TRUE(qelt::InteractionLog::Instance().Entries().empty());
    EXPECT_FALSE(p.BuildWordC());
    EXPECT_FALSE(p.BuildWordS());
    EXPECT_EQ(p.wordC.GetRowCount(), 0);
    EXPECT_EQ(p.wordS.GetRowCount(), 0);
}

// ξb = β1/(1 + fy/(Es·εcu)) of the bar grade over C20 (β1 0.8, εcu 0.0033): 0.61395 for HPB235
// (Mu = 54·0.42548 = 22.976 kN·m on 1 m × 75 mm at α1fc 9600), 0.55 for HRB335 (21.533) and 0.51765
// for HRB400 (20.718). A rule of 0.544 for every ribbed grade (Mu 21.386) would pass HRB400 at 21 and
// refuse HRB335 at 21.45.
TEST(StairBoardCalc, LimitMomentFollowsTheGrade) {
    const struct {
        const char* grade;
        double M;
        int over;
    } kCases[] = {{"HPB235", 22.97, 0}, {"HPB235", 22.98, 1}, {"HRB335", 21.45, 0},
                  {"HRB335", 21.54, 1}, {"HRB400", 20.71, 0}, {"HRB400", 21.0, 1}};
    for (const auto& c : kCases) {
        CStairBoardParam p;
        p.M_STRSTEEL = c.grade;
        const double dArea = p.CalBarArea(c.M, 300000, 9600, 1100, 0.1, 0.075, 1.0, NULL);
        EXPECT_EQ(p.m_bOverReinforced, c.over) << c.grade << " " << c.M;
        EXPECT_EQ(dArea == 0, c.over == 1) << c.grade << " " << c.M;
    }
}

TEST(StairBoardCalc, BarAreaAtTheLimitMomentIsOverReinforced) {
    CStairBoardParam p;
    const double xib = 0.8 / (1 + 210 / (2.1e5 * 0.0033));
    const double dMu = 9600 * 0.075 * 0.075 * xib * (1 - 0.5 * xib);
    EXPECT_EQ(p.CalBarArea(dMu, 210000, 9600, 1100, 0.1, 0.075, 1.0, NULL), 0);
    EXPECT_EQ(p.m_bOverReinforced, 1);
    EXPECT_GT(p.CalBarArea(dMu * 0.999, 210000, 9600, 1100, 0.1, 0.075, 1.0, NULL), 0);
    EXPECT_EQ(p.m_bOverReinforced, 0);
}

// A small moment takes ρmin = max(0.2 %, 45·ft/fy %) over the whole section b·t, 1 m × 100 mm here:
// C20/HPB235 45·1.1/210 = 0.2357 % → 235.71 mm², C50/HPB235 45·1.89/210 = 0.405 % → 405.00,
// C20/HRB400 45·1.1/360 = 0.1375 %, so 0.2 % → 200.00.
TEST(StairBoardCalc, MinimumRatioOverTheWholeSection) {
    const struct {
        const char* concrete;
        const char* steel;
        double fy, a1fc, ft, area;
    } kCases[] = {{"C20", "HPB235", 210000, 9600, 1100, 235.714},
                  {"C50", "HPB235", 210000, 23100, 1890, 405.0},
                  {"C20", "HRB400", 360000, 9600, 1100, 200.0}};
    for (const auto& c : kCases) {
        CStairBoardParam p;
        p.M_STRCONCRETE = c.concrete;
        p.M_STRSTEEL = c.steel;
        EXPECT_NEAR(p.CalBarArea(0.5, c.fy, c.a1fc, c.ft, 0.1, 0.075, 1.0, NULL), c.area, 0.001) << c.concrete << c.steel;
    }
}

// n 5, L1 1200, H 750, t 150, C20, HPB235 (type A, b1 = b2 = 200): h 0.15, b 0.3, cosα 0.8944,
// L0 1.4; Pk = 2.55 + 25·(0.15/0.8944 + 0.075) + 0.4472 + 0.2 = 9.265, Pn = 1.35·9.265 + 1.4·0.7·2.5
// = 14.958 kN/m, M = Pn·1.4²/8 = 3.665 kN·m gives αs 0.02443, ξ 0.02474, 141.4 mm² on h0 125, below
// ρmin·b·t = 0.2357 %·1000·150 = 353.57 mm² (0.15 % gave 225).
TEST(StairBoardCalc, ShortThickFlightTakesTheMinimumRatio) {
    CStairBoardParam p;
    p.M_N = 5;
    p.M_LN = 1200;
    p.M_H = 750;
    p.M_T = 150;
    EXPECT_TRUE(p.Calculate());
    EXPECT_NEAR(p.m_dMmax, 3.665, 0.001);
    EXPECT_NEAR(p.m_dAs1, 353.571, 0.001);
    CWordObject report;
    p.CalStairBoard(&report);
    EXPECT_GE(FindRow(StairRows(report), "ρ~min~ = max{0.2%,45*f~t~/f~y~%} = 0.2357%"), 0);
}

struct OptionCase {
    const char* grade;
    double area;
    int count;
    int firstDia, firstSpace;
    int lastDia, lastSpace;
};

const OptionCase kOptions[] = {
    // 6 mm at 200 gives 141.37: the window up to 1.5·141.37 holds 6 mm at 140 to 200; 94 (below 2/3
    // of 141.4) finds nothing.
    {"HPB235", 141.37, 7, 6, 140, 6, 200},
    {"HPB235", 94, 1, 12, 200, 12, 200},
    // 20 mm at 100 (3141.6) is the largest HPB235 scheme; 22 and 25 are not offered.
    {"HPB235", 3141.6, 1, 12, 200, 12, 200},
    {"HPB235", 3000, 1, 20, 100, 20, 100},
    // The ribbed grades end at 25 mm, which follows 22: 18 at 100, 20 at 100 to 130, 22 at 110 to 150,
    // 25 at 140 to 200.
    {"HRB335", 2400, 17, 18, 100, 25, 200},
    {"冷拉钢筋", 150, 6, 6, 130, 6, 180},
};

TEST(StairBoardCalc, BarOptionsByGradeAndArea) {
    for (const OptionCase& c : kOptions) {
        SCOPED_TRACE(std::string(c.grade) + " " + std::to_string(c.area));
        CStairBoardParam p;
        p.M_STRSTEEL = c.grade;
        p.MakeBarOptions(2, c.area, 1000);
        const StairBarOptionList& list = p.m_Options23;
        ASSERT_EQ(list.nCount, c.count);
        EXPECT_EQ(list.aDiaSpace[0][0], c.firstDia);
        EXPECT_EQ(list.aDiaSpace[0][1], c.firstSpace);
        EXPECT_EQ(list.aDiaSpace[c.count - 1][0], c.lastDia);
        EXPECT_EQ(list.aDiaSpace[c.count - 1][1], c.lastSpace);
        const bool bFallback = c.firstDia == 12 && c.firstSpace == 200;
        for (int i = 0; i < list.nCount && !bFallback; i++) {
            EXPECT_GE(list.aArea[i], c.area);
            EXPECT_LE(list.aArea[i], 1.5 * c.area);
        }
        EXPECT_EQ(list.aDiaSpace[c.count][0], 0);
    }
}

TEST(StairBoardCalc, DistributionBarFollowsTheTreadWidth) {
    const struct {
        double L1;
        int spacing;
    } kCases[] = {{1900, 150}, {2000, 200}, {2800, 250}, {3999, 350}, {4000, 400}, {4500, 450}};
    for (const auto& c : kCases) EXPECT_EQ(StairDistributionSpacing(c.L1, 10), c.spacing) << c.L1;
}

// A value that is not a finite int never becomes one: no tread width without steps, no picture
// height from an empty world window.
TEST(StairBoardCalc, NonFiniteValuesAreNotCutToInts) {
    EXPECT_EQ(StairTruncate(std::nan("")), 0);
    EXPECT_EQ(StairTruncate(HUGE_VAL), 0);
    EXPECT_EQ(StairTruncate(-1e12), 0);
    EXPECT_EQ(StairTruncate(-7.9), -7);
    EXPECT_EQ(StairDistributionSpacing(2000, 0), 150);
}

TEST(StairBoardCalc, ALaterCalculationKeepsTheChosenBars) {
    CStairBoardParam p;
    p.Calculate();
    p.m_nBarDia[0] = 14;
    p.m_nBarSpace[0] = 180;
    p.M_LN = 3000;
    p.Calculate();
    EXPECT_EQ(p.m_nBarDia[0], 14);
    EXPECT_EQ(p.m_nBarSpace[0], 180);
    EXPECT_EQ(p.m_nBarSpace[3], 200);
}

// Stored under the host base's prefix, "/M_H" and "/M_T" twice; read back unchanged.
TEST(StairBoardParam, StoresItsFieldsUnderTheBasePrefix) {
    TempStore store;
    CStairBoardParam fresh;
    EXPECT_TRUE(fresh.ReadParam("CVuskParam/"));
    EXPECT_EQ(fresh.strNumber, CString("LT-1"));
    EXPECT_EQ(fresh.M_STAIR_KIND, 1);
    EXPECT_EQ(fresh.M_STRSTEEL, CString("HPB235"));

    CStairBoardParam p;
    p.strNumber = "LT-7";
    p.M_STAIR_KIND = 5;
    p.M_N = 12;
    p.M_H = 1800;
    p.M_T = 120;
    p.M_DSACLE = 0.45;
    p.M_BUILDING = 1;
    p.M_STRCONCRETE = "C30";
    p.m_strSteelStypeVor = "带肋钢筋";
    p.m_dFlexibilityLim3 = 320;
    p.m_bIsCalRAL = 0;
    EXPECT_TRUE(p.WriteParam("CVuskParam/"));

    int nSteps = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CVuskParam//M_N", nSteps, 0));
    EXPECT_EQ(nSteps, 12);
    double dValue = 0;
    EXPECT_FALSE(CVuskSave::GetValue("CStairBoardParam//M_N", dValue, 0));

    CStairBoardParam back;
    back.ReadParam("CVuskParam/");
    EXPECT_EQ(back.strNumber, CString("LT-7"));
    EXPECT_EQ(back.M_STAIR_KIND, 5);
    EXPECT_EQ(back.M_N, 12);
    EXPECT_EQ(back.M_H, 1800);
    EXPECT_EQ(back.M_T, 120);
    EXPECT_EQ(back.M_DSACLE, 0.45);
    EXPECT_EQ(back.M_BUILDING, 1);
    EXPECT_EQ(back.M_STRCONCRETE, CString("C30"));
    EXPECT_EQ(back.m_strSteelStypeVor, CString("带肋钢筋"));
    EXPECT_EQ(back.m_dFlexibilityLim3, 320);
    EXPECT_EQ(back.m_bIsCalRAL, 0);
}

TEST(StairBoardParam, RestoringDefaultsKeepsTheRunsBars) {
    CStairBoardParam p;
    p.M_N = 14;
    p.Calculate();
    const int nCount = p.m_Options1.nCount;
    const int nDia = p.m_nBarDia[0];
    p.InitDefaultParam();
    EXPECT_EQ(p.M_N, 10);
    EXPECT_EQ(p.m_Options1.nCount, nCount);
    EXPECT_EQ(p.m_nBarDia[0], nDia);
}

}  // namespace
