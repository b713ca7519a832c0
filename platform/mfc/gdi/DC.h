// CDC, the class library's device context, and CMetaFileDC. A CDC wraps an HDC; the drawing itself
// is the platform's API (GdiApi.h). Kinds: a memory DC (CreateCompatibleDC) draws into the bitmap
// selected into it; a metafile DC records a picture that CloseEnhanced hands out as a metafile.
#pragma once

#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiObjects.h"
#include "mfc/base/Geometry.h"
#include "mfc/base/Object.h"
#include "mfc/base/String.h"

class CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC() = default;
    ~CDC() override;  // deletes a DC it holds
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(HDC handle);  // the attached object, or a temporary one; null for null
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC handle);
    HDC Detach();

    BOOL CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }
    BOOL CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const void* mode) {
        return Attach(::CreateDCA(driver, device, output, mode));
    }
    BOOL DeleteDC();
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Objects: each selection returns the object selected before (null on failure).
    CPen* SelectObject(CPen* pen) { return static_cast<CPen*>(Select(pen)); }
    CBrush* SelectObject(CBrush* brush) { return static_cast<CBrush*>(Select(brush)); }
    CFont* SelectObject(CFont* font) { return static_cast<CFont*>(Select(font)); }
    CBitmap* SelectObject(CBitmap* bitmap) { return static_cast<CBitmap*>(Select(bitmap)); }
    int SelectObject(CRgn* region) { return SelectClipRgn(region); }
    CGdiObject* SelectObject(CGdiObject* object) { return Select(object); }
    CGdiObject* SelectStockObject(int index) {
        return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
    }
    CPen* GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }
    CBrush* GetCurrentBrush() const {
        return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
    }
    CFont* GetCurrentFont() const { return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT))); }
    CBitmap* GetCurrentBitmap() const {
        return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
    }

    // Attributes.
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    UINT SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }
    UINT GetTextAlign() const { return ::GetTextAlign(m_hDC); }
    int SetROP2(int rop2) { return ::SetROP2(m_hDC, rop2); }
    int GetROP2() const { return ::GetROP2(m_hDC); }
    int SetPolyFillMode(int mode) { return ::SetPolyFillMode(m_hDC, mode); }
    int GetPolyFillMode() const { return ::GetPolyFillMode(m_hDC); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
    int GetStretchBltMode() const { return ::GetStretchBltMode(m_hDC); }

    // Mapping modes.
    int SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
    int GetMapMode() const { return ::GetMapMode(m_hDC); }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint GetWindowOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint OffsetWindowOrg(int dx, int dy);
    CSize SetWindowExt(int x, int y);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    CSize GetWindowExt() const;
    CSize SetViewportExt(int x, int y);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    CSize GetViewportExt() const;
    void LPtoDP(LPPOINT points, int count = 1) const { ::LPtoDP(m_hDC, points, count); }
    void LPtoDP(LPRECT rect) const { ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(rect), 2); }
    void LPtoDP(LPSIZE size) const;
    void DPtoLP(LPPOINT points, int count = 1) const { ::DPtoLP(m_hDC, points, count); }
    void DPtoLP(LPRECT rect) const { ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(rect), 2); }
    void DPtoLP(LPSIZE size) const;

    // Clipping.
    int SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(region->m_hObject) : nullptr); }
    int IntersectClipRect(int left, int top, int right, int bottom) {
        return ::IntersectClipRect(m_hDC, left, top, right, bottom);
    }
    int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    int GetClipBox(LPRECT box) const { return ::GetClipBox(m_hDC, box); }

    // Lines and shapes.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL PolyPolygon(const POINT* points, const INT32* counts, int polygons) {
        return ::PolyPolygon(m_hDC, points, counts, polygons);
    }
    BOOL Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL RoundRect(int left, int top, int right, int bottom, int width, int height) {
        return ::RoundRect(m_hDC, left, top, right, bottom, width, height);
    }
    BOOL RoundRect(LPCRECT rect, POINT corner) {
        return RoundRect(rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
    }
    BOOL Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }
    BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) { return ::Arc(m_hDC, l, t, r, b, x1, y1, x2, y2); }
    BOOL Arc(LPCRECT rc, POINT start, POINT end) {
        return Arc(rc->left, rc->top, rc->right, rc->bottom, start.x, start.y, end.x, end.y);
    }
    BOOL ArcTo(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
        return ::ArcTo(m_hDC, l, t, r, b, x1, y1, x2, y2);
    }
    BOOL ArcTo(LPCRECT rc, POINT start, POINT end) {
        return ArcTo(rc->left, rc->top, rc->right, rc->bottom, start.x, start.y, end.x, end.y);
    }
    BOOL Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) { return ::Pie(m_hDC, l, t, r, b, x1, y1, x2, y2); }
    BOOL Pie(LPCRECT rc, POINT start, POINT end) {
        return Pie(rc->left, rc->top, rc->right, rc->bottom, start.x, start.y, end.x, end.y);
    }
    BOOL Chord(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
        return ::Chord(m_hDC, l, t, r, b, x1, y1, x2, y2);
    }
    BOOL Chord(LPCRECT rc, POINT start, POINT end) {
        return Chord(rc->left, rc->top, rc->right, rc->bottom, start.x, start.y, end.x, end.y);
    }

    // Rectangles and pixels.
    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr); }
    // Fills with a solid colour; like the class library, leaves the colour as the background colour.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush) { ::FrameRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr); }
    void InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
    // Top and left edges in the first colour, right and bottom edges in the second, one pixel wide.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight);
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    COLORREF SetPixel(POINT point, COLORREF color) { return SetPixel(point.x, point.y, color); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }

    // Text.
    BOOL TextOut(int x, int y, LPCTSTR text, int length) { return ::TextOutA(m_hDC, x, y, text, length); }
    BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT length, const INT32* dx) {
        return ::ExtTextOutA(m_hDC, x, y, options, rect, text, length, dx);
    }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, const INT32* dx) {
        return ExtTextOut(x, y, options, rect, text, static_cast<UINT>(text.GetLength()), dx);
    }
    int DrawText(LPCTSTR text, int length, LPRECT rect, UINT format) { return ::DrawTextA(m_hDC, text, length, rect, format); }
    int DrawText(const CString& text, LPRECT rect, UINT format) { return DrawText(text, text.GetLength(), rect, format); }
    CSize GetTextExtent(LPCTSTR text, int length) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    CSize GetOutputTextExtent(LPCTSTR text, int length) const { return GetTextExtent(text, length); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
    int GetTextFace(int size, LPTSTR face) const { return ::GetTextFaceA(m_hDC, size, face); }

    // Block transfers.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSource, ySource, rop);
    }
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int widthSource,
                    int heightSource, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSource, ySource,
                            widthSource, heightSource, rop);
    }
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }
    BOOL PlayMetaFile(HENHMETAFILE metafile, LPCRECT bounds) { return ::PlayEnhMetaFile(m_hDC, metafile, bounds); }

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

private:
    CGdiObject* Select(CGdiObject* object);
};

class CMetaFileDC : public CDC {
    DECLARE_DYNAMIC(CMetaFileDC)
public:
    // No file: the picture is kept in memory. bounds, in 0.01 mm, is the picture's frame; without it
    // the frame is what was drawn.
    BOOL CreateEnhanced(CDC* reference, LPCTSTR fileName, LPCRECT bounds, LPCTSTR description) {
        return Attach(::CreateEnhMetaFileA(reference ? reference->m_hDC : nullptr, fileName, bounds, description));
    }
    HENHMETAFILE CloseEnhanced();
};

namespace qelt::gdi {
// Called when an HDC goes away: its temporary object, if any, lets go of it.
void ForgetTemporaryDc(HDC handle);
}  // namespace qelt::gdi
