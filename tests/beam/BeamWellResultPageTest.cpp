// The grid beam's result page in the command's work dialog, as a person uses it: the rows of the
// distinct beams, a cell edited in the list and carried into the reports, and "计算" restoring
// the computed value.
#include <gtest/gtest.h>

#include <string>

#include "Printers.h"
#include "ReportRows.h"
#include "beam/BeamWellRun.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/BeamWellResource.h"
#include "resources/FrameworkResource.h"
#include "TempStore.h"

namespace {

// The person edits cell (column, row) of the result list in place.
qelt::UserAction EditCell(int nCol, int nRow, const char* pszText) {
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Cell;
    action.controlId = IDC_BW_RESULTS;
    action.x = nCol;
    action.y = nRow;
    action.text = pszText;
    return action;
}

class BeamWellResultPage : public testing::Test {
protected:
    void SetUp() override { qelt::InteractionLog::Instance().Clear(); }

    // Runs the command's pages under the script; the list's rows are read when the script reaches
    // its last action, before the dialog closes.
    void Run(qelt::UserScript& script) {
        m_run.m_dlgWork.m_nDlgType = 1;
        m_run.AddPages();
        m_run.m_dlgWork.SetParam(&m_run.m_param);
        qelt::ScopedUserScript installed(script);
        m_run.m_dlgWork.Show(IDD_CALT_WORK);
        EXPECT_FALSE(script.Failed()) << script.Error();
    }

    TempStore m_store;
    CBeamWellRun m_run;
};

TEST_F(BeamWellResultPage, EditedCellGoesIntoBothReportsUntilTheNextCalculation) {
    qelt::UserScript script;
    script.Tab("计算结果");
    script.Add(EditCell(1, 0, "0.7"));
    script.Tab("计算书").Close();
    Run(script);
    CBeamWellParam& param = m_run.m_param;
    EXPECT_EQ(0.7, param.beamForce[BW_A1].dPositive);
    EXPECT_NE(std::string::npos, ReportRows(param.wordS).find(u8"M_A(+) = 0.700 kN·m"));
    EXPECT_NE(std::string::npos, ReportRows(param.wordC).find(u8"= 0.700 kN·m"));
    EXPECT_EQ(0.625, param.beamForce[BW_B1].dPositive);
}

TEST_F(BeamWellResultPage, CalculateRestoresTheComputedValue) {
    qelt::UserScript script;
    script.Tab("计算结果");
    script.Add(EditCell(1, 0, "0.7"));
    script.Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(0.625, m_run.m_param.beamForce[BW_A1].dPositive);
}

// Zero values (every negative moment with simple supports) cannot be edited.
TEST_F(BeamWellResultPage, ZeroCellIsReadOnly) {
    qelt::UserScript script;
    script.Tab("计算结果");
    script.Add(EditCell(2, 0, "-3"));
    script.Close();
    qelt::ScopedUserScript installed(script);
    m_run.m_dlgWork.m_nDlgType = 1;
    m_run.AddPages();
    m_run.m_dlgWork.SetParam(&m_run.m_param);
    m_run.m_dlgWork.Show(IDD_CALT_WORK);
    EXPECT_NE(std::string::npos, script.Error().find("opens no editor")) << script.Error();
    EXPECT_EQ(0, m_run.m_param.beamForce[BW_A1].dNegative);
}

}  // namespace
