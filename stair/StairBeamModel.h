// The stair beam as one span L with uniform loads over parts of it (x measured horizontally from the
// upper support) and one of four end restraints, after linear elastic beam theory with constant
// stiffness: the end moments, reactions, mid-span moment and deflection by superposing the segments.
//
// Units: loads in N/mm (= kN/m), lengths in mm, moments in N·mm (hogging negative), forces in N,
// stiffness in N·mm², deflection in mm.
#pragma once

// End restraints of the stair beam.
enum {
    STAIR_BEAM_PINNED = 0,      // both ends pinned
    STAIR_BEAM_LOWER_FIXED = 1, // upper end pinned, lower end fixed
    STAIR_BEAM_UPPER_FIXED = 2, // upper end fixed, lower end pinned
    STAIR_BEAM_FIXED = 3        // both ends fixed
};

struct StairBeamSegment {
    double x1, x2;  // x1 ≤ x2
    double q;
};

struct StairBeamForces {
    double ML = 0, MR = 0;  // end moments, upper and lower
    double RL = 0, RR = 0;  // end reactions
    double Mmid = 0;        // moment at L/2
    double dFB = 0;         // mid-span deflection times the stiffness B (N·mm³)
};

// The forces of the span L under the segments; a restraint outside 0 to 3 counts as pinned.
StairBeamForces StairBeamSolve(double L, const StairBeamSegment* pSegments, int nSegments, int nRestraint);
