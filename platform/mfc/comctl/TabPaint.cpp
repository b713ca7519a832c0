#include "mfc/comctl/TabPaint.h"

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {

namespace {

// A tab's outline: light on the left and top, dark on the right; open at the bottom.
void PaintTab(HDC dc, HWND tabs, const CRect& r, const CString& text) {
    FillSysColor(dc, r, COLOR_3DFACE);
    DrawLine(dc, r.left, r.bottom, r.left, r.top + 2, COLOR_3DHIGHLIGHT);
    DrawLine(dc, r.left, r.top + 2, r.left + 2, r.top, COLOR_3DHIGHLIGHT);
    DrawLine(dc, r.left + 2, r.top, r.right - 2, r.top, COLOR_3DHIGHLIGHT);
    DrawLine(dc, r.right - 2, r.top + 1, r.right - 2, r.bottom, COLOR_3DSHADOW);
    DrawLine(dc, r.right - 1, r.top + 2, r.right - 1, r.bottom, COLOR_3DDKSHADOW);
    DrawWindowText(dc, tabs, text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void PaintTabControl(HWND tabs) {
    ControlPaintScope scope(tabs);
    if (!scope.dc) return;
    HDC dc = scope.dc;
    ::FillRect(dc, &scope.client, ControlColors(tabs, dc, WM_CTLCOLORSTATIC));
    RECT panel = scope.client;
    ::SendMessage(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&panel));
    CRect frame(scope.client.left, panel.top, scope.client.right, scope.client.bottom);
    RECT first{0, 0, 0, 0};
    const int count = static_cast<int>(::SendMessage(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (count > 0 && ::SendMessage(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
        frame.top = first.bottom;
    FillSysColor(dc, frame, COLOR_3DFACE);
    CRect inside = frame;
    DrawEdge3D(dc, &inside, false);
    const int selected = static_cast<int>(::SendMessage(tabs, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT rect{0, 0, 0, 0};
        char buffer[256] = {};
        TCITEM item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        if (!::SendMessage(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect))) continue;
        ::SendMessage(tabs, TCM_GETITEM, i, reinterpret_cast<LPARAM>(&item));
        CRect tab(rect);
        if (i == selected) tab.InflateRect(2, 2, 2, 1);  // raised, and over the panel's top line
        PaintTab(dc, tabs, tab, CString(buffer));
    }
}

}  // namespace qelt
