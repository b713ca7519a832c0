// Device contexts of windows: GetDC, GetWindowDC and BeginPaint over the window manager, and the
// class library's CClientDC, CWindowDC and CPaintDC. A headless window has no pixels: what is drawn
// in it is recorded, one recording a window, which render/Render.h turns into a picture.
// A window DC draws in client coordinates over the client area; a paint DC is clipped to the
// invalid area that BeginPaint takes.
#pragma once

#include <memory>

#include "mfc/gdi/DC.h"
#include "mfc/gdi/GdiRecording.h"

class CWnd;

HDC GetDC(HWND window);        // null: the screen, which keeps nothing drawn on it
HDC GetWindowDC(HWND window);  // the same as GetDC: the headless window has no frame to draw on
int ReleaseDC(HWND window, HDC dc);
HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* window);  // null: the screen
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* window);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

namespace qelt::gdi {
// What has been drawn in a window (null for a window never drawn in); its size is the client area.
std::shared_ptr<const Recording> WindowRecording(HWND window);
}  // namespace qelt::gdi
