// Building small beams for the solver's tests: Ec 3·10⁴ N/mm² and I 10⁻³ m⁴ unless a span says
// otherwise, so EI = 3·10⁴ kN·m².
#pragma once

#include <initializer_list>

#include "sibling/SteelBeam.h"

namespace beamtest {

const double kEI = 3.0e4;

inline CSteelSpan* NewSpan(double length, double inertia = 1.0e-3) {
    CSteelSpan* span = new CSteelSpan;
    span->m_dSpanLen = length;
    span->m_dSectIx0 = inertia;
    span->m_dSecWidth = 300;
    span->m_dSecHeight = 500;
    return span;
}

// A beam of the given spans and ends with one dead case at factor 1.
inline void Build(CSteelBeam& beam, std::initializer_list<double> lengths, int left = BEAM_END_SIMPLE,
                  int right = BEAM_END_SIMPLE) {
    beam.Reset();
    beam.m_dElastModulus = 3.0e4;
    beam.m_dConLoadScale = 1.0;
    beam.m_dVarLoadScale = 1.0;
    beam.m_nLeftSupport = left;
    beam.m_nRightSupport = right;
    for (double length : lengths) beam.AddSpan(NewSpan(length));
    beam.AddComStyle(BEAM_CASE_DEAD);
    beam.SetCurrentCom(0);
}

inline void AddCase(CSteelBeam& beam, int kind) {
    beam.AddComStyle(kind);
    beam.SetCurrentCom(beam.GetComNum() - 1);
}

inline void Uniform(CSteelBeam& beam, int span, double q) { beam.getSpan(span)->AddSpanLoad(BEAM_LOAD_UNIFORM, q); }

inline void Normal(CSteelBeam& beam, int span, int kind, double value, double a) {
    beam.getSpan(span)->AddSpanLoad(kind, NormalLoad{value, a});
}

}  // namespace beamtest
