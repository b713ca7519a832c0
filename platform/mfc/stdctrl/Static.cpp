#include "mfc/stdctrl/Static.h"

#include "mfc/gdi/GdiApi.h"
#include "mfc/stdctrl/StaticPaint.h"
#include "mfc/user/ResourceTables.h"
#include "mfc/user/WindowClass.h"

namespace {

class StaticProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case WM_CREATE:
            LoadTemplateImage(window, *reinterpret_cast<const CREATESTRUCT*>(lParam));
            return false;
        case WM_NCDESTROY:
            if (m_ownedBitmap) ::DeleteObject(m_ownedBitmap);
            m_ownedBitmap = nullptr;
            return false;
        case STM_SETIMAGE:
            result = Swap(ImageSlot(wParam), reinterpret_cast<HANDLE>(lParam));
            ::InvalidateRect(window.handle, nullptr, TRUE);
            // The image given back is the caller's to delete, the template's bitmap included.
            if (result && reinterpret_cast<HANDLE>(result) == m_ownedBitmap) m_ownedBitmap = nullptr;
            return true;
        case STM_GETIMAGE:
            result = reinterpret_cast<LRESULT>(ImageSlot(wParam));
            return true;
        case STM_SETICON:
            result = Swap(m_icon, reinterpret_cast<HANDLE>(wParam));
            return true;
        case STM_GETICON:
            result = reinterpret_cast<LRESULT>(m_icon);
            return true;
        case WM_GETDLGCODE:
            result = DLGC_STATIC;
            return true;
        case WM_PAINT:
            qelt::PaintStatic(window.handle, static_cast<HBITMAP>(m_bitmap));
            return true;
        default:
            return false;
        }
    }

private:
    // A bitmap static of a dialog template shows the bitmap that its template names, from the
    // module that holds the template; the static deletes it when it goes.
    void LoadTemplateImage(const qelt::WindowRecord& window, const CREATESTRUCT& cs) {
        const auto* item = static_cast<const qelt::res::DialogItem*>(cs.lpCreateParams);
        if (!item || (window.style & SS_TYPEMASK) != SS_BITMAP || (!item->image.name && !item->image.number)) return;
        LPCTSTR name = item->image.name ? item->image.name : MAKEINTRESOURCE(item->image.number);
        m_ownedBitmap = ::LoadBitmap(cs.hInstance, name);
        m_bitmap = m_ownedBitmap;
    }

    HANDLE& ImageSlot(WPARAM type) { return type == IMAGE_BITMAP ? m_bitmap : type == IMAGE_ICON ? m_icon : m_other; }

    static LRESULT Swap(HANDLE& slot, HANDLE value) {
        HANDLE previous = slot;
        slot = value;
        return reinterpret_cast<LRESULT>(previous);
    }

    HANDLE m_bitmap = nullptr;
    HBITMAP m_ownedBitmap = nullptr;
    HANDLE m_icon = nullptr;
    HANDLE m_other = nullptr;
};

const qelt::WindowClassRegistration kStaticClass("Static", &qelt::MakeProcedure<StaticProcedure>,
                                                 &qelt::MakeWrapper<CStatic>);

}  // namespace

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Static", lpszText, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0)); }

HICON CStatic::SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
}

HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON, 0, 0)); }
