#include "mfc/user/Dialog.h"

#include "mfc/user/DialogManager.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/GbkText.h"
#include "mfc/user/Resources.h"
#include "mfc/user/WinApp.h"
#include "mfc/user/WindowManager.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
}

CDialog::~CDialog() {
    if (m_hWnd && ::IsWindow(m_hWnd) && CWnd::FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    if (m_hWnd) {
        qelt::ReportMisuse("CDialog::Create on a dialog that already has a window");
        return FALSE;
    }
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    if (pParentWnd) m_pParentWnd = pParentWnd;
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return qelt::CreateDialogFromTemplate(*this, lpszTemplateName, parent) ? TRUE : FALSE;
}

namespace {

// The window a modal dialog belongs to: the top-level window of its parent, else the innermost
// running modal dialog, else the application's main window.
HWND ModalOwner(CWnd* parent) {
    HWND owner = parent ? parent->m_hWnd : nullptr;
    if (!owner) {
        CWnd* top = qelt::TopModalWindow();
        if (!top) top = AfxGetMainWnd();
        owner = top ? top->m_hWnd : nullptr;
    }
    while (owner && (::GetWindowLong(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
    return owner;
}

}  // namespace

INT_PTR CDialog::DoModal() {
    if (m_hWnd) {
        qelt::ReportMisuse("CDialog::DoModal on a dialog that already has a window");
        return -1;
    }
    if (!m_lpszTemplateName) {
        qelt::ReportMisuse("CDialog::DoModal without a dialog template");
        return -1;
    }
    HWND owner = ModalOwner(m_pParentWnd);
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    HWND focusBefore = ::GetFocus();
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    int result = -1;
    if (qelt::CreateDialogFromTemplate(*this, m_lpszTemplateName, owner)) {
        result = m_bContinueModal ? RunModalLoop() : m_nModalResult;
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
    }
    if (disableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
    if (m_hWnd) DestroyWindow();
    if (focusBefore && ::IsWindow(focusBefore)) ::SetFocus(focusBefore);
    return result;
}

void CDialog::EndDialog(int nResult) {
    if (m_bContinueModal) EndModalLoop(nResult);
    else if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::ExecuteDlgInit(LPCTSTR lpszResourceName) {
    const qelt::res::DialogTemplate* tmpl =
        qelt::FindDialogTemplate(AfxFindResourceHandle(lpszResourceName, RT_DIALOG), lpszResourceName);
    if (!tmpl) return TRUE;
    for (int i = 0; i < tmpl->initCount; ++i) {
        const qelt::res::DialogInitEntry& entry = tmpl->init[i];
        HWND control = ::GetDlgItem(m_hWnd, entry.controlId);
        if (!control) {
            qelt::ReportMisuse("list entry for control %d, which dialog %s does not have", entry.controlId,
                               qelt::DescribeResourceName(lpszResourceName).Str().c_str());
            return FALSE;
        }
        char className[32];
        ::GetClassName(control, className, sizeof className);
        const UINT add = qelt::gbk::CompareNoCase(className, "ListBox") == 0 ? LB_ADDSTRING : CB_ADDSTRING;
        ::SendMessage(control, add, 0, reinterpret_cast<LPARAM>(entry.text));
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    if (m_lpszTemplateName && !ExecuteDlgInit(m_lpszTemplateName)) return FALSE;
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam) {
    if (lParam == 0 && m_nIDHelp != 0) lParam = HID_BASE_RESOURCE + m_nIDHelp;
    if (lParam == 0) return FALSE;
    if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (!pMsg || !m_hWnd) return FALSE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}

void CDialog::NextDlgCtrl() const {
    if (m_hWnd) ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    if (m_hWnd) ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!m_hWnd || !pWndCtrl) {
        qelt::ReportMisuse("CDialog::GotoDlgCtrl without a dialog window or a control");
        return;
    }
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::SetDefID(UINT nID) {
    if (m_hWnd) ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const {
    return m_hWnd ? static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0)) : 0;
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    if (!m_hWnd) {
        qelt::ReportMisuse("CDialog::MapDialogRect on a dialog without a window");
        return;
    }
    ::MapDialogRect(m_hWnd, lpRect);
}
