#pragma once
// The off-screen raster every picture of the irregular slab is drawn on: a memory device context
// with its bitmap, and CAD-like primitives on device points (pixels, x right, y down; z ignored).
// Segments are drawn in the colour of their segment type with the support symbol of their edge;
// sizes are pixels. In print mode (the report pictures) every pen and text is black and no text is
// smaller than the report's body text; disc fills keep their colour. Texts along a segment read left
// to right or bottom to top, whichever way the segment runs.
#include "acge/Point3d.h"
#include "mfc/Afx.h"

class CDrawCanvas {
public:
    CDrawCanvas();
    virtual ~CDrawCanvas();
    CDrawCanvas(const CDrawCanvas&) = delete;
    CDrawCanvas& operator=(const CDrawCanvas&) = delete;

    int Create(int left, int top, int right, int bottom, COLORREF background);
    int Release();
    int SetBackColor(COLORREF color);
    int Clear();
    int SetPicture(int picture);

    int DrawLine(AcGePoint3d p1, AcGePoint3d p2, COLORREF color);
    int DrawLineWithPen(AcGePoint3d p1, AcGePoint3d p2, int unused, CPen* pen);
    int DrawTypedLine(AcGePoint3d p1, AcGePoint3d p2, int type);
    int DrawCross(AcGePoint3d center, double size, COLORREF color);
    int DrawDisc(AcGePoint3d center, double radius, COLORREF color);
    int DrawHatch(AcGePoint3d p1, AcGePoint3d p2, double s, int sign);
    int DrawDashedOffset(AcGePoint3d p1, AcGePoint3d p2, double s, int sign);
    int DrawSegment(AcGePoint3d p1, AcGePoint3d p2, double bulge, int type, double s, int side);
    int DrawThreePointArc(AcGePoint3d start, AcGePoint3d end, AcGePoint3d through, int type, double s, int side);
    int DrawCircle(AcGePoint3d p1, AcGePoint3d p2, int type, double s);
    int DrawRectangle(AcGePoint3d c1, AcGePoint3d c2, int type, double s);
    int DrawText(AcGePoint3d position, const CString& text, double height, COLORREF color, AcGeVector3d direction,
                 int align);
    int DrawSegmentText(AcGePoint3d p1, AcGePoint3d p2, const CString& text, COLORREF color, double height, int side);
    int DrawEdgeValue(AcGePoint3d p1, AcGePoint3d p2, int type, double s, int side, double value);
    int DrawNumber(AcGePoint3d p1, AcGePoint3d p2, int unused, int number, double size, int placement);
    int DrawMeasuredSegment(AcGePoint3d p1, AcGePoint3d p2, int type, double s, int side, double value);
    // The whole-pixel cell height a text of the given height is written with: at least 1, and in
    // print mode at least that of the report's body text.
    int TextHeight(double height) const;
    // The width in pixels of a text written horizontally at cell height h.
    int TextWidth(const CString& text, int h) const;

    int m_bPrint;
    CDC* m_pMemDC;
    CBitmap* m_pBitmap;
    COLORREF m_crBack;
    CRect m_rcCanvas;
    int m_nPicture;

private:
    // The pen colour of a segment type (black in print mode); FALSE for a type without a pen.
    BOOL TypeColor(int type, COLORREF& color) const;
    COLORREF Ink(COLORREF color) const;
    // A line with the pen currently selected.
    void Line(AcGePoint3d p1, AcGePoint3d p2);
    // A line with a pen of the segment type's colour, or with the current pen for other types.
    void TypedLine(AcGePoint3d p1, AcGePoint3d p2, int type);
    // The support symbols of an arc from p1 to p2 (device bulge b) about its centre.
    void ArcSymbols(AcGePoint3d p1, AcGePoint3d p2, double bulge, int type, double s, AcGeVector3d r1,
                    AcGeVector3d r2);
    // Writes text at p with the current font changed to height h, the given escapement (or the
    // font's own when keepEscapement) and the face "Txt".
    void WriteText(AcGePoint3d p, const CString& text, int h, int escapement, BOOL keepEscapement, COLORREF color);
    // Creates the current font changed to cell height h (em height -h when negative), the given
    // escapement (or the font's own when keepEscapement) and the face "Txt".
    void MakeFont(CFont& font, int h, int escapement, BOOL keepEscapement) const;
    // A text along a segment, one offset off its middle on the side -side selects (see the .cpp).
    void WriteAlongSegment(AcGePoint3d p1, AcGePoint3d p2, const CString& text, COLORREF color, double offset,
                           int h, int side);
};
