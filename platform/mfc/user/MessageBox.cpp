#include "mfc/user/MessageBox.h"

#include <algorithm>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/Encoding.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/user/Resources.h"
#include "mfc/person/UserScript.h"
#include "mfc/user/WinApp.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

namespace {

struct Button {
    int id;
    const char* label;
};

std::vector<Button> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "确定"}, {IDCANCEL, "取消"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "中止"}, {IDRETRY, "重试"}, {IDIGNORE, "忽略"}};
    case MB_YESNOCANCEL: return {{IDYES, "是"}, {IDNO, "否"}, {IDCANCEL, "取消"}};
    case MB_YESNO: return {{IDYES, "是"}, {IDNO, "否"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "重试"}, {IDCANCEL, "取消"}};
    default: return {{IDOK, "确定"}};
    }
}

std::string Labels(const std::vector<Button>& buttons) {
    std::string labels;
    for (const Button& button : buttons) labels += (labels.empty() ? "" : "/") + qelt::text::GbkToUtf8ForDisplay(button.label);
    return labels;
}

}  // namespace

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) {
    if (hWnd && !qelt::RequireWindow(hWnd, "MessageBox")) hWnd = nullptr;
    const std::vector<Button> buttons = ButtonsOf(uType);
    const size_t defaultIndex = std::min<size_t>((uType & MB_DEFMASK) >> 8, buttons.size() - 1);

    qelt::InteractionEntry entry;
    entry.kind = "message box";
    entry.caption = lpCaption ? lpCaption : "错误";
    entry.text = lpText;
    for (const Button& button : buttons) entry.buttons.push_back(button.label);

    const Button* chosen = &buttons[defaultIndex];
    qelt::UserScript* script = qelt::InstalledUserScript();
    const qelt::UserAction* action = script && !script->Failed() ? script->Next() : nullptr;
    if (action && action->kind == qelt::UserAction::Kind::Answer) {
        const qelt::UserAction answer = *action;
        script->Consume();
        const Button* named = nullptr;
        for (const Button& button : buttons) {
            if (button.id == answer.number) named = &button;
        }
        if (named) {
            chosen = named;
            entry.byScript = true;
        } else {
            script->Fail(answer, "the message box offers " + Labels(buttons));
            entry.note = "the script's answer is not one of its buttons";
        }
    } else {
        entry.note = !script ? "no user script" : script->Failed() ? "the script has failed"
                     : action  ? "the script's next action is not an answer"
                               : "the script has no action left";
    }
    entry.answer = chosen->label;
    entry.result = chosen->id;
    qelt::InteractionLog::Instance().Add(std::move(entry));
    return chosen->id;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    CWnd* owner = qelt::TopModalWindow();
    return ::MessageBox(owner ? owner->m_hWnd : nullptr, lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString text;
    if (!qelt::LoadResourceString(nIDPrompt, text)) {
        qelt::ReportMisuse("AfxMessageBox with string %u, which no resource module holds", nIDPrompt);
    }
    return AfxMessageBox(text, nType, nIDHelp);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return ::MessageBox(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}
