// The slab's crack widths under the characteristic load Qgk + Qqk.
#pragma once

#include "slab/rect/BoardReinList.h"
#include "slab/rect/RectBoardCal.h"
#include "slab/rect/SlabRecords.h"

class CRectBoardCrackCal : public CRectBoardCal {
public:
    CRectBoardCrackCal();
    // Schemes: y span, x span, top, bottom, left, right.
    CRectBoardCrackCal(const int& nTop, const int& nLeft, const int& nRight, const int& nBottom, const int& nTopLeft,
                       const int& nTopRight, const int& nBottomLeft, const int& nBottomRight, const int& nLength,
                       const int& nWidth, const int& nThick, const int& nAs, const BoardReinScheme* pSchemes,
                       const char* pszConcrete, const char* pszSteelBar, const int& nC, const int& nKindSteel,
                       const double& dQgk, const double& dQqk, const double& dBS, const double& dB,
                       const int& nBoardKind, const int& nHalfArea, const double& dUserValue,
                       const double& dCrackLimit);

    // 1 every width within the limit, 5 one above it, 2, 3, 4 as the moment calculator.
    int Calculate() override;

    // Top, bottom, left, right support, y span, x span (mm).
    void GetWidths(double* pWidths) const;
    void GetMoments(SlabMoments& moments) const { moments = m_crackMoments; }
    int GetSpan() const { return m_nSpan; }
    int GetCover() const { return m_nC; }
    void SetSchemes(const BoardReinScheme* pSchemes);

    double m_dBS, m_dB;
    int m_nBoardKind, m_nHalfArea;
    double m_dEs, m_dFtk;
    int m_nKindSteel, m_nC;
    double m_dQgk, m_dQqk, m_dUserValue, m_dCrackLimit;
    int m_nSpan;
    BoardReinScheme m_schemes[6];
    double m_dWidths[6];
    SlabMoments m_crackMoments;
};
