// Dialog data exchange: CDataExchange and the DDX_/DDV_ functions that move values between a
// dialog's members and its controls. In the saving direction a text that does not convert, or a
// value out of its range, is told to the person in a message box (the texts are in
// mfc/user/LibraryTexts.h), the control gets the focus and the exchange stops: UpdateData returns FALSE.
#pragma once

#include "mfc/user/Wnd.h"

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

// Text of a control (an edit box, a combo box's edit field, any window's text). A number is
// written with %d, %u, %ld, %.15g (double) or %.6g (float); read back it must be the whole text
// but for surrounding blanks, else the box is refused with "请输入一个整数。" or "请输入一个数字。".
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);  // also DWORD
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// A check box's state (BST_…).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked radio button of the group that begins at nIDC (which has WS_GROUP);
// -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// A combo box's selection by index, by text (loading selects the first item that begins with the
// text, else sets the edit field) or by exact text.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
// A list box's selection by index or by text.
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
// Makes the member the permanent object of the template's control (once per window).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Ranges, checked when saving, for the control of the preceding DDX_Text.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal);
// Loading limits the control's text to nChars; saving refuses a longer text.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
