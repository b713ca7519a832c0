#include "slab/irregular/BoardDrawArea.h"

#include "mfc/user/WindowDC.h"
#include "slab/irregular/BoardDraw.h"

namespace {

BOOL IsPointerMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CBoardDrawArea, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CBoardDrawArea::CBoardDrawArea() : m_pView(NULL) {}

void CBoardDrawArea::SetView(CBoardDraw* pView)
{
    m_pView = pView;
}

LRESULT CBoardDrawArea::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if (pParent && IsPointerMessage(message)) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(&point);
        pParent->ScreenToClient(&point);
        return pParent->SendMessage(message, wParam, MAKELPARAM(point.x, point.y));
    }
    // The wheel carries screen coordinates.
    if (pParent && message == WM_MOUSEWHEEL)
        return pParent->SendMessage(message, wParam, lParam);
    return CStatic::WindowProc(message, wParam, lParam);
}

void CBoardDrawArea::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pView || !m_pView->m_canvas.m_pMemDC)
        return;
    const CRect& rect = m_pView->m_canvas.m_rcCanvas;
    dc.BitBlt(0, 0, rect.Width(), rect.Height(), m_pView->m_canvas.m_pMemDC, 0, 0, SRCCOPY);
}
