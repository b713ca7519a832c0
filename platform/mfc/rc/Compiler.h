// The resource compiler: resource scripts in, the C++ source of their tables out (see
// mfc/user/ResourceTables.h). A malformed script gives "file:line: error: message" and no output.
#pragma once

#include <string>
#include <vector>

namespace qelt::rc {

struct Result {
    bool ok = false;
    std::string error;                      // when not ok
    std::string source;                     // when ok
    std::vector<std::string> dependencies;  // the scripts, headers and files read
};

Result Compile(const std::vector<std::string>& scripts, const std::vector<std::string>& includeDirs);

}  // namespace qelt::rc
