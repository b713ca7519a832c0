// A report as plain UTF-8 text, for the terminal and for tests: superscript digits as ², ³ …,
// other superscripts as ^(…), subscripts inline, tabs kept, tables as bordered columns aligned by
// their display width (a Chinese character takes two columns), a picture as a line "[图1: 500×412]".
#pragma once

#include <string>

#include "host/WordObject.h"

namespace qelt::report {

std::string ReportText(const CWordObject& report);

}  // namespace qelt::report
