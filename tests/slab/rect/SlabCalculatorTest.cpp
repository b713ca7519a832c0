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
