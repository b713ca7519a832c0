#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "host/QeltPath.h"
#include "host/WndSlide.h"
#include "render/Render.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// A white bitmap in a memory device context.
struct Canvas {
    Canvas(int width, int height) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kWhite);
    }
    ~Canvas() { dc.SelectObject(old); }

    // True when a black pixel lies within two pixels of point.
    bool InkNear(CPoint point) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (dc.GetPixel(point.x + dx, point.y + dy) == kBlack) return true;
        return false;
    }

    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

CString Library() { return gVusk_GetQeltPath(2) + "Vusk10Dll.slb"; }

TEST(WndSlide, SectionSlidesAreDrawnFittedIntoTheBorder) {
    struct Case {
        const char* slide;
        double outlineX, outlineY;  // a corner of the section's outline, in world units
        double insideX, insideY;    // a point inside the concrete, clear of bars and stirrup
    } cases[] = {
        {"STLCNFLEXNORMAL_RECT", 250, 500, 125, 300},
        {"STLCNFLEXNORMAL_T", 600, 480, 100, 540},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slide);
        Canvas canvas(300, 360);
        CWndSlide slide;
        slide.SetDC(&canvas.dc);
        CRect border(10, 10, 290, 350);
        ASSERT_TRUE(slide.ShowSlideWnd(Library(), c.slide, border));

        // The slide's world window is now the window's, fitted evenly: the wider of the two
        // directions fills the border.
        const CWorRect& world = slide.GetWorldExt();
        double scale = slide.GetScale(border);
        EXPECT_TRUE(std::abs(world.Width() * scale - border.Width()) < 1e-9 ||
                    std::abs(world.Height() * scale - border.Height()) < 1e-9);

        EXPECT_TRUE(canvas.InkNear(slide.WorldToLogic(c.outlineX, c.outlineY, border)));
        CPoint inside = slide.WorldToLogic(c.insideX, c.insideY, border);
        EXPECT_EQ(canvas.dc.GetPixel(inside.x, inside.y), kWhite);
        EXPECT_EQ(canvas.dc.GetPixel(2, 2), kWhite) << "nothing outside the border";

        std::string error;
        std::string path = ::testing::TempDir() + c.slide + ".png";
        EXPECT_TRUE(qelt::render::WriteFile(path, qelt::render::BitmapToPng(canvas.bitmap), &error)) << error;
    }
}

TEST(WndSlide, CopyKeepsTheWorldWindow) {
    Canvas canvas(100, 100);
    CWndSlide page;
    page.SetDC(&canvas.dc);
    page.SetLogicBorder(CLogRect(0, 0, 100, 100));
    EXPECT_EQ(page.GetWorldExt().Width(), 1.0) << "the unit square until a slide is shown";
    ASSERT_TRUE(page.ShowSlide(Library(), "STLCNFLEXNORMAL_T"));

    CWndSlide report;
    report = page;
    EXPECT_EQ(report.GetWorldExt().Width(), page.GetWorldExt().Width());
    EXPECT_EQ(report.GetWorldExt().Height(), page.GetWorldExt().Height());
    EXPECT_EQ(report.GetLogicBorder(), page.GetLogicBorder());
}

TEST(WndSlide, NothingIsDrawnWithoutSlideOrDeviceContext) {
    Canvas canvas(50, 50);
    CWndSlide slide;
    {
        qelt::test::ExpectedMisuses misuses;
        EXPECT_FALSE(slide.ShowSlide(Library(), "STLCNFLEXNORMAL_RECT")) << "no device context";
        EXPECT_EQ(misuses.Count(), 1);
    }
    slide.SetDC(&canvas.dc);
    slide.SetLogicBorder(CLogRect(0, 0, 50, 50));
    canvas.dc.FillSolidRect(0, 0, 50, 50, RGB(1, 2, 3));
    EXPECT_FALSE(slide.ShowSlide(Library(), "NO_SUCH_SLIDE"));
    EXPECT_FALSE(slide.ShowSlide(gVusk_GetQeltPath(2) + "missing.slb", "STLCNFLEXNORMAL_RECT"));
    EXPECT_EQ(canvas.dc.GetPixel(25, 25), RGB(1, 2, 3));

    // A picture keeps what its owner drew; a window is cleared to white first.
    slide.m_bDrawToPicture = 1;
    ASSERT_TRUE(slide.ShowSlide(Library(), "STLCNFLEXNORMAL_RECT"));
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), RGB(1, 2, 3));
    slide.m_bDrawToPicture = 0;
    ASSERT_TRUE(slide.ShowSlide(Library(), "STLCNFLEXNORMAL_RECT"));
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kWhite);
}

}  // namespace
