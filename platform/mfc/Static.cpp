#include "mfc/Static.h"

#include "mfc/WindowClass.h"

namespace {

class StaticProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord&, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case STM_SETIMAGE:
            result = Swap(ImageSlot(wParam), reinterpret_cast<HANDLE>(lParam));
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
        default:
            return false;
        }
    }

private:
    HANDLE& ImageSlot(WPARAM type) { return type == IMAGE_BITMAP ? m_bitmap : type == IMAGE_ICON ? m_icon : m_other; }

    static LRESULT Swap(HANDLE& slot, HANDLE value) {
        HANDLE previous = slot;
        slot = value;
        return reinterpret_cast<LRESULT>(previous);
    }

    HANDLE m_bitmap = nullptr;
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
