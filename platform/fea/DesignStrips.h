// The moment that a row of bars is designed for: the mean over a strip of kStripWidth (Design.h),
// not the value at one point.
//
// Bars are laid and detailed per metre of slab, and a metre of bars carries the moment of its
// metre together. At a re-entrant corner, a hole's corner, a column or a point load the moment
// at one point is singular: it grows without bound as the mesh is refined. Its mean over a strip
// stays finite and converges, as the singularities of plates are integrable. So a row takes the
// largest mean over any strip one metre wide (the whole width where the slab is narrower):
// - bottom bars of a direction: the mean across the bars, along a section at right angles to them,
//   over the slab's part of that section (a hole or the outline ends a strip);
// - top bars across an outline edge: the mean along the edge;
// - top bars at a re-entrant corner of the outline, across its bisector: the mean along the
//   bisector over its first metre from the corner (the crack that opens there runs along the
//   bisector, and a metre of bars crosses it there), taken over a narrow band about the bisector.
#pragma once

#include <utility>
#include <vector>

#include "Mesher.h"

namespace qelt::fea {

// The values that a row designs with at a node: the design moment that picks the strip, and the
// moments the strip then carries for the serviceability checks. Linear over each element: a strip
// integrates them exactly, so that the spike at a singular node weighs only over its elements.
struct StripValues {
    double design = 0.0, characteristic = 0.0, quasiPermanent = 0.0;
};

struct StripMean {
    StripValues mean;
    Point2 centre;  // the middle of the strip
    bool found = false;
};

// The strip of the largest mean design value across bars at the angle (degrees, counter-clockwise
// from x), from the values at the nodes.
StripMean LargestBottomStrip(const Mesh& mesh, const std::vector<StripValues>& nodal, double barAngle);

// The strip of the largest mean along the chain of mesh edges on one outline segment, from the
// values at the two ends of each of those mesh edges (first at edge.a, second at edge.b; they may
// differ from a neighbour's at a shared node, where the bars' direction turns with an arc's chords).
// The mean over the first kStripWidth of the ray from an outline corner into the slab along the
// unit direction (the whole ray where the slab is shorter), from the values at the nodes: the mean
// of the lines of a band 400 mm wide centred on the ray, each over its first kStripWidth within
// the slab beyond the corner's section. Its centre stands half a strip from the corner on the ray.
StripMean CornerStrip(const Mesh& mesh, const std::vector<StripValues>& nodal, Point2 corner, Point2 direction);

StripMean LargestEdgeStrip(const Mesh& mesh, const std::vector<MeshEdge>& edges,
                           const std::vector<std::pair<StripValues, StripValues>>& ends);

}  // namespace qelt::fea
