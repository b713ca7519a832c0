// The "RichEdit20A" window class: a rich text document with a selection, character formats and
// RTF streams, as mfc/richedit/RichEditCtrl.h describes.
#include <algorithm>
#include <cstring>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/base/GbkText.h"
#include "mfc/richedit/RichEditCtrl.h"
#include "mfc/richedit/RichText.h"
#include "mfc/richedit/RichTextView.h"
#include "mfc/richedit/RtfReader.h"
#include "mfc/richedit/RtfWriter.h"
#include "mfc/user/WindowClass.h"

namespace {

using qelt::rich::CharFormat;
using qelt::rich::Document;

constexpr LONG kStreamChunk = 4096;
constexpr DWORD kEffectMasks[] = {CFM_BOLD, CFM_ITALIC, CFM_UNDERLINE, CFM_STRIKEOUT, CFM_PROTECTED, CFM_LINK};
constexpr DWORD kKeptFields = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_LINK |
                              CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_OFFSET | CFM_CHARSET | CFM_SUPERSCRIPT;

bool IsFormatRecord(const CHARFORMAT* cf, const char* caller) {
    if (cf && (cf->cbSize == sizeof(CHARFORMAT) || cf->cbSize == sizeof(CHARFORMAT2))) return true;
    qelt::ReportMisuse("%s: %s", caller, cf ? "cbSize is neither CHARFORMAT's nor CHARFORMAT2's" : "no format");
    return false;
}

// A format with the fields of `cf` that its mask names.
CharFormat Applied(CharFormat format, const CHARFORMAT& cf) {
    for (DWORD effect : kEffectMasks) {
        if (cf.dwMask & effect) format.effects = (format.effects & ~effect) | (cf.dwEffects & effect);
    }
    if (cf.dwMask & CFM_SUPERSCRIPT) {
        format.effects = (format.effects & ~CFM_SUPERSCRIPT) | (cf.dwEffects & CFM_SUPERSCRIPT);
    }
    if (cf.dwMask & CFM_COLOR) {
        format.effects = (format.effects & ~CFE_AUTOCOLOR) | (cf.dwEffects & CFE_AUTOCOLOR);
        format.color = cf.crTextColor;
    }
    if (cf.dwMask & CFM_SIZE) format.height = cf.yHeight;
    if (cf.dwMask & CFM_OFFSET) format.offset = cf.yOffset;
    if (cf.dwMask & CFM_CHARSET) format.charSet = cf.bCharSet;
    if (cf.dwMask & CFM_FACE) {
        format.face.assign(cf.szFaceName, strnlen(cf.szFaceName, sizeof cf.szFaceName));
        format.pitchAndFamily = cf.bPitchAndFamily;
    }
    if (cf.cbSize == sizeof(CHARFORMAT2) && (cf.dwMask & CFM_WEIGHT)) {
        const bool bold = static_cast<const CHARFORMAT2&>(cf).wWeight >= 600;
        format.effects = bold ? (format.effects | CFE_BOLD) : (format.effects & ~CFE_BOLD);
    }
    return format;
}

// Fills the record from a format; answers the mask of the fields kept.
DWORD Fill(CHARFORMAT& cf, const CharFormat& format, DWORD same) {
    const UINT size = cf.cbSize;
    std::memset(&cf, 0, size);
    cf.cbSize = size;
    cf.dwMask = same;
    cf.dwEffects = format.effects;
    cf.yHeight = format.height;
    cf.yOffset = format.offset;
    cf.crTextColor = format.color;
    cf.bCharSet = format.charSet;
    cf.bPitchAndFamily = format.pitchAndFamily;
    const size_t face = qelt::gbk::PrefixLength(format.face, sizeof cf.szFaceName - 1);
    std::memcpy(cf.szFaceName, format.face.data(), face);
    if (size == sizeof(CHARFORMAT2)) {
        auto& cf2 = static_cast<CHARFORMAT2&>(cf);
        cf2.wWeight = (format.effects & CFE_BOLD) ? 700 : 400;
        if (same & CFM_BOLD) cf.dwMask |= CFM_WEIGHT;
    }
    return cf.dwMask;
}

// The fields that are the same in both formats.
DWORD SameFields(const CharFormat& a, const CharFormat& b) {
    DWORD same = kKeptFields;
    for (DWORD effect : kEffectMasks) {
        if ((a.effects ^ b.effects) & effect) same &= ~effect;
    }
    if ((a.effects ^ b.effects) & CFM_SUPERSCRIPT) same &= ~CFM_SUPERSCRIPT;
    if (((a.effects ^ b.effects) & CFE_AUTOCOLOR) || (!(a.effects & CFE_AUTOCOLOR) && a.color != b.color)) same &= ~CFM_COLOR;
    if (a.height != b.height) same &= ~CFM_SIZE;
    if (a.offset != b.offset) same &= ~CFM_OFFSET;
    if (a.charSet != b.charSet) same &= ~CFM_CHARSET;
    if (a.face != b.face || a.pitchAndFamily != b.pitchAndFamily) same &= ~CFM_FACE;
    return same;
}

class RichEditProcedure : public qelt::WindowProcedure {
public:
    RichEditProcedure() {
        m_default.face = "宋体";
        m_default.height = 180;
        m_default.charSet = 134;  // GB2312
        m_default.effects = CFE_AUTOCOLOR;
        m_insertion = m_default;
    }

    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case WM_SETTEXT:
            m_doc.Clear();
            m_streamed.clear();
            m_doc.Insert(0, lParam ? reinterpret_cast<LPCSTR>(lParam) : "", m_default);
            Select(0, 0);
            Changed(window);
            result = TRUE;
            return true;
        case EM_SETSEL: {
            const int start = static_cast<int>(static_cast<LONG>(wParam)), end = static_cast<int>(lParam);
            if (start < 0) Select(m_end, m_end);
            else Select(start, end < 0 ? m_doc.Length() : end);
            return true;
        }
        case EM_EXSETSEL:
            if (const auto* range = reinterpret_cast<const CHARRANGE*>(lParam)) {
                if (range->cpMin < 0) Select(m_end, m_end);
                else Select(range->cpMin, range->cpMax < 0 ? m_doc.Length() : range->cpMax);
            }
            result = m_end;
            return true;
        case EM_GETSEL:
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_start);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_end);
            result = m_end > 0xFFFF ? -1 : MAKELRESULT(m_start, m_end);
            return true;
        case EM_EXGETSEL:
            if (auto* range = reinterpret_cast<CHARRANGE*>(lParam)) *range = CHARRANGE{m_start, m_end};
            return true;
        case EM_REPLACESEL:
            Replace(window, Plain(lParam ? reinterpret_cast<LPCSTR>(lParam) : ""));
            return true;
        case EM_GETSELTEXT: {
            const std::string text = m_doc.Text(m_start, m_end, true);
            if (auto* buffer = reinterpret_cast<char*>(lParam)) {
                std::memcpy(buffer, text.data(), text.size());
                buffer[text.size()] = '\0';
            }
            result = static_cast<LRESULT>(text.size());
            return true;
        }
        case EM_GETCHARFORMAT:
            result = GetFormat(static_cast<UINT>(wParam), reinterpret_cast<CHARFORMAT*>(lParam));
            return true;
        case EM_SETCHARFORMAT:
            result = SetFormat(window, static_cast<UINT>(wParam), reinterpret_cast<const CHARFORMAT*>(lParam));
            return true;
        case EM_SETREADONLY:
            window.style = wParam ? (window.style | ES_READONLY) : (window.style & ~ES_READONLY);
            result = TRUE;
            return true;
        case EM_SETBKGNDCOLOR:
            result = m_background;
            m_background = wParam ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(lParam);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            return true;
        case EM_LIMITTEXT:
        case EM_EXLIMITTEXT: {
            const LPARAM limit = message == EM_LIMITTEXT ? static_cast<LPARAM>(wParam) : lParam;
            m_limit = limit > 0 ? static_cast<LONG>(std::min<LPARAM>(limit, 0x7FFFFFFE)) : 65536;
            return true;
        }
        case EM_GETLIMITTEXT:
            result = m_limit;
            return true;
        case EM_GETTEXTLENGTHEX: {
            const auto* how = reinterpret_cast<const GETTEXTLENGTHEX*>(wParam);
            const DWORD flags = how ? how->flags : GTL_DEFAULT;
            result = (flags & GTL_NUMBYTES) ? m_doc.ByteLength(0, m_doc.Length(), (flags & GTL_USECRLF) != 0)
                     : (flags & GTL_USECRLF) ? m_doc.Length() + std::count(window.text.Str().begin(), window.text.Str().end(), '\n')
                                             : m_doc.Length();
            return true;
        }
        case EM_STREAMIN:
            result = StreamIn(window, static_cast<UINT>(wParam), reinterpret_cast<EDITSTREAM*>(lParam));
            return true;
        case EM_STREAMOUT:
            result = StreamOut(static_cast<UINT>(wParam), reinterpret_cast<EDITSTREAM*>(lParam));
            return true;
        case EM_EMPTYUNDOBUFFER:
            return true;
        case WM_PAINT:
            m_view.Paint(window.handle, m_doc, m_background);
            return true;
        case WM_VSCROLL:
        case WM_HSCROLL:
            m_view.Scroll(window.handle, m_doc, message == WM_VSCROLL, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return true;
        case EM_CANUNDO:
            result = FALSE;
            return true;
        default:
            return false;
        }
    }

    const std::vector<qelt::rich::StreamedRtf>& Streamed() const { return m_streamed; }

private:
    // Selects [start, end) (in either order, clamped); the insertion format follows the selection.
    void Select(int start, int end) {
        start = std::clamp(start, 0, m_doc.Length());
        end = std::clamp(end, 0, m_doc.Length());
        m_start = std::min(start, end);
        m_end = std::max(start, end);
        m_view.Show(end);
        if (m_doc.Empty()) m_insertion = m_default;
        else m_insertion = m_doc.FormatAt(m_start > 0 ? m_start - 1 : 0);
    }

    // The window text follows the document; the control is painted again.
    void Changed(qelt::WindowRecord& window) {
        window.text = CString(m_doc.Text(true));
        m_view.Changed();
        ::InvalidateRect(window.handle, nullptr, TRUE);
    }

    // Puts text in place of the selection; the caret follows it.
    int Replace(qelt::WindowRecord& window, const Document& text) {
        m_doc.Erase(m_start, m_end);
        const int added = m_doc.Insert(m_start, text);
        Select(m_start + added, m_start + added);
        Changed(window);
        return added;
    }

    // Plain text in the insertion format.
    Document Plain(std::string_view text) const {
        Document plain;
        plain.Insert(0, text, m_insertion);
        return plain;
    }

    LRESULT GetFormat(UINT which, CHARFORMAT* cf) const {
        if (!IsFormatRecord(cf, "EM_GETCHARFORMAT")) return 0;
        if (which == SCF_DEFAULT) return Fill(*cf, m_default, kKeptFields);
        if (m_start == m_end) return Fill(*cf, m_insertion, kKeptFields);
        const CharFormat& first = m_doc.FormatAt(m_start);
        DWORD same = kKeptFields;
        for (int i = m_start + 1; i < m_end && same; ++i) same &= SameFields(first, m_doc.FormatAt(i));
        return Fill(*cf, first, same);
    }

    BOOL SetFormat(qelt::WindowRecord& window, UINT which, const CHARFORMAT* cf) {
        if (!IsFormatRecord(cf, "EM_SETCHARFORMAT")) return FALSE;
        auto apply = [cf](const CharFormat& format) { return Applied(format, *cf); };
        if (which == SCF_DEFAULT) {
            m_default = apply(m_default);
            if (m_doc.Empty()) m_insertion = m_default;
        } else if (which & SCF_ALL) {
            m_doc.Reformat(0, m_doc.Length(), apply);
            m_insertion = apply(m_insertion);
        } else if (m_start == m_end) {
            m_insertion = apply(m_insertion);
        } else {
            m_doc.Reformat(m_start, m_end, apply);
        }
        m_view.Changed();
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    LRESULT StreamIn(qelt::WindowRecord& window, UINT format, EDITSTREAM* stream) {
        if (!stream || !stream->pfnCallback) {
            qelt::ReportMisuse("EM_STREAMIN without a stream callback");
            return 0;
        }
        stream->dwError = 0;
        std::string data;
        std::vector<BYTE> chunk(static_cast<size_t>(kStreamChunk));
        for (;;) {
            LONG got = 0;
            const DWORD error = stream->pfnCallback(stream->dwCookie, chunk.data(), kStreamChunk, &got);
            if (error) {
                stream->dwError = error;
                return 0;
            }
            if (got <= 0) break;
            data.append(reinterpret_cast<const char*>(chunk.data()), static_cast<size_t>(std::min(got, kStreamChunk)));
        }
        const bool selection = (format & SFF_SELECTION) != 0;
        const bool rtf = (format & 0x0003) == SF_RTF || (format & 0x0003) == SF_RTFNOOBJS;
        if (!selection) m_insertion = m_default;
        Document text;
        if (rtf) {
            qelt::rich::RtfReadResult read = qelt::rich::ReadRtf(data, m_insertion);
            if (!read.ok) {
                qelt::ReportMisuse("EM_STREAMIN: %s; the control is left as it was", read.error.c_str());
                stream->dwError = ERROR_INVALID_DATA;
                return 0;
            }
            text = std::move(read.text);
        } else {
            text = Plain(data);
        }
        if (!selection) {
            m_doc.Clear();
            m_streamed.clear();
            Select(0, 0);
        }
        const int at = m_start;
        const int added = Replace(window, text);
        if (rtf) m_streamed.push_back({at, std::move(data)});
        if (!selection) Select(0, 0);
        return added;
    }

    LRESULT StreamOut(UINT format, EDITSTREAM* stream) const {
        if (!stream || !stream->pfnCallback) {
            qelt::ReportMisuse("EM_STREAMOUT without a stream callback");
            return 0;
        }
        stream->dwError = 0;
        const bool selection = (format & SFF_SELECTION) != 0;
        const int first = selection ? m_start : 0, last = selection ? m_end : m_doc.Length();
        std::string data = (format & 0x0003) == SF_TEXT ? m_doc.Text(first, last, true)
                                                        : qelt::rich::WriteRtf(m_doc, first, last);
        size_t written = 0;
        while (written < data.size()) {
            LONG size = static_cast<LONG>(std::min<size_t>(data.size() - written, static_cast<size_t>(kStreamChunk)));
            LONG taken = 0;
            const DWORD error = stream->pfnCallback(stream->dwCookie, reinterpret_cast<BYTE*>(&data[written]), size, &taken);
            if (error) {
                stream->dwError = error;
                break;
            }
            if (taken <= 0) break;  // a callback that takes nothing ends the transfer
            written += static_cast<size_t>(std::min(taken, size));
        }
        return static_cast<LRESULT>(written);
    }

    Document m_doc;
    int m_start = 0;
    int m_end = 0;
    CharFormat m_default;
    CharFormat m_insertion;
    COLORREF m_background = GetSysColor(COLOR_WINDOW);
    LONG m_limit = 32767;
    std::vector<qelt::rich::StreamedRtf> m_streamed;
    qelt::rich::TextView m_view;
};

const qelt::WindowClassRegistration kRichEditClass(RICHEDIT_CLASS, &qelt::MakeProcedure<RichEditProcedure>,
                                                   &qelt::MakeWrapper<CRichEditCtrl>);

}  // namespace

std::vector<qelt::rich::StreamedRtf> CRichEditCtrl::GetStreamedRtf() const {
    qelt::WindowRecord* window = qelt::RequireWindow(m_hWnd, "CRichEditCtrl::GetStreamedRtf");
    auto* procedure = window ? dynamic_cast<RichEditProcedure*>(window->procedure.get()) : nullptr;
    if (!procedure) return {};
    return procedure->Streamed();
}
