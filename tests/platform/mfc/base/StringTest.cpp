#include <gtest/gtest.h>

#include <cstring>

#include "ExpectedMisuses.h"
#include "mfc/base/String.h"
#include "Printers.h"

TEST(CString, FormatIsPrintfExact) {
    struct Case {
        CString got;
        const char* expected;
    };
    auto fmt = [](const char* format, auto... args) {
        CString s;
        s.Format(format, args...);
        return s;
    };
    Case cases[] = {
        {fmt("%s=%s", "受拉钢筋", "HRB335"), "受拉钢筋=HRB335"},
        {fmt("%d", -42), "-42"},
        {fmt("%.0f", 2.5), "2"},
        {fmt("%.0f", 3.5), "4"},
        {fmt("%.2f", 1.005), "1.00"},
        {fmt("%.3lf", 0.1235), "0.123"},
        {fmt("%4.0f", 7.0), "   7"},
        {fmt("%G", 0.0001), "0.0001"},
        {fmt("%G", 1e-5), "1E-05"},
        {fmt("%G", 200000.0), "200000"},
        {fmt("%G", 2000000.0), "2E+06"},
        {fmt("%d%%", 50), "50%"},
        {fmt("%.2e", 12345.678), "1.23e+04"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);

    CString long_text;
    long_text.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(long_text.GetLength(), 5000);

    CString appended("M=");
    appended.AppendFormat("%.2f%s", 12.5, "kN·m");
    EXPECT_EQ(appended, "M=12.50kN·m");
}

// In "矩形" the bytes are BE D8 D0 CE: "匦" is D8 D0 across the boundary and must not be found;
// a trail byte equal to an ASCII byte ("\x5C" in "淺" = 9C 5C) must not match that ASCII byte.
TEST(CString, SearchAndReplaceNeverSplitAGbkCharacter) {
    CString text("矩形");
    EXPECT_EQ(text.Find("匦"), -1);
    EXPECT_EQ(text.Find("形"), 2);
    EXPECT_EQ(text.Find(""), 0);
    EXPECT_EQ(text.Find("形", 3), -1);

    CString slash("\x9C\x5C\\");  // 淺 followed by a real backslash
    EXPECT_EQ(slash.Find('\\'), 2);
    EXPECT_EQ(slash.ReverseFind('\\'), 2);
    EXPECT_EQ(slash.FindOneOf("\\/"), 2);
    EXPECT_EQ(slash.Replace('\\', '/'), 1);
    EXPECT_EQ(slash, "\x9C\x5C/");

    CString mixed("矩形矩形");
    EXPECT_EQ(mixed.Replace("匦", "x"), 0);
    EXPECT_EQ(mixed.Replace("形", "板"), 2);
    EXPECT_EQ(mixed, "矩板矩板");
    EXPECT_EQ(mixed.Replace("矩板", ""), 2);
    EXPECT_TRUE(mixed.IsEmpty());

    CString removal("\x9C\x5C\\a\\");
    EXPECT_EQ(removal.Remove('\\'), 2);
    EXPECT_EQ(removal, "\x9C\x5C" "a");
}

TEST(CString, CaseMappingTouchesAsciiOnly) {
    CString text("c30 混凝土 hrb\x9C\x5C");
    text.MakeUpper();
    EXPECT_EQ(text, "C30 混凝土 HRB\x9C\x5C");
    text.MakeLower();
    EXPECT_EQ(text, "c30 混凝土 hrb\x9C\x5C");
    EXPECT_EQ(CString("HRB335").CompareNoCase("hrb335"), 0);
    EXPECT_LT(CString("A").CompareNoCase("b"), 0);
    EXPECT_EQ(CString("矩形").CompareNoCase("矩形"), 0);
    EXPECT_NE(CString("矩形").CompareNoCase("矩板"), 0);
    // Two characters that differ only in a trail byte that looks like 'A' and 'a'.
    EXPECT_NE(CString("\x81\x41").CompareNoCase("\x81\x61"), 0);
}

TEST(CString, ExtractionClampsLikeTheReleaseBuild) {
    CString text("C:ZHJMJS");
    EXPECT_EQ(text.Left(2), "C:");
    EXPECT_EQ(text.Right(6), "ZHJMJS");
    EXPECT_EQ(text.Mid(2, 3), "ZHJ");
    EXPECT_EQ(text.Mid(5), "MJS");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Left(100), text);
    EXPECT_EQ(text.Mid(-3, 2), "C:");
    EXPECT_EQ(text.Mid(7, 100), "S");
    EXPECT_EQ(text.Mid(100), "");
    EXPECT_EQ(CString("1234.5mm").SpanIncluding("0123456789."), "1234.5");
    EXPECT_EQ(CString("ab,cd").SpanExcluding(","), "ab");
}

TEST(CString, EditingOperations) {
    CString text("ab");
    EXPECT_EQ(text.Insert(1, "矩"), 4);
    EXPECT_EQ(text, "a矩b");
    EXPECT_EQ(text.Insert(99, 'c'), 5);
    EXPECT_EQ(text.Delete(1, 2), 3);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(text.Delete(2, 100), 2);
    EXPECT_EQ(text.Delete(5), 2);

    CString padded("  \t值 \n");
    EXPECT_EQ(CString(padded).Trim(), "值");
    EXPECT_EQ(CString(padded).TrimLeft(), "值 \n");
    EXPECT_EQ(CString(padded).TrimRight(), "  \t值");
    EXPECT_EQ(CString("xx1.5xx").Trim('x'), "1.5");
    EXPECT_EQ(CString("0012300").TrimRight("0"), "00123");
    // 淺 ends in 0x5C: trimming backslashes keeps the character whole.
    EXPECT_EQ(CString("\x9C\x5C\\\\").TrimRight('\\'), "\x9C\x5C");
    EXPECT_EQ(CString("ab矩形").MakeReverse(), "形矩ba");
}

TEST(CString, BuffersAndComparisons) {
    CString text("abc");
    char* buffer = text.GetBuffer(16);
    std::strcpy(buffer, "C25");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "C25");
    buffer = text.GetBuffer(0);
    buffer[1] = '3';
    text.ReleaseBuffer(2);
    EXPECT_EQ(text, "C3");

    EXPECT_TRUE(CString("C20") < CString("C30"));
    EXPECT_TRUE(CString("\xB0\xA1") > CString("z"));  // byte-wise, high bytes after ASCII
    EXPECT_EQ(CString("a") + "b" + 'c' + CString("d"), "abcd");
    EXPECT_EQ(CString('-', 3), "---");
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
    EXPECT_STREQ(static_cast<LPCTSTR>(CString("x")), "x");
}

TEST(CString, MisuseIsADiagnosticWithADefinedResult) {
    CString text("ab");
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(text.GetAt(2), 0);
    EXPECT_EQ(text.GetAt(-1), 0);
    text.SetAt(5, 'x');
    EXPECT_EQ(text, "ab");
    text.GetBuffer(0);
    text.ReleaseBuffer(10);
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(misuses.Count(), 4);
}
