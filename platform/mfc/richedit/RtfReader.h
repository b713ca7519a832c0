// Reads an RTF document into rich text: the characters with their formats. What it understands:
// groups; \par and \line (paragraph end), \tab, \cell (cells of a row separated by tabs, the row
// ended by \row as one paragraph end); \'hh bytes (GBK, as \ansicpg936 documents write them);
// \uN with its \ucN fallback; \b \i \ul \strike \fs \cf \f \super \sub \nosupersub \up \dn \plain;
// the font and colour tables (for \f and \cf). Destinations that hold no text of the document are
// skipped: \* groups, \object, \info, \stylesheet, headers, footers, field instructions (the
// field's result is read) and the like. A \pict of PNG data (\pngblip) becomes a picture of the
// text where it stands, at its \picwgoal × \pichgoal (else \picw × \pich) scaled by \picscalex
// and \picscaley (at most 16384 pixels either way); pictures of other formats are skipped. Other
// control words are ignored.
#pragma once

#include <string>
#include <string_view>

#include "mfc/richedit/RichText.h"

namespace qelt::rich {

struct RtfReadResult {
    bool ok = false;
    std::string error;  // what is wrong, and at which byte, when not ok
    Document text;
};

// base is the format of text that the document does not format otherwise (and of \plain).
RtfReadResult ReadRtf(std::string_view rtf, const CharFormat& base);

}  // namespace qelt::rich
