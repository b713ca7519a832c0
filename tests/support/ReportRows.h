// A report's rows as text for comparisons: one row a line, its text in UTF-8 between quotes with
// tabs, line breaks, quotes and backslashes escaped as in C, so that every blank stays visible.
// Picture and table rows are written as <picture> and <table: directive>.
#pragma once

#include <string>

#include "host/WordObject.h"

std::string ReportRows(const CWordObject& report);

// The expected rows of a case, from tests/checks/flexural/reports/<name>.txt (lines beginning with
// "#" are comments), or a message naming the file when it cannot be read.
std::string ExpectedReportRows(const std::string& name, const std::string& section);
// The same from tests/<folder>/reports/<name>.txt, for the report tests of another folder.
std::string ExpectedReportRowsIn(const std::string& folder, const std::string& name, const std::string& section);
