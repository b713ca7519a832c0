#include <gtest/gtest.h>

#include "mfc/Afx.h"
#include "mfc/Metrics.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

CRect ControlRect(CWnd& dialog, int id) {
    CRect rect;
    dialog.GetDlgItem(id)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return rect;
}

// Dialog units with 宋体 9 pt base units: x·6/4 and y·12/8, rounded half away from zero.
TEST(DialogUnits, ConvertAsDocumented) {
    struct Case {
        int du;
        int x, y;
    } cases[] = {{0, 0, 0}, {1, 2, 2}, {2, 3, 3}, {7, 11, 11}, {14, 21, 21}, {-1, -2, -2}, {255, 383, 383}};
    for (const Case& c : cases) {
        EXPECT_EQ(qelt::metrics::DialogUnitsToPixelsX(c.du), c.x) << c.du;
        EXPECT_EQ(qelt::metrics::DialogUnitsToPixelsY(c.du), c.y) << c.du;
    }

    CDialog dialog(IDD_BASIC);
    ASSERT_TRUE(dialog.Create(IDD_BASIC));
    // EDITTEXT IDC_NAME, 40, 7, 80, 14: left 60, top 10.5 → 11, right 120·6/4, bottom 21·12/8 = 31.5 → 32.
    EXPECT_EQ(ControlRect(dialog, IDC_NAME), CRect(60, 11, 180, 32));
    // The dialog's client area is 200 × 160 units; its window adds the caption and the modal frame.
    CRect client, window;
    dialog.GetClientRect(&client);
    dialog.GetWindowRect(&window);
    EXPECT_EQ(client, CRect(0, 0, 300, 240));
    EXPECT_EQ(window.Size(), CSize(300 + 2 * 3, 240 + 18 + 2 * 3));
    CRect mapped(40, 7, 120, 21);
    dialog.MapDialogRect(&mapped);
    EXPECT_EQ(mapped, CRect(60, 11, 180, 32));
}

// A page template is a child: it lies in its parent's client area at the template's position.
TEST(Dialog, ModelessChildPage) {
    CDialog host(IDD_HOST);
    ASSERT_TRUE(host.Create(IDD_HOST));
    CDialog page(IDD_PAGE, &host);
    ASSERT_TRUE(page.Create(IDD_PAGE, &host));
    EXPECT_EQ(page.GetParent(), &host);
    EXPECT_TRUE(host.IsChild(&page));
    EXPECT_EQ(page.GetDlgItem(IDC_PAGE_VALUE)->GetParent(), &page);
    page.DestroyWindow();
    EXPECT_EQ(page.m_hWnd, nullptr);
    // Created and destroyed again, as a page is at each tab change.
    ASSERT_TRUE(page.Create(IDD_PAGE, &host));
    EXPECT_TRUE(page.GetDlgItem(IDC_PAGE_COUNT) != nullptr);
}

// A bitmap static of a template shows the bitmap its template names.
TEST(Dialog, TemplateBitmapStatic) {
    CDialog host(IDD_HOST);
    ASSERT_TRUE(host.Create(IDD_HOST));
    CDialog page(IDD_PAGE, &host);
    ASSERT_TRUE(page.Create(IDD_PAGE, &host));
    CStatic* slide = static_cast<CStatic*>(page.GetDlgItem(IDC_SLIDE));
    ASSERT_NE(slide->GetBitmap(), nullptr);
    BITMAP info{};
    ASSERT_TRUE(CBitmap::FromHandle(slide->GetBitmap())->GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
}

TEST(Dialog, MissingTemplateFailsCleanly) {
    const int before = qelt::MisuseCount();
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(4242));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(qelt::MisuseCount(), before + 2);
}

// Keys reach the dialog through the modal loop: Enter presses the default button, Esc cancels.
class CKeysDlg : public CDialog {
public:
    explicit CKeysDlg(UINT key) : CDialog(IDD_PROMPT), m_key(key) {}
    int okPressed = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessage(WM_KEYDOWN, m_key);  // the posted key is dispatched before anyone acts
        GetDlgItem(IDC_LABEL)->PostMessage(WM_KEYDOWN, m_key);
        return TRUE;
    }
    void OnOK() override {
        ++okPressed;
        CDialog::OnOK();
    }
    UINT m_key;
};

TEST(Dialog, EnterAndEscape) {
    CKeysDlg enter(VK_RETURN);
    EXPECT_EQ(enter.DoModal(), IDOK);
    EXPECT_EQ(enter.okPressed, 1);  // the second key found the dialog ended
    CKeysDlg escape(VK_ESCAPE);
    EXPECT_EQ(escape.DoModal(), IDCANCEL);
    EXPECT_EQ(escape.okPressed, 0);
}

// Invalidated windows are painted through WM_PAINT: at once by UpdateWindow, and by the modal
// loop when nothing else is pending.
class CPaintedDlg : public CDialog {
public:
    CPaintedDlg() : CDialog(IDD_PROMPT) {}
    int paints = 0;
    CRect painted;

protected:
    afx_msg void OnPaint() {
        ++paints;
        GetUpdateRect(&painted);
        ValidateRect(nullptr);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintedDlg, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(Dialog, PaintingThroughWmPaint) {
    CPaintedDlg modal;
    modal.DoModal();
    EXPECT_EQ(modal.paints, 1);  // shown, then painted once before the script's turn

    CPaintedDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PROMPT));
    dlg.ShowWindow(SW_SHOW);
    dlg.UpdateWindow();
    EXPECT_EQ(dlg.paints, 1);
    dlg.UpdateWindow();  // nothing invalid: no WM_PAINT
    EXPECT_EQ(dlg.paints, 1);
    CRect part(10, 10, 20, 20);
    dlg.InvalidateRect(&part, FALSE);
    dlg.RedrawWindow(nullptr, RDW_UPDATENOW);
    EXPECT_EQ(dlg.paints, 2);
    EXPECT_EQ(dlg.painted, part);
}

}  // namespace
