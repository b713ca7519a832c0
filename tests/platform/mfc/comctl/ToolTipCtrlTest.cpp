#include <gtest/gtest.h>

#include "mfc/Afx.h"
#include "mfc/comctl/ToolTipCtrl.h"
#include "resources/ControlResource.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

// Tips as an input page adds them: for controls, a second tip for one control, a text by id.
TEST(ToolTipCtrl, ToolsAreKeptAndReadBack) {
    CDialog dialog(IDD_CTL_TABS);
    ASSERT_TRUE(dialog.Create(IDD_CTL_TABS));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&dialog));
    tips.Activate(TRUE);
    CWnd* value = dialog.GetDlgItem(IDC_CTL_VALUE);
    CWnd* tabs = dialog.GetDlgItem(IDC_CTL_TABS);
    ASSERT_TRUE(tips.AddTool(value, "取值范围:1~1000"));
    ASSERT_TRUE(tips.AddTool(value, "取值范围:0~200"));
    ASSERT_TRUE(tips.AddTool(tabs, IDS_GREETING));
    const CRect corner(0, 0, 10, 10);
    ASSERT_TRUE(tips.AddTool(&dialog, "角", &corner, 7));
    EXPECT_EQ(tips.GetToolCount(), 4);

    CString text;
    tips.GetText(text, value);
    EXPECT_EQ(text, "取值范围:1~1000");  // the first of the two
    tips.GetText(text, tabs);
    EXPECT_EQ(text, "你好");
    tips.UpdateTipText("已改", tabs);
    tips.GetText(text, tabs);
    EXPECT_EQ(text, "已改");

    TOOLINFO info{};
    ASSERT_TRUE(tips.EnumTools(0, &info));
    EXPECT_EQ(info.hwnd, dialog.m_hWnd);  // a window tool belongs to its parent, named by its handle
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(value->m_hWnd));
    EXPECT_EQ(info.uFlags & TTF_IDISHWND, UINT(TTF_IDISHWND));
    ASSERT_TRUE(tips.GetToolInfo(info, &dialog, 7));
    EXPECT_EQ(CRect(info.rect), corner);
    EXPECT_FALSE(tips.EnumTools(4, &info));

    tips.DelTool(value);
    tips.GetText(text, value);
    EXPECT_EQ(text, "取值范围:0~200");
    EXPECT_EQ(tips.GetToolCount(), 3);
}

TEST(ToolTipCtrl, ActivationAndRelayedMessagesAreRecorded) {
    CDialog dialog(IDD_CTL_TABS);
    ASSERT_TRUE(dialog.Create(IDD_CTL_TABS));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&dialog));
    EXPECT_TRUE(tips.IsActive());
    tips.Activate(FALSE);
    EXPECT_FALSE(tips.IsActive());
    MSG message{dialog.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4), 0, {0, 0}};
    tips.RelayEvent(&message);
    const std::vector<MSG> relayed = tips.GetRelayedEvents();
    ASSERT_EQ(relayed.size(), 1u);
    EXPECT_EQ(relayed[0].message, UINT(WM_MOUSEMOVE));
    EXPECT_FALSE(tips.IsWindowVisible());  // nothing is ever shown
}

}  // namespace
