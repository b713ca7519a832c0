// The nine report pictures of an L-shaped slab with a hole, loads and a few result elements, compared
// with reference pictures made once and looked at; every text upright, at least as tall as the
// report's body text and inside its picture; the picture shaped and filled by the slab; an empty slab
// gives blank pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ReferencePicture.h"
#include "SlabDrawingFixture.h"
#include "mfc/gdi/DC.h"
#include "plateserver/PlateServer.h"
#include "render/Render.h"
#include "slab/irregular/BoardDraw.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

using slabtest::P;

const char* const kNames[kBoardReportPictures] = {"scheme", "load",   "mesh",       "displacement", "moment",
                                                  "rein",   "reinarea", "deflection", "crack"};

// A result text as the server places it: centred on its point, on the left of its direction and
// read along it (the pictures turn it upright).
CBoardResultText ServerText(const CString& text, AcGePoint3d at, AcGeVector3d along, int picture)
{
    const double height = 300.0;
    return CBoardResultText(text, height, 0x00FFFF, at + along * (height / 2), at - along * (height / 2), 1, 1,
                            picture);
}

// Result elements as the server returns them: two mesh lines (kind 0), a contour (kind 1), and for
// each of the pictures 2 to 6 the labels of the two bottom rows above and below their node, of the
// top edge (which runs right to left) and of the right edge (which runs upwards), inside the slab.
void AddResults(CBoardData& data)
{
    const struct {
        AcGePoint3d a, b;
        int kind;
    } lines[] = {{P(0, 4000), P(12000, 4000), 0}, {P(6000, 0), P(6000, 8000), 0}, {P(3000, 1000), P(9000, 3000), 1}};
    for (const auto& l : lines) {
        CBoardResultLine line;
        line.SetStartPoint(l.a);
        line.SetEndPoint(l.b);
        line.SetKind(l.kind);
        line.SetColor(0x00FF00);
        data.m_ResultLines.Add(line);
    }
    for (int picture = 2; picture <= 6; ++picture) {
        CString text;
        text.Format("%d.50", picture);
        data.m_ResultTexts.Add(ServerText("x" + text, P(3000, 2000), AcGeVector3d(1, 0, 0), picture));
        data.m_ResultTexts.Add(ServerText("y" + text, P(3000, 2000), AcGeVector3d(-1, 0, 0), picture));
        data.m_ResultTexts.Add(ServerText("t" + text, P(3000, 8000), AcGeVector3d(-1, 0, 0), picture));
        data.m_ResultTexts.Add(ServerText("r" + text, P(12000, 2000), AcGeVector3d(0, 1, 0), picture));
    }
}

class ReportPicturesTest : public testing::Test {
protected:
    ReportPicturesTest() { param.SetDefaultData(); }
    CAtypicalBoardParam param;
};

TEST_F(ReportPicturesTest, NinePicturesOfAnLShapedSlab)
{
    slabtest::FillLShapedSlab(param.m_BoardData);
    AddResults(param.m_BoardData);
    param.DrawReportPictures();
    for (int i = 0; i < kBoardReportPictures; ++i) {
        SCOPED_TRACE(kNames[i]);
        const std::string png = qelt::render::BitmapToPng(param.m_ReportPictures[i]);
        EXPECT_TRUE(qelt::test::MatchesReferencePicture(png, std::string(QELT_PICTURES) + "/irregular-" + kNames[i] + ".png"));
    }
}

// The texts of every picture read left to right or bottom to top, print at least as tall as the
// report's body text (the report prints a picture's pixel at 1/96 inch, and no picture is wider
// than its text width) and lie whole inside their picture.
TEST_F(ReportPicturesTest, TextsAreUprightBodyTextHighAndInside)
{
    slabtest::FillLShapedSlab(param.m_BoardData);
    AddResults(param.m_BoardData);
    param.DrawReportPictures();
    int count = 0;
    for (int i = 0; i < kBoardReportPictures; ++i) {
        SCOPED_TRACE(kNames[i]);
        BITMAP info{};
        ASSERT_TRUE(param.m_ReportPictures[i].GetBitmap(&info));
        EXPECT_LE(info.bmWidth, 500);
        for (const auto& text : slabtest::DrawnTexts(param.m_ReportPictures[i])) {
            SCOPED_TRACE(text.utf8);
            ++count;
            EXPECT_TRUE(slabtest::Upright(text)) << text.angle;
            EXPECT_GE(text.font.emPixels, slabtest::kBodyTextEm - 1e-9);
            const AcGePoint3d centre = slabtest::CellCentre(text);
            const double c = std::fabs(std::cos(text.angle)), s = std::fabs(std::sin(text.angle));
            const double halfWidth = (c * text.width + s * text.height) / 2;
            const double halfHeight = (s * text.width + c * text.height) / 2;
            EXPECT_GE(centre.x - halfWidth, -0.5);
            EXPECT_LE(centre.x + halfWidth, info.bmWidth + 0.5);
            EXPECT_GE(centre.y - halfHeight, -0.5);
            EXPECT_LE(centre.y + halfHeight, info.bmHeight + 0.5);
        }
    }
    // Vertex numbers, edge values, hole and load numbers, and the result texts.
    EXPECT_GT(count, 100);
}

// A label at a node on the outline is moved along itself into the slab: one above a node on the
// right edge then ends at the node, one below the top-left corner starts at it.
TEST_F(ReportPicturesTest, LabelsOfNodesOnTheOutlineStayInside)
{
    slabtest::FillLShapedSlab(param.m_BoardData);
    param.m_BoardData.m_ResultTexts.Add(ServerText("f=12.34", P(12000, 2000), AcGeVector3d(1, 0, 0), 5));
    param.m_BoardData.m_ResultTexts.Add(ServerText("My=5.67", P(0, 8000), AcGeVector3d(-1, 0, 0), 5));
    CBoardDraw view;
    view.Setup(CRect(0, 0, 500, 500), &param);
    view.m_canvas.m_bPrint = 1;
    view.FitReportPicture(500);
    view.BuildDeflectionPicture();
    const AcGePoint3d node = view.WorldToDevice(P(12000, 2000)), corner = view.WorldToDevice(P(0, 8000));
    const auto texts = slabtest::DrawnTexts(param.m_ReportPictures[7]);
    ASSERT_EQ(texts.size(), 8u);  // six vertex numbers and the two labels
    for (const auto& text : texts) {
        const AcGePoint3d centre = slabtest::CellCentre(text);
        if (text.utf8 == "f=12.34") {
            EXPECT_NEAR(centre.x + text.width / 2, node.x, 4.0);
            EXPECT_LT(centre.y, node.y);
        } else if (text.utf8 == "My=5.67") {
            EXPECT_NEAR(centre.x - text.width / 2, corner.x, 4.0);
            EXPECT_GT(centre.y, corner.y);
        }
    }
}

// The picture takes the shape of the slab: its longer side 500 pixels, the slab's box (of its
// vertices and arcs) centred with the same border all round, narrow enough that the slab spans
// most of the picture, and wide enough for a support symbol and an edge value beside it.
TEST_F(ReportPicturesTest, TheSlabFillsItsPicture)
{
    const struct {
        double width, height, bulge;
        bool wide;
    } slabs[] = {{12000, 8000, 0.0, true}, {4000, 9000, 0.0, false}, {6000, 6000, 0.0, true}, {6000, 3000, 1.0, true}};
    for (const auto& slab : slabs) {
        SCOPED_TRACE(testing::Message() << slab.width << " x " << slab.height << " bulge " << slab.bulge);
        // A rectangle whose top edge, from right to left, may be a half circle bulging upwards.
        param.m_BoardData.m_BoardPoly = slabtest::Polyline(
            BOARD_OUTLINE, 1, {P(0, 0), P(slab.width, 0), P(slab.width, slab.height), P(0, slab.height)});
        param.m_BoardData.m_BoardPoly.SetBulge(2, slab.bulge);
        param.m_BoardData.m_HasBoard = 1;
        CBoardDraw view;
        view.Setup(CRect(0, 0, 500, 500), &param);
        view.m_canvas.m_bPrint = 1;
        view.FitReportPicture(500);
        const CRect& picture = view.m_rcClient;
        EXPECT_EQ(std::max(picture.Width(), picture.Height()), 500);
        EXPECT_EQ(picture.Width() == 500, slab.wide);
        const double top = slab.height + slab.bulge * slab.width / 2;
        const AcGePoint3d low = view.WorldToDevice(P(0, 0)), high = view.WorldToDevice(P(slab.width, top));
        const double border = low.x;
        EXPECT_NEAR(picture.Width() - high.x, border, 1.0);
        EXPECT_NEAR(high.y, border, 1.0);
        EXPECT_NEAR(picture.Height() - low.y, border, 1.0);
        EXPECT_LT(border, 0.1 * 500);
        EXPECT_GE(border, view.DeviceLength(CBoardDraw::kSymbolLength) + view.m_canvas.TextHeight(0.0));
    }
}

// The labels the server returns for a calculated slab: an edge's along its edge (of the arc for the
// arc), on the inner side; the two bottom rows' above and below their node (the text lies on the
// left of the direction from the second point to the first).
TEST_F(ReportPicturesTest, TheServerPutsEdgeLabelsInsideAlongTheirEdges)
{
    RegisterPlateServer();
    // An L of 9 m x 7 m, simply supported, whose inner edge from (9000, 4000) to (4000, 4000) is an
    // arc bulging into the notch.
    param.m_BoardData.m_BoardPoly = slabtest::Polyline(
        BOARD_OUTLINE, 0, {P(0, 0), P(9000, 0), P(9000, 4000), P(4000, 4000), P(4000, 7000), P(0, 7000)});
    param.m_BoardData.m_BoardPoly.SetBulge(2, 0.3);
    param.m_BoardData.m_HasBoard = 1;
    param.m_param.m_nBoardWidth = 200.0;
    param.m_param.m_EverLoadVal = 5.0;
    param.m_param.m_ActLoadVal = 0.0;
    param.m_bModified = 1;
    ASSERT_EQ(param.Calculate(), 1);
    const CBoardPolyline& outline = param.m_BoardData.m_BoardPoly;
    int edges = 0, bottoms = 0, corners = 0;
    for (int i = 0; i < param.m_BoardData.m_ResultTexts.GetSize(); ++i) {
        const CBoardResultText& text = param.m_BoardData.m_ResultTexts[i];
        if (text.GetPicture() != 2)
            continue;
        SCOPED_TRACE(static_cast<LPCTSTR>(text.GetText()));
        EXPECT_EQ(text.GetTextMode(), 1);
        const AcGeVector3d along = (text.GetFirstPoint() - text.GetSecondPoint()).normalize();
        const AcGePoint3d middle = text.GetFirstPoint() + (text.GetSecondPoint() - text.GetFirstPoint()) / 2.0;
        const AcGeVector3d left(-along.y, along.x, 0.0);
        if (text.GetText().Left(3) == "Mx=" || text.GetText().Left(3) == "My=") {
            ++bottoms;
            EXPECT_NEAR(along.x, text.GetText()[1] == 'x' ? 1.0 : -1.0, 1e-9);
            continue;
        }
        // The re-entrant corner's row reads along the bisector, (-1, -1)/√2 from the chords at
        // (4000, 4000), within the slab.
        if (PointInPolyline(middle - left * 250.0, outline) == 1) {
            ++corners;
            EXPECT_NEAR(along.x, -1.0 / std::sqrt(2.0), 1e-9);
            EXPECT_NEAR(along.y, -1.0 / std::sqrt(2.0), 1e-9);
            continue;
        }
        ++edges;
        // Inside, clear of the mark of a strip in the middle of the edge (half its 200 mm).
        EXPECT_EQ(PointInPolyline(middle + left * 100.0, outline), 1);
        EXPECT_EQ(PointInPolyline(middle - left * 90.0, outline), 1);
        EXPECT_EQ(PointInPolyline(middle - left * 250.0, outline), -1);
    }
    EXPECT_EQ(edges, outline.GetCount());
    EXPECT_EQ(bottoms, 2);
    EXPECT_EQ(corners, 1);
}

// Each picture's bitmap is free after the drawing (it can be selected into another device context)
// and a second drawing replaces the first.
TEST_F(ReportPicturesTest, PicturesAreReplacedAndFree)
{
    slabtest::FillLShapedSlab(param.m_BoardData);
    param.DrawReportPictures();
    const std::string first = qelt::render::BitmapToPng(param.m_ReportPictures[0]);
    param.m_BoardData.m_HoleArray.RemoveAll();
    param.DrawReportPictures();
    EXPECT_NE(qelt::render::BitmapToPng(param.m_ReportPictures[0]), first);
    CDC screen, other;
    screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    other.CreateCompatibleDC(&screen);
    for (CBitmap& picture : param.m_ReportPictures) {
        BITMAP info{};
        ASSERT_TRUE(picture.GetBitmap(&info));
        EXPECT_EQ(info.bmWidth, 500);
        EXPECT_LT(info.bmHeight, 400);  // 12 m x 8 m
        CBitmap* old = other.SelectObject(&picture);
        EXPECT_NE(old, nullptr);
        other.SelectObject(old);
    }
}

// A slab without outline draws nothing: every picture is blank white, also with loads and results.
TEST_F(ReportPicturesTest, EmptyOutlineGivesBlankPictures)
{
    slabtest::FillLShapedSlab(param.m_BoardData);
    AddResults(param.m_BoardData);
    param.m_BoardData.m_BoardPoly.Reset();
    param.m_BoardData.m_HasBoard = 0;
    param.DrawReportPictures();
    for (CBitmap& picture : param.m_ReportPictures) {
        CDC screen, dc;
        screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
        dc.CreateCompatibleDC(&screen);
        CBitmap* old = dc.SelectObject(&picture);
        int ink = 0;
        for (int y = 0; y < 500; y += 2)
            for (int x = 0; x < 500; x += 2) ink += dc.GetPixel(x, y) != 0xFFFFFF ? 1 : 0;
        dc.SelectObject(old);
        EXPECT_EQ(ink, 0);
    }
}

}  // namespace
