// What the slab panels' tests share: a page that records the codes its panels send, a panel on such
// a page over the command's defaults, and a person's cell edits and menu choices on the panels'
// grid lists.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "controls/EditCmbList.h"
#include "mfc/person/UserScript.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/stdctrl/Edit.h"
#include "mfc/user/WindowClass.h"
#include "mfc/user/WindowManager.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardDraw.h"

namespace slabtest {

// The page: records the codes its panels send.
class CCodeRecorder : public CWnd {
public:
    std::vector<int> codes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_BOARD_NOTIFY) {
            codes.push_back(static_cast<int>(wParam));
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A panel of the slab page (its dialog nIDD) on a recording page, over a parameter object with the
// command's defaults and a view of it; Open creates the panel's window.
template <class TPanel, UINT nIDD>
class PanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        param.SetDefaultData();
        ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        view.Setup(CRect(0, 0, 100, 100), &param);
        view.SetPicture(-1);
    }
    void TearDown() override
    {
        panel.DestroyWindow();
        page.DestroyWindow();
    }
    void Open()
    {
        panel.m_pParam = &param;
        panel.SetParentWnd(&page);
        ASSERT_TRUE(panel.Create(nIDD, &page));
        panel.ShowWindow(SW_SHOW);
    }
    CBoardData& Data() { return param.m_BoardData; }

    CAtypicalBoardParam param;
    CCodeRecorder page;
    TPanel panel;
    CBoardDraw view;
};

// A point at (x, y), to rounding.
inline void ExpectPoint(const AcGePoint3d& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

inline std::vector<CString> ListRow(CEditCmbList& list, int row)
{
    std::vector<CString> texts;
    for (int column = 0; column < list.GetColCount(); ++column) texts.push_back(list.GetItemText(row, column));
    return texts;
}

// A cell edited in place: the editor opened, the text typed over the old one, Enter.
inline void EditCell(CEditCmbList& list, int column, int row, const char* text)
{
    ASSERT_TRUE(list.SetCellAtModify(column, row));
    CWnd* editor = list.GetDlgItem(IDC_EDITCMB_EDIT);
    ASSERT_TRUE(editor && editor->IsWindowVisible());
    editor->SetFocus();
    static_cast<CEdit*>(editor)->SetSel(0, -1);
    qelt::TypeText(text);
    qelt::PressKey(VK_RETURN);
}

// A cell's drop-down list: the item of that text chosen.
inline void ChooseCell(CEditCmbList& list, int column, int row, const char* text)
{
    ASSERT_TRUE(list.SetCellAtModify(column, row));
    CComboBox* combo = static_cast<CComboBox*>(list.GetDlgItem(IDC_EDITCMB_COMBO));
    ASSERT_TRUE(combo && combo->IsWindowVisible());
    combo->SetCurSel(combo->FindStringExact(-1, text));
    list.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITCMB_COMBO, CBN_SELCHANGE), (LPARAM)combo->GetSafeHwnd());
}

// A text typed into a cell's drop-down combo box, then Enter.
inline void TypeInComboCell(CEditCmbList& list, int column, int row, const char* text)
{
    ASSERT_TRUE(list.SetCellAtModify(column, row));
    CComboBox* combo = static_cast<CComboBox*>(list.GetDlgItem(IDC_EDITCMB_COMBO));
    ASSERT_TRUE(combo && combo->IsWindowVisible());
    combo->SetFocus();
    combo->SetEditSel(0, -1);
    qelt::TypeText(text);
    qelt::PressKey(VK_RETURN);
}

// A right click on a row of a list: the panel's context menu, the item of that text chosen when
// the menu is shown; true when it was.
inline bool ChooseMenu(CWnd& panel, CEditCmbList& list, int row, const char* item)
{
    list.SetCurSel(row);
    CRect rect;
    list.GetWindowRect(&rect);
    qelt::UserScript script;
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Menu;
    action.text = item;
    script.Add(action);
    qelt::ScopedUserScript scoped(script);
    panel.SendMessage(WM_CONTEXTMENU, (WPARAM)list.GetSafeHwnd(), MAKELPARAM(rect.left + 5, rect.top + 30));
    // The menu's choice is posted, as the message loop would deliver it.
    while (std::optional<MSG> posted = qelt::TakePostedMessage())
        ::SendMessage(posted->hwnd, posted->message, posted->wParam, posted->lParam);
    return script.Remaining() == 0;
}

}  // namespace slabtest
