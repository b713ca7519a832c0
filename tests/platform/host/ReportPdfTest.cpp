#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "host/WordObject.h"
#include "host/YorWord.h"
#include "mfc/GdiApi.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }), text.end());
    return text;
}

// A slab sketch: an outline with its span written inside.
HBITMAP SketchBitmap() {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(300, 160, 1, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, 300, 160, WHITENESS);
    Rectangle(dc, 20, 20, 280, 140);
    MoveToEx(dc, 20, 80, nullptr);
    LineTo(dc, 280, 80);
    TextOutA(dc, 110, 50, "Lx=4200", 7);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

// A short report with what the reports hold: a title, section titles, text with markup and a
// coloured verdict, a table with a comma in a cell.
CWordObject SampleReport() {
    CWordObject report;
    report.WriteTitleInfo("板式楼梯计算书\n");
    report.WriteSectionTitle("一、构件编号: LT-7");
    report.WriteSectionTitle("二、基本资料：");
    report.WriteText("\t\t混凝土强度等级: C30\t\tf~c~ = 14.30 N/mm$2$\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.WriteText("\t\t计算面积A~s~ = 579.85 mm$2$\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.WriteText("\t\t挠度计算不满足规范要求!\n", 0, 0, 0, 0, 6, 10.5, "宋体");
    report.InsertTable(2, 3);
    report.SetTableCell(0, 0, "位置");
    report.SetTableCell(0, 1, "弯矩");
    report.SetTableCell(0, 2, "实配钢筋");
    report.SetTableCell(1, 0, "跨中");
    report.SetTableCell(1, 1, "8.36");
    report.SetTableCell(1, 2, "d10@100(785),另加d6@200");
    report.EndTable();
    report.WriteText("\t\t实配面积：785 mm$2$\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.WriteSectionTitle("三、示意图：");
    HBITMAP sketch = SketchBitmap();
    report.WritePhotograph(sketch, 1, 0);
    DeleteObject(sketch);
    return report;
}

}  // namespace

// The Word output opens in LibreOffice: converted to PDF, its text holds the Chinese lines, the
// numbers and the table cells.
TEST(ReportPdf, LibreOfficeReadsTheWordOutput) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice is missing (Debian package libreoffice-writer-nogui, see scripts/deps.sh)";

    char pattern[] = "/tmp/qelt-reportpdf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    CYorWord::SetOutputPath((dir + "/report.rtf").c_str());
    CYorWord word(1, 1);
    ASSERT_TRUE(SampleReport().WriteToWord(&word)) << word.GetErrorMessage();
    CYorWord::SetOutputPath(nullptr);

    // A profile of its own, so that the conversion runs beside other soffice processes.
    const std::string convert = "cd " + dir + " && HOME=" + dir + " timeout 180 soffice -env:UserInstallation=file://" +
                                dir + "/profile --headless --convert-to pdf --outdir " + dir + " " + dir +
                                "/report.rtf >" + dir + "/soffice.log 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0) << ReadFile(dir + "/soffice.log");
    ASSERT_EQ(std::system(("pdftotext -layout " + dir + "/report.pdf " + dir + "/report.txt").c_str()), 0);
    // pdftotext puts blanks where the script or the size changes ("计算面积 As"): compare without them.
    const std::string text = WithoutBlanks(ReadFile(dir + "/report.txt"));

    const char* const expected[] = {
        u8"板式楼梯计算书", u8"一、构件编号: LT-7", u8"混凝土强度等级: C30", "14.30", u8"计算面积A",
        "579.85", u8"挠度计算不满足规范要求!", u8"实配钢筋", "8.36", u8"d10@100(785),另加d6@200",
        u8"实配面积：785",
    };
    for (const char* line : expected)
        EXPECT_NE(text.find(WithoutBlanks(line)), std::string::npos) << line << "\n" << text;

    // The picture is in the document at its size.
    ASSERT_EQ(std::system(("pdfimages -list " + dir + "/report.pdf >" + dir + "/images.txt").c_str()), 0);
    const std::string images = ReadFile(dir + "/images.txt");
    EXPECT_NE(images.find("image     300   160"), std::string::npos) << images;

    if (!HasFailure()) std::system(("rm -rf " + dir).c_str());
}
