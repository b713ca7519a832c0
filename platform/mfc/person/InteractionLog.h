// The log of what the person at the screen saw and answered, in order: every message box, the
// dialogs that the script left unanswered, and the entries other dialogs add (a prompt dialog adds
// its own). Tests and the host program read it.
#pragma once

#include <string>
#include <vector>

#include "mfc/base/String.h"

namespace qelt {

struct InteractionEntry {
    std::string kind;              // "message box", "dialog", or what another dialog calls itself
    CString caption;
    CString text;
    std::vector<CString> buttons;  // as shown, in order
    CString answer;                // the button chosen
    int result = 0;                // the id that the box or dialog returned (IDOK, IDYES …)
    bool byScript = false;         // false: nobody answered, the default was taken
    std::string note;              // why the default was taken, when it was (UTF-8)
    bool byCalculation = false;    // shown while a calculation ran (EnterCalculation): its outcome

    // One line for people, in UTF-8: kind "caption": text [buttons] -> answer (by script|default…);
    // for what the script read of a control (kind "read"), its id (result) and its text; for the
    // controls of a dialog (kind "controls"), its caption and then one line per control.
    std::string Describe() const;
    // A message the person was shown: a message box or a prompt.
    bool IsMessage() const { return kind == "message box" || kind == "prompt"; }
};

class InteractionLog {
public:
    static InteractionLog& Instance();

    void Add(InteractionEntry entry);
    const std::vector<InteractionEntry>& Entries() const { return m_entries; }
    // The texts of the messages shown from entry `start` on (without those a calculation showed,
    // unless withCalculations), in UTF-8 without carriage returns, a line break between two; ""
    // when none was shown.
    std::string MessagesSince(size_t start, bool withCalculations = true) const;
    void Clear() { m_entries.clear(); }

    // A calculation (with its input check) runs between the two: what is shown meanwhile is marked
    // as its outcome. Calls nest.
    void EnterCalculation() { ++m_calculating; }
    void LeaveCalculation() { --m_calculating; }

private:
    std::vector<InteractionEntry> m_entries;
    int m_calculating = 0;
};

}  // namespace qelt
