// The fixed metrics of the headless screen, in one place.
//
// Dialog units. A dialog is laid out in the base units of its template's font, measured as the
// platform measures them: across, the average width of the 52 Latin letters, rounded half up;
// down, the font's cell height (GetTextMetrics' tmHeight). For 宋体 9 pt that is 6 pixels across
// and 12 down. A dialog unit is a quarter of the horizontal and an eighth of the vertical base
// unit, so
//     x pixels = x · base x / 4,   y pixels = y · base y / 8,
// each coordinate rounded to the nearest pixel with halves away from zero (the platform's MulDiv).
// A template rectangle (x, y, cx, cy) converts its left, top, right = x + cx and bottom = y + cy
// separately, as MapDialogRect does. A template without a font is laid out in the system font's
// base units.
//
// Frames. A window's client area lies inside its frame: a caption (WS_CAPTION) of 18 pixels, then
// a sizing frame (WS_THICKFRAME) of 4, else a dialog frame (WS_DLGFRAME or WS_EX_DLGMODALFRAME) of
// 3, else a border (WS_BORDER) of 1, plus 2 for WS_EX_CLIENTEDGE and 1 for WS_EX_STATICEDGE, on
// every side.
//
// A scroll bar that a control draws for itself is 16 pixels across.
//
// The screen is 1024 × 768 pixels; top-level windows are placed in its coordinates.
#pragma once

#include "mfc/base/Geometry.h"
#include "win/Windows.h"

namespace qelt::metrics {

// The base units of 宋体 9 pt, the dialog font of the system's templates.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 12;
constexpr int kCaptionHeight = 18;
constexpr int kSizingFrame = 4;
constexpr int kDialogFrame = 3;
constexpr int kBorder = 1;
constexpr int kClientEdge = 2;
constexpr int kStaticEdge = 1;
constexpr int kScrollBarWidth = 16;  // a window's scroll bar, across
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// value · numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator);

struct BaseUnits {
    int x = kBaseUnitX;
    int y = kBaseUnitY;
};
// The base units of a font (null: the system font).
BaseUnits MeasureBaseUnits(HFONT font);

int DialogUnitsToPixelsX(int x, const BaseUnits& units);
int DialogUnitsToPixelsY(int y, const BaseUnits& units);
// Converts each coordinate of a rectangle given in dialog units.
CRect DialogRectToPixels(const RECT& dialogUnits, const BaseUnits& units);

// The width of the frame on each side of a window of these styles, caption included in `top`.
RECT FrameInsets(DWORD style, DWORD exStyle);

}  // namespace qelt::metrics
