#include "mfc/user/ControlPaint.h"

#include <algorithm>

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ScrollBarParts.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/WindowDC.h"

namespace qelt {

HBRUSH ControlColors(HWND control, HDC dc, UINT message) {
    HWND parent = ::GetParent(control);
    HBRUSH brush = nullptr;
    if (parent) {
        brush = reinterpret_cast<HBRUSH>(
            ::SendMessage(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    }
    if (!brush) brush = reinterpret_cast<HBRUSH>(::DefWindowProc(control, message, reinterpret_cast<WPARAM>(dc), 0));
    return brush;
}

void DrawLine(HDC dc, int x0, int y0, int x1, int y1, int colour) {
    HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(colour));
    HGDIOBJ old = ::SelectObject(dc, pen);
    ::MoveToEx(dc, x0, y0, nullptr);
    ::LineTo(dc, x1, y1);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

namespace {

// One ring of an edge: light colour on the top and left, dark on the bottom and right.
void Ring(HDC dc, const RECT& r, int light, int dark) {
    DrawLine(dc, r.left, r.bottom - 1, r.left, r.top, light);
    DrawLine(dc, r.left, r.top, r.right - 1, r.top, light);
    DrawLine(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, dark);
    DrawLine(dc, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1, dark);
}

}  // namespace

void DrawEdge3D(HDC dc, RECT* rect, bool sunken) {
    CRect r(rect);
    if (sunken) Ring(dc, r, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    else Ring(dc, r, COLOR_3DHIGHLIGHT, COLOR_3DDKSHADOW);
    r.DeflateRect(1, 1);
    if (sunken) Ring(dc, r, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    else Ring(dc, r, COLOR_3DLIGHT, COLOR_3DSHADOW);
    r.DeflateRect(1, 1);
    *rect = r;
}

CString WindowTextOf(HWND window) {
    CString text;
    const int length = ::GetWindowTextLength(window);
    ::GetWindowText(window, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    return text;
}

void DrawWindowText(HDC dc, HWND window, const CString& text, RECT rect, UINT format) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessage(window, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    if (::IsWindowEnabled(window)) {
        ::DrawTextA(dc, text, text.GetLength(), &rect, format);
    } else {
        const COLORREF oldColour = ::SetTextColor(dc, ::GetSysColor(COLOR_3DHIGHLIGHT));
        CRect shadow(&rect);
        shadow.OffsetRect(1, 1);
        ::DrawTextA(dc, text, text.GetLength(), &shadow, format);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, text, text.GetLength(), &rect, format);
        ::SetTextColor(dc, oldColour);
    }
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);
}

void FillSysColor(HDC dc, const RECT& rect, int colour) { ::FillRect(dc, &rect, ::GetSysColorBrush(colour)); }

void DrawArrowBox(HDC dc, const RECT& rect, int direction, bool enabled) {
    CRect face(&rect);
    FillSysColor(dc, face, COLOR_3DFACE);
    DrawEdge3D(dc, &face, false);
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    POINT points[3];
    switch (direction) {
    case 1: points[0] = {cx - 3, cy + 1}; points[1] = {cx + 3, cy + 1}; points[2] = {cx, cy - 2}; break;
    case 2: points[0] = {cx + 1, cy - 3}; points[1] = {cx + 1, cy + 3}; points[2] = {cx - 2, cy}; break;
    case 3: points[0] = {cx - 1, cy - 3}; points[1] = {cx - 1, cy + 3}; points[2] = {cx + 2, cy}; break;
    default: points[0] = {cx - 3, cy - 1}; points[1] = {cx + 3, cy - 1}; points[2] = {cx, cy + 2}; break;
    }
    const int colour = enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
    HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(colour));
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetSysColorBrush(colour));
    ::Polygon(dc, points, 3);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
}

void DrawScrollBar(HDC dc, const RECT& rect, bool vertical, const SCROLLINFO& info, bool enabled) {
    const ScrollBarParts parts = ScrollBarPartsOf(rect, vertical, info);
    DrawArrowBox(dc, parts.back, vertical ? 1 : 2, enabled);
    DrawArrowBox(dc, parts.forward, vertical ? 0 : 3, enabled);
    if (parts.track.IsRectEmpty()) return;
    FillSysColor(dc, parts.track, COLOR_SCROLLBAR);
    if (!enabled || parts.thumb.IsRectEmpty()) return;
    CRect face = parts.thumb;
    FillSysColor(dc, face, COLOR_3DFACE);
    DrawEdge3D(dc, &face, false);
}

void DrawCheckBox(HDC dc, const RECT& box, UINT check, bool enabled, bool pushed) {
    CRect inner(&box);
    DrawEdge3D(dc, &inner, true);
    const COLORREF inside = ::GetSysColor(enabled && !pushed && check != BST_INDETERMINATE ? COLOR_WINDOW : COLOR_3DFACE);
    HBRUSH fill = ::CreateSolidBrush(inside);
    ::FillRect(dc, &inner, fill);
    ::DeleteObject(fill);
    if (check == BST_UNCHECKED) return;
    const COLORREF mark = check == BST_INDETERMINATE ? ::GetSysColor(COLOR_3DSHADOW)
                                                     : ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    HPEN tick = ::CreatePen(PS_SOLID, 2, mark);
    HGDIOBJ oldPen = ::SelectObject(dc, tick);
    const POINT points[3] = {{inner.left + 2, inner.top + 4}, {inner.left + 4, inner.top + 6},
                             {inner.left + 7, inner.top + 1}};
    ::Polyline(dc, points, 3);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(tick);
}

ControlPaintScope::ControlPaintScope(HWND hWnd) : window(hWnd) {
    dc = ::BeginPaint(window, &paint);
    ::GetClientRect(window, &client);
}

ControlPaintScope::~ControlPaintScope() {
    if (dc && ::IsWindow(window)) ::EndPaint(window, &paint);
}

}  // namespace qelt
