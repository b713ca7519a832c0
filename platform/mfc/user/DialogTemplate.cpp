// Building a dialog window and its controls from a template.
#include "mfc/user/Dialog.h"
#include "mfc/user/DialogManager.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/Resources.h"
#include "mfc/user/WindowManager.h"

namespace qelt {
namespace {

CREATESTRUCT ControlCreation(const res::DialogItem& item, HWND dialog, HINSTANCE module) {
    const CRect rect = metrics::DialogRectToPixels(CRect(item.x, item.y, item.x + item.cx, item.y + item.cy),
                                                   DialogBaseUnits(dialog));
    CREATESTRUCT cs{};
    // The control sees its template entry (an image static finds its image there).
    cs.lpCreateParams = const_cast<res::DialogItem*>(&item);
    cs.hInstance = module;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id));
    cs.hwndParent = dialog;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.Width();
    cs.cy = rect.Height();
    cs.style = static_cast<LONG>(item.style | WS_CHILD);
    cs.lpszName = item.text;
    cs.lpszClass = item.className;
    cs.dwExStyle = item.exStyle;
    return cs;
}

// Places the dialog from its template once its styles are final: a child in its parent's client
// area, a popup relative to its owner's client area (centred with DS_CENTER).
void PlaceDialog(HWND dialog, const res::DialogTemplate& tmpl, HWND parent) {
    WindowRecord* window = LookupWindow(dialog);
    const metrics::BaseUnits units = DialogBaseUnits(dialog);
    const CRect client = metrics::DialogRectToPixels(CRect(0, 0, tmpl.cx, tmpl.cy), units);
    const RECT insets = metrics::FrameInsets(window->style, window->exStyle);
    const CSize size(client.Width() + insets.left + insets.right, client.Height() + insets.top + insets.bottom);
    CPoint topLeft(metrics::DialogUnitsToPixelsX(tmpl.x, units), metrics::DialogUnitsToPixelsY(tmpl.y, units));
    if (!window->IsChild() && parent) ::ClientToScreen(parent, &topLeft);
    window->rect = CRect(topLeft, size);
    if (!window->IsChild() && (window->style & DS_CENTER)) {
        CRect area(0, 0, metrics::kScreenWidth, metrics::kScreenHeight);
        if (parent && ::IsWindowVisible(parent)) ::GetWindowRect(parent, &area);
        window->rect = CRect(CPoint(area.CenterPoint().x - size.cx / 2, area.CenterPoint().y - size.cy / 2), size);
    }
}

}  // namespace

HWND CreateDialogFromTemplate(CDialog& dialog, LPCTSTR name, HWND parent) {
    HINSTANCE module = AfxFindResourceHandle(name, RT_DIALOG);
    const res::DialogTemplate* tmpl = FindDialogTemplate(module, name);
    if (!tmpl) {
        ReportMisuse("dialog template %s is in none of the resource modules", DescribeResourceName(name).Str().c_str());
        return nullptr;
    }
    CREATESTRUCT cs{};
    cs.hInstance = module;
    cs.hwndParent = parent;
    cs.style = static_cast<LONG>(tmpl->style);
    cs.lpszName = tmpl->caption;
    cs.lpszClass = kDialogClass;
    cs.dwExStyle = tmpl->exStyle | ((tmpl->style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    HWND handle = NewWindow(cs, &dialog);
    if (!handle) return nullptr;
    SetDialogTemplate(handle, tmpl);
    HFONT font = DialogFontOf(handle);
    if (font) ::SendMessage(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    dialog.PreSubclassWindow();
    if (!::IsWindow(handle)) return nullptr;
    PlaceDialog(handle, *tmpl, parent);
    if (::SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        ::DestroyWindow(handle);
        return nullptr;
    }
    for (int i = 0; i < tmpl->itemCount && ::IsWindow(handle); ++i) {
        const res::DialogItem& item = tmpl->items[i];
        CREATESTRUCT control = ControlCreation(item, handle, module);
        HWND made = CreateWindowFor(control, nullptr);
        if (!made) {
            ReportMisuse("dialog %s: control %d (class \"%s\") could not be created",
                         DescribeResourceName(name).Str().c_str(), item.id, item.className);
            if (::IsWindow(handle)) ::DestroyWindow(handle);
            return nullptr;
        }
        // Every control speaks in the dialog's font.
        if (font && ::IsWindow(made)) ::SendMessage(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (!::IsWindow(handle)) return nullptr;
    HWND firstTabStop = ::GetNextDlgTabItem(handle, nullptr, FALSE);
    const BOOL focus = static_cast<BOOL>(
        ::SendMessage(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), 0));
    if (!::IsWindow(handle)) return nullptr;
    if (focus && !(::GetWindowLong(handle, GWL_STYLE) & WS_CHILD)) {
        firstTabStop = ::GetNextDlgTabItem(handle, nullptr, FALSE);
        if (firstTabStop) FocusDialogControl(firstTabStop);
    }
    if (::GetWindowLong(handle, GWL_STYLE) & WS_VISIBLE) ::InvalidateRect(handle, nullptr, TRUE);
    return handle;
}

}  // namespace qelt
