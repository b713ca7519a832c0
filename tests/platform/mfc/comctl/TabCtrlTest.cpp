#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NotificationLog.h"
#include "mfc/Afx.h"
#include "mfc/comctl/TabCtrl.h"
#include "mfc/person/UserScript.h"
#include "resources/ControlResource.h"
#include "Printers.h"

namespace {

// Two pages' tabs; records the notifications it gets, and can veto a tab change.
class TabDialog : public CDialog {
public:
    TabDialog() : CDialog(IDD_CTL_TABS) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_tabs.SubclassDlgItem(IDC_CTL_TABS, this);
        m_tabs.InsertItem(0, "基本参数");
        m_tabs.InsertItem(1, "计算书");
        GetDlgItem(IDC_CTL_VALUE)->SetFocus();
        return FALSE;
    }
    void OnCancel() override {
        m_finalTab = m_tabs.GetCurSel();
        CDialog::OnCancel();
    }

    CTabCtrl m_tabs;
    bool m_veto = false;
    std::vector<std::string> m_events;
    int m_finalTab = -1;

protected:
    afx_msg void OnSelChanging(NMHDR* header, LRESULT* result) {
        m_events.push_back("changing from " + std::to_string(m_tabs.GetCurSel()));
        EXPECT_EQ(header->hwndFrom, m_tabs.m_hWnd);
        *result = m_veto ? 1 : 0;
    }
    afx_msg void OnSelChange(NMHDR*, LRESULT* result) {
        m_events.push_back("change to " + std::to_string(m_tabs.GetCurSel()));
        *result = 0;
    }
    afx_msg void OnValueKillFocus() { m_events.push_back("value left"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TabDialog, CDialog)
    ON_NOTIFY(TCN_SELCHANGING, IDC_CTL_TABS, OnSelChanging)
    ON_NOTIFY(TCN_SELCHANGE, IDC_CTL_TABS, OnSelChange)
    ON_EN_KILLFOCUS(IDC_CTL_VALUE, OnValueKillFocus)
END_MESSAGE_MAP()

TEST(TabCtrl, AChosenTabIsAnnouncedAndAVetoKeepsTheOldOne) {
    for (bool veto : {false, true}) {
        TabDialog dialog;
        dialog.m_veto = veto;
        qelt::UserScript script;
        script.Tab("计算书");
        qelt::ScopedUserScript scoped(script);
        dialog.DoModal();
        EXPECT_FALSE(script.Failed()) << script.Error();
        const std::vector<std::string> expected =
            veto ? std::vector<std::string>{"value left", "changing from 0"}
                 : std::vector<std::string>{"value left", "changing from 0", "change to 1"};
        EXPECT_EQ(dialog.m_events, expected) << "veto " << veto;
        EXPECT_EQ(dialog.m_finalTab, veto ? 0 : 1);
    }
}

TEST(TabCtrl, ChoosingTheSelectedTabOrAMissingOne) {
    TabDialog dialog;
    qelt::UserScript script;
    script.Tab("基本参数").Tab("荷载");
    qelt::ScopedUserScript scoped(script);
    dialog.DoModal();
    // The selected tab takes the click without a change; a title that no tab has fails the script.
    EXPECT_EQ(dialog.m_events, std::vector<std::string>{"value left"});
    EXPECT_TRUE(script.Failed());
    EXPECT_NE(script.Error().find("no such tab"), std::string::npos) << script.Error();
}

TEST(TabCtrl, ItemsGeometryAndSelectionByCode) {
    TabDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_CTL_TABS));
    CTabCtrl& tabs = dialog.m_tabs;

    // The row height is known before the tabs exist.
    tabs.DeleteAllItems();
    CRect rect;
    EXPECT_FALSE(tabs.GetItemRect(0, &rect));
    EXPECT_EQ(rect.Height(), qelt::tab::kRowHeight);
    EXPECT_EQ(tabs.GetCurSel(), -1);

    EXPECT_EQ(tabs.InsertItem(0, "计算书"), 0);
    EXPECT_EQ(tabs.GetCurSel(), 0);  // the first tab is selected
    EXPECT_EQ(tabs.InsertItem(0, "基本参数"), 0);
    EXPECT_EQ(tabs.GetCurSel(), 1);  // the selection stays with its tab
    EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 9, "ab", 0, 42), 2);
    ASSERT_EQ(tabs.GetItemCount(), 3);

    // 6 pixels a byte plus 12: 8 bytes → 60, 6 bytes → 48.
    ASSERT_TRUE(tabs.GetItemRect(0, &rect));
    EXPECT_EQ(rect, CRect(2, 2, 62, 20));
    ASSERT_TRUE(tabs.GetItemRect(1, &rect));
    EXPECT_EQ(rect, CRect(62, 2, 110, 20));
    TCHITTESTINFO hit{{70, 10}, 0};
    EXPECT_EQ(tabs.HitTest(&hit), 1);
    EXPECT_EQ(hit.flags, UINT(TCHT_ONITEM));
    hit.pt = CPoint(70, 30);
    EXPECT_EQ(tabs.HitTest(&hit), -1);

    char text[5];
    TCITEM item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(tabs.GetItem(0, &item));
    EXPECT_STREQ(text, "基本");  // cut at a character boundary
    ASSERT_TRUE(tabs.GetItem(2, &item));
    EXPECT_EQ(item.lParam, 42);

    // SetCurSel notifies nobody.
    EXPECT_EQ(tabs.SetCurSel(0), 1);
    EXPECT_EQ(tabs.SetCurSel(7), -1);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(dialog.m_events.empty());

    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetCurSel(), -1);  // the selected tab went

    CRect display(0, 0, 200, 100);
    tabs.AdjustRect(FALSE, &display);
    EXPECT_EQ(display, CRect(4, 22, 196, 96));
    tabs.AdjustRect(TRUE, &display);
    EXPECT_EQ(display, CRect(0, 0, 200, 100));
}

TEST(TabCtrl, SelectionAndFocusByMessage) {
    constexpr int kChanging = TCN_SELCHANGING, kChange = TCN_SELCHANGE;
    struct Case {
        UINT message;
        int index, selectedBefore;
        bool veto;
        LRESULT result;
        int selectedAfter;
        std::vector<int> codes;
    } cases[] = {
        {TCM_SETCURSEL, -1, 1, false, 1, -1, {}},  // no tab selected
        {TCM_SETCURSEL, 5, 1, false, -1, 1, {}},
        {TCM_SETCURSEL, 2, 1, false, 1, 2, {}},
        {TCM_SETCURFOCUS, 2, 0, false, 0, 2, {kChanging, kChange}},
        {TCM_SETCURFOCUS, 2, 0, true, 0, 0, {kChanging}},
        {TCM_SETCURFOCUS, 0, 0, false, 0, 0, {}},
        {TCM_SETCURFOCUS, 7, 0, false, 0, 0, {}},
    };
    for (const Case& c : cases) {
        qelt::test::CNotificationLogDlg dialog(IDD_CTL_TABS);
        ASSERT_TRUE(dialog.Create(IDD_CTL_TABS));
        CTabCtrl& tabs = *static_cast<CTabCtrl*>(dialog.GetDlgItem(IDC_CTL_TABS));
        for (const char* title : {"基本参数", "荷载", "计算书"}) tabs.InsertItem(tabs.GetItemCount(), title);
        tabs.SetCurSel(c.selectedBefore);
        dialog.m_answer = c.veto;
        dialog.m_log.clear();
        EXPECT_EQ(tabs.SendMessage(c.message, static_cast<WPARAM>(c.index)), c.result) << c.message << " " << c.index;
        EXPECT_EQ(tabs.GetCurSel(), c.selectedAfter) << c.message << " " << c.index;
        std::vector<int> codes;
        for (const auto& entry : dialog.m_log) codes.push_back(entry.second);
        EXPECT_EQ(codes, c.codes) << c.message << " " << c.index;
    }
}

}  // namespace
