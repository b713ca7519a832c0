#include "mfc/GbkText.h"

namespace qelt::gbk {
namespace {

bool IsLead(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x81 && u <= 0xFE;
}

size_t CharWidth(std::string_view text, size_t at) { return IsLead(text[at]) && at + 1 < text.size() ? 2 : 1; }

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares a with b character by character, the characters of a deciding the widths; with
// prefixOnly, b running out first counts as equal.
int CompareFolded(std::string_view a, std::string_view b, bool prefixOnly) {
    size_t i = 0;
    while (i < a.size() && i < b.size()) {
        size_t width = CharWidth(a, i);
        for (size_t k = 0; k < width; ++k) {
            char ca = a[i + k];
            char cb = i + k < b.size() ? b[i + k] : '\0';
            if (width == 1) ca = Fold(ca), cb = Fold(cb);
            if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        }
        i += width;
    }
    if (prefixOnly && i >= b.size()) return 0;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

size_t PrefixLength(std::string_view text, size_t maxBytes) {
    size_t i = 0;
    while (i < text.size()) {
        size_t width = CharWidth(text, i);
        if (i + width > maxBytes) break;
        i += width;
    }
    return i;
}

int CompareNoCase(std::string_view a, std::string_view b) { return CompareFolded(a, b, false); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && CompareFolded(text, prefix, true) == 0;
}

std::string CharInput::Take(unsigned char byte) {
    if (m_lead >= 0) {
        std::string character{static_cast<char>(m_lead), static_cast<char>(byte)};
        m_lead = -1;
        return character;
    }
    if (byte >= 0x81 && byte <= 0xFE) {
        m_lead = byte;
        return std::string();
    }
    return std::string(1, static_cast<char>(byte));
}

}  // namespace qelt::gbk
