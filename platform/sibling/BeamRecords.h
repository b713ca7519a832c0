// The plain records of the continuous-beam solver and the codes its data carries. The records'
// members are defined here, in the header, as the library's users compile them themselves.
// Units: lengths and load positions in m from the span's left end, forces in kN, line loads in
// kN/m, moments in kN·m; positive loads act downwards, a concentrated moment is clockwise positive.
#pragma once

#include "win/WinTypes.h"

// Load kinds: the first argument of the span's load operations and the order of its load arrays.
enum {
    BEAM_LOAD_FORCE = 0,      // NormalLoad: force P at a
    BEAM_LOAD_MOMENT = 1,     // NormalLoad: moment M at a
    BEAM_LOAD_UNIFORM = 2,    // q over the whole span
    BEAM_LOAD_TRIANGLE = 3,   // 0 at both ends, q at mid-span
    BEAM_LOAD_TRAPEZOID = 4,  // NormalLoad: from 0 at each end up to q over the length a (a <= L/2)
    BEAM_LOAD_PARTIAL = 5,    // AnyLoad: linear from q1 at a to q2 at a + c
    BEAM_LOAD_KINDS = 6
};

// Load-case kinds (CSteelBeam::m_ComStyleArr).
enum { BEAM_CASE_DEAD = 0, BEAM_CASE_LIVE = 1 };

// End supports (CSteelBeam::m_nLeftSupport, m_nRightSupport): a free end makes its span a cantilever.
enum { BEAM_END_SIMPLE = 0, BEAM_END_FIXED = 1, BEAM_END_FREE = 2 };

// Points of an envelope: point i lies at x = i·L/600.
enum { BEAM_ENVELOPE_POINTS = 601 };

// The most load cases an analysis takes: a case set is a 32-bit mask.
enum { BEAM_MAX_CASES = 32 };

struct NormalLoad {
    double m_dLoadValue;  // P, M or q
    double m_dPosA;       // a
    NormalLoad() = default;
    NormalLoad(const NormalLoad& other) = default;
    NormalLoad& operator=(const NormalLoad& other) {
        m_dLoadValue = other.m_dLoadValue;
        m_dPosA = other.m_dPosA;
        return *this;
    }
};

struct AnyLoad {
    double m_dLoadValue1;  // q1 at a
    double m_dLoadValue2;  // q2 at a + c
    double m_dPosA;        // a
    double m_dPosC;        // c, the loaded length
    AnyLoad() = default;
    AnyLoad(const AnyLoad& other) = default;
    AnyLoad& operator=(const AnyLoad& other) {
        m_dLoadValue1 = other.m_dLoadValue1;
        m_dLoadValue2 = other.m_dLoadValue2;
        m_dPosA = other.m_dPosA;
        m_dPosC = other.m_dPosC;
        return *this;
    }
};

// A point of an envelope: the value and the load cases whose combination gives it, bit k - 1 for
// case k (cases 1 to 32).
struct CalValue {
    double m_dValue;
    DWORD m_dwComMask;
    CalValue() = default;
    CalValue(const CalValue& other) = default;
    CalValue& operator=(const CalValue& other) {
        m_dValue = other.m_dValue;
        m_dwComMask = other.m_dwComMask;
        return *this;
    }
};

// The end forces of one span under one load case with factor 1: moments sagging positive, shears
// positive when the forces left of the section push up (V = dM/dx).
struct SteelCalForceValue {
    int m_nComIndex;
    double m_dMomLeft;
    double m_dShearLeft;
    double m_dMomRight;
    double m_dShearRight;
    SteelCalForceValue() = default;
    SteelCalForceValue(const SteelCalForceValue& other) = default;
    SteelCalForceValue& operator=(const SteelCalForceValue& other) {
        m_nComIndex = other.m_nComIndex;
        m_dMomLeft = other.m_dMomLeft;
        m_dShearLeft = other.m_dShearLeft;
        m_dMomRight = other.m_dMomRight;
        m_dShearRight = other.m_dShearRight;
        return *this;
    }
};
