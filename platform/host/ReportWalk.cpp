#include "host/ReportWalk.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "mfc/Diagnostics.h"

namespace qelt::report {

namespace {

struct Table {
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells;
};

void ApplyDirective(const std::string& directive, Table& table, ReportVisitor& visitor) {
    if (directive.compare(0, 4, "INS_") == 0) {
        int rows = 0;
        int columns = 0;
        if (std::sscanf(directive.c_str(), "INS_%d,%d", &rows, &columns) == 2 && rows > 0 && columns > 0) {
            table.rows = rows;
            table.columns = columns;
            table.cells.assign(static_cast<size_t>(rows) * columns, std::string());
        }
    } else if (directive.compare(0, 4, "SET_") == 0) {
        const std::string rest = directive.substr(4);
        const size_t firstComma = rest.find(',');
        const size_t secondComma = firstComma == std::string::npos ? std::string::npos : rest.find(',', firstComma + 1);
        const int row = std::atoi(rest.substr(0, firstComma).c_str());
        const int column = firstComma == std::string::npos
                               ? 0
                               : std::atoi(rest.substr(firstComma + 1, secondComma - firstComma - 1).c_str());
        const std::string text = secondComma == std::string::npos ? std::string() : rest.substr(secondComma + 1);
        if (firstComma != std::string::npos && row >= 0 && row < table.rows && column >= 0 &&
            column < table.columns)
            table.cells[static_cast<size_t>(row) * table.columns + column] = text;
    } else if (table.rows > 0) {
        visitor.OnTable(table.rows, table.columns, table.cells);
    }
}

}  // namespace

void WalkReport(const CWordObject& report, ReportVisitor& visitor) {
    Table table;
    for (int i = 0; i < report.GetRowCount(); ++i) {
        const CWordRow& row = *report.GetRow(i);
        switch (row.GetKind()) {
        case CWordRow::kindText: {
            const int size = MuitByteConvert(nullptr, row.GetText(), 0);
            std::vector<char> buffer(size);
            MuitByteConvert(buffer.data(), row.GetText(), size);
            CWordTextRecord record;
            if (record.Read(buffer.data(), size))
                visitor.OnText(record);
            else
                qelt::ReportMisuse("report row %d: a text row whose record cannot be read; skipped", i);
            break;
        }
        case CWordRow::kindPicture: visitor.OnPicture(row); break;
        case CWordRow::kindTable: ApplyDirective(row.GetText().Str(), table, visitor); break;
        default: break;
        }
    }
}

}  // namespace qelt::report
