#include "mfc/user/ControlList.h"

#include <algorithm>
#include <string>
#include <vector>

#include "mfc/base/GbkText.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/user/DialogManager.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"
#include "win/CommCtrl.h"

namespace qelt {
namespace {

std::string ClassOf(HWND window) {
    const WindowRecord* record = LookupWindow(window);
    return record ? record->className : std::string();
}

bool Is(const std::string& className, const char* name) { return gbk::CompareNoCase(className, name) == 0; }

CString TextOf(HWND window) {
    CString text;
    CWnd::FromHandle(window)->GetWindowText(text);
    return text;
}

bool IsTextStatic(HWND window) {
    if (!Is(ClassOf(window), "Static")) return false;
    const LONG type = ::GetWindowLong(window, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
}

bool IsLabel(HWND window) {
    return ::IsWindowVisible(window) && IsTextStatic(window) && !TextOf(window).IsEmpty();
}

bool IsGroupBox(HWND window) {
    return Is(ClassOf(window), "Button") && (::GetWindowLong(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The label of a control: the window nearest to it on its left on its line, else the one just above
// it, when that window is a text (another control there means the text beside is not its label).
CString LabelOf(HWND control) {
    HWND parent = ::GetParent(control);
    CRect place;
    ::GetWindowRect(control, &place);
    // A combo box's rectangle reaches over its drop-down list: its line is the top row only.
    const LONG lineBottom = place.top + std::min<LONG>(place.Height(), 24);
    HWND left = nullptr, above = nullptr;
    LONG leftEdge = 0, aboveEdge = 0;
    for (HWND sibling = ::GetWindow(parent, GW_CHILD); sibling; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == control || !::IsWindowVisible(sibling) || IsGroupBox(sibling)) continue;
        CRect at;
        ::GetWindowRect(sibling, &at);
        const LONG middle = at.top + (std::min<LONG>(at.Height(), 24)) / 2;
        // A label may reach under its control a little; its middle lies to the left of it.
        if (middle >= place.top - 2 && middle <= lineBottom + 2 && at.left < place.left &&
            (at.left + at.right) / 2 < place.left) {
            if (!left || at.right > leftEdge) left = sibling, leftEdge = at.right;
        } else if (at.bottom <= place.top + 2 && place.top - at.bottom <= lineBottom - place.top &&
                   at.left < place.right && at.right > place.left) {
            if (!above || at.bottom > aboveEdge) above = sibling, aboveEdge = at.bottom;
        }
    }
    if (left && IsLabel(left)) return TextOf(left);
    if (!left && above && IsLabel(above)) return TextOf(above);
    return CString();
}

// What the platform's tab control or tree holds as an item's text.
CString TabTitle(HWND tab, int index) {
    char title[256] = "";
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = sizeof title;
    ::SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return CString(title);
}

CString TreeSelection(HWND tree) {
    const auto selected = reinterpret_cast<HTREEITEM>(::SendMessage(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!selected) return CString();
    char text[256] = "";
    TVITEM item{};
    item.mask = TVIF_TEXT;
    item.hItem = selected;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return CString(text);
}

CString ListSelection(HWND list) {
    const LRESULT index = ::SendMessage(list, LB_GETCURSEL, 0, 0);
    if (index < 0) return CString();
    std::vector<char> text(static_cast<size_t>(::SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)) + 1);
    ::SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return CString(text.data());
}

// One line for the control; false for a window that is no control of its own (a group box, a
// window inside another control).
bool Describe(HWND control, CString& line) {
    const std::string className = ClassOf(control);
    const LONG style = ::GetWindowLong(control, GWL_STYLE);
    const CString text = TextOf(control);
    const char* kind = nullptr;
    CString label = LabelOf(control), value = text;
    if (Is(className, "Button")) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) return false;
        const bool check = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
        const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        kind = check ? "check box" : radio ? "radio button" : "button";
        label = text;
        value = check || radio ? (::SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off") : "";
    } else if (Is(className, "Edit")) {
        kind = "edit";
    } else if (Is(className, "ComboBox") || Is(className, "ComboBoxEx32")) {
        kind = (style & 3) == CBS_DROPDOWNLIST ? "drop-down list" : "combo box";
    } else if (Is(className, "ListBox")) {
        kind = "list box";
        value = ListSelection(control);
    } else if (Is(className, "SysListView32")) {
        kind = "list view";
        value.Format("%d rows", static_cast<int>(::SendMessage(control, LVM_GETITEMCOUNT, 0, 0)));
    } else if (Is(className, "SysTabControl32")) {
        kind = "tab control";
        const int count = static_cast<int>(::SendMessage(control, TCM_GETITEMCOUNT, 0, 0));
        label.Empty();
        for (int i = 0; i < count; ++i) label += (i ? "|" : "") + TabTitle(control, i);
        value = TabTitle(control, static_cast<int>(::SendMessage(control, TCM_GETCURSEL, 0, 0)));
    } else if (Is(className, "SysTreeView32")) {
        kind = "tree";
        value = TreeSelection(control);
    } else if (gbk::StartsWithNoCase(className, "RichEdit")) {
        kind = "rich edit";
        value.Format("%d bytes", text.GetLength());
    } else if (IsTextStatic(control)) {
        kind = "text";
        label.Empty();
    } else if (Is(className, "Static")) {
        kind = "picture";
        label.Empty();
    }
    // One line a control: a text of several lines is shown on one.
    for (CString* text : {&label, &value}) {
        text->Replace("\r\n", " ");
        text->Replace("\r", " ");
        text->Replace("\n", " ");
    }
    // An edit that shows what it holds and takes no typing says so.
    const bool readOnly = (Is(className, "Edit") || gbk::StartsWithNoCase(className, "RichEdit")) && (style & ES_READONLY);
    line.Format("%d\t%s\t\"%s\"\t\"%s\"\t%s", ::GetDlgCtrlID(control), kind ? kind : className.c_str(),
                static_cast<LPCTSTR>(label), static_cast<LPCTSTR>(value),
                !::IsWindowEnabled(control) ? "disabled" : readOnly ? "read-only" : "enabled");
    return true;
}

void AddControls(HWND parent, CString& lines) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        if (IsDialogWindow(child)) {  // a page: its controls
            AddControls(child, lines);
            continue;
        }
        const int id = ::GetDlgCtrlID(child);
        CString line;
        if (id > 0 && id != 0xFFFF && IsDialogWindow(parent) && Describe(child, line)) lines += line + "\n";
        // The pages of a tab control are its children.
        if (Is(ClassOf(child), "SysTabControl32")) AddControls(child, lines);
    }
}

}  // namespace

CString ListControls(HWND dialog) {
    CString lines;
    AddControls(dialog, lines);
    return lines;
}

void LogControls(HWND dialog) {
    InteractionEntry entry;
    entry.kind = "controls";
    CWnd::FromHandle(dialog)->GetWindowText(entry.caption);
    entry.text = ListControls(dialog);
    entry.byScript = true;
    InteractionLog::Instance().Add(std::move(entry));
}

}  // namespace qelt
