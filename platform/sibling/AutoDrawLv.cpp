#include "sibling/AutoDrawLv.h"

#include "mfc/base/Diagnostics.h"

namespace qelt::sibling {

// The bitmap and the memory DC that draws into it, shared by the copies of a CAutoDrawLv.
struct BackBuffer {
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    ~BackBuffer() {
        if (old) dc.SelectObject(old);
    }
};

}  // namespace qelt::sibling

using qelt::sibling::BackBuffer;

CAutoDrawLv::CAutoDrawLv() : m_hWnd(nullptr), m_ptCenter(0, 0), m_crBack(RGB(255, 255, 255)) {}

CAutoDrawLv::~CAutoDrawLv() = default;

CIntPoint CAutoDrawLv::getCenter() const { return m_ptCenter; }
CRect CAutoDrawLv::GetRect() const { return m_rcDevice; }
void CAutoDrawLv::SetBKColor(COLORREF color) { m_crBack = color; }
COLORREF CAutoDrawLv::GetBKColor() const { return m_crBack; }
CBitmap* CAutoDrawLv::GetBitmap() const { return m_pBuffer ? &m_pBuffer->bitmap : nullptr; }
BOOL CAutoDrawLv::isEmpty() const { return m_pBuffer == nullptr; }
CDC* CAutoDrawLv::GetDC() const { return m_pBuffer ? &m_pBuffer->dc : nullptr; }

BOOL CAutoDrawLv::Create(HWND window, const CRect& placement, COLORREF background) {
    const int width = placement.Width(), height = placement.Height();
    if (width <= 0 || height <= 0) {
        qelt::ReportMisuse("CAutoDrawLv: a back buffer of %d x %d pixels", width, height);
        return FALSE;
    }
    auto buffer = std::make_shared<BackBuffer>();
    CDC screen;
    screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    if (!buffer->dc.CreateCompatibleDC(&screen) || !buffer->bitmap.CreateCompatibleBitmap(&screen, width, height))
        return FALSE;
    buffer->old = buffer->dc.SelectObject(&buffer->bitmap);
    buffer->dc.FillSolidRect(0, 0, width, height, background);
    m_pBuffer = std::move(buffer);
    m_hWnd = window;
    m_rcDevice = placement;
    m_ptCenter = CIntPoint(width / 2, height / 2);
    m_crBack = background;
    return TRUE;
}

BOOL CAutoDrawLv::CreateFrom(CBitmap* bitmap) {
    BITMAP info{};
    if (!bitmap || !bitmap->GetBitmap(&info)) {
        qelt::ReportMisuse("CAutoDrawLv: no bitmap to draw over");
        return FALSE;
    }
    CDC source;
    source.CreateCompatibleDC(nullptr);
    CBitmap* old = source.SelectObject(bitmap);
    if (!old) return FALSE;
    const BOOL made = Create(nullptr, CRect(0, 0, static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight)), m_crBack);
    if (made) m_pBuffer->dc.BitBlt(0, 0, static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight), &source, 0, 0, SRCCOPY);
    source.SelectObject(old);
    return made;
}
