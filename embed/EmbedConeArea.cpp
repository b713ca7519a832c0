#include "embed/EmbedConeArea.h"

#include <cmath>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

namespace bg = boost::geometry;

namespace {

using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;
using MultiPolygon = bg::model::multi_polygon<Polygon>;

// Corners of the polygon that stands for a circle: enough that the union's area is within a few
// millionths of the circles' own.
constexpr int kCircleCorners = 2048;

// A regular polygon of the same area as the circle (its corners a little outside it), clockwise
// as Boost.Geometry's default polygon wants.
Polygon CirclePolygon(double dX, double dY, double dRadius) {
    const double dStep = 2 * M_PI / kCircleCorners;
    const double dCorner = dRadius * std::sqrt(dStep / std::sin(dStep));
    Polygon circle;
    for (int i = 0; i <= kCircleCorners; ++i) {
        const double dAngle = -dStep * (i % kCircleCorners);
        bg::append(circle.outer(), Point(dX + dCorner * std::cos(dAngle), dY + dCorner * std::sin(dAngle)));
    }
    return circle;
}

}  // namespace

double GetSegmentArea(int nRadius, int nChord) {
    if (nChord >= nRadius) return 0;
    const double r = nRadius;
    const double dTheta = 2 * std::acos(nChord / r);
    return r * r * (dTheta - std::sin(dTheta)) / 2;
}

double GetConeUnionArea(int nRows, int nColumns, double dSpacingB1, double dSpacingB, double dRadius) {
    if (nRows < 1 || nColumns < 1 || !(dRadius > 0)) return 0;
    MultiPolygon united;
    for (int nRow = 0; nRow < nRows; ++nRow) {
        for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
            MultiPolygon next;
            bg::union_(united, CirclePolygon(nColumn * dSpacingB, nRow * dSpacingB1, dRadius), next);
            united = std::move(next);
        }
    }
    return bg::area(united);
}

namespace {

// The overlapping-cones formula of the pages for a grid without interior anchors.
double GetConeFormulaArea(int nRows, int nColumns, int nSpacingB1, int nSpacingB, int nSlabBe, int nDepthH) {
    const double dRadius = nSlabBe / 2.0 + nDepthH;
    const int n = nRows * nColumns;
    const double b1 = nSpacingB1, b = nSpacingB;
    if (std::sqrt(b1 * b1 + b * b) / 2 >= dRadius) {
        const int nRadius = nSlabBe / 2 + nDepthH;
        const double dSum = 2.0 * nDepthH + nSlabBe;
        const double dAn = n * M_PI / 4 * dSum * dSum;
        const double S1 = GetSegmentArea(nRadius, nSpacingB1 / 2);
        const double S2 = GetSegmentArea(nRadius, nSpacingB / 2);
        return dAn - 2 * (S1 + S2) - 4 * (nColumns - 2) * S2 - 4 * (nRows - 2) * S1 -
               4 * (n - 2 * (nRows + nColumns) + 4) * S1 * S2;
    }
    return ((nRows - 1) * b1 + 2 * dRadius * std::sin(std::acos(b / (2 * dRadius)))) *
           ((nColumns - 1) * b + 2 * dRadius * std::sin(std::acos(b1 / (2 * dRadius))));
}

// How far the formula may lie above the union before the union is taken: the union of the polygons
// is within a few millionths of the circles' own.
constexpr double kUnionTolerance = 1e-5;

}  // namespace

double GetConeProjectedArea(int nRows, int nColumns, int nSpacingB1, int nSpacingB, int nSlabBe, int nDepthH) {
    const double dUnion = GetConeUnionArea(nRows, nColumns, nSpacingB1, nSpacingB, nSlabBe / 2.0 + nDepthH);
    if (nRows >= 3 && nColumns >= 3) return dUnion;
    // The formula counts the concrete of close cones more than once (one column, anchors close
    // together): beyond the union of the cone circles it would overstate the capacity.
    const double dFormula = GetConeFormulaArea(nRows, nColumns, nSpacingB1, nSpacingB, nSlabBe, nDepthH);
    return dFormula > dUnion * (1 + kUnionTolerance) ? dUnion : dFormula;
}

double GetConeTensionPerArea(double dFt, int nDepthH, int nSlabBe) {
    const double h = nDepthH, be = nSlabBe;
    const double Nc = 0.0018849555921538759 * dFt * h * h * (1 + be / h);
    const double A0 = M_PI * h * h * std::pow(1 + be / (2 * h), 2);
    return A0 == 0 ? 0 : Nc / A0;
}
