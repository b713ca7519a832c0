// Small operations on GBK texts that must respect two-byte characters: a trail byte can look like
// an ASCII letter or digit, so it is never case-folded or cut off its lead byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qelt::gbk {

// The length of the longest prefix of at most maxBytes bytes that ends on a character boundary.
size_t PrefixLength(std::string_view text, size_t maxBytes);

// Compares case-blind in ASCII letters, other bytes as they are: <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);

// True when text begins with prefix, compared as CompareNoCase does.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The bytes of WM_CHAR as characters: a lead byte waits for its trail byte.
class CharInput {
public:
    // The character this byte completes (one or two bytes); empty while a lead byte waits.
    std::string Take(unsigned char byte);

private:
    int m_lead = -1;
};

}  // namespace qelt::gbk
