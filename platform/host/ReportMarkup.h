// The report markup inside row texts: a piece between two "$" is raised (superscript, "kN/m$2$"),
// a piece between two "~" lowered (subscript, "f~max~"). A pair closes on the same line and holds at
// least one character; a marker without its partner is an ordinary character. Texts are GBK: the
// second byte of a two-byte character is never taken for a marker.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qelt::report {

enum class RunKind { Normal, Superscript, Subscript };

struct MarkupRun {
    RunKind kind;
    std::string text;          // the shown text, without markers
    size_t sourceBegin = 0;    // where the run lies in the source text, markers included
    size_t sourceEnd = 0;
};

// The runs of a text in order; adjacent normal text forms one run.
std::vector<MarkupRun> SplitMarkup(std::string_view text);

// Bytes of the GBK character that starts at text[index]: 2 for a lead byte (0x81 to 0xFE) followed
// by another byte, otherwise 1.
size_t GbkCharLength(std::string_view text, size_t index);

}  // namespace qelt::report
