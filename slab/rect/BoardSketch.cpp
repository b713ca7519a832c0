#include "slab/rect/BoardSketch.h"

#include <cstring>

#include "slab/rect/SlabRecords.h"

namespace {

// Line, text and circle helpers over one DC.
void Line(CDC& dc, int xa, int ya, int xb, int yb) {
    dc.MoveTo(xa, ya);
    dc.LineTo(xb, yb);
}

void Text(CDC& dc, int x, int y, LPCTSTR lpszText, const LOGFONT& lf, const BoardSketchColors& colors,
          COLORREF crText) {
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetBkColor(colors.crBackground);
    dc.SetTextColor(crText);
    dc.TextOut(x, y, lpszText, static_cast<int>(std::strlen(lpszText)));
    dc.SelectObject(pOldFont);
}

// A pen selected for the life of the object.
class CPenScope {
public:
    CPenScope(CDC& dc, int nWidth, COLORREF color) : m_dc(dc), m_pen(PS_SOLID, nWidth, color) {
        m_pOld = m_dc.SelectObject(&m_pen);
    }
    ~CPenScope() { m_dc.SelectObject(m_pOld); }

private:
    CDC& m_dc;
    CPen m_pen;
    CPen* m_pOld;
};

COLORREF EdgeColor(int nCode, const BoardSketchColors& colors) {
    if (colors.crBackground != 0) return RGB(0, 0, 0);
    if (nCode == SLAB_FIXED) return RGB(255, 0, 0);
    if (nCode == SLAB_SIMPLE) return RGB(255, 255, 0);
    return RGB(255, 0, 255);
}

// The support mark of the band at (x, y): hatching for a fixed edge, a triangle for a simple one.
void BandMark(CDC& dc, int x, int y, int nCode, bool bBottom) {
    if (nCode == SLAB_FIXED) {
        Line(dc, x, y, x + 15, y);
        for (int k = 0; k <= 10; k += 5)
            bBottom ? Line(dc, x + k, y, x - 3 + k, y + 5) : Line(dc, x + k, y, x + 3 + k, y - 5);
    } else if (nCode == SLAB_SIMPLE) {
        Line(dc, x, y, x + 6, y - 6);
        Line(dc, x, y, x + 6, y + 6);
        Line(dc, x + 6, y + 6, x + 6, y - 6);
    }
}

void Post(CDC& dc, int x, int y, const BoardSketchColors& colors) {
    const int r = 7;
    CPenScope pen(dc, 1, colors.crPost);
    CBrush brush(RGB(0, 0, 255));
    CBrush* pOld = dc.SelectObject(&brush);
    dc.Ellipse(x - r, y - r, x + r, y + r);
    dc.SelectObject(pOld);
}

BoardSketchColors ColorsOf(const int* pBackground, const int* pBand, const int* pMoment, const int* pText,
                           const int* pPost) {
    return {static_cast<COLORREF>(*pBackground), static_cast<COLORREF>(*pBand), static_cast<COLORREF>(*pMoment),
            static_cast<COLORREF>(*pText), static_cast<COLORREF>(*pPost)};
}

// Steps 3 to 6 over a DC of W × H; the moment symbols start at xMoments.
void DrawSketch(CDC& dc, int nWidth, int nHeight, int xMoments, const BoardSketchEdges& e,
                const BoardSketchColors& colors, const LOGFONT& lfSmall, const LOGFONT& lfLarge) {
    const int x1 = 55, y1 = 25, x2 = nWidth - 40, y2 = nHeight - 25;
    DrawSketchLoad(dc, nHeight, e, colors, lfLarge);
    DrawSketchEdge(dc, x1, y1, x2, y1, 0, e.nTop, e.nTopLeft, e.nTopRight, colors, lfSmall, lfLarge);
    DrawSketchEdge(dc, x1, y2, x2, y2, 1, e.nBottom, e.nBottomLeft, e.nBottomRight, colors, lfSmall, lfLarge);
    DrawSketchEdge(dc, x1, y1, x1, y2, 2, e.nLeft, e.nTopLeft, e.nBottomLeft, colors, lfSmall, lfLarge);
    DrawSketchEdge(dc, x2, y1, x2, y2, 3, e.nRight, e.nTopRight, e.nBottomRight, colors, lfSmall, lfLarge);
    DrawSketchMoments(dc, xMoments, y1, x2, y2, e, colors, lfSmall, lfLarge);
}

BoardSketchEdges EdgesOf(const int* pTop, const int* pBottom, const int* pLeft, const int* pRight,
                         const int* pTopLeft, const int* pTopRight, const int* pBottomLeft, const int* pBottomRight) {
    return {*pTop, *pBottom, *pLeft, *pRight, *pTopLeft, *pTopRight, *pBottomLeft, *pBottomRight};
}

}  // namespace

CBoardSketch::CBoardSketch() : m_lfSmall{}, m_lfLarge{}, m_pBitmap(nullptr) { InitFonts(); }

CBoardSketch::~CBoardSketch() {
    if (m_pBitmap) {
        m_pBitmap->DeleteObject();
        delete m_pBitmap;
    }
}

void CBoardSketch::MakeFonts(LOGFONT& lfSmall, LOGFONT& lfLarge) {
    std::memset(&lfSmall, 0, sizeof(lfSmall));
    lfSmall.lfHeight = 8;
    lfSmall.lfWidth = 6;
    std::strcpy(lfSmall.lfFaceName, "宋体");
    std::memset(&lfLarge, 0, sizeof(lfLarge));
    lfLarge.lfHeight = 15;
    lfLarge.lfWidth = 12;
    lfLarge.lfItalic = TRUE;
    std::strcpy(lfLarge.lfFaceName, "宋体");
}

void CBoardSketch::Paint(CDC* pDC, const RECT* pRect, const int* pTop, const int* pBottom, const int* pLeft,
                         const int* pRight, const int* pTopLeft, const int* pTopRight, const int* pBottomLeft,
                         const int* pBottomRight, const int* pBackground, const int* pBand, const int* pMoment,
                         const int* pText, const int* pPost) {
    const int nWidth = pRect->right - pRect->left, nHeight = pRect->bottom - pRect->top;
    if (nWidth <= 0 || nHeight <= 0) return;
    CDC dcMemory;
    dcMemory.CreateCompatibleDC(pDC);
    if (!m_pBitmap) {
        m_pBitmap = new CBitmap;
        m_pBitmap->CreateCompatibleBitmap(pDC, nWidth, nHeight);
    }
    CBitmap* pOld = dcMemory.SelectObject(m_pBitmap);
    const BoardSketchColors colors = ColorsOf(pBackground, pBand, pMoment, pText, pPost);
    dcMemory.FillSolidRect(0, 0, nWidth, nHeight, colors.crBackground);
    DrawSketch(dcMemory, nWidth, nHeight, 55,
               EdgesOf(pTop, pBottom, pLeft, pRight, pTopLeft, pTopRight, pBottomLeft, pBottomRight), colors,
               m_lfSmall, m_lfLarge);
    pDC->BitBlt(0, 0, nWidth, nHeight, &dcMemory, 0, 0, SRCCOPY);
    dcMemory.SelectObject(pOld);
}

CBitmap* CreateBoardSketchBitmap(const RECT* pRect, const int* pTop, const int* pBottom, const int* pLeft,
                                 const int* pRight, const int* pTopLeft, const int* pTopRight, const int* pBottomLeft,
                                 const int* pBottomRight, const int* pBackground, const int* pBand, const int* pMoment,
                                 const int* pText, const int* pPost) {
    const int nWidth = pRect->right - pRect->left, nHeight = pRect->bottom - pRect->top;
    if (nWidth <= 0 || nHeight <= 0) return nullptr;
    CDC dcScreen;
    dcScreen.CreateDC("DISPLAY", NULL, NULL, NULL);
    CDC dcMemory;
    dcMemory.CreateCompatibleDC(&dcScreen);
    CBitmap* pBitmap = new CBitmap;
    if (!pBitmap->CreateCompatibleBitmap(&dcScreen, nWidth, nHeight)) {
        delete pBitmap;
        return nullptr;
    }
    CBitmap* pOld = dcMemory.SelectObject(pBitmap);
    const BoardSketchColors colors = ColorsOf(pBackground, pBand, pMoment, pText, pPost);
    CBrush brush(colors.crBackground);
    const CRect rcAll(0, 0, nWidth, nHeight);
    dcMemory.FillRect(&rcAll, &brush);
    LOGFONT lfSmall, lfLarge;
    CBoardSketch::MakeFonts(lfSmall, lfLarge);
    DrawSketch(dcMemory, nWidth, nHeight, 60,
               EdgesOf(pTop, pBottom, pLeft, pRight, pTopLeft, pTopRight, pBottomLeft, pBottomRight), colors,
               lfSmall, lfLarge);
    dcMemory.SelectObject(pOld);
    return pBitmap;
}

void DrawSketchLoad(CDC& dc, int nHeight, const BoardSketchEdges& edges, const BoardSketchColors& colors,
                    const LOGFONT& lfLarge) {
    const int x0 = 10, y0 = 25, yb = y0 + (nHeight - 47);
    CPenScope pen(dc, 1, colors.crBand);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(x0, y0, x0 + 25, yb);
    dc.SelectObject(pOldBrush);
    for (int y = y0; y <= yb; y += 10) {
        Line(dc, x0, y, x0 + 25, y);
        Line(dc, x0 + 25, y, x0 + 18, y - 3);
        Line(dc, x0 + 25, y, x0 + 18, y + 3);
    }
    Line(dc, x0, yb, x0 + 25, yb);
    Line(dc, x0 + 25, yb, x0 + 19, yb - 4);
    Line(dc, x0 + 25, yb, x0 + 19, yb + 4);
    BandMark(dc, x0 + 25, y0, edges.nTop, false);
    BandMark(dc, x0 + 25, yb, edges.nBottom, true);
    Line(dc, x0, yb + 4, x0, yb + 14);
    Line(dc, x0 + 25, yb + 4, x0 + 25, yb + 14);
    const int g = (25 - 12) / 2;
    Line(dc, x0, yb + 9, x0 + g, yb + 9);
    Line(dc, x0 + 25, yb + 9, x0 + 25 - g, yb + 9);
    Text(dc, x0 + g, yb + 1, "q", lfLarge, colors, colors.crText);
}

void DrawSketchEdge(CDC& dc, int xa, int ya, int xb, int yb, int nSide, int nCode, int nPostA, int nPostB,
                    const BoardSketchColors& colors, const LOGFONT& lfSmall, const LOGFONT& lfLarge) {
    {
        CPenScope pen(dc, 1, EdgeColor(nCode, colors));
        Line(dc, xa, ya, xb, yb);
        const bool bHorizontal = nSide == 0 || nSide == 1;
        if (nCode == SLAB_FIXED) {
            // Ticks towards the inside every 6 px.
            if (bHorizontal) {
                const int d = nSide == 0 ? 6 : -6;
                for (int x = xa; x < xb; x += 6) Line(dc, x, ya, x, ya + d);
            } else {
                const int d = nSide == 2 ? 6 : -6;
                for (int y = ya; y < yb; y += 6) Line(dc, xa, y, xa + d, y);
            }
        } else if (nCode == SLAB_SIMPLE) {
            // A dashed line 3 px inside.
            const int d = (nSide == 0 || nSide == 2) ? 3 : -3;
            const int nLength = bHorizontal ? xb - xa : yb - ya;
            for (int k = 0; 23 + 15 * k < nLength; ++k) {
                if (bHorizontal) Line(dc, xa + 15 + 15 * k, ya + d, xa + 23 + 15 * k, ya + d);
                else Line(dc, xa + d, ya + 15 + 15 * k, xa + d, ya + 23 + 15 * k);
            }
        }
    }
    if (nCode != SLAB_FIXED && nCode != SLAB_SIMPLE) {
        if (nPostA) Post(dc, xa, ya, colors);
        if (nPostB) Post(dc, xb, yb, colors);
    }
    CPenScope pen(dc, 1, colors.crText);
    if (nSide == 1) {
        Line(dc, xa, ya + 10, xa, ya + 20);
        Line(dc, xb, ya + 10, xb, ya + 20);
        const int g = ((xb - xa) - 6 - 12) / 2;
        Line(dc, xa, ya + 15, xa + g, ya + 15);
        Line(dc, xb, ya + 15, xb - g, ya + 15);
        Text(dc, xa + g, ya + 8, "L", lfLarge, colors, colors.crText);
        Text(dc, xa + g + 12, ya + 13, "x", lfSmall, colors, colors.crText);
    } else if (nSide == 3) {
        Line(dc, xa + 10, ya, xa + 20, ya);
        Line(dc, xa + 10, yb, xa + 20, yb);
        const int g = ((yb - ya) - 15) / 2;
        Line(dc, xa + 15, ya, xa + 15, ya + g);
        Line(dc, xa + 15, yb, xa + 15, yb - g);
        Text(dc, xa + 10, ya + g, "L", lfLarge, colors, colors.crText);
        Text(dc, xa + 23, ya + g + 7, "y", lfSmall, colors, colors.crText);
    }
}

void DrawSketchMoments(CDC& dc, int x1, int y1, int x2, int y2, const BoardSketchEdges& e,
                       const BoardSketchColors& colors, const LOGFONT& lfSmall, const LOGFONT& lfLarge) {
    const int xm = x1 + (x2 - x1) / 2, ym = y1 + (y2 - y1) / 2;
    CPenScope pen(dc, 3, colors.crMoment);
    // One symbol: its stroke, its "M" in the large font and up to two small texts.
    struct Label {
        int x, y;
        LPCTSTR lpszText;
    };
    auto symbol = [&](int xa, int ya, int xb, int yb, Label m, Label a, Label b) {
        Line(dc, xa, ya, xb, yb);
        Text(dc, m.x, m.y, m.lpszText, lfLarge, colors, colors.crMoment);
        if (a.lpszText) Text(dc, a.x, a.y, a.lpszText, lfSmall, colors, colors.crMoment);
        if (b.lpszText) Text(dc, b.x, b.y, b.lpszText, lfSmall, colors, colors.crMoment);
    };
    const Label none{0, 0, nullptr};
    auto isFree = [](int nCode) { return nCode != SLAB_FIXED && nCode != SLAB_SIMPLE; };
    const int nTop = e.nTop, nBottom = e.nBottom, nLeft = e.nLeft, nRight = e.nRight;
    const int nFree = isFree(nTop) + isFree(nBottom) + isFree(nLeft) + isFree(nRight);
    const int nFixed = (nTop == SLAB_FIXED) + (nBottom == SLAB_FIXED) + (nLeft == SLAB_FIXED) + (nRight == SLAB_FIXED);

    // 1. Centre.
    bool bMx = true, bMy = true;
    if (nFixed == 1 && nFree == 3) {
        bMx = bMy = false;
    } else if (isFree(nLeft) && isFree(nRight) && !isFree(nTop) && !isFree(nBottom)) {
        bMx = false;
    } else if (isFree(nTop) && isFree(nBottom) && !isFree(nLeft) && !isFree(nRight)) {
        bMy = false;
    }
    if (bMx) symbol(xm - 5, ym, xm + 25, ym, {xm + 5, ym + 3, "M"}, {xm + 20, ym + 11, "x"}, none);
    if (bMy) symbol(xm, ym - 25, xm, ym + 5, {xm - 25, ym - 18, "M"}, {xm - 10, ym - 12, "y"}, none);

    // 2. Supports at the middle of fixed edges.
    if (nTop == SLAB_FIXED)
        symbol(xm, y1 - 15, xm, y1, {xm - 10, y1 + 8, "M"}, {xm + 5, y1 + 14, "y"}, {xm + 8, y1 + 8, "O"});
    if (nBottom == SLAB_FIXED)
        symbol(xm, y2 + 10, xm, y2, {xm - 10, y2 - 23, "M"}, {xm + 5, y2 - 17, "y"}, {xm + 8, y2 - 23, "O"});
    if (nLeft == SLAB_FIXED)
        symbol(x1, ym, x1 - 20, ym, {x1 + 5, ym - 10, "M"}, {x1 + 20, ym - 3, "x"}, {x1 + 23, ym - 10, "O"});
    if (nRight == SLAB_FIXED)
        symbol(x2, ym, x2 + 10, ym, {x2 - 28, ym - 10, "M"}, {x2 - 9, ym - 3, "x"}, {x2 - 9, ym - 10, "O"});

    // 3. Free edges, judged by the opposite edge and the two adjacent ones.
    auto freeSymbol = [&](int nOpposite, int nAdjA, int nAdjB) {
        if (nOpposite == SLAB_FIXED) return !(isFree(nAdjA) && isFree(nAdjB));
        if (nOpposite == SLAB_SIMPLE) return true;
        return (nAdjA == SLAB_SIMPLE && isFree(nAdjB)) || (isFree(nAdjA) && nAdjB == SLAB_SIMPLE) ||
               (isFree(nAdjA) && isFree(nAdjB));
    };
    if (isFree(nTop) && freeSymbol(nBottom, nLeft, nRight))
        symbol(xm - 10, y1 + 4, xm + 10, y1 + 4, {xm - 10, y1 + 5, "M"}, {xm + 5, y1 + 11, "Ox"}, none);
    if (isFree(nBottom) && freeSymbol(nTop, nLeft, nRight))
        symbol(xm - 10, y2 - 4, xm + 10, y2 - 4, {xm - 10, y2 - 23, "M"}, {xm + 5, y2 - 17, "ox"}, none);
    if (isFree(nLeft) && freeSymbol(nRight, nTop, nBottom))
        symbol(x1 + 4, ym - 10, x1 + 4, ym + 10, {x1 + 7, ym - 10, "M"}, {x1 + 20, ym - 3, "Oy"}, none);
    if (isFree(nRight) && freeSymbol(nLeft, nTop, nBottom))
        symbol(x2 - 4, ym - 10, x2 - 4, ym + 10, {x2 - 32, ym - 10, "M"}, {x2 - 17, ym - 3, "Oy"}, none);

    // 4. Corners where a fixed edge meets a free one whose opposite edge is not free.
    if (nTop == SLAB_FIXED && isFree(nLeft) && !isFree(nRight))
        symbol(x1 - 3, y1, x1 - 3, y1 + 20, {x1 + 5, y1 + 5, "M"}, {x1 + 24, y1 + 5, "O"}, {x1 + 20, y1 + 12, "yz"});
    if (nLeft == SLAB_FIXED && isFree(nTop) && !isFree(nBottom))
        symbol(x1, y1 - 3, x1 + 20, y1 - 3, {x1 + 5, y1 + 5, "M"}, {x1 + 24, y1 + 5, "O"}, {x1 + 20, y1 + 12, "xz"});
    if (nTop == SLAB_FIXED && isFree(nRight) && !isFree(nLeft))
        symbol(x2 + 3, y1, x2 + 3, y1 + 20, {x2 - 32, y1 + 5, "M"}, {x2 - 13, y1 + 5, "O"}, {x2 - 18, y1 + 12, "yz"});
    if (nRight == SLAB_FIXED && isFree(nTop) && !isFree(nBottom))
        symbol(x2, y1 - 3, x2 - 20, y1 - 3, {x2 - 32, y1 + 5, "M"}, {x2 - 13, y1 + 5, "O"}, {x2 - 18, y1 + 12, "xz"});
    if (nBottom == SLAB_FIXED && isFree(nLeft) && !isFree(nRight))
        symbol(x1 - 3, y2, x1 - 3, y2 - 20, {x1 + 5, y2 - 24, "M"}, {x1 + 24, y2 - 24, "O"}, {x1 + 20, y2 - 17, "yz"});
    if (nLeft == SLAB_FIXED && isFree(nBottom) && !isFree(nTop))
        symbol(x1, y2 + 3, x1 + 20, y2 + 3, {x1 + 5, y2 - 20, "M"}, {x1 + 24, y2 - 20, "O"}, {x1 + 20, y2 - 9, "xz"});
    if (nBottom == SLAB_FIXED && isFree(nRight) && !isFree(nLeft))
        symbol(x2 + 3, y2, x2 + 3, y2 - 20, {x2 - 32, y2 - 20, "M"}, {x2 - 15, y2 - 20, "O"}, {x2 - 18, y2 - 13, "yz"});
    if (nRight == SLAB_FIXED && isFree(nBottom) && !isFree(nTop))
        symbol(x2, y2 + 3, x2 - 20, y2 + 3, {x2 - 32, y2 - 20, "M"}, {x2 - 15, y2 - 20, "O"}, {x2 - 18, y2 - 13, "xz"});
}
