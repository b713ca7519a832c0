// qelt_rc: compiles resource scripts into the C++ source of their tables.
//   qelt_rc -o out.cpp [-d out.d] [-I folder]… script.rc…
// Writes the source (and, with -d, a make-style dependency file) or, for a malformed script,
// prints "file:line: error: message" and exits with 1 without writing anything.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Compiler.h"

namespace {

int Usage() {
    std::fputs("usage: qelt_rc -o out.cpp [-d out.d] [-I folder]... script.rc...\n", stderr);
    return 2;
}

bool WriteFile(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!(out << content)) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string output, depfile;
    std::vector<std::string> includeDirs, scripts;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if ((!std::strcmp(arg, "-o") || !std::strcmp(arg, "-d") || !std::strcmp(arg, "-I")) && i + 1 < argc) {
            std::string value = argv[++i];
            if (!std::strcmp(arg, "-o")) output = value;
            else if (!std::strcmp(arg, "-d")) depfile = value;
            else includeDirs.push_back(value);
        } else if (arg[0] == '-') {
            return Usage();
        } else {
            scripts.push_back(arg);
        }
    }
    if (output.empty() || scripts.empty()) return Usage();

    qelt::rc::Result result = qelt::rc::Compile(scripts, includeDirs);
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", result.error.c_str());
        return 1;
    }
    if (!WriteFile(output, result.source)) {
        std::fprintf(stderr, "qelt_rc: cannot write %s\n", output.c_str());
        return 1;
    }
    if (!depfile.empty()) {
        std::string rule = output + ":";
        for (const std::string& dependency : result.dependencies) rule += " \\\n  " + dependency;
        if (!WriteFile(depfile, rule + "\n")) {
            std::fprintf(stderr, "qelt_rc: cannot write %s\n", depfile.c_str());
            return 1;
        }
    }
    return 0;
}
