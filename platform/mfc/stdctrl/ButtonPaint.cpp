#include "mfc/stdctrl/ButtonPaint.h"

#include <algorithm>

#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/Wnd.h"

namespace qelt {

namespace {

constexpr int kMarkSize = 13;

UINT TextAlignment(DWORD style, UINT fallback) {
    switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    case BS_CENTER: return DT_CENTER;
    default: return fallback;
    }
}

// The size of text in the button's font.
SIZE TextSize(HDC dc, HWND button, const CString& text) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessage(button, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    ::SelectObject(dc, oldFont);
    return size;
}

void FocusRect(HDC dc, const RECT& rect) {
    HPEN pen = ::CreatePen(PS_DOT, 1, ::GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
}

// A push button: raised, or pressed while held down; a push-like check box or radio button while
// checked is sunken over a face lightened halfway to the highlight (the platform's dither).
void PaintPush(HDC dc, HWND button, const CRect& client, UINT state, bool isDefault, bool checked) {
    FillSysColor(dc, client, COLOR_3DFACE);
    CRect face = client;
    if (isDefault) {
        HBRUSH frame = ::GetSysColorBrush(COLOR_WINDOWFRAME);
        ::FrameRect(dc, &face, frame);
        face.DeflateRect(1, 1);
    }
    const bool pressed = (state & BST_PUSHED) != 0;
    if (pressed) {
        ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_3DSHADOW));
        face.DeflateRect(2, 2);
    } else if (checked) {
        DrawEdge3D(dc, &face, true);
        const COLORREF a = ::GetSysColor(COLOR_3DFACE), b = ::GetSysColor(COLOR_3DHIGHLIGHT);
        HBRUSH light = ::CreateSolidBrush(RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
                                              (GetBValue(a) + GetBValue(b)) / 2));
        ::FillRect(dc, &face, light);
        ::DeleteObject(light);
    } else {
        DrawEdge3D(dc, &face, false);
    }
    CRect text = face;
    if (pressed || checked) text.OffsetRect(1, 1);
    const DWORD style = static_cast<DWORD>(::GetWindowLong(button, GWL_STYLE));
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    DrawWindowText(dc, button, WindowTextOf(button), text,
                   TextAlignment(style, DT_CENTER) | DT_VCENTER | DT_SINGLELINE);
    if (state & BST_FOCUS) {
        face.DeflateRect(1, 1);
        FocusRect(dc, face);
    }
}

// The square of a check box or the circle of a radio button, with its mark, and the text beside it.
void PaintMarked(HDC dc, HWND button, const CRect& client, UINT state, bool radio) {
    const bool enabled = ::IsWindowEnabled(button) != FALSE;
    const bool pushed = (state & BST_PUSHED) != 0;
    const int top = (client.top + client.bottom - kMarkSize) / 2;
    CRect box(client.left, top, client.left + kMarkSize, top + kMarkSize);
    const UINT check = state & 3;
    const COLORREF inside = ::GetSysColor(enabled && !pushed ? COLOR_WINDOW : COLOR_3DFACE);
    const COLORREF mark = ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (radio) {
        HPEN outline = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DSHADOW));
        HBRUSH fill = ::CreateSolidBrush(inside);
        HGDIOBJ oldPen = ::SelectObject(dc, outline);
        HGDIOBJ oldBrush = ::SelectObject(dc, fill);
        ::Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (check == BST_CHECKED) {
            HBRUSH dot = ::CreateSolidBrush(mark);
            HPEN dotPen = ::CreatePen(PS_SOLID, 1, mark);
            ::SelectObject(dc, dot);
            ::SelectObject(dc, dotPen);
            ::Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
            ::SelectObject(dc, fill);
            ::SelectObject(dc, outline);
            ::DeleteObject(dotPen);
            ::DeleteObject(dot);
        }
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        ::DeleteObject(fill);
        ::DeleteObject(outline);
    } else {
        DrawCheckBox(dc, box, check, enabled, pushed);
    }
    const DWORD style = static_cast<DWORD>(::GetWindowLong(button, GWL_STYLE));
    CRect text(box.right + 4, client.top, client.right, client.bottom);
    DrawWindowText(dc, button, WindowTextOf(button), text,
                   TextAlignment(style, DT_LEFT) | DT_VCENTER | DT_SINGLELINE);
    if (state & BST_FOCUS) {
        const SIZE size = TextSize(dc, button, WindowTextOf(button));
        const int top = (text.top + text.bottom - size.cy) / 2;
        FocusRect(dc, CRect(text.left - 1, top - 1, std::min<int>(text.left + size.cx + 1, text.right), top + size.cy + 1));
    }
}

// An etched frame with the caption over its top line, on the parent's face.
void PaintGroup(HDC dc, HWND button, const CRect& client) {
    const CString caption = WindowTextOf(button);
    const SIZE size = TextSize(dc, button, caption);
    const int lineY = client.top + size.cy / 2;
    CRect frame(client.left, lineY, client.right, client.bottom);
    CRect shadow(frame.left, frame.top, frame.right - 1, frame.bottom - 1);
    CRect light(frame.left + 1, frame.top + 1, frame.right, frame.bottom);
    ::FrameRect(dc, &light, ::GetSysColorBrush(COLOR_3DHIGHLIGHT));
    ::FrameRect(dc, &shadow, ::GetSysColorBrush(COLOR_3DSHADOW));
    if (caption.IsEmpty()) return;
    CRect text(client.left + 8, client.top, client.left + 8 + size.cx + 4, client.top + size.cy);
    HBRUSH face = ControlColors(button, dc, WM_CTLCOLORSTATIC);
    ::FillRect(dc, &text, face);
    text.DeflateRect(2, 0);
    DrawWindowText(dc, button, caption, text, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

}  // namespace

void PaintButton(HWND button) {
    ControlPaintScope scope(button);
    if (!scope.dc) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLong(button, GWL_STYLE));
    const UINT type = style & BS_TYPEMASK;
    const UINT state = static_cast<UINT>(::SendMessage(button, BM_GETSTATE, 0, 0));
    const CRect client = scope.client;
    if (type == BS_GROUPBOX) {
        PaintGroup(scope.dc, button, client);
        return;
    }
    if (type == BS_OWNERDRAW) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_BUTTON;
        draw.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ((state & BST_PUSHED) ? ODS_SELECTED : 0) | ((state & BST_FOCUS) ? ODS_FOCUS : 0) |
                         (::IsWindowEnabled(button) ? 0 : ODS_DISABLED);
        draw.hwndItem = button;
        draw.hDC = scope.dc;
        draw.rcItem = client;
        ::SendMessage(::GetParent(button), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        return;
    }
    const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    const bool check = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
    if ((radio || check) && (style & BS_PUSHLIKE)) {
        ControlColors(button, scope.dc, WM_CTLCOLORBTN);
        PaintPush(scope.dc, button, client, state, false, (state & 3) != BST_UNCHECKED);
        return;
    }
    if (radio || check) {
        HBRUSH face = ControlColors(button, scope.dc, WM_CTLCOLORSTATIC);
        ::FillRect(scope.dc, &client, face);
        PaintMarked(scope.dc, button, client, state, radio);
        return;
    }
    ControlColors(button, scope.dc, WM_CTLCOLORBTN);
    PaintPush(scope.dc, button, client, state, type == BS_DEFPUSHBUTTON, false);
}

}  // namespace qelt
