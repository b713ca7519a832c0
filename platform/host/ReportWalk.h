// Reading a report's rows in order, as the report page reads them: text rows as their records,
// picture rows as they are, and table directives assembled into tables that are handed on at each
// end directive.
#pragma once

#include <string>
#include <vector>

#include "host/MuitByteConvert.h"
#include "host/WordObject.h"

namespace qelt::report {

class ReportVisitor {
public:
    virtual ~ReportVisitor() = default;
    virtual void OnText(const CWordTextRecord& record) = 0;
    virtual void OnPicture(const CWordRow& row) = 0;
    // rows × columns cell texts, row-major.
    virtual void OnTable(int rows, int columns, const std::vector<std::string>& cells) = 0;
};

// Table directives: "INS_r,c" begins an empty table when both counts are positive; "SET_r,c,text"
// sets a cell inside the current table (the text may hold commas); any other directive hands the
// current table on, again at each further end; directives that name no valid table or cell are
// ignored. Rows of other kinds, and text rows whose record cannot be read, are skipped.
void WalkReport(const CWordObject& report, ReportVisitor& visitor);

}  // namespace qelt::report
