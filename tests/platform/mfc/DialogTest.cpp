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

TEST(Dialog, MissingTemplateFailsCleanly) {
    const int before = qelt::MisuseCount();
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(4242));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(qelt::MisuseCount(), before + 2);
}

}  // namespace
