#include "mfc/comctl/HeaderCtrl.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "mfc/comctl/CommonControl.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/WindowClass.h"

namespace {

struct HeaderItem {
    CString text;
    int width = 0;
    int format = HDF_LEFT | HDF_STRING;
    LPARAM param = 0;
    int image = -1;
    HBITMAP bitmap = nullptr;
};

class HeaderProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case HDM_GETITEMCOUNT:
            result = Count();
            return true;
        case HDM_INSERTITEM:
            result = Insert(static_cast<int>(wParam), reinterpret_cast<const HDITEM*>(lParam));
            return true;
        case HDM_DELETEITEM:
            result = Delete(static_cast<int>(wParam));
            return true;
        case HDM_GETITEM:
            result = GetItem(static_cast<int>(wParam), reinterpret_cast<HDITEM*>(lParam));
            return true;
        case HDM_SETITEM:
            result = SetItem(static_cast<int>(wParam), reinterpret_cast<const HDITEM*>(lParam));
            if (result) ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case HDM_GETITEMRECT:
            result = ItemRect(window, static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
            return true;
        case HDM_ORDERTOINDEX: {
            const int position = static_cast<int>(wParam);
            result = position >= 0 && position < Count() ? m_order[static_cast<size_t>(position)] : -1;
            return true;
        }
        case HDM_GETORDERARRAY:
            result = GetOrder(static_cast<int>(wParam), reinterpret_cast<int*>(lParam));
            return true;
        case HDM_SETORDERARRAY:
            result = SetOrder(static_cast<int>(wParam), reinterpret_cast<const int*>(lParam));
            if (result) ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case HDM_HITTEST:
            result = HitTest(window, reinterpret_cast<HDHITTESTINFO*>(lParam));
            return true;
        case HDM_SETIMAGELIST:
            result = reinterpret_cast<LRESULT>(m_images);
            m_images = reinterpret_cast<HIMAGELIST>(lParam);
            return true;
        case HDM_GETIMAGELIST:
            result = reinterpret_cast<LRESULT>(m_images);
            return true;
        case WM_PAINT:
            Paint(window);
            return true;
        case WM_LBUTTONDOWN: {
            HDHITTESTINFO hit{{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, 0, -1};
            if (HitTest(window, &hit) >= 0) {
                NMHEADER header{};
                header.iItem = hit.iItem;
                qelt::SendNotify(window, header.hdr, HDN_ITEMCLICK);
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    int Count() const { return static_cast<int>(m_items.size()); }

    int PositionOf(int index) const {
        return static_cast<int>(std::find(m_order.begin(), m_order.end(), index) - m_order.begin());
    }

    static void Apply(HeaderItem& item, const HDITEM& source, const char* caller) {
        if (source.mask & HDI_WIDTH) item.width = std::max(source.cxy, 0);
        if (source.mask & HDI_TEXT) item.text = qelt::TextIn(source.pszText, caller);
        if (source.mask & HDI_FORMAT) item.format = source.fmt;
        if (source.mask & HDI_LPARAM) item.param = source.lParam;
        if (source.mask & HDI_IMAGE) item.image = source.iImage;
        if (source.mask & HDI_BITMAP) item.bitmap = source.hbm;
    }

    // Moves item `index` to display position `position`.
    void MoveTo(int index, int position) {
        m_order.erase(m_order.begin() + PositionOf(index));
        position = std::clamp(position, 0, static_cast<int>(m_order.size()));
        m_order.insert(m_order.begin() + position, index);
    }

    int Insert(int index, const HDITEM* source) {
        if (!source) {
            qelt::ReportMisuse("HDM_INSERTITEM without an item");
            return -1;
        }
        index = std::clamp(index, 0, Count());
        HeaderItem item;
        Apply(item, *source, "HDM_INSERTITEM");
        m_items.insert(m_items.begin() + index, item);
        for (int& entry : m_order) {
            if (entry >= index) ++entry;
        }
        const int position = (source->mask & HDI_ORDER) ? source->iOrder : index;
        m_order.insert(m_order.begin() + std::clamp(position, 0, static_cast<int>(m_order.size())), index);
        return index;
    }

    BOOL Delete(int index) {
        if (index < 0 || index >= Count()) return FALSE;
        m_items.erase(m_items.begin() + index);
        m_order.erase(m_order.begin() + PositionOf(index));
        for (int& entry : m_order) {
            if (entry > index) --entry;
        }
        return TRUE;
    }

    BOOL GetItem(int index, HDITEM* target) const {
        if (!target || index < 0 || index >= Count()) return FALSE;
        const HeaderItem& item = m_items[static_cast<size_t>(index)];
        if (target->mask & HDI_WIDTH) target->cxy = item.width;
        if (target->mask & HDI_TEXT) qelt::CopyTextOut(item.text.Str(), target->pszText, target->cchTextMax);
        if (target->mask & HDI_FORMAT) target->fmt = item.format;
        if (target->mask & HDI_LPARAM) target->lParam = item.param;
        if (target->mask & HDI_IMAGE) target->iImage = item.image;
        if (target->mask & HDI_BITMAP) target->hbm = item.bitmap;
        if (target->mask & HDI_ORDER) target->iOrder = PositionOf(index);
        return TRUE;
    }

    BOOL SetItem(int index, const HDITEM* source) {
        if (!source || index < 0 || index >= Count()) return FALSE;
        Apply(m_items[static_cast<size_t>(index)], *source, "HDM_SETITEM");
        if (source->mask & HDI_ORDER) MoveTo(index, source->iOrder);
        return TRUE;
    }

    BOOL ItemRect(qelt::WindowRecord& window, int index, RECT* rect) const {
        if (!rect || index < 0 || index >= Count()) return FALSE;
        int left = 0;
        for (int position = 0; m_order[static_cast<size_t>(position)] != index; ++position) {
            left += m_items[static_cast<size_t>(m_order[static_cast<size_t>(position)])].width;
        }
        *rect = RECT{left, 0, left + m_items[static_cast<size_t>(index)].width, window.rect.Height()};
        return TRUE;
    }

    BOOL GetOrder(int count, int* order) const {
        if (!order || count != Count()) return FALSE;
        std::copy(m_order.begin(), m_order.end(), order);
        return TRUE;
    }

    BOOL SetOrder(int count, const int* order) {
        if (!order || count != Count()) return FALSE;
        std::vector<int> proposed(order, order + count), sorted = proposed, all(static_cast<size_t>(count));
        std::sort(sorted.begin(), sorted.end());
        std::iota(all.begin(), all.end(), 0);
        if (sorted != all) {
            qelt::ReportMisuse("HDM_SETORDERARRAY: the order does not name each of the %d items once", count);
            return FALSE;
        }
        m_order = proposed;
        return TRUE;
    }

    int HitTest(qelt::WindowRecord& window, HDHITTESTINFO* info) const {
        if (!info) return -1;
        info->flags = HHT_NOWHERE;
        info->iItem = -1;
        for (int index = 0; index < Count(); ++index) {
            RECT rect;
            ItemRect(window, index, &rect);
            if (CRect(rect).PtInRect(info->pt)) {
                info->flags = HHT_ONHEADER;
                info->iItem = index;
            }
        }
        return info->iItem;
    }

    // Each item a raised button face with its text, aligned as its format asks, in display order;
    // the rest of the header is bare face. The text takes the header's font, else its list's.
    void Paint(qelt::WindowRecord& window) {
        qelt::ControlPaintScope scope(window.handle);
        if (!scope.dc) return;
        HDC dc = scope.dc;
        qelt::FillSysColor(dc, scope.client, COLOR_3DFACE);
        HFONT font = reinterpret_cast<HFONT>(::SendMessage(window.handle, WM_GETFONT, 0, 0));
        if (!font && window.parent) font = reinterpret_cast<HFONT>(::SendMessage(window.parent->handle, WM_GETFONT, 0, 0));
        HGDIOBJ oldFont = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        for (int index : m_order) {
            RECT rect;
            ItemRect(window, index, &rect);
            CRect face(rect);
            if (face.IsRectEmpty()) continue;
            qelt::DrawEdge3D(dc, &face, false);
            const HeaderItem& item = m_items[static_cast<size_t>(index)];
            const int align = item.format & HDF_JUSTIFYMASK;
            face.DeflateRect(4, 0);
            ::DrawTextA(dc, item.text, item.text.GetLength(), &face,
                        (align == HDF_RIGHT ? DT_RIGHT : align == HDF_CENTER ? DT_CENTER : DT_LEFT) | DT_VCENTER |
                            DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        ::SelectObject(dc, oldFont);
    }

    std::vector<HeaderItem> m_items;
    std::vector<int> m_order;  // the item index at each display position
    HIMAGELIST m_images = nullptr;
};

const qelt::WindowClassRegistration kHeaderClass(WC_HEADER, &qelt::MakeProcedure<HeaderProcedure>,
                                                 &qelt::MakeWrapper<CHeaderCtrl>);

}  // namespace

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_HEADER, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }

int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi) {
    return static_cast<int>(SendMessage(HDM_INSERTITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(phdi)));
}

BOOL CHeaderCtrl::DeleteItem(int nPos) { return static_cast<BOOL>(SendMessage(HDM_DELETEITEM, static_cast<WPARAM>(nPos))); }

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const {
    return static_cast<BOOL>(SendMessage(HDM_GETITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem) {
    return static_cast<BOOL>(SendMessage(HDM_SETITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

int CHeaderCtrl::OrderToIndex(int nOrder) const {
    return static_cast<int>(SendMessage(HDM_ORDERTOINDEX, static_cast<WPARAM>(nOrder)));
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount) {
    if (iCount < 0) iCount = GetItemCount();
    return static_cast<BOOL>(SendMessage(HDM_GETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(piArray)));
}

BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray) {
    return static_cast<BOOL>(SendMessage(HDM_SETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(piArray)));
}

int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
    return static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo)));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr))));
}

CImageList* CHeaderCtrl::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(HDM_GETIMAGELIST)));
}
