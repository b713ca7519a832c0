// CSteelSpanLoad: the loads of one load case on one span, one array per load kind (BeamRecords.h).
#pragma once

#include "mfc/base/Array.h"
#include "sibling/BeamRecords.h"

class CSteelSpanLoad {
public:
    CSteelSpanLoad();
    ~CSteelSpanLoad();
    CSteelSpanLoad(const CSteelSpanLoad&) = delete;
    CSteelSpanLoad& operator=(const CSteelSpanLoad& other);

    // Nonzero when no array holds a load.
    int IsEmpty() const;

    int m_nComIndex;  // the 0-based load case, set by whoever creates the record
    CArray<NormalLoad, NormalLoad&> m_CenLoadArr;  // kind 0: P, a
    CArray<NormalLoad, NormalLoad&> m_CenMomArr;   // kind 1: M (clockwise), a
    CArray<double, double> m_DisLoadArr;           // kind 2: q
    CArray<double, double> m_TriLoadArr;           // kind 3: q
    CArray<NormalLoad, NormalLoad&> m_TraLoadArr;  // kind 4: q, a
    CArray<AnyLoad, AnyLoad&> m_AnyLoadArr;        // kind 5: q1, q2, a, c
};
