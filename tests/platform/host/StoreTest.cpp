#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "Printers.h"
#include "TempStore.h"
#include "host/Problem.h"
#include "host/Store.h"
#include "host/VuskSave.h"
#include "host/YorFile.h"

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes, std::streamoff offset = 0) {
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(offset);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

CString Numbered(const char* prefix, int i) {
    CString key;
    key.Format("%s%d", prefix, i);
    return key;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Runs body in a child process and returns its exit code; the child never returns into the test.
template <typename Body>
int InChild(Body body) {
    pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

const double kDoubles[] = {0.1, -0.0, 4.9e-324, DBL_MAX, -1.0 / 3.0, std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
const int kInts[] = {0, -1, INT_MAX, INT_MIN};
const char* const kTexts[] = {"矩形", "", "C30 混凝土 \t\"引号\" 尾", "\x81\x40\xfe\xfe"};

// 0 when the open store holds exactly the values that WriteSamples wrote, else the failing sample.
int CheckSamples() {
    int index = 1;
    for (double expected : kDoubles) {
        double value = 0;
        if (!CVuskSave::GetValue(Numbered("参数/d", index), value, 7.0) ||
            !SameBits(value, expected))
            return index;
        ++index;
    }
    for (int expected : kInts) {
        int value = 0;
        if (!CVuskSave::GetValue(Numbered("参数/n", index), value, 7) || value != expected)
            return index;
        ++index;
    }
    for (const char* expected : kTexts) {
        CString value;
        if (!CVuskSave::GetValue(Numbered("参数/str", index), value, "x") ||
            value.Str() != expected)
            return index;
        ++index;
    }
    CString drawing;
    if (!CYorFile::GetValue("StairBoardDraw/名称", drawing, "") || drawing != "板式楼梯") return 99;
    return 0;
}

void WriteSamples() {
    int index = 1;
    for (double value : kDoubles) ASSERT_TRUE(CVuskSave::SetValue(Numbered("参数/d", index++), value));
    for (int value : kInts) ASSERT_TRUE(CVuskSave::SetValue(Numbered("参数/n", index++), value));
    for (const char* value : kTexts)
        ASSERT_TRUE(CVuskSave::SetValue(Numbered("参数/str", index++), value));
    ASSERT_TRUE(CYorFile::SetValue("StairBoardDraw/名称", "板式楼梯"));
}

TEST(Store, ValuesReadBackExactlyInAnotherProcess) {
    TempStore store;
    WriteSamples();
    EXPECT_EQ(CheckSamples(), 0);
    qelt::host::CloseStore();

    int child = InChild([&] {
        if (!qelt::host::OpenStore(store.Path()).empty()) return 98;
        return CheckSamples();
    });
    EXPECT_EQ(child, 0) << "first sample that differs in the second process";
}

TEST(Store, AbsentKeyOrOtherKindGivesTheDefault) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("k/text", "C30"));
    ASSERT_TRUE(CVuskSave::SetValue("k/int", 5));

    int nValue = 1;
    EXPECT_FALSE(CVuskSave::GetValue("k/absent", nValue, 42));
    EXPECT_EQ(nValue, 42);

    int problems = qelt::host::ProblemCount();
    EXPECT_FALSE(CVuskSave::GetValue("k/text", nValue, 3));
    EXPECT_EQ(nValue, 3);
    double dValue = 0;
    EXPECT_FALSE(CVuskSave::GetValue("k/int", dValue, 2.5));
    EXPECT_EQ(dValue, 2.5);
    EXPECT_EQ(qelt::host::ProblemCount(), problems + 2);

    // The default may be the field itself, as the parameter objects pass it.
    CString strNumber("L-1");
    EXPECT_FALSE(CVuskSave::GetValue("k/absent", strNumber, strNumber));
    EXPECT_EQ(strNumber, "L-1");

    // A key holds one value: a new kind replaces the old one.
    ASSERT_TRUE(CVuskSave::SetValue("k/int", 1.5));
    EXPECT_TRUE(CVuskSave::GetValue("k/int", dValue, 0.0));
    EXPECT_EQ(dValue, 1.5);
}

TEST(Store, ParametersAndDrawingParametersAreSeparate) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("k", 1));
    ASSERT_TRUE(CYorFile::SetValue("k", 2));
    int nParam = 0, nDrawing = 0;
    CVuskSave::GetValue("k", nParam, 0);
    CYorFile::GetValue("k", nDrawing, 0);
    EXPECT_EQ(nParam, 1);
    EXPECT_EQ(nDrawing, 2);
}

TEST(Store, TextIntoCharacterArray) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("k/fits", "C30"));
    ASSERT_TRUE(CVuskSave::SetValue("k/long", "HRB400钢筋"));

    char szGrade[10] = "C20";
    EXPECT_TRUE(CVuskSave::GetValue("k/fits", szGrade, szGrade));
    EXPECT_STREQ(szGrade, "C30");

    // Too long for the buffer: never cut, the default stands.
    EXPECT_FALSE(CVuskSave::GetValue("k/long", szGrade, szGrade));
    EXPECT_STREQ(szGrade, "C30");

    // A default too long is cut at a whole character: 7 bytes would split 钢.
    char szShort[8];
    EXPECT_FALSE(CVuskSave::GetValue("k/absent", szShort, "HRB400钢筋"));
    EXPECT_STREQ(szShort, "HRB400");
}

TEST(Store, ArraysAreStoredWhole) {
    TempStore store;
    CArray<double, double> bulges;
    bulges.Add(0.0);
    bulges.Add(-0.4142135623730951);
    CArray<int, int> types;
    types.Add(3);
    types.Add(-7);
    types.Add(INT_MAX);
    CArray<int, int> none;
    ASSERT_TRUE(CVuskSave::SetValue("p/m_BulgeArray", bulges));
    ASSERT_TRUE(CVuskSave::SetValue("p/m_LineTypeArray", types));
    ASSERT_TRUE(CVuskSave::SetValue("p/m_HasColuArray", none));

    CArray<double, double> readBulges;
    readBulges.Add(9.0);
    ASSERT_TRUE(CVuskSave::GetValue("p/m_BulgeArray", readBulges));
    ASSERT_EQ(readBulges.GetSize(), 2);
    EXPECT_TRUE(SameBits(readBulges[1], bulges[1]));
    CArray<int, int> readTypes;
    ASSERT_TRUE(CVuskSave::GetValue("p/m_LineTypeArray", readTypes));
    ASSERT_EQ(readTypes.GetSize(), 3);
    EXPECT_EQ(readTypes[1], -7);
    EXPECT_EQ(readTypes[2], INT_MAX);
    readTypes.Add(1);
    ASSERT_TRUE(CVuskSave::GetValue("p/m_HasColuArray", readTypes));
    EXPECT_EQ(readTypes.GetSize(), 0);

    // No default: an absent key, or a value of another kind, leaves the array as it was.
    EXPECT_FALSE(CVuskSave::GetValue("p/absent", readBulges));
    EXPECT_FALSE(CVuskSave::GetValue("p/m_LineTypeArray", readBulges));
    EXPECT_EQ(readBulges.GetSize(), 2);
}

TEST(Store, NothingIsStoredWithoutAnOpenStore) {
    qelt::host::CloseStore();
    EXPECT_FALSE(CVuskSave::SetValue("k", 1));
    int nValue = 0;
    EXPECT_FALSE(CVuskSave::GetValue("k", nValue, 9));
    EXPECT_EQ(nValue, 9);
}

TEST(Store, KilledWriterLeavesEveryCommittedValue) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("base/text", "原值"));
    ASSERT_TRUE(CVuskSave::SetValue("base/count", 0));
    qelt::host::CloseStore();

    for (int round = 0; round < 3; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            if (!qelt::host::OpenStore(store.Path()).empty()) _exit(1);
            for (int i = 1;; ++i) {
                CVuskSave::SetValue(Numbered("new/", i), CString('x', 4000));
                CVuskSave::SetValue("base/count", i);
                if (write(pipeEnds[1], &i, sizeof i) != sizeof i) _exit(2);
            }
        }
        close(pipeEnds[1]);
        int reported = 0;
        while (reported < 5 + 5 * round && read(pipeEnds[0], &reported, sizeof reported) == sizeof reported) {
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        close(pipeEnds[0]);

        ASSERT_EQ(qelt::host::OpenStore(store.Path()), "");
        CString text;
        EXPECT_TRUE(CVuskSave::GetValue("base/text", text, ""));
        EXPECT_EQ(text, "原值");
        int count = -1;
        EXPECT_TRUE(CVuskSave::GetValue("base/count", count, -1));
        EXPECT_GE(count, reported);
        CString written;
        EXPECT_TRUE(CVuskSave::GetValue(Numbered("new/", count), written, ""));
        EXPECT_EQ(written.GetLength(), 4000);
        qelt::host::CloseStore();
    }
}

// The number of values another connection to the file sees: what has been committed.
int CommittedCount(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    int count = -1;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM value", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        count = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return count;
}

TEST(Store, BatchIsCommittedWhenItsOutermostLevelEnds) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("before", 1));
    ASSERT_TRUE(qelt::host::BeginStoreBatch());
    ASSERT_TRUE(CVuskSave::SetValue("outer", 2));
    {
        qelt::host::StoreBatch inner;
        ASSERT_TRUE(CYorFile::SetValue("inner", 3));
    }
    int inner = 0;
    EXPECT_TRUE(CYorFile::GetValue("inner", inner, 0));  // the batch reads its own writes
    EXPECT_EQ(inner, 3);
    EXPECT_EQ(CommittedCount(store.Path()), 1);
    ASSERT_TRUE(qelt::host::EndStoreBatch());
    EXPECT_EQ(CommittedCount(store.Path()), 3);
}

// A disk that fills up (here the file size limit) within a batch fails every write after the first
// for the same reason: the reason is told once, and the batch is lost whole.
TEST(Store, AFullDiskIsToldOnce) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("kept", 1));
    const int problems = qelt::host::ProblemCount();
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{static_cast<rlim_t>(std::filesystem::file_size(store.Path())), limit.rlim_max};
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    bool stored = qelt::host::BeginStoreBatch();
    for (int i = 0; i < 200; ++i) stored = CVuskSave::SetValue(Numbered("k/", i), CString('v', 300)) && stored;
    stored = qelt::host::EndStoreBatch() && stored;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(stored);
    EXPECT_EQ(qelt::host::ProblemCount(), problems + 1);
    qelt::host::CloseStore();
    EXPECT_EQ(CommittedCount(store.Path()), 1);
}

TEST(Store, BatchLeftOpenWhenTheStoreClosesIsLostWhole) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("kept", 1));
    ASSERT_TRUE(qelt::host::BeginStoreBatch());
    ASSERT_TRUE(CVuskSave::SetValue("kept", 2));
    ASSERT_TRUE(CVuskSave::SetValue("lost", 3));
    qelt::host::CloseStore();

    ASSERT_EQ(qelt::host::OpenStore(store.Path()), "");
    int kept = 0, lost = 0;
    EXPECT_TRUE(CVuskSave::GetValue("kept", kept, 0));
    EXPECT_EQ(kept, 1);
    EXPECT_FALSE(CVuskSave::GetValue("lost", lost, -1));
    EXPECT_EQ(lost, -1);
}

struct Damage {
    const char* name;
    void (*apply)(const std::string& path);
};

const Damage kDamages[] = {
    {"header overwritten", [](const std::string& path) { WriteBytes(path, "garbage garbage!", 0); }},
    {"a page scribbled", [](const std::string& path) { WriteBytes(path, std::string(100, '\x5a'), 4096); }},
    {"a text file", [](const std::string& path) { std::ofstream(path, std::ios::binary) << "名称=板式楼梯\n"; }},
    // SQLite would take a file shorter than its header for an empty database and write over it.
    {"a single byte", [](const std::string& path) { std::ofstream(path, std::ios::binary | std::ios::trunc) << "x"; }},
    {"truncated", [](const std::string& path) { std::filesystem::resize_file(path, 4096 + 100); }},
    {"another program's database",
     [](const std::string& path) {
         std::filesystem::remove(path);
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         sqlite3_exec(db, "CREATE TABLE other(x); INSERT INTO other VALUES(1)", nullptr, nullptr, nullptr);
         sqlite3_close(db);
     }},
    // SQLite reads a file cut short within its last page, and its last value loses its tail.
    {"cut short by a few bytes",
     [](const std::string& path) { std::filesystem::resize_file(path, std::filesystem::file_size(path) - 7); }},
    {"a byte too many",
     [](const std::string& path) { std::filesystem::resize_file(path, std::filesystem::file_size(path) + 1); }},
    // A table of the store's name without its key would add a row for each write.
    {"its table without its key",
     [](const std::string& path) {
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         sqlite3_exec(db,
                      "DROP TABLE value; CREATE TABLE value(space INTEGER NOT NULL, key BLOB NOT NULL, "
                      "kind INTEGER NOT NULL, data BLOB NOT NULL)",
                      nullptr, nullptr, nullptr);
         sqlite3_close(db);
     }},
    {"a table of another program beside its own",
     [](const std::string& path) {
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         sqlite3_exec(db, "CREATE TABLE other(x)", nullptr, nullptr, nullptr);
         sqlite3_close(db);
     }},
    {"a database without tables",
     [](const std::string& path) {
         std::filesystem::remove(path);
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         sqlite3_exec(db, "CREATE TABLE t(x); DROP TABLE t", nullptr, nullptr, nullptr);
         sqlite3_close(db);
     }},
    {"a newer version",
     [](const std::string& path) {
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         sqlite3_exec(db, "PRAGMA user_version = 2", nullptr, nullptr, nullptr);
         sqlite3_close(db);
     }},
};

TEST(Store, DamagedOrForeignFileIsRefusedAndLeftAsItWas) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        TempStore store;
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(CVuskSave::SetValue(Numbered("k/", i), CString('v', 300)));
        qelt::host::CloseStore();
        damage.apply(store.Path());
        std::string before = FileBytes(store.Path());

        std::string error = qelt::host::OpenStore(store.Path());
        EXPECT_NE(error.find(store.Path()), std::string::npos) << error;
        EXPECT_FALSE(qelt::host::IsStoreOpen());
        EXPECT_FALSE(CVuskSave::SetValue("k/after", 1));
        EXPECT_TRUE(FileBytes(store.Path()) == before) << "the file changed";
    }
}

TEST(Store, MissingOrEmptyFileBecomesANewStore) {
    TempStore store;
    qelt::host::CloseStore();
    std::string empty = store.Folder() + "/empty.db";
    std::ofstream(empty).close();
    ASSERT_EQ(qelt::host::OpenStore(empty), "");
    EXPECT_TRUE(CVuskSave::SetValue("k", 1));
    qelt::host::CloseStore();
    ASSERT_EQ(qelt::host::OpenStore(empty), "");
    int nValue = 0;
    EXPECT_TRUE(CVuskSave::GetValue("k", nValue, 0));
    EXPECT_EQ(nValue, 1);

    EXPECT_NE(qelt::host::OpenStore(store.Folder()), "") << "a folder is not a store";
}

}  // namespace
