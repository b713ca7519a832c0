#include "slab/rect/BoardViewWnd.h"

#include "mfc/user/WindowDC.h"

BEGIN_MESSAGE_MAP(CBoardViewWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CBoardViewWnd::CBoardViewWnd()
    : m_nLeft(0), m_nTop(0), m_nRight(0), m_nBottom(0), m_nTopLeft(0), m_nTopRight(0), m_nBottomLeft(0),
      m_nBottomRight(0) {}

CBoardViewWnd::~CBoardViewWnd() = default;

void CBoardViewWnd::SetBoard(int nTop, int nBottom, int nLeft, int nRight, int nTopLeft, int nTopRight,
                             int nBottomLeft, int nBottomRight) {
    m_nTop = nTop;
    m_nBottom = nBottom;
    m_nLeft = nLeft;
    m_nRight = nRight;
    m_nTopLeft = nTopLeft;
    m_nTopRight = nTopRight;
    m_nBottomLeft = nBottomLeft;
    m_nBottomRight = nBottomRight;
    if (GetSafeHwnd()) Invalidate(TRUE);
}

void CBoardViewWnd::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBlack = 0, nCyan = 0xFFFF00, nBlue = 0xFF0000;
    m_Sketch.Paint(&dc, &rcClient, &m_nTop, &m_nBottom, &m_nLeft, &m_nRight, &m_nTopLeft, &m_nTopRight,
                   &m_nBottomLeft, &m_nBottomRight, &nBlack, &nCyan, &nCyan, &nCyan, &nBlue);
}
