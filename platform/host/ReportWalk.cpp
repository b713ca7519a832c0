#include "host/ReportWalk.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "mfc/base/Diagnostics.h"

namespace qelt::report {

namespace {

struct Table {
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells;
};

// A table dimension or cell index: digits only, at most CWordObject::MaxTableCells; -1 otherwise.
int ParseCount(const std::string& text) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    const int value = std::atoi(text.c_str());
    return value <= CWordObject::MaxTableCells ? value : -1;
}

void ApplyDirective(const std::string& directive, Table& table, ReportVisitor& visitor) {
    if (directive.compare(0, 4, "INS_") == 0) {
        const size_t comma = directive.find(',', 4);
        const int rows = comma == std::string::npos ? -1 : ParseCount(directive.substr(4, comma - 4));
        const int columns = comma == std::string::npos ? -1 : ParseCount(directive.substr(comma + 1));
        if (rows > 0 && columns > 0 && rows <= CWordObject::MaxTableCells / columns) {
            table.rows = rows;
            table.columns = columns;
            table.cells.assign(static_cast<size_t>(rows) * columns, std::string());
        }
    } else if (directive.compare(0, 4, "SET_") == 0) {
        const std::string rest = directive.substr(4);
        const size_t firstComma = rest.find(',');
        const size_t secondComma = firstComma == std::string::npos ? std::string::npos : rest.find(',', firstComma + 1);
        const int row = ParseCount(rest.substr(0, firstComma));
        const int column = firstComma == std::string::npos
                               ? -1
                               : ParseCount(rest.substr(firstComma + 1, secondComma - firstComma - 1));
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
