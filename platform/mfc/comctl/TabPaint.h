// How a tab control looks: its tabs in a row over a raised panel, the selected tab raised and
// joined to the panel.
#pragma once

#include "win/Windows.h"

namespace qelt {

// Answers WM_PAINT for a tab control; tabs, texts and the selection come from its TCM_… messages.
void PaintTabControl(HWND tabs);

}  // namespace qelt
