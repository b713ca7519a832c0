// Bad values typed into the continuous beam's numeric boxes as a person types them: each is refused
// with the page's message, the box keeps the value it held, and the calculation that follows runs
// on the beam as it was. The first "计算" of an empty store meets an unstable (empty) beam.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "ContinuousBeamSession.h"
#include "Printers.h"
#include "resources/FrameworkResource.h"
#include "sibling/SteelSpanLoad.h"

namespace {

const std::vector<const char*> kBadValues = {"nan", "inf", "1e400", "-1", "abc", ""};

class ContinuousBeamInputValues : public ContinuousBeamSession {};

// The boxes with a range, left with each bad value in turn, then "计算": the range's message each
// time, the box's own value back, and the beam calculated on that value.
TEST_F(ContinuousBeamInputValues, RangedBoxesRefuseBadValuesAndKeepTheirOwn) {
    const std::vector<RefusedBox> fields = {
        {IDC_CB_SPAN_LENGTH, "输入值应在1与1000之间", "6"},     {IDC_CB_COVER, "输入值应在10与100之间", "35"},
        {IDC_CB_SPAN_FACTOR, "输入值应在0.5与2之间", "1"},      {IDC_CB_SUPPORT_FACTOR, "输入值应在0.5与2之间", "1"},
        {IDC_CB_DEAD_FACTOR, "输入值应在1与2之间", "1.2"},      {IDC_CB_LIVE_FACTOR, "输入值应在1与2之间", "1.4"},
        {IDC_CB_STRENGTH, "输入值应在100与10000之间", "210"},
    };
    StoreOneSpan();
    qelt::UserScript script;
    script.Check(IDC_CB_OWN_STRENGTH, true);
    TypeIntoEach(script, fields, kBadValues);
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    ExpectEachRefused(fields, kBadValues);
    EXPECT_EQ(35, m_beam.m_ProtectAs);
    EXPECT_EQ(1, m_beam.m_MidModulus);
    EXPECT_EQ(1, m_beam.m_TipModulus);
    EXPECT_EQ(1.2, m_beam.m_dConLoadScale);
    EXPECT_EQ(1.4, m_beam.m_dVarLoadScale);
    EXPECT_EQ(210, m_beam.m_StlIntension);
    // 1.2 · 10 · 6²/8 = 54 kN·m.
    ASSERT_EQ(3, m_beam.m_ResultArr.GetSize());
    double dPos = 0;
    EXPECT_NEAR(54, CContinuousBeam::GetSpanSagging(*m_beam.getSpan(0), dPos).m_dValue, 1e-9);
}

// The span editor's width and height take digits only; an empty or an overlong number, a size of
// 0 and a height that leaves no h0 = h − 30 are refused with their messages and add no span.
TEST_F(ContinuousBeamInputValues, SpanSizesOutsideTheirLimitsAddNoSpan) {
    const struct Case {
        UINT nID;
        const char* pszTyped;
        const char* pszMessage;
    } cases[] = {
        {IDC_CB_SPAN_HEIGHT, "", "请输入一个整数。"},
        {IDC_CB_SPAN_WIDTH, "99999999999", "请输入一个整数。"},
        {IDC_CB_SPAN_WIDTH, "0", "跨长、梁高或者梁宽不能小于或等于0！"},
        {IDC_CB_SPAN_HEIGHT, "30", "梁高必须大于30mm！"},
        {IDC_CB_SPAN_HEIGHT, "20000", "跨长不能大于1000m，梁高和梁宽不能大于10000mm！"},
    };
    StoreOneSpan();
    qelt::UserScript script;
    for (const Case& c : cases) script.Set(c.nID, c.pszTyped).Click(IDC_CB_APPEND_SPAN).Set(c.nID, "300");
    Run(script);
    const std::vector<CString> messages = Texts("message box");
    ASSERT_EQ(std::size(cases), messages.size());
    for (size_t k = 0; k < messages.size(); ++k) EXPECT_EQ(CString(cases[k].pszMessage), messages[k]);
    EXPECT_EQ(1, m_beam.getSpanNum());
}

// A load value that is no number, or beyond its box's range, is refused by the exchange when the
// load is inserted; -1 is a number but no uniform load. The span keeps its one load.
TEST_F(ContinuousBeamInputValues, LoadValuesThatAreNoLoadAreNotInserted) {
    StoreOneSpan();
    qelt::UserScript script;
    const char* const bad[] = {"nan", "inf", "1e400", "-1", "abc", "", "20000"};
    for (const char* pszBad : bad)
        script.Add(Pick(IDC_CB_LOAD_TREE, "工况1(恒载)/第1跨")).Set(IDC_CB_LOAD_VALUE1, pszBad).Click(IDC_CB_INSERT_LOAD);
    Run(script);
    const std::vector<CString> messages = Texts("message box");
    ASSERT_EQ(std::size(bad), messages.size());
    for (size_t k = 0; k < messages.size(); ++k) {
        const std::string strBad = bad[k];
        EXPECT_EQ(CString(strBad == "-1"      ? "q值必须>0!"
                          : strBad == "20000" ? "请输入一个介于 -10000 和 10000 之间的数字。"
                                              : "请输入一个数字。"),
                  messages[k])
            << strBad;
    }
    ASSERT_EQ(1, m_beam.getSpanNum());
    ASSERT_NE(nullptr, m_beam.getSpan(0)->GetCurComLoad());
    EXPECT_EQ(1, m_beam.getSpan(0)->GetCurComLoad()->m_DisLoadArr.GetSize());
}

// A store damaged outside the pages: a cover, a factor and a load beyond what the boxes take, and a
// span too shallow for its bars, stop the calculation with an error each.
TEST_F(ContinuousBeamInputValues, StoredValuesBeyondTheBoxesStopTheCalculation) {
    CContinuousBeam beam;
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = 6;
    pSpan->m_dSecWidth = 300;
    pSpan->m_dSecHeight = 20;
    beam.AddSpan(pSpan);
    beam.SetCurrentCom(0);
    pSpan->AddSpanLoad(BEAM_LOAD_UNIFORM, 1e300);
    beam.m_dConLoadScale = 5;
    beam.m_ProtectAs = 1e300;
    ASSERT_TRUE(beam.WriteParam("CContinuousBeam/"));
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    const std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(1u, prompts.size());
    for (const char* pszError : {"恒载系数：输入值应在1与2之间", "保护层厚度as(mm)：输入值应在10与100之间",
                                 "第1跨：梁高必须大于30mm！", "第1跨的荷载值应在-10000与10000之间，请重新输入！"})
        EXPECT_GE(prompts[0].Find(pszError), 0) << pszError;
    EXPECT_EQ(0, m_beam.m_ResultArr.GetSize());
}

// An empty store holds no beam: the first "计算" meets an unstable structure and calculates nothing.
TEST_F(ContinuousBeamInputValues, TheFirstCalculationOfAnEmptyStoreFindsNoBeam) {
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    EXPECT_EQ(0, m_beam.getSpanNum());
    const std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(1u, prompts.size());
    EXPECT_GE(prompts[0].Find("该结构为几何可变结构，请重新构造！"), 0);
    EXPECT_EQ(0, m_beam.m_ResultArr.GetSize());
}

}  // namespace
