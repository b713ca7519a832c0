#include "stair/StairBoardPreview.h"

#include "framework/CodePicture.h"
#include "mfc/base/String.h"
#include "mfc/gdi/DC.h"

namespace {

const int kSize = 220;  // the picture is square
const int kSteps = 8;
// The waist's top line runs through the steps' inner corners from (kTopX, kTopY) to (kEndX, kEndY);
// the soffit lies kWaist lower.
const int kTopX = 44, kTopY = 48, kEndX = 176, kEndY = 164;
const int kWaist = 24;
const int kBarInset = 5;  // bars within the waist, from its faces

// The waist's top line at x.
double TopAt(double x) { return kTopY + (x - kTopX) * (kEndY - kTopY) / (kEndX - kTopX); }

POINT Point(double x, double y) { return POINT{static_cast<LONG>(x + 0.5), static_cast<LONG>(y + 0.5)}; }

void Label(CDC& dc, int x, int y, LPCTSTR lpszText, POINT from) {
    dc.MoveTo(from);
    dc.LineTo(x, y);
    const CString strText(lpszText);
    const CSize size = dc.GetTextExtent(strText, strText.GetLength());
    dc.TextOut(x - size.cx / 2, y < from.y ? y - size.cy : y, strText);
}

void DrawPreview(CDC& dc) {
    dc.FillSolidRect(0, 0, kSize, kSize, RGB(255, 255, 255));
    CPen penEdge(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush brushConcrete(RGB(225, 225, 225));
    CPen* pOldPen = dc.SelectObject(&penEdge);
    CBrush* pOldBrush = dc.SelectObject(&brushConcrete);

    // The stair beams, then the flight: the steps above, the soffit below.
    dc.Rectangle(12, kTopY, kTopX + 1, kTopY + 49);
    dc.Rectangle(kEndX, kEndY, 209, kEndY + 49);
    POINT flight[2 * kSteps + 3];
    int n = 0;
    const double dx = double(kEndX - kTopX) / kSteps, dy = double(kEndY - kTopY) / kSteps;
    for (int i = 0; i < kSteps; i++) {
        flight[n++] = Point(kTopX + i * dx, kTopY + i * dy);
        flight[n++] = Point(kTopX + (i + 1) * dx, kTopY + i * dy);
    }
    flight[n++] = Point(kEndX, kEndY);
    flight[n++] = Point(kEndX, kEndY + kWaist);
    flight[n++] = Point(kTopX, kTopY + kWaist);
    dc.Polygon(flight, n);

    // The bars in red: ① along the soffit into both beams, ② and ③ along the top over the supports,
    // hooked down in the beams, ④ across the flight on top of ①.
    CPen penBar(PS_SOLID, 2, RGB(220, 0, 0));
    CBrush brushBar(RGB(220, 0, 0));
    dc.SelectObject(&penBar);
    auto bottomAt = [](double x) { return TopAt(x) + kWaist - kBarInset; };
    dc.MoveTo(Point(28, bottomAt(28)));
    dc.LineTo(Point(192, bottomAt(192)));
    const double yUpper = kTopY + kBarInset;
    const POINT upper[] = {Point(22, yUpper + 14), Point(22, yUpper), Point(kTopX, yUpper),
                           Point(88, TopAt(88) + kBarInset)};
    dc.Polyline(upper, 4);
    const double yLower = kEndY + kBarInset;
    const POINT lower[] = {Point(140, TopAt(140) + kBarInset), Point(kEndX, yLower), Point(200, yLower),
                           Point(200, yLower + 16)};
    dc.Polyline(lower, 4);
    dc.SelectObject(&brushBar);
    dc.SelectObject(&penEdge);
    for (int x = 60; x <= 168; x += 18) {
        const POINT c = Point(x, bottomAt(x) - 4);
        dc.Ellipse(c.x - 2, c.y - 2, c.x + 3, c.y + 3);
    }

    // The bar numbers.
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    Label(dc, 122, 150, "①", Point(110, bottomAt(110)));
    Label(dc, 84, 30, "②", Point(70, TopAt(70) + kBarInset));
    Label(dc, 164, 118, "③", Point(160, TopAt(160) + kBarInset));
    Label(dc, 62, 118, "④", Point(78, bottomAt(78) - 4));

    dc.SelectObject(pOldFont);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

}  // namespace

BOOL CreateStairBoardPreview(CBitmap& bitmap) {
    return DrawCodePicture(bitmap, kSize, kSize, DrawPreview);
}
