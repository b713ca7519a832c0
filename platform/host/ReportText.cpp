#include "host/ReportText.h"

#include <algorithm>
#include <cstdio>

#include "host/ReportMarkup.h"
#include "host/ReportWalk.h"
#include "mfc/base/Encoding.h"

namespace qelt::report {

namespace {

const char* const kSuperscriptDigits[] = {u8"⁰", u8"¹", u8"²", u8"³", u8"⁴", u8"⁵", u8"⁶", u8"⁷", u8"⁸", u8"⁹"};

// The shown text of a GBK text with markup, in UTF-8.
std::string Render(std::string_view gbk) {
    std::string out;
    for (const MarkupRun& run : SplitMarkup(gbk)) {
        const std::string text = qelt::text::GbkToUtf8ForDisplay(run.text);
        if (run.kind != RunKind::Superscript) {
            out += text;
        } else if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            for (char digit : text) out += kSuperscriptDigits[digit - '0'];
        } else {
            out += "^(" + text + ")";
        }
    }
    return out;
}

// Terminal columns of a UTF-8 text: two for East Asian wide characters, one for the others.
size_t DisplayWidth(std::string_view utf8) {
    size_t width = 0;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned long code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                          (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                          (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
                          (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

class TextVisitor : public ReportVisitor {
public:
    void OnText(const CWordTextRecord& record) override { m_out += Render(record.m_strText.Str()); }

    void OnPicture(const CWordRow& row) override {
        EndOpenLine();
        char size[64];
        std::snprintf(size, sizeof size, u8" %d×%d]\n", row.GetPictureWidth(), row.GetPictureHeight());
        m_out += "[" + qelt::text::GbkToUtf8ForDisplay(row.GetText().Str()) + ":" + size;
    }

    void OnTable(int rows, int columns, const std::vector<std::string>& cells) override {
        EndOpenLine();
        std::vector<std::string> shown;
        std::vector<size_t> widths(columns, 0);
        for (int i = 0; i < rows * columns; ++i) {
            shown.push_back(Render(cells[i]));
            std::replace_if(shown.back().begin(), shown.back().end(), [](char c) { return c == '\n' || c == '\t'; }, ' ');
            widths[i % columns] = std::max(widths[i % columns], DisplayWidth(shown.back()));
        }
        std::string rule = "+";
        for (size_t width : widths) rule += std::string(width + 2, '-') + "+";
        m_out += rule + "\n";
        for (int r = 0; r < rows; ++r) {
            m_out += "|";
            for (int c = 0; c < columns; ++c) {
                const std::string& cell = shown[r * columns + c];
                m_out += " " + cell + std::string(widths[c] - DisplayWidth(cell) + 1, ' ') + "|";
            }
            m_out += "\n";
        }
        m_out += rule + "\n";
    }

    std::string& Out() { return m_out; }

private:
    void EndOpenLine() {
        if (!m_out.empty() && m_out.back() != '\n') m_out += '\n';
    }

    std::string m_out;
};

}  // namespace

std::string ReportText(const CWordObject& report) {
    TextVisitor visitor;
    WalkReport(report, visitor);
    return std::move(visitor.Out());
}

}  // namespace qelt::report
