#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "GdiCanvas.h"

namespace {

const char kText[] = "受弯构件";

CFont* Use(CDC& dc, CFont& font, long height, const char* face, long escapement = 0, long width = 0) {
    LOGFONT lf{};
    lf.lfHeight = height, lf.lfWidth = width, lf.lfEscapement = escapement;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, face);
    font.CreateFontIndirect(&lf);
    return dc.SelectObject(&font);
}

TEST(GdiText, ExtentBoundsWhatIsDrawn) {
    for (const char* face : {"宋体", "Arial"}) {
        GdiCanvas canvas(200, 60);
        CFont font;
        CFont* old = Use(canvas.dc, font, -20, face);
        const CSize extent = canvas.dc.GetTextExtent(kText);
        canvas.dc.SetBkMode(TRANSPARENT);
        canvas.dc.TextOut(10, 10, kText);
        const CRect ink = canvas.Ink();
        canvas.dc.SelectObject(old);
        EXPECT_GE(ink.left, 10) << face;
        EXPECT_GE(ink.top, 10) << face;
        EXPECT_LE(ink.right, 10 + extent.cx) << face;
        EXPECT_LE(ink.bottom, 10 + extent.cy) << face;
        EXPECT_GT(ink.Width(), extent.cx * 8 / 10) << face;  // the ink fills most of the extent
        EXPECT_GT(ink.Height(), 20 * 7 / 10) << face;
    }
}

TEST(GdiText, MetricsFollowTheLogicalFont) {
    GdiCanvas canvas(10, 10);
    CFont character, cell, wide;
    TEXTMETRIC tm{};
    CFont* old = Use(canvas.dc, character, -20, "宋体");
    canvas.dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);  // a negative height is the character height
    EXPECT_EQ(canvas.dc.GetTextExtent(kText).cy, tm.tmHeight);
    const long natural = canvas.dc.GetTextExtent("abc").cx;
    const long average = tm.tmAveCharWidth;
    // A width twice the natural average widens the text twice.
    Use(canvas.dc, wide, -20, "宋体", 0, 2 * average);
    EXPECT_NEAR(canvas.dc.GetTextExtent("abc").cx, 2.0 * natural, 2);
    EXPECT_NEAR(canvas.dc.GetTextExtent("abc").cy, tm.tmHeight, 0);
    Use(canvas.dc, cell, 20, "宋体");
    canvas.dc.GetTextMetrics(&tm);
    EXPECT_NEAR(tm.tmHeight, 20, 1);  // a positive height is the cell height
    canvas.dc.SelectObject(old);
}

TEST(GdiText, AlignmentMovesTheReferencePoint) {
    struct Case {
        UINT align;
        int dx, dy;  // where the extent's left-top lies from the reference point, in extents
    } cases[] = {{TA_LEFT | TA_TOP, 0, 0}, {TA_RIGHT | TA_TOP, -2, 0}, {TA_CENTER | TA_BOTTOM, -1, -2}};
    for (const Case& c : cases) {
        GdiCanvas canvas(300, 100);
        CFont font;
        CFont* old = Use(canvas.dc, font, -20, "宋体");
        const CSize extent = canvas.dc.GetTextExtent(kText);
        canvas.dc.SetTextAlign(c.align);
        canvas.dc.SetBkColor(RGB(255, 0, 0));  // opaque: the whole cell is painted
        canvas.dc.TextOut(150, 50, kText);
        canvas.dc.SelectObject(old);
        const CRect ink = canvas.Ink();
        EXPECT_NEAR(ink.left, 150 + c.dx * extent.cx / 2, 1) << c.align;
        EXPECT_NEAR(ink.top, 50 + c.dy * extent.cy / 2, 1) << c.align;
        EXPECT_NEAR(ink.Width(), extent.cx, 1) << c.align;
        EXPECT_NEAR(ink.Height(), extent.cy, 1) << c.align;
    }
    // The baseline: the cell's top lies one ascent above the reference point.
    GdiCanvas canvas(300, 100);
    CFont font;
    CFont* old = Use(canvas.dc, font, -20, "宋体");
    TEXTMETRIC tm{};
    canvas.dc.GetTextMetrics(&tm);
    canvas.dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    canvas.dc.SetBkColor(RGB(255, 0, 0));
    canvas.dc.TextOut(10, 50, kText);
    canvas.dc.SelectObject(old);
    EXPECT_NEAR(canvas.Ink().top, 50 - tm.tmAscent, 1);
}

TEST(GdiText, EscapementRotatesCounterClockwise) {
    GdiCanvas canvas(100, 200);
    CFont font;
    CFont* old = Use(canvas.dc, font, -20, "宋体", 900);
    const CSize extent = canvas.dc.GetTextExtent(kText);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.TextOut(30, 150, kText);
    canvas.dc.SelectObject(old);
    // Read upwards from (30, 150): the text rises above the point, its top to the left of it.
    const CRect ink = canvas.Ink();
    EXPECT_GT(ink.Height(), ink.Width());
    EXPECT_LE(ink.bottom, 151);
    EXPECT_GE(ink.top, 150 - extent.cx - 1);
    EXPECT_LE(ink.right, 31 + extent.cy);
    EXPECT_GE(ink.left, 29);
}

TEST(GdiText, DrawTextFormats) {
    GdiCanvas canvas(200, 100);
    CDC& dc = canvas.dc;
    CFont font;
    CFont* old = Use(dc, font, -16, "宋体");
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    const CSize one = dc.GetTextExtent("构件");

    CRect calc(0, 0, 0, 0);
    EXPECT_EQ(dc.DrawText(kText, &calc, DT_SINGLELINE | DT_CALCRECT), tm.tmHeight);
    EXPECT_EQ(calc, CRect(0, 0, dc.GetTextExtent(kText).cx, tm.tmHeight));
    // Word breaking between Chinese characters: two lines in a rectangle narrower than the text.
    CRect narrow(0, 0, one.cx + 2, 0);
    EXPECT_EQ(dc.DrawText(kText, &narrow, DT_WORDBREAK | DT_CALCRECT), 2 * tm.tmHeight);
    EXPECT_EQ(narrow.bottom, 2 * tm.tmHeight);
    CRect words(0, 0, dc.GetTextExtent("alpha beta").cx - 1, 0);
    EXPECT_EQ(dc.DrawText("alpha beta gamma", &words, DT_WORDBREAK | DT_CALCRECT), 3 * tm.tmHeight);
    CRect lines(0, 0, 100, 0);
    EXPECT_EQ(dc.DrawText("a\nb\r\nc", &lines, DT_CALCRECT), 3 * tm.tmHeight);

    struct Case {
        UINT format;
        long left, top;  // expected ink corner relative to the rectangle (10, 10, 190, 90); -1: centred
    } cases[] = {{DT_LEFT | DT_TOP | DT_SINGLELINE, 10, 10},
                 {DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, 190 - one.cx, 90 - tm.tmHeight},
                 {DT_CENTER | DT_VCENTER | DT_SINGLELINE, 100 - one.cx / 2, 50 - tm.tmHeight / 2}};
    for (const Case& c : cases) {
        GdiCanvas target(200, 100);
        CFont f;
        CFont* previous = Use(target.dc, f, -16, "宋体");
        target.dc.SetBkColor(RGB(0, 0, 255));
        CRect rect(10, 10, 190, 90);
        target.dc.DrawText("构件", &rect, c.format);
        target.dc.SelectObject(previous);
        const CRect ink = target.Ink();
        EXPECT_NEAR(ink.left, c.left, 1) << c.format;
        EXPECT_NEAR(ink.top, c.top, 1) << c.format;
    }

    // A text too long for its rectangle ends in an ellipsis and stays inside it.
    GdiCanvas clipped(200, 40);
    CFont f;
    CFont* previous = Use(clipped.dc, f, -16, "宋体");
    clipped.dc.SetBkMode(TRANSPARENT);
    CRect cell(10, 5, 60, 30);
    clipped.dc.DrawText("受弯构件计算书", &cell, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    CRect cellCalc = cell;
    clipped.dc.DrawText("受弯构件计算书", &cellCalc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_CALCRECT);
    clipped.dc.SelectObject(previous);
    EXPECT_LE(cellCalc.Width(), cell.Width());
    EXPECT_GT(cellCalc.Width(), cell.Width() - 16);  // the longest beginning that fits, less than a character short
    const CRect ink = clipped.Ink();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 60);
    dc.SelectObject(old);
}

TEST(GdiText, PrefixCharacters) {
    GdiCanvas canvas(100, 30);
    CFont font;
    CFont* old = Use(canvas.dc, font, -16, "Arial");
    CRect plain(0, 0, 0, 0), prefixed(0, 0, 0, 0), kept(0, 0, 0, 0);
    canvas.dc.DrawText("File", &plain, DT_CALCRECT | DT_SINGLELINE);
    canvas.dc.DrawText("&File", &prefixed, DT_CALCRECT | DT_SINGLELINE);
    canvas.dc.DrawText("&File", &kept, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(prefixed, plain);
    EXPECT_GT(kept.Width(), plain.Width());
    canvas.dc.SelectObject(old);
}

TEST(GdiText, PointFontsAndFaces) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "宋体"));
    LOGFONT lf{};
    font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -12);  // 9 points at 96 pixels an inch
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    GdiCanvas canvas(10, 10);
    CFont* old = canvas.dc.SelectObject(&font);
    char face[LF_FACESIZE] = {};
    EXPECT_EQ(canvas.dc.GetTextFace(sizeof(face), face), static_cast<int>(std::strlen("宋体") + 1));
    EXPECT_STREQ(face, "宋体");
    canvas.dc.SelectObject(old);
}

}  // namespace
