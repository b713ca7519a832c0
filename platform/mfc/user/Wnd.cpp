#include "mfc/user/Wnd.h"

#include <algorithm>

#include "mfc/user/DataExchange.h"
#include "mfc/gdi/DC.h"
#include "mfc/gdi/GdiObjects.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/Resources.h"
#include "mfc/user/WindowManager.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(nullptr) {}

CWnd::CWnd(HWND place) : m_hWnd(place) {}

CWnd::~CWnd() {
    if (this == &wndTop || this == &wndBottom || this == &wndTopMost || this == &wndNoTopMost) return;
    qelt::WindowRecord* window = qelt::LookupWindow(m_hWnd);
    if (window && window->permanent == this) ::DestroyWindow(m_hWnd);
}

bool CWnd::HasWindow(const char* caller) const {
    if (m_hWnd && ::IsWindow(m_hWnd)) return true;
    qelt::ReportMisuse("CWnd::%s on an object without a window (%s)", caller, GetRuntimeClass()->m_lpszClassName);
    return false;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    qelt::WindowRecord* window = qelt::LookupWindow(hWnd);
    if (!window) return nullptr;
    if (window->permanent) return window->permanent;
    if (!window->temporary) {
        const qelt::WindowClass* windowClass = qelt::FindWindowClass(window->className.c_str());
        window->temporary = windowClass ? windowClass->makeWrapper() : std::make_unique<CWnd>();
        window->temporary->m_hWnd = hWnd;
    }
    return window->temporary.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    qelt::WindowRecord* window = qelt::LookupWindow(hWnd);
    return window ? window->permanent : nullptr;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    if (m_hWnd) {
        qelt::ReportMisuse("CWnd::CreateEx on an object that already has a window");
        return FALSE;
    }
    CREATESTRUCT cs{};
    cs.lpCreateParams = lpParam;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs)) return FALSE;
    return qelt::CreateWindowFor(cs, this) ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow() {
    if (!HasWindow("DestroyWindow")) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    qelt::WindowRecord* window = qelt::RequireWindow(hWnd, "CWnd::SubclassWindow");
    if (!window) return FALSE;
    if (m_hWnd) {
        qelt::ReportMisuse("CWnd::SubclassWindow on an object that already has a window");
        return FALSE;
    }
    if (window->permanent) {
        qelt::ReportMisuse("CWnd::SubclassWindow: window %d already belongs to a %s", static_cast<int>(window->id),
                           window->permanent->GetRuntimeClass()->m_lpszClassName);
        return FALSE;
    }
    window->permanent = this;
    m_hWnd = hWnd;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent || !pParent->HasWindow("SubclassDlgItem")) return FALSE;
    HWND control = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    if (!control) {
        qelt::ReportMisuse("CWnd::SubclassDlgItem: no control %u", nID);
        return FALSE;
    }
    return SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    qelt::WindowRecord* window = qelt::LookupWindow(m_hWnd);
    if (!window || window->permanent != this) {
        qelt::ReportMisuse("CWnd::UnsubclassWindow on an object that has not subclassed a window");
        return nullptr;
    }
    window->permanent = nullptr;
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
}

CWnd* CWnd::GetParent() const {
    if (!HasWindow("GetParent")) return nullptr;
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetTopLevelParent() const {
    if (!HasWindow("GetTopLevelParent")) return nullptr;
    HWND top = m_hWnd;
    for (HWND up = ::GetParent(top); up; up = ::GetParent(top)) top = up;
    return FromHandle(top);
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
    if (!HasWindow("GetWindow")) return nullptr;
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetDlgItem(int nID) const {
    if (!HasWindow("GetDlgItem")) return nullptr;
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgCtrlID() const {
    if (!HasWindow("GetDlgCtrlID")) return 0;
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID) {
    if (!HasWindow("SetDlgCtrlID")) return 0;
    return static_cast<int>(::SetWindowLong(m_hWnd, GWL_ID, nID));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
    if (!HasWindow("IsChild") || !pWnd) return FALSE;
    return ::IsChild(m_hWnd, pWnd->m_hWnd);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
    if (!HasWindow("GetNextDlgTabItem")) return nullptr;
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
    if (!HasWindow("GetNextDlgGroupItem")) return nullptr;
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!HasWindow("SendMessage")) return 0;
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!HasWindow("PostMessage")) return FALSE;
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() { return qelt::CurrentMessage(); }

void CWnd::SetWindowText(LPCTSTR lpszString) {
    if (HasWindow("SetWindowText")) ::SetWindowText(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    if (!HasWindow("GetWindowText")) return 0;
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
    rString.Empty();
    if (!HasWindow("GetWindowText")) return;
    int length = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(length), length + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const {
    if (!HasWindow("GetWindowTextLength")) return 0;
    return ::GetWindowTextLength(m_hWnd);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
    if (HasWindow("SetDlgItemText")) ::SetDlgItemText(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
    if (!HasWindow("GetDlgItemText")) return 0;
    return static_cast<int>(::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    if (!HasWindow("GetDlgItemText")) return 0;
    HWND control = ::GetDlgItem(m_hWnd, nID);
    if (!control) {
        qelt::ReportMisuse("CWnd::GetDlgItemText: no control %d", nID);
        return 0;
    }
    FromHandle(control)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
    if (HasWindow("SetDlgItemInt")) ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    if (!HasWindow("GetDlgItemInt")) {
        if (lpTrans) *lpTrans = FALSE;
        return 0;
    }
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (HasWindow("CheckDlgButton")) ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    if (!HasWindow("IsDlgButtonChecked")) return 0;
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    if (HasWindow("CheckRadioButton")) ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) {
    if (!HasWindow("GetCheckedRadioButton")) return 0;
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (::GetDlgItem(m_hWnd, id) && ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
    }
    return 0;
}

DWORD CWnd::GetStyle() const {
    if (!HasWindow("GetStyle")) return 0;
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    if (!HasWindow("GetExStyle")) return 0;
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD style = static_cast<DWORD>(::GetWindowLong(hWnd, index));
    DWORD changed = (style & ~dwRemove) | dwAdd;
    if (changed == style) return FALSE;
    ::SetWindowLong(hWnd, index, static_cast<LONG>(changed));
    if (nFlags) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    if (!HasWindow("ModifyStyle")) return FALSE;
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    if (!HasWindow("ModifyStyleEx")) return FALSE;
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::SetLayeredWindowAttributes(COLORREF crKey, BYTE bAlpha, DWORD dwFlags) {
    if (!HasWindow("SetLayeredWindowAttributes")) return FALSE;
    return ::SetLayeredWindowAttributes(m_hWnd, crKey, bAlpha, dwFlags);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    if (HasWindow("MoveWindow")) ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    if (!lpRect) {
        qelt::ReportMisuse("CWnd::MoveWindow with a null rectangle");
        return;
    }
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    if (!HasWindow("SetWindowPos")) return FALSE;
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (HasWindow("GetWindowRect")) ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    if (HasWindow("GetClientRect")) ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    if (HasWindow("ScreenToClient")) ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    if (!HasWindow("ScreenToClient") || !lpRect) return;
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    if (HasWindow("ClientToScreen")) ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    if (!HasWindow("ClientToScreen") || !lpRect) return;
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    if (!HasWindow("CenterWindow")) return;
    const bool child = (GetStyle() & WS_CHILD) != 0;
    CRect area(0, 0, qelt::metrics::kScreenWidth, qelt::metrics::kScreenHeight);
    HWND over = pAlternateOwner ? pAlternateOwner->m_hWnd : (child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    if (over && child && !pAlternateOwner) {
        ::GetClientRect(over, &area);
        ::ClientToScreen(over, reinterpret_cast<LPPOINT>(&area.left));
        ::ClientToScreen(over, reinterpret_cast<LPPOINT>(&area.right));
    } else if (over && ::IsWindowVisible(over)) {
        ::GetWindowRect(over, &area);
    }
    CRect window;
    ::GetWindowRect(m_hWnd, &window);
    CPoint topLeft(area.CenterPoint().x - window.Width() / 2, area.CenterPoint().y - window.Height() / 2);
    if (!child) {
        topLeft.x = std::max(0, std::min<int>(topLeft.x, qelt::metrics::kScreenWidth - window.Width()));
        topLeft.y = std::max(0, std::min<int>(topLeft.y, qelt::metrics::kScreenHeight - window.Height()));
    } else {
        ::ScreenToClient(::GetParent(m_hWnd), &topLeft);
    }
    ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (!HasWindow("ShowWindow")) return FALSE;
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const {
    if (!HasWindow("IsWindowVisible")) return FALSE;
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (!HasWindow("EnableWindow")) return FALSE;
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    if (!HasWindow("IsWindowEnabled")) return FALSE;
    return ::IsWindowEnabled(m_hWnd);
}

CWnd* CWnd::SetFocus() {
    if (!HasWindow("SetFocus")) return nullptr;
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

void CWnd::SetRedraw(BOOL bRedraw) {
    if (HasWindow("SetRedraw")) ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (!HasWindow("SetIcon")) return nullptr;
    return reinterpret_cast<HICON>(
        ::SendMessage(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
    if (!HasWindow("GetIcon")) return nullptr;
    return reinterpret_cast<HICON>(::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    if (HasWindow("SetFont")) {
        ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
    }
}

CFont* CWnd::GetFont() const {
    if (!HasWindow("GetFont")) return nullptr;
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::Invalidate(BOOL bErase) {
    if (HasWindow("Invalidate")) ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    if (HasWindow("InvalidateRect")) ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect) {
    if (HasWindow("ValidateRect")) ::ValidateRect(m_hWnd, lpRect);
}

void CWnd::UpdateWindow() {
    if (HasWindow("UpdateWindow")) ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, UINT flags) {
    if (!HasWindow("RedrawWindow")) return FALSE;
    return ::RedrawWindow(m_hWnd, lpRectUpdate, nullptr, flags);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase) {
    if (!HasWindow("GetUpdateRect")) return FALSE;
    return ::GetUpdateRect(m_hWnd, lpRect, bErase);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    if (!HasWindow("UpdateData")) return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const qelt::DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    m_bContinueModal = FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

namespace {

// The control that a message from a child concerns, for the messages that are reflected to it.
HWND ChildOfMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: return lParam ? reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM: return ::GetDlgItem(parent, static_cast<int>(wParam));
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lParam);
    default: return nullptr;
    }
}

// Hands a message that a parent received to the child's permanent object.
BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    CWnd* object = CWnd::FromHandlePermanent(child);
    if (!object) return FALSE;
    LRESULT ignored = 0;
    return object->OnChildNotify(message, wParam, lParam, pResult ? pResult : &ignored);
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        if (!lParam) return FALSE;
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result)) return FALSE;
        *pResult = result;
        return TRUE;
    }
    const bool controlColor = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(controlColor ? WM_CTLCOLOR : message, 0, 0)) {
        LRESULT result = 0;
        if (entry->pfn(this, message, wParam, lParam, &result)) {
            *pResult = result;
            return TRUE;
        }
    }
    if (HWND child = ChildOfMessage(m_hWnd, message, wParam, lParam)) {
        return ReflectToChild(child, message, wParam, lParam, pResult);
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!HasWindow("DefWindowProc")) return 0;
    return ::CallWindowClass(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control && ReflectToChild(control, WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom && ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
    if (!entry) return FALSE;
    return entry->pfn(this, WM_NOTIFY, wParam, lParam, pResult) ? TRUE : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT code = 0;
    if (message == WM_COMMAND) code = HIWORD(wParam);
    else if (message == WM_NOTIFY && lParam) code = reinterpret_cast<NMHDR*>(lParam)->code;
    else return FALSE;
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_REFLECT_BASE + message, code, 0);
    if (!entry) return FALSE;
    LRESULT ignored = 0;
    return entry->pfn(this, WM_REFLECT_BASE + message, wParam, lParam, pResult ? pResult : &ignored) ? TRUE : FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    const MSG* current = qelt::CurrentMessage();
    if (!current) return FALSE;
    return ReflectToChild(hWndChild, current->message, current->wParam, current->lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }
void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}
void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::Default() {
    const MSG* current = qelt::CurrentMessage();
    if (!current || current->hwnd != m_hWnd) {
        qelt::ReportMisuse("CWnd::Default outside the handling of a message of this window");
        return 0;
    }
    return DefWindowProc(current->message, current->wParam, current->lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }

void CWnd::OnHelp() {
    HWND hWnd = ::GetFocus();
    if (!hWnd || (hWnd != m_hWnd && !::IsChild(m_hWnd, hWnd))) hWnd = m_hWnd;
    for (; hWnd; hWnd = ::GetParent(hWnd))
        if (::SendMessage(hWnd, WM_COMMANDHELP, 0, 0)) return;
}
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
    LRESULT result = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &result)) return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnTimer(UINT_PTR) { Default(); }

void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    const MSG* current = qelt::CurrentMessage();
    if (!current || !ReflectLastMsg(reinterpret_cast<HWND>(current->lParam))) Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    const MSG* current = qelt::CurrentMessage();
    if (!current || !ReflectLastMsg(reinterpret_cast<HWND>(current->lParam))) Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!lpDrawItemStruct || !ReflectLastMsg(lpDrawItemStruct->hwndItem)) Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT) {
    HWND control = ::GetDlgItem(m_hWnd, nIDCtl);
    if (!control || !ReflectLastMsg(control)) Default();
}

void CWnd::OnNcDestroy() {
    Default();
    qelt::WindowRecord* window = qelt::LookupWindow(m_hWnd);
    if (window && window->permanent == this) window->permanent = nullptr;
    m_hWnd = nullptr;
    PostNcDestroy();
}

BOOL AfxRegisterClass(WNDCLASS* lpWndClass) {
    if (!lpWndClass) return FALSE;
    WNDCLASS existing{};
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing)) return TRUE;
    return ::RegisterClass(lpWndClass) != 0;
}
