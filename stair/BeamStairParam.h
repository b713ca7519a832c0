// CBeamStairParam: the beam stair ("C:LSHLTJS"): a stepped slab spanning across the stair between
// two inclined stair beams, which may carry an upper and a lower platform (shapes A to D) and have
// one of four end restraints. It holds the input of the pages, the loads, forces and required
// areas of the calculation, the candidate schemes of each bar and the seven chosen schemes, and
// writes both reports and the list entry.
//
// Lengths are in mm, surface loads in kN/m², line loads in kN/m (= N/mm); moments of the slab strip
// and at the supports in N·mm, the stair beam's mid-span moment in kN·m, the shear in N.
#pragma once

#include "host/VuskParam.h"
#include "mfc/base/String.h"
#include "stair/StairBeamModel.h"
#include "stair/StairLimitField.h"
#include "stair/StairSlabCase.h"

class CParamExchange;

// The loads of one calculation (kN/m, kN/m²) and the geometry they come from (mm).
struct BeamStairLoads {
    double dCos = 0;  // cosα of the flight
    double L = 0;     // span of the stair beam l1 + l2 + l3
    double ln = 0;    // clear span of the slab w − 2·b3
    double ht = 0;    // mean vertical slab thickness
    double gk1 = 0, qk1 = 0, p1 = 0;  // one tread strip
    double gk2 = 0, qk2 = 0, p2 = 0;  // stair beam along the flight, per horizontal length
    double g3 = 0, p3 = 0;            // platform slab, kN/m²
    double gk4 = 0, qk4 = 0, p4 = 0;  // stair beam along the platforms
};

// The larger of 1.35·gk + 0.7·γQ·qk and γG·gk + γQ·qk (the second on a tie).
double BeamStairDesignLoad(double dGk, double dQk, double dRg, double dRq);

// The stair beam's serviceability figures with scheme 1; without bars (A1 = 0) or without load
// nothing beyond A1 is worked out and both checks fail.
struct BeamStairBeamCheck {
    BOOL bValid = FALSE;
    double dA1 = 0;         // mm²
    double dH0 = 0;         // mm
    double dSigmaSk = 0;    // N/mm²
    double dRhoTeRaw = 0;   // A1/(0.5·b3·h3)
    double dRhoTe = 0;      // at least 0.01
    double dPsiRaw = 0, dPsi = 0;
    double dAlphaE = 0;
    double dRho = 0;
    double dBs = 0, dB = 0; // N·mm²
    double dCover = 0;      // c of the crack width, within 20 … 65 mm
    double dWmax = 0;       // mm
};

// One bar scheme: the diameter (mm) and the number of bars, or the spacing (mm) for slab bars and
// stirrups.
struct BarScheme {
    int Dia;
    int Int;
};

// Stair shapes by their platforms.
enum {
    BEAM_STAIR_A = 0,  // flight only
    BEAM_STAIR_B = 1,  // flight and lower platform l3
    BEAM_STAIR_C = 2,  // upper platform l2 and flight
    BEAM_STAIR_D = 3   // both platforms
};

// The names of the shapes and of the end restraints on the input page.
extern const char* const g_szBeamStairShapeNames[4];
extern const char* const g_szBeamStairRestraintNames[4];

// The slide of a shape ("BEAMSTAIRA_X" …); a shape outside 0 to 3 gives shape A's.
CString BeamStairSlideName(int nShape, LPCTSTR lpszSuffix);

class CBeamStairParam;

using BeamStairLimitField = StairLimitField<CBeamStairParam>;
extern const BeamStairLimitField g_BeamStairLimits[10];

class CBeamStairParam : public CVuskParam {
    DECLARE_DYNAMIC(CBeamStairParam)

public:
    enum { MaxSchemes = 50 };

    CBeamStairParam();
    ~CBeamStairParam() override;

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    int Calculate() override;
    int BuildWordS() override;
    int BuildWordC() override;
    void GetListData() override;
    void InitDefaultParam() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;
    // The resource handle current at the call: the module's own during a command.
    virtual HINSTANCE GetResHandle();

    // One error per limit field whose value lies outside its range (or is no number), such as a
    // stored value that never passed the page: "永久荷载分项系数γG：输入值应在0.01与10之间".
    void CheckLimits(CStringArray& arrErrors) const;
    // Whether every limit field lies within its range; stored values beyond them are neither
    // calculated nor reported.
    BOOL LimitsHold() const;

    // Loads, slab moment, stair-beam forces, mid-span bars (unless bSkipMidSteel) and the stair beam's
    // serviceability checks.
    void CalBeamForces(int bSkipMidSteel);
    // l1, ht, the strip's permanent load and the material values of the grades.
    void SetStripAndMaterials();
    // The stair beam's stiffness with scheme 1, its mid-span deflection and both verdicts
    // (XLSteelAsReal, XLKZHWY, bPassed, m_bBeamCrackOK).
    void CheckStairBeam();
    // The stair beam's moment at mid-span (kN·m) for the flight load q1 and the platform load q2
    // (kN/m); shape A with one fixed end gives the largest span moment.
    double CalMidMoment(double q1, double q2) const;

    void CalMidSteel();
    void CalSupportSteel();
    void CalShearSteel();
    void MakeMidSchemes();
    void MakeSupportSchemes(int nSide);
    void MakeStirrupSchemes();

    void CalSlabSteel();
    void MakeSlabSchemes();
    int CalSlabCrackWidth(CWordObject* pReport);
    int CalSlabFlexibility(CWordObject* pReport);
    // The slab strip of the serviceability checks with scheme 6.
    StairSlabCase GetSlabCase() const;

    // Width of one tread strip along the slope, b/cosα (mm), and its equivalent depth (h·cosα + t)/2.
    double TreadStripWidth() const;
    double TreadStripDepth() const;
    // Area of scheme k (1 to 7): π/4·d²·n of a beam bar, π/2·d²/s of the stirrups, π/4·d²·bw/s of the
    // slab bars over one tread strip.
    double SchemeArea(int nScheme) const;
    // The area scheme k must provide, as SchemeArea gives it: As of bar ①, ②, ⑤ and ⑥, Asv/s of the
    // stirrups ③; 0 for ④ and ⑦, which follow ① and ⑥.
    double RequiredArea(int nScheme) const;
    // Whether scheme k provides less than its required area; whether any scheme does.
    BOOL IsSchemeShort(int nScheme) const;
    BOOL HasShortSchemes() const;
    // The loads of the slab strip, the stair beam and the platforms from the input.
    BeamStairLoads Loads() const;
    // The stair beam's end moments, reactions, mid-span moment and deflection (times B) under the
    // flight load q1 and the platform load q2 (kN/m): shape A by the handbook coefficients, the
    // other shapes by the beam model.
    StairBeamForces BeamForces(double q1, double q2) const;
    // The stair beam's stiffness and crack width with scheme 1 under Mk and Mq (kN·m).
    BeamStairBeamCheck EvaluateBeam(double dMk, double dMq) const;
    // αs,max = ξb·(1 − 0.5·ξb) of a bar grade over the concrete grade, ξb = β1/(1 + fy/(Es·εcu))
    // (GB 50010-2002 7.1.4): the largest αs of a section that is not over-reinforced.
    double AlphaSMax(LPCTSTR lpszSteel) const;
    // α1·fc (N/mm²), the stress of the compression block of a section in bending (GB 50010-2002 7.2.1).
    double Alpha1Fc() const;
    // The deflection-limit divisor of the stair beam for its span L (mm).
    double BeamDeflectionDivisor(double L) const;

    int bXLJMFail;
    int bTDBSteelBig;
    int bXLSteelBig;
    int bZHZLBig;
    int bZHZRBig;
    int nStairType;
    CString strSteelLevel;
    CString strConcreteLevel;
    int nRestrictionType;
    int nSteps;
    double lv;
    double lm;
    double lx;
    double l1;
    double l2;
    double l3;
    double w;
    double h;
    double t;
    double as1;
    double as2;
    double b;
    double h1;
    double h2;
    double h3;
    double h4;
    double b1;
    double b2;
    double b3;
    double Mmax1;
    double Mmax2;
    double MmaxL;
    double MmaxR;
    double Mmax4;
    double beamVmax;
    double ht;
    double TDBSteelAs;
    double XLSteelAs;
    double XLSteelAsReal;
    double LXLZHZSteelAs;
    double RXLZHZSteelAs;
    double XLGJSteelAs;
    double XLKZHWY;
    int bPassed;
    double XLRho;
    double LXLZHZRho;
    double RXLZHZRho;
    int shpbar1_Dia, shpbar1_Int;
    int shpbar2_Dia, shpbar2_Int;
    int shpbar3_Dia, shpbar3_Int;
    int shpbar4_Dia, shpbar4_Int;
    int shpbar5_Dia, shpbar5_Int;
    int shpbar6_Dia, shpbar6_Int;
    int shpbar7_Dia, shpbar7_Int;
    int bSchemeChosen;
    int nXLSchemeNum;
    int nLZHZSchemeNum;
    int nRZHZSchemeNum;
    int nXLGJSchemeNum;
    int nTDBSchemeNum;
    BarScheme XLScheme[MaxSchemes];
    double XLSchemeAs[MaxSchemes];
    BarScheme LZHZScheme[MaxSchemes];
    double LZHZSchemeAs[MaxSchemes];
    BarScheme RZHZScheme[MaxSchemes];
    double RZHZSchemeAs[MaxSchemes];
    BarScheme TDBScheme[MaxSchemes];
    double TDBSchemeAs[MaxSchemes];
    BarScheme XLGJScheme[MaxSchemes];
    double XLGJSchemeAsv[MaxSchemes];
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
    int m_bFlexOK;
    int m_bBeamCrackOK;
    int m_bCrackOK;
    double m_dFtk;
    double m_dEc;
    double m_dGk;
    double m_dL0;
    double m_dEs;  // N/mm²

private:
    void ExchangeParams(CParamExchange& px);
    void WriteShortReport(CWordObject* pReport);
    void WriteFullReport(CWordObject* pReport);
    void WriteServiceability(CWordObject* pReport);
    void WriteResultRows(CWordObject* pReport);
    // The red line under a scheme that provides less than its required area.
    void WriteShortfall(CWordObject* pReport, int nScheme) const;
};
