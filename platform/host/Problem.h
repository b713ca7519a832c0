// Problems that the host library meets in its callers' data (an unknown grade text, a stored value
// of another kind than asked for, a store that cannot be written): a clear line on stderr, and a
// defined result chosen by the caller of ReportProblem.
#pragma once

namespace qelt::host {

// Writes "qelt: host: <message>" to stderr and counts it. Texts of the system (GBK) must be passed
// through qelt::text::GbkToUtf8ForDisplay first.
void ReportProblem(const char* format, ...) __attribute__((format(printf, 1, 2)));

// How many problems were reported since the process started (tests read it).
int ProblemCount();

}  // namespace qelt::host
