#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/Afx.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/Dialog.h"
#include "mfc/stdctrl/Edit.h"
#include "mfc/user/WinApp.h"
#include "mfc/user/WindowClass.h"
#include "mfc/user/WindowManager.h"
#include "resources/ControlResource.h"
#include "Printers.h"

namespace {

// Keys and typed characters on an edit box, as a person presses them.
TEST(KeyboardTest, AnEditBoxTakesTypedCharactersAndCaretKeys) {
    CDialog dialog(IDD_CTL_LISTS);
    ASSERT_TRUE(dialog.Create(IDD_CTL_LISTS));
    auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(IDC_CTL_VALUE));
    struct Case {
        const char* what;
        const char* before;
        DWORD style;
        int selStart, selEnd;
        std::vector<int> keys;  // pressed before typing
        const char* typed;
        const char* after;
    };
    const std::vector<Case> cases = {
        {"over the selection", "400", 0, 0, -1, {}, "300", "300"},
        {"at the caret", "400", 0, 0, 0, {}, "3", "3400"},
        {"End and backspace", "400", 0, 0, 0, {VK_END, VK_BACK}, "", "40"},
        {"backspace takes a whole character", "截面", 0, 0, 0, {VK_END, VK_BACK}, "", "截"},
        {"Home and Delete", "截面", 0, 0, -1, {VK_HOME, VK_DELETE}, "", "面"},
        {"arrows move the caret", "ab", 0, 0, 0, {VK_END, VK_LEFT}, "x", "axb"},
        {"a two-byte character typed", "", 0, 0, 0, {}, "梁L1", "梁L1"},
        {"digits only", "", ES_NUMBER, 0, 0, {}, "1a2", "12"},
        {"read-only", "5", ES_READONLY, 0, -1, {VK_DELETE}, "6", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        edit->ModifyStyle(ES_NUMBER | ES_READONLY, c.style);
        edit->SetWindowText(c.before);
        edit->SetFocus();
        edit->SetSel(c.selStart, c.selEnd);
        for (int key : c.keys) qelt::PressKey(key);
        qelt::TypeText(c.typed);
        CString text;
        edit->GetWindowText(text);
        EXPECT_EQ(text, CString(c.after));
    }
    dialog.DestroyWindow();
}

TEST(KeyboardTest, ADropDownTakesTypedTextAndSelectsTheItemItEquals) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 100), &parent, 5));
    combo.AddString("均布");
    combo.AddString("集中");
    combo.SetFocus();
    qelt::TypeText("集");
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    qelt::TypeText("中");
    EXPECT_EQ(combo.GetCurSel(), 1);
    qelt::PressKey(VK_BACK);
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, CString("集"));
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    parent.DestroyWindow();
}

// An application whose help records what it is asked.
class HelpApp : public CWinApp {
public:
    HelpApp() : CWinApp("help") {}
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override { asked.push_back({dwData, nCmd}); }
    std::vector<std::pair<DWORD_PTR, UINT>> asked;
};

// A dialog whose F1 (WM_HELP) runs the help command, as a page of the module does.
class HelpDialog : public CDialog {
public:
    HelpDialog() : CDialog(IDD_CTL_LISTS) {}
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
        helpInfo = *pHelpInfo;
        OnHelp();
        return TRUE;
    }
    HELPINFO helpInfo = {};
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(HelpDialog, CDialog)
    ON_WM_HELPINFO()
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

// F1 asks the focused control for help, which passes it to its dialog; the help command gives the
// dialog's context, HID_BASE_RESOURCE + its template id, to the application's help.
TEST(KeyboardTest, F1AndTheHelpCommandReachTheApplicationsHelp) {
    HelpApp app;
    HelpDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_CTL_LISTS));
    CWnd* edit = dialog.GetDlgItem(IDC_CTL_VALUE);
    edit->SetFocus();
    qelt::PressKey(VK_F1);
    EXPECT_EQ(dialog.helpInfo.iContextType, HELPINFO_WINDOW);
    EXPECT_EQ(dialog.helpInfo.iCtrlId, IDC_CTL_VALUE);
    EXPECT_EQ(dialog.helpInfo.hItemHandle, edit->m_hWnd);
    dialog.SendMessage(WM_COMMAND, ID_HELP, 0);
    const std::pair<DWORD_PTR, UINT> expected{HID_BASE_RESOURCE + IDD_CTL_LISTS, HELP_CONTEXT};
    ASSERT_EQ(app.asked.size(), 2u);
    EXPECT_EQ(app.asked[0], expected);
    EXPECT_EQ(app.asked[1], expected);
    dialog.DestroyWindow();
}

TEST(KeyboardTest, HeldKeysAnswerGetKeyState) {
    EXPECT_GE(::GetKeyState(VK_MENU), 0);
    qelt::HoldKey(VK_MENU, true);
    EXPECT_LT(::GetKeyState(VK_MENU), 0);
    EXPECT_GE(::GetKeyState(VK_SHIFT), 0);
    qelt::HoldKey(VK_MENU, false);
    EXPECT_GE(::GetKeyState(VK_MENU), 0);
}

TEST(KeyboardTest, AProgramsWindowClassIsRegisteredOnceAndCreatesPlainWindows) {
    WNDCLASS wndcls{};
    wndcls.style = CS_DBLCLKS;
    wndcls.lpszClassName = "QeltTestClass";
    wndcls.hCursor = ::LoadCursor(AfxGetInstanceHandle(), IDC_ARROW);
    EXPECT_EQ(wndcls.hCursor, nullptr) << "the program holds no arrow cursor of its own";
    EXPECT_FALSE(::GetClassInfo(nullptr, "QeltTestClass", &wndcls));
    ASSERT_TRUE(AfxRegisterClass(&wndcls));
    wndcls.style = 0;
    EXPECT_TRUE(AfxRegisterClass(&wndcls)) << "already there";
    WNDCLASS found{};
    ASSERT_TRUE(::GetClassInfo(nullptr, "qelttestclass", &found));
    EXPECT_EQ(found.style, UINT(CS_DBLCLKS)) << "the first registration stays";
    EXPECT_STREQ(found.lpszClassName, "QeltTestClass");
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, "QeltTestClass", "x", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    window.SetWindowText("窗口");
    CString text;
    window.GetWindowText(text);
    EXPECT_EQ(text, CString("窗口"));
    window.DestroyWindow();
    WNDCLASS nameless{};
    EXPECT_EQ(::RegisterClass(&nameless), 0);
}

// Cursors and icons are kept as handles: a module's own by their resource, the system's by id.
TEST(KeyboardTest, CursorsAndIconsAreKeptAsHandles) {
    CWinApp app("test");
    const HCURSOR pointer = app.LoadCursor(IDC_CTL_POINTER);
    EXPECT_NE(pointer, nullptr);
    EXPECT_EQ(app.LoadCursor(IDC_CTL_POINTER), pointer) << "one handle a resource";
    EXPECT_EQ(app.LoadCursor(9999), nullptr);
    EXPECT_NE(app.LoadIcon(IDI_CTL_ICON), nullptr);
    EXPECT_EQ(app.LoadIcon(IDC_CTL_POINTER), nullptr) << "a cursor is no icon";
    const HCURSOR arrow = app.LoadStandardCursor(IDC_ARROW);
    EXPECT_NE(arrow, nullptr);
    EXPECT_EQ(::LoadCursor(nullptr, IDC_ARROW), arrow);
    EXPECT_NE(::LoadCursor(nullptr, IDC_WAIT), arrow);
    EXPECT_EQ(::LoadCursor(nullptr, "arrow"), nullptr) << "the system's are named by number";
    const HCURSOR before = ::SetCursor(pointer);
    EXPECT_EQ(::GetCursor(), pointer);
    EXPECT_EQ(::SetCursor(before), pointer);
}

}  // namespace
