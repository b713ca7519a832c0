#include <gtest/gtest.h>

#include "NotificationLog.h"
#include "mfc/Afx.h"
#include "mfc/person/UserScript.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

using qelt::test::CNotificationLogDlg;
using qelt::test::Notifications;

// Counts the selection notifications that the person's choices cause.
class CListsDlg : public CDialog {
public:
    CListsDlg() : CDialog(IDD_BASIC) {}
    int gradeChanges = 0;
    int itemChanges = 0;
    CString itemAtClose;

    CComboBox& Combo(int id) { return *static_cast<CComboBox*>(GetDlgItem(id)); }
    CListBox& List() { return *static_cast<CListBox*>(GetDlgItem(IDC_ITEMS)); }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* item : {"甲", "乙", "丙"}) List().AddString(item);
        return TRUE;
    }
    void OnCancel() override {
        if (List().GetCurSel() >= 0) List().GetText(List().GetCurSel(), itemAtClose);
        CDialog::OnCancel();
    }
    afx_msg void OnGradeChange() { ++gradeChanges; }
    afx_msg void OnItemChange() { ++itemChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListsDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_GRADE, OnGradeChange)
    ON_LBN_SELCHANGE(IDC_ITEMS, OnItemChange)
END_MESSAGE_MAP()

TEST(ComboBox, SortedInsertionAndPrefixSearch) {
    CListsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    ASSERT_TRUE(dlg.GetDlgItem(IDC_SORTED)->IsKindOf(RUNTIME_CLASS(CComboBox)));
    CComboBox& combo = dlg.Combo(IDC_SORTED);
    for (const char* item : {"C30", "c25", "HRB335", "C20", "C25"}) combo.AddString(item);
    // Case-blind order; an item equal to one already there goes after it.
    const char* order[] = {"C20", "c25", "C25", "C30", "HRB335"};
    ASSERT_EQ(combo.GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        CString text;
        combo.GetLBText(i, text);
        EXPECT_EQ(text, order[i]) << i;
    }

    struct Find {
        int start;
        const char* text;
        int prefix, exact;
    } finds[] = {
        {-1, "c2", 0, -1},  {0, "c2", 1, -1},  {1, "C2", 2, -1},     {2, "c2", 0, -1},  // wraps around
        {-1, "c25", 1, 1},  {1, "C25", 2, 2},  {2, "c25", 1, 1},     {-1, "h", 4, -1},
        {-1, "X", -1, -1},  {10, "C3", 3, -1}, {-1, "C30", 3, 3},
    };
    for (const Find& f : finds) {
        EXPECT_EQ(combo.FindString(f.start, f.text), f.prefix) << f.start << " " << f.text;
        EXPECT_EQ(combo.FindStringExact(f.start, f.text), f.exact) << f.start << " " << f.text;
    }

    // InsertString keeps the place given, sorted or not.
    EXPECT_EQ(combo.InsertString(1, "Z"), 1);
    EXPECT_EQ(combo.InsertString(99, "Z"), CB_ERR);
    // Two GBK characters that differ only in a trail byte that looks like 'A' or 'a' differ.
    const int gbk = combo.AddString("\x81\x41");
    EXPECT_EQ(combo.FindStringExact(-1, "\x81\x61"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, "\x81\x41"), gbk);
    EXPECT_EQ(combo.FindString(-1, "\x81"), CB_ERR);  // half a character is no prefix
}

TEST(ComboBox, ProgramChangesNotifyNobody) {
    CListsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    CComboBox& grade = dlg.Combo(IDC_GRADE);  // C20, C25, C30 from the template
    CString text;

    EXPECT_EQ(grade.SetCurSel(1), 1);
    grade.GetWindowText(text);
    EXPECT_EQ(text, "C25");
    EXPECT_EQ(grade.SelectString(-1, "c3"), 2);
    grade.GetWindowText(text);
    EXPECT_EQ(text, "C30");
    EXPECT_EQ(grade.SelectString(-1, "C9"), CB_ERR);
    EXPECT_EQ(grade.GetCurSel(), 2);
    grade.SetWindowText("C25");  // a drop-down list shows its selection only
    grade.GetWindowText(text);
    EXPECT_EQ(text, "C30");
    EXPECT_EQ(grade.DeleteString(2), 2);  // the selected item goes, and the selection with it
    EXPECT_EQ(grade.GetCurSel(), CB_ERR);
    EXPECT_EQ(grade.GetWindowTextLength(), 0);
    EXPECT_EQ(grade.SetCurSel(7), CB_ERR);
    EXPECT_EQ(dlg.gradeChanges, 0);

    EXPECT_EQ(grade.SetItemData(0, 77), TRUE);
    EXPECT_EQ(grade.GetItemData(0), 77u);
    EXPECT_EQ(grade.GetItemData(9), static_cast<DWORD_PTR>(CB_ERR));
    EXPECT_EQ(grade.GetLBTextLen(9), CB_ERR);

    CComboBox& gamma = dlg.Combo(IDC_GAMMA);  // a drop-down box keeps what is typed
    gamma.SetWindowText("1.05");
    EXPECT_EQ(gamma.GetCurSel(), CB_ERR);
    gamma.SetCurSel(0);
    gamma.GetWindowText(text);
    EXPECT_EQ(text, "0.9");
    gamma.ResetContent();
    EXPECT_EQ(gamma.GetCount(), 0);
    EXPECT_EQ(gamma.GetWindowTextLength(), 0);
}

TEST(ListBox, ChoicesNotifyProgramChangesDoNot) {
    qelt::UserScript script;
    script.Choose(IDC_ITEMS, "乙").Choose(IDC_GRADE, "C30");
    qelt::ScopedUserScript installed(script);
    CListsDlg dlg;
    dlg.DoModal();
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(dlg.itemAtClose, "乙");
    EXPECT_EQ(dlg.itemChanges, 1);
    EXPECT_EQ(dlg.gradeChanges, 1);

    CListsDlg direct;
    ASSERT_TRUE(direct.Create(IDD_BASIC));
    CListBox& list = direct.List();
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.FindStringExact(-1, "乙"), 1);
    EXPECT_EQ(list.SelectString(-1, "甲"), 0);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.SetCurSel(5), LB_ERR);
    EXPECT_EQ(direct.itemChanges, 0);
}

TEST(ComboBox, ArrowKeysStepThroughTheItems) {
    struct Case {
        int selectedBefore;
        UINT key;
        int selectedAfter;
        Notifications expected;
    } cases[] = {
        {0, VK_DOWN, 1, {{IDC_GRADE, CBN_SELENDOK}, {IDC_GRADE, CBN_SELCHANGE}}},
        {1, VK_UP, 0, {{IDC_GRADE, CBN_SELENDOK}, {IDC_GRADE, CBN_SELCHANGE}}},
        {-1, VK_DOWN, 0, {{IDC_GRADE, CBN_SELENDOK}, {IDC_GRADE, CBN_SELCHANGE}}},
        {2, VK_DOWN, 2, {}},  // the last item stays
        {0, VK_UP, 0, {}},
        {1, VK_RIGHT, 1, {}},
    };
    for (const Case& c : cases) {
        CNotificationLogDlg dlg(IDD_BASIC);
        ASSERT_TRUE(dlg.Create(IDD_BASIC));
        CComboBox& grade = *static_cast<CComboBox*>(dlg.GetDlgItem(IDC_GRADE));  // C20, C25, C30
        grade.SetFocus();
        grade.SetCurSel(c.selectedBefore);
        dlg.m_log.clear();
        grade.SendMessage(WM_KEYDOWN, c.key);
        EXPECT_EQ(grade.GetCurSel(), c.selectedAfter) << c.selectedBefore << " " << c.key;
        EXPECT_EQ(dlg.m_log, c.expected) << c.selectedBefore << " " << c.key;
        if (c.selectedAfter >= 0) {
            CString text, item;
            grade.GetWindowText(text);
            grade.GetLBText(c.selectedAfter, item);
            EXPECT_EQ(text, item);
        }
    }
}

TEST(ListBox, SelectionCountAndItemData) {
    CNotificationLogDlg dlg(IDD_BASIC);
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    CListBox multiple;
    ASSERT_TRUE(multiple.Create(WS_CHILD | LBS_MULTIPLESEL, CRect(0, 0, 60, 40), &dlg, 900));
    CListBox& single = *static_cast<CListBox*>(dlg.GetDlgItem(IDC_ITEMS));
    multiple.AddString("甲");
    single.AddString("丁");  // the template's list holds none yet
    struct Case {
        CListBox* list;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT expected;
    } cases[] = {
        {&single, LB_GETSELCOUNT, 0, 0, LB_ERR},
        {&multiple, LB_GETSELCOUNT, 0, 0, 0},
        {&single, LB_SETITEMDATA, 0, 42, TRUE},
        {&single, LB_GETITEMDATA, 0, 0, 42},
        {&single, LB_SETITEMDATA, 5, 42, LB_ERR},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.list->SendMessage(c.message, c.wParam, c.lParam), c.expected) << std::hex << c.message;
    }
    EXPECT_EQ(dlg.m_log, Notifications{});
}

}  // namespace
