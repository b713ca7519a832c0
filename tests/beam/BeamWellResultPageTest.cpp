// The grid beam's result page in the command's work dialog, as a person uses it: the rows of the
// distinct beams, a cell edited in the list and carried into the reports, and "计算" restoring
// the computed value.
#include <gtest/gtest.h>

#include <string>

#include "Printers.h"
#include "ReportRows.h"
#include "beam/BeamWellRun.h"
#include "controls/EditCmbList.h"
#include "mfc/InteractionLog.h"
#include "mfc/UserScript.h"
#include "resources/BeamWellResource.h"
#include "resources/FrameworkResource.h"
#include "tests/platform/host/TempStore.h"

namespace {

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
    script.Tab("计算结果").Row(IDC_BW_RESULTS, 0, 1).Set(IDC_EDITCMB_EDIT, "0.7").Tab("计算书").Close();
    Run(script);
    CBeamWellParam& param = m_run.m_param;
    EXPECT_EQ(0.7, param.beamForce[BW_A1].dPositive);
    EXPECT_NE(std::string::npos, ReportRows(param.wordS).find(u8"M_A(+) = 0.700 kN·m"));
    EXPECT_NE(std::string::npos, ReportRows(param.wordC).find(u8"= 0.700 kN·m"));
    EXPECT_EQ(0.625, param.beamForce[BW_B1].dPositive);
}

TEST_F(BeamWellResultPage, CalculateRestoresTheComputedValue) {
    qelt::UserScript script;
    script.Tab("计算结果").Row(IDC_BW_RESULTS, 0, 1).Set(IDC_EDITCMB_EDIT, "0.7").Click(IDC_WORK_CALCULATE).Close();
    Run(script);
    EXPECT_EQ(0.625, m_run.m_param.beamForce[BW_A1].dPositive);
}

// Zero values (every negative moment with simple supports) cannot be edited.
TEST_F(BeamWellResultPage, ZeroCellIsReadOnly) {
    qelt::UserScript script;
    script.Tab("计算结果").Row(IDC_BW_RESULTS, 0, 2).Set(IDC_EDITCMB_EDIT, "-3").Close();
    qelt::ScopedUserScript installed(script);
    m_run.m_dlgWork.m_nDlgType = 1;
    m_run.AddPages();
    m_run.m_dlgWork.SetParam(&m_run.m_param);
    m_run.m_dlgWork.Show(IDD_CALT_WORK);
    EXPECT_TRUE(script.Failed());
    EXPECT_EQ(0, m_run.m_param.beamForce[BW_A1].dNegative);
}

}  // namespace
