// CBoardViewWnd: the small window of the slab's pages that shows the schematic of the edges and
// posts the page sets; it subclasses a static control and paints on black.
#pragma once

#include "mfc/user/Wnd.h"
#include "slab/rect/BoardSketch.h"

class CBoardViewWnd : public CWnd {
public:
    CBoardViewWnd();
    ~CBoardViewWnd() override;

    // The edges and posts to show, then a repaint.
    void SetBoard(int nTop, int nBottom, int nLeft, int nRight, int nTopLeft, int nTopRight, int nBottomLeft,
                  int nBottomRight);

    int m_nLeft, m_nTop, m_nRight, m_nBottom;
    int m_nTopLeft, m_nTopRight, m_nBottomLeft, m_nBottomRight;
    CBoardSketch m_Sketch;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
