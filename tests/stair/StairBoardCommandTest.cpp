// "C:BSHLTJS" run by the host program: on its default input, and under a script that sets the type,
// the geometry, a load and the grades; both reports and the schematic are written.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "CommandRun.h"
#include "OddStore.h"

namespace {
namespace fs = std::filesystem;

class StairBoardCommand : public OddStoreCommand {
protected:
    StairBoardCommand() : OddStoreCommand("C:BSHLTJS") {}
};

TEST_F(StairBoardCommand, DefaultInputWritesBothReportsWithTheSchematic) {
    ASSERT_EQ(Run(""), 0) << Read("stderr");
    for (const char* name : {"out/bshltjs-full.rtf", "out/bshltjs-short.rtf", "out/bshltjs-short.txt", "out/bshltjs-full-1.png"})
        EXPECT_GT(fs::file_size(m_dir / name), 0u) << name;
    const std::string full = Read("out/bshltjs-full.txt");
    EXPECT_NE(full.find(u8"计算跨度：L0 = L1＋(b1＋b2)/2 = 2.00＋(0.20＋0.20)/2 = 2.20 m"), std::string::npos);
    EXPECT_NE(full.find(u8"采用方案：d10@100"), std::string::npos);
    EXPECT_NE(full.find(u8"满足规范要求!"), std::string::npos);
}

// Type C, L1 2800 with a lower landing of 600, q 3.5, C30 and HRB335: L0 = 2.8 + 0.6 + 0.2 = 3.6 m.
TEST_F(StairBoardCommand, ScriptGivesThatStairsReports) {
    ASSERT_EQ(Run("row 663 2\nset 460 2800\nset 470 600\nset 462 3.5\nchoose 457 C30\nchoose 466 HRB335\nclick 553\n"), 0)
        << Read("stderr");
    const std::string full = Read("out/bshltjs-full.txt");
    EXPECT_NE(full.find(u8"计算跨度：L0 = L1＋L2＋(b1＋b2)/2 = 2.80＋0.60＋(0.20＋0.20)/2 = 3.60 m"), std::string::npos);
    EXPECT_NE(full.find(u8"可变荷载：q = 3.50kN/m"), std::string::npos);
    EXPECT_NE(full.find(u8"混凝土强度等级: C30"), std::string::npos);
    EXPECT_NE(full.find(u8"下平台宽: L2 = 600 mm"), std::string::npos);
    EXPECT_NE(full.find(u8"4.5号钢筋计算结果"), std::string::npos);
    EXPECT_NE(full.find(u8"采用方案：D"), std::string::npos);
    EXPECT_NE(Read("out/bshltjs-short.txt").find(u8"L2 = 600.00 mm"), std::string::npos);
    EXPECT_GT(fs::file_size(m_dir / "out/bshltjs-full-1.png"), 0u);
}

// A stored value that no page would have taken is refused with its range before anything is
// calculated (exit 4): the reports of the run before stay, and so does the store.
TEST_F(StairBoardCommand, StoredValueOutsideItsRangeIsRefused) {
    ExpectEachRefused(
        {{"CVuskParam//m_dRg", std::nan(""), u8"永久荷载分项系数γG：输入值应在0.01与10之间"},
         {"CVuskParam//m_dWq", -HUGE_VAL, u8"准永久值系数ψq：输入值应在0.01与10之间"},
         {"CVuskParam//m_dC", 1e308, u8"保护层厚度c(mm)：输入值应在0与200之间"},
         {"CVuskParam//m_dFlexibilityLim2", HUGE_VAL, u8"挠度限值(7m≤Lo≤9m)Lo/：输入值应在1与1000之间"}},
        "out/bshltjs-full.txt");
}

}  // namespace
