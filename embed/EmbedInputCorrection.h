// How an embedded-part page corrects an edit's text against the value it has stored for that edit.
#pragma once

#include <vector>

#include "mfc/base/String.h"

// One limit of an integer edit: a lower bound (value below it is raised) or an upper bound. A lower
// limit with bTrigger applies only to a value below dTrigger (a bound rounded up from a real one).
struct EmbedIntLimit {
    BOOL bLower;
    int nBound;
    BOOL bTrigger = FALSE;
    double dTrigger = 0;
};

inline EmbedIntLimit EmbedLower(int nBound) { return {TRUE, nBound}; }
inline EmbedIntLimit EmbedUpper(int nBound) { return {FALSE, nBound}; }
// A lower limit nBound that applies only when the value is below dTrigger.
inline EmbedIntLimit EmbedLowerBelow(int nBound, double dTrigger) { return {TRUE, nBound, TRUE, dTrigger}; }

// The value an integer edit stands for. A text that does not read falls back to the stored value; then
// each limit in turn replaces a value beyond it by the stored value or the bound, whichever lies
// inside, and the result becomes the stored value for the next limit. bRewrite says the edit must show
// the result again ("%d") because it differs from what was typed: the text was refused.
int CorrectIntInput(const CString& strText, int nStored, const std::vector<EmbedIntLimit>& limits,
                    BOOL& bRewrite);

// The whole numbers that the limits let pass, nLower to nUpper, the reader's own range where no limit
// bounds a side; nLower lies above nUpper when limits contradict each other and no number passes.
void GetIntRange(const std::vector<EmbedIntLimit>& limits, int& nLower, int& nUpper);

// The value a decimal edit stands for: the text when it reads inside dMin..dMax, else the stored value
// clamped into that range, to be shown again ("%.3f") as bRewrite says.
double CorrectDoubleInput(const CString& strText, double dStored, double dMin, double dMax, BOOL& bRewrite);
