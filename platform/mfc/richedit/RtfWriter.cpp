#include "mfc/richedit/RtfWriter.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "win/RichEdit.h"

namespace qelt::rich {
namespace {

struct FontKey {
    std::string face;
    BYTE charSet;
    BYTE pitchAndFamily;
    bool operator==(const FontKey& other) const {
        return face == other.face && charSet == other.charSet && pitchAndFamily == other.pitchAndFamily;
    }
};

FontKey FontOf(const CharFormat& format) { return {format.face, format.charSet, format.pitchAndFamily}; }

template <typename T>
size_t IndexOf(std::vector<T>& table, const T& value) {
    auto found = std::find(table.begin(), table.end(), value);
    if (found != table.end()) return static_cast<size_t>(found - table.begin());
    table.push_back(value);
    return table.size() - 1;
}

void AppendEscaped(std::string& rtf, std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += c;
        } else if (c == '\r') {
            rtf += "\\par\r\n";
        } else if (c == '\t') {
            rtf += "\\tab ";
        } else if (byte >= 0x80) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\'%02x", byte);
            rtf += escape;
        } else if (byte >= 0x20) {
            rtf += c;
        }
    }
}

const char* FamilyWord(BYTE pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return "\\froman";
    case 0x20: return "\\fswiss";
    case 0x30: return "\\fmodern";
    case 0x40: return "\\fscript";
    case 0x50: return "\\fdecor";
    default: return "\\fnil";
    }
}

}  // namespace

std::string WriteRtf(const Document& text, int first, int last) {
    first = std::clamp(first, 0, text.Length());
    last = std::clamp(last, first, text.Length());

    std::vector<FontKey> fonts;
    std::vector<COLORREF> colours;
    for (int i = first; i < last; ++i) {
        const CharFormat& format = text.FormatAt(i);
        IndexOf(fonts, FontOf(format));
        if (!(format.effects & CFE_AUTOCOLOR)) IndexOf(colours, format.color);
    }

    std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        rtf += "{\\f" + std::to_string(i) + FamilyWord(fonts[i].pitchAndFamily);
        if (fonts[i].pitchAndFamily & 0x03) rtf += "\\fprq" + std::to_string(fonts[i].pitchAndFamily & 0x03);
        rtf += "\\fcharset" + std::to_string(fonts[i].charSet) + " ";
        AppendEscaped(rtf, fonts[i].face);
        rtf += ";}";
    }
    rtf += "}\r\n{\\colortbl ;";
    for (COLORREF colour : colours) {
        rtf += "\\red" + std::to_string(GetRValue(colour)) + "\\green" + std::to_string(GetGValue(colour)) +
               "\\blue" + std::to_string(GetBValue(colour)) + ";";
    }
    rtf += "}\r\n\\viewkind4\\uc1\\pard";

    for (int i = first; i < last;) {
        const CharFormat& format = text.FormatAt(i);
        int end = i + 1;
        while (end < last && text.FormatAt(end) == format) ++end;
        rtf += "\\plain\\f" + std::to_string(IndexOf(fonts, FontOf(format))) + "\\fs" +
               std::to_string((format.height + 5) / 10);
        if (format.effects & CFE_BOLD) rtf += "\\b";
        if (format.effects & CFE_ITALIC) rtf += "\\i";
        if (format.effects & CFE_UNDERLINE) rtf += "\\ul";
        if (format.effects & CFE_STRIKEOUT) rtf += "\\strike";
        if (!(format.effects & CFE_AUTOCOLOR)) rtf += "\\cf" + std::to_string(IndexOf(colours, format.color) + 1);
        if (format.effects & CFE_SUPERSCRIPT) rtf += "\\super";
        if (format.effects & CFE_SUBSCRIPT) rtf += "\\sub";
        if (format.offset > 0) rtf += "\\up" + std::to_string(format.offset / 10);
        if (format.offset < 0) rtf += "\\dn" + std::to_string(-format.offset / 10);
        rtf += ' ';
        AppendEscaped(rtf, text.Text(i, end, false));
        i = end;
    }
    rtf += "}";
    return rtf;
}

}  // namespace qelt::rich
