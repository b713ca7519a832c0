#include "mfc/base/Diagnostics.h"

#include <cstdarg>
#include <cstdio>

namespace qelt {
namespace {
int g_misuseCount = 0;
}

void ReportMisuse(const char* format, ...) {
    ++g_misuseCount;
    std::fputs("qelt: misuse: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
}

int MisuseCount() { return g_misuseCount; }

}  // namespace qelt
