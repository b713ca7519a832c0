// The slab calculators' decision sequence, crack width and deflection, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "slab/rect/BoardServiceability.h"
#include "slab/rect/RectBoardCalculator.h"
#include "mfc/gdi/GdiApi.h"
#include "slab/rect/SlabSteps.h"

namespace {

// The defaults of a fresh slab: C20, HRB335, h 100, as 20, Qgk 7, Qqk 4, γG 1.2, γQ 1.4.
RectBoardInputs Slab(int top, int bottom, int left, int right, int lx, int ly, int kind = 0) {
    RectBoardInputs in{};
    in.nTop = top, in.nBottom = bottom, in.nLeft = left, in.nRight = right;
    in.nLength = lx, in.nWidth = ly, in.nThick = 100, in.nAs = 20, in.nBoardKind = kind;
    std::strcpy(in.szConcrete, "C20");
    std::strcpy(in.szSteelBar, "HRB335");
    in.dP = 0.002, in.dImpro = 1.0, in.dQgk = 7.0, in.dQqk = 4.0, in.dBS = 0.2, in.dWq = 1.0, in.dB = 1.8;
    in.nC = 15, in.nKindSteel = 1;
    in.dFleLim1 = 200, in.dFleLim2 = 250, in.dFleLim3 = 300;
    in.dMagnifyValue1 = in.dMagnifyValue2 = 1.0;
    in.dRg = 1.2, in.dRq = 1.4;
    in.dUserValue = 2.0;
    in.dCrackWidth = 0.3;
    return in;
}

const double kQ = 1.2 * 7 + 1.4 * 4;  // 14 kN/m²

struct StepCase {
    const char* name;
    RectBoardInputs slab;
    int status, method, span;
    double SlabMoments::*moment;
    double expected;  // N·mm per metre
};

RectBoardInputs WithPost(RectBoardInputs in) {
    in.nTopLeft = 1;
    return in;
}

RectBoardInputs Thick(RectBoardInputs in) {
    in.nThick = 250;
    return in;
}

const StepCase kSteps[] = {
    {"FourSimpleTable", Slab(1, 1, 1, 1, 6000, 4200), 1, 1, 4200, &SlabMoments::dMy,
     (0.0683 + 0.2 * 0.0296) * kQ * 4200.0 * 4200.0},
    {"LongSlabIsAStrip", Thick(Slab(1, 1, 1, 1, 9000, 4000)), 1, 0, 4000, &SlabMoments::dMy, kQ * 16e6 / 8},
    {"RatioAtTheLimitUsesTheTable", Slab(1, 1, 1, 1, 8000, 4000), 1, 1, 4000, &SlabMoments::dMx, -1},
    {"PlasticLongSlabUsesItsTable", Slab(1, 1, 1, 1, 9000, 4000, 1), 3, 0, 0, nullptr, 0},
    {"Cantilever", Thick(Slab(0, 2, 2, 2, 3000, 1500)), 1, -1, 1500, &SlabMoments::dTop, kQ * 1500.0 * 1500.0 / 2},
    {"StripBetweenFreeEdges", Thick(Slab(2, 2, 0, 1, 4000, 6000)), 1, -2, 4000, &SlabMoments::dMx,
     kQ * 16e6 * 3 / 43},
    {"StripBetweenFreeEdgesFixedEnd", Thick(Slab(2, 2, 0, 1, 4000, 6000)), 1, -2, 4000, &SlabMoments::dLeft, kQ * 16e6 / 8},
    {"PostsWithoutACase", WithPost(Slab(1, 1, 1, 1, 5000, 4000)), 2, 0, 0, nullptr, 0},
    {"FreeEndAcrossTheStrip", Slab(1, 2, 1, 1, 12000, 4000), 2, 0, 0, nullptr, 0},
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class DecisionSequence : public testing::TestWithParam<StepCase> {};

TEST_P(DecisionSequence, FindsTheMoments) {
    const StepCase& c = GetParam();
    CRectBoardCalculator calculator(c.slab);
    ASSERT_EQ(calculator.CalStrength(), c.status);
    if (c.status != 1) return;
    EXPECT_EQ(calculator.m_moment.GetMethod(), c.method);
    EXPECT_EQ(calculator.m_moment.GetSpan(), c.span);
    if (c.expected > 0) {
        EXPECT_NEAR(calculator.m_moments.*c.moment, c.expected, 1e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(Slabs, DecisionSequence, testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecisionSequence, CantileverListAndZeroLoad) {
    CRectBoardCalculator cantilever(Thick(Slab(0, 2, 2, 2, 3000, 1500)));
    ASSERT_EQ(cantilever.CalStrength(), 1);
    SlabMomentList list;
    cantilever.GetMomentList(list);
    EXPECT_NEAR(list.M0y, kQ * 1500.0 * 1500.0 / 2, 1e-3);
    RectBoardInputs unloaded = Slab(1, 1, 1, 1, 6000, 4200);
    unloaded.dQgk = unloaded.dQqk = 0;
    CRectBoardCalculator nothing(unloaded);
    EXPECT_EQ(nothing.CalStrength(), 0);
}

// The areas of the results are the ones both reports print: the nearest whole mm², after the
// amplification. A strip fixed all round across Ly (Lx 6000), h0 80, C20, HRB335, q 14: the
// support moment q·Ly²/12, αs = M/(9.6·1000·80²), ξ = 1 − √(1 − 2αs), As = 9.6·1000·80·ξ/300.
TEST(DecisionSequence, SupportAreaRoundedOnceAfterTheFactor) {
    const struct {
        int ly;
        double factor;  // support bars' amplification, 1 when off
        int area;
    } cases[] = {
        {2600, 1.0, 353},  // M 7.887 kN·m: As 352.94
        {2400, 1.0, 297},  // M 6.720: As 297.26
        {2400, 1.1, 327},  // 297.26·1.1 = 326.98, not 297·1.1 = 326.7 cut to 326
    };
    for (const auto& c : cases) {
        RectBoardInputs in = Slab(0, 0, 0, 0, 6000, c.ly);
        in.nMagnify2 = c.factor != 1.0;
        in.dMagnifyValue2 = c.factor;
        CRectBoardCalculator calculator(in);
        ASSERT_EQ(calculator.CalStrength(), 1);
        int areas[6];  // top, left, right, bottom support, x span, y span
        calculator.GetAreas(areas);
        EXPECT_EQ(areas[0], c.area) << c.ly << " " << c.factor;
        EXPECT_EQ(areas[3], c.area) << c.ly << " " << c.factor;
    }
}

// Picks each bar result for its area, as the parameter object does.
void PickSchemes(CRectBoardCalculator& calculator) {
    calculator.ClearResults();
    int areas[6];
    calculator.GetAreas(areas);
    const int nAreaOf[6] = {5, 4, 0, 3, 1, 2};  // y span, x span, top, bottom, left, right
    for (int i = 0; i < 6; ++i) {
        CBoardReinList list(8);
        const BoardReinScheme scheme = list.Pick(areas[nAreaOf[i]]);
        calculator.m_schemes[i].nDiameter = scheme.nDiameter;
        calculator.m_schemes[i].nSpacing = scheme.nSpacing;
        calculator.m_schemes[i].nArea = scheme.nArea;
    }
}

// A cantilever fixed at the left takes its stiffness from the bars over the left edge, not from
// the smallest scheme a free edge is given.
TEST(SlabServiceability, CantileverDeflectsOnItsFixedEdgesBars) {
    CRectBoardCalculator calculator(Thick(Slab(2, 2, 0, 2, 1500, 3000)));
    ASSERT_EQ(calculator.CalStrength(), 1);
    PickSchemes(calculator);
    ASSERT_GT(calculator.m_schemes[SCHEME_TOP].nArea, 0);  // the free top edge's phantom scheme
    ASSERT_EQ(calculator.CalDeflection(), 1);
    EXPECT_EQ(calculator.GetAs(), calculator.m_schemes[SCHEME_LEFT].nArea);
    EXPECT_EQ(calculator.GetCase(), DEFLECT_CANTILEVER);
    EXPECT_NEAR(calculator.m_dMk, 11.0 * 1500.0 * 1500.0 / 2, 1e-6);
}

TEST(SlabServiceability, ChecksNeedAStrengthRun) {
    CRectBoardCalculator calculator(Slab(1, 1, 1, 1, 6000, 4200));
    EXPECT_EQ(calculator.CalDeflection(), 0);
    EXPECT_EQ(calculator.CalCrack(), 0);
    ASSERT_EQ(calculator.CalStrength(), 1);
    PickSchemes(calculator);
    EXPECT_EQ(calculator.CalCrack(), 1);
    EXPECT_EQ(calculator.m_crack.GetCover(), 20);  // 15 is held to 20
    EXPECT_EQ(calculator.CalDeflection(), 1);
    EXPECT_EQ(calculator.GetCase(), DEFLECT_TABLE);
    EXPECT_DOUBLE_EQ(calculator.GetCoef(), 0.00727);
}

// A simply supported strip, worked by hand: l0 4000, h 100, as 20, As 523 (d10@150), C20 (ftk 1.54,
// Ec 2.55e4), HRB335 (Es 2.0e5), Qgk 7, Qqk 4, ψq 0.5: Mk = 11·4000²/8 = 22e6, Mq = 9·4000²/8 = 18e6.
TEST(SlabServiceability, DeflectionOfASimpleStrip) {
    const double dMk = 22e6, dMq = 18e6, h0 = 80, as = 523;
    const double sigma = dMk / (0.87 * h0 * as), rhoTe = as / 50000.0;
    const double psi = 1.1 - 0.65 * 1.54 / (rhoTe * sigma);
    const double bs = 2.0e5 * as * h0 * h0 / (1.15 * psi + 0.2 + 6 * (2.0e5 / 2.55e4) * (as / 80000.0));
    const double expected = 5 * 11.0 * std::pow(4000.0, 4) / (384 * bs * 22.0 / 40.0);
    EXPECT_NEAR(CalBoardDeflection(DEFLECT_SIMPLE, 4000, 100, 20, as, dMk, dMq, 1.54, 2.0e5, 2.55e4, 7, 4, 0),
                expected, 1e-9 * expected);
}

// ψ of the short-term stiffness takes ρte = As/(0.5·b·h) not below 0.01, as the crack width does.
// A 120 mm slab with d8@200 (251 mm², ρte = 0.0042), h0 = 100, C30 (ftk 2.01, Ec 3.0e4), Es 2.0e5,
// the table coefficient 0.00663 of a 4800 × 3600 slab simply supported all round (l0 3600, gk 4.5,
// qk 2.5): Mk = (0.0620 + 0.2·0.0317)·7·3.6² = 6.1998 kN·m, σsk = 6.1998e6/(0.87·100·251) = 283.91,
// ψ = 1.1 − 0.65·2.01/(0.01·283.91) = 0.6398 (0.2 from the unfloored ρte),
// Bs = 2e5·251·100²/(1.15·0.6398 + 0.2 + 6·6.667·0.00251) = 4.845e11 N·mm².
TEST(SlabServiceability, StiffnessTakesTheFlooredRhoTe) {
    const double mk = (0.0620 + 0.2 * 0.0317) * 7 * 3600.0 * 3600.0;
    const struct {
        const char* name;
        double mk, mq;
        double deflection;  // mm
    } cases[] = {
        // ψq 1.0: Mq = Mk, B = Bs/2 = 2.422e11, f = 0.00663·7·3600⁴/B.
        {"psiq 1.0", mk, mk, 32.18},
        // ψq 0.4: Mq = Mk·(4.5 + 0.4·2.5)/7, B = Bs·7/12.5 = 2.713e11.
        {"psiq 0.4", mk, mk * 5.5 / 7, 28.73},
        // A tenth of the moment: ψ = 1.1 − 1.3065/28.39 < 0.2 is held to 0.2 all the same,
        // Bs = 5.02e11/(0.23 + 0.2 + 0.1004) = 9.465e11, f = 0.00663·7·3600⁴/(Bs/2) (the load is not the moment's).
        {"psi at its bound", mk / 10, mk / 10, 16.47},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(CalBoardDeflection(DEFLECT_TABLE, 3600, 120, 20, 251, c.mk, c.mq, 2.01, 2.0e5, 3.0e4, 4.5, 2.5,
                                       0.00663),
                    c.deflection, 0.005)
            << c.name;
    }
    const BoardPsi psi = CalBoardPsi(251, 120, 2.01, mk / (0.87 * 100 * 251));
    EXPECT_NEAR(psi.dRhoTeRaw, 251 / 60000.0, 1e-12);
    EXPECT_DOUBLE_EQ(psi.dRhoTe, 0.01);
    EXPECT_NEAR(psi.dPsi, 0.6398, 5e-5);
}

// That slab through the calculator: the design gives 240 mm² (ρmin 0.2 % of 120 mm) both ways,
// d8@200 (251); the deflection 32.18 mm exceeds l0/200 = 18 mm. Crack widths with c = 15 taken as
// 20, deq = 8, ρte 0.01: y span σ = 283.91, ψ = 0.6398, w = 2.1·ψ·σ/2e5·(1.9·20 + 0.08·8/0.01) = 0.1946;
// x span Mx = (0.0317 + 0.2·0.0620)·7·3.6² = 4.0008, σ = 183.21, ψ = 0.3869, w = 0.0759.
TEST(SlabServiceability, SimplySupportedSlabFailsItsDeflection) {
    RectBoardInputs in = Slab(1, 1, 1, 1, 4800, 3600);
    in.nThick = 120;
    std::strcpy(in.szConcrete, "C30");
    std::strcpy(in.szSteelBar, "HRB400");
    in.dQgk = 4.5, in.dQqk = 2.5;
    CRectBoardCalculator calculator(in);
    ASSERT_EQ(calculator.CalStrength(), 1);
    PickSchemes(calculator);
    ASSERT_EQ(calculator.m_schemes[SCHEME_YSPAN].nArea, 251);
    ASSERT_EQ(calculator.CalDeflection(), 1);
    EXPECT_NEAR(calculator.m_dDeflection, 32.18, 0.005);
    EXPECT_NEAR(calculator.GetAllowedDeflection(), 18.0, 1e-9);
    ASSERT_EQ(calculator.CalCrack(), 1);
    EXPECT_NEAR(calculator.m_crackWidths[4], 0.1946, 5e-5);  // y span
    EXPECT_NEAR(calculator.m_crackWidths[5], 0.0759, 5e-5);  // x span
}

TEST(SlabServiceability, CrackWidthOfOneBarResult) {
    BoardReinScheme schemes[6] = {};
    schemes[1] = BoardReinScheme{10, 200, 392, CString()};  // x span, plain bars
    SlabMoments m{};
    m.dMx = 5e6;
    double widths[6];
    int cover = 70;
    // σ = 5e6/(0.87·80·392) = 183.3; ρte = 392/50000 < 0.01 → 0.01; ψ = 1.1 − 0.65·1.54/(0.01·183.3) = 0.554;
    // deq = 10/0.7; w = 2.1·ψ·σ/Es·(1.9·65 + 0.08·deq/0.01).
    const double sigma = 5e6 / (0.87 * 80 * 392), psi = 1.1 - 0.65 * 1.54 / (0.01 * sigma);
    const double expected = 2.1 * psi * sigma / 2.1e5 * (1.9 * 65 + 0.08 * (10 / 0.7) / 0.01);
    ASSERT_EQ(CalBoardCrackWidth(100, 0, 1.54, 2.1e5, 20, cover, m, schemes, widths, 1.0), 1);
    EXPECT_EQ(cover, 65);
    EXPECT_NEAR(widths[5], expected, 1e-12);
    EXPECT_DOUBLE_EQ(widths[4], 0.0);
    EXPECT_EQ(CalBoardCrackWidth(100, 0, 1.54, 2.1e5, 20, cover, m, schemes, widths, expected * 0.99), 0);
}

}  // namespace

namespace {

TEST(SlabReport, PictureRowOrThrow) {
    CRectBoardCalculator calculator(Slab(1, 1, 1, 1, 6000, 4200));
    HBITMAP bitmap = CreateBitmap(40, 30, 1, 32, nullptr);
    CWordObject report;
    EXPECT_NE(calculator.WriteReportPicture(&report, bitmap), 0);
    EXPECT_EQ(report.GetRowCount(), 1);
    EXPECT_THROW(calculator.WriteReportPicture(nullptr, bitmap), int);
    EXPECT_EQ(report.GetRowCount(), 1);
    DeleteObject(bitmap);
}

struct ServiceCase {
    const char* name;
    RectBoardInputs slab;
    int deflectCase;
    double SlabMoments::*crackMoment;
    double crack;  // N·mm per metre under Qgk + Qqk = 11
};

void PrintTo(const ServiceCase& c, std::ostream* os) { *os << c.name; }

RectBoardInputs Plastic(RectBoardInputs in) {
    in.nBoardKind = 1;
    return in;
}

const ServiceCase kService[] = {
    // Fixed at both ends across the short span by the span ratio: k/24 and case 0.
    {"FixedStripByRatio", Thick(Slab(1, 1, 0, 0, 4000, 9000)), DEFLECT_FIXED_FIXED, &SlabMoments::dMx,
     11.0 * 16e6 / 24},
    // A propped strip between free edges: the crack moment takes 9/128.
    {"ProppedStripBetweenFreeEdges", Thick(Slab(2, 2, 0, 1, 4000, 6000)), DEFLECT_FIXED_SIMPLE, &SlabMoments::dMx,
     11.0 * 16e6 * 9 / 128},
    // A plastic two-way slab deflects as its short strip between Left and Right.
    {"PlasticShortStrip", Plastic(Slab(0, 0, 1, 1, 4000, 6000)), DEFLECT_SIMPLE, nullptr, 0},
};

class ServiceSteps : public testing::TestWithParam<ServiceCase> {};

TEST_P(ServiceSteps, CrackMomentsAndDeflectionCase) {
    const ServiceCase& c = GetParam();
    CRectBoardCalculator calculator(c.slab);
    ASSERT_EQ(calculator.CalStrength(), 1);
    PickSchemes(calculator);
    ASSERT_EQ(calculator.CalDeflection(), 1);
    EXPECT_EQ(calculator.GetCase(), c.deflectCase);
    calculator.CalCrack();
    if (c.crackMoment) {
        SlabMoments moments;
        calculator.m_crack.GetMoments(moments);
        EXPECT_NEAR(moments.*c.crackMoment, c.crack, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Slabs, ServiceSteps, testing::ValuesIn(kService),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
