// The slab view: the fit of the transform (positions worked by hand), zoom and pan, and which layers
// each picture shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "SlabDrawingFixture.h"
#include "slab/irregular/BoardDraw.h"

namespace {

using slabtest::P;
using slabtest::Polyline;

const COLORREF kMagenta = 0xFF00FF;
const COLORREF kYellow = 0x00FFFF;
const COLORREF kRed = 0x0000FF;
const COLORREF kWhite = 0xFFFFFF;

void ExpectDevice(const AcGePoint3d& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 0.01);
    EXPECT_NEAR(p.y, y, 0.01);
}

class BoardDrawTest : public testing::Test {
protected:
    BoardDrawTest()
    {
        param.SetDefaultData();
        param.m_BoardData.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(12000, 0), P(12000, 8000), P(0, 8000)});
        param.m_BoardData.m_HasBoard = 1;
    }

    // The pixels of a colour, each channel within `tolerance` of it (antialiased text covers few
    // pixels wholly).
    int Count(COLORREF color, int tolerance = 0) const
    {
        int count = 0;
        for (int y = 0; y < 500; ++y)
            for (int x = 0; x < 500; ++x) {
                const COLORREF c = view.m_canvas.m_pMemDC->GetPixel(x, y);
                count += std::abs(GetRValue(c) - GetRValue(color)) <= tolerance &&
                                 std::abs(GetGValue(c) - GetGValue(color)) <= tolerance &&
                                 std::abs(GetBValue(c) - GetBValue(color)) <= tolerance
                             ? 1
                             : 0;
            }
        return count;
    }

    CAtypicalBoardParam param;
    CBoardDraw view;
};

// 12000 x 8000 mm in a client area 600 pixels high: e = 12000, e2 = 15600, scale 600 / 15600; the
// lower-left corner at (1800, 13800) * scale, the upper-right at (13800, 5800) * scale.
TEST_F(BoardDrawTest, FitToWindowSizesBySlabAndClientHeight)
{
    CWnd window;
    window.CreateEx(0, NULL, "QELT", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), NULL, 0);
    view.FitToWindow(&window, &param);
    const double scale = 600.0 / 15600.0;
    ExpectDevice(view.WorldToDevice(P(0, 0)), 1800 * scale, 13800 * scale);
    ExpectDevice(view.WorldToDevice(P(12000, 8000)), 13800 * scale, 5800 * scale);
    EXPECT_NEAR(view.DeviceLength(200.0), 200 * scale, 1e-9);
    EXPECT_EQ(view.m_canvas.m_rcCanvas, CRect(0, 0, 800, 600));
    // A pan by (30, -20) pixels moves every point by as much.
    view.SetPicture(-1);
    view.Pan(100, 100, 130, 80);
    ExpectDevice(view.WorldToDevice(P(0, 0)), 1800 * scale + 30, 13800 * scale - 20);
    window.DestroyWindow();
}

// In 500 x 500: e2 = 14400, scale 500 / 14400; x from 41.7 to 458.3, y from 180.6 to 458.3.
TEST_F(BoardDrawTest, SetupPlacesTheSlabInTheReportSquare)
{
    view.Setup(CRect(0, 0, 500, 500), &param);
    ExpectDevice(view.WorldToDevice(P(0, 0)), 1200.0 * 500 / 14400, 13200.0 * 500 / 14400);
    ExpectDevice(view.WorldToDevice(P(12000, 8000)), 13200.0 * 500 / 14400, 5200.0 * 500 / 14400);
}

// Without an outline, or with one that spans less than 1 mm, the picture spans 10000 mm from the
// origin at the bottom-left corner.
TEST_F(BoardDrawTest, DegenerateOutlineKeepsTheDefaultFit)
{
    for (int hasBoard : {0, 1}) {
        param.m_BoardData.m_HasBoard = hasBoard;
        param.m_BoardData.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(5, 5), P(5.5, 5), P(5.5, 5.5)});
        view.Setup(CRect(0, 0, 500, 500), &param);
        ExpectDevice(view.WorldToDevice(P(0, 0)), 0.0, 500.0);
        ExpectDevice(view.WorldToDevice(P(10000, 10000)), 500.0, 0.0);
    }
}

TEST_F(BoardDrawTest, DeviceAndWorldRoundTripAndZoomUndoes)
{
    view.Setup(CRect(0, 0, 500, 500), &param);
    view.ZoomAt(10.0 / 9.0, 123, 321);
    ExpectDevice(view.WorldToDevice(view.DeviceToWorld(77, 401)), 77, 401);
    const AcGePoint3d corner = view.WorldToDevice(P(12000, 0));
    // The zoom centre stays in place.
    const AcGePoint3d centre = view.DeviceToWorld(123, 321);
    view.ZoomAt(0.9, 123, 321);
    ExpectDevice(view.WorldToDevice(centre), 123, 321);
    ExpectDevice(view.WorldToDevice(P(12000, 0)), 13200.0 * 500 / 14400, 13200.0 * 500 / 14400);
    EXPECT_NE(corner.x, view.WorldToDevice(P(12000, 0)).x);
}

// Holes show in every picture, in the colour of their support (a free hole magenta on screen); a
// result text only in its own picture (white); a result line of kind 3 yellow, in print mode too.
TEST_F(BoardDrawTest, EachPictureShowsItsLayers)
{
    CBoardData& data = param.m_BoardData;
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(2000, 2000), P(4000, 2000), P(4000, 3000)}));
    data.m_ResultTexts.Add(CBoardResultText("12.5", 300.0, 0x123456, P(6000, 4000), P(8000, 4000), 1, 1, 2));
    CBoardResultLine line;
    line.SetStartPoint(P(1000, 7000));
    line.SetEndPoint(P(11000, 7000));
    line.SetKind(3);
    line.SetColor(0x123456);
    data.m_ResultLines.Add(line);
    view.Setup(CRect(0, 0, 500, 500), &param);
    struct Row {
        int picture;
        bool holes, text, line;
    } rows[] = {{-1, true, false, false}, {0, true, false, false}, {1, true, false, false},
                {2, true, true, false},   {3, true, false, true},  {6, true, false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.picture);
        view.SetPicture(row.picture);
        view.DrawAll();
        EXPECT_EQ(Count(kMagenta) > 0, row.holes);
        EXPECT_EQ(Count(kWhite, 64) > 0, row.text);
        EXPECT_EQ(Count(kYellow) > 50, row.line);  // vertex numbers are yellow too, but small
    }
    view.m_canvas.m_bPrint = 1;
    view.m_canvas.SetBackColor(kWhite);
    view.SetPicture(3);
    view.DrawAll();
    EXPECT_GT(Count(kYellow), 300);
}

// A corner column is a red disc 200 mm across at its vertex, at a middle vertex and at the last one.
// A slab of 1200 x 800 mm with free (magenta) edges makes the discs large.
TEST_F(BoardDrawTest, ColumnDiscsAreTwoHundredMillimetresAcross)
{
    param.m_BoardData.m_BoardPoly = Polyline(BOARD_OUTLINE, 2, {P(0, 0), P(1200, 0), P(1200, 800), P(0, 800)});
    param.m_BoardData.m_BoardPoly.SetHasColu(1, 1);
    param.m_BoardData.m_BoardPoly.SetHasColu(3, 1);
    view.Setup(CRect(0, 0, 500, 500), &param);
    view.SetPicture(-1);
    view.DrawAll();
    const double s = view.DeviceLength(200.0);
    for (const AcGePoint3d& world : {P(1200, 0), P(0, 800)}) {
        const AcGePoint3d c = view.WorldToDevice(world);
        EXPECT_EQ(view.m_canvas.m_pMemDC->GetPixel(int(c.x - 0.45 * s), int(c.y)), kRed);
        EXPECT_EQ(view.m_canvas.m_pMemDC->GetPixel(int(c.x), int(c.y - 0.45 * s)), kRed);
        EXPECT_NE(view.m_canvas.m_pMemDC->GetPixel(int(c.x), int(c.y - 0.55 * s)), kRed);
    }
    const AcGePoint3d plain = view.WorldToDevice(P(0, 0));
    EXPECT_NE(view.m_canvas.m_pMemDC->GetPixel(int(plain.x), int(plain.y - 0.45 * s)), kRed);
}

// The marks of the design strips show on the result pictures only: on an input page (-1) they
// would read as point loads. A result label on the screen is at least 12 pixels high, however
// large the slab (a 300 mm text on a 120 m slab would be about 1 pixel).
TEST_F(BoardDrawTest, StripMarksOnResultPicturesAndReadableLabels)
{
    CBoardData& data = param.m_BoardData;
    CBoardResultPoint mark;
    mark.SetPoint(P(6000, 4000));
    mark.SetSize(1000.0);
    data.m_ResultPoints.Add(mark);
    view.Setup(CRect(0, 0, 500, 500), &param);
    for (int picture : {-1, 0, 2}) {
        SCOPED_TRACE(picture);
        view.SetPicture(picture);
        view.DrawAll();
        EXPECT_EQ(Count(kWhite) > 0, picture >= 0);
    }
    data.m_ResultPoints.RemoveAll();
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 1, {P(0, 0), P(120000, 0), P(120000, 80000), P(0, 80000)});
    data.m_ResultTexts.Add(CBoardResultText("M=12.50", 300.0, 0xFFFFFF, P(60000, 40000), P(50000, 40000), 1, 1, 2));
    view.Setup(CRect(0, 0, 500, 500), &param);
    view.SetPicture(2);
    view.DrawAll();
    int top = 500, bottom = -1;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x)
            if (GetGValue(view.m_canvas.m_pMemDC->GetPixel(x, y)) > 128) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_GE(bottom - top + 1, 8);  // the ink of digits in a 12-pixel cell
}

}  // namespace
