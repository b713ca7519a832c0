// Drawing a long text into a small rectangle, as a grid cell holding a long note does: cut to an
// ellipsis on one line, or broken into lines. The figure is per DrawText call for a text of
// state.range(0) characters, half of them Chinese.
#include <benchmark/benchmark.h>

#include <string>

#include "mfc/gdi/GdiApi.h"

namespace {

std::string LongText(int64_t characters) {
    std::string text;
    for (int64_t i = 0; i < characters; i += 2) text += i % 20 == 18 ? "a " : "混a";
    return text;
}

// A memory DC on a small bitmap with 宋体 9 pt selected.
class Cell {
public:
    Cell() {
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateCompatibleBitmap(m_dc, 200, 200);
        m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
        LOGFONTA lf{};
        lf.lfHeight = -12;
        lf.lfCharSet = GB2312_CHARSET;
        std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "宋体");
        m_font = ::CreateFontIndirectA(&lf);
        m_oldFont = ::SelectObject(m_dc, m_font);
    }
    ~Cell() {
        ::SelectObject(m_dc, m_oldFont);
        ::SelectObject(m_dc, m_oldBitmap);
        ::DeleteObject(m_font);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HFONT m_font;
    HGDIOBJ m_oldBitmap, m_oldFont;
};

void EllipsisInACell(benchmark::State& state) {
    const std::string text = LongText(state.range(0));
    Cell cell;
    for (auto _ : state) {
        RECT rect{0, 0, 180, 18};
        benchmark::DoNotOptimize(::DrawTextA(cell.Dc(), text.c_str(), static_cast<int>(text.size()), &rect,
                                             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(EllipsisInACell)->Arg(1250)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

void WordBreakMeasured(benchmark::State& state) {
    const std::string text = LongText(state.range(0));
    Cell cell;
    for (auto _ : state) {
        RECT rect{0, 0, 180, 18};
        benchmark::DoNotOptimize(::DrawTextA(cell.Dc(), text.c_str(), static_cast<int>(text.size()), &rect,
                                             DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(WordBreakMeasured)->Arg(1250)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
