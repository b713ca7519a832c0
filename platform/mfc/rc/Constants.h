// The platform's names that resource scripts use without defining them: window, dialog and
// control styles and the standard dialog ids, with the values of win/Windows.h.
#pragma once

#include <string>
#include <vector>

namespace qelt::rc {

struct Constant {
    const char* name;
    long long value;
};

const std::vector<Constant>& PlatformConstants();

}  // namespace qelt::rc
