// The continuous beam's example, run by the host program as its README says, against values worked
// by hand with the three-moment equation.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "CommandRun.h"

namespace {

class ContinuousBeamExample : public CommandRun {
protected:
    ContinuousBeamExample() : CommandRun("C:LXLJS") {}
};

// Spans 6, 7.2 and 6 m (I of 300 × 600, 300 × 700, 300 × 600), dead 25 kN/m with the self-weight
// 4.5 kN/m (5.25 on the middle span) and 60 kN at mid-span 2, live 12 kN/m a span in three cases.
// At support 1 the three-moment equation gives −160.34 kN·m for the dead load (× 1.2), −32.25 and
// −27.54 kN·m for the live load of spans 1 and 2 (× 1.4) and +6.94 for that of span 3, left out
// as favourable: −192.41 − 45.15 − 38.56 = −276.12 kN·m.
TEST_F(ContinuousBeamExample, ThreeSpansWithDeadAndLiveCases) {
    std::ifstream file(QELT_EXAMPLES "/lxljs.txt", std::ios::binary);
    ASSERT_TRUE(file);
    const std::string script((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(0, Run(script)) << Read("stderr");
    const std::string full = Read("out/lxljs-full.txt");
    for (const char* row : {u8"构件编号: KL-1", u8" 荷载工况4 (活载):", u8"负弯矩\t276.12 kN*m,", u8"3支座:"})
        EXPECT_NE(std::string::npos, full.find(row)) << row << "\n" << full;
    EXPECT_NE(std::string::npos, Read("out/lxljs-short.txt").find(u8"负弯矩\t276.12 kN*m,"));
}

}  // namespace
