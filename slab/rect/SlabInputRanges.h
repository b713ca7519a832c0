// The ranges of the rectangular slab's numbers, as its pages take them and as a calculation
// requires them of stored values. Lengths in mm, surface loads in kN/m², ρmin in %, the crack-width
// limit in mm; factors and ratios without unit. Beyond them a slab is no slab an engineer designs,
// and its reports would print numbers of no meaning (a span or thickness of 0 divides by zero).
#pragma once

#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

enum SlabInput {
    SLAB_IN_LENGTH,     // Lx
    SLAB_IN_WIDTH,      // Ly
    SLAB_IN_THICK,      // h
    SLAB_IN_AS,         // as
    SLAB_IN_C,          // c
    SLAB_IN_QGK,        // permanent load
    SLAB_IN_QQK,        // variable load
    SLAB_IN_RG,         // γG
    SLAB_IN_RQ,         // γQ
    SLAB_IN_WQ,         // ψq
    SLAB_IN_MU,         // Poisson's ratio μ (elastic slab)
    SLAB_IN_BETA,       // β (plastic slab)
    SLAB_IN_P,          // ρmin (%)
    SLAB_IN_IMPRO,      // γo
    SLAB_IN_CRACK,      // crack-width limit
    SLAB_IN_MAGNIFY1,   // factor of the span bars
    SLAB_IN_MAGNIFY2,   // factor of the support bars
    SLAB_IN_FLELIM1,    // deflection divisors for l0 < 7 m, 7 m ≤ l0 ≤ 9 m, l0 > 9 m
    SLAB_IN_FLELIM2,
    SLAB_IN_FLELIM3,
    SLAB_IN_USERVALUE,  // side ratio of one-way slabs
    SLAB_IN_THICKLIM,   // thickness for a cantilever's bottom bars
    SLAB_IN_STEELSEL,   // diameter of the grade switch
    SLAB_IN_STEELLIMDIA,  // smallest bar diameter
    SLAB_INPUT_COUNT
};

struct SlabInputRange {
    LPCTSTR lpszLabel;  // as the report and the error list name it
    double dLower, dUpper;
    BOOL bWhole;        // a whole number (its box takes digits only)
};

const SlabInputRange& GetSlabInputRange(int nInput);
// Whether a value lies within the input's range (a non-number never does).
BOOL IsInSlabRange(int nInput, double dValue);
// The error of a value outside its input's range, "板厚h：输入值应在40与1000之间"; nothing otherwise.
void CheckSlabRange(int nInput, double dValue, CStringArray& arrErrors);
