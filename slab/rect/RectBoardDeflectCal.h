// The slab's long-term deflection from the characteristic (Mk) and quasi-permanent (Mq) moments.
#pragma once

#include "slab/rect/RectBoardCal.h"
#include "slab/rect/SlabRecords.h"
#include "slab/rect/SlabSteps.h"
#include "win/WinTypes.h"

class CRectBoardDeflectCal : public CRectBoardCal {
public:
    CRectBoardDeflectCal();
    CRectBoardDeflectCal(const int& nTop, const int& nLeft, const int& nRight, const int& nBottom,
                         const int& nTopLeft, const int& nTopRight, const int& nBottomLeft, const int& nBottomRight,
                         const int& nLength, const int& nWidth, const int& nThick, const int& nAs,
                         const char* pszConcrete, const char* pszSteelX, const char* pszSteelY, const int& nAsUsed,
                         const double& dQgk, const double& dQqk, const double& dBS, const double& dB,
                         const int& nBoardKind, const double& dFleLim1, const double& dFleLim2,
                         const double& dFleLim3, const double& dUserValue, const int& nHalfArea, const double& dWq);

    // 1 with the deflection; 2, 3, 4 as the moment calculator; 0 without a bar area to work with.
    int Calculate() override;

    // Whether the deflecting strip spans along x (its bars are the x-span bars): the shorter span
    // of a slab from the tables, the strip of a one-way slab, the span of a cantilever.
    BOOL SpansAlongX() const;

    double GetDeflection() const { return m_dF; }
    void SetAs(int nAsUsed) { m_nAsUsed = nAsUsed; }
    int GetAs() const { return m_nAsUsed; }
    void GetMoments(SlabMoments& moments) const { moments = m_serviceMoments; }
    int GetSpan() const { return m_nSpan; }
    int GetCase() const { return m_nDeflectCase; }
    double GetCoef() const { return m_dDeflectCoef; }

    double m_dFtk, m_dEc, m_dEsX, m_dEsY;
    int m_nAsUsed;
    double m_dQgk, m_dQqk, m_dWq, m_dBS, m_dB, m_dUserValue;
    int m_nBoardKind, m_nHalfArea, m_nSpan;
    double m_dFleLim1, m_dFleLim2, m_dFleLim3;
    int m_nDeflectCase;
    double m_dDeflectCoef, m_dF, m_dMk, m_dMq;
    SlabMoments m_serviceMoments;

private:
    // The slab's supports into pEdges, and the way its deflection is taken (SLAB_STEP_…), with the
    // strip and table case that way uses.
    int ChooseStep(int* pEdges, SlabStrip& strip, int& nCase) const;
};
