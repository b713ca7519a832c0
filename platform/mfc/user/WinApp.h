// CWinApp: the application object, as far as a host program needs one: its name (the caption of
// AfxMessageBox), its module handle and its main window. At most one exists at a time.
#pragma once

#include "mfc/base/CmdTarget.h"
#include "mfc/base/String.h"
#include "mfc/user/WinUserApi.h"

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The application's help, which a dialog's help command asks with its context (HELP_CONTEXT). The
    // class library has no help of its own: an application that has help puts it here.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Cursors and icons of the resource search order, and the system's (mfc/user/WinUserApi.h).
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(nullptr, lpszCursorName); }
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(nullptr, lpszIconName); }

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
