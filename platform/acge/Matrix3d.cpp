#include "acge/Matrix3d.h"

#include <cmath>

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeMatrix3d::AcGeMatrix3d()
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scale, const AcGePoint3d& center)
{
    *this = AcGeMatrix3d();
    const double origin[3] = {center.x, center.y, center.z};
    for (int r = 0; r < 3; ++r) {
        entry[r][r] = scale;
        entry[r][3] = origin[r] * (1.0 - scale);
    }
    return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& v)
{
    *this = AcGeMatrix3d();
    return setTranslation(v);
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& v)
{
    entry[0][3] = v.x;
    entry[1][3] = v.y;
    entry[2][3] = v.z;
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const
{
    const double(*a)[4] = entry;
    const double c00 = a[1][1] * a[2][2] - a[1][2] * a[2][1];
    const double c01 = a[1][2] * a[2][0] - a[1][0] * a[2][2];
    const double c02 = a[1][0] * a[2][1] - a[1][1] * a[2][0];
    const double det = a[0][0] * c00 + a[0][1] * c01 + a[0][2] * c02;
    AcGeMatrix3d inv;
    if (det == 0.0 || !std::isfinite(det)) return inv;
    const double adj[3][3] = {
        {c00, a[0][2] * a[2][1] - a[0][1] * a[2][2], a[0][1] * a[1][2] - a[0][2] * a[1][1]},
        {c01, a[0][0] * a[2][2] - a[0][2] * a[2][0], a[0][2] * a[1][0] - a[0][0] * a[1][2]},
        {c02, a[0][1] * a[2][0] - a[0][0] * a[2][1], a[0][0] * a[1][1] - a[0][1] * a[1][0]},
    };
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) inv.entry[r][c] = adj[r][c] / det;
        inv.entry[r][3] = 0.0;
        for (int c = 0; c < 3; ++c) inv.entry[r][3] -= inv.entry[r][c] * a[c][3];
    }
    return inv;
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& m) const
{
    AcGeMatrix3d product;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = c == 3 ? entry[r][3] : 0.0;
            for (int k = 0; k < 3; ++k) sum += entry[r][k] * m.entry[k][c];
            product.entry[r][c] = sum;
        }
    return product;
}

AcGePoint3d AcGeMatrix3d::apply(const AcGePoint3d& p) const
{
    const double in[3] = {p.x, p.y, p.z};
    double out[3];
    for (int r = 0; r < 3; ++r) out[r] = entry[r][0] * in[0] + entry[r][1] * in[1] + entry[r][2] * in[2] + entry[r][3];
    return {out[0], out[1], out[2]};
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m)
{
    return *this = m.apply(*this);
}
