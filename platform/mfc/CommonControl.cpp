#include "mfc/CommonControl.h"

#include <cstring>

#include "mfc/Diagnostics.h"
#include "mfc/WindowClass.h"
#include "mfc/GbkText.h"
#include "mfc/Metrics.h"
#include "mfc/WinUserApi.h"
#include "mfc/WindowManager.h"
#include "win/CommCtrl.h"

namespace qelt {

LRESULT SendNotify(WindowRecord& control, NMHDR& header, UINT code) {
    header.hwndFrom = control.handle;
    header.idFrom = control.id;
    header.code = code;
    if (!control.parent) return 0;
    return ::SendMessage(control.parent->handle, WM_NOTIFY, control.id, reinterpret_cast<LPARAM>(&header));
}

CString TextIn(LPCSTR text, const char* caller) {
    if (text == LPSTR_TEXTCALLBACK) {
        ReportMisuse("%s: texts asked of the parent (LPSTR_TEXTCALLBACK) are not supported", caller);
        return CString();
    }
    return CString(text);
}

int CopyTextOut(std::string_view text, LPSTR buffer, int size) {
    if (!buffer || size < 1 || buffer == LPSTR_TEXTCALLBACK) return 0;
    const size_t length = gbk::PrefixLength(text, static_cast<size_t>(size) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int TextWidth(std::string_view text) { return static_cast<int>(text.size()) * metrics::kBaseUnitX; }

ActionOutcome ClickAsPerson(WindowRecord& control, POINT point) {
    const HWND self = control.handle;
    // The button press reaches the control once the focus did, even when one of the control's own
    // handlers hands the focus on (a list that gives it to a tree beside it).
    if (!SetFocusReaches(self)) return FocusKeptElsewhere(control);
    if (!::IsWindow(self)) return ActionOutcome::Applied();
    const WPARAM leftButton = 0x0001;  // MK_LBUTTON
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ::SendMessage(self, WM_LBUTTONDOWN, leftButton, at);
    if (::IsWindow(self)) ::SendMessage(self, WM_LBUTTONUP, 0, at);
    return ActionOutcome::Applied();
}

}  // namespace qelt
