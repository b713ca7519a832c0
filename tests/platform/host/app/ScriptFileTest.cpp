#include "host/app/ScriptFile.h"

#include <gtest/gtest.h>

namespace qelt::app {
namespace {

TEST(ScriptFileTest, ParsesEveryActionWithItsLineNumber) {
    // Scripts are UTF-8 (u8 literals); the texts come out GBK, as ordinary literals are here.
    ParsedScript script = ParseScript(
        u8"# a comment\n"
        u8"\n"
        u8"set 1001 25.5  \r\n"
        u8"set 1002\n"
        u8"choose 1003 矩形 截面\n"
        u8"check 1004 on\n"
        u8"  click 553\n"
        u8"tab 计算书\n"
        u8"row 1005 3\n"
        u8"answer no\n"
        u8"close");
    ASSERT_TRUE(script.ok) << script.error;
    ASSERT_EQ(script.actions.size(), 9u);
    const std::vector<UserAction>& l = script.actions;
    using Kind = UserAction::Kind;
    EXPECT_EQ(l[0].line, 3);
    EXPECT_EQ(l[0].kind, Kind::Set);
    EXPECT_EQ(l[0].controlId, 1001);
    EXPECT_EQ(l[0].text, "25.5");
    EXPECT_EQ(l[1].kind, Kind::Set);
    EXPECT_EQ(l[1].text, "");
    EXPECT_EQ(l[2].kind, Kind::Choose);
    EXPECT_EQ(l[2].text, "矩形 截面");
    EXPECT_EQ(l[3].kind, Kind::Check);
    EXPECT_EQ(l[3].number, 1);
    EXPECT_EQ(l[4].kind, Kind::Click);
    EXPECT_EQ(l[4].controlId, 553);
    EXPECT_EQ(l[5].kind, Kind::Tab);
    EXPECT_EQ(l[5].text, "计算书");
    EXPECT_EQ(l[6].kind, Kind::Row);
    EXPECT_EQ(l[6].controlId, 1005);
    EXPECT_EQ(l[6].number, 3);
    EXPECT_EQ(l[7].kind, Kind::Answer);
    EXPECT_EQ(l[7].number, IDNO);
    EXPECT_EQ(l[8].kind, Kind::Close);
    EXPECT_EQ(l[8].line, 11);
}

TEST(ScriptFileTest, BadLinesAreRefusedWithLineAndReason) {
    struct Case {
        const char* script;
        int line;
        const char* error;
    };
    const Case cases[] = {
        {"click 553\nclik 553\n", 2, "unknown action \"clik\""},
        {"click\n", 1, "expected \"click ID\""},
        {"click OK\n", 1, "\"OK\" is not a control id"},
        {"click 65536\n", 1, "is not a control id"},
        {"click 553 now\n", 1, "unexpected \"now\""},
        {"choose 1003\n", 1, "expected \"choose ID TEXT\""},
        {"check 1004 yes\n", 1, "expected \"check ID on|off\""},
        {"tab\n", 1, "expected \"tab TITLE\""},
        {"row 1005\n", 1, "expected \"row ID N\""},
        {"row 1005 -1\n", 1, "is not a row number"},
        {"answer maybe\n", 1, "expected \"answer yes|no|ok|cancel\""},
        {"close now\n", 1, "unexpected \"now\""},
        {"\n\nset 1001 \xff\xfe\n", 3, "GBK"},
        {u8"set 1001 ♫\n", 1, "GBK"},
    };
    for (const Case& c : cases) {
        ParsedScript script = ParseScript(c.script);
        EXPECT_FALSE(script.ok) << c.script;
        EXPECT_TRUE(script.actions.empty());
        EXPECT_EQ(script.errorLine, c.line) << c.script;
        EXPECT_NE(script.error.find(c.error), std::string::npos) << c.script << ": " << script.error;
    }
}

}  // namespace
}  // namespace qelt::app
