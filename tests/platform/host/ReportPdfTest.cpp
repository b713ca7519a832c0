#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/ReportWalk.h"
#include "host/RtfEdit.h"
#include "host/WordColor.h"
#include "host/WordObject.h"
#include "host/YorWord.h"
#include "mfc/Afx.h"
#include "mfc/gdi/GdiApi.h"
#include "render/Render.h"

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

// The report as the report page shows it: text and picture rows written into the control, each
// table handed over as an RTF document of cells made by TransToRTF.
class PageWriter : public qelt::report::ReportVisitor {
public:
    explicit PageWriter(CRtfEdit& edit) : m_edit(edit) {}
    void OnText(const CWordTextRecord& record) override {
        m_edit.WriteText(record.m_strText, record.m_lA, record.m_nB, record.m_nC, record.m_nD,
                         WordColorToColorRef(record.m_nColor), record.m_dSize, record.m_strFont);
    }
    void OnPicture(const CWordRow& row) override { m_edit.WritePhotograph(&row); }
    void OnTable(int rows, int columns, const std::vector<std::string>& cells) override {
        CString rtf("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 "
                    "\\'cb\\'ce\\'cc\\'e5;}}\\trowd\\trgaph108\\trleft500");
        for (int c = 1; c <= columns; ++c) rtf.AppendFormat("\\cellx%d", 600 + 2400 * c);
        rtf += "\\pard\\intbl\\f0\\fs21";
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c)
                rtf += " " + m_edit.TransToRTF(cells[r * columns + c].c_str(), 10.5, "宋体") + " \\cell";
            rtf += r + 1 < rows ? "\\row\\intbl" : "\\row";
        }
        m_edit.SetRTF(rtf + "}");
    }

private:
    CRtfEdit& m_edit;
};

// What a reader of both documents must find: the Chinese lines, the numbers, the table cells.
const char* const kExpected[] = {
    u8"板式楼梯计算书", u8"一、构件编号: LT-7", u8"混凝土强度等级: C30", "14.30", u8"计算面积A",
    "579.85", u8"挠度计算不满足规范要求!", u8"实配钢筋", "8.36", u8"d10@100(785),另加d6@200",
    u8"实配面积：785",
};

}  // namespace

// The Word output and the report page's document open in LibreOffice: converted to PDF, their
// text holds the report's lines and their picture is there at its size.
TEST(ReportPdf, LibreOfficeReadsTheWordOutputAndThePagesDocument) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice is missing (Debian package libreoffice-writer-nogui, see scripts/deps.sh)";

    char pattern[] = "/tmp/qelt-reportpdf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const CWordObject report = SampleReport();
    CYorWord::SetOutputPath((dir + "/word.rtf").c_str());
    CYorWord word(1, 1);
    ASSERT_TRUE(report.WriteToWord(&word)) << word.GetErrorMessage();
    CYorWord::SetOutputPath(nullptr);

    CDialog page(9202);
    ASSERT_TRUE(page.Create(9202));
    CRtfEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(565, &page));
    PageWriter writer(edit);
    qelt::report::WalkReport(report, writer);
    std::string error;
    ASSERT_TRUE(qelt::render::WriteFile(dir + "/page.rtf", edit.GetRTF().Str(), &error)) << error;

    // A profile of its own, so that the conversion runs beside other soffice processes.
    const std::string convert = "cd " + dir + " && HOME=" + dir + " timeout 180 soffice -env:UserInstallation=file://" +
                                dir + "/profile --headless --convert-to pdf --outdir " + dir + " " + dir +
                                "/word.rtf " + dir + "/page.rtf >" + dir + "/soffice.log 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0) << ReadFile(dir + "/soffice.log");
    for (const char* name : {"word", "page"}) {
        const std::string pdf = dir + "/" + name + ".pdf";
        ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + pdf + ".txt").c_str()), 0) << name;
        // pdftotext puts blanks where the script or the size changes ("计算面积 As"): compare without them.
        const std::string text = WithoutBlanks(ReadFile(pdf + ".txt"));
        for (const char* line : kExpected)
            EXPECT_NE(text.find(WithoutBlanks(line)), std::string::npos) << name << ": " << line << "\n" << text;

        ASSERT_EQ(std::system(("pdfimages -list " + pdf + " >" + pdf + ".images").c_str()), 0) << name;
        const std::string images = ReadFile(pdf + ".images");
        EXPECT_NE(images.find("image     300   160"), std::string::npos) << name << "\n" << images;
    }
    if (!HasFailure()) std::system(("rm -rf " + dir).c_str());
}

namespace {

// A word of pdftotext -bbox: its box in points and its text.
struct Word {
    double left, top, right;
    std::string text;
};

std::vector<Word> Words(const std::string& bbox) {
    std::vector<Word> words;
    for (size_t at = bbox.find("<word "); at != std::string::npos; at = bbox.find("<word ", at + 1)) {
        auto number = [&](const char* name) { return std::atof(bbox.c_str() + bbox.find(name, at) + std::strlen(name)); };
        const size_t open = bbox.find('>', at) + 1;
        words.push_back({number("xMin=\""), number("yMin=\""), number("xMax=\""),
                         bbox.substr(open, bbox.find("</word>", open) - open)});
    }
    return words;
}

const Word* Find(const std::vector<Word>& words, const std::string& begin) {
    for (const Word& word : words)
        if (word.text.rfind(begin, 0) == 0) return &word;
    return nullptr;
}

}  // namespace

// On paper a row longer than the line wraps under its own beginning, not at the margin, and a field
// that ends just short of a tab stop stays apart from the next one: the Word output printed to PDF
// by LibreOffice.
TEST(ReportPdf, AWrappedRowKeepsItsIndentAndTabbedFieldsAGap) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice is missing (Debian package libreoffice-writer-nogui, see scripts/deps.sh)";
    char pattern[] = "/tmp/qelt-reportwrap-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    CWordObject report;
    report.WriteText("\t\t混凝土等级:\tC20\tfc=9.6N/mm$2$\tft=1.10N/mm$2$\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.WriteText("\t\tα~s~=γ~o~*M/(α~1~*f~c~*b*h~o~*h~o~)=1.0*500.000*10$6$/(1.0*9.6*400*765*765)=0.222\n", 0, 0, 0,
                     0, 0, 10.5, "宋体");
    CYorWord::SetOutputPath((dir + "/word.rtf").c_str());
    CYorWord word(1, 1);
    ASSERT_TRUE(report.WriteToWord(&word)) << word.GetErrorMessage();
    CYorWord::SetOutputPath(nullptr);
    const std::string convert = "cd " + dir + " && HOME=" + dir + " timeout 180 soffice -env:UserInstallation=file://" +
                                dir + "/profile --headless --convert-to pdf --outdir " + dir + " " + dir +
                                "/word.rtf >" + dir + "/soffice.log 2>&1 && pdftotext -bbox " + dir + "/word.pdf " + dir +
                                "/word.html";
    ASSERT_EQ(std::system(convert.c_str()), 0) << ReadFile(dir + "/soffice.log");
    const std::vector<Word> words = Words(ReadFile(dir + "/word.html"));

    // The left margin is 1800 twips (90 pt); two tabs of 420 twips indent by 42 pt.
    const Word* grade = Find(words, u8"混凝土等级");
    const Word* formula = Find(words, u8"α");
    ASSERT_TRUE(grade && formula) << ReadFile(dir + "/word.html");
    EXPECT_NEAR(grade->left, 132, 1.5);
    EXPECT_NEAR(formula->left, 132, 1.5);  // the formula begins on the row's own line, at its indent
    // The first word of the next line (subscripts lie a few points lower on their own line).
    const Word* wrapped = nullptr;
    for (const Word& w : words)
        if (w.top > formula->top + 10 &&
            (!wrapped || w.top < wrapped->top - 5 || (w.top < wrapped->top + 5 && w.left < wrapped->left)))
            wrapped = &w;
    ASSERT_TRUE(wrapped);
    EXPECT_NEAR(wrapped->left, formula->left, 1.5) << wrapped->text;  // and goes on under it

    const Word* c20 = Find(words, "C20");
    const Word* fc = Find(words, "fc=9.6");
    ASSERT_TRUE(c20 && fc);
    EXPECT_GE(fc->left - c20->right, 2.0);  // at least a space between the fields
    if (!HasFailure()) std::system(("rm -rf " + dir).c_str());
}

