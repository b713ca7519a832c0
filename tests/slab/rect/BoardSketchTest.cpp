// The slab's schematic: which moment symbols each edge combination draws, where the band and the
// outline lie, the window's colours, and the report's picture against a reference looked at once.
#include <gtest/gtest.h>

#include <string>

#include "GdiCanvas.h"
#include "ReferencePicture.h"
#include "render/Render.h"
#include "slab/rect/BoardSketch.h"
#include "slab/rect/SlabRecords.h"

namespace {

std::string ReportPicture(int nWidth, int nHeight, const BoardSketchEdges& e) {
    const RECT rc{0, 0, nWidth, nHeight};
    const int nWhite = 0xFFFFFF, nBlack = 0;
    CBitmap* pBitmap = CreateBoardSketchBitmap(&rc, &e.nTop, &e.nBottom, &e.nLeft, &e.nRight, &e.nTopLeft,
                                               &e.nTopRight, &e.nBottomLeft, &e.nBottomRight, &nWhite, &nBlack,
                                               &nBlack, &nBlack, &nBlack);
    if (!pBitmap) return std::string();
    const std::string png = qelt::render::BitmapToPng(static_cast<HBITMAP>(*pBitmap));
    pBitmap->DeleteObject();
    delete pBitmap;
    return png;
}

// Left fixed, top free, bottom simply supported, right fixed, a post at the top-left corner: corner
// symbols at both top corners, the top free-edge symbol, supports left and right, Mx and My.
TEST(BoardSketch, ReportPictureMatchesReference) {
    const BoardSketchEdges e{SLAB_FREE, SLAB_SIMPLE, SLAB_FIXED, SLAB_FIXED, 1, 0, 0, 0};
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(ReportPicture(270, 170, e),
                                                    std::string(QELT_PICTURES) + "/sketch-corners.png"));
}

// The window's painting on black in a 300 × 280 client area: the band from (10, 25) to (35, 258), the
// outline from (55, 25) to (260, 255), each edge in the colour of its support, the Lx dimension in
// the text colour 15 px below the bottom edge, the Mx stroke at the centre (157, 140).
TEST(BoardSketch, WindowColoursAndPlaces) {
    GdiCanvas canvas(300, 280, RGB(128, 128, 128));
    CBoardSketch sketch;
    const RECT rc{0, 0, 300, 280};
    const int nTop = SLAB_FIXED, nBottom = SLAB_SIMPLE, nLeft = SLAB_FREE, nRight = SLAB_FIXED, nNone = 0;
    const int nBlack = 0, nCyan = 0xFFFF00, nBlue = 0xFF0000;
    sketch.Paint(&canvas.dc, &rc, &nTop, &nBottom, &nLeft, &nRight, &nNone, &nNone, &nNone, &nNone, &nBlack, &nCyan,
                 &nCyan, &nCyan, &nBlue);
    const COLORREF red = RGB(255, 0, 0), yellow = RGB(255, 255, 0), magenta = RGB(255, 0, 255),
                   cyan = RGB(0, 255, 255), black = RGB(0, 0, 0);
    const struct {
        int x, y;
        COLORREF color;
        const char* what;
    } points[] = {
        {10, 140, cyan, "band, left side"},       {34, 200, cyan, "band, right side (GDI leaves the right column out)"},
        {20, 258, cyan, "band, last arrow"},      {100, 25, red, "top edge, fixed"},
        {100, 255, yellow, "bottom edge, simple"}, {55, 140, magenta, "left edge, free"},
        {260, 200, red, "right edge, fixed"},     {70, 270, cyan, "Lx dimension"},
        {167, 140, cyan, "Mx stroke"},            {0, 0, black, "background"},
        {100, 100, black, "inside the slab"},
    };
    for (const auto& p : points) EXPECT_EQ(canvas.At(p.x, p.y), p.color) << p.what;
}

}  // namespace
