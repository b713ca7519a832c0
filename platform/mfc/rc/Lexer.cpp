#include "Lexer.h"

#include <cctype>
#include <cstdio>

namespace qelt::rc {

bool Token::IsKeyword(const char* keyword) const {
    if (kind != Kind::Identifier || text.size() != std::char_traits<char>::length(keyword)) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
    }
    return true;
}

namespace {

bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

std::vector<Token> Tokenize(const std::string& text, const std::shared_ptr<const std::string>& file) {
    std::vector<Token> tokens;
    int line = 1;
    bool lineStart = true;
    size_t i = 0;
    auto make = [&](Token::Kind kind) {
        Token token;
        token.kind = kind;
        token.where = Location{file, line};
        token.startsLine = lineStart;
        lineStart = false;
        return token;
    };
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n') {
            ++line;
            lineStart = true;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
            Location start{file, line};
            size_t end = text.find("*/", i + 2);
            if (end == std::string::npos) throw CompileError(start, "comment is not closed");
            for (size_t k = i; k < end; ++k) line += text[k] == '\n';
            i = end + 2;
        } else if (c == '"') {
            Token token = make(Token::Kind::String);
            ++i;
            for (;;) {
                if (i >= text.size() || text[i] == '\n') throw CompileError(token.where, "string is not closed");
                char s = text[i];
                if (s == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        token.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (s == '\\' && i + 1 < text.size()) {
                    char e = text[i + 1];
                    switch (e) {
                    case 'n': token.text += '\n'; break;
                    case 'r': token.text += '\r'; break;
                    case 't': token.text += '\t'; break;
                    case '\\': token.text += '\\'; break;
                    case '"': token.text += '"'; break;
                    default: throw CompileError(token.where, std::string("unknown escape \\") + e + " in string");
                    }
                    i += 2;
                    continue;
                }
                token.text += s;
                ++i;
            }
            tokens.push_back(token);
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            Token token = make(Token::Kind::Number);
            size_t used = 0;
            const bool hex = text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0;
            std::string digits;
            size_t k = i + (hex ? 2 : 0);
            while (k < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[k]))
                                           : std::isdigit(static_cast<unsigned char>(text[k])))) {
                digits += text[k++];
            }
            while (k < text.size() && (text[k] == 'L' || text[k] == 'l' || text[k] == 'U' || text[k] == 'u')) ++k;
            if (digits.empty() || (k < text.size() && IsIdentifierChar(text[k]))) {
                size_t end = k;
                while (end < text.size() && IsIdentifierChar(text[end])) ++end;
                throw CompileError(token.where, "malformed number \"" + text.substr(i, end - i) + "\"");
            }
            try {
                token.number = static_cast<long long>(std::stoull(digits, &used, hex ? 16 : 10));
            } catch (const std::out_of_range&) {
                throw CompileError(token.where, "number " + text.substr(i, k - i) + " is too large");
            }
            i = k;
            tokens.push_back(token);
        } else if (IsIdentifierStart(c)) {
            Token token = make(Token::Kind::Identifier);
            while (i < text.size() && IsIdentifierChar(text[i])) token.text += text[i++];
            tokens.push_back(token);
        } else if (std::string(",|()+-*/&~{};#<>").find(c) != std::string::npos) {
            Token token = make(Token::Kind::Punct);
            token.text = c;
            ++i;
            tokens.push_back(token);
        } else {
            Token token = make(Token::Kind::Punct);
            char shown[8];
            std::snprintf(shown, sizeof shown, (c >= 0x20 && c < 0x7F) ? "%c" : "\\x%02X",
                          static_cast<unsigned char>(c));
            throw CompileError(token.where, std::string("unexpected character '") + shown + "'");
        }
    }
    Token end;
    end.where = Location{file, line};
    end.startsLine = true;
    tokens.push_back(end);
    return tokens;
}

}  // namespace qelt::rc
