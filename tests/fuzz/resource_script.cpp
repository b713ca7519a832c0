// A resource script as the resource compiler reads it, from a file of its own.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "Compiler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/qelt_fuzz_" + std::to_string(getpid()) + ".rc";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    qelt::rc::Compile({path}, {});
    std::remove(path.c_str());
    return 0;
}
