// Main-bar design of the continuous beam's sections, against areas and schemes worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "Printers.h"
#include "ReportRows.h"
#include "beam/ContinuousBeam.h"
#include "beam/SectionBar.h"
#include "sibling/BeamRecords.h"

namespace {

// 300 × 500, as 35, C30 (α1 fc = 14.3), HRB335 (fy 300, Es 2.0e5): h0 = 465, ρmin = 0.45 · 1.43/300,
// ξb = 0.8/(1 + 300/(2.0e5 · 0.0033)) = 0.550, αs,max = ξb (1 − 0.5 ξb) = 0.39875.
CSectionBar MakeBar(int b = 300) { return CSectionBar(500, b, "C30", "HRB335", 35, 0, 0); }

const double kAsMin = 0.45 * 1.43 / 300 * 300 * 500;  // 321.75

TEST(SectionBar, RequiredAreas) {
    struct Case {
        const char* pszName;
        double M;  // N·mm
        double dAs, dAsPrime;
    } cases[] = {
        // αs = M/(α1 fc b h0²) = 0.16171, γs = 0.91127: single reinforcement; the other side 0.3 As.
        {"single", 150e6, 1179.962, 0.3 * 1179.962},
        // No moment: the minimum at both sides.
        {"zero", 0, kAsMin, kAsMin},
        // αs = 0.22639, γs = 0.86987.
        {"larger", 210e6, 1730.572, 0.3 * 1730.572},
    };
    CSectionBar bar = MakeBar();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        double dAs = 0, dAsPrime = 0;
        bar.CalcAs(c.M, TRUE, TRUE, dAs, dAsPrime);
        EXPECT_NEAR(c.dAs, dAs, 0.01 * c.dAs / 100 + 0.01);
        EXPECT_NEAR(c.dAsPrime, dAsPrime, 0.01 * c.dAsPrime / 100 + 0.01);
    }
}

// M = 450 kN·m: αs = 0.48508 beyond αs,max = 0.39875, so As′ = (M − αs,max α1 fc b h0²)/(f′y (h0 − 35))
// = 621.07 and As = (ξb α1 fc b h0 + f′y As′)/fy = 4278.29.
TEST(SectionBar, DoubleReinforcement) {
    const double fc = 14.3, h0 = 465, M = 450e6;
    const double dAsPrime = (M - 0.39875 * fc * 300 * h0 * h0) / (300 * (h0 - 35));
    const double dAs = 0.55 * fc * 300 * h0 / 300 + dAsPrime;
    double dGotAs = 0, dGotPrime = 0;
    MakeBar().CalcAs(M, TRUE, TRUE, dGotAs, dGotPrime);
    EXPECT_NEAR(dAs, dGotAs, 1e-6);
    EXPECT_NEAR(4278.29, dGotAs, 0.01);
    // As′ = 621.07 falls below 0.3 As and is raised to it.
    EXPECT_NEAR(0.3 * dAs, dGotPrime, 1e-6);
    EXPECT_LT(dAsPrime, 0.3 * dAs);
}

TEST(SectionBar, BarsPerRow) {
    struct Case {
        int b, d, s, n;
    } cases[] = {
        {300, 20, 25, 6},  // ⌊230/45⌋ + 1
        {250, 20, 25, 5},  // narrower than 300: at most 5
        {300, 16, 25, 4},  // 16 mm and less: at most 4
        {300, 25, 30, 5},  // ⌊230/55⌋ + 1
        {300, 40, 25, 3},  // ⌊230/80⌋ + 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.b << " " << c.d << " " << c.s);
        EXPECT_EQ(c.n, MakeBar(c.b).BarsPerRow(c.d, c.s));
    }
}

CString Texts(const PtrVectorList<CBarScheme*>& list) {
    CString strTexts;
    for (auto* node = list.m_Head.m_pNext; node; node = node->m_pNext) strTexts += node->m_Value->GetText("HRB335") + " ";
    return strTexts;
}

// M = 150 kN·m: bottom As = 1180.0 in one row at 25 mm clear; a count must lie in (As, 1.25 As] =
// (1180.0, 1474.95]: 5 of 18 mm (1272), 4 of 20 (1257), none of 22, 3 of 25 (1472.6), 2 of 28
// (1232), 2 of 30 (1414), none of 32 and up. Top 0.3 As = 354.0 at 30 mm: 2 of 16 (402) comes first.
TEST(SectionBar, OneMomentDesignListsSmallestFirst) {
    SectionDesign design;
    MakeBar().DesignBothSigns(design, 150, 0);
    EXPECT_EQ(SECTION_ONE_ROW, design.m_nBotCode);
    EXPECT_EQ(SECTION_ONE_ROW, design.m_nTopCode);
    EXPECT_NEAR(1179.962, design.m_dBotArea, 0.01);
    EXPECT_NEAR(353.988, design.m_dTopArea, 0.01);
    EXPECT_EQ(CString("5D18 4D20 3D25 2D28 2D30 "), Texts(design.m_BotList));
    EXPECT_EQ(CString("2D16 "), Texts(design.m_TopList).Left(5));
}

// More than a full row can give (4 of 36 mm: 4072; 3 of 40: 3770) and more than two full rows
// (2 × 4 of 36 mm: 8143): no scheme.
TEST(SectionBar, AnAreaBeyondEveryRowIsTooSmall) {
    PtrVectorList<CBarScheme*> oneRow, twoRows;
    CSectionBar bar = MakeBar();
    EXPECT_EQ(SECTION_TOO_SMALL, bar.ListSingleRow(25, 4100, oneRow));
    EXPECT_EQ(SECTION_TOO_SMALL, bar.ListTwoRows(25, 8200, twoRows));
    EXPECT_EQ(0, oneRow.GetCount() + twoRows.GetCount());
    SectionDesign design;
    bar.DesignBothSigns(design, 1000, 0);
    EXPECT_EQ(SECTION_TOO_SMALL, design.m_nBotCode);
    EXPECT_EQ(0, design.m_BotList.GetCount());
}

// Two equal spans of 6 m, simply supported ends, 40 kN/m dead load: support moment
// −1.2 · 40 · 6²/8 = −216 kN·m; with the support factor 0.8 the design takes −172.8 kN·m:
// αs = 0.18629, top As = 1382.41 (5 of 20 mm at 30 mm clear), bottom 0.3 As = 414.7.
TEST(ContinuousBeamDesign, SupportMomentScaledByTheFactor) {
    CContinuousBeam beam;
    for (int i = 0; i < 2; ++i) {
        CSteelSpan* pSpan = new CSteelSpan;
        pSpan->m_dSpanLen = 6;
        pSpan->m_dSecWidth = 300;
        pSpan->m_dSecHeight = 500;
        beam.AddSpan(pSpan);
    }
    beam.SetCurrentCom(0);
    for (int i = 0; i < 2; ++i) beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 40.0);
    beam.m_strMainReinLv = "HRB335";
    beam.m_strHoopReinLv = "HRB400";
    beam.m_TipModulus = 0.8;
    ASSERT_EQ(1, beam.Calculate());
    EXPECT_NEAR(-216, beam.getSpan(0)->getNegMoment(600), 1e-6);
    ASSERT_EQ(5, beam.m_ResultArr.GetSize());
    ASSERT_EQ(3, beam.m_TipDesignArr.GetSize());
    ASSERT_EQ(2, beam.m_MidDesignArr.GetSize());
    const SectionResult& support = beam.m_ResultArr[2];
    EXPECT_EQ(1, support.m_bInitTopBar);
    EXPECT_NEAR(1382.41, support.TopMainArea, 0.01);
    EXPECT_EQ(CString("5D20"), support.TopBar.GetText("HRB335"));
    EXPECT_EQ(1, support.m_bInitBotBar);
    EXPECT_NEAR(0.3 * 1382.41, support.BotMainArea, 0.01);
    // The simply supported ends have no moment: the minimum area at both sides.
    for (int r : {0, 4}) {
        SCOPED_TRACE(r);
        EXPECT_NEAR(kAsMin, beam.m_ResultArr[r].TopMainArea, 1e-9);
        EXPECT_NEAR(kAsMin, beam.m_ResultArr[r].BotMainArea, 1e-9);
    }
    for (int r = 0; r < 5; ++r) EXPECT_EQ(CString("HRB400"), beam.m_ResultArr[r].StiGrade);
}

CSteelSpan* NewSpan(double L, double b, double h) {
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = L;
    pSpan->m_dSecWidth = b;
    pSpan->m_dSecHeight = h;
    return pSpan;
}

// Two spans of 6 m, 300 × 500 and 300 × 800, 40 kN/m dead on both: support 1 carries
// −1.2 · 40 · 6²/8 = −216 kN·m whatever the spans' stiffnesses (equal spans, equal loads). It is
// designed with the shallower face: C30, HRB400, h0 = 465, αs = 216e6/(14.3 · 300 · 465²) = 0.23286,
// γs = 0.86547, As = 216e6/(360 · 465 · 0.86547) = 1490.89 mm² (the 800-deep section would need
// about 1018). A narrower second span (250 × 800) gives the support its width as well.
TEST(ContinuousBeamDesign, ASupportTakesTheLessFavourableSection) {
    struct Case {
        double b2, h2;
        double b, h;  // the support's section
        double dTopArea;
    } cases[] = {{300, 800, 300, 500, 1490.89}, {250, 800, 250, 500, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.b2);
        CContinuousBeam beam;
        beam.m_strMainReinLv = "HRB400";
        beam.AddSpan(NewSpan(6, 300, 500));
        beam.AddSpan(NewSpan(6, c.b2, c.h2));
        beam.SetCurrentCom(0);
        for (int i = 0; i < 2; ++i) beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 40.0);
        beam.Calculate();
        EXPECT_NEAR(-216, beam.getSpan(0)->getNegMoment(600), 1e-6);
        double b = 0, h = 0;
        ASSERT_TRUE(beam.GetRecordSection(2, b, h));
        EXPECT_EQ(c.b, b);
        EXPECT_EQ(c.h, h);
        // The mid-spans and the end supports keep their own spans' sections.
        ASSERT_TRUE(beam.GetRecordSection(3, b, h));
        EXPECT_EQ(c.b2, b);
        EXPECT_EQ(c.h2, h);
        ASSERT_TRUE(beam.GetRecordSection(4, b, h));
        EXPECT_EQ(c.h2, h);
        ASSERT_TRUE(beam.GetRecordSection(0, b, h));
        EXPECT_EQ(500, h);
        if (c.dTopArea > 0) {
            EXPECT_NEAR(c.dTopArea, beam.m_ResultArr[2].TopMainArea, 0.01);
            EXPECT_GE(beam.m_ResultArr[2].TopBar.GetArea(), c.dTopArea);
        }
    }
}

TEST(ContinuousBeamDesign, OneSpanGivesThreeRecords) {
    CContinuousBeam beam;
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = 4;
    pSpan->m_dSecWidth = 250;
    pSpan->m_dSecHeight = 400;
    beam.AddSpan(pSpan);
    ASSERT_EQ(1, beam.Calculate());
    EXPECT_EQ(3, beam.m_ResultArr.GetSize());
    EXPECT_EQ(2, beam.m_TipDesignArr.GetSize());
    EXPECT_EQ(1, beam.m_MidDesignArr.GetSize());
    ASSERT_EQ(1, beam.Calculate());
    EXPECT_EQ(3, beam.m_ResultArr.GetSize());
}


// One simply supported 6 m span of 300 × 600 (C30, HPB235, as 35) with 100 kN of dead load at
// 1.2 m: P = 1.2 · 100 = 120 kN gives its largest moment under the load, P a b / L = 120 · 1.2 ·
// 4.8 / 6 = 115.2 kN·m, outside the middle third. The mid-span bars are designed for it:
// αs = M/(α1 fc b h0²) with α1 fc = 14.3, h0 = 565; As = M/(fy h0 γs), γs = (1 + √(1 − 2αs))/2.
TEST(ContinuousBeamDesign, MidSpanBarsTakeTheLargestSaggingMomentOfTheSpan) {
    CContinuousBeam beam;
    beam.AddSpan(NewSpan(6, 300, 600));
    beam.SetCurrentCom(0);
    beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{100, 1.2});
    ASSERT_EQ(1, beam.Calculate());
    double dPos = 0;
    EXPECT_NEAR(115.2, CContinuousBeam::GetSpanSagging(*beam.getSpan(0), dPos).m_dValue, 1e-9);
    EXPECT_NEAR(1.2, dPos, 1e-12);
    const double M = 115.2e6, fc = 14.3, h0 = 565, alpha = M / (fc * 300 * h0 * h0);
    const double As = M / (210 * h0 * 0.5 * (1 + std::sqrt(1 - 2 * alpha)));  // 1015.60
    ASSERT_EQ(3, beam.m_ResultArr.GetSize());
    EXPECT_NEAR(As, beam.m_ResultArr[1].BotMainArea, 1e-6);
    EXPECT_NEAR(1015.60, beam.m_ResultArr[1].BotMainArea, 0.01);
    ASSERT_TRUE(beam.BuildWordC());
    EXPECT_NE(std::string::npos, ReportRows(beam.wordC).find(u8R"("正弯矩\t115.20 kN*m,\t\t位置:   1.20m\n")"));
}

}  // namespace
