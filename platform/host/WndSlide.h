// CWndSlide: a drawing window that shows a slide of a slide library (host/SlideLibrary.h) in its
// logical border: the slide's world window fitted evenly and centred, in black lines one pixel wide,
// texts in 宋体. Showing a slide makes its world window the window's (GetWorldExt).
// m_bDrawToPicture chooses the target: 0 (a window) clears the border to white first, 1 (a picture
// that its owner prepares, such as a report's metafile) draws on what is there.
// Copying copies the device context's handle, the border, the world window and the switch.
#pragma once

#include "host/WndGraph.h"
#include "host/WorldLogic.h"

class CWndSlide : public CWndGraph, public CWorldLogic {
public:
    // FALSE, with a diagnostic, without a device context or when the library or the slide cannot be
    // found; nothing is drawn then.
    BOOL ShowSlide(LPCTSTR lpszLibrary, LPCTSTR lpszSlide);
    // The same with rcWnd as the logical border.
    BOOL ShowSlideWnd(LPCTSTR lpszLibrary, LPCTSTR lpszSlide, const CRect& rcWnd);

    int m_bDrawToPicture = 0;
};
