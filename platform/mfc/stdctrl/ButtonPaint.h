// How a button looks: push buttons (the default one framed, pressed, disabled), check boxes and
// radio buttons with their marks, group boxes with their captions.
#pragma once

#include "win/Windows.h"

namespace qelt {

// Answers WM_PAINT for a button; the state comes from BM_GETSTATE.
void PaintButton(HWND button);

}  // namespace qelt
