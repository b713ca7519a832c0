#include "embed/EmbedPicture.h"

#include <algorithm>
#include <cmath>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kYellow = RGB(255, 255, 0);
const int kPitch = 22;
const int kMargin = 12;

}  // namespace

CEmbedPicture::CEmbedPicture(CWnd* pControl) : m_pControl(pControl) {
    if (!m_pControl || !m_pControl->GetSafeHwnd()) return;
    m_pControl->Invalidate(TRUE);
    m_pControl->UpdateWindow();
    CRect rc;
    m_pControl->GetClientRect(&rc);
    m_cx = rc.Width() / 2;
    m_cy = rc.Height() / 2;
    m_pDC = m_pControl->GetDC();
    if (!m_pDC) return;
    m_penOutline.CreatePen(PS_SOLID, 0, kWhite);
    m_penDimension.CreatePen(PS_SOLID, 0, kGreen);
    m_penLoad.CreatePen(PS_SOLID, 1, kYellow);
    m_penRing.CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    m_pOldPen = m_pDC->SelectObject(&m_penOutline);
    m_pOldBrush = m_pDC->SelectStockObject(NULL_BRUSH);
    m_pDC->SetTextColor(kWhite);
    m_pDC->SetBkMode(TRANSPARENT);
    m_font.CreatePointFont(90, "Romac", m_pDC);
    m_pOldFont = m_pDC->SelectObject(&m_font);
}

CEmbedPicture::~CEmbedPicture() {
    if (!m_pDC) return;
    m_pDC->SelectObject(m_pOldPen);
    m_pDC->SelectObject(m_pOldFont);
    if (m_pOldBrush) m_pDC->SelectObject(m_pOldBrush);
    m_penOutline.DeleteObject();
    m_penDimension.DeleteObject();
    m_penLoad.DeleteObject();
    m_penRing.DeleteObject();
    m_font.DeleteObject();
    m_pControl->ReleaseDC(m_pDC);
}

void CEmbedPicture::Line(int x1, int y1, int x2, int y2) {
    m_pDC->SelectObject(&m_penOutline);
    m_pDC->MoveTo(m_cx + x1, m_cy + y1);
    m_pDC->LineTo(m_cx + x2, m_cy + y2);
}

void CEmbedPicture::Rect(int x1, int y1, int x2, int y2) {
    m_pDC->SelectObject(&m_penOutline);
    m_pDC->Rectangle(m_cx + x1, m_cy + y1, m_cx + x2, m_cy + y2);
}

void CEmbedPicture::Circle(int x, int y, int nRadius) {
    m_pDC->SelectObject(&m_penOutline);
    m_pDC->Ellipse(m_cx + x - nRadius, m_cy + y - nRadius, m_cx + x + nRadius + 1, m_cy + y + nRadius + 1);
}

void CEmbedPicture::Dimension(int x1, int y1, int x2, int y2, LPCTSTR lpszLabel) {
    m_pDC->SelectObject(&m_penDimension);
    const BOOL bHorizontal = y1 == y2;
    for (int i = 0; i < 2; ++i) {
        const int x = m_cx + (i ? x2 : x1), y = m_cy + (i ? y2 : y1);
        if (bHorizontal) {
            m_pDC->MoveTo(x, y - 4);
            m_pDC->LineTo(x, y + 4);
        } else {
            m_pDC->MoveTo(x - 4, y);
            m_pDC->LineTo(x + 4, y);
        }
    }
    m_pDC->MoveTo(m_cx + x1, m_cy + y1);
    m_pDC->LineTo(m_cx + x2, m_cy + y2);
    // A horizontal label goes above its line, or below it when the picture's top edge is too near.
    if (bHorizontal)
        Text((x1 + x2) / 2 - 4, y1 - 14 >= -m_cy ? y1 - 14 : y1 + 1, lpszLabel);
    else
        Text(x1 - 16, (y1 + y2) / 2 - 6, lpszLabel);
}

void CEmbedPicture::Leader(int x1, int y1, int x2, int y2, LPCTSTR lpszLabel) {
    m_pDC->SelectObject(&m_penDimension);
    m_pDC->MoveTo(m_cx + x1, m_cy + y1);
    m_pDC->LineTo(m_cx + x2, m_cy + y2);
    Text(x2 + (x2 >= x1 ? 1 : -10), std::max(y2 - 12, -m_cy), lpszLabel);
}

void CEmbedPicture::Arrow(int xTail, int yTail, int xHead, int yHead, LPCTSTR lpszLabel) {
    m_pDC->SelectObject(&m_penLoad);
    m_pDC->MoveTo(m_cx + xTail, m_cy + yTail);
    m_pDC->LineTo(m_cx + xHead, m_cy + yHead);
    // One barb, 4 px back along the shaft and 4 px to its side.
    const int dx = xHead > xTail ? -4 : (xHead < xTail ? 4 : 0);
    const int dy = yHead > yTail ? -4 : (yHead < yTail ? 4 : 0);
    m_pDC->MoveTo(m_cx + xHead, m_cy + yHead);
    m_pDC->LineTo(m_cx + xHead + dx + (dx == 0 ? 4 : 0), m_cy + yHead + dy + (dy == 0 ? -4 : 0));
    Text(xTail + (xHead == xTail ? 3 : 0), yTail + (yHead == yTail ? -13 : 0), lpszLabel);
}

void CEmbedPicture::MomentArc(int x1, int y1, int x2, int y2, int xEnds, LPCTSTR lpszLabel) {
    m_pDC->SelectObject(&m_penLoad);
    // Counter-clockwise from the start point: from the top over the left side to the bottom.
    m_pDC->Arc(m_cx + x1, m_cy + y1, m_cx + x2, m_cy + y2, m_cx + xEnds, m_cy + y1, m_cx + xEnds, m_cy + y2);
    m_pDC->MoveTo(m_cx + xEnds, m_cy + y2);
    m_pDC->LineTo(m_cx + xEnds + 8, m_cy + y2);
    Text(x1 + 1, y1 - 12, lpszLabel);
}

void CEmbedPicture::Ring(int xLeft, int xRight, int yTop, int yBottom) {
    m_pDC->SelectObject(&m_penRing);
    const int nRadius = (xRight - xLeft) / 2;
    const int yArc = yBottom - nRadius;
    m_pDC->MoveTo(m_cx + xLeft, m_cy + yTop);
    m_pDC->LineTo(m_cx + xLeft, m_cy + yArc);
    m_pDC->MoveTo(m_cx + xRight, m_cy + yTop);
    m_pDC->LineTo(m_cx + xRight, m_cy + yArc);
    // Counter-clockwise from the left leg's foot round the bottom to the right one's.
    m_pDC->Arc(m_cx + xLeft, m_cy + yArc - nRadius, m_cx + xRight, m_cy + yBottom, m_cx + xLeft, m_cy + yArc,
               m_cx + xRight, m_cy + yArc);
}

void CEmbedPicture::Text(int x, int y, LPCTSTR lpszText) {
    m_pDC->TextOut(m_cx + x, m_cy + y, CString(lpszText));
}

void CEmbedPicture::Shrink(int* pSizes, int nCount, int nFirst, int nSecond, int nLimit) {
    while (pSizes[nFirst] + pSizes[nSecond] > nLimit) {
        for (int i = 0; i < nCount; ++i) pSizes[i] = static_cast<int>(pSizes[i] * 0.8);
    }
}

CRect DrawAnchorPlan(CEmbedPicture& pic, int nRows, int nColumns, BOOL bAngle) {
    nRows = std::max(nRows, 1);
    nColumns = std::max(nColumns, 1);
    const int nWidth = (nColumns - 1) * kPitch, nHeight = (nRows - 1) * kPitch;
    const int x0 = -nWidth / 2, y0 = -nHeight / 2;
    const CRect plate(x0 - kMargin, y0 - kMargin, x0 + nWidth + kMargin, y0 + nHeight + kMargin);
    pic.Rect(plate.left, plate.top, plate.right + 1, plate.bottom + 1);
    for (int r = 0; r < nRows; ++r) {
        for (int c = 0; c < nColumns; ++c) {
            const int x = x0 + c * kPitch, y = y0 + r * kPitch;
            if (bAngle) {
                pic.Line(x - 4, y - 4, x - 4, y + 4);
                pic.Line(x - 4, y + 4, x + 4, y + 4);
            } else {
                pic.Circle(x, y, 2);
            }
        }
    }
    const int yDim = plate.top - 5, xDim = plate.left - 5;
    pic.Dimension(plate.left, yDim, x0, yDim, "cb");
    if (nColumns > 1) pic.Dimension(x0, yDim, x0 + kPitch, yDim, "b");
    pic.Dimension(xDim, plate.top, xDim, y0, "ca");
    if (nRows > 1) pic.Dimension(xDim, y0, xDim, y0 + kPitch, "b1");
    return plate;
}
