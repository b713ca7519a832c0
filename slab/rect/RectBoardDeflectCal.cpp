#include "slab/rect/RectBoardDeflectCal.h"

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "slab/rect/BoardServiceability.h"
#include "slab/rect/RectBoardMomentCal.h"
#include "slab/rect/SlabSteps.h"

CRectBoardDeflectCal::CRectBoardDeflectCal()
    : m_dFtk(0), m_dEc(0), m_dEsX(0), m_dEsY(0), m_nAsUsed(0), m_dQgk(0), m_dQqk(0), m_dWq(0), m_dBS(0), m_dB(0),
      m_dUserValue(0), m_nBoardKind(0), m_nHalfArea(0), m_nSpan(0), m_dFleLim1(0), m_dFleLim2(0), m_dFleLim3(0),
      m_nDeflectCase(0), m_dDeflectCoef(1.0), m_dF(0), m_dMk(0), m_dMq(0), m_serviceMoments{} {}

CRectBoardDeflectCal::CRectBoardDeflectCal(
    const int& nTop, const int& nLeft, const int& nRight, const int& nBottom, const int& nTopLeft,
    const int& nTopRight, const int& nBottomLeft, const int& nBottomRight, const int& nLength, const int& nWidth,
    const int& nThick, const int& nAs, const char* pszConcrete, const char* pszSteelX, const char* pszSteelY,
    const int& nAsUsed, const double& dQgk, const double& dQqk, const double& dBS, const double& dB,
    const int& nBoardKind, const double& dFleLim1, const double& dFleLim2, const double& dFleLim3,
    const double& dUserValue, const int& nHalfArea, const double& dWq)
    : CRectBoardCal(nTop, nLeft, nRight, nBottom, nTopLeft, nTopRight, nBottomLeft, nBottomRight, nLength, nWidth,
                    nThick, nAs),
      m_dFtk(0), m_dEc(0), m_dEsX(0), m_dEsY(0), m_nAsUsed(nAsUsed), m_dQgk(dQgk), m_dQqk(dQqk), m_dWq(dWq),
      m_dBS(dBS), m_dB(dB), m_dUserValue(dUserValue), m_nBoardKind(nBoardKind), m_nHalfArea(nHalfArea), m_nSpan(0),
      m_dFleLim1(dFleLim1), m_dFleLim2(dFleLim2), m_dFleLim3(dFleLim3), m_nDeflectCase(0), m_dDeflectCoef(1.0),
      m_dF(0), m_dMk(0), m_dMq(0), m_serviceMoments{} {
    if (pszConcrete && pszSteelX && pszSteelY) {
        m_dFtk = CQeltConcrete::GetFtk(pszConcrete);
        m_dEc = CQeltConcrete::GetEc(pszConcrete);
        m_dEsX = CQeltSteelBar::GetEs(pszSteelX);
        m_dEsY = CQeltSteelBar::GetEs(pszSteelY);
    }
}

namespace {

// The formula and span coefficient of a strip by its ends.
void StripCase(const SlabStrip& strip, int& nCase, double& dG) {
    const bool bFixed0 = strip.nEnd0 == SLAB_FIXED, bFixed1 = strip.nEnd1 == SLAB_FIXED;
    if (bFixed0 && bFixed1) {
        nCase = DEFLECT_FIXED_FIXED, dG = 1.0 / 24;
    } else if (bFixed0 || bFixed1) {
        nCase = DEFLECT_FIXED_SIMPLE, dG = 9.0 / 128;
    } else {
        nCase = DEFLECT_SIMPLE, dG = 1.0 / 8;
    }
}

}  // namespace

int CRectBoardDeflectCal::ChooseStep(int* pEdges, SlabStrip& strip, int& nCase) const {
    GetSupports(pEdges);
    const SlabStepRules rules = {false, m_nBoardKind, m_dUserValue};
    int nFixedEdge = -1;
    return ChooseSlabStep(pEdges, m_nLength, m_nWidth, rules, strip, nFixedEdge, nCase);
}

BOOL CRectBoardDeflectCal::SpansAlongX() const {
    int nEdges[8];
    SlabStrip strip{};
    int nCase = -1;
    const int nStep = ChooseStep(nEdges, strip, nCase);
    return nStep == SLAB_STEP_TABLE ? m_nLength < m_nWidth : strip.bAlongX;
}

int CRectBoardDeflectCal::Calculate() {
    const double dQk = m_dQgk + m_dQqk, dQq = m_dQgk + m_dWq * m_dQqk;
    int nEdges[8];
    SlabStrip strip{};
    int nCase = -1;
    const int nStep = ChooseStep(nEdges, strip, nCase);
    if (nStep == SLAB_STEP_NONE) return SLAB_UNSUPPORTED;
    double dMk, dMq, dEs, dL0;
    if (nStep == SLAB_STEP_TABLE) {
        double dCoef[10] = {};
        SlabMomentList list{};
        const int nLookup = LookupSlabCase(nCase, m_nLength, m_nWidth, nEdges, dQk, m_dBS, m_dB, m_nHalfArea, dCoef,
                                           m_serviceMoments, list, m_nSpan);
        if (nLookup == 0) return SLAB_RATIO_OUTSIDE;
        if (nLookup == 2) return SLAB_PARAMETER_OUTSIDE;
        const bool bLxShort = m_nLength < m_nWidth;
        dMk = bLxShort ? m_serviceMoments.dMx : m_serviceMoments.dMy;
        dEs = bLxShort ? m_dEsX : m_dEsY;
        dMq = dQk > 0 ? dMk * dQq / dQk : 0.0;
        if (nCase < 14) {
            m_nDeflectCase = DEFLECT_TABLE;
            m_dDeflectCoef = dCoef[3];
        } else {
            // The plastic tables give no deflection: the short strip between its end supports.
            double dG;
            StripCase(bLxShort ? SlabStrip{true, nEdges[EDGE_LEFT], nEdges[EDGE_RIGHT], 0}
                               : SlabStrip{false, nEdges[EDGE_BOTTOM], nEdges[EDGE_TOP], 0},
                      m_nDeflectCase, dG);
            m_dDeflectCoef = 0.0;
        }
        dL0 = m_nSpan;
    } else {
        double dG;
        if (nStep == SLAB_STEP_CANTILEVER) {
            m_nDeflectCase = DEFLECT_CANTILEVER, dG = 0.5;
        } else {
            StripCase(strip, m_nDeflectCase, dG);
        }
        m_nSpan = strip.nSpan;
        dL0 = strip.nSpan;
        dMk = dQk * dG * dL0 * dL0;
        dMq = dQq * dG * dL0 * dL0;
        dEs = strip.bAlongX ? m_dEsX : m_dEsY;
    }
    m_dMk = dMk;
    m_dMq = dMq;
    if (dMk <= 0.0) {
        // No load, no deflection.
        m_dF = 0.0;
        return SLAB_DONE;
    }
    if (m_nAsUsed <= 0) return SLAB_OVER_REINFORCED;
    m_dF = CalBoardDeflection(m_nDeflectCase, dL0, m_nThick, m_nAs, m_nAsUsed, dMk, dMq, m_dFtk, dEs, m_dEc, m_dQgk,
                              m_dQqk, m_dDeflectCoef);
    return SLAB_DONE;
}
