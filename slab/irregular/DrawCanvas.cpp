#include "slab/irregular/DrawCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
// Arcs and circles are drawn as chains of pieces about this many pixels long.
constexpr double kArcStep = 5.0;
// Device coordinates far outside any bitmap are held here so that truncation to int stays defined.
constexpr double kFarPixel = 1.0e8;
// The report's body text is 10.5 pt; the report prints a picture at 96 pixels an inch, where that
// is an em of 14 pixels.
constexpr int kBodyTextEm = 14;
constexpr int kProbeEm = 1000;

const COLORREF kBlue = 0xFF0000;
const COLORREF kRed = 0x0000FF;
const COLORREF kMagenta = 0xFF00FF;
const COLORREF kGreen = 0x00FF00;
const COLORREF kYellow = 0x00FFFF;
const COLORREF kOrange = 0x3A92F4;

// A coordinate or size as a whole pixel: truncated toward zero (a non-number gives 0).
int Pixel(double v)
{
    if (!(v == v))
        return 0;
    if (v > kFarPixel)
        v = kFarPixel;
    if (v < -kFarPixel)
        v = -kFarPixel;
    return static_cast<int>(v);
}

AcGeVector3d Unit(AcGeVector3d v)
{
    return v.normalize();
}

// v turned by +90 degrees about z.
AcGeVector3d Normal(AcGeVector3d v)
{
    return {-v.y, v.x, 0.0};
}

// A temporary polyline p1, p2 with the bulge on its first segment (on both when closed); only the
// vertices and bulges matter for drawing.
CBoardPolyline TwoPointPolyline(AcGePoint3d p1, AcGePoint3d p2, double bulge, BOOL closed)
{
    CBoardPolyline poly;
    poly.AddPoint(p1, 0, 0, BOARD_OUTLINE, 0.0, bulge);
    poly.AddPoint(p2, 0, 0, BOARD_OUTLINE, 0.0, closed ? bulge : 0.0);
    poly.Close(closed);
    return poly;
}

// A size usable as a symbol spacing: a pixel or more (symbols closer than that would be a smear,
// and as many as the edge is long) and finite.
BOOL UsableSize(double s)
{
    return s >= 1.0 && std::isfinite(s);
}

// The symbols i = 0, 1, ... every s along u from base, up to length, that can reach the rectangle
// (grown by margin): first and last, FALSE when none. So a far edge costs its visible part only.
BOOL VisibleSteps(const CRect& rect, double margin, AcGePoint3d base, AcGeVector3d u, double length, double s,
                  int& first, int& last)
{
    double from = 0.0, to = length;
    const double lower[2] = {rect.left - margin, rect.top - margin}, upper[2] = {rect.right + margin, rect.bottom + margin};
    const double start[2] = {base.x, base.y}, along[2] = {u.x, u.y};
    for (int k = 0; k < 2; ++k) {
        if (along[k] == 0.0) {
            if (start[k] < lower[k] || start[k] > upper[k])
                return FALSE;
            continue;
        }
        const double t1 = (lower[k] - start[k]) / along[k], t2 = (upper[k] - start[k]) / along[k];
        from = std::max(from, std::min(t1, t2));
        to = std::min(to, std::max(t1, t2));
    }
    if (!(from <= to))
        return FALSE;
    first = static_cast<int>(std::max(0.0, std::floor(from / s)));
    last = static_cast<int>(std::min(std::ceil(to / s), std::floor(length / s)));
    return first <= last;
}

}  // namespace

CDrawCanvas::CDrawCanvas() : m_bPrint(0), m_pMemDC(nullptr), m_pBitmap(nullptr), m_crBack(0), m_nPicture(-1) {}

CDrawCanvas::~CDrawCanvas()
{
    Release();
}

int CDrawCanvas::Create(int left, int top, int right, int bottom, COLORREF background)
{
    Release();
    m_rcCanvas.SetRect(left, top, right, bottom);
    CDC screen;
    screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    m_pMemDC = new CDC;
    m_pMemDC->CreateCompatibleDC(&screen);
    m_pBitmap = new CBitmap;
    m_pBitmap->CreateCompatibleBitmap(&screen, right - left, bottom - top);
    m_pMemDC->SelectObject(m_pBitmap);
    return SetBackColor(background);
}

int CDrawCanvas::Release()
{
    // The device context goes first so that the bitmap is no longer selected when it is deleted.
    if (m_pMemDC) {
        m_pMemDC->DeleteDC();
        delete m_pMemDC;
        m_pMemDC = nullptr;
    }
    if (m_pBitmap) {
        m_pBitmap->DeleteObject();
        delete m_pBitmap;
        m_pBitmap = nullptr;
    }
    return 1;
}

int CDrawCanvas::SetBackColor(COLORREF color)
{
    m_crBack = color;
    return Clear();
}

int CDrawCanvas::Clear()
{
    if (m_pMemDC)
        m_pMemDC->FillSolidRect(&m_rcCanvas, m_crBack);
    return 1;
}

int CDrawCanvas::SetPicture(int picture)
{
    m_nPicture = picture;
    return 1;
}

COLORREF CDrawCanvas::Ink(COLORREF color) const
{
    return m_bPrint ? 0x000000 : color;
}

BOOL CDrawCanvas::TypeColor(int type, COLORREF& color) const
{
    switch (type) {
    case 0: color = kBlue; break;
    case 1: color = kRed; break;
    case 2: color = kMagenta; break;
    case SEGMENT_HOLE_EDGE: color = kGreen; break;
    case LOAD_DEAD: color = kYellow; break;
    case LOAD_LIVE: color = kOrange; break;
    default: return FALSE;
    }
    color = Ink(color);
    return TRUE;
}

void CDrawCanvas::Line(AcGePoint3d p1, AcGePoint3d p2)
{
    m_pMemDC->MoveTo(Pixel(p1.x), Pixel(p1.y));
    m_pMemDC->LineTo(Pixel(p2.x), Pixel(p2.y));
}

int CDrawCanvas::DrawLine(AcGePoint3d p1, AcGePoint3d p2, COLORREF color)
{
    CPen pen(PS_SOLID, 1, Ink(color));
    return DrawLineWithPen(p1, p2, 0, &pen);
}

int CDrawCanvas::DrawLineWithPen(AcGePoint3d p1, AcGePoint3d p2, int, CPen* pen)
{
    CPen* old = m_pMemDC->SelectObject(pen);
    Line(p1, p2);
    m_pMemDC->SelectObject(old);
    return 1;
}

void CDrawCanvas::TypedLine(AcGePoint3d p1, AcGePoint3d p2, int type)
{
    COLORREF color;
    if (TypeColor(type, color)) {
        CPen pen(PS_SOLID, 1, color);
        DrawLineWithPen(p1, p2, 0, &pen);
    } else {
        Line(p1, p2);
    }
}

int CDrawCanvas::DrawTypedLine(AcGePoint3d p1, AcGePoint3d p2, int type)
{
    TypedLine(p1, p2, type);
    return 1;
}

int CDrawCanvas::DrawCross(AcGePoint3d center, double size, COLORREF color)
{
    const int h = Pixel(size * 0.5), x = Pixel(center.x), y = Pixel(center.y);
    CPen pen(PS_SOLID, 1, Ink(color));
    CPen* old = m_pMemDC->SelectObject(&pen);
    m_pMemDC->MoveTo(x - h, y + h);
    m_pMemDC->LineTo(x + h, y - h);
    m_pMemDC->MoveTo(x + h, y + h);
    m_pMemDC->LineTo(x - h, y - h);
    m_pMemDC->SelectObject(old);
    return 1;
}

int CDrawCanvas::DrawDisc(AcGePoint3d center, double radius, COLORREF color)
{
    const int x = Pixel(center.x), y = Pixel(center.y);
    CBrush brush(color);
    CBrush* old = m_pMemDC->SelectObject(&brush);
    m_pMemDC->Ellipse(Pixel(x - radius), Pixel(y - radius), Pixel(x + radius), Pixel(y + radius));
    m_pMemDC->SelectObject(old);
    return 1;
}

// The ticks of a fixed edge: every s pixels from the end that sign chooses, s long, on the side of
// the normal (-u.y, u.x). A sign of 0 shows nothing.
int CDrawCanvas::DrawHatch(AcGePoint3d p1, AcGePoint3d p2, double s, int sign)
{
    if (sign == 0 || !UsableSize(s))
        return 1;
    const double d = GetDistance(p1, p2);
    const AcGePoint3d base = sign > 0 ? p1 : p2;
    const AcGeVector3d u = sign > 0 ? Unit(p1 - p2) : Unit(p2 - p1);
    const AcGePoint3d tip = base + s * Normal(u);
    int first = 0, last = 0;
    if (!VisibleSteps(m_rcCanvas, 2.0 * s, base, -u, d, s, first, last))
        return 1;
    CPen pen(PS_SOLID, 1, Ink(kRed));
    CPen* old = m_pMemDC->SelectObject(&pen);
    for (int i = first; i <= last; ++i)
        Line(base - i * s * u, tip - i * s * u);
    m_pMemDC->SelectObject(old);
    return 1;
}

// The dashes of a simply supported edge: s long with gaps of s, one s off the edge, as the ticks.
int CDrawCanvas::DrawDashedOffset(AcGePoint3d p1, AcGePoint3d p2, double s, int sign)
{
    if (sign == 0 || !UsableSize(s))
        return 1;
    const double d = GetDistance(p1, p2);
    const AcGeVector3d u = sign > 0 ? Unit(p1 - p2) : Unit(p2 - p1);
    const AcGePoint3d tip = (sign > 0 ? p1 : p2) + s * Normal(u);
    int first = 0, last = 0;
    if (!VisibleSteps(m_rcCanvas, 2.0 * s, tip, -u, d, s, first, last))
        return 1;
    CPen pen(PS_SOLID, 1, Ink(kBlue));
    CPen* old = m_pMemDC->SelectObject(&pen);
    for (int i = first - first % 2; i <= last; i += 2)
        Line(tip - (i + 1) * s * u, tip - i * s * u);
    m_pMemDC->SelectObject(old);
    return 1;
}

void CDrawCanvas::ArcSymbols(AcGePoint3d p1, AcGePoint3d p2, double bulge, int type, double s, AcGeVector3d r1,
                             AcGeVector3d r2)
{
    if (!UsableSize(s))
        return;
    if (type == 0) {
        const PointArray w = SamplePolyline(TwoPointPolyline(p1 + s * r1, p2 + s * r2, bulge, FALSE), s);
        for (int k = 0; k < w.length() - 2; k += 2)
            TypedLine(w[k], w[k + 1], 0);
    } else if (type == 1) {
        const AcGePoint3d center = GetArcCenter(p1, p2, bulge);
        const PointArray t = SamplePolyline(TwoPointPolyline(p1, p2, bulge, FALSE), s);
        for (int k = 1; k < t.length() - 1; ++k)
            TypedLine(t[k], t[k] + s * Unit(t[k] - center), 1);
    }
}

int CDrawCanvas::DrawSegment(AcGePoint3d p1, AcGePoint3d p2, double bulge, int type, double s, int side)
{
    const int sign = -side;
    if (bulge == 0.0) {
        if (type == 1 && m_nPicture < 1)
            DrawHatch(p1, p2, s, sign);
        else if (type == 0 && m_nPicture < 1)
            DrawDashedOffset(p1, p2, s, sign);
        TypedLine(p1, p2, type);
        return 1;
    }
    // Device y points down, so the arc turns the other way than in the world.
    const double b = -bulge;
    const PointArray q = SamplePolyline(TwoPointPolyline(p1, p2, b, FALSE), kArcStep);
    for (int k = 0; k + 1 < q.length(); ++k)
        TypedLine(q[k], q[k + 1], type);
    if (m_nPicture < 0) {
        const AcGePoint3d center = GetArcCenter(p1, p2, b);
        AcGeVector3d r1 = Unit(p1 - center), r2 = Unit(p2 - center);
        if (sign * b < 0.0)
            r1 = -r1, r2 = -r2;
        ArcSymbols(p1, p2, b, type, s, r1, r2);
    }
    return 1;
}

int CDrawCanvas::DrawThreePointArc(AcGePoint3d start, AcGePoint3d end, AcGePoint3d through, int type, double s, int)
{
    const double b = GetBulgeFrom3Points(start, through, end);
    const PointArray q = SamplePolyline(TwoPointPolyline(start, end, b, FALSE), kArcStep);
    for (int k = 0; k + 1 < q.length(); ++k)
        TypedLine(q[k], q[k + 1], type);
    if (b == 0.0)
        return 1;
    const AcGePoint3d center = GetArcCenter(start, end, b);
    ArcSymbols(start, end, b, type, s, Unit(start - center), Unit(end - center));
    return 1;
}

int CDrawCanvas::DrawCircle(AcGePoint3d p1, AcGePoint3d p2, int type, double s)
{
    const CBoardPolyline circle = TwoPointPolyline(p1, p2, 1.0, TRUE);
    PointArray q = SamplePolyline(circle, kArcStep);
    // The walk ends on the polyline's last vertex; the circle closes on its first.
    q[q.length() - 1] = p1;
    for (int k = 0; k + 1 < q.length(); ++k)
        TypedLine(q[k], q[k + 1], type);
    if (!UsableSize(s))
        return 1;
    const AcGePoint3d center = GetMidPoint(p1, p2);
    const AcGeVector3d r1 = Unit(p1 - center), r2 = Unit(p2 - center);
    if (type == 0) {
        const PointArray w = SamplePolyline(TwoPointPolyline(p1 + s * r1, p2 + s * r2, 1.0, TRUE), s);
        for (int k = 0; k < w.length() - 2; k += 2)
            TypedLine(w[k], w[k + 1], 0);
    } else if (type == 1) {
        const PointArray t = SamplePolyline(circle, s);
        for (int k = 1; k < t.length() - 1; ++k)
            TypedLine(t[k], t[k] + s * Unit(t[k] - center), 1);
    }
    return 1;
}

int CDrawCanvas::DrawRectangle(AcGePoint3d c1, AcGePoint3d c2, int type, double s)
{
    const AcGePoint3d a(c1.x, c2.y, 0.0), b(c2.x, c1.y, 0.0);
    CBoardPolyline rect;
    for (const AcGePoint3d& p : {c1, a, c2, b})
        rect.AddPoint(p, 0, type, BOARD_OUTLINE, 0.0, 0.0);
    rect.Close(1);
    int orientation = 0;
    GetPolygonOrientation(rect, orientation);
    DrawSegment(c1, a, 0.0, type, s, -orientation);
    DrawSegment(a, c2, 0.0, type, s, -orientation);
    DrawSegment(c2, b, 0.0, type, s, -orientation);
    DrawSegment(b, c1, 0.0, type, s, -orientation);
    return 1;
}

void CDrawCanvas::MakeFont(CFont& font, int h, int escapement, BOOL keepEscapement) const
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    m_pMemDC->GetCurrentFont()->GetLogFont(&lf);
    lf.lfHeight = h;
    lf.lfWidth = h > 0 ? Pixel(h * 0.5) : 0;
    if (!keepEscapement)
        lf.lfEscapement = escapement;
    std::strncpy(lf.lfFaceName, "Txt", LF_FACESIZE - 1);
    font.CreateFontIndirect(&lf);
}

int CDrawCanvas::TextHeight(double height) const
{
    int h = Pixel(height);
    if (h < 1)
        h = 1;
    if (!m_bPrint || !m_pMemDC)
        return h;
    // The cell of the text font whose em is the body text's, from the cell of a large em (whole
    // pixels of a small one would round it down).
    CFont probe;
    MakeFont(probe, -kProbeEm, 0, TRUE);
    CFont* old = m_pMemDC->SelectObject(&probe);
    TEXTMETRIC metrics;
    std::memset(&metrics, 0, sizeof metrics);
    m_pMemDC->GetTextMetrics(&metrics);
    m_pMemDC->SelectObject(old);
    const int body = static_cast<int>(std::ceil(kBodyTextEm * static_cast<double>(metrics.tmHeight) / kProbeEm));
    return std::max(h, body);
}

int CDrawCanvas::TextWidth(const CString& text, int h) const
{
    CFont font;
    MakeFont(font, h < 1 ? 1 : h, 0, FALSE);
    CFont* old = m_pMemDC->SelectObject(&font);
    const CSize size = m_pMemDC->GetTextExtent(text);
    m_pMemDC->SelectObject(old);
    return size.cx;
}

void CDrawCanvas::WriteText(AcGePoint3d p, const CString& text, int h, int escapement, BOOL keepEscapement,
                            COLORREF color)
{
    CFont font;
    MakeFont(font, h < 1 ? 1 : h, escapement, keepEscapement);
    CFont* old = m_pMemDC->SelectObject(&font);
    m_pMemDC->SetBkMode(TRANSPARENT);
    m_pMemDC->SetTextColor(Ink(color));
    m_pMemDC->TextOut(Pixel(p.x), Pixel(p.y), text);
    m_pMemDC->SelectObject(old);
}

int CDrawCanvas::DrawText(AcGePoint3d position, const CString& text, double height, COLORREF color,
                          AcGeVector3d direction, int align)
{
    const double alpha = AcGeVector3d(0.0, -1.0, 0.0).angleTo(direction, AcGeVector3d::kZAxis);
    const int deg = Pixel(alpha * kDegreesPerRadian);
    height = std::max(height, static_cast<double>(TextHeight(height)));
    AcGeVector3d reading = direction;
    reading.rotateBy(-M_PI / 2.0, AcGeVector3d::kZAxis);
    const double width = height * 0.5 * text.GetLength();
    if (align == 1)
        position = position + reading * (width / 2.0);
    else if (align == 2)
        position = position + reading * width;
    WriteText(position, text, Pixel(height), (540 - deg) * 10, FALSE, color);
    return 1;
}

// The text's cell lies beside the segment's middle on the side -side selects, its far side offset
// off the segment, centred along it by the text's width as written (the face's characters need not
// be the nominal half height wide). It reads along the segment with its foot toward the segment,
// unless that would read right to left or downwards: then it is turned half round in the same cell.
void CDrawCanvas::WriteAlongSegment(AcGePoint3d p1, AcGePoint3d p2, const CString& text, COLORREF color,
                                    double offset, int h, int side)
{
    const int sign = -side;
    const AcGeVector3d u = Unit(p1 - p2);
    const int deg = Pixel(AcGeVector3d::kXAxis.angleTo(u, AcGeVector3d::kZAxis) * kDegreesPerRadian);
    const AcGeVector3d away = sign == -1 ? -Normal(u) : Normal(u);
    AcGeVector3d reading = sign == -1 ? u : -u;
    // Escapement in degrees counter-clockwise on the screen, 0 to 359. The segment's angle is
    // truncated to whole degrees, so a vertical segment may give 91 or 271: both read bottom to top.
    int escapement = ((sign == 1 ? 540 - deg : 360 - deg) % 360 + 360) % 360;
    if (escapement > 91 && escapement <= 271) {
        escapement -= 180;
        reading = -reading;
    }
    if (h < 1)
        h = 1;
    // The text's foot lies a quarter turn clockwise on the screen from its reading direction.
    const AcGeVector3d foot = Normal(reading);
    const AcGePoint3d centre = GetMidPoint(p1, p2) + away * (offset - h / 2.0);
    const double width = TextWidth(text, h);
    const AcGePoint3d topLeft = centre - reading * (width / 2.0) - foot * (h / 2.0);
    WriteText(topLeft, text, h, escapement * 10, FALSE, color);
}

int CDrawCanvas::DrawSegmentText(AcGePoint3d p1, AcGePoint3d p2, const CString& text, COLORREF color, double height,
                                 int side)
{
    const int h = TextHeight(height);
    WriteAlongSegment(p1, p2, text, color, h, h, side);
    return 1;
}

int CDrawCanvas::DrawEdgeValue(AcGePoint3d p1, AcGePoint3d p2, int type, double s, int side, double value)
{
    if (type < 0 || type > SEGMENT_HOLE_EDGE)
        return 0;
    COLORREF color = 0;
    TypeColor(type, color);
    const int nominal = Pixel(1.5 * s), h = TextHeight(1.5 * s);
    // Support values stand clear of the support symbol; a text taller than nominal moves out by as
    // much as it grew.
    const double offset = (type <= 1 ? 2.5 * s : nominal) + (h - std::max(nominal, 1));
    CString text;
    text.Format("%.0f", value);
    WriteAlongSegment(p1, p2, text, color, offset, h, side);
    return 1;
}

int CDrawCanvas::DrawNumber(AcGePoint3d p1, AcGePoint3d p2, int, int number, double size, int placement)
{
    AcGePoint3d p = p1;
    if (placement != 0) {
        p.x += size * 0.3333333333333333;
        p.y += size * 0.3333333333333333;
    } else {
        p = p1 + Normal(Unit(p1 - p2)) * (size / 3.0);
    }
    CString text;
    text.Format("%d", number);
    WriteText(p, text, TextHeight(size * 1.2), 0, TRUE, kYellow);
    return 1;
}

int CDrawCanvas::DrawMeasuredSegment(AcGePoint3d p1, AcGePoint3d p2, int type, double s, int side, double value)
{
    COLORREF color;
    if (!TypeColor(type, color))
        return 0;
    if (type == 1)
        DrawHatch(p1, p2, s, side);
    else if (type == 0)
        DrawDashedOffset(p1, p2, s, side);
    TypedLine(p1, p2, type);
    DrawEdgeValue(p1, p2, type, s, side, value);
    return 1;
}
