// Every number edit of the embedded part, on the page and in the load case that enable it, given what
// no calculation may take (nan, inf, -inf, 1e400, -1, letters, nothing): each is refused with the
// edit's range message and a number within the range comes back, and the capacities shown read as
// numbers. The ranges are the pages' limits for the stored defaults.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "BadNumbers.h"
#include "Printers.h"
#include "PreComPageFixture.h"
#include "embed/EmbedCtrlReaders.h"

namespace {

using PreComBadNumbers = PreComPageFixture;

// An edit, the numbers it lets through and the message that refuses the others.
struct EmbedBox {
    UINT nID;
    bool bReal;
    double dLower, dUpper;
    CString strMessage;
};

EmbedBox Int(UINT nID, int nLower, int nUpper) {
    CString strMessage;
    strMessage.Format("请输入一个在%d与%d之间的整数", nLower, nUpper);
    return {nID, false, static_cast<double>(nLower), static_cast<double>(nUpper), strMessage};
}

EmbedBox Real(UINT nID, const char* pszLower, const char* pszUpper, double dLower, double dUpper) {
    CString strMessage;
    strMessage.Format("请输入一个在%s与%s之间的实数", pszLower, pszUpper);
    return {nID, true, dLower, dUpper, strMessage};
}

std::vector<EmbedBox> Loads(UINT nN, UINT nM, UINT nV) {
    return {Real(nN, "0.001", "1000000", 0.001, 1e6), Real(nM, "0.001", "1000000", 0.001, 1e6),
            Real(nV, "0.001", "1000000", 0.001, 1e6)};
}

struct EmbedPageCase {
    const char* pszItem;
    int nSub;
    UINT nLoadCase;  // 0: the type's own first case
    std::vector<std::pair<UINT, const char*>> prepare;  // texts typed first
    std::vector<EmbedBox> boxes;
};

std::vector<EmbedBox> Joined(std::vector<EmbedBox> boxes, const std::vector<EmbedBox>& more) {
    boxes.insert(boxes.end(), more.begin(), more.end());
    return boxes;
}

TEST_F(PreComBadNumbers, AreRefusedOnEveryPage) {
    const int kMax = 32767;
    const EmbedPageCase cases[] = {
        // d 6, t 6: t ≥ max(6, 4); la ≥ max(250, 20·6); ca 20..12·6; with two bars b 45..16·6.
        {"构造-钢板锚板", 1, 0, {{IDC_P1_N, "2"}},
         {Int(IDC_P1_T, 6, kMax), Int(IDC_P1_LA, 250, kMax), Int(IDC_P1_N, 1, 6), Int(IDC_P1_CA, 20, 72),
          Int(IDC_P1_B, 45, 96)}},
        // L30x3 with d 6: the lap lw would need 30 and at most 30 − 3 = 27, which no lap meets.
        {"构造-角钢锚板", 2, 0, {{IDC_P2_N, "2"}},
         {{IDC_P2_LW, false, 0, 27, CString("没有同时不小于30且不大于27的整数,请修改其它参数")}, Int(IDC_P2_LA, 250, kMax),
          Int(IDC_P2_N, 1, 6), Int(IDC_P2_CA, 20, kMax), Int(IDC_P2_B, 45, kMax)}},
        // d 8, t 8 outside shear: b1 45..16·8, edges 20..12·8.
        {"直锚筋", 3, IDC_PRECOM_TENSION_BEND_SHEAR, {},
         Joined({Int(IDC_P3_B, 45, kMax), Int(IDC_P3_LA, 250, kMax), Int(IDC_P3_T, 6, kMax), Int(IDC_P3_B1, 45, 128),
                 Int(IDC_P3_CA, 20, 96), Int(IDC_P3_CB, 20, 96)},
                Loads(IDC_P3_N, IDC_P3_M, IDC_P3_V))},
        {"直锚筋", 3, IDC_PRECOM_BEND_SHEAR, {}, {Int(IDC_P3_E, 0, kMax)}},
        // L30x3 outside shear: b, b1 ≥ 30; la ≥ 4·30; t ≥ 8; edges ≥ 25; be 30..min(b, b1).
        {"角钢锚筋", 4, IDC_PRECOM_TENSION_BEND_SHEAR, {},
         Joined({Int(IDC_P4_B, 30, kMax), Int(IDC_P4_LA, 120, kMax), Int(IDC_P4_T, 8, kMax), Int(IDC_P4_B1, 30, kMax),
                 Int(IDC_P4_CA, 25, kMax), Int(IDC_P4_CB, 25, kMax), Int(IDC_P4_BE, 30, 45), Int(IDC_P4_TE, 6, kMax)},
                Loads(IDC_P4_N, IDC_P4_M, IDC_P4_V))},
        // In shear, d 8: b 48..300, b1 70..300; lw up to 2·48 + 2·40.
        {"直锚筋+弯折锚筋", 5, 0, {},
         {Int(IDC_P5_B, 48, 300), Int(IDC_P5_LA, 250, kMax), Int(IDC_P5_T, 6, kMax), Int(IDC_P5_B1, 70, 300),
          Int(IDC_P5_CB, 20, 96), Int(IDC_P5_CA, 20, 96), Int(IDC_P5_LW, 1, 176), Real(IDC_P5_ANGLE, "15", "45", 15, 45),
          Int(IDC_P5_BENT_LA, 1, kMax)}},
        // bv up to 2·48 + 2·40, hv up to min(4·6, 50).
        {"直锚筋+抗剪钢板", 6, 0, {},
         {Int(IDC_P6_B, 48, 300), Int(IDC_P6_LA, 250, kMax), Int(IDC_P6_T, 6, kMax), Int(IDC_P6_B1, 70, 300),
          Int(IDC_P6_CA, 20, 96), Int(IDC_P6_CB, 20, 96), Int(IDC_P6_BV, 1, 176), Int(IDC_P6_TV, 6, kMax),
          Int(IDC_P6_HV, 1, 24)}},
        // be d..min(b, b1); te ≥ max(6, 0.7·8 + 1).
        {"直锚筋+端板", 7, IDC_PRECOM_TENSION_BEND_SHEAR, {},
         Joined({Int(IDC_P7_B, 45, kMax), Int(IDC_P7_LA, 250, kMax), Int(IDC_P7_T, 6, kMax), Int(IDC_P7_B1, 45, 128),
                 Int(IDC_P7_CA, 20, 96), Int(IDC_P7_CB, 20, 96), Int(IDC_P7_BE, 8, 45), Int(IDC_P7_TE, 6, kMax)},
                Loads(IDC_P7_N, IDC_P7_M, IDC_P7_V))},
        // d 8: db 3·8..2·60, ln ≥ 30·8.
        {"吊环", 8, 0, {}, {Int(IDC_P8_LW, 1, 1000000), Int(IDC_P8_DB, 24, 120), Int(IDC_P8_LN, 240, kMax)}},
    };
    for (const EmbedPageCase& c : cases) {
        SCOPED_TRACE(c.pszItem);
        Close();
        Open();
        Pick(c.pszItem);
        if (c.nLoadCase) Click(c.nLoadCase);
        CWnd* pSub = Sub(c.nSub);
        for (const auto& typed : c.prepare) Type(pSub, typed.first, typed.second);
        for (const EmbedBox& box : c.boxes) {
            for (const char* pszText : BadNumberTexts()) {
                SCOPED_TRACE(testing::Message() << box.nID << " \"" << pszText << "\"");
                qelt::InteractionLog::Instance().Clear();
                Type(pSub, box.nID, pszText);
                EXPECT_EQ(Prompts(), std::vector<CString>{box.strMessage});
                CString strShown = Text(pSub, box.nID);
                if (box.bReal) {
                    double dValue = 0;
                    EXPECT_TRUE(GetCtrlDouble(strShown, dValue, box.dUpper, box.dLower)) << strShown;
                } else {
                    int nValue = 0;
                    EXPECT_TRUE(GetCtrlInt(strShown, nValue, static_cast<int>(box.dUpper), static_cast<int>(box.dLower)))
                        << strShown;
                }
                for (UINT nID : {IDC_PRECOM_N, IDC_PRECOM_M, IDC_PRECOM_V}) EXPECT_TRUE(ReadsAsNumbers(Shown(nID).Str()));
            }
        }
    }
}

// The drawing scale: a whole number from 1 up, the stored one coming back with the message.
TEST_F(PreComBadNumbers, ScaleIsRefused) {
    for (const char* pszText : BadNumberTexts()) {
        SCOPED_TRACE(pszText);
        qelt::InteractionLog::Instance().Clear();
        Type(&Page(), IDC_PRECOM_SCALE, pszText);
        EXPECT_EQ(Prompts(), std::vector<CString>{CString("请输入一个在1与32767之间的整数")});
        EXPECT_EQ(Shown(IDC_PRECOM_SCALE), CString("5"));
    }
}

}  // namespace
