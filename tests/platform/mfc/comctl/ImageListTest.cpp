#include <gtest/gtest.h>

#include <vector>

#include "ExpectedMisuses.h"
#include "mfc/Afx.h"
#include "mfc/comctl/ImageList.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGrey = RGB(128, 128, 128);

// A strip of 4 × 4 images, one colour each, whose left column is the mask colour (magenta).
void MakeStrip(CBitmap& bitmap, const std::vector<COLORREF>& colours) {
    const int width = 4 * static_cast<int>(colours.size());
    std::vector<unsigned char> bits(static_cast<size_t>(width) * 4 * 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = (x % 4 == 0) ? kMagenta : colours[static_cast<size_t>(x / 4)];
            unsigned char* p = &bits[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    }
    ASSERT_TRUE(bitmap.CreateBitmap(width, 4, 1, 32, bits.data()));
}

// A memory DC over a 10 × 4 grey bitmap.
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    Canvas() {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(10, 4, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        CRect all(0, 0, 10, 4);
        dc.FillSolidRect(&all, kGrey);
    }
    ~Canvas() { dc.SelectObject(old); }
};

TEST(ImageList, MaskedImagesDrawOverTheBackgroundAndKeepTheirOrderWhenOneIsRemoved) {
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 4));
    CBitmap strip;
    MakeStrip(strip, {kRed, kBlue});
    EXPECT_EQ(list.Add(&strip, kMagenta), 0);
    EXPECT_EQ(list.GetImageCount(), 2);

    IMAGEINFO info;
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(CRect(info.rcImage), CRect(4, 0, 8, 4));
    EXPECT_NE(info.hbmMask, nullptr);

    {
        Canvas canvas;
        ASSERT_TRUE(list.Draw(&canvas.dc, 1, CPoint(5, 0), ILD_TRANSPARENT));
        EXPECT_EQ(canvas.dc.GetPixel(5, 1), kGrey);  // the mask colour lets the canvas through
        EXPECT_EQ(canvas.dc.GetPixel(6, 1), kBlue);
        EXPECT_EQ(canvas.dc.GetPixel(0, 1), kGrey);  // nothing outside the image
    }

    ASSERT_TRUE(list.Remove(0));
    EXPECT_EQ(list.GetImageCount(), 1);
    Canvas canvas;
    ASSERT_TRUE(list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(canvas.dc.GetPixel(1, 1), kBlue);
    EXPECT_EQ(canvas.dc.GetPixel(0, 1), kGrey);  // background CLR_NONE: drawn transparently
}

TEST(ImageList, BackgroundColourAndBlending) {
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1));
    CBitmap strip;
    MakeStrip(strip, {kRed});
    ASSERT_EQ(list.Add(&strip, kMagenta), 0);

    EXPECT_EQ(list.SetBkColor(RGB(0, 255, 0)), CLR_NONE);
    Canvas opaque;
    list.Draw(&opaque.dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(opaque.dc.GetPixel(0, 0), RGB(0, 255, 0));  // transparent pixels take the background

    Canvas blended;
    list.Draw(&blended.dc, 0, CPoint(0, 0), ILD_TRANSPARENT | ILD_BLEND50);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(blended.dc.GetPixel(1, 1), RGB((255 + GetRValue(highlight)) / 2, GetGValue(highlight) / 2,
                                             GetBValue(highlight) / 2));
    EXPECT_EQ(blended.dc.GetPixel(0, 1), kGrey);
}

TEST(ImageList, UnmaskedListsCopyTheImage) {
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32, 1, 1));
    CBitmap strip;
    MakeStrip(strip, {kRed});
    ASSERT_EQ(list.Add(&strip, static_cast<CBitmap*>(nullptr)), 0);
    Canvas canvas;
    list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kMagenta);
    EXPECT_EQ(canvas.dc.GetPixel(1, 0), kRed);
}

TEST(ImageList, MisuseFailsWithADiagnostic) {
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR32, 1, 1));
    CBitmap narrow;
    ASSERT_TRUE(narrow.CreateBitmap(4, 8, 1, 32, nullptr));
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(list.Add(&narrow, static_cast<CBitmap*>(nullptr)), -1);  // narrower than one image
    EXPECT_FALSE(list.Remove(0));
    IMAGEINFO info;
    EXPECT_FALSE(list.GetImageInfo(3, &info));
    EXPECT_EQ(misuses.Count(), 3);
    EXPECT_EQ(list.GetImageCount(), 0);
}

TEST(ImageList, TemporaryObjectsStandForHandlesUntilTheListIsDestroyed) {
    HIMAGELIST handle = ImageList_Create(16, 16, ILC_COLOR32, 0, 1);
    CImageList* temporary = CImageList::FromHandle(handle);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CImageList::FromHandle(handle), temporary);
    CImageList owner;
    ASSERT_TRUE(owner.Attach(handle));
    EXPECT_EQ(CImageList::FromHandle(handle), &owner);
    EXPECT_TRUE(owner.DeleteImageList());
    EXPECT_EQ(owner.GetSafeHandle(), nullptr);
}

}  // namespace
