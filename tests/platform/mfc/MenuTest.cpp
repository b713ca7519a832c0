#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/Afx.h"
#include "mfc/InteractionLog.h"
#include "mfc/Menu.h"
#include "mfc/UserScript.h"
#include "mfc/WindowManager.h"
#include "resources/ControlResource.h"
#include "Printers.h"

namespace {

TEST(MenuTest, AMenuFromAResourceScriptKeepsItsItemsSubmenusAndStates) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CTL_MENU));
    ASSERT_EQ(menu.GetMenuItemCount(), 1u);
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->GetMenuItemCount(), 4u);
    EXPECT_EQ(file->GetMenuItemID(0), UINT(ID_CTL_OPEN));
    EXPECT_EQ(file->GetMenuItemID(2), 0u) << "the separator";
    EXPECT_EQ(file->GetMenuItemID(3), UINT(-1)) << "a submenu";
    CString text;
    file->GetMenuString(ID_CTL_ZOOM_OUT, text, MF_BYCOMMAND);
    EXPECT_EQ(text, CString("缩小")) << "found in the submenu by its command";
    EXPECT_EQ(file->CheckMenuItem(ID_CTL_ZOOM_IN, MF_UNCHECKED), UINT(MF_CHECKED));
    EXPECT_EQ(file->CheckMenuItem(ID_CTL_ZOOM_IN, MF_CHECKED), UINT(MF_UNCHECKED));
    EXPECT_EQ(file->EnableMenuItem(ID_CTL_SAVE, MF_ENABLED), UINT(MF_GRAYED));
    EXPECT_EQ(file->EnableMenuItem(9999, MF_ENABLED), UINT(-1));
    EXPECT_FALSE(CMenu().LoadMenu(9999));
}

// The person answers a popup menu with the script's next line, or dismisses it.
TEST(MenuTest, APopupMenuTakesThePersonsChoiceFromTheScript) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    struct Case {
        const char* what;
        bool menuLine;
        const char* text;
        UINT flags;
        BOOL result;
        bool failed;
        bool posted;
    };
    const std::vector<Case> cases = {
        {"an item by its text, without its mark and shortcut", true, "打开(O)", TPM_RETURNCMD, ID_CTL_OPEN, false, false},
        {"an item of a submenu", true, "缩小", TPM_RETURNCMD, ID_CTL_ZOOM_OUT, false, false},
        {"sent to the owner", true, "放大", 0, TRUE, false, true},
        {"a grayed item", true, "保存", TPM_RETURNCMD, 0, true, false},
        {"no such item", true, "关闭", TPM_RETURNCMD, 0, true, false},
        {"a line for something else dismisses it", false, "", TPM_RETURNCMD, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        qelt::InteractionLog::Instance().Clear();
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_CTL_MENU));
        qelt::UserScript script;
        qelt::UserAction action;
        action.kind = c.menuLine ? qelt::UserAction::Kind::Menu : qelt::UserAction::Kind::Close;
        action.text = c.text;
        script.Add(action);
        qelt::ScopedUserScript installed(script);
        EXPECT_EQ(menu.GetSubMenu(0)->TrackPopupMenu(c.flags, 10, 10, &owner), c.result);
        EXPECT_EQ(script.Failed(), c.failed) << script.Error();
        EXPECT_EQ(script.Remaining(), c.menuLine ? 0u : 1u);
        std::optional<MSG> posted = qelt::TakePostedMessage();
        EXPECT_EQ(posted.has_value(), c.posted);
        if (posted) {
            EXPECT_EQ(posted->message, UINT(WM_COMMAND));
            EXPECT_EQ(LOWORD(posted->wParam), ID_CTL_ZOOM_IN);
        }
        if (!c.failed) {
            ASSERT_EQ(qelt::InteractionLog::Instance().Entries().size(), 1u);
            const qelt::InteractionEntry& entry = qelt::InteractionLog::Instance().Entries()[0];
            EXPECT_EQ(entry.kind, "menu");
            EXPECT_EQ(entry.buttons.size(), 4u) << "the items without the separator";
            EXPECT_EQ(entry.byScript, c.menuLine);
        }
    }
    owner.DestroyWindow();
}

TEST(MenuTest, DestroyingAMenuTakesItsSubmenusAndTheirObjects) {
    HMENU top = ::CreatePopupMenu();
    HMENU sub = ::CreatePopupMenu();
    ASSERT_TRUE(::AppendMenu(sub, MF_STRING, 7, "七"));
    ASSERT_TRUE(::AppendMenu(top, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "子菜单"));
    EXPECT_FALSE(::AppendMenu(top, MF_POPUP, 12345, "no menu"));
    CMenu* object = CMenu::FromHandle(sub);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(CMenu::FromHandle(sub), object);
    EXPECT_TRUE(::DestroyMenu(top));
    EXPECT_EQ(::GetMenuItemCount(sub), -1);
    EXPECT_EQ(CMenu::FromHandle(sub), nullptr);
}

}  // namespace
