// The pieces of the classic look that the controls paint themselves with: the colours their parent
// gives through WM_CTLCOLOR…, 3-D edges, the window's text in its font, arrow boxes and marks.
#pragma once

#include "mfc/base/Geometry.h"
#include "mfc/base/String.h"
#include "win/Windows.h"

namespace qelt {

// Asks the control's parent for its colours (message: WM_CTLCOLORBTN, …EDIT, …STATIC …), as the
// platform does before a control paints; the dc gets the text and background colours. Returns the
// brush to fill the background with (the system's own without a parent that answers).
HBRUSH ControlColors(HWND control, HDC dc, UINT message);

// A two-pixel 3-D edge just inside rect, sunken (edit and list boxes) or raised (buttons); rect
// becomes the area inside it.
void DrawEdge3D(HDC dc, RECT* rect, bool sunken);

// The window's text (WM_GETTEXT).
CString WindowTextOf(HWND window);

// text in rect (DT_… format) with the window's font, transparent over what lies beneath; greyed,
// with a white shadow, when the window is disabled.
void DrawWindowText(HDC dc, HWND window, const CString& text, RECT rect, UINT format);

// A button face with an arrow pointing down (combo boxes) or to a side (scroll bars): direction
// 0 down, 1 up, 2 left, 3 right; a disabled arrow is grey.
void DrawArrowBox(HDC dc, const RECT& rect, int direction, bool enabled);

// A scroll bar in rect: an arrow box at each end, the track between them and, while enabled with
// a range, the thumb on it, as long as the page is to the range (a square without a page) and
// placed as the position is between its limits.
void DrawScrollBar(HDC dc, const RECT& rect, bool vertical, const SCROLLINFO& info, bool enabled);

// A check box's sunken square (13 × 13 in box) with its mark: check is BST_UNCHECKED, BST_CHECKED or
// BST_INDETERMINATE (a grey mark on the face colour); pushed or disabled boxes show the face colour.
void DrawCheckBox(HDC dc, const RECT& box, UINT check, bool enabled, bool pushed);

// A one-pixel line of a system colour from (x0, y0) up to, not including, (x1, y1).
void DrawLine(HDC dc, int x0, int y0, int x1, int y1, int colour);

// A filled rectangle of a system colour (COLOR_…).
void FillSysColor(HDC dc, const RECT& rect, int colour);

// What every control's WM_PAINT begins with: the paint DC and the client rectangle.
struct ControlPaintScope {
    explicit ControlPaintScope(HWND window);
    ~ControlPaintScope();
    ControlPaintScope(const ControlPaintScope&) = delete;
    ControlPaintScope& operator=(const ControlPaintScope&) = delete;

    HWND window;
    PAINTSTRUCT paint{};
    HDC dc = nullptr;
    RECT client{0, 0, 0, 0};
};

}  // namespace qelt
