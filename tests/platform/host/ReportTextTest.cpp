#include <gtest/gtest.h>

#include <string>

#include "ExpectedMisuses.h"
#include "host/ReportText.h"
#include "host/WordObject.h"
#include "mfc/gdi/GdiApi.h"

TEST(ReportText, RendersRowsMarkupAndTables) {
    CWordObject report;
    report.WriteTitleInfo("板式楼梯计算书");
    report.WriteText("\t\tq = 2.50kN/m$2$\tf~c~ = 9.60 N/mm$2$\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.WriteText("\t\tE~c~ = 2.55×10$4$, x$n+1$, 10$-2$", 0, 0, 0, 0, 0, 10.5, "宋体");
    report.InsertTable(2, 3);
    report.SetTableCell(0, 0, "位置");
    report.SetTableCell(0, 1, "A~s~");
    report.SetTableCell(1, 2, "d10@150(523),另加");
    report.EndTable();
    report.WriteText("图示:", 0, 0, 0, 0, 0, 10.5, "宋体");
    HBITMAP bitmap = CreateBitmap(500, 412, 1, 32, nullptr);
    report.WritePhotograph(bitmap, 0, 0);
    DeleteObject(bitmap);
    report.WriteText("末行", 0, 0, 0, 0, 0, 10.5, "宋体");

    const char* const lines[] = {
        u8"板式楼梯计算书\n",
        u8"\t\tq = 2.50kN/m²\tfc = 9.60 N/mm²\n",
        u8"\t\tEc = 2.55×10⁴, x^(n+1), 10^(-2)\n",
        u8"+------+----+-------------------+\n",
        u8"| 位置 | As |                   |\n",
        u8"|      |    | d10@150(523),另加 |\n",
        u8"+------+----+-------------------+\n",
        u8"图示:\n",
        u8"[图1: 500×412]\n",
        u8"末行",
    };
    std::string expected;
    for (const char* line : lines) expected += line;
    EXPECT_EQ(qelt::report::ReportText(report), expected);
}

// Directives that name no table or no cell change nothing; every end writes the table again.
TEST(ReportText, TableDirectivesAsTheReportPageReadsThem) {
    CWordObject report;
    qelt::test::ExpectedMisuses misuses;
    report.EndTable();          // refused: no table yet
    report.InsertTable(1, 2);
    report.SetTableCell(0, 1, "b");
    report.SetTableCell(1, 0, "x");  // refused: outside the table
    report.EndTable();
    report.EndTable();
    EXPECT_EQ(misuses.Count(), 2);
    const std::string table = "+--+---+\n|  | b |\n+--+---+\n";
    EXPECT_EQ(qelt::report::ReportText(report), table + table);
}
