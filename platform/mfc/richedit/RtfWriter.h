// Writes rich text as an RTF document in the system's code page (\ansicpg936): a font table of the
// faces used, a colour table of the colours used, and each run of equally formatted characters.
// ReadRtf reads it back to the same characters and formats. Pictures are not written.
#pragma once

#include <string>

#include "mfc/richedit/RichText.h"

namespace qelt::rich {

// The characters [first, last) of the document (clamped) as one RTF document.
std::string WriteRtf(const Document& text, int first, int last);

}  // namespace qelt::rich
