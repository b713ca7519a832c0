// CEdit and the "Edit" window class: single- and multi-line text with a selection, a length limit
// (30000 bytes until LimitText; LimitText(0) lifts it to 0x7FFFFFFE bytes, a multi-line box's to
// 0xFFFFFFFF), read-only state, the modified flag and one level of undo. A multi-line box wants
// every key in a dialog and does the dialog's part itself: Tab moves on, Return without
// ES_WANTRETURN presses the default button, Escape closes the dialog.
// A text change sends EN_UPDATE and EN_CHANGE to the parent (WM_SETTEXT of a multi-line box does
// not, as on the platform); the focus sends EN_SETFOCUS and EN_KILLFOCUS.
#pragma once

#include "mfc/user/Wnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void Clear();
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
};
