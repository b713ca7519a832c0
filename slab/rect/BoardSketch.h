// The slab's schematic: the load band with q, the outline with its edges drawn by their supports,
// the corner posts, the spans Lx and Ly and the moment symbols of the edge combination. Painted with
// GDI in pixels, into a window (black background) or into a bitmap for the report (white).
// Edge codes: 0 fixed, 1 simply supported, 2 free; post flags nonzero where a post stands.
#pragma once

#include "mfc/gdi/DC.h"
#include "mfc/gdi/GdiObjects.h"

// The colours of one painting (COLORREF).
struct BoardSketchColors {
    COLORREF crBackground, crBand, crMoment, crText, crPost;
};

// The eight values of a slab's supports as the painting takes them.
struct BoardSketchEdges {
    int nTop, nBottom, nLeft, nRight;
    int nTopLeft, nTopRight, nBottomLeft, nBottomRight;
};

class CBoardSketch {
public:
    CBoardSketch();
    virtual ~CBoardSketch();
    CBoardSketch(const CBoardSketch&) = delete;
    CBoardSketch& operator=(const CBoardSketch&) = delete;

    // Paints over rect through a back buffer made at the first paint with rect's size.
    void Paint(CDC* pDC, const RECT* pRect, const int* pTop, const int* pBottom, const int* pLeft, const int* pRight,
               const int* pTopLeft, const int* pTopRight, const int* pBottomLeft, const int* pBottomRight,
               const int* pBackground, const int* pBand, const int* pMoment, const int* pText, const int* pPost);

    // The two fonts of the schematic: 8 × 6 "宋体" for the small letters, 15 × 12 italic for q, L and M.
    static void MakeFonts(LOGFONT& lfSmall, LOGFONT& lfLarge);

    LOGFONT m_lfSmall;  // subscripts and superscripts
    LOGFONT m_lfLarge;  // the letters q, L and M
    CBitmap* m_pBitmap;

private:
    void InitFonts() { MakeFonts(m_lfSmall, m_lfLarge); }
};

// A new bitmap of rect's size holding the schematic; the caller owns it. Null when the size is not
// positive or no bitmap can be made.
CBitmap* CreateBoardSketchBitmap(const RECT* pRect, const int* pTop, const int* pBottom, const int* pLeft,
                                 const int* pRight, const int* pTopLeft, const int* pTopRight, const int* pBottomLeft,
                                 const int* pBottomRight, const int* pBackground, const int* pBand, const int* pMoment,
                                 const int* pText, const int* pPost);

// The three drawing steps, into a DC of W × H pixels: the band left of the outline box
// (x1, y1)–(x2, y2); one edge from (xa, ya) to (xb, yb) (side 0 top, 1 bottom, 2 left, 3 right) with
// the post flags of its two ends; the moment symbols inside the box.
void DrawSketchLoad(CDC& dc, int nHeight, const BoardSketchEdges& edges, const BoardSketchColors& colors,
                    const LOGFONT& lfLarge);
void DrawSketchEdge(CDC& dc, int xa, int ya, int xb, int yb, int nSide, int nCode, int nPostA, int nPostB,
                    const BoardSketchColors& colors, const LOGFONT& lfSmall, const LOGFONT& lfLarge);
void DrawSketchMoments(CDC& dc, int x1, int y1, int x2, int y2, const BoardSketchEdges& edges,
                       const BoardSketchColors& colors, const LOGFONT& lfSmall, const LOGFONT& lfLarge);
