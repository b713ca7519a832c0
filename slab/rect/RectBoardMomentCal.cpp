#include "slab/rect/RectBoardMomentCal.h"

#include <cmath>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "slab/rect/BoardRein.h"
#include "slab/rect/SlabSteps.h"

// The span coefficient of a strip fixed at one end and simply supported at the other.
static const double kFixedSimpleDesign = 3.0 / 43.0;

CRectBoardMomentCal::CRectBoardMomentCal()
    : m_dUserValue(0), m_dFc(0), m_dFt(0), m_dFy(0), m_dP(0), m_dImpro(0), m_dRg(0), m_dRq(0), m_dQgk(0), m_dQqk(0),
      m_nThickLim(0), m_bThickLim(0), m_nBoardKind(0), m_dBS(0), m_dEb(0), m_dA1(0), m_dB(0), m_nAs1(0), m_nAs2(0),
      m_nMagnify1(0), m_dMagnifyValue1(1), m_nMagnify2(0), m_dMagnifyValue2(1), m_nHalfArea(0), m_nMethod(0),
      m_nCase(0), m_nSpan(0), m_nAreas{}, m_dDesignAreas{}, m_moments{}, m_list{} {}

CRectBoardMomentCal::CRectBoardMomentCal(
    const int& nTop, const int& nLeft, const int& nRight, const int& nBottom, const int& nTopLeft,
    const int& nTopRight, const int& nBottomLeft, const int& nBottomRight, const int& nLength, const int& nWidth,
    const int& nThick, const int& nAs, const int& nBoardKind, const char* pszConcrete, const char* pszSteelBar,
    const double& dP, const double& dImpro, const double& dQgk, const double& dQqk, const double& dBS,
    const int& nMagnify1, const int& nMagnify2, const double& dMagnifyValue1, const double& dMagnifyValue2,
    const double& dRg, const double& dRq, const int& nHalfArea, const int& bThickLim, const int& nThickLim,
    const double& dUserValue, const int& nAs1, const int& nAs2, const double& dB)
    : CRectBoardCal(nTop, nLeft, nRight, nBottom, nTopLeft, nTopRight, nBottomLeft, nBottomRight, nLength, nWidth,
                    nThick, nAs),
      m_dUserValue(dUserValue), m_dFc(0), m_dFt(0), m_dFy(0), m_dP(dP), m_dImpro(dImpro), m_dRg(dRg), m_dRq(dRq),
      m_dQgk(dQgk), m_dQqk(dQqk), m_nThickLim(nThickLim), m_bThickLim(bThickLim), m_nBoardKind(nBoardKind),
      m_dBS(dBS), m_dEb(0), m_dA1(0), m_dB(dB), m_nAs1(nAs1), m_nAs2(nAs2), m_nMagnify1(nMagnify1),
      m_dMagnifyValue1(dMagnifyValue1), m_nMagnify2(nMagnify2), m_dMagnifyValue2(dMagnifyValue2),
      m_nHalfArea(nHalfArea), m_nMethod(0), m_nCase(0), m_nSpan(0), m_nAreas{}, m_dDesignAreas{}, m_moments{}, m_list{} {
    if (pszConcrete && pszSteelBar) {
        m_dFc = CQeltConcrete::GetFc(pszConcrete);
        m_dFt = CQeltConcrete::GetFt(pszConcrete);
        m_dEb = CQeltConcrete::GetEb(pszSteelBar, pszConcrete);
        m_dA1 = CQeltConcrete::GetAlpha1(pszConcrete);
        m_dFy = CQeltSteelBar::GetFy(pszSteelBar);
    }
}

void CRectBoardMomentCal::GetAreas(int* pAreas) const {
    for (int i = 0; i < 6; ++i) pAreas[i] = m_nAreas[i];
}

void CRectBoardMomentCal::GetTableNotes(SlabTableNotes& notes) const { notes = GetSlabTableNotes(); }

void CRectBoardMomentCal::ApplyMagnify(double* pAreas) const {
    if (m_nMagnify1)
        for (int i = 4; i < 6; ++i) pAreas[i] *= m_dMagnifyValue1;
    if (m_nMagnify2)
        for (int i = 0; i < 4; ++i) pAreas[i] *= m_dMagnifyValue2;
}

int CRectBoardMomentCal::Reinforce(int nKind) {
    int nEdges[8];
    GetSupports(nEdges);
    const double dH0 = m_nThick - m_nAs;
    double dAreas[6];
    const int nResult = CalBoardRein(nKind, m_nAs1, m_nAs2, m_dP, m_nThick, m_bThickLim, m_nThickLim, dH0, m_dEb,
                                     m_dFc, m_dFy, m_dA1, m_dImpro, nEdges, m_moments, dAreas);
    if (!nResult) return nResult;
    for (int i = 0; i < 6; ++i) m_dDesignAreas[i] = dAreas[i];
    ApplyMagnify(dAreas);
    for (int i = 0; i < 6; ++i) m_nAreas[i] = SlabRoundedArea(dAreas[i]);
    return nResult;
}

void CRectBoardMomentCal::CopyResults() {
    if (std::fabs(m_moments.dMx) > 0.0001) m_list.Mx = m_moments.dMx;
    if (std::fabs(m_moments.dMy) > 0.0001) m_list.My = m_moments.dMy;
    if (std::fabs(m_moments.dTop) > 0.0001) m_list.M0y = m_moments.dTop;
    if (std::fabs(m_moments.dBottom) > 0.0001) m_list.M0y = m_moments.dBottom;
    if (std::fabs(m_moments.dLeft) > 0.0001) m_list.M0x = m_moments.dLeft;
    if (std::fabs(m_moments.dRight) > 0.0001) m_list.M0x = m_moments.dRight;
}

int CRectBoardMomentCal::Calculate() {
    m_list = SlabMomentList{};
    m_nPostCount = CountPosts();
    const double dQ = m_dRg * m_dQgk + m_dRq * m_dQqk;
    int nEdges[8];
    GetSupports(nEdges);
    const SlabStepRules rules = {true, m_nBoardKind, m_dUserValue};
    SlabStrip strip{};
    int nFixedEdge = -1, nCase = -1;
    const int nStep = ChooseSlabStep(nEdges, m_nLength, m_nWidth, rules, strip, nFixedEdge, nCase);
    switch (nStep) {
    case SLAB_STEP_NONE:
        return SLAB_UNSUPPORTED;
    case SLAB_STEP_CANTILEVER: {
        m_moments = SlabMoments{};
        double* pSupport[4] = {&m_moments.dTop, &m_moments.dLeft, &m_moments.dRight, &m_moments.dBottom};
        *pSupport[nFixedEdge] = dQ * strip.nSpan * static_cast<double>(strip.nSpan) / 2;
        m_nSpan = strip.nSpan;
        CopyResults();
        m_nMethod = -1;
        return Reinforce(REIN_CANTILEVER);
    }
    case SLAB_STEP_TABLE: {
        m_nCase = nCase;
        double dCoef[10] = {};
        const int nLookup = LookupSlabCase(nCase, m_nLength, m_nWidth, nEdges, dQ, m_dBS, m_dB, m_nHalfArea, dCoef,
                                           m_moments, m_list, m_nSpan);
        if (nLookup == 0) return SLAB_RATIO_OUTSIDE;
        if (nLookup == 2) return SLAB_PARAMETER_OUTSIDE;
        if (nCase >= 14) {
            SlabTableNotes& notes = GetSlabTableNotes();
            notes.dAlpha = dCoef[0];
            notes.dZeta = dCoef[1];
            notes.dC = dCoef[2];
            m_list.Mx = m_moments.dMx;
            m_list.My = m_moments.dMy;
            m_list.M0y = m_moments.dTop > 0 ? m_moments.dTop : m_moments.dBottom;
            m_list.M0x = m_moments.dLeft > 0 ? m_moments.dLeft : m_moments.dRight;
        } else {
            const double dScale = dQ * m_nSpan * static_cast<double>(m_nSpan);
            double* pValues[10] = {&m_list.Mx,  &m_list.My,  &m_list.Mxmax, &m_list.Mymax, &m_list.M0x,
                                   &m_list.M0y, &m_list.Mox, &m_list.Moy,   &m_list.M0xz,  &m_list.M0yz};
            for (double* pValue : pValues) *pValue *= dScale;
        }
        m_nMethod = 1;
        return Reinforce(REIN_TWO_WAY);
    }
    default: {
        StripMoments(strip, dQ, kFixedSimpleDesign, m_moments);
        m_nSpan = strip.nSpan;
        CopyResults();
        m_nMethod = nStep;
        return Reinforce(nStep == SLAB_STEP_FALLBACK_STRIP ? REIN_FALLBACK_STRIP : REIN_ONE_WAY);
    }
    }
}
