// Reinforcement of a slab: moments in the bar directions, Wood–Armer design moments, the design
// of a one-metre strip after GB 50010-2002 and the choice of bars.
#pragma once

#include <functional>

namespace qelt::fea {

// The width of the strip of slab that one design covers, mm: the section's width b, and the width
// over which a row's moments are averaged (DesignStrips.h).
constexpr double kStripWidth = 1000.0;

// Moments (kN·m/m, sagging positive) turned into the bar directions: direction 1 at the angle
// (degrees, counter-clockwise from x), direction 2 at the angle + 90°.
struct BarMoments {
    double m1 = 0.0, m2 = 0.0, m12 = 0.0;
};
BarMoments ToBarDirections(double mx, double my, double mxy, double angleDegrees);

// Wood–Armer design moments, each ≥ 0: what the bottom bars (sagging) and the top bars (hogging,
// as a magnitude) of each direction must resist.
struct DesignMoments {
    double bottom1 = 0.0, bottom2 = 0.0, top1 = 0.0, top2 = 0.0;
};
DesignMoments WoodArmer(const BarMoments& m);

// A slab section one metre wide; lengths in mm, stresses in N/mm². The caller takes the material
// values from its grade tables (GB 50010-2002).
struct SlabSection {
    double thickness = 100.0;      // h
    double barCentroid = 20.0;     // as: from the tension face to the bars' centroid, h0 = h − as
    double cover = 15.0;           // c, to the bars' surface
    double fc = 11.9, ft = 1.27, ftk = 1.78, alpha1 = 1.0, xiB = 0.550;  // concrete; ξb with the steel
    double ec = 2.80e4;            // Ec
    double fy = 300.0, es = 2.0e5; // steel
    double minimumRatio = 0.0;     // %; 0: max(0.2 %, 45·ft/fy %)
    bool ribbed = true;            // ribbed or plain bars
};

struct StripDesign {
    double area = 0.0;               // mm²/m required, the minimum and the area factor included
    bool sectionTooSmall = false;    // x > ξb·h0, or h0 ≤ 0: the single-reinforced section cannot take the moment
};

// α1·fc·b·x = fy·As with M = α1·fc·b·x·(h0 − x/2), b = 1000 mm, As ≥ ρmin·b·h, times the factor.
// A section too small gets the area at x = ξb·h0 (what it can hold at most) and the flag; one
// without an effective depth (h0 = h − as ≤ 0) gets the minimum area and the flag.
StripDesign DesignStrip(double moment, const SlabSection& section, double areaFactor);

// How bars fit a row: they give the area and crack within the limit; no bars within the least
// diameter and the greatest spacing give the area; every bars that give it crack too wide.
enum class BarFit { Fits, TooLittleArea, CrackTooWide };

struct BarChoice {
    double diameter = 0.0, spacing = 0.0, area = 0.0;
    BarFit fit = BarFit::TooLittleArea;
};

// The crack width (mm) of a row with bars of the diameter (mm) and area (mm²/m).
using CrackOfBars = std::function<double(double diameter, double area)>;

// The bars of least area (mm²/m) that give at least the required area and whose crack width is
// within the limit: diameters 6 … 32 mm not below the least diameter, spacings 100 … 250 mm in steps
// of 10 and 300 mm, not above the greatest spacing; of equal areas the one of the smaller diameter.
// Where the first choice cracks too wide, a closer spacing or a larger bar follows. When none gives
// the area: the largest bars there are (none at all when the limits leave none), TooLittleArea;
// when all that give it crack too wide: those of the least crack width, CrackTooWide.
BarChoice ChooseBars(double requiredArea, double leastDiameter, double greatestSpacing, const CrackOfBars& crack,
                     double crackLimit);

// The area of bars of the diameter at the spacing, mm²/m.
double BarArea(double diameter, double spacing);

}  // namespace qelt::fea
