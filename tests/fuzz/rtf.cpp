// An RTF document as the rich edit reads it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mfc/richedit/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qelt::rich::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size), qelt::rich::CharFormat());
    return 0;
}
