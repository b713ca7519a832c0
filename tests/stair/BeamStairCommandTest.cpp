// "C:LSHLTJS" run by the host program: on its default input, and under a script that sets the shape,
// the restraint, the geometry and the loads; both reports and the picture are written.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "CommandRun.h"
#include "OddStore.h"

namespace {
namespace fs = std::filesystem;

class BeamStairCommand : public OddStoreCommand {
protected:
    BeamStairCommand() : OddStoreCommand("C:LSHLTJS") {}
    bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }
};

// The defaults of shape A: the span 3300 mm of 12 steps of 300 mm, the stair beam's 4d14.
TEST_F(BeamStairCommand, DefaultInputWritesBothReportsWithThePicture) {
    ASSERT_EQ(Run(""), 0) << Read("stderr");
    for (const char* name : {"out/lshltjs-full.rtf", "out/lshltjs-short.rtf", "out/lshltjs-short.txt", "out/lshltjs-full-1.png"})
        EXPECT_GT(fs::file_size(m_dir / name), 0u) << name;
    const std::string full = Read("out/lshltjs-full.txt");
    EXPECT_TRUE(Has(full, u8"梯段净跨： Ln = L1 = 3300 mm"));
    EXPECT_TRUE(Has(full, u8"采用方案：4d14"));
    EXPECT_TRUE(Has(full, u8"九、裂缝宽度验算"));
    EXPECT_TRUE(Has(Read("out/lshltjs-short.txt"), u8"L1=3300mm"));
}

// Shape D fixed at both ends, platforms 800 and 900, 10 steps, q 3.5: L0 = 2700 + 800 + 900 = 4400 mm.
TEST_F(BeamStairCommand, ScriptGivesThatStairsReports) {
    ASSERT_EQ(Run(u8"row 680 3\nset 763 10\nset 234 800\nset 236 900\nchoose 242 两端固定\nset 765 3.5\nclick 553\n"), 0)
        << Read("stderr");
    const std::string full = Read("out/lshltjs-full.txt");
    EXPECT_TRUE(Has(full, u8"楼梯类型： 梁式楼梯（ __╱￣ 型）\t\t支座条件： 两端固定"));
    EXPECT_TRUE(Has(full, u8"Ln = L1＋L2＋L3 = 2700＋800＋900 = 4400 mm"));
    EXPECT_TRUE(Has(full, u8"可变荷载：q = 3.50kN/m"));
    EXPECT_TRUE(Has(full, u8"M左 = -"));
    EXPECT_TRUE(Has(full, u8"M右 = -"));
    EXPECT_TRUE(Has(full, u8"6．纵筋⑥/⑦计算结果"));
    const std::string brief = Read("out/lshltjs-short.txt");
    EXPECT_TRUE(Has(brief, u8"L2=800mm"));
    EXPECT_TRUE(Has(brief, u8"4．钢筋④计算结果"));
    EXPECT_GT(fs::file_size(m_dir / "out/lshltjs-full-1.png"), 0u);
}

// F1 pressed in a field of the drawing page: the host tells the help asked for, the page's context.
TEST_F(BeamStairCommand, HelpOfTheDrawingPageIsTold) {
    Run(u8"tab 绘图预览\nset 114 5\nkey VK_F1\n");
    EXPECT_TRUE(Has(Read("stderr"), "help \"Qelt\": 0x2001F\n")) << Read("stderr");
}

// A stored value that no page would have taken is refused with its range before anything is
// calculated (exit 4): the reports of the run before stay, and so does the store.
TEST_F(BeamStairCommand, StoredValueOutsideItsRangeIsRefused) {
    ExpectEachRefused(
        {{"CBeamStairParam//m_dRg", std::nan(""), u8"永久荷载分项系数γG：输入值应在0.01与10之间"},
         {"CBeamStairParam//as2", -HUGE_VAL, u8"as2：输入值应在0.01与200之间"},
         {"CBeamStairParam//m_dCrackWidth", 1e308, u8"裂缝限值(mm)：输入值应在0.01与100之间"},
         {"CBeamStairParam//m_dFlexibilityLim1", HUGE_VAL, u8"挠度限值(Lo<7m)Lo/：输入值应在1与1000之间"},
         {"CBeamStairParam//m_dC", 1e308, u8"参数5<=c<=50,且c<=t-10"}},
        "out/lshltjs-full.txt");
}

}  // namespace
