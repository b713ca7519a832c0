// Costs of the text and array work that report writing does most: formatting a report line,
// searching and replacing in a page of GBK text, and filling a large array of results.
#include <benchmark/benchmark.h>

#include "mfc/base/Array.h"
#include "mfc/base/String.h"

namespace {

void FormatReportLine(benchmark::State& state) {
    const CString name("受拉钢筋面积As");
    const CString unit("mm$2$");
    double value = 1234.5678;
    for (auto _ : state) {
        CString line;
        line.Format("%s=%.2f%s", static_cast<LPCTSTR>(name), value, static_cast<LPCTSTR>(unit));
        benchmark::DoNotOptimize(line);
        value += 0.01;
    }
}
BENCHMARK(FormatReportLine);

// About 1 KB of mixed GBK and ASCII text, as a page of a calculation report.
CString ReportPage() {
    CString page;
    while (page.GetLength() < 1024) page += "混凝土强度等级C30，fc=14.3N/mm$2$，受拉钢筋HRB335，fy=300N/mm$2$。\n";
    return page;
}

void FindInGbkText(benchmark::State& state) {
    const CString page = ReportPage();
    for (auto _ : state) {
        int found = page.Find("最小配筋率");  // absent: the whole text is searched
        benchmark::DoNotOptimize(found);
        found = page.Find("HRB335", page.GetLength() / 2);
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * page.GetLength());
}
BENCHMARK(FindInGbkText);

void ReplaceInGbkText(benchmark::State& state) {
    const CString page = ReportPage();
    for (auto _ : state) {
        CString copy(page);
        int count = copy.Replace("HRB335", "HRB400");
        count += copy.Replace("混凝土", "砼");
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * page.GetLength());
}
BENCHMARK(ReplaceInGbkText);

void AddToDoubleArray(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CArray<double, double> values;
        for (int i = 0; i < count; ++i) values.Add(i * 0.5);
        benchmark::DoNotOptimize(values.GetData());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(AddToDoubleArray)->Arg(100000);

}  // namespace
