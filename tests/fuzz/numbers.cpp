// The text of an edit box as the number checks read it: the host's CheckDouble between bounds, the
// framework's validator for each kind of text and length, and the number texts of what was read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/InputValidator.h"
#include "host/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int decimals = data[0] % 24 - 2;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    double value = 0.0;
    if (CheckDouble(text.c_str(), value, 1e300, -1e300)) {
        ftos(value);
        ftosp(value, decimals, 0, 0);
        ftosp(value, decimals, 1, decimals);
        ftoi(value);
    }
    CString editText(text.c_str());
    for (int kind = INPUT_UNSIGNED_REAL; kind <= INPUT_UNSIGNED_INT + 1; ++kind)
        IsValidInputString(editText, static_cast<int>(text.size()) - decimals, kind);
    return 0;
}
