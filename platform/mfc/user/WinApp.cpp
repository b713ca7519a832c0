#include "mfc/user/WinApp.h"

#include "mfc/base/Diagnostics.h"
#include "mfc/user/Resources.h"

namespace {
CWinApp* g_app = nullptr;
}

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_hInstance(AfxGetInstanceHandle()), m_appName(lpszAppName) {
    m_pszAppName = m_appName;
    if (g_app) qelt::ReportMisuse("a second CWinApp while \"%s\" exists; the new one replaces it", AfxGetAppName());
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }
void CWinApp::WinHelp(DWORD_PTR, UINT) {}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
LPCTSTR AfxGetAppName() { return g_app ? g_app->m_pszAppName : ""; }

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_CURSOR);
    return module ? ::LoadCursor(module, lpszResourceName) : nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    LPCTSTR name = MAKEINTRESOURCE(nIDResource);
    HINSTANCE module = AfxFindResourceHandle(name, RT_ICON);
    return module ? ::LoadIcon(module, name) : nullptr;
}
