#pragma once

#include "acge/Tolerance.h"

// A vector in space with the usual algebra; angles are radians.
class AcGeVector3d {
public:
    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kZAxis;

    AcGeVector3d() = default;
    AcGeVector3d(double dx, double dy, double dz) : x(dx), y(dy), z(dz) {}

    double length() const;
    double dotProduct(const AcGeVector3d& v) const;
    AcGeVector3d crossProduct(const AcGeVector3d& v) const;
    // Scales to length 1; a vector no longer than the tolerance stays as it is.
    AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
    // Turns the vector in place counter-clockwise by angle about axis (right-hand rule).
    AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);
    // The unsigned angle between the vectors, 0..pi (0 when either is zero).
    double angleTo(const AcGeVector3d& v) const;
    // The angle from this vector to v, counter-clockwise about reference, in [0, 2pi).
    double angleTo(const AcGeVector3d& v, const AcGeVector3d& reference) const;

    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }
