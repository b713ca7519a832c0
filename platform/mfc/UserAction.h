// One action of the person at the screen, as a user script gives it, and what a window made of it.
#pragma once

#include <string>

#include "mfc/String.h"
#include "win/Windows.h"

namespace qelt {

struct UserAction {
    enum class Kind {
        Set,     // type `text` into control `controlId` and leave it
        Choose,  // choose the item `text` of a combo or list box
        Check,   // check (`number` 1) or uncheck (0) a check box, or check a radio button
        Click,   // click a button
        Tab,     // choose the tab titled `text`
        Row,     // select row `number` (from 0) of list view `controlId`
        Answer,  // answer the current message box or modal dialog with `number` (IDOK, IDCANCEL, IDYES, IDNO)
        Close,   // close the top dialog as with its close box
    };

    Kind kind = Kind::Close;
    int controlId = 0;
    CString text;    // GBK
    int number = 0;
    int line = 0;    // the script line it came from, for error messages

    // The action as a script line ("set 581 12.5"), in UTF-8.
    std::string Describe() const;
};

// What a window class did with an action aimed at one of its windows.
struct ActionOutcome {
    enum class Kind {
        NotApplicable,  // this window does not take this kind of action (the search goes on)
        Applied,
        Refused,        // the window takes the kind but not this action; `reason` says why
    };

    Kind kind = Kind::NotApplicable;
    std::string reason;  // UTF-8

    static ActionOutcome NotApplicable() { return {}; }
    static ActionOutcome Applied() { return {Kind::Applied, {}}; }
    static ActionOutcome Refused(std::string why) { return {Kind::Refused, std::move(why)}; }
};

}  // namespace qelt
