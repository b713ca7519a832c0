// The store of a run, on a temporary folder: what is refused before anything runs (and left as it
// was), what a run replaces, and runs taking turns on one store.
#include "host/app/StoreSession.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "host/Store.h"
#include "host/VuskSave.h"
#include "ReadOnlyFile.h"

namespace qelt::app {
namespace {
namespace fs = std::filesystem;
using std::chrono::milliseconds;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

using qelt::test::MakeReadOnly;
using qelt::test::SetImmutable;

class StoreSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qelt-session-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
    }
    void TearDown() override {
        host::CloseStore();
        for (const fs::directory_entry& entry : fs::directory_iterator(m_dir)) SetImmutable(entry.path(), false);
        fs::remove_all(m_dir);
    }

    // A run that stores `count` values "k/NNNN" = `text` in the store at path; "" or its error.
    std::string RunStoring(const std::string& path, int count, const char* text, milliseconds wait = milliseconds(0)) {
        StoreSession session;
        std::string error = session.Open(path, wait);
        for (int i = 0; error.empty() && i < count; ++i) {
            char key[16];
            std::snprintf(key, sizeof key, "k/%04d", i);
            if (!CVuskSave::SetValue(key, text)) error = "not stored";
        }
        if (error.empty()) error = session.Prepare();
        OutputFiles outputs;
        if (error.empty()) error = session.Replace(outputs);
        return error;
    }

    // The value of "k/0000" in the store at path, "" when it has none.
    std::string Stored(const std::string& path) {
        if (!host::OpenStore(path).empty()) return "";
        CString value;
        CVuskSave::GetValue("k/0000", value, "");
        host::CloseStore();
        return value.Str();
    }

    fs::path m_dir;
};

// Each file is refused before the run with a message naming the store (never the working copy),
// and is left byte for byte as it was.
TEST_F(StoreSessionTest, FilesThatCannotBeUsedAreRefusedAndLeftAsTheyWere) {
    struct Case {
        const char* name;
        bool (*make)(const fs::path& path);
        const char* message;
    };
    const Case cases[] = {
        {"one byte", [](const fs::path& p) { return WriteFile(p, "x"), true; }, "it is not a qelt store"},
        {"a text", [](const fs::path& p) { return WriteFile(p, "name=stair\n"), true; }, "it is not a qelt store"},
        // A key changed so that the rows are out of order: only the whole check finds it.
        {"damaged inside",
         [](const fs::path& p) {
             std::string bytes = ReadFile(p);
             const std::size_t at = bytes.find("k/0005");
             if (at == std::string::npos) return false;
             bytes.replace(at, 6, "k/9995");
             WriteFile(p, bytes);
             return true;
         },
         "it is damaged"},
        {"read-only", [](const fs::path& p) { return MakeReadOnly(p); }, "cannot be written"},
        {"a folder", [](const fs::path& p) { return fs::remove(p) && fs::create_directory(p); }, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path store = m_dir / (std::string(c.name) + ".db");
        ASSERT_EQ(RunStoring(store.string(), 200, std::string(300, 'v').c_str()), "");
        if (!c.make(store)) {
            std::cout << "skipped: " << c.name << " cannot be made here\n";
            continue;
        }
        const std::string before = fs::is_regular_file(store) ? ReadFile(store) : "";
        StoreSession session;
        const std::string error = session.Open(store.string(), milliseconds(0));
        EXPECT_NE(error.find(store.string()), std::string::npos) << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
        EXPECT_EQ(error.find(".run-"), std::string::npos) << error;
        EXPECT_FALSE(host::IsStoreOpen());
        if (fs::is_regular_file(store)) {
            EXPECT_TRUE(ReadFile(store) == before) << "the file changed";
        }
    }
}

// A missing or empty file starts a new store; a store reached through a symbolic link is replaced
// where the link leads, and the link stays.
TEST_F(StoreSessionTest, NewStoresAndStoresBehindLinks) {
    const fs::path fresh = m_dir / "sub/new.db", empty = m_dir / "empty.db";
    WriteFile(empty, "");
    for (const fs::path& store : {fresh, empty}) {
        ASSERT_EQ(RunStoring(store.string(), 1, "a"), "") << store;
        EXPECT_EQ(Stored(store.string()), "a");
    }

    const fs::path target = m_dir / "target.db", link = m_dir / "link.db";
    ASSERT_EQ(RunStoring(target.string(), 1, "a"), "");
    fs::create_symlink("target.db", link);
    ASSERT_EQ(RunStoring(link.string(), 1, "b"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Stored(target.string()), "b");
    // A link whose target is not there yet makes the store there.
    fs::create_symlink("later.db", m_dir / "dangling.db");
    ASSERT_EQ(RunStoring((m_dir / "dangling.db").string(), 1, "c"), "");
    EXPECT_EQ(Stored((m_dir / "later.db").string()), "c");
    EXPECT_TRUE(fs::is_symlink(m_dir / "dangling.db"));
}

// A run finds another holding the store: it waits for it, and is refused once the bound has passed,
// without touching the store. A run that was never replaced leaves no working copy behind.
TEST_F(StoreSessionTest, RunsOnOneStoreTakeTurns) {
    const fs::path store = m_dir / "s.db";
    ASSERT_EQ(RunStoring(store.string(), 1, "first"), "");
    const int other = open((store.string() + ".lock").c_str(), O_RDONLY);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    {
        StoreSession session;
        const std::string error = session.Open(store.string(), milliseconds(200));
        EXPECT_NE(error.find("is in use by another run"), std::string::npos) << error;
    }
    // The other run ends while this one waits.
    std::thread ending([&] {
        std::this_thread::sleep_for(milliseconds(100));
        close(other);
    });
    EXPECT_EQ(RunStoring(store.string(), 1, "second", milliseconds(5000)), "");
    ending.join();
    EXPECT_EQ(Stored(store.string()), "second");
    {
        StoreSession session;
        ASSERT_EQ(session.Open(store.string(), milliseconds(0)), "");
        ASSERT_TRUE(CVuskSave::SetValue("k/0000", "lost"));
    }
    EXPECT_EQ(Stored(store.string()), "second");
    for (const fs::directory_entry& entry : fs::directory_iterator(m_dir))
        EXPECT_EQ(entry.path().filename().string().find(".run-"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace qelt::app
