#include "mfc/richedit/RtfReader.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "mfc/base/Encoding.h"
#include "win/RichEdit.h"

namespace qelt::rich {
namespace {

enum class Destination { Text, Skip, FontTable, ColorTable, Picture };

struct Group {
    CharFormat format;
    Destination destination = Destination::Text;
    int fallbackLength = 1;  // \ucN: characters that follow \uN for readers without Unicode
};

struct Font {
    std::string face;
    BYTE charSet = 0;
    BYTE pitchAndFamily = 0;
};

// Destinations that hold no text of the document.
const std::unordered_set<std::string_view>& SkippedDestinations() {
    static const std::unordered_set<std::string_view> names = {
        "info", "stylesheet", "object", "header", "headerl", "headerr", "headerf", "footer",
        "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst", "themedata",
        "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "listtable", "listoverridetable",
        "rsidtbl", "generator", "filetbl", "revtbl", "nonshppict", "template", "docvar", "xe", "tc",
        "txe", "atnid", "atnauthor", "bkmkstart", "bkmkend", "userprops", "author", "title",
        "subject", "keywords", "comment", "doccomm", "operator", "pntext", "listtext"};
    return names;
}

// Control words that stand for one Unicode character.
std::optional<unsigned> SpecialCharacter(std::string_view word) {
    static const std::map<std::string_view, unsigned> characters = {
        {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018},
        {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x20},
        {"enspace", 0x20}, {"qmspace", 0x20}};
    auto found = characters.find(word);
    if (found == characters.end()) return std::nullopt;
    return found->second;
}

std::string Utf8Of(unsigned codePoint) {
    std::string utf8;
    if (codePoint < 0x80) {
        utf8 += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return utf8;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
public:
    Reader(std::string_view rtf, const CharFormat& base) : m_rtf(rtf), m_plain(base) {}

    RtfReadResult Run() {
        RtfReadResult result;
        size_t start = m_rtf.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos || m_rtf.compare(start, 5, "{\\rtf") != 0) {
            result.error = "not an RTF document: it must begin with {\\rtf";
            return result;
        }
        m_pos = start;
        while (m_pos < m_rtf.size() && m_error.empty()) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
                if (m_groups.empty()) break;  // the document's own group has ended
            } else if (c == '\\') {
                ReadControl();
            } else {
                TextByte(c);
            }
        }
        if (m_error.empty() && !m_groups.empty()) {
            m_error = "the document ends inside a group: " + std::to_string(m_groups.size()) +
                      " closing brace(s) missing";
        }
        if (!m_error.empty()) {
            result.error = m_error;
            return result;
        }
        result.ok = true;
        result.text = std::move(m_doc);
        return result;
    }

private:
    Group& Current() { return m_groups.back(); }

    void Fail(const std::string& what) {
        if (m_error.empty()) m_error = what + " at byte " + std::to_string(m_pos);
    }

    void OpenGroup() {
        Flush();
        Group group = m_groups.empty() ? Group{m_plain, Destination::Text, 1} : Current();
        m_groups.push_back(group);
        m_skipFallback = 0;
    }

    void CloseGroup() {
        Flush();
        const Destination closed = Current().destination;
        if (closed == Destination::Picture && m_groups.size() == m_pictureDepth) EndPicture();
        m_groups.pop_back();
        m_skipFallback = 0;
        m_ignorable = false;
        if (closed == Destination::FontTable && !m_groups.empty() &&
            Current().destination != Destination::FontTable) {
            // Text the document does not give a font is in its default font.
            auto font = m_fonts.find(m_defaultFont);
            if (font != m_fonts.end()) {
                ApplyFont(m_plain, font->second);
                for (Group& group : m_groups) ApplyFont(group.format, font->second);
            }
        }
    }

    static void ApplyFont(CharFormat& format, const Font& font) {
        format.face = font.face;
        format.charSet = font.charSet;
        format.pitchAndFamily = font.pitchAndFamily;
    }

    void ReadControl() {
        if (m_pos >= m_rtf.size()) {
            Fail("a backslash ends the document");
            return;
        }
        const char c = m_rtf[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const size_t start = m_pos;
            while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos]))) ++m_pos;
            const std::string_view word = m_rtf.substr(start, m_pos - start);
            bool hasParam = false;
            long param = 0;
            bool negative = false;
            if (m_pos < m_rtf.size() && m_rtf[m_pos] == '-') negative = true, ++m_pos;
            // A longer number stops at kMaxParameter, small enough for the twips (×10) of \fs,
            // \up and \dn to stay within an int.
            constexpr long kMaxParameter = 99999999;
            while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos]))) {
                hasParam = true;
                param = std::min(param * 10 + (m_rtf[m_pos] - '0'), kMaxParameter);
                ++m_pos;
            }
            if (negative && !hasParam) {
                Fail("a minus sign without a number after \\" + std::string(word));
                return;
            }
            if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') ++m_pos;  // the word's delimiter
            ControlWord(word, hasParam, static_cast<int>(negative ? -param : param));
            return;
        }
        ++m_pos;
        switch (c) {
        case '\'': {
            if (m_pos + 2 > m_rtf.size() || HexValue(m_rtf[m_pos]) < 0 || HexValue(m_rtf[m_pos + 1]) < 0) {
                Fail("\\' is not followed by two hexadecimal digits");
                return;
            }
            const char byte = static_cast<char>(HexValue(m_rtf[m_pos]) * 16 + HexValue(m_rtf[m_pos + 1]));
            m_pos += 2;
            TextByte(byte, true);
            return;
        }
        case '\\':
        case '{':
        case '}':
            TextByte(c, true);
            return;
        case '~':
            TextByte(' ', true);
            return;
        case '_':
            TextByte('-', true);
            return;
        case '*':
            m_ignorable = true;
            return;
        case '\r':
        case '\n':
            ControlWord("par", false, 0);
            return;
        default:
            return;  // optional hyphen, index marks and other symbols show nothing
        }
    }

    void ControlWord(std::string_view word, bool hasParam, int param) {
        if (word == "bin") {
            // Binary data follows the word directly, whatever the destination.
            const size_t length = hasParam && param > 0 ? static_cast<size_t>(param) : 0;
            if (m_pos + length > m_rtf.size()) {
                Fail("\\bin data runs past the end of the document");
                return;
            }
            m_pos += length;
            return;
        }
        if (m_groups.empty()) return;
        Group& group = Current();
        if (m_ignorable) {
            m_ignorable = false;
            // Of the optional destinations, a picture's wrapper (\*\shppict) holds a picture to show.
            if (word != "shppict") group.destination = Destination::Skip;
            return;
        }
        if (group.destination == Destination::Skip) return;
        if (word == "fonttbl") {
            Flush();
            group.destination = Destination::FontTable;
            m_font = Font{};
            return;
        }
        if (word == "colortbl") {
            Flush();
            group.destination = Destination::ColorTable;
            m_red = m_green = m_blue = -1;
            return;
        }
        if (word == "pict") {
            Flush();
            group.destination = Destination::Picture;
            m_picture = PictureData{};
            m_pictureDepth = m_groups.size();
            return;
        }
        if (group.destination == Destination::Picture) {
            PictureWord(word, param);
            return;
        }
        if (SkippedDestinations().count(word)) {
            Flush();
            group.destination = Destination::Skip;
            return;
        }
        if (group.destination == Destination::FontTable) {
            FontTableWord(word, hasParam, param);
            return;
        }
        if (group.destination == Destination::ColorTable) {
            if (word == "red") m_red = param;
            if (word == "green") m_green = param;
            if (word == "blue") m_blue = param;
            return;
        }
        if (word == "deff") {
            m_defaultFont = param;
            return;
        }
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        Flush();
        CharFormat& format = group.format;
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "line") {
            m_doc.Append("\r", format);
        } else if (word == "tab" || word == "cell" || word == "nestcell") {
            m_doc.Append("\t", format);
        } else if (word == "row" || word == "nestrow") {
            // The row's last cell mark becomes the row's paragraph end.
            if (m_doc.LastByte() == '\t') {
                m_doc.ReplaceLast("\r");
            } else {
                m_doc.Append("\r", format);
            }
        } else if (word == "u") {
            const unsigned codePoint = static_cast<unsigned>(param < 0 ? param + 65536 : param);
            if (AppendCodePoint(codePoint)) m_skipFallback = group.fallbackLength;
        } else if (word == "uc") {
            group.fallbackLength = param > 0 ? param : 0;
        } else if (auto special = SpecialCharacter(word)) {
            AppendCodePoint(*special);
        } else if (word == "plain") {
            format = m_plain;
        } else if (word == "b") {
            SetEffect(format, CFE_BOLD, on);
        } else if (word == "i") {
            SetEffect(format, CFE_ITALIC, on);
        } else if (word == "strike") {
            SetEffect(format, CFE_STRIKEOUT, on);
        } else if (word == "ulnone") {
            SetEffect(format, CFE_UNDERLINE, false);
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth" ||
                   word == "uldash" || word == "ulwave") {
            SetEffect(format, CFE_UNDERLINE, on);
        } else if (word == "fs") {
            if (param > 0) format.height = param * 10;  // half-points to twips
        } else if (word == "cf") {
            SetColour(format, param);
        } else if (word == "f") {
            auto font = m_fonts.find(param);
            if (font != m_fonts.end()) ApplyFont(format, font->second);
        } else if (word == "super") {
            SetEffect(format, CFE_SUBSCRIPT, false);
            SetEffect(format, CFE_SUPERSCRIPT, true);
        } else if (word == "sub") {
            SetEffect(format, CFE_SUPERSCRIPT, false);
            SetEffect(format, CFE_SUBSCRIPT, true);
        } else if (word == "nosupersub") {
            SetEffect(format, CFE_SUPERSCRIPT | CFE_SUBSCRIPT, false);
        } else if (word == "up") {
            format.offset = (hasParam ? param : 6) * 10;
        } else if (word == "dn") {
            format.offset = -(hasParam ? param : 6) * 10;
        }
    }

    void FontTableWord(std::string_view word, bool hasParam, int param) {
        if (word == "f" && hasParam) {
            m_font = Font{};
            m_fontNumber = param;
        } else if (word == "fcharset") {
            m_font.charSet = static_cast<BYTE>(param);
        } else if (word == "fprq") {
            m_font.pitchAndFamily = static_cast<BYTE>((m_font.pitchAndFamily & 0xF0) | (param & 0x03));
        } else {
            static const std::map<std::string_view, BYTE> families = {
                {"fnil", 0x00}, {"froman", 0x10}, {"fswiss", 0x20}, {"fmodern", 0x30},
                {"fscript", 0x40}, {"fdecor", 0x50}};
            auto family = families.find(word);
            if (family != families.end()) {
                m_font.pitchAndFamily = static_cast<BYTE>((m_font.pitchAndFamily & 0x0F) | family->second);
            }
        }
    }

    // The picture's format and sizes: pixels (\\picw, \\pich), the size to show it at in twips
    // (\\picwgoal, \\pichgoal) and its scale in percent.
    void PictureWord(std::string_view word, int param) {
        if (word == "pngblip") m_picture.png = true;
        else if (word == "picw") m_picture.width = param;
        else if (word == "pich") m_picture.height = param;
        else if (word == "picwgoal") m_picture.goalWidth = param;
        else if (word == "pichgoal") m_picture.goalHeight = param;
        else if (word == "picscalex") m_picture.scaleX = param;
        else if (word == "picscaley") m_picture.scaleY = param;
        else if (word.size() > 4 && word.substr(word.size() - 4) == "blip") m_picture.png = false;  // JPEG, metafiles …
    }

    // A PNG picture stands where the reading has come to, at the size it is to be shown at.
    void EndPicture() {
        if (!m_picture.png || m_picture.bytes.empty()) return;
        Picture picture;
        picture.position = m_doc.Length();
        picture.png = std::make_shared<const std::string>(std::move(m_picture.bytes));
        // Pixels (15 twips each), at most 16384 across or down.
        auto pixels = [](int goal, int own, int scale) {
            const long long size = goal > 0 ? (goal + 7LL) / 15 : own;
            return static_cast<int>(std::clamp(size * (scale > 0 ? scale : 100) / 100, 1LL, 16384LL));
        };
        picture.width = pixels(m_picture.goalWidth, m_picture.width, m_picture.scaleX);
        picture.height = pixels(m_picture.goalHeight, m_picture.height, m_picture.scaleY);
        m_doc.AddPicture(std::move(picture));
    }

    static void SetEffect(CharFormat& format, DWORD effect, bool on) {
        format.effects = on ? (format.effects | effect) : (format.effects & ~effect);
    }

    void SetColour(CharFormat& format, int index) {
        if (index < 0 || index >= static_cast<int>(m_colours.size())) return;
        if (m_colours[static_cast<size_t>(index)]) {
            format.color = *m_colours[static_cast<size_t>(index)];
            SetEffect(format, CFE_AUTOCOLOR, false);
        } else {
            SetEffect(format, CFE_AUTOCOLOR, true);
        }
    }

    bool AppendCodePoint(unsigned codePoint) {
        auto gbk = text::Utf8ToGbk(Utf8Of(codePoint));
        if (!gbk.ok || gbk.text.empty()) return false;
        m_pending += gbk.text;
        return true;
    }

    // A byte of text (escaped bytes come with escaped set: they never end a table entry).
    void TextByte(char c, bool escaped = false) {
        if (m_groups.empty()) return;
        Group& group = Current();
        if (!escaped && (c == '\r' || c == '\n' || c == '\0')) return;
        switch (group.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (c == ';' && !escaped) {
                m_fonts[m_fontNumber] = m_font;
                m_font = Font{};
            } else {
                m_font.face += c;
            }
            return;
        case Destination::ColorTable:
            if (c == ';' && !escaped) {
                if (m_red < 0 && m_green < 0 && m_blue < 0) {
                    m_colours.emplace_back();  // the automatic colour
                } else {
                    m_colours.emplace_back(RGB(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
                }
                m_red = m_green = m_blue = -1;
            }
            return;
        case Destination::Picture:
            if (HexValue(c) >= 0) {
                if (m_picture.half < 0) {
                    m_picture.half = HexValue(c);
                } else {
                    m_picture.bytes += static_cast<char>(m_picture.half * 16 + HexValue(c));
                    m_picture.half = -1;
                }
            }
            return;
        case Destination::Text:
            if (m_skipFallback > 0) {
                --m_skipFallback;
                return;
            }
            if (c == '\t' && !escaped) {
                ControlWord("tab", false, 0);
                return;
            }
            m_pending += c;
            return;
        }
    }

    // Pending text bytes become characters of the current format; a GBK character may come as two
    // escaped bytes, so bytes wait until something other than text follows.
    void Flush() {
        if (m_pending.empty() || m_groups.empty()) {
            m_pending.clear();
            return;
        }
        const CharFormat& format = Current().format;
        for (size_t i = 0; i < m_pending.size();) {
            const size_t width = GbkCharWidth(m_pending, i);
            m_doc.Append(std::string_view(m_pending).substr(i, width), format);
            i += width;
        }
        m_pending.clear();
    }

    std::string_view m_rtf;
    size_t m_pos = 0;
    std::string m_error;
    std::vector<Group> m_groups;
    CharFormat m_plain;
    bool m_ignorable = false;
    int m_skipFallback = 0;
    std::string m_pending;
    Document m_doc;

    std::map<int, Font> m_fonts;
    int m_defaultFont = -1;
    int m_fontNumber = 0;
    Font m_font;
    std::vector<std::optional<COLORREF>> m_colours;
    int m_red = -1, m_green = -1, m_blue = -1;

    struct PictureData {
        bool png = false;
        int width = 0, height = 0, goalWidth = 0, goalHeight = 0, scaleX = 0, scaleY = 0;
        std::string bytes;
        int half = -1;  // the first hexadecimal digit of a byte
    };
    PictureData m_picture;
    size_t m_pictureDepth = 0;  // the groups open when the picture began
};

}  // namespace

RtfReadResult ReadRtf(std::string_view rtf, const CharFormat& base) { return Reader(rtf, base).Run(); }

}  // namespace qelt::rich
