// The pictures of the continuous beam's input page, drawn on demand: the six load kinds in the
// kind selector (the strip of bitmap 1098), the chosen kind's picture with its values named (bitmaps
// 1099, 1100, 2301, 1102, 1103, 1104), the icons of the load tree (2413, 1105 … 1111, 2312) and the
// information icon beside the page's note (IDI_INFORMATION_TIPS).
#pragma once

#include "mfc/gdi/GdiObjects.h"
#include "win/WinTypes.h"

// The strip of the kind selector: six pictures of 132 × 20 pixels side by side, kind 0 to 5, on
// the mask colour LOAD_PICTURE_MASK.
enum { LOAD_KIND_IMAGE_WIDTH = 132, LOAD_KIND_IMAGE_HEIGHT = 20 };
// The tree's icons: nine of 16 × 16 pixels side by side on the mask colour: the case node and the
// selected case node, a force, a uniform load, the span node, a moment, a triangular, a trapezoidal
// and a linear load.
enum { LOAD_TREE_ICON_SIZE = 16, LOAD_TREE_ICONS = 9 };
// The kind pictures' size.
enum { LOAD_PICTURE_WIDTH = 104, LOAD_PICTURE_HEIGHT = 36 };
// The information icon's size.
enum { INFORMATION_ICON_SIZE = 32 };

#define LOAD_PICTURE_MASK RGB(128, 128, 128)

// Each draws its picture into bitmap, which must be empty; FALSE when no bitmap could be made (or
// for a kind outside 0 … 5).
BOOL CreateLoadKindStrip(CBitmap& bitmap);
BOOL CreateLoadKindPicture(CBitmap& bitmap, int nKind);
BOOL CreateLoadTreeIcons(CBitmap& bitmap);
// The icon on the colour of the page it stands on.
BOOL CreateInformationIcon(CBitmap& bitmap, COLORREF background);
