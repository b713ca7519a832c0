// qelt run as a person runs it: a process with its command line, script file, store and output
// folder, judged by its exit code, its output and the files it leaves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ReferencePicture.h"
#include "host/app/JointCommit.h"
#include "ReadOnlyFile.h"

namespace {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

using qelt::test::MakeReadOnly;
using qelt::test::SetImmutable;

struct Outcome {
    int code = -1;
    std::string out;  // stdout
    std::string err;  // stderr
};

class QeltProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qelt-run-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
    }
    void TearDown() override {
        for (const fs::directory_entry& entry : fs::directory_iterator(m_dir)) SetImmutable(entry.path(), false);
        fs::remove_all(m_dir);
    }

    // Runs qelt in the test's folder, with HOME and XDG_DATA_HOME inside it and input on stdin.
    Outcome Qelt(const std::vector<std::string>& args, const std::string& input = "") {
        WriteFile(m_dir / "stdin", input);
        std::string command = "cd " + Quote(m_dir.string()) + " && HOME=" + Quote((m_dir / "home").string()) +
                              " XDG_DATA_HOME=" + Quote((m_dir / "data").string()) + " " + Quote(QELT_PROGRAM);
        for (const std::string& arg : args) command += " " + Quote(arg);
        command += " >" + Quote((m_dir / "stdout").string()) + " 2>" + Quote((m_dir / "stderr").string()) + " <" +
                   Quote((m_dir / "stdin").string());
        int status = std::system(command.c_str());
        Outcome outcome;
        outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.out = ReadFile(m_dir / "stdout");
        outcome.err = ReadFile(m_dir / "stderr");
        return outcome;
    }

    std::string Script(const std::string& name, const std::string& text) {
        WriteFile(m_dir / name, text);
        return (m_dir / name).string();
    }

    fs::path m_dir;
};

TEST_F(QeltProcessTest, ListShowsTheCommandsInUtf8) {
    Outcome outcome = Qelt({"list"});
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.out.find(u8"C:ZHJMJS\t受弯构件正截面承载力计算\tA\n"), 0u) << outcome.out;
}

TEST_F(QeltProcessTest, RunWithoutScriptCalculatesAndWritesTheReports) {
    // A picture that an earlier run of the command left: this run has none, so it goes.
    fs::create_directory(m_dir / "out");
    WriteFile(m_dir / "out/zhjmjs-full-7.png", "earlier");
    Outcome outcome = Qelt({"run", "c:zhjmjs", "--out", "out"});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(m_dir / "data/qelt/store.db"));
    for (const char* name : {"zhjmjs-full.rtf", "zhjmjs-short.rtf", "zhjmjs-full.txt", "zhjmjs-short.txt"})
        EXPECT_GT(fs::file_size(m_dir / "out" / name), 0u) << name;
    EXPECT_EQ(ReadFile(m_dir / "out/zhjmjs-full.rtf").rfind("{\\rtf1", 0), 0u);
    const std::string fullText = ReadFile(m_dir / "out/zhjmjs-full.txt");
    EXPECT_EQ(outcome.out.find(fullText), 0u) << "the full report comes first on stdout";
    EXPECT_NE(outcome.out.find("list entry"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "out/zhjmjs-full-7.png"));

    Outcome quiet = Qelt({"run", "C:ZHJMJS", "--out", "out", "--quiet"});
    ASSERT_EQ(quiet.code, 0) << quiet.err;
    EXPECT_EQ(quiet.out.find(fullText), std::string::npos);
    EXPECT_NE(quiet.out.find("list entry"), std::string::npos);
}

TEST_F(QeltProcessTest, ScriptTypesIntoThePageAndTheStoreKeepsIt) {
    // b = 300 (control 581), written as 3e2: the same number.
    Outcome outcome = Qelt({"run", "C:ZHJMJS", "--script", "-", "--store", "s.db", "--out", "out"},
                           u8"# the section\nset 581 3e2\nclick 553\n");
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_NE(outcome.out.find(u8"截面宽度: b=300mm"), std::string::npos) << outcome.out;

    Outcome again = Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "out"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_NE(again.out.find(u8"截面宽度: b=300mm"), std::string::npos) << again.out;

    // An editor's byte-order mark before the first line is no part of it.
    Outcome marked = Qelt({"run", "C:ZHJMJS", "--script", Script("bom.txt", "\xEF\xBB\xBFset 581 320\nclick 553\n"),
                           "--store", "s.db", "--out", "out"});
    ASSERT_EQ(marked.code, 0) << marked.err;
    EXPECT_NE(marked.out.find(u8"截面宽度: b=320mm"), std::string::npos) << marked.out;
}

// A value that the page refuses ends the run with exit 5: nothing is calculated, no report is
// written and the store stays as it was, whatever comes after it in the script.
TEST_F(QeltProcessTest, ARefusedValueEndsTheRunAndChangesNothing) {
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "out", "--quiet"}).code, 0);
    const std::string stored = ReadFile(m_dir / "s.db"), report = ReadFile(m_dir / "out/zhjmjs-full.txt");
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        // b = -400: the page says its range and puts the old width back.
        {"set 581 -400\nclick 553\n",
         u8"refused.txt: line 1: set 581 -400: the page refused the value: \"请输入一个在0.000001与10000之间的实数\"; "
         u8"control 581 holds \"400\"; no report was written and the store was left as it was"},
        {"set 583 99999\nanswer ok\nclick 553\n", "refused.txt: line 1: set 583 99999: the page refused the value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Outcome outcome = Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "out", "--script", Script("refused.txt", c.script)});
        EXPECT_EQ(outcome.code, 5) << outcome.err;
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find(u8"-> 关闭"), std::string::npos) << "the run ends at once";
        EXPECT_TRUE(ReadFile(m_dir / "s.db") == stored) << "the store changed";
        EXPECT_EQ(ReadFile(m_dir / "out/zhjmjs-full.txt"), report);
    }
}

// A notice that the page shows while it carries out an action that enters no value (here the
// continuous beam's span and load editors on their buttons) refuses that action as it refuses a
// value: exit 5 with the line and the message, nothing calculated, written or stored.
TEST_F(QeltProcessTest, ANoticeOnAButtonEndsTheRunAndChangesNothing) {
    ASSERT_EQ(Qelt({"run", "C:LXLJS", "--store", "s.db", "--out", "out", "--quiet", "--script", "-"}, "click 569\nclick 553\n").code, 0);
    const std::string stored = ReadFile(m_dir / "s.db"), report = ReadFile(m_dir / "out/lxljs-full.txt");
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        // "追加" and "修改" of a span 20 mm high; "插入荷载" of a load of -1 kN/m.
        {"set 153 20\nclick 569\nclick 553\n", u8"refused.txt: line 2: click 569: the page refused it: \"梁高必须大于30mm！\""},
        {"row 156 0\nset 153 20\nclick 594\nclick 553\n", u8"line 3: click 594: the page refused it: \"梁高必须大于30mm！\""},
        {"row 156 0\nset 487 -1\nclick 492\nclick 553\n", u8"line 3: click 492: the page refused it: \"q值必须>0!\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Outcome outcome = Qelt({"run", "C:LXLJS", "--store", "s.db", "--out", "out", "--script", Script("refused.txt", c.script)});
        EXPECT_EQ(outcome.code, 5) << outcome.err;
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find("no report was written and the store was left as it was"), std::string::npos);
        // The box has the module's title, as its other boxes have.
        EXPECT_NE(outcome.err.find(u8"message box \"QELT构件计算提示您\": "), std::string::npos) << outcome.err;
        EXPECT_TRUE(ReadFile(m_dir / "s.db") == stored) << "the store changed";
        EXPECT_EQ(ReadFile(m_dir / "out/lxljs-full.txt"), report);
    }
}

TEST_F(QeltProcessTest, RunWithoutScriptGoesOnPastAWarningList) {
    // A minimum ratio (control 276) below the code's asks whether to go back; the script says no.
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--script", "-", "--store", "s.db", "--quiet"}, "set 276 0.1\nclick 553\nanswer no\n").code, 0);

    Outcome outcome = Qelt({"run", "C:ZHJMJS", "--store", "s.db"});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_NE(outcome.err.find(u8"最小配筋率取值不宜小于0.200%"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find(u8"-> 否"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.out.find(u8"ρmin=0.100％"), std::string::npos) << "the calculation went on: " << outcome.out;
}

TEST_F(QeltProcessTest, AddToListWritesTheWordOutput) {
    std::string script = Script("add.txt", "click 110\n");
    Outcome outcome = Qelt({"run", "C:ZHJMJS", "--script", script, "--store", "s.db", "--word", "word.rtf", "--quiet"});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(ReadFile(m_dir / "word.rtf").rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(outcome.out.find("list entry of C:ZHJMJS:"), std::string::npos) << outcome.out;
}

TEST_F(QeltProcessTest, BadRunsFailWithAMessageAndLeaveTheStoreAsItWas) {
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--quiet"}).code, 0);
    const std::string stored = ReadFile(m_dir / "s.db");
    ASSERT_FALSE(stored.empty());
    WriteFile(m_dir / "damaged.db", "not a database, only a line of text that was saved in its place\n");
    const std::string damaged = ReadFile(m_dir / "damaged.db");
    fs::create_directory(m_dir / "folder.db");
    // The read end of a pipe, which qelt inherits, named as a store.
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const std::string pipeStore = "/dev/fd/" + std::to_string(pipeEnds[0]);
    // A store deeper than SQLite opens (a path of about 600 characters).
    const fs::path deep = m_dir / std::string(200, 'd') / std::string(200, 'e') / std::string(200, 'f');
    fs::create_directories(deep);

    struct Case {
        std::vector<std::string> args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {{"run", "C:ZHJMJS", "--store", pipeStore}, 3, ": not a regular file"},
        {{"run", "C:ZHJMJS", "--store", (deep / "s.db").string()}, 3, "its path is too long for the database"},
        {{}, 2, "no action given"},
        {{"run", "C:NOSUCH", "--store", "s.db"}, 2, "unknown command \"C:NOSUCH\""},
        {{"run", "C:ZHJMJS", "--mode", "x"}, 2, "--mode needs a whole number"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", Script("parse.txt", "click 553\npress 2\n")}, 2,
         "parse.txt:2: unknown action \"press\""},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", Script("missing.txt", "click 553\nclick 9999\n")}, 2,
         "line 2: click 9999"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", "absent.txt"}, 2, "cannot read the script absent.txt"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", "folder.db"}, 2, "cannot read the script folder.db: Is a directory"},
        // A file that opens and fails on its first read.
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", "/proc/self/mem"}, 2, "cannot read the script /proc/self/mem: "},
        // An answer with no message box or prompt to take it, whatever the answer.
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", Script("no.txt", "set 581 300\nanswer no\nclick 553\n")}, 2,
         "no.txt: line 2: answer no: no message box or prompt is shown"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", Script("ok.txt", "answer ok\n")}, 2,
         "ok.txt: line 1: answer ok: no message box or prompt is shown"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--mode", "2", "--script", Script("hidden.txt", "click 118\n")}, 2,
         "line 1: click 118"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--out", "s.db/out"}, 1, "cannot make the output folder s.db/out"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--script", Script("snap.txt", "click 553\nsnap a\n")}, 2,
         "snap.txt:2: \"snap\" needs --snap DIR"},
        {{"run", "C:ZHJMJS", "--store", "s.db", "--snap", "s.db/pics"}, 1, "cannot make the output folder s.db/pics"},
        {{"run", "C:ZHJMJS", "--store", "damaged.db"}, 3, "damaged.db"},
        {{"run", "C:ZHJMJS", "--store", "folder.db"}, 3, "not a regular file"},
    };
    for (const Case& c : cases) {
        Outcome outcome = Qelt(c.args);
        EXPECT_EQ(outcome.code, c.code) << outcome.err;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    }
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    EXPECT_FALSE(fs::exists(deep / "s.db"));
    EXPECT_EQ(ReadFile(m_dir / "s.db"), stored);
    EXPECT_EQ(ReadFile(m_dir / "damaged.db"), damaged);
    for (const fs::directory_entry& entry : fs::directory_iterator(m_dir))
        EXPECT_EQ(entry.path().filename().string().find(".run-"), std::string::npos) << entry.path();
}

// "controls" tells an edit that takes typing from one that only shows what it holds (the punching
// page's result line) and from one that is disabled.
TEST_F(QeltProcessTest, ControlsTellTheStateOfEachControl) {
    Outcome outcome = Qelt({"run", "C:CHQJS", "--script", "-", "--store", "s.db", "--quiet"}, "controls\n");
    EXPECT_EQ(outcome.code, 4) << outcome.err;
    EXPECT_NE(outcome.out.find("\n529\tedit\t\"\"\t\"\"\tread-only\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find(u8"\n511\tedit\t\"局部荷载设计值Fl(kN)\"\t\"200\"\tenabled\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find(u8"\n635\tedit\t\"集中反力设计值N(kN)\"\t\"200\"\tdisabled\n"), std::string::npos) << outcome.out;
}

TEST_F(QeltProcessTest, ThePointerKeysAndTypingReachThePageAndReadShowsIt) {
    // A click into b (581), the old value erased with End and backspaces, 300 typed, Tab on.
    Outcome outcome = Qelt({"run", "C:ZHJMJS", "--script", "-", "--store", "s.db", "--out", "out"},
                           "mouse 581 down 3 3\nkey VK_END\nkey VK_BACK\nkey VK_BACK\nkey VK_BACK\nkey VK_BACK\n"
                           "type 300\nkey VK_TAB\nread 581\nclick 553\n");
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("581 300\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find(u8"截面宽度: b=300mm"), std::string::npos) << outcome.out;
}

TEST_F(QeltProcessTest, ARunThatCalculatedNothingWritesNoReportsAndSaysWhy) {
    ASSERT_EQ(Qelt({"run", "C:JXBJS", "--store", "s.db", "--quiet"}).code, 0);
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--quiet"}).code, 0);
    const std::string stored = ReadFile(m_dir / "s.db");
    struct Case {
        const char* command;
        const char* script;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        // M = 5000 kN·m is more than the default section takes: the input check refuses it.
        {"C:ZHJMJS", "set 714 5000\nclick 553\n", u8"请返回修改!", "nothing was calculated: the input check refused it"},
        {"C:ZHJMJS", "set 581 300\n", "", u8"nothing was calculated: the script ended before \"计算\""},
        // A slab 60 mm thick under 100 kN/m² needs more steel than it can hold.
        {"C:JXBJS", "set 440 60\nset 392 100\nclick 553\n", "",
         u8"nothing was calculated: the calculation refused it: 板超筋，请加大板厚或者提高混凝土强度"},
        // The last calculation decides, whatever an earlier one gave: "计算", the report tab and
        // "加入列表" after one that calculated.
        {"C:ZHJMJS", "click 553\nset 714 5000\nclick 553\n", u8"请返回修改!", "nothing was calculated: the input check refused it"},
        {"C:JXBJS", "click 553\nset 440 60\nset 392 100\nclick 553\n", "",
         u8"nothing was calculated: the calculation refused it: 板超筋，请加大板厚或者提高混凝土强度"},
        {"C:JXBJS", u8"click 553\nset 440 60\nset 392 100\ntab 计算书\n", "", u8"the calculation refused it: 板超筋"},
        {"C:JXBJS", "click 110\nset 440 60\nset 392 100\nclick 110\n", "", u8"the calculation refused it: 板超筋"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        fs::remove_all(m_dir / "out");
        Outcome outcome = Qelt({"run", c.command, "--script", "-", "--store", "s.db", "--out", "out", "--word", "w.rtf"}, c.script);
        EXPECT_EQ(outcome.code, 4) << outcome.err;
        EXPECT_FALSE(fs::exists(m_dir / "w.rtf")) << "no Word output";
        EXPECT_NE(outcome.out.find(c.out), std::string::npos) << outcome.out;
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
        EXPECT_TRUE(fs::is_empty(m_dir / "out")) << "no report files";
        EXPECT_TRUE(ReadFile(m_dir / "s.db") == stored) << "the refused input was stored";
    }
}

// In mode 0 the work dialog's buttons are hidden: a run without a script calculates as the host
// does there, and writes the reports.
TEST_F(QeltProcessTest, ModeZeroCalculatesWithoutAScript) {
    for (const char* command : {"C:ZHJMJS", "C:JXBJS"}) {
        SCOPED_TRACE(command);
        Outcome outcome = Qelt({"run", command, "--mode", "0", "--store", "s.db", "--out", "out", "--quiet"});
        EXPECT_EQ(outcome.code, 0) << outcome.err;
        const std::string stem = std::string(command).substr(2);
        std::string lower;
        for (char c : stem) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_GT(ReadFile(m_dir / "out" / (lower + "-full.txt")).size(), 100u);
    }
}

// Runs killed in the middle leave their working copies and journals; the next run on the store
// removes them, and leaves other files alone.
TEST_F(QeltProcessTest, LeftoversOfKilledRunsAreRemoved) {
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--quiet"}).code, 0);
    for (const char* name : {"s.db.run-AAAAAA", "s.db.run-AAAAAA-journal", "s.db.run-CCCCCC-journal", "s.db.run-notmine",
                             "t.db.run-DDDDDD"}) {
        WriteFile(m_dir / name, "left over");
    }
    // The Word output staged, and the file that "加入列表" was writing in its place.
    for (const char* name : {".w.rtf.qelt-EEEEEE", "..w.rtf.qelt-EEEEEE.qelt-FFFFFF"}) WriteFile(m_dir / name, "left over");
    Outcome outcome = Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--word", "w.rtf", "--quiet"});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    struct Case {
        const char* name;
        bool kept;
    };
    for (const Case& c : {Case{"s.db.run-AAAAAA", false}, Case{"s.db.run-AAAAAA-journal", false},
                          Case{"s.db.run-CCCCCC-journal", false}, Case{"s.db.run-notmine", true},
                          Case{"t.db.run-DDDDDD", true}, Case{".w.rtf.qelt-EEEEEE", false},
                          Case{"..w.rtf.qelt-EEEEEE.qelt-FFFFFF", false}}) {
        EXPECT_EQ(fs::exists(m_dir / c.name), c.kept) << c.name;
    }
}

// A run killed while it put its outputs and its store in place (here after the first of two files,
// in a child process that ends there) leaves a journal; the next run on the store finishes the
// commit before it starts: the earlier report and the store are as they were, and nothing of the
// killed run is left beside them.
TEST_F(QeltProcessTest, ACommitCutShortIsUndoneByTheNextRun) {
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "out", "--quiet"}).code, 0);
    const std::string stored = ReadFile(m_dir / "s.db"), report = ReadFile(m_dir / "out/zhjmjs-full.txt");
    WriteFile(m_dir / "out/.zhjmjs-full.txt.qelt-AAAAAA", "the killed run's report");
    WriteFile(m_dir / "s.db.run-BBBBBB", "the killed run's store");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        qelt::app::JointCommit commit((m_dir / "s.db.commit").string(),
                                      {{(m_dir / "out/.zhjmjs-full.txt.qelt-AAAAAA").string(), (m_dir / "out/zhjmjs-full.txt").string()},
                                       {(m_dir / "s.db.run-BBBBBB").string(), (m_dir / "s.db").string()}});
        _exit(commit.Begin().empty() && commit.Put(0).empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(ReadFile(m_dir / "out/zhjmjs-full.txt"), "the killed run's report");

    Outcome next = Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "elsewhere", "--quiet", "--script", "-"}, "set 581 999\n");
    EXPECT_EQ(next.code, 4) << next.err;
    EXPECT_EQ(ReadFile(m_dir / "out/zhjmjs-full.txt"), report);
    EXPECT_TRUE(ReadFile(m_dir / "s.db") == stored) << "the store changed";
    for (const fs::path& folder : {m_dir, m_dir / "out"}) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name.find(".qelt-") == std::string::npos && name.find(".commit") == std::string::npos &&
                        name.find(".run-") == std::string::npos)
                << name;
        }
    }
}

// The store cases as a person meets them: each run is refused (or fails) with its exit code and a
// message naming the store, and leaves the store and the outputs as they were; a store behind a
// link is replaced where the link leads.
TEST_F(QeltProcessTest, StoreCasesKeepWhatWasMeant) {
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "out", "--quiet"}).code, 0);
    const std::string good = ReadFile(m_dir / "s.db");
    const std::string report = ReadFile(m_dir / "out/zhjmjs-full.rtf");
    struct Case {
        const char* name;
        std::string (*make)(const fs::path& dir, const std::string& good);  // the store's path, "" to skip
        std::vector<std::string> more;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"one byte", [](const fs::path& d, const std::string&) { return WriteFile(d / "one.db", "x"), std::string("one.db"); },
         {}, 3, "one.db: it is not a qelt store"},
        {"damaged inside",
         [](const fs::path& d, const std::string& g) {
             // A page of the store written over with zeros.
             std::string bytes = g;
             if (bytes.size() < 8192) return std::string();
             bytes.replace(4096 + 8, 64, std::string(64, '\0'));
             WriteFile(d / "damaged.db", bytes);
             return std::string("damaged.db");
         },
         {}, 3, "damaged.db: it is damaged"},
        {"cut short",
         [](const fs::path& d, const std::string& g) { return WriteFile(d / "cut.db", g.substr(0, g.size() - 10)), std::string("cut.db"); },
         {}, 3, "cut.db: it is damaged (it is "},
        {"a database without tables",
         [](const fs::path& d, const std::string&) {
             sqlite3* db = nullptr;
             sqlite3_open((d / "bare.db").c_str(), &db);
             sqlite3_exec(db, "CREATE TABLE t(x); DROP TABLE t", nullptr, nullptr, nullptr);
             sqlite3_close(db);
             return std::string("bare.db");
         },
         {}, 3, "bare.db: it is an empty database, not a qelt store"},
        {"read-only",
         [](const fs::path& d, const std::string& g) {
             WriteFile(d / "ro.db", g);
             return MakeReadOnly(d / "ro.db") ? std::string("ro.db") : std::string();
         },
         {}, 3, "the store ro.db cannot be written"},
        {"report cannot be written",
         [](const fs::path& d, const std::string& g) {
             WriteFile(d / "out.db", g);
             fs::remove(d / "out/zhjmjs-short.txt");
             fs::create_directory(d / "out/zhjmjs-short.txt");  // a folder in the report's place
             return std::string("out.db");
         },
         {"--script", "-"}, 1, "zhjmjs-short.txt"},
        {"word output cannot be written",
         [](const fs::path& d, const std::string& g) { return WriteFile(d / "word.db", g), std::string("word.db"); },
         {"--word", "word.db/w.rtf", "--script", "-"}, 1, "the Word output cannot be written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string store = c.make(m_dir, good);
        if (store.empty()) {
            std::cout << "skipped: " << c.name << " cannot be made here\n";
            continue;
        }
        const std::string before = ReadFile(m_dir / store);
        std::vector<std::string> args{"run", "C:ZHJMJS", "--store", store, "--out", "out", "--quiet"};
        args.insert(args.end(), c.more.begin(), c.more.end());
        Outcome outcome = Qelt(args, "set 581 250\nclick 110\n");
        EXPECT_EQ(outcome.code, c.code) << outcome.err;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find(".run-"), std::string::npos) << "no message names the working copy";
        EXPECT_TRUE(ReadFile(m_dir / store) == before) << "the store changed";
        EXPECT_EQ(ReadFile(m_dir / "out/zhjmjs-full.rtf"), report) << "the outputs changed";
    }
    // A link in the lock file's place is not followed, and makes nothing where it leads.
    fs::remove(m_dir / "s.db.lock");
    fs::create_symlink("planted", m_dir / "s.db.lock");
    Outcome planted = Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--quiet"});
    EXPECT_EQ(planted.code, 3) << planted.err;
    EXPECT_NE(planted.err.find("its lock file s.db.lock cannot be made"), std::string::npos) << planted.err;
    EXPECT_FALSE(fs::exists(m_dir / "planted"));
    fs::remove(m_dir / "s.db.lock");

    fs::create_symlink("s.db", m_dir / "link.db");
    ASSERT_EQ(Qelt({"run", "C:ZHJMJS", "--store", "link.db", "--script", "-", "--quiet"}, "set 581 250\nclick 553\n").code, 0);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.db"));
    Outcome again = Qelt({"run", "C:ZHJMJS", "--store", "s.db"});
    EXPECT_NE(again.out.find(u8"截面宽度: b=250mm"), std::string::npos) << "the link's target keeps the run";
}

// Two commands run at once on one store: each keeps what it stored, as the runs take turns.
TEST_F(QeltProcessTest, RunsAtOnceOnOneStoreKeepBothEdits) {
    WriteFile(m_dir / "a.txt", "set 581 310\nclick 553\n");
    WriteFile(m_dir / "b.txt", "set 587 320\nclick 553\n");
    const std::string qelt = Quote(QELT_PROGRAM);
    const std::string command = "cd " + Quote(m_dir.string()) + " && (" + qelt +
                                " run C:ZHJMJS --store s.db --script a.txt --out a --quiet >a.log 2>&1 & " + qelt +
                                " run C:XJMJS --store s.db --script b.txt --out b --quiet >b.log 2>&1 & wait)";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_EQ(ReadFile(m_dir / "a.log").find("qelt:"), std::string::npos) << ReadFile(m_dir / "a.log");
    ASSERT_EQ(ReadFile(m_dir / "b.log").find("qelt:"), std::string::npos) << ReadFile(m_dir / "b.log");
    EXPECT_NE(Qelt({"run", "C:ZHJMJS", "--store", "s.db"}).out.find(u8"b=310mm"), std::string::npos);
    EXPECT_NE(Qelt({"run", "C:XJMJS", "--store", "s.db"}).out.find(u8"b=320mm"), std::string::npos);
}

// The work dialog as a person sees it, in design mode at the end of the run and in capacity mode
// at the script's "snap", compared with pictures made once and looked at.
TEST_F(QeltProcessTest, SnapPicturesTheWorkDialog) {
    const std::string script = Script("snap.txt", "click 553\nsnap design\ncheck 650 on\nsnap capacity\ncheck 649 on\n");
    Outcome outcome = Qelt({"run", "C:ZHJMJS", "--store", "s.db", "--out", "out", "--snap", "pics", "--quiet",
                            "--script", script});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    for (const char* name : {"design", "capacity", "zhjmjs"}) {
        SCOPED_TRACE(name);
        const std::string picture = std::string(name) + ".png";
        EXPECT_TRUE(qelt::test::MatchesReferencePicture(ReadFile(m_dir / "pics" / picture),
                                                        std::string(QELT_PICTURES) + "/" + picture));
    }
}

// Every script in examples/ (examples/<name>.txt for the command "C:<NAME>") runs its command to the
// end and writes both reports; the embedded part, which has no report, shows its capacities.
TEST_F(QeltProcessTest, ExamplesRunTheirCommands) {
    std::vector<fs::path> scripts;
    for (const fs::directory_entry& entry : fs::directory_iterator(QELT_EXAMPLES))
        if (entry.path().extension() == ".txt") scripts.push_back(entry.path());
    std::sort(scripts.begin(), scripts.end());
    ASSERT_FALSE(scripts.empty());
    for (const fs::path& script : scripts) {
        const std::string name = script.stem().string();
        SCOPED_TRACE(name);
        std::string command = "C:";
        for (char c : name) command += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        Outcome outcome = Qelt({"run", command, "--script", script.string(), "--store", name + ".db", "--out", "out", "--quiet"});
        EXPECT_EQ(outcome.code, 0) << outcome.err;
        if (name == "ymjjs") {
            EXPECT_NE(outcome.out.find("CAD command: VuskYMJ"), std::string::npos) << outcome.out;
            continue;
        }
        for (const char* part : {"-full.txt", "-short.txt", "-full.rtf", "-short.rtf"})
            EXPECT_GT(ReadFile(m_dir / "out" / (name + part)).size(), 0u) << part;
    }
}

// The continuous beam's first run begins with no beam: a script appends the span editor's 6 m span
// and the load editor's 10 kN/m dead load (q = 1.2·10 = 12 kN/m): M = qL²/8 = 54 kN·m at mid-span,
// V = qL/2 = 36 kN at the ends; both reports with their pictures.
TEST_F(QeltProcessTest, ContinuousBeamRunsOnAScriptedSpan) {
    const std::string script = Script("span.txt", "click 569\nclick 492\nclick 553\n");
    Outcome outcome = Qelt({"run", "C:LXLJS", "--store", "s.db", "--out", "out", "--quiet", "--script", script});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const std::string full = ReadFile(m_dir / "out/lxljs-full.txt");
    const std::string brief = ReadFile(m_dir / "out/lxljs-short.txt");
    for (const std::string& report : {full, brief}) {
        EXPECT_NE(report.find(u8"1跨中:\t 正弯矩\t54.00 kN*m,\t\t位置:   3.00m"), std::string::npos) << report;
        EXPECT_NE(report.find(u8"剪力\t36.00 kN"), std::string::npos);
    }
    // Geometry, one load case, moments and shears.
    for (const char* name : {"lxljs-full-4.png", "lxljs-short-4.png"}) EXPECT_GT(fs::file_size(m_dir / "out" / name), 0u);
    EXPECT_FALSE(fs::exists(m_dir / "out/lxljs-full-5.png"));
}

// A script adds two 6 m spans with 10 kN/m dead, a live case of 10 kN/m on both spans and sets
// both ends: q = 1.2·10 + 1.4·10 = 26 kN/m over two equal spans gives −qL²/8 = −117 kN·m and
// shears ∓5qL/8 = ∓97.5 kN at the inner support, 9qL²/128 = 65.81 kN·m at 2.25 m.
TEST_F(QeltProcessTest, ContinuousBeamTakesSpansSupportsAndCasesFromAScript) {
    const std::string script = Script("beam.txt",
                                      u8"click 569\nclick 492\nclick 569\nclick 492\nclick 486\ncheck 682 on\n"
                                      u8"row 156 0\nclick 492\n"
                                      u8"row 156 1\nclick 492\nchoose 472 简支\nchoose 566 简支\nclick 553\n"
                                      u8"tab 计算结果\ntab 计算书\n");
    Outcome outcome = Qelt({"run", "C:LXLJS", "--store", "s.db", "--out", "out", "--quiet", "--script", script});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const std::string full = ReadFile(m_dir / "out/lxljs-full.txt");
    for (const char* row : {u8" 荷载工况2 (活载):", u8"1支座:\t 正弯矩\t 0.00 kN*m,\t\n\t\t\t\t 负弯矩\t117.00 kN*m,",
                            u8"剪力左\t-97.50 kN,\t\n\t\t\t\t 剪力右\t97.50 kN,", u8"正弯矩\t65.81 kN*m,\t\t位置:   2.25m",
                            u8"2支座:"})
        EXPECT_NE(full.find(row), std::string::npos) << row << "\n" << full;
    EXPECT_TRUE(fs::exists(m_dir / "out/lxljs-full-5.png"));
    // The store keeps the beam for the next run.
    Outcome again = Qelt({"run", "C:LXLJS", "--store", "s.db", "--out", "again", "--quiet"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_NE(ReadFile(m_dir / "again/lxljs-full.txt").find(u8"负弯矩\t117.00 kN*m"), std::string::npos);
}

// The irregular slab drawn as a person draws it, from an empty slab ("恢复默认"): an L-shaped
// outline typed point by point, a free edge, a rectangular hole, a concentrated load and a line
// load, then calculated; the reports hold that slab and a row per edge, with the nine pictures.
TEST_F(QeltProcessTest, IrregularSlabDrawnAndCalculated) {
    const std::string script =
        "click 117\n"
        "mouse 685 move 200 200\n"
        "type 0,0\nkey VK_RETURN\ntype 6000,0\nkey VK_RETURN\ntype 6000,3000\nkey VK_RETURN\n"
        "type 3000,3000\nkey VK_RETURN\ntype 3000,6000\nkey VK_RETURN\ntype 0,6000\nkey VK_RETURN\n"
        "key VK_RETURN\n"
        "set 713 200\n"
        u8"cell 722 6 2 自由\n"
        "click 698\ntype 1000,1000\nkey VK_RETURN\ntype 2000,2000\nkey VK_RETURN\n"
        u8"tab 荷载参数1\n"
        "set 733 3\nmouse 685 move 200 200\ntype 5000,2000\nkey VK_RETURN\n"
        u8"tab 荷载参数2\n"
        "check 739 on\nmouse 685 move 200 200\ntype 500,4000\nkey VK_RETURN\ntype 2500,4000\nkey VK_RETURN\n"
        "click 553\n";
    Outcome outcome = Qelt({"run", "C:YXBJS1", "--script", "-", "--store", "s.db", "--out", "out", "--quiet"}, script);
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const std::string full = ReadFile(m_dir / "out/yxbjs1-full.txt");
    for (const char* text : {u8"\t\t\t 4 \t\t3000.000 \t\t3000.000  \t\t否\n", u8"\t\t  洞口1\n",
                             u8"\t\t  集中荷载1\n", u8"\t\t  线荷载1\n", u8"\t  6-1 ", u8"\t\t挠度为:"})
        EXPECT_NE(full.find(text), std::string::npos) << text;
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(fs::exists(m_dir / ("out/yxbjs1-full-" + std::to_string(i) + ".png"))) << i;
    EXPECT_NE(ReadFile(m_dir / "out/yxbjs1-short.txt").find(u8"板底垂直配筋方向"), std::string::npos);

}

// The example's input lines, without its "计算" and its tabs.
std::string ExampleInput(const std::string& name) {
    std::istringstream lines(ReadFile(fs::path(QELT_EXAMPLES) / (name + ".txt")));
    std::string input, line;
    while (std::getline(lines, line))
        if (line != "click 553" && line.rfind("tab ", 0) != 0) input += line + "\n";
    return input;
}

// The drawing parameters that the store holds under a group.
int StoredDrawingKeys(const fs::path& store, const std::string& group) {
    sqlite3* db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(store.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        const std::string sql = "SELECT count(*) FROM value WHERE space = 1 AND CAST(key AS TEXT) LIKE '" + group + "/%'";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

// A stair drawn from its drawing page without "计算": leaving the input page calculates but builds no
// report, so the run ends with the drawing: exit 0, its CAD command, its parameters in the store, no
// report files. A later run on the store calculates as before.
TEST_F(QeltProcessTest, DrawingOnlyRunEndsWithTheDrawing) {
    struct Case {
        const char* name;
        const char* command;
        const char* cadCommand;
        const char* group;
    };
    const Case cases[] = {
        {"lshltjs", "C:LSHLTJS", "CAD command: VUSKLSHLT\n", "BeamStairDraw"},
        {"bshltjs", "C:BSHLTJS", "CAD command: VUSKBSHLT\n", "StairBoardDraw"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string store = std::string(c.name) + ".db";
        const std::string script = Script(std::string(c.name) + "-draw.txt", ExampleInput(c.name) + u8"tab 绘图预览\nclick 1\n");
        Outcome drawn = Qelt({"run", c.command, "--script", script, "--store", store, "--out", "drawn"});
        ASSERT_EQ(drawn.code, 0) << drawn.err;
        EXPECT_NE(drawn.out.find(c.cadCommand), std::string::npos) << drawn.out;
        EXPECT_NE(drawn.out.find("reports: none written (the run drew without building a report)\n"), std::string::npos)
            << drawn.out;
        EXPECT_TRUE(fs::is_empty(m_dir / "drawn"));
        EXPECT_GT(StoredDrawingKeys(m_dir / store, c.group), 0);

        Outcome again = Qelt({"run", c.command, "--store", store, "--out", "again", "--quiet"});
        ASSERT_EQ(again.code, 0) << again.err;
        EXPECT_GT(ReadFile(m_dir / "again" / (std::string(c.name) + "-full.txt")).size(), 0u);
    }
}

// The continuous beam draws a section of its result page after "计算": the run ends with the drawing
// and still writes the reports that the calculation built.
TEST_F(QeltProcessTest, DrawingAfterACalculationKeepsItsReports) {
    const std::string script = Script("draw.txt", u8"click 569\nclick 492\nclick 553\ntab 计算结果\nrow 475 1\nclick 255\n");
    Outcome outcome = Qelt({"run", "C:LXLJS", "--store", "s.db", "--out", "out", "--quiet", "--script", script});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("CAD command: Ljm\n"), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.out.find("reports: none written"), std::string::npos) << outcome.out;
    EXPECT_GT(ReadFile(m_dir / "out/lxljs-full.txt").size(), 0u);
}

// A drawing that the page declines (one bar 1 is too few; the script answers "否" to drawing anyway)
// ends the run with the page's reason, and the store keeps no drawing; answered "是", it draws.
TEST_F(QeltProcessTest, DeclinedDrawingEndsWithItsReason) {
    const std::string base = ExampleInput("lshltjs") + u8"tab 绘图预览\nset 394 1\nclick 1\n";
    Outcome declined = Qelt({"run", "C:LSHLTJS", "--script", Script("no.txt", base + "answer no\n"), "--store", "s.db"});
    EXPECT_EQ(declined.code, 4) << declined.err;
    EXPECT_NE(declined.err.find(u8"qelt: nothing was drawn: the page declined the drawing: 1.钢筋1不能小于2根。"),
              std::string::npos)
        << declined.err;
    EXPECT_EQ(declined.out.find("CAD command"), std::string::npos) << declined.out;
    EXPECT_FALSE(fs::exists(m_dir / "s.db"));

    Outcome accepted = Qelt({"run", "C:LSHLTJS", "--script", Script("yes.txt", base + "answer yes\n"), "--store", "s.db"});
    ASSERT_EQ(accepted.code, 0) << accepted.err;
    EXPECT_NE(accepted.out.find("  BeamStairDraw/m_nReinN1 = int 1\n"), std::string::npos) << accepted.out;
}

// On its first run the irregular slab has no slab: the input check asks for an outline, and nothing
// is calculated.
TEST_F(QeltProcessTest, IrregularSlabStartsWithoutASlab) {
    Outcome outcome = Qelt({"run", "C:YXBJS1", "--store", "s.db", "--out", "out", "--quiet"});
    EXPECT_NE(outcome.code, 0) << outcome.err;
    EXPECT_NE(outcome.out.find(u8"请输入板边信息"), std::string::npos) << outcome.out;
    EXPECT_FALSE(fs::exists(m_dir / "out/yxbjs1-full.txt"));
}

}  // namespace

// The embedded part calculates on its page and writes no report: the script reads its capacities
// (worked by hand from the formulas) and "绘图" sends the drawing command with the stored record.
TEST_F(QeltProcessTest, EmbeddedPartShowsItsCapacitiesAndDraws) {
    Outcome plain = Qelt({"run", "C:YMJJS"});
    EXPECT_EQ(plain.code, 0) << plain.err;

    const std::string script = Script("embed.txt", u8"read 614\n"
                                                   u8"pick 677 角钢锚筋\n"
                                                   u8"read 614\n"
                                                   u8"click 544\n"
                                                   u8"read 661\n"
                                                   u8"pick 677 直锚筋+弯折锚筋\n"
                                                   u8"read 661\n"
                                                   u8"pick 677 直锚筋+抗剪钢板\n"
                                                   u8"read 661\n"
                                                   u8"pick 677 吊环\n"
                                                   u8"read 614\n"
                                                   u8"pick 677 直锚筋+端板\n"
                                                   u8"click 547\n"
                                                   u8"set 376 2.5\n"
                                                   u8"read 614\n"
                                                   u8"click 1\n");
    Outcome outcome = Qelt({"run", "C:YMJJS", "--script", script});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    // Straight bars in tension 0.0008·210·4·0.85·50.27 = 28.71 (αb = 0.6 + 0.25·8/8); angle anchors: 0.168·4·175 = 117.60 and shear
    // 0.003·√(30·0.68·9.6·210000)·4 = 76.96; bent bars 34.20; shear key 30.90; the ring 5.03.
    EXPECT_NE(outcome.out.find("614 28.71\n614 117.60\n661 76.96\n661 34.20\n661 30.90\n614 5.03\n"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("CAD command: VuskYMJ\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("CPreComPreCom/m_nSubSelect = int 7\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("CPreComD_mSub7/m_dForceM = double 2.5\n"), std::string::npos) << outcome.out;
}
