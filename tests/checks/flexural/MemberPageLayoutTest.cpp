// The layout of the member-check pages, by the controls' rectangles: every control lies within the
// page, no two controls overlap (a combo box by its closed height, group boxes aside), and every
// control but the slide lies within one of the page's group boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/flexural/DeepFlexNormalDlg.h"
#include "checks/flexural/DeepFlexObliqueDlg.h"
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexObliqueDlg.h"
#include "mfc/user/WinUserApi.h"
#include "resources/FlexuralResource.h"

namespace {

struct Control {
    int id;
    CRect rect;
};

BOOL Inside(const CRect& inner, const CRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

template <class TPage>
void ExpectTidyLayout() {
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1200, 900), nullptr, 0));
    TPage page;
    ASSERT_TRUE(page.Create(TPage::IDD, &frame));
    page.ShowWindow(SW_SHOW);
    CRect client;
    page.GetClientRect(&client);
    std::vector<Control> controls;
    std::vector<CRect> groups;
    for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if (!pChild->IsWindowVisible()) continue;
        CRect rect;
        pChild->GetWindowRect(&rect);
        page.ScreenToClient(&rect);
        EXPECT_TRUE(Inside(rect, client)) << "control " << pChild->GetDlgCtrlID() << " leaves the page";
        char szClass[64] = {};
        GetClassName(pChild->GetSafeHwnd(), szClass, sizeof szClass);
        std::string strClass = szClass;
        if (strClass == "Button" && (pChild->GetStyle() & 0x0F) == BS_GROUPBOX) {
            groups.push_back(rect);
            continue;
        }
        // A closed combo box is as high as an edit box; its list drops over the controls below.
        if (strClass == "ComboBox") rect.bottom = rect.top + 20;
        controls.push_back({pChild->GetDlgCtrlID(), rect});
    }
    ASSERT_GT(controls.size(), 10u);
    for (size_t i = 0; i < controls.size(); i++) {
        for (size_t j = i + 1; j < controls.size(); j++) {
            CRect overlap;
            EXPECT_FALSE(overlap.IntersectRect(&controls[i].rect, &controls[j].rect))
                << "controls " << controls[i].id << " and " << controls[j].id << " overlap";
        }
        if (controls[i].id == IDC_MEMBER_SLIDE) continue;
        BOOL bGrouped = FALSE;
        for (const CRect& group : groups) bGrouped |= Inside(controls[i].rect, group);
        EXPECT_TRUE(bGrouped) << "control " << controls[i].id << " lies outside every group box";
    }
    page.DestroyWindow();
    frame.DestroyWindow();
}

TEST(MemberPageLayout, FlexNormal) { ExpectTidyLayout<CStlcnFlexNormalDlg>(); }
TEST(MemberPageLayout, FlexOblique) { ExpectTidyLayout<CStlcnFlexObliqueDlg>(); }
TEST(MemberPageLayout, DeepFlexNormal) { ExpectTidyLayout<CStlcnDeepFlexNormalDlg>(); }
TEST(MemberPageLayout, DeepFlexOblique) { ExpectTidyLayout<CStlcnDeepFlexObliqueDlg>(); }

}  // namespace
