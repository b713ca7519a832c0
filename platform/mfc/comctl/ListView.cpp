// The "SysListView32" window class: the list view's items, columns (through its header), states,
// geometry, scrolling, clicks, label editing and owner drawing, as mfc/comctl/ListCtrl.h describes.
#include <algorithm>
#include <memory>
#include <vector>

#include "mfc/comctl/CommonControl.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/GbkText.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/comctl/ListCtrl.h"
#include "mfc/stdctrl/ScrollBar.h"
#include "mfc/user/WindowClass.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/ScrollBarParts.h"
#include "mfc/user/WindowManager.h"

namespace {

using namespace qelt::listview;

struct Item {
    unsigned serial = 0;             // stays with the item while indices move
    std::vector<CString> texts;      // by column; a missing entry is the empty text
    std::vector<int> subImages;      // by column (entry 0 unused); a missing entry is no image
    int image = 0;
    UINT state = 0;
    LPARAM param = 0;
    int indent = 0;

    CString Text(int column) const {
        return column >= 0 && column < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(column)] : CString();
    }
    void SetText(int column, const CString& text) {
        if (column >= static_cast<int>(texts.size())) texts.resize(static_cast<size_t>(column) + 1);
        texts[static_cast<size_t>(column)] = text;
    }
    int SubImage(int column) const {
        return column < static_cast<int>(subImages.size()) ? subImages[static_cast<size_t>(column)] : -1;
    }
};

// The edit box of label editing: Enter ends the editing with the text typed, Esc without it; both
// by taking the focus back to the list, whose loss of focus ends the editing.
class LabelEdit : public CEdit {
public:
    bool m_cancelled = false;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
            m_cancelled = nChar == VK_ESCAPE;
            ::SetFocus(::GetParent(m_hWnd));
            return;
        }
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg LRESULT OnGetDlgCode(WPARAM, LPARAM) { return Default() | DLGC_WANTALLKEYS; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LabelEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
END_MESSAGE_MAP()

struct Hit {
    int item = -1;
    int column = -1;
    UINT flags = LVHT_NOWHERE;
};

class ListViewProcedure : public qelt::WindowProcedure {
public:
    ListViewProcedure()
        : m_background(GetSysColor(COLOR_WINDOW)),
          m_textColour(GetSysColor(COLOR_WINDOWTEXT)),
          m_textBackground(GetSysColor(COLOR_WINDOW)) {}

    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        const int index = static_cast<int>(wParam);
        switch (message) {
        // Columns.
        case LVM_INSERTCOLUMN:
            result = InsertColumn(window, index, reinterpret_cast<const LVCOLUMN*>(lParam));
            return true;
        case LVM_DELETECOLUMN:
            result = DeleteColumn(window, index);
            return true;
        case LVM_GETCOLUMN:
            result = GetColumn(window, index, reinterpret_cast<LVCOLUMN*>(lParam));
            return true;
        case LVM_SETCOLUMN:
            result = SetColumn(window, index, reinterpret_cast<const LVCOLUMN*>(lParam));
            return true;
        case LVM_GETCOLUMNWIDTH:
            result = ColumnWidth(window, index);
            return true;
        case LVM_SETCOLUMNWIDTH:
            result = SetColumnWidth(window, index, static_cast<int>(static_cast<short>(LOWORD(lParam))));
            return true;
        case LVM_GETCOLUMNORDERARRAY:
            result = ::SendMessage(Header(window), HDM_GETORDERARRAY, wParam, lParam);
            return true;
        case LVM_SETCOLUMNORDERARRAY:
            result = ::SendMessage(Header(window), HDM_SETORDERARRAY, wParam, lParam);
            Changed(window);
            return true;
        case LVM_GETHEADER:
            result = reinterpret_cast<LRESULT>(Header(window));
            return true;
        case LVM_GETSTRINGWIDTH:
            result = lParam ? qelt::TextWidth(reinterpret_cast<LPCSTR>(lParam)) : 0;
            return true;

        // Items.
        case LVM_GETITEMCOUNT:
            result = Count();
            return true;
        case LVM_INSERTITEM:
            result = InsertItem(window, reinterpret_cast<const LVITEM*>(lParam));
            return true;
        case LVM_DELETEITEM:
            result = DeleteItem(window, index);
            return true;
        case LVM_DELETEALLITEMS:
            DeleteAllItems(window);
            result = TRUE;
            return true;
        case LVM_GETITEM:
            result = GetItem(window, reinterpret_cast<LVITEM*>(lParam));
            return true;
        case LVM_SETITEM:
            result = lParam ? SetItem(window, *reinterpret_cast<const LVITEM*>(lParam)) : FALSE;
            return true;
        case LVM_GETITEMTEXT:
            result = GetItemText(window, index, reinterpret_cast<LVITEM*>(lParam));
            return true;
        case LVM_SETITEMTEXT:
            result = SetItemText(window, index, reinterpret_cast<const LVITEM*>(lParam));
            return true;
        case LVM_GETITEMSTATE:
            result = Valid(index) ? (m_items[static_cast<size_t>(index)].state & static_cast<UINT>(lParam)) : 0;
            return true;
        case LVM_SETITEMSTATE:
            result = SetItemState(window, index, reinterpret_cast<const LVITEM*>(lParam));
            return true;
        case LVM_GETNEXTITEM:
            result = NextItem(index, static_cast<UINT>(LOWORD(lParam)));
            return true;
        case LVM_GETSELECTEDCOUNT:
            result = std::count_if(m_items.begin(), m_items.end(), [](const Item& item) { return item.state & LVIS_SELECTED; });
            return true;
        case LVM_REDRAWITEMS:
            for (int i = std::max(index, 0); i <= std::min(static_cast<int>(lParam), Count() - 1); ++i) InvalidateRow(window, i);
            result = TRUE;
            return true;

        // Images, styles and colours.
        case LVM_SETIMAGELIST:
            if (wParam > LVSIL_STATE) {
                result = 0;
                return true;
            }
            result = reinterpret_cast<LRESULT>(m_images[wParam]);
            m_images[wParam] = reinterpret_cast<HIMAGELIST>(lParam);
            Changed(window);
            return true;
        case LVM_GETIMAGELIST:
            result = wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(m_images[wParam]) : 0;
            return true;
        case LVM_SETEXTENDEDLISTVIEWSTYLE:
            result = SetExtendedStyle(window, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
            return true;
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            result = m_exStyle;
            return true;
        case LVM_SETBKCOLOR:
        case LVM_SETTEXTCOLOR:
        case LVM_SETTEXTBKCOLOR:
            (message == LVM_SETBKCOLOR ? m_background : message == LVM_SETTEXTCOLOR ? m_textColour : m_textBackground) =
                static_cast<COLORREF>(lParam);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            result = TRUE;
            return true;
        case LVM_GETBKCOLOR:
            result = m_background;
            return true;
        case LVM_GETTEXTCOLOR:
            result = m_textColour;
            return true;
        case LVM_GETTEXTBKCOLOR:
            result = m_textBackground;
            return true;

        // Geometry and scrolling.
        case LVM_GETITEMRECT:
            result = lParam ? ItemRect(window, index, static_cast<int>(reinterpret_cast<RECT*>(lParam)->left),
                                       reinterpret_cast<RECT*>(lParam))
                            : FALSE;
            return true;
        case LVM_GETSUBITEMRECT:
            result = SubItemRect(window, index, reinterpret_cast<RECT*>(lParam));
            return true;
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST:
            result = HitTestMessage(window, reinterpret_cast<LVHITTESTINFO*>(lParam), message == LVM_SUBITEMHITTEST);
            return true;
        case LVM_GETTOPINDEX:
            result = m_top;
            return true;
        case LVM_GETCOUNTPERPAGE:
            result = PerPage(window);
            return true;
        case LVM_ENSUREVISIBLE:
            result = EnsureVisible(window, index, lParam != 0);
            return true;
        case LVM_SCROLL:
            ScrollBy(window, static_cast<int>(wParam), static_cast<int>(lParam));
            result = TRUE;
            return true;
        case WM_VSCROLL:
            OnVScroll(window, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return true;
        case WM_HSCROLL:
            OnHScroll(window, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return true;
        case WM_MOUSEWHEEL:
            SetTop(window, m_top - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * kWheelRows);
            return true;
        case WM_SIZE:
            Changed(window);
            return false;

        // Label editing.
        case LVM_EDITLABEL:
            result = reinterpret_cast<LRESULT>(EditLabel(window, index));
            return true;
        case LVM_GETEDITCONTROL:
            result = reinterpret_cast<LRESULT>(m_edit ? m_edit->m_hWnd : nullptr);
            return true;
        case LVM_CANCELEDITLABEL:
            EndEdit(window, false);
            result = TRUE;
            return true;
        case WM_COMMAND:
            if (m_edit && reinterpret_cast<HWND>(lParam) == m_edit->m_hWnd && HIWORD(wParam) == EN_KILLFOCUS) {
                EndEdit(window, !m_edit->m_cancelled);
            }
            return true;

        // The person.
        case WM_LBUTTONDOWN:
            if (PressBars(window, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) return true;
            Click(window, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), static_cast<UINT>(wParam), NM_CLICK);
            return true;
        case WM_LBUTTONDBLCLK:
            if (PressBars(window, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) return true;
            Click(window, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), static_cast<UINT>(wParam), NM_DBLCLK);
            return true;
        case WM_NOTIFY:
            OnHeaderNotify(window, reinterpret_cast<const NMHDR*>(lParam));
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            NMHDR header{};
            qelt::SendNotify(window, header, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        }
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_PAINT:
            Paint(window);
            return true;
        case WM_DESTROY:
            // The parent may be going too: the items go without notifications.
            m_edit.reset();
            m_items.clear();
            return false;
        default:
            return false;
        }
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        if (action.kind == qelt::UserAction::Kind::Cell) return EditCell(window, action);
        if (action.kind != qelt::UserAction::Kind::Row) return qelt::ActionOutcome::NotApplicable();
        if (!Valid(action.number)) {
            return qelt::ActionOutcome::Refused("list " + std::to_string(static_cast<int>(window.id)) + " has no row " +
                                                std::to_string(action.number) + " (it has " +
                                                std::to_string(Count()) + ")");
        }
        EnsureVisible(window, action.number, false);
        RECT label{LVIR_LABEL, 0, 0, 0};
        ItemRect(window, action.number, LVIR_LABEL, &label);
        CRect client;
        ::GetClientRect(window.handle, &client);
        CRect target;
        if (!target.IntersectRect(&label, &client)) {
            return qelt::ActionOutcome::Refused("row " + std::to_string(action.number) + " of list " +
                                                std::to_string(static_cast<int>(window.id)) +
                                                " cannot be clicked: its label is out of sight");
        }
        return qelt::ClickAsPerson(window, target.CenterPoint());
    }

private:
    // The script's "cell": the cell is scrolled into view and clicked, as a person opens the list's
    // own editor over it; the text goes into that editor (typed into an edit box or a drop-down's
    // field, chosen in a drop-down list) and the editor is left for the list, which commits it.
    // Without a text the cell is only clicked; a cell that opens no editor takes no text.
    qelt::ActionOutcome EditCell(qelt::WindowRecord& window, const qelt::UserAction& action) {
        const std::string name = "list " + std::to_string(static_cast<int>(window.id));
        const int row = action.y, column = action.x;
        if (!Valid(row) || column >= std::max(Columns(window), 1)) {
            return qelt::ActionOutcome::Refused(name + " has no cell " + std::to_string(column) + "," +
                                                std::to_string(row) + " (it has " + std::to_string(Columns(window)) +
                                                " columns and " + std::to_string(Count()) + " rows)");
        }
        const HWND self = window.handle;
        EnsureVisible(window, row, false);
        RECT cell{LVIR_LABEL, column, 0, 0};
        CellRect(window, row, column, LVIR_LABEL, &cell);
        const CRect client = Client(window);
        if (cell.right > client.right) SetScrollX(window, m_scrollX + std::min<int>(cell.right - client.right, cell.left));
        else if (cell.left < 0) SetScrollX(window, m_scrollX + cell.left);
        CellRect(window, row, column, LVIR_LABEL, &cell);
        CRect target;
        if (!target.IntersectRect(&cell, &client)) {
            return qelt::ActionOutcome::Refused("cell " + std::to_string(column) + "," + std::to_string(row) + " of " +
                                                name + " cannot be clicked: it is out of sight");
        }
        qelt::ActionOutcome click = qelt::ClickAsPerson(window, target.CenterPoint());
        if (click.kind != qelt::ActionOutcome::Kind::Applied || !::IsWindow(self)) return click;
        // Without a text the cell is only clicked: a check toggles, an editor stays open for keys.
        if (action.text.IsEmpty()) return qelt::ActionOutcome::Applied();
        HWND editor = ::GetFocus();
        if (!editor || ::GetParent(editor) != self || !::IsWindowVisible(editor)) {
            return qelt::ActionOutcome::Refused("cell " + std::to_string(column) + "," + std::to_string(row) + " of " +
                                                name + " opens no editor to take a text");
        }
        std::shared_ptr<qelt::WindowRecord> held = qelt::HoldWindow(editor);
        const bool combo = qelt::gbk::CompareNoCase(held->className, "ComboBox") == 0;
        if (combo && (((held->style & 3) == CBS_DROPDOWNLIST) ||
                      ::SendMessage(editor, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(action.text))) >= 0)) {
            qelt::UserAction choose = action;
            choose.kind = qelt::UserAction::Kind::Choose;
            qelt::ActionOutcome chosen = held->procedure->ApplyUserAction(*held, choose);
            if (chosen.kind != qelt::ActionOutcome::Kind::Applied) return chosen;
        } else {
            if (combo) ::SendMessage(editor, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            else ::SendMessage(editor, EM_SETSEL, 0, -1);
            qelt::TypeText(action.text);
        }
        // Leaving the editor for the list commits it, as a click elsewhere in the list would.
        if (::IsWindow(self) && ::IsWindow(editor) && ::GetFocus() == editor) ::SetFocus(self);
        return qelt::ActionOutcome::Applied();
    }

    // ---- Items and columns ------------------------------------------------------------------

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    // The index of the item with that serial now, or -1 when it is gone.
    int IndexOf(unsigned serial, int hint) const {
        if (Valid(hint) && m_items[static_cast<size_t>(hint)].serial == serial) return hint;
        for (int i = 0; i < Count(); ++i) {
            if (m_items[static_cast<size_t>(i)].serial == serial) return i;
        }
        return -1;
    }

    // Calls f(index, serial) for each item of the list as it is now; items a handler deletes
    // meanwhile are passed over, items it inserts are not visited.
    template <class F>
    void ForEachItem(F&& f) {
        std::vector<unsigned> serials;
        for (const Item& item : m_items) serials.push_back(item.serial);
        for (size_t k = 0; k < serials.size(); ++k) {
            const int at = IndexOf(serials[k], static_cast<int>(k));
            if (at >= 0) f(at, serials[k]);
        }
    }

    HWND Header(qelt::WindowRecord& window) {
        if (m_header && ::IsWindow(m_header)) return m_header;
        CREATESTRUCT cs{};
        cs.lpszClass = WC_HEADER;
        cs.style = static_cast<LONG>(WS_CHILD | HDS_HORZ | ((window.style & LVS_NOCOLUMNHEADER) ? HDS_HIDDEN : WS_VISIBLE));
        cs.hwndParent = window.handle;
        CRect client;
        ::GetClientRect(window.handle, &client);
        cs.x = -m_scrollX;
        cs.cx = client.Width() + m_scrollX;
        cs.cy = HeaderHeight(window);
        m_header = qelt::CreateWindowFor(cs, nullptr);
        return m_header;
    }

    int Columns(qelt::WindowRecord& window) {
        return static_cast<int>(::SendMessage(Header(window), HDM_GETITEMCOUNT, 0, 0));
    }

    int ColumnWidth(qelt::WindowRecord& window, int column) {
        HDITEM item{};
        item.mask = HDI_WIDTH;
        return ::SendMessage(Header(window), HDM_GETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))
                   ? item.cxy
                   : 0;
    }

    int InsertColumn(qelt::WindowRecord& window, int column, const LVCOLUMN* source) {
        if (!source) {
            qelt::ReportMisuse("LVM_INSERTCOLUMN without a column");
            return -1;
        }
        column = std::clamp(column, 0, Columns(window));
        HDITEM item{};
        item.mask = HDI_FORMAT | HDI_WIDTH;
        item.fmt = HDF_STRING | ((source->mask & LVCF_FMT) ? (source->fmt & (LVCFMT_JUSTIFYMASK | LVCFMT_IMAGE)) : 0);
        item.cxy = (source->mask & LVCF_WIDTH) ? std::max(source->cx, 0) : 0;
        if (source->mask & LVCF_TEXT) item.mask |= HDI_TEXT, item.pszText = source->pszText;
        if (source->mask & LVCF_IMAGE) item.mask |= HDI_IMAGE, item.iImage = source->iImage;
        if (source->mask & LVCF_ORDER) item.mask |= HDI_ORDER, item.iOrder = source->iOrder;
        const int inserted = static_cast<int>(
            ::SendMessage(Header(window), HDM_INSERTITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item)));
        if (inserted < 0) return -1;
        m_subItems.insert(m_subItems.begin() + inserted, (source->mask & LVCF_SUBITEM) ? source->iSubItem : inserted);
        for (Item& row : m_items) {
            if (inserted < static_cast<int>(row.texts.size())) row.texts.insert(row.texts.begin() + inserted, CString());
            if (inserted < static_cast<int>(row.subImages.size())) row.subImages.insert(row.subImages.begin() + inserted, -1);
        }
        Changed(window);
        return inserted;
    }

    BOOL DeleteColumn(qelt::WindowRecord& window, int column) {
        if (!::SendMessage(Header(window), HDM_DELETEITEM, static_cast<WPARAM>(column), 0)) return FALSE;
        m_subItems.erase(m_subItems.begin() + column);
        for (Item& row : m_items) {
            if (column < static_cast<int>(row.texts.size())) row.texts.erase(row.texts.begin() + column);
            if (column < static_cast<int>(row.subImages.size())) row.subImages.erase(row.subImages.begin() + column);
        }
        Changed(window);
        return TRUE;
    }

    BOOL GetColumn(qelt::WindowRecord& window, int column, LVCOLUMN* target) {
        if (!target) return FALSE;
        HDITEM item{};
        item.mask = HDI_FORMAT | HDI_WIDTH | HDI_IMAGE | HDI_ORDER;
        if (target->mask & LVCF_TEXT) item.mask |= HDI_TEXT, item.pszText = target->pszText, item.cchTextMax = target->cchTextMax;
        if (!::SendMessage(Header(window), HDM_GETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) {
            return FALSE;
        }
        if (target->mask & LVCF_FMT) target->fmt = item.fmt & (LVCFMT_JUSTIFYMASK | LVCFMT_IMAGE);
        if (target->mask & LVCF_WIDTH) target->cx = item.cxy;
        if (target->mask & LVCF_SUBITEM) target->iSubItem = m_subItems[static_cast<size_t>(column)];
        if (target->mask & LVCF_IMAGE) target->iImage = item.iImage;
        if (target->mask & LVCF_ORDER) target->iOrder = item.iOrder;
        return TRUE;
    }

    BOOL SetColumn(qelt::WindowRecord& window, int column, const LVCOLUMN* source) {
        if (!source || column < 0 || column >= Columns(window)) return FALSE;
        HDITEM item{};
        if (source->mask & LVCF_FMT) item.mask |= HDI_FORMAT, item.fmt = HDF_STRING | (source->fmt & (LVCFMT_JUSTIFYMASK | LVCFMT_IMAGE));
        if (source->mask & LVCF_WIDTH) item.mask |= HDI_WIDTH, item.cxy = source->cx;
        if (source->mask & LVCF_TEXT) item.mask |= HDI_TEXT, item.pszText = source->pszText;
        if (source->mask & LVCF_IMAGE) item.mask |= HDI_IMAGE, item.iImage = source->iImage;
        if (source->mask & LVCF_ORDER) item.mask |= HDI_ORDER, item.iOrder = source->iOrder;
        if (source->mask & LVCF_SUBITEM) m_subItems[static_cast<size_t>(column)] = source->iSubItem;
        ::SendMessage(Header(window), HDM_SETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        Changed(window);
        return TRUE;
    }

    BOOL SetColumnWidth(qelt::WindowRecord& window, int column, int width) {
        if (column < 0 || column >= Columns(window)) return FALSE;
        if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
            int widest = 0;
            for (const Item& row : m_items) widest = std::max(widest, qelt::TextWidth(row.Text(column).Str()));
            if (column == 0) widest += StateWidth() + IconWidth();
            if (width == LVSCW_AUTOSIZE_USEHEADER) {
                char heading[260] = "";
                HDITEM item{};
                item.mask = HDI_TEXT, item.pszText = heading, item.cchTextMax = sizeof heading;
                ::SendMessage(Header(window), HDM_GETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
                widest = std::max(widest, qelt::TextWidth(heading));
            }
            width = widest + kAutoSizePadding;
        }
        HDITEM item{};
        item.mask = HDI_WIDTH;
        item.cxy = std::max(width, 0);
        ::SendMessage(Header(window), HDM_SETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        Changed(window);
        return TRUE;
    }

    int InsertItem(qelt::WindowRecord& window, const LVITEM* source) {
        if (!source || source->iSubItem != 0) {
            qelt::ReportMisuse("LVM_INSERTITEM %s", source ? "for a sub-item" : "without an item");
            return -1;
        }
        Item item;
        item.serial = m_nextSerial++;
        if (source->mask & LVIF_TEXT) item.SetText(0, qelt::TextIn(source->pszText, "LVM_INSERTITEM"));
        if (source->mask & LVIF_IMAGE) item.image = source->iImage;
        if (source->mask & LVIF_PARAM) item.param = source->lParam;
        if (source->mask & LVIF_STATE) item.state = source->state & source->stateMask;
        if (source->mask & LVIF_INDENT) item.indent = source->iIndent;
        if ((m_exStyle & LVS_EX_CHECKBOXES) && !(item.state & LVIS_STATEIMAGEMASK)) item.state |= INDEXTOSTATEIMAGEMASK(1);
        int index = std::clamp(source->iItem, 0, Count());
        if (window.style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) {
            const bool descending = (window.style & LVS_SORTDESCENDING) != 0;
            const std::string& text = item.Text(0).Str();
            index = 0;
            while (index < Count()) {
                const int order = qelt::gbk::CompareNoCase(m_items[static_cast<size_t>(index)].Text(0).Str(), text);
                if (descending ? order < 0 : order > 0) break;
                ++index;
            }
        }
        m_items.insert(m_items.begin() + index, item);
        Changed(window);
        NMLISTVIEW notice{};
        notice.iItem = index;
        qelt::SendNotify(window, notice.hdr, LVN_INSERTITEM);
        return index;
    }

    BOOL DeleteItem(qelt::WindowRecord& window, int index) {
        if (!Valid(index)) return FALSE;
        const unsigned serial = m_items[static_cast<size_t>(index)].serial;
        if (m_edit && m_editSerial == serial) EndEdit(window, false);
        index = IndexOf(serial, index);
        if (index < 0) return TRUE;
        NMLISTVIEW notice{};
        notice.iItem = index;
        notice.lParam = m_items[static_cast<size_t>(index)].param;
        qelt::SendNotify(window, notice.hdr, LVN_DELETEITEM);
        index = IndexOf(serial, index);
        if (index < 0) return TRUE;
        const bool hadFocus = (m_items[static_cast<size_t>(index)].state & LVIS_FOCUSED) != 0;
        m_items.erase(m_items.begin() + index);
        // The focus passes to the item that took the deleted one's place, or to the new last one.
        if (hadFocus && !m_items.empty()) {
            ChangeState(window, std::min(index, Count() - 1), LVIS_FOCUSED, LVIS_FOCUSED);
        }
        Changed(window);
        return TRUE;
    }

    void DeleteAllItems(qelt::WindowRecord& window) {
        if (m_items.empty()) return;
        EndEdit(window, false);
        NMLISTVIEW notice{};
        notice.iItem = -1;
        if (qelt::SendNotify(window, notice.hdr, LVN_DELETEALLITEMS) == 0) {
            const std::vector<Item> items = m_items;
            for (size_t i = 0; i < items.size(); ++i) {
                NMLISTVIEW each{};
                each.iItem = static_cast<int>(i);
                each.lParam = items[i].param;
                qelt::SendNotify(window, each.hdr, LVN_DELETEITEM);
            }
        }
        m_items.clear();
        m_top = 0;
        Changed(window);
    }

    BOOL GetItem(qelt::WindowRecord& window, LVITEM* target) {
        if (!target || !Valid(target->iItem) || target->iSubItem < 0 ||
            target->iSubItem >= std::max(Columns(window), 1)) {
            return FALSE;
        }
        const Item& item = m_items[static_cast<size_t>(target->iItem)];
        if (target->mask & LVIF_TEXT) qelt::CopyTextOut(item.Text(target->iSubItem).Str(), target->pszText, target->cchTextMax);
        if (target->mask & LVIF_IMAGE) target->iImage = target->iSubItem == 0 ? item.image : item.SubImage(target->iSubItem);
        if (target->mask & LVIF_PARAM) target->lParam = item.param;
        if (target->mask & LVIF_STATE) target->state = item.state & target->stateMask;
        if (target->mask & LVIF_INDENT) target->iIndent = item.indent;
        return TRUE;
    }

    // Sub-items take texts and images silently; the item's own fields are announced by
    // LVN_ITEMCHANGING (which may veto) and LVN_ITEMCHANGED, its state as ChangeState says.
    BOOL SetItem(qelt::WindowRecord& window, const LVITEM& source) {
        if (!Valid(source.iItem) || source.iSubItem < 0 || source.iSubItem >= std::max(Columns(window), 1)) return FALSE;
        Item& item = m_items[static_cast<size_t>(source.iItem)];
        if (source.iSubItem > 0) {
            if (source.mask & LVIF_TEXT) item.SetText(source.iSubItem, qelt::TextIn(source.pszText, "LVM_SETITEM"));
            if (source.mask & LVIF_IMAGE) {
                if (source.iSubItem >= static_cast<int>(item.subImages.size())) {
                    item.subImages.resize(static_cast<size_t>(source.iSubItem) + 1, -1);
                }
                item.subImages[static_cast<size_t>(source.iSubItem)] = source.iImage;
            }
            InvalidateRow(window, source.iItem);
            return TRUE;
        }
        Item changed = item;
        UINT fields = 0;
        if ((source.mask & LVIF_TEXT)) {
            CString text = qelt::TextIn(source.pszText, "LVM_SETITEM");
            if (text != item.Text(0)) changed.SetText(0, text), fields |= LVIF_TEXT;
        }
        if ((source.mask & LVIF_IMAGE) && source.iImage != item.image) changed.image = source.iImage, fields |= LVIF_IMAGE;
        if ((source.mask & LVIF_PARAM) && source.lParam != item.param) changed.param = source.lParam, fields |= LVIF_PARAM;
        if ((source.mask & LVIF_INDENT) && source.iIndent != item.indent) changed.indent = source.iIndent, fields |= LVIF_INDENT;
        const unsigned serial = item.serial;
        if (fields) {
            NMLISTVIEW notice{};
            notice.iItem = source.iItem;
            notice.uChanged = fields;
            notice.uNewState = notice.uOldState = item.state;
            notice.lParam = item.param;
            if (qelt::SendNotify(window, notice.hdr, LVN_ITEMCHANGING) != 0) return FALSE;
            const int index = IndexOf(serial, source.iItem);
            if (index < 0) return FALSE;
            Item& now = m_items[static_cast<size_t>(index)];
            if (fields & LVIF_TEXT) now.SetText(0, changed.Text(0));
            if (fields & LVIF_IMAGE) now.image = changed.image;
            if (fields & LVIF_PARAM) now.param = changed.param;
            if (fields & LVIF_INDENT) now.indent = changed.indent;
            notice.iItem = index;
            notice.lParam = now.param;
            InvalidateRow(window, index);
            qelt::SendNotify(window, notice.hdr, LVN_ITEMCHANGED);
        }
        if (source.mask & LVIF_STATE) {
            const int index = IndexOf(serial, source.iItem);
            return index >= 0 && ChangeState(window, index, source.state, source.stateMask);
        }
        return TRUE;
    }

    int GetItemText(qelt::WindowRecord& window, int index, LVITEM* target) {
        if (!target) return 0;
        if (!Valid(index) || target->iSubItem < 0 || target->iSubItem >= std::max(Columns(window), 1)) {
            qelt::CopyTextOut("", target->pszText, target->cchTextMax);
            return 0;
        }
        return qelt::CopyTextOut(m_items[static_cast<size_t>(index)].Text(target->iSubItem).Str(), target->pszText,
                                 target->cchTextMax);
    }

    BOOL SetItemText(qelt::WindowRecord& window, int index, const LVITEM* source) {
        if (!source) return FALSE;
        LVITEM item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.iSubItem = source->iSubItem;
        item.pszText = source->pszText;
        return SetItem(window, item);
    }

    // ---- States -----------------------------------------------------------------------------

    // Changes the state bits of `mask` of one item to those of `state`, with LVN_ITEMCHANGING (a
    // veto keeps the item as it is) and LVN_ITEMCHANGED. Only one item has the focus, and in a
    // single-selection list only one is selected: the others lose it first, with their own
    // notifications. False when the change was vetoed or the item went meanwhile.
    bool ChangeState(qelt::WindowRecord& window, int index, UINT state, UINT mask) {
        const unsigned serial = m_items[static_cast<size_t>(index)].serial;
        const UINT old = m_items[static_cast<size_t>(index)].state;
        const UINT wanted = (old & ~mask) | (state & mask);
        if (wanted == old) {
            // Asked for the state it has: the parent hears of the attempt, not of a change.
            if (mask) NotifyUnchanged(window, index);
            return true;
        }
        const bool takesFocus = (wanted & LVIS_FOCUSED) && !(old & LVIS_FOCUSED);
        const bool takesSelection = (wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (window.style & LVS_SINGLESEL);
        if (takesFocus || takesSelection) {
            const UINT others = (takesFocus ? LVIS_FOCUSED : 0) | (takesSelection ? LVIS_SELECTED : 0);
            ForEachItem([&](int at, unsigned other) {
                if (other != serial && (m_items[static_cast<size_t>(at)].state & others)) ChangeState(window, at, 0, others);
            });
            index = IndexOf(serial, index);
            if (index < 0) return false;
        }
        NMLISTVIEW notice{};
        notice.iItem = index;
        notice.uChanged = LVIF_STATE;
        notice.uOldState = m_items[static_cast<size_t>(index)].state;
        notice.uNewState = (notice.uOldState & ~mask) | (state & mask);
        notice.lParam = m_items[static_cast<size_t>(index)].param;
        if (notice.uNewState == notice.uOldState) return true;
        if (qelt::SendNotify(window, notice.hdr, LVN_ITEMCHANGING) != 0) return false;
        index = IndexOf(serial, index);
        if (index < 0) return false;
        m_items[static_cast<size_t>(index)].state = notice.uNewState;
        notice.iItem = index;
        InvalidateRow(window, index);
        qelt::SendNotify(window, notice.hdr, LVN_ITEMCHANGED);
        return true;
    }

    void NotifyUnchanged(qelt::WindowRecord& window, int index) {
        NMLISTVIEW notice{};
        notice.iItem = index;
        notice.uChanged = LVIF_STATE;
        notice.uOldState = notice.uNewState = m_items[static_cast<size_t>(index)].state;
        notice.lParam = m_items[static_cast<size_t>(index)].param;
        qelt::SendNotify(window, notice.hdr, LVN_ITEMCHANGING);
    }

    BOOL SetItemState(qelt::WindowRecord& window, int index, const LVITEM* source) {
        if (!source) return FALSE;
        if (index == -1) {
            // Deselecting all when nothing is selected does nothing, not even notify.
            const bool anySelected = std::any_of(m_items.begin(), m_items.end(), [](const Item& item) { return item.state & LVIS_SELECTED; });
            if (source->stateMask == LVIS_SELECTED && !(source->state & LVIS_SELECTED) && !anySelected) return TRUE;
            // A single-selection list cannot select every item.
            if ((window.style & LVS_SINGLESEL) && (source->state & source->stateMask & LVIS_SELECTED)) return FALSE;
            bool all = true;
            ForEachItem([&](int at, unsigned) { all = ChangeState(window, at, source->state, source->stateMask) && all; });
            return all ? TRUE : FALSE;
        }
        if (!Valid(index)) return FALSE;
        return ChangeState(window, index, source->state, source->stateMask) ? TRUE : FALSE;
    }

    int NextItem(int start, UINT flags) const {
        const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
        auto matches = [&](int i) { return (m_items[static_cast<size_t>(i)].state & wanted) == wanted; };
        if (flags & (LVNI_TOLEFT | LVNI_TORIGHT)) return -1;  // one column of rows: nothing beside an item
        if (flags & LVNI_ABOVE) {
            for (int i = std::min(start, Count()) - 1; i >= 0; --i) {
                if (matches(i)) return i;
            }
            return -1;
        }
        for (int i = std::max(start + 1, 0); i < Count(); ++i) {
            if (matches(i)) return i;
        }
        return -1;
    }

    DWORD SetExtendedStyle(qelt::WindowRecord& window, DWORD mask, DWORD style) {
        const DWORD previous = m_exStyle;
        if (mask == 0) mask = 0xFFFFFFFF;
        m_exStyle = (m_exStyle & ~mask) | (style & mask);
        if ((m_exStyle & LVS_EX_CHECKBOXES) && !(previous & LVS_EX_CHECKBOXES)) {
            for (Item& item : m_items) {
                if (!(item.state & LVIS_STATEIMAGEMASK)) item.state |= INDEXTOSTATEIMAGEMASK(1);
            }
        }
        Changed(window);
        return previous;
    }

    // ---- Geometry ---------------------------------------------------------------------------

    static int HeaderHeight(const qelt::WindowRecord& window) {
        return (window.style & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight;
    }

    int ImageHeight(int type) const {
        int cx = 0, cy = 0;
        return m_images[type] && ImageList_GetIconSize(m_images[type], &cx, &cy) ? cy : 0;
    }

    int ImageWidth(int type) const {
        int cx = 0, cy = 0;
        return m_images[type] && ImageList_GetIconSize(m_images[type], &cx, &cy) ? cx : 0;
    }

    int RowHeight() const {
        return std::max({kRowHeight, ImageHeight(LVSIL_SMALL) + 2, ImageHeight(LVSIL_STATE) + 2});
    }

    int StateWidth() const {
        if (m_images[LVSIL_STATE]) return ImageWidth(LVSIL_STATE);
        return (m_exStyle & LVS_EX_CHECKBOXES) ? kCheckBoxWidth : 0;
    }

    int IconWidth() const { return ImageWidth(LVSIL_SMALL); }

    static bool Bordered(const qelt::WindowRecord& window) {
        return (window.style & WS_BORDER) || (::GetWindowLong(window.handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    }

    // The scroll bars the list shows inside its edge: across when the columns are wider than the
    // view, down when the view holds fewer rows than the list has, each narrowing the view for the
    // other; none with LVS_NOSCROLL. The view is the client area the bars leave.
    struct Bars {
        CRect view, across, down;
        bool hasAcross = false, hasDown = false;
    };
    Bars BarsOf(qelt::WindowRecord& window) {
        Bars bars;
        ::GetClientRect(window.handle, &bars.view);
        if (window.style & LVS_NOSCROLL) return bars;
        CRect inner = bars.view;
        if (Bordered(window)) inner.DeflateRect(2, 2);
        const int bar = qelt::metrics::kScrollBarWidth;
        const int total = TotalWidth(window), header = HeaderHeight(window), rowHeight = RowHeight();
        auto wide = [&](bool down) { return total > (down ? inner.right - bar : bars.view.right); };
        auto tall = [&](bool across) {
            return Count() > std::max<LONG>(0, ((across ? inner.bottom - bar : bars.view.bottom) - header) / rowHeight);
        };
        bars.hasAcross = wide(false);
        bars.hasDown = tall(bars.hasAcross);
        if (bars.hasDown && !bars.hasAcross) bars.hasAcross = wide(true);
        if (bars.hasDown) bars.view.right = std::max<LONG>(inner.right - bar, inner.left);
        if (bars.hasAcross) bars.view.bottom = std::max<LONG>(inner.bottom - bar, inner.top);
        bars.across = CRect(inner.left, bars.view.bottom, bars.hasDown ? bars.view.right : inner.right, inner.bottom);
        bars.down = CRect(bars.view.right, inner.top, inner.right, bars.hasAcross ? bars.view.bottom : inner.bottom);
        return bars;
    }

    CRect Client(qelt::WindowRecord& window) { return BarsOf(window).view; }

    int PerPage(qelt::WindowRecord& window) {
        return std::max(0, (Client(window).Height() - HeaderHeight(window)) / RowHeight());
    }

    int RowTop(qelt::WindowRecord& window, int index) const {
        return HeaderHeight(window) + (index - m_top) * RowHeight();
    }

    // Column c's left and right edges in client coordinates; false for no such column.
    bool ColumnSpan(qelt::WindowRecord& window, int column, int* left, int* right) {
        RECT rect;
        if (!::SendMessage(Header(window), HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect))) {
            return false;
        }
        *left = rect.left - m_scrollX;
        *right = rect.right - m_scrollX;
        return true;
    }

    int TotalWidth(qelt::WindowRecord& window) {
        int total = 0;
        for (int c = 0; c < Columns(window); ++c) total += ColumnWidth(window, c);
        return total;
    }

    // The rectangles of a row, by LVIR_ code, for column `column` (the item itself for column 0).
    bool CellRect(qelt::WindowRecord& window, int index, int column, int code, RECT* rect) {
        const int top = RowTop(window, index), bottom = top + RowHeight();
        int left = 0, right = 0;
        if (column == 0 && !ColumnSpan(window, 0, &left, &right)) left = right = -m_scrollX;
        if (column > 0 && !ColumnSpan(window, column, &left, &right)) return false;
        const bool fullRow = (m_exStyle & LVS_EX_FULLROWSELECT) || (window.style & LVS_OWNERDRAWFIXED);
        if (column == 0) {
            const int icon = left + StateWidth(), label = icon + IconWidth();
            switch (code) {
            case LVIR_BOUNDS:
                *rect = RECT{-m_scrollX, top, TotalWidth(window) - m_scrollX, bottom};
                return true;
            case LVIR_ICON:
                *rect = RECT{icon, top, label, bottom};
                return true;
            case LVIR_LABEL:
                *rect = RECT{label, top, std::max(label, right), bottom};
                return true;
            case LVIR_SELECTBOUNDS:
                *rect = fullRow ? RECT{-m_scrollX, top, TotalWidth(window) - m_scrollX, bottom}
                                : RECT{icon, top, std::max(label, right), bottom};
                return true;
            default:
                return false;
            }
        }
        const int icon = ((m_exStyle & LVS_EX_SUBITEMIMAGES) && m_images[LVSIL_SMALL]) ? IconWidth() : 0;
        switch (code) {
        case LVIR_BOUNDS:
        case LVIR_SELECTBOUNDS:
            *rect = RECT{left, top, right, bottom};
            return true;
        case LVIR_ICON:
            *rect = RECT{left, top, std::min(left + icon, right), bottom};
            return true;
        case LVIR_LABEL:
            *rect = RECT{std::min(left + icon, right), top, right, bottom};
            return true;
        default:
            return false;
        }
    }

    BOOL ItemRect(qelt::WindowRecord& window, int index, int code, RECT* rect) {
        if (!rect || !Valid(index)) return FALSE;
        return CellRect(window, index, 0, code, rect) ? TRUE : FALSE;
    }

    BOOL SubItemRect(qelt::WindowRecord& window, int index, RECT* rect) {
        if (!rect || !Valid(index)) return FALSE;
        const int column = rect->top, code = rect->left;
        if (column < 0 || (column > 0 && column >= Columns(window))) return FALSE;
        return CellRect(window, index, column, code, rect) ? TRUE : FALSE;
    }

    // What a point hits; `cells` names the row and column of any cell (SubItemHitTest), otherwise
    // only the item's own parts (the whole row with full-row selection or owner drawing) count.
    Hit HitTest(qelt::WindowRecord& window, POINT point, bool cells) {
        Hit hit;
        const CRect client = Client(window);
        hit.flags = 0;
        if (point.y < 0) hit.flags |= LVHT_ABOVE;
        if (point.y >= client.bottom) hit.flags |= LVHT_BELOW;
        if (point.x < 0) hit.flags |= LVHT_TOLEFT;
        if (point.x >= client.right) hit.flags |= LVHT_TORIGHT;
        if (hit.flags) return hit;
        hit.flags = LVHT_NOWHERE;
        if (point.y < HeaderHeight(window)) return hit;
        const int row = m_top + (point.y - HeaderHeight(window)) / RowHeight();
        if (!Valid(row)) return hit;
        int column = -1;
        for (int c = 0; c < Columns(window) && column < 0; ++c) {
            int left = 0, right = 0;
            if (ColumnSpan(window, c, &left, &right) && point.x >= left && point.x < right) column = c;
        }
        if (column < 0) return hit;
        if (column == 0) {
            int left = 0, right = 0;
            ColumnSpan(window, 0, &left, &right);
            const int icon = left + StateWidth(), label = icon + IconWidth();
            hit.flags = point.x < icon ? LVHT_ONITEMSTATEICON : point.x < label ? LVHT_ONITEMICON : LVHT_ONITEMLABEL;
        } else {
            const bool fullRow = (m_exStyle & LVS_EX_FULLROWSELECT) || (window.style & LVS_OWNERDRAWFIXED);
            if (!cells && !fullRow) return hit;
            hit.flags = LVHT_ONITEMLABEL;
        }
        hit.item = row;
        hit.column = column;
        return hit;
    }

    int HitTestMessage(qelt::WindowRecord& window, LVHITTESTINFO* info, bool cells) {
        if (!info) return -1;
        const Hit hit = HitTest(window, info->pt, cells);
        info->flags = hit.flags;
        info->iItem = hit.item;
        if (cells) info->iSubItem = hit.column;
        return hit.item;
    }

    // ---- Scrolling --------------------------------------------------------------------------

    void SetTop(qelt::WindowRecord& window, int top) {
        const int limit = std::max(0, Count() - std::max(PerPage(window), 1));
        top = std::clamp(top, 0, limit);
        if (top != m_top) {
            m_top = top;
            ::InvalidateRect(window.handle, nullptr, TRUE);
        }
        UpdateScrollBars(window);
    }

    void SetScrollX(qelt::WindowRecord& window, int x) {
        x = std::clamp(x, 0, std::max(0, TotalWidth(window) - Client(window).Width()));
        if (x != m_scrollX) {
            m_scrollX = x;
            const CRect client = Client(window);
            ::MoveWindow(Header(window), -m_scrollX, 0, client.Width() + m_scrollX, HeaderHeight(window), TRUE);
            ::InvalidateRect(window.handle, nullptr, TRUE);
        }
        UpdateScrollBars(window);
    }

    BOOL EnsureVisible(qelt::WindowRecord& window, int index, bool partialOk) {
        if (!Valid(index)) return FALSE;
        const int perPage = PerPage(window);
        if (index < m_top) {
            SetTop(window, index);
        } else if (index >= m_top + perPage) {
            const bool partlyShown = index == m_top + perPage &&
                                     RowTop(window, index) < Client(window).bottom;
            if (!(partialOk && partlyShown)) SetTop(window, index - std::max(perPage, 1) + 1);
        }
        return TRUE;
    }

    void ScrollBy(qelt::WindowRecord& window, int dx, int dy) {
        if (dy != 0) {
            const int rowHeight = RowHeight();
            const int rows = dy > 0 ? (dy + rowHeight - 1) / rowHeight : -((-dy + rowHeight - 1) / rowHeight);
            SetTop(window, m_top + rows);
        }
        if (dx != 0) SetScrollX(window, m_scrollX + dx);
    }

    void OnVScroll(qelt::WindowRecord& window, int code, int position) {
        const int page = std::max(PerPage(window), 1);
        switch (code) {
        case SB_LINEUP: SetTop(window, m_top - 1); break;
        case SB_LINEDOWN: SetTop(window, m_top + 1); break;
        case SB_PAGEUP: SetTop(window, m_top - page); break;
        case SB_PAGEDOWN: SetTop(window, m_top + page); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: SetTop(window, position); break;
        case SB_TOP: SetTop(window, 0); break;
        case SB_BOTTOM: SetTop(window, Count()); break;
        default: break;
        }
    }

    void OnHScroll(qelt::WindowRecord& window, int code, int position) {
        const int page = Client(window).Width();
        switch (code) {
        case SB_LINELEFT: SetScrollX(window, m_scrollX - kHorizontalLine); break;
        case SB_LINERIGHT: SetScrollX(window, m_scrollX + kHorizontalLine); break;
        case SB_PAGELEFT: SetScrollX(window, m_scrollX - page); break;
        case SB_PAGERIGHT: SetScrollX(window, m_scrollX + page); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: SetScrollX(window, position); break;
        case SB_LEFT: SetScrollX(window, 0); break;
        case SB_RIGHT: SetScrollX(window, TotalWidth(window)); break;
        default: break;
        }
    }

    // The window's scroll bars follow the rows and the columns' width.
    void UpdateScrollBars(qelt::WindowRecord& window) {
        SCROLLINFO rows{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(Count() - 1, 0), static_cast<UINT>(PerPage(window)), m_top, 0};
        ::SetScrollInfo(window.handle, SB_VERT, &rows, FALSE);
        SCROLLINFO columns{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(TotalWidth(window) - 1, 0),
                           static_cast<UINT>(Client(window).Width()), m_scrollX, 0};
        ::SetScrollInfo(window.handle, SB_HORZ, &columns, FALSE);
    }

    // After rows, columns or sizes changed: the header spans the client width, the scroll
    // positions stay in range and everything is painted again.
    void Changed(qelt::WindowRecord& window) {
        const CRect client = Client(window);
        ::MoveWindow(Header(window), -m_scrollX, 0, client.Width() + m_scrollX, HeaderHeight(window), TRUE);
        m_top = std::clamp(m_top, 0, std::max(0, Count() - std::max(PerPage(window), 1)));
        m_scrollX = std::clamp(m_scrollX, 0, std::max(0, TotalWidth(window) - client.Width()));
        UpdateScrollBars(window);
        ::InvalidateRect(window.handle, nullptr, TRUE);
    }

    void InvalidateRow(qelt::WindowRecord& window, int index) {
        RECT bounds;
        if (CellRect(window, index, 0, LVIR_BOUNDS, &bounds)) {
            bounds.left = 0;
            bounds.right = std::max(bounds.right, Client(window).right);
            ::InvalidateRect(window.handle, &bounds, TRUE);
        }
    }

    // ---- The person -------------------------------------------------------------------------

    void Click(qelt::WindowRecord& window, CPoint point, UINT keys, UINT code) {
        const HWND self = window.handle;
        if (::GetFocus() != self) ::SetFocus(self);
        if (!::IsWindow(self)) return;
        const Hit hit = HitTest(window, point, false);
        const Hit cell = HitTest(window, point, true);
        if (code == NM_CLICK) {
            if (hit.item >= 0 && hit.flags == LVHT_ONITEMSTATEICON && (m_exStyle & LVS_EX_CHECKBOXES)) {
                const UINT image = (m_items[static_cast<size_t>(hit.item)].state & LVIS_STATEIMAGEMASK) >> 12;
                ChangeState(window, hit.item, INDEXTOSTATEIMAGEMASK(image == 2 ? 1 : 2), LVIS_STATEIMAGEMASK);
            } else {
                const unsigned chosen = hit.item >= 0 ? m_items[static_cast<size_t>(hit.item)].serial : 0;
                ForEachItem([&](int at, unsigned serial) {
                    if (serial != chosen) ChangeState(window, at, 0, LVIS_SELECTED);
                });
                const int at = IndexOf(chosen, hit.item);
                if (chosen && at >= 0) ChangeState(window, at, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            }
            if (!::IsWindow(self)) return;
        }
        NMITEMACTIVATE notice{};
        notice.iItem = hit.item;
        notice.iSubItem = cell.column >= 0 ? cell.column : 0;
        notice.ptAction = point;
        notice.uKeyFlags = ((keys & MK_CONTROL) ? LVKF_CONTROL : 0) | ((keys & MK_SHIFT) ? LVKF_SHIFT : 0);
        qelt::SendNotify(window, notice.hdr, code);
    }

    // Each bar shown, with its state.
    template <typename Visit>
    void ForEachBar(qelt::WindowRecord& window, const Bars& bars, Visit visit) {
        for (const bool vertical : {false, true}) {
            if (!(vertical ? bars.hasDown : bars.hasAcross)) continue;
            SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
            ::GetScrollInfo(window.handle, vertical ? SB_VERT : SB_HORZ, &info);
            visit(vertical ? bars.down : bars.across, vertical, info);
        }
    }

    // A press outside the view lands on the bars (or the edge or corner around them): an arrow
    // box or the track asks the list to scroll as its bar does, the request then SB_ENDSCROLL.
    // Returns false for a press that is the rows' to answer.
    bool PressBars(qelt::WindowRecord& window, CPoint point) {
        const Bars bars = BarsOf(window);
        CRect client;
        ::GetClientRect(window.handle, &client);
        if (bars.view.PtInRect(point) || !client.PtInRect(point)) return false;
        int request = -1;
        bool vertical = false;
        ForEachBar(window, bars, [&](const CRect& bar, bool down, const SCROLLINFO& info) {
            if (!bar.PtInRect(point)) return;
            request = qelt::ScrollBarRequestAt(bar, down, info, point);
            vertical = down;
        });
        if (request < 0) return true;
        const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
        ::SendMessage(window.handle, message, MAKEWPARAM(request, 0), 0);
        if (::IsWindow(window.handle)) ::SendMessage(window.handle, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        return true;
    }

    void OnHeaderNotify(qelt::WindowRecord& window, const NMHDR* header) {
        if (!header || header->hwndFrom != m_header || header->code != HDN_ITEMCLICK) return;
        if (window.style & LVS_NOSORTHEADER) return;
        NMLISTVIEW notice{};
        notice.iItem = -1;
        notice.iSubItem = reinterpret_cast<const NMHEADER*>(header)->iItem;
        qelt::SendNotify(window, notice.hdr, LVN_COLUMNCLICK);
    }

    // ---- Label editing ----------------------------------------------------------------------

    HWND EditLabel(qelt::WindowRecord& window, int index) {
        EndEdit(window, false);
        if (!Valid(index)) return nullptr;
        const unsigned serial = m_items[static_cast<size_t>(index)].serial;
        NMLVDISPINFO notice{};
        CString text = m_items[static_cast<size_t>(index)].Text(0);
        notice.item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        notice.item.iItem = index;
        notice.item.pszText = text.GetBuffer();
        notice.item.lParam = m_items[static_cast<size_t>(index)].param;
        notice.item.state = m_items[static_cast<size_t>(index)].state;
        const LRESULT refused = qelt::SendNotify(window, notice.hdr, LVN_BEGINLABELEDIT);
        text.ReleaseBuffer();
        index = IndexOf(serial, index);
        if (refused || index < 0 || !::IsWindow(window.handle)) return nullptr;
        EnsureVisible(window, index, false);
        RECT label{LVIR_LABEL, 0, 0, 0};
        ItemRect(window, index, LVIR_LABEL, &label);
        auto edit = std::make_unique<LabelEdit>();
        if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, label, CWnd::FromHandle(window.handle), 1)) {
            return nullptr;
        }
        edit->SetWindowText(m_items[static_cast<size_t>(index)].Text(0));
        edit->SetSel(0, -1);
        m_edit = std::move(edit);
        m_editSerial = serial;
        m_edit->SetFocus();
        return m_edit ? m_edit->m_hWnd : nullptr;
    }

    // Ends label editing: LVN_ENDLABELEDIT with the text typed (none when cancelled); a nonzero
    // answer gives the item that text. The edit box object outlives its window until the next
    // editing, as its own handler may be what ended it.
    void EndEdit(qelt::WindowRecord& window, bool accept) {
        if (!m_edit) return;
        std::unique_ptr<LabelEdit> edit = std::move(m_edit);
        CString text;
        if (edit->m_hWnd) edit->GetWindowText(text);
        const int index = IndexOf(m_editSerial, 0);
        if (index >= 0) {
            NMLVDISPINFO notice{};
            notice.item.mask = LVIF_TEXT | LVIF_PARAM;
            notice.item.iItem = index;
            notice.item.pszText = accept ? text.GetBuffer() : nullptr;
            notice.item.lParam = m_items[static_cast<size_t>(index)].param;
            const LRESULT take = qelt::SendNotify(window, notice.hdr, LVN_ENDLABELEDIT);
            if (accept) text.ReleaseBuffer();
            const int now = IndexOf(m_editSerial, index);
            if (accept && take && now >= 0) {
                LVITEM item{};
                item.mask = LVIF_TEXT;
                item.iItem = now;
                item.pszText = text.GetBuffer();
                SetItem(window, item);
                text.ReleaseBuffer();
            }
        }
        const bool hadFocus = edit->m_hWnd && ::GetFocus() == edit->m_hWnd;
        if (edit->m_hWnd) edit->DestroyWindow();
        if (hadFocus && ::IsWindow(window.handle)) ::SetFocus(window.handle);
        m_retired = std::move(edit);
    }

    // ---- Painting ---------------------------------------------------------------------------

    // A list that does not draw its rows itself shows each visible row's texts in their columns,
    // aligned as the columns ask and ended with an ellipsis where they do not fit, the selection
    // highlighted while the list has the focus (face-coloured without it, for LVS_SHOWSELALWAYS),
    // and LVS_EX_GRIDLINES between the cells; a disabled list greys its texts and shows no
    // selection. Check boxes are drawn; images are not.
    void PaintRows(qelt::WindowRecord& window, HDC dc) {
        const bool focused = ::GetFocus() == window.handle;
        const bool enabled = ::IsWindowEnabled(window.handle) != FALSE;
        const bool fullRow = (m_exStyle & LVS_EX_FULLROWSELECT) != 0;
        const CRect client = Client(window);
        HGDIOBJ oldFont = window.font ? ::SelectObject(dc, window.font) : nullptr;
        ::SetBkMode(dc, TRANSPARENT);
        const RECT field{0, HeaderHeight(window), client.right, client.bottom};
        HBRUSH background = ::CreateSolidBrush(m_background);
        ::FillRect(dc, &field, background);
        ::DeleteObject(background);
        HPEN grid = ::CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
        HGDIOBJ oldPen = ::SelectObject(dc, grid);
        const int columns = Columns(window);
        const int last = std::min(Count() - 1, m_top + PerPage(window));
        for (int i = m_top; i <= last; ++i) {
            const Item& item = m_items[static_cast<size_t>(i)];
            const bool highlighted =
                enabled && (item.state & LVIS_SELECTED) && (focused || (window.style & LVS_SHOWSELALWAYS));
            RECT fill;
            CellRect(window, i, 0, fullRow ? LVIR_BOUNDS : LVIR_LABEL, &fill);
            HBRUSH brush = ::CreateSolidBrush(!highlighted ? m_textBackground
                                                           : GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_3DFACE));
            ::FillRect(dc, &fill, brush);
            ::DeleteObject(brush);
            if ((m_exStyle & LVS_EX_CHECKBOXES) && !m_images[LVSIL_STATE]) PaintCheckBox(window, i, dc);
            for (int c = 0; c < std::max(columns, 1); ++c) {
                RECT label;
                if (!CellRect(window, i, c, LVIR_LABEL, &label)) continue;
                LVCOLUMN column{};
                column.mask = LVCF_FMT;
                GetColumn(window, c, &column);
                const UINT align = (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT    ? DT_RIGHT
                                   : (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? DT_CENTER
                                                                                        : DT_LEFT;
                const bool inHighlight = highlighted && focused && (fullRow || c == 0);
                ::SetTextColor(dc, !enabled      ? GetSysColor(COLOR_GRAYTEXT)
                                   : inHighlight ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                 : m_textColour);
                label.left += 2;
                label.right -= 2;
                const CString text = item.Text(c);
                ::DrawTextA(dc, text, text.GetLength(), &label,
                            align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
            }
            if (m_exStyle & LVS_EX_GRIDLINES) {
                RECT bounds;
                CellRect(window, i, 0, LVIR_BOUNDS, &bounds);
                ::MoveToEx(dc, bounds.left, bounds.bottom - 1, nullptr);
                ::LineTo(dc, bounds.right, bounds.bottom - 1);
                for (int c = 0; c < columns; ++c) {
                    int left = 0, right = 0;
                    if (!ColumnSpan(window, c, &left, &right)) continue;
                    ::MoveToEx(dc, right - 1, bounds.top, nullptr);
                    ::LineTo(dc, right - 1, bounds.bottom);
                }
            }
        }
        ::SelectObject(dc, oldPen);
        ::DeleteObject(grid);
        if (oldFont) ::SelectObject(dc, oldFont);
    }

    // The bars over the view's right and bottom, the corner between them, and the list's edge.
    void PaintFrame(qelt::WindowRecord& window, HDC dc) {
        const Bars bars = BarsOf(window);
        const bool enabled = ::IsWindowEnabled(window.handle) != FALSE;
        ForEachBar(window, bars, [&](const CRect& bar, bool vertical, const SCROLLINFO& info) {
            qelt::DrawScrollBar(dc, bar, vertical, info, enabled);
        });
        if (bars.hasDown && bars.hasAcross) {
            qelt::FillSysColor(dc, CRect(bars.down.left, bars.across.top, bars.down.right, bars.across.bottom), COLOR_3DFACE);
        }
        if (Bordered(window)) {
            RECT edge;
            ::GetClientRect(window.handle, &edge);
            qelt::DrawEdge3D(dc, &edge, true);
        }
    }

    // The check box of a row in its state-image place: checked for state image 2.
    void PaintCheckBox(qelt::WindowRecord& window, int index, HDC dc) {
        RECT icon;
        CellRect(window, index, 0, LVIR_ICON, &icon);
        const int size = 13, left = icon.left - StateWidth() + (StateWidth() - size) / 2;
        const int top = (icon.top + icon.bottom - size) / 2;
        const UINT image = (m_items[static_cast<size_t>(index)].state & LVIS_STATEIMAGEMASK) >> 12;
        qelt::DrawCheckBox(dc, RECT{left, top, left + size, top + size}, image == 2 ? BST_CHECKED : BST_UNCHECKED,
                           ::IsWindowEnabled(window.handle) != FALSE, false);
    }

    void Paint(qelt::WindowRecord& window) {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(window.handle, &paint);
        if (!(window.style & LVS_OWNERDRAWFIXED)) PaintRows(window, dc);
        if ((window.style & LVS_OWNERDRAWFIXED) && window.parent) {
            const bool focused = ::GetFocus() == window.handle;
            const int last = std::min(Count() - 1, m_top + PerPage(window));
            for (int i = m_top; i <= last && ::IsWindow(window.handle); ++i) {
                DRAWITEMSTRUCT draw{};
                CellRect(window, i, 0, LVIR_BOUNDS, &draw.rcItem);
                CRect area;
                if (!area.IntersectRect(&draw.rcItem, &paint.rcPaint)) continue;
                const Item& item = m_items[static_cast<size_t>(i)];
                draw.CtlType = ODT_LISTVIEW;
                draw.CtlID = window.id;
                draw.itemID = static_cast<UINT>(i);
                draw.itemAction = ODA_DRAWENTIRE;
                draw.itemState = ((item.state & LVIS_SELECTED) ? ODS_SELECTED : 0) |
                                 ((item.state & LVIS_FOCUSED) && focused ? ODS_FOCUS : 0);
                draw.hwndItem = window.handle;
                draw.hDC = dc;
                draw.itemData = static_cast<ULONG_PTR>(item.param);
                ::SendMessage(window.parent->handle, WM_DRAWITEM, window.id, reinterpret_cast<LPARAM>(&draw));
            }
        }
        if (!::IsWindow(window.handle)) return;
        PaintFrame(window, dc);
        ::EndPaint(window.handle, &paint);
    }

    std::vector<Item> m_items;
    unsigned m_nextSerial = 1;
    std::vector<int> m_subItems;  // each column's sub-item number (LVCF_SUBITEM)
    HWND m_header = nullptr;
    HIMAGELIST m_images[3] = {nullptr, nullptr, nullptr};
    DWORD m_exStyle = 0;
    int m_top = 0;
    int m_scrollX = 0;
    COLORREF m_background;
    COLORREF m_textColour;
    COLORREF m_textBackground;
    std::unique_ptr<LabelEdit> m_edit;
    unsigned m_editSerial = 0;
    std::unique_ptr<LabelEdit> m_retired;
};

const qelt::WindowClassRegistration kListViewClass(WC_LISTVIEW, &qelt::MakeProcedure<ListViewProcedure>,
                                                   &qelt::MakeWrapper<CListCtrl>);

}  // namespace
