#include "mfc/user/WindowDC.h"

#include <algorithm>
#include <map>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiDeviceContext.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/WindowManager.h"
#include "mfc/user/Wnd.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)

using namespace qelt::gdi;

namespace {

std::map<HWND, std::shared_ptr<Recording>>& Recordings() {
    static auto* recordings = new std::map<HWND, std::shared_ptr<Recording>>();
    return *recordings;
}

// The recording of a window, made on first use; those of windows that are gone are dropped.
std::shared_ptr<Recording> RecordingOf(HWND window) {
    for (auto it = Recordings().begin(); it != Recordings().end();)
        it = ::IsWindow(it->first) ? std::next(it) : Recordings().erase(it);
    std::shared_ptr<Recording>& recording = Recordings()[window];
    if (!recording) recording = std::make_shared<Recording>();
    return recording;
}

// Whether what a record drew lies wholly inside area (its clip taken into account).
bool LiesWithin(const Record& record, const RECT& area) {
    Bounds extent = RecordExtent(record);
    if (record.clip) {
        const RECT clip = record.clip->Box();
        extent.left = std::max(extent.left, static_cast<double>(clip.left));
        extent.top = std::max(extent.top, static_cast<double>(clip.top));
        extent.right = std::min(extent.right, static_cast<double>(clip.right));
        extent.bottom = std::min(extent.bottom, static_cast<double>(clip.bottom));
    }
    return extent.empty || extent.right <= extent.left || extent.bottom <= extent.top ||
           (extent.left >= area.left && extent.top >= area.top && extent.right <= area.right &&
            extent.bottom <= area.bottom);
}

// An erased area is painted anew: what was drawn wholly inside it can no longer be seen, so it is
// dropped and a window repainted again and again keeps a recording of one painting's size.
void ForgetDrawingIn(HWND window, const RECT& area) {
    std::vector<Record>& records = RecordingOf(window)->records;
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&area](const Record& record) { return LiesWithin(record, area); }),
                  records.end());
}

HWND HandleOf(CWnd* window) { return window ? window->GetSafeHwnd() : nullptr; }

}  // namespace

std::shared_ptr<const Recording> qelt::gdi::WindowRecording(HWND window) {
    auto it = Recordings().find(window);
    return it == Recordings().end() || !::IsWindow(window) ? nullptr : it->second;
}

HDC GetDC(HWND window) {
    auto dc = std::make_unique<DeviceContext>();
    if (window) {
        if (!::IsWindow(window)) return nullptr;  // the window manager reported it
        RECT client{0, 0, 0, 0};
        ::GetClientRect(window, &client);
        dc->kind = DcKind::Window;
        dc->window = window;
        dc->recording = RecordingOf(window);
        dc->width = static_cast<int>(client.right - client.left);
        dc->height = static_cast<int>(client.bottom - client.top);
    }
    return AddDc(std::move(dc));
}

HDC GetWindowDC(HWND window) { return GetDC(window); }

int ReleaseDC(HWND window, HDC hdc) {
    DeviceContext* dc = CheckDc(hdc, "ReleaseDC");
    if (!dc) return 0;
    if (dc->window != window || dc->kind == DcKind::Memory || dc->kind == DcKind::Metafile) {
        qelt::ReportMisuse("ReleaseDC: the device context does not belong to that window");
        return 0;
    }
    RemoveDc(hdc);
    ForgetTemporaryDc(hdc);
    return 1;
}

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    if (!paint) {
        qelt::ReportMisuse("BeginPaint: no PAINTSTRUCT");
        return nullptr;
    }
    *paint = PAINTSTRUCT{};
    RECT area{0, 0, 0, 0};
    BOOL erase = FALSE;
    if (!qelt::TakeInvalidArea(window, &area, &erase)) return nullptr;
    if (erase) ForgetDrawingIn(window, area);
    HDC hdc = GetDC(window);
    if (!hdc) return nullptr;
    FindDc(hdc)->state.clip = std::make_shared<const Region>(Region::FromRect(area.left, area.top, area.right, area.bottom));
    paint->hdc = hdc;
    paint->rcPaint = area;
    // The background is erased first; the flag tells the painter when nobody did.
    paint->fErase = erase && !::SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    return hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) {
        qelt::ReportMisuse("EndPaint: no PAINTSTRUCT");
        return FALSE;
    }
    return ReleaseDC(window, paint->hdc) != 0;
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(HandleOf(window)) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* window) : m_hWnd(HandleOf(window)) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* window) : m_ps(), m_hWnd(HandleOf(window)) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    if (m_hDC) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC) {
        qelt::ReportMisuse("CWnd::ReleaseDC: no device context");
        return 0;
    }
    return ::ReleaseDC(m_hWnd, pDC->m_hDC);
}
