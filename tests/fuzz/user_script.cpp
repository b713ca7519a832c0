// A user script of the host program.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/app/ScriptFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qelt::app::ParseScript(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
