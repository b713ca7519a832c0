#include <gtest/gtest.h>

#include <vector>

#include "mfc/Afx.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

constexpr int kMultiLine = 900;

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create(IDD_BASIC));
        ASSERT_TRUE(m_multi.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE, CRect(0, 0, 100, 40), &m_dlg,
                                   kMultiLine));
    }
    CEdit& Single() { return *static_cast<CEdit*>(m_dlg.GetDlgItem(IDC_NAME)); }

    CDialog m_dlg;
    CEdit m_multi;
};

TEST_F(EditTest, TextLimits) {
    struct Case {
        const char* what;
        bool multiLine;
        bool setLimit;
        WPARAM limit;
        UINT expected;
    } cases[] = {
        {"a new single-line box", false, false, 0, 30000},
        {"a new multi-line box", true, false, 0, 30000},
        {"single-line, limit lifted", false, true, 0, 0x7FFFFFFE},
        {"multi-line, limit lifted", true, true, 0, 0xFFFFFFFF},
        {"single-line, limit set", false, true, 12, 12},
        {"multi-line, limit set", true, true, 40000, 40000},
    };
    for (const Case& c : cases) {
        CEdit fresh;
        const DWORD style = WS_CHILD | (c.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL);
        ASSERT_TRUE(fresh.Create(style, CRect(0, 0, 80, 20), &m_dlg, 901)) << c.what;
        if (c.setLimit) fresh.SendMessage(EM_LIMITTEXT, c.limit);
        EXPECT_EQ(fresh.GetLimitText(), c.expected) << c.what;
        fresh.DestroyWindow();
    }
}

TEST_F(EditTest, SelectionRanges) {
    struct Case {
        const char* what;
        WPARAM start;
        LPARAM end;
        int selectedStart, selectedEnd;
    } cases[] = {
        {"all", 0, -1, 0, 6},
        {"a part", 1, 3, 1, 3},
        {"backwards", 4, 2, 2, 4},
        {"past the end", 2, 100, 2, 6},
        {"a start of -1 collapses the selection to its end", static_cast<WPARAM>(-1), 0, 3, 3},
    };
    for (const Case& c : cases) {
        Single().SetWindowText("abcdef");
        Single().SetSel(1, 3);
        EXPECT_EQ(Single().SendMessage(EM_SETSEL, c.start, c.end), 1) << c.what;
        int start = -1, end = -1;
        Single().GetSel(start, end);
        EXPECT_EQ(start, c.selectedStart) << c.what;
        EXPECT_EQ(end, c.selectedEnd) << c.what;
    }
}

TEST_F(EditTest, AMultiLineBoxWantsEveryKey) {
    struct Case {
        CEdit* edit;
        LRESULT wanted, unwanted;
    } cases[] = {
        {&Single(), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS, DLGC_WANTALLKEYS},
        {&m_multi, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS, 0},
    };
    for (const Case& c : cases) {
        const LRESULT code = c.edit->SendMessage(WM_GETDLGCODE);
        EXPECT_EQ(code & c.wanted, c.wanted) << c.edit->GetDlgCtrlID();
        EXPECT_EQ(code & c.unwanted, 0) << c.edit->GetDlgCtrlID();
    }
}

// The keys a multi-line box takes from the dialog, it passes on as the dialog would handle them;
// the dialog records its buttons' clicks.
class KeyLogDlg : public CDialog {
public:
    KeyLogDlg() : CDialog(IDD_BASIC) {}
    std::vector<int> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) == BN_CLICKED) m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

TEST(Edit, AMultiLineBoxDoesTheDialogsPartForItsKeys) {
    struct Case {
        UINT key;
        DWORD style;
        int focusedAfter;
        std::vector<int> commands;
    } cases[] = {
        {VK_TAB, 0, IDC_NAME, {}},  // wraps around to the first tab stop
        {VK_RETURN, 0, kMultiLine, {IDOK}},
        {VK_RETURN, ES_WANTRETURN, kMultiLine, {}},
        {VK_ESCAPE, 0, kMultiLine, {IDCANCEL}},
        {VK_LEFT, 0, kMultiLine, {}},
    };
    for (const Case& c : cases) {
        KeyLogDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_BASIC));
        dlg.ShowWindow(SW_SHOW);  // hidden controls are no tab stops
        CEdit multi;
        ASSERT_TRUE(multi.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | c.style, CRect(0, 0, 100, 40), &dlg,
                                 kMultiLine));
        multi.SetFocus();
        dlg.m_commands.clear();
        MSG key{multi.m_hWnd, WM_KEYDOWN, c.key, 0, 0, {0, 0}};
        EXPECT_TRUE(::IsDialogMessage(dlg.m_hWnd, &key));
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), c.focusedAfter) << c.key << " " << c.style;
        EXPECT_EQ(dlg.m_commands, c.commands) << c.key << " " << c.style;
    }
}

}  // namespace
