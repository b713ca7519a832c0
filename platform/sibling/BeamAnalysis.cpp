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
        m_below.assign(below.begin(), below.end());
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
        m_shapes.clear();
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

// Takes what a shape takes from V and M at the points from .. to − 1 off them.
template <class Effect>
void Subtract(int from, int to, const double* xs, double* __restrict moment, double* __restrict shear, Effect effect) {
    for (int i = from; i < to; ++i) {
        const qelt::sibling::SectionEffect e = effect(xs[i]);
        moment[i] -= e.moment;
        shear[i] -= e.shear;
    }
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
        // Each run of points under one formula in a loop of its own, which runs in vector lanes;
        // the shape copied, so that the stores cannot change it.
        const SpanShape s = shape;
        switch (s.kind) {
        case SpanShape::Force:
            Subtract(first, kLast + 1, xs, moment, shear, [s](double x) { return qelt::sibling::ForceEffect(s, x); });
            break;
        case SpanShape::Couple:
            Subtract(first, kLast + 1, xs, moment, shear, [s](double) { return qelt::sibling::CoupleEffect(s); });
            break;
        case SpanShape::Piece: {
            int beyond = first;
            while (beyond <= kLast && xs[beyond] < s.x2) ++beyond;
            Subtract(first, beyond, xs, moment, shear, [s](double x) { return qelt::sibling::PieceEffectInside(s, x); });
            const qelt::sibling::ShapeStatics statics = qelt::sibling::StaticsOf(s);
            Subtract(beyond, kLast + 1, xs, moment, shear,
                     [statics](double x) { return qelt::sibling::PieceEffectBeyond(statics, x); });
            break;
        }
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
// Most of an analysis's time; made for the wider vector lanes too, taken where the processor has them.
[[gnu::target_clones("avx2", "default")]] void AddCase(const double* __restrict values, size_t columns, double factor, bool dead, CaseSet bit, double tolerance,
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

// The analysis of a beam: Run is false, before any result is written, for a beam that cannot be
// analysed. Its storage serves one analysis after another, so that an analysis allocates only for
// a beam larger than those before it.
class BeamAnalysis {
public:
    bool Run(CSteelBeam& beam) {
        m_beam = &beam;
        m_spans = beam.getSpanNum();
        m_cases = beam.GetComNum();
        m_nodes = m_spans + 1;
        if (!Prepare() || !SolveRotations()) return false;
        m_moments.resize(BEAM_ENVELOPE_POINTS + m_shapes.PointLoadCount());
        m_shears.resize(m_moments.size());
        m_combination.Resize(m_moments.size());
        for (int s = 0; s < m_spans; ++s) {
            SetEndRotations(s);
            BuildEnvelopes(s);
        }
        return true;
    }

private:
    CSteelSpan& Span(int s) const { return *m_beam->m_SpanArr[s]; }
    Range Shapes(int s, int c) const { return Range{m_shapes.begin(s, c), m_shapes.end(s, c)}; }
    bool Dead(int c) const { return m_beam->m_ComStyleArr[c] == BEAM_CASE_DEAD; }
    double Factor(int c) const { return Dead(c) ? m_beam->m_dConLoadScale : m_beam->m_dVarLoadScale; }
    double* Rotations(int c) { return &m_rotations[static_cast<size_t>(c * m_nodes)]; }  // c = cases: all
    const double* Rotations(int c) const { return &m_rotations[static_cast<size_t>(c * m_nodes)]; }
    double* NodalLoads(int s, int c) { return &m_nodalLoads[static_cast<size_t>((s * m_cases + c) * 4)]; }
    const double* NodalLoads(int s, int c) const { return &m_nodalLoads[static_cast<size_t>((s * m_cases + c) * 4)]; }

    // The model's checks, the spans' stiffness and kind, and the loads as shapes.
    bool Prepare() {
        if (!m_beam->CheckStruct() || m_cases > BEAM_MAX_CASES || !std::isfinite(m_beam->m_dConLoadScale) ||
            !std::isfinite(m_beam->m_dVarLoadScale))
            return false;
        for (int c = 0; c < m_cases; ++c) {
            if (m_beam->m_ComStyleArr[c] != BEAM_CASE_DEAD && m_beam->m_ComStyleArr[c] != BEAM_CASE_LIVE) return false;
        }
        m_stiffness.assign(static_cast<size_t>(m_spans), 0.0);
        m_types.assign(static_cast<size_t>(m_spans), Supported);
        for (int s = 0; s < m_spans; ++s) {
            const double length = Span(s).m_dSpanLen;
            m_stiffness[s] = m_beam->m_dElastModulus * 1000.0 * Span(s).m_dSectIx0;
            if (!(length > 0.0) || !std::isfinite(length) || !(m_stiffness[s] > 0.0) || !std::isfinite(m_stiffness[s]))
                return false;
        }
        if (m_beam->m_nLeftSupport == BEAM_END_FREE) m_types[0] = LeftCantilever;
        if (m_beam->m_nRightSupport == BEAM_END_FREE) m_types[m_spans - 1] = RightCantilever;
        return m_shapes.Build(*m_beam);
    }

    // The rotations of the supported nodes under every case and under all cases together (the last
    // row). A node whose rotation is no unknown, a fixed end or a free end, keeps the row θ = 0.
    bool SolveRotations() {
        m_held.assign(static_cast<size_t>(m_nodes), false);
        m_held[0] = m_beam->m_nLeftSupport != BEAM_END_SIMPLE;
        m_held[m_spans] = m_beam->m_nRightSupport != BEAM_END_SIMPLE;
        for (std::vector<double>* row : {&m_below, &m_diagonal, &m_above}) row->assign(static_cast<size_t>(m_nodes), 0.0);
        for (int s = 0; s < m_spans; ++s) {
            if (m_types[s] != Supported) continue;
            const double k = m_stiffness[s] / Span(s).m_dSpanLen;
            m_diagonal[s] += 4.0 * k;
            m_diagonal[s + 1] += 4.0 * k;
            if (!m_held[s] && !m_held[s + 1]) {
                m_above[s] = 2.0 * k;
                m_below[s + 1] = 2.0 * k;
            }
        }
        for (int j = 0; j < m_nodes; ++j) {
            if (m_held[j]) m_diagonal[j] = 1.0;
        }
        if (!m_system.Factorise(m_below, m_diagonal, m_above)) return false;

        m_rotations.assign(static_cast<size_t>((m_cases + 1) * m_nodes), 0.0);
        m_nodalLoads.assign(static_cast<size_t>(m_spans * m_cases * 4), 0.0);
        double momentScale = 0.0, shearScale = 0.0;  // of the factored loads
        for (int c = 0; c < m_cases; ++c) {
            double* rhs = Rotations(c);
            for (int s = 0; s < m_spans; ++s) {
                const double length = Span(s).m_dSpanLen;
                double* loads = NodalLoads(s, c);
                for (const SpanShape& shape : Shapes(s, c)) {
                    const qelt::sibling::ShapeStatics statics = qelt::sibling::StaticsOf(shape);
                    momentScale += std::fabs(Factor(c)) * (std::fabs(statics.force) * length + std::fabs(statics.couple));
                    shearScale += std::fabs(Factor(c)) * (std::fabs(statics.force) + std::fabs(statics.couple) / length);
                    if (m_types[s] == Supported) {
                        qelt::sibling::AddEquivalentNodalLoads(shape, length, loads);
                    } else if (m_types[s] == LeftCantilever) {  // its loads' moment about its right end
                        loads[3] += statics.force * length - statics.firstMoment - statics.couple;
                    } else {  // about its left end
                        loads[1] += -statics.firstMoment - statics.couple;
                    }
                }
                rhs[s] += loads[1];
                rhs[s + 1] += loads[3];
            }
            for (int j = 0; j < m_nodes; ++j) {
                if (m_held[j]) rhs[j] = 0.0;
                Rotations(m_cases)[j] += rhs[j];
            }
        }
        m_beam->m_BeamFunction.SetDimension(m_nodes);
        for (int j = 0; j < m_nodes; ++j)
            m_beam->m_BeamFunction.SetRow(j, m_below[j], m_diagonal[j], m_above[j], Rotations(m_cases)[j]);
        for (int c = 0; c <= m_cases; ++c) m_system.Solve(Rotations(c));
        m_momentTolerance = kZeroTolerance * momentScale;
        m_shearTolerance = kZeroTolerance * shearScale;
        return true;
    }

    // The left end of span s under case c, from the rotations of its nodes, or from statics for a
    // cantilever.
    EndForces EndForcesOf(int s, int c) const {
        if (m_types[s] == LeftCantilever) return {0.0, 0.0};
        if (m_types[s] == RightCantilever) {
            double force = 0.0, moment = 0.0;
            for (const SpanShape& shape : Shapes(s, c)) {
                const qelt::sibling::ShapeStatics statics = qelt::sibling::StaticsOf(shape);
                force += statics.force;
                moment += statics.firstMoment + statics.couple;
            }
            return {-moment, force};
        }
        const double length = Span(s).m_dSpanLen, k = m_stiffness[s] / length;
        const double* theta = Rotations(c);
        const double* loads = NodalLoads(s, c);
        return {-(4.0 * k * theta[s] + 2.0 * k * theta[s + 1] - loads[1]),
                6.0 * k / length * (theta[s] + theta[s + 1]) - loads[0]};
    }

    // End rotations of all cases with factor 1; a cantilever's free end turns by ∫M/EI more than
    // its supported end.
    void SetEndRotations(int s) {
        CSteelSpan& span = Span(s);
        const double length = span.m_dSpanLen;
        double left = Rotations(m_cases)[s], right = Rotations(m_cases)[s + 1];
        if (m_types[s] != Supported) {
            double area = 0.0;
            for (int c = 0; c < m_cases; ++c) {
                const EndForces end = EndForcesOf(s, c);
                area += end.moment * length + 0.5 * end.shear * length * length;
                for (const SpanShape& shape : Shapes(s, c)) area -= qelt::sibling::IntegratedShapeMoment(shape, length);
            }
            if (m_types[s] == LeftCantilever) left = right - area / m_stiffness[s];
            else right = left + area / m_stiffness[s];
        }
        span.m_dRotLeft = -left * 1e6;
        span.m_dRotRight = right * 1e6;
    }

    // Every case at the points of span s, then the left sides of the points with a concentrated
    // load; each case is combined as soon as it is filled.
    void BuildEnvelopes(int s) {
        CSteelSpan& span = Span(s);
        const double length = span.m_dSpanLen;
        PointPositions(length, m_xs);
        m_sides.clear();
        for (int c = 0; c < m_cases; ++c) {
            for (const SpanShape& shape : Shapes(s, c)) {
                int first = 0, onPoint = -1;
                if (shape.kind != SpanShape::Piece) PointLoadPlace(shape.x1, length, &first, &onPoint);
                if (onPoint >= 0 && std::find(m_sides.begin(), m_sides.end(), onPoint) == m_sides.end())
                    m_sides.push_back(onPoint);
            }
        }
        const size_t columns = BEAM_ENVELOPE_POINTS + m_sides.size();
        Combination& sum = m_combination;
        sum.Resize(columns);
        span.m_ForceValueArr.SetSize(m_cases);
        double* moment = m_moments.data();
        double* shear = m_shears.data();
        for (int c = 0; c < m_cases; ++c) {
            m_jumps.clear();
            FillCase(Shapes(s, c), m_xs, EndForcesOf(s, c), moment, shear, m_jumps);
            span.m_ForceValueArr[c] = SteelCalForceValue{c, moment[0], shear[0], moment[kLast], shear[kLast]};
            for (size_t side = 0; side < m_sides.size(); ++side) {
                const size_t column = BEAM_ENVELOPE_POINTS + side;
                moment[column] = moment[m_sides[side]];
                shear[column] = shear[m_sides[side]];
                for (const Jump& jump : m_jumps) {
                    if (jump.point != m_sides[side]) continue;
                    moment[column] += jump.moment;
                    shear[column] += jump.shear;
                }
            }
            const CaseSet bit = CaseSet(1) << c;
            AddCase(moment, columns, Factor(c), Dead(c), bit, m_momentTolerance, sum.posMoment.data(),
                    sum.posMomentCases.data(), sum.negMoment.data(), sum.negMomentCases.data());
            AddCase(shear, columns, Factor(c), Dead(c), bit, m_shearTolerance, sum.posShear.data(),
                    sum.posShearCases.data(), sum.negShear.data(), sum.negShearCases.data());
        }
        CaseSet deadCases = 0;
        for (int c = 0; c < m_cases; ++c) deadCases |= Dead(c) ? CaseSet(1) << c : 0;
        for (std::vector<CaseSet>* masks : {&sum.posMomentCases, &sum.negMomentCases, &sum.posShearCases, &sum.negShearCases}) {
            for (CaseSet& mask : *masks) mask |= deadCases;
        }
        for (size_t side = 0; side < m_sides.size(); ++side) {
            const size_t column = BEAM_ENVELOPE_POINTS + side;
            TakeWorse(sum.posMoment, sum.posMomentCases, m_sides[side], column, 1);
            TakeWorse(sum.negMoment, sum.negMomentCases, m_sides[side], column, -1);
            TakeWorse(sum.posShear, sum.posShearCases, m_sides[side], column, 1);
            TakeWorse(sum.negShear, sum.negShearCases, m_sides[side], column, -1);
        }
        if (span.IsEmptyEnvelop()) span.ReSetEnvelop();
        WriteEnvelope(span.m_PosMomEnv, sum.posMoment, sum.posMomentCases, 1, m_momentTolerance);
        WriteEnvelope(span.m_NegMomEnv, sum.negMoment, sum.negMomentCases, -1, m_momentTolerance);
        WriteEnvelope(span.m_PosShearEnv, sum.posShear, sum.posShearCases, 1, m_shearTolerance);
        WriteEnvelope(span.m_NegShearEnv, sum.negShear, sum.negShearCases, -1, m_shearTolerance);
    }

    CSteelBeam* m_beam = nullptr;
    int m_spans = 0, m_cases = 0, m_nodes = 0;
    std::vector<double> m_stiffness;  // EI (kN·m²) of each span
    std::vector<SpanType> m_types;
    BeamShapes m_shapes;
    std::vector<bool> m_held;  // per node: its rotation is no unknown
    std::vector<double> m_below, m_diagonal, m_above;  // the rotations' tridiagonal system
    Tridiagonal m_system;
    std::vector<double> m_rotations;   // per case, then all cases: one per node (rad, counter-clockwise)
    std::vector<double> m_nodalLoads;  // per span and case: the four equivalent nodal loads
    double m_momentTolerance = 0.0, m_shearTolerance = 0.0;
    double m_xs[BEAM_ENVELOPE_POINTS];
    std::vector<double> m_moments, m_shears;  // one case of the span being built, with its side columns
    std::vector<Jump> m_jumps;
    std::vector<int> m_sides;  // points of the span with a concentrated load on them
    Combination m_combination;
};

// The analysis of the calling thread, whose storage its analyses share. Not inline: the thread's
// copy is looked up once, not at every use in the analysis.
[[gnu::noinline]] BeamAnalysis& ThreadAnalysis() {
    thread_local BeamAnalysis analysis;
    return analysis;
}

}  // namespace

int CSteelBeam::CalBeamStruct() {
    if (!ThreadAnalysis().Run(*this)) {
        ClearResults();
        return 0;
    }
    m_bCalculated = 1;
    return 1;
}
