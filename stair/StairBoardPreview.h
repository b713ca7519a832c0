// The preview picture of the plate stair's drawing page (bitmap 2098 of the page's static 624): the
// section of a flight on its two stair beams, with the span bars ①, the support bars ② and ③ and the
// distribution bars ④ that the drawing places. Drawn in code.
#pragma once

#include "mfc/gdi/GdiObjects.h"
#include "win/WinTypes.h"

// Draws the preview into bitmap, which must be empty; FALSE when no bitmap could be made.
BOOL CreateStairBoardPreview(CBitmap& bitmap);
