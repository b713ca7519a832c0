// Watching the values that the user script enters and the actions it takes, for a script that stops at refused values
// (mfc/person/UserScript.h says what counts as a refusal).
#pragma once

#include <cstddef>

#include "mfc/person/UserScript.h"

namespace qelt {

// One action of the script, watched: made before the action is applied.
class ValueWatch {
public:
    explicit ValueWatch(const UserAction& action);

    // After the action was applied to control (the control it aimed at; for typed text, keys and
    // the pointer the one that had the focus before; null for actions without one): fails the
    // script, ending every modal loop, when the page refused the value that the action entered, or
    // showed a notice while an action that enters no value worked it.
    void Check(UserScript& script, HWND control) const;

private:
    UserAction m_action;
    size_t m_logStart;
};

// The focus leaving a control, for the scope of its kill-focus handling: a value that the installed
// script entered there while it kept the focus is refused when the handling showed a notice or
// changed it.
class LeavingControl {
public:
    explicit LeavingControl(HWND control);
    ~LeavingControl();
    LeavingControl(const LeavingControl&) = delete;
    LeavingControl& operator=(const LeavingControl&) = delete;

private:
    HWND m_control;
    size_t m_logStart;
};

// A data exchange that failed on control: a value that the installed script entered there and that
// the control still holds is refused.
void NoteExchangeRefusal(HWND control);

}  // namespace qelt
