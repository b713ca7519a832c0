// Crack width and deflection of a continuous-beam span against hand values and textbook closed
// forms (C30: ftk 2.01, Ec 3.0e4; HRB335: Es 2.0e5; as 35, so h0 = h − 35).
#include <gtest/gtest.h>

#include <cmath>

#include "Printers.h"
#include "beam/ContinuousBeam.h"
#include "beam/TransformCal.h"
#include "sibling/BeamRecords.h"

namespace {

class TransformCalTest : public testing::Test {
protected:
    TransformCalTest() {
        m_beam.m_strMainReinLv = "HRB335";
        CSteelSpan* pSpan = new CSteelSpan;
        pSpan->m_dSpanLen = 6;
        pSpan->m_dSecWidth = 300;
        pSpan->m_dSecHeight = 500;
        m_beam.AddSpan(pSpan);
        m_beam.SetCurrentCom(0);
        m_pSpan = pSpan;
    }

    CContinuousBeam m_beam;
    CSteelSpan* m_pSpan;
};

// 300 × 500, 3 of 20 mm (942.48 mm²), M = 100 kN·m, deq 20, c 25: h0 = 465, σsk = 262.27,
// ρte = 0.01257, ψ = 0.704, w = 2.1 ψ σsk/Es (1.9 c + 0.08 deq/ρte) = 0.339 mm, Bs = 3.19e13;
// without compression bars θ = 2, with As′ = As θ = 1.6 and with As′ = As/2 θ = 1.8: B = Bs/θ.
TEST_F(TransformCalTest, CrackAndStiffnessOfAWorkedSection) {
    const double As = 3 * M_PI * 100;
    CTransformCal cal(m_pSpan, 300, 500, -100, As, 0, &m_beam);
    const double sigma = 100e6 / (0.87 * 465 * As);
    const double rhoTe = As / (0.5 * 300 * 500);
    const double psi = 1.1 - 0.65 * 2.01 / (rhoTe * sigma);
    EXPECT_NEAR(sigma, cal.m_dSigmaSk, 1e-9);
    EXPECT_NEAR(262.27, cal.m_dSigmaSk, 0.005);
    EXPECT_NEAR(psi, cal.m_dPsi, 1e-12);
    EXPECT_NEAR(0.704, cal.m_dPsi, 0.0005);
    EXPECT_NEAR(2.1 * psi * sigma / 2e5 * (1.9 * 25 + 0.08 * 20 / rhoTe), cal.CalcCrackWidth(20, 25), 1e-12);
    EXPECT_NEAR(0.339, cal.CalcCrackWidth(20, 25), 0.0005);
    const double alphaRho = 2e5 / 3e4 * As / (300 * 465);
    EXPECT_NEAR(2e5 * As * 465 * 465 / (1.15 * psi + 0.2 + 6 * alphaRho), cal.m_dBs, 1);
    EXPECT_NEAR(3.19e13, cal.m_dBs, 0.005e13);
    const struct {
        double dAsPrime, dTheta;
    } thetas[] = {{0, 2.0}, {As / 2, 1.8}, {As, 1.6}, {2 * As, 1.6}};
    for (const auto& t : thetas) {
        CTransformCal withCompression(m_pSpan, 300, 500, -100, As, t.dAsPrime, &m_beam);
        EXPECT_NEAR(t.dTheta, withCompression.m_dTheta, 1e-12);
        EXPECT_NEAR(withCompression.m_dBs / t.dTheta, withCompression.m_dB, 1e-3);
    }
}

// The cover in the crack width is held within 20 … 65 mm.
TEST_F(TransformCalTest, CoverLimitsOfTheCrackWidth) {
    const double As = 3 * M_PI * 100;
    const CTransformCal cal(m_pSpan, 300, 500, 100, As, 0, &m_beam);
    const struct {
        double c, dTaken;
    } cases[] = {{10, 20}, {20, 20}, {40, 40}, {65, 65}, {80, 65}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.c);
        EXPECT_NEAR(cal.CalcCrackWidth(20, c.dTaken), cal.CalcCrackWidth(20, c.c), 1e-15);
    }
    EXPECT_LT(cal.CalcCrackWidth(20, 40), cal.CalcCrackWidth(20, 41));
}

TEST_F(TransformCalTest, LimitsOfTheStrainCoefficient) {
    // As/(0.5 b h) = 0.004: ρte 0.01 in ψ and in w.
    const double As = 0.004 * 0.5 * 300 * 500;
    CTransformCal light(m_pSpan, 300, 500, 40, As, 0, &m_beam);
    EXPECT_EQ(0.01, light.m_dRhoTe);
    const double sigma = 40e6 / (0.87 * 465 * As);
    const double psi = 1.1 - 0.65 * 2.01 / (0.01 * sigma);  // 0.704 with σsk = 329.6
    EXPECT_NEAR(psi, light.m_dPsi, 1e-12);
    EXPECT_NEAR(2.1 * psi * sigma / 2e5 * (1.9 * 27 + 0.08 * 16 / 0.01), light.CalcCrackWidth(16, 27), 1e-12);
    // A large moment on little steel: ψ at its upper limit 1.0.
    CTransformCal heavy(m_pSpan, 300, 500, 400, As, 0, &m_beam);
    EXPECT_EQ(1.0, heavy.m_dPsi);
    // No moment: no stress, ψ at its lower limit, no crack.
    CTransformCal none(m_pSpan, 300, 500, 0, 942.48, 0, &m_beam);
    EXPECT_EQ(0, none.m_dSigmaSk);
    EXPECT_EQ(0.2, none.m_dPsi);
    EXPECT_EQ(0, none.CalcCrackWidth(20, 25));
}

// Each load alone on a 6 m span with zero end rotations, f·B (kN·m³) by mode.
TEST_F(TransformCalTest, DeflectionOfEachLoad) {
    const double L = 6, L3 = L * L * L, L4 = L3 * L;
    struct Case {
        const char* pszName;
        int nMode;
        void (*add)(CSteelSpan&);
        double dfB;
    } cases[] = {
        {"uniform, fixed ends", DEFLECT_MID_SPAN, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0); }, 10 * L4 / 384},
        {"uniform, cantilever", DEFLECT_FREE_RIGHT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0); }, 10 * L4 / 8},
        {"force at mid-span", DEFLECT_MID_SPAN, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{20, 3}); }, 20 * L3 / 192},
        {"force at the free end", DEFLECT_FREE_LEFT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{20, 0}); }, 20 * L3 / 3},
        // A trapezoid rising over L/2 is the triangle; over 0 the uniform load.
        {"trapezoid as triangle", DEFLECT_MID_SPAN, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_TRAPEZOID, NormalLoad{10, 3}); }, 7 * 10 * L4 / 3840},
        {"trapezoid as triangle, cantilever", DEFLECT_FREE_LEFT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_TRAPEZOID, NormalLoad{10, 3}); }, 11 * 10 * L4 / 192},
        {"trapezoid as uniform", DEFLECT_FREE_RIGHT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_TRAPEZOID, NormalLoad{10, 0}); }, 10 * L4 / 8},
        // A clockwise end moment M0 on a cantilever: M0 L²/2, up at a free left end, down at a free right one.
        {"end moment, free left", DEFLECT_FREE_LEFT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_MOMENT, NormalLoad{5, 0}); }, -5 * L * L / 2},
        {"end moment, free right", DEFLECT_FREE_RIGHT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_MOMENT, NormalLoad{5, 6}); }, 5 * L * L / 2},
        // Linear loads: 0 at the left end rising to q at the right over the whole span: 11 q L⁴/120
        // at a free right end, q L⁴/30 at a free left one, q L⁴/768 at mid-span between fixed ends.
        {"linear to the free end", DEFLECT_FREE_RIGHT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{0, 10, 0, 6}); }, 11 * 10 * L4 / 120},
        {"linear from the free end", DEFLECT_FREE_LEFT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{0, 10, 0, 6}); }, 10 * L4 / 30},
        {"linear, fixed ends", DEFLECT_MID_SPAN, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{0, 10, 0, 6}); }, 10 * L4 / 768},
        // q 0 → 1 over a = 1, c = 2 on a 6 m cantilever: ∫ (x − 1)/2 · x²(18 − x)/6 dx from 1 to 3.
        {"partial, free right", DEFLECT_FREE_RIGHT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{0, 1, 1, 2}); }, 14.633333333333},
        {"partial, free left", DEFLECT_FREE_LEFT, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{0, 1, 1, 2}); }, 32.366666666667},
        // A uniform partial load across mid-span, between fixed ends: q over 2..4 m,
        // 2 ∫ x²(18 − 4x)/48 dx from 2 to 3 = 49/24 per unit q.
        {"uniform partial, fixed ends", DEFLECT_MID_SPAN, [](CSteelSpan& s) { s.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{4, 4, 2, 2}); }, 4 * 49.0 / 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_pSpan->Reset();
        m_pSpan->m_dSpanLen = L;
        m_pSpan->m_dSecWidth = 300;
        m_pSpan->m_dSecHeight = 500;
        m_beam.SetCurrentCom(0);
        c.add(*m_pSpan);
        CTransformCal cal(m_pSpan, 300, 500, 100, 942.48, 0, &m_beam);
        const double B = cal.m_dB * 1e-9;
        EXPECT_NEAR(c.dfB / B, cal.CalcDeflection(c.nMode), 1e-9 * std::fabs(c.dfB / B) + 1e-15);
    }
}

// Every case counts once with factor 1; a case without a record adds nothing; the current case
// is 0 afterwards.
TEST_F(TransformCalTest, CasesAddUpAndTheCurrentCaseIsReset) {
    m_beam.AddComStyle(BEAM_CASE_LIVE);
    m_beam.AddComStyle(BEAM_CASE_LIVE);
    m_beam.SetCurrentCom(0);
    m_pSpan->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    m_beam.SetCurrentCom(2);
    m_pSpan->AddSpanLoad(BEAM_LOAD_UNIFORM, 5.0);
    CTransformCal cal(m_pSpan, 300, 500, 100, 942.48, 0, &m_beam);
    const double f = cal.CalcDeflection(DEFLECT_MID_SPAN);
    EXPECT_NEAR(15 * 1296.0 / 384 / (cal.m_dB * 1e-9), f, 1e-12);
    EXPECT_EQ(0, m_beam.GetCurrentCom());
}

// A span whose bars are unset (no scheme fitted) keeps no serviceability figures.
TEST_F(TransformCalTest, UnsetBarsGiveNoResult) {
    m_pSpan->AddSpanLoad(BEAM_LOAD_UNIFORM, 20.0);
    ASSERT_EQ(1, m_beam.Calculate());
    SectionResult& mid = m_beam.m_ResultArr[1];
    EXPECT_GT(mid.Deform, 0);
    EXPECT_GT(mid.Crack, 0);
    mid.m_bInitBotBar = 0;
    EXPECT_FALSE(m_beam.HasServiceBars(1));
    EXPECT_EQ(0, m_beam.CalcSpanDeflection(0));
    EXPECT_EQ(0, m_beam.CalcRecordCrack(1));
    EXPECT_EQ(0, mid.Deform);
    EXPECT_EQ(0, mid.Crack);
}

}  // namespace
