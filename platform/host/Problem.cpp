#include "host/Problem.h"

#include <cstdarg>
#include <cstdio>

namespace qelt::host {
namespace {
int g_problemCount = 0;
}

void ReportProblem(const char* format, ...) {
    ++g_problemCount;
    std::fputs("qelt: host: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
}

int ProblemCount() { return g_problemCount; }

}  // namespace qelt::host
