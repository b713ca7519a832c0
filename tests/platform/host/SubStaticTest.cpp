#include <gtest/gtest.h>

#include <vector>

#include "Printers.h"
#include "host/QeltPath.h"
#include "host/SubStatic.h"
#include "mfc/Diagnostics.h"
#include "mfc/Dialog.h"
#include "mfc/MessageMap.h"
#include "render/Render.h"
#include "resources/HostResource.h"

namespace {

// A page that notes the selector's picks.
class CPickDlg : public CDialog {
public:
    CPickDlg() : CDialog(IDD_HOST_CONTROLS) {}

    int m_nPicks = 0;
    int m_nPicked = -1;
    CString m_strPicked;

protected:
    afx_msg LRESULT OnPick(WPARAM wParam, LPARAM lParam) {
        ++m_nPicks;
        m_nPicked = static_cast<int>(wParam);
        m_strPicked = reinterpret_cast<LPCTSTR>(lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPickDlg, CDialog)
    ON_MESSAGE(WM_USER + 100, OnPick)
END_MESSAGE_MAP()

class Selector : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_page.Create(IDD_HOST_CONTROLS));
        ASSERT_TRUE(m_selector.SubclassDlgItem(IDC_HOST_SLIDE, &m_page));
        m_slides.Add("STLCNFLEXNORMAL_RECT");
        m_slides.Add("STLCNFLEXNORMAL_T");
        m_texts.Add("矩形");
        m_texts.Add("T形");
    }

    void Click(int nItem) {
        CPoint centre = m_selector.GetItemRect(nItem).CenterPoint();
        m_selector.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(centre.x, centre.y));
    }

    CString m_library = gVusk_GetQeltPath(2) + "Vusk10Dll.slb";
    CPickDlg m_page;
    CSubStatic m_selector;
    CStringArray m_slides, m_texts;
};

TEST_F(Selector, ClickPicksAnItemAndTellsTheParent) {
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, -1, 2, 1);
    m_selector.SetIndex(m_texts, -1);
    CRect client;
    m_selector.GetClientRect(&client);
    EXPECT_EQ(m_selector.GetItemRect(0), CRect(0, 0, client.Width() / 2, client.Height()));
    EXPECT_EQ(m_selector.GetItemRect(1).left, client.Width() / 2);

    Click(1);
    EXPECT_EQ(m_page.m_nPicks, 1);
    EXPECT_EQ(m_page.m_nPicked, 1);
    EXPECT_EQ(m_page.m_strPicked, "T形");
    EXPECT_EQ(m_selector.GetCurSel(), 1);

    m_selector.SetBeSelectable(FALSE);
    Click(0);
    EXPECT_EQ(m_page.m_nPicks, 1) << "not selectable: a click changes nothing";
    EXPECT_EQ(m_selector.GetCurSel(), 1);

    // A click beside every item picks nothing.
    m_selector.SetBeSelectable(TRUE);
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, 0, 3, 1);
    CRect third(2 * client.Width() / 3, 0, client.Width(), client.Height());
    m_selector.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(third.CenterPoint().x, third.CenterPoint().y));
    EXPECT_EQ(m_page.m_nPicks, 1);
    EXPECT_EQ(m_selector.GetCurSel(), 0);
}

TEST_F(Selector, OneCellShowsTheCurrentItem) {
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, -1, 1, 1);
    CRect client;
    m_selector.GetClientRect(&client);
    EXPECT_EQ(m_selector.GetItemRect(0), client) << "without a current item the first is shown";
    m_selector.SetCurSel(1);
    EXPECT_EQ(m_selector.GetItemRect(1), client);
    EXPECT_TRUE(m_selector.GetItemRect(0).IsRectEmpty());

    int misuses = qelt::MisuseCount();
    m_selector.SetCurSel(2);
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, 0, 0, 1);
    EXPECT_EQ(qelt::MisuseCount(), misuses + 2);
    EXPECT_EQ(m_selector.GetCurSel(), 1);
}

TEST_F(Selector, PaintsTheSlidesOfItsItems) {
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, -1, 2, 1);
    m_selector.SetIndex(m_texts, 1);
    m_page.ShowWindow(SW_SHOW);
    m_selector.UpdateWindow();
    std::string png = qelt::render::RenderWindow(m_selector.m_hWnd, qelt::render::Format::Png);
    ASSERT_FALSE(png.empty());
    std::string error;
    EXPECT_TRUE(qelt::render::WriteFile(::testing::TempDir() + "selector.png", png, &error)) << error;
}

// The script's "choose" picks an item as a click on its cell does: by its text or by its place.
TEST_F(Selector, TheScriptChoosesAnItemByTextOrPlace) {
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, 0, 1, 1);
    m_selector.SetIndex(m_texts, 0);
    m_page.ShowWindow(SW_SHOW);
    struct Case {
        const char* what;
        bool byPlace;
        int number;
        const char* text;
        qelt::ActionOutcome::Kind outcome;
        int picked;
    };
    using Kind = qelt::ActionOutcome::Kind;
    const std::vector<Case> cases = {
        {"the shown item by its text", false, 0, "矩形", Kind::Applied, 0},
        {"an item not shown (1 x 1 shows the current one)", false, 0, "T形", Kind::Refused, 0},
        {"no such place", true, 2, "", Kind::Refused, 0},
        {"no such text", false, 0, "圆形", Kind::Refused, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        qelt::UserAction action;
        action.kind = qelt::UserAction::Kind::Choose;
        action.byPlace = c.byPlace;
        action.number = c.number;
        action.text = c.text;
        EXPECT_EQ(m_selector.ApplyUserAction(action).kind, c.outcome);
        EXPECT_EQ(m_selector.GetCurSel(), c.picked);
    }
    m_selector.SetItem(m_library, m_library, m_slides, m_slides, 0, 2, 1);
    qelt::UserAction second;
    second.kind = qelt::UserAction::Kind::Choose;
    second.byPlace = true;
    second.number = 1;
    const int before = m_page.m_nPicks;
    EXPECT_EQ(m_selector.ApplyUserAction(second).kind, Kind::Applied);
    EXPECT_EQ(m_page.m_nPicks, before + 1);
    EXPECT_EQ(m_page.m_strPicked, "T形");
    qelt::UserAction click;
    click.kind = qelt::UserAction::Kind::Click;
    EXPECT_EQ(m_selector.ApplyUserAction(click).kind, Kind::NotApplicable);
}

}  // namespace
