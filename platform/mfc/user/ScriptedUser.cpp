// The person at the screen, played by the user script: the actions of a modal loop's turn.
#include <algorithm>

#include "mfc/user/ControlList.h"
#include "mfc/user/DialogManager.h"
#include "mfc/user/ScriptedValues.h"
#include "mfc/base/Encoding.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "mfc/base/GbkText.h"
#include "mfc/user/WindowClass.h"
#include "mfc/user/WindowManager.h"
#include "win/CommCtrl.h"
#include "mfc/user/Wnd.h"

namespace qelt {
namespace {

std::string Caption(HWND window) {
    CString caption;
    CWnd::FromHandle(window)->GetWindowText(caption);
    return "\"" + text::GbkToUtf8ForDisplay(caption.Str()) + "\"";
}

// How many dialogs lie between the window and `top` (the page depth of a control).
int Depth(HWND window, HWND top) {
    int depth = 0;
    for (HWND at = ::GetParent(window); at && at != top; at = ::GetParent(at)) depth += IsDialogWindow(at);
    return depth;
}

void Descendants(HWND parent, std::vector<HWND>& out) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        out.push_back(child);
        Descendants(child, out);
    }
}

// The control of that id in the dialog or the pages it holds: visible ones before hidden ones, the
// innermost page before the dialog itself.
HWND FindControl(HWND dialog, int id) {
    std::vector<HWND> all;
    Descendants(dialog, all);
    HWND best = nullptr;
    auto rank = [&](HWND h) { return (::IsWindowVisible(h) ? 1000 : 0) + Depth(h, dialog); };
    for (HWND candidate : all) {
        if (::GetDlgCtrlID(candidate) != id || !IsDialogWindow(::GetParent(candidate))) continue;
        if (!best || rank(candidate) > rank(best)) best = candidate;
    }
    return best;
}

// Why a person could not act on the control: hidden, or disabled itself or within a disabled
// window; empty when it can.
std::string Unavailable(HWND control, HWND top) {
    if (!::IsWindowVisible(control)) return ControlName(*LookupWindow(control)) + " is hidden";
    for (HWND at = control; at && at != top; at = ::GetParent(at)) {
        if (!::IsWindowEnabled(at)) {
            return at == control ? ControlName(*LookupWindow(control)) + " is disabled"
                                 : ControlName(*LookupWindow(control)) + " lies in a disabled window";
        }
    }
    return "";
}

void LogDialog(HWND dialog, const CString& answer, int result, const std::string& note) {
    InteractionEntry entry;
    entry.kind = "dialog";
    CWnd::FromHandle(dialog)->GetWindowText(entry.caption);
    entry.answer = answer;
    entry.result = result;
    entry.note = note;
    InteractionLog::Instance().Add(std::move(entry));
}

// Closes the dialog as its close box does; a dialog that will not close ends with IDCANCEL.
void Close(CWnd& top, bool force) {
    ::SendMessage(top.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (force && top.ContinueModal()) top.EndModalLoop(IDCANCEL);
}

// The dialog that the script did not answer: its default button, else its close box.
void TakeDefault(CWnd& top, const std::string& note) {
    HWND dialog = top.m_hWnd;
    const LRESULT defId = ::SendMessage(dialog, DM_GETDEFID, 0, 0);
    HWND button = HIWORD(defId) == DC_HASDEFID ? ::GetDlgItem(dialog, LOWORD(defId)) : nullptr;
    if (button && ::IsWindowVisible(button) && ::IsWindowEnabled(button)) {
        CString label;
        CWnd::FromHandle(button)->GetWindowText(label);
        LogDialog(dialog, label, LOWORD(defId), note);
        ::SendMessage(button, BM_CLICK, 0, 0);
        if (top.ContinueModal() && top.m_hWnd) top.EndModalLoop(IDCANCEL);
    } else {
        LogDialog(dialog, "关闭", IDCANCEL, note);
        Close(top, true);
    }
}

HWND AnswerButton(HWND dialog, int answer) {
    std::vector<int> ids{answer};
    if (answer == IDYES) ids.push_back(IDOK);
    if (answer == IDNO) ids.push_back(IDCANCEL);
    // "ok" also presses the default button of a dialog whose acknowledging button has an id of its own.
    if (answer == IDOK) {
        const LRESULT defId = ::SendMessage(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(defId) == DC_HASDEFID) ids.push_back(LOWORD(defId));
    }
    for (int id : ids) {
        HWND button = ::GetDlgItem(dialog, id);
        if (button && ::IsWindowVisible(button) && ::IsWindowEnabled(button)) return button;
    }
    return nullptr;
}

// Whether the dialog holds a visible tab control.
bool HasTabs(HWND dialog) {
    std::vector<HWND> all;
    Descendants(dialog, all);
    return std::any_of(all.begin(), all.end(), [](HWND window) {
        const WindowRecord* record = LookupWindow(window);
        return record && ::IsWindowVisible(window) && gbk::CompareNoCase(record->className, "SysTabControl32") == 0;
    });
}

// Offers the action to the windows of the dialog in order until one takes it.
ActionOutcome OfferToAll(HWND dialog, const UserAction& action) {
    std::vector<HWND> all;
    Descendants(dialog, all);
    for (HWND window : all) {
        if (!::IsWindow(window) || !Unavailable(window, dialog).empty()) continue;
        std::shared_ptr<WindowRecord> record = HoldWindow(window);
        ActionOutcome outcome = record->procedure->ApplyUserAction(*record, action);
        if (outcome.kind != ActionOutcome::Kind::NotApplicable) return outcome;
    }
    return ActionOutcome::NotApplicable();
}

void Refuse(UserScript& script, const UserAction& action, const std::string& reason, CWnd& top) {
    script.Fail(action, reason);
    top.EndModalLoop(IDCANCEL);
}

// What a control shows: its text; a list view's rows, one a line, cells parted by tabs.
CString ShownText(HWND control) {
    const WindowRecord* record = LookupWindow(control);
    if (record && gbk::CompareNoCase(record->className, "SysListView32") == 0) {
        const int rows = static_cast<int>(::SendMessage(control, LVM_GETITEMCOUNT, 0, 0));
        HWND header = reinterpret_cast<HWND>(::SendMessage(control, LVM_GETHEADER, 0, 0));
        const int columns = std::max(1, static_cast<int>(::SendMessage(header, HDM_GETITEMCOUNT, 0, 0)));
        std::string shown;
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                char cell[1024] = "";
                LVITEM item{};
                item.iSubItem = column;
                item.pszText = cell;
                item.cchTextMax = sizeof cell;
                ::SendMessage(control, LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
                shown += (column ? "\t" : "") + std::string(cell);
            }
            shown += row + 1 < rows ? "\n" : "";
        }
        return CString(shown);
    }
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

void LogRead(HWND control) {
    InteractionEntry entry;
    entry.kind = "read";
    entry.result = ::GetDlgCtrlID(control);
    entry.text = ShownText(control);
    entry.byScript = true;
    InteractionLog::Instance().Add(std::move(entry));
}

// The visible child window of `window` at a point of its client area (the point becomes the
// child's), the one on top where they overlap; null when the point lies on none.
HWND ChildAt(HWND window, POINT& point) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        CRect place;
        ::GetWindowRect(child, &place);
        POINT corner{place.left, place.top};
        ::ScreenToClient(window, &corner);
        place.OffsetRect(corner.x - place.left, corner.y - place.top);
        if (!place.PtInRect(point)) continue;
        POINT inside = point;
        ::ClientToScreen(window, &inside);
        ::ScreenToClient(child, &inside);
        point = inside;
        return child;
    }
    return nullptr;
}

// The pointer on a control, in its client pixels. It acts on the window a person would hit there:
// the control, or a window inside it (an editor or a button over a list's cell). A press gives
// that window the focus first, as a person's click does; a wheel turn goes to the control with
// the point on the screen.
ActionOutcome MovePointer(WindowRecord& control, const UserAction& action) {
    CRect client;
    ::GetClientRect(control.handle, &client);
    if (!client.PtInRect(CPoint(action.x, action.y))) {
        return ActionOutcome::Refused("the point (" + std::to_string(action.x) + ", " + std::to_string(action.y) +
                                      ") lies outside " + ControlName(control) + ", which is " +
                                      std::to_string(client.Width()) + " x " + std::to_string(client.Height()));
    }
    HWND self = control.handle;
    POINT point{action.x, action.y};
    if (action.number != UserAction::kWheel) {
        while (HWND inner = ChildAt(self, point)) self = inner;
    }
    std::shared_ptr<WindowRecord> target = HoldWindow(self);
    const bool press = action.number == UserAction::kDown || action.number == UserAction::kDoubleClick ||
                       action.number == UserAction::kRightDown;
    if (press && !SetFocusReaches(self)) return FocusKeptElsewhere(*target);
    if (!::IsWindow(self)) return ActionOutcome::Applied();
    LPARAM at = MAKELPARAM(point.x, point.y);
    switch (action.number) {
    case UserAction::kDown: ::SendMessage(self, WM_LBUTTONDOWN, 0x0001, at); break;
    case UserAction::kUp: ::SendMessage(self, WM_LBUTTONUP, 0, at); break;
    case UserAction::kMove: ::SendMessage(self, WM_MOUSEMOVE, 0, at); break;
    case UserAction::kDoubleClick: ::SendMessage(self, WM_LBUTTONDBLCLK, 0x0001, at); break;
    case UserAction::kRightDown: ::SendMessage(self, WM_RBUTTONDOWN, 0x0002, at); break;
    case UserAction::kRightUp: ::SendMessage(self, WM_RBUTTONUP, 0, at); break;
    case UserAction::kWheel: {
        POINT screen = point;
        ::ClientToScreen(self, &screen);
        ::SendMessage(self, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(action.delta))),
                      MAKELPARAM(screen.x, screen.y));
        break;
    }
    default: break;
    }
    return ActionOutcome::Applied();
}

}  // namespace

std::string ControlName(const WindowRecord& control) { return "control " + std::to_string(static_cast<int>(control.id)); }

ActionOutcome TakeFocusAsClick(WindowRecord& control) {
    HWND self = control.handle;
    ::SetFocus(self);
    if (::GetFocus() == self) return ActionOutcome::Applied();
    return FocusKeptElsewhere(control);
}

ActionOutcome FocusKeptElsewhere(WindowRecord& control) {
    HWND focus = ::GetFocus();
    std::string where = focus && LookupWindow(focus) ? " (on " + ControlName(*LookupWindow(focus)) + ")" : "";
    return ActionOutcome::Refused("a handler kept the focus elsewhere" + where + ", so " + ControlName(control) +
                                  " was not reached");
}

void MoveFocusOn(WindowRecord& control) {
    HWND self = control.handle;
    HWND dialog = ::GetParent(self);
    if (!dialog) return;
    HWND next = ::GetNextDlgTabItem(dialog, self, FALSE);
    if (next && next != self) FocusDialogControl(next);
    else ::SetFocus(dialog);
}

namespace {

// Applies the script's next action (consuming it) in top's turn; true when it was applied, with
// control the control it went to (for typing, keys and the pointer the one that had the focus).
// False when it was refused (the script has failed) or left for a dialog beneath (not consumed).
bool ApplyAction(CWnd& top, UserScript& script, const UserAction& action, HWND& control) {
    const std::vector<CWnd*>& stack = ModalWindows();
    control = nullptr;
    switch (action.kind) {
    case UserAction::Kind::Close:
        script.Consume();
        Close(top, false);
        return true;
    case UserAction::Kind::Answer: {
        script.Consume();
        // A dialog with tabs is what the person works in, not a question put to them.
        if (HasTabs(top.m_hWnd)) {
            Refuse(script, action, "no message box or prompt is shown over dialog " + Caption(top.m_hWnd), top);
            return false;
        }
        HWND button = AnswerButton(top.m_hWnd, action.number);
        if (!button) {
            Refuse(script, action, "dialog " + Caption(top.m_hWnd) + " has no such button to press", top);
            return false;
        }
        ::SendMessage(button, BM_CLICK, 0, 0);
        return true;
    }
    case UserAction::Kind::Key:
    case UserAction::Kind::Type: {
        script.Consume();
        HWND focus = ::GetFocus();
        if (!focus || (focus != top.m_hWnd && !::IsChild(top.m_hWnd, focus))) {
            Refuse(script, action, "no control of dialog " + Caption(top.m_hWnd) + " has the focus", top);
            return false;
        }
        control = focus;
        if (action.kind == UserAction::Kind::Key) PressKey(action.number);
        else TypeText(action.text);
        return true;
    }
    case UserAction::Kind::Menu:
        script.Consume();
        Refuse(script, action, "no popup menu is shown", top);
        return false;
    case UserAction::Kind::Snap: {
        script.Consume();
        const std::string why = script.Snapper() ? script.Snapper()(top.m_hWnd, action.text.Str())
                                                 : std::string("no folder for pictures was given");
        if (!why.empty()) Refuse(script, action, why, top);
        return why.empty();
    }
    case UserAction::Kind::Tab: {
        // A dialog on top without tabs, over one with them (a prompt over the work dialog), was
        // not answered.
        if (!HasTabs(top.m_hWnd)) {
            for (size_t i = 0; i + 1 < stack.size(); ++i) {
                if (stack[i]->m_hWnd && HasTabs(stack[i]->m_hWnd)) {
                    TakeDefault(top, "the script's next action is for another dialog");
                    return false;
                }
            }
        }
        script.Consume();
        ActionOutcome outcome = OfferToAll(top.m_hWnd, action);
        if (outcome.kind == ActionOutcome::Kind::Applied) return true;
        Refuse(script, action,
               outcome.kind == ActionOutcome::Kind::Refused ? outcome.reason
                                                             : "dialog " + Caption(top.m_hWnd) + " has no such tab",
               top);
        return false;
    }
    case UserAction::Kind::Controls:
        script.Consume();
        LogControls(top.m_hWnd);
        return true;
    case UserAction::Kind::Message:
        script.Consume();
        ::SendMessage(top.m_hWnd, static_cast<UINT>(action.number), 0, 0);
        return true;
    default:
        break;
    }
    control = FindControl(top.m_hWnd, action.controlId);
    if (!control) {
        for (size_t i = 0; i + 1 < stack.size(); ++i) {
            if (stack[i]->m_hWnd && FindControl(stack[i]->m_hWnd, action.controlId)) {
                TakeDefault(top, "the script's next action is for another dialog");
                return false;
            }
        }
        script.Consume();
        Refuse(script, action, "dialog " + Caption(top.m_hWnd) + " has no control " + std::to_string(action.controlId), top);
        return false;
    }
    script.Consume();
    // A disabled control still shows what it holds.
    if (action.kind == UserAction::Kind::Read && ::IsWindowVisible(control)) {
        LogRead(control);
        return true;
    }
    if (std::string why = Unavailable(control, top.m_hWnd); !why.empty()) {
        Refuse(script, action, why, top);
        return false;
    }
    // The pointer acts on the control that has the focus: pressing elsewhere leaves it.
    const HWND focus = ::GetFocus();
    std::shared_ptr<WindowRecord> record = HoldWindow(control);
    ActionOutcome outcome = ActionOutcome::NotApplicable();
    if (auto* scripted = dynamic_cast<ScriptedControl*>(CWnd::FromHandlePermanent(control))) {
        outcome = scripted->ApplyUserAction(action);
    }
    if (outcome.kind == ActionOutcome::Kind::NotApplicable && ::IsWindow(control)) {
        outcome = action.kind == UserAction::Kind::Mouse ? MovePointer(*record, action)
                                                         : record->procedure->ApplyUserAction(*record, action);
    }
    if (action.kind == UserAction::Kind::Mouse) control = focus;
    if (outcome.kind == ActionOutcome::Kind::Applied) return true;
    Refuse(script, action,
           outcome.kind == ActionOutcome::Kind::Refused
               ? outcome.reason
               : ControlName(*record) + " (" + record->className + ") does not take this action",
           top);
    return false;
}

}  // namespace

void TakeUserTurn(CWnd& top) {
    UserScript* script = InstalledUserScript();
    if (script && script->Failed()) {
        top.EndModalLoop(IDCANCEL);
        return;
    }
    const UserAction* next = script ? script->Next() : nullptr;
    if (!next) {
        if (script && script->Snapper() && !script->FinalSnapName().empty()) {
            const std::string why = script->Snapper()(top.m_hWnd, script->FinalSnapName());
            if (!why.empty()) {
                UserAction end;
                end.kind = UserAction::Kind::Snap;
                end.text = script->FinalSnapName().c_str();
                Refuse(*script, end, why, top);
                return;
            }
        }
        LogDialog(top.m_hWnd, "关闭", IDCANCEL, script ? "the script has no action left" : "no user script");
        Close(top, true);
        return;
    }
    const UserAction action = *next;
    const ValueWatch watch(action);
    HWND control = nullptr;
    if (ApplyAction(top, *script, action, control)) watch.Check(*script, control);
}

}  // namespace qelt
