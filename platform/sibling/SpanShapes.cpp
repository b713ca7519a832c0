#include "sibling/SpanShapes.h"

#include <algorithm>
#include <cmath>

#include "sibling/SteelSpanLoad.h"

namespace qelt::sibling {

namespace {

// Gauss–Legendre with three points on [0, 1]: exact for polynomials up to the fifth degree, so for
// a linear load times a cubic shape function.
const double kGaussPoints[3] = {0.5 - 0.3872983346207417, 0.5, 0.5 + 0.3872983346207417};
const double kGaussWeights[3] = {5.0 / 18.0, 8.0 / 18.0, 5.0 / 18.0};

// Adds a linear piece from q1 at x1 to q2 at x2; a piece of no length carries nothing.
void AddPiece(double q1, double q2, double x1, double x2, std::vector<SpanShape>& shapes) {
    if (x2 > x1) shapes.push_back({SpanShape::Piece, q1, q2, x1, x2});
}

// Brings a position within the tolerance of the span's ends onto them; false when it lies further out.
bool OnSpan(double& x, double from, double to, double tolerance) {
    if (!std::isfinite(x) || x < from - tolerance || x > to + tolerance) return false;
    x = std::clamp(x, from, to);
    return true;
}

// The Hermite shape functions of a beam element at ξ = x/L and their slopes d/dx.
void ShapeFunctions(double xi, double length, double n[4], double slope[4]) {
    const double xi2 = xi * xi, xi3 = xi2 * xi;
    n[0] = 1.0 - 3.0 * xi2 + 2.0 * xi3;
    n[1] = length * (xi - 2.0 * xi2 + xi3);
    n[2] = 3.0 * xi2 - 2.0 * xi3;
    n[3] = length * (xi3 - xi2);
    slope[0] = (6.0 * xi2 - 6.0 * xi) / length;
    slope[1] = 1.0 - 4.0 * xi + 3.0 * xi2;
    slope[2] = (6.0 * xi - 6.0 * xi2) / length;
    slope[3] = 3.0 * xi2 - 2.0 * xi;
}

double PieceIntensity(const SpanShape& piece, double x) {
    return piece.v1 + (piece.v2 - piece.v1) * (x - piece.x1) / (piece.x2 - piece.x1);
}

}  // namespace

bool AppendSpanShapes(const CSteelSpanLoad& load, double length, std::vector<SpanShape>& shapes) {
    const double tolerance = 1e-9 * length, half = 0.5 * length;
    for (int i = 0; i < load.m_CenLoadArr.GetSize(); ++i) {
        NormalLoad force = load.m_CenLoadArr[i];
        if (!std::isfinite(force.m_dLoadValue) || !OnSpan(force.m_dPosA, 0.0, length, tolerance)) return false;
        shapes.push_back({SpanShape::Force, force.m_dLoadValue, 0.0, force.m_dPosA, force.m_dPosA});
    }
    for (int i = 0; i < load.m_CenMomArr.GetSize(); ++i) {
        NormalLoad couple = load.m_CenMomArr[i];
        if (!std::isfinite(couple.m_dLoadValue) || !OnSpan(couple.m_dPosA, 0.0, length, tolerance)) return false;
        shapes.push_back({SpanShape::Couple, couple.m_dLoadValue, 0.0, couple.m_dPosA, couple.m_dPosA});
    }
    for (int i = 0; i < load.m_DisLoadArr.GetSize(); ++i) {
        const double q = load.m_DisLoadArr[i];
        if (!std::isfinite(q)) return false;
        AddPiece(q, q, 0.0, length, shapes);
    }
    for (int i = 0; i < load.m_TriLoadArr.GetSize(); ++i) {
        const double q = load.m_TriLoadArr[i];
        if (!std::isfinite(q)) return false;
        AddPiece(0.0, q, 0.0, half, shapes);
        AddPiece(q, 0.0, half, length, shapes);
    }
    for (int i = 0; i < load.m_TraLoadArr.GetSize(); ++i) {
        NormalLoad trapezoid = load.m_TraLoadArr[i];
        const double q = trapezoid.m_dLoadValue;
        double& a = trapezoid.m_dPosA;
        if (!std::isfinite(q) || !OnSpan(a, 0.0, half, tolerance)) return false;
        AddPiece(0.0, q, 0.0, a, shapes);
        AddPiece(q, q, a, length - a, shapes);
        AddPiece(q, 0.0, length - a, length, shapes);
    }
    for (int i = 0; i < load.m_AnyLoadArr.GetSize(); ++i) {
        AnyLoad partial = load.m_AnyLoadArr[i];
        double end = partial.m_dPosA + partial.m_dPosC;
        if (!std::isfinite(partial.m_dLoadValue1) || !std::isfinite(partial.m_dLoadValue2) ||
            !(partial.m_dPosC >= -tolerance) || !OnSpan(partial.m_dPosA, 0.0, length, tolerance) ||
            !OnSpan(end, partial.m_dPosA, length, tolerance))
            return false;
        AddPiece(partial.m_dLoadValue1, partial.m_dLoadValue2, partial.m_dPosA, end, shapes);
    }
    return true;
}

void AddEquivalentNodalLoads(const SpanShape& shape, double length, double loads[4]) {
    double n[4], slope[4];
    switch (shape.kind) {
    case SpanShape::Force:
        ShapeFunctions(shape.x1 / length, length, n, slope);
        for (int i = 0; i < 4; ++i) loads[i] -= shape.v1 * n[i];
        break;
    case SpanShape::Couple:  // a clockwise couple C works through the slope as −C·θ
        ShapeFunctions(shape.x1 / length, length, n, slope);
        for (int i = 0; i < 4; ++i) loads[i] -= shape.v1 * slope[i];
        break;
    case SpanShape::Piece: {
        const double c = shape.x2 - shape.x1;
        for (int g = 0; g < 3; ++g) {
            const double x = shape.x1 + c * kGaussPoints[g];
            const double weight = kGaussWeights[g] * c * PieceIntensity(shape, x);
            ShapeFunctions(x / length, length, n, slope);
            for (int i = 0; i < 4; ++i) loads[i] -= weight * n[i];
        }
        break;
    }
    }
}

double IntegratedShapeMoment(const SpanShape& shape, double length) {
    switch (shape.kind) {
    case SpanShape::Force: return 0.5 * shape.v1 * (length - shape.x1) * (length - shape.x1);
    case SpanShape::Couple: return -shape.v1 * (length - shape.x1);
    case SpanShape::Piece:
    default: {
        // ∫ w(t)·(L − t)²/2 dt: a cubic, which three Gauss points integrate exactly.
        const double c = shape.x2 - shape.x1;
        double sum = 0.0;
        for (int g = 0; g < 3; ++g) {
            const double t = shape.x1 + c * kGaussPoints[g];
            sum += kGaussWeights[g] * c * PieceIntensity(shape, t) * 0.5 * (length - t) * (length - t);
        }
        return sum;
    }
    }
}

}  // namespace qelt::sibling
