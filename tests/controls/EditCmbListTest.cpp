#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestDlg.h"
#include "mfc/Afx.h"
#include "mfc/GdiImage.h"
#include "mfc/WindowManager.h"
#include "render/Render.h"
#include "resources/ControlsTestResource.h"
#include "Printers.h"

namespace {

using Events = std::vector<std::string>;

// The grid list of the test dialog: column 1 edit boxes, column 2 drop-down lists of loads.
class EditCmbListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_CONTROLS_TEST));
        m_loads.Add("均布");
        m_loads.Add("集中");
        m_loads.Add("三角形");
        m_grid.setColModifyType(1, EDITCMB_EDIT, nullptr, "");
        m_grid.setColModifyType(2, EDITCMB_LIST, &m_loads, "");
    }

    CPoint CellCentre(int col, int row) {
        CRect cell;
        m_grid.GetSubItemRect(row, col, LVIR_LABEL, cell);
        return cell.CenterPoint();
    }
    void Press(int col, int row) {
        const CPoint at = CellCentre(col, row);
        m_grid.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
    }
    void DoubleClick(int col, int row) {
        const CPoint at = CellCentre(col, row);
        m_grid.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x, at.y));
    }
    // A key pressed on the focused window, through the message loop.
    static void Key(UINT vk) {
        HWND focus = ::GetFocus();
        ::PostMessage(focus, WM_KEYDOWN, vk, 0);
        ::PostMessage(focus, WM_KEYUP, vk, 0);
        CControlsTestDlg::PumpPosted();
    }
    static void Type(const char* text) {
        for (const char* at = text; *at; ++at) {
            HWND focus = ::GetFocus();
            ::PostMessage(focus, WM_KEYDOWN, 0xE5, 0);  // VK_PROCESSKEY: a character key
            ::PostMessage(focus, WM_CHAR, static_cast<unsigned char>(*at), 0);
            ::PostMessage(focus, WM_KEYUP, 0xE5, 0);
            CControlsTestDlg::PumpPosted();
        }
    }
    CWnd* Editor(int id) { return m_grid.GetDlgItem(id); }
    bool Shown(int id) {
        CWnd* editor = Editor(id);
        return editor && (editor->GetStyle() & WS_VISIBLE);
    }
    CRect Place(int id) {
        CRect rect;
        Editor(id)->GetWindowRect(&rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    }

    CControlsTestDlg m_dialog;
    CEditCmbList& m_grid = m_dialog.m_grid;
    CStringArray m_loads;
};

TEST_F(EditCmbListTest, APressOpensTheEditBoxOverTheCellWithItsTextSelected) {
    Press(1, 0);
    ASSERT_TRUE(Shown(IDC_EDITCMB_EDIT));
    CRect cell;
    m_grid.GetSubItemRect(0, 1, LVIR_LABEL, cell);
    EXPECT_EQ(Place(IDC_EDITCMB_EDIT), cell);
    CString text;
    Editor(IDC_EDITCMB_EDIT)->GetWindowText(text);
    EXPECT_EQ(text, CString("6.0"));
    int start = -1, end = -1;
    static_cast<CEdit*>(Editor(IDC_EDITCMB_EDIT))->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(CWnd::GetFocus(), Editor(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_dialog.m_events, Events{"grid current 1,0"});
    EXPECT_EQ(m_grid.GetCurRow(), 0);
    EXPECT_EQ(m_grid.GetCurCol(), 1);
    EXPECT_FALSE(Shown(IDC_EDITCMB_COMBO));
    EXPECT_EQ(m_grid.GetExtendedStyle() & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT))
        << "the first row inserted gives the list its grid lines";
}

// How an edit box is left decides whether the cell takes what was typed.
TEST_F(EditCmbListTest, AnEditBoxCommitsWhatWasTypedUnlessEscaped) {
    struct Case {
        const char* what;
        const char* typed;
        UINT leave;  // a key, or 0: the focus moves to the next edit box of the dialog
        const char* cell;
        Events events;
    };
    const std::vector<Case> cases = {
        {"typed and Enter", "7.5", VK_RETURN, "7.5", {"grid current 1,1", "grid commit 1,1"}},
        {"typed and Esc", "7.5", VK_ESCAPE, "6.0", {"grid current 1,1"}},
        {"typed and left", "8", 0, "8", {"grid current 1,1", "grid commit 1,1"}},
        {"left untouched", "", 0, "6.0", {"grid current 1,1"}},
        {"typed, erased and Enter", "9\b", VK_RETURN, "", {"grid current 1,1", "grid commit 1,1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_grid.SetItemText(1, 1, "6.0");
        m_dialog.m_events.clear();
        Press(1, 1);
        Type(c.typed);
        if (c.leave) Key(c.leave);
        else m_dialog.GetDlgItem(IDC_TEST_NEXT)->SetFocus();
        EXPECT_FALSE(Shown(IDC_EDITCMB_EDIT));
        EXPECT_EQ(m_grid.GetItemText(1, 1), CString(c.cell));
        EXPECT_EQ(m_dialog.m_events, c.events);
        if (c.leave) {
            EXPECT_EQ(CWnd::GetFocus(), &m_grid) << "the keys that follow go to the list";
        }
    }
}

TEST_F(EditCmbListTest, ADropDownListCommitsTheItemChosen) {
    Press(2, 0);
    ASSERT_TRUE(Shown(IDC_EDITCMB_COMBO));
    auto* combo = static_cast<CComboBox*>(Editor(IDC_EDITCMB_COMBO));
    EXPECT_EQ(combo->GetStyle() & 3, DWORD(CBS_DROPDOWNLIST));
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), 0) << "the cell's own text is chosen";
    CRect cell;
    m_grid.GetSubItemRect(0, 2, LVIR_LABEL, cell);
    cell.OffsetRect(0, -2);
    EXPECT_EQ(Place(IDC_EDITCMB_COMBO), cell);
    combo->SetCurSel(1);
    m_grid.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITCMB_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
    EXPECT_FALSE(Shown(IDC_EDITCMB_COMBO));
    EXPECT_EQ(m_grid.GetItemText(0, 2), CString("集中"));
    EXPECT_EQ(m_dialog.m_events, (Events{"grid current 2,0", "grid commit 2,0"}));
}

TEST_F(EditCmbListTest, ADropDownTakesATypedTextAndKeepsCommittingIt) {
    m_grid.SetCellModifyType(2, 1, EDITCMB_COMBO, &m_loads, "");
    Press(2, 1);
    auto* combo = static_cast<CComboBox*>(Editor(IDC_EDITCMB_COMBO));
    ASSERT_TRUE(Shown(IDC_EDITCMB_COMBO));
    EXPECT_EQ(combo->GetStyle() & 3, DWORD(CBS_DROPDOWN)) << "made again with the style the kind needs";
    combo->SetEditSel(0, -1);
    Type("梯形");
    Key(VK_RETURN);
    EXPECT_EQ(m_grid.GetItemText(1, 2), CString("梯形"));
    m_dialog.m_events.clear();
    Press(2, 1);
    m_dialog.GetDlgItem(IDC_TEST_NEXT)->SetFocus();
    EXPECT_EQ(m_dialog.m_events, (Events{"grid current 2,1", "grid commit 2,1"}))
        << "a combo once changed commits on every closing";
}

// Tab goes on to the next cell of an edit or combo kind, along the row or down the column. A combo
// counts Tab as a key pressed in it, so it commits on leaving.
TEST_F(EditCmbListTest, TabVisitsTheCellsItMayOpenInItsOrder) {
    m_grid.SetCellModifyType(2, 1, EDITCMB_EDIT_BUTTON, nullptr, "...");
    m_grid.SetCellModifyType(1, 2, EDITCMB_EDIT_EXPLICIT, nullptr, "");
    struct Case {
        int order;
        Events visited;
    };
    const std::vector<Case> cases = {
        {0, {"grid current 1,0", "grid current 2,0", "grid commit 2,0", "grid current 1,1", "grid current 2,2",
             "grid commit 2,2"}},
        {1, {"grid current 1,0", "grid current 1,1", "grid current 2,0", "grid commit 2,0", "grid current 2,2",
             "grid commit 2,2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("tab order " + std::to_string(c.order));
        m_grid.SetTabOrder(c.order);
        m_dialog.m_events.clear();
        Press(1, 0);
        for (int i = 0; i < 4; ++i) Key(VK_TAB);
        EXPECT_EQ(m_dialog.m_events, c.visited);
        EXPECT_FALSE(Shown(IDC_EDITCMB_EDIT)) << "Tab in the last cell closes the editor";
        EXPECT_FALSE(Shown(IDC_EDITCMB_COMBO));
        EXPECT_EQ(m_grid.GetCurCol(), 2);
        EXPECT_EQ(m_grid.GetCurRow(), 2);
    }
}

TEST_F(EditCmbListTest, WithTabOrderMinusOneTabLeavesTheListAndCommits) {
    m_dialog.ShowWindow(SW_SHOW);  // Tab moves among visible controls
    m_grid.SetTabOrder(-1);
    Press(1, 2);
    Type("4.2");
    Key(VK_TAB);
    EXPECT_FALSE(Shown(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_grid.GetItemText(2, 1), CString("4.2"));
    CWnd* focus = CWnd::GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_NE(focus->GetParent(), &m_grid);
    EXPECT_EQ(m_dialog.m_events, (Events{"grid current 1,2", "grid commit 1,2"}));
}

TEST_F(EditCmbListTest, APressOnACheckTogglesItAndOpensNothing) {
    m_grid.SetCellCheck(1, 1, 1);
    Press(1, 1);
    EXPECT_EQ(m_grid.GetCellCheck(1, 1), 0);
    EXPECT_FALSE(Shown(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_dialog.m_events, (Events{"grid commit 1,1", "grid current 1,1"}));
    Press(1, 1);
    EXPECT_EQ(m_grid.GetCellCheck(1, 1), 1);
}

TEST_F(EditCmbListTest, AnEditBoxWithAButtonStaysOpenWhileTheButtonIsPressed) {
    m_grid.SetCellModifyType(2, 1, EDITCMB_EDIT_BUTTON, nullptr, "...");
    for (int length : {0, 30}) {
        SCOPED_TRACE("button length " + std::to_string(length));
        m_grid.SetBtnLen(length);
        Press(2, 1);
        ASSERT_TRUE(Shown(IDC_EDITCMB_BUTTON));
        CRect cell;
        m_grid.GetSubItemRect(1, 2, LVIR_LABEL, cell);
        const int width = length > 0 ? length : static_cast<int>(cell.Width() * 0.3);
        EXPECT_EQ(Place(IDC_EDITCMB_BUTTON), CRect(cell.right - width, cell.top - 2, cell.right, cell.bottom + 2));
        EXPECT_EQ(Place(IDC_EDITCMB_EDIT), CRect(cell.left, cell.top, cell.right - width, cell.bottom));
        CString caption;
        Editor(IDC_EDITCMB_BUTTON)->GetWindowText(caption);
        EXPECT_EQ(caption, CString("..."));
    }
    Type("x");
    m_dialog.m_events.clear();
    Editor(IDC_EDITCMB_BUTTON)->SetFocus();
    Editor(IDC_EDITCMB_BUTTON)->SendMessage(BM_CLICK);
    EXPECT_TRUE(Shown(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_dialog.m_events, Events{"grid button 2,1"});
    m_dialog.GetDlgItem(IDC_TEST_NEXT)->SetFocus();
    Editor(IDC_EDITCMB_EDIT)->SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(m_grid.GetItemText(1, 2), CString("x")) << "the editor still commits when it is left";

    m_grid.SetClkBtnHide(1);
    Press(2, 1);
    Type("y");
    m_dialog.m_events.clear();
    Editor(IDC_EDITCMB_BUTTON)->SendMessage(BM_CLICK);
    EXPECT_FALSE(Shown(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_dialog.m_events, (Events{"grid commit 2,1", "grid button 2,1"}));
}

// Kind 6 opens on a double-click or when asked for that cell; kinds 7 and 8 only when asked.
TEST_F(EditCmbListTest, ExplicitKindsOpenOnlyWhenAskedFor) {
    m_grid.SetCellModifyType(1, 0, EDITCMB_EDIT_EXPLICIT, nullptr, "");
    m_grid.SetCellModifyType(2, 0, EDITCMB_COMBO_EXPLICIT, &m_loads, "");
    struct Case {
        const char* what;
        int col;
        int how;  // 0 press, 1 double-click, 2 SetEditView, 3 SetComboView
        int opens;
    };
    const std::vector<Case> cases = {
        {"kind 6 pressed", 1, 0, 0},
        {"kind 6 double-clicked", 1, 1, IDC_EDITCMB_EDIT},
        {"kind 6 by SetEditView", 1, 2, IDC_EDITCMB_EDIT},
        {"kind 7 pressed", 2, 0, 0},
        {"kind 7 double-clicked", 2, 1, 0},
        {"kind 7 by SetEditView", 2, 2, 0},
        {"kind 7 by SetComboView", 2, 3, IDC_EDITCMB_COMBO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_dialog.GetDlgItem(IDC_TEST_NEXT)->SetFocus();
        m_dialog.m_events.clear();
        switch (c.how) {
        case 0: Press(c.col, 0); break;
        case 1: Press(c.col, 0), DoubleClick(c.col, 0); break;
        case 2: m_grid.SetEditView(c.col, 0); break;
        default: m_grid.SetComboView(c.col, 0); break;
        }
        EXPECT_EQ(Shown(IDC_EDITCMB_EDIT), c.opens == IDC_EDITCMB_EDIT);
        EXPECT_EQ(Shown(IDC_EDITCMB_COMBO), c.opens == IDC_EDITCMB_COMBO);
        if (c.opens == IDC_EDITCMB_COMBO) {
            EXPECT_EQ(static_cast<CComboBox*>(Editor(IDC_EDITCMB_COMBO))->GetCount(), 0) << "left empty";
        }
        if (c.how == 1) {
            EXPECT_EQ(m_dialog.m_events.back(), "grid double-click " + std::to_string(c.col) + ",0");
        }
    }
}

TEST_F(EditCmbListTest, SetCellAtModifyScrollsTheCellIntoViewAndOpensIt) {
    m_dialog.DestroyWindow();
    m_dialog.m_gridRows = 12;
    ASSERT_TRUE(m_dialog.Create(IDD_CONTROLS_TEST));
    m_grid.setColModifyType(1, EDITCMB_EDIT, nullptr, "");
    EXPECT_EQ(m_grid.SetCellAtModify(3, 0), 0) << "no column 3";
    EXPECT_EQ(m_grid.SetCellAtModify(1, 12), 0) << "no row 12";
    EXPECT_EQ(m_grid.SetCellAtModify(1, 11), 1);
    EXPECT_GT(m_grid.GetTopIndex(), 0);
    CRect cell, client;
    m_grid.GetSubItemRect(11, 1, LVIR_LABEL, cell);
    m_grid.GetClientRect(&client);
    EXPECT_LE(cell.bottom, client.bottom);
    EXPECT_TRUE(Shown(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_grid.GetItemState(11, LVIS_SELECTED), UINT(LVIS_SELECTED));
    EXPECT_EQ(m_dialog.m_events, Events{"grid current 1,11"});
    EXPECT_EQ(m_grid.SetCellAtModify(1, 0), 1);
    EXPECT_EQ(m_grid.GetTopIndex(), 0);
}

TEST_F(EditCmbListTest, SetCurSelOutsideTheListOnlyClears) {
    m_grid.SetCurSel(1);
    EXPECT_EQ(m_grid.GetCurRow(), 1);
    m_grid.SetCurSel(7);
    EXPECT_EQ(m_grid.GetCurRow(), -1);
    EXPECT_EQ(m_grid.GetColCount(), 3);
}

TEST_F(EditCmbListTest, ScrollingClosesTheEditorWithItsText) {
    Press(1, 0);
    Type("5");
    m_grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_FALSE(Shown(IDC_EDITCMB_EDIT));
    EXPECT_EQ(m_grid.GetItemText(0, 1), CString("5"));
}

// The list as drawn: its own rows, then the cell attributes laid over them with SRCAND, so that
// dark text stays dark and white leaves the list as it was. Written to grid-attributes.png.
TEST_F(EditCmbListTest, AttributesArePaintedUnderTheTexts) {
    m_dialog.ShowWindow(SW_SHOW);
    const COLORREF blue = RGB(0x10, 0x80, 0xFF);
    m_grid.SetColBKColor(1, blue);
    m_grid.SetCellBKColor(1, 2, RGB(255, 255, 255));
    m_grid.SetCellCheck(2, 1, 1);
    m_grid.SetCellCheck(2, 2, 0);
    CRect bitmapCell;
    m_grid.GetSubItemRect(2, 0, LVIR_LABEL, bitmapCell);
    std::vector<DWORD> red(static_cast<size_t>(bitmapCell.Width() * bitmapCell.Height()), 0x00FF0000);
    HBITMAP picture = ::CreateBitmap(bitmapCell.Width(), bitmapCell.Height(), 1, 32, red.data());
    m_grid.SetCellBitmap(0, 2, picture);
    ::DeleteObject(picture);
    m_grid.ReDraw();

    const std::string png = qelt::render::RenderWindow(m_grid.m_hWnd, qelt::render::Format::Png);
    ASSERT_FALSE(png.empty());
    ASSERT_TRUE(qelt::render::WriteFile("grid-attributes.png", png, nullptr));
    std::string error;
    HBITMAP shown = qelt::gdi::CreateBitmapFromImage(png.data(), png.size(), &error);
    ASSERT_NE(shown, nullptr) << error;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, shown);
    auto cell = [&](int col, int row) {
        CRect rect;
        m_grid.GetSubItemRect(row, col, LVIR_LABEL, rect);
        return rect;
    };

    const CRect coloured = cell(1, 0);
    EXPECT_EQ(dc.GetPixel(coloured.right - 4, coloured.CenterPoint().y), blue);
    EXPECT_EQ(dc.GetPixel(coloured.left, coloured.CenterPoint().y), RGB(0x00, 0x6C, 0xEB))
        << "the outline is 0x14 darker in each channel, none below 0";
    bool darkText = false;
    for (int x = coloured.left + 2; x < coloured.left + 24; ++x) {
        for (int y = coloured.top; y < coloured.bottom; ++y) {
            const COLORREF at = dc.GetPixel(x, y);
            darkText = darkText || (GetRValue(at) < 0x40 && GetGValue(at) < 0x40 && GetBValue(at) < 0x40);
        }
    }
    EXPECT_TRUE(darkText) << "the cell's text stays on top of its colour";
    EXPECT_EQ(dc.GetPixel(cell(1, 2).right - 4, cell(1, 2).CenterPoint().y), RGB(255, 255, 255))
        << "white is no colour";
    EXPECT_EQ(dc.GetPixel(cell(0, 2).right - 4, cell(0, 2).CenterPoint().y), RGB(255, 0, 0));

    for (int row : {1, 2}) {
        SCOPED_TRACE("check " + std::to_string(row == 1));
        const CRect box = cell(2, row);
        const int s = box.Height() - 2, x0 = (box.left + box.right - s) / 2, h = (s - 2) / 2;
        EXPECT_EQ(dc.GetPixel(x0, box.top + 1 + s / 2), RGB(0, 0, 0)) << "the box's left side";
        EXPECT_EQ(dc.GetPixel(x0 + h + 1, box.top + s - 2) == RGB(0, 0, 0), row == 1) << "the tick's corner";
    }
    ::SelectObject(dc.m_hDC, old);
    ::DeleteObject(shown);
}

}  // namespace
