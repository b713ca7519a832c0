#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/Afx.h"
#include "mfc/ComboBox.h"
#include "mfc/Dialog.h"
#include "mfc/Edit.h"
#include "mfc/WindowClass.h"
#include "mfc/WindowManager.h"
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

}  // namespace
