#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "mfc/Afx.h"
#include "mfc/base/Encoding.h"
#include "mfc/richedit/RichEditCtrl.h"
#include "mfc/richedit/RtfReader.h"
#include "mfc/richedit/RtfWriter.h"
#include "resources/ControlResource.h"
#include "Printers.h"

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

// A PNG picture stands before the character that follows it, at the size it is to be shown at.
TEST(RtfReader, PicturesStandWhereTheyAre) {
    struct Case {
        const char* name;
        const char* rtf;
        int count, position, width, height;
    } cases[] = {
        {"between characters, at its goal size",
         R"({\rtf1 a{\pict\pngblip\picw400\pich200\picwgoal600\pichgoal300 89504e47}b})", 1, 1, 40, 20},
        {"at the end, at its own size", R"({\rtf1 a{\pict\pngblip\picw40\pich20 8950 4e47}})", 1, 1, 40, 20},
        {"scaled", R"({\rtf1 {\pict\pngblip\picw10\pich10\picscalex50\picscaley200 8950}x})", 1, 0, 5, 20},
        {"in Word's wrapper, its metafile stand-in skipped",
         R"({\rtf1 {\*\shppict{\pict\pngblip\picw8\pich8 8950}}{\nonshppict{\pict\wmetafile8 0102}}x})", 1, 0, 8, 8},
        {"other formats are skipped", R"({\rtf1 {\pict\jpegblip\picw8\pich8 ffd8}x})", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        auto result = ReadRtf(c.rtf, CharFormat{});
        ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
        const auto& pictures = result.text.Pictures();
        ASSERT_EQ(static_cast<int>(pictures.size()), c.count) << c.name;
        if (!c.count) continue;
        EXPECT_EQ(pictures[0].position, c.position) << c.name;
        EXPECT_EQ(pictures[0].width, c.width) << c.name;
        EXPECT_EQ(pictures[0].height, c.height) << c.name;
        EXPECT_EQ(pictures[0].png->substr(0, 2), "\x89\x50") << c.name;
    }
}

// Text put in moves the pictures after it; erased text takes the pictures before its characters.
TEST(RichText, PicturesFollowTheirCharacters) {
    struct Case {
        const char* name;
        int insertAt;  // -1: none
        int eraseFirst, eraseLast;
        std::vector<int> positions;  // of the pictures at 1 and 3 of "abcd"
    } cases[] = {
        {"text before both", 0, 0, 0, {3, 5}},
        {"text at a picture stays behind it", 1, 0, 0, {1, 5}},
        {"erasing before both", -1, 0, 1, {0, 2}},
        {"erasing a picture's character", -1, 1, 2, {2}},
        {"erasing everything", -1, 0, 4, {}},
    };
    for (const Case& c : cases) {
        qelt::rich::Document text;
        text.Insert(0, "abcd", CharFormat{});
        for (int at : {1, 3}) text.AddPicture(qelt::rich::Picture{at, std::make_shared<const std::string>("p"), 1, 1});
        if (c.insertAt >= 0) text.Insert(c.insertAt, "xy", CharFormat{});
        text.Erase(c.eraseFirst, c.eraseLast);
        std::vector<int> positions;
        for (const auto& picture : text.Pictures()) positions.push_back(picture.position);
        EXPECT_EQ(positions, c.positions) << c.name;
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

TEST(RtfReader, NumbersTooLongForTheirWordStopAtTheLargestParameter) {
    const struct {
        const char* rtf;
        LONG height;
        LONG offset;
    } cases[] = {
        {"{\\rtf1\\fs666666666666 a}", 999999990, 0},
        {"{\\rtf1\\up999999999 a}", 180, 999999990},
        {"{\\rtf1\\dn-999999999 a}", 180, 999999990},
        {"{\\rtf1\\fs99999999 a}", 999999990, 0},
    };
    for (const auto& c : cases) {
        auto result = ReadRtf(c.rtf, CharFormat{});
        ASSERT_TRUE(result.ok) << c.rtf << ": " << result.error;
        EXPECT_EQ(result.text.FormatAt(0).height, c.height) << c.rtf;
        EXPECT_EQ(result.text.FormatAt(0).offset, c.offset) << c.rtf;
    }
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

// ---------------------------------------------------------------------------------------------
// The control.

// A stream over a string: read in from it a few bytes at a time, or written out into it.
struct Stream {
    std::string data;
    size_t at = 0;
    LONG chunk = 7;
    DWORD failWith = 0;

    static DWORD CALLBACK In(DWORD_PTR cookie, BYTE* buffer, LONG size, LONG* done) {
        auto* self = reinterpret_cast<Stream*>(cookie);
        if (self->failWith) return self->failWith;
        const size_t n = std::min<size_t>({static_cast<size_t>(size), static_cast<size_t>(self->chunk), self->data.size() - self->at});
        std::copy_n(self->data.data() + self->at, n, buffer);
        self->at += n;
        *done = static_cast<LONG>(n);
        return 0;
    }
    static DWORD CALLBACK Out(DWORD_PTR cookie, BYTE* buffer, LONG size, LONG* done) {
        auto* self = reinterpret_cast<Stream*>(cookie);
        const LONG n = std::min(size, self->chunk);
        self->data.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(n));
        *done = n;
        return 0;
    }
    EDITSTREAM In() { return EDITSTREAM{reinterpret_cast<DWORD_PTR>(this), 0, &Stream::In}; }
    EDITSTREAM Out() { return EDITSTREAM{reinterpret_cast<DWORD_PTR>(this), 0, &Stream::Out}; }
};

const char* const kReport =
    R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fprq2\fcharset134 \'cb\'ce\'cc\'e5;}})"
    R"({\colortbl ;\red255\green0\blue0;}\viewkind4\uc1\pard\f0\fs21 \'bc\'c6\'cb\'e3\'ca\'e9\par )"
    R"({\cf1 f\sub max\nosupersub  = 2.5}\par})";

class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_CTL_RICH));
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_CTL_RICH, &m_dialog));
    }
    long In(const std::string& data, int format) {
        Stream stream{data};
        EDITSTREAM es = stream.In();
        const long read = m_edit.StreamIn(format, es);
        m_error = es.dwError;
        return read;
    }
    CString Text() const {
        CString text;
        m_edit.GetWindowText(text);
        return text;
    }
    CDialog m_dialog{IDD_CTL_RICH};
    CRichEditCtrl m_edit;
    DWORD m_error = 0;
};

TEST_F(RichEditTest, StreamedRtfBecomesTheWindowText) {
    EXPECT_EQ(In(kReport, SF_RTF), 15);
    EXPECT_EQ(m_error, 0u);
    EXPECT_EQ(Text(), "计算书\r\nfmax = 2.5\r\n");
    EXPECT_EQ(m_edit.GetTextLength(), Text().GetLength());
    EXPECT_EQ(m_edit.GetTextLengthEx(GTL_NUMCHARS), 15);
    long start = -1, end = -1;
    m_edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);

    // The formats came with the text: "max" red and lowered, in 宋体 10.5 pt.
    m_edit.SetSel(5, 8);
    EXPECT_EQ(m_edit.GetSelText(), "max");
    CHARFORMAT2 cf;
    const DWORD same = m_edit.GetSelectionCharFormat(cf);
    EXPECT_TRUE(same & CFM_COLOR);
    EXPECT_EQ(cf.crTextColor, RGB(255, 0, 0));
    EXPECT_EQ(cf.dwEffects & (CFE_SUBSCRIPT | CFE_AUTOCOLOR), DWORD(CFE_SUBSCRIPT));
    EXPECT_EQ(cf.yHeight, 210);
    EXPECT_STREQ(cf.szFaceName, "宋体");
    m_edit.SetSel(3, 8);  // a paragraph end of automatic colour and red text
    EXPECT_FALSE(m_edit.GetSelectionCharFormat(cf) & CFM_COLOR);

    const auto streamed = m_edit.GetStreamedRtf();
    ASSERT_EQ(streamed.size(), 1u);
    EXPECT_EQ(streamed[0].position, 0);
    EXPECT_EQ(streamed[0].rtf, kReport);
}

TEST_F(RichEditTest, InsertionAtTheSelection) {
    m_edit.SetWindowText("ab\r\ncd");
    EXPECT_EQ(m_edit.GetTextLengthEx(GTL_NUMCHARS), 5);
    m_edit.SetSel(1, 4);  // "b", the paragraph end and "c"
    EXPECT_EQ(In(R"({\rtf1\ansicpg936 {\b \'d6\'d0}})", SF_RTF | SFF_SELECTION), 1);
    EXPECT_EQ(Text(), "a中d");
    long start = -1, end = -1;
    m_edit.GetSel(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 2);

    // Text typed in takes the insertion format given to the empty selection.
    CHARFORMAT cf{};
    cf.dwMask = CFM_ITALIC | CFM_COLOR;
    cf.dwEffects = CFE_ITALIC;
    cf.crTextColor = RGB(0, 0, 255);
    m_edit.SetSelectionCharFormat(cf);
    m_edit.ReplaceSel("xy");
    EXPECT_EQ(Text(), "a中xyd");
    m_edit.SetSel(2, 4);
    CHARFORMAT read;
    EXPECT_TRUE(m_edit.GetSelectionCharFormat(read) & CFM_ITALIC);
    EXPECT_EQ(read.dwEffects & (CFE_ITALIC | CFE_BOLD), DWORD(CFE_ITALIC | CFE_BOLD));  // bold from "中" before it
    EXPECT_EQ(read.crTextColor, RGB(0, 0, 255));

    const auto streamed = m_edit.GetStreamedRtf();
    ASSERT_EQ(streamed.size(), 1u);
    EXPECT_EQ(streamed[0].position, 1);
}

TEST_F(RichEditTest, DefaultFormatAndReadOnlyAsTheReportPageSetsThem) {
    CHARFORMAT cf;
    m_edit.GetDefaultCharFormat(cf);
    EXPECT_STREQ(cf.szFaceName, "宋体");
    cf.dwMask = CFM_BOLD | CFM_SIZE | CFM_CHARSET | CFM_FACE;
    cf.dwEffects = 0;
    cf.yHeight = 220;
    cf.bCharSet = 134;
    cf.bPitchAndFamily = 2;
    ASSERT_TRUE(m_edit.SetDefaultCharFormat(cf));
    m_edit.SetWindowText("");
    m_edit.SendMessage(EM_EMPTYUNDOBUFFER);
    m_edit.SendMessage(EM_SETREADONLY, TRUE);
    EXPECT_TRUE(m_edit.GetStyle() & ES_READONLY);
    m_edit.ReplaceSel("计算书");  // code still writes
    m_edit.SetSel(0, -1);
    CHARFORMAT read;
    EXPECT_EQ(m_edit.GetSelectionCharFormat(read) & CFM_SIZE, DWORD(CFM_SIZE));
    EXPECT_EQ(read.yHeight, 220);
    EXPECT_EQ(Text(), "计算书");
}

TEST_F(RichEditTest, StreamOutGivesBackRtfAndText) {
    ASSERT_GT(In(kReport, SF_RTF), 0);
    Stream rtf;
    EDITSTREAM out = rtf.Out();
    const long written = m_edit.StreamOut(SF_RTF, out);
    EXPECT_EQ(written, static_cast<long>(rtf.data.size()));
    EXPECT_EQ(rtf.data.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.data.find("\\'bc\\'c6\\'cb\\'e3\\'ca\\'e9"), std::string::npos);
    EXPECT_NE(rtf.data.find("\\red255\\green0\\blue0"), std::string::npos);

    // What it wrote reads back to the same text.
    const CString before = Text();
    EXPECT_GT(In(rtf.data, SF_RTF), 0);
    EXPECT_EQ(Text(), before);

    m_edit.SetSel(3, 8);
    Stream text;
    EDITSTREAM selection = text.Out();
    m_edit.StreamOut(SF_TEXT | SFF_SELECTION, selection);
    EXPECT_EQ(text.data, "\r\nfmax");
}

TEST_F(RichEditTest, BadStreamsChangeNothing) {
    m_edit.SetWindowText("保留");
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(In("{\\rtf1 unfinished", SF_RTF), 0);
    EXPECT_EQ(m_error, DWORD(ERROR_INVALID_DATA));
    EXPECT_EQ(misuses.Count(), 1);
    EXPECT_EQ(Text(), "保留");

    Stream failing{"{\\rtf1 x}"};
    failing.failWith = 7;
    EDITSTREAM es = failing.In();
    EXPECT_EQ(m_edit.StreamIn(SF_RTF, es), 0);
    EXPECT_EQ(es.dwError, 7u);
    EXPECT_EQ(Text(), "保留");
}

}  // namespace
