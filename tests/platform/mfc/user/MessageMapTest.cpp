#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/Afx.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

// A base dialog with handlers of its own and a subclass that overrides one of them: the subclass's
// map is searched first, then the base's, then the class library's (IDCANCEL → OnCancel).
class CBaseDlg : public CDialog {
public:
    CBaseDlg() : CDialog(IDD_BASIC) {}
    std::vector<std::string> calls;

protected:
    afx_msg void OnApply() { calls.push_back("base apply"); }
    afx_msg void OnOpen() { calls.push_back("base open"); }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) {
        calls.push_back("ping " + std::to_string(wParam));
        return 42;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        calls.push_back("size " + std::to_string(nType) + " " + std::to_string(cx) + "x" + std::to_string(cy));
        CDialog::OnSize(nType, cx, cy);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseDlg, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
    ON_BN_CLICKED(IDC_OPEN, OnOpen)
    ON_MESSAGE(WM_USER + 7, OnPing)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class CDerivedDlg : public CBaseDlg {
protected:
    afx_msg void OnApply() {
        calls.push_back("derived apply");
        CBaseDlg::OnApply();
    }
    void OnCancel() override {
        calls.push_back("cancel");
        CBaseDlg::OnCancel();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CBaseDlg)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

TEST(MessageMap, SubclassFirstThenBaseThenLibrary) {
    CDerivedDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    dlg.calls.clear();

    dlg.GetDlgItem(IDC_APPLY)->SendMessage(BM_CLICK);
    dlg.GetDlgItem(IDC_OPEN)->SendMessage(BM_CLICK);
    EXPECT_EQ(dlg.SendMessage(WM_USER + 7, 3, 0), 42);
    dlg.MoveWindow(0, 0, 300, 200);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);

    std::vector<std::string> expected{"derived apply", "base apply", "base open", "ping 3", "size 0 294x176", "cancel"};
    EXPECT_EQ(dlg.calls, expected);
    dlg.DestroyWindow();
}

// A notification that no map takes falls through to the default processing without effect.
TEST(MessageMap, UnmappedNotificationsAreHarmless) {
    CBaseDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    dlg.calls.clear();
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NAME, EN_CHANGE), 0);
    EXPECT_TRUE(dlg.calls.empty());
    EXPECT_TRUE(dlg.IsWindow());
}

}  // namespace
