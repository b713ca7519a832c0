#include "slab/rect/RectBoardCrackCal.h"

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "slab/rect/BoardServiceability.h"
#include "slab/rect/RectBoardMomentCal.h"
#include "slab/rect/SlabSteps.h"

CRectBoardCrackCal::CRectBoardCrackCal()
    : m_dBS(0), m_dB(0), m_nBoardKind(0), m_nHalfArea(0), m_dEs(0), m_dFtk(0), m_nKindSteel(0), m_nC(0), m_dQgk(0),
      m_dQqk(0), m_dUserValue(0), m_dCrackLimit(0), m_nSpan(0), m_schemes{}, m_dWidths{}, m_crackMoments{} {}

CRectBoardCrackCal::CRectBoardCrackCal(
    const int& nTop, const int& nLeft, const int& nRight, const int& nBottom, const int& nTopLeft,
    const int& nTopRight, const int& nBottomLeft, const int& nBottomRight, const int& nLength, const int& nWidth,
    const int& nThick, const int& nAs, const BoardReinScheme* pSchemes, const char* pszConcrete,
    const char* pszSteelBar, const int& nC, const int& nKindSteel, const double& dQgk, const double& dQqk,
    const double& dBS, const double& dB, const int& nBoardKind, const int& nHalfArea, const double& dUserValue,
    const double& dCrackLimit)
    : CRectBoardCal(nTop, nLeft, nRight, nBottom, nTopLeft, nTopRight, nBottomLeft, nBottomRight, nLength, nWidth,
                    nThick, nAs),
      m_dBS(dBS), m_dB(dB), m_nBoardKind(nBoardKind), m_nHalfArea(nHalfArea), m_dEs(0), m_dFtk(0),
      m_nKindSteel(nKindSteel), m_nC(nC), m_dQgk(dQgk), m_dQqk(dQqk), m_dUserValue(dUserValue),
      m_dCrackLimit(dCrackLimit), m_nSpan(0), m_schemes{}, m_dWidths{}, m_crackMoments{} {
    SetSchemes(pSchemes);
    if (pszConcrete && pszSteelBar) {
        m_dFtk = CQeltConcrete::GetFtk(pszConcrete);
        m_dEs = CQeltSteelBar::GetEs(pszSteelBar);
    }
}

void CRectBoardCrackCal::GetWidths(double* pWidths) const {
    for (int i = 0; i < 6; ++i) pWidths[i] = m_dWidths[i];
}

void CRectBoardCrackCal::SetSchemes(const BoardReinScheme* pSchemes) {
    if (!pSchemes) return;
    for (int i = 0; i < 6; ++i) m_schemes[i] = pSchemes[i];
}

int CRectBoardCrackCal::Calculate() {
    const double dQ = m_dQgk + m_dQqk;
    int nEdges[8];
    GetSupports(nEdges);
    const SlabStepRules rules = {false, m_nBoardKind, m_dUserValue};
    SlabStrip strip{};
    int nFixedEdge = -1, nCase = -1;
    const int nStep = ChooseSlabStep(nEdges, m_nLength, m_nWidth, rules, strip, nFixedEdge, nCase);
    if (nStep == SLAB_STEP_NONE) return SLAB_UNSUPPORTED;
    if (nStep == SLAB_STEP_CANTILEVER) {
        m_crackMoments = SlabMoments{};
        double* pSupport[4] = {&m_crackMoments.dTop, &m_crackMoments.dLeft, &m_crackMoments.dRight,
                               &m_crackMoments.dBottom};
        *pSupport[nFixedEdge] = dQ * strip.nSpan * static_cast<double>(strip.nSpan) / 2;
        m_nSpan = strip.nSpan;
    } else if (nStep == SLAB_STEP_TABLE) {
        double dCoef[10] = {};
        SlabMomentList list{};
        const int nLookup = LookupSlabCase(nCase, m_nLength, m_nWidth, nEdges, dQ, m_dBS, m_dB, m_nHalfArea, dCoef,
                                           m_crackMoments, list, m_nSpan);
        if (nLookup == 0) return SLAB_RATIO_OUTSIDE;
        if (nLookup == 2) return SLAB_PARAMETER_OUTSIDE;
    } else {
        // A propped strip: the service moment of the elastic beam, 9/128, except in the fallback.
        StripMoments(strip, dQ, nStep == SLAB_STEP_FALLBACK_STRIP ? 3.0 / 43.0 : 9.0 / 128.0, m_crackMoments);
        m_nSpan = strip.nSpan;
    }
    const int nResult = CalBoardCrackWidth(m_nThick, m_nKindSteel, m_dFtk, m_dEs, m_nAs, m_nC, m_crackMoments,
                                           m_schemes, m_dWidths, m_dCrackLimit);
    return nResult ? SLAB_DONE : SLAB_CRACK_TOO_WIDE;
}
