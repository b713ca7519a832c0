// The beam stair's input page in the work dialog under a user script: the platform rule of the
// shapes, the range and depth warnings, the over-reinforcement errors of the force run, the silent
// restore of the limit fields, and a stair set up and calculated.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "BeamStairSession.h"
#include "Printers.h"
#include "StairRows.h"
#include "host/Store.h"

namespace {

using BeamStairInputSession = BeamStairSession;

// The engineer picks shape D, gives both platforms, makes both ends fixed and calculates.
TEST_F(BeamStairInputSession, ScriptSetsUpTheStairThatIsCalculated) {
    qelt::UserScript script;
    script.Row(IDC_BS_SELECTOR, 3)
        .Set(IDC_BS_L2, "800")
        .Set(IDC_BS_L3, "900")
        .Choose(IDC_BS_RESTRAINT, "两端固定")
        .Set(IDC_BS_LV, "3.5")
        .Choose(IDC_BS_STEEL, "HRB335")
        .Click(IDC_WORK_CALCULATE)
        .Close();
    Run(script);
    EXPECT_TRUE(Texts("prompt").empty());
    EXPECT_EQ(m_param.nStairType, BEAM_STAIR_D);
    EXPECT_EQ(m_param.nRestrictionType, 3);
    EXPECT_EQ(m_param.l2, 800);
    EXPECT_EQ(m_param.l3, 900);
    EXPECT_EQ(m_param.lv, 3.5);
    EXPECT_EQ(m_param.strSteelLevel, "HRB335");
    EXPECT_DOUBLE_EQ(m_param.l1, 3300);
    EXPECT_LT(m_param.MmaxL, 0);
    EXPECT_LT(m_param.MmaxR, 0);
    EXPECT_GT(m_param.wordC.GetRowCount(), 0);
}

// A platform edit is enabled by the shape; one that read 0 shows 500, which the calculation takes.
TEST_F(BeamStairInputSession, PlatformRuleOfTheShapes) {
    struct Case {
        int shape;
        bool l2, l3, h4;
    } cases[] = {{0, false, false, false}, {1, false, true, true}, {2, true, false, true}, {3, true, true, true}};
    for (const Case& c : cases) {
        qelt::InteractionLog::Instance().Clear();
        m_param.l2 = m_param.l3 = 0;
        m_param.nStairType = 0;
        qelt::UserScript script;
        script.Row(IDC_BS_SELECTOR, c.shape);
        if (c.h4) script.Set(IDC_BS_H4, "80");
        script.Click(IDC_WORK_CALCULATE).Close();
        Run(script);
        EXPECT_EQ(m_param.nStairType, c.shape);
        EXPECT_EQ(m_param.l2, c.l2 ? 500 : 0) << c.shape;
        EXPECT_EQ(m_param.l3, c.l3 ? 500 : 0) << c.shape;
        EXPECT_EQ(m_param.h4, c.h4 ? 80 : 70) << c.shape;
    }
}

TEST_F(BeamStairInputSession, WarningsAndErrorsBeforeACalculation) {
    struct Case {
        std::vector<std::pair<int, const char*>> edits;
        int shape;
        const char* prompt;
        int answer = IDYES;  // a warning: stay; an error has only OK
    } cases[] = {
        // A value outside its range stops the calculation.
        {{{IDC_BS_B, "179.9"}}, 0, "1.  参数180<=b<=350", IDOK},
        {{{IDC_BS_T, "30"}, {IDC_BS_COVER, "25"}}, 0, "1.  参数5<=c<=50,且c<=t-10", IDOK},
        {{{IDC_BS_B1, "1000"}}, 0, "1.  参数150<=b1<1000", IDOK},
        {{{IDC_BS_L3, "100"}}, 1, "1.  参数150<l3<5000", IDOK},
        {{{IDC_BS_L2, "100"}, {IDC_BS_L3, "100"}}, 3, "1.  参数150<l2<5000", IDOK},
        {{{IDC_BS_N, "1"}}, 0, "1.  参数3<=n<=100", IDOK},
        // Slab bars 200 mm from the face of a slab strip 87 mm deep.
        {{{IDC_BS_AS1, "90"}}, 0, "1.  截面无法计算", IDOK},
        // Too shallow a landing beam is a warning.
        {{{IDC_BS_H2, "299"}, {IDC_BS_H3, "300.7"}}, 1, "1.  h2>=h3, 即大于300。"},
        {{{IDC_BS_H1, "400"}}, 0, "1.  h1>=h3/cos(a)+h, 即大于485.41。"},
        // A heavy load on a long flight: the stair beam's section cannot take the shear.
        {{{IDC_BS_N, "24"}, {IDC_BS_LV, "60"}, {IDC_BS_H1, "1000"}, {IDC_BS_H2, "1000"}}, 0, "1.  配箍计算超筋!", IDOK},
    };
    for (const Case& c : cases) {
        qelt::InteractionLog::Instance().Clear();
        CBeamStairParam fresh;  // the store of the case before holds its faulty input
        fresh.l2 = fresh.l3 = 0;
        {
            qelt::host::StoreBatch batch;
            fresh.WriteParam("CBeamStairParam/");
        }
        qelt::UserScript script;
        script.Row(IDC_BS_SELECTOR, c.shape);
        for (const auto& edit : c.edits) script.Set(edit.first, edit.second);
        script.Click(IDC_WORK_CALCULATE).Answer(c.answer).Close();
        Run(script);
        const std::vector<CString> prompts = Texts("prompt");
        ASSERT_EQ(prompts.size(), 1u) << c.prompt;
        EXPECT_GE(prompts[0].Find(c.prompt), 0) << c.prompt << " / " << prompts[0];
    }
}

// A lower support fixed by restraint 1 is tested for over-reinforcement too, as the upper one is.
TEST(BeamStairInputCheck, FixedLowerSupportOfShapeAIsTested) {
    CBeamStairParam p;
    p.l2 = p.l3 = 0;
    p.nRestrictionType = 1;
    p.nSteps = 24;
    p.lv = 12;
    p.w = 2400;
    p.h1 = p.h2 = 1000;
    p.CalBeamForces(0);
    const double h0 = 270, a1fc = 14.3;
    ASSERT_GT(std::fabs(p.MmaxR) / (a1fc * 200 * h0 * h0), 0.614 * (1 - 0.307));
    CBeamStairBasicDlg page;
    CStringArray warnings, errors;
    EXPECT_FALSE(page.CheckData(&p, warnings, errors));
    ASSERT_EQ(errors.GetSize(), 1);
    EXPECT_EQ(errors[0], "右支座处超筋!");
}

// Both ends fixed, 20 steps of 300 × 150, stair beam 150 × 250, q 6.3, HRB335 over C30: gk2 = 9.4416,
// qk2 = 5.67, p2 = 1.2·9.4416 + 1.4·5.67 = 16.0310 kN/m over L = 5700, M = p2·L²/12 = 43.404 kN·m;
// under α1·fc = 14.3: αs = 43.404e6/(14.3·150·220²) = 0.41808, ξ = 0.595 > ξb = 0.8/(1 + 300/660) =
// 0.550. (1.1·fc would give ξ = 0.510 and 882.88 mm².)
TEST(BeamStairInputCheck, FixedStairBeamOverReinforcedAtItsSupportsIsRefused) {
    CBeamStairParam p;
    p.l2 = p.l3 = 0;
    p.nRestrictionType = 3;
    p.nSteps = 20;
    p.b3 = 150;
    p.h3 = 250;
    p.lv = 6.3;
    p.strSteelLevel = "HRB335";
    CBeamStairBasicDlg page;
    CStringArray warnings, errors;
    EXPECT_FALSE(page.CheckData(&p, warnings, errors));
    EXPECT_NEAR(p.MmaxL, -43.404e6, 1e3);
    EXPECT_EQ(p.bZHZLBig, 1);
    EXPECT_EQ(p.bZHZRBig, 1);
    EXPECT_EQ(p.LXLZHZSteelAs, 0);
    ASSERT_EQ(errors.GetSize(), 1);
    EXPECT_EQ(errors[0], "左支座处超筋!");
}

// The input check designs the mid-span bars afresh for every shape, so a stair with platforms that
// was never calculated gets its bar ① and passes.
TEST(BeamStairInputCheck, ForceRunDesignsTheMidSpanForEveryShape) {
    CBeamStairParam p;
    p.nStairType = BEAM_STAIR_D;
    CBeamStairBasicDlg page;
    page.m_nShape = BEAM_STAIR_D;
    CStringArray warnings, errors;
    EXPECT_TRUE(page.CheckData(&p, warnings, errors));
    EXPECT_EQ(warnings.GetSize(), 0);
    EXPECT_EQ(errors.GetSize(), 0);
    EXPECT_GT(p.XLSteelAs, 0);
    EXPECT_GT(p.XLSteelAsReal, 0);
}

// A slab as thick as the stair beam is deep passes (its flange then reaches below h0, which
// divides by nothing); one millimetre more is refused by the range of t.
TEST(BeamStairInputCheck, SlabAsThickAsTheStairBeamPasses) {
    const struct {
        double t;
        int errors;
    } kCases[] = {{200, 0}, {201, 1}};
    for (const auto& c : kCases) {
        CBeamStairParam p;
        p.l2 = p.l3 = 0;
        p.h3 = 200;
        p.t = c.t;
        CBeamStairBasicDlg page;
        CStringArray warnings, errors;
        EXPECT_EQ(page.CheckData(&p, warnings, errors), c.errors == 0) << c.t;
        EXPECT_EQ(warnings.GetSize(), 0) << c.t;
        ASSERT_EQ(errors.GetSize(), c.errors) << c.t;
        if (c.errors) {
            EXPECT_EQ(errors[0], "参数40<=t<=h3");
        }
    }
}

// What the page does with a bad value in one of its number fields.
enum BadValueOutcome {
    kRefused,   // the check-result prompt says so; nothing is calculated
    kWarned,    // a landing beam too shallow: the prompt asks, closing it goes on with finite values
    kTaken,     // a finite value within its range: calculated, every report number reads
    kRestored,  // a limit field: its value comes back without a word, the calculation keeps it
};

// Every bad value in every number field, typed as a person types it before "计算": "nan", "inf",
// 1e400, "abc" and an empty text are no numbers; -1 and 1e-300 lie outside every range but those of
// the loads and the landing-beam depths, whose tiny values are taken (or warned of).
TEST_F(BeamStairInputSession, BadValuesInTheNumberFields) {
    const char* const kBadValues[] = {"nan", "inf", "1e400", "-1", "1e-300", "abc", ""};
    const struct {
        UINT nID;
        int shape;             // the shape that enables the field
        BadValueOutcome tiny;  // of 1e-300; every other bad value is refused or restored
        double CBeamStairParam::*pLimit;  // a limit field's value, else NULL
    } kFields[] = {
        {IDC_BS_B, 0, kRefused, nullptr},  {IDC_BS_H, 0, kRefused, nullptr},   {IDC_BS_N, 0, kRefused, nullptr},
        {IDC_BS_T, 0, kRefused, nullptr},  {IDC_BS_B1, 0, kRefused, nullptr},  {IDC_BS_H1, 0, kWarned, nullptr},
        {IDC_BS_B2, 0, kRefused, nullptr}, {IDC_BS_H2, 0, kWarned, nullptr},   {IDC_BS_B3, 0, kRefused, nullptr},
        {IDC_BS_H3, 0, kRefused, nullptr}, {IDC_BS_W, 0, kRefused, nullptr},   {IDC_BS_H4, 1, kRefused, nullptr},
        {IDC_BS_L2, 2, kRefused, nullptr}, {IDC_BS_L3, 1, kRefused, nullptr},  {IDC_BS_LV, 0, kTaken, nullptr},
        {IDC_BS_LM, 0, kTaken, nullptr},   {IDC_BS_LX, 0, kTaken, nullptr},
        {IDC_BS_AS1, 0, kRestored, &CBeamStairParam::as1},
        {IDC_BS_AS2, 0, kRestored, &CBeamStairParam::as2},
        {IDC_BS_RG, 0, kRestored, &CBeamStairParam::m_dRg},
        {IDC_BS_RQ, 0, kRestored, &CBeamStairParam::m_dRq},
        {IDC_BS_WQ, 0, kRestored, &CBeamStairParam::m_dWq},
        {IDC_BS_COVER, 0, kRestored, &CBeamStairParam::m_dC},
        {IDC_BS_CRACK, 0, kRestored, &CBeamStairParam::m_dCrackWidth},
        {IDC_BS_LIM1, 0, kRestored, &CBeamStairParam::m_dFlexibilityLim1},
        {IDC_BS_LIM2, 0, kRestored, &CBeamStairParam::m_dFlexibilityLim2},
        {IDC_BS_LIM3, 0, kRestored, &CBeamStairParam::m_dFlexibilityLim3},
    };
    for (const auto& field : kFields) {
        for (const char* value : kBadValues) {
            SCOPED_TRACE(std::to_string(field.nID) + " \"" + value + "\"");
            qelt::InteractionLog::Instance().Clear();
            CBeamStairParam fresh;
            fresh.l2 = fresh.l3 = 0;
            {
                qelt::host::StoreBatch batch;
                fresh.WriteParam("CBeamStairParam/");
            }
            m_param.wordC.InitData();
            qelt::UserScript script;
            if (field.shape != 0) script.Row(IDC_BS_SELECTOR, field.shape);
            script.Set(field.nID, value).Click(IDC_WORK_CALCULATE).Close();
            Run(script);
            const BadValueOutcome outcome =
                field.pLimit ? kRestored : (std::string(value) == "1e-300" ? field.tiny : kRefused);
            const std::vector<CString> prompts = Texts("prompt");
            if (outcome == kRefused) {
                ASSERT_EQ(prompts.size(), 1u);
                EXPECT_GE(prompts[0].Find("请返回修改!"), 0) << prompts[0];
                EXPECT_EQ(m_param.wordC.GetRowCount(), 0);
                continue;
            }
            EXPECT_EQ(prompts.size(), outcome == kWarned ? 1u : 0u);
            ASSERT_GT(m_param.wordC.GetRowCount(), 0);
            EXPECT_EQ(UnreadableNumber(m_param.wordC), "");
            EXPECT_EQ(UnreadableNumber(m_param.wordS), "");
            if (outcome == kRestored) {
                EXPECT_EQ(m_param.*field.pLimit, fresh.*field.pLimit);
            }
        }
    }
}

// A text that is no number is named by its range message, and the parameters keep their value.
TEST_F(BeamStairInputSession, TextThatIsNoNumberIsNamed) {
    qelt::UserScript script;
    script.Set(IDC_BS_LV, "abc").Click(IDC_WORK_CALCULATE).Answer(IDOK).Close();
    Run(script);
    const std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_GE(prompts[0].Find("1.  楼梯活荷载参数 0<pv<10000"), 0) << prompts[0];
    EXPECT_EQ(m_param.lv, 2.5);
    EXPECT_EQ(m_param.wordC.GetRowCount(), 0);
}

TEST_F(BeamStairInputSession, LimitFieldsRestoreSilently) {
    qelt::UserScript script;
    script.Set(IDC_BS_RQ, "0")
        .Set(IDC_BS_COVER, "0")
        .Set(IDC_BS_LIM1, "1e3")
        .Set(IDC_BS_LIM2, "1000")
        .Set(IDC_BS_AS1, "200.5")
        .Close();
    Run(script);
    EXPECT_EQ(m_param.m_dRq, 1.4);
    EXPECT_EQ(m_param.m_dC, 0);
    EXPECT_EQ(m_param.m_dFlexibilityLim1, 200);
    EXPECT_EQ(m_param.m_dFlexibilityLim2, 1000);
    EXPECT_EQ(m_param.as1, 25);
    EXPECT_TRUE(Texts("prompt").empty());
    EXPECT_TRUE(Texts("message box").empty());
}

}  // namespace
