// The reports of the last command run, for the host program to write out: the module's entry
// function hands over its parameter object's full and short report once the work dialog has ended,
// before the parameter object is destroyed. The host library keeps copies until the next hand-over
// or ClearCommandReports.
//
// The work dialog also tells the host what it last did toward a report, so that the host program
// can say why a run wrote none: its input check began, or its calculation began; each with the
// length of the interaction log at that moment (what was shown since came from that step).
#pragma once

#include <cstddef>

class CWordObject;

namespace qelt::host {

void KeepCommandReports(const CWordObject& fullReport, const CWordObject& shortReport);
// Forgets the reports and the steps noted.
void ClearCommandReports();

enum class CalculationStep { None, InputCheck, Calculation };
void NoteCalculationStep(CalculationStep step);
// The step noted last (None when none was), with the log's length when it began.
CalculationStep LastCalculationStep(size_t& logLength);
// Null when no reports were handed over since the last ClearCommandReports.
const CWordObject* KeptFullReport();
const CWordObject* KeptShortReport();

}  // namespace qelt::host
