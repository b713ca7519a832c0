#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"

namespace {

COLORREF PixelOf(CBitmap& bitmap, int x, int y) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    const COLORREF c = dc.GetPixel(x, y);
    dc.SelectObject(old);
    return c;
}

TEST(GdiResource, BitmapsOfTheResourceScript) {
    CBitmap bmp, png;
    ASSERT_TRUE(bmp.LoadBitmap(9101));
    BITMAP info{};
    bmp.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(PixelOf(bmp, 0, 0), RGB(0, 0, 255));  // the file's rows run bottom-up
    EXPECT_EQ(PixelOf(bmp, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(bmp, 0, 1), RGB(255, 0, 0));
    ASSERT_TRUE(png.LoadBitmap(MAKEINTRESOURCE(9102)));
    EXPECT_EQ(PixelOf(png, 0, 0), RGB(255, 0, 255));
    EXPECT_EQ(PixelOf(png, 1, 0), RGB(0, 255, 255));

    qelt::test::ExpectedMisuses misuses;
    CBitmap broken, missing;
    EXPECT_FALSE(broken.LoadBitmap(9103));
    EXPECT_FALSE(missing.LoadBitmap(9999));
    EXPECT_EQ(broken.m_hObject, nullptr);
    EXPECT_EQ(misuses.Count(), 2);
}

}  // namespace
