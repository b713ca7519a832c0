#include "host/CommandRun.h"

#include "mfc/base/Diagnostics.h"

namespace {
bool g_refuseRuns = false;
bool g_runOpen = false;
}  // namespace

int gVusk_Begin() {
    if (g_refuseRuns || g_runOpen) return -1;
    g_runOpen = true;
    return 0;
}

void gVusk_End() {
    if (!g_runOpen) qelt::ReportMisuse("gVusk_End without a run begun");
    g_runOpen = false;
}

namespace qelt::host {

void SetRefuseRuns(bool refuse) { g_refuseRuns = refuse; }

bool IsRunOpen() { return g_runOpen; }

}  // namespace qelt::host
