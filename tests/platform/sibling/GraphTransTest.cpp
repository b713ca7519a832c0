#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ExpectedMisuses.h"
#include "GdiCanvas.h"
#include "mfc/user/Wnd.h"
#include "mfc/user/WindowDC.h"
#include "sibling/GraphTrans.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A graph over a white bitmap of the size given, one world unit a pixel.
class Graph {
public:
    Graph(int width, int height) : m_width(width), m_height(height) {
        m_white.CreateBitmap(width, height, 1, 32, nullptr);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap* old = dc.SelectObject(&m_white);
        dc.FillSolidRect(0, 0, width, height, kWhite);
        dc.SelectObject(old);
        graph = std::make_unique<CgraphTrans>(&m_white);
    }

    // The picture's pixels, read from the buffer's bitmap (which stays selected in the buffer).
    COLORREF At(int x, int y) {
        std::vector<unsigned char> bits(static_cast<size_t>(m_width) * m_height * 4);
        GetBitmapBits(graph->ExportPic(), static_cast<LONG>(bits.size()), bits.data());
        const unsigned char* p = &bits[(static_cast<size_t>(y) * m_width + x) * 4];
        return RGB(p[2], p[1], p[0]);
    }

    CRect Ink() {
        std::vector<unsigned char> bits(static_cast<size_t>(m_width) * m_height * 4);
        GetBitmapBits(graph->ExportPic(), static_cast<LONG>(bits.size()), bits.data());
        CRect box(m_width, m_height, 0, 0);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (bits[(static_cast<size_t>(y) * m_width + x) * 4 + 0] != 255 ||
                    bits[(static_cast<size_t>(y) * m_width + x) * 4 + 1] != 255 ||
                    bits[(static_cast<size_t>(y) * m_width + x) * 4 + 2] != 255) {
                    box.left = std::min<long>(box.left, x), box.top = std::min<long>(box.top, y);
                    box.right = std::max<long>(box.right, x + 1), box.bottom = std::max<long>(box.bottom, y + 1);
                }
        return box.IsRectEmpty() ? CRect() : box;
    }

    std::unique_ptr<CgraphTrans> graph;

private:
    int m_width, m_height;
    CBitmap m_white;
};

TEST(GraphTrans, SetPicRectFitsAndCentresTheWorld) {
    Graph g(200, 100);
    CgraphTrans& graph = *g.graph;
    struct Case {
        CFloatRect world;
        int border;
        double scale;
        int baseX, baseY;
    } cases[] = {
        {CFloatRect(0, 0, 200, 100), 0, 1.0, 0, 0},       // the buffer's pixel size: a unit a pixel
        {CFloatRect(0, 0, 400, 100), 0, 0.5, 0, 25},      // width decides; centred vertically
        {CFloatRect(0, 0, 100, 100), 0, 1.0, 50, 0},      // height decides; centred horizontally
        {CFloatRect(-10, -10, 10, 10), 10, 4.0, 100, 50}, // border 10 leaves 180 x 80; the origin in the middle
        {CFloatRect(0, 0, 2000, 0), 0, 0.1, 0, 50},       // no height: the width alone
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(graph.SetPicRect(c.world, c.border), c.scale);
        EXPECT_DOUBLE_EQ(graph.getScale(), c.scale);
        EXPECT_EQ(graph.getBasePt().x, c.baseX);
        EXPECT_EQ(graph.getBasePt().y, c.baseY);
        EXPECT_EQ(graph.GetWorldRect().right, c.world.right);
    }
}

TEST(GraphTrans, PrimitivesLandWhereTheTransformSays) {
    Graph g(100, 100);
    CgraphTrans& graph = *g.graph;
    graph.SetPicRect(CFloatRect(0, 0, 1000, 1000), 0);  // ten world units a pixel
    graph.SolidRectGT(CFloatRect(100, 100, 300, 200), kRed);
    EXPECT_EQ(g.At(10, 10), kRed);
    EXPECT_EQ(g.At(29, 19), kRed);
    EXPECT_EQ(g.At(30, 20), kWhite);
    graph.LineGT(CFloatPoint(0, 500), CFloatPoint(1000, 500), kBlue, 0, 2);
    EXPECT_EQ(g.At(50, 50), kBlue);
    graph.RectGT(CFloatRect(600, 600, 900, 900), kBlack, 0, 1);
    EXPECT_EQ(g.At(60, 75), kBlack);
    EXPECT_EQ(g.At(90, 90), kBlack);  // through both corners
    EXPECT_EQ(g.At(75, 75), kWhite);
    graph.PointGT(CFloatPoint(800, 200), 50, kRed);
    EXPECT_EQ(g.At(80, 20), kRed);
    EXPECT_EQ(g.At(84, 20), kRed);
    EXPECT_EQ(g.At(86, 20), kWhite);
    graph.CircleGT(CFloatPoint(800, 200), 100, kBlack, 0, 1);
    EXPECT_EQ(g.At(90, 20), kBlack);
    EXPECT_EQ(g.At(80, 10), kBlack);

    // Angles count counter-clockwise on the screen: π/2 is up.
    const CFloatPoint up = graph.MoveFPtTo(CFloatPoint(10, 10), 5, M_PI / 2);
    EXPECT_NEAR(up.x, 10, 1e-12);
    EXPECT_NEAR(up.y, 5, 1e-12);
    const CFloatPoint left = graph.MoveFPtTo(CFloatPoint(10, 10), 5, M_PI);
    EXPECT_NEAR(left.x, 5, 1e-12);
}

TEST(GraphTrans, ArcsArrowsTextsAndDimensions) {
    {
        // The arc through the top: the upper half of the circle through the three points.
        Graph g(100, 100);
        g.graph->ArcGT(CFloatPoint(20, 60), CFloatPoint(80, 60), CFloatPoint(50, 30), kBlack, 0, 1);
        const CRect ink = g.Ink();
        EXPECT_NEAR(ink.left, 20, 1);
        EXPECT_NEAR(ink.right, 81, 1);
        EXPECT_NEAR(ink.top, 30, 1);
        EXPECT_LE(ink.bottom, 62);
        // Three points in a line make a straight line.
        Graph line(100, 100);
        line.graph->ArcGT(CFloatPoint(10, 10), CFloatPoint(50, 10), CFloatPoint(30, 10), kBlack, 0, 1);
        EXPECT_EQ(line.Ink(), CRect(10, 10, 50, 11));
    }
    {
        // A downward arrow: its head spreads either side of the point and stays above it.
        Graph g(100, 100);
        g.graph->ArrowGT(CFloatPoint(50, 10), CFloatPoint(50, 60), 20, kBlack, 0, 1);
        const CRect ink = g.Ink();
        EXPECT_EQ(ink.top, 10);
        EXPECT_LE(ink.bottom, 61);
        EXPECT_NEAR(ink.left, 40, 1);
        EXPECT_NEAR(ink.right, 61, 1);
        Graph zero(100, 100);  // no length: the head points down
        zero.graph->ArrowGT(CFloatPoint(50, 60), CFloatPoint(50, 60), 20, kBlack, 0, 1);
        EXPECT_LE(zero.Ink().bottom, 61);
        EXPECT_NEAR(zero.Ink().top, 43, 1);
    }
    {
        // A centred text sits on the point; black on a black picture shows in white.
        Graph g(200, 60);
        g.graph->TextGT(CFloatPoint(100, 40), "12.50kN", kBlack, 0.0, 1, 14, 0.4, "Arial Unicode MS");
        const CRect ink = g.Ink();
        EXPECT_LE(ink.bottom, 41);
        EXPECT_GE(ink.top, 40 - 16);
        EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 2);
        CgraphTrans& black = *g.graph;
        black.SetBkColor(kBlack);
        black.EraseAll();
        black.TextGT(CFloatPoint(100, 40), "12.50kN", kBlack, 0.0, 1, 14, 0.4, "Arial Unicode MS");
        EXPECT_NE(g.Ink(), CRect());  // ink differs from white: the erased picture is black
        int light = 0;
        for (int x = 80; x < 120; ++x)
            for (int y = 26; y < 41; ++y) light += g.At(x, y) != kBlack;
        EXPECT_GT(light, 10);
    }
    {
        // A dimension measured at the level of the placement point, its text above the line.
        Graph g(200, 100);
        g.graph->dimSignGT(CFloatPoint(20, 20), CFloatPoint(180, 20), CFloatPoint(0, 70), "4.500m", RGB(255, 0, 0),
                           kBlack, -1.0);
        EXPECT_EQ(g.At(100, 70), kRed);  // the dimension line
        EXPECT_EQ(g.At(20, 40), kRed);   // an extension line
        EXPECT_EQ(g.At(180, 40), kRed);
        bool text = false;
        for (int x = 70; x < 130; ++x)
            for (int y = 50; y < 68; ++y) text = text || g.At(x, y) == kBlack || (GetRValue(g.At(x, y)) < 128);
        EXPECT_TRUE(text);
    }
}

TEST(GraphTrans, BitmapsInAndOut) {
    Graph g(40, 40);
    CgraphTrans& graph = *g.graph;
    // A 2 x 2 bitmap, red on the left, blue on the right, stretched onto 20 x 20 pixels.
    const unsigned char bits[] = {0, 0, 255, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
    CBitmap small;
    small.CreateBitmap(2, 2, 1, 32, bits);
    graph.LoadBitmapA(&small, CFloatRect(10, 10, 30, 30), CRect(0, 0, 2, 2), 0);
    EXPECT_EQ(g.At(12, 20), kRed);
    EXPECT_EQ(g.At(28, 20), kBlue);
    EXPECT_EQ(g.At(5, 5), kWhite);

    // The export is the caller's own copy.
    CBitmap* copy = nullptr;
    ASSERT_TRUE(graph.ExportBitmap(copy));
    ASSERT_NE(copy, nullptr);
    graph.EraseAll();
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(copy);
    EXPECT_EQ(dc.GetPixel(12, 20), kRed);
    dc.SelectObject(old);
    EXPECT_EQ(g.At(12, 20), kWhite);
    delete copy;

    // Nothing happens on a graph without a buffer.
    CgraphTrans empty;
    CBitmap* none = nullptr;
    EXPECT_FALSE(empty.ExportBitmap(none));
    EXPECT_EQ(none, nullptr);
    empty.LineGT(CFloatPoint(0, 0), CFloatPoint(1, 1), kBlack, 0, 1);
    EXPECT_FALSE(empty.ViewBitMap());
}

TEST(GraphTrans, ShownInItsWindow) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "picture", WS_POPUP | WS_VISIBLE, CRect(0, 0, 120, 80), nullptr, 0));
    CgraphTrans graph(&window, RGB(0, 0, 0));
    ASSERT_FALSE(graph.isEmpty());
    EXPECT_EQ(graph.GetPicBoxRect(), CRect(0, 0, 120, 80));
    graph.SolidRectGT(CFloatRect(10, 10, 20, 20), kRed);
    EXPECT_TRUE(graph.ViewBitMap());
    std::shared_ptr<const qelt::gdi::Recording> shown = qelt::gdi::WindowRecording(window.GetSafeHwnd());
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->records.size(), 1u);
    const auto& image = std::get<qelt::gdi::ImageRecord>(shown->records[0].item);
    EXPECT_EQ(image.width, 120);
    EXPECT_EQ(image.source->data[15 * 120 + 15], 0xFF0000u);  // red, as 0x00RRGGBB

    // A buffer for a part of the window, shown there with SRCAND.
    CgraphTrans part(&window, CRect(20, 30, 60, 50), kWhite);
    EXPECT_EQ(part.GetPicBoxRect(), CRect(20, 30, 60, 50));
    EXPECT_EQ(part.GetWorldRect().Width(), 40.0);
    const CRect area(20, 30, 60, 50);
    EXPECT_TRUE(part.ViewBitMap(&area, SRCAND));
    const auto& second = std::get<qelt::gdi::ImageRecord>(shown->records.back().item);
    EXPECT_EQ(second.x, 20);
    EXPECT_EQ(second.rop, SRCAND);
    window.DestroyWindow();

    qelt::test::ExpectedMisuses misuses;
    CgraphTrans orphan(static_cast<CWnd*>(nullptr));
    EXPECT_TRUE(orphan.isEmpty());
    EXPECT_EQ(misuses.Count(), 1);
}

}  // namespace
