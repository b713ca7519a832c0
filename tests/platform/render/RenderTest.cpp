#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <string>

#include "ExpectedMisuses.h"
#include "mfc/gdi/DC.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/Wnd.h"
#include "render/Render.h"

namespace {

const int kWidth = 384, kHeight = 240;  // 10160 x 6350 hundredths of a millimetre
const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 255);
const COLORREF kCyan = RGB(0, 255, 255), kMagenta = RGB(255, 0, 255), kWhite = RGB(255, 255, 255);
const char kText[] = "受弯构件";

// A picture with all kinds of drawing: lines of two widths, a filled polygon, an arc, a rectangle
// outline, Chinese text straight and rotated, and a bitmap blitted with SRCAND onto cyan.
void DrawScene(CDC& dc, CDC& sprite) {
    dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    CPen thin(PS_SOLID, 1, RGB(0, 0, 0)), thick(PS_SOLID, 2, kRed), arcPen(PS_SOLID, 2, kBlue);
    CPen* oldPen = dc.SelectObject(&thin);
    dc.MoveTo(10, 10);
    dc.LineTo(150, 10);
    dc.SelectObject(&thick);
    dc.MoveTo(10, 20);
    dc.LineTo(150, 20);

    CBrush green(kGreen);
    CBrush* oldBrush = dc.SelectObject(&green);
    dc.SelectObject(&thin);
    const POINT triangle[] = {{10, 40}, {80, 40}, {45, 100}};
    dc.Polygon(triangle, 3);

    dc.SelectObject(&arcPen);
    dc.Arc(100, 40, 181, 121, 190, 80, 90, 80);  // the upper half

    dc.SelectObject(&thin);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(200, 10, 300, 60);

    LOGFONT lf{};
    lf.lfHeight = -20;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "宋体");
    CFont straight, rotated;
    straight.CreateFontIndirect(&lf);
    lf.lfEscapement = 900;
    rotated.CreateFontIndirect(&lf);
    CFont* oldFont = dc.SelectObject(&straight);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(10, 120, kText);
    dc.SelectObject(&rotated);
    dc.TextOut(340, 220, kText);
    dc.SelectObject(oldFont);

    dc.FillSolidRect(200, 100, 60, 50, kCyan);
    dc.BitBlt(210, 110, 40, 30, &sprite, 0, 0, SRCAND);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

struct Image {
    explicit Image(const std::string& png) {
        struct Reader {
            const std::string* bytes;
            size_t at;
        } reader{&png, 0};
        surface = cairo_image_surface_create_from_png_stream(
            [](void* closure, unsigned char* data, unsigned int length) {
                auto* r = static_cast<Reader*>(closure);
                if (r->at + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
                std::memcpy(data, r->bytes->data() + r->at, length);
                r->at += length;
                return CAIRO_STATUS_SUCCESS;
            },
            &reader);
    }
    ~Image() { cairo_surface_destroy(surface); }
    bool Ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(surface); }
    int Height() const { return cairo_image_surface_get_height(surface); }
    COLORREF At(int x, int y) const {
        const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                                 y * cairo_image_surface_get_stride(surface));
        const std::uint32_t p = row[x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // The box of the pixels in an area that are not white.
    CRect Ink(const CRect& area) const {
        CRect box(area.right, area.bottom, area.left, area.top);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (At(x, y) != RGB(255, 255, 255)) {
                    box.left = std::min<long>(box.left, x), box.top = std::min<long>(box.top, y);
                    box.right = std::max<long>(box.right, x + 1), box.bottom = std::max<long>(box.bottom, y + 1);
                }
        return box;
    }
    cairo_surface_t* surface;
};

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class RenderScene : public ::testing::Test {
protected:
    void SetUp() override {
        screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
        // The sprite: white with a magenta square; SRCAND leaves cyan where it is white and makes
        // blue where it is magenta.
        spriteBitmap.CreateCompatibleBitmap(&screen, 40, 30);
        sprite.CreateCompatibleDC(&screen);
        oldSprite = sprite.SelectObject(&spriteBitmap);
        sprite.FillSolidRect(0, 0, 40, 30, kWhite);
        sprite.FillSolidRect(10, 10, 20, 10, kMagenta);

        bitmap.CreateCompatibleBitmap(&screen, kWidth, kHeight);
        memory.CreateCompatibleDC(&screen);
        oldBitmap = memory.SelectObject(&bitmap);
        DrawScene(memory, sprite);
        memory.SelectObject(oldBitmap);

        const RECT frame{0, 0, 10160, 6350};
        CMetaFileDC meta;
        meta.CreateEnhanced(nullptr, nullptr, &frame, nullptr);
        DrawScene(meta, sprite);
        metafile = meta.CloseEnhanced();
    }
    void TearDown() override {
        sprite.SelectObject(oldSprite);
        DeleteEnhMetaFile(metafile);
    }

    // Saved beside the test's temporary files so that a person can look at them.
    void Save(const std::string& name, const std::string& bytes) {
        std::string error;
        EXPECT_TRUE(qelt::render::WriteFile(::testing::TempDir() + name, bytes, &error)) << error;
    }

    void CheckScene(const Image& image) {
        ASSERT_TRUE(image.Ok());
        ASSERT_EQ(image.Width(), kWidth);
        ASSERT_EQ(image.Height(), kHeight);
        EXPECT_EQ(image.At(50, 10), RGB(0, 0, 0));
        EXPECT_EQ(image.At(50, 9), kWhite);
        EXPECT_EQ(image.At(50, 11), kWhite);
        EXPECT_EQ(image.Ink(CRect(40, 16, 60, 24)).Height(), 2);  // the two-pixel line
        EXPECT_EQ(image.At(50, 20), kRed);
        EXPECT_EQ(image.At(45, 60), kGreen);                       // inside the triangle
        EXPECT_EQ(image.At(10, 40), RGB(0, 0, 0));                 // its outline
        EXPECT_EQ(image.At(140, 45), kWhite);                      // inside the arc
        const CRect arc = image.Ink(CRect(95, 35, 190, 125));     // the upper half of the ellipse
        EXPECT_NEAR(arc.left, 100, 1);
        EXPECT_NEAR(arc.top, 40, 1);
        EXPECT_NEAR(arc.right, 181, 1);
        EXPECT_NEAR(arc.bottom, 81, 1);
        EXPECT_EQ(image.At(200, 30), RGB(0, 0, 0));                // the rectangle's left edge
        EXPECT_EQ(image.At(250, 30), kWhite);                      // its inside
        EXPECT_EQ(image.At(205, 105), kCyan);                      // around the blitted bitmap
        EXPECT_EQ(image.At(215, 115), kCyan);                      // its white part
        EXPECT_EQ(image.At(230, 125), kBlue);                      // its magenta square AND cyan
    }

    CDC screen, sprite, memory;
    CBitmap spriteBitmap, bitmap;
    CBitmap* oldSprite = nullptr;
    CBitmap* oldBitmap = nullptr;
    HENHMETAFILE metafile = nullptr;
};

TEST_F(RenderScene, MemoryDcAndMetafileGiveTheSamePicture) {
    const std::string fromBitmap = qelt::render::BitmapToPng(bitmap);
    const std::string fromMetafile = qelt::render::MetafileToPng(metafile, kWidth, kHeight);
    Save("scene-bitmap.png", fromBitmap);
    Save("scene-metafile.png", fromMetafile);
    CheckScene(Image(fromBitmap));
    CheckScene(Image(fromMetafile));
    EXPECT_EQ(fromBitmap, fromMetafile);
    EXPECT_EQ(fromMetafile, qelt::render::MetafileToPng(metafile, 0, 0));  // the frame's own size
}

TEST_F(RenderScene, TextLiesWithinItsExtent) {
    CFont font;
    LOGFONT lf{};
    lf.lfHeight = -20;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "宋体");
    font.CreateFontIndirect(&lf);
    CFont* old = screen.SelectObject(&font);
    const CSize extent = screen.GetTextExtent(kText);
    screen.SelectObject(old);
    const Image image(qelt::render::BitmapToPng(bitmap));
    const CRect straight = image.Ink(CRect(0, 110, 190, 160));
    EXPECT_GE(straight.left, 10);
    EXPECT_LE(straight.right, 10 + extent.cx);
    EXPECT_GE(straight.top, 120);
    EXPECT_LE(straight.bottom, 120 + extent.cy);
    EXPECT_GT(straight.Width(), extent.cx * 8 / 10);
    // Rotated a quarter turn: read upwards from (340, 220).
    const CRect rotated = image.Ink(CRect(300, 100, kWidth, kHeight));
    EXPECT_GE(rotated.left, 339);
    EXPECT_LE(rotated.right, 341 + extent.cy);
    EXPECT_GE(rotated.top, 220 - extent.cx - 1);
    EXPECT_LE(rotated.bottom, 221);
    EXPECT_GT(rotated.Height(), extent.cx * 8 / 10);
}

TEST_F(RenderScene, ScaledPlayback) {
    const Image half(qelt::render::MetafileToPng(metafile, kWidth / 2, kHeight / 2));
    ASSERT_TRUE(half.Ok());
    EXPECT_EQ(half.Width(), kWidth / 2);
    EXPECT_EQ(half.At(22, 30), kGreen);   // the triangle, halved
    EXPECT_EQ(half.At(115, 62), kBlue);   // the blitted square, halved
    EXPECT_EQ(half.At(102, 52), kCyan);
}

TEST_F(RenderScene, VectorPictures) {
    const std::string fromBitmap = qelt::render::RenderBitmap(bitmap, qelt::render::Format::Svg);
    const std::string fromMetafile = qelt::render::RenderMetafile(metafile, 0, 0, qelt::render::Format::Svg);
    Save("scene-bitmap.svg", fromBitmap);
    Save("scene-metafile.svg", fromMetafile);
    for (const std::string& svg : {fromBitmap, fromMetafile}) {
        EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
        EXPECT_NE(svg.find("width=\"384px\" height=\"240px\""), std::string::npos);
        // Lines, polygon, arc, rectangle and fills are paths; the blitted bitmap is an image;
        // the eight characters of text are glyphs.
        EXPECT_GE(Count(svg, "<path"), 7u);
        EXPECT_GE(Count(svg, "<image"), 1u);
        EXPECT_GE(Count(svg, "xlink:href=\"#glyph"), 8u);
        EXPECT_NE(svg.find("rgb(100%,0%,0%)"), std::string::npos);  // the red line
    }
    // The same drawing always gives the same picture.
    EXPECT_EQ(fromMetafile, qelt::render::RenderMetafile(metafile, 0, 0, qelt::render::Format::Svg));
}

TEST(Render, RefusesWhatIsNotAPicture) {
    qelt::test::ExpectedMisuses misuses;
    EXPECT_TRUE(qelt::render::BitmapToPng(reinterpret_cast<HBITMAP>(0x42)).empty());
    EXPECT_TRUE(qelt::render::MetafileToPng(reinterpret_cast<HENHMETAFILE>(0x42), 10, 10).empty());
    CMetaFileDC meta;
    meta.CreateEnhanced(nullptr, nullptr, nullptr, nullptr);
    HENHMETAFILE empty = meta.CloseEnhanced();
    EXPECT_TRUE(qelt::render::MetafileToPng(empty, 0, 0).empty());  // nothing drawn, no size given
    EXPECT_FALSE(qelt::render::MetafileToPng(empty, 5, 5).empty());
    DeleteEnhMetaFile(empty);
    EXPECT_EQ(misuses.Count(), 3);
    std::string error;
    EXPECT_FALSE(qelt::render::WriteFile("/nonexistent/dir/x.png", "x", &error));
    EXPECT_NE(error.find("/nonexistent/dir/x.png"), std::string::npos);
}

}  // namespace

namespace {

TEST(Render, WhatWasDrawnInAWindow) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "w", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 30), nullptr, 0));
    {
        CClientDC dc(&window);
        dc.FillSolidRect(10, 10, 10, 10, RGB(255, 0, 0));
    }
    const std::string png = qelt::render::RenderWindow(window, qelt::render::Format::Png);
    window.DestroyWindow();
    const Image image(png);
    ASSERT_TRUE(image.Ok());
    EXPECT_EQ(image.Width(), 40);
    EXPECT_EQ(image.At(15, 15), RGB(255, 0, 0));
    EXPECT_EQ(image.At(5, 5), RGB(255, 255, 255));
    qelt::test::ExpectedMisuses misuses;
    EXPECT_TRUE(qelt::render::RenderWindow(window.GetSafeHwnd(), qelt::render::Format::Png).empty());
    EXPECT_EQ(misuses.Count(), 1);
}

}  // namespace
