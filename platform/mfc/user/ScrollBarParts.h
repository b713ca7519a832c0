// Where the parts of a scroll bar lie (the arrow box at each end, the track between them, the thumb
// on the track) and which request a click on one of them makes: what DrawScrollBar paints and what
// a control that draws its own bars answers a click with.
#pragma once

#include "mfc/base/Geometry.h"
#include "win/Windows.h"

namespace qelt {

struct ScrollBarParts {
    CRect back;     // the arrow box at the top or left end
    CRect forward;  // the arrow box at the bottom or right end
    CRect track;    // between the arrow boxes; empty when they fill the bar
    CRect thumb;    // on the track, as long as the page is to the range (a square without a page)
                    // and placed as the position is between its limits; empty without a range
};

ScrollBarParts ScrollBarPartsOf(const RECT& bar, bool vertical, const SCROLLINFO& info);

// The SB_ request a click at point asks of a bar: a line from an arrow box, a page from the track
// before or after the thumb; -1 for the thumb itself and for a point off the bar.
int ScrollBarRequestAt(const RECT& bar, bool vertical, const SCROLLINFO& info, POINT point);

}  // namespace qelt
