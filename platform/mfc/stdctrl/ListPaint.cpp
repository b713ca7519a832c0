#include "mfc/stdctrl/ListPaint.h"

#include <algorithm>

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"

namespace qelt {

namespace {

constexpr int kArrowWidth = 16;  // the classic look's scroll-bar width

// The height of a line of the window's font.
int LineHeight(HWND window, HDC dc) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessage(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    return static_cast<int>(metrics.tmHeight);
}

}  // namespace

int FontItemHeight(HWND window) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const int height = LineHeight(window, dc) + 2;
    ::DeleteDC(dc);
    return height;
}

void PaintComboBox(HWND combo, int fieldHeight) {
    ControlPaintScope scope(combo);
    if (!scope.dc) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(combo, GWL_STYLE));
    const bool enabled = ::IsWindowEnabled(combo) != FALSE;
    HBRUSH background = ControlColors(combo, scope.dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    CRect field = scope.client;
    // The field's content, then three pixels of edge and margin above and below it.
    const int content = fieldHeight > 0 ? fieldHeight : LineHeight(combo, scope.dc) + 2;
    field.bottom = std::min(field.bottom, field.top + content + 6);
    ::FillRect(scope.dc, &field, background);
    DrawEdge3D(scope.dc, &field, true);
    if ((style & 3) != CBS_SIMPLE) {
        const int arrowWidth = std::min(kArrowWidth, field.Width());
        DrawArrowBox(scope.dc, CRect(field.right - arrowWidth, field.top, field.right, field.bottom), 0, enabled);
        field.right -= arrowWidth;
    }
    if (style & CBS_OWNERDRAWFIXED) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.CtlID = static_cast<UINT>(::GetDlgCtrlID(combo));
        draw.itemID = static_cast<UINT>(::SendMessage(combo, CB_GETCURSEL, 0, 0));
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ODS_COMBOBOXEDIT | (::GetFocus() == combo ? ODS_SELECTED | ODS_FOCUS : 0) |
                         (enabled ? 0 : ODS_DISABLED);
        draw.hwndItem = combo;
        draw.hDC = scope.dc;
        field.DeflateRect(3, 3);
        draw.rcItem = field;
        if (draw.itemID != static_cast<UINT>(CB_ERR))
            draw.itemData = static_cast<ULONG_PTR>(::SendMessage(combo, CB_GETITEMDATA, draw.itemID, 0));
        ::SendMessage(::GetParent(combo), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        return;
    }
    field.DeflateRect(2, 0);
    DrawWindowText(scope.dc, combo, WindowTextOf(combo), field, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintListBox(HWND list, const ListItems& items, int top) {
    ControlPaintScope scope(list);
    if (!scope.dc) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(list, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLong(list, GWL_EXSTYLE));
    const bool enabled = ::IsWindowEnabled(list) != FALSE;
    HBRUSH background = ControlColors(list, scope.dc, WM_CTLCOLORLISTBOX);
    CRect area = scope.client;
    ::FillRect(scope.dc, &area, background);
    if ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)) DrawEdge3D(scope.dc, &area, true);
    const int height = LineHeight(list, scope.dc) + 2;
    const COLORREF text = ::GetTextColor(scope.dc);
    for (int i = std::max(top, 0); i < items.Count(); ++i) {
        CRect row(area.left, area.top + (i - top) * height, area.right, area.top + (i - top + 1) * height);
        if (row.top >= area.bottom) break;
        const bool selected = i == items.Selection();
        if (selected && enabled) FillSysColor(scope.dc, row, COLOR_HIGHLIGHT);
        ::SetTextColor(scope.dc, selected && enabled ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        row.DeflateRect(2, 0);
        DrawWindowText(scope.dc, list, CString(items.Text(i)->c_str()), row,
                       DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

}  // namespace qelt
