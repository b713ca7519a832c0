// Misuse of the class library (an index out of range, a null text) is an assertion failure on the
// platform's debug build. Here it is a clear diagnostic on stderr and a defined result.
#pragma once

namespace qelt {

// Writes "qelt: misuse: <message>" to stderr and counts it.
void ReportMisuse(const char* format, ...) __attribute__((format(printf, 1, 2)));

// How many misuses were reported since the process started (tests read it).
int MisuseCount();

}  // namespace qelt
