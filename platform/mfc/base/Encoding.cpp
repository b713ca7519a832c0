#include "mfc/base/Encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace qelt::text {
namespace {

// Converts the whole input or reports the offset of the first sequence that does not convert.
Conversion Convert(const char* to, const char* from, std::string_view input) {
    Conversion result;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        result.error = std::string("no conversion from ") + from + " to " + to;
        return result;
    }
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    bool failed = false;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) {  // cannot happen with 4 bytes per input byte, but stay correct
            size_t used = static_cast<size_t>(out - output.data());
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = output.size() - used;
            continue;
        }
        size_t offset = input.size() - inLeft;
        char detail[128];
        std::snprintf(detail, sizeof detail, "%s text has a %s sequence at byte %zu (0x%02X)", from,
                      errno == EINVAL ? "truncated" : "non-convertible", offset,
                      static_cast<unsigned char>(input[offset]));
        result.error = detail;
        failed = true;
        break;
    }
    iconv_close(cd);
    if (failed) return result;
    output.resize(static_cast<size_t>(out - output.data()));
    result.ok = true;
    result.text = std::move(output);
    return result;
}

bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

Conversion Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8); }

Conversion GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk); }

std::string GbkToUtf8ForDisplay(std::string_view gbk) {
    Conversion whole = GbkToUtf8(gbk);
    if (whole.ok) return whole.text;
    // Convert character by character, escaping what does not convert.
    std::string shown;
    for (size_t i = 0; i < gbk.size();) {
        size_t width = IsGbkLead(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
        Conversion one = GbkToUtf8(gbk.substr(i, width));
        if (one.ok) {
            shown += one.text;
            i += width;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(gbk[i]));
            shown += escaped;
            i += 1;
        }
    }
    return shown;
}

std::string Utf8ToGbkOrDie(std::string_view utf8) {
    Conversion result = Utf8ToGbk(utf8);
    if (!result.ok) {
        std::fprintf(stderr, "qelt: fixed text \"%.*s\" does not convert to GBK: %s\n",
                     static_cast<int>(utf8.size()), utf8.data(), result.error.c_str());
        std::abort();
    }
    return result.text;
}

}  // namespace qelt::text
