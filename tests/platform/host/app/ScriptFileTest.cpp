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

// The verbs for grid lists, keys, the pointer, menus and trees, with what each line carries.
TEST(ScriptFileTest, ParsesTheVerbsOfThePointerKeysMenusAndTrees) {
    using Kind = UserAction::Kind;
    struct Case {
        const char* line;
        Kind kind;
        int controlId, number, x, y, delta;
        const char* text;
        bool byPlace;
    };
    const Case cases[] = {
        {u8"cell 7103 2 1 集中", Kind::Cell, 7103, 0, 2, 1, 0, "集中", false},
        {u8"cell 7103 0 4", Kind::Cell, 7103, 0, 0, 4, 0, "", false},
        {"key VK_RETURN", Kind::Key, 0, VK_RETURN, 0, 0, 0, "", false},
        {"key VK_F8", Kind::Key, 0, 0x77, 0, 0, 0, "", false},
        {"key VK_A", Kind::Key, 0, 'A', 0, 0, 0, "", false},
        {u8"type 7.5 米", Kind::Type, 0, 0, 0, 0, 0, "7.5 米", false},
        {"mouse 7102 down 10 20", Kind::Mouse, 7102, UserAction::kDown, 10, 20, 0, "", false},
        {"mouse 7102 rup 3 4", Kind::Mouse, 7102, UserAction::kRightUp, 3, 4, 0, "", false},
        {"mouse 7102 wheel 5 6 240", Kind::Mouse, 7102, UserAction::kWheel, 5, 6, 240, "", false},
        {"mouse 7102 wheel 5 6", Kind::Mouse, 7102, UserAction::kWheel, 5, 6, -120, "", false},
        {u8"menu 删除跨", Kind::Menu, 0, 0, 0, 0, 0, "删除跨", false},
        {u8"pick 7105 楼梯/板式楼梯", Kind::Pick, 7105, 0, 0, 0, 0, "楼梯/板式楼梯", false},
        {"read 7103", Kind::Read, 7103, 0, 0, 0, 0, "", false},
        {"controls", Kind::Controls, 0, 0, 0, 0, 0, "", false},
        {"choose 1003 #2", Kind::Choose, 1003, 2, 0, 0, 0, "", true},
        {"choose 1003 #2a", Kind::Choose, 1003, 0, 0, 0, 0, "#2a", false},
        {"snap capacity-2.a", Kind::Snap, 0, 0, 0, 0, 0, "capacity-2.a", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ParsedScript script = ParseScript(c.line);
        ASSERT_TRUE(script.ok) << script.error;
        ASSERT_EQ(script.actions.size(), 1u);
        const UserAction& a = script.actions[0];
        EXPECT_EQ(a.kind, c.kind);
        EXPECT_EQ(a.controlId, c.controlId);
        EXPECT_EQ(a.x, c.x);
        EXPECT_EQ(a.y, c.y);
        EXPECT_EQ(a.delta, c.delta);
        EXPECT_EQ(a.text, c.text);
        EXPECT_EQ(a.byPlace, c.byPlace);
        EXPECT_EQ(a.number, c.number);
    }
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
        {"controls 257\n", 1, "unexpected \"257\""},
        {"\n\nset 1001 \xff\xfe\n", 3, "GBK"},
        {u8"set 1001 ♫\n", 1, "GBK"},
        {"cell 7103 1\n", 1, "expected \"cell ID COL ROW TEXT\""},
        {"cell 7103 -1 0 x\n", 1, "expected \"cell ID COL ROW TEXT\""},
        {"key RETURN\n", 1, "expected \"key VK\""},
        {"key VK_RETURN VK_TAB\n", 1, "unexpected \"VK_TAB\""},
        {"type\n", 1, "expected \"type TEXT\""},
        {"mouse 7102 press 1 1\n", 1, "expected \"mouse ID down|up"},
        {"mouse 7102 down 1\n", 1, "expected \"mouse ID down|up"},
        {"mouse 7102 wheel 1 1 lots\n", 1, "is not a wheel turn"},
        {"mouse 7102 down 1 1 120\n", 1, "unexpected \"120\""},
        {"menu\n", 1, "expected \"menu TEXT\""},
        {"pick 7105\n", 1, "expected \"pick ID PATH/TO/ITEM\""},
        {"read\n", 1, "expected \"read ID\""},
        {"choose 1003 #99999999999\n", 1, "is not an item's place"},
        {"snap\n", 1, "expected \"snap NAME\""},
        {"snap ../up\n", 1, "expected \"snap NAME\""},
        {"snap .hidden\n", 1, "expected \"snap NAME\""},
        {u8"snap 截面\n", 1, "expected \"snap NAME\""},
        {"snap a b\n", 1, "unexpected \"b\""},
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
