// Conversions between the system's GBK texts and UTF-8 at the edges (terminal, log, errors,
// resource scripts). A text that cannot be converted is an error, never a silent truncation.
#pragma once

#include <string>
#include <string_view>

namespace qelt::text {

struct Conversion {
    bool ok = false;
    std::string text;   // the converted text when ok
    std::string error;  // what could not be converted, and where, when not ok
};

Conversion Utf8ToGbk(std::string_view utf8);
Conversion GbkToUtf8(std::string_view gbk);

// For display only: GBK to UTF-8 where a byte sequence that is not GBK shows as "\xNN".
std::string GbkToUtf8ForDisplay(std::string_view gbk);

// A GBK literal's bytes from a UTF-8 text known to convert (for the platform's own fixed texts);
// aborts with a message naming the text when it does not.
std::string Utf8ToGbkOrDie(std::string_view utf8);

}  // namespace qelt::text
