// The window records: creation, destruction and the relations between windows.
#include <algorithm>
#include <cstring>
#include <map>

#include "mfc/base/Diagnostics.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

namespace qelt {
namespace {

// Ordered by handle, which is creation order.
std::map<UINT_PTR, std::shared_ptr<WindowRecord>>& Table() {
    static std::map<UINT_PTR, std::shared_ptr<WindowRecord>> table;
    return table;
}

UINT_PTR Key(HWND handle) { return reinterpret_cast<UINT_PTR>(handle); }

HWND NextHandle() {
    static UINT_PTR next = 0x10000;
    next += 4;
    return reinterpret_cast<HWND>(next);
}

std::vector<HWND> Handles(const std::vector<WindowRecord*>& records) {
    std::vector<HWND> handles;
    for (WindowRecord* record : records) handles.push_back(record->handle);
    return handles;
}

}  // namespace

WindowRecord::WindowRecord() = default;
WindowRecord::~WindowRecord() = default;

WindowRecord* LookupWindow(HWND handle) {
    auto found = Table().find(Key(handle));
    return found == Table().end() ? nullptr : found->second.get();
}

std::shared_ptr<WindowRecord> HoldWindow(HWND handle) {
    auto found = Table().find(Key(handle));
    return found == Table().end() ? nullptr : found->second;
}

WindowRecord* RequireWindow(HWND handle, const char* caller) {
    WindowRecord* record = LookupWindow(handle);
    if (!record) ReportMisuse("%s on window handle %p, which names no window", caller, static_cast<void*>(handle));
    return record;
}

std::vector<HWND> AllWindows() {
    std::vector<HWND> handles;
    for (const auto& entry : Table()) handles.push_back(entry.second->handle);
    return handles;
}

HWND NewWindow(const CREATESTRUCT& cs, CWnd* object) {
    const char* className = cs.lpszClass ? cs.lpszClass : "AfxWnd";
    const WindowClass* windowClass = FindWindowClass(className);
    if (!windowClass) {
        ReportMisuse("creating a window of class \"%s\", which is not registered", className);
        return nullptr;
    }
    WindowRecord* parent = nullptr;
    if (cs.hwndParent) {
        parent = RequireWindow(cs.hwndParent, "creating a window");
        if (!parent) return nullptr;
    }
    if ((cs.style & WS_CHILD) && !parent) {
        ReportMisuse("creating child window \"%s\" (id %d) without a parent", cs.lpszName ? cs.lpszName : "",
                     static_cast<int>(reinterpret_cast<UINT_PTR>(cs.hMenu)));
        return nullptr;
    }
    auto record = std::make_shared<WindowRecord>();
    record->handle = NextHandle();
    record->parent = parent;
    record->className = windowClass->name;
    record->text = cs.lpszName;
    record->style = static_cast<DWORD>(cs.style);
    record->exStyle = cs.dwExStyle;
    record->id = (cs.style & WS_CHILD) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs.hMenu)) : 0;
    record->rect = CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    record->instance = cs.hInstance;
    record->procedure = windowClass->makeProcedure();
    if (parent) parent->dependents.push_back(record.get());
    Table()[Key(record->handle)] = record;
    record->procedure->OnAttach(*record);
    if (object) {
        object->m_hWnd = record->handle;
        record->permanent = object;
    }
    return record->handle;
}

HWND CreateWindowFor(CREATESTRUCT& cs, CWnd* object) {
    HWND handle = NewWindow(cs, object);
    if (!handle) return nullptr;
    if (object) object->PreSubclassWindow();
    if (::SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        ::DestroyWindow(handle);
        return nullptr;
    }
    if (!::IsWindow(handle)) return nullptr;
    CRect client;
    ::GetClientRect(handle, &client);
    ::SendMessage(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    if (::IsWindow(handle) && (LookupWindow(handle)->style & WS_VISIBLE)) ::InvalidateRect(handle, nullptr, TRUE);
    return ::IsWindow(handle) ? handle : nullptr;
}

}  // namespace qelt

using qelt::LookupWindow;
using qelt::RequireWindow;
using qelt::WindowRecord;

BOOL IsWindow(HWND hWnd) { return hWnd && LookupWindow(hWnd) ? TRUE : FALSE; }

BOOL DestroyWindow(HWND hWnd) {
    std::shared_ptr<WindowRecord> hold = qelt::HoldWindow(hWnd);
    if (!hold) {
        qelt::ReportMisuse("DestroyWindow on window handle %p, which names no window", static_cast<void*>(hWnd));
        return FALSE;
    }
    if (hold->destroying) return TRUE;
    hold->destroying = true;
    qelt::ForgetFocusWithin(hWnd);
    hold->style &= ~WS_VISIBLE;
    ::SendMessage(hWnd, WM_DESTROY, 0, 0);
    for (HWND dependent : qelt::Handles(hold->dependents)) {
        if (::IsWindow(dependent)) ::DestroyWindow(dependent);
    }
    ::SendMessage(hWnd, WM_NCDESTROY, 0, 0);
    if (hold->permanent) {
        hold->permanent->m_hWnd = nullptr;
        hold->permanent = nullptr;
    }
    if (hold->temporary) hold->temporary->m_hWnd = nullptr;
    if (hold->parent) {
        auto& siblings = hold->parent->dependents;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hold.get()), siblings.end());
        hold->parent = nullptr;
    }
    qelt::Table().erase(qelt::Key(hWnd));
    return TRUE;
}

HWND GetParent(HWND hWnd) {
    WindowRecord* record = RequireWindow(hWnd, "GetParent");
    if (!record || !record->parent) return nullptr;
    if (record->IsChild() || (record->style & WS_POPUP)) return record->parent->handle;
    return nullptr;
}

namespace {

// The window's siblings of its own kind (children of its parent, or windows of its owner).
std::vector<WindowRecord*> Siblings(const WindowRecord& record) {
    std::vector<WindowRecord*> siblings;
    if (!record.parent) return siblings;
    for (WindowRecord* other : record.parent->dependents) {
        if (other->IsChild() == record.IsChild()) siblings.push_back(other);
    }
    return siblings;
}

std::vector<WindowRecord*> Children(const WindowRecord& record) {
    std::vector<WindowRecord*> children;
    for (WindowRecord* other : record.dependents) {
        if (other->IsChild()) children.push_back(other);
    }
    return children;
}

}  // namespace

HWND GetWindow(HWND hWnd, UINT cmd) {
    WindowRecord* record = RequireWindow(hWnd, "GetWindow");
    if (!record) return nullptr;
    if (cmd == GW_CHILD) {
        std::vector<WindowRecord*> children = Children(*record);
        return children.empty() ? nullptr : children.front()->handle;
    }
    if (cmd == GW_OWNER) return record->parent && !record->IsChild() ? record->parent->handle : nullptr;
    std::vector<WindowRecord*> siblings = Siblings(*record);
    if (siblings.empty()) return nullptr;
    auto at = std::find(siblings.begin(), siblings.end(), record);
    switch (cmd) {
    case GW_HWNDFIRST: return siblings.front()->handle;
    case GW_HWNDLAST: return siblings.back()->handle;
    case GW_HWNDNEXT: return at + 1 == siblings.end() ? nullptr : (*(at + 1))->handle;
    case GW_HWNDPREV: return at == siblings.begin() ? nullptr : (*(at - 1))->handle;
    default:
        qelt::ReportMisuse("GetWindow with unknown command %u", cmd);
        return nullptr;
    }
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    WindowRecord* record = LookupWindow(hWnd);
    if (!record || !LookupWindow(hWndParent)) return FALSE;
    for (; record && record->IsChild(); record = record->parent) {
        if (record->parent && record->parent->handle == hWndParent) return TRUE;
    }
    return FALSE;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    WindowRecord* dialog = RequireWindow(hDlg, "GetDlgItem");
    if (!dialog) return nullptr;
    for (WindowRecord* child : Children(*dialog)) {
        if (static_cast<int>(child->id) == nIDDlgItem ||
            static_cast<WORD>(child->id) == static_cast<WORD>(nIDDlgItem)) {
            return child->handle;
        }
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    WindowRecord* record = RequireWindow(hWnd, "GetDlgCtrlID");
    return record && record->IsChild() ? static_cast<int>(record->id) : 0;
}

LONG GetWindowLong(HWND hWnd, int nIndex) {
    WindowRecord* record = RequireWindow(hWnd, "GetWindowLong");
    if (!record) return 0;
    switch (nIndex) {
    case GWL_STYLE: return static_cast<LONG>(record->style);
    case GWL_EXSTYLE: return static_cast<LONG>(record->exStyle);
    case GWL_ID: return static_cast<LONG>(record->id);
    case GWL_USERDATA: return static_cast<LONG>(record->userData);
    default:
        qelt::ReportMisuse("GetWindowLong with unknown index %d", nIndex);
        return 0;
    }
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong) {
    WindowRecord* record = RequireWindow(hWnd, "SetWindowLong");
    if (!record) return 0;
    LONG previous = GetWindowLong(hWnd, nIndex);
    switch (nIndex) {
    case GWL_STYLE: record->style = static_cast<DWORD>(dwNewLong); break;
    case GWL_EXSTYLE: record->exStyle = static_cast<DWORD>(dwNewLong); break;
    case GWL_ID: record->id = static_cast<UINT>(dwNewLong); break;
    case GWL_USERDATA: record->userData = dwNewLong; break;
    default: return 0;
    }
    return previous;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount) {
    WindowRecord* record = RequireWindow(hWnd, "GetClassName");
    if (!record || !lpClassName || nMaxCount <= 0) return 0;
    int length = std::min(static_cast<int>(record->className.size()), nMaxCount - 1);
    std::memcpy(lpClassName, record->className.data(), static_cast<size_t>(length));
    lpClassName[length] = '\0';
    return length;
}
