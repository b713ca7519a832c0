// CContinuousBeam: the continuous beam ("C:LXLJS"): the solver's beam model (spans, end supports,
// load cases and loads) with the design settings, the section results and their stored keys.
//
// The results hold 2n + 1 records for n spans: support 0, mid-span 0, support 1, …, support n.
#pragma once

#include "beam/SectionDesign.h"
#include "beam/SectionResult.h"
#include "beam/StirrupOption.h"
#include "host/VuskParam.h"
#include "mfc/base/Array.h"
#include "mfc/base/Object.h"
#include "mfc/base/String.h"
#include "sibling/GraphTrans.h"
#include "sibling/SteelBeam.h"
#include "win/WinTypes.h"

class CParamExchange;

// The unit weight of the beam's concrete (kN/m³), for its self-weight.
const double kConcreteWeight = 25;
// The largest crack width allowed (mm).
const double kCrackLimit = 0.3;

// Kinds of a report's section paragraph.
enum { SECTION_MID_SPAN = 0, SECTION_SUPPORT = 1 };

// The extremes of a span's envelope under the characteristic combination (every load factor 1:
// dead loads always, live loads where unfavourable), with their positions (m): what its crack
// width and deflection are checked for.
struct SpanServiceMoments {
    double dSagging, dSaggingAt;
    double dHogging, dHoggingAt;  // a magnitude
    double dMidHogging;           // the largest hogging moment of the middle part, a magnitude
    double dEndSagging[2], dEndHogging[2];  // at the left and the right end; hogging as a magnitude
};

class CContinuousBeam : public CSteelBeam, public CVuskParam {
    DECLARE_DYNAMIC(CContinuousBeam)

public:
    CContinuousBeam();
    ~CContinuousBeam() override;

    // FALSE, with a message and the defaults, when the store holds a count out of bounds. A store
    // that holds no beam yet (the command's first run) gives an empty beam.
    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    // 0, changing nothing, for an unstable beam; otherwise the analysis and the design of every
    // section (bars and stirrups), with the self-weight as an extra dead case while they run when
    // m_CalBeamWeightCheck is set, then the serviceability checks, and 1. 0 with no results when
    // the analysis refuses the beam (a load off its span); 0 with the results and a message naming
    // them when a section is left without a bar or stirrup scheme.
    int Calculate() override;
    // The first span holding a load that lies off it (a position beyond the span, a trapezoid's ramp
    // beyond half of it), or -1.
    int FindSpanWithLoadOutside() const;
    // The first span holding a load value (a force, moment or line load) that is no number within
    // ±dLimit, or -1.
    int FindSpanWithLoadBeyond(double dLimit) const;
    void GetListData() override;
    // Sizes the design arrays anew and designs every section; the results take the stirrup grade.
    void DesignSections();
    // The results of supports and mid-spans from the envelopes of the last analysis, the support
    // moments × m_TipModulus and the mid-span ones × m_MidModulus.
    void DesignSpans();
    // Designs support k (0 … n) from the envelopes into its slot and appends its record.
    void DesignSupport(int nSupport);
    // Designs a section of b × h (mm) for the sagging M1 and hogging M2 (kN·m) into the slot.
    void DesignSection(double b, double h, double M1, double M2, SectionDesign*& pSlot);
    // Designs the stirrups of the span for its governing shear V (kN) into the slot.
    void DesignStirrups(const CSteelSpan& span, double V, StirrupOptionSet*& pSlot);
    // The section (mm) record r is designed and checked with: a mid-span's that of its span, a
    // support's the less favourable of the spans meeting there (the smaller width and height).
    BOOL GetRecordSection(int r, double& b, double& h) const;
    // TRUE for a span with a free end (a cantilever), and for a support that is a free end.
    BOOL IsCantileverSpan(int i) const;
    BOOL IsFreeEnd(int nSupport) const;
    // The characteristic sagging and hogging moments (kN·m, magnitudes) at record r; 0 before a
    // calculation.
    void GetRecordServiceMoments(int r, double& dSagging, double& dHogging) const;
    // TRUE when record r holds the bars its serviceability check needs (both sides, and for a
    // cantilever's mid-span also its root's).
    BOOL HasServiceBars(int r) const;
    // The crack width (mm) of record r with its bars: the larger of the sagging moment on the
    // bottom bars and the hogging one on the top bars; into the record; 0 without the bars.
    double CalcRecordCrack(int r);
    // The deflection (m) of span i with the long-term stiffness of its governing section (a
    // cantilever's root), into its mid-span record; 0 without the bars.
    double CalcSpanDeflection(int i);
    // Crack widths of every record and deflections of every span; nothing before an analysis of
    // this run.
    void CheckServiceability();
    // The deflection limit of span i: l0 (m; twice the length of a cantilever) and the divisor of
    // l0/divisor (200 below 7 m, 250 up to 9 m, 300 beyond).
    void GetDeflectionLimit(int i, double& l0, int& nDivisor) const;
    // TRUE when span i's deflection, and record r's crack width, keep within their limits.
    BOOL IsDeflectionWithinLimit(int i) const;
    BOOL IsCrackWithinLimit(int r) const;
    // The sections without a bar or stirrup scheme ("1跨中下钢筋、2支座上钢筋"); empty when every
    // section is designed.
    CString FindUndesignedSections() const;
    // The characteristic moment (kN·m, a magnitude) that governs span i's deflection: the
    // hogging one (TRUE) when it is the larger and lies in the middle third or no sagging moment
    // exists, otherwise the sagging one (FALSE). 0 and FALSE before a calculation.
    BOOL GetServiceMoment(int i, double& dMoment) const;
    // The largest sagging moment anywhere on the span, with the load cases that give it and its
    // position (m): the mid-span section's moment.
    static CalValue GetSpanSagging(const CSteelSpan& span, double& dPos);
    void InitDefaultParam() override;
    int BuildWordS() override;
    int BuildWordC() override;
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;

    CString m_strConLevel;     // concrete grade
    CString m_strMainReinLv;   // main-bar grade
    CString m_strHoopReinLv;   // stirrup grade
    double m_ProtectAs;        // as: bar centroid to the near face (mm)
    double m_MidModulus;       // factor on the mid-span design moments
    double m_TipModulus;       // factor on the support design moments
    int m_CrackCheck;
    double m_dCrackLimit;      // not stored
    int m_DeformCheck;         // not stored
    int m_IntensionCheck;      // 1: the main bars' strength is m_StlIntension, not the grade's
    double m_StlIntension;     // N/mm²
    int m_CalBeamWeightCheck;  // 1: the self-weight (25 kN/m³) is an extra dead case in the calculation
    PtrVector<SectionDesign*> m_MidDesignArr;  // per span; made by a calculation of this run
    PtrVector<SectionDesign*> m_TipDesignArr;  // per support
    PtrVector<StirrupOptionSet*> m_StirrupSetArr;  // per span
    CArray<SectionResult, SectionResult&> m_ResultArr;
    CArray<SpanServiceMoments, SpanServiceMoments&> m_ServiceArr;  // per span; made by a calculation of this run
    int m_nSelSpan;            // span highlighted by the input picture; -1 none

    // Pictures (ContinuousBeamPicture.cpp), drawn into m_Graph's back buffer; nothing happens while
    // it has none. Sizes are in world units, about a tenth of a pixel.
    // The beam with its supports, fitted to the buffer (white for a report, black otherwise); the
    // page's picture adds both envelopes. Sets the scales and m_ptOrigin.
    void DrawBeam(int bReport);
    // The input page's picture: the beam with the span m_nSelSpan yellow and the current case's loads.
    void DrawInputBeam();
    void DrawInnerSupport(const CFloatPoint& P);
    void DrawPinSupport(const CFloatPoint& P);
    void DrawLeftSupport(const CFloatPoint& P);
    void DrawRightSupport(const CFloatPoint& P);
    void DrawMomentEnvelope(const CFloatPoint& origin);  // sagging below the axis, in green
    void DrawShearEnvelope(const CFloatPoint& origin);   // positive above the axis, in yellow
    void DrawBeamLoads(const CFloatPoint& origin);       // the current case's loads of every span
    void DrawSpanLoads(const CFloatPoint& S, const CSteelSpan* pSpan);
    void DrawDimensions();  // span lengths and sections from m_ptOrigin

    // Report rows (ContinuousBeamReport.cpp).
    void WriteLoadCases(CWordObject& word);
    void WriteSections(CWordObject& word);
    // nKind SECTION_SUPPORT: support i; SECTION_MID_SPAN: the middle of span i.
    void WriteSectionPara(int i, int nKind, CWordObject& word);
    void WriteSectionForces(int i, int nKind, CWordObject& word);
    // The top and bottom bars of record k.
    void WriteSectionBars(const SectionDesign* pDesign, int k, CWordObject& word);
    void WriteBarsLine(LPCTSTR lpszLabel, int k, BOOL bTop, CWordObject& word);

    CgraphTrans m_Graph;
    double m_dScaleX;       // world units per metre of beam
    double m_dScaleY;       // per kN·m of moment, or per kN/m of load
    double m_dScaleV;       // per kN of shear
    CFloatPoint m_ptOrigin;  // the beam's left end in the last beam picture

private:
    void DrawLabel(const CFloatPoint& point, LPCTSTR lpszFormat, double dValue);
    void DrawHinge(const CFloatPoint& centre);
    void DrawHatchedBase(const CFloatPoint& G, double dAlong, double dAway);
    void DrawLink(const CFloatPoint& P, double dDirection, double dBaseAlong);
    CFloatRect FitWorld(double dMargin, int nBorder);
    BOOL FitBeamLength(const CFloatRect& world);
    void DrawSpansAndSupports(const CFloatPoint& origin, int nSelected);
    void DrawEnvelope(const CFloatPoint& origin, BOOL bShear);
    void DrawLoadArrow(const CFloatPoint& S, double dOffset, double dHeight);
    void WritePicture(CWordObject& word);
    void WriteGeometryPicture(CWordObject& word);
    void WriteForceSection(CWordObject& word);
    void WriteServiceability(int i, CWordObject& word);
    void WriteCrack(int r, CWordObject& word);
    void WriteStirrups(int i, CWordObject& word);

    void ExchangeSettings(CParamExchange& px);
    // Every stored key in its order; reading builds the spans, loads, cases and results anew.
    // FALSE when a read count is refused (too large or negative).
    BOOL ExchangeParams(CParamExchange& px, const CString& strPrefix);
    BOOL ExchangeSpan(CParamExchange& px, const CString& strPrefix, int i, CSteelSpan& span);
    void ExchangeResult(CParamExchange& px, int r, SectionResult& result);
    SectionResult& AddResult(const SectionDesign& design);
};
