#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "TempStore.h"
#include "host/CommandRun.h"
#include "host/Help.h"
#include "host/QeltPath.h"
#include "host/VuskMainInfo.h"
#include "host/YorFile.h"

namespace {

// The command under test: it describes itself as a module's entry function does.
CVuskMainInfo* g_info = nullptr;
int g_calls = 0;

int CaltSample() {
    ++g_calls;
    g_info->SetDescription("根据用户需要，计算");
    g_info->SetCurCmdType("受弯构件纵向受拉钢筋计算");
    g_info->SetCurCmdNumber("L-1");
    g_info->SetCurCmdDimInfo("b=250mm\nh=500mm\n");
    g_info->SetCurCmdLoadInfo("M=100kN*m\n");
    g_info->SetCurCmdResultInfo("As =804mm^2\n");
    g_info->SetCurCmdBPrint(1);
    return 5100;
}

int CaltOther() { return 5100; }

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        g_info = &m_info;
        g_calls = 0;
    }
    CVuskMainInfo m_info;
};

TEST_F(Registry, CommandIsCalledByName) {
    ASSERT_TRUE(m_info.AddCaltFunc(_tagCaltInfo("C:ZHJMJS", 1, 0, "钢筋混凝土结构", "受弯构件正截面承载力计算",
                                                CaltSample, 0xFFFFFFFF, 'A')));
    ASSERT_TRUE(m_info.AddCaltFunc(_tagCaltInfo("C:YMJJS", 0, 0, "钢筋混凝土结构", "埋件计算", CaltOther,
                                                0xFFFFFFFF, 'Y')));

    ASSERT_EQ(m_info.GetCaltFuncCount(), 2);
    EXPECT_EQ(m_info.GetCaltFuncAt(0)->strCommand, "C:ZHJMJS");
    const _tagCaltInfo* second = m_info.GetCaltFuncAt(1);
    EXPECT_EQ(second->strTitle, "埋件计算");
    EXPECT_EQ(second->nFirst, 0);
    EXPECT_EQ(second->nMask, 0xFFFFFFFFu);
    EXPECT_EQ(second->chLetter, 'Y');
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(m_info.GetCaltFuncAt(2), nullptr);
    EXPECT_EQ(misuses.Count(), 1);

    int result = 0;
    EXPECT_TRUE(m_info.CallCaltFunc("c:zhjmjs", &result));
    EXPECT_EQ(result, 5100);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(m_info.GetCurCommand(), "C:ZHJMJS");
    EXPECT_EQ(m_info.GetDescription(), "根据用户需要，计算");

    EXPECT_FALSE(m_info.CallCaltFunc("C:NOSUCH", &result));
    EXPECT_EQ(g_calls, 1);
}

TEST_F(Registry, DuplicateOrIncompleteRecordIsRefused) {
    EXPECT_TRUE(m_info.AddCaltFunc(_tagCaltInfo("C:A", 1, 0, "", "", CaltOther, 0, 'A')));
    EXPECT_FALSE(m_info.AddCaltFunc(_tagCaltInfo("c:a", 1, 0, "", "second", CaltSample, 0, 'B')));
    {
        qelt::test::ExpectedMisuses misuses;
        EXPECT_FALSE(m_info.AddCaltFunc(_tagCaltInfo("C:B", 1, 0, "", "", nullptr, 0, 'B')));
        EXPECT_FALSE(m_info.AddCaltFunc(_tagCaltInfo("", 1, 0, "", "", CaltOther, 0, 'B')));
        EXPECT_EQ(misuses.Count(), 2);
    }
    EXPECT_EQ(m_info.GetCaltFuncCount(), 1);
    m_info.CallCaltFunc("C:A");
    EXPECT_EQ(g_calls, 0) << "the first registration stands";
}

TEST_F(Registry, ListEntryIsAddedAndRefreshed) {
    m_info.AddCaltFunc(_tagCaltInfo("C:ZHJMJS", 1, 0, "", "", CaltSample, 0, 'A'));
    EXPECT_FALSE(m_info.RefreshCurCommand()) << "nothing in the list yet";
    m_info.CallCaltFunc("C:ZHJMJS");
    ASSERT_TRUE(m_info.AddCommandToList());
    ASSERT_EQ(m_info.GetCommandList().size(), 1u);
    const CVuskCmdEntry& entry = m_info.GetCommandList()[0];
    EXPECT_EQ(entry.strCommand, "C:ZHJMJS");
    EXPECT_EQ(entry.strType, "受弯构件纵向受拉钢筋计算");
    EXPECT_EQ(entry.strDimInfo, "b=250mm\nh=500mm\n");
    EXPECT_EQ(entry.nBPrint, 1);

    m_info.SetCurCmdResultInfo("As =1017mm^2\n");
    EXPECT_TRUE(m_info.RefreshCurCommand());
    ASSERT_EQ(m_info.GetCommandList().size(), 1u);
    EXPECT_EQ(m_info.GetCommandList()[0].strResultInfo, "As =1017mm^2\n");

    // A new run starts with an empty entry.
    m_info.CallCaltFunc("C:ZHJMJS");
    EXPECT_EQ(m_info.GetCurCmdEntry().strResultInfo, "As =804mm^2\n");
}

TEST_F(Registry, CadCommandCarriesTheDrawingParametersWrittenBeforeIt) {
    TempStore store;
    qelt::host::TakeDrawingKeysWritten();
    CYorFile::SetValue("StairBoardDraw/m_dH", 1650.0);
    CYorFile::SetValue("StairBoardDraw/m_strName", "TB-1");
    CYorFile::SetValue("StairBoardDraw/m_dH", 1800.0);
    ASSERT_TRUE(m_info.SendAcadCommand("VUSKBSHLT\n"));
    ASSERT_TRUE(m_info.SendAcadCommand("Ljm\n"));

    ASSERT_EQ(m_info.GetAcadCommands().size(), 2u);
    const CVuskAcadCommand& first = m_info.GetAcadCommands()[0];
    EXPECT_EQ(first.strCommand, "VUSKBSHLT\n");
    ASSERT_EQ(first.parameters.size(), 2u);
    EXPECT_EQ(first.parameters[0].key, "StairBoardDraw/m_dH");
    EXPECT_EQ(first.parameters[0].value.ToDouble(), 1800.0);
    EXPECT_EQ(first.parameters[1].value.Describe(), "text TB-1");
    EXPECT_TRUE(m_info.GetAcadCommands()[1].parameters.empty());
}

TEST(CommandRun, RunsOneAtATimeAndCanBeRefused) {
    ASSERT_EQ(gVusk_Begin(), 0);
    EXPECT_LT(gVusk_Begin(), 0) << "a second run while one is open";
    gVusk_End();
    EXPECT_FALSE(qelt::host::IsRunOpen());

    qelt::host::SetRefuseRuns(true);
    EXPECT_LT(gVusk_Begin(), 0);
    qelt::host::SetRefuseRuns(false);
    ASSERT_EQ(gVusk_Begin(), 0);
    gVusk_End();
}

TEST(Help, RequestsAreRecorded) {
    qelt::host::ClearHelpRequests();
    EXPECT_EQ(AdsHelp("Qelt", "ZHJMJS", 0), 1);
    CString file = gVusk_GetQeltPath(2) + "VUSK20.chm";
    HtmlHelp(nullptr, file, HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>("1/受弯构件斜截面承载力计算.htm"));
    HtmlHelp(nullptr, "qelt.chm::/a.htm", HH_DISPLAY_TOPIC, 0);

    const auto& requests = qelt::host::HelpRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].product, "Qelt");
    EXPECT_EQ(requests[0].topic, "ZHJMJS");
    EXPECT_EQ(requests[1].product, file.Str());
    EXPECT_EQ(requests[1].topic, CString("1/受弯构件斜截面承载力计算.htm").Str());
    EXPECT_EQ(requests[2].product, "qelt.chm");
    EXPECT_EQ(requests[2].topic, "/a.htm");
}

TEST(QeltPath, SupportFolderEndsInASeparator) {
    setenv("QELT_SUPPORT_DIR", "/opt/qelt/support", 1);
    EXPECT_EQ(gVusk_GetQeltPath(2), "/opt/qelt/support/");
    unsetenv("QELT_SUPPORT_DIR");
    CString folder = gVusk_GetQeltPath(2);
    EXPECT_EQ(folder.Right(6), "/qelt/");
    EXPECT_EQ(gVusk_GetQeltPath(1), "");
}

}  // namespace
