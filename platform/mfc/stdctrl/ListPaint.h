// How the list controls look when closed or open: a combo box shows its current text beside the
// drop-down arrow; a list box shows its items from the top one, the selection highlighted.
#pragma once

#include "mfc/stdctrl/ListItems.h"

namespace qelt {

// Answers WM_PAINT for a combo box: the field at the top of the window, as high as its font needs or
// as CB_SETITEMHEIGHT set it (fieldHeight, 0 for the font's), with the text it shows and, unless it
// is a simple one, the arrow box. An owner-drawn combo box (CBS_OWNERDRAWFIXED) has its parent draw
// the selected item in the field (WM_DRAWITEM, ODS_COMBOBOXEDIT).
void PaintComboBox(HWND combo, int fieldHeight);
// The height of a line of the window's font plus a pixel above and below: a combo box's field and
// items until CB_SETITEMHEIGHT sets theirs.
int FontItemHeight(HWND window);

// Answers WM_PAINT for a list box, items from index top down.
void PaintListBox(HWND list, const ListItems& items, int top);

}  // namespace qelt
