// How a static control looks: its text aligned and wrapped as its style asks, its bitmap, or its
// frame or filled rectangle.
#pragma once

#include "win/Windows.h"

namespace qelt {

// Answers WM_PAINT for a static; bitmap is the image it shows (null for none).
void PaintStatic(HWND control, HBITMAP bitmap);

}  // namespace qelt
