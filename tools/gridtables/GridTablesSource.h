// The text of beam/BeamWellTables.cpp: every coefficient table as the model gives it, with the
// handbook's printed values kept where they differ, and the two index arrays.
#pragma once

#include <string>

namespace gridtables {

std::string TablesSource();

}  // namespace gridtables
