// CVuskWorkDlg: the base of a command's work dialog. Show runs the dialog from a template and returns
// when it has ended, with its result:
// - in mode 0 (GetCaltDlgType of g_VuskMainInfo) the dialog is a child of the host program's frame
//   window (m_hMainWnd), as its template says; the frame stays usable, and the dialog's window is
//   destroyed (DestroyWindow) once its loop has ended;
// - in any other mode, and in mode 0 when the host has no frame window, it is a popup: the
//   template's WS_CHILD becomes WS_POPUP | WS_CAPTION | WS_SYSMENU, and it runs modally, owned by
//   the frame window (a hidden window of the host library when there is none).
// OnCancel (the class library's) ends it with IDCANCEL.
// m_nWorkDlgFlag is the host program's: nonzero when it closes a work dialog that runs in its frame
// for good (the dialog then stores its parameters on cancel); 0 unless the host program sets it.
#pragma once

#include "host/VuskDlg.h"

// The messages the host program sends a command's work dialog; wParam and lParam are unused.
#define WM_VUSK_CALCULATEALL (WM_USER + 7)    // calculate everything: 1 when all of it succeeded, else 0
#define WM_VUSK_ONCALCULATEALL (WM_USER + 8)  // the same
#define WM_VUSK_RESTOREDEFAULT (WM_USER + 9)  // restore the defaults: 1, or 0 without parameters

class CVuskWorkDlg : public CVuskDlg {
    DECLARE_DYNAMIC(CVuskWorkDlg)

public:
    explicit CVuskWorkDlg(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    // The dialog's result; -1 when its window could not be made.
    int Show(UINT nIDTemplate);

    int m_nWorkDlgFlag = 0;

protected:
    void PreSubclassWindow() override;

private:
    BOOL m_bPopup = TRUE;
};
