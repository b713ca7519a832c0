// CWinApp: the application object, as far as a host program needs one: its name (the caption of
// AfxMessageBox), its module handle and its main window. At most one exists at a time.
#pragma once

#include "mfc/base/CmdTarget.h"
#include "mfc/base/String.h"

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    LPCTSTR m_pszAppName = nullptr;  // points into the object's own copy of the name
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;

private:
    CString m_appName;
};

CWinApp* AfxGetApp();
// The application's main window; null without an application or a main window.
CWnd* AfxGetMainWnd();
// The application's name; empty without an application.
LPCTSTR AfxGetAppName();
