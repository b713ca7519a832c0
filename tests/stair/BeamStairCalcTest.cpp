// The beam stair's calculation against worked values: the example with the defaults by hand, the
// stair beam's forces of every shape and restraint against the span integrated point by point, the
// handbook's closed forms where they hold, and the design and searches.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Printers.h"
#include "stair/BeamStairParam.h"
#include "stair/StairBeamModel.h"
#include "stair/StairSlabCase.h"

namespace {

// Defaults: shape A, both ends pinned, C30 (α1·fc 14.3, ft 1.43, ftk 2.01, Ec 3.0e4), HPB235
// (fy 210, Es 2.1e5), 12 steps of 300 × 150, t 40, W 1800, stair beam 200 × 300; the platform
// lengths 0 as the input page leaves them for shape A (the span includes them whatever the shape).
CBeamStairParam DefaultStair() {
    CBeamStairParam p;
    p.l2 = p.l3 = 0;
    return p;
}

TEST(BeamStairCalc, WorkedExampleWithTheDefaults) {
    CBeamStairParam p = DefaultStair();
    p.Calculate();
    EXPECT_DOUBLE_EQ(p.l1, 3300);
    EXPECT_NEAR(p.ht, 119.721, 0.001);            // (2·40/0.894427 + 150)/2
    EXPECT_NEAR(p.m_dGk, 1.79707, 1e-5);          // 0.765 + 0.89791 + 0.13416
    EXPECT_NEAR(p.Mmax1, 785590, 1);              // p1 3.20649 (γG·gk + γQ·qk) × 1400²/8
    EXPECT_NEAR(p.Mmax2, 16.6666, 1e-4);          // p2 12.24357 × 3300²/8
    EXPECT_NEAR(p.beamVmax, 20201.9, 0.1);        // p2·L/2
    EXPECT_DOUBLE_EQ(p.MmaxL, 0);
    EXPECT_DOUBLE_EQ(p.MmaxR, 0);
    EXPECT_DOUBLE_EQ(p.Mmax4, 0);
    EXPECT_DOUBLE_EQ(p.m_dEs, 2.1e5);

    // Rectangular section 550 wide under α1·fc = 14.3: αs = 16.6666e6/(14.3·550·270²) = 0.029068,
    // ξ = 0.029504, As = 14.3·ξ·550·270/210 = 298.34, ρ 0.0020091, below ρmin 0.45·1.43/210 over L/6·h0.
    EXPECT_EQ(p.bXLSteelBig, 0);
    EXPECT_NEAR(p.XLRho, 0.0020091, 1e-7);
    EXPECT_NEAR(p.XLSteelAs, 505.607, 0.001);
    // Pinned ends: the support minimum 0.25·As①/(b3·h0) = 0.0023408 over b3·h0.
    EXPECT_NEAR(p.LXLZHZSteelAs, 126.40, 0.01);
    EXPECT_NEAR(p.RXLZHZSteelAs, 126.40, 0.01);
    // V below 0.7·ft·b3·h0 = 54054: the minimum 0.24·ft·b3/210.
    EXPECT_EQ(p.bXLJMFail, 0);
    EXPECT_NEAR(p.XLGJSteelAs, 0.326857, 1e-6);
    // Slab strip 335.41 × 87.08: As 43.39 below ρmin, so 0.0030643·bw·hs.
    EXPECT_EQ(p.bTDBSteelBig, 0);
    EXPECT_NEAR(p.TDBSteelAs, 89.50, 0.01);

    const BarScheme kMid[] = {{14, 4}, {16, 3}, {16, 4}, {18, 2}, {18, 3}, {20, 2}, {20, 3}};
    ASSERT_EQ(p.nXLSchemeNum, 7);
    for (int i = 0; i < 7; i++) {
        EXPECT_EQ(p.XLScheme[i].Dia, kMid[i].Dia) << i;
        EXPECT_EQ(p.XLScheme[i].Int, kMid[i].Int) << i;
    }
    const BarScheme kSupport[] = {{10, 2}, {10, 3}, {12, 2}};
    ASSERT_EQ(p.nLZHZSchemeNum, 3);
    ASSERT_EQ(p.nRZHZSchemeNum, 3);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(p.LZHZScheme[i].Dia, kSupport[i].Dia) << i;
        EXPECT_EQ(p.LZHZScheme[i].Int, kSupport[i].Int) << i;
    }
    const BarScheme kStirrups[] = {{6, 150}, {6, 100}, {8, 200}};
    ASSERT_EQ(p.nXLGJSchemeNum, 3);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(p.XLGJScheme[i].Dia, kStirrups[i].Dia) << i;
        EXPECT_EQ(p.XLGJScheme[i].Int, kStirrups[i].Int) << i;
    }
    ASSERT_EQ(p.nTDBSchemeNum, 10);
    EXPECT_EQ(p.TDBScheme[0].Dia, 6);
    EXPECT_EQ(p.TDBScheme[0].Int, 80);
    EXPECT_EQ(p.TDBScheme[3].Dia, 8);
    EXPECT_EQ(p.TDBScheme[3].Int, 130);
    EXPECT_EQ(p.TDBScheme[9].Dia, 10);
    EXPECT_EQ(p.TDBScheme[9].Int, 200);

    // The seven schemes are the first candidates.
    EXPECT_EQ(p.shpbar1_Dia, 14);
    EXPECT_EQ(p.shpbar1_Int, 4);
    EXPECT_EQ(p.shpbar4_Dia, 14);
    EXPECT_EQ(p.shpbar2_Dia, 10);
    EXPECT_EQ(p.shpbar2_Int, 2);
    EXPECT_EQ(p.shpbar5_Dia, 10);
    EXPECT_EQ(p.shpbar3_Dia, 6);
    EXPECT_EQ(p.shpbar3_Int, 150);
    EXPECT_EQ(p.shpbar6_Dia, 6);
    EXPECT_EQ(p.shpbar7_Int, 80);

    // 4d14: Mk 13.185, σsk 91.16, ρte 0.020525, ψ 0.4017, Bs 8.262e12, B 4.386e12, f 3.410 mm.
    EXPECT_NEAR(p.XLSteelAsReal, 615.75, 0.01);
    EXPECT_NEAR(p.XLKZHWY, 3.410, 0.002);
    EXPECT_EQ(p.bPassed, 1);
    EXPECT_EQ(p.m_bBeamCrackOK, 1);
    const BeamStairBeamCheck c = p.EvaluateBeam(13.18504, 11.65416);
    EXPECT_NEAR(c.dPsi, 0.4017, 1e-4);
    EXPECT_NEAR(c.dWmax, 0.0339, 1e-4);
}

// The stair beam integrated point by point: each load element q·dx as a point load, with the
// fixed-end moments P·a·b²/L² and P·a²·b/L², the simple beam's reactions and mid-span moment, and
// the mid-span deflection of a point load P·a·(3L² − 4a²)/48 (a from the nearer end).
struct PointSum {
    double ML = 0, MR = 0, RL = 0, RR = 0, Mmid = 0, dFB = 0;
};

PointSum Integrate(double L, const std::vector<StairBeamSegment>& segments, int nRestraint) {
    PointSum s;
    double FL = 0, FR = 0, RL0 = 0, RR0 = 0, M0 = 0, F0 = 0;
    const int nSteps = 20000;
    for (const StairBeamSegment& seg : segments) {
        const double dx = (seg.x2 - seg.x1) / nSteps;
        for (int i = 0; i < nSteps; i++) {
            const double a = seg.x1 + (i + 0.5) * dx, bb = L - a, P = seg.q * dx;
            FL -= P * a * bb * bb / (L * L);
            FR -= P * a * a * bb / (L * L);
            RL0 += P * bb / L;
            RR0 += P * a / L;
            M0 += a <= L / 2 ? P * a / 2 : P * bb / 2;
            const double e = a <= L / 2 ? a : bb;
            F0 += P * e * (3 * L * L - 4 * e * e) / 48;
        }
    }
    if (nRestraint == 1) s.MR = FR + FL / 2;
    if (nRestraint == 2) s.ML = FL + FR / 2;
    if (nRestraint == 3) {
        s.ML = FL;
        s.MR = FR;
    }
    s.RL = RL0 + (s.MR - s.ML) / L;
    s.RR = RR0 - (s.MR - s.ML) / L;
    s.Mmid = M0 + (s.ML + s.MR) / 2;
    // End moments M: a moment M at one end deflects mid-span by M·L²/16 (per B).
    s.dFB = F0 + (s.ML + s.MR) * L * L / 16;
    return s;
}

TEST(BeamStairCalc, BeamModelAgreesWithTheSpanIntegratedPointByPoint) {
    struct Case {
        double l2, l1, l3, q1, q2;
    } cases[] = {
        {0, 3300, 0, 12, 0},       {0, 2000, 900, 10, 6},     {1200, 2400, 0, 9, 7},
        {600, 2700, 1500, 11, 5},  {0, 1000, 3000, 10, 5},    {2800, 900, 300, 8, 14},
    };
    for (const Case& c : cases) {
        const double L = c.l1 + c.l2 + c.l3;
        const std::vector<StairBeamSegment> segs = {
            {0, c.l2, c.q2}, {c.l2, c.l2 + c.l1, c.q1}, {c.l2 + c.l1, L, c.q2}};
        for (int r = 0; r < 4; r++) {
            const StairBeamForces f = StairBeamSolve(L, segs.data(), 3, r);
            const PointSum s = Integrate(L, segs, r);
            const double tol = 1e-6 * c.q1 * L * L;
            EXPECT_NEAR(f.ML, s.ML, tol) << L << " r" << r;
            EXPECT_NEAR(f.MR, s.MR, tol) << L << " r" << r;
            EXPECT_NEAR(f.Mmid, s.Mmid, tol) << L << " r" << r;
            EXPECT_NEAR(f.RL, s.RL, 1e-6 * c.q1 * L) << L << " r" << r;
            EXPECT_NEAR(f.RR, s.RR, 1e-6 * c.q1 * L) << L << " r" << r;
            EXPECT_NEAR(f.dFB, s.dFB, 1e-6 * c.q1 * L * L * L * L) << L << " r" << r;
        }
    }
}

// The handbook's closed forms of the mid-span moment (N·mm), valid while mid-span lies on the flight.
double ClosedForm(int nIndex, double q1, double q2, double l1, double l2, double l3) {
    const double L = l1 + l2 + l3, a1 = l1 / L, a2 = l2 / L, a3 = l3 / L;
    const double u2 = l1 / 2 + l2, u3 = l1 / 2 + l3;
    switch (nIndex) {
    case 10: return 0.5 * q1 * l1 * l1 * (0.5 - std::pow((L / 2 - l3) / l1, 2)) + 0.25 * q2 * l3 * l3;
    case 11: return (q1 * l1 * L * (8 - 6 * a1 + a1 * a1 * a1) + q2 * (l3 * l3 * l3 / L) * (4 - a3)) / 16 - q1 * L * L / 8;
    case 12:
        return q1 * (l1 * l1 * l1 / L) * (4 - a1) / 16 - 0.5 * q1 * std::pow(L / 2 - l3, 2) +
               q2 * l3 * L * (8 - 6 * a3 + a3 * a3 * a3) / 16 - 0.5 * q2 * l1 * l3;
    case 13:
        return q1 * l1 * (0.25 * L * (2 - 2 * a1 * a1 + a1 * a1 * a1) - l1 * (6 - 8 * a1 + 3 * a1 * a1) / 12) -
               q1 * L * L / 8 - q2 * l3 * l3 * (6 - 8 * a3 + 3 * a3 * a3) / 12 +
               0.25 * q2 * l3 * L * (2 - 2 * a3 * a3 + a3 * a3 * a3) - 0.5 * q2 * l1 * l3;
    case 20: return 0.5 * q1 * l1 * l1 * (0.5 - std::pow((L / 2 - l2) / l1, 2)) + 0.25 * q2 * l2 * l2;
    case 22: return (q1 * l1 * L * (8 - 6 * a1 + a1 * a1 * a1) + q2 * (l2 * l2 * l2 / L) * (4 - a2)) / 16 - q1 * L * L / 8;
    case 30: return q1 * l1 * (l1 / 4 + l3 / 2 - std::pow(L / 2 - l2, 2) / (2 * l1)) + 0.25 * q2 * (l2 * l2 + l3 * l3);
    case 31:
        return q1 * l1 * (12 * L * u3 * u3 - 4 * u3 * u3 * u3 + l1 * l1 * u2) / (16 * L * L) -
               0.5 * q1 * std::pow(L / 2 - l2, 2) + q2 * l2 * L * (8 - 6 * a2 + a2 * a2 * a2) / 16 -
               0.5 * q2 * (l1 + l3) * l2 + q2 * (l3 * l3 * l3 / L) * (4 - a3) / 16;
    case 33:
        return q1 * l1 * (12 * L * u3 * u3 - 8 * u3 * u3 * u3 + l1 * l1 * L - 2 * l1 * l1 * u3) / (8 * L * L) -
               q1 * l1 * (12 * u2 * u3 * u3 - 3 * l1 * l1 * u3 + l1 * l1 * L) / (12 * L * L) -
               0.5 * q1 * std::pow(L / 2 - l2, 2) - q2 * l2 * l2 * (6 - 8 * a2 + 3 * a2 * a2) / 12 +
               0.25 * q2 * l2 * L * (2 - 2 * a2 * a2 + a2 * a2 * a2) - 0.5 * q2 * (l1 + l3) * l2 -
               q2 * l3 * l3 * (6 - 8 * a3 + 3 * a3 * a3) / 12 + 0.25 * q2 * l3 * L * (2 - 2 * a3 * a3 + a3 * a3 * a3) -
               0.5 * q2 * (l1 + l2) * l3;
    }
    return 0;
}

CBeamStairParam Stair(int nShape, int nRestraint, int nSteps, double l2, double l3) {
    CBeamStairParam p;
    p.nStairType = nShape;
    p.nRestrictionType = nRestraint;
    p.nSteps = nSteps;
    p.l1 = (nSteps - 1) * p.b;
    p.l2 = l2;
    p.l3 = l3;
    return p;
}

TEST(BeamStairCalc, MidMomentMatchesTheHandbookWhileMidSpanIsOnTheFlight) {
    struct Case {
        int shape, restraint, steps;
        double l2, l3;
    } cases[] = {
        {1, 0, 10, 0, 900},   {1, 1, 10, 0, 900},   {1, 2, 12, 0, 1500},  {1, 3, 8, 0, 600},
        {2, 0, 10, 900, 0},   {2, 2, 12, 1500, 0},  {3, 0, 9, 700, 1100}, {3, 1, 11, 500, 1400},
        {3, 3, 9, 1200, 800},
    };
    for (const Case& c : cases) {
        const CBeamStairParam p = Stair(c.shape, c.restraint, c.steps, c.l2, c.l3);
        const double expected = ClosedForm(10 * c.shape + c.restraint, 11, 7, p.l1, c.l2, c.l3) * 1e-6;
        EXPECT_NEAR(p.CalMidMoment(11, 7), expected, 1e-9 * std::fabs(expected) + 1e-9)
            << c.shape << c.restraint;
    }
}

TEST(BeamStairCalc, MidMomentWithAPlatformOverMidSpanIsTheBeamsMoment) {
    // Shape B pinned, flight 1000 (4 steps of 333.3…), platform 3000, q1 10, q2 5: RL = (10·1000·3500 +
    // 5·3000·1500)/4000 = 14375 N; M(2000) = 14375·2000 − 10·1000·1500 − 5·1000·500 = 11.25 kN·m.
    // (The handbook's form would give 8.75.)
    CBeamStairParam p = Stair(1, 0, 4, 0, 3000);
    p.b = 1000.0 / 3;
    p.l1 = 1000;
    EXPECT_NEAR(p.CalMidMoment(10, 5), 11.25, 1e-9);
}

TEST(BeamStairCalc, ShapeAKeepsTheHandbookCoefficients) {
    const double q = 12, L = 3300;
    struct Case {
        int restraint;
        double mid, ML, MR, V, defl;
    } cases[] = {
        {0, q * L * L / 8, 0, 0, q * L / 2, 5 * q * std::pow(L, 4) / 384},
        {1, 9 * q * L * L / 128, 0, -q * L * L / 8, 5 * q * L / 8, 0.00542 * q * std::pow(L, 4)},
        {2, 9 * q * L * L / 128, -q * L * L / 8, 0, 5 * q * L / 8, 0.00542 * q * std::pow(L, 4)},
        {3, q * L * L / 24, -q * L * L / 12, -q * L * L / 12, q * L / 2, q * std::pow(L, 4) / 384},
    };
    for (const Case& c : cases) {
        const CBeamStairParam p = Stair(0, c.restraint, 12, 0, 0);
        const StairBeamForces f = p.BeamForces(q, 99);
        EXPECT_NEAR(f.Mmid, c.mid, 1e-6) << c.restraint;
        EXPECT_NEAR(f.ML, c.ML, 1e-6) << c.restraint;
        EXPECT_NEAR(f.MR, c.MR, 1e-6) << c.restraint;
        EXPECT_NEAR(std::max(f.RL, f.RR), c.V, 1e-9) << c.restraint;
        EXPECT_NEAR(f.dFB, c.defl, 1e-3 * c.defl) << c.restraint;
    }
    // Out-of-range shape or restraint: no moment.
    CBeamStairParam p = Stair(4, 0, 12, 0, 0);
    EXPECT_EQ(p.CalMidMoment(10, 10), 0);
    p = Stair(1, 4, 12, 0, 500);
    EXPECT_EQ(p.CalMidMoment(10, 10), 0);
}

TEST(BeamStairCalc, ForcesOfAllShapesFollowTheRestraint) {
    // Shape D both fixed with equal platforms: equal end moments.
    CBeamStairParam d = Stair(3, 3, 12, 800, 800);
    d.Calculate();
    EXPECT_NEAR(d.MmaxL, d.MmaxR, 1e-6 * std::fabs(d.MmaxL));
    EXPECT_LT(d.MmaxL, 0);
    // Shape C with l2 = x mirrors shape B with l3 = x: the same deflection, the end moments swapped.
    CBeamStairParam c = Stair(2, 2, 12, 1100, 0), b = Stair(1, 1, 12, 0, 1100);
    c.Calculate();
    b.Calculate();
    EXPECT_NEAR(c.XLKZHWY, b.XLKZHWY, 1e-9);
    EXPECT_NEAR(c.MmaxL, b.MmaxR, 1e-6);
    EXPECT_DOUBLE_EQ(c.MmaxR, 0);
    EXPECT_NEAR(c.beamVmax, b.beamVmax, 1e-6);
    // A quasi-permanent load takes half the variable load whatever ψq holds.
    CBeamStairParam q1 = Stair(3, 0, 12, 500, 500), q2 = q1;
    q2.m_dWq = 0.9;
    q1.Calculate();
    q2.Calculate();
    EXPECT_DOUBLE_EQ(q1.XLKZHWY, q2.XLKZHWY);
}

// Shape D, both ends fixed, HRB335 over C25: the flanged mid-span section and the support bars.
TEST(BeamStairCalc, FixedStairBeamDesign) {
    CBeamStairParam p = Stair(3, 3, 12, 800, 800);
    p.strSteelLevel = "HRB335";
    p.strConcreteLevel = "C25";
    p.lv = 3.5;
    p.Calculate();
    // Mid-span and supports from the beam's moments by GB 50010 (α1·fc 11.9, fy 300, h0 270).
    const double a1fc = 11.9, fy = 300, h0 = 270, L = 4900, bf = L / 6;
    const double M = p.Mmax2 * 1e6;
    ASSERT_GE(a1fc * bf * 40 * (h0 - 20), M);  // the flange takes the moment: rectangle bf wide
    const double as = M / (a1fc * bf * h0 * h0);
    const double As = a1fc * (1 - std::sqrt(1 - 2 * as)) * bf * h0 / fy;
    const double rhoMin = std::max(0.002, 0.45 * 1.27 / fy);
    EXPECT_NEAR(p.XLSteelAs, As / (bf * h0) >= rhoMin ? As : rhoMin * 300 * bf, 1e-6);
    const double asL = std::fabs(p.MmaxL) / (a1fc * 200 * h0 * h0);
    const double AsL = (1 - std::sqrt(1 - 2 * asL)) * 200 * h0 * a1fc / fy;
    const double rhoMinS = std::max(0.002, 0.25 * p.XLSteelAs / (200 * h0));
    EXPECT_NEAR(p.LXLZHZSteelAs, AsL / (200 * h0) < rhoMinS ? rhoMinS * 200 * h0 : AsL, 1e-6);
    EXPECT_EQ(p.bZHZLBig, 0);
    // HRB335 candidates start at 12 mm.
    ASSERT_GT(p.nLZHZSchemeNum, 0);
    EXPECT_GE(p.LZHZScheme[0].Dia, 12);
}

TEST(BeamStairCalc, SectionAndBarLimits) {
    // 200 mm web, 20 mm bars: three bars at most (175/45), the second limit allowing four (170/40).
    CBeamStairParam p = DefaultStair();
    p.XLSteelAs = 900;
    p.MakeMidSchemes();
    for (int i = 0; i < p.nXLSchemeNum; i++) {
        if (p.XLScheme[i].Dia == 20) {
            EXPECT_LE(p.XLScheme[i].Int, 3);
        }
    }
    // h3 below 300 lets HPB235 start at 8 mm.
    p.h3 = 280;
    p.XLSteelAs = 100;
    p.MakeMidSchemes();
    ASSERT_GT(p.nXLSchemeNum, 0);
    EXPECT_EQ(p.XLScheme[0].Dia, 8);
    // Shear: hw/b3 = 4 exactly gives 0.25·βc·fc·b3·h0, 6 gives 0.2 through the interpolation; a
    // shear equal to the limit passes, one above it fails.
    struct Case {
        double h3, factor;
    } cases[] = {{870, 0.25}, {1270, 0.2}};  // h0 − t = 800 and 1200 over b3 200
    for (const Case& c : cases) {
        CBeamStairParam s;
        s.h3 = c.h3;
        const double Vlimit = c.factor * 14.3 * 200 * (c.h3 - 30);
        s.beamVmax = Vlimit;
        s.CalShearSteel();
        EXPECT_EQ(s.bXLJMFail, 0) << c.h3;
        EXPECT_GT(s.XLGJSteelAs, 0) << c.h3;
        s.beamVmax = Vlimit * 1.001;
        s.CalShearSteel();
        EXPECT_EQ(s.bXLJMFail, 1) << c.h3;
        EXPECT_EQ(s.XLGJSteelAs, 0) << c.h3;
    }
    // Vc equal to V gives the minimum stirrups.
    CBeamStairParam v;
    v.beamVmax = 0.7 * 1.43 * 200 * 270;
    v.CalShearSteel();
    EXPECT_NEAR(v.XLGJSteelAs, 0.24 * 1.43 * 200 / 210, 1e-12);
}

// αs,max = ξb·(1 − 0.5·ξb) with ξb = β1/(1 + fy/(Es·εcu)): over C30 0.42548 for HPB235, 0.39875 for
// HRB335, 0.38367 for HRB400; over C80 (β1 0.74, εcu 0.003) 0.35555 for HRB400.
TEST(BeamStairCalc, LimitOfTheSectionFollowsTheGrades) {
    CBeamStairParam p;
    EXPECT_NEAR(p.AlphaSMax("HPB235"), 0.425484, 1e-6);
    EXPECT_NEAR(p.AlphaSMax("HRB335"), 0.39875, 1e-9);
    EXPECT_NEAR(p.AlphaSMax("HRB400"), 0.383668, 1e-6);
    p.strConcreteLevel = "C80";
    EXPECT_NEAR(p.AlphaSMax("HRB400"), 0.355547, 1e-6);

    // The defaults' flanged mid-span section (bf' 550, o 350, t 40, h0 270, α1·fc 14.3) at αs = 0.39:
    // M = 14.3·350·40·250 + 0.39·14.3·200·270² = 131.36 kN·m, over-reinforced with HRB400 only.
    const struct {
        const char* grade;
        int big;
    } kCases[] = {{"HRB335", 0}, {"HRB400", 1}, {"RRB400", 1}, {"HPB235", 0}};
    for (const auto& c : kCases) {
        CBeamStairParam s = DefaultStair();
        s.strSteelLevel = c.grade;
        s.l1 = 3300;
        s.Mmax2 = 131.362;
        s.CalMidSteel();
        EXPECT_EQ(s.bXLSteelBig, c.big) << c.grade;
    }
}

TEST(BeamStairCalc, OverReinforcementLeavesEmptySchemesThatFailWithoutDividing) {
    // A stair beam far too small for a long heavy flight.
    CBeamStairParam p = Stair(3, 0, 40, 3000, 3000);
    p.h3 = 150;
    p.t = 40;
    p.lv = 50;
    p.Calculate();
    EXPECT_EQ(p.bXLSteelBig, 1);
    EXPECT_EQ(p.XLSteelAs, 0);
    EXPECT_EQ(p.nXLSchemeNum, 0);
    EXPECT_EQ(p.shpbar1_Dia, 0);
    EXPECT_EQ(p.XLSteelAsReal, 0);
    EXPECT_EQ(p.bPassed, 0);
    EXPECT_EQ(p.m_bBeamCrackOK, 0);
    EXPECT_TRUE(std::isfinite(p.XLKZHWY));
}

// The slab strip of the defaults, one tread strip throughout, with d6@80: bw 335.41, hs 87.08,
// h0 62.08; gk 1.79707 + qk 2.5·0.3 = 0.75 kN/m over 1.4 m gives Mk 0.62403, Mq 0.53216 kN·m;
// As 118.54, σsk 97.464, Ate 0.5·335.41·87.08 = 14604, ρte 0.8117 % (1 % for the crack width),
// ψ −0.2405 → 0.2 for both checks, deq 8 (plain bars), Es 2.1e5: ωmax 0.019883 mm; deflection αE 7, ρ 0.5693 %, Bs 143.396, B 77.395 kN·m², f 1.6462 mm against 1400/200.
TEST(BeamStairCalc, SlabStripChecksOfTheDefaults) {
    CBeamStairParam p = DefaultStair();
    p.Calculate();
    const StairSlabCheck c = StairSlabEvaluate(p.GetSlabCase());
    EXPECT_NEAR(c.dAreaS, 118.544, 0.001);
    EXPECT_NEAR(c.dMk, 0.624033, 1e-6);
    EXPECT_NEAR(c.dMq, 0.532158, 1e-6);
    EXPECT_NEAR(c.dSigmaSk, 97.464, 0.001);
    EXPECT_NEAR(c.dAte, 14604.1, 0.1);
    EXPECT_NEAR(c.dRhoTe, 0.008117, 1e-6);
    EXPECT_NEAR(c.dPsiRaw, -0.2405, 1e-4);
    EXPECT_NEAR(c.dPsi, 0.2, 1e-12);
    EXPECT_EQ(c.nDeq, 8);
    EXPECT_NEAR(c.dWmax, 0.019883, 1e-6);
    EXPECT_NEAR(c.dRho, 0.005693, 1e-6);
    EXPECT_NEAR(c.dBs, 143.396, 0.001);
    EXPECT_NEAR(c.dBl, 77.395, 0.001);
    EXPECT_NEAR(c.dFmax, 1.6462, 1e-4);
    EXPECT_NEAR(c.dF0, 7.0, 1e-12);
    EXPECT_EQ(p.m_bCrackOK, 1);
    EXPECT_EQ(p.m_bFlexOK, 1);
    EXPECT_NEAR(p.m_dL0, 1.4, 1e-12);
}

TEST(BeamStairCalc, ChosenSchemesSurviveACalculation) {
    CBeamStairParam p = DefaultStair();
    p.Calculate();
    p.bSchemeChosen = 1;
    p.shpbar1_Dia = 16;
    p.shpbar1_Int = 4;
    p.shpbar6_Dia = 8;
    p.shpbar6_Int = 150;
    p.Calculate();
    EXPECT_EQ(p.shpbar1_Dia, 16);
    EXPECT_EQ(p.shpbar1_Int, 4);
    EXPECT_EQ(p.shpbar6_Dia, 8);
    EXPECT_EQ(p.shpbar6_Int, 150);
    EXPECT_NEAR(p.XLSteelAsReal, M_PI * 64 * 4, 1e-9);
    // Without the flag the first candidates come back.
    p.bSchemeChosen = 0;
    p.Calculate();
    EXPECT_EQ(p.shpbar1_Dia, 14);
}

}  // namespace
