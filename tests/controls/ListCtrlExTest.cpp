#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestDlg.h"
#include "mfc/Afx.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/WindowManager.h"
#include "resources/ControlsTestResource.h"
#include "GdiCanvas.h"
#include "Printers.h"

namespace {

using Events = std::vector<std::string>;

class ListCtrlExTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_CONTROLS_TEST)); }
    void TearDown() override { qelt::HoldKey(VK_MENU, false); }

    CPoint CellCentre(int row, int col) {
        CRect cell;
        m_list.GetSubItemRect(row, col, LVIR_LABEL, cell);
        return cell.CenterPoint();
    }
    void Press(CPoint point) { m_list.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(point.x, point.y)); }

    // The box of the pixels of a part of the canvas that are not white.
    static CRect InkIn(const GdiCanvas& canvas, const CRect& area) {
        CRect box(area.right, area.bottom, area.left, area.top);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (canvas.At(x, y) != RGB(255, 255, 255)) {
                    box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1), box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

    void DrawRow(GdiCanvas& canvas, int row) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_LISTVIEW;
        draw.itemID = static_cast<UINT>(row);
        draw.hDC = canvas.dc.m_hDC;
        draw.hwndItem = m_list.m_hWnd;
        m_list.DrawItem(&draw);
    }

    CControlsTestDlg m_dialog;
    CListCtrlEx& m_list = m_dialog.m_report;
};

TEST_F(ListCtrlExTest, PressesTellTheOwnerWhatTheyHit) {
    struct Case {
        const char* what;
        bool alt;
        int row, col;  // the cell pressed; col -1: right of the last column in that row
        Events events;
        int selected;
        bool labelEditing;
    };
    const std::vector<Case> cases = {
        {"a cell", false, 1, 1, {"report button down 0", "report notify", "report clicked 1"}, 1, false},
        {"right of the last column", false, 2, -1, {"report button down 0", "report notify", "report clicked 0"}, -1, false},
        {"Alt on a cell", true, 2, 0, {"report button down 0"}, -1, true},
    };
    m_dialog.DestroyWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(m_dialog.Create(IDD_CONTROLS_TEST));
        CPoint point = CellCentre(c.row, c.col < 0 ? 0 : c.col);
        if (c.col < 0) point.x = 40 + 60 + 50 + 10;
        qelt::HoldKey(VK_MENU, c.alt);
        Press(point);
        CControlsTestDlg::PumpPosted();
        EXPECT_EQ(m_dialog.m_events, c.events);
        EXPECT_EQ(m_list.GetSelectedItem(), c.selected);
        EXPECT_EQ(m_list.GetEditControl() != nullptr, c.labelEditing);
        if (c.labelEditing) {
            EXPECT_EQ(CWnd::GetFocus(), m_list.GetEditControl());
        }
        m_dialog.DestroyWindow();
    }
}

TEST_F(ListCtrlExTest, AKeyTellsTheOwner) {
    m_list.SetFocus();
    m_dialog.m_events.clear();
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(m_dialog.m_events, Events{"report notify"});
}

// Columns of 40, 200 and 50 pixels in a list narrower than their sum, scrolled to the right. The
// list's scroll bars leave a view 208 − 2 − 16 = 190 pixels across: column 2, at 240 − 80 = 160
// .. 210 scrolled by 80, is hit left of 190.
TEST_F(ListCtrlExTest, HitTestCellCountsTheHorizontalScroll) {
    m_list.SetColumnWidth(1, 200);
    struct Case {
        int scroll, x;
        int row, col;
    };
    const std::vector<Case> cases = {
        {0, 30, 0, 0}, {0, 45, 0, 1}, {40, 30, 0, 1}, {40, 5, 0, 1}, {80, 185, 0, 2}, {80, 159, 0, 1},
    };
    const int y = CellCentre(0, 0).y;
    for (const Case& c : cases) {
        SCOPED_TRACE("scrolled " + std::to_string(c.scroll) + ", x " + std::to_string(c.x));
        m_list.Scroll(CSize(-1000, 0));
        m_list.Scroll(CSize(c.scroll, 0));
        ASSERT_EQ(::GetScrollPos(m_list.m_hWnd, SB_HORZ), c.scroll);
        int col = -7;
        EXPECT_EQ(m_list.HitTestCell(CPoint(c.x, y), &col), c.row);
        EXPECT_EQ(col, c.col);
    }
    int col = -7;
    EXPECT_EQ(m_list.HitTestCell(CPoint(5, 5), &col), -1) << "the header is no cell";
    EXPECT_EQ(col, -1);
}

TEST_F(ListCtrlExTest, SelectedRowsAreHighlightedWhereTheyShow) {
    const COLORREF field = RGB(250, 240, 230);
    m_list.SetTextBkColor(field);
    struct Case {
        const char* what;
        bool focus, showAlways, selected;
        COLORREF fill;
    };
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const std::vector<Case> cases = {
        {"selected, the list without the focus", false, false, true, field},
        {"selected, the list with the focus", true, false, true, highlight},
        {"selected, shown always", false, true, true, highlight},
        {"not selected, the list with the focus", true, false, false, field},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.showAlways) m_list.ModifyStyle(0, LVS_SHOWSELALWAYS);
        else m_list.ModifyStyle(LVS_SHOWSELALWAYS, 0);
        m_list.SetItemState(-1, 0, LVIS_SELECTED);
        if (c.selected) m_list.SelectItem(2);
        if (c.focus) m_list.SetFocus();
        else m_dialog.GetDlgItem(IDC_TEST_VALUE)->SetFocus();
        GdiCanvas canvas(400, 200);
        DrawRow(canvas, 2);
        CRect label;
        m_list.GetItemRect(2, label, LVIR_LABEL);
        EXPECT_EQ(canvas.At(label.left + 1, label.top + 1), c.fill);
        EXPECT_EQ(canvas.At(label.right + 10, label.top + 1), c.fill) << "the whole row is filled";
    }
}

TEST_F(ListCtrlExTest, EachColumnAlignsItsTextAndEndsALongOneInside) {
    m_list.SetItemText(3, 2, "很长很长很长的方案");
    GdiCanvas canvas(400, 200);
    DrawRow(canvas, 3);
    CRect row;
    m_list.GetItemRect(3, row, LVIR_BOUNDS);
    const CRect left(row.left, row.top, row.left + 40, row.bottom);
    const CRect right(left.right, row.top, left.right + 60, row.bottom);
    const CRect centre(right.right, row.top, right.right + 50, row.bottom);
    const CRect inkLeft = InkIn(canvas, left), inkRight = InkIn(canvas, right), inkCentre = InkIn(canvas, centre);
    EXPECT_LE(inkLeft.left, left.left + 3) << "column 0 is left-aligned";
    EXPECT_LE(inkRight.right, right.right - 2) << "column 1 is right-aligned, 2 pixels in";
    EXPECT_GE(inkRight.right, right.right - 5);
    EXPECT_GE(inkRight.left, right.left + 20);
    EXPECT_GE(inkCentre.left, centre.left + 2) << "a text too long stays within its column";
    EXPECT_LE(inkCentre.right, centre.right - 2);
    EXPECT_EQ(InkIn(canvas, CRect(centre.right, row.top, 400, row.bottom)).Width(), -(400 - centre.right));
}

TEST_F(ListCtrlExTest, SelectItemMovesTheSelectionAndAnswersThePreviousRow) {
    struct Case {
        int before, row;
    };
    for (const Case& c : std::vector<Case>{{-1, 3}, {1, 3}, {4, 0}}) {
        SCOPED_TRACE(std::to_string(c.before) + " to " + std::to_string(c.row));
        m_list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (c.before >= 0) m_list.SetItemState(c.before, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(m_list.SelectItem(c.row), c.before);
        EXPECT_EQ(m_list.GetSelectedItem(), c.row);
        EXPECT_EQ(m_list.GetSelectedCount(), 1u);
        EXPECT_EQ(m_list.GetItemState(c.row, LVIS_FOCUSED), UINT(LVIS_FOCUSED));
    }
}

TEST_F(ListCtrlExTest, ColumnsAreAsWideAsTheirHeadingAndTakeTheirSubItem) {
    EXPECT_EQ(m_list.InsertColumn("箍筋", 3, -1, LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, LVCFMT_LEFT), 3);
    EXPECT_EQ(m_list.GetColumnWidth(3), m_list.GetStringWidth("箍筋") + 15);
    EXPECT_EQ(m_list.InsertColumn("b", 4, 9, LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, LVCFMT_RIGHT), 4);
    LVCOLUMN column{};
    column.mask = LVCF_SUBITEM | LVCF_FMT;
    ASSERT_TRUE(m_list.GetColumn(3, &column));
    EXPECT_EQ(column.iSubItem, 3);
    ASSERT_TRUE(m_list.GetColumn(4, &column));
    EXPECT_EQ(column.iSubItem, 9);
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
}

TEST_F(ListCtrlExTest, FullRowSelectionTurnsOwnerDrawingOnAndOffAndTellsWhetherItChanged) {
    struct Case {
        BOOL on;
        BOOL changed;
    };
    for (const Case& c : {Case{FALSE, TRUE}, Case{FALSE, FALSE}, Case{TRUE, TRUE}, Case{TRUE, FALSE}}) {
        SCOPED_TRACE(c.on ? "on" : "off");
        EXPECT_EQ(m_list.SetFullRowSel(c.on), c.changed);
        EXPECT_EQ(m_list.IsFullRowSel(), c.on);
        EXPECT_EQ((m_list.GetStyle() & LVS_OWNERDRAWFIXED) != 0, c.on != FALSE);
    }
}

TEST_F(ListCtrlExTest, AListOfItsOwnWindowIsAnOwnerDrawnReportWithAHiddenTip) {
    CListCtrlEx own;
    ASSERT_TRUE(own.Create(WS_CHILD | WS_VISIBLE | LVS_ICON, CRect(0, 0, 100, 80), &m_dialog, 7199));
    EXPECT_EQ(own.GetStyle() & (LVS_TYPEMASK | LVS_OWNERDRAWFIXED), DWORD(LVS_REPORT | LVS_OWNERDRAWFIXED));
    EXPECT_TRUE(own.IsFullRowSel());
    EXPECT_FALSE(m_list.IsFullRowSel()) << "a dialog's list keeps its template's style";
    EXPECT_TRUE(m_list.GetStyle() & LVS_OWNERDRAWFIXED);

    std::vector<HWND> tips;
    for (HWND window : qelt::AllWindows()) {
        char name[32] = "";
        ::GetClassName(window, name, sizeof name);
        if (std::string(name) == "ZTitleTip") tips.push_back(window);
    }
    ASSERT_EQ(tips.size(), 2u) << "one tip for each list";
    for (HWND tip : tips) {
        EXPECT_FALSE(::IsWindowVisible(tip));
        EXPECT_EQ(::GetWindowLong(tip, GWL_EXSTYLE) & 0x88, 0x88);
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLong(tip, GWL_STYLE)) & 0x80800000u, 0x80800000u);
        EXPECT_EQ(::GetParent(tip), nullptr) << "a popup without a parent";
    }
    WNDCLASS tipClass{};
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), "ZTitleTip", &tipClass));
    EXPECT_EQ(tipClass.style, UINT(CS_SAVEBITS | CS_DBLCLKS));
    own.DestroyWindow();
}

TEST_F(ListCtrlExTest, TheTitleTipShowsAClippedTextOverItsCell) {
    m_list.SetItemText(1, 1, "2d16+2d18+2d20");
    m_list.SetItemText(3, 1, "很长很长很长很长很长很长很长的钢筋方案");
    m_list.SetColumnWidth(1, 160);  // reaches past the list's right edge
    HWND tip = nullptr;
    for (HWND window : qelt::AllWindows()) {
        char name[32] = "";
        ::GetClassName(window, name, sizeof name);
        if (std::string(name) == "ZTitleTip") tip = window;
    }
    ASSERT_NE(tip, nullptr);
    struct Case {
        const char* what;
        int row, col;
        bool shown;
    };
    const std::vector<Case> cases = {
        {"a text that fits", 2, 1, false},
        {"a clipped text", 1, 1, true},
        {"a short text", 0, 0, false},
    };
    m_list.SetColumnWidth(1, 60);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CPoint at = CellCentre(c.row, c.col);
        m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        ASSERT_EQ(::IsWindowVisible(tip) != FALSE, c.shown);
        if (!c.shown) continue;
        CRect cell, place;
        m_list.GetSubItemRect(c.row, c.col, LVIR_LABEL, cell);
        m_list.ClientToScreen(&cell);
        ::GetWindowRect(tip, &place);
        EXPECT_EQ(place.TopLeft(), cell.TopLeft());
        EXPECT_EQ(place.Height(), cell.Height());
        CClientDC dc(&m_list);
        if (CFont* font = m_list.GetFont()) dc.SelectObject(font);
        const CString text = m_list.GetItemText(c.row, c.col);
        EXPECT_EQ(place.Width(), dc.GetTextExtent(text, text.GetLength()).cx + 6) << "the text and a margin";
        char shown[64] = "";
        ::GetWindowText(tip, shown, sizeof shown);
        EXPECT_EQ(CString(shown), text);
    }
    // A text wider than the screen's rest is moved left to stay on the screen; a press hides it.
    m_list.SetColumnWidth(1, 100);
    const CPoint at = CellCentre(3, 1);
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    CRect place;
    ::GetWindowRect(tip, &place);
    EXPECT_TRUE(::IsWindowVisible(tip));
    EXPECT_LE(place.right, qelt::metrics::kScreenWidth);
    Press(at);
    EXPECT_FALSE(::IsWindowVisible(tip));
}

}  // namespace
