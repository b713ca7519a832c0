// The reports of the last command run, for the host program to write out: the module's entry
// function hands over its parameter object's full and short report once the work dialog has ended,
// before the parameter object is destroyed. The host library keeps copies until the next hand-over
// or ClearCommandReports.
#pragma once

class CWordObject;

namespace qelt::host {

void KeepCommandReports(const CWordObject& fullReport, const CWordObject& shortReport);
void ClearCommandReports();
// Null when no reports were handed over since the last ClearCommandReports.
const CWordObject* KeptFullReport();
const CWordObject* KeptShortReport();

}  // namespace qelt::host
