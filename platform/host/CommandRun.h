// The opening and closing of a command run. gVusk_Begin returns 0 when the host lets the command run
// and -1 when it refuses: while another run is open (commands run one at a time), or while the host
// program refuses runs. gVusk_End closes the run that gVusk_Begin opened.
#pragma once

int gVusk_Begin();
void gVusk_End();

namespace qelt::host {

// Makes gVusk_Begin refuse every run (true) or let runs go again (false).
void SetRefuseRuns(bool refuse);
bool IsRunOpen();

}  // namespace qelt::host
