// Bad values given to the grid beam as a person gives them: the load and panel boxes and the result
// cells refuse them with their message and keep what they held; a ratio beyond the table gives no
// results and no report, whatever the answer to its warning.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "Printers.h"
#include "WorkSession.h"
#include "beam/BeamWellBasicDlg.h"
#include "beam/BeamWellParam.h"
#include "beam/BeamWellResultDlg.h"
#include "framework/CaltReportDlg.h"
#include "resources/FrameworkResource.h"

namespace {

const std::vector<const char*> kBadValues = {"nan", "inf", "1e400", "-1", "abc", ""};

class BeamWellInputValues : public WorkSession {
protected:
    void AddPages(CCaltWorkDlg& work) override {
        work.AddPage(&m_basic, "基本参数", CBeamWellBasicDlg::IDD);
        work.AddPage(&m_result, "计算结果", CBeamWellResultDlg::IDD);
        work.AddPage(&m_report, "计算书", IDD_CALT_REPORT);
    }
    CVuskParam& Param() override { return m_param; }

    static qelt::UserAction Action(qelt::UserAction::Kind kind, int nID, const CString& strText = "", int x = 0,
                                   int y = 0) {
        qelt::UserAction action;
        action.kind = kind;
        action.controlId = nID;
        action.text = strText;
        action.x = x;
        action.y = y;
        return action;
    }

    CBeamWellBasicDlg m_basic;
    CBeamWellResultDlg m_result;
    CCaltReportDlg m_report;
    CBeamWellParam m_param;
};

// The defaults (2 × 2, a = b = 1000 mm, q = 2.5 kN/m²) with each box left holding each bad value:
// the range's message, the box's value back, and the calculation on it (M_A = 0.25 · 2.5 = 0.625).
TEST_F(BeamWellInputValues, BoxesRefuseBadValuesAndKeepTheirOwn) {
    const std::vector<RefusedBox> fields = {{IDC_BW_LOAD, "输入值应在0与10000之间", "2.5"},
                  {IDC_BW_DISTA, "输入值应在0.000001与100000之间", "1000"},
                  {IDC_BW_DISTB, "输入值应在0.000001与100000之间", "1000"}};
    qelt::UserScript script;
    TypeIntoEach(script, fields, kBadValues);
    script.Click(IDC_WORK_CALCULATE);
    Run(script);
    ExpectEachRefused(fields, kBadValues);
    EXPECT_EQ(2.5, m_param.dLoad);
    EXPECT_EQ(1000, m_param.dDistA);
    EXPECT_NEAR(0.625, m_param.beamForce[BW_A1].dPositive, 1e-12);
}

// b/a = 3 lies beyond the six-row table (0.6 … 1.6): the warning asks, and neither answer calculates
// or reports; the result page lists nothing.
TEST_F(BeamWellInputValues, ARatioBeyondTheTableCalculatesNothingWhateverTheAnswer) {
    for (int nAnswer : {IDYES, IDNO}) {
        SCOPED_TRACE(nAnswer);
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        script.Set(IDC_BW_DISTB, "3000").Click(IDC_WORK_CALCULATE).Answer(nAnswer);
        // Going on to the results asks again and calculates again when told to go on; the result list
        // has no row to pick.
        if (nAnswer == IDNO) script.Tab("计算结果").Answer(IDNO).Row(IDC_BW_RESULTS, 0);
        Run(script, nAnswer == IDNO);
        const std::vector<CString> prompts = Texts("prompt");
        ASSERT_EQ(nAnswer == IDNO ? 2u : 1u, prompts.size());
        for (const CString& prompt : prompts) EXPECT_GE(prompt.Find("跨度比b/a不合理,会导致查表失败!"), 0);
        if (nAnswer == IDNO) {
            const CString strRefused("跨度比b/a不合理,查表失败!");
            EXPECT_EQ(std::vector<CString>({strRefused, strRefused}), Texts("message box"));
            EXPECT_FALSE(m_param.bCalculated);
            EXPECT_EQ(0, m_param.wordC.GetRowCount());
            EXPECT_EQ(0, m_param.wordS.GetRowCount());
        }
        EXPECT_EQ(0, m_param.beamForce[BW_A1].dPositive);
    }
}

// A result cell takes a number of its column's sign and keeps its value for anything else (a
// script's cell without a text only clicks it, so the empty text is left out).
TEST_F(BeamWellInputValues, ResultCellsRefuseBadValuesAndKeepTheirOwn) {
    qelt::UserScript script;
    script.Click(IDC_WORK_CALCULATE).Tab("计算结果");
    const int nPositive = 1, nShear = 3;
    const char* const bad[] = {"nan", "inf", "1e400", "-1", "abc"};
    for (const char* pszBad : bad) script.Add(Action(qelt::UserAction::Kind::Cell, IDC_BW_RESULTS, pszBad, nPositive, 0));
    script.Add(Action(qelt::UserAction::Kind::Cell, IDC_BW_RESULTS, "1e11", nShear, 0));
    script.Add(Action(qelt::UserAction::Kind::Cell, IDC_BW_RESULTS, "0.7", nPositive, 0));
    script.Tab("计算书");
    Run(script);
    const std::vector<CString> messages = Texts("message box");
    ASSERT_EQ(std::size(bad) + 1, messages.size());
    for (const CString& message : messages) EXPECT_EQ(CString("输入值应在0与10000000000之间"), message);
    EXPECT_EQ(0.7, m_param.beamForce[BW_A1].dPositive);
    EXPECT_EQ(1.25, m_param.beamForce[BW_A1].dShear);
}

}  // namespace
