#include "mfc/comctl/TabCtrl.h"

#include <algorithm>
#include <vector>

#include "mfc/comctl/CommonControl.h"
#include "mfc/comctl/TabPaint.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/user/WindowClass.h"

namespace {

using namespace qelt::tab;

struct Tab {
    CString text;
    int image = -1;
    LPARAM param = 0;
    DWORD state = 0;
};

class TabProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case TCM_GETITEMCOUNT:
            result = Count();
            return true;
        case TCM_INSERTITEM:
            result = Insert(static_cast<int>(wParam), reinterpret_cast<const TCITEM*>(lParam));
            return true;
        case TCM_DELETEITEM:
            result = Delete(window, static_cast<int>(wParam));
            return true;
        case TCM_DELETEALLITEMS:
            m_tabs.clear();
            m_selected = -1;
            ::InvalidateRect(window.handle, nullptr, TRUE);
            result = TRUE;
            return true;
        case TCM_GETITEM:
            result = GetItem(static_cast<int>(wParam), reinterpret_cast<TCITEM*>(lParam));
            return true;
        case TCM_SETITEM:
            result = SetItem(window, static_cast<int>(wParam), reinterpret_cast<const TCITEM*>(lParam));
            return true;
        case TCM_GETITEMRECT:
            result = ItemRect(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
            return true;
        case TCM_GETCURSEL:
            result = m_selected;
            return true;
        case TCM_SETCURSEL: {
            // A negative index leaves no tab selected.
            const int index = static_cast<int>(wParam);
            if (index >= Count()) {
                result = -1;
                return true;
            }
            result = m_selected;
            m_selected = std::max(index, -1);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        }
        case TCM_SETCURFOCUS: {
            // The focused tab is the selected one: chosen as a click chooses it, with its notifications.
            const int index = static_cast<int>(wParam);
            if (index >= 0 && index < Count() && index != m_selected) ChooseByPerson(window, index);
            result = 0;
            return true;
        }
        case TCM_HITTEST:
            result = HitTest(reinterpret_cast<TCHITTESTINFO*>(lParam));
            return true;
        case TCM_ADJUSTRECT:
            Adjust(wParam != 0, reinterpret_cast<RECT*>(lParam));
            return true;
        case TCM_SETIMAGELIST: {
            result = reinterpret_cast<LRESULT>(m_images);
            m_images = reinterpret_cast<HIMAGELIST>(lParam);
            return true;
        }
        case TCM_GETIMAGELIST:
            result = reinterpret_cast<LRESULT>(m_images);
            return true;
        case WM_PAINT:
            qelt::PaintTabControl(window.handle);
            return true;
        case WM_LBUTTONDOWN: {
            TCHITTESTINFO hit{{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, 0};
            const int index = HitTest(&hit);
            if (index >= 0 && index != m_selected) ChooseByPerson(window, index);
            return true;
        }
        default:
            return false;
        }
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        if (action.kind != qelt::UserAction::Kind::Tab) return qelt::ActionOutcome::NotApplicable();
        auto found = std::find_if(m_tabs.begin(), m_tabs.end(), [&](const Tab& tab) { return tab.text == action.text; });
        if (found == m_tabs.end()) return qelt::ActionOutcome::NotApplicable();
        RECT rect;
        ItemRect(static_cast<int>(found - m_tabs.begin()), &rect);
        return qelt::ClickAsPerson(window, CRect(rect).CenterPoint());
    }

private:
    int Count() const { return static_cast<int>(m_tabs.size()); }

    int Insert(int index, const TCITEM* item) {
        if (!item) {
            qelt::ReportMisuse("TCM_INSERTITEM without an item");
            return -1;
        }
        index = std::clamp(index, 0, Count());
        Tab tab;
        if (item->mask & TCIF_TEXT) tab.text = qelt::TextIn(item->pszText, "TCM_INSERTITEM");
        if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
        if (item->mask & TCIF_PARAM) tab.param = item->lParam;
        if (item->mask & TCIF_STATE) tab.state = item->dwState & item->dwStateMask;
        m_tabs.insert(m_tabs.begin() + index, tab);
        if (m_selected < 0) m_selected = 0;
        else if (m_selected >= index) ++m_selected;
        return index;
    }

    BOOL Delete(qelt::WindowRecord& window, int index) {
        if (index < 0 || index >= Count()) return FALSE;
        m_tabs.erase(m_tabs.begin() + index);
        if (m_selected == index) m_selected = -1;
        else if (m_selected > index) --m_selected;
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    BOOL GetItem(int index, TCITEM* item) const {
        if (!item || index < 0 || index >= Count()) return FALSE;
        const Tab& tab = m_tabs[static_cast<size_t>(index)];
        if (item->mask & TCIF_TEXT) qelt::CopyTextOut(tab.text.Str(), item->pszText, item->cchTextMax);
        if (item->mask & TCIF_IMAGE) item->iImage = tab.image;
        if (item->mask & TCIF_PARAM) item->lParam = tab.param;
        if (item->mask & TCIF_STATE) item->dwState = tab.state & item->dwStateMask;
        return TRUE;
    }

    BOOL SetItem(qelt::WindowRecord& window, int index, const TCITEM* item) {
        if (!item || index < 0 || index >= Count()) return FALSE;
        Tab& tab = m_tabs[static_cast<size_t>(index)];
        if (item->mask & TCIF_TEXT) tab.text = qelt::TextIn(item->pszText, "TCM_SETITEM");
        if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
        if (item->mask & TCIF_PARAM) tab.param = item->lParam;
        if (item->mask & TCIF_STATE) tab.state = (tab.state & ~item->dwStateMask) | (item->dwState & item->dwStateMask);
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    int TabWidth(const Tab& tab) const {
        int width = qelt::TextWidth(tab.text.Str()) + kTextPadding;
        int cx = 0, cy = 0;
        if (tab.image >= 0 && m_images && ImageList_GetIconSize(m_images, &cx, &cy)) width += cx + kImageGap;
        return width;
    }

    BOOL ItemRect(int index, RECT* rect) const {
        if (!rect) return FALSE;
        int left = kRowLeft;
        for (int i = 0; i < std::min(index, Count()); ++i) left += TabWidth(m_tabs[static_cast<size_t>(i)]);
        const bool exists = index >= 0 && index < Count();
        const int width = exists ? TabWidth(m_tabs[static_cast<size_t>(index)]) : 0;
        *rect = RECT{left, kRowTop, left + width, kRowTop + kRowHeight};
        return exists ? TRUE : FALSE;
    }

    int HitTest(TCHITTESTINFO* info) const {
        if (!info) return -1;
        info->flags = TCHT_NOWHERE;
        for (int i = 0; i < Count(); ++i) {
            RECT rect;
            ItemRect(i, &rect);
            if (CRect(rect).PtInRect(info->pt)) {
                info->flags = TCHT_ONITEM;
                return i;
            }
        }
        return -1;
    }

    static void Adjust(bool larger, RECT* rect) {
        if (!rect) return;
        const int top = kRowTop + kRowHeight + 2, sign = larger ? -1 : 1;
        rect->left += sign * kFrame;
        rect->right -= sign * kFrame;
        rect->bottom -= sign * kFrame;
        rect->top += sign * top;
    }

    void ChooseByPerson(qelt::WindowRecord& window, int index) {
        const HWND self = window.handle;
        NMHDR header{};
        if (qelt::SendNotify(window, header, TCN_SELCHANGING) != 0) return;
        if (!::IsWindow(self) || index >= Count()) return;
        m_selected = index;
        ::InvalidateRect(self, nullptr, TRUE);
        qelt::SendNotify(window, header, TCN_SELCHANGE);
    }

    std::vector<Tab> m_tabs;
    int m_selected = -1;
    HIMAGELIST m_images = nullptr;
};

const qelt::WindowClassRegistration kTabControlClass(WC_TABCONTROL, &qelt::MakeProcedure<TabProcedure>,
                                                     &qelt::MakeWrapper<CTabCtrl>);

}  // namespace

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CTabCtrl::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST)));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr))));
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem) {
    return static_cast<BOOL>(SendMessage(TCM_SETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }

int CTabCtrl::SetCurSel(int nItem) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem))); }

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem) {
    return static_cast<LONG>(SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0); }

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
    TCITEM item{};
    item.mask = nMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(nItem))); }

BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
    SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lpRect));
}

int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
    return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}
