// What the rectangular slab keeps as a person uses it: bad values in every numeric box are refused
// with the page's message and the box keeps its value; stored values that no page would take stop
// the calculation; the member number and the construction bars survive the pages; a crack that is
// too wide is told once.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>

#include "Printers.h"
#include "RectBoardSession.h"
#include "ReportRows.h"
#include "host/VuskSave.h"
#include "resources/FrameworkResource.h"
#include "slab/rect/SlabRecords.h"

namespace {

const char* const kBadValues[] = {"nan", "inf", "1e400", "-1", "abc", ""};
// The thickness box takes digits only: what a person can type into it that it refuses.
const char* const kBadDigits[] = {"", "0", "5000", "99999999999", "", ""};

qelt::UserAction ReadOf(int nID) {
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Read;
    action.controlId = nID;
    return action;
}

using RectBoardInputValues = RectBoardSession;

// Each box of the two input pages, left with each bad value in turn (the thickness box with what its
// digits make bad): "输入错误，请核查" every time, the box's value back in its format, and the
// calculation that follows runs on the defaults.
TEST_F(RectBoardInputValues, BoxesRefuseBadValuesAndKeepTheirOwn) {
    const struct Field {
        UINT nID;
        const char* pszKept;
    } basic[] = {
        {IDC_RB_LENGTH, "6000"}, {IDC_RB_WIDTH, "4200"}, {IDC_RB_THICK, "100"},  {IDC_RB_AS, "20"},
        {IDC_RB_C, "10"},        {IDC_RB_QGK, "7.00"},   {IDC_RB_QQK, "4.00"},   {IDC_RB_RG, "1.2"},
        {IDC_RB_RQ, "1.4"},      {IDC_RB_WQ, "1.0"},     {IDC_RB_BOARDVALUE, "0.2"},
        {IDC_RB_P, "0.200"},     {IDC_RB_IMPRO, "1.000"},
    },
      calParam[] = {
          {IDC_RBC_CRACKWIDTH, "0.30"}, {IDC_RBC_MAGNIFYVALUE1, "1.00"}, {IDC_RBC_FLELIM1, "200.00"},
          {IDC_RBC_FLELIM2, "250.00"},  {IDC_RBC_FLELIM3, "300.00"},     {IDC_RBC_USERVALUE, "2.00"},
          {IDC_RBC_NTHICKLIM, "200"},   {IDC_RBC_MAGNIFYVALUE2, "1.00"}, {IDC_RBC_NSTEELSEL, "12"},
          {IDC_RBC_STEELLIMDIA, "8"},
      };
    qelt::UserScript script;
    for (const Field& field : basic)
        for (size_t k = 0; k < std::size(kBadValues); ++k)
            script.Set(field.nID, field.nID == IDC_RB_THICK ? kBadDigits[k] : kBadValues[k]).Add(ReadOf(field.nID));
    script.Tab("计算参数").Check(IDC_RBC_MAGNIFY1, true).Check(IDC_RBC_MAGNIFY2, true).Check(IDC_RBC_BTHICKLIM, true);
    for (const Field& field : calParam)
        for (const char* pszBad : kBadValues) script.Set(field.nID, pszBad).Add(ReadOf(field.nID));
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    const std::vector<CString> messages = Texts("message box");
    const std::vector<CString> reads = Texts("read");
    const size_t nValues = std::size(kBadValues), nFields = std::size(basic) + std::size(calParam);
    ASSERT_EQ(nFields * nValues, messages.size());
    ASSERT_EQ(nFields * nValues, reads.size());
    for (size_t k = 0; k < reads.size(); ++k) {
        const size_t nField = k / nValues;
        const Field& field = nField < std::size(basic) ? basic[nField] : calParam[nField - std::size(basic)];
        EXPECT_EQ(CString("输入错误，请核查"), messages[k]) << field.nID << " " << kBadValues[k % nValues];
        EXPECT_EQ(CString(field.pszKept), reads[k]) << field.nID << " " << kBadValues[k % nValues];
    }
    EXPECT_EQ(6000, m_param.m_nLength);
    EXPECT_EQ(0.3, m_param.m_dCrackWidth);
    EXPECT_EQ(200, m_param.m_dFleLim1);
    EXPECT_EQ(1, m_param.m_bCalculated);
}

// A store damaged outside the pages: spans and a thickness of 0, a divisor of 0, a load that is no
// number. The calculation stops with an error for each and computes nothing.
TEST_F(RectBoardInputValues, StoredValuesThatNoPageTakesStopTheCalculation) {
    CRectBoardParam stored;
    stored.m_nLength = 0;
    stored.m_nThick = 0;
    stored.m_dFleLim2 = 0;
    stored.m_dQqk = std::nan("");
    ASSERT_TRUE(stored.WriteParam("CRectBoardParam/"));
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    const std::vector<CString> prompts = Texts("prompt");
    ASSERT_EQ(1u, prompts.size());
    for (const char* pszError : {"跨度Lx：输入值应在100与20000之间", "板厚h：输入值应在40与1000之间",
                                 "可变荷载标准值：输入值应在0与1000之间", "挠度限值Lo/(7m≤Lo≤9m)：输入值应在250与1000之间",
                                 "纵筋合力点至近边距离as应小于板厚h"})
        EXPECT_GE(prompts[0].Find(pszError), 0) << pszError;
    EXPECT_EQ(0, m_param.m_bCalculated);
    EXPECT_EQ(0, m_param.wordC.GetRowCount());
}

// The member number typed on the basic page is stored, and the next run shows it back.
TEST_F(RectBoardInputValues, TheMemberNumberIsStoredAndShownBack) {
    qelt::UserScript first;
    first.Set(IDC_RB_NUMBER, "XB-27").Click(IDC_WORK_CALCULATE);
    Run(first);
    CString strStored;
    EXPECT_TRUE(CVuskSave::GetValue("CRectBoardParam//strNumber", strStored, ""));
    EXPECT_EQ(CString("XB-27"), strStored);
    // The next run of the command begins from the defaults ("LB-1") and reads the store.
    m_param.InitDefaultParam();
    ASSERT_EQ(CString("LB-1"), m_param.strNumber);
    qelt::InteractionLog::Instance().Clear();
    qelt::UserScript second;
    second.Add(ReadOf(IDC_RB_NUMBER));
    Run(second);
    EXPECT_EQ(std::vector<CString>{CString("XB-27")}, Texts("read"));
}

// A slab simply supported on all four edges (elastic): its support groups are not shown, and the
// construction bars of its edges, ρmin·b·h = 0.2 % · 1000 · 100 = 200 mm² as d8@200 (251 mm²),
// survive a visit of the result page into the brief report.
TEST_F(RectBoardInputValues, ConstructionBarsSurviveTheResultPage) {
    m_param.m_nTop = m_param.m_nBottom = m_param.m_nLeft = m_param.m_nRight = SLAB_SIMPLE;
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE).Tab("计算结果").Tab("计算书").Tab("计算参数").Tab("基本参数");
    Run(script);
    const BoardReinScheme* pSchemes = m_param.GetCalc()->GetSchemes();
    for (int s : {SCHEME_TOP, SCHEME_BOTTOM, SCHEME_LEFT, SCHEME_RIGHT}) {
        SCOPED_TRACE(s);
        EXPECT_EQ(8, pSchemes[s].nDiameter);
        EXPECT_EQ(200, pSchemes[s].nSpacing);
        EXPECT_EQ(251, pSchemes[s].nArea);
    }
    EXPECT_NE(std::string::npos, ReportRows(m_param.wordS)
                                     .find(u8"      计算面积        200           200          200           200\\n"
                                           u8"      实配面积        d8@200(251)  d8@200(251) d8@200(251)  d8@200(251)\\n"));
}

// A crack wider than its limit is told once per "计算", though both reports check it.
TEST_F(RectBoardInputValues, ACrackTooWideIsToldOnce) {
    m_param.m_dCrackWidth = 0.01;
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    EXPECT_EQ(std::vector<CString>{CString("计算裂缝宽度超过最大裂缝宽度\r\n请返回修改!")}, Texts("prompt"));
    EXPECT_EQ(0, m_param.wordC.GetRowCount());
    EXPECT_EQ(0, m_param.wordS.GetRowCount());
}

}  // namespace
