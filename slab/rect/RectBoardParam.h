// CRectBoardParam: the rectangular slab ("C:JXBJS"): edges, posts, spans, loads, grades and the
// calculation options of the pages, stored under "CRectBoardParam/"; it drives one calculation
// (minimum-ratio check, moments and bars, a bar scheme for each of the six results) and gives the
// list entry. Lengths in mm, surface loads in kN/m², strengths and moduli in N/mm².
#pragma once

#include "host/VuskParam.h"
#include "slab/rect/RectBoardCalculator.h"

class CParamExchange;

class CRectBoardParam : public CVuskParam {
    DECLARE_DYNAMIC(CRectBoardParam)

public:
    CRectBoardParam();
    ~CRectBoardParam() override = default;

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    int Calculate() override;
    int BuildWordS() override;
    int BuildWordC() override;
    void GetListData() override;
    void InitDefaultParam() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;

    // The minimum-ratio check, the moments and bars, the status messages and the bar schemes.
    void CalBoard();
    CRectBoardCalculator* GetCalc() { return &m_calc; }
    // The smallest ratio the code allows: the larger of 0.2 % and 45 ft/fy %, as a ratio.
    double GetMinRatioLimit() const;
    RectBoardInputs MakeInputs() const;
    // The errors of values that no page would have let through (a damaged store holds them): a
    // number outside its range (SlabInputRanges.h; μ and β are the calculation's to tell), an as not
    // below h, an edge or kind that no list offers, a grade the host does not know.
    void CheckInputs(CStringArray& arrErrors) const;

    int m_nTop, m_nBottom, m_nLeft, m_nRight;
    int m_nTopLeft, m_nTopRight, m_nBottomLeft, m_nBottomRight;
    int m_nLength, m_nWidth, m_nThick, m_nAs;
    char m_szConcrete[10], m_szSteelBar[10];
    double m_dFc, m_dFt, m_dFtk, m_dEc;
    double m_dFy, m_dEs;
    double m_dP;
    int m_bAutoP;
    double m_dImpro;
    double m_dRg, m_dRq;
    double m_dQgk, m_dQqk;
    double m_dWq;
    int m_nThickLim, m_bThickLim;
    int m_nBoardKind;
    double m_dBS;
    double m_dEb, m_dA1;
    double m_dB;
    double m_dUserValue;
    int m_nAs1, m_nAs2;
    int m_bSteelSel, m_nSteelSel;
    int m_nMagnify1;
    double m_dMagnifyValue1;
    int m_nMagnify2;
    double m_dMagnifyValue2;
    int m_nHalfArea;
    int m_nC;
    int m_nKindSteel;
    double m_dCrackWidth;
    double m_dFleLim1, m_dFleLim2, m_dFleLim3;
    int m_nSteelLimDia;
    int m_bCalculated;
    CRectBoardCalculator m_calc;

private:
    // The deflection and crack checks before a report; FALSE when a crack is too wide, after the
    // prompt when bPrompt is set.
    BOOL CheckServiceability(BOOL bPrompt);
    void ExchangeParams(CParamExchange& px);
    // Picks the scheme of one bar result for its required area, with the grade switch.
    void PickScheme(CBoardReinList& list, BoardReinScheme& scheme, int nArea) const;
};
