// The message that a failed check of the continuous-beam code shows before the program goes on.
#pragma once

// Shows "              ASSERT Error!\r\n", the name of the source unit holding the check and
// "\r\nLine number:   <line>" in a message box with only an OK button, then returns.
void ReportAssert(const char* source, int line);
