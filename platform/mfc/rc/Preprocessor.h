// The preprocessing of resource scripts: #include "file" (relative to the including file, then the
// include folders), #define NAME tokens (no parameters), #undef, #ifdef / #ifndef / #else /
// #endif, and #pragma (ignored). The platform's style and id constants (WS_CHILD, ES_NUMBER,
// IDOK …) are predefined. Identifiers with a definition are replaced by it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "Token.h"

namespace qelt::rc {

class Preprocessor {
public:
    explicit Preprocessor(std::vector<std::string> includeDirs);

    // The tokens of a script with its includes and definitions resolved, ending with an End token.
    std::vector<Token> Run(const std::string& path);

    // Every file read (scripts and headers), for the build's dependency list.
    const std::set<std::string>& FilesRead() const { return m_filesRead; }
    // Finds a file named by a script: beside the script, then in the include folders.
    std::string Resolve(const std::string& name, const Location& from) const;
    // Reads a whole file; an error at `from` when it cannot be read.
    std::string ReadFile(const std::string& path, const Location& from);

private:
    void Process(const std::string& path, const Location& from, std::vector<Token>& out, int depth);
    void Directive(const std::vector<Token>& line, std::vector<Token>& out, int depth);
    void Expand(const Token& token, std::vector<Token>& out, std::set<std::string>& active) const;
    bool Skipping() const;

    std::vector<std::string> m_includeDirs;
    std::map<std::string, std::vector<Token>> m_defines;
    struct Condition {
        bool taking;        // this branch's tokens are kept
        bool parentTaking;  // the enclosing branch's tokens are kept
        bool seenElse;
        Location where;
    };
    std::vector<Condition> m_conditions;
    std::set<std::string> m_filesRead;
};

}  // namespace qelt::rc
