// qelt starts like a small program: the libraries of the slab's analysis server (the plate engine,
// CHOLMOD, the BLAS, CGAL's GMP and MPFR) are loaded only when a command asks for the server, and
// the drawing libraries (cairo, pango, fontconfig) only when something is drawn or measured. The
// dynamic loader's report (LD_DEBUG=files) of a run tells what it mapped.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {
namespace fs = std::filesystem;

const char* const kSolverLibraries[] = {"libqelt_plateserver", "libqelt_fea", "libcholmod", "libopenblas",
                                        "libblas", "libgmp", "libmpfr"};
const char* const kDrawingLibraries[] = {"libcairo", "libpango", "libfontconfig", "libfreetype", "libglib"};

class MappedLibraries : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qelt-libraries-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs qelt with the arguments, its loader reporting to a file of its own; what the report
    // names, one "file=" line per library mapped, all in one text.
    std::string LoadedBy(const std::vector<std::string>& args, int* code) {
        std::vector<std::string> words = {QELT_PROGRAM};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        std::vector<std::string> settings = {"LD_DEBUG=files", "LD_DEBUG_OUTPUT=" + (m_dir / "loader").string(),
                                             "HOME=" + m_dir.string(), "XDG_DATA_HOME=" + (m_dir / "data").string()};
        std::vector<char*> envp;
        for (std::string& setting : settings) envp.push_back(setting.data());
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("LD_DEBUG", 0) != 0) envp.push_back(*e);
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        int status = -1;
        const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0 &&
                             waitpid(pid, &status, 0) == pid;
        posix_spawn_file_actions_destroy(&actions);
        *code = spawned && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream report(m_dir / ("loader." + std::to_string(pid)));
        std::string lines, line;
        while (std::getline(report, line))
            if (line.find("file=") != std::string::npos) lines += line + "\n";
        return lines;
    }

    fs::path m_dir;
};

TEST_F(MappedLibraries, SolverLibrariesOnlyByACommandThatUsesTheServer) {
    int code = -1;
    const std::string check = LoadedBy({"run", "C:ZHJMJS", "--store", (m_dir / "s.db").string(), "--out",
                                        (m_dir / "out").string(), "--quiet"},
                                       &code);
    ASSERT_EQ(code, 0);
    ASSERT_NE(check.find("libqeltrc.so"), std::string::npos) << check;
    for (const char* library : kSolverLibraries) EXPECT_EQ(check.find(library), std::string::npos) << library;

    const std::string slab = LoadedBy({"run", "C:YXBJS1", "--script", QELT_EXAMPLES "/yxbjs1.txt", "--store",
                                       (m_dir / "s.db").string(), "--out", (m_dir / "out").string(), "--quiet"},
                                      &code);
    ASSERT_EQ(code, 0);
    for (const char* library : {"libqelt_plateserver", "libqelt_fea", "libcholmod"})
        EXPECT_NE(slab.find(library), std::string::npos) << library;
}

// A dialog measures its font and paints: a run maps the drawing libraries, the list of commands
// does not.
TEST_F(MappedLibraries, DrawingLibrariesOnlyOnceSomethingIsDrawn) {
    int code = -1;
    const std::string list = LoadedBy({"list"}, &code);
    ASSERT_EQ(code, 0);
    ASSERT_NE(list.find("libqeltrc.so"), std::string::npos) << list;
    for (const char* library : kDrawingLibraries) EXPECT_EQ(list.find(library), std::string::npos) << library;

    const std::string check = LoadedBy({"run", "C:ZHJMJS", "--store", (m_dir / "s.db").string(), "--out",
                                        (m_dir / "out").string(), "--quiet"},
                                       &code);
    ASSERT_EQ(code, 0);
    for (const char* library : {"libcairo", "libpango"}) EXPECT_NE(check.find(library), std::string::npos) << library;
}

}  // namespace
