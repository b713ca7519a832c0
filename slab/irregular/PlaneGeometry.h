#pragma once

// Free functions on points, straight segments and arc segments in the plane z = 0, in millimetres.
// A segment's bulge is tan(theta/4) of its included angle theta: 0 straight, positive for an arc
// counter-clockwise from its start to its end. The tolerances are fixed model units (see the .cpp).
// Arc functions need a bulge other than 0; a zero bulge or a zero chord gives a zero result in place
// of an infinite one.

#include "acge/PointArray.h"

double GetSlope(AcGePoint3d p1, AcGePoint3d p2);
double GetDistance(AcGePoint3d p1, AcGePoint3d p2);
AcGePoint3d GetMidPoint(AcGePoint3d p1, AcGePoint3d p2);
int IsPointInRect(double x, double y, double left, double right, double top, double bottom);
int IsSamePoint(AcGePoint3d p1, AcGePoint3d p2);
int GetTurnDirection(AcGePoint3d p0, AcGePoint3d p1, AcGePoint3d p2);
AcGePoint3d GetNormalPoint(AcGePoint3d p1, AcGePoint3d p2);
double GetArcHeight(double chord, double bulge);
double GetBulgeFromHeight(double chord, double height);
double GetSegmentLength(AcGePoint3d p1, AcGePoint3d p2, double bulge);
double GetArcLength(AcGePoint3d p1, AcGePoint3d p2, double bulge);
AcGePoint3d GetArcCenter(AcGePoint3d p1, AcGePoint3d p2, double bulge);
int GetArcParameters(AcGePoint3d p1, AcGePoint3d p2, double bulge, AcGePoint3d& center,
                     double& startAngle, double& endAngle, double& radius);
int GetArcExtents(AcGePoint3d p1, AcGePoint3d p2, double bulge, AcGePoint3d& upper,
                  AcGePoint3d& lower);
int BoundingBoxesOverlap(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d p4);
AcGePoint3d GetPerpendicularFoot(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b);
int IsPointOnSegment(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b);
int IsPointNearSegment(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b, double tolerance);
int IsPointOnArc(AcGePoint3d p, double a1, double a2, AcGePoint3d center, double radius);
double GetPointSegmentDistance(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b);
double GetSegmentDistance(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, AcGePoint3d d);
double GetPointArcDistance(AcGePoint3d p, AcGePoint3d a, AcGePoint3d b, double a1, double a2,
                           AcGePoint3d center, double radius);
double GetBulgeFrom3Points(AcGePoint3d p0, AcGePoint3d p1, AcGePoint3d p2);
double GetPolygonArea(const PointArray& points);

// The polar angle of p about center, counter-clockwise from +x, in (0, 2pi]: +x itself gives 2pi.
double GetPolarAngle(AcGePoint3d p, AcGePoint3d center);
