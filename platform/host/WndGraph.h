// CWndGraph: where a drawing window draws: a device context and the logical rectangle in it (its
// logical border). The device context is kept by its handle and not owned: a handle that is gone by
// the time of drawing is reported by the GDI layer and draws nothing.
#pragma once

#include "host/LogRect.h"
#include "mfc/gdi/DC.h"

class CWndGraph {
public:
    CWndGraph() = default;
    virtual ~CWndGraph() = default;

    void SetDC(CDC* pDC) { m_hDC = pDC ? pDC->GetSafeHdc() : NULL; }
    HDC GetSafeHdc() const { return m_hDC; }
    void SetLogicBorder(const CLogRect& rcBorder) { m_rcBorder = rcBorder; }
    const CLogRect& GetLogicBorder() const { return m_rcBorder; }

protected:
    HDC m_hDC = NULL;
    CLogRect m_rcBorder;
};
