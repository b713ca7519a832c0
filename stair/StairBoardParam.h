// CStairBoardParam: the plate stair ("C:BSHLTJS"): one inclined slab spanning between two stair
// beams, with or without landings (types A to E). It holds the input of the pages, the results of
// the calculation, the bar-scheme options and the six chosen bars, and writes both reports and the
// list entry.
//
// Lengths are in mm and surface loads in kN/m² between calculations; the calculation works in m,
// kN and kN/m² on copies. The class has no run-time class record of its own: its stored keys begin
// with the host base's "CVuskParam/".
#pragma once

#include "host/VuskParam.h"
#include "host/WndSlide.h"
#include "mfc/gdi/GdiObjects.h"
#include "mfc/base/Geometry.h"
#include "mfc/base/String.h"
#include "stair/StairLimitField.h"
#include "stair/StairSlabCase.h"

class CParamExchange;

// Stair types by their landings.
enum {
    STAIR_KIND_A = 1,  // no landing
    STAIR_KIND_B = 2,  // no landing, no lower stair beam
    STAIR_KIND_C = 3,  // lower landing L2
    STAIR_KIND_D = 4,  // upper landing L3
    STAIR_KIND_E = 5   // both landings
};

// The bar schemes offered for one bar, in the order they were found.
struct StairBarOptionList {
    enum { MaxCount = 50 };
    int nCount = 0;
    int aDiaSpace[MaxCount][2] = {};  // diameter, spacing (mm)
    double aArea[MaxCount] = {};      // area over the strip width (mm²)
};

// The names of the stair types on the pages, type 1 to 5.
extern const char* const g_szStairKindNames[5];
// The slide of a type ("BOARDSTAIRA_X" …); nKind outside 1 to 5 gives type A's.
CString StairBoardSlideName(int nKind, LPCTSTR lpszSuffix, BOOL bMirror = FALSE);
// The slide library of the stairs.
CString StairSlideLibrary();
// A double cut to an int toward zero; 0 for a value that is not finite or lies beyond the int range.
int StairTruncate(double dValue);
// The spacing of the distribution bar (bar 4) for the tread width w = L1/n (mm, cut to an int):
// 150 below 200, the multiple of 50 at or below w up to 400, w itself above 400.
int StairDistributionSpacing(double dL1, int nSteps);

// The calculated span of a type in its parts (m): the upper landing a3, the flight Lf and the lower
// landing a2.
struct StairBoardSpan {
    double a3 = 0, Lf = 0, a2 = 0;
    double L0() const { return a3 + Lf + a2; }
};
// The span of type nKind from its lengths (m) and number of steps; type B's flight ends one tread short
// of L1 on its landing beam.
StairBoardSpan StairBoardSpanOf(int nKind, double L1, double L2, double L3, double b1, double b2, int nSteps);

class CStairBoardParam;

using StairBoardLimitField = StairLimitField<CStairBoardParam>;
extern const StairBoardLimitField g_StairBoardLimits[8];

class CStairBoardParam : public CVuskParam {
public:
    CStairBoardParam();
    ~CStairBoardParam() override;

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    int Calculate() override;
    int BuildWordS() override;
    int BuildWordC() override;
    void GetListData() override;
    void InitDefaultParam() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;

    // The calculation; with a report it also writes the process lines. FALSE when the flight is
    // over-reinforced (ξ > ξb): it then has no bars.
    int CalStairBoard(CWordObject* pReport);
    // Required bar area (mm²) for M (kN·m), strengths in kN/m², lengths in m, at least ρmin·b·h;
    // sets m_bOverReinforced (and gives 0) when ξ > ξb.
    double CalBarArea(double dM, double dFy, double dAlpha1Fc, double dFt, double dH, double dH0, double dB,
                      CWordObject* pReport);
    // Fills m_Options1 (nList 1) or m_Options23 for the required area dA (mm²) over dW (mm).
    void MakeBarOptions(int nList, double dA, double dW);

    // The serviceability checks with bar 1; 1 passes.
    int CalCrackWidth(CWordObject* pReport);
    int CalFlexibility(CWordObject* pReport);
    // The slab case of the serviceability checks with bar 1.
    StairSlabCase GetSlabCase() const;

    void WriteFullReport(CWordObject* pReport);
    void WriteShortReport(CWordObject* pReport);
    void WritePicture(CWordObject* pReport);

    // One error per limit field whose value lies outside its range (or is no number), such as a
    // stored value that never passed the page: "永久荷载分项系数γG：输入值应在0.01与10之间".
    void CheckLimits(CStringArray& arrErrors) const;
    // Whether every limit field lies within its range; stored values beyond them are neither
    // calculated nor reported.
    BOOL LimitsHold() const;

    // The landing lengths that the type lacks set to 0.
    void ClearMissingLandings();
    // Bar nBar (1 to 6) as the reports write it ("未选定" without a diameter or a spacing); its
    // provided area (mm² per metre).
    CString BarText(int nBar, BOOL bShortSupport = FALSE) const;
    double BarArea(int nBar) const;
    // Whether bar nBar of the type provides less than its required area: bars 1 and 5 carry the span's
    // As, bars 2, 3 and 6 the supports' As'. A bar the type lacks is never short.
    BOOL IsBarShort(int nBar) const;
    // Whether any bar of the type is short.
    BOOL HasShortBars() const;

    int m_bOverReinforced;
    int M_STAIR_KIND;
    int M_N;
    double M_P;
    double M_PM;
    double M_PF;
    double M_LN;
    double M_LL;
    double M_LR;
    double M_B;
    double M_H;
    double M_T;
    double M_AS;
    double m_dMmax;
    double m_dAs1;
    double m_dFc;
    double m_dAlpha1Fc;
    double m_dFt;
    double m_dFy;
    StairBarOptionList m_Options1;
    int M_BUILDING;
    double M_FB1;
    double M_FB2;
    double M_DSACLE;
    double m_dAs23;
    StairBarOptionList m_Options23;
    CString m_strText;
    CString M_STRCONCRETE;
    CString M_STRSTEEL;
    CWndSlide m_wndSlide;
    CRect m_rcSlide;
    int m_nBarDia[6];
    int m_nBarSpace[6];
    CString m_strScheme1;
    CString m_strScheme23;
    int m_bSchemeChanged;
    CBitmap m_bmpPicture;
    double m_dRg;
    double m_dRq;
    double m_dWq;
    double m_dC;
    double m_dCrackWidth;
    double m_dFlexibilityLim1;
    double m_dFlexibilityLim2;
    double m_dFlexibilityLim3;
    CString m_strSteelStypeVor;
    int m_bIsCalRAL;
    double m_dFtk;
    double m_dEc;
    double m_dGk;
    double m_dL0;
    double m_dEs5;

private:
    // Whether the last calculation leaves anything to report.
    BOOL HasResults() const;
    void ExchangeParams(CParamExchange& px);
    void WriteRow(CWordObject* pReport, LPCTSTR lpszText, int nColor = 0);
    // Formats a row into m_strText and writes it.
    void WriteFormat(CWordObject* pReport, LPCTSTR lpszFormat, ...);
    void WriteBarBlocks(CWordObject* pReport, BOOL bShort);
    void ChooseFirstBars();
};
