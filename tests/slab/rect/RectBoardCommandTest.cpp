// "C:JXBJS" run by the host program: on its default input, and under a script that sets the edges,
// spans, thickness, loads and grades; both reports and the schematic are written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CommandRun.h"

namespace {
namespace fs = std::filesystem;

class RectBoardCommand : public CommandRun {
protected:
    RectBoardCommand() : CommandRun("C:JXBJS") {}
};

// The default slab: fixed all round, 6000 × 4200, h 100; Mx = (0.0113 + 0.2·0.0321)·14·4.2² = 4.376.
// The text files show the report markup as it prints (m$2$ as m and a superscript two, written as its UTF-8 bytes here).
TEST_F(RectBoardCommand, DefaultInputWritesBothReportsWithTheSchematic) {
    ASSERT_EQ(Run(""), 0) << Read("stderr");
    for (const char* name : {"out/jxbjs-full.rtf", "out/jxbjs-short.rtf", "out/jxbjs-short.txt", "out/jxbjs-full-1.png"})
        EXPECT_GT(fs::file_size(m_dir / name), 0u) << name;
    const std::string full = Read("out/jxbjs-full.txt");
    EXPECT_NE(full.find(u8"边界条件(上端/下端/左端/右端):固定/固定/固定/固定"), std::string::npos);
    EXPECT_NE(full.find(u8"= 4.376 kN*m"), std::string::npos);
    EXPECT_NE(full.find(u8"八、裂缝宽度验算"), std::string::npos);
    EXPECT_NE(Read("out/jxbjs-short.txt").find(u8"弯矩            4.376          8.486"), std::string::npos);
}

// Top and bottom simply supported, left and right fixed, 4500 × 5000, h 120, gk 6.5, qk 2.5, C30 and
// HRB335 ribbed, ρmin 0.25 %: q = 1.2·6.5 + 1.4·2.5 = 11.3 kN/m², Lo = 4500, ho = 100.
TEST_F(RectBoardCommand, ScriptGivesThatSlabsReports) {
    ASSERT_EQ(Run(u8"choose 745 简支\nchoose 159 简支\nset 372 4500\nset 373 5000\nset 440 120\nset 392 6.5\n"
                  u8"set 393 2.5\nchoose 319 C30\nchoose 231 HRB335\nchoose 357 带肋钢筋\nset 193 0.25\nclick 553\n"),
              0)
        << Read("stderr");
    const std::string full = Read("out/jxbjs-full.txt");
    EXPECT_NE(full.find(u8"计算跨度: Lx = 4500 mm; Ly = 5000 mm"), std::string::npos);
    EXPECT_NE(full.find(u8"板厚: h = 120 mm"), std::string::npos);
    EXPECT_NE(full.find(u8"边界条件(上端/下端/左端/右端):简支/简支/固定/固定"), std::string::npos);
    EXPECT_NE(full.find(u8"混凝土等级:  C30  fc=14.3N/mm" "\xC2\xB2"), std::string::npos);
    EXPECT_NE(full.find(u8"ho = h-as=120-20=100 mm"), std::string::npos);
    // Mx = (0.0319 + 0.2·0.0133)·11.3·4.5² = 7.908 kN·m from the table row lx/ly = 0.90.
    EXPECT_NE(full.find(u8"= (0.0319+0.0133*0.200)*(1.200*6.500+1.400*2.500)*4.5" "\xC2\xB2" "\n          = 7.908 kN*m"),
              std::string::npos);
    EXPECT_NE(full.find(u8"带肋钢筋,所以取值vi=1.0"), std::string::npos);
    const std::string brief = Read("out/jxbjs-short.txt");
    EXPECT_NE(brief.find(u8"简支/简支/固定/固定"), std::string::npos);
    EXPECT_NE(brief.find(u8"ｑgk = 6.500kN/m" "\xC2\xB2"), std::string::npos);
    EXPECT_GT(fs::file_size(m_dir / "out/jxbjs-full-1.png"), 0u);
}

}  // namespace
