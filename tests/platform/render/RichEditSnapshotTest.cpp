// The rich edit control as a person sees it: a report with a bold title, a superscript, a
// subscript, a red row, a tab and a picture, and a report longer and wider than the box with its scroll bars,
// each compared with a reference picture made once and looked at; and how it scrolls.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ReferencePicture.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/richedit/RichEditCtrl.h"
#include "mfc/user/WindowScroll.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/Wnd.h"
#include "render/Render.h"

namespace {

const char kHead[] =
    "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
    "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs21 ";

// A small sketch as the PNG of an RTF picture: a framed box with a diagonal.
std::string SketchHex() {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateBitmap(60, 30, 1, 32, nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::PatBlt(dc, 0, 0, 60, 30, WHITENESS);
    ::Rectangle(dc, 2, 2, 58, 28);
    ::MoveToEx(dc, 2, 2, nullptr);
    ::LineTo(dc, 58, 28);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    const std::string png = qelt::render::BitmapToPng(bitmap);
    ::DeleteObject(bitmap);
    std::string hex;
    for (unsigned char byte : png) {
        static const char digits[] = "0123456789abcdef";
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::string ShortReport() {
    return std::string("{\\fs32\\b \\'bc\\'c6\\'cb\\'e3\\'ca\\'e9\\par}")  // 计算书, bold and large
           + "\\tab q=2.50kN/m{\\super 2}\\par"                                     // a superscript, after a tab
           + "\\tab f{\\sub max}=12.0mm\\tab \\'a6\\'c3G=1.2\\par"                  // a subscript; γG
           + "{\\cf1 \\'b2\\'bb\\'c2\\'fa\\'d7\\'e3\\'d2\\'aa\\'c7\\'f3}\\par"   // 不满足要求, red
           + "{\\pict\\pngblip\\picw60\\pich30 " + SketchHex() + "}\\par}";        // a picture
}

DWORD CALLBACK Read(DWORD_PTR cookie, BYTE* buffer, LONG size, LONG* done) {
    auto* source = reinterpret_cast<std::string*>(cookie);
    const LONG count = std::min<LONG>(size, static_cast<LONG>(source->size()));
    std::memcpy(buffer, source->data(), static_cast<size_t>(count));
    source->erase(0, static_cast<size_t>(count));
    *done = count;
    return 0;
}

// A dialog face with one read-only rich edit of the report page's styles filling it.
class ReportBox {
public:
    explicit ReportBox(const std::string& body) {
        m_dialog.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 180), nullptr, 0);
        m_edit.Create(ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_CHILD | WS_VISIBLE,
                      CRect(0, 0, 320, 180), &m_dialog, 565);
        std::string rtf = kHead + body;
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, Read};
        m_edit.StreamIn(SF_RTF, stream);
    }
    ~ReportBox() { m_dialog.DestroyWindow(); }

    std::string Snap() { return qelt::render::SnapWindow(m_dialog.m_hWnd); }
    SCROLLINFO Bar(int bar) const {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(m_edit.m_hWnd, bar, &info);
        return info;
    }

    CWnd m_dialog;
    CRichEditCtrl m_edit;
};

std::string LongReport() {
    std::string body;
    for (int row = 1; row <= 30; ++row) {
        body += "\\tab \\'b5\\'da" + std::to_string(row) + "\\'d0\\'d0 M=" + std::to_string(row * 12.5) + "kN\\'a1\\'a4m";
        if (row == 3) body += " \\'d5\\'e2\\'d2\\'bb\\'d0\\'d0\\'b1\\'c8\\'bf\\'f2\\'bf\\'ed: As=1256mm2, \\'a6\\'d1=0.78%";
        body += "\\par";
    }
    return body + "}";
}

TEST(RichEditSnapshot, AShortReportShowsWholeWithoutScrollBars) {
    ReportBox box(ShortReport());
    box.m_edit.SetSel(0, 0);
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(box.Snap(), std::string(QELT_PICTURES) + "/richedit-short.png"));
    EXPECT_LT(box.Bar(SB_VERT).nMax, static_cast<int>(box.Bar(SB_VERT).nPage));  // all of it in the box
}

TEST(RichEditSnapshot, ALongReportShowsItsTopWithScrollBars) {
    ReportBox box(LongReport());
    box.m_edit.SetSel(0, 0);
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(box.Snap(), std::string(QELT_PICTURES) + "/richedit-long.png"));
    const SCROLLINFO down = box.Bar(SB_VERT), across = box.Bar(SB_HORZ);
    EXPECT_EQ(down.nPos, 0);
    EXPECT_GT(down.nMax + 1, static_cast<int>(down.nPage));  // taller than the box
    EXPECT_GT(across.nMax + 1, static_cast<int>(across.nPage));  // one line wider
}

// The selection's end is brought into the box; the scroll bar's messages move the text.
TEST(RichEditSnapshot, ScrollingFollowsTheSelectionAndTheBar) {
    ReportBox box(LongReport());
    box.Snap();
    const SCROLLINFO whole = box.Bar(SB_VERT);
    const int limit = whole.nMax - static_cast<int>(whole.nPage) + 1;
    const int line = (whole.nMax + 1) / 31;  // 30 rows of one height and the empty last line
    ASSERT_EQ((whole.nMax + 1) % 31, 0);
    struct Case {
        const char* what;
        int selection;  // -1: none set
        WPARAM scroll;  // sent unless a selection is set
        int expected;
    } cases[] = {
        {"the end selected", static_cast<int>(box.m_edit.GetTextLength()), 0, limit},
        {"the start selected", 0, 0, 0},
        {"a line down", -1, SB_LINEDOWN, line},
        {"a page down", -1, SB_PAGEDOWN, line + static_cast<int>(whole.nPage)},
        {"to the bottom", -1, SB_BOTTOM, limit},
        {"a line up", -1, SB_LINEUP, (limit - 1) / line * line},
        {"the thumb dragged", -1, MAKEWPARAM(SB_THUMBTRACK, 50), 50},
        {"to the top", -1, SB_TOP, 0},
    };
    for (const Case& c : cases) {
        if (c.selection >= 0) box.m_edit.SetSel(c.selection, c.selection);
        else box.m_edit.SendMessage(WM_VSCROLL, c.scroll);
        box.Snap();
        EXPECT_EQ(box.Bar(SB_VERT).nPos, c.expected) << c.what;
    }
}

}  // namespace
