// CSteelBeam::CalBeamStruct: the stiffness analysis of the continuous beam and the envelopes.
//
// Model: nodes at the beam's ends and at the inner supports, no vertical movement at any supported
// node, so the unknowns are the rotations of the supported nodes that are not fixed. A span with both
// ends supported adds the bending stiffness 4EI/L, 2EI/L of its ends; a cantilever adds none and
// hands its loads' moment to its supported node. EI = Ec·I with Ec in N/mm² (×1000 to kN/m²).
// The system is tridiagonal and factorised once; every load case is one more right-hand side.
//
// Internal forces of a span and case: from the end forces at x = 0, M(x) = M0 + V0·x − (loads left
// of x), V(x) = V0 − (loads left of x), at 601 points; a concentrated load exactly on a point counts
// to its right there, and its left side is kept in an extra column so that the envelope takes the
// worse side.
//
// Combination at every point, separately for the largest sagging and hogging moment and the
// largest positive and negative shear: every dead case × γG, and each live case × γQ where it makes
// that effect worse. Values within 1e-9 of the loads' own scale count as zero, so that rounding
// neither adds a case to a set nor leaves a sign where statics gives none.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "sibling/SpanShapes.h"
#include "sibling/SteelBeam.h"

using qelt::sibling::SpanShape;

namespace {

const int kLast = BEAM_ENVELOPE_POINTS - 1;
const double kZeroTolerance = 1e-9;

enum SpanType { Supported, LeftCantilever, RightCantilever };

// The left end of a span under one case with factor 1, before any load at x = 0.
struct EndForces {
    double moment;
    double shear;
};

// A concentrated load that sits exactly on an envelope point inside the span.
struct Jump {
    int point;
    double shear;   // left side − right side
    double moment;
};

// Solves the tridiagonal system factorised once (no pivoting: the matrix is symmetric and
// diagonally dominant).
class Tridiagonal {
public:
    bool Factorise(const std::vector<double>& below, const std::vector<double>& diagonal, const std::vector<double>& above) {
        const size_t n = diagonal.size();
        m_below = below;
        m_pivot.assign(n, 0.0);
        m_upper.assign(n, 0.0);
        for (size_t i = 0; i < n; ++i) {
            const double pivot = diagonal[i] - (i > 0 ? below[i] * m_upper[i - 1] : 0.0);
            if (!(pivot > 0.0) || !std::isfinite(pivot)) return false;
            m_pivot[i] = pivot;
            m_upper[i] = above[i] / pivot;
        }
        return true;
    }

    // Overwrites the right-hand side with the solution.
    void Solve(double* x) const {
        const size_t n = m_pivot.size();
        for (size_t i = 0; i < n; ++i) x[i] = (x[i] - (i > 0 ? m_below[i] * x[i - 1] : 0.0)) / m_pivot[i];
        for (size_t i = n - 1; i-- > 0;) x[i] -= m_upper[i] * x[i + 1];
    }

private:
    std::vector<double> m_below, m_pivot, m_upper;
};

// The loads of every span and case as shapes, the first record of each case on each span.
class BeamShapes {
public:
    bool Build(const CSteelBeam& beam) {
        const int spans = beam.getSpanNum(), cases = beam.GetComNum();
        m_cases = cases;
        m_begin.assign(static_cast<size_t>(spans * cases) + 1, 0);
        for (int s = 0; s < spans; ++s) {
            CSteelSpan* span = beam.getSpan(s);
            for (int k = 0; k < cases; ++k) {
                for (int r = 0; r < span->m_SpanLoadArr.GetSize(); ++r) {
                    const CSteelSpanLoad* load = span->m_SpanLoadArr[r];
                    if (load->m_nComIndex != k) continue;
                    if (!qelt::sibling::AppendSpanShapes(*load, span->m_dSpanLen, m_shapes)) return false;
                    break;
                }
                m_begin[static_cast<size_t>(s * cases + k) + 1] = m_shapes.size();
            }
        }
        return true;
    }

    // How many forces and couples the beam carries: no span has more points with a load on them.
    size_t PointLoadCount() const {
        return static_cast<size_t>(std::count_if(m_shapes.begin(), m_shapes.end(),
                                                 [](const SpanShape& shape) { return shape.kind != SpanShape::Piece; }));
    }

    const SpanShape* begin(int span, int loadCase) const { return m_shapes.data() + m_begin[Index(span, loadCase)]; }
    const SpanShape* end(int span, int loadCase) const { return m_shapes.data() + m_begin[Index(span, loadCase) + 1]; }

private:
    size_t Index(int span, int loadCase) const { return static_cast<size_t>(span * m_cases + loadCase); }

    int m_cases = 0;
    std::vector<size_t> m_begin;
    std::vector<SpanShape> m_shapes;
};

struct Range {
    const SpanShape* first;
    const SpanShape* last;
    const SpanShape* begin() const { return first; }
    const SpanShape* end() const { return last; }
};

// Where a concentrated load at a lies against the points: the first point that takes it (its right
// side), and the point it sits on exactly, or -1.
void PointLoadPlace(double a, double length, int* first, int* onPoint) {
    const double step = length / kLast;
    const long nearest = std::lround(a / step);
    *onPoint = -1;
    if (std::fabs(a - nearest * step) <= kZeroTolerance * length) {
        *first = nearest >= kLast ? kLast + 1 : static_cast<int>(nearest);  // at x = L only its left side counts
        if (nearest > 0 && nearest < kLast) *onPoint = static_cast<int>(nearest);
    } else {
        *first = static_cast<int>(std::floor(a / step)) + 1;
    }
}

double PointX(int i, double length) { return i == kLast ? length : i * (length / kLast); }

// The positions of the 601 points of a span.
void PointPositions(double length, double* xs) {
    for (int i = 0; i <= kLast; ++i) xs[i] = PointX(i, length);
}

// Fills the moments and shears of one span and case at the 601 points and records the case's jumps.
void FillCase(const Range& shapes, const double* xs, EndForces end, double* __restrict moment,
              double* __restrict shear, std::vector<Jump>& jumps) {
    const double length = xs[kLast];
    for (int i = 0; i <= kLast; ++i) {
        moment[i] = end.moment + end.shear * xs[i];
        shear[i] = end.shear;
    }
    for (const SpanShape& shape : shapes) {
        int first = 0;
        if (shape.kind == SpanShape::Piece) {
            first = std::max(0, static_cast<int>(std::floor(shape.x1 / (length / kLast))) - 1);
            while (first <= kLast && xs[first] <= shape.x1) ++first;
        } else {
            int onPoint = -1;
            PointLoadPlace(shape.x1, length, &first, &onPoint);
            if (onPoint >= 0) {
                const qelt::sibling::SectionEffect right = qelt::sibling::EffectLeftOf(shape, shape.x1);
                jumps.push_back({onPoint, right.shear, right.moment});
            }
        }
        for (int i = first; i <= kLast; ++i) {
            const qelt::sibling::SectionEffect effect = qelt::sibling::EffectLeftOf(shape, xs[i]);
            moment[i] -= effect.moment;
            shear[i] -= effect.shear;
        }
    }
}

// A set of load cases while combining: as wide as a double, so that the loops over values and sets
// run in the same vector lanes.
typedef std::uint64_t CaseSet;

// The combined effects of one span: columns 0..600 are the points, the others the left sides of
// points with a concentrated load.
struct Combination {
    void Resize(size_t columns) {
        for (std::vector<double>* values : {&posMoment, &negMoment, &posShear, &negShear}) values->assign(columns, 0.0);
        for (std::vector<CaseSet>* masks : {&posMomentCases, &negMomentCases, &posShearCases, &negShearCases})
            masks->assign(columns, 0);
    }

    std::vector<double> posMoment, negMoment, posShear, negShear;
    std::vector<CaseSet> posMomentCases, negMomentCases, posShearCases, negShearCases;
};

// Adds γ·values of one case: always (a dead case), or where it makes the effect worse (a live one).
void AddCase(const double* __restrict values, size_t columns, double factor, bool dead, CaseSet bit, double tolerance,
             double* __restrict positive, CaseSet* __restrict positiveCases, double* __restrict negative,
             CaseSet* __restrict negativeCases) {
    if (dead) {
        for (size_t i = 0; i < columns; ++i) {
            positive[i] += factor * values[i];
            negative[i] += factor * values[i];
        }
        return;
    }
    // Values and case sets in separate loops, each of which runs in vector lanes.
    for (size_t i = 0; i < columns; ++i) {
        const double effect = factor * values[i];
        positive[i] += effect > tolerance ? effect : 0.0;
        negative[i] += effect < -tolerance ? effect : 0.0;
    }
    for (size_t i = 0; i < columns; ++i) {
        const double effect = factor * values[i];
        positiveCases[i] |= effect > tolerance ? bit : 0;
        negativeCases[i] |= effect < -tolerance ? bit : 0;
    }
}

// Takes the left side of a point into the point when it is worse.
void TakeWorse(std::vector<double>& values, std::vector<CaseSet>& cases, int point, size_t column, int sign) {
    if (sign * values[column] > sign * values[point]) {
        values[point] = values[column];
        cases[point] = cases[column];
    }
}

void WriteEnvelope(CalValue* envelope, const std::vector<double>& values, const std::vector<CaseSet>& cases, int sign,
                   double tolerance) {
    for (int i = 0; i <= kLast; ++i) {
        const bool kept = sign * values[i] > tolerance;
        envelope[i] = CalValue{kept ? values[i] : 0.0, kept ? static_cast<DWORD>(cases[i]) : 0};
    }
}

// The analysis; false, before any result is written, for a beam that cannot be analysed.
bool Analyse(CSteelBeam& beam) {
    const int spans = beam.getSpanNum(), cases = beam.GetComNum(), nodes = spans + 1;
    if (!beam.CheckStruct() || cases > BEAM_MAX_CASES || !std::isfinite(beam.m_dConLoadScale) || !std::isfinite(beam.m_dVarLoadScale))
        return false;
    for (int k = 0; k < cases; ++k) {
        if (beam.m_ComStyleArr[k] != BEAM_CASE_DEAD && beam.m_ComStyleArr[k] != BEAM_CASE_LIVE) return false;
    }
    std::vector<double> stiffness(static_cast<size_t>(spans));  // EI (kN·m²)
    std::vector<SpanType> types(static_cast<size_t>(spans), Supported);
    for (int s = 0; s < spans; ++s) {
        const CSteelSpan* span = beam.m_SpanArr[s];
        stiffness[s] = beam.m_dElastModulus * 1000.0 * span->m_dSectIx0;
        if (!(span->m_dSpanLen > 0.0) || !std::isfinite(span->m_dSpanLen) || !(stiffness[s] > 0.0) ||
            !std::isfinite(stiffness[s]))
            return false;
    }
    if (beam.m_nLeftSupport == BEAM_END_FREE) types[0] = LeftCantilever;
    if (beam.m_nRightSupport == BEAM_END_FREE) types[spans - 1] = RightCantilever;
    BeamShapes shapes;
    if (!shapes.Build(beam)) return false;

    // The rotational stiffness of the supported nodes; held nodes keep the row θ = 0.
    std::vector<bool> held(static_cast<size_t>(nodes), false);
    held[0] = beam.m_nLeftSupport != BEAM_END_SIMPLE;
    held[spans] = beam.m_nRightSupport != BEAM_END_SIMPLE;
    std::vector<double> below(nodes, 0.0), diagonal(nodes, 0.0), above(nodes, 0.0);
    for (int s = 0; s < spans; ++s) {
        if (types[s] != Supported) continue;
        const double k = stiffness[s] / beam.m_SpanArr[s]->m_dSpanLen;
        diagonal[s] += 4.0 * k;
        diagonal[s + 1] += 4.0 * k;
        if (!held[s] && !held[s + 1]) {
            above[s] = 2.0 * k;
            below[s + 1] = 2.0 * k;
        }
    }
    for (int j = 0; j < nodes; ++j) {
        if (held[j]) diagonal[j] = 1.0;
    }
    Tridiagonal system;
    if (!system.Factorise(below, diagonal, above)) return false;

    // Every case's nodal moments, rotations and span end forces; the last row is all cases together.
    std::vector<double> rotations(static_cast<size_t>((cases + 1) * nodes), 0.0);
    std::vector<double> nodalLoads(static_cast<size_t>(spans * cases * 4), 0.0);  // per span and case
    std::vector<double> scale(2, 0.0);  // moment and shear scale of the factored loads
    for (int k = 0; k < cases; ++k) {
        const double factor = std::fabs(beam.m_ComStyleArr[k] == BEAM_CASE_DEAD ? beam.m_dConLoadScale : beam.m_dVarLoadScale);
        double* rhs = &rotations[static_cast<size_t>(k * nodes)];
        double* all = &rotations[static_cast<size_t>(cases * nodes)];
        for (int s = 0; s < spans; ++s) {
            const double length = beam.m_SpanArr[s]->m_dSpanLen;
            double* loads = &nodalLoads[static_cast<size_t>((s * cases + k) * 4)];
            for (const SpanShape& shape : Range{shapes.begin(s, k), shapes.end(s, k)}) {
                const qelt::sibling::ShapeStatics statics = qelt::sibling::StaticsOf(shape);
                scale[0] += factor * (std::fabs(statics.force) * length + std::fabs(statics.couple));
                scale[1] += factor * (std::fabs(statics.force) + std::fabs(statics.couple) / length);
                if (types[s] == Supported) {
                    qelt::sibling::AddEquivalentNodalLoads(shape, length, loads);
                } else if (types[s] == LeftCantilever) {
                    loads[3] += statics.force * length - statics.firstMoment - statics.couple;
                } else {
                    loads[1] += -statics.firstMoment - statics.couple;
                }
            }
            rhs[s] += loads[1];
            rhs[s + 1] += loads[3];
        }
        for (int j = 0; j < nodes; ++j) {
            if (held[j]) rhs[j] = 0.0;
            all[j] += rhs[j];
        }
    }
    beam.m_BeamFunction.SetDimension(nodes);
    for (int j = 0; j < nodes; ++j)
        beam.m_BeamFunction.SetRow(j, below[j], diagonal[j], above[j], rotations[static_cast<size_t>(cases * nodes + j)]);
    for (int k = 0; k <= cases; ++k) system.Solve(&rotations[static_cast<size_t>(k * nodes)]);
    const double momentTolerance = kZeroTolerance * scale[0], shearTolerance = kZeroTolerance * scale[1];

    CaseSet deadCases = 0;
    for (int k = 0; k < cases; ++k) {
        if (beam.m_ComStyleArr[k] == BEAM_CASE_DEAD) deadCases |= CaseSet(1) << k;
    }
    std::vector<double> moments, shears;  // one case of a span, combined before the next is filled
    std::vector<Jump> jumps;
    std::vector<int> sides;  // points of the span with a concentrated load
    double xs[BEAM_ENVELOPE_POINTS];
    Combination combination;
    const size_t widest = BEAM_ENVELOPE_POINTS + shapes.PointLoadCount();
    moments.resize(widest);
    shears.resize(widest);
    combination.Resize(widest);
    for (int s = 0; s < spans; ++s) {
        CSteelSpan* span = beam.m_SpanArr[s];
        const double length = span->m_dSpanLen, k = stiffness[s] / length;
        const auto endForces = [&](int loadCase) -> EndForces {
            const double* theta = &rotations[static_cast<size_t>(loadCase * nodes)];
            const Range range{shapes.begin(s, loadCase), shapes.end(s, loadCase)};
            if (types[s] == LeftCantilever) return {0.0, 0.0};
            if (types[s] == RightCantilever) {
                double force = 0.0, firstMoment = 0.0;
                for (const SpanShape& shape : range) {
                    const qelt::sibling::ShapeStatics statics = qelt::sibling::StaticsOf(shape);
                    force += statics.force;
                    firstMoment += statics.firstMoment + statics.couple;
                }
                return {-firstMoment, force};
            }
            const double* loads = &nodalLoads[static_cast<size_t>((s * cases + loadCase) * 4)];
            return {-(4.0 * k * theta[s] + 2.0 * k * theta[s + 1] - loads[1]),
                    6.0 * k / length * (theta[s] + theta[s + 1]) - loads[0]};
        };

        // End rotations of all cases with factor 1; a cantilever's free end turns by ∫M/EI more.
        double left = rotations[static_cast<size_t>(cases * nodes + s)];
        double right = rotations[static_cast<size_t>(cases * nodes + s + 1)];
        if (types[s] != Supported) {
            double area = 0.0;  // ∫M dx of all cases
            for (int c = 0; c < cases; ++c) {
                const EndForces end = endForces(c);
                area += end.moment * length + 0.5 * end.shear * length * length;
                for (const SpanShape& shape : Range{shapes.begin(s, c), shapes.end(s, c)})
                    area -= qelt::sibling::IntegratedShapeMoment(shape, length);
            }
            if (types[s] == LeftCantilever) left = right - area / stiffness[s];
            else right = left + area / stiffness[s];
        }
        span->m_dRotLeft = -left * 1e6;
        span->m_dRotRight = right * 1e6;

        // Each case at the points, then the left sides of the points with a concentrated load.
        PointPositions(length, xs);
        sides.clear();
        for (int c = 0; c < cases; ++c) {
            for (const SpanShape& shape : Range{shapes.begin(s, c), shapes.end(s, c)}) {
                int first = 0, onPoint = -1;
                if (shape.kind != SpanShape::Piece) PointLoadPlace(shape.x1, length, &first, &onPoint);
                if (onPoint >= 0 && std::find(sides.begin(), sides.end(), onPoint) == sides.end()) sides.push_back(onPoint);
            }
        }
        const size_t columns = BEAM_ENVELOPE_POINTS + sides.size();
        combination.Resize(columns);
        span->m_ForceValueArr.SetSize(cases);
        for (int c = 0; c < cases; ++c) {
            double* moment = moments.data();
            double* shear = shears.data();
            jumps.clear();
            FillCase(Range{shapes.begin(s, c), shapes.end(s, c)}, xs, endForces(c), moment, shear, jumps);
            span->m_ForceValueArr[c] = SteelCalForceValue{c, moment[0], shear[0], moment[kLast], shear[kLast]};
            for (size_t side = 0; side < sides.size(); ++side) {
                const size_t column = BEAM_ENVELOPE_POINTS + side;
                moment[column] = moment[sides[side]];
                shear[column] = shear[sides[side]];
                for (const Jump& jump : jumps) {
                    if (jump.point != sides[side]) continue;
                    moment[column] += jump.moment;
                    shear[column] += jump.shear;
                }
            }
            const bool dead = beam.m_ComStyleArr[c] == BEAM_CASE_DEAD;
            const double factor = dead ? beam.m_dConLoadScale : beam.m_dVarLoadScale;
            const CaseSet bit = CaseSet(1) << c;
            AddCase(moment, columns, factor, dead, bit, momentTolerance, combination.posMoment.data(),
                    combination.posMomentCases.data(), combination.negMoment.data(), combination.negMomentCases.data());
            AddCase(shear, columns, factor, dead, bit, shearTolerance, combination.posShear.data(),
                    combination.posShearCases.data(), combination.negShear.data(), combination.negShearCases.data());
        }
        for (std::vector<CaseSet>* masks : {&combination.posMomentCases, &combination.negMomentCases,
                                          &combination.posShearCases, &combination.negShearCases}) {
            for (CaseSet& mask : *masks) mask |= deadCases;
        }
        for (size_t side = 0; side < sides.size(); ++side) {
            const size_t column = BEAM_ENVELOPE_POINTS + side;
            TakeWorse(combination.posMoment, combination.posMomentCases, sides[side], column, 1);
            TakeWorse(combination.negMoment, combination.negMomentCases, sides[side], column, -1);
            TakeWorse(combination.posShear, combination.posShearCases, sides[side], column, 1);
            TakeWorse(combination.negShear, combination.negShearCases, sides[side], column, -1);
        }
        if (span->IsEmptyEnvelop()) span->ReSetEnvelop();
        WriteEnvelope(span->m_PosMomEnv, combination.posMoment, combination.posMomentCases, 1, momentTolerance);
        WriteEnvelope(span->m_NegMomEnv, combination.negMoment, combination.negMomentCases, -1, momentTolerance);
        WriteEnvelope(span->m_PosShearEnv, combination.posShear, combination.posShearCases, 1, shearTolerance);
        WriteEnvelope(span->m_NegShearEnv, combination.negShear, combination.negShearCases, -1, shearTolerance);
    }
    return true;
}

}  // namespace

int CSteelBeam::CalBeamStruct() {
    if (!Analyse(*this)) {
        ClearResults();
        return 0;
    }
    m_bCalculated = 1;
    return 1;
}
