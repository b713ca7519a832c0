// The rows of a report as RTF for paper: leading tabs as the paragraph's indent, kept by a row
// written in pieces and by the line a picture ends; a space before every other tab.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ReportRtf.h"
#include "host/WordObject.h"
#include "mfc/gdi/GdiApi.h"

namespace {

// The paragraphs of a body, one a line ("{\pard…" to its "}").
std::vector<std::string> Paragraphs(const std::string& body) {
    std::vector<std::string> out;
    for (size_t at = body.find("{\\pard"); at != std::string::npos; at = body.find("{\\pard", at + 1))
        out.push_back(body.substr(at, body.find('\n', at) - at));
    return out;
}

TEST(ReportRtf, LeadingTabsIndentTheRowOnPaper) {
    struct Case {
        const char* what;
        std::vector<const char*> pieces;  // written one after the other
        std::vector<std::string> paragraphs;
    } cases[] = {
        {"two leading tabs, fields between", {"\t\tC20\tfc=9.6\n"},
         {"{\\pard\\ql\\li840\\plain\\f0\\fs21\\cf1 C20 \\tab fc=9.6\\par"}},
        {"no leading tab", {"L-1\tok\n"}, {"{\\pard\\ql\\plain\\f0\\fs21\\cf1 L-1 \\tab ok\\par"}},
        {"a row in two pieces keeps its indent", {"\t\ta=", "\t1\n"},
         {"{\\pard\\ql\\li840\\plain\\f0\\fs21\\cf1 a=}", "{\\pard\\ql\\li840\\plain\\f0\\fs21\\cf1  \\tab 1\\par"}},
        {"two rows in one piece", {"\ta\n\t\t\tb\n"},
         {"{\\pard\\ql\\li420\\plain\\f0\\fs21\\cf1 a\\par", "{\\pard\\ql\\li1260\\plain\\f0\\fs21\\cf1 b\\par"}},
    };
    for (const Case& c : cases) {
        CWordObject report;
        for (const char* piece : c.pieces) report.WriteText(piece, 0, 0, 0, 0, 0, 10.5, "宋体");
        qelt::report::RtfDocument document;
        EXPECT_EQ(Paragraphs(qelt::report::ReportRtfBody(report, document)), c.paragraphs) << c.what;
    }
}

// A picture after a row left open ends that row in its own paragraph's indent.
TEST(ReportRtf, APictureEndsAnOpenRowInItsIndent) {
    CWordObject report;
    report.WriteText("\t\t图:", 0, 0, 0, 0, 0, 10.5, "宋体");
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateBitmap(4, 4, 1, 32, nullptr);
    report.WritePhotograph(bitmap, 0, 0);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    qelt::report::RtfDocument document;
    const std::string body = qelt::report::ReportRtfBody(report, document);
    const std::vector<std::string> paragraphs = Paragraphs(body);
    ASSERT_GE(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[1], "{\\pard\\ql\\li840\\plain\\f0\\fs21\\cf1 \\par");
    EXPECT_EQ(paragraphs[2].rfind("{\\pard\\ql{\\pict", 0), 0u) << paragraphs[2];
}

}  // namespace
