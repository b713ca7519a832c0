// The continuous beam's short and full reports, row by row, on beams worked by hand, and the four
// kinds of report picture against references made once and looked at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Printers.h"
#include "ReferencePicture.h"
#include "ReportRows.h"
#include "beam/ContinuousBeam.h"
#include "host/WordRow.h"
#include "render/Render.h"
#include "sibling/BeamRecords.h"

namespace {

CSteelSpan* MakeSpan(double dLength) {
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = dLength;
    pSpan->m_dSecWidth = 250;
    pSpan->m_dSecHeight = 500;
    return pSpan;
}

// A back buffer of its own, as a page would attach.
void AttachBuffer(CContinuousBeam& beam) {
    CBitmap bitmap;
    bitmap.CreateBitmap(600, 150, 1, 32, nullptr);
    beam.m_Graph = CgraphTrans(&bitmap);
}

// Two spans of 6 m, both ends simply supported, 10 kN/m dead and 10 kN/m live on both:
// q = 1.2·10 + 1.4·10 = 26 kN/m; support 1: M = −qL²/8 = −117, V = ∓5qL/8 = ∓97.5; ends
// V = 3qL/8 = 58.5; spans: M = 9qL²/128 = 65.81 at 3L/8 from the end support.
// The design (α1 fc = 14.3, fy 210, h0 465): support 1 αs = 0.15136, As = 117e6/(210·0.917527·465)
// = 1305.87 (the other side 0.3 As = 391.76), mid-spans 705.39, elsewhere the minimum
// 0.45·1.43/210·250·500 = 383.04. Support 1's crack width on its 4d22 (1520.53) under
// Mk = 20·6²/8 = 90: σsk = 146.3, ρte = 0.02433, ψ = 0.733, c = 35 − 11 = 24, w = 2.1 ψ σsk/Es
// (1.9 c + 0.08·22/ρte) = 0.126 mm; the end supports have no moment. The mid-spans' serviceability
// and the stirrups are set by the test.
void MakeTwoSpans(CContinuousBeam& beam) {
    beam.AddSpan(MakeSpan(6));
    beam.AddSpan(MakeSpan(6));
    beam.AddComStyle(BEAM_CASE_LIVE);
    for (int c = 0; c < 2; ++c) {
        beam.SetCurrentCom(c);
        for (int i = 0; i < 2; ++i) beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    }
    ASSERT_EQ(1, beam.Calculate());
    for (int r : {1, 3}) {
        SectionResult& mid = beam.m_ResultArr[r];
        mid.Deform = 0.0025;
        mid.Crack = 0.15;
        mid.StiDia = 2;  // 6 mm
        mid.StiInt = 150;
        beam.m_StirrupSetArr[r / 2]->m_dAreaPerMetre = 350;
    }
}

const char kTwoSpanForces[] = u8R"("\t\t1.\t弯矩图"
<picture>
"\t\t2.\t剪力图\n"
<picture>
"\t\t3.\t截面内力及配筋\n"
"\t\t0支座:\t "
"正弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 剪力\t58.50 kN,\t\n"
"\t\t\t\t 上钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 383.04 mm$2$\n"
"\t\t\t\t 下钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 383.04 mm$2$\n"
"\t\t\t\t 裂缝  0.00mm,\t 限值 0.30mm,\t 满足\n"
"\t\t1跨中:\t "
"正弯矩\t65.81 kN*m,\t\t位置:   2.25m\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\t位置:   2.00m\n"
"\t\t\t\t 剪力\t97.50 kN,\t\t位置:   6.00m\n"
"\t\t\t\t 挠度 2.50mm(↓),\t\t位置： 跨中\n"
"\t\t\t\t 挠度限值 l0/200 = 30.00mm (l0 = 6.00m),\t 满足\n"
"\t\t\t\t 裂缝  0.15mm,\t 限值 0.30mm,\t 满足\n"
"\t\t\t\t 上钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 383.04 mm$2$\n"
"\t\t\t\t 下钢筋: 4d16,\t 实际面积: 804.25 mm$2$, 计算面积: 705.39 mm$2$\n"
"\t\t\t\t 箍筋: d6@150,\t 实际面积: 376.99 mm$2$/m, 计算面积: 350.00 mm$2$/m\n"
"\t\t1支座:\t "
"正弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 负弯矩\t117.00 kN*m,\t\n"
"\t\t\t\t 剪力左\t-97.50 kN,\t\n\t\t\t\t 剪力右\t97.50 kN,\t\n"
"\t\t\t\t 上钢筋: 4d22,\t 实际面积: 1520.53 mm$2$, 计算面积: 1305.87 mm$2$\n"
"\t\t\t\t 下钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 391.76 mm$2$\n"
"\t\t\t\t 裂缝  0.13mm,\t 限值 0.30mm,\t 满足\n"
"\t\t2跨中:\t "
"正弯矩\t65.81 kN*m,\t\t位置:   3.75m\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\t位置:   2.00m\n"
"\t\t\t\t 剪力\t97.50 kN,\t\t位置:   0.00m\n"
"\t\t\t\t 挠度 2.50mm(↓),\t\t位置： 跨中\n"
"\t\t\t\t 挠度限值 l0/200 = 30.00mm (l0 = 6.00m),\t 满足\n"
"\t\t\t\t 裂缝  0.15mm,\t 限值 0.30mm,\t 满足\n"
"\t\t\t\t 上钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 383.04 mm$2$\n"
"\t\t\t\t 下钢筋: 4d16,\t 实际面积: 804.25 mm$2$, 计算面积: 705.39 mm$2$\n"
"\t\t\t\t 箍筋: d6@150,\t 实际面积: 376.99 mm$2$/m, 计算面积: 350.00 mm$2$/m\n"
"\t\t2支座:\t "
"正弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 剪力\t-58.50 kN,\t\n"
"\t\t\t\t 上钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 383.04 mm$2$\n"
"\t\t\t\t 下钢筋: 4d12,\t 实际面积: 452.39 mm$2$, 计算面积: 383.04 mm$2$\n"
"\t\t\t\t 裂缝  0.00mm,\t 限值 0.30mm,\t 满足\n"
)";

TEST(ContinuousBeamReport, TwoSpansWholeReports) {
    CContinuousBeam beam;
    AttachBuffer(beam);
    MakeTwoSpans(beam);
    ASSERT_TRUE(beam.BuildWordS());
    ASSERT_TRUE(beam.BuildWordC());
    EXPECT_EQ(std::string(u8R"("连续梁计算\n"
"一、\t构件编号: LL-1\n"
"二、\t几何尺寸\n"
<picture>
"三、\t荷载数据\n"
" 荷载工况1 (恒载):\n"
<picture>
" 荷载工况2 (活载):\n"
<picture>
"四、\t内力及配筋\n"
)") + kTwoSpanForces,
              ReportRows(beam.wordS));
    EXPECT_EQ(std::string(u8R"("连续梁计算\n"
"一、\t几何数据及计算参数\n"
<picture>
"\t构件编号: LL-1\n\t混凝土： C30\t\t主筋： HPB235\t\t箍筋： HPB235\n"
"\t保护层厚度as(mm)： 35.00\t\t指定主筋强度： 无\n"
"\t跨中弯矩调整系数：  1.00\t\t支座弯矩调整系数：  1.00\n"
"\t(说明：弯矩调整系数只影响配筋)\n"
"\t自动计算梁自重： 否\n"
"\t恒载系数：  1.20\t\t活载系数：  1.40\n"
"二、\t荷载数据\n"
" 荷载工况1 (恒载):\n"
<picture>
" 荷载工况2 (活载):\n"
<picture>
"三、\t内力及配筋\n"
)") + kTwoSpanForces,
              ReportRows(beam.wordC));
    // The load pictures leave the last case current.
    EXPECT_EQ(1, beam.GetCurrentCom());
}

// A 2 m cantilever (free left end) with 20 kN dead at its tip, then a 6 m span simply supported at
// the right with 10 kN/m dead and 5 kN/m live: support 1 M = −1.2·20·2 = −48, the cantilever's
// shear −24; the span under 19 kN/m: M(x) = −48 + 65x − 9.5x², largest 63.18 at 3.42 (of the
// 0.01 m grid), V = 65 at the left, 65 − 19·6 = −49 at the right. The cantilever has no
// sagging moment (0, first at its start); in its middle third M = −24x reaches −32 at 1.33 m.
TEST(ContinuousBeamReport, CantileverSettingsAndMissingBars) {
    CContinuousBeam beam;
    AttachBuffer(beam);
    beam.strNumber = "KL-3";
    beam.m_strConLevel = "C25";
    beam.m_strMainReinLv = "HRB335";
    beam.m_strHoopReinLv = "HRB335";
    beam.m_ProtectAs = 40;
    beam.m_IntensionCheck = 1;
    beam.m_StlIntension = 300;
    beam.m_MidModulus = 0.9;
    beam.m_TipModulus = 1.1;
    beam.m_nLeftSupport = BEAM_END_FREE;
    beam.AddSpan(MakeSpan(2));
    beam.AddSpan(MakeSpan(6));
    beam.AddComStyle(BEAM_CASE_LIVE);
    beam.SetCurrentCom(0);
    beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{20, 0});
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    beam.SetCurrentCom(1);
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_UNIFORM, 5.0);
    ASSERT_EQ(1, beam.Calculate());
    // Bars as an engineer would pick them: 3D16 top, 2D14 bottom everywhere; none at the bottom of
    // the second span, whose serviceability then prints no figure.
    for (int r = 0; r < beam.m_ResultArr.GetSize(); ++r) {
        SectionResult& result = beam.m_ResultArr[r];
        result.m_bInitTopBar = result.m_bInitBotBar = 1;
        result.TopBar = {2, 0, 3, 0};
        result.BotBar = {1, 0, 2, 0};
        result.TopMainArea = 500;
        result.BotMainArea = 250;
    }
    // The checks with these bars: support 1 under Mk = 20 · 2 = 40 kN·m on 3D16 (603.19), h0 =
    // 500 − 40 = 460, C25 (ftk 1.78): σsk = 165.70, ρte = 0.01 (0.00965 below it), ψ = 0.402,
    // c = 40 − 8 = 32: w = 2.1 ψ σsk/Es (1.9 c + 0.08 · 16/ρte) = 0.132 mm. The cantilever's own
    // figures are then set by the test.
    beam.CheckServiceability();
    SectionResult& cantilever = beam.m_ResultArr[1];
    cantilever.Deform = -0.00512;
    cantilever.Crack = 0.21;
    cantilever.m_bInitStiBar = 0;
    SectionResult& span = beam.m_ResultArr[3];
    span.m_bInitBotBar = 0;
    span.m_bInitStiBar = 1;
    span.StiDia = 3;  // 8 mm
    span.StiInt = 200;
    beam.m_StirrupSetArr[1]->m_dAreaPerMetre = 300;
    beam.m_CalBeamWeightCheck = 1;  // printed only
    ASSERT_TRUE(beam.BuildWordC());
    EXPECT_EQ(std::string(u8R"("连续梁计算\n"
"一、\t几何数据及计算参数\n"
<picture>
"\t构件编号: KL-3\n\t混凝土： C25\t\t主筋： HRB335\t\t箍筋： HRB335\n"
"\t保护层厚度as(mm)： 40.00\t\t指定主筋强度：  300.00N/mm$2$\n"
"\t跨中弯矩调整系数：  0.90\t\t支座弯矩调整系数：  1.10\n"
"\t(说明：弯矩调整系数只影响配筋)\n"
"\t自动计算梁自重： 是\n"
"\t恒载系数：  1.20\t\t活载系数：  1.40\n"
"二、\t荷载数据\n"
" 荷载工况1 (恒载):\n"
<picture>
" 荷载工况2 (活载):\n"
<picture>
"三、\t内力及配筋\n"
"\t\t1.\t弯矩图"
<picture>
"\t\t2.\t剪力图\n"
<picture>
"\t\t3.\t截面内力及配筋\n"
"\t\t0支座:\t "
"正弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 剪力\t-24.00 kN,\t\n"
"\t\t\t\t 上钢筋: 3D16,\t 实际面积: 603.19 mm$2$, 构造配筋\n"
"\t\t\t\t 下钢筋: 2D14,\t 实际面积: 307.88 mm$2$, 构造配筋\n"
"\t\t1跨中:\t "
"正弯矩\t 0.00 kN*m,\t\t位置:   0.00m\n"
"\t\t\t\t 负弯矩\t32.00 kN*m,\t\t位置:   1.33m\n"
"\t\t\t\t 剪力\t24.00 kN,\t\t位置:   0.00m\n"
"\t\t\t\t 挠度 5.12mm(↑),\t\t位置： 左端\n"
"\t\t\t\t 挠度限值 l0/200 = 20.00mm (l0 = 4.00m),\t 满足\n"
"\t\t\t\t 裂缝  0.21mm,\t 限值 0.30mm,\t 满足\n"
"\t\t\t\t 上钢筋: 3D16,\t 实际面积: 603.19 mm$2$, 计算面积: 500.00 mm$2$\n"
"\t\t\t\t 下钢筋: 2D14,\t 实际面积: 307.88 mm$2$, 计算面积: 250.00 mm$2$\n"
"\t\t\t\t 箍筋:   无钢筋方案\n"
"\t\t1支座:\t "
"正弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 负弯矩\t48.00 kN*m,\t\n"
"\t\t\t\t 剪力左\t-24.00 kN,\t\n\t\t\t\t 剪力右\t65.00 kN,\t\n"
"\t\t\t\t 上钢筋: 3D16,\t 实际面积: 603.19 mm$2$, 计算面积: 500.00 mm$2$\n"
"\t\t\t\t 下钢筋: 2D14,\t 实际面积: 307.88 mm$2$, 计算面积: 250.00 mm$2$\n"
"\t\t\t\t 裂缝  0.13mm,\t 限值 0.30mm,\t 满足\n"
"\t\t2跨中:\t "
"正弯矩\t63.18 kN*m,\t\t位置:   3.42m\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\t位置:   2.00m\n"
"\t\t\t\t 剪力\t65.00 kN,\t\t位置:   0.00m\n"
"\t\t\t\t 挠度 —\t(未配筋)\n"
"\t\t\t\t 裂缝 —\t(未配筋)\n"
"\t\t\t\t 上钢筋: 3D16,\t 实际面积: 603.19 mm$2$, 计算面积: 500.00 mm$2$\n"
"\t\t\t\t 下钢筋: 无钢筋方案\n"
"\t\t\t\t 箍筋: D8@200,\t 实际面积: 502.65 mm$2$/m, 计算面积: 300.00 mm$2$/m\n"
"\t\t2支座:\t "
"正弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 负弯矩\t 0.00 kN*m,\t\n"
"\t\t\t\t 剪力\t-49.00 kN,\t\n"
"\t\t\t\t 上钢筋: 3D16,\t 实际面积: 603.19 mm$2$, 计算面积: 500.00 mm$2$\n"
"\t\t\t\t 下钢筋: 2D14,\t 实际面积: 307.88 mm$2$, 计算面积: 250.00 mm$2$\n"
"\t\t\t\t 裂缝  0.00mm,\t 限值 0.30mm,\t 满足\n"
)"),
              ReportRows(beam.wordC));
}

// Without a back buffer (no page has attached one) the reports have no picture rows and lose no text.
TEST(ContinuousBeamReport, NoBufferNoPictures) {
    CContinuousBeam beam;
    MakeTwoSpans(beam);
    ASSERT_TRUE(beam.BuildWordS());
    EXPECT_EQ(std::string::npos, ReportRows(beam.wordS).find("<picture>"));
    EXPECT_NE(std::string::npos, ReportRows(beam.wordS).find(u8"\"\\t\\t\\t\\t 负弯矩\\t117.00 kN*m,\\t\\n\""));
}

std::vector<std::string> Pictures(const CWordObject& report) {
    std::vector<std::string> pictures;
    for (int r = 0; r < report.GetRowCount(); ++r)
        if (report.GetRow(r)->GetKind() == CWordRow::kindPicture) {
            const std::vector<unsigned char>& png = report.GetRow(r)->GetPng();
            pictures.emplace_back(png.begin(), png.end());
        }
    return pictures;
}

// The short report's pictures of a beam with a fixed left end and every load kind in its live
// case: geometry, the two load cases, moments and shears.
TEST(ContinuousBeamReport, PicturesMatchTheirReferences) {
    CContinuousBeam beam;
    AttachBuffer(beam);
    beam.AddSpan(MakeSpan(6));
    beam.AddSpan(MakeSpan(6));
    beam.AddComStyle(BEAM_CASE_LIVE);
    beam.m_nLeftSupport = BEAM_END_FIXED;
    beam.SetCurrentCom(0);
    for (int i = 0; i < 2; ++i) beam.getSpan(i)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    beam.SetCurrentCom(1);
    beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{30, 2});
    beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_MOMENT, NormalLoad{15, 4});
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_TRIANGLE, 8.0);
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_TRAPEZOID, NormalLoad{5, 1.5});
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{-5, 10, 1, 3});
    ASSERT_EQ(1, beam.Calculate());
    ASSERT_TRUE(beam.BuildWordS());
    const std::vector<std::string> pictures = Pictures(beam.wordS);
    const char* names[] = {"geometry", "dead-loads", "live-loads", "moments", "shears"};
    ASSERT_EQ(5u, pictures.size());
    for (size_t k = 0; k < pictures.size(); ++k)
        EXPECT_TRUE(qelt::test::MatchesReferencePicture(
            pictures[k], std::string(QELT_PICTURES) + "/continuous-beam-" + names[k] + ".png"));
}

// The input page's picture: black, the first span yellow, supports of a free left end and a fixed
// right end, and the current case's loads.
TEST(ContinuousBeamPicture, InputPictureMatchesItsReference) {
    CContinuousBeam beam;
    AttachBuffer(beam);
    beam.AddSpan(MakeSpan(2));
    beam.AddSpan(MakeSpan(6));
    beam.AddSpan(MakeSpan(5));
    beam.m_nLeftSupport = BEAM_END_FREE;
    beam.m_nRightSupport = BEAM_END_FIXED;
    beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{20, 0});
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    beam.getSpan(2)->AddSpanLoad(BEAM_LOAD_TRAPEZOID, NormalLoad{8, 1.5});
    beam.m_nSelSpan = 0;
    beam.DrawInputBeam();
    EXPECT_EQ(0u, beam.m_Graph.GetBkColor());
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(qelt::render::BitmapToPng(beam.m_Graph.ExportPic()),
                                                    std::string(QELT_PICTURES) + "/continuous-beam-input.png"));
}

}  // namespace
