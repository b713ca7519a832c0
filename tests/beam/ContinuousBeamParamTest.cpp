// Stored keys, defaults, calculation frame and list entry of the continuous beam.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "Printers.h"
#include "TempStore.h"
#include "beam/ContinuousBeam.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "mfc/person/InteractionLog.h"
#include "sibling/BeamRecords.h"
#include "sibling/SteelSpanLoad.h"

namespace {

const char kPrefix[] = "CContinuousBeam/";

CSteelSpan* MakeSpan(double dLength, double dWidth, double dHeight) {
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = dLength;
    pSpan->m_dSecWidth = dWidth;
    pSpan->m_dSecHeight = dHeight;
    pSpan->m_dSectIx0 = 0.003;
    return pSpan;
}

TEST(ContinuousBeamParam, DefaultsOfAFreshObject) {
    CContinuousBeam beam;
    EXPECT_STREQ("CContinuousBeam", beam.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(CString("LL-1"), beam.strNumber);
    EXPECT_EQ(0, beam.getSpanNum());
    ASSERT_EQ(1, beam.GetComNum());
    EXPECT_EQ(BEAM_CASE_DEAD, beam.m_ComStyleArr[0]);
    EXPECT_EQ(CString("C30"), beam.m_strConLevel);
    EXPECT_EQ(CString("HPB235"), beam.m_strMainReinLv);
    EXPECT_EQ(35, beam.m_ProtectAs);
    EXPECT_EQ(1.2, beam.m_dConLoadScale);
    EXPECT_EQ(1.4, beam.m_dVarLoadScale);
    EXPECT_EQ(210, beam.m_StlIntension);
}

// Two spans with one load record each (every load kind on the first), two cases and three
// results go to the store under their own key forms and come back whole in a fresh object.
TEST(ContinuousBeamParam, EveryKeyRoundTrips) {
    TempStore store;
    CContinuousBeam written;
    written.strNumber = "LL-7";
    written.m_nLeftSupport = BEAM_END_FREE;
    written.m_nRightSupport = BEAM_END_FIXED;
    written.m_strConLevel = "C35";
    written.m_strMainReinLv = "HRB400";
    written.m_strHoopReinLv = "HRB335";
    written.m_TipModulus = 0.8;
    written.m_MidModulus = 1.1;
    written.m_ProtectAs = 40;
    written.m_CalBeamWeightCheck = 1;
    written.m_CrackCheck = 1;
    written.m_IntensionCheck = 1;
    written.m_StlIntension = 300;
    written.m_dVarLoadScale = 1.3;
    written.m_dConLoadScale = 1.35;
    written.AddComStyle(BEAM_CASE_LIVE);
    written.AddSpan(MakeSpan(5.5, 250, 600));
    written.AddSpan(MakeSpan(4.25, 200, 450));
    written.getSpan(1)->m_dSectIx0 = 0.0015;
    written.SetCurrentCom(1);
    CSteelSpan& first = *written.getSpan(0);
    first.AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{12.5, 1.5});
    first.AddSpanLoad(BEAM_LOAD_MOMENT, NormalLoad{-3.25, 2});
    first.AddSpanLoad(BEAM_LOAD_UNIFORM, 7.5);
    first.AddSpanLoad(BEAM_LOAD_UNIFORM, 2.25);
    first.AddSpanLoad(BEAM_LOAD_TRIANGLE, 4.5);
    first.AddSpanLoad(BEAM_LOAD_TRAPEZOID, NormalLoad{6, 1.25});
    first.AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{1, 3, 0.5, 2.5});
    written.SetCurrentCom(0);
    written.getSpan(1)->AddSpanLoad(BEAM_LOAD_UNIFORM, 9);
    SectionResult result;
    result.m_bInitBotBar = 1;
    result.BotBar = {4, 2, 3, 2};
    result.BotMainArea = 1100.5;
    result.m_bInitTopBar = 1;
    result.TopBar = {6, 0, 2, 0};
    result.TopMainArea = 800.25;
    result.m_bInitStiBar = 1;
    result.StiDia = 3;
    result.StiInt = 150;
    result.StiArea = 512.5;
    result.Deform = 0.0125;
    result.Crack = 0.18;
    for (int r = 0; r < 3; ++r) written.m_ResultArr.Add(result);
    ASSERT_TRUE(written.WriteParam(kPrefix));

    // The key forms stored data depends on.
    CString strText;
    int nValue = 0;
    double dValue = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam//strNumber", strText, ""));
    EXPECT_EQ(CString("LL-7"), strText);
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam/CContinuousBeam/m_dSpanLen_1", dValue, 0));
    EXPECT_EQ(4.25, dValue);
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam/m_dSecWidth1", dValue, 0));
    EXPECT_EQ(200, dValue);
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam/_Span0_m_SpanLoadArr_0_m_AnyLoadArr_0_m_dPosC", dValue, 0));
    EXPECT_EQ(2.5, dValue);
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam/_Span0_m_SpanLoadArr_0_m_DisLoadArr_Num", nValue, 0));
    EXPECT_EQ(2, nValue);
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam/_Result_2BotMBarNTwo", nValue, 0));
    EXPECT_EQ(2, nValue);
    EXPECT_TRUE(CVuskSave::GetValue("CContinuousBeam/_COM_1", nValue, 0));
    EXPECT_EQ(BEAM_CASE_LIVE, nValue);

    CContinuousBeam read;
    read.ReadParam(kPrefix);
    EXPECT_EQ(CString("LL-7"), read.strNumber);
    EXPECT_EQ(BEAM_END_FREE, read.m_nLeftSupport);
    EXPECT_EQ(BEAM_END_FIXED, read.m_nRightSupport);
    EXPECT_EQ(CString("C35"), read.m_strConLevel);
    EXPECT_EQ(CString("HRB400"), read.m_strMainReinLv);
    EXPECT_EQ(CString("HRB335"), read.m_strHoopReinLv);
    EXPECT_EQ(0.8, read.m_TipModulus);
    EXPECT_EQ(1.1, read.m_MidModulus);
    EXPECT_EQ(40, read.m_ProtectAs);
    EXPECT_EQ(1, read.m_CalBeamWeightCheck);
    EXPECT_EQ(1, read.m_CrackCheck);
    EXPECT_EQ(1, read.m_IntensionCheck);
    EXPECT_EQ(300, read.m_StlIntension);
    EXPECT_EQ(1.3, read.m_dVarLoadScale);
    EXPECT_EQ(1.35, read.m_dConLoadScale);
    ASSERT_EQ(2, read.GetComNum());
    EXPECT_EQ(BEAM_CASE_DEAD, read.m_ComStyleArr[0]);
    EXPECT_EQ(BEAM_CASE_LIVE, read.m_ComStyleArr[1]);
    ASSERT_EQ(2, read.getSpanNum());
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const CSteelSpan& a = *written.getSpan(i);
        const CSteelSpan& b = *read.getSpan(i);
        EXPECT_EQ(a.m_dSpanLen, b.m_dSpanLen);
        EXPECT_EQ(a.m_dSectIx0, b.m_dSectIx0);
        EXPECT_EQ(a.m_dSecWidth, b.m_dSecWidth);
        EXPECT_EQ(a.m_dSecHeight, b.m_dSecHeight);
        ASSERT_EQ(1, b.m_SpanLoadArr.GetSize());
        const CSteelSpanLoad& la = *a.m_SpanLoadArr[0];
        const CSteelSpanLoad& lb = *b.m_SpanLoadArr[0];
        EXPECT_EQ(la.m_nComIndex, lb.m_nComIndex);
        ASSERT_EQ(la.m_CenLoadArr.GetSize(), lb.m_CenLoadArr.GetSize());
        ASSERT_EQ(la.m_CenMomArr.GetSize(), lb.m_CenMomArr.GetSize());
        ASSERT_EQ(la.m_DisLoadArr.GetSize(), lb.m_DisLoadArr.GetSize());
        ASSERT_EQ(la.m_TriLoadArr.GetSize(), lb.m_TriLoadArr.GetSize());
        ASSERT_EQ(la.m_TraLoadArr.GetSize(), lb.m_TraLoadArr.GetSize());
        ASSERT_EQ(la.m_AnyLoadArr.GetSize(), lb.m_AnyLoadArr.GetSize());
        for (int k = 0; k < la.m_DisLoadArr.GetSize(); ++k) EXPECT_EQ(la.m_DisLoadArr[k], lb.m_DisLoadArr[k]);
    }
    const CSteelSpanLoad& loads = *read.getSpan(0)->m_SpanLoadArr[0];
    EXPECT_EQ(1, loads.m_nComIndex);
    EXPECT_EQ(12.5, loads.m_CenLoadArr[0].m_dLoadValue);
    EXPECT_EQ(1.5, loads.m_CenLoadArr[0].m_dPosA);
    EXPECT_EQ(-3.25, loads.m_CenMomArr[0].m_dLoadValue);
    EXPECT_EQ(2, loads.m_CenMomArr[0].m_dPosA);
    EXPECT_EQ(4.5, loads.m_TriLoadArr[0]);
    EXPECT_EQ(6, loads.m_TraLoadArr[0].m_dLoadValue);
    EXPECT_EQ(1.25, loads.m_TraLoadArr[0].m_dPosA);
    EXPECT_EQ(1, loads.m_AnyLoadArr[0].m_dLoadValue1);
    EXPECT_EQ(3, loads.m_AnyLoadArr[0].m_dLoadValue2);
    EXPECT_EQ(0.5, loads.m_AnyLoadArr[0].m_dPosA);
    EXPECT_EQ(2.5, loads.m_AnyLoadArr[0].m_dPosC);
    ASSERT_EQ(3, read.m_ResultArr.GetSize());
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        const SectionResult& got = read.m_ResultArr[r];
        EXPECT_EQ(1, got.m_bInitBotBar);
        EXPECT_EQ(4, got.BotBar.m_nDiaOne);
        EXPECT_EQ(2, got.BotBar.m_nDiaTwo);
        EXPECT_EQ(3, got.BotBar.m_nNumOne);
        EXPECT_EQ(2, got.BotBar.m_nNumTwo);
        EXPECT_EQ(1100.5, got.BotMainArea);
        EXPECT_EQ(1, got.m_bInitTopBar);
        EXPECT_EQ(6, got.TopBar.m_nDiaOne);
        EXPECT_EQ(2, got.TopBar.m_nNumOne);
        EXPECT_EQ(800.25, got.TopMainArea);
        EXPECT_EQ(1, got.m_bInitStiBar);
        EXPECT_EQ(3, got.StiDia);
        EXPECT_EQ(150, got.StiInt);
        EXPECT_EQ(512.5, got.StiArea);
        EXPECT_EQ(0.0125, got.Deform);
        EXPECT_EQ(0.18, got.Crack);
    }
}

// Keys left out of a store: spans of 6 m, 300 × 500, inertia 1000; loads of 10; a result record
// without its stirrup keys names 6 mm stirrups (an index into the stirrup table) at 1000 mm.
TEST(ContinuousBeamParam, MissingKeysTakeTheirDefaults) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/m_nSpanNum", 1));
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/_Span0_m_SpanLoadArr_Num", 1));
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/_Span0_m_SpanLoadArr_0_m_CenLoadArr_Num", 1));
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/_Span0_m_SpanLoadArr_0_m_AnyLoadArr_Num", 1));
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/ResultNum", 1));
    CContinuousBeam beam;
    beam.ReadParam(kPrefix);
    EXPECT_EQ(CString("LL-1"), beam.strNumber);
    EXPECT_EQ(0, beam.GetComNum());
    ASSERT_EQ(1, beam.getSpanNum());
    const CSteelSpan& span = *beam.getSpan(0);
    EXPECT_EQ(6, span.m_dSpanLen);
    EXPECT_EQ(1000, span.m_dSectIx0);
    EXPECT_EQ(300, span.m_dSecWidth);
    EXPECT_EQ(500, span.m_dSecHeight);
    ASSERT_EQ(1, span.m_SpanLoadArr.GetSize());
    const CSteelSpanLoad& loads = *span.m_SpanLoadArr[0];
    EXPECT_EQ(0, loads.m_nComIndex);
    ASSERT_EQ(1, loads.m_CenLoadArr.GetSize());
    EXPECT_EQ(10, loads.m_CenLoadArr[0].m_dLoadValue);
    EXPECT_EQ(0, loads.m_CenLoadArr[0].m_dPosA);
    ASSERT_EQ(1, loads.m_AnyLoadArr.GetSize());
    EXPECT_EQ(10, loads.m_AnyLoadArr[0].m_dLoadValue1);
    EXPECT_EQ(0, loads.m_AnyLoadArr[0].m_dLoadValue2);
    EXPECT_EQ(0, loads.m_DisLoadArr.GetSize());
    ASSERT_EQ(1, beam.m_ResultArr.GetSize());
    const SectionResult& result = beam.m_ResultArr[0];
    EXPECT_EQ(0, result.m_bInitBotBar);
    EXPECT_EQ(0, result.m_bInitTopBar);
    EXPECT_EQ(0, result.m_bInitStiBar);
    EXPECT_EQ(6, g_StirrupDiameters[result.StiDia]);
    EXPECT_EQ(1000, result.StiInt);
}

// A damaged store with a huge or negative count is refused at once with one message; the beam
// takes its defaults instead of a part of the stored one, and the store keeps its keys.
TEST(ContinuousBeamParam, ACountOutOfBoundsIsRefused) {
    struct Case {
        const char* pszKey;
        int nValue;
    } cases[] = {
        {"CContinuousBeam/m_nSpanNum", 2000000000},
        {"CContinuousBeam/m_nSpanNum", -1},
        {"CContinuousBeam/_Span0_m_SpanLoadArr_Num", 1000000},
        {"CContinuousBeam/_Span0_m_SpanLoadArr_0_m_DisLoadArr_Num", 2000000000},
        {"CContinuousBeam/_Span0_m_SpanLoadArr_0_m_AnyLoadArr_Num", -5},
        {"CContinuousBeam/ComNum", 33},
        {"CContinuousBeam/ResultNum", 2000000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszKey);
        TempStore store;
        ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam//strNumber", "LL-9"));
        ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/m_nSpanNum", 1));
        ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/_Span0_m_SpanLoadArr_Num", 1));
        ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/m_strConLevel", "C40"));
        ASSERT_TRUE(CVuskSave::SetValue(c.pszKey, c.nValue));
        CContinuousBeam beam;
        qelt::InteractionLog::Instance().Clear();
        EXPECT_FALSE(beam.ReadParam(kPrefix));
        ASSERT_EQ(1u, qelt::InteractionLog::Instance().Entries().size());
        EXPECT_NE(-1, qelt::InteractionLog::Instance().Entries()[0].text.Find(c.pszKey + strlen("CContinuousBeam/")));
        EXPECT_EQ(0, beam.getSpanNum());
        EXPECT_EQ(1, beam.GetComNum());
        EXPECT_EQ(0, beam.m_ResultArr.GetSize());
        EXPECT_EQ(CString("C30"), beam.m_strConLevel);
        int nStored = 0;
        EXPECT_TRUE(CVuskSave::GetValue(c.pszKey, nStored, 0));
        EXPECT_EQ(c.nValue, nStored);
    }
}

// The largest counts allowed are read.
TEST(ContinuousBeamParam, CountsAtTheirBoundsAreRead) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/m_nSpanNum", 100));
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/ComNum", 32));
    ASSERT_TRUE(CVuskSave::SetValue("CContinuousBeam/ResultNum", 201));
    CContinuousBeam beam;
    qelt::InteractionLog::Instance().Clear();
    EXPECT_TRUE(beam.ReadParam(kPrefix));
    EXPECT_TRUE(qelt::InteractionLog::Instance().Entries().empty());
    EXPECT_EQ(100, beam.getSpanNum());
    EXPECT_EQ(32, beam.GetComNum());
    EXPECT_EQ(201, beam.m_ResultArr.GetSize());
}

// The first run finds nothing stored and begins with an empty beam, which does not calculate; a
// beam stored without spans stays without.
TEST(ContinuousBeamParam, TheFirstRunBeginsWithAnEmptyBeam) {
    TempStore store;
    CContinuousBeam first;
    EXPECT_TRUE(first.ReadParam(kPrefix));
    EXPECT_EQ(0, first.getSpanNum());
    EXPECT_EQ(0, first.Calculate());
    CContinuousBeam empty;
    empty.Reset();
    empty.AddComStyle(BEAM_CASE_DEAD);
    ASSERT_TRUE(empty.WriteParam(kPrefix));
    CContinuousBeam read;
    read.ReadParam(kPrefix);
    EXPECT_EQ(0, read.getSpanNum());
}

// A second read replaces the model instead of adding to it.
TEST(ContinuousBeamParam, ReadingTwiceGivesTheStoredBeamOnce) {
    TempStore store;
    CContinuousBeam written;
    written.AddSpan(MakeSpan(6, 300, 500));
    ASSERT_TRUE(written.WriteParam(kPrefix));
    CContinuousBeam read;
    read.ReadParam(kPrefix);
    read.ReadParam(kPrefix);
    EXPECT_EQ(1, read.getSpanNum());
    EXPECT_EQ(1, read.GetComNum());
}

// A simply supported 6 m span of 300 × 500 under its own weight only: 3.75 kN/m in an extra dead
// case while the analysis runs, M = 1.2 · 3.75 · 6² / 8 = 20.25 kN·m at mid-span; afterwards the
// case list and loads are as before and the inertia is b h³/12.
TEST(ContinuousBeamParam, SelfWeightIsAnalysedAndThenRemoved) {
    CContinuousBeam beam;
    beam.AddSpan(MakeSpan(6, 300, 500));
    beam.m_CalBeamWeightCheck = 1;
    ASSERT_EQ(1, beam.Calculate());
    const CSteelSpan& span = *beam.getSpan(0);
    EXPECT_NEAR(20.25, span.getPosMoment(300), 1e-9);
    EXPECT_NEAR(0.3 * 0.5 * 0.5 * 0.5 / 12, span.m_dSectIx0, 1e-15);
    EXPECT_EQ(1, beam.GetComNum());
    EXPECT_EQ(0, span.m_SpanLoadArr.GetSize());

    beam.m_CalBeamWeightCheck = 0;
    ASSERT_EQ(1, beam.Calculate());
    EXPECT_EQ(0, beam.getSpan(0)->getPosMoment(300));
}

TEST(ContinuousBeamParam, AnUnstableBeamIsNotCalculated) {
    CContinuousBeam beam;
    beam.AddSpan(MakeSpan(6, 300, 500));
    beam.m_nLeftSupport = BEAM_END_FREE;
    beam.m_nRightSupport = BEAM_END_FREE;
    beam.m_CalBeamWeightCheck = 1;
    EXPECT_EQ(0, beam.Calculate());
    EXPECT_EQ(0.003, beam.getSpan(0)->m_dSectIx0);
    EXPECT_EQ(1, beam.GetComNum());
}

// Loads off their span: found by the check, and a calculation that meets one gives no results
// (not the zero envelopes of a beam that was not analysed) and leaves the case list as it was.
TEST(ContinuousBeamParam, ALoadOffItsSpanGivesNoResults) {
    struct Case {
        int nKind;
        NormalLoad normal;
        AnyLoad any;
        int nSpan;  // expected, -1: all on their spans
    } cases[] = {
        {BEAM_LOAD_FORCE, {10, 6}, {}, -1},        {BEAM_LOAD_FORCE, {10, 6.5}, {}, 1},
        {BEAM_LOAD_MOMENT, {10, -0.5}, {}, 1},     {BEAM_LOAD_TRAPEZOID, {10, 3}, {}, -1},
        {BEAM_LOAD_TRAPEZOID, {10, 3.2}, {}, 1},   {BEAM_LOAD_PARTIAL, {}, {1, 2, 2, 4}, -1},
        {BEAM_LOAD_PARTIAL, {}, {1, 2, 2.5, 4}, 1}, {BEAM_LOAD_PARTIAL, {}, {1, 2, 2, -1}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nKind << " " << c.normal.m_dPosA << " " << c.any.m_dPosA);
        CContinuousBeam beam;
        beam.AddSpan(MakeSpan(6, 300, 500));
        beam.AddSpan(MakeSpan(6, 300, 500));
        beam.m_CalBeamWeightCheck = 1;
        if (c.nKind == BEAM_LOAD_PARTIAL)
            beam.getSpan(1)->AddSpanLoad(c.nKind, c.any);
        else
            beam.getSpan(1)->AddSpanLoad(c.nKind, c.normal);
        EXPECT_EQ(c.nSpan, beam.FindSpanWithLoadOutside());
        EXPECT_EQ(c.nSpan < 0 ? 1 : 0, beam.Calculate());
        EXPECT_EQ(c.nSpan < 0 ? 5 : 0, beam.m_ResultArr.GetSize());
        EXPECT_EQ(1, beam.GetComNum());
    }
}

TEST(ContinuousBeamParam, ListEntryNamesSpansSupportsAndCases) {
    struct Case {
        int nLeft, nRight;
        const char* pszDim;
    } cases[] = {
        {BEAM_END_SIMPLE, BEAM_END_SIMPLE, "跨数：2\n总长：10.500m\n左端支座约束：简支\n右端支座约束：简支"},
        {BEAM_END_FREE, BEAM_END_FIXED, "跨数：2\n总长：10.500m\n左端支座约束：悬挑\n右端支座约束：固支"},
        {BEAM_END_FIXED, BEAM_END_FREE, "跨数：2\n总长：10.500m\n左端支座约束：固支\n右端支座约束：悬挑"},
    };
    for (const Case& c : cases) {
        CContinuousBeam beam;
        beam.AddSpan(MakeSpan(6, 300, 500));
        beam.AddSpan(MakeSpan(4.5, 300, 500));
        beam.AddComStyle(BEAM_CASE_LIVE);
        beam.m_nLeftSupport = c.nLeft;
        beam.m_nRightSupport = c.nRight;
        beam.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(CString("连续梁计算"), entry.strType);
        EXPECT_EQ(CString("LL-1"), entry.strNumber);
        EXPECT_EQ(CString(c.pszDim), entry.strDimInfo);
        EXPECT_EQ(CString("工况数：2\n恒载系数：1.20\n活载系数：1.40"), entry.strLoadInfo);
        EXPECT_EQ(CString(""), entry.strResultInfo);
        EXPECT_EQ(1, entry.nBPrint);
    }
}

TEST(BarScheme, AreaAndTextByGrade) {
    struct Case {
        CBarScheme scheme;
        const char* pszGrade;
        const char* pszText;
        double dArea;
    } cases[] = {
        {{4, 0, 3, 0}, "HPB235", "3d20", 3 * 400 * M_PI / 4},
        {{6, 4, 3, 2}, "HRB335", "3D25+2D20", (3 * 625 + 2 * 400) * M_PI / 4},
        {{0, 0, 2, 0}, "HRB400", "2f12", 2 * 144 * M_PI / 4},
        {{11, 11, 6, 2}, "RRB400", "6F40+2F40", 8 * 1600 * M_PI / 4},
        {{1, 0, 4, 0}, "冷拉钢筋", "4R14", 4 * 196 * M_PI / 4},
        {{2, 1, 2, 3}, "Q235", "2Q23516+3Q23514", (2 * 256 + 3 * 196) * M_PI / 4},
        {{12, 0, 2, 0}, "HPB235", "", 0},
        {{3, -1, 2, 0}, "HPB235", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        EXPECT_EQ(CString(c.pszText), c.scheme.GetText(c.pszGrade));
        EXPECT_NEAR(c.dArea, c.scheme.GetArea(), 1e-9);
    }
}

}  // namespace
