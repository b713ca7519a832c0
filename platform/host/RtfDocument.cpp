#include "host/RtfDocument.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/ReportMarkup.h"

namespace qelt::report {

namespace {

const char* const kSongTi = "宋体";
// Per byte of shown text: a GBK character of 宋体 10.5 is about 210 twips wide, a Latin letter of
// the font that stands in for it up to 125.
const int kCellUnitTwips = 125;
const int kCellPadBytes = 3;

void AppendHex(std::string& out, unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}

// A GBK text as RTF: two-byte characters and other bytes above 0x7F as \'hh, the RTF specials
// escaped, tabs and line breaks as \tab and \par; other control characters are dropped.
std::string Escape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t width = GbkCharLength(text, i);
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (width == 2 || byte > 0x7F) {
            for (size_t k = 0; k < width; ++k) {
                out += "\\'";
                AppendHex(out, static_cast<unsigned char>(text[i + k]));
            }
        } else if (byte == '\\' || byte == '{' || byte == '}') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\t') {
            out += "\\tab ";
        } else if (byte == '\n') {
            out += "\\par\n";
        } else if (byte >= 0x20) {
            out += static_cast<char>(byte);
        }
        i += width;
    }
    return out;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    return true;
}

// The bytes a text shows, the markers of its markup not counted.
size_t ShownBytes(std::string_view text) {
    size_t bytes = 0;
    for (const MarkupRun& run : SplitMarkup(text)) bytes += run.text.size();
    return bytes;
}

}  // namespace

RtfDocument::RtfDocument() : m_fonts{kSongTi} {}

int RtfDocument::Font(std::string_view name) {
    for (size_t i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i] == name) return static_cast<int>(i);
    m_fonts.emplace_back(name);
    return static_cast<int>(m_fonts.size() - 1);
}

int RtfDocument::Color(COLORREF color) {
    for (size_t i = 0; i < m_colors.size(); ++i)
        if (m_colors[i] == color) return static_cast<int>(i + 1);
    m_colors.push_back(color);
    return static_cast<int>(m_colors.size());
}

std::string RtfDocument::Markup(std::string_view text) {
    std::string out;
    for (const MarkupRun& run : SplitMarkup(text)) {
        switch (run.kind) {
        case RunKind::Normal: out += Escape(run.text); break;
        case RunKind::Superscript: out += "{\\super " + Escape(run.text) + "}"; break;
        case RunKind::Subscript: out += "{\\sub " + Escape(run.text) + "}"; break;
        }
    }
    return out;
}

std::string RtfDocument::Text(std::string_view text, long style, int align, COLORREF color, double size,
                              std::string_view font, long indent) {
    static const char* const alignments[] = {"\\ql", "\\qc", "\\qr"};
    char indentWord[32] = "";
    if (indent > 0) std::snprintf(indentWord, sizeof indentWord, "\\li%ld", indent);
    char format[160];
    std::snprintf(format, sizeof format, "{\\pard%s%s\\plain\\f%d\\fs%ld\\cf%d%s%s%s ",
                  alignments[align >= 0 && align <= 2 ? align : 0], indentWord, Font(font), std::lround(size * 2),
                  Color(color), (style & 1) ? "\\b" : "", (style & 2) ? "\\i" : "", (style & 4) ? "\\ul" : "");
    return format + Markup(text) + "}\n";
}

std::string RtfDocument::Picture(const std::vector<unsigned char>& png, int width, int height, bool centred) {
    long goalWidth = static_cast<long>(width) * kTwipsPerPixel;
    long goalHeight = static_cast<long>(height) * kTwipsPerPixel;
    if (goalWidth > kTextWidthTwips) {
        goalHeight = goalHeight * kTextWidthTwips / goalWidth;
        goalWidth = kTextWidthTwips;
    }
    char head[160];
    std::snprintf(head, sizeof head, "{\\pard%s{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%ld\\pichgoal%ld\n",
                  centred ? "\\qc" : "\\ql", width, height, goalWidth, goalHeight);
    std::string out = head;
    for (size_t i = 0; i < png.size(); ++i) {
        AppendHex(out, png[i]);
        if (i % 64 == 63) out += '\n';
    }
    out += "}\\par}\n";
    return out;
}

std::string RtfDocument::Table(int rows, int columns, const std::vector<std::string>& cells) {
    std::vector<long> widths(columns, 0);
    long total = 0;
    for (int c = 0; c < columns; ++c) {
        size_t widest = 0;
        for (int r = 0; r < rows; ++r) widest = std::max(widest, ShownBytes(cells[r * columns + c]));
        widths[c] = static_cast<long>(widest + kCellPadBytes) * kCellUnitTwips;
        total += widths[c];
    }
    std::string definition = "\\trowd\\trgaph108\\trleft0";
    long x = 0;
    for (int c = 0; c < columns; ++c) {
        x += total > kTextWidthTwips ? widths[c] * kTextWidthTwips / total : widths[c];
        definition += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                      "\\clbrdrr\\brdrs\\brdrw10\\cellx" + std::to_string(x);
    }
    std::string out;
    for (int r = 0; r < rows; ++r) {
        out += definition + "\n\\pard\\intbl\\plain\\f" + std::to_string(Font(kSongTi)) + "\\fs21 ";
        for (int c = 0; c < columns; ++c) out += Markup(cells[r * columns + c]) + "\\cell ";
        out += "\\row\n";
    }
    out += "\\pard\n";
    return out;
}

std::string RtfDocument::Document(std::string_view body) const {
    std::string out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl";
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fprq2\\fcharset" + (IsAscii(m_fonts[i]) ? "0 " : "134 ");
        std::string name = Escape(m_fonts[i]);
        for (size_t at = name.find(';'); at != std::string::npos; at = name.find(';', at))
            name.replace(at, 1, "\\'3b");
        out += name + ";}";
    }
    out += "}{\\colortbl;";
    for (COLORREF color : m_colors) {
        char entry[48];
        std::snprintf(entry, sizeof entry, "\\red%u\\green%u\\blue%u;", static_cast<unsigned>(color & 0xFF),
                      static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
        out += entry;
    }
    out += "}\n\\paperw11906\\paperh16838\\margl1800\\margr1800\\margt1440\\margb1440\\deftab" +
           std::to_string(kTabTwips) + "\\viewkind4\\uc1\n";
    out += body;
    out += "}\n";
    return out;
}

}  // namespace qelt::report
