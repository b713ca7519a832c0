#include "acge/Vector3d.h"

#include <algorithm>
#include <cmath>

const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

double AcGeVector3d::length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

double AcGeVector3d::dotProduct(const AcGeVector3d& v) const
{
    return x * v.x + y * v.y + z * v.z;
}

AcGeVector3d AcGeVector3d::crossProduct(const AcGeVector3d& v) const
{
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol)
{
    const double len = length();
    if (len > tol.equalVector) {
        x /= len;
        y /= len;
        z /= len;
    }
    return *this;
}

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis)
{
    // Rodrigues' rotation about the unit axis.
    AcGeVector3d k = axis;
    k.normalize();
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    *this = *this * c + k.crossProduct(*this) * s + k * (k.dotProduct(*this) * (1.0 - c));
    return *this;
}

double AcGeVector3d::angleTo(const AcGeVector3d& v) const
{
    // atan2 of the sine and cosine parts keeps precision near 0 and pi.
    const double sine = crossProduct(v).length();
    const double cosine = dotProduct(v);
    if (sine == 0.0 && cosine == 0.0)
        return 0.0;
    return std::atan2(sine, cosine);
}

double AcGeVector3d::angleTo(const AcGeVector3d& v, const AcGeVector3d& reference) const
{
    const double angle = angleTo(v);
    if (crossProduct(v).dotProduct(reference) < 0.0) {
        const double turned = 2.0 * M_PI - angle;
        return turned >= 2.0 * M_PI ? 0.0 : turned;
    }
    return angle;
}
