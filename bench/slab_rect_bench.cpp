// A whole rectangular-slab calculation: design moments, bars and their schemes, crack widths and
// deflection, for an elastic slab from the tables and a plastic one.
#include <benchmark/benchmark.h>

#include <cstring>

#include "slab/rect/RectBoardCalculator.h"

namespace {

RectBoardInputs Slab(int kind) {
    RectBoardInputs in{};
    in.nTop = 0, in.nBottom = 1, in.nLeft = 0, in.nRight = 1;  // two adjacent edges fixed
    in.nLength = 6000, in.nWidth = 4200, in.nThick = 150, in.nAs = 20, in.nBoardKind = kind;
    std::strcpy(in.szConcrete, "C25");
    std::strcpy(in.szSteelBar, "HRB335");
    in.dP = 0.002, in.dImpro = 1.0, in.dQgk = 7.0, in.dQqk = 4.0, in.dBS = 0.2, in.dWq = 0.5, in.dB = 1.8;
    in.nC = 15, in.nKindSteel = 1;
    in.dFleLim1 = 200, in.dFleLim2 = 250, in.dFleLim3 = 300;
    in.dMagnifyValue1 = in.dMagnifyValue2 = 1.0;
    in.dRg = 1.2, in.dRq = 1.4, in.dUserValue = 2.0, in.dCrackWidth = 0.3;
    return in;
}

void WholeSlab(benchmark::State& state) {
    const RectBoardInputs inputs = Slab(static_cast<int>(state.range(0)));
    const int nAreaOf[6] = {5, 4, 0, 3, 1, 2};  // schemes: y span, x span, top, bottom, left, right
    for (auto _ : state) {
        CRectBoardCalculator calculator(inputs);
        if (calculator.CalStrength() != 1) state.SkipWithError("strength");
        calculator.ClearResults();
        int areas[6];
        calculator.GetAreas(areas);
        for (int i = 0; i < 6; ++i) {
            CBoardReinList list(8);
            const BoardReinScheme scheme = list.Pick(areas[nAreaOf[i]]);
            calculator.m_schemes[i].nDiameter = scheme.nDiameter;
            calculator.m_schemes[i].nSpacing = scheme.nSpacing;
            calculator.m_schemes[i].nArea = scheme.nArea;
        }
        if (calculator.CalDeflection() != 1) state.SkipWithError("deflection");
        calculator.CalCrack();
        benchmark::DoNotOptimize(calculator.m_dDeflection);
    }
}
BENCHMARK(WholeSlab)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
