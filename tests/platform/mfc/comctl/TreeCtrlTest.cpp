#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "NotificationLog.h"
#include "mfc/Afx.h"
#include "mfc/comctl/TreeCtrl.h"
#include "mfc/user/WindowDC.h"
#include "resources/ControlResource.h"
#include "Printers.h"

namespace {

using Events = std::vector<std::string>;

// The anchor types of the embedded-part page: a group with two children, then six types.
class TreeDialog : public CDialog {
public:
    TreeDialog() : CDialog(IDD_CTL_TREE) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_tree.SubclassDlgItem(IDC_CTL_TREE, this);
        m_group = Add("构造预埋件 ", 0, TVI_ROOT);
        Add("构造-钢板锚板", 101, m_group);
        Add("构造-角钢锚板", 102, m_group);
        for (auto [text, data] : {std::pair{"直锚筋", 11}, {"角钢锚筋", 12}, {"直锚筋+弯折锚筋", 22},
                                  {"直锚筋+抗剪钢板", 23}, {"直锚筋+端板", 32}, {"吊环", 6}}) {
            Add(text, data, TVI_ROOT);
        }
        return TRUE;
    }

    HTREEITEM Add(LPCTSTR text, LPARAM data, HTREEITEM parent) {
        return m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, text, 0, 0, 0, 0, data, parent, TVI_LAST);
    }

    CTreeCtrl m_tree;
    HTREEITEM m_group = nullptr;
    Events m_events;
    bool m_veto = false;

protected:
    afx_msg void OnSelChanging(NMHDR* header, LRESULT* result) {
        auto* notice = reinterpret_cast<NMTREEVIEW*>(header);
        m_events.push_back("changing " + std::to_string(notice->itemOld.lParam) + ">" +
                           std::to_string(notice->itemNew.lParam));
        *result = m_veto;
    }
    afx_msg void OnSelChanged(NMHDR* header, LRESULT*) {
        auto* notice = reinterpret_cast<NMTREEVIEW*>(header);
        m_events.push_back("changed " + std::to_string(notice->itemOld.lParam) + ">" +
                           std::to_string(notice->itemNew.lParam) +
                           ((notice->itemNew.state & TVIS_SELECTED) ? " selected" : ""));
    }
    afx_msg void OnDeleteItem(NMHDR* header, LRESULT*) {
        m_events.push_back("delete " + std::to_string(reinterpret_cast<NMTREEVIEW*>(header)->itemOld.lParam));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeDialog, CDialog)
    ON_NOTIFY(TVN_SELCHANGING, IDC_CTL_TREE, OnSelChanging)
    ON_NOTIFY(TVN_SELCHANGED, IDC_CTL_TREE, OnSelChanged)
    ON_NOTIFY(TVN_DELETEITEM, IDC_CTL_TREE, OnDeleteItem)
END_MESSAGE_MAP()

class TreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_CTL_TREE)); }
    TreeDialog m_dialog;
    CTreeCtrl& m_tree = m_dialog.m_tree;

    std::vector<LPARAM> Walk(HTREEITEM (CTreeCtrl::*step)(HTREEITEM) const, HTREEITEM from) const {
        std::vector<LPARAM> data;
        for (HTREEITEM at = from; at; at = (m_tree.*step)(at)) data.push_back(static_cast<LPARAM>(m_tree.GetItemData(at)));
        return data;
    }
};

TEST_F(TreeCtrlTest, Navigation) {
    EXPECT_EQ(m_tree.GetCount(), 9u);
    const HTREEITEM group = m_tree.GetRootItem();
    EXPECT_EQ(group, m_dialog.m_group);
    EXPECT_EQ(m_tree.GetItemText(group), "构造预埋件 ");
    EXPECT_TRUE(m_tree.ItemHasChildren(group));
    EXPECT_EQ(Walk(&CTreeCtrl::GetNextSiblingItem, group), (std::vector<LPARAM>{0, 11, 12, 22, 23, 32, 6}));
    const HTREEITEM child = m_tree.GetChildItem(group);
    EXPECT_EQ(Walk(&CTreeCtrl::GetNextSiblingItem, child), (std::vector<LPARAM>{101, 102}));
    EXPECT_EQ(m_tree.GetParentItem(child), group);
    EXPECT_EQ(m_tree.GetParentItem(group), nullptr);
    EXPECT_EQ(m_tree.GetPrevSiblingItem(child), nullptr);
    EXPECT_FALSE(m_tree.ItemHasChildren(child));

    // Visible items follow the expansion of their parents.
    EXPECT_EQ(Walk(&CTreeCtrl::GetNextVisibleItem, group), (std::vector<LPARAM>{0, 11, 12, 22, 23, 32, 6}));
    EXPECT_TRUE(m_tree.Expand(group, TVE_EXPAND));
    EXPECT_EQ(Walk(&CTreeCtrl::GetNextVisibleItem, group), (std::vector<LPARAM>{0, 101, 102, 11, 12, 22, 23, 32, 6}));
    EXPECT_EQ(m_tree.GetItemState(group, TVIS_EXPANDED | TVIS_EXPANDEDONCE), UINT(TVIS_EXPANDED | TVIS_EXPANDEDONCE));
    EXPECT_FALSE(m_tree.Expand(child, TVE_EXPAND));  // nothing to expand
    EXPECT_TRUE(m_tree.Expand(group, TVE_TOGGLE));
    EXPECT_EQ(m_tree.GetItemState(group, TVIS_EXPANDED), 0u);

    // Insertion places: first, sorted, after a sibling.
    const HTREEITEM a = m_tree.InsertItem("b", child, TVI_FIRST);
    m_tree.InsertItem("a", child, TVI_FIRST);
    m_tree.InsertItem("c", child, TVI_LAST);
    m_tree.InsertItem("B2", child, TVI_SORT);
    m_tree.InsertItem("b1", child, a);
    std::vector<CString> texts;
    for (HTREEITEM at = m_tree.GetChildItem(child); at; at = m_tree.GetNextSiblingItem(at)) texts.push_back(m_tree.GetItemText(at));
    EXPECT_EQ(texts, (std::vector<CString>{"a", "b", "b1", "B2", "c"}));

    int image = -1, selected = -1;
    m_tree.SetItemImage(a, 4, 5);
    ASSERT_TRUE(m_tree.GetItemImage(a, image, selected));
    EXPECT_EQ(image, 4);
    EXPECT_EQ(selected, 5);
}

TEST_F(TreeCtrlTest, SelectionIsAnnouncedAndCanBeVetoed) {
    const HTREEITEM group = m_tree.GetRootItem();
    const HTREEITEM steel = m_tree.GetChildItem(group);
    const HTREEITEM straight = m_tree.GetNextSiblingItem(group);

    ASSERT_TRUE(m_tree.SelectItem(straight));
    ASSERT_TRUE(m_tree.SelectItem(straight));  // already selected: no notification
    ASSERT_TRUE(m_tree.SelectItem(steel));     // a hidden child: its parent opens
    EXPECT_EQ(m_tree.GetSelectedItem(), steel);
    EXPECT_EQ(m_tree.GetItemState(group, TVIS_EXPANDED), UINT(TVIS_EXPANDED));
    EXPECT_EQ(m_tree.GetItemState(straight, TVIS_SELECTED), 0u);

    m_dialog.m_veto = true;
    EXPECT_FALSE(m_tree.SelectItem(straight));
    EXPECT_EQ(m_tree.GetSelectedItem(), steel);
    const Events expected{"changing 0>11", "changed 0>11 selected", "changing 11>101", "changed 11>101 selected",
                          "changing 101>11"};
    EXPECT_EQ(m_dialog.m_events, expected);
}

TEST_F(TreeCtrlTest, DeletionNotifiesChildrenFirstAndClearsTheSelection) {
    const HTREEITEM group = m_tree.GetRootItem();
    const HTREEITEM steel = m_tree.GetChildItem(group);
    m_tree.SelectItem(steel);
    m_dialog.m_events.clear();
    ASSERT_TRUE(m_tree.DeleteItem(group));
    EXPECT_EQ(m_dialog.m_events, (Events{"delete 101", "delete 102", "delete 0"}));
    EXPECT_EQ(m_tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(m_tree.GetCount(), 6u);
    EXPECT_EQ(m_tree.GetItemData(m_tree.GetRootItem()), DWORD_PTR(11));

    // A handle of a deleted item names nothing.
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(m_tree.GetItemText(steel), "");
    EXPECT_FALSE(m_tree.SelectItem(steel));
    EXPECT_EQ(m_tree.InsertItem("x", steel), nullptr);
    EXPECT_EQ(misuses.Count(), 3);

    m_dialog.m_events.clear();
    ASSERT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(m_dialog.m_events.size(), 6u);
    EXPECT_EQ(m_tree.GetCount(), 0u);
    EXPECT_EQ(m_tree.GetRootItem(), nullptr);
}

// A tree in a dialog that logs the notifications.
class TreeMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_CTL_TREE));
        m_tree = static_cast<CTreeCtrl*>(m_dialog.GetDlgItem(IDC_CTL_TREE));
    }
    std::vector<std::string> ChildTexts(HTREEITEM parent) const {
        std::vector<std::string> texts;
        for (HTREEITEM at = m_tree->GetChildItem(parent); at; at = m_tree->GetNextSiblingItem(at)) {
            texts.push_back(m_tree->GetItemText(at).Str());
        }
        return texts;
    }
    qelt::test::CNotificationLogDlg m_dialog{IDD_CTL_TREE};
    CTreeCtrl* m_tree = nullptr;
};

TEST_F(TreeMessageTest, ExpandingAndCollapsing) {
    constexpr int kExpanding = TVN_ITEMEXPANDING, kExpanded = TVN_ITEMEXPANDED;
    struct Case {
        const char* what;
        bool leaf, expandedOnce, expandedBefore, veto;
        UINT code;
        BOOL result;
        bool expandedAfter;
        std::vector<int> codes;
    } cases[] = {
        {"first expansion", false, false, false, false, TVE_EXPAND, TRUE, true, {kExpanding, kExpanded}},
        {"first expansion, vetoed", false, false, false, true, TVE_EXPAND, FALSE, false, {kExpanding}},
        {"first expansion by toggle", false, false, false, false, TVE_TOGGLE, TRUE, true, {kExpanding, kExpanded}},
        {"expansion after the first", false, true, false, false, TVE_EXPAND, TRUE, true, {}},
        {"collapsing an expanded item", false, true, true, false, TVE_COLLAPSE, TRUE, false, {}},
        {"collapsing a collapsed item", false, false, false, false, TVE_COLLAPSE, FALSE, false, {}},
        {"expanding a leaf", true, false, false, false, TVE_EXPAND, FALSE, false, {}},
    };
    for (const Case& c : cases) {
        m_tree->DeleteAllItems();
        HTREEITEM item = m_tree->InsertItem("构造预埋件");
        if (!c.leaf) m_tree->InsertItem("构造-钢板锚板", item);
        if (c.expandedOnce) {
            m_tree->Expand(item, TVE_EXPAND);
            if (!c.expandedBefore) m_tree->Expand(item, TVE_COLLAPSE);
        }
        m_dialog.m_answer = c.veto;
        m_dialog.m_log.clear();
        EXPECT_EQ(m_tree->Expand(item, c.code), c.result) << c.what;
        EXPECT_EQ((m_tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0, c.expandedAfter) << c.what;
        std::vector<int> codes;
        for (const auto& entry : m_dialog.m_log) codes.push_back(entry.second);
        EXPECT_EQ(codes, c.codes) << c.what;
        m_dialog.m_answer = 0;
    }
}

TEST_F(TreeMessageTest, SortingChildren) {
    using Texts = std::vector<std::string>;
    struct Case {
        const char* what;
        bool group;       // sort the group's children, else the top level
        WPARAM recurse;   // ignored, as the platform ignores it
        Texts top, groupChildren;
    } cases[] = {
        // Case-blind, equal texts in their order, the direct children only.
        {"top level", false, FALSE, {"a", "b", "B", "c"}, {"y", "X", "Z"}},
        {"top level, recursing", false, TRUE, {"a", "b", "B", "c"}, {"y", "X", "Z"}},
        {"the group", true, FALSE, {"c", "b", "B", "a"}, {"X", "y", "Z"}},
    };
    for (const Case& c : cases) {
        m_tree->DeleteAllItems();
        m_tree->InsertItem("c");
        HTREEITEM group = m_tree->InsertItem("b");
        for (const char* text : {"B", "a"}) m_tree->InsertItem(text);
        for (const char* text : {"y", "X", "Z"}) m_tree->InsertItem(text, group);
        HTREEITEM leaf = m_tree->GetChildItem(group);
        m_tree->InsertItem("2", leaf), m_tree->InsertItem("1", leaf);
        m_dialog.m_log.clear();
        EXPECT_TRUE(m_tree->SendMessage(TVM_SORTCHILDREN, c.recurse,
                                        reinterpret_cast<LPARAM>(c.group ? group : TVI_ROOT))) << c.what;
        EXPECT_EQ(ChildTexts(TVI_ROOT), c.top) << c.what;
        EXPECT_EQ(ChildTexts(group), c.groupChildren) << c.what;
        EXPECT_EQ(ChildTexts(leaf), (Texts{"2", "1"})) << c.what;  // grandchildren never move
        EXPECT_EQ(m_dialog.m_log, qelt::test::Notifications{}) << c.what;
    }
}

// A tree with a normal image list shows each shown item's image before its label, the selected
// image for the selected item; without one it shows none.
TEST_F(TreeCtrlTest, ItemsShowTheirImages) {
    auto images = [&] {
        m_tree.Invalidate();
        m_tree.UpdateWindow();
        // An image drawn through its mask is two records at one place.
        std::set<std::pair<double, double>> places;
        for (const qelt::gdi::Record& record : qelt::gdi::WindowRecording(m_tree.GetSafeHwnd())->records)
            if (const auto* image = std::get_if<qelt::gdi::ImageRecord>(&record.item)) places.insert({image->y, image->x});
        return places;
    };
    m_dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(images().empty());
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    std::vector<unsigned char> bits(32 * 16 * 4, 0);
    for (size_t i = 0; i < bits.size(); i += 4) bits[i] = 255;  // blue
    CBitmap icons;
    ASSERT_TRUE(icons.CreateBitmap(32, 16, 1, 32, bits.data()));
    ASSERT_EQ(list.Add(&icons, RGB(128, 128, 128)), 0);
    m_tree.SetImageList(&list, TVSIL_NORMAL);
    // Seven rows at the root (the group closed): an image each, all in one column.
    const auto places = images();
    ASSERT_EQ(places.size(), 7u);
    for (const auto& place : places) EXPECT_EQ(place.second, places.begin()->second);
    m_tree.SetImageList(nullptr, TVSIL_NORMAL);
}

}  // namespace
