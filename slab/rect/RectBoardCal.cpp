#include "slab/rect/RectBoardCal.h"

CRectBoardCal::CRectBoardCal()
    : m_nTop(0), m_nLeft(0), m_nRight(0), m_nBottom(0), m_nTopLeft(0), m_nTopRight(0), m_nBottomLeft(0),
      m_nBottomRight(0), m_nLength(0), m_nWidth(0), m_nThick(0), m_nAs(0), m_nPostCount(0) {}

CRectBoardCal::CRectBoardCal(const int& nTop, const int& nLeft, const int& nRight, const int& nBottom,
                             const int& nTopLeft, const int& nTopRight, const int& nBottomLeft,
                             const int& nBottomRight, const int& nLength, const int& nWidth, const int& nThick,
                             const int& nAs)
    : m_nTop(nTop), m_nLeft(nLeft), m_nRight(nRight), m_nBottom(nBottom), m_nTopLeft(nTopLeft),
      m_nTopRight(nTopRight), m_nBottomLeft(nBottomLeft), m_nBottomRight(nBottomRight), m_nLength(nLength),
      m_nWidth(nWidth), m_nThick(nThick), m_nAs(nAs) {
    m_nPostCount = CountPosts();
}

void CRectBoardCal::GetSupports(int* pEdges) const {
    const int nValues[8] = {m_nTop, m_nLeft, m_nRight, m_nBottom, m_nTopLeft, m_nTopRight, m_nBottomLeft, m_nBottomRight};
    for (int i = 0; i < 8; ++i) pEdges[i] = nValues[i];
}

int CRectBoardCal::CountPosts() const {
    return (m_nTopLeft != 0) + (m_nTopRight != 0) + (m_nBottomLeft != 0) + (m_nBottomRight != 0);
}
