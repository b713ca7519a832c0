#include "host/app/ScriptFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "mfc/base/Encoding.h"

namespace qelt::app {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Splits off the first word of text; text keeps what follows, blanks before it removed.
std::string_view TakeWord(std::string_view& text) {
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    std::string_view word = text.substr(0, end);
    text = TrimLeft(text.substr(end));
    return word;
}

bool ParseNumber(std::string_view word, int low, int high, int& value) {
    const char* end = word.data() + word.size();
    auto [next, ec] = std::from_chars(word.data(), end, value);
    return !word.empty() && ec == std::errc() && next == end && value >= low && value <= high;
}

// Parses one line that is neither blank nor a comment; "" on success, else the error.
std::string ParseLine(std::string_view text, UserAction& action) {
    std::string_view verb = TakeWord(text);
    auto needsId = [&](const char* usage) -> std::string {
        std::string_view id = TakeWord(text);
        if (id.empty()) return std::string("expected \"") + usage + "\"";
        if (!ParseNumber(id, 0, 65535, action.controlId))
            return "\"" + std::string(id) + "\" is not a control id (a number from 0 to 65535)";
        return "";
    };
    auto takeText = [&]() -> std::string {
        auto gbk = qelt::text::Utf8ToGbk(text);
        if (!gbk.ok) return "the text cannot be written in GBK: " + gbk.error;
        action.text = CString(gbk.text);
        return "";
    };
    auto noMore = [&](const char* usage) -> std::string {
        return text.empty() ? "" : std::string("unexpected \"") + std::string(text) + "\" after \"" + usage + "\"";
    };

    if (verb == "set" || verb == "choose") {
        action.kind = verb == "set" ? UserAction::Kind::Set : UserAction::Kind::Choose;
        std::string error = needsId(verb == "set" ? "set ID TEXT" : "choose ID TEXT");
        if (!error.empty()) return error;
        if (action.kind == UserAction::Kind::Choose && text.empty()) return "expected \"choose ID TEXT\"";
        // "#N": the item at place N (from 0), for items that show pictures and no text.
        if (action.kind == UserAction::Kind::Choose && text.size() > 1 && text[0] == '#' &&
            text.find_first_not_of("0123456789", 1) == std::string_view::npos) {
            if (!ParseNumber(text.substr(1), 0, 1 << 30, action.number))
                return "\"" + std::string(text) + "\" is not an item's place (#0 for the first item)";
            action.byPlace = true;
            return "";
        }
        return takeText();
    }
    if (verb == "cell") {
        action.kind = UserAction::Kind::Cell;
        std::string error = needsId("cell ID COL ROW TEXT");
        if (!error.empty()) return error;
        std::string_view col = TakeWord(text), row = TakeWord(text);
        if (!ParseNumber(col, 0, 99999, action.x) || !ParseNumber(row, 0, 99999, action.y))
            return "expected \"cell ID COL ROW TEXT\" with a column and a row from 0";
        return takeText();
    }
    if (verb == "key") {
        action.kind = UserAction::Kind::Key;
        std::string_view name = TakeWord(text);
        action.number = qelt::KeyCode(std::string(name));
        if (action.number == 0) return "expected \"key VK\" with a key such as VK_RETURN, VK_TAB, VK_ESCAPE or VK_F8";
        return noMore("key VK");
    }
    if (verb == "type") {
        action.kind = UserAction::Kind::Type;
        if (text.empty()) return "expected \"type TEXT\"";
        return takeText();
    }
    if (verb == "mouse") {
        action.kind = UserAction::Kind::Mouse;
        const char* usage = "mouse ID down|up|move|dblclk|wheel|rdown|rup X Y [DELTA]";
        std::string error = needsId(usage);
        if (!error.empty()) return error;
        static const char* const kActions[] = {"down", "up", "move", "dblclk", "wheel", "rdown", "rup"};
        std::string_view what = TakeWord(text);
        action.number = -1;
        for (int i = 0; i < 7; ++i) {
            if (what == kActions[i]) action.number = i;
        }
        std::string_view x = TakeWord(text), y = TakeWord(text);
        if (action.number < 0 || !ParseNumber(x, -32768, 32767, action.x) || !ParseNumber(y, -32768, 32767, action.y))
            return std::string("expected \"") + usage + "\"";
        if (action.number == UserAction::kWheel) action.delta = -120;  // a notch toward the person unless told
        if (action.number == UserAction::kWheel && !text.empty()) {
            std::string_view delta = TakeWord(text);
            if (!ParseNumber(delta, -32768, 32767, action.delta))
                return "\"" + std::string(delta) + "\" is not a wheel turn (120 a notch away from the person)";
        }
        return noMore(usage);
    }
    if (verb == "menu") {
        action.kind = UserAction::Kind::Menu;
        if (text.empty()) return "expected \"menu TEXT\"";
        return takeText();
    }
    if (verb == "pick") {
        action.kind = UserAction::Kind::Pick;
        std::string error = needsId("pick ID PATH/TO/ITEM");
        if (!error.empty()) return error;
        if (text.empty()) return "expected \"pick ID PATH/TO/ITEM\"";
        return takeText();
    }
    if (verb == "snap") {
        action.kind = UserAction::Kind::Snap;
        std::string_view name = TakeWord(text);
        if (name.empty() || name[0] == '.' ||
            name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_.") !=
                std::string_view::npos)
            return "expected \"snap NAME\" with a NAME of letters, digits, \"-\", \"_\" and \".\"";
        action.text = std::string(name).c_str();
        return noMore("snap NAME");
    }
    if (verb == "read") {
        action.kind = UserAction::Kind::Read;
        std::string error = needsId("read ID");
        return error.empty() ? noMore("read ID") : error;
    }
    if (verb == "check") {
        action.kind = UserAction::Kind::Check;
        std::string error = needsId("check ID on|off");
        if (!error.empty()) return error;
        std::string_view state = TakeWord(text);
        if (state != "on" && state != "off") return "expected \"check ID on|off\"";
        action.number = state == "on" ? 1 : 0;
        return noMore("check ID on|off");
    }
    if (verb == "click") {
        action.kind = UserAction::Kind::Click;
        std::string error = needsId("click ID");
        return error.empty() ? noMore("click ID") : error;
    }
    if (verb == "tab") {
        action.kind = UserAction::Kind::Tab;
        if (text.empty()) return "expected \"tab TITLE\"";
        return takeText();
    }
    if (verb == "row") {
        action.kind = UserAction::Kind::Row;
        std::string error = needsId("row ID N");
        if (!error.empty()) return error;
        std::string_view row = TakeWord(text);
        if (row.empty()) return "expected \"row ID N\"";
        if (!ParseNumber(row, 0, 1 << 30, action.number))
            return "\"" + std::string(row) + "\" is not a row number (0 for the first row)";
        return noMore("row ID N");
    }
    if (verb == "answer") {
        action.kind = UserAction::Kind::Answer;
        std::string_view answer = TakeWord(text);
        if (answer == "yes") action.number = IDYES;
        else if (answer == "no") action.number = IDNO;
        else if (answer == "ok") action.number = IDOK;
        else if (answer == "cancel") action.number = IDCANCEL;
        else return "expected \"answer yes|no|ok|cancel\"";
        return noMore("answer yes|no|ok|cancel");
    }
    if (verb == "close") {
        action.kind = UserAction::Kind::Close;
        return noMore("close");
    }
    if (verb == "controls") {
        action.kind = UserAction::Kind::Controls;
        return noMore("controls");
    }
    return "unknown action \"" + std::string(verb) + "\"";
}

}  // namespace

std::string ReadScriptFile(const std::string& path, std::string& text) {
    const bool fromStdin = path == "-";
    const int fd = fromStdin ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const std::string name = fromStdin ? "the script on stdin" : "the script " + path;
    if (fd < 0) return "cannot read " + name + ": " + std::strerror(errno);
    std::string error;
    struct stat info {};
    if (fstat(fd, &info) != 0) error = "cannot read " + name + ": " + std::strerror(errno);
    else if (S_ISDIR(info.st_mode)) error = "cannot read " + name + ": " + std::strerror(EISDIR);
    char buffer[65536];
    while (error.empty()) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
        else if (errno != EINTR) error = "cannot read " + name + ": " + std::strerror(errno);
    }
    if (!fromStdin) close(fd);
    return error;
}

ParsedScript ParseScript(std::string_view utf8) {
    ParsedScript script;
    // An editor may begin the file with the byte-order mark, which is no text of the first line.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) utf8.remove_prefix(kByteOrderMark.size());
    int number = 0;
    while (!utf8.empty()) {
        ++number;
        std::size_t end = utf8.find('\n');
        std::string_view text = utf8.substr(0, end);
        utf8 = end == std::string_view::npos ? std::string_view() : utf8.substr(end + 1);
        text = TrimRight(TrimLeft(text));
        if (text.empty() || text.front() == '#') continue;
        UserAction action;
        action.line = number;
        std::string error = ParseLine(text, action);
        if (!error.empty()) {
            script.ok = false;
            script.errorLine = number;
            script.error = error;
            script.actions.clear();
            return script;
        }
        script.actions.push_back(action);
    }
    return script;
}

}  // namespace qelt::app
