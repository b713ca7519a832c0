// The slab calculator the parameter object holds: the design moments and bars, the bar schemes
// chosen for them, and the crack and deflection checks of those bars. It is itself the deflection
// calculator and owns the crack and moment calculators.
#pragma once

#include "host/WordObject.h"
#include "slab/rect/BoardReinList.h"
#include "slab/rect/RectBoardCrackCal.h"
#include "slab/rect/RectBoardDeflectCal.h"
#include "slab/rect/RectBoardMomentCal.h"

// Bar results, in the order of m_schemes.
enum { SCHEME_YSPAN, SCHEME_XSPAN, SCHEME_TOP, SCHEME_BOTTOM, SCHEME_LEFT, SCHEME_RIGHT };

// The 40 inputs of a slab calculation.
struct RectBoardInputs {
    int nTop, nBottom, nLeft, nRight;
    int nTopLeft, nTopRight, nBottomLeft, nBottomRight;
    int nLength, nWidth, nThick, nAs;
    int nBoardKind;  // 0 elastic, 1 plastic
    char szConcrete[10], szSteelBar[10];
    double dP, dImpro, dQgk, dQqk, dBS, dWq, dB;
    int nC, nKindSteel;
    int nMagnify1, nMagnify2;
    double dFleLim1, dFleLim2, dFleLim3;
    double dMagnifyValue1, dMagnifyValue2;
    double dRg, dRq;
    int nHalfArea, bThickLim, nThickLim;
    double dUserValue;
    int nAs1, nAs2;
    double dCrackWidth;
};

class CRectBoardCalculator : public CRectBoardDeflectCal {
public:
    CRectBoardCalculator();
    explicit CRectBoardCalculator(const RectBoardInputs& inputs);
    // Takes the inputs only: the schemes, flags and results stay.
    CRectBoardCalculator& operator=(const CRectBoardCalculator& other);

    // The moment calculator's status; on success the areas and moments are kept and both checks are
    // prepared.
    int CalStrength();
    // Every scheme to nothing, with the steel grade.
    void ClearResults();
    // 1 done, 0 no successful strength run, −1 the deflection failed.
    int CalDeflection();
    // 1 done, 5 a width above the limit, 0 no successful strength run, −1 another failure.
    int CalCrack();

    // Writes the picture as one row of the report and gives the host's result; throws the int 0
    // when there is no report or the row is refused (the report writers catch it).
    int WriteReportPicture(CWordObject* pReport, HBITMAP& hBitmap);

    // One title row, one text row (plain 10.5-point "宋体"); throw the int 0 when there is no report
    // or the row is refused.
    void WriteReportTitle(CWordObject* pReport, const CString& strTitle);
    void WriteReportText(CWordObject* pReport, const CString& strText);
    // The brief report; 1 written, 0 when a row was refused (the rows before it stay).
    int WriteBriefReport(CWordObject* pReport, const CString& strNumber);
    // The full calculation report with the schematic; 1 written, 0 when the calculator holds no
    // complete results (nothing written) or a row was refused (the rows before it stay).
    int WriteFullReport(CWordObject* pReport, const CString& strNumber);

    // The flexural design of one moment as one row: the required area (mm²); −1, writing nothing,
    // without a report or when ξ exceeds ξb; 0 when the row is refused.
    double WriteFlexureText(CWordObject* pReport, const double* pMoment, const double* pImpro, const double* pA1,
                            const double* pFc, const int* pH0, const double* pFy, const double* pEb, int* pStep);
    // The design text of one position (0 x span, 1 y span, 2 top, 3 bottom, 4 left, 5 right) for a
    // slab code (0 one-way, 1 cantilever, 2 two-way, 3 one-way after a failed lookup).
    void WriteReinLimitText(CWordObject* pReport, const int* pCode, const int* pPosition, int* pStep);
    // The long-term deflection text of section 七 (four rows).
    struct DeflectionText {
        CWordObject* pReport;
        const double* pMk;
        const double* pMq;
        const double* pAs;
        const int* pLo;
        const int* pCase;
        int* pNumber;
        const double* pCoef;
    };
    void WriteDeflectionText(DeflectionText text);
    // The crack-width text of one position of section 八.
    void WriteCrackText(CWordObject* pReport, const double* pMk, const double* pAs, const int* pDiameter,
                        const int* pSpacing, int* pStep);
    // The deflection limit l0/n of the deflection calculation (GB 50010-2002 table 3.3.2): l0 is the
    // span, twice the length of a cantilever; n the divisor the engineer gives for l0 < 7 m,
    // 7 m ≤ l0 ≤ 9 m or l0 > 9 m. The allowed deflection in mm, and n.
    double GetAllowedDeflection() const;
    double GetDeflectionDivisor() const;

    void GetAreas(int* pAreas) const;
    void GetMomentList(SlabMomentList& list) const { m_moment.GetMomentList(list); }
    BoardReinScheme* GetSchemes() { return m_schemes; }
    const RectBoardInputs& GetInputs() const { return m_inputs; }

    CRectBoardCrackCal m_crack;
    CRectBoardMomentCal m_moment;
    BoardReinScheme m_schemes[6];
    int m_bStrengthDone, m_bDeflectDone, m_bCrackDone;
    CString m_strSteelBar;
    SlabMoments m_moments, m_deflectMoments, m_crackMoments;
    double m_crackWidths[6];
    int m_nAreas[6];  // top, left, right, bottom support, x span, y span
    double m_dDeflection;

private:
    void BuildMomentCal();
    // Sections 六, 七 and 八 of the full report.
    void WriteDesignSection(CWordObject* pReport);
    void WriteDeflectionSection(CWordObject* pReport);
    void WriteCrackSection(CWordObject* pReport);

    RectBoardInputs m_inputs;
};
