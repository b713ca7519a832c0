#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "startup/CaltCommandText.h"
#include "startup/CaltEntry.h"
#include "startup/Startup.h"
#include "host/CommandReports.h"
#include "host/CommandRun.h"
#include "host/Store.h"
#include "host/VuskMainInfo.h"
#include "host/app/ModuleLoader.h"
#include "mfc/person/UserScript.h"

namespace {
namespace fs = std::filesystem;

// The module, loaded once for the test program as the host program loads it, with a store of its own.
class ModuleEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::string error;
        m_module = qelt::app::LoadedModule::Load(QELT_MODULE, &error);
        ASSERT_TRUE(m_module) << error;
        std::string pattern = (fs::temp_directory_path() / "qelt-startup-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
        ASSERT_EQ(qelt::host::OpenStore((m_dir / "store.db").string()), "");
    }
    void TearDown() override {
        qelt::host::CloseStore();
        fs::remove_all(m_dir);
        m_module.reset();
    }

private:
    std::unique_ptr<qelt::app::LoadedModule> m_module;
    fs::path m_dir;
};

const ::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

struct CommandRow {
    const char* command;
    int first;
    const char* title;
    char letter;
};

// Every command of the module in registration order; the module registers those it has built.
const CommandRow kCommandTable[] = {
    {"C:ZHJMJS", 1, "受弯构件正截面承载力计算", 'A'},   {"C:XJMJS", 1, "受弯构件斜截面承载力计算", 'X'},
    {"C:ZHXSHY", 1, "轴心受压构件正截面承载力计算", 'G'}, {"C:WJNJS", 1, "受扭构件承载力计算", 'N'},
    {"C:SHZHJM", 1, "深受弯构件正截面承载力计算", 'H'}, {"C:SHXJM", 1, "深受弯构件斜截面承载力计算", 'M'},
    {"C:CHQJS", 1, "板的冲切承载力验算", 'Z'},          {"C:JBSHY", 1, "局部受压承载力验算", 'C'},
    {"C:JXBJS", 1, "矩形板计算", 'D'},                  {"C:LXLJS", 1, "连续梁计算", 'W'},
    {"C:JZLJS", 1, "井字梁计算", 'J'},                  {"C:LSHLTJS", 1, "梁式楼梯计算", 'L'},
    {"C:BSHLTJS", 1, "板式楼梯计算", 'B'},              {"C:YMJJS", 0, "埋件计算", 'Y'},
    {"C:YXBJS1", 1, "异型板计算", 'Y'},
};

TEST(StartupTest, RegistryHoldsTheBuiltCommandsInTableOrder) {
    int count = g_VuskMainInfo.GetCaltFuncCount();
    ASSERT_GE(count, 1);
    EXPECT_STREQ(g_VuskMainInfo.GetCaltFuncAt(0)->strCommand, "C:ZHJMJS");
    size_t row = 0;
    for (int i = 0; i < count; ++i) {
        const _tagCaltInfo& info = *g_VuskMainInfo.GetCaltFuncAt(i);
        while (row < std::size(kCommandTable) && info.strCommand != kCommandTable[row].command) ++row;
        ASSERT_LT(row, std::size(kCommandTable)) << "not in the table, or out of its order: " << info.strCommand;
        const CommandRow& expected = kCommandTable[row];
        EXPECT_EQ(info.nFirst, expected.first) << expected.command;
        EXPECT_EQ(info.nSecond, 0);
        EXPECT_EQ(info.strCategory, CString("钢筋混凝土结构"));
        EXPECT_EQ(info.strTitle, CString(expected.title));
        EXPECT_NE(info.pfnCalt, nullptr);
        EXPECT_EQ(info.nMask, 0xFFFFFFFFu);
        EXPECT_EQ(info.chLetter, expected.letter);
    }
}

TEST(StartupTest, EveryCommandHasACaptionAndADescription) {
    const CString closing = "用户在输入基本已知条件之后，按“计算”按钮，即可得到符合规范的正确结果";
    const CString drawing = "，同时生成规范化的施工图，可以直接插入AutoCAD图中";
    for (const CommandRow& row : kCommandTable) {
        const CALTCOMMANDTEXT& text = CaltGetCommandText(row.command);
        CString description = text.lpszDescription;
        EXPECT_STRNE(text.lpszCaption, "") << row.command;
        EXPECT_EQ(description.Find("根据用户需要，"), 0) << row.command;
        CString command = row.command;
        if (command == "C:LXLJS" || command == "C:YXBJS1") {
            EXPECT_EQ(description.Find(closing), -1) << row.command;
        } else {
            bool draws = command == "C:LSHLTJS" || command == "C:BSHLTJS" || command == "C:YMJJS";
            CString ending = closing + (draws ? drawing : CString("")) + "。";
            EXPECT_EQ(description.Right(ending.GetLength()), ending) << row.command;
        }
    }
    qelt::test::ExpectedMisuses misuses;
    EXPECT_STREQ(CaltGetCommandText("C:NOSUCH").lpszDescription, "");
    EXPECT_EQ(misuses.Count(), 1);
}

TEST(StartupTest, FailedExtensionModuleStartRegistersNothing) {
    int count = g_VuskMainInfo.GetCaltFuncCount();
    HINSTANCE handle = g_hModuleInstance;
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(DllMain(NULL, DLL_PROCESS_ATTACH, NULL), 0);
    EXPECT_EQ(misuses.Count(), 1);
    EXPECT_EQ(g_VuskMainInfo.GetCaltFuncCount(), count);
    EXPECT_EQ(g_hModuleInstance, handle);
}

TEST(StartupTest, RefusedRunReturnsWithoutTouchingTheHost) {
    ASSERT_EQ(gVusk_Begin(), 0);  // a run is open, so the host refuses the next one
    HINSTANCE resource = AfxGetResourceHandle();
    int result = 0;
    ASSERT_TRUE(g_VuskMainInfo.CallCaltFunc("C:ZHJMJS", &result));
    EXPECT_EQ(result, CALT_RESULT);
    EXPECT_TRUE(qelt::host::IsRunOpen()) << "gVusk_End was called";
    EXPECT_EQ(AfxGetResourceHandle(), resource);
    EXPECT_TRUE(g_VuskMainInfo.GetDescription().IsEmpty());
    gVusk_End();
}

// A run whose page and parameter object tell what they see when they are built, shown and destroyed.
std::vector<std::string> g_events;

class CFakePage : public CCaltPageDlg {
public:
    CFakePage() : CCaltPageDlg(IDD_CALT_REPORT)
    {
        g_events.push_back("page built");
        m_hBuiltResource = AfxGetResourceHandle();
        m_strBuiltDescription = g_VuskMainInfo.GetDescription();
        m_bBuiltInRun = qelt::host::IsRunOpen();
    }
    ~CFakePage() override
    {
        g_events.push_back("page destroyed");
        s_hDestroyedResource = AfxGetResourceHandle();
        s_bDestroyedInRun = qelt::host::IsRunOpen();
    }
    void SetData(CVuskParam*) override
    {
        s_nShownMode = GetDlgMode();
        s_strShownTitle = m_strTitle;
        CWnd* pTab = GetParent();
        CWnd* pWorkDlg = pTab ? pTab->GetParent() : NULL;
        if (pWorkDlg)
            pWorkDlg->GetWindowText(s_strShownCaption);
        s_hBuiltResource = m_hBuiltResource;
        s_strBuiltDescription = m_strBuiltDescription;
        s_bBuiltInRun = m_bBuiltInRun;
    }

    static HINSTANCE s_hBuiltResource, s_hDestroyedResource;
    static CString s_strBuiltDescription, s_strShownTitle, s_strShownCaption;
    static BOOL s_bBuiltInRun, s_bDestroyedInRun;
    static int s_nShownMode;

private:
    HINSTANCE m_hBuiltResource;
    CString m_strBuiltDescription;
    BOOL m_bBuiltInRun;
};

HINSTANCE CFakePage::s_hBuiltResource, CFakePage::s_hDestroyedResource;
CString CFakePage::s_strBuiltDescription, CFakePage::s_strShownTitle, CFakePage::s_strShownCaption;
BOOL CFakePage::s_bBuiltInRun, CFakePage::s_bDestroyedInRun;
int CFakePage::s_nShownMode;

class CFakeParam : public CVuskParam {
public:
    CFakeParam() { g_events.push_back("parameters built"); }
    ~CFakeParam() override { g_events.push_back("parameters destroyed"); }
    int BuildWordC() override { return wordC.WriteTitleInfo("full"); }
    int BuildWordS() override { return wordS.WriteTitleInfo("short"); }
};

TEST(StartupTest, EntryFrameBuildsRunsAndDestroysInOrder) {
    HINSTANCE host = AfxGetInstanceHandle();
    AfxSetResourceHandle(host);
    g_VuskMainInfo.SetCaltDlgType(2);
    g_events.clear();
    qelt::host::ClearCommandReports();
    qelt::UserScript script;
    script.Click(553);
    {
        qelt::ScopedUserScript installed(script);
        EXPECT_EQ((CaltRunCommand<CCaltCheckRun<CFakePage, CFakeParam, IDD_CALT_REPORT> >("C:ZHJMJS")), CALT_RESULT);
    }
    g_VuskMainInfo.SetCaltDlgType(1);
    EXPECT_FALSE(script.Failed()) << script.Error();

    EXPECT_EQ(g_events, (std::vector<std::string>{"page built", "parameters built", "parameters destroyed",
                                                  "page destroyed"}));
    EXPECT_EQ(CFakePage::s_hBuiltResource, g_hModuleInstance);
    EXPECT_EQ(CFakePage::s_strBuiltDescription, CString(CaltGetCommandText("C:ZHJMJS").lpszDescription));
    EXPECT_TRUE(CFakePage::s_bBuiltInRun);
    EXPECT_EQ(CFakePage::s_nShownMode, 2);
    EXPECT_EQ(CFakePage::s_strShownTitle, CString("基本参数"));
    EXPECT_EQ(CFakePage::s_strShownCaption, CString("受弯构件正截面承载力设计"));
    EXPECT_EQ(CFakePage::s_hDestroyedResource, host) << "the host's resources are back before the objects go";
    EXPECT_FALSE(CFakePage::s_bDestroyedInRun) << "the run is closed before the objects go";
    EXPECT_EQ(AfxGetResourceHandle(), host);

    ASSERT_TRUE(qelt::host::KeptFullReport());
    ASSERT_EQ(qelt::host::KeptFullReport()->GetRowCount(), 1);
    ASSERT_EQ(qelt::host::KeptShortReport()->GetRowCount(), 1);
}

// What a command's work dialog shows once its script has no action left: the list buttons and the
// host's irregular-slab flag at that moment.
struct RunView {
    BOOL bAddList = -1;
    BOOL bRefresh = -1;
    int nAtypicalBoardRun = -1;
};

RunView ViewRun(const char* pszCommand) {
    RunView view;
    qelt::UserScript script;
    script.SetSnapHandler(
        [&view](HWND hDialog, const std::string&) {
            CWnd* pDialog = CWnd::FromHandle(hDialog);
            CWnd* pAddList = pDialog->GetDlgItem(IDC_WORK_ADDLIST);
            if (pAddList) {
                view.bAddList = pAddList->IsWindowEnabled();
                view.bRefresh = pDialog->GetDlgItem(IDC_WORK_REFRESH)->IsWindowEnabled();
                view.nAtypicalBoardRun = g_VuskMainInfo.m_bAtypicalBoardRun;
            }
            return std::string();
        },
        "end");
    qelt::ScopedUserScript installed(script);
    int result = 0;
    EXPECT_TRUE(g_VuskMainInfo.CallCaltFunc(pszCommand, &result));
    EXPECT_EQ(result, CALT_RESULT);
    EXPECT_FALSE(script.Failed()) << script.Error();
    return view;
}

// The embedded part is drawn, never listed: its list buttons are disabled; a member check's are not.
TEST(StartupTest, EmbeddedPartRunDisablesTheListButtons) {
    RunView part = ViewRun("C:YMJJS");
    EXPECT_EQ(part.bAddList, FALSE);
    EXPECT_EQ(part.bRefresh, FALSE);
    RunView check = ViewRun("C:ZHXSHY");
    EXPECT_EQ(check.bAddList, TRUE);
    EXPECT_EQ(check.bRefresh, TRUE);
}

// The irregular slab raises the host's flag for its run and gives it back the value it found.
TEST(StartupTest, IrregularSlabRunRaisesTheHostFlagAndRestoresIt) {
    g_VuskMainInfo.m_bAtypicalBoardRun = 7;
    RunView slab = ViewRun("C:YXBJS1");
    EXPECT_EQ(slab.nAtypicalBoardRun, 1);
    EXPECT_EQ(g_VuskMainInfo.m_bAtypicalBoardRun, 7);
    RunView check = ViewRun("C:ZHXSHY");
    EXPECT_EQ(check.nAtypicalBoardRun, 7);
    g_VuskMainInfo.m_bAtypicalBoardRun = 0;
}

}  // namespace
