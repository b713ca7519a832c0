// Combination of load cases, the queries on the envelopes and the beams the analysis refuses.
//
// Pattern loading of three equal spans (L = 6 m, q = 10 kN/m, qL² = 360): case 1 dead on every
// span, cases 2, 3, 4 live on span 1, 2, 3 alone; γG 1.2, γQ 1.4. Handbook coefficients of qL²
// (moments) and qL (shears): all spans loaded M_B = −0.1, M(0.4L) = 0.08, V_A = 0.4, V_B,left = −0.6,
// mid-span 2 0.025; span 1 alone M_B = −1/15, M_C = 1/60; span 2 alone M_B = M_C = −1/20.
#include <gtest/gtest.h>

#include <cmath>

#include "BeamBuilder.h"

namespace {

using namespace beamtest;

void BuildThreeSpanPattern(CSteelBeam& beam) {
    Build(beam, {6, 6, 6});
    beam.m_dConLoadScale = 1.2;
    beam.m_dVarLoadScale = 1.4;
    for (int s = 0; s < 3; ++s) Uniform(beam, s, 10);
    for (int s = 0; s < 3; ++s) {
        AddCase(beam, BEAM_CASE_LIVE);
        Uniform(beam, s, 10);
    }
}

struct EnvelopePoint {
    const char* where;
    int span, point;
    double posMoment;
    DWORD posCases;
    double negMoment;
    DWORD negCases;
};

TEST(BeamEnvelope, PatternLoadingOfThreeSpans) {
    const EnvelopePoint points[] = {
        // 1.2·0.08 + 1.4·(0.09333 + 1/150), spans 1 and 3 live; no hogging there
        {"0.4 L of span 1", 0, 240, 0.236 * 360, 0b1011, 0, 0},
        // −1.2·0.1 − 1.4·(1/15 + 1/20), spans 1 and 2 live; no sagging even with span 3 live
        {"support B from the left", 0, 600, 0, 0, -0.28333333333333333 * 360, 0b0111},
        {"support B from the right", 1, 0, 0, 0, -0.28333333333333333 * 360, 0b0111},
        // 1.2·0.025 + 1.4·0.075 with span 2 live; 1.2·0.025 − 1.4·(0.025 + 0.025) with spans 1 and 3
        {"middle of span 2", 1, 300, 0.135 * 360, 0b0101, -0.04 * 360, 0b1011},
        {"support A", 0, 0, 0, 0, 0, 0},
    };
    CSteelBeam beam;
    BuildThreeSpanPattern(beam);
    ASSERT_EQ(beam.CalBeamStruct(), 1);
    for (const EnvelopePoint& p : points) {
        SCOPED_TRACE(p.where);
        const CSteelSpan& span = *beam.getSpan(p.span);
        EXPECT_NEAR(span.m_PosMomEnv[p.point].m_dValue, p.posMoment, 1e-9);
        EXPECT_EQ(span.m_PosMomEnv[p.point].m_dwComMask, p.posCases);
        EXPECT_NEAR(span.m_NegMomEnv[p.point].m_dValue, p.negMoment, 1e-9);
        EXPECT_EQ(span.m_NegMomEnv[p.point].m_dwComMask, p.negCases);
    }

    // Shears of span 1: V_A = 1.2·24 + 1.4·(26 + 1) with spans 1 and 3; V_B = −1.2·36 − 1.4·(34 + 3)
    // with spans 1 and 2, which governs.
    CalValue shear{};
    double x = -1;
    beam.getSpan(0)->GetMaxShear(shear, x);
    EXPECT_NEAR(shear.m_dValue, 95.0, 1e-9);
    EXPECT_EQ(shear.m_dwComMask, 0b0111u);
    EXPECT_DOUBLE_EQ(x, 6.0);
    EXPECT_NEAR(beam.getSpan(0)->getPosShear(0), 66.6, 1e-9);
    EXPECT_EQ(beam.getSpan(0)->m_PosShearEnv[0].m_dwComMask, 0b1011u);

    // Middle region of span 2: sagging greatest at mid-span; hogging 1.2·M_dead − 0.07 qL², as
    // deep at L/3 as at 2L/3, where the leftmost point wins.
    CalValue middle{};
    beam.getSpan(1)->GetCenMaxPosMom(middle, x);
    EXPECT_NEAR(middle.m_dValue, 48.6, 1e-9);
    EXPECT_EQ(middle.m_dwComMask, 0b0101u);
    EXPECT_DOUBLE_EQ(x, 3.0);
    beam.getSpan(1)->GetCenMaxNegMom(middle, x);
    EXPECT_NEAR(middle.m_dValue, -20.4, 1e-9);
    EXPECT_EQ(middle.m_dwComMask, 0b1011u);
    EXPECT_DOUBLE_EQ(x, 2.0);

    double moment = 0;
    beam.getSpan(0)->GetMaxNegMoment(moment, x);
    EXPECT_NEAR(moment, 102.0, 1e-9);
    EXPECT_DOUBLE_EQ(x, 6.0);
    EXPECT_NEAR(beam.GetBeamMaxMom(), 102.0, 1e-9);
    EXPECT_NEAR(beam.GetBeamMaxShear(), 95.0, 1e-9);
}

TEST(BeamEnvelope, ExtremesOnTiesTakeTheLeftmostPointAndTheSaggingSide) {
    CSteelBeam beam;
    Build(beam, {6}, BEAM_END_FIXED, BEAM_END_FIXED);
    Uniform(beam, 0, 10);
    ASSERT_EQ(beam.CalBeamStruct(), 1);
    const CSteelSpan& span = *beam.getSpan(0);
    double value = 0, x = -1;
    span.GetMaxNegMoment(value, x);  // −qL²/12 at both ends
    EXPECT_NEAR(value, 30, 1e-9);
    EXPECT_EQ(x, 0.0);
    span.GetMaxPosMoment(value, x);
    EXPECT_NEAR(value, 15, 1e-9);
    EXPECT_DOUBLE_EQ(x, 3.0);
    span.GetMaxShear(value, x);  // +30 at the left end, −30 at the right: the positive one
    EXPECT_NEAR(value, 30, 1e-9);
    EXPECT_EQ(x, 0.0);
    span.GetMaxMoment(value, x);  // 30 hogging against 15 sagging, as a magnitude
    EXPECT_NEAR(value, 30, 1e-9);
    EXPECT_EQ(x, 0.0);

    CSteelBeam simple;
    Build(simple, {6});
    Uniform(simple, 0, 10);
    ASSERT_EQ(simple.CalBeamStruct(), 1);
    simple.getSpan(0)->GetCenMaxNegMom(value, x);  // no hogging: 0 at the start of the middle third
    EXPECT_EQ(value, 0.0);
    EXPECT_DOUBLE_EQ(x, 2.0);
}

TEST(BeamEnvelope, ThirtyTwoCasesFillTheMask) {
    CSteelBeam beam;
    Build(beam, {6});
    for (int k = 1; k < 31; ++k) AddCase(beam, BEAM_CASE_DEAD);
    AddCase(beam, BEAM_CASE_LIVE);
    Uniform(beam, 0, 10);
    ASSERT_EQ(beam.GetComNum(), 32);
    ASSERT_EQ(beam.CalBeamStruct(), 1);
    EXPECT_NEAR(beam.getSpan(0)->getPosMoment(300), 45, 1e-9);
    EXPECT_EQ(beam.getSpan(0)->m_PosMomEnv[300].m_dwComMask, 0xFFFFFFFFu);
}

TEST(BeamEnvelope, BeamsThatCannotBeAnalysedAreRefusedWithZeroEnvelopes) {
    struct Refusal {
        const char* why;
        void (*spoil)(CSteelBeam&);
    } refusals[] = {
        {"a simple end and a free end", [](CSteelBeam& b) { b.m_nRightSupport = BEAM_END_FREE; }},
        {"an unknown end code", [](CSteelBeam& b) { b.m_nLeftSupport = 3; }},
        {"33 load cases", [](CSteelBeam& b) { for (int k = 1; k < 33; ++k) b.AddComStyle(BEAM_CASE_LIVE); }},
        {"an unknown case kind", [](CSteelBeam& b) { b.ModifyComStyle(0, 2); }},
        {"a span of no length", [](CSteelBeam& b) { b.getSpan(0)->m_dSpanLen = 0; }},
        {"no modulus", [](CSteelBeam& b) { b.m_dElastModulus = 0; }},
        {"a force past the span", [](CSteelBeam& b) { Normal(b, 0, BEAM_LOAD_FORCE, 10, 6.5); }},
        {"a trapezoid longer than half the span", [](CSteelBeam& b) { Normal(b, 0, BEAM_LOAD_TRAPEZOID, 10, 3.5); }},
        {"a partial load past the span",
         [](CSteelBeam& b) { b.getSpan(0)->AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{10, 10, 4, 2.5}); }},
        {"a load that is not a number", [](CSteelBeam& b) { Uniform(b, 0, std::nan("")); }},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.why);
        CSteelBeam beam;
        Build(beam, {6});
        Uniform(beam, 0, 10);
        ASSERT_EQ(beam.CalBeamStruct(), 1);
        r.spoil(beam);
        EXPECT_EQ(beam.CalBeamStruct(), 0);
        const CSteelSpan& span = *beam.getSpan(0);
        ASSERT_FALSE(span.IsEmptyEnvelop());
        EXPECT_EQ(span.getPosMoment(300), 0.0);
        EXPECT_EQ(span.getNegShear(600), 0.0);
        EXPECT_EQ(span.m_dRotLeft, 0.0);
        EXPECT_EQ(beam.m_bCalculated, 0);
    }
}

TEST(BeamEnvelope, LoadsOfAnotherCaseOrOnTheEndsOfTheSpan) {
    CSteelBeam beam;
    Build(beam, {6});
    Normal(beam, 0, BEAM_LOAD_FORCE, 40, 0);  // straight into the supports
    Normal(beam, 0, BEAM_LOAD_FORCE, 40, 6);
    CSteelSpanLoad* orphan = new CSteelSpanLoad;  // a record of a case the beam does not have
    orphan->m_nComIndex = 5;
    orphan->m_DisLoadArr.Add(10);
    beam.getSpan(0)->m_SpanLoadArr.Add(orphan);
    ASSERT_EQ(beam.CalBeamStruct(), 1);
    const CSteelSpan& span = *beam.getSpan(0);
    for (int i : {0, 300, 600}) {
        EXPECT_NEAR(span.getPosMoment(i), 0, 1e-12);
        EXPECT_NEAR(span.getPosShear(i), 0, 1e-12);
        EXPECT_NEAR(span.getNegShear(i), 0, 1e-12);
    }
    EXPECT_EQ(span.m_PosMomEnv[300].m_dwComMask, 0u);
}

TEST(BeamEnvelope, CheckStruct) {
    struct Case {
        int spans, left, right, stable;
    } cases[] = {
        {0, BEAM_END_SIMPLE, BEAM_END_SIMPLE, 0}, {1, BEAM_END_SIMPLE, BEAM_END_SIMPLE, 1},
        {1, BEAM_END_FIXED, BEAM_END_FREE, 1},    {1, BEAM_END_FREE, BEAM_END_FIXED, 1},
        {1, BEAM_END_SIMPLE, BEAM_END_FREE, 0},   {1, BEAM_END_FREE, BEAM_END_FREE, 0},
        {1, BEAM_END_FIXED, BEAM_END_FIXED, 1},   {2, BEAM_END_FREE, BEAM_END_FREE, 0},
        {2, BEAM_END_SIMPLE, BEAM_END_FREE, 1},   {3, BEAM_END_FREE, BEAM_END_FREE, 1},
        {2, 3, BEAM_END_SIMPLE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spans << " spans, ends " << c.left << " " << c.right);
        CSteelBeam beam;
        beam.m_nLeftSupport = c.left;
        beam.m_nRightSupport = c.right;
        for (int s = 0; s < c.spans; ++s) beam.AddSpan(NewSpan(4));
        EXPECT_EQ(beam.CheckStruct(), c.stable);
    }
}

}  // namespace
