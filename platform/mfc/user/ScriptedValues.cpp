#include "mfc/user/ScriptedValues.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "mfc/base/Encoding.h"
#include "mfc/base/GbkText.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

namespace qelt {
namespace {

bool IsClass(HWND control, const char* name) {
    const WindowRecord* record = LookupWindow(control);
    return record && gbk::CompareNoCase(record->className, name) == 0;
}

CString ItemText(HWND control, UINT lengthMessage, UINT textMessage, LRESULT index) {
    if (index < 0) return CString();
    const LRESULT length = ::SendMessage(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) return CString();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessage(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return CString(text.data());
}

// What the control holds of the kind of value the action enters: a check box's state ("on" or
// "off"), a list's chosen item, a list view's cell, any other control's text.
CString Held(HWND control, const UserAction& action) {
    switch (action.kind) {
    case UserAction::Kind::Check:
        return ::SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off";
    case UserAction::Kind::Choose:
        if (IsClass(control, "ListBox"))
            return ItemText(control, LB_GETTEXTLEN, LB_GETTEXT, ::SendMessage(control, LB_GETCURSEL, 0, 0));
        if (IsClass(control, "ComboBox") || IsClass(control, "ComboBoxEx32"))
            return ItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, ::SendMessage(control, CB_GETCURSEL, 0, 0));
        break;
    case UserAction::Kind::Cell:
        if (IsClass(control, "SysListView32")) {
            char cell[1024] = "";
            LVITEM item{};
            item.iSubItem = action.x;
            item.pszText = cell;
            item.cchTextMax = sizeof cell;
            ::SendMessage(control, LVM_GETITEMTEXT, static_cast<WPARAM>(action.y), reinterpret_cast<LPARAM>(&item));
            return CString(cell);
        }
        break;
    default:
        break;
    }
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

// What the action meant the control to hold; nothing for an action whose value cannot be read
// back (typed text, a cell only clicked, a choice in a control that is no list).
std::optional<CString> Meant(HWND control, const UserAction& action) {
    switch (action.kind) {
    case UserAction::Kind::Set:
        return action.text;
    case UserAction::Kind::Check:
        return CString(action.number ? "on" : "off");
    case UserAction::Kind::Choose:
        if (!action.byPlace) {
            if (IsClass(control, "ListBox") || IsClass(control, "ComboBox") || IsClass(control, "ComboBoxEx32"))
                return action.text;
            return std::nullopt;
        }
        if (IsClass(control, "ListBox")) return ItemText(control, LB_GETTEXTLEN, LB_GETTEXT, action.number);
        if (IsClass(control, "ComboBox") || IsClass(control, "ComboBoxEx32"))
            return ItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, action.number);
        return std::nullopt;
    case UserAction::Kind::Cell:
        if (action.text.IsEmpty() || !IsClass(control, "SysListView32")) return std::nullopt;
        return action.text;
    default:
        return std::nullopt;
    }
}

// The whole text as a number (blanks around it aside).
bool AsNumber(const CString& text, double& value) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty()) return false;
    const char* begin = trimmed;
    char* end = nullptr;
    value = std::strtod(begin, &end);
    return end != begin && *end == '\0';
}

// The same value: the same text, or the same number written another way.
bool SameValue(const CString& meant, const CString& held) {
    CString a = meant, b = held;
    a.Trim();
    b.Trim();
    if (a == b) return true;
    double x = 0, y = 0;
    if (!AsNumber(a, x) || !AsNumber(b, y)) return false;
    return x == y || (std::isnan(x) && std::isnan(y));
}

// The texts of the messages shown since the log stood at `start`, on one line, but for those that
// a calculation showed (its outcome); whether one of them was a notice (a single button).
std::string Messages(size_t start, bool& notice) {
    const std::vector<InteractionEntry>& log = InteractionLog::Instance().Entries();
    notice = false;
    for (size_t i = start; i < log.size(); ++i)
        notice = notice || (log[i].IsMessage() && !log[i].byCalculation && log[i].buttons.size() == 1);
    std::string texts = InteractionLog::Instance().MessagesSince(start, false);
    for (char& c : texts) c = c == '\n' ? ' ' : c;
    return texts;
}

// Fails the script on what the page refused: the value that control holds, or without a value the
// action itself.
void Refuse(UserScript& script, const UserAction& action, HWND control, const std::optional<CString>& held,
            std::string message) {
    UserScript::Refusal refusal;
    refusal.controlId = control ? ::GetDlgCtrlID(control) : action.controlId;
    refusal.message = std::move(message);
    if (held) refusal.held = text::GbkToUtf8ForDisplay(held->Str());
    script.RefuseByPage(action, std::move(refusal));
    // Every modal loop ends at once: the loop beneath the current one sees the failed script.
    if (CWnd* top = TopModalWindow()) top->EndModalLoop(IDCANCEL);
}

bool EntersValue(UserAction::Kind kind) {
    return kind == UserAction::Kind::Set || kind == UserAction::Kind::Choose || kind == UserAction::Kind::Check ||
           kind == UserAction::Kind::Cell;
}

bool TypesIntoFocus(UserAction::Kind kind) {
    return kind == UserAction::Kind::Type || kind == UserAction::Kind::Key || kind == UserAction::Kind::Mouse;
}

// Whether the action only looks at the dialog (and so the page has nothing to refuse).
bool OnlyLooks(UserAction::Kind kind) {
    return kind == UserAction::Kind::Read || kind == UserAction::Kind::Controls || kind == UserAction::Kind::Snap;
}

// Records a value entered into control: the latest for the control, the one its leaving is
// checked against while it keeps the focus.
void Enter(UserScript& script, HWND control, const UserAction& action, const CString& held) {
    for (UserScript::EnteredValue& value : script.EnteredValues()) {
        if (value.control == control) value.focused = false;
    }
    script.EnteredValues().push_back({control, action, held, ::GetFocus() == control});
}

}  // namespace

ValueWatch::ValueWatch(const UserAction& action)
    : m_action(action), m_logStart(InteractionLog::Instance().Entries().size()) {}

void ValueWatch::Check(UserScript& script, HWND control) const {
    if (!script.StopsAtRefusedValues() || script.Failed() || OnlyLooks(m_action.kind)) return;
    bool notice = false;
    const std::string messages = Messages(m_logStart, notice);
    if (!EntersValue(m_action.kind) && !TypesIntoFocus(m_action.kind)) {
        // A click, a tab, a row …: the page refused what the action asked when it showed a notice.
        if (notice) Refuse(script, m_action, nullptr, std::nullopt, messages);
        return;
    }
    if (!control || !::IsWindow(control)) return;
    const CString held = Held(control, m_action);
    if (EntersValue(m_action.kind)) {
        const std::optional<CString> meant = Meant(control, m_action);
        if (notice || (meant && !SameValue(*meant, held))) return Refuse(script, m_action, control, held, messages);
        Enter(script, control, m_action, held);
    } else if (TypesIntoFocus(m_action.kind)) {
        if (notice) return Refuse(script, m_action, control, held, messages);
        if (m_action.kind == UserAction::Kind::Type) return Enter(script, control, m_action, held);
        // The person's own keys on the control still have it: what they made of the value counts.
        for (UserScript::EnteredValue& value : script.EnteredValues()) {
            if (value.control == control && value.focused && ::GetFocus() == control) value.text = held;
        }
    }
}

LeavingControl::LeavingControl(HWND control)
    : m_control(control), m_logStart(InteractionLog::Instance().Entries().size()) {}

LeavingControl::~LeavingControl() {
    UserScript* script = InstalledUserScript();
    if (!script || !script->StopsAtRefusedValues()) return;
    for (UserScript::EnteredValue& value : script->EnteredValues()) {
        if (value.control != m_control || !value.focused) continue;
        value.focused = false;
        if (script->Failed() || !::IsWindow(m_control)) return;
        bool notice = false;
        const std::string messages = Messages(m_logStart, notice);
        const CString held = Held(m_control, value.action);
        if (notice || !SameValue(value.text, held)) {
            const UserAction action = value.action;
            Refuse(*script, action, m_control, held, messages);
        }
        return;
    }
}

void NoteExchangeRefusal(HWND control) {
    UserScript* script = InstalledUserScript();
    if (!script || !script->StopsAtRefusedValues() || script->Failed()) return;
    const std::vector<UserScript::EnteredValue>& entered = script->EnteredValues();
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        if (it->control != control) continue;
        const CString held = Held(control, it->action);
        if (!SameValue(it->text, held)) return;  // the value was changed since; it is not the script's
        // The exchange has just told its refusal in a message box.
        const std::vector<InteractionEntry>& log = InteractionLog::Instance().Entries();
        bool notice = false;
        const std::string message = log.empty() || !log.back().IsMessage() ? "" : Messages(log.size() - 1, notice);
        const UserAction action = it->action;
        return Refuse(*script, action, control, held, message);
    }
}

}  // namespace qelt
