// A whole report as the body of an RTF document: text rows, pictures and tables in row order.
#pragma once

#include <string>

#include "host/RtfDocument.h"
#include "host/WordObject.h"

namespace qelt::report {

// The body of the report's rows, its fonts and colours entered in the document's tables. A picture
// or table after a text that left its line open begins on a line of its own.
std::string ReportRtfBody(const CWordObject& report, RtfDocument& document);

}  // namespace qelt::report
