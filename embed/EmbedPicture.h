// The common manner of the embedded-part pages' pictures: a black picture control drawn on directly,
// in integer pixels about its centre, with white outlines for the steel, green dimensions and
// leaders, yellow load arrows and white texts in "Romac" 9 pt. Construction repaints the control
// black and selects the tools; destruction puts the previous ones back and releases the context.
#pragma once

#include "mfc/Afx.h"

class CEmbedPicture {
public:
    explicit CEmbedPicture(CWnd* pControl);
    ~CEmbedPicture();

    // FALSE when there is no control to draw on (the page has no window yet).
    BOOL IsReady() const { return m_pDC != nullptr; }

    int m_cx = 0, m_cy = 0;  // the centre, from which every coordinate below counts

    // Steel in white.
    void Line(int x1, int y1, int x2, int y2);
    void Rect(int x1, int y1, int x2, int y2);
    void Circle(int x, int y, int nRadius);
    // Green: a dimension from (x1, y1) to (x2, y2) with 8-px ticks across it and its label beside it.
    void Dimension(int x1, int y1, int x2, int y2, LPCTSTR lpszLabel);
    // Green: a leader from a part to its label.
    void Leader(int x1, int y1, int x2, int y2, LPCTSTR lpszLabel);
    // Yellow: an arrow from its tail to its head with a 4-px barb, labelled at the tail.
    void Arrow(int xTail, int yTail, int xHead, int yHead, LPCTSTR lpszLabel);
    // Yellow: the moment arc of the ellipse in the box, from its top to its bottom point taken on the
    // vertical xEnds, with an 8-px end stroke.
    void MomentArc(int x1, int y1, int x2, int y2, int xEnds, LPCTSTR lpszLabel);
    // Red, 3 px: a ring's two legs from yTop to yBottom, closed below by a half circle.
    void Ring(int xLeft, int xRight, int yTop, int yBottom);
    // White text with its top-left corner at the point.
    void Text(int x, int y, LPCTSTR lpszText);

    // The shrink rule: every size times 0.8 (truncated) until the two governing sizes add up to at
    // most nLimit.
    static void Shrink(int* pSizes, int nCount, int nFirst, int nSecond, int nLimit);

    CEmbedPicture(const CEmbedPicture&) = delete;
    CEmbedPicture& operator=(const CEmbedPicture&) = delete;

private:
    CWnd* m_pControl = nullptr;
    CDC* m_pDC = nullptr;
    CPen m_penOutline, m_penDimension, m_penLoad, m_penRing;
    CFont m_font;
    CPen* m_pOldPen = nullptr;
    CFont* m_pOldFont = nullptr;
    CGdiObject* m_pOldBrush = nullptr;
};

// The plan of a plate with rows × columns anchors on a 22-px pitch, the plate 12 px beyond them, with
// the dimensions "cb" and "b" across the top and "ca" and "b1" down the left; the anchors are bars
// (4-px circles) or, with bAngle, small angle symbols. Returns the plate's rectangle.
CRect DrawAnchorPlan(CEmbedPicture& pic, int nRows, int nColumns, BOOL bAngle);
