#include "host/app/JointCommit.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qelt::app {
namespace {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class JointCommitTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qelt-commit-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
        fs::create_directory(m_dir / "out");
        // A report that was there, one that is new, and the store last.
        WriteFile(m_dir / "out/a.txt", "old a");
        WriteFile(m_dir / "s.db", "old store");
        WriteFile(m_dir / "out/.a.txt.qelt-AAAAAA", "new a");
        WriteFile(m_dir / "out/.b.txt.qelt-BBBBBB", "new b");
        WriteFile(m_dir / "s.db.run-CCCCCC", "new store");
        m_files = {{(m_dir / "out/.a.txt.qelt-AAAAAA").string(), (m_dir / "out/a.txt").string()},
                   {(m_dir / "out/.b.txt.qelt-BBBBBB").string(), (m_dir / "out/b.txt").string()},
                   {(m_dir / "s.db.run-CCCCCC").string(), (m_dir / "s.db").string()}};
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Journal() const { return (m_dir / "s.db.commit").string(); }

    // All old: a.txt and the store as they were, no b.txt; all new: the three new files. Either
    // way nothing of the commit is left over beside them.
    void ExpectAll(bool fresh) const {
        EXPECT_EQ(ReadFile(m_dir / "out/a.txt"), fresh ? "new a" : "old a");
        EXPECT_EQ(fs::exists(m_dir / "out/b.txt"), fresh);
        if (fresh) {
            EXPECT_EQ(ReadFile(m_dir / "out/b.txt"), "new b");
        }
        EXPECT_EQ(ReadFile(m_dir / "s.db"), fresh ? "new store" : "old store");
        for (const fs::path& folder : {m_dir, m_dir / "out"}) {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                const std::string name = entry.path().filename().string();
                EXPECT_EQ(name.find(".qelt-old-"), std::string::npos) << name;
                EXPECT_EQ(name.find(".commit"), std::string::npos) << name;
            }
        }
    }

    fs::path m_dir;
    std::vector<JointCommit::File> m_files;
};

TEST_F(JointCommitTest, AllFilesGoInPlace) {
    ASSERT_EQ(JointCommit(Journal(), m_files).Run(), "");
    ExpectAll(true);
}

// A rename that fails (a folder with a file in it where the second file goes) after the first file
// went into place: every place gets back what it held.
TEST_F(JointCommitTest, AFailedRenamePutsEveryOldFileBack) {
    fs::create_directories(m_dir / "out/b.txt/inside");
    const std::string error = JointCommit(Journal(), m_files).Run();
    EXPECT_NE(error.find("cannot put " + m_files[1].path + " in place"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(m_dir / "out/a.txt"), "old a");
    EXPECT_TRUE(fs::is_directory(m_dir / "out/b.txt/inside"));
    EXPECT_EQ(ReadFile(m_dir / "s.db"), "old store");
    EXPECT_FALSE(fs::exists(Journal()));
}

// A run killed at each point of the commit (a child process that ends there without a word): the
// next run's recovery leaves all the old files, or all the new ones once the store was in place.
TEST_F(JointCommitTest, AKilledCommitIsFinishedByTheNextRun) {
    const std::vector<JointCommit::File> files = m_files;
    for (size_t put = 0; put <= files.size(); ++put) {
        SCOPED_TRACE(testing::Message() << put << " files put in place before the kill");
        TearDown();
        SetUp();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            JointCommit commit(Journal(), m_files);
            if (!commit.Begin().empty()) _exit(2);
            for (size_t i = 0; i < put; ++i) {
                if (!commit.Put(i).empty()) _exit(3);
            }
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_TRUE(fs::exists(Journal())) << "the kill left the commit half done";

        JointCommit::Recover(Journal());
        ExpectAll(put == files.size());
        // Recovering again changes nothing.
        JointCommit::Recover(Journal());
        ExpectAll(put == files.size());
    }
}

}  // namespace
}  // namespace qelt::app
