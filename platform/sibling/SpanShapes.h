// The shapes that every load kind of a span is made of (a force, a clockwise couple, a linear piece
// of line load) and what the analysis needs of them: the equivalent nodal loads of a span with both
// ends supported, the statics of a cantilever, and the internal forces left of a section.
// Positions are m from the span's left end; loads act downwards when positive.
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
ShapeStatics StaticsOf(const SpanShape& shape);

// ∫ over the span of the moment that the shape adds to the sections right of it, m(x), where the
// bending moment is M(x) = M0 + V0·x − m(x).
double IntegratedShapeMoment(const SpanShape& shape, double length);

// What the part of the shape left of x (up to x, included) takes from V and from M.
struct SectionEffect {
    double shear;
    double moment;
};
SectionEffect EffectLeftOf(const SpanShape& shape, double x);

}  // namespace qelt::sibling
