#include "slab/rect/RectBoardCalculator.h"

#include "slab/rect/SlabRecords.h"
#include "slab/rect/SlabSteps.h"

CRectBoardCalculator::CRectBoardCalculator()
    : m_schemes{}, m_bStrengthDone(0), m_bDeflectDone(0), m_bCrackDone(0), m_moments{}, m_deflectMoments{},
      m_crackMoments{}, m_crackWidths{}, m_nAreas{}, m_dDeflection(0), m_inputs{} {}

CRectBoardCalculator::CRectBoardCalculator(const RectBoardInputs& inputs)
    : m_schemes{}, m_bStrengthDone(0), m_bDeflectDone(0), m_bCrackDone(0), m_strSteelBar(inputs.szSteelBar),
      m_moments{}, m_deflectMoments{}, m_crackMoments{}, m_crackWidths{}, m_nAreas{}, m_dDeflection(0),
      m_inputs(inputs) {
    BuildMomentCal();
    for (BoardReinScheme& scheme : m_schemes) scheme.strGrade = m_strSteelBar;
}

CRectBoardCalculator& CRectBoardCalculator::operator=(const CRectBoardCalculator& other) {
    if (this == &other) return *this;
    m_inputs = other.m_inputs;
    m_strSteelBar = other.m_strSteelBar;
    BuildMomentCal();
    return *this;
}

void CRectBoardCalculator::BuildMomentCal() {
    const RectBoardInputs& in = m_inputs;
    m_moment = CRectBoardMomentCal(in.nTop, in.nLeft, in.nRight, in.nBottom, in.nTopLeft, in.nTopRight,
                                   in.nBottomLeft, in.nBottomRight, in.nLength, in.nWidth, in.nThick, in.nAs,
                                   in.nBoardKind, in.szConcrete, in.szSteelBar, in.dP, in.dImpro, in.dQgk, in.dQqk,
                                   in.dBS, in.nMagnify1, in.nMagnify2, in.dMagnifyValue1, in.dMagnifyValue2, in.dRg,
                                   in.dRq, in.nHalfArea, in.bThickLim, in.nThickLim, in.dUserValue, in.nAs1,
                                   in.nAs2, in.dB);
}

int CRectBoardCalculator::WriteReportPicture(CWordObject* pReport, HBITMAP& hBitmap) {
    if (!pReport) throw 0;
    const int nResult = pReport->WritePhotograph(hBitmap, 0, 0);
    if (nResult == 0) throw 0;
    return nResult;
}

void CRectBoardCalculator::GetAreas(int* pAreas) const {
    for (int i = 0; i < 6; ++i) pAreas[i] = m_nAreas[i];
}

int CRectBoardCalculator::CalStrength() {
    const int nStatus = m_moment.Calculate();
    if (nStatus != SLAB_DONE) {
        m_bStrengthDone = 0;
        return nStatus;
    }
    m_moment.GetAreas(m_nAreas);
    m_moment.GetMoments(m_moments);
    const int nX = m_nAreas[4], nY = m_nAreas[5];
    const RectBoardInputs& in = m_inputs;
    const int nStart = nY == 0 ? nX : nX == 0 ? nY : (in.nLength <= in.nWidth ? nX : nY);
    // The bars of this calculation carry its steel grade in both directions.
    static_cast<CRectBoardDeflectCal&>(*this) = CRectBoardDeflectCal(
        in.nTop, in.nLeft, in.nRight, in.nBottom, in.nTopLeft, in.nTopRight, in.nBottomLeft, in.nBottomRight,
        in.nLength, in.nWidth, in.nThick, in.nAs, in.szConcrete, in.szSteelBar, in.szSteelBar, nStart, in.dQgk,
        in.dQqk, in.dBS, in.dB, in.nBoardKind, in.dFleLim1, in.dFleLim2, in.dFleLim3, in.dUserValue, in.nHalfArea,
        in.dWq);
    m_crack = CRectBoardCrackCal(in.nTop, in.nLeft, in.nRight, in.nBottom, in.nTopLeft, in.nTopRight,
                                 in.nBottomLeft, in.nBottomRight, in.nLength, in.nWidth, in.nThick, in.nAs, m_schemes,
                                 in.szConcrete, in.szSteelBar, in.nC, in.nKindSteel, in.dQgk, in.dQqk, in.dBS, in.dB,
                                 in.nBoardKind, in.nHalfArea, in.dUserValue, in.dCrackWidth);
    m_bStrengthDone = 1;
    m_bDeflectDone = 0;
    m_bCrackDone = 0;
    return SLAB_DONE;
}

void CRectBoardCalculator::ClearResults() {
    for (BoardReinScheme& scheme : m_schemes) scheme = BoardReinScheme{0, 0, 0, m_strSteelBar};
}

int CRectBoardCalculator::CalDeflection() {
    if (!m_bStrengthDone) return 0;
    m_bDeflectDone = 0;
    const int nX = m_schemes[SCHEME_XSPAN].nArea, nY = m_schemes[SCHEME_YSPAN].nArea;
    if (m_moment.GetMethod() == SLAB_STEP_CANTILEVER) {
        // The bars over the fixed edge carry the cantilever; a free edge's scheme is no support.
        const int nFixed[4][2] = {{EDGE_TOP, SCHEME_TOP}, {EDGE_BOTTOM, SCHEME_BOTTOM}, {EDGE_LEFT, SCHEME_LEFT},
                                  {EDGE_RIGHT, SCHEME_RIGHT}};
        int nEdges[8];
        GetSupports(nEdges);
        for (const auto& edge : nFixed)
            if (nEdges[edge[0]] == SLAB_FIXED && m_schemes[edge[1]].nArea > 0) {
                SetAs(m_schemes[edge[1]].nArea);
                break;
            }
    } else {
        SetAs(SpansAlongX() ? nX : nY);
    }
    if (Calculate() != SLAB_DONE) return -1;
    m_dDeflection = m_dF;
    m_deflectMoments = m_serviceMoments;
    m_bDeflectDone = 1;
    return 1;
}

int CRectBoardCalculator::CalCrack() {
    if (!m_bStrengthDone) return 0;
    m_bCrackDone = 0;
    m_crack.SetSchemes(m_schemes);
    const int nStatus = m_crack.Calculate();
    if (nStatus == SLAB_CRACK_TOO_WIDE) return SLAB_CRACK_TOO_WIDE;
    if (nStatus != SLAB_DONE) return -1;
    m_crack.GetWidths(m_crackWidths);
    m_bCrackDone = 1;
    return 1;
}
