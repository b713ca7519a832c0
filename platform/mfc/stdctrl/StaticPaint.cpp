#include "mfc/stdctrl/StaticPaint.h"

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {

namespace {

void PaintBitmap(HDC dc, HBITMAP bitmap, const CRect& client, bool centred) {
    BITMAP info{};
    if (!bitmap || !::GetObject(bitmap, sizeof info, &info)) return;
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, bitmap);
    const int x = centred ? (client.Width() - info.bmWidth) / 2 : 0;
    const int y = centred ? (client.Height() - info.bmHeight) / 2 : 0;
    ::BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

void Frame(HDC dc, const CRect& r, int colour) { ::FrameRect(dc, &r, ::GetSysColorBrush(colour)); }

// An etched line or frame: a shadow line with a highlight one pixel below and to the right.
void Etched(HDC dc, const CRect& client, UINT type) {
    CRect shadow = client, light = client;
    if (type == SS_ETCHEDHORZ) shadow.bottom = shadow.top + 1;
    if (type == SS_ETCHEDVERT) shadow.right = shadow.left + 1;
    light = shadow;
    light.OffsetRect(1, 1);
    if (type == SS_ETCHEDFRAME) {
        shadow.right -= 1, shadow.bottom -= 1;
        light = shadow;
        light.OffsetRect(1, 1);
        Frame(dc, light, COLOR_3DHIGHLIGHT);
        Frame(dc, shadow, COLOR_3DSHADOW);
        return;
    }
    FillSysColor(dc, light, COLOR_3DHIGHLIGHT);
    FillSysColor(dc, shadow, COLOR_3DSHADOW);
}

}  // namespace

void PaintStatic(HWND control, HBITMAP bitmap) {
    ControlPaintScope scope(control);
    if (!scope.dc) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(control, GWL_STYLE));
    const UINT type = style & SS_TYPEMASK;
    const CRect client = scope.client;
    HDC dc = scope.dc;
    switch (type) {
    case SS_BLACKRECT: FillSysColor(dc, client, COLOR_WINDOWFRAME); return;
    case SS_GRAYRECT: FillSysColor(dc, client, COLOR_3DSHADOW); return;
    case SS_WHITERECT: FillSysColor(dc, client, COLOR_3DHIGHLIGHT); return;
    case SS_BLACKFRAME: Frame(dc, client, COLOR_WINDOWFRAME); return;
    case SS_GRAYFRAME: Frame(dc, client, COLOR_3DSHADOW); return;
    case SS_WHITEFRAME: Frame(dc, client, COLOR_3DHIGHLIGHT); return;
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME: Etched(dc, client, type); return;
    case SS_OWNERDRAW: {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_STATIC;
        draw.CtlID = static_cast<UINT>(::GetDlgCtrlID(control));
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = control;
        draw.hDC = dc;
        draw.rcItem = client;
        ::SendMessage(::GetParent(control), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        return;
    }
    default: break;
    }
    HBRUSH face = ControlColors(control, dc, WM_CTLCOLORSTATIC);
    ::FillRect(dc, &client, face);
    if (type == SS_BITMAP) {
        PaintBitmap(dc, bitmap, client, (style & SS_CENTERIMAGE) != 0);
    } else if (type != SS_ICON && type != SS_ENHMETAFILE) {
        UINT format = type == SS_CENTER ? DT_CENTER | DT_WORDBREAK
                      : type == SS_RIGHT ? DT_RIGHT | DT_WORDBREAK
                      : type == SS_LEFT  ? DT_LEFT | DT_WORDBREAK
                                         : DT_LEFT | DT_SINGLELINE;
        if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        DrawWindowText(dc, control, WindowTextOf(control), client, format);
    }
    if (style & SS_SUNKEN) {
        CRect edge = client;
        Frame(dc, edge, COLOR_3DSHADOW);
    }
}

}  // namespace qelt
