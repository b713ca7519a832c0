// The script's "controls": what a person sees of the top dialog, for writing scripts. Each control
// that a script can reach (visible, with an id), in the dialog and the pages it holds, as one line
// "ID<tab>KIND<tab>"LABEL"<tab>"VALUE"<tab>enabled|disabled": KIND is edit, button, check box, radio
// button, combo box, drop-down list, list box, list view, tab control, tree, rich edit, text,
// picture or the window class; LABEL the control's own text for a button, the titles of a tab
// control's tabs ("|" between them), none for a text or a picture, else the text beside it to the
// left or just above; VALUE what it holds (an edit's or a text's text, "on" or "off", the chosen
// item or tab, a list view's row count, a tree's selection, a rich edit's length).
#pragma once

#include "mfc/base/String.h"
#include "win/Windows.h"

namespace qelt {

// The lines of the dialog's controls (GBK), in the order of the windows.
CString ListControls(HWND dialog);

// Adds the dialog's controls to the interaction log (an entry of kind "controls").
void LogControls(HWND dialog);

}  // namespace qelt
