// The nine report pictures of an L-shaped slab with a hole, loads and a few result elements, compared
// with reference pictures made once and looked at; an empty slab gives blank pictures.
#include <gtest/gtest.h>

#include <string>

#include "ReferencePicture.h"
#include "SlabDrawingFixture.h"
#include "mfc/gdi/DC.h"
#include "render/Render.h"

namespace {

using slabtest::P;

const char* const kNames[kBoardReportPictures] = {"scheme", "load",   "mesh",       "displacement", "moment",
                                                  "rein",   "reinarea", "deflection", "crack"};

// Result elements as the server returns them: two mesh lines (kind 0), a contour (kind 1), one
// labelled text for each of the pictures 2 to 6.
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
        data.m_ResultTexts.Add(CBoardResultText(text, 300.0, 0xFFFFFF, P(5000, 1000 * picture), P(1000, 1000 * picture),
                                                1, 1, picture));
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
        EXPECT_EQ(info.bmHeight, 500);
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
