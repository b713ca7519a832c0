// Tokens of a resource script, with where they came from.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace qelt::rc {

struct Location {
    std::shared_ptr<const std::string> file;
    int line = 0;

    std::string Describe() const { return (file ? *file : std::string("<input>")) + ":" + std::to_string(line); }
};

struct Token {
    enum class Kind { Identifier, Number, String, Punct, End };
    Kind kind = Kind::End;
    std::string text;       // identifier or punctuation; a string's value (UTF-8, escapes resolved)
    long long number = 0;   // a number's value
    bool startsLine = false;
    Location where;

    bool Is(Kind k, const char* t) const { return kind == k && text == t; }
    bool IsPunct(const char* p) const { return Is(Kind::Punct, p); }
    // Keywords are case-blind, as in the platform's resource compiler.
    bool IsKeyword(const char* keyword) const;
};

// A malformed script: where and what.
class CompileError : public std::runtime_error {
public:
    CompileError(const Location& where, const std::string& message)
        : std::runtime_error(where.Describe() + ": error: " + message) {}
};

}  // namespace qelt::rc
