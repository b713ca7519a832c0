#pragma once

// Algorithms on whole segments and closed polylines with arc segments: intersections of lines,
// segments, arcs and circles, crossing and containment tests, distances, box, orientation,
// centroid and the interior-angle test. Every polyline is taken as closed.
//
// An intersection's mode says which figure is bounded: 0 both, 1 only the second, 2 only the first,
// 3 neither. An arc is given by its centre C, radius R and counter-clockwise angles a1 to a2.

#include "acge/PointArray.h"
#include "mfc/base/Array.h"
#include "slab/irregular/BoardPolyline.h"

PointArray GetLineLineIntersection(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d p4, int mode);
PointArray GetLineArcIntersections(AcGePoint3d p1, AcGePoint3d p2, double a1, double a2, double r,
                                   AcGePoint3d c, int mode);
PointArray GetArcArcIntersections(const AcGePoint3d& c1, const double& a1, const double& a2, const double& r1,
                                  const AcGePoint3d& c2, const double& b1, const double& b2, const double& r2,
                                  int mode);
int SegmentsIntersect(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d);
int SegmentCrossesArc(AcGePoint3d p1, AcGePoint3d p2, double a1, double a2, double r, AcGePoint3d c);
int ArcsCross(const AcGePoint3d& c1, const double& a1, const double& a2, const double& r1, const AcGePoint3d& c2,
              const double& b1, const double& b2, const double& r2, AcGePoint3d e1, AcGePoint3d e2);
int SegmentsCross(AcGePoint3d p1, AcGePoint3d p2, double bulge1, AcGePoint3d p3, AcGePoint3d p4, double bulge2);
double GetSegmentArcDistance(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d, double bulge);
double GetArcArcCenterLineDistance(const AcGePoint3d& c1, const double& a1, const double& a2, const double& r1,
                                   const AcGePoint3d& c2, const double& b1, const double& b2,
                                   const double& r2);
double GetArcArcDistance(AcGePoint3d p1, AcGePoint3d p2, double bulge1, AcGePoint3d p3, AcGePoint3d p4,
                         double bulge2);
int GetPolylineExtents(const CBoardPolyline& poly, AcGePoint3d& lower, AcGePoint3d& upper);
// Points every step along the polyline from its first vertex, and its last vertex; the step grows
// so that there are at most 100000, and a polyline whose length is no number gives its vertices.
PointArray SamplePolyline(const CBoardPolyline& poly, double step);
int GetPolygonOrientation(const CBoardPolyline& poly, int& orientation);
int GetPolygonCentroid(const CBoardPolyline& poly, AcGePoint3d& point);
int CheckPolylineAngles(const CBoardPolyline& poly);
// 1 inside or on the boundary (within 0.1 of a straight edge, on an arc), -1 outside.
int PointInPolyline(AcGePoint3d p, const CBoardPolyline& poly);
int PolylineInsidePolyline(CBoardPolyline outer, CBoardPolyline inner);
int PolylinesOverlap(const CBoardPolyline& a, const CBoardPolyline& b);
double GetPolylineDistance(const CBoardPolyline& a, const CBoardPolyline& b);
int HolesOverlap(const CArray<CBoardPolyline, const CBoardPolyline&>& holes);
