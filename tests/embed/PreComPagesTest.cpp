// The anchor-type pages' input corrections: a bad or out-of-range value typed into an edit is refused
// with the edit's range message and replaced at once by the stored value or the limit, the rules of
// each page in their order; and the capacities that follow an edit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Printers.h"
#include "PreComPageFixture.h"

namespace {

using PreComPages = PreComPageFixture;

// One step on a page: a list item chosen (pszChoose) or a text typed into an edit, then the text an
// edit shows, and the range message that a refused text brings (none for a choice, whatever it
// corrects elsewhere, nor for a text taken as typed).
struct Step {
    UINT nID;
    const char* pszChoose;
    const char* pszTyped;
    UINT nShownID;
    const char* pszShown;
    const char* pszMessage = nullptr;
};

struct PageCase {
    const char* pszName;
    const char* pszItem;
    int nSub;
    UINT nLoadCase;  // 0: the type's own first case
    std::vector<Step> steps;
};

const PageCase kCases[] = {
    // d 12: the least plate is ⌊0.6·12⌋ + 1 = 8, above the stored 6.
    {"plate: least thickness", "构造-钢板锚板", 1, 0,
     {{IDC_P1_D, "12", nullptr, 0, nullptr}, {IDC_P1_T, nullptr, "6", IDC_P1_T, "8", "请输入一个在8与32767之间的整数"}}},
    // d 10: 0.6·10 = 6 is whole, so the least plate is 7 and a 6-mm plate is raised to it.
    {"plate: six tenths of 10", "构造-钢板锚板", 1, 0,
     {{IDC_P1_D, "10", nullptr, 0, nullptr}, {IDC_P1_T, nullptr, "6", IDC_P1_T, "7", "请输入一个在7与32767之间的整数"}}},
    {"plate: la at least 20·d", "构造-钢板锚板", 1, 0,
     {{IDC_P1_D, "25", nullptr, 0, nullptr},
      {IDC_P1_LA, nullptr, "300", IDC_P1_LA, "500", "请输入一个在500与32767之间的整数"}}},
    {"plate: count", "构造-钢板锚板", 1, 0,
     {{IDC_P1_N, nullptr, "0", IDC_P1_N, "1", "请输入一个在1与6之间的整数"},
      {IDC_P1_N, nullptr, "12", IDC_P1_N, "1", "请输入一个在1与6之间的整数"}, {IDC_P1_N, nullptr, "4", IDC_P1_N, "4"},
      {IDC_P1_N, nullptr, "12", IDC_P1_N, "4", "请输入一个在1与6之间的整数"}}},
    // t 6: ca at most 72 and b at most 96, each falling back to the stored value below them.
    {"plate: edge and spacing by t", "构造-钢板锚板", 1, 0,
     {{IDC_P1_T, nullptr, "6", IDC_P1_T, "6"}, {IDC_P1_CA, nullptr, "100", IDC_P1_CA, "40", "请输入一个在20与72之间的整数"},
      {IDC_P1_N, nullptr, "2", IDC_P1_N, "2"}, {IDC_P1_B, nullptr, "200", IDC_P1_B, "45", "请输入一个在45与96之间的整数"}}},
    // L30x3 with d 8: lw at least 32, then at most 27: the upper limit wins, and the message says that
    // no lap meets both.
    {"angle detail: lap", "构造-角钢锚板", 2, 0,
     {{IDC_P2_D, "8", nullptr, 0, nullptr},
      {IDC_P2_LW, nullptr, "40", IDC_P2_LW, "27", "没有同时不小于32且不大于27的整数,请修改其它参数"}}},
    {"angle detail: wide angle", "构造-角钢锚板", 2, 0,
     {{IDC_P2_ANGLE, "L200x24", nullptr, 0, nullptr}, {IDC_P2_LW, nullptr, "176", IDC_P2_LW, "176"},
      {IDC_P2_LW, nullptr, "177", IDC_P2_LW, "176", "请输入一个在30与176之间的整数"}}},
    // Outside shear II-25 raises la to 25·39 = 975 at once.
    {"straight: bar raises la", "直锚筋", 3, 0,
     {{IDC_P3_D, "II-25", nullptr, IDC_P3_LA, "975"}}},
    {"straight: shear keeps a short la", "直锚筋", 3, IDC_PRECOM_SHEAR,
     {{IDC_P3_D, "II-25", nullptr, 0, nullptr}, {IDC_P3_LA, nullptr, "500", IDC_P3_LA, "500"},
      {IDC_P3_B, nullptr, "400", IDC_P3_B, "75", "请输入一个在75与300之间的整数"}}},
    {"straight: letters bring the stored value", "直锚筋", 3, 0,
     {{IDC_P3_B1, nullptr, "4x", IDC_P3_B1, "45", "请输入一个在45与128之间的整数"},
      {IDC_P3_CA, nullptr, "+50", IDC_P3_CA, "40", "请输入一个在20与96之间的整数"}}},
    // 压弯剪 with the default plate (45 + 80)·(45 + 80): N at most 0.0005·9.6·15625 = 75, else the
    // stored N when that is smaller.
    {"straight: compression within the plate", "直锚筋", 3, IDC_PRECOM_PRESS_BEND_SHEAR,
     {{IDC_P3_N, nullptr, "500", IDC_P3_N, "1.000", "请输入一个在0.001与75之间的实数"},
      {IDC_P3_N, nullptr, "70", IDC_P3_N, "70"},
      {IDC_P3_N, nullptr, "100", IDC_P3_N, "70.000", "请输入一个在0.001与75之间的实数"}}},
    // A negative lever arm falls back to the stored one (at least 1); 0 is taken.
    {"straight: lever arm", "直锚筋", 3, IDC_PRECOM_BEND_SHEAR,
     {{IDC_P3_E, nullptr, "-5", IDC_P3_E, "8", "请输入一个在0与32767之间的整数"}, {IDC_P3_E, nullptr, "0", IDC_P3_E, "0"}}},
    // In shear la is at least max(6·30, 250); in tension 4·30 = 120 only.
    {"angle anchors: la in shear", "角钢锚筋", 4, IDC_PRECOM_SHEAR,
     {{IDC_P4_LA, nullptr, "100", IDC_P4_LA, "250", "请输入一个在250与32767之间的整数"}}},
    {"angle anchors: la in tension", "角钢锚筋", 4, 0, {{IDC_P4_LA, nullptr, "130", IDC_P4_LA, "130"}}},
    // L30x3 in tension: t at least 8.
    {"angle anchors: thickness", "角钢锚筋", 4, 0,
     {{IDC_P4_T, nullptr, "5", IDC_P4_T, "8", "请输入一个在8与32767之间的整数"},
      {IDC_P4_LA, nullptr, "abc", IDC_P4_LA, "250", "请输入一个在120与32767之间的整数"}}},
    {"angle anchors: one column", "角钢锚筋", 4, 0,
     {{IDC_P4_LAYOUT, "3x1", nullptr, 0, nullptr}, {IDC_P4_BE, nullptr, "60", IDC_P4_BE, "40", "请输入一个在30与45之间的整数"}}},
    {"bent bars: angle", "直锚筋+弯折锚筋", 5, 0,
     {{IDC_P5_ANGLE, nullptr, "10", IDC_P5_ANGLE, "30.000", "请输入一个在15与45之间的实数"},
      {IDC_P5_ANGLE, nullptr, "40", IDC_P5_ANGLE, "40"},
      {IDC_P5_ANGLE, nullptr, "60", IDC_P5_ANGLE, "40.000", "请输入一个在15与45之间的实数"}}},
    {"bent bars: spacing in shear", "直锚筋+弯折锚筋", 5, 0,
     {{IDC_P5_B, nullptr, "20", IDC_P5_B, "48", "请输入一个在48与300之间的整数"},
      {IDC_P5_B, nullptr, "400", IDC_P5_B, "48", "请输入一个在48与300之间的整数"}}},
    // hv at most min(4·6, 50) = 24.
    {"shear key: height", "直锚筋+抗剪钢板", 6, 0,
     {{IDC_P6_HV, nullptr, "30", IDC_P6_HV, "10", "请输入一个在1与24之间的整数"}, {IDC_P6_HV, nullptr, "20", IDC_P6_HV, "20"}}},
    // te at least max(6, trunc(0.7·20 + 1)) = 15 for d 20.
    {"end plate: thickness", "直锚筋+端板", 7, 0,
     {{IDC_P7_D, "II-20", nullptr, 0, nullptr}, {IDC_P7_TE, nullptr, "3", IDC_P7_TE, "15", "请输入一个在15与32767之间的整数"}}},
    // be at least d, at most min(b, b1) = 45, else the stored 24 when smaller.
    {"end plate: width", "直锚筋+端板", 7, 0,
     {{IDC_P7_BE, nullptr, "60", IDC_P7_BE, "24", "请输入一个在8与45之间的整数"},
      {IDC_P7_BE, nullptr, "5", IDC_P7_BE, "24", "请输入一个在8与45之间的整数"}, {IDC_P7_BE, nullptr, "40", IDC_P7_BE, "40"}}},
    // db at least 3·8, at most 2·lw.
    {"ring: spacing", "吊环", 8, 0,
     {{IDC_P8_DB, nullptr, "10", IDC_P8_DB, "60", "请输入一个在24与120之间的整数"},
      {IDC_P8_DB, nullptr, "130", IDC_P8_DB, "60", "请输入一个在24与120之间的整数"},
      {IDC_P8_LW, nullptr, "0", IDC_P8_LW, "60", "请输入一个在1与1000000之间的整数"},
      {IDC_P8_LN, nullptr, "100", IDC_P8_LN, "240", "请输入一个在240与32767之间的整数"}}},
};

TEST_F(PreComPages, InputsAreRefusedWithTheirRangeAndCorrectedInPlace) {
    for (const PageCase& c : kCases) {
        SCOPED_TRACE(c.pszName);
        // Nothing is drawn, so the store stays empty and every case starts from the defaults.
        Close();
        Open();
        Pick(c.pszItem);
        if (c.nLoadCase) Click(c.nLoadCase);
        CWnd* pSub = Sub(c.nSub);
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.pszChoose ? step.pszChoose : step.pszTyped);
            qelt::InteractionLog::Instance().Clear();
            if (step.pszChoose)
                Choose(pSub, step.nID, step.pszChoose);
            else
                Type(pSub, step.nID, step.pszTyped);
            if (step.pszShown) {
                EXPECT_EQ(Text(pSub, step.nShownID), CString(step.pszShown));
            }
            EXPECT_EQ(Prompts(), step.pszMessage ? std::vector<CString>{step.pszMessage} : std::vector<CString>{});
        }
    }
}

TEST_F(PreComPages, LeverArmOfZeroGivesThePlainShear) {
    // e = 0: Ve = 0.001·αr·fy·n·As1·ψ·K·αv, the shear capacity without γ (1 here): 29.56.
    Pick("直锚筋");
    Click(IDC_PRECOM_BEND_SHEAR);
    Type(Sub(3), IDC_P3_E, "0");
    EXPECT_EQ(Shown(IDC_PRECOM_V), CString("29.56"));
}

// Three angle anchors in one column, L63x6 63 apart with 63-mm end plates and la 300: the cones
// cover πR² + 2·(πR² − lens(63)) with R = 296.5, not the formula's larger rectangle, and their tension
// 181.66 kN governs (worked in EmbedCapacityCalcTest).
TEST_F(PreComPages, AngleAnchorsInOneColumnTakeTheUnionOfTheirCones) {
    Pick("角钢锚筋");
    CWnd* pSub = Sub(4);
    Choose(pSub, IDC_P4_ANGLE, "L63x6");
    Choose(pSub, IDC_P4_LAYOUT, "3x1");
    Type(pSub, IDC_P4_LA, "300");
    Type(pSub, IDC_P4_T, "12");
    Type(pSub, IDC_P4_B1, "63");
    Type(pSub, IDC_P4_BE, "63");
    for (UINT nID : {IDC_P4_LA, IDC_P4_T, IDC_P4_B1, IDC_P4_BE})
        EXPECT_EQ(std::atoi(Text(pSub, nID)), nID == IDC_P4_LA ? 300 : nID == IDC_P4_T ? 12 : 63) << nID;
    EXPECT_EQ(Shown(IDC_PRECOM_N), CString("181.66"));
}

TEST_F(PreComPages, RingLoadFollowsTheDiameterOnly) {
    Pick("吊环");
    Choose(Sub(8), IDC_P8_D, "23");
    EXPECT_EQ(Shown(IDC_PRECOM_N), CString("41.50"));
    Choose(Sub(8), IDC_P8_D, "34");
    EXPECT_EQ(Shown(IDC_PRECOM_N), CString("90.80"));
    Type(Sub(8), IDC_P8_LN, "2000");
    EXPECT_EQ(Shown(IDC_PRECOM_N), CString("90.80"));
    EXPECT_EQ(Shown(IDC_PRECOM_M), CString("--"));
}

TEST_F(PreComPages, ShearKeySentence) {
    Pick("直锚筋+抗剪钢板");
    EXPECT_EQ(Text(Sub(6), IDC_P6_SHARE), CString("抗剪钢板所承担的剪力应小于总承载力的30%,当前满足条件."));
    // A key of 100 × 24 in C20: its share 0.0007·2400·9.6 = 16.13 above 0.3·(29.56 + 16.13).
    Type(Sub(6), IDC_P6_BV, "100");
    Type(Sub(6), IDC_P6_HV, "24");
    EXPECT_EQ(Text(Sub(6), IDC_P6_SHARE), CString("抗剪钢板所承担的剪力应小于总承载力的30%,当前不满足条件."));
    EXPECT_EQ(Shown(IDC_PRECOM_V), CString("45.68"));
}

TEST_F(PreComPages, BentCountsFollowTheRows) {
    Pick("直锚筋+弯折锚筋");
    Choose(Sub(5), IDC_P5_BENT_N, "3");
    EXPECT_EQ(Page().m_record.m_Sub5.m_nWanSteelN, 3);
    Choose(Sub(5), IDC_P5_LAYOUT, "3x2");
    CComboBox* pCounts = static_cast<CComboBox*>(Sub(5)->GetDlgItem(IDC_P5_BENT_N));
    ASSERT_EQ(pCounts->GetCount(), 2);
    EXPECT_EQ(Text(Sub(5), IDC_P5_BENT_N), CString("2"));
    EXPECT_EQ(Page().m_record.m_Sub5.m_nWanSteelN, 2);
}

}  // namespace
