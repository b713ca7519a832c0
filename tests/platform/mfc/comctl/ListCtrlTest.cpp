#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NotificationLog.h"
#include "mfc/Afx.h"
#include "mfc/comctl/ListCtrl.h"
#include "mfc/person/UserScript.h"
#include "resources/ControlResource.h"
#include "Printers.h"

namespace {

using Events = std::vector<std::string>;

// Owner-drawn rows, recorded as they are drawn.
class DrawnList : public CListCtrl {
public:
    struct Row {
        UINT item;
        UINT state;
        CRect rect;
        ULONG_PTR data;
        bool hasDc;
    };
    std::vector<Row> m_drawn;

    void DrawItem(LPDRAWITEMSTRUCT draw) override {
        EXPECT_EQ(draw->CtlType, UINT(ODT_LISTVIEW));
        m_drawn.push_back({draw->itemID, draw->itemState, CRect(draw->rcItem), draw->itemData, draw->hDC != nullptr});
    }
};

// The two lists of the dialog, filled with columns and rows; notifications are recorded.
class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(IDD_CTL_LISTS) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_list.SubclassDlgItem(IDC_CTL_LIST, this);
        m_drawn.SubclassDlgItem(IDC_CTL_DRAWN_LIST, this);
        for (CListCtrl* list : {static_cast<CListCtrl*>(&m_list), static_cast<CListCtrl*>(&m_drawn)}) {
            list->InsertColumn(0, "截面", LVCFMT_LEFT, 60);
            list->InsertColumn(1, "下钢筋方案", LVCFMT_RIGHT, 80);
            list->InsertColumn(2, "上钢筋方案", LVCFMT_CENTER, 50);
            for (int row = 0; row < m_rows; ++row) {
                CString label;
                label.Format("%d支座", row);
                list->InsertItem(row, label);
                list->SetItemText(row, 1, "3d20");
                list->SetItemData(row, static_cast<DWORD_PTR>(100 + row));
            }
        }
        m_events.clear();
        GetDlgItem(IDC_CTL_VALUE)->SetFocus();
        return FALSE;
    }

    int m_rows = 8;
    CListCtrl m_list;
    DrawnList m_drawn;
    Events m_events;
    bool m_vetoChanges = false;
    BOOL m_beginAnswer = FALSE;
    BOOL m_endAnswer = TRUE;
    CString m_endText;

protected:
    void Record(const std::string& what) { m_events.push_back(what); }
    static std::string Of(NMHDR* header) { return header->idFrom == IDC_CTL_LIST ? "list " : "drawn "; }

    afx_msg void OnItemChanging(UINT, NMHDR* header, LRESULT* result) {
        *result = m_vetoChanges ? 1 : 0;
        (void)header;
    }
    afx_msg void OnItemChanged(UINT, NMHDR* header, LRESULT*) {
        auto* notice = reinterpret_cast<NMLISTVIEW*>(header);
        Record(Of(header) + "changed " + std::to_string(notice->iItem) + " " + std::to_string(notice->uOldState) + ">" +
               std::to_string(notice->uNewState) + (notice->uChanged == LVIF_TEXT ? " text" : ""));
    }
    afx_msg void OnClick(UINT, NMHDR* header, LRESULT*) {
        auto* notice = reinterpret_cast<NMITEMACTIVATE*>(header);
        Record(Of(header) + "click " + std::to_string(notice->iItem) + " column " + std::to_string(notice->iSubItem));
    }
    afx_msg void OnInsert(UINT, NMHDR* header, LRESULT*) {
        Record(Of(header) + "insert " + std::to_string(reinterpret_cast<NMLISTVIEW*>(header)->iItem));
    }
    afx_msg void OnDelete(UINT, NMHDR* header, LRESULT*) {
        auto* notice = reinterpret_cast<NMLISTVIEW*>(header);
        Record(Of(header) + "delete " + std::to_string(notice->iItem) + " data " + std::to_string(notice->lParam));
    }
    afx_msg void OnDeleteAll(UINT, NMHDR* header, LRESULT* result) {
        Record(Of(header) + "delete all");
        *result = header->idFrom == IDC_CTL_DRAWN_LIST;  // the drawn list wants no LVN_DELETEITEM each
    }
    afx_msg void OnColumnClick(UINT, NMHDR* header, LRESULT*) {
        Record(Of(header) + "column " + std::to_string(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem));
    }
    afx_msg void OnBeginEdit(UINT, NMHDR* header, LRESULT* result) {
        Record("begin edit " + std::string(reinterpret_cast<NMLVDISPINFO*>(header)->item.pszText));
        *result = m_beginAnswer;
    }
    afx_msg void OnEndEdit(UINT, NMHDR* header, LRESULT* result) {
        auto* notice = reinterpret_cast<NMLVDISPINFO*>(header);
        Record(std::string("end edit ") + (notice->item.pszText ? "with text" : "cancelled"));
        if (notice->item.pszText) m_endText = notice->item.pszText;
        *result = m_endAnswer;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListDialog, CDialog)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGING, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnItemChanging)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnItemChanged)
    ON_NOTIFY_RANGE(NM_CLICK, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnClick)
    ON_NOTIFY_RANGE(LVN_INSERTITEM, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnInsert)
    ON_NOTIFY_RANGE(LVN_DELETEITEM, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnDelete)
    ON_NOTIFY_RANGE(LVN_DELETEALLITEMS, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnDeleteAll)
    ON_NOTIFY_RANGE(LVN_COLUMNCLICK, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnColumnClick)
    ON_NOTIFY_RANGE(LVN_BEGINLABELEDIT, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnBeginEdit)
    ON_NOTIFY_RANGE(LVN_ENDLABELEDIT, IDC_CTL_LIST, IDC_CTL_DRAWN_LIST, OnEndEdit)
END_MESSAGE_MAP()

const UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;
const std::string kChosenText = std::to_string(kChosen);

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_CTL_LISTS)); }
    ListDialog m_dialog;
    CListCtrl& m_list = m_dialog.m_list;
};

TEST_F(ListCtrlTest, ColumnsItemsAndSubItems) {
    ASSERT_EQ(m_list.GetHeaderCtrl()->GetItemCount(), 3);
    LVCOLUMN column{};
    char heading[32];
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    ASSERT_TRUE(m_list.GetColumn(1, &column));
    EXPECT_STREQ(heading, "下钢筋方案");
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
    EXPECT_EQ(column.cx, 80);
    EXPECT_EQ(column.iSubItem, 1);

    EXPECT_EQ(m_list.GetItemText(3, 0), "3支座");
    EXPECT_EQ(m_list.GetItemText(3, 1), "3d20");
    EXPECT_EQ(m_list.GetItemText(3, 2), "");
    EXPECT_EQ(m_list.GetItemData(3), DWORD_PTR(103));
    char cut[3];
    EXPECT_EQ(m_list.GetItemText(3, 0, cut, sizeof cut), 1);  // "3" and half of a character do not fit
    EXPECT_STREQ(cut, "3");

    // A column inserted before another takes its place; the texts go along with their columns.
    EXPECT_EQ(m_list.InsertColumn(1, "箍筋", LVCFMT_LEFT, 40), 1);
    EXPECT_EQ(m_list.GetItemText(3, 2), "3d20");
    EXPECT_EQ(m_list.GetItemText(3, 1), "");
    EXPECT_TRUE(m_list.DeleteColumn(1));
    EXPECT_EQ(m_list.GetItemText(3, 1), "3d20");
    EXPECT_EQ(m_list.GetColumnWidth(1), 80);
    EXPECT_FALSE(m_list.SetItemText(3, 7, "x"));  // no such column

    // A text change of the item itself is announced, a sub-item's is not.
    m_list.SetItemText(2, 0, "2跨中");
    m_list.SetItemText(2, 1, "2d18");
    EXPECT_EQ(m_dialog.m_events, Events{"list changed 2 0>0 text"});

    m_dialog.m_events.clear();
    EXPECT_EQ(m_list.InsertItem(99, "末"), 8);
    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(m_list.GetItemCount(), 8);
    EXPECT_EQ(m_list.GetItemText(0, 0), "1支座");
    m_list.DeleteAllItems();
    m_dialog.m_drawn.DeleteAllItems();
    EXPECT_EQ(m_list.GetItemCount(), 0);
    const Events expected{"list insert 8", "list delete 0 data 100", "list delete all", "list delete 0 data 101",
                          "list delete 1 data 102", "list delete 2 data 103", "list delete 3 data 104",
                          "list delete 4 data 105", "list delete 5 data 106", "list delete 6 data 107",
                          "list delete 7 data 0", "drawn delete all"};
    EXPECT_EQ(m_dialog.m_events, expected);
}

TEST_F(ListCtrlTest, StatesAndSelection) {
    EXPECT_TRUE(m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(m_list.SetItemState(4, kChosen, kChosen));
    EXPECT_TRUE(m_list.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED));  // no change: LVN_ITEMCHANGING alone
    EXPECT_EQ(m_list.GetSelectedCount(), 2u);
    std::vector<int> selected;
    for (POSITION pos = m_list.GetFirstSelectedItemPosition(); pos;) selected.push_back(m_list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 4}));
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_FOCUSED), 4);
    EXPECT_EQ(m_list.GetNextItem(1, LVNI_SELECTED), 4);
    EXPECT_EQ(m_list.GetNextItem(4, LVNI_SELECTED | LVNI_ABOVE), 1);

    // Another item takes the focus from item 4; a single-selection list keeps one selected item.
    m_list.SetItemState(6, LVIS_FOCUSED, LVIS_FOCUSED);
    CListCtrl& drawn = m_dialog.m_drawn;
    drawn.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    drawn.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(drawn.GetSelectedCount(), 1u);
    const Events expected{"list changed 1 0>2", "list changed 4 0>3", "list changed 4 3>2", "list changed 6 0>1",
                          "drawn changed 0 0>2", "drawn changed 0 2>0", "drawn changed 2 0>2"};
    EXPECT_EQ(m_dialog.m_events, expected);

    // A vetoed change leaves the item as it was.
    m_dialog.m_vetoChanges = true;
    EXPECT_FALSE(m_list.SetItemState(7, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(m_list.GetItemState(7, LVIS_SELECTED), 0u);
    EXPECT_FALSE(m_list.SetItemText(7, 0, "x"));
    EXPECT_EQ(m_list.GetItemText(7, 0), "7支座");

    // Every item at once.
    m_dialog.m_vetoChanges = false;
    m_list.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(m_list.GetSelectedCount(), 0u);
}

TEST_F(ListCtrlTest, GeometryAsDocumented) {
    // The list: 7, 25, 140 × 60 dialog units → 210 × 90 pixels, a border of 1 → client 208 × 88.
    CRect client;
    m_list.GetClientRect(&client);
    ASSERT_EQ(client.Size(), CSize(208, 88));
    EXPECT_EQ(m_list.GetCountPerPage(), 3);  // (88 − 20) / 18

    CRect rect;
    ASSERT_TRUE(m_list.GetItemRect(1, &rect, LVIR_BOUNDS));
    EXPECT_EQ(rect, CRect(0, 38, 190, 56));
    ASSERT_TRUE(m_list.GetItemRect(1, &rect, LVIR_LABEL));
    EXPECT_EQ(rect, CRect(0, 38, 60, 56));
    ASSERT_TRUE(m_list.GetSubItemRect(1, 2, LVIR_BOUNDS, rect));
    EXPECT_EQ(rect, CRect(140, 38, 190, 56));
    ASSERT_TRUE(m_list.GetSubItemRect(1, 0, LVIR_BOUNDS, rect));
    EXPECT_EQ(rect, CRect(0, 38, 190, 56));  // sub-item 0: the whole row
    EXPECT_FALSE(m_list.GetItemRect(8, &rect, LVIR_BOUNDS));

    // Eight rows, three a page: a vertical bar (16 pixels inside the 2-pixel edge) leaves a view of
    // 208 − 2 − 16 = 190 pixels across, just the columns' 60 + 80 + 50, so no bar across.
    // Hits: on the label; in another column only with full-row selection; SubItemHitTest names cells;
    // a point on the bar is right of the view.
    struct Case {
        CPoint point;
        int item;
        UINT flags;
    } cases[] = {{{10, 45}, 1, LVHT_ONITEMLABEL}, {{70, 45}, -1, LVHT_NOWHERE}, {{10, 10}, -1, LVHT_NOWHERE},
                 {{195, 45}, -1, LVHT_TORIGHT},   {{10, 80}, 3, LVHT_ONITEMLABEL}, {{-1, 45}, -1, LVHT_TOLEFT}};
    for (const Case& c : cases) {
        UINT flags = 0;
        EXPECT_EQ(m_list.HitTest(c.point, &flags), c.item) << c.point.x << "," << c.point.y;
        EXPECT_EQ(flags, c.flags) << c.point.x << "," << c.point.y;
    }
    LVHITTESTINFO cell{};
    cell.pt = CPoint(150, 60);
    EXPECT_EQ(m_list.SubItemHitTest(&cell), 2);
    EXPECT_EQ(cell.iSubItem, 2);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(m_list.GetExtendedStyle(), DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_EQ(m_list.HitTest(CPoint(70, 45)), 1);

    // Scrolling moves whole rows; a row is scrolled into view at the bottom.
    ASSERT_TRUE(m_list.EnsureVisible(6, FALSE));
    EXPECT_EQ(m_list.GetTopIndex(), 4);
    ASSERT_TRUE(m_list.GetItemRect(6, &rect, LVIR_BOUNDS));
    EXPECT_EQ(rect.top, 20 + 2 * 18);
    m_list.Scroll(CSize(0, -1));  // any distance reaches into the row above
    EXPECT_EQ(m_list.GetTopIndex(), 3);
    m_list.Scroll(CSize(0, 1000));
    EXPECT_EQ(m_list.GetTopIndex(), 5);  // 8 rows, 3 a page
    m_list.Scroll(CSize(30, 0));  // the columns fit: nothing to scroll
    ASSERT_TRUE(m_list.GetItemRect(6, &rect, LVIR_LABEL));
    EXPECT_EQ(rect.left, 0);
    m_list.SetColumnWidth(2, 100);  // 240 pixels of columns in the 190 of the view
    m_list.Scroll(CSize(60, 0));
    ASSERT_TRUE(m_list.GetItemRect(6, &rect, LVIR_LABEL));
    EXPECT_EQ(rect.left, -50);  // scrolled to the end: 240 − 190

    // Display order moves the columns, not the cells.
    m_list.Scroll(CSize(-50, 0));
    int order[] = {2, 0, 1};
    ASSERT_TRUE(m_list.SetColumnOrderArray(3, order));
    ASSERT_TRUE(m_list.GetSubItemRect(6, 1, LVIR_BOUNDS, rect));
    EXPECT_EQ(rect.left, 160);

    // Images make room in column 0.
    CImageList small;
    small.Create(16, 16, ILC_COLOR32, 0, 1);
    m_list.SetImageList(&small, LVSIL_SMALL);
    m_list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    ASSERT_TRUE(m_list.GetItemRect(6, &rect, LVIR_ICON));
    EXPECT_EQ(rect.Width(), 16);
    EXPECT_EQ(rect.left, 100 + 16);
    m_list.SetImageList(nullptr, LVSIL_SMALL);
}

// The list's client area is 208 × 88 with a 2-pixel edge inside it; a bar is 16 pixels across,
// the header 20 and a row 18 high. Columns of 60 + 80 + w pixels.
TEST(ListCtrlScrollBars, ABarShowsWhereTheViewHidesColumnsOrRows) {
    struct Case {
        const char* what;
        int rows, lastWidth;
        bool across, down;
        int perPage;
    } cases[] = {
        // 190 ≤ 208 across; (88 − 20) / 18 = 3 rows a page.
        {"all fits", 2, 50, false, false, 3},
        // 340 > 208: a bar across leaves 88 − 2 − 16 = 70 down, (70 − 20) / 18 = 2 rows, both shown.
        {"columns wider", 2, 200, true, false, 2},
        // 8 rows > 3: a bar down leaves 208 − 2 − 16 = 190 across, just the columns.
        {"rows more", 8, 50, false, true, 3},
        // 191 > 190 once the bar down is there: both bars.
        {"each makes the other", 8, 51, true, true, 2},
    };
    for (const Case& c : cases) {
        ListDialog dialog;
        dialog.m_rows = c.rows;
        ASSERT_TRUE(dialog.Create(IDD_CTL_LISTS));
        dialog.m_list.SetColumnWidth(2, c.lastWidth);
        EXPECT_EQ(dialog.m_list.GetCountPerPage(), c.perPage) << c.what;
        // A point on the bar across lies below the view, one on the bar down right of it.
        UINT flags = 0;
        dialog.m_list.HitTest(CPoint(100, 78), &flags);
        EXPECT_EQ((flags & LVHT_BELOW) != 0, c.across) << c.what;
        dialog.m_list.HitTest(CPoint(198, 30), &flags);
        EXPECT_EQ((flags & LVHT_TORIGHT) != 0, c.down) << c.what;
        dialog.DestroyWindow();
    }
}

TEST(ListCtrlScrollBars, PressesOnTheBarScrollAsItsPartsAsk) {
    ListDialog dialog;
    dialog.m_rows = 2;
    ASSERT_TRUE(dialog.Create(IDD_CTL_LISTS));
    CListCtrl& list = dialog.m_list;
    list.SetColumnWidth(2, 200);
    // The bar across: 2 .. 206 × 70 .. 86; arrows 2 .. 18 and 190 .. 206, the track 18 .. 190 (172).
    // Columns 340 wide, a page of 208: the thumb is 172 · 208 / 340 = 105 long, the last position
    // 340 − 208 = 132; at 0 the thumb covers 18 .. 123.
    auto press = [&](int x, int y) { list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); };
    auto firstColumn = [&] {
        LVHITTESTINFO cell{};
        cell.pt = CPoint(3, 30);
        list.SubItemHitTest(&cell);
        return cell.iSubItem;
    };
    dialog.m_events.clear();
    struct Step {
        const char* what;
        CPoint at;
        int position, column;
    } steps[] = {
        {"right arrow: a line of 6", {198, 78}, 6, 0},
        {"on the thumb (now 18 + 67 · 6 / 132 = 21 .. 126): nothing", {60, 78}, 6, 0},
        {"track right of the thumb: a page, up to the last position", {150, 78}, 132, 1},
        {"right arrow at the end: nothing", {198, 78}, 132, 1},
        {"left arrow", {10, 78}, 126, 1},
        {"track left of the thumb (18 + 67 · 126 / 132 = 81 .. 186)", {40, 78}, 0, 0},
    };
    for (const Step& step : steps) {
        press(step.at.x, step.at.y);
        EXPECT_EQ(::GetScrollPos(list.m_hWnd, SB_HORZ), step.position) << step.what;
        EXPECT_EQ(firstColumn(), step.column) << step.what;  // column 0 ends at 60 − position
    }
    EXPECT_TRUE(dialog.m_events.empty());  // the bar is no row: nothing is clicked or chosen

    // Rows: eight make a bar down (190 .. 206 × 2 .. 70); its lower arrow (54 .. 70) scrolls a row.
    for (int row = 2; row < 8; ++row) list.InsertItem(row, "row");
    press(198, 62);
    EXPECT_EQ(list.GetTopIndex(), 1);
    dialog.DestroyWindow();
}

TEST_F(ListCtrlTest, ClicksSelectTheRowHitAndCheckBoxesToggle) {
    m_list.SetItemState(2, kChosen, kChosen);
    m_dialog.m_events.clear();
    m_list.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(10, 45));
    const Events expected{"list changed 2 " + kChosenText + ">1", "list changed 2 1>0",
                          "list changed 1 0>" + kChosenText, "list click 1 column 0"};
    EXPECT_EQ(m_dialog.m_events, expected);
    EXPECT_EQ(CWnd::GetFocus(), &m_list);

    m_dialog.m_events.clear();
    m_list.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(100, 80));  // beside the label: no item
    EXPECT_EQ(m_dialog.m_events, (Events{"list changed 1 " + kChosenText + ">1", "list click -1 column 1"}));

    m_list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    EXPECT_FALSE(m_list.GetCheck(1));
    m_list.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 45));
    EXPECT_TRUE(m_list.GetCheck(1));
    EXPECT_EQ(m_list.GetSelectedCount(), 0u);  // a check box click selects nothing

    // A click on a heading.
    m_dialog.m_events.clear();
    m_list.GetHeaderCtrl()->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(150, 5));
    EXPECT_EQ(m_dialog.m_events, Events{"list column 2"});
}

TEST(ListCtrlScript, ARowIsChosenAsAClickWouldChooseIt) {
    ListDialog dialog;
    qelt::UserScript script;
    script.Row(IDC_CTL_LIST, 6).Row(IDC_CTL_LIST, 8);
    qelt::ScopedUserScript scoped(script);
    dialog.DoModal();
    // Row 6 lies below the first page: it is scrolled into view and clicked.
    EXPECT_EQ(dialog.m_events, (Events{"list changed 6 0>" + kChosenText, "list click 6 column 0"}));
    ASSERT_TRUE(script.Failed());
    EXPECT_NE(script.Error().find("has no row 8"), std::string::npos) << script.Error();
}

TEST_F(ListCtrlTest, OwnerDrawnRowsArePaintedOneByOne) {
    DrawnList& drawn = m_dialog.m_drawn;
    drawn.SetItemState(1, kChosen, kChosen);
    m_dialog.ShowWindow(SW_SHOW);
    drawn.SetFocus();
    drawn.m_drawn.clear();
    drawn.Invalidate();
    drawn.UpdateWindow();
    // 210 × 90 pixels without a border: rows 0 to 2 whole, row 3 in part.
    ASSERT_EQ(drawn.m_drawn.size(), 4u);
    for (UINT i = 0; i < 4; ++i) {
        const DrawnList::Row& row = drawn.m_drawn[i];
        EXPECT_EQ(row.item, i);
        EXPECT_EQ(row.rect, CRect(0, 20 + 18 * static_cast<int>(i), 190, 38 + 18 * static_cast<int>(i)));
        EXPECT_EQ(row.data, ULONG_PTR(100 + i));
        EXPECT_TRUE(row.hasDc);
        EXPECT_EQ(row.state, i == 1 ? UINT(ODS_SELECTED | ODS_FOCUS) : 0u);
    }
    // Without the focus the focused row is drawn selected only.
    m_dialog.GetDlgItem(IDC_CTL_VALUE)->SetFocus();
    drawn.m_drawn.clear();
    drawn.Invalidate();
    drawn.UpdateWindow();
    ASSERT_EQ(drawn.m_drawn.size(), 4u);
    EXPECT_EQ(drawn.m_drawn[1].state, UINT(ODS_SELECTED));
}

TEST_F(ListCtrlTest, LabelEditing) {
    // Refused by the parent: no edit box.
    m_dialog.m_beginAnswer = TRUE;
    EXPECT_EQ(m_list.EditLabel(1), nullptr);
    m_dialog.m_beginAnswer = FALSE;

    CEdit* edit = m_list.EditLabel(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(m_list.GetEditControl(), edit);
    CString text;
    edit->GetWindowText(text);
    EXPECT_EQ(text, "1支座");
    EXPECT_EQ(CWnd::GetFocus(), edit);
    m_list.CancelEditLabel();
    EXPECT_EQ(m_list.GetEditControl(), nullptr);
    EXPECT_EQ(m_list.GetItemText(1, 0), "1支座");

    // Typed and left: the parent takes the text.
    edit = m_list.EditLabel(1);
    ASSERT_NE(edit, nullptr);
    edit->SetWindowText("1跨中");
    m_dialog.GetDlgItem(IDC_CTL_VALUE)->SetFocus();
    EXPECT_EQ(m_list.GetItemText(1, 0), "1跨中");
    EXPECT_EQ(m_dialog.m_endText, "1跨中");

    // Enter ends the editing too; a parent answering FALSE keeps the old text.
    m_dialog.m_endAnswer = FALSE;
    edit = m_list.EditLabel(1);
    ASSERT_NE(edit, nullptr);
    edit->SetWindowText("no");
    edit->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(m_list.GetEditControl(), nullptr);
    EXPECT_EQ(m_list.GetItemText(1, 0), "1跨中");
    EXPECT_EQ(CWnd::GetFocus(), &m_list);
    const Events expected{"begin edit 1支座", "begin edit 1支座",     "end edit cancelled",
                          "begin edit 1支座", "end edit with text", "list changed 1 0>0 text",
                          "begin edit 1跨中", "end edit with text"};
    EXPECT_EQ(m_dialog.m_events, expected);
}

// A list of three items in a dialog that logs the notifications: the multiple-selection list or
// the single-selection one.
class ListStateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_CTL_LISTS)); }
    CListCtrl& Fill(int id) {
        CListCtrl& list = *static_cast<CListCtrl*>(m_dialog.GetDlgItem(id));
        for (const char* text : {"甲", "乙", "丙"}) list.InsertItem(list.GetItemCount(), text);
        return list;
    }
    std::vector<int> Having(CListCtrl& list, UINT state) {
        std::vector<int> items;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            if (list.GetItemState(i, state)) items.push_back(i);
        }
        return items;
    }
    qelt::test::CNotificationLogDlg m_dialog{IDD_CTL_LISTS};
};

TEST_F(ListStateTest, SettingTheStateOfEveryItem) {
    constexpr int kChanging = LVN_ITEMCHANGING, kChanged = LVN_ITEMCHANGED;
    struct Case {
        int id;
        std::vector<int> selectedBefore;
        UINT state;
        BOOL result;
        std::vector<int> selectedAfter;
        std::vector<int> codes;
    } cases[] = {
        {IDC_CTL_DRAWN_LIST, {}, LVIS_SELECTED, FALSE, {}, {}},  // one selection only: not all
        {IDC_CTL_DRAWN_LIST, {1}, LVIS_SELECTED, FALSE, {1}, {}},
        {IDC_CTL_DRAWN_LIST, {1}, 0, TRUE, {}, {kChanging, kChanging, kChanged, kChanging}},
        {IDC_CTL_LIST, {}, LVIS_SELECTED, TRUE, {0, 1, 2}, {kChanging, kChanged, kChanging, kChanged, kChanging, kChanged}},
        // The selected ones hear of the attempt only.
        {IDC_CTL_LIST, {0, 2}, LVIS_SELECTED, TRUE, {0, 1, 2}, {kChanging, kChanging, kChanged, kChanging}},
        // Selecting all again: every item hears of the attempt, none of a change.
        {IDC_CTL_LIST, {0, 1, 2}, LVIS_SELECTED, TRUE, {0, 1, 2}, {kChanging, kChanging, kChanging}},
        // Deselecting all when none is selected says nothing at all.
        {IDC_CTL_LIST, {}, 0, TRUE, {}, {}},
        {IDC_CTL_DRAWN_LIST, {}, 0, TRUE, {}, {}},
    };
    for (const Case& c : cases) {
        CListCtrl& list = Fill(c.id);
        for (int item : c.selectedBefore) list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
        m_dialog.m_log.clear();
        EXPECT_EQ(list.SetItemState(-1, c.state, LVIS_SELECTED), c.result) << c.id << " " << c.state;
        EXPECT_EQ(Having(list, LVIS_SELECTED), c.selectedAfter) << c.id << " " << c.state;
        std::vector<int> codes;
        for (const auto& entry : m_dialog.m_log) {
            if (entry.first == c.id) codes.push_back(entry.second);
        }
        EXPECT_EQ(codes, c.codes) << c.id << " " << c.state;
        list.DeleteAllItems();
    }
}

TEST_F(ListStateTest, DeletingTheFocusedItemPassesTheFocusOn) {
    struct Case {
        int focused, deleted;
        std::vector<int> focusedAfter;
    } cases[] = {
        {1, 1, {1}},  // the next item, now at the deleted one's place
        {2, 2, {1}},  // the new last one
        {0, 1, {0}},  // another item keeps it
        {-1, 0, {}},
    };
    for (const Case& c : cases) {
        CListCtrl& list = Fill(IDC_CTL_LIST);
        if (c.focused >= 0) list.SetItemState(c.focused, LVIS_FOCUSED, LVIS_FOCUSED);
        ASSERT_TRUE(list.DeleteItem(c.deleted));
        EXPECT_EQ(Having(list, LVIS_FOCUSED), c.focusedAfter) << c.focused << " " << c.deleted;
        list.DeleteAllItems();
    }
    CListCtrl& list = Fill(IDC_CTL_LIST);
    list.DeleteItem(2);
    list.DeleteItem(1);
    list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_TRUE(list.DeleteItem(0));  // the last item goes, and the focus with it
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), -1);
}

}  // namespace
