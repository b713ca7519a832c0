#include "mfc/UserAction.h"

#include "mfc/Encoding.h"

namespace qelt {

std::string UserAction::Describe() const {
    const std::string shown = text::GbkToUtf8ForDisplay(text.Str());
    const std::string id = std::to_string(controlId);
    switch (kind) {
    case Kind::Set: return "set " + id + " " + shown;
    case Kind::Choose: return "choose " + id + " " + shown;
    case Kind::Check: return "check " + id + (number ? " on" : " off");
    case Kind::Click: return "click " + id;
    case Kind::Tab: return "tab " + shown;
    case Kind::Row: return "row " + id + " " + std::to_string(number);
    case Kind::Answer:
        return std::string("answer ") + (number == IDYES ? "yes" : number == IDNO ? "no" : number == IDOK ? "ok" : "cancel");
    case Kind::Close: return "close";
    }
    return "";
}

}  // namespace qelt
