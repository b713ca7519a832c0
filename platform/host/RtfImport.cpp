#include "host/RtfImport.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <set>

namespace qelt::report {

namespace {

struct Token {
    enum Kind { Open, Close, Word, Symbol, Text } kind;
    std::string_view source;  // the token as it stands in the document
    std::string_view word;    // a control word's letters, or a symbol's character
    bool hasParameter = false;
    long parameter = 0;
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view rtf) : m_rtf(rtf) {}

    bool Next(Token& token) {
        if (m_pos >= m_rtf.size()) return false;
        const size_t start = m_pos;
        const char c = m_rtf[m_pos];
        if (c == '{' || c == '}') {
            ++m_pos;
            token = {c == '{' ? Token::Open : Token::Close, m_rtf.substr(start, 1), {}};
        } else if (c == '\\' && m_pos + 1 < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos + 1]))) {
            size_t end = m_pos + 1;
            while (end < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[end]))) ++end;
            token = {Token::Word, {}, m_rtf.substr(m_pos + 1, end - m_pos - 1)};
            const size_t digits = end;
            if (end < m_rtf.size() && (m_rtf[end] == '-' || std::isdigit(static_cast<unsigned char>(m_rtf[end])))) ++end;
            while (end < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[end]))) ++end;
            if (end > digits && std::isdigit(static_cast<unsigned char>(m_rtf[end - 1]))) {
                token.hasParameter = true;
                token.parameter = std::strtol(std::string(m_rtf.substr(digits, end - digits)).c_str(), nullptr, 10);
            } else {
                end = digits;
            }
            if (end < m_rtf.size() && m_rtf[end] == ' ') ++end;  // the delimiter belongs to the word
            m_pos = end;
            token.source = m_rtf.substr(start, m_pos - start);
            if (token.word == "bin" && token.hasParameter && token.parameter > 0)  // raw bytes follow
                m_pos = std::min(m_rtf.size(), m_pos + static_cast<size_t>(token.parameter));
            token.source = m_rtf.substr(start, m_pos - start);
        } else if (c == '\\') {
            size_t end = std::min(m_rtf.size(), m_pos + 2);
            if (end == m_pos + 2 && m_rtf[m_pos + 1] == '\'') end = std::min(m_rtf.size(), m_pos + 4);
            token = {Token::Symbol, m_rtf.substr(start, end - start), m_rtf.substr(m_pos + 1, end > m_pos + 1 ? 1 : 0)};
            m_pos = end;
        } else {
            size_t end = m_pos;
            while (end < m_rtf.size() && m_rtf[end] != '{' && m_rtf[end] != '}' && m_rtf[end] != '\\') ++end;
            token = {Token::Text, m_rtf.substr(start, end - start), {}};
            m_pos = end;
        }
        return true;
    }

private:
    std::string_view m_rtf;
    size_t m_pos = 0;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The header words of a document, which the receiving document has its own of.
const std::set<std::string_view> kHeaderWords = {
    "rtf", "ansi", "mac", "pc", "pca", "ansicpg", "deff", "deflang", "deflangfe", "adeflang",
    "viewkind", "paperw", "paperh", "margl", "margr", "margt", "margb", "deftab", "fromtext"};
// Destinations of the header that are not carried over.
const std::set<std::string_view> kDroppedGroups = {"stylesheet", "info", "generator", "listtable",
                                                    "listoverridetable", "rsidtbl"};
// Control words whose parameter is an index into the colour table.
const std::set<std::string_view> kColorWords = {"cf", "cb", "highlight", "chcbpat", "cbpat",
                                                 "clcbpat", "brdrcf", "clcfpat", "chcfpat"};

}  // namespace

bool ImportRtf(std::string_view rtf, RtfDocument& into, std::string& body, std::string& error) {
    size_t begin = 0;
    while (begin < rtf.size() && std::isspace(static_cast<unsigned char>(rtf[begin]))) ++begin;
    if (rtf.substr(begin, 5) != "{\\rtf") {
        error = "the text does not begin with {\\rtf";
        return false;
    }

    // First pass: the font and colour tables and the default font.
    std::map<long, int> fonts;
    std::map<long, int> colors;
    long defaultFont = 0;
    {
        Tokenizer tokens(rtf.substr(begin));
        Token token;
        int depth = 0;
        enum { None, FontTable, ColorTable } table = None;
        int tableDepth = 0;
        long font = -1;
        int skipDepth = 0;  // inside a font entry's own destination ({\*\panose …})
        std::string name;
        long red = 0, green = 0, blue = 0;
        bool colorGiven = false;
        long colorIndex = 0;
        while (tokens.Next(token)) {
            if (token.kind == Token::Open) {
                ++depth;
                continue;
            }
            if (token.kind == Token::Close) {
                if (skipDepth == depth) skipDepth = 0;
                if (table != None && depth == tableDepth) table = None;
                --depth;
                if (depth == 0) break;
                continue;
            }
            if (skipDepth) continue;
            if (token.kind == Token::Word && depth == 1 && token.word == "deff" && token.hasParameter)
                defaultFont = token.parameter;
            if (token.kind == Token::Word && (token.word == "fonttbl" || token.word == "colortbl")) {
                table = token.word == "fonttbl" ? FontTable : ColorTable;
                tableDepth = depth;
                continue;
            }
            if (table == FontTable) {
                if (token.kind == Token::Symbol && token.word == "*") {
                    skipDepth = depth;
                } else if (token.kind == Token::Word && token.word == "f" && token.hasParameter) {
                    font = token.parameter;
                    name.clear();
                } else if (token.kind == Token::Symbol && token.source.size() == 4 && token.word == "'") {
                    const int high = HexDigit(token.source[2]);
                    const int low = HexDigit(token.source[3]);
                    if (high >= 0 && low >= 0) name += static_cast<char>(high * 16 + low);
                } else if (token.kind == Token::Text) {
                    for (char c : token.source) {
                        if (c == ';') {
                            if (font >= 0) fonts[font] = into.Font(name);
                            font = -1;
                        } else if (c != '\r' && c != '\n' && !(name.empty() && c == ' ')) {
                            name += c;
                        }
                    }
                }
            } else if (table == ColorTable) {
                if (token.kind == Token::Word && token.hasParameter) {
                    if (token.word == "red") red = token.parameter;
                    if (token.word == "green") green = token.parameter;
                    if (token.word == "blue") blue = token.parameter;
                    colorGiven = true;
                } else if (token.kind == Token::Text) {
                    for (char c : token.source) {
                        if (c != ';') continue;
                        if (colorGiven)
                            colors[colorIndex] = into.Color(static_cast<COLORREF>(
                                (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16)));
                        ++colorIndex;
                        red = green = blue = 0;
                        colorGiven = false;
                    }
                }
            }
        }
        if (depth != 0) {
            error = "the document does not close its groups";
            return false;
        }
    }
    auto fontOf = [&](long index) {
        const auto found = fonts.find(index);
        return found == fonts.end() ? 0 : found->second;
    };
    const int baseFont = fontOf(defaultFont);

    // Second pass: the content, renumbered.
    std::string out = "{\\f" + std::to_string(baseFont) + " ";
    Tokenizer tokens(rtf.substr(begin));
    Token token;
    int depth = 0;
    int dropDepth = 0;         // inside a group that is not carried over
    bool groupStart = false;   // no token but "\*" since the group opened
    size_t groupOpenAt = 0;    // where the output of the group just opened begins
    while (tokens.Next(token)) {
        if (token.kind == Token::Open) {
            ++depth;
            if (dropDepth) continue;
            groupStart = true;
            groupOpenAt = out.size();
            if (depth > 1) out += '{';
            continue;
        }
        if (token.kind == Token::Close) {
            if (dropDepth == depth)
                dropDepth = 0;
            else if (depth > 1 && !dropDepth)
                out += '}';
            groupStart = false;
            if (--depth == 0) break;
            continue;
        }
        if (dropDepth) continue;
        const bool first = groupStart;
        groupStart = groupStart && token.kind == Token::Symbol && token.word == "*";
        if (token.kind == Token::Word) {
            const bool table = token.word == "fonttbl" || token.word == "colortbl";
            if (first && depth > 1 && (table || kDroppedGroups.count(token.word))) {
                out.resize(groupOpenAt);
                dropDepth = depth;
                continue;
            }
            if (depth == 1 && kHeaderWords.count(token.word)) continue;
            const bool color = kColorWords.count(token.word) != 0;
            if ((token.word == "f" || color) && token.hasParameter) {
                int index = fontOf(token.parameter);
                if (color) {
                    const auto found = colors.find(token.parameter);
                    index = found == colors.end() ? 0 : found->second;
                }
                out += "\\" + std::string(token.word) + std::to_string(index);
                if (token.source.back() == ' ') out += ' ';
                continue;
            }
            out += token.source;
            if (token.word == "plain" && baseFont != 0) out += "\\f" + std::to_string(baseFont) + " ";
            continue;
        }
        out += token.source;
    }
    out += "}\n";
    body = std::move(out);
    return true;
}

}  // namespace qelt::report
