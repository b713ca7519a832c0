// The capacities of the anchor types, against values worked by hand from the formulas (the pages'
// worked examples and GB 50010-2002 formula 10.9.1) and the guards that keep a result shown finite
// and not negative.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "embed/EmbedAngleAnchorCalc.h"
#include "embed/EmbedBentAnchorCalc.h"
#include "embed/EmbedEndPlateCalc.h"
#include "embed/EmbedLiftingRing.h"
#include "embed/EmbedShearKeyCalc.h"
#include "embed/EmbedStraightAnchorCalc.h"

namespace {

struct StraightCase {
    const char* name;
    int nConLevel, nD, nN0, nN1, nT, nLa, nB, nB1, nE;
    double dN, dV, dM;
    int nScale;
    double dK;
    CEmbedStraightResults expected;
};

const StraightCase kStraight[] = {
    // The defaults: y/t = 45/8 < 8 keeps αb = 0.6 + 0.25·8/8 = 0.85 (no raise); Nu = 0.0008·210·4·0.85·50.27
    // = 28.71, Vu = 0.001·210·4·0.7·50.27 = 29.56. Compression-bending-shear takes no moment (the M of
    // 1 is tension-bending-shear's): T = (1/1 − 0.3)/(0.7·1.0) = 1 ≤ Vu/N, the kc method gives
    // 0.3 + 1.0·29.556 = 29.856, as 10.9.1-3 does (0.3 + 1.0·0.7·210·201.06/1000): the kc method is
    // named. Mc = 0.045·(0.4·1 + 28.71/2) = 0.664 (10.9.1-4).
    {"defaults", 0, 8, 2, 2, 8, 250, 45, 45, 8, 1, 1, 1, 0, 1.0,
     {28.711644, 29.556104, 26.564433, 0.893495, 0.631797, 0.631797, 0.631797, 29.856104, 0.664012,
      EMBED_PRESS_SHEAR_KC}},
    // d 20 in C20, 3 × 3, width 1.2b = 108 < 8·14: αb = 0.6 + 0.25·14/20 = 0.775; K 0.7, la 780 = la_req:
    // ψ 1. The kc method's (0.3·50 + 1.0·229.42)·0.7 = 171.10 lies below 10.9.1-3's
    // 0.3·50 + 0.9·0.4293·300·2827.4/1000 = 342.75.
    {"3x3 d20", 0, 20, 3, 3, 14, 780, 90, 90, 50, 50, 20, 5, 1, 0.7,
     {368.131827, 229.424829, 205.142301, 177.434801, 164.744077, 65.897631, 16.474408, 171.097380, 33.418678,
      EMBED_PRESS_SHEAR_KC}},
    // No moment: e0 = 0, R = R1 and RM = 0; αb = 0.6 + 0.25·10/16 = 0.75625. 10.9.1-3 gives
    // 0.3·10 + 196.058 = 199.058 below the kc method's 0.3·10 + 1.182·196.058.
    {"no moment", 1, 16, 2, 3, 10, 600, 60, 60, 8, 10, 5, 0, 0, 1.0,
     {218.956442, 196.057793, 182.639235, 157.084898, 140.501004, 70.250502, 0, 199.057793, 6.808693,
      EMBED_PRESS_SHEAR_FORMULA_3}},
    // d 25 with la 500 < la_req 975: ψ = 0.513 shrinks Nu, not Vu; αb = 0.6 + 0.25·16/25 = 0.76.
    // 10.9.1-3 with no moment: 0.3·1 + 1.0·0.3578·300·1963.5/1000 = 211.044 (αv 2·√(9.6/300) = 0.3578),
    // the kc method's 0.3 + 1.0·210.744 alike (C20, kc 1.0).
    {"short la", 0, 25, 2, 2, 16, 500, 75, 150, 8, 1, 1, 1, 0, 1.0,
     {183.662340, 210.744442, 104.151710, 18.121240, 12.813652, 12.813652, 12.813652, 211.044442, 13.834675,
      EMBED_PRESS_SHEAR_KC}},
    // 3 × 2 HRB335 d 16 in C30, t 14, b 100 (y/t = 7.1: αb = 0.6 + 0.25·14/16 = 0.81875, not 0.859),
    // N 100 (compression takes no moment; z 200): the kc method gives 0.3·100 + 1.364·193.43 = 293.84; 10.9.1-3
    // gives 0.3·100 + 0.9·0.59385·300·1206.37/1000 = 223.43, which governs. Mc = 0.2·(40 + 0.9·237.05/2).
    {"compression within 10.9.1-3", 2, 16, 3, 2, 14, 500, 100, 100, 8, 100, 1, 8, 0, 1.0,
     {237.052015, 193.428809, 189.206236, 125.504400, 125.498126, 1.254981, 10.039850, 223.428809, 29.334681,
      EMBED_PRESS_SHEAR_FORMULA_3}},
};

TEST(EmbedStraightAnchors, CapacitiesOfEveryLoadCase) {
    for (const StraightCase& c : kStraight) {
        SCOPED_TRACE(c.name);
        CPreComSub3 in;
        in.m_nConLevel = c.nConLevel;
        in.m_nSteelD = c.nD;
        in.m_nSteelN0 = c.nN0;
        in.m_nSteelN1 = c.nN1;
        in.m_nSlabT = c.nT;
        in.m_nAnchorLa = c.nLa;
        in.m_nSteelB = c.nB;
        in.m_nSteelB1 = c.nB1;
        in.m_nShearE = c.nE;
        in.m_dForceN = c.dN;
        in.m_dForceV = c.dV;
        in.m_dForceM = c.dM;
        CEmbedStraightResults r;
        CalcStraightAnchors(in, c.nScale, c.dK, r);
        const CEmbedStraightResults& x = c.expected;
        EXPECT_NEAR(r.m_dNu, x.m_dNu, 1e-5);
        EXPECT_NEAR(r.m_dVu, x.m_dVu, 1e-5);
        EXPECT_NEAR(r.m_dVe, x.m_dVe, 1e-5);
        EXPECT_NEAR(r.m_dR, x.m_dR, 1e-5);
        EXPECT_NEAR(r.m_dRN, x.m_dRN, 1e-5);
        EXPECT_NEAR(r.m_dRV, x.m_dRV, 1e-5);
        EXPECT_NEAR(r.m_dRM, x.m_dRM, 1e-5);
        EXPECT_NEAR(r.m_dVc, x.m_dVc, 1e-5);
        EXPECT_NEAR(r.m_dMc, x.m_dMc, 1e-5);
        EXPECT_EQ(r.m_nVcRule, x.m_nVcRule);
    }
}

// The moment of the group is tension-bending-shear's; compression-bending-shear, whose M box the page
// keeps disabled, takes none: the defaults' Vc 29.856 and Mc 0.664 (above) whatever M is stored.
TEST(EmbedStraightAnchors, CompressionTakesNoStoredMoment) {
    for (double dM : {0.0, 0.001, 8.0, 1e6}) {
        SCOPED_TRACE(dM);
        CPreComSub3 in;
        in.m_nConLevel = 0;
        in.m_nSteelD = 8;
        in.m_nSteelN0 = in.m_nSteelN1 = 2;
        in.m_nSlabT = 8;
        in.m_nAnchorLa = 250;
        in.m_nSteelB = in.m_nSteelB1 = 45;
        in.m_nShearE = 8;
        in.m_dForceN = in.m_dForceV = 1;
        in.m_dForceM = dM;
        CEmbedStraightResults r;
        CalcStraightAnchors(in, 0, 1.0, r);
        EXPECT_NEAR(r.m_dVc, 29.856104, 1e-5);
        EXPECT_NEAR(r.m_dMc, 0.664012, 1e-5);
        EXPECT_EQ(r.m_nVcRule, EMBED_PRESS_SHEAR_KC);
    }
}

TEST(EmbedStraightAnchors, ShearOfFormulaTenNineOne) {
    // 4 bars of 16 mm, HRB335, C30, anchored fully: As ≥ V/(αr·αv·fy) gives V = 1.0·αv·300·804.25
    // with αv = (4 − 0.08·16)·√(14.3/300) = 0.593849: 143.28 kN.
    CPreComSub3 in;
    in.m_nConLevel = 2;
    in.m_nSteelD = 16;
    in.m_nSteelN0 = in.m_nSteelN1 = 2;
    in.m_nSlabT = 10;
    in.m_nAnchorLa = 480;
    in.m_nSteelB = in.m_nSteelB1 = 100;
    in.m_nShearE = 8;
    in.m_dForceN = in.m_dForceV = in.m_dForceM = 1;
    CEmbedStraightResults r;
    CalcStraightAnchors(in, 3, 1.0, r);
    const double dAs = 4 * M_PI / 4 * 256;
    EXPECT_NEAR(r.m_dVu, 0.593849 * 300 * dAs / 1000, 1e-3);
    // With a backing plate (αb = 1) the tension is 0.8·αb·fy·As: 193.02 kN.
    EXPECT_NEAR(r.m_dNu, 0.8 * 300 * dAs / 1000, 1e-9);
}

TEST(EmbedStraightAnchors, NoNonFiniteOrNegativeResult) {
    CPreComSub3 in;
    in.m_nConLevel = 0;
    in.m_nSteelD = 8;
    in.m_nSteelN0 = in.m_nSteelN1 = 2;
    in.m_nSlabT = 8;
    in.m_nAnchorLa = 250;
    in.m_nSteelB = in.m_nSteelB1 = 45;
    in.m_nShearE = 8;
    struct Loads {
        double dN, dV, dM;
    } loads[] = {{0, 1, 1}, {0, 0, 0}, {1, 0, 1}, {0.001, 1e6, 1e6}, {std::numeric_limits<double>::quiet_NaN(), 1, 1}};
    for (const Loads& l : loads) {
        SCOPED_TRACE(testing::Message() << l.dN << " " << l.dV << " " << l.dM);
        in.m_dForceN = l.dN;
        in.m_dForceV = l.dV;
        in.m_dForceM = l.dM;
        CEmbedStraightResults r;
        CalcStraightAnchors(in, 0, 1.0, r);
        for (double d : {r.m_dNu, r.m_dVu, r.m_dVe, r.m_dR, r.m_dRN, r.m_dRV, r.m_dRM, r.m_dVc, r.m_dMc}) {
            EXPECT_TRUE(std::isfinite(d));
            EXPECT_GE(d, 0);
        }
        EXPECT_NEAR(r.m_dNu, 28.711644, 1e-5);
    }
}

TEST(EmbedStraightAnchors, ZeroThicknessLeavesTheResults) {
    CPreComSub3 in;
    CEmbedStraightResults r;
    r.m_dNu = 7;
    CalcStraightAnchors(in, 0, 1.0, r);
    EXPECT_EQ(r.m_dNu, 7);
}

struct AngleCase {
    const char* name;
    int nConLevel;
    const char* pszStyle;
    int nRows, nColumns, nT, nLa, nB1, nB, nBe;
    double dN, dV, dM;
    CEmbedAngleResults expected;
    double dTolerance;
};

// Area shared by two circles of radius R whose centres are s apart.
double Lens(double R, double s) { return 2 * R * R * std::acos(s / (2 * R)) - s / 2 * std::sqrt(4 * R * R - s * s); }

// L63x6 in C20, 3 × 1 with b1 = be = 63 and la = 300: h = 265, R = 296.5, ψ = 300/378. The three cones
// cover πR² + 2·(πR² − lens(63)) = 350762 mm², where the formula's rectangle takes 423954:
// N2 = 0.6·1.1·265·328/1000/296.5²·Ap·ψ = 181.66 governs N1 = 0.168·3·729·ψ = 291.6 and
// N3 = 0.003·(63² − 729)·3·9.6·ψ = 222.17. Vu = 0.003·√(63·6·9.6·210000)·3·0.9; with N = V and no
// moment Ru = 1/(sin 45°/Nu + cos 45°/Vu).
const double kPsi3x1 = 300.0 / 378;
const double kNu3x1 = 0.6 * 1.1 * 265 * 328 / 1000 / (296.5 * 296.5) *
                      (3 * M_PI * 296.5 * 296.5 - 2 * Lens(296.5, 63)) * kPsi3x1;
const double kVu3x1 = 0.003 * std::sqrt(63 * 6 * 9.6 * 210000) * 3 * 0.9;
const double kRu3x1 = 1 / (std::sin(M_PI / 4) / kNu3x1 + std::cos(M_PI / 4) / kVu3x1);

const AngleCase kAngle[] = {
    // L63x6 in C25, 2 × 3 with R = 35 + 365 = 400: the formula's 871408 mm² exceed the union of the six
    // cones, 744142 mm² (by numerical integration across the grid), so N2 = 0.6·1.27·365·435/1000/400²·
    // 744142·1.182 = 665.105 governs N1 = 0.168·6·729 = 734.83.
    {"L63x6 2x3", 1, "L63x6", 2, 3, 12, 400, 100, 90, 70, 30, 20, 0,
     {665.105045, 553.224663, 443.720098, 369.197439, 246.131626, 0}, 1e-3},
    // 4 × 1: no spacing b, αb = 1; the union of the cones is taken, but N1 governs.
    {"L90x10 4x1", 2, "L90x10", 4, 1, 16, 600, 120, 0, 100, 50, 30, 5,
     {1153.824, 751.790998, 700.508270, 600.680886, 360.408532, 60.068089}, 1e-5},
    {"L63x6 3x1, the cones' union governing", 0, "L63x6", 3, 1, 12, 300, 63, 0, 63, 1, 1, 0,
     {kNu3x1, kVu3x1, kRu3x1, kRu3x1 * std::sin(M_PI / 4), kRu3x1 * std::cos(M_PI / 4), 0}, 1e-5},
};

TEST(EmbedAngleAnchors, CapacitiesOfTheLoadCases) {
    for (const AngleCase& c : kAngle) {
        SCOPED_TRACE(c.name);
        CPreComSub4 in;
        in.m_nConLevel = c.nConLevel;
        in.m_strJGStyle = c.pszStyle;
        in.m_nSteelN0 = c.nRows;
        in.m_nSteelN1 = c.nColumns;
        in.m_nSlabT = c.nT;
        in.m_nAnchorLa = c.nLa;
        in.m_nSteelB1 = c.nB1;
        in.m_nSteelB = c.nB;
        in.m_nSlabBe = c.nBe;
        in.m_dForceN = c.dN;
        in.m_dForceV = c.dV;
        in.m_dForceM = c.dM;
        CEmbedAngleResults r;
        CalcAngleAnchors(in, c.nColumns != 1, 0, 1.0, r);
        const CEmbedAngleResults& x = c.expected;
        EXPECT_NEAR(r.m_dNu, x.m_dNu, c.dTolerance);
        EXPECT_NEAR(r.m_dVu, x.m_dVu, c.dTolerance);
        EXPECT_NEAR(r.m_dRu, x.m_dRu, c.dTolerance);
        EXPECT_NEAR(r.m_dRuN, x.m_dRuN, c.dTolerance);
        EXPECT_NEAR(r.m_dRuV, x.m_dRuV, c.dTolerance);
        EXPECT_NEAR(r.m_dRuM, x.m_dRuM, c.dTolerance);
    }
}

TEST(EmbedAngleAnchors, GridWithInteriorAnchorsHasAPositiveCapacity) {
    // 4 × 4 anchors close together: the overlapping-cones formula as written goes far below zero.
    CPreComSub4 in;
    in.m_nConLevel = 0;
    in.m_strJGStyle = "L63x6";
    in.m_nSteelN0 = in.m_nSteelN1 = 4;
    in.m_nSlabT = 12;
    in.m_nAnchorLa = 400;
    in.m_nSteelB1 = in.m_nSteelB = 400;
    in.m_nSlabBe = 70;
    in.m_dForceN = in.m_dForceV = in.m_dForceM = 1;
    CEmbedAngleResults r;
    CalcAngleAnchors(in, TRUE, 0, 1.0, r);
    EXPECT_GT(r.m_dNu, 0);
    EXPECT_GT(r.m_dRu, 0);
}

TEST(EmbedEndPlate, CapacitiesOfTheLoadCases) {
    struct Row {
        const char* name;
        int nD, nT, nLa, nB1, nB, nBe;
        double dN, dV, dM;
        CEmbedAngleResults expected;
    } rows[] = {
        // The defaults: the bars govern, as on the straight-bar page (αb 0.85 at y/t 5.6).
        {"defaults", 8, 8, 250, 45, 45, 24, 1, 1, 1, {28.711644, 29.556104, 0.893495, 0.631797, 0.631797, 0.631797}},
        // d 20, la 900 above la_req 780: ψ 1, γ from la' = 780; the end plates govern (N3).
        {"la above required", 20, 14, 900, 100, 100, 40, 10, 5, 2, {184.32, 161.851731, 41.215205, 36.864, 18.432, 7.3728}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CPreComSub7 in;
        in.m_nConLevel = 0;
        in.m_nSteelD = row.nD;
        in.m_nSteelN0 = in.m_nSteelN1 = 2;
        in.m_nSlabT = row.nT;
        in.m_nAnchorLa = row.nLa;
        in.m_nSteelB1 = row.nB1;
        in.m_nSteelB = row.nB;
        in.m_nSlabBe = row.nBe;
        in.m_dForceN = row.dN;
        in.m_dForceV = row.dV;
        in.m_dForceM = row.dM;
        CEmbedAngleResults r;
        CalcEndPlateAnchors(in, 0, 1.0, r);
        const CEmbedAngleResults& x = row.expected;
        EXPECT_NEAR(r.m_dNu, x.m_dNu, 1e-5);
        EXPECT_NEAR(r.m_dVu, x.m_dVu, 1e-5);
        EXPECT_NEAR(r.m_dRu, x.m_dRu, 1e-5);
        EXPECT_NEAR(r.m_dRuN, x.m_dRuN, 1e-5);
        EXPECT_NEAR(r.m_dRuV, x.m_dRuV, 1e-5);
        EXPECT_NEAR(r.m_dRuM, x.m_dRuM, 1e-5);
    }
}

TEST(EmbedEndPlate, NothingToComputeShowsZero) {
    // A group without a bar leaves the results as they start: 0, never an unset value.
    CPreComSub7 in;
    CEmbedAngleResults r;
    CalcEndPlateAnchors(in, 0, 1.0, r);
    for (double d : {r.m_dNu, r.m_dVu, r.m_dRu, r.m_dRuN, r.m_dRuV, r.m_dRuM}) EXPECT_EQ(d, 0);
}

TEST(EmbedBentAnchors, ShearWithTheBentBarsOwnDiameter) {
    struct Row {
        const char* name;
        int nConLevel, nD, nRows, nColumns, nLa, nDb, nNb, nLab;
        double dK, dExpected;
    } rows[] = {
        // 0.001·(0.9·1·0.7·1·4·50.27·210 + 0.72·1·1·50.27·210).
        {"defaults", 0, 8, 2, 2, 250, 8, 1, 250, 1.0, 34.200634},
        // Straight II-20, bent II-12 in C20: the bent bars' la_req is 468 (12·39), ψb = 300/468.
        {"bent II-12", 0, 20, 3, 2, 800, 12, 2, 300, 0.8, 182.375293},
        // Bent I-10 under straight II-20: the bent bars take 210, not 300.
        {"bent I-10", 0, 20, 2, 2, 800, 10, 1, 400, 1.0,
         0.001 * (0.9 * 0.429325 * 4 * M_PI * 100 * 300 + 0.72 * 1 * M_PI * 25 * 210)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CPreComSub5 in;
        in.m_nConLevel = row.nConLevel;
        in.m_nSteelD = row.nD;
        in.m_nSteelN0 = row.nRows;
        in.m_nSteelN1 = row.nColumns;
        in.m_nAnchorLa = row.nLa;
        in.m_nSlabT = 8;
        in.m_nSteelCa = 50;
        in.m_nSteelB = 120;
        in.m_nWanSteelD1 = row.nDb;
        in.m_nWanSteelN = row.nNb;
        in.m_nWanAnchorLa = row.nLab;
        double dVu = 0;
        EXPECT_TRUE(CalcBentAnchorShear(in, row.dK, dVu));
        EXPECT_NEAR(dVu, row.dExpected, 2e-5);
    }
}

TEST(EmbedShearKey, ShearAndTheShareOfTheKey) {
    struct Row {
        const char* name;
        int nConLevel, nD, nLa, nBv, nHv;
        double dVu;
        BOOL bWithin;
    } rows[] = {
        // C20: kc 1; the key's 0.7·200·9.6/1000 = 1.344 against 0.3·30.90.
        {"defaults", 0, 8, 250, 20, 10, 30.900104, TRUE},
        // C25: Vu raised by kc = 1.182, the key's share 0.0007·8000·11.9 = 66.64 above 0.3·Vu.
        {"big key", 1, 12, 500, 200, 40, 175.894934, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CPreComSub6 in;
        in.m_nConLevel = row.nConLevel;
        in.m_nSteelD = row.nD;
        in.m_nSteelN0 = in.m_nSteelN1 = 2;
        in.m_nAnchorLa = row.nLa;
        in.m_nSteelB = 48;
        in.m_nShearBv = row.nBv;
        in.m_nShearHv = row.nHv;
        double dVu = 0;
        BOOL bWithin = FALSE;
        EXPECT_TRUE(CalcShearKeyShear(in, 1.0, dVu, bWithin));
        EXPECT_NEAR(dVu, row.dVu, 1e-5);
        EXPECT_EQ(bWithin, row.bWithin);
    }
}

TEST(EmbedLiftingRing, LoadByDiameter) {
    float fLoad = 5.03f;
    EXPECT_TRUE(GetRingLoad(23, fLoad));
    EXPECT_FLOAT_EQ(fLoad, 41.5f);
    EXPECT_TRUE(GetRingLoad(34, fLoad));
    EXPECT_FLOAT_EQ(fLoad, 90.8f);
    EXPECT_FALSE(GetRingLoad(29, fLoad));
    EXPECT_FLOAT_EQ(fLoad, 90.8f);
}

}  // namespace
