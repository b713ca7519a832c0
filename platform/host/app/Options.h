// The command line of the host program:
//   qelt list
//   qelt run COMMAND [--script FILE|-] [--mode N] [--store FILE] [--out DIR] [--word FILE] [--snap DIR]
//                    [--quiet]
// Each option may be given once. Texts stay as typed (UTF-8); the program converts them where it
// hands them to the module.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qelt::app {

enum class Action { List, Run, Help };

struct Options {
    Action action = Action::Help;
    std::string command;                    // run: the command's name as typed ("C:ZHJMJS")
    std::optional<std::string> scriptPath;  // "-" reads the script from standard input
    int mode = 1;                           // the work dialog's mode that the host reports
    std::optional<std::string> storePath;   // unset: the default store (DefaultStorePath)
    std::string outDir = ".";
    std::optional<std::string> wordPath;    // the Word output that "加入列表" writes
    std::optional<std::string> snapDir;     // pictures of the dialog: at the script's end and its "snap" lines
    bool quiet = false;                     // the full report is not printed on stdout
};

struct ParsedOptions {
    std::optional<Options> options;  // set when the command line is sound
    std::string error;               // what is wrong with it otherwise (UTF-8)
};

// args are the words after the program's name.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

// The usage text printed with an error and for --help.
const char* UsageText();

// $XDG_DATA_HOME/qelt/store.db, or ~/.local/share/qelt/store.db when XDG_DATA_HOME is unset, empty
// or not an absolute path. "" when neither that nor HOME gives a folder.
std::string DefaultStorePath();

}  // namespace qelt::app
