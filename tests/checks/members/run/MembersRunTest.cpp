// qelt runs each of the four member checks on its defaults and under a script that sets inputs,
// calculates and adds the command to the list: both reports are written, in UTF-8 text, with the
// calculation's results.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct RunCase {
    const char* command;
    const char* name;      // the output files' name
    const char* script;    // empty: the defaults, calculated
    const char* fullLine;  // a line of the full report
    const char* shortLine; // a line of the short report (its last one ends the file)
};

const RunCase kCases[] = {
    {u8"C:ZHXSHY", u8"zhxshy", u8"", u8"      所以满足最小配筋面积A's=A*ρmin=160000*0.600%=960mm²", u8"    A's=960mm²"},
    {u8"C:ZHXSHY", u8"zhxshy", u8"click 552\nset 513 6000\nclick 110\n", u8"      =0.9*0.943*(14.3*(160000-6000)+300.0*6000)/1.0=3396.667kN",
     u8"    N=3396.667kN"},
    {u8"C:WJNJS", u8"wjnjs", u8"", u8"          =61.32mm²", u8"    Asv1=61.32mm²"},
    {u8"C:WJNJS", u8"wjnjs", u8"click 563\nclick 110\n", u8"       =19.657kN*m", u8"    T=19.657kN*m"},
    {u8"C:CHQJS", u8"chqjs", u8"", u8"      γo*Fl=200.000kN≤0.7*βh*ft*η*Um*ho=418.018kN，冲切承载力满足规范要求。",
     u8"    未配筋的板冲切承载力满足规范要求。"},
    {u8"C:CHQJS", u8"chqjs", u8"choose 296 配筋\nchoose 295 集中反力作用\nclick 110\n",
     u8"      γo*Fl=194.224kN≤1.05*ft*η*Um*ho=627.026kN，受冲切截面符合条件。", u8"    N=200.000kN"},
    {u8"C:JBSHY", u8"jbshy", u8"", u8"      βcor=sqrt(Acor/Al)=sqrt(242064/90000)=1.640", u8"    L1=500mm"},
    {u8"C:JBSHY", u8"jbshy", u8"choose 195 螺旋式\nchoose 294 四边圆形\nclick 110\n", u8"      ρv=4*Ass1/(dcor*s)=4*50.3/(450*50)%=0.894%",
     u8"    d=300mm"},
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.command << (*c.script ? " with a script" : ""); }

class MembersRun : public testing::TestWithParam<RunCase> {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qelt-members-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
};

TEST_P(MembersRun, WritesBothReports) {
    const RunCase& c = GetParam();
    std::string script = c.script;
    std::ofstream(m_dir / "script.txt", std::ios::binary) << script;
    std::string command = "cd '" + m_dir.string() + "' && '" + QELT_PROGRAM + "' run " + c.command +
                          " --store s.db --out out --quiet" + (script.empty() ? "" : " --script script.txt") +
                          " >stdout 2>stderr";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << ReadFile(m_dir / "stderr");
    std::string full = ReadFile(m_dir / "out" / (std::string(c.name) + "-full.txt"));
    std::string brief = ReadFile(m_dir / "out" / (std::string(c.name) + "-short.txt"));
    EXPECT_NE(full.find(std::string(c.fullLine) + "\n"), std::string::npos) << full;
    EXPECT_NE(brief.find(c.shortLine), std::string::npos) << brief;
    EXPECT_TRUE(fs::exists(m_dir / "out" / (std::string(c.name) + "-full.rtf")));
    EXPECT_TRUE(fs::exists(m_dir / "out" / (std::string(c.name) + "-short.rtf")));
    if (!script.empty()) {
        EXPECT_NE(ReadFile(m_dir / "stdout").find("list entry of "), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, MembersRun, testing::ValuesIn(kCases), [](const auto& info) {
    return std::string(info.param.name) + (*info.param.script ? "_script" : "_defaults");
});

}  // namespace
