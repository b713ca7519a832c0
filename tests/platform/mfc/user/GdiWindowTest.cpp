#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/Wnd.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

const qelt::gdi::ShapeRecord& ShapeAt(HWND window, size_t index) {
    return std::get<qelt::gdi::ShapeRecord>(qelt::gdi::WindowRecording(window)->records.at(index).item);
}

// Paints its whole client area blue in WM_PAINT, through a CPaintDC.
class CPainted : public CWnd {
public:
    PAINTSTRUCT last{};
    int paints = 0;

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        last = dc.m_ps;
        ++paints;
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kBlue);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainted, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(GdiWindow, ClientDcRecordsInTheWindow) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "w", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 40), nullptr, 0));
    {
        CClientDC dc(&window);
        dc.FillSolidRect(0, 0, 10, 10, kRed);
        EXPECT_EQ(dc.GetPixel(5, 5), CLR_INVALID);  // a window has no pixels to read
    }
    CDC* dc = window.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->MoveTo(0, 20);
    dc->LineTo(50, 20);
    EXPECT_EQ(window.ReleaseDC(dc), 1);
    ASSERT_EQ(qelt::gdi::WindowRecording(window)->records.size(), 2u);
    EXPECT_TRUE(ShapeAt(window, 0).pixelEdges);
    EXPECT_TRUE(ShapeAt(window, 1).stroke.has_value());

    // A fill of the whole client area hides, and so drops, what was drawn before it.
    CClientDC again(&window);
    again.FillSolidRect(0, 0, 50, 40, kBlue);
    EXPECT_EQ(qelt::gdi::WindowRecording(window)->records.size(), 1u);
    window.DestroyWindow();
    EXPECT_EQ(qelt::gdi::WindowRecording(window.GetSafeHwnd()), nullptr);
}

TEST(GdiWindow, PaintDcIsClippedToTheInvalidArea) {
    CPainted window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "p", WS_POPUP | WS_VISIBLE, CRect(0, 0, 60, 40), nullptr, 0));
    window.UpdateWindow();
    const int first = window.paints;
    const CRect part(10, 5, 30, 25);
    window.InvalidateRect(&part, FALSE);
    window.UpdateWindow();
    EXPECT_EQ(window.paints, first + 1);
    EXPECT_EQ(CRect(window.last.rcPaint), part);
    const auto& records = qelt::gdi::WindowRecording(window)->records;
    ASSERT_FALSE(records.empty());
    const qelt::gdi::Record& latest = records.back();
    ASSERT_TRUE(latest.clip);
    EXPECT_EQ(CRect(latest.clip->Box()), part);
    EXPECT_FALSE(window.GetUpdateRect(nullptr));  // painted, so valid again
    window.DestroyWindow();
}

TEST(GdiWindow, MisuseOfWindowDcs) {
    qelt::test::ExpectedMisuses misuses;
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "m", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    HDC dc = ::GetDC(window);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    EXPECT_EQ(::ReleaseDC(window, memory), 0);  // not the window's
    EXPECT_EQ(::ReleaseDC(window, dc), 1);
    EXPECT_EQ(::ReleaseDC(window, dc), 0);      // released already
    EXPECT_EQ(misuses.Count(), 2);
    window.DestroyWindow();
    // The screen's DC draws nowhere and keeps nothing.
    CClientDC screen(nullptr);
    EXPECT_TRUE(screen.Rectangle(0, 0, 5, 5));
}

}  // namespace
