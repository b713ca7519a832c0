// CBeamWellParam: the grid beam ("C:JZLJS"): a rectangular field on four edges divided by two
// families of crossing beams into nNox × nNoy equal panels of a × b, under a uniform design load.
// The moments and shears of every distinct beam come from coefficient tables (BeamWellTables.h),
// interpolated over b/a; nothing is designed.
//
// The A beams are the nNox − 1 beams a apart (each spanning nNoy·b), the B beams the nNoy − 1 beams
// b apart (each spanning nNox·a). By symmetry only A1 … A(nNox/2) and B1 … B(nNoy/2) are distinct,
// numbered from the edge inward; a family with one distinct beam is called "A" or "B".
// Units: a and b in mm, the load in kN/m², moments in kN·m, shears in kN.
#pragma once

#include "host/VuskParam.h"
#include "mfc/base/Array.h"
#include "mfc/base/Object.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CParamExchange;

// The ten beams in the order of the coefficient and result arrays.
enum BeamWellBeam { BW_A1, BW_A2, BW_B1, BW_B2, BW_A3, BW_A4, BW_A5, BW_A6, BW_B3, BW_B4, BW_BEAMS };

// Interpolated coefficients of one beam: moments of A beams per q·a·b², of B beams per q·a²·b,
// shears per q·a·b. The negative moment is zero or negative.
struct BeamCoef {
    double dPositive;
    double dNegative;
    double dShear;
};

// Results of one beam: M+ and M− in kN·m (M− zero or negative), V in kN.
struct BeamForce {
    double dPositive;
    double dNegative;
    double dShear;
};

// One distinct beam as the pages and reports list it.
struct BEAMWELLROW {
    BeamWellBeam slot;  // its place in the coefficient and result arrays
    BOOL bFamilyA;
    int nIndex;         // from 0: A1 is 0 of family A
};

// The ranges of the input: the load q (kN/m²) and the panel sizes a and b (mm). A larger load or
// panel would give results of more digits than a report can print.
const double BEAMWELL_LOAD_MIN = 0;
const double BEAMWELL_LOAD_MAX = 10000;
const double BEAMWELL_DIST_MIN = 0.000001;
const double BEAMWELL_DIST_MAX = 100000;

#define BEAMWELL_SIMPLE "周边简支"
#define BEAMWELL_FIXED "周边固定"
#define BEAMWELL_HALF_FIXED "周边半固定"

class CBeamWellParam : public CVuskParam {
    DECLARE_DYNAMIC(CBeamWellParam)

public:
    CBeamWellParam();
    ~CBeamWellParam() override;

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    // Loads the table of the grid and fills the coefficients and results. FALSE, with a message and
    // no results, when no table serves the panel counts and support (see FindCoefTable) or b/a lies
    // outside the table's rows: the result page and the reports then show none.
    int Calculate() override;
    int BuildWordS() override;
    int BuildWordC() override;
    void GetListData() override;
    void InitDefaultParam() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;
    virtual HINSTANCE GetResHandle();

    // The table for the current counts and support: TRUE with its text and kind (six rows or
    // three). A table serves only nNox ≥ nNoy ≥ 2, a support of the three, and a three-row table
    // only simple supports (its values are those of simply supported edges).
    BOOL FindCoefTable(LPCTSTR* plpszTable, BOOL* pbSixRow) const;
    // Whether b/a lies within the rows of a six-row (0.6 … 1.6) or a three-row (0.8 … 1.2) table;
    // a ratio typed at a table's end (1.6 = 1600 / 1000) lies within it.
    BOOL IsRatioInTable(BOOL bSixRow) const;
    // The errors of a load or a panel size outside its range (a damaged store can hold them).
    void CheckInputRanges(CStringArray& arrErrors) const;
    // The numbers of distinct A and B beams.
    int GetBeamCountA() const { return nNox / 2; }
    int GetBeamCountB() const { return nNoy / 2; }
    // The distinct beams in listing order, A1 … A(nNox/2), then B1 … B(nNoy/2) (at most six and
    // four); returns their number.
    int GetListedBeams(BEAMWELLROW rows[BW_BEAMS]) const;
    // "A1" … "A6", "B1" … "B4", or "A", "B" for a family with one distinct beam; nIndex from 0.
    CString GetBeamLabel(BOOL bFamilyA, int nIndex) const;
    // The array slot of A(nIndex + 1) or B(nIndex + 1).
    static BeamWellBeam GetBeamSlot(BOOL bFamilyA, int nIndex);

    int nPictureId;          // picture of the grid, from the input page; not stored
    CString strAbutType;     // BEAMWELL_SIMPLE, BEAMWELL_FIXED or BEAMWELL_HALF_FIXED
    double dLoad;            // design load q, kN/m²
    double dDistA;           // panel width a, mm
    double dDistB;           // panel height b, mm
    int nNox;                // horizontal panel count
    int nNoy;                // vertical panel count
    BeamCoef beamCoef[BW_BEAMS];    // coefficients of the last calculation, before rounding
    BeamForce beamForce[BW_BEAMS];  // results; stored; the result page may edit them
    BOOL bSpecialTable;      // TRUE: the last calculation took a six-row table
    BOOL bCalculated;        // FALSE after a calculation that found no coefficients; not stored
    double dRatio;           // b/a of the last calculation
    double dCoefTable[6][20];  // the loaded table: a row per b/a, (moment, shear) of A1, B1, A2, B2 … A5, A6

private:
    void LoadCoefTable(LPCTSTR lpszTable);
    // No results: coefficients and results 0, bCalculated FALSE.
    void ClearResults();
    void ExchangeParams(CParamExchange& px);
    // Report pieces (BeamWellReport.cpp); bFormulas: the full report's lines with the coefficients.
    void WriteSizeText(CWordObject& word, BOOL bFull) const;
    void WriteResultTexts(CWordObject& word, BOOL bFormulas) const;
    void WriteResult(CWordObject& word, BOOL bFormulas, const BEAMWELLROW& row, BOOL bMoment,
                     BOOL bNegative) const;
};
