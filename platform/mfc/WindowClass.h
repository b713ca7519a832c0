// Window classes: the behaviour behind a class name ("Button", "Edit", "#32770" …). Each window
// of a class gets its own procedure object, which keeps the window's control state and answers
// its messages after the C++ object's message map has had its turn. A class also names the C++
// class that stands for its windows when code asks for one (CWnd::FromHandle gives a CEdit for an
// "Edit" window), so that casting GetDlgItem's result to the control class is sound.
//
// Another file adds a class with a static WindowClassRegistration; names compare case-blind.
#pragma once

#include <memory>

#include "mfc/UserAction.h"
#include "mfc/WindowRecord.h"

namespace qelt {

class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;

    // Called once the record is filled from the creation parameters, before WM_CREATE.
    virtual void OnAttach(WindowRecord& window) { (void)window; }

    // Answers one message; false passes it on to the default window procedure.
    virtual bool Handle(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    // A user-script action aimed at this window (the script already checked that the window is
    // there, visible and enabled). The base takes no action.
    virtual ActionOutcome ApplyUserAction(WindowRecord& window, const UserAction& action);
};

typedef std::unique_ptr<WindowProcedure> (*ProcedureFactory)();
typedef std::unique_ptr<CWnd> (*WrapperFactory)();

struct WindowClass {
    std::string name;
    ProcedureFactory makeProcedure;
    WrapperFactory makeWrapper;
};

void RegisterWindowClass(const char* name, ProcedureFactory makeProcedure, WrapperFactory makeWrapper);

// The class of that name, or null.
const WindowClass* FindWindowClass(const char* name);

struct WindowClassRegistration {
    WindowClassRegistration(const char* name, ProcedureFactory makeProcedure, WrapperFactory makeWrapper) {
        RegisterWindowClass(name, makeProcedure, makeWrapper);
    }
};

// Makes a procedure or a wrapper of type T (for registrations).
template <class T>
std::unique_ptr<WindowProcedure> MakeProcedure() {
    return std::make_unique<T>();
}
template <class T>
std::unique_ptr<CWnd> MakeWrapper() {
    return std::make_unique<T>();
}

// For ApplyUserAction: gives the control the focus as a click does; Refused when a kill-focus
// handler kept the focus elsewhere (the click then does not happen).
ActionOutcome TakeFocusAsClick(WindowRecord& control);
// The refusal of an action whose control a kill-focus handler kept the focus away from.
ActionOutcome FocusKeptElsewhere(WindowRecord& control);
// For ApplyUserAction: moves the focus on to the next tab stop of the control's dialog, as the Tab
// key does after typing (to the dialog itself when there is no other tab stop).
void MoveFocusOn(WindowRecord& control);
// The person's keyboard, on the focused window: a key pressed and released (WM_KEYDOWN, WM_KEYUP,
// and WM_CHAR for backspace), or a text typed character by character (WM_KEYDOWN, WM_CHAR with
// the character's bytes, WM_KEYUP). Each message is offered to the pre-translation of the focused
// window and its parents first, as the message loop does; a key that moves the focus sends what
// follows to the window that has it then.
void PressKey(int virtualKey);
void TypeText(const CString& text);
// "control 581" for reasons given to people.
std::string ControlName(const WindowRecord& control);

// Sends a control's notification code to its parent as WM_COMMAND, as the platform's controls do.
void NotifyParent(WindowRecord& control, UINT code);

}  // namespace qelt
