#include <gtest/gtest.h>

#include "NotificationLog.h"
#include "mfc/Afx.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

using qelt::test::CNotificationLogDlg;
using qelt::test::Notifications;

bool IsTabStop(const CWnd& control) { return (control.GetStyle() & WS_TABSTOP) != 0; }

TEST(Button, CheckingARadioButtonMakesItTheGroupsTabStop) {
    CNotificationLogDlg dlg(IDD_BASIC);
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    struct Case {
        int id;
        WPARAM check;
        bool tabStopBefore, tabStopAfter;
    } cases[] = {
        {IDC_RADIO_B, BST_UNCHECKED, true, false},  // the template's tab stop goes
        {IDC_RADIO_B, BST_CHECKED, false, true},
        {IDC_RADIO_A, BST_UNCHECKED, true, false},
        {IDC_RADIO_A, BST_CHECKED, false, true},
        {IDC_SHOW_ALL, BST_UNCHECKED, true, true},  // a check box keeps its style
    };
    for (const Case& c : cases) {
        CWnd* button = dlg.GetDlgItem(c.id);
        EXPECT_EQ(IsTabStop(*button), c.tabStopBefore) << c.id << " " << c.check;
        button->SendMessage(BM_SETCHECK, c.check);
        EXPECT_EQ(IsTabStop(*button), c.tabStopAfter) << c.id << " " << c.check;
    }
    EXPECT_EQ(dlg.m_log, Notifications{});
}

TEST(Button, APressAndAReleaseInsideIsAClick) {
    struct Case {
        const char* what;
        POINT down, up;
        bool pressFirst;
        bool enabled;
        Notifications expected;
    } cases[] = {
        {"press and release inside", {5, 5}, {10, 8}, true, true, {{IDC_APPLY, BN_CLICKED}}},
        {"released outside", {5, 5}, {500, 5}, true, true, {}},
        {"released without a press", {5, 5}, {5, 5}, false, true, {}},
        // Messages sent to a disabled button still click it; only a person's mouse cannot.
        {"disabled, press and release inside", {5, 5}, {10, 8}, true, false, {{IDC_APPLY, BN_CLICKED}}},
    };
    for (const Case& c : cases) {
        CNotificationLogDlg dlg(IDD_BASIC);
        ASSERT_TRUE(dlg.Create(IDD_BASIC));
        CWnd* apply = dlg.GetDlgItem(IDC_APPLY);
        dlg.GetDlgItem(IDC_NAME)->SetFocus();
        apply->EnableWindow(c.enabled);
        if (c.pressFirst) {
            apply->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.down.x, c.down.y));
            if (c.enabled) {
                EXPECT_EQ(::GetFocus(), apply->m_hWnd) << c.what;  // the press takes the focus
            }
            EXPECT_TRUE(apply->SendMessage(BM_GETSTATE) & BST_PUSHED) << c.what;
        }
        apply->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.up.x, c.up.y));
        EXPECT_FALSE(apply->SendMessage(BM_GETSTATE) & BST_PUSHED) << c.what;
        Notifications commands;
        for (const auto& entry : dlg.m_log) {
            if (entry.first == IDC_APPLY) commands.push_back(entry);
        }
        EXPECT_EQ(commands, c.expected) << c.what;
    }
}

}  // namespace
