#include <gtest/gtest.h>

#include <string>

#include "mfc/Encoding.h"
#include "mfc/RtfReader.h"
#include "mfc/RtfWriter.h"
#include "win/RichEdit.h"

namespace {

using qelt::rich::CharFormat;
using qelt::rich::ReadRtf;
using qelt::rich::WriteRtf;

std::string Utf8(const std::string& gbk) { return qelt::text::GbkToUtf8ForDisplay(gbk); }

struct TextCase {
    const char* name;
    const char* rtf;
    const char* text;  // UTF-8, paragraph ends as "\r\n"
};

TEST(RtfReader, PlainText) {
    const TextCase cases[] = {
        {"GBK escapes, paragraphs and tabs",
         R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}\f0\fs21 \'be\'d8\'d0\'ce\par a\tab b})",
         u8"矩形\r\na\tb"},
        {"destinations without text are skipped",
         R"({\rtf1{\*\generator Riched20;}{\info{\title T}}{\colortbl ;\red255\green0\blue0;}{\stylesheet{\s0 Normal;}}a{\pict\pngblip 89504e47}b{\*\unknown c}d})",
         u8"abd"},
        {"a field shows its result", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", u8"link"},
        {"escaped braces and backslashes", R"({\rtf1 \{a\}\\b})", u8"{a}\\b"},
        {"unicode with fallback", R"({\rtf1\uc1 \u20320?\u22909? ok})", u8"你好 ok"},
        {"table cells and rows",
         R"({\rtf1\trowd\cellx600\cellx1200\pard\intbl a\cell b,c\cell\row\intbl\cell d\cell\row})",
         u8"a\tb,c\r\n\td\r\n"},
        {"binary data is stepped over", "{\\rtf1 a\\bin3 }}}b}", u8"ab"},
        {"line breaks in the source are not text", "{\\rtf1 a\r\nb\\\nc}", u8"ab\r\nc"},
    };
    for (const TextCase& c : cases) {
        auto result = ReadRtf(c.rtf, CharFormat{});
        ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
        EXPECT_EQ(Utf8(result.text.Text(true)), c.text) << c.name;
    }
}

TEST(RtfReader, BadDocumentsAreRefusedWithAReason) {
    const struct {
        const char* rtf;
        const char* reason;
    } cases[] = {
        {"plain text", "not an RTF document"},
        {"{\\rtf1 abc", "closing brace(s) missing"},
        {"{\\rtf1 \\'zz}", "hexadecimal"},
        {"{\\rtf1 \\bin99 ab}", "past the end"},
    };
    for (const auto& c : cases) {
        auto result = ReadRtf(c.rtf, CharFormat{});
        EXPECT_FALSE(result.ok) << c.rtf;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << c.rtf << ": " << result.error;
    }
}

TEST(RtfReader, CharacterFormats) {
    CharFormat base;
    base.face = "Base";
    auto result = ReadRtf(
        R"({\rtf1\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}{\f1\fswiss\fcharset0 Arial;}})"
        R"({\colortbl ;\red255\green0\blue0;}a{\b\i\ul\cf1\fs24 b}c\f1\super d\nosupersub\plain e})",
        base);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.text.Text(false), "abcde");
    const CharFormat& a = result.text.FormatAt(0);
    EXPECT_EQ(a.face, "宋体");  // the default font applies to unformatted text
    EXPECT_EQ(a.charSet, 134);
    EXPECT_EQ(a.effects, 0u);
    const CharFormat& b = result.text.FormatAt(1);
    EXPECT_EQ(b.effects, DWORD(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE));
    EXPECT_EQ(b.color, RGB(255, 0, 0));
    EXPECT_EQ(b.height, 240);
    EXPECT_EQ(result.text.FormatAt(2), a);  // the group's end restores the format
    const CharFormat& d = result.text.FormatAt(3);
    EXPECT_EQ(d.face, "Arial");
    EXPECT_EQ(d.effects, DWORD(CFE_SUPERSCRIPT));
    EXPECT_EQ(result.text.FormatAt(4), a);  // \plain: the unformatted text's format
}

TEST(RtfWriter, WhatItWritesReadsBackTheSame) {
    auto original = ReadRtf(
        R"({\rtf1\ansicpg936{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{\colortbl ;\red0\green0\blue255;})"
        R"(\f0 x{\cf1\b \'be\'d8\'d0\'ce}\par {\sub 2}\tab \{\}\\\par})",
        CharFormat{});
    ASSERT_TRUE(original.ok) << original.error;
    const std::string rtf = WriteRtf(original.text, 0, original.text.Length());
    EXPECT_NE(rtf.find("\\ansicpg936"), std::string::npos);
    EXPECT_NE(rtf.find("\\'be\\'d8\\'d0\\'ce"), std::string::npos);  // GBK bytes as escapes
    auto back = ReadRtf(rtf, CharFormat{});
    ASSERT_TRUE(back.ok) << back.error;
    ASSERT_EQ(back.text.Text(false), original.text.Text(false));
    for (int i = 0; i < original.text.Length(); ++i) EXPECT_EQ(back.text.FormatAt(i), original.text.FormatAt(i)) << i;

    // Part of the text only.
    auto part = ReadRtf(WriteRtf(original.text, 1, 3), CharFormat{});
    ASSERT_TRUE(part.ok);
    EXPECT_EQ(Utf8(part.text.Text(false)), u8"矩形");
}

}  // namespace
