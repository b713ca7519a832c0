// The dialog manager's operations that the class library's dialogs, controls and the user script
// share: building a dialog from its template, and finding the dialog and the group of a control.
#pragma once

#include <vector>

#include "mfc/user/Metrics.h"
#include "mfc/user/ResourceTables.h"
#include "win/Windows.h"

class CDialog;

namespace qelt {

// The window class of dialogs.
constexpr const char* kDialogClass = "#32770";

// Builds the window of `dialog` from the template `name` (found through the resource search) with
// its controls and sends WM_INITDIALOG. Null, with a diagnostic, when the template is missing or
// a control cannot be made; nothing is left behind then.
HWND CreateDialogFromTemplate(CDialog& dialog, LPCTSTR name, HWND parent);

// The template a dialog window was built from; null for other windows. Setting it makes the
// template's font (for a template with one) and measures the dialog's base units.
const res::DialogTemplate* DialogTemplateOf(HWND dialog);
void SetDialogTemplate(HWND dialog, const res::DialogTemplate* dialogTemplate);
// The font made from the dialog's template (null without one), which the dialog and its controls
// are given and which goes with the dialog.
HFONT DialogFontOf(HWND dialog);
// The base units the dialog is laid out in (mfc/user/Metrics.h); those of 宋体 9 pt for a window
// that is no dialog.
metrics::BaseUnits DialogBaseUnits(HWND dialog);

bool IsDialogWindow(HWND window);
// The innermost dialog that holds the window (the window itself when it is a dialog); null if none.
HWND DialogOf(HWND window);

// The controls of the window's group: from the nearest sibling at or before it with WS_GROUP up to
// the next sibling with WS_GROUP, in tab order.
std::vector<HWND> GroupOf(HWND control);

// Moves the focus to a control as the dialog manager does (an edit box gets its text selected).
void FocusDialogControl(HWND control);

// Return in a dialog: the default button (IDOK when there is none) is clicked, unless disabled.
void PressDefaultButton(HWND dialog);

}  // namespace qelt
