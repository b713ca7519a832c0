#include "host/VuskWorkDlg.h"

#include "host/Problem.h"
#include "host/VuskMainInfo.h"
#include "mfc/base/Diagnostics.h"

IMPLEMENT_DYNAMIC(CVuskWorkDlg, CVuskDlg)

namespace {

// The owner of a popup work dialog when the host program has no frame window: a hidden top-level
// window of the host library. A work dialog's template is a child's, and a child is made with a
// parent before it becomes a popup.
CWnd* HiddenOwner() {
    static CWnd* pOwner = new CWnd;
    if (!pOwner->m_hWnd) pOwner->CreateEx(0, NULL, "qelt", WS_POPUP, CRect(0, 0, 0, 0), NULL, 0);
    return pOwner;
}

}  // namespace

CVuskWorkDlg::CVuskWorkDlg(UINT nIDTemplate, CWnd* pParentWnd) : CVuskDlg(nIDTemplate, pParentWnd) {}

int CVuskWorkDlg::Show(UINT nIDTemplate) {
    if (m_hWnd) {
        qelt::ReportMisuse("CVuskWorkDlg::Show on a work dialog that is showing already");
        return -1;
    }
    CWnd* pFrame = g_VuskMainInfo.m_hMainWnd ? CWnd::FromHandle(g_VuskMainInfo.m_hMainWnd) : NULL;
    const int nMode = g_VuskMainInfo.GetCaltDlgType();
    if (nMode == 0 && !pFrame)
        qelt::host::ReportProblem("mode 0 without the host's frame window: the work dialog runs as a popup");
    m_bPopup = nMode != 0 || !pFrame;
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_pParentWnd = pFrame ? pFrame : HiddenOwner();
    if (m_bPopup) return static_cast<int>(DoModal());

    // A child of the frame: a loop of its own, the frame staying enabled.
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    if (!Create(nIDTemplate, pFrame)) {
        m_bContinueModal = FALSE;
        return -1;
    }
    int nResult = m_bContinueModal ? RunModalLoop() : m_nModalResult;
    if (m_hWnd) DestroyWindow();
    return nResult;
}

void CVuskWorkDlg::PreSubclassWindow() {
    if (m_bPopup) ModifyStyle(WS_CHILD, WS_POPUP | WS_CAPTION | WS_SYSMENU);
    CVuskDlg::PreSubclassWindow();
}
