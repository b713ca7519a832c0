#include "mfc/gdi/DC.h"

#include <memory>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/HandleMap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

namespace {

// Leaked on purpose: objects destroyed at exit still find it.
qelt::HandleMap<HDC, CDC>& Objects() {
    static auto* map = new qelt::HandleMap<HDC, CDC>([](CDC& dc) { dc.m_hDC = dc.m_hAttribDC = nullptr; });
    return *map;
}

}  // namespace

void qelt::gdi::ForgetTemporaryDc(HDC handle) { Objects().Retire(handle); }

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC handle) {
    return Objects().FindOrMake(handle, [handle] {
        auto dc = std::make_unique<CDC>();
        dc->m_hDC = dc->m_hAttribDC = handle;
        return dc;
    });
}

BOOL CDC::Attach(HDC handle) {
    if (!handle) return FALSE;
    if (m_hDC) {
        qelt::ReportMisuse("CDC::Attach: the object already holds a device context");
        return FALSE;
    }
    if (Objects().FindAttached(handle)) {
        qelt::ReportMisuse("CDC::Attach: the device context is attached to another object");
        return FALSE;
    }
    Objects().Attach(handle, this);
    m_hDC = m_hAttribDC = handle;
    return TRUE;
}

HDC CDC::Detach() {
    HDC handle = m_hDC;
    Objects().Detach(handle, this);
    m_hDC = m_hAttribDC = nullptr;
    return handle;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::Select(CGdiObject* object) {
    if (!object) {
        qelt::ReportMisuse("CDC::SelectObject: no object");
        return nullptr;
    }
    return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject));
}

CPoint CDC::SetWindowOrg(int x, int y) {
    POINT previous{0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CPoint CDC::GetWindowOrg() const {
    POINT origin{0, 0};
    ::GetWindowOrgEx(m_hDC, &origin);
    return CPoint(origin);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    POINT previous{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CPoint CDC::GetViewportOrg() const {
    POINT origin{0, 0};
    ::GetViewportOrgEx(m_hDC, &origin);
    return CPoint(origin);
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    POINT previous{0, 0};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &previous);
    return CPoint(previous);
}

CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    POINT previous{0, 0};
    ::OffsetWindowOrgEx(m_hDC, dx, dy, &previous);
    return CPoint(previous);
}

CSize CDC::SetWindowExt(int x, int y) {
    SIZE previous{0, 0};
    ::SetWindowExtEx(m_hDC, x, y, &previous);
    return CSize(previous);
}

CSize CDC::GetWindowExt() const {
    SIZE extent{0, 0};
    ::GetWindowExtEx(m_hDC, &extent);
    return CSize(extent);
}

CSize CDC::SetViewportExt(int x, int y) {
    SIZE previous{0, 0};
    ::SetViewportExtEx(m_hDC, x, y, &previous);
    return CSize(previous);
}

CSize CDC::GetViewportExt() const {
    SIZE extent{0, 0};
    ::GetViewportExtEx(m_hDC, &extent);
    return CSize(extent);
}

void CDC::LPtoDP(LPSIZE size) const {
    POINT p[2] = {{0, 0}, {size->cx, size->cy}};
    ::LPtoDP(m_hDC, p, 2);
    size->cx = std::labs(p[1].x - p[0].x), size->cy = std::labs(p[1].y - p[0].y);
}

void CDC::DPtoLP(LPSIZE size) const {
    POINT p[2] = {{0, 0}, {size->cx, size->cy}};
    ::DPtoLP(m_hDC, p, 2);
    size->cx = std::labs(p[1].x - p[0].x), size->cy = std::labs(p[1].y - p[0].y);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT previous{0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CPoint CDC::GetCurrentPosition() const {
    POINT position{0, 0};
    ::GetCurrentPositionEx(m_hDC, &position);
    return CPoint(position);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    const RECT rect{x, y, x + width, y + height};
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, width - 1, 1, topLeft);
    FillSolidRect(x, y, 1, height - 1, topLeft);
    FillSolidRect(x + width - 1, y, 1, height, bottomRight);
    FillSolidRect(x, y + height - 1, width, 1, bottomRight);
}

CSize CDC::GetTextExtent(LPCTSTR text, int length) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(m_hDC, text, length, &size);
    return CSize(size);
}

HENHMETAFILE CMetaFileDC::CloseEnhanced() {
    if (!m_hDC) {
        qelt::ReportMisuse("CMetaFileDC::CloseEnhanced: no metafile is being recorded");
        return nullptr;
    }
    return ::CloseEnhMetaFile(Detach());
}
