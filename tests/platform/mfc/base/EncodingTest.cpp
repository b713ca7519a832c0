#include <gtest/gtest.h>

#include <cstring>

#include "mfc/base/Encoding.h"
#include "mfc/base/String.h"
#include "Printers.h"

using qelt::text::GbkToUtf8;
using qelt::text::Utf8ToGbk;

TEST(Encoding, LiteralsAreGbkBytesAtRunTime) {
    const char* literal = "矩形";
    ASSERT_EQ(std::strlen(literal), 4u);
    const unsigned char expected[] = {0xBE, 0xD8, 0xD0, 0xCE};
    EXPECT_EQ(std::memcmp(literal, expected, 4), 0);
}

// Every character of the GB2312 set (rows A1–F7, columns A1–FE, all that GBK decodes) survives
// GBK → UTF-8 → GBK, and the UTF-8 text survives the way back.
TEST(Encoding, EveryGb2312CharacterRoundTrips) {
    int characters = 0;
    for (int row = 0xA1; row <= 0xF7; ++row) {
        for (int column = 0xA1; column <= 0xFE; ++column) {
            const char gbk[] = {static_cast<char>(row), static_cast<char>(column)};
            auto utf8 = GbkToUtf8(std::string_view(gbk, 2));
            if (!utf8.ok) continue;  // an unassigned code point of the set
            ++characters;
            auto back = Utf8ToGbk(utf8.text);
            ASSERT_TRUE(back.ok) << back.error;
            ASSERT_EQ(back.text, std::string(gbk, 2)) << "row " << row << " column " << column;
        }
    }
    EXPECT_GT(characters, 7400);  // 6763 hanzi and 682 symbols
}

TEST(Encoding, TheModulesOwnTextsRoundTrip) {
    // u8 literals stay UTF-8 whatever the execution character set.
    for (const char* utf8 : {u8"受弯构件正截面承载力计算", u8"请输入一个在%s与%s之间的实数", u8"ｍｍ２，×±≤≥αβγξ",
                             u8"QELT构件计算提示您", u8"kN/m$2$", u8"f~max~\t（计算书）"}) {
        auto gbk = Utf8ToGbk(utf8);
        ASSERT_TRUE(gbk.ok) << gbk.error;
        auto back = GbkToUtf8(gbk.text);
        ASSERT_TRUE(back.ok) << back.error;
        EXPECT_EQ(back.text, utf8);
    }
}

TEST(Encoding, TextThatCannotConvertIsAClearError) {
    struct Case {
        bool toGbk;
        std::string input;
        const char* errorPart;
    } cases[] = {
        {true, "ok \xF0\x9F\x98\x80 emoji", "byte 3"},       // outside GBK
        {true, "half \xE7\x9F", "truncated"},                  // cut UTF-8 sequence
        {false, "\xCE\xD8\xD0", "truncated"},                  // lead byte without its trail
        {false, "ab\xFF\xFF", "byte 2"},                       // not GBK at all
    };
    for (const Case& c : cases) {
        auto result = c.toGbk ? Utf8ToGbk(c.input) : GbkToUtf8(c.input);
        EXPECT_FALSE(result.ok) << c.input;
        EXPECT_TRUE(result.text.empty());
        EXPECT_NE(result.error.find(c.errorPart), std::string::npos) << result.error;
    }
}

TEST(Encoding, DisplayEscapesWhatDoesNotConvertAndKeepsTheRest) {
    EXPECT_EQ(qelt::text::GbkToUtf8ForDisplay("矩形"), "\xE7\x9F\xA9\xE5\xBD\xA2");
    EXPECT_EQ(qelt::text::GbkToUtf8ForDisplay(std::string("a\xFF") + "矩"), "a\\xFF\xE7\x9F\xA9");
}

TEST(Encoding, PrinterShowsCStringAsUtf8) {
    EXPECT_EQ(::testing::PrintToString(CString("矩形")), "\"\xE7\x9F\xA9\xE5\xBD\xA2\"");
}
