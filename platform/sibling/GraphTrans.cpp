// The sibling library's own members of CgraphTrans: attaching a buffer, fitting the world into it,
// the drawing primitives, and showing or exporting the picture.
#include "sibling/GraphTrans.h"

#include <cmath>
#include <cstring>

#include "mfc/base/Diagnostics.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/Wnd.h"

namespace {

// Selects a pen (and a brush: null when none is given) for one primitive and puts the old ones back.
class PenScope {
public:
    PenScope(CDC* dc, int style, int width, COLORREF color, CBrush* brush = nullptr)
        : m_dc(dc), m_pen(style, width, color) {
        m_oldPen = m_dc->SelectObject(&m_pen);
        m_oldBrush = brush ? m_dc->SelectObject(brush) : m_dc->SelectStockObject(NULL_BRUSH);
    }
    ~PenScope() {
        m_dc->SelectObject(m_oldPen);
        m_dc->SelectObject(m_oldBrush);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC* m_dc;
    CPen m_pen;
    CPen* m_oldPen;
    CGdiObject* m_oldBrush;
};

// The centre of the circle through three device points; false when they lie in a line.
bool Circumcentre(CPoint a, CPoint b, CPoint c, double* cx, double* cy) {
    const double d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    if (std::fabs(d) < 1e-9) return false;
    const double a2 = double(a.x) * a.x + double(a.y) * a.y, b2 = double(b.x) * b.x + double(b.y) * b.y,
                 c2 = double(c.x) * c.x + double(c.y) * c.y;
    *cx = (a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d;
    *cy = (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d;
    return true;
}

// The angle of a device point seen from a centre, counter-clockwise on the screen, in [0, 2π).
double ScreenAngle(double cx, double cy, CPoint p) {
    const double a = std::atan2(cy - p.y, p.x - cx);
    return a < 0 ? a + 2 * M_PI : a;
}

CPoint ToPoint(const CIntPoint& p) { return CPoint(p.x, p.y); }

}  // namespace

CgraphTrans::CgraphTrans(CBitmap* bitmap)
    : m_nFlag(0), m_ptBase(0, 0), m_nBorder(0), m_rcWorld(), m_Buffer(), m_dScale(1.0) {
    if (!m_Buffer.CreateFrom(bitmap)) return;
    m_rcBox = m_Buffer.GetRect();
    m_rcWorld.SetRect(0, 0, m_rcBox.Width(), m_rcBox.Height());
}

BOOL CgraphTrans::SetGraph(CWnd* window) { return SetGraph(window, RGB(255, 255, 255)); }

BOOL CgraphTrans::SetGraph(CWnd* window, COLORREF background) {
    if (!window || !::IsWindow(window->GetSafeHwnd())) {
        qelt::ReportMisuse("CgraphTrans::SetGraph: no window");
        return FALSE;
    }
    CRect client;
    window->GetClientRect(&client);
    return SetGraph(window, client, background);
}

BOOL CgraphTrans::SetGraph(CWnd* window, const CRect& rect, COLORREF background) {
    if (!window || !::IsWindow(window->GetSafeHwnd())) {
        qelt::ReportMisuse("CgraphTrans::SetGraph: no window");
        return FALSE;
    }
    if (!m_Buffer.Create(window->GetSafeHwnd(), rect, background)) return FALSE;
    // One world unit a pixel until SetPicRect says otherwise.
    m_rcBox.SetRect(0, 0, rect.Width(), rect.Height());
    m_nBorder = 0;
    m_rcWorld.SetRect(0, 0, rect.Width(), rect.Height());
    m_ptBase = CIntPoint(0, 0);
    m_dScale = 1.0;
    return TRUE;
}

double CgraphTrans::SetPicRect(const CFloatRect& world, int border) {
    const CRect buffer = m_Buffer.GetRect();
    CRect box(0, 0, buffer.Width(), buffer.Height());
    if (box.Width() > 2 * border && box.Height() > 2 * border) box.DeflateRect(border, border);
    const double width = world.Width(), height = world.Height();
    double scale = 1.0;
    if (width > 0 && height > 0) scale = std::min(box.Width() / width, box.Height() / height);
    else if (width > 0) scale = box.Width() / width;
    else if (height > 0) scale = box.Height() / height;
    m_rcWorld = world;
    m_rcBox = box;
    m_nBorder = border;
    m_dScale = scale;
    // The world rectangle's centre on the box's centre.
    const double cx = (world.left + world.right) / 2, cy = (world.top + world.bottom) / 2;
    m_ptBase = CIntPoint(static_cast<int>(std::lround((box.left + box.right) / 2.0 - scale * cx)),
                         static_cast<int>(std::lround((box.top + box.bottom) / 2.0 - scale * cy)));
    return scale;
}

void CgraphTrans::EraseAll() {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    const CRect rect = m_Buffer.GetRect();
    dc->FillSolidRect(0, 0, rect.Width(), rect.Height(), m_Buffer.GetBKColor());
}

void CgraphTrans::SolidRectGT(const CFloatRect& rect, COLORREF color) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    CRect device = FRtoIR(rect);
    device.NormalizeRect();
    dc->FillSolidRect(&device, color);
}

void CgraphTrans::RectGT(const CFloatRect& rect, COLORREF color, int style, int width) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    const CRect d = FRtoIR(rect);
    const POINT corners[] = {{d.left, d.top}, {d.right, d.top}, {d.right, d.bottom}, {d.left, d.bottom}, {d.left, d.top}};
    PenScope pen(dc, style, width, color);
    dc->Polyline(corners, 5);
}

void CgraphTrans::LineGT(const CFloatPoint& from, const CFloatPoint& to, COLORREF color, int style, int width) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    PenScope pen(dc, style, width, color);
    dc->MoveTo(ToPoint(FPtoIP(from)));
    dc->LineTo(ToPoint(FPtoIP(to)));
}

void CgraphTrans::ArrowGT(const CFloatPoint& from, const CFloatPoint& to, double head, COLORREF color, int style,
                          int width) {
    if (isEmpty()) return;
    LineGT(from, to, color, style, width);
    double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length > 0) dx /= length, dy /= length;
    else dx = 0, dy = 1;  // downwards
    for (double turn : {M_PI / 6, -M_PI / 6}) {
        const double c = std::cos(turn), s = std::sin(turn);
        const CFloatPoint end(to.x - head * (dx * c - dy * s), to.y - head * (dx * s + dy * c));
        LineGT(to, end, color, style, width);
    }
}

void CgraphTrans::ArcGT(const CFloatPoint& first, const CFloatPoint& second, const CFloatPoint& through, COLORREF color,
                        int style, int width) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    const CPoint a = ToPoint(FPtoIP(first)), b = ToPoint(FPtoIP(second)), c = ToPoint(FPtoIP(through));
    double cx = 0, cy = 0;
    if (!Circumcentre(a, b, c, &cx, &cy)) {
        LineGT(first, second, color, style, width);
        return;
    }
    const int r = static_cast<int>(std::lround(std::hypot(a.x - cx, a.y - cy)));
    const int x = static_cast<int>(std::lround(cx)), y = static_cast<int>(std::lround(cy));
    const CRect box(x - r, y - r, x + r + 1, y + r + 1);
    // Arcs run counter-clockwise: from a to b when that way passes c, else from b to a.
    const double ta = ScreenAngle(cx, cy, a);
    double sweep = ScreenAngle(cx, cy, b) - ta, toC = ScreenAngle(cx, cy, c) - ta;
    if (sweep <= 0) sweep += 2 * M_PI;
    if (toC < 0) toC += 2 * M_PI;
    PenScope pen(dc, style, width, color);
    if (toC <= sweep) dc->Arc(&box, a, b);
    else dc->Arc(&box, b, a);
}

void CgraphTrans::CircleGT(const CFloatPoint& centre, double radius, COLORREF color, int style, int width) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    const CIntPoint c = FPtoIP(centre);
    const int r = static_cast<int>(std::lround(std::fabs(radius * m_dScale)));
    PenScope pen(dc, style, width, color);
    dc->Ellipse(c.x - r, c.y - r, c.x + r + 1, c.y + r + 1);
}

void CgraphTrans::PointGT(const CFloatPoint& centre, double radius, COLORREF color) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    const CIntPoint c = FPtoIP(centre);
    const int r = static_cast<int>(std::lround(std::fabs(radius * m_dScale)));
    CBrush brush(color);
    PenScope pen(dc, PS_SOLID, 1, color, &brush);
    dc->Ellipse(c.x - r, c.y - r, c.x + r + 1, c.y + r + 1);
}

void CgraphTrans::TextGT(const CFloatPoint& point, LPCTSTR text, COLORREF color, double angle, int align, int height,
                         double widthRatio, LPCTSTR face) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc || !text) return;
    LOGFONT lf{};
    lf.lfHeight = -std::max(height, 1);
    lf.lfWidth = widthRatio > 0 ? std::lround(std::max(height, 1) * widthRatio) : 0;
    lf.lfEscapement = lf.lfOrientation = std::lround(angle * 10);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    if (face) std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    CFont font;
    font.CreateFontIndirect(&lf);
    const int saved = dc->SaveDC();
    dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(color == m_Buffer.GetBKColor() ? (~color & 0xFFFFFF) : color);
    dc->SetTextAlign((align == 1 ? TA_CENTER : align == 2 ? TA_RIGHT : TA_LEFT) | TA_BOTTOM);
    const CIntPoint p = FPtoIP(point);
    dc->TextOut(p.x, p.y, text, static_cast<int>(std::strlen(text)));
    dc->RestoreDC(saved);
}

void CgraphTrans::dimSignGT(const CFloatPoint& first, const CFloatPoint& second, const CFloatPoint& at, LPCTSTR text,
                            COLORREF lineColor, COLORREF textColor, double textHeight) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    const CFloatPoint a(first.x, at.y), b(second.x, at.y);
    LineGT(first, a, lineColor, PS_SOLID, 1);
    LineGT(second, b, lineColor, PS_SOLID, 1);
    LineGT(a, b, lineColor, PS_SOLID, 1);
    // Slanted ticks of three pixels each way at both ends.
    for (const CFloatPoint& end : {a, b}) {
        const CIntPoint d = FPtoIP(end);
        LineGT(IPtoFP(CIntPoint(d.x - 3, d.y + 3)), IPtoFP(CIntPoint(d.x + 4, d.y - 4)), lineColor, PS_SOLID, 1);
    }
    if (!text) return;
    const CIntPoint middle = FPtoIP(CFloatPoint((a.x + b.x) / 2, at.y));
    const int height = textHeight > 0 ? static_cast<int>(std::lround(textHeight)) : 14;
    TextGT(IPtoFP(CIntPoint(middle.x, middle.y - 2)), text, textColor, 0.0, 1, height, 0.0, "Arial");
}

CFloatPoint CgraphTrans::MoveFPtTo(const CFloatPoint& point, double distance, double angle) const {
    return CFloatPoint(point.x + distance * std::cos(angle), point.y - distance * std::sin(angle));
}

void CgraphTrans::LoadBitmapA(CBitmap* bitmap, const CFloatRect& dest, const CRect& source, int flag) {
    CDC* dc = m_Buffer.GetDC();
    if (!dc) return;
    if (!bitmap || !bitmap->GetSafeHandle()) {
        qelt::ReportMisuse("CgraphTrans::LoadBitmapA: no bitmap");
        return;
    }
    CDC from;
    from.CreateCompatibleDC(dc);
    CBitmap* old = from.SelectObject(bitmap);
    if (!old) return;
    CRect d = FRtoIR(dest);
    d.NormalizeRect();
    dc->StretchBlt(d.left, d.top, d.Width(), d.Height(), &from, source.left, source.top, source.Width(),
                   source.Height(), flag ? static_cast<DWORD>(flag) : SRCCOPY);
    from.SelectObject(old);
}

BOOL CgraphTrans::ViewBitMap(LPCRECT rect, DWORD rop) {
    CDC* buffer = m_Buffer.GetDC();
    if (!buffer) return FALSE;
    const HWND window = m_Buffer.GetWindow();
    if (!::IsWindow(window)) {
        qelt::ReportMisuse("CgraphTrans::ViewBitMap: the buffer has no window");
        return FALSE;
    }
    const CRect target = rect ? CRect(*rect) : m_Buffer.GetRect();
    HDC dc = ::GetDC(window);
    const BOOL done = ::BitBlt(dc, target.left, target.top, target.Width(), target.Height(), buffer->m_hDC, 0, 0, rop);
    ::ReleaseDC(window, dc);
    return done;
}

BOOL CgraphTrans::ExportBitmap(CBitmap*& bitmap) {
    CDC* buffer = m_Buffer.GetDC();
    if (!buffer) return FALSE;
    const CRect rect = m_Buffer.GetRect();
    if (!bitmap) bitmap = new CBitmap;
    else bitmap->DeleteObject();
    if (!bitmap->CreateCompatibleBitmap(buffer, rect.Width(), rect.Height())) return FALSE;
    CDC to;
    to.CreateCompatibleDC(buffer);
    CBitmap* old = to.SelectObject(bitmap);
    to.BitBlt(0, 0, rect.Width(), rect.Height(), buffer, 0, 0, SRCCOPY);
    to.SelectObject(old);
    return TRUE;
}
