// One action of the person at the screen, as a user script gives it, and what a window made of it.
#pragma once

#include <string>

#include "mfc/base/String.h"
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
        Cell,    // edit cell (`x` column, `y` row) of list `controlId` in place with `text`
        Key,     // press key `number` (a virtual-key code) on the focused control
        Type,    // type `text` on the focused control, character by character
        Mouse,   // the pointer's `number` (a MouseAction) at (`x`, `y`) of control `controlId`, wheel `delta`
        Menu,    // choose the item `text` of the popup menu shown
        Pick,    // select the item of tree `controlId` at the path `text` ("楼梯/板式楼梯")
        Read,    // print control `controlId`'s id and text
        Snap,    // write a picture of the top dialog, named `text`
        Controls,  // print the controls of the top dialog and its pages
        Message,   // send message `number` to the top dialog, as the host program does
    };

    // What the pointer does (Kind::Mouse).
    enum MouseAction { kDown, kUp, kMove, kDoubleClick, kWheel, kRightDown, kRightUp };

    Kind kind = Kind::Close;
    int controlId = 0;
    CString text;    // GBK
    int number = 0;
    int x = 0, y = 0;
    int delta = 0;
    bool byPlace = false;  // Choose: the item at place `number` (from 0), not by its text
    int line = 0;    // the script line it came from, for error messages

    // The action as a script line ("set 581 12.5"), in UTF-8.
    std::string Describe() const;
};

// The virtual-key code of a key name (VK_RETURN, VK_F8, VK_A …); 0 for a name that is none.
int KeyCode(const std::string& name);
// The name of a virtual-key code, its number when it has none.
std::string KeyName(int code);

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

// A control class of the class library that takes script actions itself, before its window
// class does (a C++ control over a plain window class, such as a slide picker over a static).
class ScriptedControl {
public:
    virtual ~ScriptedControl() = default;
    virtual ActionOutcome ApplyUserAction(const UserAction& action) = 0;
};

}  // namespace qelt
