#include "mfc/WindowClass.h"

#include <algorithm>
#include <string>
#include <vector>

#include "mfc/GbkText.h"
#include "mfc/Wnd.h"

namespace qelt {

// A window with no behaviour of its own: everything goes to the default processing.
class PlainProcedure : public WindowProcedure {
public:
    bool Handle(WindowRecord&, UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
};

namespace {

std::vector<WindowClass>& Classes() {
    static std::vector<WindowClass> classes;
    return classes;
}

const WindowClassRegistration kPlainWindow("AfxWnd", &MakeProcedure<PlainProcedure>, &MakeWrapper<CWnd>);

}  // namespace

ActionOutcome WindowProcedure::ApplyUserAction(WindowRecord&, const UserAction&) {
    return ActionOutcome::NotApplicable();
}

void RegisterWindowClass(const char* name, ProcedureFactory makeProcedure, WrapperFactory makeWrapper) {
    for (WindowClass& existing : Classes()) {
        if (gbk::CompareNoCase(existing.name, name) == 0) {
            existing = WindowClass{name, makeProcedure, makeWrapper};
            return;
        }
    }
    Classes().push_back(WindowClass{name, makeProcedure, makeWrapper});
}

const WindowClass* FindWindowClass(const char* name) {
    if (!name) return nullptr;
    for (const WindowClass& windowClass : Classes()) {
        if (gbk::CompareNoCase(windowClass.name, name) == 0) return &windowClass;
    }
    return nullptr;
}

void NotifyParent(WindowRecord& control, UINT code) {
    if (!control.IsChild() || !control.parent) return;
    ::SendMessage(control.parent->handle, WM_COMMAND, MAKEWPARAM(control.id, code),
                  reinterpret_cast<LPARAM>(control.handle));
}

}  // namespace qelt

namespace {

struct RegisteredClass {
    std::string name;
    WNDCLASS record;
};

std::vector<RegisteredClass>& ProgramClasses() {
    static std::vector<RegisteredClass> classes;
    return classes;
}

}  // namespace

WORD RegisterClass(const WNDCLASS* lpWndClass) {
    if (!lpWndClass || !lpWndClass->lpszClassName || !*lpWndClass->lpszClassName) return 0;
    const std::string name = lpWndClass->lpszClassName;
    qelt::RegisterWindowClass(name.c_str(), &qelt::MakeProcedure<qelt::PlainProcedure>, &qelt::MakeWrapper<CWnd>);
    std::vector<RegisteredClass>& classes = ProgramClasses();
    auto same = [&](const RegisteredClass& c) { return qelt::gbk::CompareNoCase(c.name, name) == 0; };
    auto found = std::find_if(classes.begin(), classes.end(), same);
    if (found == classes.end()) found = classes.insert(classes.end(), RegisteredClass{name, *lpWndClass});
    found->record = *lpWndClass;
    found->record.lpszClassName = nullptr;  // the texts are not kept: the caller's may not outlive the call
    found->record.lpszMenuName = nullptr;
    return static_cast<WORD>(0xC000 + (found - classes.begin()));
}

BOOL GetClassInfo(HINSTANCE, LPCTSTR lpClassName, WNDCLASS* lpWndClass) {
    if (!lpClassName || !lpWndClass) return FALSE;
    for (const RegisteredClass& c : ProgramClasses()) {
        if (qelt::gbk::CompareNoCase(c.name, lpClassName) == 0) {
            *lpWndClass = c.record;
            lpWndClass->lpszClassName = c.name.c_str();
            return TRUE;
        }
    }
    return FALSE;
}
