#pragma once

#include "acge/Point3d.h"

// An affine transform of space: a 3 x 3 linear part and a translation (the last row of the
// homogeneous 4 x 4 matrix is 0 0 0 1). A product A * B applies B first, then A.
class AcGeMatrix3d {
public:
    static const AcGeMatrix3d kIdentity;

    AcGeMatrix3d();

    // Uniform scaling by scale that keeps center in place.
    AcGeMatrix3d& setToScaling(double scale, const AcGePoint3d& center = AcGePoint3d());
    AcGeMatrix3d& setToTranslation(const AcGeVector3d& v);
    // Replaces the translation part and keeps the linear part.
    AcGeMatrix3d& setTranslation(const AcGeVector3d& v);
    // The inverse; a singular linear part gives the identity.
    AcGeMatrix3d inverse() const;

    AcGeMatrix3d operator*(const AcGeMatrix3d& m) const;
    AcGePoint3d apply(const AcGePoint3d& p) const;

    double entry[3][4];
};
