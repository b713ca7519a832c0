#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

TEST(GdiDrawing, LinesAndShapesLandOnTheirPixels) {
    GdiCanvas canvas(60, 40);
    CDC& dc = canvas.dc;
    CPen thin(PS_SOLID, 1, kRed), thick(PS_SOLID, 2, kBlue);
    CPen* old = dc.SelectObject(&thin);
    EXPECT_EQ(old->m_hObject, GetStockObject(BLACK_PEN));
    dc.MoveTo(5, 5);
    dc.LineTo(30, 5);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(30, 5));
    EXPECT_EQ(canvas.At(10, 5), kRed);
    EXPECT_EQ(canvas.At(10, 4), kWhite);
    EXPECT_EQ(canvas.At(10, 6), kWhite);
    EXPECT_EQ(canvas.At(30, 5), kWhite);  // the last point is not drawn

    dc.SelectObject(&thick);
    dc.MoveTo(5, 20);
    dc.LineTo(30, 20);
    int rows = 0;
    for (int y = 17; y <= 23; ++y) rows += canvas.At(15, y) == kBlue;
    EXPECT_EQ(rows, 2);

    // A rectangle outline with the null brush leaves its inside alone.
    dc.SelectObject(&thin);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(40, 5, 55, 15);
    EXPECT_EQ(canvas.At(40, 10), kRed);
    EXPECT_EQ(canvas.At(54, 10), kRed);
    EXPECT_EQ(canvas.At(47, 5), kRed);
    EXPECT_EQ(canvas.At(47, 14), kRed);
    EXPECT_EQ(canvas.At(55, 10), kWhite);
    EXPECT_EQ(canvas.At(47, 10), kWhite);

    // A filled triangle.
    CBrush green(RGB(0, 128, 0));
    dc.SelectObject(&green);
    dc.SelectStockObject(NULL_PEN);
    const POINT triangle[] = {{5, 25}, {35, 25}, {5, 38}};
    dc.Polygon(triangle, 3);
    EXPECT_EQ(canvas.At(8, 28), RGB(0, 128, 0));
    EXPECT_EQ(canvas.At(30, 36), kWhite);
    dc.SelectObject(old);
}

TEST(GdiDrawing, EllipsePieAndArc) {
    GdiCanvas canvas(60, 60);
    CDC& dc = canvas.dc;
    CBrush brush(kBlue);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Ellipse(0, 0, 21, 21);
    EXPECT_EQ(canvas.At(10, 10), kBlue);   // centre
    EXPECT_EQ(canvas.At(0, 10), kBlack);   // the pen at the left end
    EXPECT_EQ(canvas.At(1, 1), kWhite);    // the corner is outside

    // A pie from 3 o'clock counter-clockwise to 12 o'clock fills the upper right quarter.
    dc.Pie(30, 0, 51, 21, 60, 10, 40, -10);
    EXPECT_EQ(canvas.At(44, 6), kBlue);
    EXPECT_EQ(canvas.At(36, 14), kWhite);
    EXPECT_EQ(canvas.At(36, 6), kWhite);

    dc.SelectObject(oldBrush);

    // The arc of the same quarter: only the curve, in the upper right quarter of its box.
    GdiCanvas arc(30, 30);
    arc.dc.Arc(0, 0, 21, 21, 30, 10, 10, -10);
    const CRect ink = arc.Ink();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.bottom, 11);
    EXPECT_GE(ink.Width(), 9);
    EXPECT_GE(ink.Height(), 9);
    EXPECT_EQ(arc.At(14, 6), RGB(255, 255, 255));  // inside the curve
}

TEST(GdiDrawing, StyledPenGapsFollowTheBackgroundMode) {
    GdiCanvas canvas(40, 10);
    CDC& dc = canvas.dc;
    CPen dash(PS_DASH, 1, kBlack);
    CPen* old = dc.SelectObject(&dash);
    dc.SetBkColor(kRed);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(0, 2);
    dc.LineTo(40, 2);
    dc.SetBkMode(OPAQUE);
    dc.MoveTo(0, 6);
    dc.LineTo(40, 6);
    dc.SelectObject(old);
    EXPECT_EQ(canvas.At(5, 2), kBlack);   // in the first dash
    EXPECT_EQ(canvas.At(20, 2), kWhite);  // in the first gap
    EXPECT_EQ(canvas.At(20, 6), kRed);    // the gap takes the background colour
}

TEST(GdiDrawing, BlockTransferRasterOperations) {
    const COLORREF source = RGB(0xF0, 0x0F, 0xAA), dest = RGB(0x3C, 0xFF, 0x55), pattern = RGB(0x80, 0x01, 0x0F);
    struct Case {
        DWORD rop;
        COLORREF expected;
    } cases[] = {
        {SRCCOPY, source},
        {SRCAND, RGB(0x30, 0x0F, 0x00)},
        {SRCPAINT, RGB(0xFC, 0xFF, 0xFF)},
        {SRCINVERT, RGB(0xCC, 0xF0, 0xFF)},
        {NOTSRCCOPY, RGB(0x0F, 0xF0, 0x55)},
        {DSTINVERT, RGB(0xC3, 0x00, 0xAA)},
        {PATCOPY, pattern},
        {PATINVERT, RGB(0xBC, 0xFE, 0x5A)},
        {BLACKNESS, RGB(0, 0, 0)},
        {WHITENESS, RGB(255, 255, 255)},
    };
    GdiCanvas from(4, 4, source);
    for (const Case& c : cases) {
        GdiCanvas to(4, 4, dest);
        CBrush brush(pattern);
        CBrush* old = to.dc.SelectObject(&brush);
        EXPECT_TRUE(to.dc.BitBlt(1, 1, 2, 2, &from.dc, 0, 0, c.rop));
        to.dc.SelectObject(old);
        EXPECT_EQ(to.At(1, 1), c.expected) << std::hex << c.rop;
        EXPECT_EQ(to.At(2, 2), c.expected) << std::hex << c.rop;
        EXPECT_EQ(to.At(0, 0), dest) << std::hex << c.rop;
        EXPECT_EQ(to.At(3, 3), dest) << std::hex << c.rop;
    }
}

TEST(GdiDrawing, StretchBltScalesByWholePixels) {
    GdiCanvas from(2, 2);
    from.dc.SetPixel(0, 0, kRed);
    from.dc.SetPixel(1, 1, kBlue);
    GdiCanvas to(8, 8);
    EXPECT_TRUE(to.dc.StretchBlt(0, 0, 4, 4, &from.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(to.At(0, 0), kRed);
    EXPECT_EQ(to.At(1, 1), kRed);
    EXPECT_EQ(to.At(2, 1), kWhite);
    EXPECT_EQ(to.At(3, 3), kBlue);
    EXPECT_EQ(to.At(4, 4), kWhite);
}

TEST(GdiDrawing, MonochromeBitmapsConvertThroughTheDcColours) {
    // Colour to monochrome: the source's background colour becomes white, the rest black.
    GdiCanvas colour(4, 1, kRed);
    colour.dc.SetPixel(1, 0, kBlue);
    colour.dc.SetBkColor(kRed);
    CDC monoDc;
    monoDc.CreateCompatibleDC(&colour.dc);
    CBitmap mono;
    mono.CreateBitmap(4, 1, 1, 1, nullptr);
    CBitmap* old = monoDc.SelectObject(&mono);
    monoDc.BitBlt(0, 0, 4, 1, &colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(monoDc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(monoDc.GetPixel(1, 0), kBlack);

    // Monochrome to colour: white takes the destination's background colour, black its text colour.
    GdiCanvas target(4, 1);
    target.dc.SetBkColor(RGB(1, 2, 3));
    target.dc.SetTextColor(RGB(4, 5, 6));
    target.dc.BitBlt(0, 0, 4, 1, &monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(target.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(target.At(1, 0), RGB(4, 5, 6));
    monoDc.SelectObject(old);

    // A bitmap compatible with a fresh memory DC is monochrome, as on the platform.
    CDC fresh;
    fresh.CreateCompatibleDC(nullptr);
    CBitmap compatible;
    compatible.CreateCompatibleBitmap(&fresh, 5, 5);
    BITMAP info{};
    compatible.GetBitmap(&info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(colour.Bitmap().GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmWidthBytes, 16);
}

TEST(GdiDrawing, BitmapBitsRoundTrip) {
    const unsigned char bits[] = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0};  // blue, green, red, unused
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 1, 1, 32, bits));
    unsigned char back[8] = {};
    EXPECT_EQ(bitmap.GetBitmapBits(sizeof(back), back), 8u);
    EXPECT_EQ(0, memcmp(bits, back, sizeof(bits)));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0x30, 0x20, 0x10));
    EXPECT_EQ(dc.GetPixel(2, 0), CLR_INVALID);
    dc.SelectObject(old);
    EXPECT_EQ(bitmap.SetBitmapDimension(100, 50), CSize(0, 0));
    EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(100, 50));
}

TEST(GdiDrawing, RasterOperationsOfPens) {
    GdiCanvas canvas(20, 5, RGB(0x12, 0x34, 0x56));
    CDC& dc = canvas.dc;
    CPen pen(PS_SOLID, 1, RGB(0xFF, 0x00, 0x0F));
    CPen* old = dc.SelectObject(&pen);
    dc.SetROP2(R2_XORPEN);
    dc.MoveTo(0, 2);
    dc.LineTo(20, 2);
    EXPECT_EQ(canvas.At(5, 2), RGB(0xED, 0x34, 0x59));
    dc.MoveTo(0, 2);
    dc.LineTo(20, 2);  // drawn twice, XOR leaves nothing
    EXPECT_EQ(canvas.At(5, 2), RGB(0x12, 0x34, 0x56));
    dc.SetROP2(R2_NOT);
    dc.MoveTo(0, 1);
    dc.LineTo(20, 1);
    EXPECT_EQ(canvas.At(5, 1), RGB(0xED, 0xCB, 0xA9));
    dc.SelectObject(old);

    // A focus rectangle inverts every other pixel of its edge; drawn twice it is gone.
    GdiCanvas focus(10, 10);
    const CRect rect(1, 1, 9, 9);
    focus.dc.DrawFocusRect(&rect);
    EXPECT_EQ(focus.At(1, 1), kBlack);
    EXPECT_EQ(focus.At(2, 1), kWhite);
    focus.dc.DrawFocusRect(&rect);
    EXPECT_TRUE(focus.Ink().IsRectNull());
}

TEST(GdiDrawing, RectangleFillsAndEdges) {
    GdiCanvas canvas(20, 20);
    CDC& dc = canvas.dc;
    dc.FillSolidRect(CRect(2, 2, 6, 6), kRed);
    EXPECT_EQ(dc.GetBkColor(), kRed);  // as in the class library
    EXPECT_EQ(canvas.At(5, 5), kRed);
    EXPECT_EQ(canvas.At(6, 6), kWhite);

    dc.Draw3dRect(CRect(8, 8, 14, 14), kBlue, kBlack);
    EXPECT_EQ(canvas.At(8, 8), kBlue);
    EXPECT_EQ(canvas.At(12, 8), kBlue);
    EXPECT_EQ(canvas.At(13, 8), kBlack);
    EXPECT_EQ(canvas.At(13, 13), kBlack);
    EXPECT_EQ(canvas.At(8, 13), kBlack);
    EXPECT_EQ(canvas.At(10, 10), kWhite);

    CBrush hatch(HS_CROSS, kBlack);
    dc.SetBkColor(kRed);
    dc.FrameRect(CRect(0, 14, 6, 20), &hatch);
    dc.FillRect(CRect(8, 16, 16, 20), &hatch);
    EXPECT_EQ(canvas.At(3, 17), kWhite);    // inside the frame
    EXPECT_EQ(canvas.At(8, 16), kBlack);    // the hatch lines every 8 pixels from the origin
    EXPECT_EQ(canvas.At(9, 17), kRed);      // between them, the background colour
}

TEST(GdiDrawing, ClipRegionsLimitDrawing) {
    GdiCanvas canvas(20, 20);
    CDC& dc = canvas.dc;
    CRgn left, right, both;
    left.CreateRectRgn(0, 0, 10, 20);
    const POINT diamond[] = {{10, 0}, {20, 10}, {10, 20}, {0, 10}};
    right.CreatePolygonRgn(diamond, 4, ALTERNATE);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_AND), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(8, 10));
    EXPECT_FALSE(both.PtInRegion(12, 10));
    EXPECT_FALSE(both.PtInRegion(1, 1));
    CRect box;
    EXPECT_EQ(both.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 10, 20));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(1, 1));
    EXPECT_FALSE(both.PtInRegion(8, 10));
    EXPECT_EQ(both.CombineRgn(&left, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(both.EqualRgn(&left));

    dc.SelectClipRgn(&right);
    dc.FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(canvas.At(10, 10), kRed);
    EXPECT_EQ(dc.GetPixel(1, 1), CLR_INVALID);  // outside the clip region
    dc.SelectClipRgn(nullptr);
    EXPECT_EQ(canvas.At(1, 1), kWhite);
}

TEST(GdiDrawing, SaveAndRestoreTheState) {
    GdiCanvas canvas(10, 10);
    CDC& dc = canvas.dc;
    const int saved = dc.SaveDC();
    CPen pen(PS_SOLID, 1, kRed);
    dc.SelectObject(&pen);
    dc.SetTextColor(kBlue);
    dc.SetMapMode(MM_LOMETRIC);
    dc.IntersectClipRect(0, 0, 10, -10);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.GetTextColor(), kBlack);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    CRect clip;
    dc.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, 10, 10));
    EXPECT_FALSE(dc.RestoreDC(saved));  // already restored
}

TEST(GdiDrawing, MappingModes) {
    GdiCanvas canvas(100, 100);
    CDC& dc = canvas.dc;
    struct Case {
        int mode;
        CSize windowExt, viewportExt;
        CPoint logical, device;
    } cases[] = {
        {MM_TEXT, {0, 0}, {0, 0}, {7, 9}, {7, 9}},
        {MM_LOMETRIC, {0, 0}, {0, 0}, {254, -127}, {96, 48}},   // 0.1 mm, y up, 96 pixels an inch
        {MM_ANISOTROPIC, {200, 100}, {100, 100}, {50, 20}, {25, 20}},
        {MM_ISOTROPIC, {200, 100}, {100, 100}, {50, 20}, {25, 10}},  // the smaller scale on both axes
    };
    for (const Case& c : cases) {
        dc.SetMapMode(MM_TEXT);
        dc.SetMapMode(c.mode);
        if (c.windowExt.cx) {
            dc.SetWindowExt(c.windowExt);
            dc.SetViewportExt(c.viewportExt);
        }
        CPoint p = c.logical;
        dc.LPtoDP(&p);
        EXPECT_EQ(p, c.device) << c.mode;
        dc.DPtoLP(&p);
        EXPECT_EQ(p, c.logical) << c.mode;
    }
    // Extents are fixed outside the two scalable modes; origins move any mode.
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowExt(5, 5);
    EXPECT_EQ(dc.GetWindowExt(), CSize(1, 1));
    dc.SetViewportOrg(10, 20);
    dc.SetWindowOrg(1, 2);
    CPoint q(1, 2);
    dc.LPtoDP(&q);
    EXPECT_EQ(q, CPoint(10, 20));

    // What is drawn goes through the mapping.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 100);
    dc.SetWindowExt(10, 10);
    dc.SetViewportExt(100, -100);  // ten pixels a unit, y up from the bottom left
    dc.FillSolidRect(1, 1, 2, 2, kRed);
    dc.SetMapMode(MM_TEXT);
    dc.SetViewportOrg(0, 0);
    EXPECT_EQ(canvas.At(15, 85), kRed);
    EXPECT_EQ(canvas.At(15, 95), kWhite);
}

TEST(GdiDrawing, MisuseIsReportedWithADefinedResult) {
    qelt::test::ExpectedMisuses misuses;
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    LOGPEN lp{};
    EXPECT_EQ(GetObject(pen, sizeof(lp), &lp), 0);
    EXPECT_EQ(SelectObject(nullptr, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_FALSE(LineTo(reinterpret_cast<HDC>(0x1234), 1, 1));

    // A bitmap is selected into one DC at a time.
    GdiCanvas a(2, 2), b(2, 2);
    EXPECT_EQ(b.dc.SelectObject(&a.Bitmap()), nullptr);
    // A block transfer needs a source with pixels.
    CDC metafile;
    metafile.Attach(CreateEnhMetaFile(nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(a.dc.BitBlt(0, 0, 2, 2, &metafile, 0, 0, SRCCOPY));
    DeleteEnhMetaFile(CloseEnhMetaFile(metafile.Detach()));
    EXPECT_EQ(misuses.Count(), 6);

    // Deleting a stock object does nothing.
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObject(GetStockObject(WHITE_BRUSH), sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
}

}  // namespace

namespace {

// Regions are kept as bands, so a huge one costs no more than a small one; bitmaps beyond what a
// display would hold are refused.
TEST(GdiDrawing, HugeRegionsAndBitmaps) {
    CRgn huge, small, result;
    huge.CreateRectRgn(-1000000000, -1000000000, 1000000000, 1000000000);
    small.CreateRectRgn(5, 5, 10, 10);
    result.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(result.CombineRgn(&huge, &small, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(result.PtInRegion(-999999999, 999999998));
    EXPECT_FALSE(result.PtInRegion(7, 7));
    GdiCanvas canvas(20, 20);
    canvas.dc.SelectClipRgn(&result);
    canvas.dc.FillSolidRect(0, 0, 20, 20, RGB(255, 0, 0));
    canvas.dc.SelectClipRgn(nullptr);
    EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(7, 7), RGB(255, 255, 255));
    const POINT far[] = {{0, -100000000}, {100000000, 100000000}, {-100000000, 100000000}};
    CRgn triangle;
    EXPECT_TRUE(triangle.CreatePolygonRgn(far, 3, WINDING));
    EXPECT_TRUE(triangle.PtInRegion(0, 0));

    qelt::test::ExpectedMisuses misuses;
    CBitmap tooBig;
    EXPECT_FALSE(tooBig.CreateBitmap(100000, 10, 1, 32, nullptr));
    EXPECT_FALSE(tooBig.CreateBitmap(16000, 16000, 1, 32, nullptr));
    EXPECT_EQ(misuses.Count(), 2);
}

}  // namespace

namespace {

TEST(GdiDrawing, PolygonsWithHolesRoundedCornersChordsAndPatterns) {
    // Two squares, one inside the other, drawn the same way round: the fill mode decides the hole.
    const POINT squares[] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {5, 5}, {15, 5}, {15, 15}, {5, 15}};
    const INT32 counts[] = {4, 4};
    for (int mode : {ALTERNATE, WINDING}) {
        GdiCanvas canvas(30, 30);
        CBrush red(RGB(255, 0, 0));
        CBrush* old = canvas.dc.SelectObject(&red);
        canvas.dc.SelectStockObject(NULL_PEN);
        canvas.dc.SetPolyFillMode(mode);
        canvas.dc.PolyPolygon(squares, counts, 2);
        canvas.dc.SelectObject(old);
        EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 0)) << mode;
        EXPECT_EQ(canvas.At(10, 10), mode == WINDING ? RGB(255, 0, 0) : RGB(255, 255, 255)) << mode;
    }

    GdiCanvas canvas(60, 30);
    CDC& dc = canvas.dc;
    dc.RoundRect(0, 0, 20, 20, 10, 10);
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));  // the corner is cut off
    EXPECT_EQ(canvas.At(0, 10), RGB(0, 0, 0));
    // A chord across the top half of a circle: filled above its straight edge only.
    CBrush blue(RGB(0, 0, 255));
    CBrush* old = dc.SelectObject(&blue);
    dc.Chord(30, 0, 51, 21, 60, 10, 20, 10);
    EXPECT_EQ(canvas.At(40, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(40, 15), RGB(255, 255, 255));
    // ArcTo draws from the current position and leaves it at the arc's end.
    dc.MoveTo(0, 25);
    dc.ArcTo(30, 0, 51, 21, 60, 10, 20, 10);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(30, 10));
    // PatBlt with a hatched brush: the background colour between the hatch lines.
    CBrush hatch(HS_VERTICAL, RGB(0, 0, 0));
    dc.SelectObject(&hatch);
    dc.SetBkColor(RGB(0, 255, 0));
    EXPECT_TRUE(dc.PatBlt(0, 22, 16, 8, PATCOPY));
    EXPECT_EQ(canvas.At(8, 25), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(9, 25), RGB(0, 255, 0));
    qelt::test::ExpectedMisuses misuses;
    EXPECT_FALSE(dc.PatBlt(0, 0, 5, 5, SRCCOPY));  // needs a source
    EXPECT_EQ(misuses.Count(), 1);
    dc.SelectObject(old);
}

}  // namespace
