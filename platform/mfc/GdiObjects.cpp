#include "mfc/GdiObjects.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "mfc/DC.h"
#include "mfc/Diagnostics.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

// Objects attached by their owners.
std::unordered_map<HGDIOBJ, CGdiObject*>& Permanent() {
    static auto* map = new std::unordered_map<HGDIOBJ, CGdiObject*>();
    return *map;
}

// Objects made by FromHandle for handles nobody attached; they let go of their handle when it is
// deleted and are freed when the next temporary object is made.
std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>>& Temporary() {
    static auto* map = new std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>>();
    return *map;
}
std::vector<std::unique_ptr<CGdiObject>>& Retired() {
    static auto* list = new std::vector<std::unique_ptr<CGdiObject>>();
    return *list;
}

void Retire(HGDIOBJ handle) {
    auto it = Temporary().find(handle);
    if (it == Temporary().end()) return;
    it->second->m_hObject = nullptr;
    Retired().push_back(std::move(it->second));
    Temporary().erase(it);
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

void qelt::gdi::ForgetTemporaryObject(HGDIOBJ handle) { Retire(handle); }

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) {
    if (!handle) return nullptr;
    auto permanent = Permanent().find(handle);
    if (permanent != Permanent().end()) return permanent->second;
    auto temporary = Temporary().find(handle);
    if (temporary != Temporary().end()) return temporary->second.get();
    Retired().clear();
    std::unique_ptr<CGdiObject> object = MakeFor(::GetObjectType(handle));
    object->m_hObject = handle;
    return (Temporary()[handle] = std::move(object)).get();
}

BOOL CGdiObject::Attach(HGDIOBJ handle) {
    if (!handle) return FALSE;
    if (m_hObject) {
        qelt::ReportMisuse("%s::Attach: the object already holds a handle", GetRuntimeClass()->m_lpszClassName);
        return FALSE;
    }
    if (Permanent().count(handle)) {
        qelt::ReportMisuse("%s::Attach: the handle is attached to another object", GetRuntimeClass()->m_lpszClassName);
        return FALSE;
    }
    Retire(handle);
    m_hObject = handle;
    Permanent()[handle] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ handle = m_hObject;
    if (handle) {
        auto it = Permanent().find(handle);
        if (it != Permanent().end() && it->second == this) Permanent().erase(it);
    }
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
