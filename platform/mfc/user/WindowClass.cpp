#include "mfc/user/WindowClass.h"

#include <vector>

#include "mfc/base/GbkText.h"
#include "mfc/user/Wnd.h"

namespace qelt {
namespace {

std::vector<WindowClass>& Classes() {
    static std::vector<WindowClass> classes;
    return classes;
}

// A window with no behaviour of its own: everything goes to the default processing.
class PlainProcedure : public WindowProcedure {
public:
    bool Handle(WindowRecord&, UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
};

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
