#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);

// A 10 x 10 red square at (10, 10) in a metafile; without a frame the picture is what was drawn.
HENHMETAFILE RedSquare(const RECT* frame) {
    CMetaFileDC meta;
    EXPECT_TRUE(meta.CreateEnhanced(nullptr, nullptr, frame, nullptr));
    meta.FillSolidRect(10, 10, 10, 10, kRed);
    return meta.CloseEnhanced();
}

TEST(GdiMetafile, PlayedIntoARectangle) {
    HENHMETAFILE picture = RedSquare(nullptr);
    ASSERT_NE(picture, nullptr);
    GdiCanvas canvas(100, 100);
    EXPECT_TRUE(canvas.dc.PlayMetaFile(picture, CRect(20, 20, 60, 40)));
    EXPECT_EQ(canvas.Ink(), CRect(20, 20, 60, 40));  // the square's frame stretched onto the rectangle
    EXPECT_EQ(canvas.At(30, 30), kRed);

    // A copy shares the picture and outlives the original.
    HENHMETAFILE copy = CopyEnhMetaFile(picture, nullptr);
    EXPECT_TRUE(DeleteEnhMetaFile(picture));
    GdiCanvas again(10, 10);
    EXPECT_TRUE(again.dc.PlayMetaFile(copy, CRect(0, 0, 10, 10)));
    EXPECT_EQ(again.At(5, 5), kRed);
    EXPECT_TRUE(DeleteEnhMetaFile(copy));

    qelt::test::ExpectedMisuses misuses;
    EXPECT_FALSE(again.dc.PlayMetaFile(copy, CRect(0, 0, 10, 10)));
    EXPECT_FALSE(DeleteEnhMetaFile(copy));
    EXPECT_EQ(misuses.Count(), 2);
}

TEST(GdiMetafile, FrameGivenInHundredthsOfAMillimetre) {
    // A frame of 40 x 40 pixels (1058 hundredths of a millimetre at 96 pixels an inch).
    const RECT frame{0, 0, 1058, 1058};
    HENHMETAFILE picture = RedSquare(&frame);
    GdiCanvas canvas(80, 80);
    canvas.dc.PlayMetaFile(picture, CRect(0, 0, 80, 80));
    EXPECT_EQ(canvas.Ink(), CRect(20, 20, 40, 40));
    DeleteEnhMetaFile(picture);
}

TEST(GdiMetafile, ClippedAndMappedRecordsKeepTheirPlace) {
    CMetaFileDC meta;
    meta.CreateEnhanced(nullptr, nullptr, nullptr, nullptr);
    meta.SetMapMode(MM_ANISOTROPIC);
    meta.SetWindowExt(1, 1);
    meta.SetViewportExt(2, 2);  // two pixels a unit
    meta.FillSolidRect(0, 0, 10, 10, kWhite);
    meta.IntersectClipRect(0, 0, 5, 10);
    meta.FillSolidRect(0, 0, 10, 10, kRed);
    HENHMETAFILE picture = meta.CloseEnhanced();
    GdiCanvas canvas(40, 40, RGB(0, 0, 0));
    canvas.dc.PlayMetaFile(picture, CRect(0, 0, 20, 20));
    EXPECT_EQ(canvas.At(4, 10), kRed);
    EXPECT_EQ(canvas.At(15, 10), kWhite);  // clipped away in the picture
    EXPECT_EQ(canvas.At(25, 10), RGB(0, 0, 0));
    DeleteEnhMetaFile(picture);
}

}  // namespace
