// A dialog holding one control of each standard kind, drawn as a person would see it, compared
// with reference pictures made once and looked at.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "ReferencePicture.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/Wnd.h"
#include "render/Render.h"

namespace {

enum : int { kPush = 100, kDefault, kCheck, kThreeState, kRadioOn, kRadioOff, kGroup, kLeft, kRight, kWrap, kEdit,
             kReadOnly, kCombo, kList, kEtched };

struct ControlKind {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    CRect rect;
};

const ControlKind kControls[] = {
    {kGroup, "Button", "截面", BS_GROUPBOX, CRect(8, 4, 200, 120)},
    {kPush, "Button", "计算", BS_PUSHBUTTON | WS_TABSTOP, CRect(16, 24, 90, 48)},
    {kDefault, "Button", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(100, 24, 174, 48)},
    {kCheck, "Button", "双筋", BS_AUTOCHECKBOX | WS_TABSTOP, CRect(16, 56, 100, 74)},
    {kThreeState, "Button", "不定", BS_AUTO3STATE | WS_TABSTOP, CRect(104, 56, 190, 74)},
    {kRadioOn, "Button", "设计", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, CRect(16, 80, 100, 98)},
    {kRadioOff, "Button", "验算", BS_AUTORADIOBUTTON, CRect(104, 80, 190, 98)},
    {kLeft, "Static", "截面宽度 b(mm)", SS_LEFT, CRect(212, 10, 330, 26)},
    {kRight, "Static", "右对齐", SS_RIGHT, CRect(212, 30, 330, 46)},
    {kWrap, "Static", "较长的说明文字会在控件宽度内折行显示", SS_LEFT, CRect(212, 50, 330, 84)},
    {kEtched, "Static", "", SS_ETCHEDHORZ, CRect(212, 90, 330, 92)},
    {kEdit, "Edit", "250", ES_LEFT | WS_BORDER | WS_TABSTOP, CRect(340, 8, 430, 30)},
    {kReadOnly, "Edit", "1.27", ES_RIGHT | ES_READONLY | WS_BORDER, CRect(340, 36, 430, 58)},
    {kCombo, "ComboBox", "", CBS_DROPDOWNLIST | WS_TABSTOP, CRect(340, 64, 430, 160)},
    {kList, "ListBox", "", WS_BORDER | WS_TABSTOP, CRect(212, 100, 330, 170)},
};

// The dialog, its 宋体 9 pt font given to every control as a dialog template would.
class ControlDialog {
public:
    ControlDialog() {
        LOGFONTA lf{};
        lf.lfHeight = -12;
        lf.lfCharSet = GB2312_CHARSET;
        std::strcpy(lf.lfFaceName, "宋体");
        m_font = ::CreateFontIndirect(&lf);
        m_dialog.CreateEx(0, "#32770", "控件", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 0, 440, 180), nullptr, 0);
        ::SendMessage(m_dialog.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        for (const ControlKind& kind : kControls) {
            m_controls.push_back(std::make_unique<CWnd>());
            m_controls.back()->Create(kind.className, kind.text, kind.style | WS_CHILD | WS_VISIBLE, kind.rect,
                                      &m_dialog, static_cast<UINT>(kind.id));
            ::SendMessage(Item(kind.id), WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        }
        ::SendMessage(Item(kCheck), BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessage(Item(kThreeState), BM_SETCHECK, BST_INDETERMINATE, 0);
        ::SendMessage(Item(kRadioOn), BM_SETCHECK, BST_CHECKED, 0);
        for (const char* grade : {"C20", "C25", "C30"}) {
            ::SendMessage(Item(kCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(grade));
            ::SendMessage(Item(kList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(grade));
        }
        ::SendMessage(Item(kCombo), CB_SETCURSEL, 1, 0);
        ::SendMessage(Item(kList), LB_SETCURSEL, 2, 0);
    }
    ~ControlDialog() {
        m_dialog.DestroyWindow();
        ::DeleteObject(m_font);
    }

    HWND Item(int id) const { return ::GetDlgItem(m_dialog.m_hWnd, id); }
    HWND Handle() const { return m_dialog.m_hWnd; }

private:
    HFONT m_font = nullptr;
    CWnd m_dialog;
    std::vector<std::unique_ptr<CWnd>> m_controls;
};

struct SnapCase {
    const char* picture;
    int focus;      // the control with the focus, 0 for none
    bool disabled;  // every control disabled
    bool pushed;    // the push button held down
};

class Snapshot : public ::testing::TestWithParam<SnapCase> {};

TEST_P(Snapshot, LooksAsItsReference) {
    const SnapCase& c = GetParam();
    ControlDialog dialog;
    if (c.focus) ::SetFocus(dialog.Item(c.focus));
    if (c.pushed) ::SendMessage(dialog.Item(kPush), BM_SETSTATE, TRUE, 0);
    if (c.disabled)
        for (const ControlKind& kind : kControls) ::EnableWindow(dialog.Item(kind.id), FALSE);
    const std::string png = qelt::render::SnapWindow(dialog.Handle());
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(png, std::string(QELT_PICTURES) + "/" + c.picture + ".png"));
}

INSTANTIATE_TEST_SUITE_P(Controls, Snapshot,
                         ::testing::Values(SnapCase{"controls-normal", 0, false, false},
                                           SnapCase{"controls-focused", kCheck, false, false},
                                           SnapCase{"controls-pressed", kPush, false, true},
                                           SnapCase{"controls-disabled", 0, true, false}),
                         [](const auto& info) { return std::string(info.param.picture).substr(9); });

TEST(Snapshot, RefusesAWindowThatIsGone) {
    HWND gone = nullptr;
    {
        ControlDialog dialog;
        gone = dialog.Handle();
    }
    qelt::test::ExpectedMisuses misuses;
    EXPECT_TRUE(qelt::render::SnapWindow(gone).empty());
    EXPECT_GE(misuses.Count(), 1);
}

}  // namespace
