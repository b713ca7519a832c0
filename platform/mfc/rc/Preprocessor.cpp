#include "Preprocessor.h"

#include <fstream>
#include <sstream>

#include "Constants.h"
#include "Lexer.h"

namespace qelt::rc {
namespace {

constexpr int kMaxIncludeDepth = 32;

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool Exists(const std::string& path) { return std::ifstream(path).good(); }

}  // namespace

Preprocessor::Preprocessor(std::vector<std::string> includeDirs) : m_includeDirs(std::move(includeDirs)) {
    for (const Constant& constant : PlatformConstants()) {
        Token value;
        value.kind = Token::Kind::Number;
        value.number = constant.value;
        m_defines[constant.name] = {value};
    }
}

std::string Preprocessor::Resolve(const std::string& name, const Location& from) const {
    if (!name.empty() && name[0] == '/') return name;
    std::vector<std::string> candidates{DirectoryOf(from.file ? *from.file : std::string(".")) + "/" + name};
    for (const std::string& dir : m_includeDirs) candidates.push_back(dir + "/" + name);
    for (const std::string& candidate : candidates) {
        if (Exists(candidate)) return candidate;
    }
    return candidates.front();
}

std::string Preprocessor::ReadFile(const std::string& path, const Location& from) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CompileError(from, "cannot read \"" + path + "\"");
    std::ostringstream content;
    content << in.rdbuf();
    m_filesRead.insert(path);
    return content.str();
}

std::vector<Token> Preprocessor::Run(const std::string& path) {
    std::vector<Token> out;
    Location start{std::make_shared<const std::string>(path), 0};
    Process(path, start, out, 0);
    if (!m_conditions.empty()) throw CompileError(m_conditions.back().where, "#if without #endif");
    Token end;
    end.where = out.empty() ? start : out.back().where;
    end.startsLine = true;
    out.push_back(end);
    return out;
}

bool Preprocessor::Skipping() const { return !m_conditions.empty() && !m_conditions.back().taking; }

void Preprocessor::Process(const std::string& path, const Location& from, std::vector<Token>& out, int depth) {
    if (depth > kMaxIncludeDepth) throw CompileError(from, "#include nested too deeply (a file includes itself?)");
    std::vector<Token> tokens = Tokenize(ReadFile(path, from), std::make_shared<const std::string>(path));
    const size_t conditionsAtStart = m_conditions.size();
    for (size_t i = 0; tokens[i].kind != Token::Kind::End;) {
        if (tokens[i].IsPunct("#") && tokens[i].startsLine) {
            std::vector<Token> line{tokens[i]};
            for (++i; tokens[i].kind != Token::Kind::End && !tokens[i].startsLine; ++i) line.push_back(tokens[i]);
            Directive(line, out, depth);
            continue;
        }
        if (!Skipping()) {
            std::set<std::string> active;
            Expand(tokens[i], out, active);
        }
        ++i;
    }
    if (m_conditions.size() != conditionsAtStart) {
        throw CompileError(m_conditions.back().where, "#if without #endif in this file");
    }
}

void Preprocessor::Expand(const Token& token, std::vector<Token>& out, std::set<std::string>& active) const {
    auto found = token.kind == Token::Kind::Identifier ? m_defines.find(token.text) : m_defines.end();
    if (found == m_defines.end() || active.count(token.text)) {
        out.push_back(token);
        return;
    }
    active.insert(token.text);
    for (Token replacement : found->second) {
        replacement.where = token.where;
        replacement.startsLine = false;
        Expand(replacement, out, active);
    }
    active.erase(token.text);
}

void Preprocessor::Directive(const std::vector<Token>& line, std::vector<Token>& out, int depth) {
    const Location& where = line.front().where;
    if (line.size() < 2 || line[1].kind != Token::Kind::Identifier) throw CompileError(where, "malformed directive");
    const std::string& name = line[1].text;
    auto needName = [&]() -> const std::string& {
        if (line.size() < 3 || line[2].kind != Token::Kind::Identifier) {
            throw CompileError(where, "#" + name + " needs a name");
        }
        return line[2].text;
    };
    if (name == "ifdef" || name == "ifndef") {
        const bool defined = m_defines.count(needName()) != 0;
        const bool parent = !Skipping();
        m_conditions.push_back({parent && (name == "ifdef" ? defined : !defined), parent, false, where});
        return;
    }
    if (name == "else") {
        if (m_conditions.empty() || m_conditions.back().seenElse) throw CompileError(where, "#else without #if");
        Condition& condition = m_conditions.back();
        condition.taking = condition.parentTaking && !condition.taking;
        condition.seenElse = true;
        return;
    }
    if (name == "endif") {
        if (m_conditions.empty()) throw CompileError(where, "#endif without #if");
        m_conditions.pop_back();
        return;
    }
    if (Skipping()) return;
    if (name == "include") {
        if (line.size() != 3 || line[2].kind != Token::Kind::String) {
            throw CompileError(where, "#include needs a file name in double quotes");
        }
        Process(Resolve(line[2].text, where), where, out, depth + 1);
    } else if (name == "define") {
        const std::string& defined = needName();
        m_defines[defined] = std::vector<Token>(line.begin() + 3, line.end());
    } else if (name == "undef") {
        m_defines.erase(needName());
    } else if (name == "pragma") {
        // #pragma once, #pragma code_page(…): nothing to do; scripts are UTF-8.
    } else {
        throw CompileError(where, "unsupported directive #" + name);
    }
}

}  // namespace qelt::rc
