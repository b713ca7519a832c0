// How the list controls look when closed or open: a combo box shows its current text beside the
// drop-down arrow; a list box shows its items from the top one, the selection highlighted.
#pragma once

#include "mfc/stdctrl/ListItems.h"

namespace qelt {

// Answers WM_PAINT for a combo box: the field (as high as its font needs, at the top of the window)
// with the text it shows and, unless it is a simple one, the arrow box.
void PaintComboBox(HWND combo);

// Answers WM_PAINT for a list box, items from index top down.
void PaintListBox(HWND list, const ListItems& items, int top);

}  // namespace qelt
