#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "mfc/Afx.h"
#include "mfc/user/Metrics.h"
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
        EXPECT_EQ(qelt::metrics::DialogUnitsToPixelsX(c.du, qelt::metrics::BaseUnits{}), c.x) << c.du;
        EXPECT_EQ(qelt::metrics::DialogUnitsToPixelsY(c.du, qelt::metrics::BaseUnits{}), c.y) << c.du;
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

// A dialog is laid out in the base units of its template's font, measured from the font, and
// its controls are given that font: 宋体 9 pt is 12 pixels high (6 × 12 base units), 12 pt is 16
// pixels (8 × 16).
TEST(DialogUnits, ComeFromTheTemplatesFont) {
    struct Case {
        UINT id;
        CRect mapped;  // 4 × 8 dialog units from the origin
        LONG fontHeight;
    } cases[] = {{IDD_BASIC, CRect(0, 0, 6, 12), -12}, {IDD_LARGE_FONT, CRect(0, 0, 8, 16), -16}};
    for (const Case& c : cases) {
        CDialog dialog(c.id);
        ASSERT_TRUE(dialog.Create(c.id));
        CRect mapped(0, 0, 4, 8);
        dialog.MapDialogRect(&mapped);
        EXPECT_EQ(mapped, c.mapped) << c.id;
        LOGFONTA dialogFont{}, labelFont{};
        ASSERT_TRUE(dialog.GetFont() && dialog.GetFont()->GetLogFont(&dialogFont)) << c.id;
        EXPECT_EQ(dialogFont.lfHeight, c.fontHeight) << c.id;
        ASSERT_TRUE(dialog.GetDlgItem(IDC_LABEL) && dialog.GetDlgItem(IDC_LABEL)->GetFont()) << c.id;
        dialog.GetDlgItem(IDC_LABEL)->GetFont()->GetLogFont(&labelFont);
        EXPECT_EQ(labelFont.lfHeight, c.fontHeight) << c.id;
    }
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

// A page turns its popup template into a child in PreSubclassWindow, before it is laid out: it
// then lies in its parent's client area and has no caption or frame.
class CChildPageDlg : public CDialog {
public:
    CChildPageDlg() : CDialog(IDD_PROMPT) {}

protected:
    void PreSubclassWindow() override {
        ModifyStyle(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_CHILD);
        ModifyStyleEx(WS_EX_DLGMODALFRAME, 0);
        CDialog::PreSubclassWindow();
    }
};

TEST(Dialog, PlacementAndCoordinates) {
    CDialog host(IDD_HOST);  // 160 × 100 units at 0, 0: 240 × 150 pixels inside a caption and a modal frame
    ASSERT_TRUE(host.Create(IDD_HOST));
    CRect window;
    host.GetWindowRect(&window);
    EXPECT_EQ(window, CRect(0, 0, 246, 174));
    host.CenterWindow();  // over the 1024 × 768 screen
    host.GetWindowRect(&window);
    EXPECT_EQ(window.TopLeft(), CPoint((1024 - 246) / 2, (768 - 174) / 2));

    CChildPageDlg page;
    ASSERT_TRUE(page.Create(IDD_PROMPT, &host));
    EXPECT_EQ(page.GetStyle() & (WS_CHILD | WS_POPUP | WS_CAPTION), static_cast<DWORD>(WS_CHILD));
    EXPECT_EQ(page.GetParent(), &host);
    CRect client;
    page.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 180, 75));  // 120 × 50 units, no frame
    CPoint origin(0, 0);
    page.ClientToScreen(&origin);
    EXPECT_EQ(origin, window.TopLeft() + CPoint(3, 21));  // the host's client origin
    page.MoveWindow(10, 20, 100, 40);
    page.GetWindowRect(&client);
    host.ScreenToClient(&client);
    EXPECT_EQ(client, CRect(10, 20, 110, 60));
}

// GetDlgItemInt translates a whole number only; anything else is not translated and gives 0.
TEST(Dialog, DialogItemNumbers) {
    CDialog dialog(IDD_BASIC);
    ASSERT_TRUE(dialog.Create(IDD_BASIC));
    struct Case {
        const char* text;
        BOOL isSigned;
        UINT value;
        BOOL translated;
    } cases[] = {
        {"42", TRUE, 42, TRUE},        {" -7 ", TRUE, static_cast<UINT>(-7), TRUE}, {"-7", FALSE, 0, FALSE},
        {"12abc", TRUE, 0, FALSE},     {"", TRUE, 0, FALSE},    {"4294967295", FALSE, 4294967295u, TRUE},
        {"2147483648", TRUE, 0, FALSE}, {"1.5", TRUE, 0, FALSE},
    };
    for (const Case& c : cases) {
        dialog.SetDlgItemText(IDC_WIDTH, c.text);
        BOOL translated = -1;
        EXPECT_EQ(dialog.GetDlgItemInt(IDC_WIDTH, &translated, c.isSigned), c.value) << c.text;
        EXPECT_EQ(translated, c.translated) << c.text;
    }
    dialog.SetDlgItemInt(IDC_WIDTH, static_cast<UINT>(-3));
    CString text;
    dialog.GetDlgItemText(IDC_WIDTH, text);
    EXPECT_EQ(text, "-3");
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
    qelt::test::ExpectedMisuses misuses;
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(4242));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(misuses.Count(), 2);
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

// The selection of an edit box, as (start, end).
std::pair<int, int> SelectionOf(CWnd& edit) {
    DWORD start = 0, end = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

TEST(Dialog, TabMovesTheFocusInAnyWindowGivenIt) {
    CDialog dlg(IDD_BASIC);
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    dlg.ShowWindow(SW_SHOW);  // hidden controls are no tab stops
    // A plain window holding two edit boxes, the second one with a text.
    CWnd host;
    ASSERT_TRUE(host.Create("Static", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 60), &dlg, 900));
    CEdit first, second;
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 100, 20), &host, 901));
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(0, 30, 100, 50), &host, 902));
    second.SetWindowText("0.25");
    struct Case {
        CWnd* from;
        CWnd* to;
        std::pair<int, int> selection;
    } cases[] = {
        {&first, &second, {0, 4}},  // the edit box reached has its text selected
        {&second, &first, {0, 0}},  // wraps around
    };
    for (const Case& c : cases) {
        c.from->SetFocus();
        MSG tab{c.from->m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        EXPECT_TRUE(::IsDialogMessage(host.m_hWnd, &tab));
        EXPECT_EQ(::GetFocus(), c.to->m_hWnd) << c.from->GetDlgCtrlID();
        EXPECT_EQ(SelectionOf(*c.to), c.selection) << c.from->GetDlgCtrlID();
    }
}

TEST(Dialog, FocusGivenToADialogGoesToItsFirstTabStop) {
    CDialog dlg(IDD_BASIC);
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    dlg.ShowWindow(SW_SHOW);
    CWnd* name = dlg.GetDlgItem(IDC_NAME);
    name->SetWindowText("梁1");
    dlg.GetDlgItem(IDC_APPLY)->SetFocus();
    name->SendMessage(EM_SETSEL, 1, 1);
    dlg.SetFocus();
    EXPECT_EQ(::GetFocus(), name->m_hWnd);
    EXPECT_EQ(SelectionOf(*name), std::make_pair(0, 3));

    // A dialog without a tab stop keeps the focus itself.
    CDialog page(IDD_PAGE);
    ASSERT_TRUE(page.Create(IDD_PAGE, &dlg));
    for (CWnd* child = page.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        child->ModifyStyle(WS_TABSTOP, 0);
    }
    page.SetFocus();
    EXPECT_EQ(::GetFocus(), page.m_hWnd);
}

}  // namespace
