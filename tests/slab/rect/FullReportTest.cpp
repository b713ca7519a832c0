// The slab's full calculation report, whole, for a few slabs: four sides simply supported, one
// fixed edge between table rows, a one-way strip, a cantilever, a plastic slab, a strip between two
// free edges.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Printers.h"
#include "ReportRows.h"
#include "TempStore.h"
#include "host/WordRow.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/SlabReportParts.h"

namespace {

struct SlabCase {
    const char* name;
    int nTop, nBottom, nLeft, nRight;
    int nLength, nWidth, nThick;
    int nBoardKind;
};

void Apply(CRectBoardParam& p, const SlabCase& c) {
    p.m_nTop = c.nTop;
    p.m_nBottom = c.nBottom;
    p.m_nLeft = c.nLeft;
    p.m_nRight = c.nRight;
    p.m_nLength = c.nLength;
    p.m_nWidth = c.nWidth;
    p.m_nThick = c.nThick;
    p.m_nBoardKind = c.nBoardKind;
    p.strNumber = "LB-7";
}

std::string FullReport(CRectBoardParam& p) {
    p.CalBoard();
    p.wordC.InitData();
    p.BuildWordC();
    return ReportRows(p.wordC);
}

class SlabFullReport : public ::testing::TestWithParam<SlabCase> {};

TEST_P(SlabFullReport, WholeReport) {
    TempStore store;
    CRectBoardParam p;
    Apply(p, GetParam());
    EXPECT_EQ(FullReport(p), ExpectedReportRowsIn("slab/rect", GetParam().name, "full"));
}

INSTANTIATE_TEST_SUITE_P(
    Slabs, SlabFullReport,
    ::testing::Values(SlabCase{"simple4", 1, 1, 1, 1, 6000, 4200, 100, 0},
                      SlabCase{"topfixed", 0, 1, 1, 1, 3700, 4000, 100, 0},
                      SlabCase{"strip", 0, 0, 0, 0, 6000, 2400, 100, 0},
                      SlabCase{"cantilever", 0, 2, 2, 2, 3000, 1500, 120, 0},
                      SlabCase{"plastic", 0, 0, 1, 0, 4800, 6000, 120, 1},
                      SlabCase{"freestrip", 1, 0, 2, 2, 3000, 3300, 100, 0}),
    [](const ::testing::TestParamInfo<SlabCase>& info) { return std::string(info.param.name); });

// The cantilever's deflection in section 七 is the one the calculation gives (and the brief report
// and the result page show): (gk + qk)·Lo⁴/(8·B), not with (2·Lo)⁴.
TEST(SlabFullReportDeflection, CantileverPrintsTheCalculatedDeflection) {
    TempStore store;
    CRectBoardParam p;
    Apply(p, SlabCase{"cantilever", 0, 2, 2, 2, 3000, 1500, 120, 0});
    const std::string rows = FullReport(p);
    const double dDeflection = p.GetCalc()->m_dDeflection;
    EXPECT_NEAR(dDeflection, 14.58, 0.01);  // 11·1500⁴/(8·4.773e11 N·mm²), worked by hand
    const CString strLine = SlabFormat("fmax=%.3lfmm", dDeflection);  // ASCII: the rows are UTF-8
    EXPECT_NE(rows.find(static_cast<LPCTSTR>(strLine)), std::string::npos) << rows;
}

// The picture is 270 × 170 when Ly < Lx and 250 × 230 otherwise.
TEST(SlabFullReportPicture, SizeBySpans) {
    const struct {
        int nLength, nWidth, nPictureWidth, nPictureHeight;
    } cases[] = {{6000, 4200, 270, 170}, {4200, 6000, 250, 230}, {4800, 4800, 250, 230}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nLength);
        TempStore store;
        CRectBoardParam p;
        p.m_nLength = c.nLength;
        p.m_nWidth = c.nWidth;
        FullReport(p);
        const CWordRow* pPicture = nullptr;
        for (int i = 0; i < p.wordC.GetRowCount(); ++i)
            if (p.wordC.GetRow(i)->GetKind() == CWordRow::kindPicture) pPicture = p.wordC.GetRow(i);
        ASSERT_NE(pPicture, nullptr);
        EXPECT_EQ(pPicture->GetPictureWidth(), c.nPictureWidth);
        EXPECT_EQ(pPicture->GetPictureHeight(), c.nPictureHeight);
    }
}

// A calculation stopped by its status leaves no report behind, not even the previous run's.
TEST(SlabFullReportPicture, StoppedCalculationWritesNothing) {
    TempStore store;
    CRectBoardParam p;
    ASSERT_FALSE(FullReport(p).empty());
    p.m_dBS = 0.45;  // outside [0, 0.3]: status 4
    EXPECT_EQ(FullReport(p), "");
}

// A cantilever fixed at its bottom edge: the bottom support's block, and construction bottom bars
// (ρmin·b·h = 0.2 %·1000·120 = 240) only when the slab is at least as thick as the limit.
TEST(SlabFullReportCantilever, BottomEdgeAndConstructionBars) {
    const struct {
        int nThickLim;
        bool bConstruction;
    } cases[] = {{100, true}, {120, true}, {121, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nThickLim);
        TempStore store;
        CRectBoardParam p;
        Apply(p, SlabCase{"cantilever", 2, 0, 2, 2, 3000, 1500, 120, 0});
        p.m_bThickLim = 1;
        p.m_nThickLim = c.nThickLim;
        const std::string rows = FullReport(p);
        EXPECT_NE(rows.find(u8"   1.Y向支座钢筋\\n     1) 确定下端端支座弯距\\n"), std::string::npos);
        EXPECT_NE(rows.find(u8"   1.下端支座跨中裂缝"), std::string::npos);
        const std::string construction = u8"     6) 构造Y向底板钢筋\\n       当悬臂板时，底板相应方向布置构造钢筋，120板厚限值" +
                                         std::to_string(c.nThickLim) +
                                         u8"\\n       所以构造底板钢筋面积As = ρmin*b*h = 0.200%*1000*120 = 240.00\\n";
        EXPECT_EQ(rows.find(construction) != std::string::npos, c.bConstruction) << rows;
    }
}

// A one-way strip with the bottom factor 1.2: the distribution bars take 15 % of the span area as
// designed and the factor once, as the calculation does. Ly 2400, h0 80, C20, HRB335, q = 1.2·15 + 1.4·10
// = 32: My = 32·2.4²/8 = 23.04 kN·m, αs = 0.375, ξ = 0.5, As = 9.6·1000·80·0.5/300 = 1280, ×1.2 = 1536;
// distribution max(0.15·1280, 1.5·100) = 192, ×1.2 = 230.4 → 230 (not 0.15·1536·1.2 = 276).
TEST(SlabDesignText, OneWayDistributionBarsWithTheBottomFactor) {
    TempStore store;
    CRectBoardParam p;
    Apply(p, SlabCase{"strip", 1, 1, 1, 1, 6000, 2400, 100, 0});
    p.m_dQgk = 15, p.m_dQqk = 10;
    p.m_nMagnify1 = 1, p.m_dMagnifyValue1 = 1.2;
    p.m_dCrackWidth = 0.4;
    const std::string rows = FullReport(p);
    EXPECT_NE(rows.find(u8"所以最后面积As = 1280*1.20 = 1536 mm$2$"), std::string::npos) << rows;
    EXPECT_NE(rows.find(u8"As1 = As*0.15 = 1280.00*0.15 = 192 mm$2$"), std::string::npos) << rows;
    EXPECT_NE(rows.find(u8"所以最后面积As = 192*1.20 = 230 mm$2$"), std::string::npos) << rows;
    int areas[6];  // top, left, right, bottom support, x span, y span
    p.GetCalc()->GetAreas(areas);
    EXPECT_EQ(areas[4], 230);
    EXPECT_EQ(areas[5], 1536);
}

// The construction bars of a one-way support without moment: ρmin·b·h, at least a third of the span
// bars across it (as designed, before the span factor) under the one-third option; the larger of the
// two is amplified with the support factor, as the calculation's area is: top max(200, 900/3)·1.5 = 450.
TEST(SlabDesignText, OneWayConstructionRows) {
    RectBoardInputs in{};
    in.nTop = SLAB_FIXED;
    in.nBottom = SLAB_FIXED;
    in.nLeft = SLAB_SIMPLE;
    in.nRight = SLAB_SIMPLE;
    in.nLength = 6000;
    in.nWidth = 2400;
    in.nThick = 100;
    in.nAs = 20;
    in.dP = 0.002;
    in.nAs1 = 1;
    in.nMagnify2 = 1;
    in.dMagnifyValue2 = 1.5;
    std::strcpy(in.szConcrete, "C20");
    std::strcpy(in.szSteelBar, "HRB335");
    const struct {
        int nPosition;
        const char* text;
    } cases[] = {
        {POS_TOP, u8"\"     1) 构造上边钢筋面积\\n       构造钢筋面积As = ρmin*b*h = 0.200%*1000*100 = 200 mm$2$\\n"
                  u8"       用户选择了单向板上部板边构造钢筋截面面积不宜小于板跨中相应\\n"
                  u8"       方向纵向钢筋截面面积的三分之一,所以:\\n       面积s = 纵跨板底钢筋面积/3 = 300 mm$2$\\n"
                  u8"       我们去其中两个值较大者，所以构造钢筋面积为300 mm$2$\\n"
                  u8"       用户选择了支座放大系数，系数值为:1.50\\n       所以最后面积As = 300*1.50 = 450 mm$2$\\n\"\n"},
        {POS_LEFT, u8"\"     1) 构造左边钢筋面积\\n       钢筋面积As = ρmin*b*h = 0.200%*1000*100 = 200\\n"
                   u8"       用户选择了单向板左部板边构造钢筋截面面积不宜小于板跨中相应\\n"
                   u8"       方向横跨方向钢筋截面面积的三分之一,所以:\\n       面积s = 横跨跨板底钢筋面积/3 = 40 mm$2$\\n"
                   u8"       我们去其中两个值较大者，所以构造钢筋面积为200 mm$2$\\n"
                   u8"       用户选择了支座放大系数，系数值为:1.50\\n       所以最后面积As = 200*1.50 = 300 mm$2$\\n\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nPosition);
        CRectBoardCalculator calc(in);
        const double dAreas[6] = {0, 0, 0, 0, 120, 900};  // top, left, right, bottom, x span, y span
        std::memcpy(calc.m_moment.m_dDesignAreas, dAreas, sizeof(dAreas));
        CWordObject report;
        const int nCode = SLAB_CODE_ONE_WAY;
        int nStep = 1;
        calc.WriteReinLimitText(&report, &nCode, &c.nPosition, &nStep);
        EXPECT_EQ(ReportRows(report), c.text);
        EXPECT_EQ(nStep, 2);
    }
}

}  // namespace
