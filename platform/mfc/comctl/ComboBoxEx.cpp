#include "mfc/comctl/ComboBoxEx.h"

#include <algorithm>
#include <vector>

#include "mfc/comctl/CommonControl.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/user/WindowClass.h"
#include "mfc/user/WindowManager.h"

namespace {

constexpr UINT kLastComboMessage = 0x0163;  // CB_GETCOMBOBOXINFO, the last of the combo-box messages

struct ItemImages {
    int image = 0;
    int selectedImage = 0;
    int overlay = 0;
    int indent = 0;
};

class ComboBoxExProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case CBEM_INSERTITEM:
            result = Insert(window, reinterpret_cast<const COMBOBOXEXITEM*>(lParam));
            return true;
        case CBEM_GETITEM:
            result = GetItem(window, reinterpret_cast<COMBOBOXEXITEM*>(lParam));
            return true;
        case CBEM_SETITEM:
            result = SetItem(window, reinterpret_cast<const COMBOBOXEXITEM*>(lParam));
            return true;
        case CBEM_SETIMAGELIST:
            result = reinterpret_cast<LRESULT>(m_images);
            m_images = reinterpret_cast<HIMAGELIST>(lParam);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case CBEM_GETIMAGELIST:
            result = reinterpret_cast<LRESULT>(m_images);
            return true;
        case CBEM_GETCOMBOCONTROL:
            result = reinterpret_cast<LRESULT>(Inner(window));
            return true;
        case CBEM_GETEDITCONTROL:
            result = 0;
            return true;
        case CB_ADDSTRING:
        case CB_INSERTSTRING:
        case CB_FINDSTRING:
            qelt::ReportMisuse("a ComboBoxEx takes items with CBEM_INSERTITEM and finds them with CB_FINDSTRINGEXACT");
            result = CB_ERR;
            return true;
        case CB_DELETESTRING:
            result = ::SendMessage(Inner(window), message, wParam, lParam);
            if (result != CB_ERR) m_itemImages.erase(m_itemImages.begin() + static_cast<std::ptrdiff_t>(wParam));
            return true;
        case CB_RESETCONTENT:
            m_itemImages.clear();
            result = ::SendMessage(Inner(window), message, wParam, lParam);
            return true;
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            result = ::SendMessage(Inner(window), message, wParam, lParam);
            return true;
        case WM_COMMAND:
            // The child's notifications are the ComboBoxEx's own.
            if (reinterpret_cast<HWND>(lParam) == m_inner) qelt::NotifyParent(window, HIWORD(wParam));
            return true;
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!draw || draw->hwndItem != m_inner) return false;
            DrawItem(*draw);
            result = TRUE;
            return true;
        }
        case WM_SETFOCUS:
            ::SetFocus(Inner(window));
            return true;
        case WM_ENABLE:
            ::EnableWindow(Inner(window), static_cast<BOOL>(wParam));
            return false;
        case WM_SIZE: {
            CRect client;
            ::GetClientRect(window.handle, &client);
            ::MoveWindow(Inner(window), 0, 0, client.Width(), client.Height(), TRUE);
            return false;
        }
        default:
            if (message >= CB_GETEDITSEL && message <= kLastComboMessage) {
                result = ::SendMessage(Inner(window), message, wParam, lParam);
                return true;
            }
            return false;
        }
    }

    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        std::shared_ptr<qelt::WindowRecord> inner = qelt::HoldWindow(Inner(window));
        if (!inner) return qelt::ActionOutcome::NotApplicable();
        return inner->procedure->ApplyUserAction(*inner, action);
    }

private:
    // The child combo box, made when first needed.
    HWND Inner(qelt::WindowRecord& window) {
        if (m_inner && ::IsWindow(m_inner)) return m_inner;
        CREATESTRUCT cs{};
        cs.lpszClass = "ComboBox";
        // As on the platform the child is drawn by the ComboBoxEx: each item its image, then its text.
        cs.style = static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_VSCROLL | (window.style & 0x0003) | CBS_AUTOHSCROLL |
                                     CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
        cs.hwndParent = window.handle;
        cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(window.id));
        CRect client;
        ::GetClientRect(window.handle, &client);
        cs.cx = client.Width();
        cs.cy = client.Height();
        m_inner = qelt::CreateWindowFor(cs, nullptr);
        return m_inner;
    }

    int Count(qelt::WindowRecord& window) { return static_cast<int>(::SendMessage(Inner(window), CB_GETCOUNT, 0, 0)); }

    int Insert(qelt::WindowRecord& window, const COMBOBOXEXITEM* item) {
        if (!item) {
            qelt::ReportMisuse("CBEM_INSERTITEM without an item");
            return -1;
        }
        const int count = Count(window);
        const int index = item->iItem < 0 ? count : static_cast<int>(std::min<INT_PTR>(item->iItem, count));
        const CString text = (item->mask & CBEIF_TEXT) ? qelt::TextIn(item->pszText, "CBEM_INSERTITEM") : CString();
        const int inserted = static_cast<int>(::SendMessage(Inner(window), CB_INSERTSTRING, static_cast<WPARAM>(index),
                                                            reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text))));
        if (inserted < 0) return -1;
        ItemImages images;
        Apply(images, *item);
        m_itemImages.insert(m_itemImages.begin() + inserted, images);
        if (item->mask & CBEIF_LPARAM) ::SendMessage(Inner(window), CB_SETITEMDATA, static_cast<WPARAM>(inserted), item->lParam);
        return inserted;
    }

    static void Apply(ItemImages& images, const COMBOBOXEXITEM& item) {
        if (item.mask & CBEIF_IMAGE) images.image = item.iImage;
        if (item.mask & CBEIF_SELECTEDIMAGE) images.selectedImage = item.iSelectedImage;
        if (item.mask & CBEIF_OVERLAY) images.overlay = item.iOverlay;
        if (item.mask & CBEIF_INDENT) images.indent = item.iIndent;
    }

    // The item's index (-1: the selected one); -1 when there is no such item.
    int IndexOf(qelt::WindowRecord& window, INT_PTR index) {
        if (index == -1) index = ::SendMessage(Inner(window), CB_GETCURSEL, 0, 0);
        return index >= 0 && index < static_cast<INT_PTR>(m_itemImages.size()) ? static_cast<int>(index) : -1;
    }

    BOOL GetItem(qelt::WindowRecord& window, COMBOBOXEXITEM* item) {
        if (!item) return FALSE;
        const int index = IndexOf(window, item->iItem);
        if (index < 0) return FALSE;
        const HWND inner = Inner(window);
        if (item->mask & CBEIF_TEXT) {
            CString text;
            const int length = static_cast<int>(::SendMessage(inner, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
            ::SendMessage(inner, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.GetBufferSetLength(length)));
            text.ReleaseBuffer(length);
            qelt::CopyTextOut(text.Str(), item->pszText, item->cchTextMax);
        }
        const ItemImages& images = m_itemImages[static_cast<size_t>(index)];
        if (item->mask & CBEIF_IMAGE) item->iImage = images.image;
        if (item->mask & CBEIF_SELECTEDIMAGE) item->iSelectedImage = images.selectedImage;
        if (item->mask & CBEIF_OVERLAY) item->iOverlay = images.overlay;
        if (item->mask & CBEIF_INDENT) item->iIndent = images.indent;
        if (item->mask & CBEIF_LPARAM) item->lParam = ::SendMessage(inner, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
        return TRUE;
    }

    BOOL SetItem(qelt::WindowRecord& window, const COMBOBOXEXITEM* item) {
        if (!item) return FALSE;
        const int index = IndexOf(window, item->iItem);
        if (index < 0) return FALSE;
        const HWND inner = Inner(window);
        if (item->mask & CBEIF_TEXT) {
            // A combo box cannot rename an item: it goes and comes back with its data and selection.
            const LRESULT data = ::SendMessage(inner, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
            const bool selected = ::SendMessage(inner, CB_GETCURSEL, 0, 0) == index;
            const CString text = qelt::TextIn(item->pszText, "CBEM_SETITEM");
            ::SendMessage(inner, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
            ::SendMessage(inner, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
            ::SendMessage(inner, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
            if (selected) ::SendMessage(inner, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        }
        Apply(m_itemImages[static_cast<size_t>(index)], *item);
        if (item->mask & CBEIF_LPARAM) ::SendMessage(inner, CB_SETITEMDATA, static_cast<WPARAM>(index), item->lParam);
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    // An item of the child combo box: the highlight of a focused selection field, the item's image
    // (its selected image there) centred on the row after its indent, then its text.
    void DrawItem(const DRAWITEMSTRUCT& draw) {
        CRect row = draw.rcItem;
        const bool highlighted = (draw.itemState & ODS_SELECTED) != 0;
        qelt::FillSysColor(draw.hDC, row, highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        const int index = static_cast<int>(draw.itemID);
        if (index < 0 || index >= static_cast<int>(m_itemImages.size())) return;
        const ItemImages& images = m_itemImages[static_cast<size_t>(index)];
        int left = row.left + 2 + images.indent * 10;
        const int image = (draw.itemState & ODS_COMBOBOXEDIT) ? images.selectedImage : images.image;
        int cx = 0, cy = 0;
        if (m_images && image >= 0 && image < ImageList_GetImageCount(m_images) && ImageList_GetIconSize(m_images, &cx, &cy)) {
            ImageList_Draw(m_images, image, draw.hDC, left, row.top + (row.Height() - cy) / 2, ILD_TRANSPARENT);
            left += cx + 4;
        }
        CString text;
        const int length = static_cast<int>(::SendMessage(m_inner, CB_GETLBTEXTLEN, draw.itemID, 0));
        if (length <= 0) return;
        ::SendMessage(m_inner, CB_GETLBTEXT, draw.itemID, reinterpret_cast<LPARAM>(text.GetBufferSetLength(length)));
        text.ReleaseBuffer(length);
        ::SetBkMode(draw.hDC, TRANSPARENT);
        ::SetTextColor(draw.hDC, ::GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT textRect{left, row.top, row.right, row.bottom};
        qelt::DrawWindowText(draw.hDC, m_inner, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }

    HWND m_inner = nullptr;
    std::vector<ItemImages> m_itemImages;
    HIMAGELIST m_images = nullptr;
};

const qelt::WindowClassRegistration kComboBoxExClass(WC_COMBOBOXEX, &qelt::MakeProcedure<ComboBoxExProcedure>,
                                                     &qelt::MakeWrapper<CComboBoxEx>);

}  // namespace

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_COMBOBOXEX, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* pCBItem) {
    return static_cast<int>(SendMessage(CBEM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

int CComboBoxEx::DeleteItem(int iIndex) {
    return static_cast<int>(SendMessage(CBEM_DELETEITEM, static_cast<WPARAM>(iIndex)));
}

BOOL CComboBoxEx::GetItem(COMBOBOXEXITEM* pCBItem) {
    return static_cast<BOOL>(SendMessage(CBEM_GETITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

BOOL CComboBoxEx::SetItem(const COMBOBOXEXITEM* pCBItem) {
    return static_cast<BOOL>(SendMessage(CBEM_SETITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

CImageList* CComboBoxEx::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr))));
}

CImageList* CComboBoxEx::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(CBEM_GETIMAGELIST)));
}

CComboBox* CComboBoxEx::GetComboBoxCtrl() {
    return static_cast<CComboBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(CBEM_GETCOMBOCONTROL))));
}

CEdit* CComboBoxEx::GetEditCtrl() {
    return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(CBEM_GETEDITCONTROL))));
}
