#include "host/app/Options.h"

#include <charconv>
#include <cstdlib>
#include <set>

namespace qelt::app {
namespace {

ParsedOptions Error(std::string message) {
    ParsedOptions parsed;
    parsed.error = std::move(message);
    return parsed;
}

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [next, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && next == end;
}

}  // namespace

const char* UsageText() {
    return "usage: qelt list\n"
           "       qelt run COMMAND [--script FILE|-] [--mode N] [--store FILE] [--out DIR]\n"
           "                        [--word FILE] [--snap DIR] [--quiet]\n";
}

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    if (args.empty()) return Error("no action given");
    Options options;
    const std::string& action = args[0];
    if (action == "--help" || action == "-h") {
        if (args.size() > 1) return Error("--help takes nothing after it");
        options.action = Action::Help;
        return {options, ""};
    }
    if (action == "list") {
        if (args.size() > 1) return Error("list takes nothing after it, got \"" + args[1] + "\"");
        options.action = Action::List;
        return {options, ""};
    }
    if (action != "run") return Error("unknown action \"" + action + "\"");
    options.action = Action::Run;
    if (args.size() < 2 || args[1].empty() || args[1][0] == '-') return Error("run needs a command name");
    options.command = args[1];

    std::set<std::string> seen;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        bool known = option == "--quiet" || option == "--script" || option == "--mode" ||
                     option == "--store" || option == "--out" || option == "--word" || option == "--snap";
        if (!known) return Error("unknown option \"" + option + "\"");
        if (!seen.insert(option).second) return Error(option + " is given twice");
        if (option == "--quiet") {
            options.quiet = true;
            continue;
        }
        if (i + 1 == args.size()) return Error(option + " needs a value");
        const std::string& value = args[++i];
        if (value.empty()) return Error(option + " needs a value that is not empty");
        if (option == "--script")
            options.scriptPath = value;
        else if (option == "--mode") {
            if (!ParseInt(value, options.mode))
                return Error("--mode needs a whole number, got \"" + value + "\"");
        } else if (option == "--store")
            options.storePath = value;
        else if (option == "--out")
            options.outDir = value;
        else if (option == "--snap")
            options.snapDir = value;
        else
            options.wordPath = value;
    }
    return {options, ""};
}

std::string DefaultStorePath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/qelt/store.db";
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.local/share/qelt/store.db";
    return "";
}

}  // namespace qelt::app
