// How a rich edit control shows its text. Each paragraph is one line: the control scrolls across
// instead of wrapping, as a multi-line rich edit with WS_HSCROLL does. Each character is drawn in
// its format's face, size, weight, slant, underline and colour (the window text colour while the
// colour is automatic); superscripts and subscripts at two thirds of the size, their tops at the
// line's top and their baselines a fifth of the size below the line's respectively, and \up / \dn
// offsets above or below the baseline; tabs stop every half inch; pictures stand on the baseline
// at their size. The text lies inside a sunken
// border when the control has one (WS_BORDER or WS_EX_CLIENTEDGE), with a scroll bar down its right
// side when it is taller than the box and one along the bottom when a line is wider; the window's
// scroll bars (mfc/user/WindowScroll.h) hold their state in pixels.
//
// The lines are laid out again when first needed after a change, so that text put in piece by
// piece costs one layout. A selection set asks for its end to be shown: the next layout scrolls
// just far enough for its line to lie in the box.
#pragma once

#include <vector>

#include "mfc/richedit/RichText.h"
#include "win/Windows.h"

namespace qelt::rich {

class TextView {
public:
    void Changed() { m_laidOut = false; }
    void Show(int position) { m_shown = position; }

    void Paint(HWND window, const Document& text, COLORREF background);
    // WM_VSCROLL (vertical) or WM_HSCROLL with its code (SB_…) and thumb position.
    void Scroll(HWND window, const Document& text, bool vertical, int code, int thumb);

private:
    struct Line {
        int first, end;  // characters, the paragraph end not included
        int top, height, ascent, width;
    };
    // The box the text shows in (inside the border and the scroll bars), and where the bars lie.
    struct Frame {
        RECT box, across, down;
        bool hasAcross, hasDown;
    };

    void LayOut(const Document& text);
    Frame FrameOf(HWND window) const;
    // Keeps the scroll positions in range, the shown position in the box, the window's bars in step.
    Frame Settle(HWND window);

    std::vector<Line> m_lines;
    int m_height = 0, m_width = 0;  // of the whole text
    bool m_laidOut = false;
    int m_shown = -1;               // a position to bring into the box, -1 when none
    int m_scrollX = 0, m_scrollY = 0;
};

}  // namespace qelt::rich
