#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "TestCommand.h"
#include "host/WordColor.h"
#include "mfc/gdi/GdiApi.h"
#include "resources/FrameworkResource.h"

namespace {

// The report page on its own under the host's frame, showing a report written by the test.
class ReportPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page.Create(IDD_CALT_REPORT, &frame.wnd));
        page.m_pReport = &report;
    }
    void TearDown() override { page.DestroyWindow(); }

    std::string Text()
    {
        return WindowText(page.m_ctrlReport).Str();
    }

    // The RTF documents that the page handed over as tables.
    std::vector<std::string> Tables()
    {
        std::vector<std::string> tables;
        for (const qelt::rich::StreamedRtf& streamed : page.m_ctrlReport.GetStreamedRtf()) {
            if (streamed.rtf.find("\\trowd") != std::string::npos)
                tables.push_back(streamed.rtf);
        }
        return tables;
    }

    static std::vector<int> CellBoundaries(const std::string& rtf)
    {
        std::vector<int> bounds;
        std::regex cellx("\\\\cellx(\\d+)");
        for (std::sregex_iterator it(rtf.begin(), rtf.end(), cellx), end; it != end; ++it)
            bounds.push_back(std::stoi((*it)[1]));
        return bounds;
    }

    CTestFrame frame;
    CCaltReportDlg page;
    CWordObject report;
};

TEST_F(ReportPage, RowsInOrderWithTheirColoursAndPictures)
{
    report.WriteTitleInfo("测试梁计算\n");
    report.WriteText("\tq=10kN/m$2$\n", 0, 0, 0, 0, 6, 10.5, "宋体");
    HBITMAP hBitmap = CreateBitmap(40, 30, 1, 32, NULL);
    report.WritePhotograph(hBitmap, 1, 0);
    DeleteObject(hBitmap);
    report.WriteText("末行\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    page.ShowReport();

    EXPECT_NE(std::string::npos, Text().find("测试梁计算"));
    EXPECT_NE(std::string::npos, Text().find("q=10kN/m2"));
    const std::string strRtf(page.m_ctrlReport.GetRTF());
    EXPECT_NE(std::string::npos, strRtf.find("\\red255\\green0\\blue0"));
    const size_t nPicture = strRtf.find("\\pngblip");
    ASSERT_NE(std::string::npos, nPicture);
    EXPECT_LT(strRtf.find("q=10kN/m"), nPicture);
    EXPECT_GT(strRtf.find("\\'c4\\'a9"), nPicture);  // "末" after the picture
    long nStart = -1, nEnd = -1;
    page.m_ctrlReport.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(0, nEnd);
}

TEST(ReportColours, WordIndexesOutsideTheTableShowBlack)
{
    EXPECT_EQ(0x0000FFu, WordColorToColorRef(6));
    EXPECT_EQ(0x808080u, WordColorToColorRef(15));
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(0u, WordColorToColorRef(16));
    EXPECT_EQ(0u, WordColorToColorRef(-1));
    EXPECT_EQ(misuses.Count(), 2);
}

TEST_F(ReportPage, TableFromItsDirectives)
{
    report.WriteText("表前\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.InsertTable(2, 3);
    report.SetTableCell(1, 2, "As=1,256mm$2$");
    report.EndTable();
    report.EndTable();  // the same table again
    page.ShowReport();

    std::vector<std::string> tables = Tables();
    ASSERT_EQ(2u, tables.size());
    EXPECT_EQ(tables[0], tables[1]);
    const std::string& rtf = tables[0];
    EXPECT_EQ(0u, rtf.find("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil"
                           "\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1\\trowd\\trgaph108"
                           "\\trleft500\\trbrdrt\\brdrs\\brdrw10 "));
    EXPECT_EQ(3u, CellBoundaries(rtf).size());
    // Two rows of three cells; only the last cell of the second row holds text.
    const std::string strRows = rtf.substr(rtf.find("\\pard\\intbl\\kerning2\\f0\\fs21"));
    std::vector<std::string> cells;
    for (size_t at = 0, next; (next = strRows.find(" \\cell", at)) != std::string::npos; at = next + 6)
        cells.push_back(strRows.substr(at, next - at));
    ASSERT_EQ(6u, cells.size()) << rtf;
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(std::string::npos, cells[i].find("As")) << cells[i];
    EXPECT_NE(std::string::npos, cells[5].find("As=1,256mm{\\super 2}")) << cells[5];
    EXPECT_NE(std::string::npos, rtf.find("\\row\\intbl"));
    EXPECT_EQ(rtf.size() - 5, rtf.rfind("\\row}"));
}

TEST_F(ReportPage, MarkersTakeNoRoomInAColumn)
{
    report.InsertTable(1, 2);
    report.SetTableCell(0, 0, "f~max~");
    report.SetTableCell(0, 1, "fmax");
    report.EndTable();
    page.ShowReport();

    std::vector<std::string> tables = Tables();
    ASSERT_EQ(1u, tables.size());
    std::vector<int> bounds = CellBoundaries(tables[0]);
    ASSERT_EQ(2u, bounds.size());
    // 220 twips a unit: (4 bytes + terminator + 3) × 220 / 2 per column, from 600.
    EXPECT_EQ(600 + 880, bounds[0]);
    EXPECT_EQ(600 + 2 * 880, bounds[1]);
}

TEST_F(ReportPage, NothingToShow)
{
    page.ShowReport();
    EXPECT_EQ("", Text());
    EXPECT_TRUE(Tables().empty());

    page.SetData(NULL);
    EXPECT_EQ("", Text());
}

}  // namespace
