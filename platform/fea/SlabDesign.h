// The reinforcement rows of a solved slab: the bottom bars of the two bar directions and the top
// bars along each outline edge, each with its moment, required area, bars, crack width and
// long-term deflection, and where it governs (for the pictures that label them).
#pragma once

#include <vector>

#include "Combinations.h"
#include "Design.h"
#include "PlateAnalysis.h"

namespace qelt::fea {

struct DesignSettings {
    LoadFactors factors;
    SlabSection section;
    double barAngle = 0.0;                 // degrees: direction 1; direction 2 is 90° further
    double positiveAdjustment = 1.0;       // times the sagging (bottom) design moments
    double negativeAdjustment = 1.0;       // times the hogging (top) design moments
    double bottomAreaFactor = 1.0;         // times the bottom bars' required area
    double topAreaFactor = 1.0;            // times the top bars' required area
    double leastDiameter = 8.0;            // mm
    double greatestSpacing = 200.0;        // mm
    double crackLimit = 0.3;               // mm: the largest crack width the bars may give
    double deflectionAdjustment = 1.0;     // θ = 2.0 × this
};

// Whether a row could be reinforced within the settings, and if not, which limit stops it.
enum class RowStatus {
    Designed,
    SectionTooSmall,  // the moment needs x > ξb·h0 (or h0 = h − as ≤ 0)
    NoBars,           // no bars within the least diameter and the greatest spacing give the area
    CrackTooWide,     // every bars that give the area crack wider than the limit
};

struct DesignRow {
    bool bottom = true;
    int node = -1;                // the node nearest the middle of the governing strip; −1 for an edge without nodes
    Point2 at;                    // the middle of the governing strip
    double barAngle = 0.0;        // degrees, the bars' direction (of an edge row, across the edge's chord)
    double moment = 0.0;          // Wood–Armer design moment, kN·m/m, adjusted, the strip's mean (DesignStrips.h)
    double characteristic = 0.0;  // the same of G + Q, for crack width and stiffness
    double quasiPermanent = 0.0;  // the same of G + ψq·Q
    StripDesign strip;
    BarChoice bars;
    double crackWidth = 0.0;      // mm, with the chosen bars
    double deflection = 0.0;      // mm, long-term
    RowStatus status = RowStatus::Designed;
    int corner = -1;              // the outline vertex of a re-entrant corner's row; −1 for the others
};

struct SlabDesign {
    Combinations combinations;
    // 0 and 1: bottom bars in direction 1 and 2 (the largest mean sagging design moment over a
    // strip across the bars anywhere); 2 + k: top bars across outline edge k (the largest mean
    // hogging design moment normal to it over a strip along it; a simply supported or free edge
    // has no moment normal to it, so its bars take the twist there); then one row of top bars for
    // each re-entrant corner of the outline, in the order of its vertices, the bars across the
    // corner's bisector (the mean hogging design moment along the bisector over the first metre
    // from the corner). Strips are kStripWidth wide (DesignStrips.h).
    std::vector<DesignRow> rows;
    int deflectionNode = -1;            // where the characteristic deflection is largest
    double longTermDeflection = 0.0;    // mm there, with the less stiff bottom row
};

// Rows 0 and 1 take the long-term deflection of the slab with their own stiffness: the largest
// characteristic deflection × D/B, B the long-term stiffness of the row; edge rows take the
// larger of the two. The moment adjustments act on the design, characteristic and
// quasi-permanent moments alike.
SlabDesign DesignSlab(const Slab& slab, const PlateAnalysis& analysis, const DesignSettings& settings);

// The crack width of a row with bars of the diameter at the spacing in place of its own.
double RowCrackWidth(const DesignRow& row, const SlabSection& section, double diameter, double spacing);

}  // namespace qelt::fea
