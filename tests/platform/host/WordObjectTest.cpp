#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ExpectedMisuses.h"
#include "host/MuitByteConvert.h"
#include "host/WordObject.h"
#include "mfc/base/Array.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/user/Resources.h"
#include "Printers.h"

namespace {

// The packed record of a text row, read back as the report page reads it.
CWordTextRecord ReadRecord(const CWordRow* row) {
    CWordTextRecord record;
    EXPECT_EQ(row->GetKind(), CWordRow::kindText);
    const int size = MuitByteConvert(nullptr, row->GetText(), 0);
    std::vector<char> buffer(size);
    MuitByteConvert(buffer.data(), row->GetText(), size);
    EXPECT_TRUE(record.Read(buffer.data(), size)) << row->GetText();
    return record;
}

}  // namespace

TEST(CWordObject, EachWriterAppendsItsRows) {
    CWordObject report;
    CStringArray lines;
    lines.Add("\t《混凝土结构设计规范》 GB50010-2002 ");
    lines.Add("\t\t梁宽: b=250mm\n");
    EXPECT_EQ(report.WriteTitleInfo("受弯构件正截面计算\n"), 1);
    EXPECT_EQ(report.WriteSectionTitle("二、尺寸参数"), 1);
    EXPECT_EQ(report.WriteText("\tb=250mm", 0, 0, 0, 0, 0, 10.5, "宋体"), 1);
    EXPECT_EQ(report.WriteText("\t\t挠度计算不满足规范要求!\n", 0, 0, 3, 4, 6, 10.5, "宋体"), 1);
    EXPECT_EQ(report.WriteParagraph(lines, 2, 2, 0, 0, 11, 9, "黑体"), 1);
    EXPECT_EQ(report.InsertTable(2, 3), 1);
    EXPECT_EQ(report.SetTableCell(1, 2, "d10@150(523),另加"), 1);
    EXPECT_EQ(report.EndTable(), 1);

    struct Expected {
        const char* text;
        long a;
        int b, c, d, color;
        double size;
        const char* font;
    };
    const Expected texts[] = {
        {"受弯构件正截面计算\n", 1, 1, 0, 0, 0, 16, "宋体"},
        {"二、尺寸参数\n", 1, 0, 0, 0, 0, 12, "宋体"},  // a title always ends its line
        {"\tb=250mm", 0, 0, 0, 0, 0, 10.5, "宋体"},     // a text row is left as it is
        {"\t\t挠度计算不满足规范要求!\n", 0, 0, 3, 4, 6, 10.5, "宋体"},
        {"\t《混凝土结构设计规范》 GB50010-2002 \n", 2, 2, 0, 0, 11, 9, "黑体"},
        {"\t\t梁宽: b=250mm\n", 2, 2, 0, 0, 11, 9, "黑体"},
    };
    ASSERT_EQ(report.GetRowCount(), 9);
    for (int i = 0; i < 6; ++i) {
        const CWordTextRecord record = ReadRecord(report.GetRow(i));
        const Expected& e = texts[i];
        EXPECT_EQ(record.m_strText, CString(e.text)) << "row " << i;
        EXPECT_EQ(record.m_lA, e.a) << "row " << i;
        EXPECT_EQ(record.m_nB, e.b) << "row " << i;
        EXPECT_EQ(record.m_nC, e.c) << "row " << i;
        EXPECT_EQ(record.m_nD, e.d) << "row " << i;
        EXPECT_EQ(record.m_nColor, e.color) << "row " << i;
        EXPECT_EQ(record.m_dSize, e.size) << "row " << i;
        EXPECT_EQ(record.m_strFont, CString(e.font)) << "row " << i;
    }
    const char* directives[] = {"INS_2,3", "SET_1,2,d10@150(523),另加", "END_"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(report.GetRow(6 + i)->GetKind(), CWordRow::kindTable);
        EXPECT_EQ(report.GetRow(6 + i)->GetText(), CString(directives[i]));
    }

    report.InitData();
    EXPECT_EQ(report.GetRowCount(), 0);
}

TEST(CWordObject, RefusedCallsAppendNothing) {
    CWordObject report;
    report.InsertTable(2, 3);
    const int rows = report.GetRowCount();
    CStringArray lines;
    lines.Add("a");
    qelt::test::ExpectedMisuses refusals;
    const int results[] = {
        report.WriteText(nullptr, 0, 0, 0, 0, 0, 10.5, "宋体"),
        report.WriteText("x", 0, 0, 0, 0, 0, 10.5, nullptr),
        report.WriteText("x", 0, 0, 0, 0, 16, 10.5, "宋体"),
        report.WriteText("x", 0, 0, 0, 0, -1, 10.5, "宋体"),
        report.WriteText("x", 8, 0, 0, 0, 0, 10.5, "宋体"),
        report.WriteText("x", 0, 3, 0, 0, 0, 10.5, "宋体"),
        report.WriteText("x", 0, 0, 10000, 0, 0, 10.5, "宋体"),
        report.WriteText("x", 0, 0, 0, 0, 0, 0, "宋体"),
        report.WriteText("x", 0, 0, 0, 0, 0, NAN, "宋体"),
        report.WriteText("x", 0, 0, 0, 0, 0, 2000, "宋体"),
        report.WriteParagraph(lines, 0, 0, 0, 0, 0, -1, "宋体"),
        report.WriteTitleInfo(nullptr),
        report.InsertTable(0, 3),
        report.InsertTable(100000, 100000),  // more cells than a table may hold
        report.SetTableCell(2, 0, "x"),   // row 2 of a 2 x 3 table
        report.SetTableCell(0, -1, "x"),
        report.SetTableCell(0, 0, nullptr),
    };
    for (int result : results) EXPECT_EQ(result, 0);
    EXPECT_EQ(refusals.Count(), static_cast<int>(sizeof results / sizeof results[0]));
    EXPECT_EQ(report.GetRowCount(), rows);

    CWordObject empty;
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(empty.EndTable(), 0);
    EXPECT_EQ(empty.GetRow(0), nullptr);
    EXPECT_EQ(misuses.Count(), 2);
}

// A text longer than one record holds is split into rows whose texts, joined, give it back: at a
// line break where there is one, else never inside a GBK character or a markup piece.
TEST(CWordObject, LongTextsSplitIntoContinuedRows) {
    std::string lines;
    while (lines.size() < 25000) lines += "\t\t计算面积A~s~ = 579.85 mm$2$\n";
    std::string oneLine;
    while (oneLine.size() < 9996) oneLine += "受";
    oneLine += "x$123$y";  // the piece lies across byte 9999
    oneLine += std::string(3000, 'z');

    for (const std::string& text : {lines, oneLine}) {
        CWordObject report;
        ASSERT_EQ(report.WriteText(text.c_str(), 0, 0, 0, 0, 0, 10.5, "宋体"), 1);
        ASSERT_GT(report.GetRowCount(), 1);
        std::string joined;
        for (int i = 0; i < report.GetRowCount(); ++i) {
            const CString piece = ReadRecord(report.GetRow(i)).m_strText;
            ASSERT_LE(piece.GetLength(), CWordTextRecord::maxTextLength);
            if (text == lines) {
                EXPECT_EQ(piece.Str().back(), '\n');
            }
            joined += piece.Str();
        }
        EXPECT_EQ(joined, text);
    }
    CWordObject report;
    report.WriteText(oneLine.c_str(), 0, 0, 0, 0, 0, 10.5, "宋体");
    EXPECT_EQ(ReadRecord(report.GetRow(0)).m_strText.Right(1), CString("x"));  // cut before "$123$"
}

TEST(CWordObject, CopiesAreIndependent) {
    CWordObject report;
    report.WriteTitleInfo("板式楼梯计算书\n");
    CWordObject copy(report);
    report.InitData();
    ASSERT_EQ(copy.GetRowCount(), 1);
    EXPECT_EQ(ReadRecord(copy.GetRow(0)).m_strText, CString("板式楼梯计算书\n"));
    report = copy;
    EXPECT_EQ(report.GetRowCount(), 1);
}

TEST(CWordObject, NumToStrLvFormatsFormulaNumbers) {
    struct Case {
        double value;
        int level;
        const char* expected;
    };
    const Case cases[] = {
        {15.2, 2, "15.20"},  {1.104, 2, "1.10"},  {-1.5, 2, "(-1.50)"}, {-0.001, 2, "0.00"},
        {8.364, 0, "8"},     {2.5, -3, "2"},      {1.0 / 3, 12, "0.333333333"},
        {0.0, 2, "0.00"},
    };
    for (const Case& c : cases) EXPECT_EQ(CWordObject::NumToStrLv(c.value, c.level), CString(c.expected));
}

namespace {

// A bitmap of width × height pixels, red on the left half and blue on the right.
HBITMAP MakeBitmap(int width, int height) {
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = x < width / 2 ? 0xFF0000 : 0x0000FF;
    return CreateBitmap(width, height, 1, 32, pixels.data());
}

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const std::vector<unsigned char>& png) {
    auto word = [&](size_t at) { return (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3]; };
    return {word(16), word(20)};
}

}  // namespace

// The row keeps a copy of the picture: the caller's bitmap can go at once.
TEST(CWordObject, PictureRowsKeepTheirOwnCopy) {
    CWordObject report;
    HBITMAP bitmap = MakeBitmap(40, 30);
    ASSERT_EQ(report.WritePhotograph(bitmap, 0, 0), 1);
    DeleteObject(bitmap);
    bitmap = MakeBitmap(8, 4);
    ASSERT_EQ(report.WritePhotograph(bitmap, 1, 0), 1);
    DeleteObject(bitmap);

    ASSERT_EQ(report.GetRowCount(), 2);
    const CWordRow* first = report.GetRow(0);
    EXPECT_EQ(first->GetKind(), CWordRow::kindPicture);
    EXPECT_EQ(first->GetText(), CString("图1"));
    EXPECT_EQ(first->GetPictureWidth(), 40);
    EXPECT_EQ(first->GetPictureHeight(), 30);
    EXPECT_FALSE(first->IsPictureCentred());
    ASSERT_GT(first->GetPng().size(), 24u);
    EXPECT_EQ(std::string(first->GetPng().begin() + 1, first->GetPng().begin() + 4), "PNG");
    EXPECT_EQ(PngSize(first->GetPng()), std::make_pair(40, 30));
    EXPECT_EQ(report.GetRow(1)->GetText(), CString("图2"));
    EXPECT_TRUE(report.GetRow(1)->IsPictureCentred());

    CWordObject copy(report);
    report.InitData();
    EXPECT_EQ(PngSize(copy.GetRow(1)->GetPng()), std::make_pair(8, 4));
}

TEST(CWordObject, PictureOfAModulesBitmapResource) {
    CWordObject report;
    const HINSTANCE module = qelt::ModuleHandleOf(reinterpret_cast<const void*>(&MakeBitmap));
    ASSERT_EQ(report.WritePhotograph(module, 9201, 0, 0), 1);
    ASSERT_EQ(report.GetRowCount(), 1);
    EXPECT_EQ(report.GetRow(0)->GetPictureWidth(), 6);
    EXPECT_EQ(report.GetRow(0)->GetPictureHeight(), 4);
    EXPECT_EQ(PngSize(report.GetRow(0)->GetPng()), std::make_pair(6, 4));

    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(report.WritePhotograph(module, 9299, 0, 0), 0);  // no such bitmap
    EXPECT_EQ(misuses.Count(), 2);
    EXPECT_EQ(report.GetRowCount(), 1);
}

TEST(CWordObject, PicturesThatAreNoBitmapAreRefused) {
    CWordObject report;
    HBITMAP deleted = MakeBitmap(4, 4);
    DeleteObject(deleted);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(report.WritePhotograph(nullptr, 0, 0), 0);
    EXPECT_EQ(report.WritePhotograph(deleted, 0, 0), 0);
    EXPECT_EQ(report.WritePhotograph(reinterpret_cast<HBITMAP>(pen), 0, 0), 0);
    EXPECT_GE(misuses.Count(), 3);
    EXPECT_EQ(report.GetRowCount(), 0);
    DeleteObject(pen);
}
