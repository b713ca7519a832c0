// What the common controls share: their notifications to the parent (WM_NOTIFY), texts taken in
// from and handed out into callers' records, the width of a text in the font of the headless
// screen, and a person's click on a control.
#pragma once

#include <string>
#include <string_view>

#include "mfc/base/String.h"
#include "mfc/person/UserAction.h"
#include "mfc/user/WindowRecord.h"
#include "win/Windows.h"

namespace qelt {

// Fills the header (the control's handle and id, the code) and sends WM_NOTIFY to the control's
// parent; the parent's answer, 0 when the control has no parent.
LRESULT SendNotify(WindowRecord& control, NMHDR& header, UINT code);

// A text given in a record: null is the empty text. Texts asked of the parent later
// (LPSTR_TEXTCALLBACK) are not kept: a misuse naming the caller, and the empty text.
CString TextIn(LPCSTR text, const char* caller);

// Copies a text into a caller's buffer of `size` bytes, cut at a character boundary and ended by
// a zero byte; returns the bytes copied without the zero (0 for no buffer).
int CopyTextOut(std::string_view text, LPSTR buffer, int size);

// The width in pixels of a GBK text in the dialogs' font, 宋体 9 pt: 6 pixels a byte, so 6 for a
// half-width and 12 for a full-width character.
int TextWidth(std::string_view text);

// A person's click at a point of the control's client area: the focus first, as the mouse button
// gives it, then WM_LBUTTONDOWN and WM_LBUTTONUP. Refused, with nothing clicked, when a
// kill-focus handler keeps the focus elsewhere.
ActionOutcome ClickAsPerson(WindowRecord& control, POINT point);

}  // namespace qelt
