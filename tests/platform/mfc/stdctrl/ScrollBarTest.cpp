#include <gtest/gtest.h>

#include "mfc/Afx.h"
#include "mfc/stdctrl/ScrollBar.h"
#include "resources/ControlResource.h"

namespace {

TEST(ScrollBar, PositionsStayWithinRangeAndPage) {
    CDialog dialog(IDD_CTL_COMBOEX);
    ASSERT_TRUE(dialog.Create(IDD_CTL_COMBOEX));
    auto* bar = static_cast<CScrollBar*>(dialog.GetDlgItem(IDC_CTL_SCROLL));
    ASSERT_TRUE(bar->IsKindOf(RUNTIME_CLASS(CScrollBar)));

    int low = -1, high = -1;
    bar->GetScrollRange(&low, &high);
    EXPECT_EQ(low, 0);  // a control starts with an empty range
    EXPECT_EQ(high, 0);
    bar->SetScrollRange(10, 50);
    EXPECT_EQ(bar->SetScrollPos(30), 10);  // the position before, moved into the range
    EXPECT_EQ(bar->SetScrollPos(99), 30);
    EXPECT_EQ(bar->GetScrollPos(), 50);

    SCROLLINFO info{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 11, 0, 0};
    bar->SetScrollInfo(&info);
    EXPECT_EQ(bar->GetScrollLimit(), 40);  // 50 − (11 − 1)
    EXPECT_EQ(bar->GetScrollPos(), 40);
    SCROLLINFO read{};
    ASSERT_TRUE(bar->GetScrollInfo(&read));
    EXPECT_EQ(read.nMin, 10);
    EXPECT_EQ(read.nMax, 50);
    EXPECT_EQ(read.nPage, 11u);
    EXPECT_EQ(read.nPos, 40);
}

// A window's own bars: a list view keeps its rows there.
TEST(ScrollBar, AListViewsBarFollowsItsTopRow) {
    CDialog dialog(IDD_CTL_LISTS);
    ASSERT_TRUE(dialog.Create(IDD_CTL_LISTS));
    auto* list = static_cast<CListCtrl*>(dialog.GetDlgItem(IDC_CTL_LIST));
    list->InsertColumn(0, "行", LVCFMT_LEFT, 60);
    for (int i = 0; i < 10; ++i) list->InsertItem(i, "x");
    list->EnsureVisible(9, FALSE);
    EXPECT_EQ(GetScrollPos(list->m_hWnd, SB_VERT), list->GetTopIndex());
    int low = -1, high = -1;
    GetScrollRange(list->m_hWnd, SB_VERT, &low, &high);
    EXPECT_EQ(high, 9);

    // WM_VSCROLL moves the rows as the bar asks.
    list->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
    EXPECT_EQ(list->GetTopIndex(), 0);
    list->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
    EXPECT_EQ(list->GetTopIndex(), list->GetCountPerPage());
    EXPECT_EQ(GetScrollPos(list->m_hWnd, SB_VERT), list->GetCountPerPage());
}

}  // namespace
