// The projected cone area of an anchor grid with interior anchors, the union of its cone circles,
// which the angle-steel and end-plate pages compute at every change of an input.
#include <benchmark/benchmark.h>

#include "embed/EmbedConeArea.h"

namespace {

// A square grid of n × n anchors 150 apart with cones of radius 100 (be 40, h 80).
void ConeUnion(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(GetConeProjectedArea(n, n, 150, 150, 40, 80));
}

}  // namespace

BENCHMARK(ConeUnion)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
