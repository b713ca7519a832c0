// The class library's GDI objects: CGdiObject with its handle, and CPen, CBrush, CFont, CBitmap and
// CRgn. An object deletes the GDI object it holds when it is destroyed. FromHandle gives the object
// attached to a handle, or a temporary one that lives until the handle is deleted.
#pragma once

#include "mfc/gdi/GdiApi.h"
#include "mfc/base/Geometry.h"
#include "mfc/base/Object.h"

class CDC;

class CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    static CGdiObject* FromHandle(HGDIOBJ handle);  // null for a null handle

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ handle);   // FALSE when this object or the handle is already attached
    HGDIOBJ Detach();
    BOOL DeleteObject();           // FALSE when nothing is attached
    int GetObject(int size, LPVOID buffer) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int index);
    BOOL UnrealizeObject() { return m_hObject != nullptr; }
    BOOL operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }
    BOOL operator!=(const CGdiObject& other) const { return m_hObject != other.m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    static CPen* FromHandle(HPEN handle) { return static_cast<CPen*>(CGdiObject::FromHandle(handle)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
    BOOL CreatePenIndirect(LPLOGPEN pen) { return Attach(::CreatePenIndirect(pen)); }
    int GetLogPen(LOGPEN* pen) const { return GetObject(sizeof(LOGPEN), pen); }
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    CBrush(int hatch, COLORREF color) { CreateHatchBrush(hatch, color); }
    static CBrush* FromHandle(HBRUSH handle) { return static_cast<CBrush*>(CGdiObject::FromHandle(handle)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    BOOL CreateHatchBrush(int hatch, COLORREF color) { return Attach(::CreateHatchBrush(hatch, color)); }
    BOOL CreateBrushIndirect(const LOGBRUSH* brush) { return Attach(::CreateBrushIndirect(brush)); }
    BOOL CreateSysColorBrush(int index) { return Attach(::CreateSolidBrush(::GetSysColor(index))); }
    int GetLogBrush(LOGBRUSH* brush) const { return GetObject(sizeof(LOGBRUSH), brush); }
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* FromHandle(HFONT handle) { return static_cast<CFont*>(CGdiObject::FromHandle(handle)); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONT* font) { return Attach(::CreateFontIndirectA(font)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCTSTR face) {
        return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                    charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face));
    }
    // A size in tenths of a point: the height is converted through dc's mapping (the screen's when null).
    BOOL CreatePointFont(int pointSize, LPCTSTR face, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* font, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* font) const { return GetObject(sizeof(LOGFONT), font); }
};

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP handle) { return static_cast<CBitmap*>(CGdiObject::FromHandle(handle)); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    // From the first module of the resource search order that holds the bitmap.
    BOOL LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCE(id)); }
    BOOL LoadBitmap(LPCTSTR name);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    BOOL CreateBitmapIndirect(LPBITMAP bitmap);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(BITMAP), bitmap); }
    DWORD GetBitmapBits(DWORD size, LPVOID bits) const {
        return static_cast<DWORD>(::GetBitmapBits(static_cast<HBITMAP>(m_hObject), static_cast<LONG>(size), bits));
    }
    DWORD SetBitmapBits(DWORD size, const void* bits) {
        return static_cast<DWORD>(::SetBitmapBits(static_cast<HBITMAP>(m_hObject), size, bits));
    }
    CSize GetBitmapDimension() const;
    CSize SetBitmapDimension(int width, int height);
};

class CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    static CRgn* FromHandle(HRGN handle) { return static_cast<CRgn*>(CGdiObject::FromHandle(handle)); }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    BOOL CreateRectRgn(int left, int top, int right, int bottom) {
        return Attach(::CreateRectRgn(left, top, right, bottom));
    }
    BOOL CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode) {
        return Attach(::CreatePolygonRgn(points, count, fillMode));
    }
    int CombineRgn(const CRgn* a, const CRgn* b, int mode) {
        return ::CombineRgn(static_cast<HRGN>(m_hObject), a ? static_cast<HRGN>(a->m_hObject) : nullptr,
                            b ? static_cast<HRGN>(b->m_hObject) : nullptr, mode);
    }
    int CopyRgn(const CRgn* source) { return CombineRgn(source, nullptr, RGN_COPY); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y); }
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    int GetRgnBox(LPRECT box) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), box); }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn(static_cast<HRGN>(m_hObject), dx, dy); }
    BOOL EqualRgn(const CRgn* other) const {
        return other && ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(other->m_hObject));
    }
};

namespace qelt::gdi {
// Called when a GDI handle is deleted: its temporary object, if any, lets go of it.
void ForgetTemporaryObject(HGDIOBJ handle);
}  // namespace qelt::gdi
