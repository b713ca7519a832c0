// The drawing canvas: support symbols, print mode, picture-dependent symbols and text placement,
// against pixel positions worked by hand from the symbol rules.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "SlabDrawingFixture.h"
#include "slab/irregular/DrawCanvas.h"

namespace {

using slabtest::CellCentre;
using slabtest::DrawnTexts;

const COLORREF kWhite = 0xFFFFFF;
const COLORREF kBlack = 0x000000;
const COLORREF kRed = 0x0000FF;
const COLORREF kBlue = 0xFF0000;

using slabtest::P;

class CanvasTest : public testing::Test {
protected:
    void SetUp() override { canvas.Create(0, 0, 1100, 400, kWhite); }

    COLORREF At(int x, int y) const { return canvas.m_pMemDC->GetPixel(x, y); }

    // The pixels of one colour in a row.
    int CountInRow(int y, COLORREF color) const {
        int count = 0;
        for (int x = 0; x < 1100; ++x) count += At(x, y) == color ? 1 : 0;
        return count;
    }

    // The smallest box of pixels that are not white, in the given part of the canvas.
    CRect Ink(const CRect& area = CRect(0, 0, 1100, 400)) const {
        CRect box(area.right, area.bottom, area.left, area.top);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (At(x, y) != kWhite) {
                    box.left = std::min<long>(box.left, x), box.top = std::min<long>(box.top, y);
                    box.right = std::max<long>(box.right, x + 1), box.bottom = std::max<long>(box.bottom, y + 1);
                }
        return box.IsRectEmpty() ? CRect() : box;
    }

    CDrawCanvas canvas;
};

// An edge whose far end lies 10⁹ pixels off (a far vertex) draws on the canvas what the same edge
// cut at the canvas draws, ticks and dashes alike: only the symbols that can be seen are drawn, so
// the cost does not grow with the far end's distance. Symbols closer than a pixel are not drawn.
TEST_F(CanvasTest, AFarEdgeDrawsItsVisibleSymbolsOnly) {
    for (int kind = 0; kind < 2; ++kind) {
        SCOPED_TRACE(kind == 0 ? "ticks" : "dashes");
        auto draw = [&](double end) {
            canvas.Clear();
            // From the near end (sign −1: p2) along +x; 1e9 + 20 keeps the steps on the same pixels.
            if (kind == 0)
                canvas.DrawHatch(P(end, 100), P(20, 100), 40.0, -1);
            else
                canvas.DrawDashedOffset(P(end, 100), P(20, 100), 40.0, -1);
            std::vector<COLORREF> pixels;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 1100; ++x) pixels.push_back(At(x, y));
            return pixels;
        };
        const std::vector<COLORREF> cut = draw(1220.0 + 40.0 * 5), far = draw(1e9 + 20.0);
        EXPECT_TRUE(cut == far);
        EXPECT_GT(CountInRow(kind == 0 ? 80 : 60, kind == 0 ? kRed : kBlue), 10);
    }
    canvas.Clear();
    canvas.DrawDashedOffset(P(1e9, 100), P(20, 100), 1e-5, -1);
    canvas.DrawHatch(P(1e9, 100), P(20, 100), 0.5, -1);
    EXPECT_EQ(Ink(), CRect());
}

// A fixed edge 1000 pixels long with s = 40: trunc(1000 / 40) + 1 = 26 ticks, every 40 pixels from
// the end sign +1 chooses (p1), 40 pixels long on the side of (p1 - p2) turned by +90 degrees.
TEST_F(CanvasTest, FixedEdgeTicksStandEverySymbolSizeFromTheChosenEnd) {
    canvas.DrawHatch(P(1020, 100), P(20, 100), 40.0, 1);
    EXPECT_EQ(CountInRow(120, kRed), 26);
    EXPECT_EQ(At(1020, 120), kRed);
    EXPECT_EQ(At(20, 120), kRed);
    EXPECT_EQ(At(1000, 120), kWhite);
    EXPECT_EQ(Ink(), CRect(20, 100, 1021, 140));
}

// A simply supported edge 100 pixels long with s = 40 (count 3): dashes for i = 0 and 2, the second
// ending 20 pixels beyond the far end, 40 pixels off the edge.
TEST_F(CanvasTest, SimplySupportedDashesMayOvershootTheFarEnd) {
    canvas.DrawDashedOffset(P(200, 100), P(100, 100), 40.0, 1);
    EXPECT_EQ(CountInRow(140, kBlue), 80);
    EXPECT_EQ(At(160, 140), kBlue);
    EXPECT_EQ(At(199, 140), kBlue);
    EXPECT_EQ(At(140, 140), kWhite);
    EXPECT_EQ(At(80, 140), kBlue);
    EXPECT_EQ(Ink(), CRect(80, 140, 200, 141));
}

TEST_F(CanvasTest, PrintModeDrawsSymbolsBlackAndKeepsDiscFills) {
    canvas.m_bPrint = 1;
    canvas.SetPicture(-1);
    canvas.DrawSegment(P(300, 100), P(100, 100), 0.0, 1, 20.0, -1);
    canvas.DrawDisc(P(600, 200), 30.0, 0xA0A0A0);
    EXPECT_EQ(At(200, 100), kBlack);
    EXPECT_EQ(At(300, 110), kBlack);  // a tick
    EXPECT_EQ(CountInRow(110, kRed), 0);
    EXPECT_EQ(At(600, 200), 0xA0A0A0u);
    EXPECT_EQ(At(600, 170), kBlack);  // the outline of the disc
}

// Segment type 4 (and any undefined type) has no pen of its own: the black default pen of the
// device context, no symbol; the measured segment draws nothing for it.
TEST_F(CanvasTest, UndefinedTypeIsBlackWithoutSymbol) {
    canvas.SetPicture(-1);
    canvas.DrawSegment(P(100, 100), P(300, 100), 0.0, 4, 20.0, 1);
    EXPECT_EQ(Ink(), CRect(100, 100, 300, 101));
    EXPECT_EQ(At(150, 100), kBlack);
    EXPECT_EQ(canvas.DrawMeasuredSegment(P(100, 300), P(300, 300), 4, 20.0, 1, 200.0), 0);
    EXPECT_EQ(canvas.DrawMeasuredSegment(P(100, 300), P(300, 300), 9, 20.0, 1, 200.0), 0);
    EXPECT_EQ(Ink(CRect(0, 200, 1100, 400)), CRect());
}

// Which pictures show support symbols: straight edges below picture 1, arcs below picture 0; the
// three-point arc, circle and measured segment always. The symbol of a fixed edge reaches s = 20
// pixels past the line or arc; the box below is the ink of each drawing from row 199 down. The
// first tick of an arc of radius 100 stands s = 20 along it, 0.2 rad from its start, and reaches
// radius 120: x = 200 -+ 120 cos 0.2 = 82.4 and 317.6.
struct SymbolRow {
    const char* name;
    int picture;
    int shape;  // 0 straight edge, 1 arc edge, 2 three-point arc, 3 circle, 4 measured segment
    CRect ink;
};

const SymbolRow kSymbols[] = {
    // Straight (100,200)-(300,200), side -1: sign +1, ticks from p1 on the side of +y.
    {"StraightEditing", -1, 0, CRect(100, 200, 301, 220)},
    {"StraightMesh", 0, 0, CRect(100, 200, 301, 220)},
    {"StraightContours", 1, 0, CRect(100, 200, 300, 201)},
    // Half circle of radius 100 about (200,200) through (200,300); ticks away from the centre.
    {"ArcEditing", -1, 1, CRect(82, 200, 318, 321)},
    {"ArcMesh", 0, 1, CRect(100, 200, 301, 301)},
    {"ThreePointArcAnyPicture", 5, 2, CRect(82, 200, 318, 321)},
    // Ticks every 0.2 rad from angle pi; the one nearest angle 0 stands 0.058 rad off it.
    {"CircleAnyPicture", 5, 3, CRect(80, 199, 320, 321)},
    {"MeasuredSegmentAnyPicture", 5, 4, CRect(100, 200, 301, 220)},
};

void PrintTo(const SymbolRow& row, std::ostream* os) { *os << row.name; }

class CanvasSymbols : public CanvasTest, public testing::WithParamInterface<SymbolRow> {};

TEST_P(CanvasSymbols, ShowByPicture) {
    const SymbolRow& row = GetParam();
    canvas.SetPicture(row.picture);
    const AcGePoint3d p1 = P(100, 200), p2 = P(300, 200);
    switch (row.shape) {
    case 0: canvas.DrawSegment(p2, p1, 0.0, 1, 20.0, -1); break;
    case 1: canvas.DrawSegment(p1, p2, 1.0, 1, 20.0, -1); break;
    case 2: canvas.DrawThreePointArc(p1, p2, P(200, 300), 1, 20.0, 0); break;
    case 3: canvas.DrawCircle(p1, p2, 1, 20.0); break;
    case 4: canvas.DrawMeasuredSegment(p2, p1, 1, 20.0, 1, -1.0e9); break;
    }
    const CRect ink = Ink(CRect(0, 199, 1100, 400));
    EXPECT_NEAR(ink.left, row.ink.left, 1);
    EXPECT_NEAR(ink.top, row.ink.top, 1);
    EXPECT_NEAR(ink.right, row.ink.right, 1);
    EXPECT_NEAR(ink.bottom, row.ink.bottom, 1);
}

INSTANTIATE_TEST_SUITE_P(Pictures, CanvasSymbols, testing::ValuesIn(kSymbols),
                         [](const testing::TestParamInfo<SymbolRow>& info) { return info.param.name; });

// A rectangle puts its symbols outside whatever the order of its corners.
TEST_F(CanvasTest, RectangleSymbolsLieOutside) {
    for (const auto& corners : {std::make_pair(P(100, 100), P(300, 200)), std::make_pair(P(300, 200), P(100, 100))}) {
        canvas.Clear();
        canvas.SetPicture(-1);
        canvas.DrawRectangle(corners.first, corners.second, 1, 20.0);
        EXPECT_EQ(Ink(CRect(101, 101, 300, 200)), CRect());
        const CRect ink = Ink();
        EXPECT_NEAR(ink.left, 80, 1);
        EXPECT_NEAR(ink.top, 80, 1);
        EXPECT_NEAR(ink.right, 321, 1);
        EXPECT_NEAR(ink.bottom, 221, 1);
    }
}

// The measured segment of a fixed edge, side +1: ticks on the side of (p1 - p2) turned by +90
// degrees (down), the value 2.5 s off the segment on the other side; a segment drawn with the same
// side puts ticks and value on one side, the value beyond the ticks.
TEST_F(CanvasTest, ValueSidesOfMeasuredAndPlainSegments) {
    const double s = 20.0;
    canvas.DrawMeasuredSegment(P(300, 200), P(100, 200), 1, s, 1, 1234.4);
    EXPECT_EQ(At(300, 210), kRed);
    EXPECT_EQ(Ink(CRect(0, 201, 1100, 400)), CRect(100, 201, 301, 220));
    // Text of height trunc(1.5 s) = 30, its top 2.5 s = 50 above the segment, centred on its middle.
    const CRect above = Ink(CRect(0, 0, 1100, 200));
    EXPECT_GE(above.top, 150);
    EXPECT_LE(above.bottom, 181);
    const auto value = DrawnTexts(*canvas.m_pBitmap).back();
    EXPECT_EQ(value.utf8, "1234");
    EXPECT_NEAR(CellCentre(value).x, 200.0, 0.5);
    EXPECT_NEAR(value.y, 150.0, 0.5);

    canvas.Clear();
    canvas.SetPicture(-1);
    canvas.DrawSegment(P(300, 200), P(100, 200), 0.0, 1, s, 1);
    canvas.DrawEdgeValue(P(300, 200), P(100, 200), 1, s, 1, 1234.4);
    EXPECT_EQ(Ink(CRect(0, 201, 1100, 400)), CRect());
    EXPECT_EQ(At(100, 190), kRed);  // a tick, above
    const CRect text = Ink(CRect(0, 0, 1100, 180));
    EXPECT_GE(text.top, 150);
}

// A text along a segment reads left to right or bottom to top whichever way the segment runs, on the
// side the sign selects: side +1 puts its cell on the side of (p1 - p2) turned by -90 degrees, the
// cell's middle half a text height off the segment's middle, across it.
TEST_F(CanvasTest, TextsAlongSegmentsReadUprightOnTheirSide) {
    const AcGePoint3d middle = P(550, 200);
    const AcGeVector3d directions[] = {{1, 0, 0},      {-1, 0, 0},     {0, 1, 0},       {0, -1, 0},
                                       {0.6, 0.8, 0}, {-0.6, 0.8, 0}, {0.6, -0.8, 0}, {-0.6, -0.8, 0}};
    for (const AcGeVector3d& u : directions) {
        for (int side : {1, -1}) {
            SCOPED_TRACE(testing::Message() << "(" << u.x << ", " << u.y << ") side " << side);
            CDrawCanvas fresh;
            fresh.Create(0, 0, 1100, 400, kWhite);
            fresh.DrawSegmentText(middle + 100.0 * u, middle - 100.0 * u, "1234", kBlack, 20.0, side);
            const auto texts = DrawnTexts(*fresh.m_pBitmap);
            ASSERT_EQ(texts.size(), 1u);
            EXPECT_TRUE(slabtest::Upright(texts[0])) << texts[0].angle;
            const AcGeVector3d across = AcGeVector3d(-u.y, u.x, 0.0) * (side == 1 ? -1.0 : 1.0);
            const AcGeVector3d offset = CellCentre(texts[0]) - middle;
            // Within the turn lost to whole degrees.
            EXPECT_NEAR(offset.dotProduct(across), texts[0].height / 2, 2.0);
            EXPECT_NEAR(offset.dotProduct(u), 0.0, 2.0);
        }
    }
}

// In print mode no text is smaller than the report's body text: a vertex number, a free text, a
// segment text and an edge value asked for at about 5 pixels are written with an em of 14 pixels
// or more, and the value, grown so, still stands beyond the support's ticks (s = 4 above the edge).
// On screen they keep their size.
TEST_F(CanvasTest, PrintModeTextsAreAtLeastBodyTextHigh) {
    for (int print : {0, 1}) {
        SCOPED_TRACE(print);
        CDrawCanvas fresh;
        fresh.Create(0, 0, 1100, 400, kWhite);
        fresh.m_bPrint = print;
        fresh.SetPicture(-1);
        fresh.DrawNumber(P(100, 100), P(200, 100), 0, 7, 4.0, 1);
        fresh.DrawText(P(300, 100), "8", 5.0, kBlack, AcGeVector3d(0, 1, 0), 0);
        fresh.DrawSegmentText(P(600, 100), P(500, 100), "12", kBlack, 5.0, 1);
        fresh.DrawSegment(P(900, 300), P(700, 300), 0.0, 1, 4.0, 1);
        fresh.DrawEdgeValue(P(900, 300), P(700, 300), 1, 4.0, 1, 1234.0);
        const auto texts = DrawnTexts(*fresh.m_pBitmap);
        ASSERT_EQ(texts.size(), 4u);
        for (const auto& text : texts) {
            if (print)
                EXPECT_GE(text.font.emPixels, slabtest::kBodyTextEm - 1e-9) << text.utf8;
            else
                EXPECT_LT(text.font.emPixels, slabtest::kBodyTextEm) << text.utf8;
        }
        EXPECT_NE(fresh.m_pMemDC->GetPixel(700, 297), kWhite);  // a tick
        EXPECT_LE(CellCentre(texts[3]).y + texts[3].height / 2, 296.5);
    }
}

TEST_F(CanvasTest, EdgeValueDrawsOnlyEdgeTypes) {
    EXPECT_EQ(canvas.DrawEdgeValue(P(300, 200), P(100, 200), 5, 20.0, 1, 1234.0), 0);
    EXPECT_EQ(canvas.DrawEdgeValue(P(300, 200), P(100, 200), 6, 20.0, 1, 1234.0), 0);
    EXPECT_EQ(Ink(), CRect());
    EXPECT_EQ(canvas.DrawEdgeValue(P(300, 200), P(100, 200), 3, 20.0, 1, 1234.0), 1);
    EXPECT_NE(Ink(), CRect());
}

// Alignment 1 moves the text forward by half its nominal width: 20 * 0.5 * 2 / 2 = 10 pixels for
// "88" at height 20; alignment 0 leaves its top-left corner at the position.
TEST_F(CanvasTest, TextAlignmentShiftsByHalfTheNominalWidth) {
    canvas.DrawText(P(100, 100), "88", 20.0, kBlack, AcGeVector3d(0, 1, 0), 0);
    const CRect plain = Ink();
    canvas.Clear();
    canvas.DrawText(P(100, 100), "88", 20.0, kBlack, AcGeVector3d(0, 1, 0), 1);
    const CRect centred = Ink();
    EXPECT_GE(plain.left, 100);
    EXPECT_GE(plain.top, 100);
    EXPECT_LE(plain.bottom, 121);
    EXPECT_EQ(centred.left - plain.left, 10);
    EXPECT_EQ(centred.top, plain.top);
}

// Direction (1, 0, 0) reads upwards: the text runs up from its position, taller than wide.
TEST_F(CanvasTest, TextTurnedByItsDirection) {
    canvas.DrawText(P(200, 300), "8888", 20.0, kBlack, AcGeVector3d(1, 0, 0), 0);
    const CRect ink = Ink();
    EXPECT_GT(ink.Height(), ink.Width());
    EXPECT_LE(ink.bottom, 301);
    EXPECT_LE(ink.right, 221);
}

TEST_F(CanvasTest, TinyTextIsOnePixelHigh) {
    canvas.DrawText(P(100, 100), "8", 0.4, kBlack, AcGeVector3d(0, 1, 0), 0);
    EXPECT_LE(Ink().Height(), 2);
}

// Placement 1 puts a vertex number a third of its size right of and below the vertex; placement 0
// beside the vertex, at right angles to the segment. Numbers are yellow on screen.
TEST_F(CanvasTest, NumberPlacement) {
    canvas.DrawNumber(P(100, 100), P(500, 100), 0, 7, 30.0, 1);
    const CRect below = Ink();
    EXPECT_GE(below.left, 110);
    EXPECT_GE(below.top, 110);
    EXPECT_LE(below.bottom, 110 + 37);
    canvas.Clear();
    // u = (p1 - p2) / |p1 - p2| = (-1, 0), n = (0, -1): the number starts 10 pixels above the vertex.
    canvas.DrawNumber(P(100, 100), P(500, 100), 0, 7, 30.0, 0);
    const CRect beside = Ink();
    EXPECT_GE(beside.top, 90);
    EXPECT_LT(beside.top, 100);
    EXPECT_GE(beside.left, 100);
    bool yellow = false;
    for (int y = beside.top; y < beside.bottom; ++y)
        for (int x = beside.left; x < beside.right; ++x) yellow |= At(x, y) == 0x00FFFFu;
    EXPECT_TRUE(yellow);
}

// Degenerate sizes and coordinates draw what they can and return: no endless symbol loop for a zero
// or non-number size, no undefined conversion for a coordinate that is not a number.
TEST_F(CanvasTest, DegenerateSizesAndPointsAreHarmless) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    canvas.SetPicture(-1);
    EXPECT_EQ(canvas.DrawHatch(P(100, 100), P(300, 100), 0.0, 1), 1);
    EXPECT_EQ(canvas.DrawDashedOffset(P(100, 100), P(300, 100), nan, 1), 1);
    EXPECT_EQ(canvas.DrawSegment(P(100, 100), P(300, 100), 0.5, 0, 0.0, 1), 1);
    EXPECT_EQ(canvas.DrawCircle(P(100, 100), P(300, 100), 1, -5.0), 1);
    EXPECT_EQ(canvas.DrawSegment(P(nan, 100), P(1e300, 100), 0.0, 1, 20.0, 1), 1);
    EXPECT_EQ(canvas.DrawCircle(P(100, 100), P(100, 100), 1, 20.0), 1);
    EXPECT_EQ(canvas.DrawThreePointArc(P(100, 100), P(300, 100), P(200, 100), 1, 20.0, 0), 1);
}

TEST_F(CanvasTest, CreateAgainResizesAndFills) {
    canvas.DrawLine(P(0, 0), P(50, 0), kRed);
    canvas.Create(0, 0, 40, 30, kBlack);
    BITMAP info{};
    canvas.m_pBitmap->GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 40);
    EXPECT_EQ(info.bmHeight, 30);
    EXPECT_EQ(At(10, 0), kBlack);
    canvas.SetBackColor(kWhite);
    EXPECT_EQ(At(39, 29), kWhite);
}

}  // namespace
