// The slab's design moments under the factored load and the bars they need (ultimate limit state).
#pragma once

#include "slab/rect/RectBoardCal.h"
#include "slab/rect/SlabRecords.h"

// Statuses of the slab calculators.
enum {
    SLAB_OVER_REINFORCED = 0,
    SLAB_DONE = 1,
    SLAB_UNSUPPORTED = 2,
    SLAB_RATIO_OUTSIDE = 3,
    SLAB_PARAMETER_OUTSIDE = 4,
    SLAB_CRACK_TOO_WIDE = 5,
};

class CRectBoardMomentCal : public CRectBoardCal {
public:
    CRectBoardMomentCal();
    CRectBoardMomentCal(const int& nTop, const int& nLeft, const int& nRight, const int& nBottom, const int& nTopLeft,
                        const int& nTopRight, const int& nBottomLeft, const int& nBottomRight, const int& nLength,
                        const int& nWidth, const int& nThick, const int& nAs, const int& nBoardKind,
                        const char* pszConcrete, const char* pszSteelBar, const double& dP, const double& dImpro,
                        const double& dQgk, const double& dQqk, const double& dBS, const int& nMagnify1,
                        const int& nMagnify2, const double& dMagnifyValue1, const double& dMagnifyValue2,
                        const double& dRg, const double& dRq, const int& nHalfArea, const int& bThickLim,
                        const int& nThickLim, const double& dUserValue, const int& nAs1, const int& nAs2,
                        const double& dB);

    // 1 done; 0 the bars could not be designed; 2 no step covers the supports; 3 the side ratio lies
    // outside the table; 4 μ or β out of range.
    int Calculate() override;
    // The area factors on the span and the support areas (top, left, right, bottom, x span, y span).
    void ApplyMagnify(double* pAreas) const;

    int GetMethod() const { return m_nMethod; }
    int GetSpan() const { return m_nSpan; }
    int GetCase() const { return m_nCase; }
    void GetMoments(SlabMoments& moments) const { moments = m_moments; }
    void GetAreas(int* pAreas) const;
    void GetMomentList(SlabMomentList& list) const { list = m_list; }
    void GetTableNotes(SlabTableNotes& notes) const;

    double m_dUserValue;
    double m_dFc, m_dFt, m_dFy;
    double m_dP, m_dImpro, m_dRg, m_dRq, m_dQgk, m_dQqk;
    int m_nThickLim, m_bThickLim, m_nBoardKind;
    double m_dBS, m_dEb, m_dA1, m_dB;
    int m_nAs1, m_nAs2;
    int m_nMagnify1;
    double m_dMagnifyValue1;
    int m_nMagnify2;
    double m_dMagnifyValue2;
    int m_nHalfArea;
    int m_nMethod;  // the step that gave the moments
    int m_nCase;
    int m_nSpan;
    int m_nAreas[6];  // top, left, right, bottom support, x span, y span
    double m_dDesignAreas[6];  // the same as designed, before the factors and the rounding
    SlabMoments m_moments;
    SlabMomentList m_list;

private:
    int Reinforce(int nKind);
    void CopyResults();
};
