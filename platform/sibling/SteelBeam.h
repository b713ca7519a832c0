// CSteelBeam: the continuous beam of the sibling library: spans from left to right over pinned inner
// supports, end supports simply supported, fixed or free (the end span is then a cantilever), load
// cases of dead or live kind, and the analysis that fills every span's envelopes (CalBeamStruct).
//
// The beam has a current load case (0-based); the spans' load operations act on it.
#pragma once

#include "mfc/base/Array.h"
#include "mfc/base/TypedPtrArray.h"
#include "sibling/BeamFunction.h"
#include "sibling/SteelSpan.h"

class CSteelBeam {
public:
    CSteelBeam();
    virtual ~CSteelBeam();
    CSteelBeam(const CSteelBeam&) = delete;
    CSteelBeam& operator=(const CSteelBeam& other);

    // No spans, no cases, current case 0.
    void Reset();

    // 0 when the spans and end supports form an unstable structure (or an end code is unknown):
    // with s = (n - 1) + [left not free] + [right not free] vertical supports and r fixed ends, the
    // beam is stable when n >= 1 and (s >= 2 or (s >= 1 and r >= 1)).
    int CheckStruct() const;

    // Analyses every case with factor 1 and builds the envelopes of the combinations (BeamAnalysis.cpp).
    // Returns 0, leaving zero envelopes in every span, for a beam that cannot be analysed: unstable,
    // more than 32 cases, a span without length or stiffness (Ec·I), or a load outside its span.
    int CalBeamStruct();

    int getSpanNum() const { return m_SpanArr.GetSize(); }
    CSteelSpan* getSpan(int i) const;  // null outside 0 .. n - 1
    void AddSpan(CSteelSpan* pSpan);   // the beam takes ownership
    void InsertSpan(int i, CSteelSpan* pSpan);  // before span i; an index out of range appends
    void DeleteSpan(int i);

    int GetComNum() const { return m_ComStyleArr.GetSize(); }
    void AddComStyle(int nKind) { m_ComStyleArr.Add(nKind); }
    void ModifyComStyle(int i, int nKind) {
        if (i >= 0 && i < GetComNum()) m_ComStyleArr[i] = nKind;
    }
    // Removes case i with its loads; later cases move down one place with theirs.
    void RemoveComStyle(int i);
    // FALSE, changing nothing, for a case that does not exist.
    BOOL SetCurrentCom(int i);
    int GetCurrentCom() const { return m_nCurCom; }

    double getBeamlength() const;  // sum of the span lengths
    // Magnitudes: the largest envelope moment and shear of all spans; the largest force or line
    // load of the current case (moments left out).
    double GetBeamMaxMom() const;
    double GetBeamMaxShear() const;
    double getMaxLoadValue() const;

    int m_nCurCom;            // the current load case
    double m_dConLoadScale;   // dead-load factor γG
    double m_dVarLoadScale;   // live-load factor γQ
    double m_dElastModulus;   // Ec (N/mm²)
    CArray<int, int> m_ComStyleArr;  // kind of each load case: BEAM_CASE_DEAD or BEAM_CASE_LIVE
    int m_nLeftSupport;       // BEAM_END_SIMPLE, BEAM_END_FIXED or BEAM_END_FREE
    int m_nRightSupport;
    CTypedPtrArray<CPtrArray, CSteelSpan*> m_SpanArr;  // owned
    int m_bCalculated;        // 1 when the last analysis succeeded
    CBeamFunction m_BeamFunction;

private:
    void ClearResults();
};
