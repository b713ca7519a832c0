#include "controls/TitleTip.h"

#include <algorithm>

#include "mfc/GdiApi.h"
#include "mfc/Metrics.h"
#include "mfc/Resources.h"
#include "mfc/WindowDC.h"

namespace {

const char kTitleTipClass[] = "ZTitleTip";
constexpr int kTextMargin = 3;  // pixels between the tip's edge and its text

}  // namespace

BEGIN_MESSAGE_MAP(CTitleTip, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CTitleTip::CTitleTip()
    : m_pParentWnd(NULL),
      m_hBrush(NULL),
      m_clrHighlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_clrHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)) {
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASS wndcls{};
    if (!::GetClassInfo(hInst, kTitleTipClass, &wndcls)) {
        wndcls.style = CS_SAVEBITS | CS_DBLCLKS;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = hInst;
        wndcls.hCursor = ::LoadCursor(hInst, IDC_ARROW);
        wndcls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(COLOR_INFOBK + 1));
        wndcls.lpszClassName = kTitleTipClass;
        AfxRegisterClass(&wndcls);
    }
}

CTitleTip::~CTitleTip() {
    if (m_hBrush) ::DeleteObject(m_hBrush);
}

BOOL CTitleTip::Create(CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kTitleTipClass, NULL, WS_BORDER | WS_POPUP, CRect(0, 0, 0, 0),
                    NULL, 0);
}

void CTitleTip::SetBackBrush(HBRUSH hBrush) {
    if (m_hBrush && m_hBrush != hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = hBrush;
}

void CTitleTip::Show(const CRect& rectTitle, LPCTSTR lpszTitleText) {
    if (!m_hWnd || !m_pParentWnd || !m_pParentWnd->m_hWnd) return;
    const CString text = lpszTitleText ? lpszTitleText : "";
    CSize extent;
    {
        CClientDC dc(m_pParentWnd);
        CFont* font = m_pParentWnd->GetFont();
        CFont* old = font ? dc.SelectObject(font) : NULL;
        extent = dc.GetTextExtent(text, text.GetLength());
        if (old) dc.SelectObject(old);
    }
    const int needed = extent.cx + 2 * kTextMargin;
    if (text.IsEmpty() || needed <= rectTitle.Width()) {
        Hide();
        return;
    }
    m_rectTitle = rectTitle;
    CRect place(rectTitle.left, rectTitle.top, rectTitle.left + needed, rectTitle.bottom);
    m_pParentWnd->ClientToScreen(&place);
    // Kept on the screen: moved left when it would reach past the right edge.
    const int overflow = place.right - qelt::metrics::kScreenWidth;
    if (overflow > 0) place.OffsetRect(-std::min<LONG>(overflow, place.left), 0);
    SetWindowText(text);
    SetWindowPos(&wndTop, place.left, place.top, place.Width(), place.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CTitleTip::Hide() {
    if (m_hWnd && IsWindowVisible()) ShowWindow(SW_HIDE);
}

BOOL CTitleTip::PreTranslateMessage(MSG* pMsg) {
    if (!pMsg || !m_hWnd || pMsg->hwnd != m_hWnd) return CWnd::PreTranslateMessage(pMsg);
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
        Hide();
        PassToOwner(*pMsg);
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        if (m_pParentWnd && m_pParentWnd->m_hWnd) m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    default:
        return CWnd::PreTranslateMessage(pMsg);
    }
}

void CTitleTip::PassToOwner(const MSG& message) {
    if (!m_pParentWnd || !m_pParentWnd->m_hWnd) return;
    CPoint point(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam));
    ClientToScreen(&point);
    m_pParentWnd->ScreenToClient(&point);
    m_pParentWnd->SendMessage(message.message, message.wParam, MAKELPARAM(point.x, point.y));
}

void CTitleTip::OnMouseMove(UINT nFlags, CPoint point) {
    // Leaving the cell hides the tip.
    ClientToScreen(&point);
    if (m_pParentWnd && m_pParentWnd->m_hWnd) m_pParentWnd->ScreenToClient(&point);
    if (!m_rectTitle.PtInRect(point)) Hide();
    CWnd::OnMouseMove(nFlags, point);
}

void CTitleTip::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_INFOBK));
    CString text;
    GetWindowText(text);
    CFont* font = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->GetFont() : NULL;
    CFont* old = font ? dc.SelectObject(font) : NULL;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    client.DeflateRect(kTextMargin, 0);
    dc.DrawText(text, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (old) dc.SelectObject(old);
}
