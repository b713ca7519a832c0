#include "mfc/comctl/ToolTipCtrl.h"

#include <algorithm>
#include <cstring>
#include <deque>

#include "mfc/comctl/CommonControl.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/user/Resources.h"
#include "mfc/user/WindowClass.h"

namespace {

constexpr size_t kRelayedKept = 1000;
constexpr int kLegacyTextSize = 80;  // the buffer TTM_GETTEXT assumes without a size

struct Tool {
    TOOLINFO info{};  // lpszText unused: the text is kept below
    CString text;
};

class ToolTipProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord&, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        auto* info = reinterpret_cast<TOOLINFO*>(lParam);
        switch (message) {
        case TTM_ADDTOOL:
            if (!info) return Refuse("TTM_ADDTOOL", result);
            m_tools.push_back(Tool{*info, TextOf(*info, "TTM_ADDTOOL")});
            m_tools.back().info.lpszText = nullptr;
            result = TRUE;
            return true;
        case TTM_DELTOOL:
            if (Tool* tool = Find(info)) m_tools.erase(m_tools.begin() + (tool - m_tools.data()));
            return true;
        case TTM_NEWTOOLRECT:
            if (Tool* tool = Find(info)) tool->info.rect = info->rect;
            return true;
        case TTM_SETTOOLINFO:
            if (Tool* tool = Find(info)) {
                tool->info = *info;
                tool->text = TextOf(*info, "TTM_SETTOOLINFO");
                tool->info.lpszText = nullptr;
            }
            return true;
        case TTM_UPDATETIPTEXT:
            if (Tool* tool = Find(info)) tool->text = TextOf(*info, "TTM_UPDATETIPTEXT");
            return true;
        case TTM_GETTOOLINFO:
            result = Describe(Find(info), info);
            return true;
        case TTM_ENUMTOOLS:
            result = wParam < m_tools.size() ? Describe(&m_tools[wParam], info) : FALSE;
            return true;
        case TTM_GETTEXT:
            if (Tool* tool = Find(info)) {
                qelt::CopyTextOut(tool->text.Str(), info->lpszText, wParam ? static_cast<int>(wParam) : kLegacyTextSize);
            } else if (info) {
                qelt::CopyTextOut("", info->lpszText, wParam ? static_cast<int>(wParam) : kLegacyTextSize);
            }
            return true;
        case TTM_GETTOOLCOUNT:
            result = static_cast<LRESULT>(m_tools.size());
            return true;
        case TTM_ACTIVATE:
            m_active = wParam != 0;
            return true;
        case TTM_RELAYEVENT:
            if (lParam) {
                m_relayed.push_back(*reinterpret_cast<const MSG*>(lParam));
                if (m_relayed.size() > kRelayedKept) m_relayed.pop_front();
            }
            return true;
        default:
            return false;
        }
    }

    bool Active() const { return m_active; }
    std::vector<MSG> Relayed() const { return std::vector<MSG>(m_relayed.begin(), m_relayed.end()); }

private:
    static bool Refuse(const char* message, LRESULT& result) {
        qelt::ReportMisuse("%s without a tool", message);
        result = FALSE;
        return true;
    }

    // The tip text a record gives: its text, or the string of that id in its module.
    static CString TextOf(const TOOLINFO& info, const char* caller) {
        if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACK && IS_INTRESOURCE(info.lpszText)) {
            const UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info.lpszText));
            CString text;
            const char* found = info.hinst ? qelt::FindString(info.hinst, id) : nullptr;
            if (found) return CString(found);
            if (!info.hinst && qelt::LoadResourceString(id, text)) return text;
            qelt::ReportMisuse("%s: no string %u for the tip", caller, id);
            return CString();
        }
        return qelt::TextIn(info.lpszText, caller);
    }

    Tool* Find(const TOOLINFO* info) {
        if (!info) return nullptr;
        auto found = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& tool) {
            return tool.info.hwnd == info->hwnd && tool.info.uId == info->uId;
        });
        return found == m_tools.end() ? nullptr : &*found;
    }

    static BOOL Describe(const Tool* tool, TOOLINFO* info) {
        if (!tool || !info) return FALSE;
        LPSTR text = info->lpszText;
        const UINT size = info->cbSize;
        *info = tool->info;
        info->cbSize = size;
        info->lpszText = text;
        return TRUE;
    }

    std::vector<Tool> m_tools;
    bool m_active = true;
    std::deque<MSG> m_relayed;
};

const qelt::WindowClassRegistration kToolTipClass(TOOLTIPS_CLASS, &qelt::MakeProcedure<ToolTipProcedure>,
                                                  &qelt::MakeWrapper<CToolTipCtrl>);

// The record that names a tool of pWnd, as the class library fills it.
TOOLINFO ToolOf(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info{};
    info.cbSize = sizeof info;
    const HWND window = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (nIDTool == 0) {
        info.hwnd = ::GetParent(window);
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(window);
    } else {
        info.hwnd = window;
        info.uId = nIDTool;
    }
    return info;
}

ToolTipProcedure* ProcedureOf(HWND window, const char* caller) {
    qelt::WindowRecord* record = qelt::RequireWindow(window, caller);
    return record ? dynamic_cast<ToolTipProcedure*>(record->procedure.get()) : nullptr;
}

}  // namespace

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CWnd::CreateEx(WS_EX_TOOLWINDOW, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, CRect(0, 0, 0, 0), pParentWnd, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (!pWnd) {
        qelt::ReportMisuse("CToolTipCtrl::AddTool without a window");
        return FALSE;
    }
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    info.uFlags |= TTF_SUBCLASS;
    if (lpRectTool) info.rect = *lpRectTool;
    info.lpszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (!pWnd) {
        qelt::ReportMisuse("CToolTipCtrl::AddTool without a window");
        return FALSE;
    }
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    info.uFlags |= TTF_SUBCLASS;
    if (lpRectTool) info.rect = *lpRectTool;
    info.hinst = AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING);
    info.lpszText = const_cast<LPSTR>(MAKEINTRESOURCE(nIDText));
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    info.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    info.hinst = AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING);
    info.lpszText = const_cast<LPSTR>(MAKEINTRESOURCE(nIDText));
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    TOOLINFO info = ToolOf(pWnd, nIDTool);
    const int size = 1024;
    info.lpszText = str.GetBufferSetLength(size);
    SendMessage(TTM_GETTEXT, size, reinterpret_cast<LPARAM>(&info));
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFO& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
    ToolInfo = ToolOf(pWnd, nIDTool);
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ToolInfo)));
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

BOOL CToolTipCtrl::EnumTools(UINT nTool, LPTOOLINFO lpToolInfo) const {
    return static_cast<BOOL>(SendMessage(TTM_ENUMTOOLS, nTool, reinterpret_cast<LPARAM>(lpToolInfo)));
}

void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }

BOOL CToolTipCtrl::IsActive() const {
    ToolTipProcedure* procedure = ProcedureOf(m_hWnd, "CToolTipCtrl::IsActive");
    return procedure && procedure->Active();
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }

std::vector<MSG> CToolTipCtrl::GetRelayedEvents() const {
    ToolTipProcedure* procedure = ProcedureOf(m_hWnd, "CToolTipCtrl::GetRelayedEvents");
    return procedure ? procedure->Relayed() : std::vector<MSG>{};
}
