#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Printers.h"
#include "TestCommand.h"
#include "host/CommandReports.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "host/YorWord.h"
#include "resources/FrameworkResource.h"
#include "resources/FrameworkTestResource.h"
#include "TempStore.h"

namespace {

using qelt::UserScript;

class WorkDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        qelt::InteractionLog::Instance().Clear();
        g_VuskMainInfo.SetCommandInFrame(FALSE);
        g_VuskMainInfo.m_hMainWnd = NULL;
        g_VuskMainInfo.SetCurCmdType("");
    }
    void TearDown() override
    {
        g_VuskMainInfo.SetCaltDlgType(1);
        g_VuskMainInfo.SetCommandInFrame(FALSE);
        g_VuskMainInfo.m_hMainWnd = NULL;
        CYorWord::SetOutputPath(NULL);
    }

    static double StoredWidth()
    {
        double dWidth = 0;
        CVuskSave::GetValue(TestKey("/dWidth"), dWidth, -1.0);
        return dWidth;
    }

    static CRect RectIn(const CWnd& wnd, const CWnd& parent)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        parent.ScreenToClient(&rc);
        return rc;
    }

    TempStore store;
};

TEST_F(WorkDialog, OpensWithTheStoredParametersOnTheFirstPage)
{
    CVuskSave::SetValue(TestKey("/dWidth"), 300.0);
    CVuskSave::SetValue(TestKey("/strNumber"), "L-7");
    CTestCommand command(1);
    CString strWidth, strNumber;
    command.sizePage.m_onProbe = [&] {
        strWidth = ControlText(command.sizePage, IDC_TEST_WIDTH);
        strNumber = ControlText(command.sizePage, IDC_TEST_NUMBER);
    };
    UserScript script;
    script.Click(IDC_TEST_PROBE);
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(CString("300"), strWidth);
    EXPECT_EQ(CString("L-7"), strNumber);
}

TEST_F(WorkDialog, BadNumberIsRefusedWhenTheBoxIsLeft)
{
    CTestCommand command(1);
    CString strWidth;
    double dHeight = 0;
    command.sizePage.m_onProbe = [&] {
        strWidth = ControlText(command.sizePage, IDC_TEST_WIDTH);
        dHeight = command.param.m_dHeight;
    };
    UserScript script;
    script.Set(IDC_TEST_WIDTH, "abc").Click(IDC_PROMPT_ACKNOWLEDGE);
    script.Set(IDC_TEST_HEIGHT, "600").Click(IDC_TEST_PROBE).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    EXPECT_EQ(CString("250"), strWidth);
    EXPECT_DOUBLE_EQ(600, dHeight);
    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ(CString("请输入一个在0.000001与10000之间的实数"), prompts[0].text);
    EXPECT_TRUE(prompts[0].byScript);
    EXPECT_EQ(IDCANCEL, prompts[0].result);
}

TEST_F(WorkDialog, ErrorsAreListedAloneAndStopTheCalculation)
{
    CTestCommand command(1);
    UserScript script;
    script.Set(IDC_TEST_WIDTH, "120").Set(IDC_TEST_HEIGHT, "80").Click(IDC_WORK_CALCULATE);
    script.Click(IDC_PROMPT_ACKNOWLEDGE).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ(CString("1.  梁高不应小于100mm\r\n\r\n请返回修改!"), prompts[0].text);
    EXPECT_EQ(0, command.param.m_nCalculations);
    EXPECT_EQ(0, command.param.wordC.GetRowCount());
    // "计算" stores before it tests.
    double dHeight = 0;
    CVuskSave::GetValue(TestKey("/dHeight"), dHeight, -1.0);
    EXPECT_DOUBLE_EQ(80, dHeight);
}

// "计算" after one that gave a result: a calculation that refuses leaves no report of the earlier
// one and builds none, an input check that refuses calculates nothing; the host learns each outcome.
TEST_F(WorkDialog, TheLastCalculationDecidesTheReportsAndTheOutcome)
{
    const struct {
        const char* name;
        int calculateResult;
        const char* height;
        qelt::host::CalculationStep outcome;
        int calculations;
        int fullReports;
        int reportRows;  // 0: the earlier report is gone
    } cases[] = {
        {"calculated", 1, "600", qelt::host::CalculationStep::Calculated, 2, 2, 4},
        {"calculation refused", 0, "600", qelt::host::CalculationStep::CalculationRefused, 2, 1, 0},
        {"input refused", 1, "80", qelt::host::CalculationStep::InputRefused, 1, 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTestCommand command(1);
        qelt::host::ClearCommandReports();
        int nRowsFirst = -1;
        command.sizePage.m_onProbe = [&] {
            nRowsFirst = command.param.wordC.GetRowCount();
            command.param.m_nCalculateResult = c.calculateResult;
        };
        UserScript script;
        script.Click(IDC_WORK_CALCULATE).Click(IDC_TEST_PROBE).Set(IDC_TEST_HEIGHT, c.height).Click(IDC_WORK_CALCULATE);
        if (c.outcome == qelt::host::CalculationStep::InputRefused)
            script.Click(IDC_PROMPT_ACKNOWLEDGE);
        script.Close();
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();

        size_t nLogStart = 0;
        EXPECT_EQ(c.outcome, qelt::host::LastCalculationStep(nLogStart));
        EXPECT_EQ(c.calculations, command.param.m_nCalculations);
        EXPECT_EQ(c.fullReports, command.param.m_nFullReports);
        EXPECT_GT(nRowsFirst, 0);
        EXPECT_EQ(c.reportRows < 0 ? nRowsFirst : c.reportRows, command.param.wordC.GetRowCount());
    }
}

TEST_F(WorkDialog, WarningsAskAndOnlyYesStays)
{
    CTestCommand command(1);
    UserScript script;
    script.Set(IDC_TEST_WIDTH, "400").Set(IDC_TEST_HEIGHT, "300");
    script.Click(IDC_WORK_CALCULATE).Answer(IDYES);   // back to the input
    script.Click(IDC_WORK_CALCULATE).Answer(IDNO);    // go on
    script.Click(IDC_WORK_CALCULATE).Close();         // the close box goes on too
    script.Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(3u, prompts.size());
    EXPECT_EQ(CString("1.  梁宽不宜大于梁高\r\n\r\n是否返回修改"), prompts[0].text);
    EXPECT_EQ(IDOK, prompts[0].result);
    EXPECT_EQ(IDCANCEL, prompts[1].result);
    EXPECT_EQ(IDCANCEL, prompts[2].result);
    EXPECT_EQ(2, command.param.m_nCalculations);
    EXPECT_GT(command.param.wordC.GetRowCount(), 0);
}

TEST_F(WorkDialog, ContinuationLinesOfAWarningAreIndented)
{
    CTestCommand command(1);
    UserScript script;
    script.Tab("荷载参数").Set(IDC_TEST_LOAD, "150").Click(IDC_WORK_CALCULATE).Answer(IDNO).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ(CString("1.  荷载较大\r\n    请核对荷载取值\r\n\r\n是否返回修改"), prompts[0].text);
    EXPECT_EQ(1, command.param.m_nCalculations);
}

TEST_F(WorkDialog, FalseFromTheCheckWithoutTextsStillAsks)
{
    CTestCommand command(1);
    command.sizePage.m_nCheckResult = FALSE;
    BOOL bSilent = TRUE;
    command.sizePage.m_onProbe = [&] { bSilent = command.workDlg.CheckInput(FALSE); };
    UserScript script;
    script.Click(IDC_TEST_PROBE).Click(IDC_WORK_CALCULATE).Answer(IDNO).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    EXPECT_FALSE(bSilent);
    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ(CString("\r\n是否返回修改"), prompts[0].text);
    EXPECT_EQ(1, command.param.m_nCalculations);
}

// The tab change: the page left must accept its last edit and pass the input test.
TEST_F(WorkDialog, TabChangeIsRefusedByThePageOrByItsInput)
{
    const struct {
        const char* name;
        BOOL refuseLeave;
        int checkResult;
        const char* height;
        bool taken;  // the page's values reached the parameters
    } cases[] = {
        {"page refuses to be left", TRUE, -1, "500", false},
        {"input has an error", FALSE, -1, "80", true},
        {"check answers 2", FALSE, 2, "500", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        qelt::InteractionLog::Instance().Clear();
        CTestCommand command(1);
        command.sizePage.m_bRefuseLeave = c.refuseLeave;
        command.sizePage.m_nCheckResult = c.checkResult;
        int nTab = -1;
        CCaltPageDlg* pCurrent = NULL;
        CString strNumber;
        command.sizePage.m_onProbe = [&] {
            nTab = command.workDlg.m_ctrlTab.GetCurSel();
            pCurrent = command.workDlg.m_pCurPage;
            strNumber = command.param.strNumber;
        };
        UserScript script;
        script.Set(IDC_TEST_NUMBER, "L-9").Set(IDC_TEST_HEIGHT, c.height).Tab("荷载参数");
        if (c.checkResult == -1 && !c.refuseLeave)
            script.Click(IDC_PROMPT_ACKNOWLEDGE);
        script.Click(IDC_TEST_PROBE);
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();

        EXPECT_EQ(0, nTab);
        EXPECT_EQ(&command.sizePage, pCurrent);
        EXPECT_EQ(NULL, command.loadPage.m_hWnd);
        EXPECT_EQ(c.taken, strNumber == "L-9");
    }
}

TEST_F(WorkDialog, PagesComeUpToDateByKind)
{
    CTestCommand command(1);
    int nCalculationsOnResult = -1;
    CString strMoment;
    command.resultPage.m_onProbe = [&] {
        nCalculationsOnResult = command.param.m_nCalculations;
        strMoment = ControlText(command.resultPage, IDC_TEST_MOMENT);
    };
    UserScript script;
    script.Tab("荷载参数").Set(IDC_TEST_LOAD, "20").Tab("计算结果").Click(IDC_TEST_PROBE);
    script.Tab("基本参数").Tab("计算结果");
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    // Leaving an input page for the result page calculates first.
    EXPECT_EQ(1, nCalculationsOnResult);
    EXPECT_EQ(CString("M=90"), strMoment);
    EXPECT_EQ(2, command.param.m_nCalculations);
}

// The report page rebuilds both reports whenever it is shown; the host's full calculation on it
// recalculates only in modes 0 and 1.
TEST_F(WorkDialog, ReportPageAndTheHostsFullCalculation)
{
    const struct {
        int mode;
        UINT message;
        int calculationsAfter;
    } cases[] = {{2, WM_VUSK_CALCULATEALL, 1}, {1, WM_VUSK_ONCALCULATEALL, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        CTestCommand command(c.mode);
        int nCalculations = -1, nReports = -1;
        std::string strShown;
        LRESULT nResult = -1;
        command.param.m_onHelp = [&] {
            nCalculations = command.param.m_nCalculations;
            nReports = command.param.m_nFullReports;
            strShown = WindowText(command.reportPage.m_ctrlReport).Str();
            nResult = command.workDlg.SendMessage(c.message);
        };
        UserScript script;
        script.Tab("计算结果").Tab("计算书").Click(IDC_WORK_HELP).Close();
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();

        // Input to results calculated; results to report only rebuilt the reports.
        EXPECT_EQ(1, nCalculations);
        EXPECT_EQ(1, nReports);
        EXPECT_NE(std::string::npos, strShown.find("M=45kN*m"));
        EXPECT_EQ(1, nResult);
        EXPECT_EQ(c.calculationsAfter, command.param.m_nCalculations);
        EXPECT_EQ(2, command.param.m_nFullReports);
        EXPECT_EQ(CString("测试梁计算"), g_VuskMainInfo.GetCurCmdEntry().strType);
    }
}

TEST_F(WorkDialog, RestoreDefaultsOnTheThirdTabShowsTheFirst)
{
    CVuskSave::SetValue(TestKey("/dWidth"), 300.0);
    CTestCommand command(1);
    int nTab = -1;
    CString strWidth;
    double dStoredMeanwhile = 0;
    command.sizePage.m_onProbe = [&] {
        nTab = command.workDlg.m_ctrlTab.GetCurSel();
        strWidth = ControlText(command.sizePage, IDC_TEST_WIDTH);
        dStoredMeanwhile = StoredWidth();
    };
    UserScript script;
    script.Tab("荷载参数").Tab("计算结果").Click(IDC_WORK_DEFAULT).Click(IDC_TEST_PROBE).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    EXPECT_EQ(0, nTab);
    EXPECT_EQ(CString("250"), strWidth);
    EXPECT_DOUBLE_EQ(300, dStoredMeanwhile);
    EXPECT_EQ(NULL, command.resultPage.m_hWnd);
    EXPECT_DOUBLE_EQ(250, StoredWidth());  // stored at closing
}

// Closing stores the parameters in every mode; in the host's frame when the host destroys the dialog.
TEST_F(WorkDialog, ClosingStoresTheParameters)
{
    const struct {
        int mode;
        BOOL inFrame;
    } cases[] = {{1, FALSE}, {2, FALSE}, {0, TRUE}, {0, FALSE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << (c.inFrame ? " in the frame" : ""));
        CVuskSave::SetValue(TestKey("/dWidth"), 250.0);
        CTestFrame frame;
        g_VuskMainInfo.m_hMainWnd = frame.wnd.m_hWnd;
        g_VuskMainInfo.SetCommandInFrame(c.inFrame);
        CTestCommand command(c.mode);
        UserScript script;
        script.Set(IDC_TEST_WIDTH, "260").Close();
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();
        EXPECT_DOUBLE_EQ(260, StoredWidth());
        g_VuskMainInfo.m_hMainWnd = NULL;
    }
}

TEST_F(WorkDialog, AddToListWritesTheFullReportToWord)
{
    const std::string strPath = store.Folder() + "/word.rtf";
    CYorWord::SetOutputPath(strPath.c_str());
    CTestCommand command(1);
    UserScript script;
    script.Click(IDC_WORK_ADDLIST).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    EXPECT_EQ(1, command.param.m_nCalculations);
    EXPECT_EQ(CString("测试梁计算"), g_VuskMainInfo.GetCurCmdEntry().strType);
    std::ifstream file(strPath, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_NE(std::string::npos, content.str().find("M=45kN*m"));
}

TEST_F(WorkDialog, AddToListWritesNothingWhenItCannot)
{
    const std::string strPath = store.Folder() + "/word.rtf";
    const struct {
        const char* name;
        BOOL inFrame;
        int calculateResult;
        const char* output;
        int calculations;
        size_t listed;
    } cases[] = {
        {"in the host's frame", TRUE, 1, strPath.c_str(), 0, 1},
        {"calculation fails", FALSE, 0, strPath.c_str(), 1, 0},
        {"no Word output", FALSE, 1, NULL, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CYorWord::SetOutputPath(c.output);
        g_VuskMainInfo.SetCommandInFrame(c.inFrame);
        const size_t nListed = g_VuskMainInfo.GetCommandList().size();
        CTestCommand command(1);
        command.param.m_nCalculateResult = c.calculateResult;
        UserScript script;
        script.Click(IDC_WORK_ADDLIST).Close();
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();
        EXPECT_EQ(c.calculations, command.param.m_nCalculations);
        EXPECT_EQ(c.listed, g_VuskMainInfo.GetCommandList().size() - nListed);
        EXPECT_FALSE(std::filesystem::exists(strPath));
    }
}

TEST_F(WorkDialog, HelpGoesToTheParametersOrToTheOnlyPage)
{
    CTestCommand command(1);
    UserScript script;
    script.Click(IDC_WORK_HELP).Close();
    command.Run(script);
    EXPECT_EQ(1, command.param.m_nHelpCalls);

    // Without parameters: the only page gets it, and passing it back up does not go round.
    CTestSizePage page;
    CCaltWorkDlg workDlg;
    workDlg.AddPage(&page, "基本参数", IDD_TEST_SIZE);
    BOOL bAnswered = FALSE;
    page.m_onProbe = [&] {
        HELPINFO info = {};
        info.cbSize = sizeof(info);
        bAnswered = (BOOL)workDlg.SendMessage(WM_HELP, 0, (LPARAM)&info);
    };
    UserScript script2;
    script2.Click(IDC_TEST_PROBE);
    {
        qelt::ScopedUserScript scope(script2);
        workDlg.Show(IDD_CALT_WORK);
    }
    EXPECT_TRUE(bAnswered);
    EXPECT_EQ(1, page.m_nHelpCalls);

    // With several pages and no parameters it is dropped.
    CTestSizePage firstPage;
    CTestLoadPage secondPage;
    CCaltWorkDlg workDlg2;
    workDlg2.AddPage(&firstPage, "基本参数", IDD_TEST_SIZE);
    workDlg2.AddPage(&secondPage, "荷载参数", IDD_TEST_LOAD);
    firstPage.m_onProbe = [&] {
        HELPINFO info = {};
        info.cbSize = sizeof(info);
        bAnswered = (BOOL)workDlg2.SendMessage(WM_HELP, 0, (LPARAM)&info);
    };
    UserScript script3;
    script3.Click(IDC_TEST_PROBE);
    {
        qelt::ScopedUserScript scope(script3);
        workDlg2.Show(IDD_CALT_WORK);
    }
    EXPECT_FALSE(bAnswered);
    EXPECT_EQ(0, firstPage.m_nHelpCalls);
}

TEST_F(WorkDialog, HostMessagesCalculateAndRestore)
{
    const struct {
        int mode;
        UINT message;
        int calculations;
    } cases[] = {{1, WM_VUSK_CALCULATEALL, 1}, {1, WM_VUSK_ONCALCULATEALL, 1}, {2, WM_VUSK_CALCULATEALL, 1}, {2, WM_VUSK_ONCALCULATEALL, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " message " << c.message);
        CTestCommand command(c.mode);
        LRESULT nResult = -1;
        command.sizePage.m_onProbe = [&] { nResult = command.workDlg.SendMessage(c.message); };
        UserScript script;
        script.Click(IDC_TEST_PROBE).Close();
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();
        EXPECT_EQ(1, nResult);
        EXPECT_EQ(c.calculations, command.param.m_nCalculations);
        EXPECT_EQ(1, command.param.m_nFullReports);
        EXPECT_DOUBLE_EQ(250, StoredWidth());
    }

    CTestCommand command(1);
    LRESULT nResult = -1;
    command.param.m_onHelp = [&] { nResult = command.workDlg.SendMessage(WM_VUSK_RESTOREDEFAULT); };
    UserScript script;
    script.Tab("荷载参数").Set(IDC_TEST_LOAD, "20").Click(IDC_WORK_HELP).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(1, nResult);
    EXPECT_DOUBLE_EQ(10, command.param.m_dLoad);
    EXPECT_EQ(&command.sizePage, command.workDlg.m_pCurPage);
}

TEST_F(WorkDialog, LaidOutAroundTheLargestPageWithTheButtonRow)
{
    CTestCommand command(1);
    CRect rcRow[6];
    CRect rcAfterResize[6];
    CRect rcClient;
    int nPageWidth = 0, nPageHeight = 0;
    CButton* buttons[] = {&command.workDlg.m_btnHelp,    &command.workDlg.m_btnClose,
                          &command.workDlg.m_btnAddList, &command.workDlg.m_btnRefresh,
                          &command.workDlg.m_btnCalculate, &command.workDlg.m_btnDefault};
    command.sizePage.m_onProbe = [&] {
        nPageWidth = command.workDlg.m_nPageWidth;
        nPageHeight = command.workDlg.m_nPageHeight;
        for (int i = 0; i < 6; i++)
            rcRow[i] = RectIn(*buttons[i], command.workDlg);
        command.workDlg.MoveWindow(0, 0, 700, 500);
        command.workDlg.GetClientRect(&rcClient);
        for (int i = 0; i < 6; i++)
            rcAfterResize[i] = RectIn(*buttons[i], command.workDlg);
    };
    UserScript script;
    script.Click(IDC_TEST_PROBE).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    // The load page, 260 × 160 dialog units, is the largest.
    EXPECT_EQ(390, nPageWidth);
    EXPECT_EQ(240, nPageHeight);
    const int h = qelt::tab::kRowHeight;
    // "帮助", "关闭", "加入列表", "刷新列表", "计算", "恢复默认" from right to left, 2 pixels apart.
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(nPageHeight + 3 * h, rcRow[i].top);
        if (i > 0) {
            EXPECT_EQ(rcRow[i - 1].left - 2, rcRow[i].right);
        }
    }
    // After the first resize "刷新列表" stands right of "加入列表".
    EXPECT_EQ(rcClient.Width() - h / 2 - 2, rcAfterResize[0].right);
    EXPECT_EQ((int)(rcClient.Height() - 1.5 * h), rcAfterResize[0].top);
    EXPECT_EQ(rcAfterResize[1].left - 2, rcAfterResize[3].right);
    EXPECT_EQ(rcAfterResize[3].left - 2, rcAfterResize[2].right);
    EXPECT_EQ(rcAfterResize[2].left - 2, rcAfterResize[4].right);
}

TEST_F(WorkDialog, ButtonsByMode)
{
    const struct {
        int mode;
        int enableList;
        const char* addList;
        bool refreshShown;
        bool listEnabled;
    } cases[] = {
        {1, 1, "加入列表", true, true},
        {1, 0, "加入列表", true, false},
        {2, 1, "计算书", false, true},
        {3, 0, "计算书", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " list " << c.enableList);
        CTestCommand command(c.mode);
        command.workDlg.m_bEnableList = c.enableList;
        CString strAddList;
        bool bRefreshShown = false, bAddListEnabled = false, bOthersShown = false;
        command.sizePage.m_onProbe = [&] {
            CCaltWorkDlg& dlg = command.workDlg;
            strAddList = WindowText(dlg.m_btnAddList);
            bRefreshShown = dlg.m_btnRefresh.IsWindowVisible();
            bAddListEnabled = dlg.m_btnAddList.IsWindowEnabled();
            bOthersShown = dlg.m_btnAddList.IsWindowVisible() && dlg.m_btnCalculate.IsWindowVisible() &&
                           dlg.m_btnClose.IsWindowVisible() && dlg.m_btnHelp.IsWindowVisible() &&
                           dlg.m_btnDefault.IsWindowVisible();
            EXPECT_EQ(WindowText(dlg), CString("测试梁计算"));
            if (c.refreshShown) {
                EXPECT_EQ(c.listEnabled, (bool)dlg.m_btnRefresh.IsWindowEnabled());
            }
        };
        UserScript script;
        script.Click(IDC_TEST_PROBE).Close();
        command.Run(script);
        EXPECT_FALSE(script.Failed()) << script.Error();
        EXPECT_EQ(CString(c.addList), strAddList);
        EXPECT_EQ(c.refreshShown, bRefreshShown);
        EXPECT_EQ(c.listEnabled, bAddListEnabled);
        EXPECT_TRUE(bOthersShown);
    }
}

TEST_F(WorkDialog, SmallPagesGetTheSmallestArea)
{
    CTestResultPage page;
    CTestBeamParam param;
    CCaltWorkDlg workDlg;
    workDlg.AddPage(&page, "计算结果", IDD_TEST_RESULT);
    workDlg.SetParam(&param);
    int nWidth = 0, nHeight = 0;
    page.m_onProbe = [&] {
        nWidth = workDlg.m_nPageWidth;
        nHeight = workDlg.m_nPageHeight;
    };
    UserScript script;
    script.Click(IDC_TEST_PROBE).Close();
    qelt::ScopedUserScript scope(script);
    workDlg.Show(IDD_CALT_WORK);
    EXPECT_EQ(300, nWidth);
    EXPECT_EQ(200, nHeight);
}

TEST_F(WorkDialog, InTheHostsFrameWithoutButtons)
{
    CTestFrame frame;
    g_VuskMainInfo.m_hMainWnd = frame.wnd.m_hWnd;
    g_VuskMainInfo.SetCommandInFrame(TRUE);
    CTestCommand command(0);
    int nPageWidth = 0, nPageHeight = 0;
    bool bAnyButton = true;
    CRect rcBefore, rcAfter;
    command.sizePage.m_onProbe = [&] {
        CCaltWorkDlg& dlg = command.workDlg;
        nPageWidth = dlg.m_nPageWidth;
        nPageHeight = dlg.m_nPageHeight;
        bAnyButton = dlg.m_btnAddList.IsWindowVisible() || dlg.m_btnCalculate.IsWindowVisible() ||
                     dlg.m_btnClose.IsWindowVisible() || dlg.m_btnHelp.IsWindowVisible() ||
                     dlg.m_btnDefault.IsWindowVisible() || dlg.m_btnRefresh.IsWindowVisible();
        rcBefore = RectIn(command.sizePage, dlg);
        dlg.MoveWindow(0, 0, 500, 400);
        rcAfter = RectIn(command.sizePage, dlg);
    };
    UserScript script;
    script.Click(IDC_TEST_PROBE).Click(IDC_PAGE_CALCULATE).Close();
    command.Run(script);
    EXPECT_FALSE(script.Failed()) << script.Error();

    CRect rcFrame;
    frame.wnd.GetWindowRect(&rcFrame);
    const int h = qelt::tab::kRowHeight;
    EXPECT_FALSE(bAnyButton);
    EXPECT_EQ(rcFrame.Width() - 3 * h, nPageWidth);
    EXPECT_EQ(rcFrame.Height() - 2 * h + 1, nPageHeight);
    EXPECT_EQ(rcBefore, rcAfter);
    // The page's own "计  算" calculates without rebuilding the reports.
    EXPECT_EQ(1, command.param.m_nCalculations);
    EXPECT_EQ(0, command.param.m_nFullReports);
}

}  // namespace
