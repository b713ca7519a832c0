// The shapes that every load kind of a span is made of (a force, a clockwise couple, a linear piece
// of line load) and what the analysis needs of them: the equivalent nodal loads of a span with both
// ends supported, the statics of a cantilever, and the internal forces left of a section.
// Positions are m from the span's left end; loads act downwards when positive. What the analysis
// runs at every point of a span is inline.
#pragma once

#include <vector>

class CSteelSpanLoad;

namespace qelt::sibling {

struct SpanShape {
    enum Kind { Force, Couple, Piece };
    Kind kind;
    double v1;  // P, C (clockwise) or q1 at x1
    double v2;  // q2 at x2 (a piece only)
    double x1;  // a, or where a piece starts
    double x2;  // where a piece ends (x2 > x1)
};

// Appends the shapes of a load record on a span of length L. False, leaving the shapes appended so
// far, for a value that is not finite or a load that does not lie on the span (within 1e-9·L).
bool AppendSpanShapes(const CSteelSpanLoad& load, double length, std::vector<SpanShape>& shapes);

// The equivalent nodal loads (vertical force up and moment counter-clockwise at the left end, then
// at the right end) of a shape on a span with both ends held: minus the fixed-end reactions.
void AddEquivalentNodalLoads(const SpanShape& shape, double length, double loads[4]);

// Statics of a shape: its downward resultant, the resultant's moment about the span's left end and
// its clockwise couple.
struct ShapeStatics {
    double force;
    double firstMoment;
    double couple;
};
inline ShapeStatics StaticsOf(const SpanShape& shape) {
    switch (shape.kind) {
    case SpanShape::Force: return {shape.v1, shape.v1 * shape.x1, 0.0};
    case SpanShape::Couple: return {0.0, 0.0, shape.v1};
    case SpanShape::Piece:
    default: {
        const double c = shape.x2 - shape.x1;
        return {0.5 * (shape.v1 + shape.v2) * c,
                c / 6.0 * (3.0 * shape.x1 * (shape.v1 + shape.v2) + c * (shape.v1 + 2.0 * shape.v2)), 0.0};
    }
    }
}

// ∫ over the span of the moment that the shape adds to the sections right of it, m(x), where the
// bending moment is M(x) = M0 + V0·x − m(x).
double IntegratedShapeMoment(const SpanShape& shape, double length);

// What the part of the shape left of x (up to x, included) takes from V and from M; by kind, and
// for a piece apart inside it (x1 <= x < x2) and beyond it (x >= x2), for loops over many points.
struct SectionEffect {
    double shear;
    double moment;
};
inline SectionEffect ForceEffect(const SpanShape& shape, double x) { return {shape.v1, shape.v1 * (x - shape.x1)}; }
// A clockwise couple raises M to its right.
inline SectionEffect CoupleEffect(const SpanShape& shape) { return {0.0, -shape.v1}; }
inline SectionEffect PieceEffectInside(const SpanShape& shape, double x) {
    const double u = x - shape.x1, slope = (shape.v2 - shape.v1) / (shape.x2 - shape.x1);
    return {shape.v1 * u + 0.5 * slope * u * u, 0.5 * shape.v1 * u * u + slope * u * u * u / 6.0};
}
inline SectionEffect PieceEffectBeyond(const ShapeStatics& statics, double x) {
    return {statics.force, statics.force * x - statics.firstMoment};
}
inline SectionEffect EffectLeftOf(const SpanShape& shape, double x) {
    switch (shape.kind) {
    case SpanShape::Force: return ForceEffect(shape, x);
    case SpanShape::Couple: return CoupleEffect(shape);
    case SpanShape::Piece:
    default: return x >= shape.x2 ? PieceEffectBeyond(StaticsOf(shape), x) : PieceEffectInside(shape, x);
    }
}

}  // namespace qelt::sibling
