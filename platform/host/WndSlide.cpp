#include "host/WndSlide.h"

#include <cmath>
#include <vector>

#include "host/SlideLibrary.h"
#include "mfc/base/Diagnostics.h"

namespace {

using qelt::host::Slide;
using qelt::host::SlideElement;
using qelt::host::SlidePoint;
using Kind = SlideElement::Kind;

class SlidePainter {
public:
    SlidePainter(CDC& dc, const CWorldLogic& world, const CRect& border) : m_dc(dc), m_world(world), m_border(border) {}

    void Draw(const SlideElement& element) {
        switch (element.kind) {
            case Kind::Line:
            case Kind::Polyline:
                Lines(element.points, false);
                break;
            case Kind::Polygon:
                Lines(element.points, true);
                break;
            case Kind::Circle:
            case Kind::Disc:
                Circle(element.points[0], element.radius, element.kind == Kind::Disc);
                break;
            case Kind::Text:
                Text(element.points[0], element.height, element.text);
                break;
            case Kind::Dimension:
                Dimension(element);
                break;
        }
    }

private:
    CPoint Map(SlidePoint point) const { return m_world.WorldToLogic(point.x, point.y, m_border); }

    void Lines(const std::vector<SlidePoint>& points, bool closed) {
        std::vector<POINT> mapped;
        for (SlidePoint point : points) mapped.push_back(Map(point));
        if (closed) mapped.push_back(mapped.front());
        m_dc.Polyline(mapped.data(), static_cast<int>(mapped.size()));
    }

    void Line(SlidePoint a, SlidePoint b) { Lines({a, b}, false); }

    void Circle(SlidePoint centre, double radius, bool filled) {
        CPoint c = Map(centre);
        int r = std::max(1, static_cast<int>(std::lround(radius * m_world.GetScale(m_border))));
        CGdiObject* oldBrush = m_dc.SelectStockObject(filled ? BLACK_BRUSH : NULL_BRUSH);
        m_dc.Ellipse(c.x - r, c.y - r, c.x + r + 1, c.y + r + 1);
        m_dc.SelectObject(oldBrush);
    }

    void Text(SlidePoint centre, double height, const std::string& text) {
        int pixels = static_cast<int>(std::lround(height * m_world.GetScale(m_border)));
        if (pixels < 1) return;
        CFont font;
        font.CreateFont(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
        CFont* oldFont = m_dc.SelectObject(&font);
        CSize size = m_dc.GetTextExtent(text.c_str(), static_cast<int>(text.size()));
        CPoint c = Map(centre);
        m_dc.TextOut(c.x - size.cx / 2, c.y - size.cy / 2, text.c_str(), static_cast<int>(text.size()));
        m_dc.SelectObject(oldFont);
    }

    // The dimension line beside the measured points, extension lines reaching half a text height
    // past it, oblique ticks at its ends, and the text beyond the line, away from the object.
    void Dimension(const SlideElement& element) {
        SlidePoint a = element.points[0], b = element.points[1];
        double h = element.height;
        double length = std::hypot(b.x - a.x, b.y - a.y);
        double side = element.offset >= 0 ? 1.0 : -1.0;
        SlidePoint mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
        if (length > 0) {
            double dx = (b.x - a.x) / length, dy = (b.y - a.y) / length;
            double nx = -dy, ny = dx;
            auto along = [&](SlidePoint p, double n) { return SlidePoint{p.x + nx * n, p.y + ny * n}; };
            SlidePoint a1 = along(a, element.offset), b1 = along(b, element.offset);
            Line(a, along(a1, side * 0.5 * h));
            Line(b, along(b1, side * 0.5 * h));
            Line(a1, b1);
            double tx = (dx + nx) / std::sqrt(2.0) * 0.4 * h, ty = (dy + ny) / std::sqrt(2.0) * 0.4 * h;
            for (SlidePoint end : {a1, b1}) Line({end.x - tx, end.y - ty}, {end.x + tx, end.y + ty});
            double halfWidth = 0.3 * h * static_cast<double>(element.text.size());
            double clearance = std::fabs(ny) * 0.75 * h + std::fabs(nx) * (halfWidth + 0.3 * h);
            mid = along(along(mid, element.offset), side * clearance);
        }
        Text(mid, h, element.text);
    }

    CDC& m_dc;
    const CWorldLogic& m_world;
    CRect m_border;
};

}  // namespace

BOOL CWndSlide::ShowSlide(LPCTSTR lpszLibrary, LPCTSTR lpszSlide) {
    if (!lpszLibrary || !lpszSlide) {
        qelt::ReportMisuse("CWndSlide::ShowSlide without a library or a slide name");
        return FALSE;
    }
    if (!m_hDC) {
        qelt::ReportMisuse("CWndSlide::ShowSlide without a device context");
        return FALSE;
    }
    const Slide* slide = qelt::host::FindSlide(lpszLibrary, lpszSlide);
    if (!slide) return FALSE;
    SetWorldExt(CWorRect(slide->extent.left, slide->extent.bottom, slide->extent.right, slide->extent.top));

    CDC* pDC = CDC::FromHandle(m_hDC);
    if (!pDC) return FALSE;
    int saved = pDC->SaveDC();
    if (!m_bDrawToPicture) pDC->FillSolidRect(&m_rcBorder, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    pDC->SelectObject(&pen);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    SlidePainter painter(*pDC, *this, m_rcBorder);
    for (const SlideElement& element : slide->elements) painter.Draw(element);
    pDC->RestoreDC(saved);
    return TRUE;
}

BOOL CWndSlide::ShowSlideWnd(LPCTSTR lpszLibrary, LPCTSTR lpszSlide, const CRect& rcWnd) {
    SetLogicBorder(CLogRect(rcWnd));
    return ShowSlide(lpszLibrary, lpszSlide);
}
