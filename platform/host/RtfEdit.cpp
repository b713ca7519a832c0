#include "host/RtfEdit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/RtfImport.h"
#include "mfc/base/Diagnostics.h"

namespace {

struct StreamSource {
    const std::string* text;
    size_t position;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, BYTE* buffer, LONG size, LONG* done) {
    StreamSource* source = reinterpret_cast<StreamSource*>(cookie);
    const size_t count = std::min(static_cast<size_t>(size), source->text->size() - source->position);
    std::memcpy(buffer, source->text->data() + source->position, count);
    source->position += count;
    *done = static_cast<LONG>(count);
    return 0;
}

DWORD CALLBACK WriteSink(DWORD_PTR cookie, BYTE* buffer, LONG size, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), size);
    *done = size;
    return 0;
}

}  // namespace

CRtfEdit::CRtfEdit() = default;

CRtfEdit::~CRtfEdit() = default;

long CRtfEdit::CharCount() const { return GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE); }

long CRtfEdit::StreamAt(long position, const std::string& document) {
    const long before = CharCount();
    SetSel(position, position);
    StreamSource source = {&document, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, ReadSource};
    StreamIn(SF_RTF | SFF_SELECTION, stream);
    return CharCount() - before;
}

void CRtfEdit::Follow() {
    long chars = 0;
    for (const Piece& piece : m_pieces) chars += piece.chars;
    const long now = CharCount();
    if (now == chars) return;
    m_pieces.clear();
    m_document = qelt::report::RtfDocument();
    if (now == 0) return;
    std::string held;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&held), 0, WriteSink};
    StreamOut(SF_RTF, stream);
    std::string body;
    std::string error;
    if (qelt::report::ImportRtf(held, m_document, body, error)) m_pieces.push_back({body, now, false});
}

BOOL CRtfEdit::WriteText(LPCTSTR pszText, long lStyle, int nAlign, int /*nC*/, int /*nD*/, COLORREF crColor,
                         double dSize, LPCTSTR pszFont) {
    if (GetSafeHwnd() == nullptr || pszText == nullptr || pszFont == nullptr || lStyle < 0 || lStyle > 7 ||
        nAlign < 0 || nAlign > 2 || !(dSize > 0 && dSize <= 1638)) {
        qelt::ReportMisuse("CRtfEdit::WriteText: %s; nothing written",
                           GetSafeHwnd() == nullptr ? "no window" : "a null text or font, or a style, alignment or size out of range");
        return FALSE;
    }
    Follow();
    if (*pszText == '\0') return TRUE;
    const std::string fragment = m_document.Text(pszText, lStyle, nAlign, crColor, dSize, pszFont);
    const long chars = StreamAt(CharCount(), m_document.Document(fragment));
    m_pieces.push_back({fragment, chars, pszText[std::strlen(pszText) - 1] != '\n'});
    return TRUE;
}

BOOL CRtfEdit::WritePhotograph(const CWordRow* pRow) {
    if (GetSafeHwnd() == nullptr || pRow == nullptr || pRow->GetKind() != CWordRow::kindPicture) {
        qelt::ReportMisuse("CRtfEdit::WritePhotograph: %s; nothing written",
                           GetSafeHwnd() == nullptr ? "no window" : "no picture row");
        return FALSE;
    }
    Follow();
    std::string fragment = !m_pieces.empty() && m_pieces.back().lineOpen ? "\\par\n" : "";
    fragment += qelt::report::RtfDocument::Picture(pRow->GetPng(), pRow->GetPictureWidth(),
                                                   pRow->GetPictureHeight(), pRow->IsPictureCentred());
    const long chars = StreamAt(CharCount(), m_document.Document(fragment));
    m_pieces.push_back({fragment, chars, false});
    return TRUE;
}

CString CRtfEdit::TransToRTF(LPCTSTR pszText, double dSize, LPCTSTR pszFont) {
    if (pszText == nullptr || pszFont == nullptr || !(dSize > 0 && dSize <= 1638)) {
        qelt::ReportMisuse("CRtfEdit::TransToRTF: a null text or font, or a size out of range");
        return CString();
    }
    const std::string rtf = "{\\f" + std::to_string(m_document.Font(pszFont)) + "\\fs" +
                            std::to_string(std::lround(dSize * 2)) + " " +
                            qelt::report::RtfDocument::Markup(pszText) + "}";
    return CString(std::string_view(rtf));
}

BOOL CRtfEdit::SetRTF(LPCTSTR pszRtf) {
    if (GetSafeHwnd() == nullptr || pszRtf == nullptr) {
        qelt::ReportMisuse("CRtfEdit::SetRTF: %s", GetSafeHwnd() == nullptr ? "no window" : "a null text");
        return FALSE;
    }
    Follow();
    qelt::report::RtfDocument document = m_document;
    std::string body;
    std::string error;
    if (!qelt::report::ImportRtf(pszRtf, document, body, error)) {
        qelt::ReportMisuse("CRtfEdit::SetRTF: %s; nothing inserted", error.c_str());
        return FALSE;
    }
    m_document = std::move(document);
    // The insertion point, moved to the end of the piece it lies in.
    long start = 0;
    long end = 0;
    GetSel(start, end);
    size_t index = 0;
    long position = 0;
    while (index < m_pieces.size() && position < start) position += m_pieces[index++].chars;
    const long chars = StreamAt(position, pszRtf);
    m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(index), Piece{body, chars, false});
    return TRUE;
}

CString CRtfEdit::GetRTF() {
    if (GetSafeHwnd() != nullptr) Follow();
    std::string body;
    for (const Piece& piece : m_pieces) body += piece.rtf;
    return CString(std::string_view(m_document.Document(body)));
}
