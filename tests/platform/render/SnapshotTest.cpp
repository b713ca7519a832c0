// A dialog holding one control of each standard kind, drawn as a person would see it, compared
// with reference pictures made once and looked at.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "ReferencePicture.h"
#include "mfc/comctl/ComboBoxEx.h"
#include "mfc/comctl/ListCtrl.h"
#include "mfc/comctl/TabCtrl.h"
#include "mfc/comctl/TreeCtrl.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/stdctrl/ScrollBar.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/Wnd.h"
#include "render/Render.h"

namespace {

enum : int { kPush = 100, kDefault, kCheck, kThreeState, kRadioOn, kRadioOff, kGroup, kLeft, kRight, kWrap, kEdit,
             kReadOnly, kCombo, kList, kEtched, kPushLikeOn, kPushLikeOff, kPushLikeCheck };

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
    // Push-like radio buttons and check box: pressed while checked.
    {kPushLikeOn, "Button", "拉", BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP | WS_TABSTOP, CRect(16, 130, 66, 150)},
    {kPushLikeOff, "Button", "弯剪", BS_AUTORADIOBUTTON | BS_PUSHLIKE, CRect(70, 130, 120, 150)},
    {kPushLikeCheck, "Button", "双筋", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_GROUP | WS_TABSTOP, CRect(140, 130, 190, 150)},
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
        ::SendMessage(Item(kPushLikeOn), BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessage(Item(kPushLikeCheck), BM_SETCHECK, BST_CHECKED, 0);
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

// The common controls, each in the state that shows most of its look: the second tab raised, a
// report list with its header, check boxes and a selected row, a tree with lines and buttons (one
// branch open, one closed), scroll bars across and down, and a ComboBoxEx.
class CommonControlDialog {
public:
    CommonControlDialog() {
        LOGFONTA lf{};
        lf.lfHeight = -12;
        lf.lfCharSet = GB2312_CHARSET;
        std::strcpy(lf.lfFaceName, "宋体");
        m_font = ::CreateFontIndirect(&lf);
        m_dialog.CreateEx(0, "#32770", "通用控件", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 0, 440, 250), nullptr, 0);
        ::SendMessage(m_dialog.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);

        m_tabs.Create(WS_CHILD | WS_VISIBLE, CRect(8, 8, 210, 60), &m_dialog, 200);
        for (const char* title : {"基本参数", "计算书", "结果"}) m_tabs.InsertItem(m_tabs.GetItemCount(), title);
        m_tabs.SetCurSel(1);

        m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(8, 70, 210, 160),
                      &m_dialog, 201);
        m_list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        m_list.InsertColumn(0, "构件", LVCFMT_LEFT, 110);
        m_list.InsertColumn(1, "弯矩", LVCFMT_RIGHT, 80);
        const char* rows[][2] = {{"L-1", "120.5"}, {"L-2", "86.0"}, {"LB-1", "12.3"}};
        for (int i = 0; i < 3; ++i) {
            m_list.InsertItem(i, rows[i][0]);
            m_list.SetItemText(i, 1, rows[i][1]);
        }
        m_list.SetCheck(0, TRUE);
        m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

        m_tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                          TVS_SHOWSELALWAYS,
                      CRect(220, 8, 430, 130), &m_dialog, 202);
        HTREEITEM bars = m_tree.InsertItem("锚筋");
        m_tree.InsertItem("直锚筋", bars);
        HTREEITEM bent = m_tree.InsertItem("弯折锚筋", bars);
        m_tree.InsertItem("锚筋与角钢", bars);
        m_tree.InsertItem("I 级钢筋", bent);
        HTREEITEM plates = m_tree.InsertItem("钢板");
        m_tree.InsertItem("抗剪钢板", plates);
        m_tree.InsertItem("吊环");
        m_tree.Expand(bars, TVE_EXPAND);
        m_tree.SelectItem(bent);

        m_across.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(8, 170, 210, 186), &m_dialog, 203);
        m_across.SetScrollRange(0, 100);
        m_across.SetScrollPos(30);
        m_down.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(410, 140, 426, 240), &m_dialog, 204);
        SCROLLINFO page{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 25, 75, 0};
        m_down.SetScrollInfo(&page);

        m_comboEx.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(220, 140, 400, 240), &m_dialog, 205);
        for (const char* grade : {"HPB235", "HRB335", "HRB400"}) {
            COMBOBOXEXITEM item{};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = const_cast<char*>(grade);
            m_comboEx.InsertItem(&item);
        }
        m_comboEx.SetCurSel(1);
        for (CWnd* control : std::initializer_list<CWnd*>{&m_tabs, &m_list, &m_tree, &m_across, &m_down, &m_comboEx})
            control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    ~CommonControlDialog() {
        m_dialog.DestroyWindow();
        ::DeleteObject(m_font);
    }

    HWND Handle() const { return m_dialog.m_hWnd; }

private:
    HFONT m_font = nullptr;
    CWnd m_dialog;
    CTabCtrl m_tabs;
    CListCtrl m_list;
    CTreeCtrl m_tree;
    CScrollBar m_across, m_down;
    CComboBoxEx m_comboEx;
};

struct CommonSnapCase {
    const char* picture;
    int focus;      // the control with the focus, 0 for none
    bool disabled;  // every control disabled
};

class CommonSnapshot : public ::testing::TestWithParam<CommonSnapCase> {};

TEST_P(CommonSnapshot, LooksAsItsReference) {
    const CommonSnapCase& c = GetParam();
    CommonControlDialog dialog;
    if (c.focus) ::SetFocus(::GetDlgItem(dialog.Handle(), c.focus));
    if (c.disabled) {
        for (HWND child = ::GetWindow(dialog.Handle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            ::EnableWindow(child, FALSE);
    }
    const std::string png = qelt::render::SnapWindow(dialog.Handle());
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(png, std::string(QELT_PICTURES) + "/" + c.picture + ".png"));
}

INSTANTIATE_TEST_SUITE_P(CommonControls, CommonSnapshot,
                         ::testing::Values(CommonSnapCase{"common-controls-normal", 0, false},
                                           CommonSnapCase{"common-controls-list_focused", 201, false},
                                           CommonSnapCase{"common-controls-tree_focused", 202, false},
                                           CommonSnapCase{"common-controls-disabled", 0, true}),
                         [](const auto& info) { return std::string(info.param.picture).substr(16); });

// Labels lose nothing of their glyphs: a label of the dialog font's cell height (8 dialog units, 12
// pixels) shows every dark row that the same text shows drawn without any clip, the rows below
// the baseline (descenders) among them, inside the label.
namespace label_detail {

constexpr int kLabelTop = 20, kLabelHeight = 12;

struct Image {
    explicit Image(const std::string& png) : surface(qelt::test::picture_detail::Decode(png)) {}
    ~Image() { cairo_surface_destroy(surface); }
    // The rows from top to bottom (exclusive), counted from top, that hold between left and right a
    // pixel less than half as bright as the background (the pixel at left, top): a glyph's stroke
    // covering more than half of it.
    std::vector<int> DarkRows(int left, int top, int right, int bottom) const {
        std::vector<int> rows;
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const int background = reinterpret_cast<const std::uint32_t*>(data + top * stride)[left] & 0xFF;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
                if (static_cast<int>(p & 0xFF) * 2 < background && static_cast<int>((p >> 8) & 0xFF) * 2 < background) {
                    rows.push_back(y - top);
                    break;
                }
            }
        return rows;
    }
    cairo_surface_t* surface;
};

}  // namespace label_detail

TEST(Snapshot, LabelsAreDrawnWhole) {
    using namespace label_detail;
    for (const char* text : {"γG", "ψq", "ρmin", "q(kN/m)", "Qgk", "通过挠度"}) {
        LOGFONTA lf{};
        lf.lfHeight = -12;
        lf.lfCharSet = GB2312_CHARSET;
        std::strcpy(lf.lfFaceName, "宋体");
        HFONT font = ::CreateFontIndirect(&lf);
        CWnd dialog, label;
        dialog.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 120, 50), nullptr, 0);
        label.Create("Static", text, WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, kLabelTop, 110, kLabelTop + kLabelHeight),
                     &dialog, 100);
        label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const Image shown(qelt::render::SnapWindow(dialog.m_hWnd));
        ASSERT_NE(shown.surface, nullptr);

        // The same text drawn without a clip, its cell's top at row 20 of a tall bitmap.
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 120, 60);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
        HGDIOBJ oldFont = ::SelectObject(dc, font);
        RECT all{0, 0, 120, 60};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetBkMode(dc, TRANSPARENT);
        RECT cell{10, kLabelTop, 110, kLabelTop + kLabelHeight};
        ::DrawTextA(dc, text, -1, &cell, DT_LEFT | DT_NOCLIP);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        ::SelectObject(dc, oldFont);
        ::SelectObject(dc, oldBitmap);
        const Image free(qelt::render::BitmapToPng(bitmap));
        ASSERT_NE(free.surface, nullptr);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);

        std::vector<int> expected;
        for (int row : free.DarkRows(10, 0, 110, 60)) expected.push_back(row - kLabelTop);
        const std::vector<int> got = shown.DarkRows(10, kLabelTop, 110, 50);  // over the label's own face
        EXPECT_EQ(got, expected) << text;  // every dark row, and each inside the label
        EXPECT_EQ(metrics.tmHeight, kLabelHeight) << text;
        if (std::strpbrk(text, "qg") || std::strstr(text, "ψ") || std::strstr(text, "ρ") || std::strstr(text, "γ")) {
            EXPECT_TRUE(!got.empty() && got.back() >= metrics.tmAscent) << text << ": nothing below the baseline";
        }
        for (int row : got) EXPECT_TRUE(row >= 0 && row < kLabelHeight) << text << ": row " << row;
        dialog.DestroyWindow();
        ::DeleteObject(font);
    }
}

// A layered window is blended with its opacity over the windows beneath it: a white rectangle
// over a black one (the system's frame colour).
TEST(Snapshot, ALayeredWindowShowsWhatLiesBeneath) {
    const int white = GetRValue(::GetSysColor(COLOR_3DHIGHLIGHT)), black = GetRValue(::GetSysColor(COLOR_WINDOWFRAME));
    for (const BYTE alpha : {255, 254, 128, 0}) {
        CWnd beneath, dark, over, light;
        beneath.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 80), nullptr, 0);
        dark.Create("Static", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(0, 0, 100, 80), &beneath, 1);
        over.CreateEx(WS_EX_LAYERED, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 80), nullptr, 0);
        light.Create("Static", "", WS_CHILD | WS_VISIBLE | SS_WHITERECT, CRect(0, 0, 100, 80), &over, 1);
        ASSERT_TRUE(over.SetLayeredWindowAttributes(0, alpha, LWA_ALPHA));
        const label_detail::Image image(qelt::render::SnapWindow(over.m_hWnd));
        ASSERT_NE(image.surface, nullptr);
        const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image.surface) +
                                                                 40 * cairo_image_surface_get_stride(image.surface));
        EXPECT_NEAR(static_cast<int>(row[50] & 0xFF), black + (white - black) * alpha / 255.0, 1) << int(alpha);
        over.DestroyWindow();
        beneath.DestroyWindow();
    }
    // Only a layered window takes an opacity.
    CWnd plain;
    plain.CreateEx(0, "#32770", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    qelt::test::ExpectedMisuses misuses;
    EXPECT_FALSE(plain.SetLayeredWindowAttributes(0, 128, LWA_ALPHA));
    EXPECT_EQ(misuses.Count(), 1);
    plain.DestroyWindow();
}

// A window painted again and again keeps one painting's drawing, not every painting's.
TEST(Snapshot, RepaintingKeepsOneDrawing) {
    CommonControlDialog dialog;
    qelt::render::SnapWindow(dialog.Handle());
    const HWND list = ::GetDlgItem(dialog.Handle(), 201);
    const size_t once = qelt::gdi::WindowRecording(list)->records.size();
    for (int i = 0; i < 20; ++i) qelt::render::SnapWindow(dialog.Handle());
    EXPECT_EQ(qelt::gdi::WindowRecording(list)->records.size(), once);
}

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
