// The members of the drawing value types, of CAutoDrawLv's copy and of CgraphTrans that the module
// compiles and exports beside the sibling library's own.
#include <climits>
#include <cmath>

#include "mfc/Diagnostics.h"
#include "sibling/GraphTrans.h"

// A double truncated toward zero into an int; values beyond the range of int stop at its ends.
static int Truncate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

// CFloatPoint

CFloatPoint::CFloatPoint() : x(0), y(0) {}
CFloatPoint::CFloatPoint(double dx, double dy) : x(dx), y(dy) {}
CFloatPoint::CFloatPoint(const CFloatPoint& other) : x(other.x), y(other.y) {}
CFloatPoint::CFloatPoint(const CIntPoint& point) : x(point.x), y(point.y) {}

CFloatPoint CFloatPoint::operator=(const CFloatPoint& other)
{
    x = other.x;
    y = other.y;
    return *this;
}

void CFloatPoint::Set(double dx, double dy)
{
    x = dx;
    y = dy;
}

CFloatPoint CFloatPoint::operator+(const CFloatPoint& other) const { return CFloatPoint(x + other.x, y + other.y); }
CFloatPoint CFloatPoint::operator-(const CFloatPoint& other) const { return CFloatPoint(x - other.x, y - other.y); }

CFloatPoint& CFloatPoint::operator+=(const CFloatPoint& other)
{
    x += other.x;
    y += other.y;
    return *this;
}

CFloatPoint& CFloatPoint::operator-=(const CFloatPoint& other)
{
    x -= other.x;
    y -= other.y;
    return *this;
}

int CFloatPoint::operator!=(const CFloatPoint& other) const { return x != other.x || y != other.y; }

// CIntPoint

CIntPoint::CIntPoint() {}
CIntPoint::CIntPoint(int nx, int ny) : x(nx), y(ny) {}
CIntPoint::CIntPoint(const CFloatPoint& point) : x(Truncate(point.x)), y(Truncate(point.y)) {}

CIntPoint CIntPoint::operator+(CIntPoint other) const { return CIntPoint(x + other.x, y + other.y); }
CIntPoint CIntPoint::operator-(CIntPoint other) const { return CIntPoint(x - other.x, y - other.y); }
CIntPoint CIntPoint::operator*(int n) const { return CIntPoint(x * n, y * n); }

CIntPoint CIntPoint::operator/(int n) const
{
    if (n == 0) {
        qelt::ReportMisuse("CIntPoint: division by zero");
        return CIntPoint(0, 0);
    }
    return CIntPoint(x / n, y / n);
}

CIntPoint& CIntPoint::operator=(const CIntPoint& other)
{
    x = other.x;
    y = other.y;
    return *this;
}

// CFloatRect

CFloatRect::CFloatRect() : left(0), top(0), right(0), bottom(0) {}
CFloatRect::CFloatRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) {}
CFloatRect::CFloatRect(const CFloatRect& other)
    : left(other.left), top(other.top), right(other.right), bottom(other.bottom) {}

CFloatRect::CFloatRect(const CFloatPoint& a, const CFloatPoint& b)
    : left(std::min(a.x, b.x)), top(std::min(a.y, b.y)), right(std::max(a.x, b.x)), bottom(std::max(a.y, b.y))
{
}

void CFloatRect::operator=(const CFloatRect& other) { SetRect(other.left, other.top, other.right, other.bottom); }

void CFloatRect::SetRect(double l, double t, double r, double b)
{
    left = l;
    top = t;
    right = r;
    bottom = b;
}

double CFloatRect::Width() const { return std::fabs(right - left); }
double CFloatRect::Height() const { return std::fabs(bottom - top); }

void CFloatRect::Union(const CFloatPoint& point)
{
    left = std::min(left, point.x);
    right = std::max(right, point.x);
    top = std::max(top, point.y);
    bottom = std::min(bottom, point.y);
}

// CAutoDrawLv: copies share the bitmap, which the last of them releases.

CAutoDrawLv::CAutoDrawLv(const CAutoDrawLv& other)
    : m_pBuffer(other.m_pBuffer), m_hWnd(other.m_hWnd), m_rcDevice(other.m_rcDevice), m_ptCenter(other.m_ptCenter),
      m_crBack(other.m_crBack)
{
}

CAutoDrawLv& CAutoDrawLv::operator=(const CAutoDrawLv& other)
{
    m_pBuffer = other.m_pBuffer;
    m_hWnd = other.m_hWnd;
    m_rcDevice = other.m_rcDevice;
    m_ptCenter = other.m_ptCenter;
    m_crBack = other.m_crBack;
    return *this;
}

// CgraphTrans

CgraphTrans::CgraphTrans() : m_nFlag(0), m_ptBase(0, 0), m_nBorder(0), m_dScale(1.0) {}

CgraphTrans::CgraphTrans(CWnd* window) : CgraphTrans() { SetGraph(window); }

CgraphTrans::CgraphTrans(CWnd* window, COLORREF background) : CgraphTrans() { SetGraph(window, background); }

CgraphTrans::CgraphTrans(CWnd* window, const CRect& rect, COLORREF background) : CgraphTrans()
{
    SetGraph(window, rect, background);
}

CgraphTrans::~CgraphTrans() { m_nFlag = 0; }

CgraphTrans::CgraphTrans(const CgraphTrans& other)
    : m_nFlag(other.m_nFlag), m_ptBase(other.m_ptBase), m_rcBox(other.m_rcBox), m_nBorder(other.m_nBorder),
      m_rcWorld(other.m_rcWorld), m_Buffer(other.m_Buffer), m_dScale(other.m_dScale)
{
}

CgraphTrans& CgraphTrans::operator=(const CgraphTrans& other)
{
    m_nFlag = other.m_nFlag;
    m_ptBase = other.m_ptBase;
    m_rcBox = other.m_rcBox;
    m_nBorder = other.m_nBorder;
    m_rcWorld = other.m_rcWorld;
    m_Buffer = other.m_Buffer;
    m_dScale = other.m_dScale;
    return *this;
}

void CgraphTrans::setBasePt(CIntPoint base) { m_ptBase = base; }
CIntPoint CgraphTrans::getBasePt() const { return m_ptBase; }
void CgraphTrans::setScale(double scale) { m_dScale = scale; }
double CgraphTrans::getScale() const { return m_dScale; }

CIntPoint CgraphTrans::FPtoIP(const CFloatPoint& point) const
{
    return CIntPoint(Truncate(m_dScale * point.x) + m_ptBase.x, Truncate(m_dScale * point.y) + m_ptBase.y);
}

CFloatPoint CgraphTrans::IPtoFP(const CIntPoint& point) const
{
    return CFloatPoint((point.x - m_ptBase.x) * (1.0 / m_dScale), (point.y - m_ptBase.y) * (1.0 / m_dScale));
}

CRect CgraphTrans::FRtoIR(const CFloatRect& rect) const
{
    return CRect(Truncate(m_dScale * rect.left) + m_ptBase.x, Truncate(m_dScale * rect.top) + m_ptBase.y,
                 Truncate(m_dScale * rect.right) + m_ptBase.x, Truncate(m_dScale * rect.bottom) + m_ptBase.y);
}

CFloatRect CgraphTrans::IRtoFR(const CRect& rect) const
{
    return CFloatRect(IPtoFP(CIntPoint(static_cast<int>(rect.left), static_cast<int>(rect.top))),
                      IPtoFP(CIntPoint(static_cast<int>(rect.right), static_cast<int>(rect.bottom))));
}

CFloatRect CgraphTrans::GetWorldRect() const { return m_rcWorld; }
CFloatPoint CgraphTrans::GetCenter() const { return IPtoFP(m_Buffer.getCenter()); }
BOOL CgraphTrans::isEmpty() const { return m_Buffer.isEmpty(); }
CRect CgraphTrans::GetPicBoxRect() const { return m_Buffer.GetRect(); }
void CgraphTrans::SetBkColor(COLORREF color) { m_Buffer.SetBKColor(color); }
COLORREF CgraphTrans::GetBkColor() const { return m_Buffer.GetBKColor(); }

HBITMAP CgraphTrans::ExportPic() const
{
    CBitmap* bitmap = m_Buffer.GetBitmap();
    return bitmap ? static_cast<HBITMAP>(bitmap->GetSafeHandle()) : nullptr;
}
