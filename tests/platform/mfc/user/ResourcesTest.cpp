#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "mfc/Afx.h"
#include "mfc/person/InteractionLog.h"
#include "resources/TestResource.h"
#include "Printers.h"

extern "C" BOOL TestModuleMain(HINSTANCE hInstance, DWORD reason);

namespace {

constexpr UINT kModuleDialog = 900;

// The caption of the dialog that a template id gives, as the search finds it.
CString Caption(UINT id) {
    CDialog dialog(id);
    CString caption = "(none)";
    if (dialog.Create(id)) dialog.GetWindowText(caption);
    return caption;
}

// The current resource handle first, then the extension modules, then the program's own.
TEST(Resources, SearchOrderFollowsTheResourceHandle) {
    const HINSTANCE program = AfxGetInstanceHandle();
    const HINSTANCE module = qelt::ModuleHandleOf(reinterpret_cast<const void*>(&TestModuleMain));
    ASSERT_NE(module, program);
    EXPECT_EQ(AfxGetResourceHandle(), program);

    EXPECT_EQ(Caption(IDD_BASIC), "基本对话框");
    qelt::test::ExpectedMisuses misuses;  // a template that no module holds
    EXPECT_EQ(Caption(kModuleDialog), "(none)");  // not in the search yet

    ASSERT_TRUE(TestModuleMain(module, DLL_PROCESS_ATTACH));
    EXPECT_EQ(Caption(kModuleDialog), "模块对话框");
    EXPECT_EQ(Caption(IDD_BASIC), "基本对话框");

    AfxSetResourceHandle(module);  // as the host does around a command run
    EXPECT_EQ(Caption(IDD_BASIC), "模块的基本对话框");
    CString greeting;
    EXPECT_TRUE(qelt::LoadResourceString(IDS_GREETING, greeting));
    EXPECT_EQ(greeting, "模块你好");
    AfxSetResourceHandle(program);
    EXPECT_TRUE(qelt::LoadResourceString(IDS_GREETING, greeting));
    EXPECT_EQ(greeting, "你好");

    TestModuleMain(module, DLL_PROCESS_DETACH);
    EXPECT_EQ(Caption(kModuleDialog), "(none)");
    EXPECT_EQ(misuses.Count(), 2);
}

TEST(Resources, StringsAndMessageBoxesById) {
    char buffer[5];
    EXPECT_EQ(LoadString(AfxGetInstanceHandle(), IDS_GREETING, buffer, sizeof buffer), 4);
    EXPECT_EQ(CString(buffer), "你好");
    EXPECT_EQ(LoadString(AfxGetInstanceHandle(), IDS_GREETING, buffer, 4), 2);  // never half a character
    EXPECT_EQ(CString(buffer), "你");
    EXPECT_EQ(LoadString(AfxGetInstanceHandle(), 9999, buffer, sizeof buffer), 0);

    qelt::InteractionLog::Instance().Clear();
    CWinApp app("构件计算");
    EXPECT_EQ(AfxMessageBox(IDS_GREETING, MB_YESNO | MB_DEFBUTTON2), IDNO);
    const auto& log = qelt::InteractionLog::Instance().Entries();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].caption, "构件计算");
    EXPECT_EQ(log[0].text, "你好");
    EXPECT_EQ(log[0].buttons, (std::vector<CString>{"是", "否"}));
    EXPECT_EQ(log[0].answer, "否");
}

}  // namespace
