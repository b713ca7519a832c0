// CgraphTrans: drawing in world coordinates into a back buffer (CAutoDrawLv) and showing the buffer
// in a window. A world point (x, y) lands on the device pixel (int(s·x) + bx, int(s·y) + by): the
// scale s in pixels per world unit and the base point (bx, by) are set by SetPicRect, and the world's
// y axis points down like the device's. Angles are radians counter-clockwise as seen on the screen:
// 0 right, π/2 up.
//
// SetPicRect (world rectangle, border) fits the world rectangle into the buffer less border pixels on
// each side: s = min(box width / world width, box height / world height) (a zero world extent is left
// out; both zero give 1), and the base point centres the world rectangle in the box. A world
// rectangle of the buffer's pixel size with border 0 gives one pixel a world unit.
//
// Pen styles are the platform's (0 solid, 1 dash, 2 dot, 3 dash-dot); widths are device pixels.
// The members that do not draw (constructors without a bitmap, the transform, the accessors) are
// inline, below the class.
#pragma once

#include "mfc/gdi/DC.h"
#include "sibling/AutoDrawLv.h"
#include "sibling/DrawingTypes.h"

class CWnd;

class CgraphTrans {
public:
    CgraphTrans();
    CgraphTrans(CWnd* window);
    CgraphTrans(CWnd* window, COLORREF background);
    CgraphTrans(CWnd* window, const CRect& rect, COLORREF background);
    // Over a copy of a bitmap's picture, one world unit a pixel.
    CgraphTrans(CBitmap* bitmap);
    virtual ~CgraphTrans();
    CgraphTrans(const CgraphTrans& other);
    CgraphTrans& operator=(const CgraphTrans& other);

    // A back buffer of the window's client size (or of the rectangle's size, placed there),
    // filled with the background colour (white when none is given). FALSE without a window.
    BOOL SetGraph(CWnd* window);
    BOOL SetGraph(CWnd* window, COLORREF background);
    BOOL SetGraph(CWnd* window, const CRect& rect, COLORREF background);
    double SetPicRect(const CFloatRect& world, int border);  // the scale

    void setBasePt(CIntPoint base);
    CIntPoint getBasePt() const;
    void setScale(double scale);
    double getScale() const;
    CIntPoint FPtoIP(const CFloatPoint& point) const;
    CFloatPoint IPtoFP(const CIntPoint& point) const;
    CRect FRtoIR(const CFloatRect& rect) const;
    CFloatRect IRtoFR(const CRect& rect) const;
    CFloatRect GetWorldRect() const;
    CFloatPoint GetCenter() const;
    BOOL isEmpty() const;
    CRect GetPicBoxRect() const;
    void SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    HBITMAP ExportPic() const;

    // Drawing; nothing happens while there is no buffer.
    void EraseAll();  // fills the buffer with the background colour
    void SolidRectGT(const CFloatRect& rect, COLORREF color);
    void RectGT(const CFloatRect& rect, COLORREF color, int style, int width);  // through both corners
    void LineGT(const CFloatPoint& from, const CFloatPoint& to, COLORREF color, int style, int width);
    // A line with a head at to: two strokes of head length (world units) at 30° to the line. A line
    // of no length has its head pointing down.
    void ArrowGT(const CFloatPoint& from, const CFloatPoint& to, double head, COLORREF color, int style, int width);
    // The circular arc from the first end to the second passing through the third point; a straight
    // line when the three are in a line.
    void ArcGT(const CFloatPoint& first, const CFloatPoint& second, const CFloatPoint& through, COLORREF color,
               int style, int width);
    void CircleGT(const CFloatPoint& centre, double radius, COLORREF color, int style, int width);
    void PointGT(const CFloatPoint& centre, double radius, COLORREF color);  // a filled disc
    // Text whose bottom edge sits on the point: angle in degrees counter-clockwise, align 0 left,
    // 1 centred, 2 right of the point, height in pixels, width of a character as a share of the
    // height (0: the font's own). A text in the background colour is drawn in its opposite, so that
    // it shows.
    void TextGT(const CFloatPoint& point, LPCTSTR text, COLORREF color, double angle, int align, int height,
                double widthRatio, LPCTSTR face);
    // A dimension between two points, measured at the level of the placement point: extension lines
    // to that level, the dimension line with slanted ticks in lineColor, the text centred above it in
    // textColor at textHeight pixels (14 when not positive).
    void dimSignGT(const CFloatPoint& first, const CFloatPoint& second, const CFloatPoint& at, LPCTSTR text,
                   COLORREF lineColor, COLORREF textColor, double textHeight);
    CFloatPoint MoveFPtTo(const CFloatPoint& point, double distance, double angle) const;
    // The source rectangle of a bitmap stretched onto a world rectangle; flag 0 copies, any other
    // value is the raster operation.
    void LoadBitmapA(CBitmap* bitmap, const CFloatRect& dest, const CRect& source, int flag);
    // Copies the buffer onto a rectangle of its window (where it was placed when none is given).
    BOOL ViewBitMap(LPCRECT rect = nullptr, DWORD rop = SRCCOPY);
    // A copy of the picture in the bitmap object, made when null; the caller owns it.
    BOOL ExportBitmap(CBitmap*& bitmap);

private:
    int m_nFlag;
    CIntPoint m_ptBase;
    CRect m_rcBox;      // the device box SetPicRect fitted the world into
    int m_nBorder;      // the border SetPicRect was given
    CFloatRect m_rcWorld;
    CAutoDrawLv m_Buffer;
    double m_dScale;
};

// CgraphTrans

inline CgraphTrans::CgraphTrans() : m_nFlag(0), m_ptBase(0, 0), m_nBorder(0), m_dScale(1.0) {}

inline CgraphTrans::CgraphTrans(CWnd* window) : CgraphTrans() { SetGraph(window); }

inline CgraphTrans::CgraphTrans(CWnd* window, COLORREF background) : CgraphTrans() { SetGraph(window, background); }

inline CgraphTrans::CgraphTrans(CWnd* window, const CRect& rect, COLORREF background) : CgraphTrans()
{
    SetGraph(window, rect, background);
}

inline CgraphTrans::~CgraphTrans() { m_nFlag = 0; }

inline CgraphTrans::CgraphTrans(const CgraphTrans& other)
    : m_nFlag(other.m_nFlag), m_ptBase(other.m_ptBase), m_rcBox(other.m_rcBox), m_nBorder(other.m_nBorder),
      m_rcWorld(other.m_rcWorld), m_Buffer(other.m_Buffer), m_dScale(other.m_dScale)
{
}

inline CgraphTrans& CgraphTrans::operator=(const CgraphTrans& other)
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

inline void CgraphTrans::setBasePt(CIntPoint base) { m_ptBase = base; }
inline CIntPoint CgraphTrans::getBasePt() const { return m_ptBase; }
inline void CgraphTrans::setScale(double scale) { m_dScale = scale; }
inline double CgraphTrans::getScale() const { return m_dScale; }

inline CIntPoint CgraphTrans::FPtoIP(const CFloatPoint& point) const
{
    using qelt::sibling::Truncate;
    return CIntPoint(Truncate(m_dScale * point.x) + m_ptBase.x, Truncate(m_dScale * point.y) + m_ptBase.y);
}

inline CFloatPoint CgraphTrans::IPtoFP(const CIntPoint& point) const
{
    return CFloatPoint((point.x - m_ptBase.x) * (1.0 / m_dScale), (point.y - m_ptBase.y) * (1.0 / m_dScale));
}

inline CRect CgraphTrans::FRtoIR(const CFloatRect& rect) const
{
    using qelt::sibling::Truncate;
    return CRect(Truncate(m_dScale * rect.left) + m_ptBase.x, Truncate(m_dScale * rect.top) + m_ptBase.y,
                 Truncate(m_dScale * rect.right) + m_ptBase.x, Truncate(m_dScale * rect.bottom) + m_ptBase.y);
}

inline CFloatRect CgraphTrans::IRtoFR(const CRect& rect) const
{
    return CFloatRect(IPtoFP(CIntPoint(static_cast<int>(rect.left), static_cast<int>(rect.top))),
                      IPtoFP(CIntPoint(static_cast<int>(rect.right), static_cast<int>(rect.bottom))));
}

inline CFloatRect CgraphTrans::GetWorldRect() const { return m_rcWorld; }
inline CFloatPoint CgraphTrans::GetCenter() const { return IPtoFP(m_Buffer.getCenter()); }
inline BOOL CgraphTrans::isEmpty() const { return m_Buffer.isEmpty(); }
inline CRect CgraphTrans::GetPicBoxRect() const { return m_Buffer.GetRect(); }
inline void CgraphTrans::SetBkColor(COLORREF color) { m_Buffer.SetBKColor(color); }
inline COLORREF CgraphTrans::GetBkColor() const { return m_Buffer.GetBKColor(); }

inline HBITMAP CgraphTrans::ExportPic() const
{
    CBitmap* bitmap = m_Buffer.GetBitmap();
    return bitmap ? static_cast<HBITMAP>(bitmap->GetSafeHandle()) : nullptr;
}
