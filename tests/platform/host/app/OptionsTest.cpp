#include "host/app/Options.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qelt::app {
namespace {

TEST(OptionsTest, RunTakesEveryOption) {
    ParsedOptions parsed = ParseOptions({"run", "C:ZHJMJS", "--script", "-", "--mode", "-2", "--store",
                                         "s.db", "--out", "o", "--word", "w.rtf", "--quiet"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const Options& options = *parsed.options;
    EXPECT_EQ(options.action, Action::Run);
    EXPECT_EQ(options.command, "C:ZHJMJS");
    EXPECT_EQ(options.scriptPath, "-");
    EXPECT_EQ(options.mode, -2);
    EXPECT_EQ(options.storePath, "s.db");
    EXPECT_EQ(options.outDir, "o");
    EXPECT_EQ(options.wordPath, "w.rtf");
    EXPECT_TRUE(options.quiet);
}

TEST(OptionsTest, RunDefaults) {
    ParsedOptions parsed = ParseOptions({"run", "C:ZHJMJS"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, 1);
    EXPECT_EQ(parsed.options->outDir, ".");
    EXPECT_FALSE(parsed.options->scriptPath);
    EXPECT_FALSE(parsed.options->storePath);
    EXPECT_FALSE(parsed.options->wordPath);
    EXPECT_FALSE(parsed.options->quiet);
}

TEST(OptionsTest, BadCommandLinesAreRefusedWithTheReason) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{}, "no action"},
        {{"lst"}, "unknown action \"lst\""},
        {{"list", "x"}, "list takes nothing"},
        {{"run"}, "needs a command name"},
        {{"run", "--mode", "2"}, "needs a command name"},
        {{"run", "C:ZHJMJS", "--mode"}, "--mode needs a value"},
        {{"run", "C:ZHJMJS", "--mode", "2x"}, "whole number, got \"2x\""},
        {{"run", "C:ZHJMJS", "--mode", "99999999999"}, "whole number"},
        {{"run", "C:ZHJMJS", "--out", ""}, "not empty"},
        {{"run", "C:ZHJMJS", "--quiet", "--quiet"}, "--quiet is given twice"},
        {{"run", "C:ZHJMJS", "--store", "a", "--store", "b"}, "--store is given twice"},
        {{"run", "C:ZHJMJS", "--verbose"}, "unknown option \"--verbose\""},
        {{"run", "C:ZHJMJS", "extra"}, "unknown option \"extra\""},
    };
    for (const Case& c : cases) {
        ParsedOptions parsed = ParseOptions(c.args);
        EXPECT_FALSE(parsed.options) << c.error;
        EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    }
}

TEST(OptionsTest, DefaultStoreFollowsXdgDataHome) {
    std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedData = std::getenv("XDG_DATA_HOME");
    std::string savedDataText = savedData ? savedData : "";

    setenv("HOME", "/home/u", 1);
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(DefaultStorePath(), "/data/qelt/store.db");
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(DefaultStorePath(), "/home/u/.local/share/qelt/store.db");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultStorePath(), "/home/u/.local/share/qelt/store.db");
    unsetenv("HOME");
    EXPECT_EQ(DefaultStorePath(), "");

    setenv("HOME", savedHome.c_str(), 1);
    if (savedData) setenv("XDG_DATA_HOME", savedDataText.c_str(), 1);
}

}  // namespace
}  // namespace qelt::app
