#pragma once

#include "acge/Vector3d.h"

class AcGeMatrix3d;

// A point in space; the difference of two points is a vector.
class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double px, double py, double pz) : x(px), y(py), z(pz) {}

    AcGePoint3d& set(double px, double py, double pz)
    {
        x = px;
        y = py;
        z = pz;
        return *this;
    }
    // Applies the transform in place (defined with AcGeMatrix3d).
    AcGePoint3d& transformBy(const AcGeMatrix3d& m);
    double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }

    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    bool operator==(const AcGePoint3d& p) const { return x == p.x && y == p.y && z == p.z; }
    bool operator!=(const AcGePoint3d& p) const { return !(*this == p); }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
