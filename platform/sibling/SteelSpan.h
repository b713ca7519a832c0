// CSteelSpan: one span of the continuous beam: its length, section, loads per load case and the
// results of the last analysis (CSteelBeam::CalBeamStruct).
//
// Envelopes hold 601 points, point i at x = i·L/600, each with its value and the set of load
// cases that gives it (CalValue). Moments are sagging positive; shears are positive when the forces
// left of the section push up (V = dM/dx). At a section with a concentrated load the envelope takes
// the worse side. An envelope value is 0 with an empty case set where no combination reaches that
// sign.
#pragma once

#include "mfc/base/Array.h"
#include "mfc/base/TypedPtrArray.h"
#include "sibling/BeamRecords.h"
#include "sibling/SteelSpanLoad.h"

class CSteelSpan {
public:
    CSteelSpan();
    virtual ~CSteelSpan();
    CSteelSpan(const CSteelSpan&) = delete;
    // Takes the source's length, inertia, results, envelopes, loads and end forces; the section's
    // width and height stay the target's.
    CSteelSpan& operator=(const CSteelSpan& other);

    int IsEmpty() const { return m_dSpanLen < 0; }
    int IsEmptyEnvelop() const { return m_PosMomEnv == nullptr; }

    // Frees the loads, the envelopes and the results; length and section stay.
    void Reset();
    // Six envelopes of 601 zero points with empty case sets (made when missing).
    void ReSetEnvelop();

    // The loads of the current case (the beam keeps m_nCurCom in step with its own), or null.
    CSteelSpanLoad* GetCurComLoad() const;
    // Load operations on the current case's loads, which are made when missing. The value's type
    // must match the kind: a double for kinds 2 and 3, a NormalLoad for 0, 1 and 4, an AnyLoad for
    // 5. FALSE, changing nothing, for a mismatch or an index out of range.
    BOOL AddSpanLoad(int nKind, double value);
    BOOL AddSpanLoad(int nKind, const NormalLoad& value);
    BOOL AddSpanLoad(int nKind, const AnyLoad& value);
    BOOL InsertSpanLoad(int nKind, int nIndex, double value);  // before nIndex; nIndex = count appends
    BOOL InsertSpanLoad(int nKind, int nIndex, const NormalLoad& value);
    BOOL InsertSpanLoad(int nKind, int nIndex, const AnyLoad& value);
    BOOL DelSpanLoad(int nKind, int nIndex);

    // Extremes of the envelopes with their positions (m from the left end); leftmost on a tie, all 0
    // before the first analysis.
    void GetMaxPosMoment(double& dMoment, double& dPos) const;  // largest sagging moment
    void GetMaxNegMoment(double& dMoment, double& dPos) const;  // largest hogging moment, as a magnitude
    // Over the middle third L/3 .. 2L/3; the hogging one negative, as the envelope holds it.
    void GetCenMaxPosMom(double& dMoment, double& dPos) const;
    void GetCenMaxPosMom(CalValue& value, double& dPos) const;
    void GetCenMaxNegMom(double& dMoment, double& dPos) const;
    void GetCenMaxNegMom(CalValue& value, double& dPos) const;
    // The governing shear and moment: the larger magnitude of the two envelopes, as a magnitude; the
    // positive envelope on a tie.
    void GetMaxShear(double& dShear, double& dPos) const;
    void GetMaxShear(CalValue& value, double& dPos) const;
    void GetMaxMoment(double& dMoment, double& dPos) const;

    // Envelope values at point i (0 .. 600); 0 before the first analysis.
    double getPosMoment(int i) const { return EnvelopeValue(m_PosMomEnv, i); }
    double getNegMoment(int i) const { return EnvelopeValue(m_NegMomEnv, i); }
    double getPosShear(int i) const { return EnvelopeValue(m_PosShearEnv, i); }
    double getNegShear(int i) const { return EnvelopeValue(m_NegShearEnv, i); }

    int m_nCurCom;          // the load case that the load operations act on
    double m_dSpanLen;      // L (m); negative marks an empty span
    double m_dSectIx0;      // moment of inertia (m⁴)
    double m_dSecWidth;     // b (mm)
    double m_dSecHeight;    // h (mm)
    CTypedPtrArray<CPtrArray, CSteelSpanLoad*> m_SpanLoadArr;  // at most one record per case, owned
    double m_dReserved[10];  // kept for the records' layout; this solver leaves them 0
    double m_dRotLeft;   // end rotations of all cases with factor 1, in micro-radians: the left end
    double m_dRotRight;  // clockwise positive, the right end counter-clockwise (both > 0 when sagging)
    CalValue* m_PosMomEnv;    // largest sagging moment (>= 0)
    CalValue* m_NegMomEnv;    // largest hogging moment (<= 0)
    CalValue* m_PosShearEnv;  // largest positive shear (>= 0)
    CalValue* m_NegShearEnv;  // largest negative shear (<= 0)
    CalValue* m_ReservedEnv1;  // kept for the records' layout; zero points
    CalValue* m_ReservedEnv2;
    CArray<SteelCalForceValue, SteelCalForceValue&> m_ForceValueArr;  // end forces, one per case

private:
    double EnvelopeValue(const CalValue* envelope, int i) const;
    double PointPosition(int i) const;
    BOOL AddLoadAt(int nKind, int nIndex, const double* scalar, const NormalLoad* normal, const AnyLoad* any);
    CSteelSpanLoad* CurComLoadMade();
};
