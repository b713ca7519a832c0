#include "beam/BeamLoadPictures.h"

#include <cmath>

#include "framework/CodePicture.h"
#include "mfc/base/String.h"
#include "mfc/gdi/DC.h"
#include "sibling/BeamRecords.h"

namespace {

const COLORREF kBeamColor = RGB(0, 0, 0);
const COLORREF kForceColor = RGB(210, 0, 0);      // concentrated forces and moments
const COLORREF kLineLoadColor = RGB(0, 0, 200);   // distributed loads
const COLORREF kTextColor = RGB(0, 0, 0);

void Line(CDC& dc, int x0, int y0, int x1, int y1, COLORREF color, int nWidth = 1) {
    CPen pen(PS_SOLID, nWidth, color);
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    dc.SelectObject(pOld);
}

void FilledPolygon(CDC& dc, const POINT* points, int nCount, COLORREF color) {
    CPen pen(PS_SOLID, 1, color);
    CBrush brush(color);
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    dc.Polygon(points, nCount);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

// A downward arrow from y0 to its tip at y1, its head nHead pixels long.
void ArrowDown(CDC& dc, int x, int y0, int y1, COLORREF color, int nHead) {
    if (y1 - y0 > nHead) Line(dc, x, y0, x, y1 - nHead, color);
    const POINT head[3] = {{x - nHead / 2, y1 - nHead}, {x + nHead / 2 + 1, y1 - nHead}, {x, y1}};
    FilledPolygon(dc, head, 3, color);
}

// The beam line from x0 to x1 at y, with a hinged support (a small triangle) under each end.
void BeamWithSupports(CDC& dc, int x0, int x1, int y, int nSupport) {
    Line(dc, x0, y, x1, y, kBeamColor, 2);
    for (int x : {x0, x1}) {
        const POINT triangle[3] = {{x, y + 1}, {x - nSupport, y + 1 + nSupport}, {x + nSupport, y + 1 + nSupport}};
        FilledPolygon(dc, triangle, 3, kBeamColor);
    }
}

// A distributed load from (x0, height h0) to (x1, height h1) over the base line at yBase: its top
// line and arrows every nStep pixels and at both ends (an arrow of no height is left out).
void LineLoad(CDC& dc, int x0, int h0, int x1, int h1, int yBase, int nStep, int nHead) {
    Line(dc, x0, yBase - h0, x1, yBase - h1, kLineLoadColor);
    for (int x = x0;; x += nStep) {
        if (x > x1) x = x1;
        const int h = x1 == x0 ? h1 : h0 + (h1 - h0) * (x - x0) / (x1 - x0);
        if (h > nHead) ArrowDown(dc, x, yBase - h, yBase, kLineLoadColor, nHead);
        if (x == x1) break;
    }
}

// A clockwise moment about (x, y): an arc of three quarters of a circle with its head at the end.
void Moment(CDC& dc, int x, int y, int r, COLORREF color) {
    CPen pen(PS_SOLID, 1, color);
    CPen* pOld = dc.SelectObject(&pen);
    dc.SelectStockObject(NULL_BRUSH);
    // From the left, over the top, down to the right (counter-clockwise in GDI's sense reversed).
    dc.Arc(x - r, y - r, x + r + 1, y + r + 1, x + r, y, x - r, y);
    dc.SelectObject(pOld);
    const POINT head[3] = {{x + r - 3, y - 1}, {x + r + 4, y - 1}, {x + r, y + 4}};
    FilledPolygon(dc, head, 3, color);
}

void Text(CDC& dc, int x, int y, LPCTSTR lpszText) {
    const CString strText(lpszText);
    const CSize size = dc.GetTextExtent(strText, strText.GetLength());
    dc.TextOut(x - size.cx / 2, y - size.cy / 2, strText);
}

// A dimension below the beam from x0 to x1 at y, named in its middle.
void Dimension(CDC& dc, int x0, int x1, int y, LPCTSTR lpszName) {
    Line(dc, x0, y, x1 + 1, y, kTextColor);
    Line(dc, x0, y - 2, x0, y + 3, kTextColor);
    Line(dc, x1, y - 2, x1, y + 3, kTextColor);
    Text(dc, (x0 + x1) / 2, y - 5, lpszName);
}

// One load kind in an area: the beam on two supports, the load on it, and with bNamed the names of
// its values (P, M, q, q1, q2 beside the load; a and c as dimensions under the beam).
void DrawLoadKind(CDC& dc, const CRect& area, int nKind, BOOL bNamed) {
    const int x0 = area.left + 6, x1 = area.right - 7;
    const int span = x1 - x0;
    const int yBeam = bNamed ? area.top + 22 : area.bottom - 5;
    const int yTop = bNamed ? area.top + 9 : area.top + 2;  // the tallest load reaches here
    const int nHead = bNamed ? 4 : 3;
    const int full = yBeam - 2 - yTop;  // the height of the tallest load
    const int yDim = area.bottom - 4;
    BeamWithSupports(dc, x0, x1, yBeam, bNamed ? 4 : 2);
    switch (nKind) {
    case BEAM_LOAD_FORCE: {
        const int x = x0 + span * 2 / 5;
        ArrowDown(dc, x, yTop, yBeam - 1, kForceColor, nHead + 1);
        if (bNamed) {
            Text(dc, x + 7, yTop + 1, "P");
            Dimension(dc, x0, x, yDim, "a");
        }
        break;
    }
    case BEAM_LOAD_MOMENT: {
        const int x = x0 + span * 2 / 5, r = bNamed ? 6 : 5;
        Moment(dc, x, yBeam - r - 1, r, kForceColor);
        if (bNamed) {
            Text(dc, x - r - 6, yBeam - r - 4, "M");
            Dimension(dc, x0, x, yDim, "a");
        }
        break;
    }
    case BEAM_LOAD_UNIFORM:
        LineLoad(dc, x0, full, x1, full, yBeam - 1, bNamed ? 8 : 10, nHead);
        if (bNamed) Text(dc, (x0 + x1) / 2, yTop - 5, "q");
        break;
    case BEAM_LOAD_TRIANGLE: {
        const int xm = x0 + span / 2;
        LineLoad(dc, x0, 0, xm, full, yBeam - 1, bNamed ? 8 : 10, nHead);
        LineLoad(dc, xm, full, x1, 0, yBeam - 1, bNamed ? 8 : 10, nHead);
        if (bNamed) Text(dc, xm + 8, yTop - 3, "q");
        break;
    }
    case BEAM_LOAD_TRAPEZOID: {
        const int xa = x0 + span / 4, xb = x1 - span / 4;
        LineLoad(dc, x0, 0, xa, full, yBeam - 1, bNamed ? 8 : 10, nHead);
        LineLoad(dc, xa, full, xb, full, yBeam - 1, bNamed ? 8 : 10, nHead);
        LineLoad(dc, xb, full, x1, 0, yBeam - 1, bNamed ? 8 : 10, nHead);
        if (bNamed) {
            Text(dc, (xa + xb) / 2, yTop - 5, "q");
            Dimension(dc, x0, xa, yDim, "a");
            Dimension(dc, xb, x1, yDim, "a");
        }
        break;
    }
    default: {
        const int xa = x0 + span / 5, xc = x1 - span / 6;
        LineLoad(dc, xa, full / 2, xc, full, yBeam - 1, bNamed ? 8 : 10, nHead);
        if (bNamed) {
            Text(dc, xa - 8, yBeam - full / 2 - 4, "q1");
            Text(dc, xc + 8, yTop - 2, "q2");
            Dimension(dc, x0, xa, yDim, "a");
            Dimension(dc, xa, xc, yDim, "c");
        }
        break;
    }
    }
}

// A folder of the tree in a 16 × 16 cell at x: closed, or open (the selected case node).
void Folder(CDC& dc, int x, BOOL bOpen) {
    const COLORREF outline = RGB(128, 96, 0), face = RGB(255, 216, 80), inner = RGB(255, 240, 160);
    const POINT tab[4] = {{x + 1, 3}, {x + 6, 3}, {x + 7, 5}, {x + 1, 5}};
    FilledPolygon(dc, tab, 4, outline);
    const POINT back[4] = {{x + 1, 4}, {x + 14, 4}, {x + 14, 13}, {x + 1, 13}};
    FilledPolygon(dc, back, 4, outline);
    dc.FillSolidRect(x + 2, 6, 12, 7, bOpen ? inner : face);
    if (bOpen) {
        const POINT flap[4] = {{x + 4, 8}, {x + 15, 8}, {x + 13, 13}, {x + 1, 13}};
        FilledPolygon(dc, flap, 4, face);
        Line(dc, x + 4, 8, x + 15, 8, outline);
        Line(dc, x + 15, 8, x + 13, 13, outline);
    }
}

void TreeIcon(CDC& dc, int nIcon) {
    const int x = nIcon * LOAD_TREE_ICON_SIZE;
    const CRect cell(x, 0, x + LOAD_TREE_ICON_SIZE, LOAD_TREE_ICON_SIZE);
    switch (nIcon) {
    case 0:
    case 1: Folder(dc, x, nIcon == 1); break;
    case 4: BeamWithSupports(dc, x + 3, x + 12, 8, 3); break;
    default: {
        // The loads: each over a short beam line.
        Line(dc, x + 2, 14, x + 14, 14, kBeamColor, 2);
        const int yBase = 12;
        switch (nIcon) {
        case 2: ArrowDown(dc, x + 8, 1, 12, kForceColor, 5); break;
        case 5: Moment(dc, x + 7, 8, 4, kForceColor); break;
        case 3: LineLoad(dc, x + 2, 9, x + 13, 9, yBase, 5, 3); break;
        case 6:
            LineLoad(dc, x + 2, 0, x + 8, 10, yBase, 6, 3);
            LineLoad(dc, x + 8, 10, x + 14, 0, yBase, 6, 3);
            break;
        case 7:
            LineLoad(dc, x + 1, 0, x + 5, 9, yBase, 4, 3);
            LineLoad(dc, x + 5, 9, x + 11, 9, yBase, 6, 3);
            LineLoad(dc, x + 11, 9, x + 15, 0, yBase, 4, 3);
            break;
        default: LineLoad(dc, x + 3, 4, x + 13, 10, yBase, 5, 3); break;
        }
        break;
    }
    }
}

}  // namespace

BOOL CreateLoadKindStrip(CBitmap& bitmap) {
    const int cx = LOAD_KIND_IMAGE_WIDTH * BEAM_LOAD_KINDS, cy = LOAD_KIND_IMAGE_HEIGHT;
    return DrawCodePicture(bitmap, cx, cy, [&](CDC& dc) {
        dc.FillSolidRect(0, 0, cx, cy, LOAD_PICTURE_MASK);
        for (int k = 0; k < BEAM_LOAD_KINDS; ++k)
            DrawLoadKind(dc, CRect(k * LOAD_KIND_IMAGE_WIDTH, 0, (k + 1) * LOAD_KIND_IMAGE_WIDTH, cy), k, FALSE);
    });
}

BOOL CreateLoadKindPicture(CBitmap& bitmap, int nKind) {
    if (nKind < 0 || nKind >= BEAM_LOAD_KINDS) return FALSE;
    return DrawCodePicture(bitmap, LOAD_PICTURE_WIDTH, LOAD_PICTURE_HEIGHT, [&](CDC& dc) {
        dc.FillSolidRect(0, 0, LOAD_PICTURE_WIDTH, LOAD_PICTURE_HEIGHT, RGB(255, 255, 255));
        CFont font;
        font.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        CFont* pOldFont = dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kTextColor);
        DrawLoadKind(dc, CRect(0, 0, LOAD_PICTURE_WIDTH, LOAD_PICTURE_HEIGHT), nKind, TRUE);
        dc.SelectObject(pOldFont);
    });
}

BOOL CreateLoadTreeIcons(CBitmap& bitmap) {
    const int cx = LOAD_TREE_ICON_SIZE * LOAD_TREE_ICONS, cy = LOAD_TREE_ICON_SIZE;
    return DrawCodePicture(bitmap, cx, cy, [&](CDC& dc) {
        dc.FillSolidRect(0, 0, cx, cy, LOAD_PICTURE_MASK);
        for (int i = 0; i < LOAD_TREE_ICONS; ++i) TreeIcon(dc, i);
    });
}

BOOL CreateInformationIcon(CBitmap& bitmap, COLORREF background) {
    const int n = INFORMATION_ICON_SIZE;
    return DrawCodePicture(bitmap, n, n, [&](CDC& dc) {
        dc.FillSolidRect(0, 0, n, n, background);
        // A blue disc with a darker rim, and a white "i": its dot and its stem.
        CPen rim(PS_SOLID, 1, RGB(0, 64, 160));
        CBrush face(RGB(40, 110, 220));
        CPen* pOldPen = dc.SelectObject(&rim);
        CBrush* pOldBrush = dc.SelectObject(&face);
        dc.Ellipse(2, 2, n - 2, n - 2);
        CPen white(PS_SOLID, 1, RGB(255, 255, 255));
        CBrush whiteBrush(RGB(255, 255, 255));
        dc.SelectObject(&white);
        dc.SelectObject(&whiteBrush);
        dc.Ellipse(n / 2 - 3, 7, n / 2 + 3, 13);
        dc.Rectangle(n / 2 - 3, 15, n / 2 + 3, n - 7);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
    });
}
