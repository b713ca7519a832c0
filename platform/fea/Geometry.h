// Plane geometry of the plate: polygons with arc segments turned into chords, point tests and the
// interpolation of vertex values over a polygon.
#pragma once

#include <vector>

#include "PlateModel.h"

namespace qelt::fea {

// A closed polygon of chords: point i starts chord i (the last chord closes back to point 0), and
// chord i lies on segment source[i] of the polygon it was made from.
struct ChordPolygon {
    std::vector<Point2> points;
    std::vector<int> source;
};

// Splits each arc into equal chords no longer than maxChord whose distance from the arc (the
// sagitta) is at most tolerance; straight segments stay whole. Vertices closer than 1e-9 mm to the
// one before are dropped.
ChordPolygon ToChords(const std::vector<PolygonVertex>& polygon, double maxChord, double tolerance);

// Twice the signed area: positive for a counter-clockwise polygon.
double SignedDoubleArea(const std::vector<Point2>& polygon);

bool PointInPolygon(const std::vector<Point2>& polygon, Point2 p);

double DistanceToSegment(Point2 p, Point2 a, Point2 b);

// The weights of the polygon's vertices that interpolate vertex values at p (mean value
// coordinates): they sum to 1 and reproduce a linear field exactly. p must lie inside.
std::vector<double> InterpolationWeights(const std::vector<Point2>& polygon, Point2 p);

}  // namespace qelt::fea
