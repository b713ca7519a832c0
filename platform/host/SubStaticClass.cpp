// The window class "VuskSubStatic" that dialog templates name for a slide selector (CSubStatic): a
// static control that the person at the screen chooses an item of. A user script's "row ID N"
// clicks item N (from 0), "choose ID TEXT" the item with that text, each in its cell as a mouse
// click does; an item that the selector does not show is refused.
#include "host/SubStatic.h"
#include "mfc/user/WindowClass.h"

namespace {

class SubStaticProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord&, UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_GETDLGCODE) return false;
        result = DLGC_STATIC;
        return true;
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        if (action.kind != qelt::UserAction::Kind::Row && action.kind != qelt::UserAction::Kind::Choose)
            return qelt::ActionOutcome::NotApplicable();
        CSubStatic* pSelector = dynamic_cast<CSubStatic*>(window.permanent);
        if (!pSelector) return qelt::ActionOutcome::Refused(qelt::ControlName(window) + " is not bound to a selector");
        int nItem = action.number;
        if (action.kind == qelt::UserAction::Kind::Choose) nItem = pSelector->FindItem(action.text);
        CRect cell = nItem >= 0 ? pSelector->GetItemRect(nItem) : CRect();
        if (cell.IsRectEmpty())
            return qelt::ActionOutcome::Refused(qelt::ControlName(window) + " shows no such item");
        CPoint centre = cell.CenterPoint();
        pSelector->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(centre.x, centre.y));
        pSelector->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
        return qelt::ActionOutcome::Applied();
    }
};

const qelt::WindowClassRegistration kSubStaticClass("VuskSubStatic", &qelt::MakeProcedure<SubStaticProcedure>,
                                                    &qelt::MakeWrapper<CSubStatic>);

}  // namespace
