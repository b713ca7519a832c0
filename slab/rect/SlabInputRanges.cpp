#include "slab/rect/SlabInputRanges.h"

#include "framework/InputValidator.h"

namespace {

const SlabInputRange kRanges[SLAB_INPUT_COUNT] = {
    {"跨度Lx", 100, 20000, TRUE},
    {"跨度Ly", 100, 20000, TRUE},
    {"板厚h", 40, 1000, TRUE},
    {"as", 5, 200, TRUE},
    {"保护层厚度c", 5, 100, TRUE},
    {"永久荷载标准值", 0, 1000, FALSE},
    {"可变荷载标准值", 0, 1000, FALSE},
    {"永久荷载分项系数γG", 1, 2, FALSE},
    {"可变荷载分项系数γQ", 1, 2, FALSE},
    {"准永久值系数ψq", 0, 1, FALSE},
    {"泊松比μ", 0, 0.3, FALSE},
    {"塑性板β", 1.2, 2, FALSE},
    {"最小配筋率ρmin(%)", 0, 5, FALSE},
    {"重要性系数γo", 0.9, 1.1, FALSE},
    // Table 3.3.4 of GB 50010-2002: 0.4 mm at most (0.3, 0.2 in most environments).
    {"裂缝限值(mm)", 0.01, 0.4, FALSE},
    {"底板钢筋放大系数", 1, 5, FALSE},
    {"支座钢筋放大系数", 1, 5, FALSE},
    // Table 3.3.2 of GB 50010-2002: l0/200, l0/250, l0/300 at most; a larger divisor is stricter.
    {"挠度限值Lo/(Lo<7m)", 200, 1000, FALSE},
    {"挠度限值Lo/(7m≤Lo≤9m)", 250, 1000, FALSE},
    {"挠度限值Lo/(Lo>9m)", 300, 1000, FALSE},
    {"单向板和双向板的长短边比界限值", 1, 10, FALSE},
    {"悬臂板板厚限值", 40, 1000, TRUE},
    {"转为II级钢的钢筋直径", 6, 50, TRUE},
    {"受力钢筋最小直径", 6, 50, TRUE},
};

}  // namespace

const SlabInputRange& GetSlabInputRange(int nInput) { return kRanges[nInput]; }

BOOL IsInSlabRange(int nInput, double dValue) {
    const SlabInputRange& range = kRanges[nInput];
    return dValue >= range.dLower && dValue <= range.dUpper;
}

void CheckSlabRange(int nInput, double dValue, CStringArray& arrErrors) {
    if (IsInSlabRange(nInput, dValue)) return;
    const SlabInputRange& range = kRanges[nInput];
    arrErrors.Add(CString(range.lpszLabel) + "：" + RangeMessage(range.dLower, range.dUpper));
}
