// A whole report as the body of an RTF document: text rows, pictures and tables in row order.
#pragma once

#include <string>

#include "host/RtfDocument.h"
#include "host/WordObject.h"

namespace qelt::report {

// The body of the report's rows for paper (the Word output and the report files), its fonts and
// colours entered in the document's tables. A row's leading tabs become its paragraph's left
// indent, so that a row longer than the line keeps its indent where it wraps, in Word and in
// LibreOffice alike; every other tab follows a space, so that a field that ends just short of a tab
// stop keeps a gap to the next field. A picture or table after a text that left its line open
// begins on a line of its own.
std::string ReportRtfBody(const CWordObject& report, RtfDocument& document);

}  // namespace qelt::report
