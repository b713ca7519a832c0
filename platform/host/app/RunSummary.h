// What the host program prints at the end of a run: the current command's list entry and the CAD
// command lines that were sent, with the drawing parameters each reads. UTF-8.
#pragma once

#include <string>

namespace qelt::app {

std::string RunSummary();

}  // namespace qelt::app
