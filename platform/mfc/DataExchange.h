// Dialog data exchange: CDataExchange and the DDX_/DDV_ functions that move values between a
// dialog's members and its controls. In the saving direction a text that does not convert, or a
// value out of its range, is told to the person in a message box (the texts are in
// mfc/LibraryTexts.h), the control gets the focus and the exchange stops: UpdateData returns FALSE.
#pragma once

#include "mfc/Wnd.h"

namespace qelt {
// Ends an exchange that failed; UpdateData catches it. Only the class library throws it.
struct DataExchangeFailure {};
}  // namespace qelt

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;   // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;           // the dialog whose controls are exchanged

    // The control's window for an exchange (remembered as the one a failure gives the focus);
    // a missing control is misuse and fails the exchange.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Gives the last prepared control the focus (an edit box with its text selected) and ends
    // the exchange.
    [[noreturn]] void Fail();

    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};
