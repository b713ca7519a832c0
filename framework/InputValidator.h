// Validation of an edit box's text before it is converted: an unsigned real number, a word of
// Latin letters or an unsigned integer.
#pragma once

#include "mfc/Afx.h"

// Kinds of text that IsValidInputString accepts.
enum {
    INPUT_UNSIGNED_REAL = 0,
    INPUT_LETTERS = 1,
    INPUT_UNSIGNED_INT = 2
};

// Tests the first nLength bytes of strText (a length beyond the text is cut to the text) against
// nKind. An empty text is valid for every kind, and so is any text of an unknown kind. Bytes of a
// GBK character are never digits, letters or points. Returns TRUE when valid; changes nothing.
BOOL IsValidInputString(CString& strText, int nLength, int nKind);

// The message that refuses a number outside [dLower, dUpper], "输入值应在1与2之间": the bounds as
// ftos writes them, the words as the host's range check of an edit box shows them.
CString RangeMessage(double dLower, double dUpper);
