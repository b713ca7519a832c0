#include "mfc/richedit/RichEditCtrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

template <class Format>
LPARAM Record(Format& cf) {
    cf.cbSize = sizeof(Format);
    return reinterpret_cast<LPARAM>(static_cast<CHARFORMAT*>(&cf));
}

}  // namespace

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(RICHEDIT_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

long CRichEditCtrl::GetTextLength() const { return static_cast<long>(SendMessage(WM_GETTEXTLENGTH)); }

long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags, UINT uCodePage) const {
    GETTEXTLENGTHEX how{dwFlags, uCodePage};
    return static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how)));
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
    CHARRANGE range{nStartChar, nEndChar};
    SetSel(range);
}

void CRichEditCtrl::SetSel(CHARRANGE& cr) { SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
    CHARRANGE range{0, 0};
    GetSel(range);
    nStartChar = range.cpMin;
    nEndChar = range.cpMax;
}

void CRichEditCtrl::GetSel(CHARRANGE& cr) const { SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

CString CRichEditCtrl::GetSelText() const {
    CHARRANGE range{0, 0};
    GetSel(range);
    CString text;
    const long length = GetSelText(text.GetBufferSetLength(2 * (range.cpMax - range.cpMin) + 1));
    text.ReleaseBuffer(length);
    return text;
}

long CRichEditCtrl::GetSelText(LPSTR lpBuf) const {
    return static_cast<long>(SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(lpBuf)));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, Record(cf)));
}
DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT2& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, Record(cf)));
}
BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, Record(cf)));
}
BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, Record(cf)));
}
DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, Record(cf)));
}
DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, Record(cf)));
}
BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, Record(cf)));
}
BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, Record(cf)));
}

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)));
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr) {
    return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, static_cast<WPARAM>(bSysColor), static_cast<LPARAM>(cr)));
}

void CRichEditCtrl::LimitText(long nChars) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }

long CRichEditCtrl::GetLimitText() const { return static_cast<long>(SendMessage(EM_GETLIMITTEXT)); }

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es) {
    return static_cast<long>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(nFormat), reinterpret_cast<LPARAM>(&es)));
}

long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es) {
    return static_cast<long>(SendMessage(EM_STREAMOUT, static_cast<WPARAM>(nFormat), reinterpret_cast<LPARAM>(&es)));
}

void CRichEditCtrl::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }

BOOL CRichEditCtrl::CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
