#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "host/MuitByteConvert.h"
#include "Printers.h"

namespace {

CWordTextRecord MakeRecord(const char* text, long a, int b, int c, int d, int color, double size,
                           const char* font) {
    CWordTextRecord record;
    record.m_strText = text;
    record.m_lA = a;
    record.m_nB = b;
    record.m_nC = c;
    record.m_nD = d;
    record.m_nColor = color;
    record.m_dSize = size;
    record.m_strFont = font;
    return record;
}

// The record as a reader gets it: the size query, then a buffer of exactly that size.
std::vector<char> Convert(const CString& packed) {
    const int size = MuitByteConvert(nullptr, packed, 0);
    std::vector<char> buffer(size);
    EXPECT_EQ(MuitByteConvert(buffer.data(), packed, size), size);
    return buffer;
}

}  // namespace

TEST(MuitByteConvert, PacksTheFixedWidthFields) {
    CString packed;
    ASSERT_TRUE(MakeRecord("kN/m$2$\n", 0, 0, 0, 0, 6, 10.5, "宋体").Pack(packed));
    EXPECT_EQ(packed, "   8kN/m$2$\n   0   0   0   0   6      10.5   4宋体");
}

TEST(MuitByteConvert, RecordsRoundTrip) {
    const std::string longest(CWordTextRecord::maxTextLength, 'x');
    const CWordTextRecord records[] = {
        MakeRecord("", 0, 0, 0, 0, 0, 10.5, "宋体"),
        MakeRecord("\tb=250mm\n", 0, 0, 0, 0, 0, 10.5, "宋体"),
        MakeRecord("混凝土强度等级: C30\t\tf~c~ = 14.30 N/mm$2$\n", 7, 2, -999, 9999, 15, 12.25, "黑体"),
        MakeRecord("一", 1, 1, 0, 0, 6, 1638, ""),
        MakeRecord(longest.c_str(), 0, 0, 0, 0, 0, 0.5, "Times New Roman"),
    };
    for (const CWordTextRecord& record : records) {
        CString packed;
        ASSERT_TRUE(record.Pack(packed));
        const std::vector<char> buffer = Convert(packed);
        ASSERT_EQ(buffer.size(), static_cast<size_t>(packed.GetLength() + 1));

        CWordTextRecord read;
        ASSERT_TRUE(read.Read(buffer.data(), static_cast<int>(buffer.size()))) << packed;
        EXPECT_EQ(read.m_strText, record.m_strText);
        EXPECT_EQ(read.m_lA, record.m_lA);
        EXPECT_EQ(read.m_nB, record.m_nB);
        EXPECT_EQ(read.m_nC, record.m_nC);
        EXPECT_EQ(read.m_nD, record.m_nD);
        EXPECT_EQ(read.m_nColor, record.m_nColor);
        EXPECT_EQ(read.m_dSize, record.m_dSize);
        EXPECT_EQ(read.m_strFont, record.m_strFont);
    }
}

TEST(MuitByteConvert, PackRefusesFieldsThatDoNotFit) {
    const std::string tooLong(CWordTextRecord::maxTextLength + 1, 'x');
    const CWordTextRecord records[] = {
        MakeRecord(tooLong.c_str(), 0, 0, 0, 0, 0, 10.5, "宋体"),
        MakeRecord("", 0, 0, 0, 0, 0, 10.5, tooLong.c_str()),
        MakeRecord("", 10000, 0, 0, 0, 0, 10.5, "宋体"),
        MakeRecord("", 0, -1000, 0, 0, 0, 10.5, "宋体"),
        MakeRecord("", 0, 0, 0, 0, 0, 0, "宋体"),
        MakeRecord("", 0, 0, 0, 0, 0, -3, "宋体"),
        MakeRecord("", 0, 0, 0, 0, 0, NAN, "宋体"),
        MakeRecord("", 0, 0, 0, 0, 0, 1.0 / 3e-300, "宋体"),  // more than 10 characters
    };
    for (const CWordTextRecord& record : records) {
        CString packed("unchanged");
        EXPECT_FALSE(record.Pack(packed));
        EXPECT_EQ(packed, CString("unchanged"));
    }
}

// Every prefix of a record is rejected, read from a buffer of exactly that many bytes (no
// terminator), so a reader that looked past the end would be caught by the address sanitizer.
TEST(MuitByteConvert, ReadRejectsEveryTruncation) {
    CString packed;
    ASSERT_TRUE(MakeRecord("受拉钢筋 A~s~", 0, 0, 0, 0, 0, 10.5, "宋体").Pack(packed));
    for (int length = 0; length < packed.GetLength(); ++length) {
        std::vector<char> prefix(packed.Str().begin(), packed.Str().begin() + length);
        CWordTextRecord read;
        EXPECT_FALSE(read.Read(prefix.data(), length)) << "prefix of " << length << " bytes";
    }
    std::vector<char> whole(packed.Str().begin(), packed.Str().end());
    CWordTextRecord read;
    EXPECT_TRUE(read.Read(whole.data(), static_cast<int>(whole.size())));
}

TEST(MuitByteConvert, ReadRejectsMalformedRecords) {
    const char* records[] = {
        "  x3abc   0   0   0   0   0      10.5   4宋体",   // a length that is no number
        "9999abc   0   0   0   0   0      10.5   4宋体",   // a length past the buffer
        "  -1abc   0   0   0   0   0      10.5   4宋体",   // a negative length
        "    abc   0   0   0   0   0      10.5   4宋体",   // an empty length field
        "   3abc   0   0   0 1.5   0      10.5   4宋体",   // a number field that is not an integer
        "   3abc   0   0   0   0   0      big!   4宋体",   // a size that is no number
        "   3abc   0   0   0   0   0         0   4宋体",   // a size of zero
        "   3abc   0   0   0   0   0      10.5   9宋体",   // a font length past the end
        "   3abc   0   0   0   0   0      10.5   4宋体x",  // bytes after the font
        "   3abc   0   0   0   0   0      10.5   4宋",     // a font shorter than its length
    };
    for (const char* text : records) {
        CWordTextRecord read;
        read.m_strText = "kept";
        EXPECT_FALSE(read.Read(text, static_cast<int>(std::string(text).size()) + 1)) << text;
        EXPECT_EQ(read.m_strText, CString("kept"));
    }
}

TEST(MuitByteConvert, RefusesABufferTooSmallAndANullText) {
    qelt::test::ExpectedMisuses misuses;
    char buffer[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(MuitByteConvert(buffer, "abcd", 4), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(MuitByteConvert(nullptr, nullptr, 0), 0);
    EXPECT_EQ(misuses.Count(), 2);
    EXPECT_EQ(MuitByteConvert(buffer, "abc", 4), 4);
    EXPECT_STREQ(buffer, "abc");
}
