// How an edit box looks: a sunken frame around its text on the window colour; read-only and
// disabled boxes on the face colour, a disabled box's text grey. The selection is not shown.
#pragma once

#include "win/Windows.h"

namespace qelt {

// Answers WM_PAINT for an edit box.
void PaintEdit(HWND edit);

}  // namespace qelt
