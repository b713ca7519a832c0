#include "mfc/gdi/GdiObjects.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "mfc/gdi/DC.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/HandleMap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

// Leaked on purpose: objects destroyed at exit still find it.
qelt::HandleMap<HGDIOBJ, CGdiObject>& Objects() {
    static auto* map =
        new qelt::HandleMap<HGDIOBJ, CGdiObject>([](CGdiObject& object) { object.m_hObject = nullptr; });
    return *map;
}

std::unique_ptr<CGdiObject> MakeFor(DWORD type) {
    switch (type) {
    case OBJ_PEN: return std::make_unique<CPen>();
    case OBJ_BRUSH: return std::make_unique<CBrush>();
    case OBJ_FONT: return std::make_unique<CFont>();
    case OBJ_BITMAP: return std::make_unique<CBitmap>();
    case OBJ_REGION: return std::make_unique<CRgn>();
    default: return std::make_unique<CGdiObject>();
    }
}

}  // namespace

void qelt::gdi::ForgetTemporaryObject(HGDIOBJ handle) { Objects().Retire(handle); }

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) {
    // A temporary object is of the handle's kind, so that a CPen* from it is a CPen.
    return Objects().FindOrMake(handle, [handle] {
        std::unique_ptr<CGdiObject> object = MakeFor(::GetObjectType(handle));
        object->m_hObject = handle;
        return object;
    });
}

BOOL CGdiObject::Attach(HGDIOBJ handle) {
    if (!handle) return FALSE;
    if (m_hObject) {
        qelt::ReportMisuse("%s::Attach: the object already holds a handle", GetRuntimeClass()->m_lpszClassName);
        return FALSE;
    }
    if (Objects().FindAttached(handle)) {
        qelt::ReportMisuse("%s::Attach: the handle is attached to another object", GetRuntimeClass()->m_lpszClassName);
        return FALSE;
    }
    Objects().Attach(handle, this);
    m_hObject = handle;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ handle = m_hObject;
    Objects().Detach(handle, this);
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, LPVOID buffer) const { return ::GetObjectA(m_hObject, size, buffer); }

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

BOOL CGdiObject::CreateStockObject(int index) { return Attach(::GetStockObject(index)); }

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR face, CDC* dc) {
    LOGFONT lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSize;
    if (face) std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC* dc) {
    if (!font) {
        qelt::ReportMisuse("CFont::CreatePointFontIndirect: no font");
        return FALSE;
    }
    LOGFONT lf = *font;
    HDC hdc = dc ? dc->m_hDC : nullptr;
    HDC screen = hdc ? nullptr : ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    // Tenths of a point to device pixels, then to the DC's logical units.
    POINT size[2] = {{0, 0}, {0, std::lround(font->lfHeight * ::GetDeviceCaps(hdc ? hdc : screen, LOGPIXELSY) / 720.0)}};
    if (hdc) ::DPtoLP(hdc, size, 2);
    if (screen) ::DeleteDC(screen);
    lf.lfHeight = -std::labs(size[1].y - size[0].y);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP bitmap) {
    if (!bitmap) {
        qelt::ReportMisuse("CBitmap::CreateBitmapIndirect: no bitmap");
        return FALSE;
    }
    return CreateBitmap(static_cast<int>(bitmap->bmWidth), static_cast<int>(bitmap->bmHeight), bitmap->bmPlanes,
                        bitmap->bmBitsPixel, bitmap->bmBits);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

CSize CBitmap::GetBitmapDimension() const {
    SIZE size{0, 0};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return CSize(size);
}

CSize CBitmap::SetBitmapDimension(int width, int height) {
    SIZE previous{0, 0};
    ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), width, height, &previous);
    return CSize(previous);
}
