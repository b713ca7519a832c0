// The dialog manager: the behaviour of dialog windows, their controls by id, keyboard navigation.
#include "mfc/user/DialogManager.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "mfc/user/Dialog.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/WindowManager.h"

namespace qelt {

// The window class "#32770".
class DialogProcedure : public WindowProcedure {
public:
    ~DialogProcedure() override {
        if (font) ::DeleteObject(font);
    }

    const res::DialogTemplate* dialogTemplate = nullptr;
    HFONT font = nullptr;  // the template's font, made for the dialog and deleted with it
    metrics::BaseUnits baseUnits;
    UINT defaultId = 0;

    bool Handle(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case WM_CLOSE: {
            // As the close box: IDCANCEL, unless the dialog's Cancel button is disabled.
            HWND cancel = ::GetDlgItem(window.handle, IDCANCEL);
            if (!cancel || ::IsWindowEnabled(cancel)) {
                ::SendMessage(window.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
            }
            result = 0;
            return true;
        }
        case DM_GETDEFID: {
            UINT id = defaultId ? defaultId : FirstDefaultButton(window);
            result = id ? MAKELRESULT(id, DC_HASDEFID) : 0;
            return true;
        }
        case DM_SETDEFID:
            SetDefault(window, static_cast<UINT>(wParam));
            result = TRUE;
            return true;
        case WM_NEXTDLGCTL: {
            HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                         : ::GetNextDlgTabItem(window.handle, ::GetFocus(), wParam != 0);
            if (target) FocusDialogControl(target);
            result = 0;
            return true;
        }
        case WM_INITDIALOG:
            result = TRUE;
            return true;
        case WM_ERASEBKGND: {
            // The dialog's face, in the colour its own WM_CTLCOLORDLG gives.
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT client;
            ::GetClientRect(window.handle, &client);
            HBRUSH brush = reinterpret_cast<HBRUSH>(
                ::SendMessage(window.handle, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(window.handle)));
            ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_3DFACE));
            result = TRUE;
            return true;
        }
        case WM_SETFOCUS:
            // The dialog hands the focus on to its first tab stop.
            if (HWND first = ::GetNextDlgTabItem(window.handle, nullptr, FALSE)) FocusDialogControl(first);
            result = 0;
            return true;
        default:
            return false;
        }
    }

private:
    static UINT FirstDefaultButton(const WindowRecord& window) {
        for (const WindowRecord* child : window.dependents) {
            if (child->IsChild() && child->className == "Button" && (child->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                return child->id;
            }
        }
        return 0;
    }

    void SetDefault(WindowRecord& window, UINT id) {
        UINT previous = defaultId ? defaultId : FirstDefaultButton(window);
        defaultId = id;
        if (HWND old = previous && previous != id ? ::GetDlgItem(window.handle, static_cast<int>(previous)) : nullptr) {
            ::SendMessage(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
        if (HWND now = ::GetDlgItem(window.handle, static_cast<int>(id))) {
            if (LookupWindow(now)->className == "Button") ::SendMessage(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        }
    }
};

namespace {

const WindowClassRegistration kDialogClassRegistration(kDialogClass, &MakeProcedure<DialogProcedure>,
                                                      &MakeWrapper<CDialog>);

DialogProcedure* DialogProcedureOf(HWND window) {
    WindowRecord* record = LookupWindow(window);
    return record ? dynamic_cast<DialogProcedure*>(record->procedure.get()) : nullptr;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

bool IsTabStop(HWND control) {
    return (::GetWindowLong(control, GWL_STYLE) & WS_TABSTOP) && ::IsWindowVisible(control) &&
           ::IsWindowEnabled(control);
}

// The next (or previous) of `candidates` after `from` that passes `take`, wrapping around; `from`
// itself when no other does; null when none does at all.
template <class Take>
HWND NextOf(const std::vector<HWND>& candidates, HWND from, bool previous, Take take) {
    if (candidates.empty()) return nullptr;
    const int count = static_cast<int>(candidates.size());
    auto at = std::find(candidates.begin(), candidates.end(), from);
    int start = at == candidates.end() ? (previous ? 0 : count - 1) : static_cast<int>(at - candidates.begin());
    for (int step = 1; step <= count; ++step) {
        int index = ((start + (previous ? -step : step)) % count + count) % count;
        if (take(candidates[static_cast<size_t>(index)])) return candidates[static_cast<size_t>(index)];
    }
    return nullptr;
}

}  // namespace

const res::DialogTemplate* DialogTemplateOf(HWND dialog) {
    DialogProcedure* procedure = DialogProcedureOf(dialog);
    return procedure ? procedure->dialogTemplate : nullptr;
}

void SetDialogTemplate(HWND dialog, const res::DialogTemplate* dialogTemplate) {
    DialogProcedure* procedure = DialogProcedureOf(dialog);
    if (!procedure) return;
    procedure->dialogTemplate = dialogTemplate;
    if (procedure->font) ::DeleteObject(procedure->font);
    procedure->font = nullptr;
    if (dialogTemplate && dialogTemplate->fontFace) {
        LOGFONTA lf{};
        lf.lfHeight = -metrics::MulDiv(dialogTemplate->fontSize, 96, 72);
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", dialogTemplate->fontFace);
        procedure->font = ::CreateFontIndirectA(&lf);
    }
    procedure->baseUnits = metrics::MeasureBaseUnits(procedure->font);
}

HFONT DialogFontOf(HWND dialog) {
    DialogProcedure* procedure = DialogProcedureOf(dialog);
    return procedure ? procedure->font : nullptr;
}

metrics::BaseUnits DialogBaseUnits(HWND dialog) {
    DialogProcedure* procedure = DialogProcedureOf(dialog);
    return procedure ? procedure->baseUnits : metrics::BaseUnits{};
}

bool IsDialogWindow(HWND window) { return DialogProcedureOf(window) != nullptr; }

HWND DialogOf(HWND window) {
    for (HWND at = window; at; at = (::GetWindowLong(at, GWL_STYLE) & WS_CHILD) ? ::GetParent(at) : nullptr) {
        if (IsDialogWindow(at)) return at;
    }
    return nullptr;
}

std::vector<HWND> GroupOf(HWND control) {
    HWND parent = ::GetParent(control);
    if (!parent || !(::GetWindowLong(control, GWL_STYLE) & WS_CHILD)) return {control};
    std::vector<HWND> siblings = Children(parent);
    auto at = std::find(siblings.begin(), siblings.end(), control);
    auto first = at;
    while (first != siblings.begin() && !(::GetWindowLong(*first, GWL_STYLE) & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != siblings.end() && !(::GetWindowLong(*last, GWL_STYLE) & WS_GROUP)) ++last;
    return std::vector<HWND>(first, last);
}

void FocusDialogControl(HWND control) {
    ::SetFocus(control);
    if (::IsWindow(control) && ::GetFocus() == control &&
        (::SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) {
        ::SendMessage(control, EM_SETSEL, 0, -1);
    }
}

void PressDefaultButton(HWND dialog) {
    int id = IDOK;
    const LRESULT defId = ::SendMessage(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) id = LOWORD(defId);
    HWND button = ::GetDlgItem(dialog, id);
    if (!button || ::IsWindowEnabled(button)) {
        ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
}

}  // namespace qelt

BOOL SetDlgItemText(HWND hDlg, int nIDDlgItem, LPCTSTR lpString) {
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    if (!control) {
        qelt::ReportMisuse("SetDlgItemText: no control %d", nIDDlgItem);
        return FALSE;
    }
    return SetWindowText(control, lpString);
}

UINT GetDlgItemText(HWND hDlg, int nIDDlgItem, LPTSTR lpString, int cchMax) {
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    if (!control) {
        qelt::ReportMisuse("GetDlgItemText: no control %d", nIDDlgItem);
        if (lpString && cchMax > 0) lpString[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowText(control, lpString, cchMax));
}

BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
    char text[16];
    if (bSigned) std::snprintf(text, sizeof text, "%d", static_cast<int>(uValue));
    else std::snprintf(text, sizeof text, "%u", uValue);
    return SetDlgItemText(hDlg, nIDDlgItem, text);
}

// The text is translated only when it is a whole number in range (leading and trailing blanks
// aside); anything else gives 0 with *lpTranslated FALSE.
UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
    if (lpTranslated) *lpTranslated = FALSE;
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    if (!control) {
        qelt::ReportMisuse("GetDlgItemInt: no control %d", nIDDlgItem);
        return 0;
    }
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    text.Trim();
    const char* begin = text;
    if (text.IsEmpty() || (!bSigned && begin[0] == '-')) return 0;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(begin, &end, 10);
    if (*end != '\0' || errno == ERANGE) return 0;
    if (bSigned ? (value < INT32_MIN || value > INT32_MAX) : (value < 0 || value > UINT32_MAX)) return 0;
    if (lpTranslated) *lpTranslated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    HWND button = GetDlgItem(hDlg, nIDButton);
    if (!button) {
        qelt::ReportMisuse("CheckDlgButton: no control %d", nIDButton);
        return FALSE;
    }
    SendMessage(button, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    HWND button = GetDlgItem(hDlg, nIDButton);
    if (!button) {
        qelt::ReportMisuse("IsDlgButtonChecked: no control %d", nIDButton);
        return 0;
    }
    return static_cast<UINT>(SendMessage(button, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    if (!qelt::RequireWindow(hDlg, "CheckRadioButton")) return FALSE;
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (HWND button = GetDlgItem(hDlg, id)) {
            SendMessage(button, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    return TRUE;
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!qelt::RequireWindow(hDlg, "GetNextDlgTabItem")) return nullptr;
    // A window inside a control (an editor over a list's cell) counts as that control.
    while (hCtl && GetParent(hCtl) && GetParent(hCtl) != hDlg && IsChild(hDlg, hCtl)) hCtl = GetParent(hCtl);
    return qelt::NextOf(qelt::Children(hDlg), hCtl, bPrevious != FALSE, [](HWND h) { return qelt::IsTabStop(h); });
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!qelt::RequireWindow(hDlg, "GetNextDlgGroupItem") || !qelt::RequireWindow(hCtl, "GetNextDlgGroupItem")) {
        return nullptr;
    }
    return qelt::NextOf(qelt::GroupOf(hCtl), hCtl, bPrevious != FALSE,
                        [](HWND h) { return ::IsWindowVisible(h) && ::IsWindowEnabled(h); });
}

BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))) return FALSE;
    if (lpMsg->message == WM_KEYDOWN) {
        HWND focus = GetFocus();
        const bool focusInside = focus && (focus == hDlg || IsChild(hDlg, focus));
        LRESULT code = focusInside ? SendMessage(focus, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg)) : 0;
        switch (lpMsg->wParam) {
        case VK_TAB:
            if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) break;
            // Any window given here tabs among its children, a dialog or not.
            if (HWND next = GetNextDlgTabItem(hDlg, focusInside ? focus : nullptr, FALSE)) qelt::FocusDialogControl(next);
            return TRUE;
        case VK_RETURN:
            if (code & DLGC_WANTALLKEYS) break;
            if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
                SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
            } else {
                qelt::PressDefaultButton(hDlg);
            }
            return TRUE;
        case VK_ESCAPE: {
            HWND cancel = GetDlgItem(hDlg, IDCANCEL);
            if (!cancel || IsWindowEnabled(cancel)) {
                SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
            }
            return TRUE;
        }
        default:
            break;
        }
    }
    qelt::DispatchMessage(*lpMsg);
    return TRUE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    if (!qelt::RequireWindow(hDlg, "MapDialogRect") || !lpRect) return FALSE;
    *lpRect = qelt::metrics::DialogRectToPixels(*lpRect, qelt::DialogBaseUnits(hDlg));
    return TRUE;
}
