// A picture drawn in code: a bitmap of cx × cy pixels, compatible with the screen, that draw fills
// through a memory device context. FALSE when the bitmap cannot be made.
#pragma once

#include "mfc/gdi/DC.h"

template <class Draw>
BOOL DrawCodePicture(CBitmap& bitmap, int cx, int cy, Draw draw) {
    CDC dcScreen;
    dcScreen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    if (!bitmap.CreateCompatibleBitmap(&dcScreen, cx, cy)) return FALSE;
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    draw(dc);
    dc.SelectObject(pOldBitmap);
    return TRUE;
}
