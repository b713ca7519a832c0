// The person at the screen: a script of actions (mfc/person/UserAction.h) installed for the process.
//
// While a modal loop has nothing else to do, it takes the next action. The action is aimed at the
// top dialog (the innermost modal one); a control is looked for in the pages that dialog holds
// first (the innermost dialog that holds it), then in the dialog itself. The control must be
// there, visible and enabled (with every window around it up to the dialog); its window class
// applies the action as a person would:
//   set ID TEXT     focus to the control, its text replaced (EN_CHANGE, CBN_EDITCHANGE), then on to
//                   the next tab stop (kill-focus notifications)
//   choose ID TEXT  focus, then the item with exactly that text selected, with the notifications
//   check ID on|off a check box clicked when its state differs; a radio button clicked to check it
//   click ID        focus to the button, then BN_CLICKED
//   tab TITLE       the tab control's choice (TCN_SELCHANGING, honouring a veto, TCN_SELCHANGE);
//                   only the top dialog's tab controls are searched
//   row ID N        a list view's row chosen as a click does
//   answer …        the current message box, or the top dialog's button IDYES/IDOK (yes),
//                   IDNO/IDCANCEL (no), IDOK (ok), IDCANCEL (cancel)
//   close           the top dialog's close box (WM_CLOSE, then OnCancel)
// An action for a control that only a dialog beneath the top one holds means the top dialog was
// not answered: it gets its default button (or its close box) and the log says so; the action
// then goes to the dialog beneath. A message box that the next action does not answer gets its
// default button, logged likewise. With no action left the top dialog is closed as with its close
// box (and ended with IDCANCEL if it will not close).
//
// An action that cannot be applied (a control that is not there, hidden or disabled, an item
// that a list does not hold, an answer that the box does not offer …) is refused: nothing of it
// is applied, the script records the error with its line, and every modal loop ends at once with
// IDCANCEL (without OnCancel); message boxes shown meanwhile get their default button. The host
// program turns a failed script into its exit code.
//
// A script that stops at refused values (StopAtRefusedValues) also fails, in the same way, when
// the page shows a notice (a message box or prompt with the one button "确定") while any other
// action that works the page is carried out (a click, a tab, a row …), but for what a calculation
// shows (InteractionLog::EnterCalculation), which is the calculation's outcome; and when the page
// does not take a value that it entered (set, choose, check, cell, or text typed into the focused
// control):
//   - a notice (a message box or prompt with the one button "确定") is shown while the value is
//     entered or while the focus leaves its control, whoever answers it; a question (several
//     buttons) is the person's choice, and only its outcome counts;
//   - the control no longer holds the value once it was entered and, for a control that keeps the
//     focus (a combo box, a check box), once the focus has left it. The same number written
//     another way ("300" and "300.0") is the same value; texts that are not both numbers are
//     compared as they are;
//   - a later data exchange fails on a control that still holds a value the script entered.
// The failure names the action's line, the control, the page's messages and what the control holds.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mfc/person/UserAction.h"

namespace qelt {

class UserScript {
public:
    // Adds an action; an action without a line number gets its position (from 1).
    UserScript& Add(UserAction action);
    UserScript& Set(int controlId, const CString& text);
    UserScript& Choose(int controlId, const CString& text);
    UserScript& Check(int controlId, bool on);
    UserScript& Click(int controlId);
    UserScript& Tab(const CString& title);
    UserScript& Row(int controlId, int row);
    UserScript& Answer(int answer);  // IDOK, IDCANCEL, IDYES or IDNO
    UserScript& Close();

    // The next action, or null when none is left.
    const UserAction* Next() const;
    void Consume();
    size_t Remaining() const { return m_actions.size() - m_next; }

    // What "snap NAME" does with the top dialog: writes its picture and returns "" or why it could
    // not. With finalName, the top dialog is also pictured under that name each time the script has
    // no action left for it (the work dialog last, after the dialogs it opened).
    using SnapHandler = std::function<std::string(HWND dialog, const std::string& name)>;
    void SetSnapHandler(SnapHandler handler, std::string finalName) {
        m_snap = std::move(handler);
        m_finalSnap = std::move(finalName);
    }
    const SnapHandler& Snapper() const { return m_snap; }
    const std::string& FinalSnapName() const { return m_finalSnap; }

    bool Failed() const { return !m_error.empty(); }
    // "line N: ACTION: REASON", in UTF-8; empty while the script has not failed.
    const std::string& Error() const { return m_error; }
    void Fail(const UserAction& action, const std::string& reason);

    // Whether a value that the page refuses or replaces fails the script (off unless set).
    void StopAtRefusedValues(bool stop) { m_stopAtRefusals = stop; }
    bool StopsAtRefusedValues() const { return m_stopAtRefusals; }

    // A value that the page refused or replaced, or an action that it refused with a notice.
    struct Refusal {
        int controlId = 0;
        std::string message;              // the page's messages shown meanwhile (UTF-8), "" when it showed none
        std::optional<std::string> held;  // what the control holds (UTF-8); nothing for an action that enters no value
    };
    // Fails the script on a refusal (unless it has failed already).
    void RefuseByPage(const UserAction& action, Refusal refusal);
    // The refusal the script failed on; nothing when it has not failed, or failed otherwise.
    const std::optional<Refusal>& PageRefusal() const { return m_refusal; }

    // A value that the script entered, kept while the page may still refuse it: the control it went
    // into, the action, the text the control held once it was entered, and whether the control
    // kept the focus (its value is looked at again when the focus leaves).
    struct EnteredValue {
        HWND control = nullptr;
        UserAction action;
        CString text;
        bool focused = false;
    };
    std::vector<EnteredValue>& EnteredValues() { return m_entered; }

private:
    std::vector<UserAction> m_actions;
    size_t m_next = 0;
    std::string m_error;
    SnapHandler m_snap;
    std::string m_finalSnap;
    bool m_stopAtRefusals = false;
    std::optional<Refusal> m_refusal;
    std::vector<EnteredValue> m_entered;
};

// The script that modal loops and message boxes take their actions from; null for none (dialogs
// close at once, message boxes get their default button). Not owned.
void InstallUserScript(UserScript* script);
UserScript* InstalledUserScript();

// Installs a script for the scope's lifetime.
class ScopedUserScript {
public:
    explicit ScopedUserScript(UserScript& script) : m_previous(InstalledUserScript()) { InstallUserScript(&script); }
    ~ScopedUserScript() { InstallUserScript(m_previous); }
    ScopedUserScript(const ScopedUserScript&) = delete;
    ScopedUserScript& operator=(const ScopedUserScript&) = delete;

private:
    UserScript* m_previous;
};

}  // namespace qelt
