// The analysis against the closed forms of beam theory, each worked by hand (EI = 3·10⁴ kN·m²,
// q = 10 kN/m, one dead case at factor 1 unless a case says otherwise). With one dead case the
// sagging envelope is max(M, 0) and the hogging one min(M, 0), and likewise for the shear.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "BeamBuilder.h"

namespace {

using namespace beamtest;

// Envelope values at the point nearest to x of a span.
struct Section {
    int span;
    double x;
    double posMoment, negMoment, posShear, negShear;
};

// A section where moment and shear are single values.
Section At(int span, double x, double moment, double shear) {
    return {span, x, std::fmax(moment, 0.0), std::fmin(moment, 0.0), std::fmax(shear, 0.0), std::fmin(shear, 0.0)};
}

struct Rotation {
    int span;
    double left, right;  // micro-radians
};

struct ClosedForm {
    const char* name;
    std::function<void(CSteelBeam&)> build;
    std::vector<Section> sections;
    std::vector<Rotation> rotations;
};

int PointOf(const CSteelSpan& span, double x) { return static_cast<int>(std::lround(x / span.m_dSpanLen * 600)); }

TEST(BeamAnalysis, ClosedForms) {
    const double q = 10, L = 6, qL2 = q * L * L;
    const ClosedForm cases[] = {
        {"simple span, uniform: qL^2/8, qL/2, qL^3/24EI",
         [&](CSteelBeam& b) { Build(b, {L}); Uniform(b, 0, q); },
         {At(0, 0, 0, 30), At(0, L / 2, qL2 / 8, 0), At(0, L, 0, -30)},
         {{0, 3000, 3000}}},
        {"fixed both ends, uniform: -qL^2/12 and qL^2/24",
         [&](CSteelBeam& b) { Build(b, {L}, BEAM_END_FIXED, BEAM_END_FIXED); Uniform(b, 0, q); },
         {At(0, 0, -qL2 / 12, 30), At(0, L / 2, qL2 / 24, 0), At(0, L, -qL2 / 12, -30)},
         {{0, 0, 0}}},
        {"propped cantilever, uniform: -qL^2/8, 9qL^2/128 at 5L/8, 5qL/8 and 3qL/8, qL^3/48EI",
         [&](CSteelBeam& b) { Build(b, {L}, BEAM_END_FIXED, BEAM_END_SIMPLE); Uniform(b, 0, q); },
         {At(0, 0, -qL2 / 8, 37.5), At(0, 5 * L / 8, 9 * qL2 / 128, 0), At(0, L, 0, -22.5)},
         {{0, 0, 1500}}},
        {"cantilever fixed on the left, uniform: -qL^2/2, qL, tip turning qL^3/6EI",
         [&](CSteelBeam& b) { Build(b, {L}, BEAM_END_FIXED, BEAM_END_FREE); Uniform(b, 0, q); },
         {At(0, 0, -qL2 / 2, 60), At(0, L / 2, -qL2 / 8, 30), At(0, L, 0, 0)},
         {{0, 0, -12000}}},
        {"cantilever fixed on the right, uniform",
         [&](CSteelBeam& b) { Build(b, {L}, BEAM_END_FREE, BEAM_END_FIXED); Uniform(b, 0, q); },
         {At(0, 0, 0, 0), At(0, L / 2, -qL2 / 8, -30), At(0, L, -qL2 / 2, -60)},
         {{0, -12000, 0}}},
        {"two equal spans, uniform: -qL^2/8, 9qL^2/128 at 3L/8, reactions 3/8, 10/8, 3/8 qL",
         [&](CSteelBeam& b) { Build(b, {L, L}); Uniform(b, 0, q); Uniform(b, 1, q); },
         {At(0, 0, 0, 22.5), At(0, 3 * L / 8, 9 * qL2 / 128, 0), At(0, L, -qL2 / 8, -37.5), At(1, 0, -qL2 / 8, 37.5),
          At(1, 5 * L / 8, 9 * qL2 / 128, 0), At(1, L, 0, -22.5)},
         {{0, 1500, 0}, {1, 0, 1500}}},
        {"force P 40 at a 2.4: Pab/L, Pb/L and -Pa/L on the two sides of the load",
         [&](CSteelBeam& b) { Build(b, {L}); Normal(b, 0, BEAM_LOAD_FORCE, 40, 2.4); },
         {At(0, 0, 0, 24), At(0, 1.2, 28.8, 24), {0, 2.4, 57.6, 0, 24, -16}, At(0, 4.8, 19.2, -16)},
         {{0, 3072, 2688}}},
        {"clockwise moment 30 at 2.4: -Ca/L left of it, C(1 - a/L) right of it, shear -C/L",
         [&](CSteelBeam& b) { Build(b, {L}); Normal(b, 0, BEAM_LOAD_MOMENT, 30, 2.4); },
         {At(0, 0, 0, -5), At(0, 1.2, -6, -5), {0, 2.4, 18, -12, 0, -5}, At(0, 4.8, 6, -5), At(0, L, 0, -5)},
         {{0, 80, 520}}},
        {"triangle q 10: qL^2/12, qL/4, 5qL^3/192EI",
         [&](CSteelBeam& b) { Build(b, {L}); b.getSpan(0)->AddSpanLoad(BEAM_LOAD_TRIANGLE, q); },
         {At(0, 0, 0, 15), At(0, 1.5, 20.625, 11.25), At(0, L / 2, qL2 / 12, 0), At(0, L, 0, -15)},
         {{0, 1875, 1875}}},
        {"trapezoid q 10, a 1.5: qL^2/8 - qa^2/6, q(L - a)/2, q(L^3 - 2a^2L + a^3)/24EI",
         [&](CSteelBeam& b) { Build(b, {L}); Normal(b, 0, BEAM_LOAD_TRAPEZOID, q, 1.5); },
         {At(0, 0, 0, 22.5), At(0, 1.5, 30, 15), At(0, L / 2, 41.25, 0), At(0, L, 0, -22.5)},
         {{0, 2671.875, 2671.875}}},
        {"linear partial 10 to 20 kN/m over 1 .. 4: reactions 25 and 20",
         [&](CSteelBeam& b) { Build(b, {L}); b.getSpan(0)->AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{10, 20, 1, 3}); },
         {At(0, 0, 0, 25), At(0, 1, 25, 25), At(0, 2.5, 49.375, 6.25), At(0, 4, 40, -20), At(0, L, 0, -20)},
         {{0, 3150, 2975}}},
        {"trapezoid with a = 0 is the uniform load",
         [&](CSteelBeam& b) { Build(b, {L}); Normal(b, 0, BEAM_LOAD_TRAPEZOID, q, 0); },
         {At(0, 0, 0, 30), At(0, L / 2, qL2 / 8, 0), At(0, L, 0, -30)},
         {{0, 3000, 3000}}},
        {"trapezoid with a = L/2 is the triangle",
         [&](CSteelBeam& b) { Build(b, {L}); Normal(b, 0, BEAM_LOAD_TRAPEZOID, q, L / 2); },
         {At(0, 1.5, 20.625, 11.25), At(0, L / 2, qL2 / 12, 0)},
         {{0, 1875, 1875}}},
        {"mixed supports and EI: fixed 4 m span of I, simple 6 m span of 2I",
         [&](CSteelBeam& b) {
             Build(b, {4, 6}, BEAM_END_FIXED, BEAM_END_SIMPLE);
             b.getSpan(1)->m_dSectIx0 = 2.0e-3;
             Uniform(b, 0, q);
             Uniform(b, 1, q);
         },
         {At(0, 0, -65.0 / 12, 14.0625), At(0, 4, -175.0 / 6, 14.0625 - 40),
          At(1, 0, -175.0 / 6, 30 + 175.0 / 36), At(1, 6, 0, -30 + 175.0 / 36)},
         {{0, 0, -95.0 / 6 / kEI * 1e6}, {1, 95.0 / 6 / kEI * 1e6, 365.0 / 12 / kEI * 1e6}}},
        {"cantilever on the left of a simple span, 10 kN at its tip",
         [&](CSteelBeam& b) {
             Build(b, {2, 6}, BEAM_END_FREE, BEAM_END_SIMPLE);
             Normal(b, 0, BEAM_LOAD_FORCE, 10, 0);
         },
         {At(0, 0, 0, -10), At(0, 2, -20, -10), At(1, 0, -20, 20.0 / 6), At(1, 3, -10, 20.0 / 6), At(1, 6, 0, 20.0 / 6)},
         // the support turns by M·L/3EI; the tip by 10·2²/2EI more
         {{0, -2000, 4000.0 / 3}, {1, -4000.0 / 3, -2000.0 / 3}}},
    };
    for (const ClosedForm& c : cases) {
        SCOPED_TRACE(c.name);
        CSteelBeam beam;
        c.build(beam);
        ASSERT_EQ(beam.CalBeamStruct(), 1);
        for (const Section& s : c.sections) {
            SCOPED_TRACE(testing::Message() << "span " << s.span << " at x = " << s.x);
            const CSteelSpan& span = *beam.getSpan(s.span);
            const int i = PointOf(span, s.x);
            EXPECT_NEAR(span.getPosMoment(i), s.posMoment, 1e-9);
            EXPECT_NEAR(span.getNegMoment(i), s.negMoment, 1e-9);
            EXPECT_NEAR(span.getPosShear(i), s.posShear, 1e-9);
            EXPECT_NEAR(span.getNegShear(i), s.negShear, 1e-9);
        }
        for (const Rotation& r : c.rotations) {
            SCOPED_TRACE(testing::Message() << "rotations of span " << r.span);
            EXPECT_NEAR(beam.getSpan(r.span)->m_dRotLeft, r.left, 1e-6);
            EXPECT_NEAR(beam.getSpan(r.span)->m_dRotRight, r.right, 1e-6);
        }
    }
}

}  // namespace
