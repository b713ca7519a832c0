// CRichEditCtrl and the "RichEdit20A" window class: text with character formats (mfc/richedit/RichText.h).
//
// Positions count characters (a two-byte GBK character is one; a paragraph end, kept as "\r", is
// one). The window text (GetWindowText, WM_GETTEXTLENGTH) and the selected text end paragraphs
// with "\r\n". Text put in by code takes the insertion format: the format of the character before
// the selection's start (the first character's at the start, the default format in an empty
// control), or the one SetSelectionCharFormat gave an empty selection. The default format starts
// as 宋体 9 pt (180 twips), GB2312, automatic colour; SetDefaultCharFormat changes it for text put
// in later (and for the insertion format of an empty control).
//
// StreamIn reads the callback's data to its end. SF_RTF reads it as RTF (mfc/richedit/RtfReader.h), SF_TEXT
// as text; SFF_SELECTION puts it in place of the selection (the caret then follows it), otherwise
// it replaces everything (the caret then at the start). Each RTF document streamed in is kept, with
// the position it was put at (GetStreamedRtf; a new whole document or SetWindowText clears them).
// A document that is not valid RTF, or a callback that fails, changes nothing: EDITSTREAM's
// dwError says why (the callback's code, or ERROR_INVALID_DATA with a diagnostic for bad RTF) and
// StreamIn answers 0. StreamOut writes SF_RTF (mfc/richedit/RtfWriter.h) or SF_TEXT of everything or of the
// selection (SFF_SELECTION) through the callback and answers the bytes written.
//
// Read-only (ES_READONLY) keeps the person from typing, not the code from writing. The text limit
// (LimitText, 32767 at first) is kept for a person's typing only: code's insertions are never cut,
// so a long report stays whole. Nothing is undone (CanUndo is FALSE). The control draws its text
// as mfc/richedit/RichTextView.h describes and scrolls with WM_VSCROLL and WM_HSCROLL; setting the
// selection scrolls its end into view.
#pragma once

#include <string>
#include <vector>

#include "mfc/user/Wnd.h"
#include "win/RichEdit.h"

namespace qelt::rich {
// One RTF document streamed into a rich edit control, and the position it was put at.
struct StreamedRtf {
    int position = 0;
    std::string rtf;
};
}  // namespace qelt::rich

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    long GetTextLength() const;
    long GetTextLengthEx(DWORD dwFlags, UINT uCodePage = static_cast<UINT>(-1)) const;
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr);
    void GetSel(long& nStartChar, long& nEndChar) const;
    void GetSel(CHARRANGE& cr) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    CString GetSelText() const;
    long GetSelText(LPSTR lpBuf) const;  // the buffer holds two bytes a selected character and one more

    // Formats: each getter fills the record (cbSize is set here) and answers the mask of the fields
    // that are the same over all the characters it covers.
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    DWORD GetDefaultCharFormat(CHARFORMAT2& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    BOOL SetDefaultCharFormat(CHARFORMAT2& cf);
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMAT2& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT2& cf);

    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);  // the colour before
    void LimitText(long nChars = 0);
    long GetLimitText() const;
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    void EmptyUndoBuffer();
    BOOL CanUndo() const;

    // The RTF documents streamed in since the control's text was last replaced, in order.
    std::vector<qelt::rich::StreamedRtf> GetStreamedRtf() const;
};
