// The common part of the slab calculators: edges, posts, spans, thickness and cover.
#pragma once

class CRectBoardCal {
public:
    CRectBoardCal();
    CRectBoardCal(const int& nTop, const int& nLeft, const int& nRight, const int& nBottom, const int& nTopLeft,
                  const int& nTopRight, const int& nBottomLeft, const int& nBottomRight, const int& nLength,
                  const int& nWidth, const int& nThick, const int& nAs);
    virtual ~CRectBoardCal() {}

    virtual int Calculate() = 0;

    int GetLength() const { return m_nLength; }
    int GetWidth() const { return m_nWidth; }
    int GetThick() const { return m_nThick; }
    int GetAs() const { return m_nAs; }
    // Top, Left, Right, Bottom, TopLeft, TopRight, BottomLeft, BottomRight.
    void GetSupports(int* pEdges) const;

protected:
    int CountPosts() const;

    int m_nTop, m_nLeft, m_nRight, m_nBottom;
    int m_nTopLeft, m_nTopRight, m_nBottomLeft, m_nBottomRight;
    int m_nLength, m_nWidth, m_nThick, m_nAs;
    int m_nPostCount;
};
