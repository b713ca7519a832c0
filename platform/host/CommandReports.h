// The reports of the last command run, for the host program to write out: the module's entry
// function hands over its parameter object's full and short report once the work dialog has ended,
// before the parameter object is destroyed. The host library keeps copies until the next hand-over
// or ClearCommandReports.
//
// The work dialog also tells the host the outcome of its last step toward a report or a drawing, so
// that the host program can decide the run by it and say why a run wrote none: its input check
// refused the input, its calculation refused it, its calculation gave a result, a page declined to
// draw, or the drawing command was sent (CVuskMainInfo::SendAcadCommand notes it); each with the
// length of the interaction log when the step began (what was shown since came from that step).
#pragma once

#include <cstddef>

class CWordObject;

namespace qelt::host {

void KeepCommandReports(const CWordObject& fullReport, const CWordObject& shortReport);
// Forgets the reports and the steps noted.
void ClearCommandReports();

enum class CalculationStep { None, InputRefused, CalculationRefused, Calculated, DrawingDeclined, Drawn };

// The work dialog's input check or calculation, or a page's drawing, for the scope: what is shown meanwhile is the
// step's own outcome, not a refusal of the script's action (the interaction log marks it so). Note
// makes its outcome the last step.
class CalculationStepScope {
public:
    CalculationStepScope();
    ~CalculationStepScope();
    CalculationStepScope(const CalculationStepScope&) = delete;
    CalculationStepScope& operator=(const CalculationStepScope&) = delete;

    void Note(CalculationStep outcome);

private:
    size_t m_logStart;
};

// Notes the drawing command just sent as the last step.
void NoteDrawingSent();
// The step noted last (None when none was), with the log's length when it began.
CalculationStep LastCalculationStep(size_t& logLength);
// Null when no reports were handed over since the last ClearCommandReports.
const CWordObject* KeptFullReport();
const CWordObject* KeptShortReport();

}  // namespace qelt::host
