// CAutoDrawLv: the back buffer of the sibling library's drawing: a bitmap with a memory DC drawing
// into it, its place in a window, its centre and its background colour. Copies share the bitmap;
// the last copy to go releases it, once.
#pragma once

#include <memory>

#include "mfc/gdi/DC.h"
#include "sibling/DrawingTypes.h"

namespace qelt::sibling {
struct BackBuffer;
}

class CAutoDrawLv {
public:
    CAutoDrawLv();
    virtual ~CAutoDrawLv();
    CAutoDrawLv(const CAutoDrawLv& other);             // inline, below
    CAutoDrawLv& operator=(const CAutoDrawLv& other);  // inline, below

    CIntPoint getCenter() const;   // the buffer's centre in its own pixels
    CRect GetRect() const;         // where the buffer lies in its window, in the window's pixels
    void SetBKColor(COLORREF color);
    COLORREF GetBKColor() const;
    CBitmap* GetBitmap() const;    // null when empty
    BOOL isEmpty() const;

    // A new buffer of the rectangle's size for a window (none for a bitmap of its own), filled with
    // the background colour; an existing buffer is let go. FALSE for an empty rectangle.
    BOOL Create(HWND window, const CRect& placement, COLORREF background);
    // A new buffer holding a copy of a bitmap's picture.
    BOOL CreateFrom(CBitmap* bitmap);
    CDC* GetDC() const;            // the memory DC drawing into the buffer; null when empty
    HWND GetWindow() const { return m_hWnd; }

private:
    std::shared_ptr<qelt::sibling::BackBuffer> m_pBuffer;
    HWND m_hWnd;
    CRect m_rcDevice;
    CIntPoint m_ptCenter;
    COLORREF m_crBack;
};

// CAutoDrawLv: copies share the bitmap, which the last of them releases.

inline CAutoDrawLv::CAutoDrawLv(const CAutoDrawLv& other)
    : m_pBuffer(other.m_pBuffer), m_hWnd(other.m_hWnd), m_rcDevice(other.m_rcDevice), m_ptCenter(other.m_ptCenter),
      m_crBack(other.m_crBack)
{
}

inline CAutoDrawLv& CAutoDrawLv::operator=(const CAutoDrawLv& other)
{
    m_pBuffer = other.m_pBuffer;
    m_hWnd = other.m_hWnd;
    m_rcDevice = other.m_rcDevice;
    m_ptCenter = other.m_ptCenter;
    m_crBack = other.m_crBack;
    return *this;
}
