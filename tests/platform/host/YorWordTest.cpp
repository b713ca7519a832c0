#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "host/WordObject.h"
#include "host/TemporaryFile.h"
#include "host/YorWord.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int CountFiles(const std::string& directory) {
    int count = 0;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..") ++count;
        closedir(dir);
    }
    return count;
}

class CYorWordTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qelt-yorword-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        CYorWord::SetOutputPath(nullptr);
        std::system(("rm -rf " + m_dir).c_str());
    }
    static CWordObject Report(const char* line) {
        CWordObject report;
        report.WriteTitleInfo("矩形板计算");
        report.WriteText(line, 0, 0, 0, 0, 0, 10.5, "宋体");
        return report;
    }

    std::string m_dir;
};

}  // namespace

TEST_F(CYorWordTest, WithoutAnOutputTheConnectionIsEmpty) {
    CYorWord::SetOutputPath(nullptr);
    CYorWord word(1, 1);
    EXPECT_TRUE(word.BIsEmpty());
    EXPECT_FALSE(Report("x").WriteToWord(&word));
    EXPECT_NE(word.GetErrorMessage().find("no Word output"), std::string::npos);

    CYorWord::SetOutputPath((m_dir + "/report.rtf").c_str());
    EXPECT_FALSE(CYorWord(1, 0).BIsEmpty());
    EXPECT_TRUE(CYorWord(0, 1).BIsEmpty());
}

TEST_F(CYorWordTest, EachReportFollowsTheOnesBeforeOnANewPage) {
    const std::string path = m_dir + "/report.rtf";
    CYorWord::SetOutputPath(path.c_str());
    CYorWord word(1, 1);
    ASSERT_TRUE(Report("first").WriteToWord(&word));
    const std::string once = ReadFile(path);
    EXPECT_EQ(once.rfind("{\\rtf1\\ansi\\ansicpg936", 0), 0u);
    EXPECT_EQ(once.substr(once.size() - 2), "}\n");
    EXPECT_NE(once.find("first"), std::string::npos);

    ASSERT_TRUE(Report("second").WriteToWord(&word));
    const std::string twice = ReadFile(path);
    EXPECT_LT(twice.find("first"), twice.find("\\page"));
    EXPECT_LT(twice.find("\\page"), twice.find("second"));
    EXPECT_EQ(CountFiles(m_dir), 1);
}

// A run killed while it writes (here by the file size limit) leaves its temporary file beside the
// document, under a name that the next run's clean-up of the folder takes.
TEST_F(CYorWordTest, AKilledWriteLeavesWhatTheNextRunRemoves) {
    const std::string path = m_dir + "/report.rtf";
    CYorWord::SetOutputPath(path.c_str());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit none{0, 0}, small{64, 64};
        setrlimit(RLIMIT_CORE, &none);
        std::signal(SIGXFSZ, SIG_DFL);
        setrlimit(RLIMIT_FSIZE, &small);
        CYorWord word(1, 1);
        Report("killed").WriteToWord(&word);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    ASSERT_EQ(CountFiles(m_dir), 1) << "the write left its temporary file";
    EXPECT_FALSE(std::filesystem::exists(path));

    qelt::host::RemoveUnheldTemporaries(m_dir);
    EXPECT_EQ(CountFiles(m_dir), 0);
}

// A write that fails leaves the document as it was and no temporary file behind; the failed
// report is not part of later writes.
TEST_F(CYorWordTest, AFailedWriteChangesNothing) {
    const std::string path = m_dir + "/report.rtf";
    CYorWord::SetOutputPath(path.c_str());
    CYorWord word(1, 1);
    ASSERT_TRUE(Report("first").WriteToWord(&word));
    const std::string before = ReadFile(path);

    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{64, limit.rlim_max};
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const BOOL written = Report("lost").WriteToWord(&word);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_NE(word.GetErrorMessage().find("cannot write"), std::string::npos) << word.GetErrorMessage();
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(CountFiles(m_dir), 1);

    ASSERT_TRUE(Report("third").WriteToWord(&word));
    EXPECT_EQ(ReadFile(path).find("lost"), std::string::npos);
    EXPECT_TRUE(word.GetErrorMessage().empty());

    // A path whose folder does not exist.
    CYorWord::SetOutputPath((m_dir + "/missing/report.rtf").c_str());
    CYorWord nowhere(1, 1);
    EXPECT_FALSE(Report("x").WriteToWord(&nowhere));
    EXPECT_NE(nowhere.GetErrorMessage().find(m_dir + "/missing/report.rtf"), std::string::npos);
}
