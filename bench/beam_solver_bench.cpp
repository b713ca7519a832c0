// The continuous-beam solver on a beam of ten 6 m spans with ten load cases: case 1 dead, 10 kN/m
// on every span; case k + 1 (k = 1 … 9) live, 15 kN/m on span k and 40 kN at 2.4 m on span k + 1;
// γG 1.2, γQ 1.4. Each iteration builds the beam, analyses every case and builds the envelopes of
// moment and shear with their case sets at 601 points a span.
#include <benchmark/benchmark.h>

#include "sibling/SteelBeam.h"

namespace {

void BuildTenSpansTenCases(CSteelBeam& beam) {
    beam.Reset();
    beam.m_dElastModulus = 3.0e4;
    beam.m_dConLoadScale = 1.2;
    beam.m_dVarLoadScale = 1.4;
    beam.m_nLeftSupport = BEAM_END_SIMPLE;
    beam.m_nRightSupport = BEAM_END_SIMPLE;
    for (int s = 0; s < 10; ++s) {
        CSteelSpan* span = new CSteelSpan;
        span->m_dSpanLen = 6.0;
        span->m_dSectIx0 = 0.3 * 0.6 * 0.6 * 0.6 / 12.0;
        span->m_dSecWidth = 300;
        span->m_dSecHeight = 600;
        beam.AddSpan(span);
    }
    beam.AddComStyle(BEAM_CASE_DEAD);
    beam.SetCurrentCom(0);
    for (int s = 0; s < 10; ++s) beam.getSpan(s)->AddSpanLoad(BEAM_LOAD_UNIFORM, 10.0);
    for (int k = 1; k <= 9; ++k) {
        beam.AddComStyle(BEAM_CASE_LIVE);
        beam.SetCurrentCom(k);
        beam.getSpan(k - 1)->AddSpanLoad(BEAM_LOAD_UNIFORM, 15.0);
        beam.getSpan(k)->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{40.0, 2.4});
    }
}

void BM_TenSpansTenCases(benchmark::State& state) {
    for (auto _ : state) {
        CSteelBeam beam;
        BuildTenSpansTenCases(beam);
        if (!beam.CalBeamStruct()) state.SkipWithError("the beam was refused");
        benchmark::DoNotOptimize(beam.getSpan(4)->m_PosMomEnv[300]);
    }
}
BENCHMARK(BM_TenSpansTenCases)->Unit(benchmark::kMicrosecond);

}  // namespace
