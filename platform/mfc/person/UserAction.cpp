#include "mfc/person/UserAction.h"

#include "mfc/base/Encoding.h"

namespace qelt {
namespace {

struct NamedKey {
    const char* name;
    int code;
};

const NamedKey kKeys[] = {
    {"VK_BACK", VK_BACK},     {"VK_TAB", VK_TAB},       {"VK_RETURN", VK_RETURN}, {"VK_ESCAPE", VK_ESCAPE},
    {"VK_SPACE", VK_SPACE},   {"VK_PRIOR", VK_PRIOR},   {"VK_NEXT", VK_NEXT},     {"VK_END", VK_END},
    {"VK_HOME", VK_HOME},     {"VK_LEFT", VK_LEFT},     {"VK_UP", VK_UP},         {"VK_RIGHT", VK_RIGHT},
    {"VK_DOWN", VK_DOWN},     {"VK_INSERT", VK_INSERT}, {"VK_DELETE", VK_DELETE}, {"VK_F1", 0x70},
    {"VK_F2", 0x71},          {"VK_F3", 0x72},          {"VK_F4", 0x73},          {"VK_F5", 0x74},
    {"VK_F6", 0x75},          {"VK_F7", 0x76},          {"VK_F8", 0x77},          {"VK_F9", 0x78},
    {"VK_F10", 0x79},         {"VK_F11", 0x7A},         {"VK_F12", 0x7B},
};

}  // namespace

int KeyCode(const std::string& name) {
    for (const NamedKey& key : kKeys) {
        if (name == key.name) return key.code;
    }
    // A letter or digit key by itself: VK_A … VK_Z, VK_0 … VK_9.
    if (name.size() == 4 && name.compare(0, 3, "VK_") == 0) {
        const char c = name[3];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    }
    return 0;
}

std::string KeyName(int code) {
    for (const NamedKey& key : kKeys) {
        if (code == key.code) return key.name;
    }
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return std::string("VK_") + static_cast<char>(code);
    return std::to_string(code);
}

std::string UserAction::Describe() const {
    const std::string shown = text::GbkToUtf8ForDisplay(text.Str());
    const std::string id = std::to_string(controlId);
    switch (kind) {
    case Kind::Set: return "set " + id + " " + shown;
    case Kind::Choose: return "choose " + id + " " + (byPlace ? "#" + std::to_string(number) : shown);
    case Kind::Check: return "check " + id + (number ? " on" : " off");
    case Kind::Click: return "click " + id;
    case Kind::Tab: return "tab " + shown;
    case Kind::Row: return "row " + id + " " + std::to_string(number);
    case Kind::Answer:
        return std::string("answer ") + (number == IDYES ? "yes" : number == IDNO ? "no" : number == IDOK ? "ok" : "cancel");
    case Kind::Close: return "close";
    case Kind::Cell: return "cell " + id + " " + std::to_string(x) + " " + std::to_string(y) + " " + shown;
    case Kind::Key: return "key " + KeyName(number);
    case Kind::Type: return "type " + shown;
    case Kind::Mouse: {
        static const char* const kActions[] = {"down", "up", "move", "dblclk", "wheel", "rdown", "rup"};
        const std::string what = number >= 0 && number <= kRightUp ? kActions[number] : "?";
        return "mouse " + id + " " + what + " " + std::to_string(x) + " " + std::to_string(y) +
               (number == kWheel ? " " + std::to_string(delta) : "");
    }
    case Kind::Menu: return "menu " + shown;
    case Kind::Pick: return "pick " + id + " " + shown;
    case Kind::Read: return "read " + id;
    case Kind::Snap: return "snap " + shown;
    case Kind::Controls: return "controls";
    case Kind::Message: return "message " + std::to_string(number);
    }
    return "";
}

}  // namespace qelt
