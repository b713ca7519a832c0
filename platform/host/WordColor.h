// The Word colour indexes of report rows and their colours.
#pragma once

#include "win/WinTypes.h"

enum { WORD_COLOR_COUNT = 16 };

// The COLORREF (0x00BBGGRR) of a Word colour index 0 to 15 (0 is automatic, shown black); black,
// with a diagnostic, for any other index.
COLORREF WordColorToColorRef(int nIndex);
