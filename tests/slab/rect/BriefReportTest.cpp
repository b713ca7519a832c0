// The slab's brief report from a calculator whose results are set by hand: every value lands in its
// own column, the edge and post words, the deflection verdict and its allowed value; the number
// formats of the reports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Printers.h"
#include "ReportRows.h"
#include "slab/rect/BoardServiceability.h"
#include "slab/rect/RectBoardCalculator.h"
#include "slab/rect/SlabNumberText.h"

namespace {

RectBoardInputs HandInputs() {
    RectBoardInputs in{};
    in.nTop = SLAB_FIXED;
    in.nBottom = SLAB_SIMPLE;
    in.nLeft = SLAB_FREE;
    in.nRight = 7;  // any code other than 0 and 1 reads as free
    in.nTopLeft = 0;
    in.nTopRight = 1;
    in.nBottomLeft = 1;
    in.nBottomRight = 0;
    in.nLength = 6000;
    in.nWidth = 4200;
    in.nThick = 120;
    in.dQgk = 7;
    in.dQqk = 2.5;
    std::strcpy(in.szConcrete, "C20");
    std::strcpy(in.szSteelBar, "HRB335");
    return in;
}

// Distinct values in every position, so that a value in the wrong column shows.
void FillByHand(CRectBoardCalculator& calc) {
    calc.m_moments = SlabMoments{11.1e6, 12.2e6, 13.3e6, 14.4e6, 5.5e6, 6.6e6};  // top, left, right, bottom, x, y
    const int nAreas[6] = {401, 402, 403, 404, 405, 406};  // top, left, right, bottom, x span, y span
    std::memcpy(calc.m_nAreas, nAreas, sizeof(nAreas));
    calc.m_schemes[SCHEME_YSPAN] = BoardReinScheme{8, 120, 418, "HRB335"};
    calc.m_schemes[SCHEME_XSPAN] = BoardReinScheme{8, 110, 456, "HRB335"};
    calc.m_schemes[SCHEME_TOP] = BoardReinScheme{10, 150, 523, "HRB335"};
    calc.m_schemes[SCHEME_BOTTOM] = BoardReinScheme{10, 140, 560, "HRB335"};
    calc.m_schemes[SCHEME_LEFT] = BoardReinScheme{10, 130, 604, "HRB335"};
    calc.m_schemes[SCHEME_RIGHT] = BoardReinScheme{12, 180, 628, "HRB335"};
    const double dWidths[6] = {0.11, 0.12, 0.13, 0.14, 0.15, 0.16};  // top, bottom, left, right, y, x
    std::memcpy(calc.m_crackWidths, dWidths, sizeof(dWidths));
    calc.m_dDeflection = 12.5;
    calc.m_nSpan = 4200;
    calc.m_nDeflectCase = DEFLECT_TABLE;
    calc.m_dFleLim1 = 200;
    calc.m_dFleLim2 = 250;
    calc.m_dFleLim3 = 300;
    calc.m_bStrengthDone = calc.m_bDeflectDone = calc.m_bCrackDone = 1;
}

TEST(SlabBriefReport, EveryValueInItsColumn) {
    CRectBoardCalculator calc(HandInputs());
        FillByHand(calc);
    CWordObject report;
    EXPECT_EQ(calc.WriteBriefReport(&report, "LB-2"), 1);
    EXPECT_EQ(ReportRows(report),
              u8"\"矩形板计算\\n\"\n"
              u8"\"一.构件编号：LB-2\\n\"\n"
              u8"\"二.尺寸参数：\\n   Lx = 6000\\n   Ly = 4200\\n   h = 120\\n\"\n"
              u8"\"   四边支撑条件(上端/下端/左端/右端):\\n   固定/简支/自由/自由\\n"
              u8"   角柱 左下:有 右下:否 左上:否 右上:有\\n\"\n"
              u8"\"三.荷载参数\\n   ｑgk = 7.000kN/m$2$\\n   ｑqk = 2.500kN/m$2$\\n\"\n"
              u8"\"四.荷载参数\\n   (1)跨中:          [水平]          [竖向]\\n"
              u8"      弯矩            5.500          6.600\\n"
              u8"      计算面积        405            406\\n"
              u8"      实配面积        d8@110(456)\\t  d8@120(418)\\n"
              u8"      裂缝宽度        0.1600         0.1500\\n\"\n"
              u8"\"   (2)四边:          [上]          [下]          [左]          [右]\\n"
              u8"      弯矩           11.100        14.400        12.200        13.300\\n"
              u8"      计算面积        401           404          402           403\\n"
              u8"      实配面积        d10@150(523)  d10@140(560) d10@130(604)  d12@180(628)\\n"
              u8"      裂缝宽度        0.1100        0.1200       0.1300        0.1400\\n"
              u8"      (弯矩单位:kN*m  配筋面积:mm2  裂缝宽度:mm )\\n\"\n"
              u8"\"   (3)挠度验算\\n      挠度 fmax = 12.500mm <= 21.000, 满足规范要求\"\n");
}

// fo = l0 / 200 below 7 m, l0 / 250 from 7 m to 9 m, l0 / 300 above; a cantilever's l0 is twice
// its length, and its row is the one of that l0.
TEST(SlabBriefReport, DeflectionVerdict) {
    const struct {
        int nSpan;
        int nCase;
        double dDeflection;
        const char* verdict;
    } cases[] = {
        {4200, DEFLECT_TABLE, 21.0, u8"      挠度 fmax = 21.000mm <= 21.000, 满足规范要求"},
        {4200, DEFLECT_TABLE, 21.01, u8"      挠度 fmax = 21.010mm > 21.000, 不满足规范要求"},
        {7000, DEFLECT_SIMPLE, 20.0, u8"      挠度 fmax = 20.000mm <= 28.000, 满足规范要求"},
        {9000, DEFLECT_SIMPLE, 36.5, u8"      挠度 fmax = 36.500mm > 36.000, 不满足规范要求"},
        {9300, DEFLECT_FIXED_FIXED, 31.0, u8"      挠度 fmax = 31.000mm <= 31.000, 满足规范要求"},
        {1500, DEFLECT_CANTILEVER, 14.0, u8"      挠度 fmax = 14.000mm <= 15.000, 满足规范要求"},
        {3400, DEFLECT_CANTILEVER, 34.0, u8"      挠度 fmax = 34.000mm <= 34.000, 满足规范要求"},   // 6800/200
        {4000, DEFLECT_CANTILEVER, 33.0, u8"      挠度 fmax = 33.000mm > 32.000, 不满足规范要求"},  // 8000/250, not /200
        {8000, DEFLECT_CANTILEVER, 79.0, u8"      挠度 fmax = 79.000mm > 53.333, 不满足规范要求"},  // 16000/300
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.verdict);
        CRectBoardCalculator calc(HandInputs());
        FillByHand(calc);
        calc.m_nSpan = c.nSpan;
        calc.m_nDeflectCase = c.nCase;
        calc.m_dDeflection = c.dDeflection;
        CWordObject report;
        ASSERT_EQ(calc.WriteBriefReport(&report, "LB-1"), 1);
        const std::string rows = ReportRows(report);
        const std::string expected = u8"\"   (3)挠度验算\\n" + std::string(c.verdict) + "\"\n";
        EXPECT_EQ(rows.substr(rows.size() - expected.size()), expected);
    }
}

TEST(SlabBriefReport, NoReportObjectWritesNothing) {
    CRectBoardCalculator calc(HandInputs());
        FillByHand(calc);
    EXPECT_EQ(calc.WriteBriefReport(NULL, "LB-1"), 0);
}

// A deflection or crack check that did not run leaves no figure to state: no report, rather than
// an old or zero deflection read as within its limit.
TEST(SlabBriefReport, WithoutTheChecksWritesNothing) {
    for (int CRectBoardCalculator::*done : {&CRectBoardCalculator::m_bStrengthDone,
                                             &CRectBoardCalculator::m_bDeflectDone, &CRectBoardCalculator::m_bCrackDone}) {
        CRectBoardCalculator calc(HandInputs());
        FillByHand(calc);
        calc.*done = 0;
        CWordObject report;
        EXPECT_EQ(calc.WriteBriefReport(&report, "LB-1"), 0);
        EXPECT_EQ(report.GetRowCount(), 0);
    }
}

TEST(SlabNumberText, Formats) {
    const struct {
        const char* kind;
        double dValue;
        int nDecimals;
        const char* text;
    } cases[] = {
        {"trim", 4.2, 0, "4.2"},
        {"trim", 6000 * 0.001, 0, "6"},
        {"trim", 4250 * 0.001, 0, "4.25"},
        {"trim", 0.0015, 0, "0.0015"},
        {"trim", -2.5, 0, "-2.5"},
        {"trim", 0.0000001, 0, "0"},
        {"trim", 100, 0, "100"},
        {"e6", 5432100, 3, "5.432×10$6$"},
        {"e6", 987654, 2, "0.99×10$6$"},
        {"e6", 123456, 7, "0.123456×10$6$"},
        {"e6", 123456, 0, "0.123456×10$6$"},
        {"exp", 25500, 2, "2.55×10$4$"},
        {"exp", 200000, 1, "2.0×10$5$"},
        {"exp", 1234.5678, 3, "1.235×10$3$"},
        {"exp", 2.55e10, 2, "2.55×10$10$"},
        {"exp", 3.0e104, 1, "3.0×10$104$"},
        {"exp", 25500, 9, "2.550000×10$4$"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.dValue << " " << c.nDecimals);
        CString strText;
        if (std::strcmp(c.kind, "trim") == 0)
            EXPECT_TRUE(NumToTrimStr(c.dValue, strText));
        else if (std::strcmp(c.kind, "e6") == 0)
            strText = NumToStrE6(c.dValue, c.nDecimals);
        else
            strText = NumToStrExp(c.dValue, c.nDecimals);
        EXPECT_EQ(strText, CString(c.text));
    }
}

}  // namespace
