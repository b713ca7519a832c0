#include "mfc/person/UserScript.h"

namespace qelt {
namespace {

UserScript* g_installed = nullptr;

UserAction Make(UserAction::Kind kind, int controlId, const CString& text, int number) {
    UserAction action;
    action.kind = kind;
    action.controlId = controlId;
    action.text = text;
    action.number = number;
    return action;
}

}  // namespace

UserScript& UserScript::Add(UserAction action) {
    if (action.line == 0) action.line = static_cast<int>(m_actions.size()) + 1;
    m_actions.push_back(std::move(action));
    return *this;
}

UserScript& UserScript::Set(int id, const CString& text) { return Add(Make(UserAction::Kind::Set, id, text, 0)); }
UserScript& UserScript::Choose(int id, const CString& text) { return Add(Make(UserAction::Kind::Choose, id, text, 0)); }
UserScript& UserScript::Check(int id, bool on) { return Add(Make(UserAction::Kind::Check, id, "", on ? 1 : 0)); }
UserScript& UserScript::Click(int id) { return Add(Make(UserAction::Kind::Click, id, "", 0)); }
UserScript& UserScript::Tab(const CString& title) { return Add(Make(UserAction::Kind::Tab, 0, title, 0)); }
UserScript& UserScript::Row(int id, int row) { return Add(Make(UserAction::Kind::Row, id, "", row)); }
UserScript& UserScript::Answer(int answer) { return Add(Make(UserAction::Kind::Answer, 0, "", answer)); }
UserScript& UserScript::Close() { return Add(Make(UserAction::Kind::Close, 0, "", 0)); }

const UserAction* UserScript::Next() const { return m_next < m_actions.size() ? &m_actions[m_next] : nullptr; }

void UserScript::Consume() {
    if (m_next < m_actions.size()) ++m_next;
}

void UserScript::Fail(const UserAction& action, const std::string& reason) {
    if (Failed()) return;
    m_error = "line " + std::to_string(action.line) + ": " + action.Describe() + ": " + reason;
}

void UserScript::RefuseByPage(const UserAction& action, Refusal refusal) {
    if (Failed()) return;
    std::string reason = refusal.held ? "the page refused the value" : "the page refused it";
    if (!refusal.message.empty()) reason += ": \"" + refusal.message + "\"";
    if (refusal.held) reason += "; control " + std::to_string(refusal.controlId) + " holds \"" + *refusal.held + "\"";
    Fail(action, reason);
    m_refusal = std::move(refusal);
}

void InstallUserScript(UserScript* script) { g_installed = script; }
UserScript* InstalledUserScript() { return g_installed; }

}  // namespace qelt
